#include "DrillList.h"

#include "model/Geometry.h"

namespace trazello {

namespace {

size_t characters(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string rightAligned(const std::string& s, size_t width) {
  const size_t n = characters(s);
  return n >= width ? s : std::string(width - n, ' ') + s;
}

// The Russian list writes its own unit words; the English and French ones the Latin words.
std::string unitWord(const DrillListStyle& style) {
  const bool latin = style.language == 1 || style.language == 2;
  if (style.mil) return latin ? " mil" : " мил";
  return latin ? " mm" : " мм";
}

std::string diameterText(int32_t d, const DrillListStyle& style) {
  if (style.mil) return std::to_string(roundInt(Real(d) / 2.54L)) + unitWord(style);
  std::string t = std::to_string(d / 100) + style.decimalSeparator;
  const int32_t cents = d % 100;
  t += static_cast<char>('0' + cents / 10);
  t += static_cast<char>('0' + cents % 10);
  return t + unitWord(style);
}

const char* totalWord(int language) {
  switch (language) {
    case 1:
      return " drilings";
    case 2:
      return " percages";
    default:
      return " отверстий";
  }
}

}  // namespace

std::vector<std::string> drillListLines(const ElementList& elements, const HoleFilter& filter,
                                        const DrillListStyle& style) {
  std::vector<std::string> lines;
  size_t total = 0;
  for (int32_t d : toolList(elements, filter)) {
    size_t count = 0;
    for (const TObjekt& e : elements)
      if (isSelectedHole(e, filter) && holeDiameter(e) == d) ++count;
    total += count;
    lines.push_back(rightAligned(std::to_string(count), 4) + " x " +
                    rightAligned(diameterText(d, style), 8));
  }
  lines.push_back(std::string(16, '-'));
  lines.push_back(rightAligned(std::to_string(total), 4) + totalWord(style.language));
  return lines;
}

}  // namespace trazello
