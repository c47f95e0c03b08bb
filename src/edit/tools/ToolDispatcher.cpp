#include "ToolDispatcher.h"

#include "CircleTool.h"
#include "EditTool.h"
#include "MeasureTool.h"
#include "PadTool.h"
#include "ConnectionTool.h"
#include "AutorouteTool.h"
#include "PasteTool.h"
#include "PolylineTool.h"
#include "SolderMaskTool.h"
#include "SpecialShapeTool.h"
#include "TextTool.h"
#include "ZoomTool.h"

namespace trazello {

namespace {

bool deselectsAll(ToolChoice c) {
  switch (c.code) {
    case ToolCode::Edit:
    case ToolCode::Connection:
    case ToolCode::PastePlacement:
      return false;
    case ToolCode::Zoom:
      return c.photoView;
    default:
      return true;
  }
}

}  // namespace

ToolDispatcher::ToolDispatcher(ToolHost& host) : host_(host) {
  auto put = [&](std::unique_ptr<Tool> t) {
    const size_t code = static_cast<size_t>(t->code());
    tools_[code] = std::move(t);
  };
  put(std::make_unique<EditTool>());
  put(std::make_unique<PolylineTool>(ToolCode::Track));
  put(std::make_unique<PolylineTool>(ToolCode::Zone));
  put(std::make_unique<PadTool>(ToolCode::Pad));
  put(std::make_unique<PadTool>(ToolCode::SmdPad));
  put(std::make_unique<ZoomTool>());
  put(std::make_unique<CircleTool>());
  put(std::make_unique<TextTool>());
  put(std::make_unique<MeasureTool>());
  put(std::make_unique<SolderMaskTool>());
  put(std::make_unique<PasteTool>());
  put(std::make_unique<ConnectionTool>());
  put(std::make_unique<ConnectionTestTool>());
  put(std::make_unique<SpecialShapeTool>());
  put(std::make_unique<AutorouteTool>());
}

ToolDispatcher::~ToolDispatcher() = default;

Tool& ToolDispatcher::tool(ToolCode code) {
  return *tools_[static_cast<size_t>(code)];
}

bool ToolDispatcher::polylineInProgress() const {
  return state_.drawing && (current_.code == ToolCode::Track || current_.code == ToolCode::Zone);
}

std::string ToolDispatcher::hint() const {
  return std::string(toolHint(current_.code, state_.drawing, host_.options().language));
}

void ToolDispatcher::resetInteraction() {
  InteractionState fresh;
  fresh.bendMode = state_.bendMode;
  fresh.spaceHeld = state_.spaceHeld;
  fresh.spaceReturn = state_.spaceReturn;
  fresh.textValues = state_.textValues;
  fresh.textNumber = state_.textNumber;
  state_ = std::move(fresh);
}

Outcome ToolDispatcher::selectTool(ToolChoice choice) {
  Outcome out;
  ToolContext ctx(host_, state_, index_);
  tool(current_.code).leave(ctx, out);
  resetInteraction();
  current_ = choice;
  if (deselectsAll(choice)) {
    ctx.deselectAll(out.change);
    host_.sizeFields().useRemembered();
    out.showSelectionSizes = true;
  } else if (choice.code == ToolCode::Connection) {
    deselectPads(ctx, out.change);
  }
  const bool maskView = choice.code == ToolCode::SolderMask ||
                        (choice.code == ToolCode::Zoom && solderMaskView_ && state_.spaceHeld &&
                         state_.spaceReturn && state_.spaceReturn->code == ToolCode::SolderMask);
  out.solderMaskViewChanged = maskView != solderMaskView_;
  solderMaskView_ = maskView;
  if (out.solderMaskViewChanged) out.change.all = true;
  out.pointer = pointerShapeOf(choice.code);
  out.hint = std::string(toolHint(choice.code, false, host_.options().language));
  out.handled = true;
  out.nextTool = choice;
  tool(choice.code).enter(ctx, out);
  return finish(std::move(out));
}

void ToolDispatcher::deselectPads(ToolContext& ctx, Change& change) {
  const ElementList& l = ctx.list();
  for (size_t i = 0; i < l.size(); ++i) {
    if (l[i].Selected && l[i].isPadLike()) ctx.setSelected(i, false, true, change);
  }
}

Outcome ToolDispatcher::handle(const ToolEvent& e) {
  if (e.type == ToolEventType::KeyPress) return keyPress(e);
  if (e.type == ToolEventType::KeyRelease) return keyRelease(e);
  Outcome out;
  out.handled = true;
  ToolContext ctx(host_, state_, index_);
  Tool& t = tool(current_.code);
  switch (e.type) {
    case ToolEventType::Press:
      t.press(ctx, e, out);
      break;
    case ToolEventType::Move:
      t.move(ctx, e, out);
      break;
    case ToolEventType::Release:
      t.release(ctx, e, out);
      break;
    case ToolEventType::DoubleClick:
      // A double click stands for the second press; only the edit tool gives it a meaning.
      if (current_.code == ToolCode::Edit)
        t.doubleClick(ctx, e, out);
      else
        t.press(ctx, e, out);
      break;
    default:
      break;
  }
  return finish(std::move(out));
}

Outcome ToolDispatcher::finish(Outcome out) {
  if (out.nextTool && !(*out.nextTool == current_)) {
    const ToolChoice next = *out.nextTool;
    Outcome switched = selectTool(next);
    switched.change.merge(out.change);
    switched.showSelectionSizes = switched.showSelectionSizes || out.showSelectionSizes;
    switched.nextTool = next;
    return switched;
  }
  return out;
}

Outcome ToolDispatcher::nodeCommand(NodeCommand command, ElementId element, int node) {
  Outcome out;
  out.handled = true;
  out.change = runNodeCommand(command, host_.document(), host_.undoHistory(), element, node);
  return out;
}

void ToolDispatcher::boardChanged() {
  if (polylineInProgress()) state_.drawing = false;
  resetInteraction();
}

}  // namespace trazello
