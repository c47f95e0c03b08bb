// Pictures of the editor at work, for looking at by eye (not a test):
// `window_screenshots DIR LAYOUT [LANGUAGE]` writes the window, the window while a track is drawn,
// the measure box, the text window, the Gerber window, the print window, the footprint wizard, the special-shape
// window and the photo view.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <fstream>

#include "app/DrawingArea.h"
#include "app/FootprintWizardDialog.h"
#include "app/MainWindow.h"
#include "app/PhotoViewWindow.h"
#include "app/PropertiesPanel.h"

using namespace trazello;

namespace {

void send(MainWindow& w, QEvent::Type type, Point world, Qt::MouseButton button,
          Qt::MouseButtons held) {
  QWidget* vp = w.drawingArea()->viewport();
  const QPointF at = w.drawingArea()->pixelAt(world);
  QMouseEvent e(type, at, vp->mapToGlobal(at), button, held, {});
  QApplication::sendEvent(vp, &e);
  QApplication::processEvents();
}

void click(MainWindow& w, Point p) {
  send(w, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
  send(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
  send(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) return 2;
  const QString out = argv[1];
  QTemporaryDir dir;
  AppPaths paths;
  paths.programFolder = dir.path().toStdString() + "/";
  paths.dataFolder = paths.programFolder;
  const int language = argc > 3 ? std::atoi(argv[3]) : 1;
  std::ofstream(paths.languageFile()) << "[Sprache]\nSprache=" << language << "\n";
  MainWindow w(paths);
  w.resize(1200, 800);
  w.show();
  w.openFile(argv[2], false);
  w.drawingArea()->zoomBoard();
  QTest::qWait(50);

  w.grab().save(out + "/window.png");

  // A track half drawn: two points placed, the rubber band to the pointer.
  w.drawingArea()->setFocus();
  QTest::keyClick(w.drawingArea(), Qt::Key_L);
  click(w, {1500, -1500});
  click(w, {3000, -1500});
  send(w, QEvent::MouseMove, {4500, -2600}, Qt::NoButton, Qt::NoButton);
  w.grab().save(out + "/track.png");
  QTest::keyClick(w.drawingArea(), Qt::Key_Escape);

  // The measure box while the button is held.
  QTest::keyClick(w.drawingArea(), Qt::Key_M);
  send(w, QEvent::MouseMove, {1000, -1000}, Qt::NoButton, Qt::NoButton);
  send(w, QEvent::MouseButtonPress, {1000, -1000}, Qt::LeftButton, Qt::LeftButton);
  send(w, QEvent::MouseMove, {3500, -2500}, Qt::NoButton, Qt::LeftButton);
  w.grab().save(out + "/measure.png");
  send(w, QEvent::MouseButtonRelease, {3500, -2500}, Qt::LeftButton, Qt::NoButton);

  // The text window, grabbed while it is open, then cancelled.
  QTimer::singleShot(200, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      dialog->grab().save(out + "/text-window.png");
      dialog->close();
    }
  });
  QTest::keyClick(w.drawingArea(), Qt::Key_T);

  // The Gerber window, grabbed while it is open, then closed.
  QTimer::singleShot(200, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      dialog->grab().save(out + "/gerber-window.png");
      dialog->close();
    }
  });
  w.action("GerberFormat1")->trigger();

  // The print window with frame, crosses and drill plan, centred, grabbed, then closed.
  QTimer::singleShot(300, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      for (const char* name : {"Rahmen", "Passkreuze", "CB_Bohrplan1", "B_Zentrieren"})
        if (auto* b = dialog->findChild<QAbstractButton*>(name)) b->click();
      QApplication::processEvents();
      dialog->grab().save(out + "/print-window.png");
      dialog->close();
    }
  });
  w.action("Drucken1")->trigger();

  // The footprint wizard showing four sides of SMD pads, then cancelled.
  QTimer::singleShot(200, [&] {
    if (auto* wizard = qobject_cast<FootprintWizardDialog*>(QApplication::activeModalWidget())) {
      FootprintValues v = footprintDefaults(PackageType::Quad, wizard->values());
      v.smd = true;
      wizard->setValues(v);
      wizard->grab().save(out + "/wizard.png");
      wizard->reject();
    }
  });
  w.action("BauteilAssistent1")->trigger();

  // The polygon and spiral window, grabbed while it is open, then cancelled.
  QTimer::singleShot(200, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      dialog->grab().save(out + "/shape-window.png");
      dialog->close();
    }
  });
  QTest::keyClick(w.drawingArea(), Qt::Key_N);
  // The properties panel of the first pad, selected with the edit tool.
  for (const TObjekt& e : w.document().elements()) {
    if (!e.is(ElementKind::Pad)) continue;
    w.chooseTool(ToolChoice{});
    click(w, {e.X, e.Y});
    w.action("Eigenschaften2")->trigger();
    QTest::qWait(600);  // after the panel's flashes
    w.propertiesPanel()->grab().save(out + "/properties-pad.png");
    w.grab().save(out + "/properties-window.png");
    w.action("Eigenschaften2")->trigger();
    break;
  }

  // The photo view from side 1, the window with its photo-view window.
  w.chooseTool(ToolChoice{ToolCode::Zoom, true});
  QTest::qWait(50);
  w.grab().save(out + "/photo-view.png");
  if (QWidget* photo = w.photoViewWindow()) photo->grab().save(out + "/photo-window.png");
  return 0;
}
