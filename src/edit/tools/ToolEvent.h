#pragma once

#include <cstdint>

#include "model/Point.h"

namespace trazello {

enum class ToolEventType : uint8_t { Press, Move, Release, DoubleClick, KeyPress, KeyRelease };

enum class MouseButton : uint8_t { None = 0, Left = 1, Right = 2, Middle = 4 };

// The keys the drawing area hands to the tools; everything else stays with the window.
enum class ToolKey : uint8_t { None, Space, Delete, Left, Up, Right, Down, Escape };

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// One pointer or key event of the drawing area. `world` is the pointer in world units, neither
// snapped nor rounded (the tools snap as each needs); key events carry the pointer too. A
// DoubleClick takes the place of the second press of a double click; the right button counts
// on its press.
struct ToolEvent {
  ToolEventType type = ToolEventType::Move;
  Point world{};
  MouseButton button = MouseButton::None;  // the button that was pressed or released
  uint8_t held = 0;                        // MouseButton bits held during the event
  Modifiers mods{};
  ToolKey key = ToolKey::None;
  bool autoRepeat = false;

  bool leftHeld() const { return held & uint8_t(MouseButton::Left); }

  static ToolEvent press(Point p, MouseButton b, Modifiers m = {}) {
    return {ToolEventType::Press, p, b, uint8_t(b), m, ToolKey::None, false};
  }
  static ToolEvent move(Point p, uint8_t held = 0, Modifiers m = {}) {
    return {ToolEventType::Move, p, MouseButton::None, held, m, ToolKey::None, false};
  }
  static ToolEvent release(Point p, MouseButton b, Modifiers m = {}) {
    return {ToolEventType::Release, p, b, 0, m, ToolKey::None, false};
  }
  static ToolEvent doubleClick(Point p, Modifiers m = {}) {
    return {ToolEventType::DoubleClick,
            p,
            MouseButton::Left,
            uint8_t(MouseButton::Left),
            m,
            ToolKey::None,
            false};
  }
  static ToolEvent keyPress(ToolKey k, Point p = {}, Modifiers m = {}, uint8_t held = 0) {
    return {ToolEventType::KeyPress, p, MouseButton::None, held, m, k, false};
  }
  static ToolEvent keyRelease(ToolKey k, Point p = {}, Modifiers m = {}) {
    return {ToolEventType::KeyRelease, p, MouseButton::None, 0, m, k, false};
  }
};

}  // namespace trazello
