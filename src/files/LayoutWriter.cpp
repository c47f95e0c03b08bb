#include "ByteWriter.h"
#include "ElementSection.h"
#include "LayoutFormat.h"
#include "model/ElementRecordBytes.h"

namespace trazello {

namespace {

constexpr size_t kMaxString = 255;

void writeRecord(ByteWriter& out, const TObjekt& e) { out.raw(storedBytes(e)); }

void writePoints(ByteWriter& out, const std::vector<Point>& points) {
  out.put<int32_t>(static_cast<int32_t>(points.size()));
  for (const Point& p : points) {
    out.put(p.x);
    out.put(p.y);
  }
}

int32_t indexIn(const ElementList& list, ElementId id) {
  const auto i = list.indexOf(id);
  return i ? static_cast<int32_t>(*i) : -1;
}

void writeBoard(ByteWriter& out, const Board& board) {
  out.shortString(board.name, 30);
  out.raw(boardSettingsBytes(board.settings));
  const ElementList& list = board.elements;
  out.put<int32_t>(static_cast<int32_t>(list.size()));
  for (const TObjekt& e : list) writeElementBlock(out, e);
  for (const TObjekt& e : list) {
    if (!e.isPadLike()) continue;
    out.put<int32_t>(static_cast<int32_t>(e.Links.size()));
    for (ElementId l : e.Links) out.put(indexIn(list, l));
  }
  for (const TObjekt& e : list) {
    if (!e.Routed) continue;
    out.put(indexIn(list, e.RouteFrom));
    out.put(indexIn(list, e.RouteTo));
  }
}

}  // namespace

void writeElementBlock(ByteWriter& out, const TObjekt& e) {
  writeRecord(out, e);
  out.lengthString(e.Text, kMaxString);
  out.lengthString(e.Name, kMaxString);
  out.put<int32_t>(static_cast<int32_t>(e.Groups.size()));
  for (int32_t id : e.Groups) out.put(id);
  if (e.hasPointList()) writePoints(out, e.Points);
  if (e.Kind == ElementKind::Text) {
    out.put<int32_t>(static_cast<int32_t>(e.Strokes.size()));
    for (const TObjekt& s : e.Strokes) {
      writeRecord(out, s);
      writePoints(out, s.Points);
    }
  }
}

std::vector<uint8_t> serializeLayout(const std::vector<Board>& boards, int currentBoard,
                                     const ProjectInfo& project) {
  ByteWriter out;
  // A close guess of the size spares the buffer its many regrowths on large boards.
  size_t guess = 1024;
  for (const Board& b : boards) {
    for (const TObjekt& e : b.elements) {
      guess += 100 + 8 * e.Points.size() + e.Text.size() + e.Name.size();
      for (const TObjekt& s : e.Strokes) guess += 81 + 8 * s.Points.size();
    }
  }
  out.reserve(guess);
  out.put<uint32_t>(kVersionBase + kLayoutVersion);
  out.put<int32_t>(static_cast<int32_t>(boards.size()));
  for (const Board& b : boards) writeBoard(out, b);
  out.put<int32_t>(currentBoard);
  out.shortString(project.title, 100);
  out.shortString(project.author, 100);
  out.shortString(project.company, 100);
  out.lengthString(project.comment, project.comment.size());
  return out.take();
}

}  // namespace trazello
