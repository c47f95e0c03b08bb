#pragma once

#include <string>
#include <vector>

#include "model/BoardSettings.h"
#include "model/ElementList.h"
#include "model/Layer.h"
#include "model/TObjekt.h"

namespace trazello::testing {

// A 10 x 5 mm board: element y runs from 0 down to -500, so file y = element y + 500.
inline BoardSettings smallBoard() {
  BoardSettings s;
  s.width = 1000;
  s.height = 500;
  return s;
}

inline TObjekt track(uint8_t layerCode, int32_t width, std::vector<Point> points,
                     int32_t clearance = 0) {
  TObjekt t = newTrack(width, layerCode);
  t.Points = std::move(points);
  t.Clearance = clearance;
  return t;
}

inline TObjekt zone(uint8_t layerCode, int32_t width, std::vector<Point> points) {
  TObjekt z = newZone(width, layerCode);
  z.Points = std::move(points);
  return z;
}

inline TObjekt pad(Point centre, uint8_t layerCode, uint8_t shape, float outer, float drill) {
  return newPad(centre, layerCode, shape, outer, drill);
}

inline ElementList listOf(std::vector<TObjekt> elements) {
  ElementList list;
  for (TObjekt& e : elements) list.append(std::move(e));
  return list;
}

// The lines of a CR LF text; fails loudly (an extra "<bare LF>" line) on a lone line feed.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  while (from < text.size()) {
    const size_t end = text.find("\r\n", from);
    if (end == std::string::npos) {
      lines.push_back(text.substr(from) + "<no CR LF>");
      break;
    }
    std::string line = text.substr(from, end - from);
    if (line.find('\n') != std::string::npos) line += "<bare LF>";
    lines.push_back(line);
    from = end + 2;
  }
  return lines;
}

// The lines from the first occurrence of `first` on, `count` of them.
inline std::vector<std::string> slice(const std::vector<std::string>& lines,
                                      const std::string& first, size_t count) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == first)
      return {lines.begin() + static_cast<std::ptrdiff_t>(i),
              lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), i + count))};
  return {};
}

}  // namespace trazello::testing
