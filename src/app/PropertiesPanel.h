#pragma once

#include <QDockWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "app/Captions.h"
#include "edit/commands/PropertyCommands.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace trazello {

class TUnitSpinEdit;

// The docked properties panel (`EigenschaftenDlg`): the fields of the one selected element, the
// number of selected elements of each kind, or the board when nothing is selected. Every edit
// changes the document at once through the property commands; the window repaints and refreshes
// everything, which refills the panel except the field being typed into.
class PropertiesPanel : public QDockWidget {
  Q_OBJECT

 public:
  // The pages of the notebook, one per situation.
  enum Page {
    PadPage,
    TrackPage,
    ZonePage,
    TextPage,
    SmdPage,
    CirclePage,
    SelectionPage,
    BoardPage
  };

  PropertiesPanel(Document& doc, const UndoHistory& undo, Language language,
                  QWidget* parent = nullptr);

  // The panel shares the size bar's drop-downs and its through-plating command.
  void setPadMenus(QMenu* shapes, QMenu* padSizes, QMenu* smdSizes, QAction* plating);
  void setOptions(const PropertyOptions& options) { options_ = options; }
  // The copper thickness (µm) and temperature rise (K) of the current capacity.
  void setCapacitySettings(int copperMicrons, int riseKelvin);
  void setMil(bool on);

  // Fills the panel from the selection; `drawing` is the element being drawn, counted as the
  // one selected, with the rubber segment that continues it.
  struct Drawing {
    ElementId element;
    std::vector<Point> rubber;
  };
  void refresh(const std::optional<Drawing>& drawing = std::nullopt);
  // Draws attention: three flashes in the title's font colour.
  void flash();

  Page page() const { return page_; }
  QString title() const;
  // The element the fields belong to; none on the selection and board pages.
  ElementId shownElement() const { return shown_; }

 signals:
  // An edit changed the document: repaint what it touched and refresh.
  void edited(const Change& change);
  // `SB_Imax`: the general settings at the current-capacity page.
  void capacitySettingsRequested();

 private:
  // A field of a page and how it shows its property.
  struct Binding {
    Property property;
    QWidget* widget;
    std::function<void(const PropertyValue&)> show;
  };

  QString text(const char* component) const;
  QWidget* newPage(Page page, QFormLayout** form);
  void bind(Page page, Property p, QWidget* widget, std::function<void(const PropertyValue&)> show);
  TUnitSpinEdit* lengthField(Page page, Property p, const char* name, double min, double max,
                             int decimals = 2);
  QSpinBox* angleField(Page page, Property p, const char* name);
  QCheckBox* checkBox(Page page, Property p, const char* name, const char* caption);
  QButtonGroup* choice(Page page, Property p, QWidget* box,
                       const std::vector<std::pair<const char*, const char*>>& buttons);
  QWidget* centreRow(Page page, const char* xName, const char* yName);
  QWidget* spokePanel(Page page, const char* prefix, QSlider** width, QLabel** label);
  QToolButton* menuButton(const char* name);

  void buildPadPage();
  void buildSmdPage();
  void buildTrackPage();
  void buildZonePage();
  void buildTextPage();
  void buildCirclePage();
  void buildSelectionPage();
  void buildBoardPage();

  // An edit of field `p` from `widget`. A typed edit lasts while its field has the focus and is
  // one undo step; a click is one of its own.
  void apply(Property p, const PropertyValue& v, QWidget* widget, bool typed);
  void fillElement(const TObjekt& e, const std::optional<Drawing>& drawing);
  void fillLabels(const TObjekt& e, const std::optional<Drawing>& drawing);
  void fillSelection();
  void fillBoard();
  void enableControls(const TObjekt& e);
  void showPage(Page page);
  bool eventFilter(QObject* watched, QEvent* e) override;

  Document& doc_;
  const UndoHistory& undo_;
  Language language_;
  PropertyOptions options_;
  int copperMicrons_ = 35, riseKelvin_ = 20;
  bool mil_ = false;

  QLabel* title_ = nullptr;  // L_Typ
  QStackedWidget* notebook_ = nullptr;
  std::array<std::vector<Binding>, 8> bindings_;
  std::vector<TUnitSpinEdit*> lengths_;
  Page page_ = BoardPage;
  ElementId shown_;
  PropertyEdit edit_;
  bool filling_ = false;
  bool ownEdit_ = false;  // the refresh after the panel's own edit keeps the focused field

  // Controls whose state depends on more than their own property.
  QCheckBox* via_ = nullptr;  // CB_Via
  QAction* plating_ = nullptr;
  std::array<QCheckBox*, 2> thermal_{};  // CB_ThermalPad, CB_SMD_ThermalPad
  std::array<QWidget*, 2> spokes_{};     // Panel_TH, Panel_SMD_TH
  std::array<QLabel*, 2> spokeLabels_{};
  std::array<QToolButton*, 3> menuButtons_{};  // SB_LAForm, SB_LoetaugenContainer, SB_SMDContainer
  std::array<QCheckBox*, 4> keepOut_{};        // track, zone, text, circle
  QLabel* length_ = nullptr;
  QLabel* trackNodes_ = nullptr;
  QLabel* capacity_ = nullptr;
  QToolButton* capacityButton_ = nullptr;
  QLabel* zoneNodes_ = nullptr;
  QCheckBox* hatched_ = nullptr;
  QButtonGroup* pitchChoice_ = nullptr;
  TUnitSpinEdit* pitch_ = nullptr;
  QLabel* filledNote_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  std::array<TUnitSpinEdit*, 2> boardSize_{};  // SE_BoardX, SE_BoardY
};

}  // namespace trazello
