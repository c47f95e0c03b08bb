#include "MeasureTool.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/Geometry.h"

namespace trazello {

namespace {

// At most `digits` significant digits, without an exponent and without trailing zeros.
std::string significant(double v, int digits) {
  if (v == 0) return "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(v)))) + 1;
  const int decimals = std::max(0, digits - magnitude);
  const double scale = std::pow(10.0, decimals);
  v = std::nearbyint(v * scale) / scale;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string s = buf;
  if (s.find('.') != std::string::npos) {
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
  }
  return s == "-0" ? "0" : s;
}

std::string length(double units, bool millimetres, int language) {
  const bool russian = language == 0;
  if (millimetres) return significant(roundInt(units) / 100.0, 4) + (russian ? " мм" : " mm");
  return significant(roundInt(units / 2.54), 4) + (russian ? " мил" : " mil");
}

Point clampedIntoBoard(Point p, const BoardSettings& s) {
  return {std::clamp(p.x, 0.0f, float(s.width)), std::clamp(p.y, -float(s.height), 0.0f)};
}

}  // namespace

std::array<std::string, 4> MeasureTool::values(Point s, Point p, bool millimetres, int language) {
  const double dx = double(p.x) - s.x;
  const double dy = double(p.y) - s.y;
  const double angle = dx == 0 && dy == 0
                           ? 0
                           : std::atan2(std::abs(dy), std::abs(dx)) * 180 / 3.14159265358979323846;
  return {length(dx, millimetres, language), length(-dy, millimetres, language),
          length(std::hypot(dx, dy), millimetres, language), significant(angle, 3) + " °"};
}

void MeasureTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button != MouseButton::Left) return;
  InteractionState& s = ctx.state();
  s.start = s.current = clampedIntoBoard(ctx.gridPoint(e), ctx.doc().working());
  s.drawing = true;
  out.preview.measure = Preview::Measure{
      s.start, s.current, values(s.start, s.current, ctx.options().millimetres, ctx.options().language)};
}

void MeasureTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  s.current = ctx.gridPoint(e);
  if (!s.drawing) {
    out.preview.crosshair = s.current;
    return;
  }
  out.preview.measure = Preview::Measure{
      s.start, s.current, values(s.start, s.current, ctx.options().millimetres, ctx.options().language)};
}

void MeasureTool::release(ToolContext& ctx, const ToolEvent&, Outcome&) {
  ctx.state().drawing = false;
}

}  // namespace trazello
