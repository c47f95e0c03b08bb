#pragma once

#include <optional>
#include <string>

#include "Preview.h"
#include "ToolCode.h"
#include "edit/Change.h"
#include "model/ElementId.h"

namespace trazello {

// What a tool step asks of the window: repaint the change, keep the preview, show the hint, the
// coordinate display and the pointer shape, switch tools, open a menu or zoom. Everything that
// is not set leaves the window as it was, except the preview, which always replaces the last.
struct Outcome {
  Change change;
  Preview preview;

  // The status-line hint in the host's language (UTF-8); none: unchanged.
  std::optional<std::string> hint;

  // The "dX:"/"dY:" display of a move (offset in units) or the "Start:"/"Stop:" display of an
  // arc end (degrees).
  struct Display {
    enum class Kind : uint8_t { Offset, Angles } kind = Kind::Offset;
    double first = 0;
    double second = 0;
  };
  std::optional<Display> display;

  std::optional<PointerShape> pointer;

  // The autorouter's status line after a route or unroute (UTF-8); none: unchanged.
  std::optional<std::string> routeStatus;

  // The tool the dispatcher switched to during this step (Escape, a right click, Cancel of the
  // text window, the end of paste placement, Space); it is already chosen, the window only
  // shows it on the tool bar.
  std::optional<ToolChoice> nextTool;

  // A menu to open at the pointer. The context menu's commands act on `element` (none: empty
  // space) and `at`; the node menu's on node `node` of `element`.
  enum class Menu : uint8_t { None, Context, Node };
  Menu menu = Menu::None;
  ElementId element;
  int node = -1;
  Point at{};
  bool removeNodeEnabled = false;  // "Remove corner"
  bool splitEnabled = false;       // "Split track"

  // A zoom request for the viewport, which the window owns: one step in or out about `at`, or
  // the frame from `at` to `frameTo`.
  enum class Zoom : uint8_t { None, In, Out, Frame };
  Zoom zoom = Zoom::None;
  Point frameTo{};

  // The selection changed through the edit tool: the size fields show its shared sizes and the
  // properties panel is refreshed.
  bool showSelectionSizes = false;
  // The solder-mask view switched (read the dispatcher's solderMaskView()).
  bool solderMaskViewChanged = false;
  // The event was used; an unused key goes on to the focused control.
  bool handled = false;
};

}  // namespace trazello
