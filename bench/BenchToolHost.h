#pragma once

#include "SyntheticBoard.h"
#include "edit/tools/ToolDispatcher.h"

namespace trazello::bench {

// The window's side of the tools for benchmarks: a synthetic board of `count` elements at the
// usual density on a square board, active layer C1, no windows to ask.
class BenchToolHost : public ToolHost {
 public:
  explicit BenchToolHost(size_t count) {
    doc.elements() = syntheticBoardOfDensity(count, side);
    doc.working().width = side;
    doc.working().height = side;
    doc.working().activeLayer = 1;
  }
  Document& document() override { return doc; }
  UndoHistory& undoHistory() override { return undo; }
  SizeFields& sizeFields() override { return sizes; }
  double zoom() const override { return 0.2; }
  ToolOptions options() const override { return {}; }
  std::optional<TextWindowValues> askText(const TextWindowValues&) override { return {}; }
  std::optional<LegacyTextValues> askLegacyText(const LegacyTextValues&) override { return {}; }
  Point legacyTextExtent(const std::string&, int32_t) const override { return {}; }

  Document doc;
  UndoHistory undo;
  SizeFields sizes;
  int32_t side = 0;
};

}  // namespace trazello::bench
