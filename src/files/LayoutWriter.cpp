#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <utility>

#include "AtomicFile.h"
#include "ByteWriter.h"
#include "ElementSection.h"
#include "LayoutFormat.h"
#include "model/ElementRecordBytes.h"

namespace trazello {

namespace {

constexpr size_t kMaxString = 255;

void writeRecord(ByteWriter& out, const TObjekt& e) {
  storeBytes(e, out.extend(kStoredRecordSize));
}

// Points are two float32 each, which is how they lie in memory on a little-endian machine.
static_assert(sizeof(Point) == 8 && offsetof(Point, y) == 4);

void writePoints(ByteWriter& out, const std::vector<Point>& points) {
  out.put<int32_t>(static_cast<int32_t>(points.size()));
  if (!points.empty()) std::memcpy(out.extend(8 * points.size()), points.data(), 8 * points.size());
}

// The file position of every element of a board, by id, for its link lists and routed tracks: a
// sorted array filled in the one pass that writes the elements, where the list's own index
// would allocate a node per element.
class FileIndex {
 public:
  void add(ElementId id) { byId_.push_back({id.value, static_cast<int32_t>(byId_.size())}); }
  void reserve(size_t n) { byId_.reserve(n); }
  void seal() {
    // Elements read from a file or drawn in turn already lie in ascending id order.
    if (!std::is_sorted(byId_.begin(), byId_.end())) std::sort(byId_.begin(), byId_.end());
  }
  // -1 for no element and for an element of another list.
  int32_t operator()(ElementId id) const {
    const auto it = std::lower_bound(byId_.begin(), byId_.end(), std::pair{id.value, INT32_MIN});
    return id && it != byId_.end() && it->first == id.value ? it->second : -1;
  }

 private:
  std::vector<std::pair<uint64_t, int32_t>> byId_;
};

void writeBoard(ByteWriter& out, const Board& board) {
  out.shortString(board.name, 30);
  out.raw(boardSettingsBytes(board.settings));
  const ElementList& list = board.elements;
  out.put<int32_t>(static_cast<int32_t>(list.size()));
  // One walk over the elements; the link and route lists that follow visit only their owners.
  FileIndex indexOf;
  indexOf.reserve(list.size());
  std::vector<const TObjekt*> padLike, routed;
  for (const TObjekt& e : list) {
    writeElementBlock(out, e);
    indexOf.add(e.Id);
    if (e.isPadLike()) padLike.push_back(&e);
    if (e.Routed) routed.push_back(&e);
  }
  indexOf.seal();
  for (const TObjekt* e : padLike) {
    out.put<int32_t>(static_cast<int32_t>(e->Links.size()));
    for (ElementId l : e->Links) out.put(indexOf(l));
  }
  for (const TObjekt* e : routed) {
    out.put(indexOf(e->RouteFrom));
    out.put(indexOf(e->RouteTo));
  }
}

}  // namespace

void writeElementBlock(ByteWriter& out, const TObjekt& e) {
  writeRecord(out, e);
  out.lengthString(e.Text, kMaxString);
  out.lengthString(e.Name, kMaxString);
  out.put<int32_t>(static_cast<int32_t>(e.Groups.size()));
  out.raw(reinterpret_cast<const uint8_t*>(e.Groups.data()), 4 * e.Groups.size());
  if (e.hasPointList()) writePoints(out, e.Points);
  if (e.Kind == ElementKind::Text) {
    out.put<int32_t>(static_cast<int32_t>(e.Strokes.size()));
    for (const TObjekt& s : e.Strokes) {
      writeRecord(out, s);
      writePoints(out, s.Points);
    }
  }
}

namespace {

void writeLayout(ByteWriter& out, const std::vector<Board>& boards, int currentBoard,
                 const ProjectInfo& project) {
  out.put<uint32_t>(kVersionBase + kLayoutVersion);
  out.put<int32_t>(static_cast<int32_t>(boards.size()));
  for (const Board& b : boards) writeBoard(out, b);
  out.put<int32_t>(currentBoard);
  out.shortString(project.title, 100);
  out.shortString(project.author, 100);
  out.shortString(project.company, 100);
  out.lengthString(project.comment, project.comment.size());
}

}  // namespace

std::vector<uint8_t> serializeLayout(const std::vector<Board>& boards, int currentBoard,
                                     const ProjectInfo& project) {
  ByteWriter out;
  // An upper bound of the size, so that the buffer is allocated once: per element its record,
  // five counts, a routed pair, strings, groups, links and points; per stroke its record, a
  // count and points.
  size_t bound = 1024 + project.comment.size();
  for (const Board& b : boards) {
    bound += 31 + kBoardSettingsSize + 4;
    for (const TObjekt& e : b.elements) {
      bound += kStoredRecordSize + 5 * 4 + 8 + e.Text.size() + e.Name.size() +
               4 * (e.Groups.size() + e.Links.size()) + 8 * e.Points.size();
      for (const TObjekt& s : e.Strokes) bound += kStoredRecordSize + 4 + 8 * s.Points.size();
    }
  }
  out.reserve(bound);
  writeLayout(out, boards, currentBoard, project);
  return out.take();
}

void serializeLayout(const std::vector<Board>& boards, int currentBoard, const ProjectInfo& project,
                     const ByteSink& sink) {
  // A piece the size of a cache, handed to the file and written over again.
  constexpr size_t kPiece = size_t(1) << 20;
  ByteWriter out(sink, kPiece);
  writeLayout(out, boards, currentBoard, project);
  out.flush();
}

}  // namespace trazello
