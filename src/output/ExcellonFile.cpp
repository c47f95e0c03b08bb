#include "ExcellonFile.h"

#include <charconv>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

std::string excellonCoordinate(int32_t units, DrillUnit unit, bool deleteLeadingZeros) {
  std::string t;
  size_t width = 6;
  switch (unit) {
    case DrillUnit::Inch24:
      t = std::to_string(roundInt(Real(units) / 2540 * 1000)) + "0";
      break;
    case DrillUnit::Metric32:
      t = std::to_string(units);
      width = 5;
      break;
    case DrillUnit::Metric33:
      t = std::to_string(units) + "0";
      break;
  }
  if (deleteLeadingZeros) return t;
  const bool negative = !t.empty() && t[0] == '-';
  if (negative) t.erase(0, 1);
  if (t.size() < width) t.insert(0, width - t.size(), '0');
  if (negative) t.insert(t.begin(), '-');
  return t;
}

std::string excellonDiameter(int32_t units, DrillUnit unit) {
  const double v = unit == DrillUnit::Inch24 ? roundInt(Real(units) / 2540 * 1000) / 1000.0
                                             : roundInt(Real(units)) / 100.0;
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 4);
  return std::string(buf, r.ptr);
}

namespace {

std::string toolName(size_t i) {
  return (i < 10 ? "T0" : "T") + std::to_string(i);
}

const char* formatComment(DrillUnit unit) {
  switch (unit) {
    case DrillUnit::Metric32:
      return "; Format: 3.2 (000.00)";
    case DrillUnit::Metric33:
      return "; Format: 3.3 (000.000)";
    case DrillUnit::Inch24:
      break;
  }
  return "; Format: 2.4 (00.0000)";
}

const char* unitLine(const ExcellonOptions& o) {
  if (o.unit == DrillUnit::Inch24) return o.m71 ? "M72" : "INCH";
  return o.m71 ? "M71" : "METRIC";
}

}  // namespace

std::string excellonFile(const ElementList& source, const BoardSettings& board,
                         const ExcellonOptions& o) {
  std::string out;
  auto line = [&](const std::string& s) { out += s + "\r\n"; };
  const std::vector<int32_t> tools = toolList(source, o.filter);
  if (!o.noComments) {
    line("; Drill file");
    line(formatComment(o.unit));
  }
  line("M48");
  line(unitLine(o));
  for (size_t i = 0; i < tools.size(); ++i)
    line(toolName(i + 1) + "C" + excellonDiameter(tools[i], o.unit));

  ElementList elements = source;
  if (o.camOrigin) {
    const auto dx = static_cast<float>(-Real(board.originX) / 1000);
    const auto dy = static_cast<float>(-(Real(board.originY) / 1000 + board.height));
    elements.editAll([&](TObjekt& e) { moveElement(e, dx, dy); });
  }
  const IRect box = o.side == DrillSide::BottomHpgl ? boxOfEverything(elements) : IRect{};

  line("%");
  line("G05");
  if (!o.noG90) line("G90");
  const Point start{0, static_cast<float>(-board.height)};
  for (size_t i = 0; i < tools.size(); ++i) {
    line(toolName(i + 1));
    for (size_t index : holesOfTool(elements, tools[i], o.filter, o.sort, start)) {
      Real x = elements[index].X;
      const Real y = elements[index].Y;
      if (o.side == DrillSide::BottomGerber) x = o.camOrigin ? -x : board.width - x;
      if (o.side == DrillSide::BottomHpgl) x = Real(box.left) + box.right - x;
      std::string xy = "X";
      xy += excellonCoordinate(roundInt(x), o.unit, o.deleteLeadingZeros);
      xy += 'Y';
      xy += excellonCoordinate(roundInt(board.height + y), o.unit, o.deleteLeadingZeros);
      line(xy);
    }
  }
  line("M30");
  return out;
}

}  // namespace trazello
