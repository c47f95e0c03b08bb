#pragma once

#include <QWidget>
#include <array>

#include "app/AppSettings.h"
#include "app/Captions.h"
#include "edit/SizeFields.h"
#include "edit/SizeList.h"

class QAction;
class QMenu;
class QToolButton;

namespace trazello {

class TUnitSpinEdit;

// The size fields of the tool panel with their size lists, the pad-shape menu and the
// through-plating item. The fields show the sizes of the selection and edit them in place;
// with nothing selected they show the sizes new elements are made with.
class SizeBar : public QWidget {
  Q_OBJECT

 public:
  SizeBar(Document& doc, UndoHistory& undo, const AppSettings& settings, Language language,
          QWidget* parent = nullptr);

  TUnitSpinEdit* field(SizeField f) const { return fields_[static_cast<size_t>(f)]; }
  SizeFields& sizes() { return sizes_; }
  const SizeList& list(SizeList::Kind kind, bool smd = false) const;
  QMenu* trackMenu() const { return menus_[0]; }       // LinienPopup
  QMenu* padMenu() const { return menus_[1]; }         // LA_Popup
  QMenu* smdMenu() const { return menus_[2]; }         // SMD_Popup
  QMenu* shapeMenu() const { return shapeMenu_; }      // LAForm_Popup
  QAction* platingAction() const { return plating_; }  // Durchkontaktierung1
  QToolButton* shapeButton() const { return shapeButton_; }  // SB_LAForm, showing the shape

  // The layers edits reach (hidden layers keep their elements as they are).
  void setLayerState(const LayerState& layers) { layers_ = layers; }
  // The unit switch: fields and list captions follow.
  void setMil(bool on);
  bool mil() const { return mil_; }
  // After the edit tool selected elements; `remember` as for SizeFields::showSelectionSizes.
  void showSelectionSizes(bool remember);
  // After every command: with nothing selected the fields take the remembered tool sizes; the
  // highlight follows the selection.
  void refresh(bool groundPlaneOn);
  // The ground-plane clearance field is shown only while the active layer's plane is on.
  void showClearance(bool groundPlaneOn);
  // Red fields tell which sizes a tool or the selection uses.
  void setHighlighted(const std::array<bool, kSizeFieldCount>& on);
  // The lists and remembered sizes go back into the settings before they are written.
  void storeTo(AppSettings& settings) const;

 signals:
  // Elements changed size: repaint and refresh the properties panel.
  void elementsChanged();
  // The pad tool button shows the current shape, plated or not.
  void padShapeChanged(int shape, bool plated);

 private:
  TUnitSpinEdit* makeField(const char* name, double min, double max, int decimals, double step);
  QToolButton* makeListButton(int which, const char* name);
  void buildShapeMenu();
  void showShapeGlyph(int shape, bool plated);
  void fill(SizeField f, double millimetres);
  void fieldChanged(SizeField f);
  int currentTag(int which) const;
  void openList(int which);
  void chooseEntry(int which, int tag);
  QString text(const char* component) const;

  Document& doc_;
  UndoHistory& undo_;
  Language language_;
  SizeFields sizes_;
  std::array<SizeList, 3> lists_{SizeList(SizeList::Kind::Width), SizeList(SizeList::Kind::Pair),
                                 SizeList(SizeList::Kind::Pair)};
  std::array<TUnitSpinEdit*, kSizeFieldCount> fields_{};
  std::array<QMenu*, 3> menus_{};
  QMenu* shapeMenu_ = nullptr;
  QAction* plating_ = nullptr;
  QToolButton* shapeButton_ = nullptr;
  LayerState layers_;
  bool mil_ = false;
  bool filling_ = false;
};

}  // namespace trazello
