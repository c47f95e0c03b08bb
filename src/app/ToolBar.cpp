#include "ToolBar.h"

#include <QActionGroup>
#include <QIcon>
#include <QPixmap>

// The pictures are compiled into this static library; a static library's resources must be
// registered by name, outside any namespace.
static void registerToolPictures() {
  Q_INIT_RESOURCE(tools);
}

namespace trazello {

namespace {

struct ToolButtonDef {
  const char* name;
  ToolChoice tool;
  const char* icon;
  bool built;  // tools still to come keep a disabled button
};

constexpr ToolButtonDef kButtons[] = {
    {"SB_Standard", {ToolCode::Edit, false}, "tool-edit", true},
    {"SB_Line", {ToolCode::Track, false}, "tool-track", true},
    {"SB_Circle", {ToolCode::Pad, false}, "tool-pad", true},
    {"SB_SMDPad", {ToolCode::SmdPad, false}, "tool-smd", true},
    {"SB_Ring", {ToolCode::Circle, false}, "tool-circle", true},
    {"SB_Polygon", {ToolCode::Zone, false}, "tool-zone", true},
    {"SB_LineText", {ToolCode::Text, false}, "tool-text", true},
    {"SB_Vieleck", {ToolCode::SpecialShape, false}, "tool-shape", true},
    {"SB_Messen", {ToolCode::Measure, false}, "tool-measure", true},
    {"SB_Zoom", {ToolCode::Zoom, false}, "tool-zoom", true},
    {"SB_RealAnsicht", {ToolCode::Zoom, true}, "tool-photo", true},
    {"SB_Loetstopp", {ToolCode::SolderMask, false}, "tool-soldermask", true},
    {"SB_Connect", {ToolCode::Connection, false}, "tool-connect", true},
    {"SB_Test", {ToolCode::ConnectionTest, false}, "tool-test", true},
    {"SB_AutoRoute", {ToolCode::Autoroute, false}, "tool-autoroute", true},
};

QIcon iconNamed(const char* name) {
  return QIcon(QString(":/tools/%1.svg").arg(name));
}

// The long part of a hint (after "|"), its first line.
QString tooltipOf(std::string_view hint) {
  QString s = QString::fromUtf8(hint.data(), static_cast<qsizetype>(hint.size()));
  const qsizetype bar = s.indexOf('|');
  if (bar >= 0) s = s.mid(bar + 1);
  return s.section('\r', 0, 0);
}

const char* keepOutTip(int language) {
  switch (language) {
    case kRussian:
      return "Вырез: новые зоны вырезаются из полигона земли";
    case kFrench:
      return "Découpe : les nouvelles zones sont découpées du plan de masse";
    default:
      return "Cutout: generate cutout-areas in the ground plane";
  }
}

const char* groundPlaneTip(int language) {
  switch (language) {
    case kRussian:
      return "Полигон земли на активном слое меди";
    case kFrench:
      return "Plan de masse sur la couche de cuivre active";
    default:
      return "Ground plane on the active copper layer";
  }
}

}  // namespace

ToolBar::ToolBar(const std::string& hotkeys, int language, QWidget* parent)
    : QToolBar(parent), hotkeys_(hotkeys), language_(language) {
  registerToolPictures();
  setObjectName("ToolBar");
  setOrientation(Qt::Vertical);
  setIconSize(QSize(24, 24));
  group_ = new QActionGroup(this);
  group_->setExclusive(true);
  for (const ToolButtonDef& def : kButtons) {
    QAction* a = addAction(iconNamed(def.icon), {});
    a->setObjectName(def.name);
    a->setCheckable(true);
    a->setEnabled(def.built);
    group_->addAction(a);
    const ToolChoice tool = def.tool;
    connect(a, &QAction::triggered, this, [this, tool] { emit toolChosen(tool); });
    if (def.tool.code == ToolCode::Zone) {
      keepOut_ = addAction(iconNamed("tool-keepout"), {});
      keepOut_->setObjectName("SB_Sperrflaeche");
      keepOut_->setCheckable(true);
      connect(keepOut_, &QAction::toggled, this, &ToolBar::keepOutToggled);
    }
  }
  addSeparator();
  groundPlane_ = addAction(iconNamed("tool-groundplane"), {});
  groundPlane_->setObjectName("SB_AutoMasse");
  groundPlane_->setCheckable(true);
  connect(groundPlane_, &QAction::triggered, this, &ToolBar::groundPlaneToggled);
  refreshTooltips();
  showTool({});
}

QAction* ToolBar::button(ToolChoice tool) const {
  for (const ToolButtonDef& def : kButtons) {
    if (def.tool == tool) return findChild<QAction*>(def.name);
  }
  return nullptr;
}

void ToolBar::showTool(ToolChoice tool) {
  QSignalBlocker block(group_);
  if (QAction* a = button(tool)) {
    a->setChecked(true);
  } else if (QAction* checked = group_->checkedAction()) {
    checked->setChecked(false);  // paste placement has no button
  }
}

void ToolBar::setHotkeys(const std::string& hotkeys) {
  hotkeys_ = hotkeys;
  refreshTooltips();
}

void ToolBar::refreshTooltips() {
  for (const ToolButtonDef& def : kButtons) {
    QAction* a = findChild<QAction*>(def.name);
    QString tip = tooltipOf(toolHint(def.tool.code, false, language_));
    QString key;
    if (def.tool.code == ToolCode::Edit) key = "Esc";
    for (size_t row = 0; row < kHotkeyTools.size() && row < hotkeys_.size(); ++row) {
      if (kHotkeyTools[row] == def.tool && hotkeys_[row] != '_' && hotkeys_[row] != 0)
        key = QString(QChar(hotkeys_[row]));
    }
    if (!key.isEmpty()) tip += QString(" (%1)").arg(key);
    a->setStatusTip(tip);
    a->setToolTip(tip);
  }
  const QString tip = QString::fromUtf8(keepOutTip(language_));
  keepOut_->setStatusTip(tip);
  keepOut_->setToolTip(tip);
  const QString plane = QString::fromUtf8(groundPlaneTip(language_));
  groundPlane_->setStatusTip(plane);
  groundPlane_->setToolTip(plane);
}

QCursor toolCursor(PointerShape shape) {
  registerToolPictures();
  const char* name = nullptr;
  QPoint hot(8, 8);
  switch (shape) {
    case PointerShape::Arrow:
      return QCursor(Qt::ArrowCursor);
    case PointerShape::Lupe:
      name = "cursor-lupe";
      hot = QPoint(12, 12);
      break;
    case PointerShape::Ring:
      name = "cursor-ring";
      break;
    case PointerShape::Test:
      name = "cursor-test";
      hot = QPoint(2, 2);
      break;
    case PointerShape::Connect:
      name = "cursor-connect";
      break;
    case PointerShape::Autoroute:
      name = "cursor-autoroute";
      break;
    case PointerShape::Changer:
      name = "cursor-changer";
      break;
  }
  const QPixmap picture = iconNamed(name).pixmap(QSize(32, 32));
  if (picture.isNull()) return QCursor(Qt::CrossCursor);  // the picture plugin is missing
  return QCursor(picture, hot.x(), hot.y());
}

}  // namespace trazello
