#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "UndoHistory.h"
#include "model/LayerPredicates.h"
#include "model/TObjekt.h"

namespace trazello {

// The six size fields of the tool panel, in panel order.
enum class SizeField { TrackWidth, PadOuter, PadDrill, SmdWidth, SmdHeight, Clearance };
inline constexpr size_t kSizeFieldCount = 6;

// The sizes new elements are made with. Lengths in units (hundredths of a millimetre); pad
// sizes as radii, since pads store radii.
struct ToolSizes {
  int32_t trackWidth = 80;
  double padOuterRadius = 90;
  double padDrillRadius = 30;
  int32_t smdWidth = 90;
  int32_t smdHeight = 180;
  int32_t clearance = 40;
  uint8_t padShape = padshape::Round;
  bool plated = true;
};

// What the size fields show and how an edit of one reaches the selected elements. Field values
// are in millimetres (pad fields show diameters); the widgets convert to mil themselves.
class SizeFields {
 public:
  ToolSizes& current() { return current_; }
  const ToolSizes& current() const { return current_; }
  // The sizes the drawing tools come back to whenever nothing is selected (no clearance, shape
  // or plating: those stay as they are).
  ToolSizes& remembered() { return remembered_; }
  const ToolSizes& remembered() const { return remembered_; }

  // The field value of a current size, in millimetres.
  double fieldValue(SizeField field) const;
  // The internal value of a field value, in the field's own encoding (units or radius).
  static double internalValue(SizeField field, double millimetres);

  // Nothing selected: the current sizes become the remembered ones.
  void useRemembered();

  // Reads the sizes of the selected elements. Per field: the value to show, or none when the
  // selected elements disagree (the field stays as it is). A shared size becomes current and,
  // when `remember` holds, the remembered tool size. Changes no element.
  struct Shown {
    std::array<std::optional<double>, kSizeFieldCount> fields;
    bool shapeChanged = false;  // the current shape or plating was taken from the pads
  };
  Shown showSelectionSizes(const ElementList& list, bool remember);

  // A field gained or lost the keyboard focus: the edit between the two records one step.
  void beginEdit() { inEdit_ = true, editRecorded_ = false; }
  void endEdit() { inEdit_ = false; }

  // A field changed to `millimetres`: updates the current size (and, when the field has the
  // focus, the remembered one) and applies it to the selected elements on visible layers,
  // recording a step before the first element changes. The pad fields depend on each other: a
  // drill above the outer diameter raises the outer one, an outer one below the drill lowers
  // the drill; the other pad field's new value is returned so that it can be shown.
  std::optional<double> applyField(Document& doc, const UndoHistory& undo, SizeField field,
                                   double millimetres, bool hasFocus, const LayerState& layers);
  // The pad shape menu and the through-plating item.
  void applyShape(Document& doc, const UndoHistory& undo, uint8_t shape, const LayerState& layers);
  void applyPlating(Document& doc, const UndoHistory& undo, bool plated, const LayerState& layers);

  // Whether a selected element is one a field's size applies to.
  static bool fieldApplies(SizeField field, const TObjekt& e);
  // The fields to highlight for a selection: those whose elements are selected; the clearance
  // when non-keep-out elements are selected and `groundPlaneOn` (for the active layer).
  static std::array<bool, kSizeFieldCount> highlighted(const ElementList& list, bool groundPlaneOn);

 private:
  void applyToSelection(Document& doc, const UndoHistory& undo, const LayerState& layers,
                        bool anyLayer, const std::function<bool(TObjekt&)>& change);

  ToolSizes current_;
  ToolSizes remembered_;
  bool inEdit_ = false;
  bool editRecorded_ = false;
};

}  // namespace trazello
