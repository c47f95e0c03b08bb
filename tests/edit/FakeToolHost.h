#pragma once

#include <deque>
#include <optional>

#include "edit/tools/ToolDispatcher.h"
#include "edit/tools/ToolHost.h"
#include "model/Layer.h"

namespace trazello::testing {

// A window stand-in: a document with one 160 x 100 mm board on a 1.27 mm grid, 1 pixel per
// unit, and scripted answers for the modal windows.
class FakeToolHost : public ToolHost {
 public:
  FakeToolHost() {
    doc.working().grid = 127;
    doc.working().activeLayer = layer::C1;
  }

  Document& document() override { return doc; }
  UndoHistory& undoHistory() override { return undo; }
  SizeFields& sizeFields() override { return sizes; }
  double zoom() const override { return pixelsPerUnit; }
  ToolOptions options() const override { return toolOptions; }

  std::optional<TextWindowValues> askText(const TextWindowValues& initial) override {
    askedText.push_back(initial);
    if (textAnswers.empty()) return std::nullopt;
    auto a = textAnswers.front();
    textAnswers.pop_front();
    return a;
  }
  std::optional<LegacyTextValues> askLegacyText(const LegacyTextValues&) override {
    return legacyAnswer;
  }
  std::optional<PolygonSpiralValues> askPolygonSpiral() override {
    ++askedShape;
    return shapeAnswer;
  }
  Point legacyTextExtent(const std::string& text, int32_t) const override {
    return {float(text.size()) * 100, 200};
  }

  ElementList& list() { return doc.elements(); }
  size_t undoSteps() { return doc.currentBoard().undoList.size(); }

  Document doc;
  UndoHistory undo;
  SizeFields sizes;
  double pixelsPerUnit = 1.0;
  ToolOptions toolOptions;
  std::deque<std::optional<TextWindowValues>> textAnswers;
  std::vector<TextWindowValues> askedText;
  std::optional<LegacyTextValues> legacyAnswer;
  std::optional<PolygonSpiralValues> shapeAnswer;
  int askedShape = 0;
};

// A host with a dispatcher and short ways to click and drag.
struct ToolBench {
  FakeToolHost host;
  ToolDispatcher tools{host};

  Outcome click(Point p, Modifiers m = {}) {
    tools.handle(ToolEvent::press(p, MouseButton::Left, m));
    return tools.handle(ToolEvent::release(p, MouseButton::Left, m));
  }
  Outcome rightClick(Point p, Modifiers m = {}) {
    return tools.handle(ToolEvent::press(p, MouseButton::Right, m));
  }
  Outcome moveTo(Point p, Modifiers m = {}, bool leftHeld = false) {
    return tools.handle(ToolEvent::move(p, leftHeld ? uint8_t(MouseButton::Left) : 0, m));
  }
  // Press at `from`, move (the first move after a press may be ignored) and release at `to`.
  Outcome drag(Point from, Point to, Modifiers m = {}) {
    tools.handle(ToolEvent::press(from, MouseButton::Left, m));
    moveTo(from, m, true);
    moveTo(to, m, true);
    return tools.handle(ToolEvent::release(to, MouseButton::Left, m));
  }
  Outcome key(ToolKey k, Modifiers m = {}) { return tools.handle(ToolEvent::keyPress(k, {}, m)); }
};

}  // namespace trazello::testing
