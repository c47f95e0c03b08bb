#include <algorithm>
#include <cstdint>

#include "ByteReader.h"
#include "ElementSection.h"
#include "LayoutFormat.h"
#include "model/Layer.h"

namespace trazello {

bool isLayoutVersionWord(std::span<const uint8_t> data) {
  if (data.size() < 4) return false;
  const uint32_t word = le::get<uint32_t>(data.data());
  const int32_t v = static_cast<int32_t>(word - kVersionBase);
  return v >= 0 && v <= kLayoutVersion;
}

namespace {

// A board as it lies in the file: its elements still refer to each other by index.
struct RawBoard {
  Board board;
  RawElements raw;
};

// Version 4 stores the origin in whole units; the board keeps thousandths, which a huge value
// cannot hold.
int32_t originInThousandths(int32_t units) {
  const int64_t t = int64_t(units) * 1000;
  if (t < INT32_MIN || t > INT32_MAX)
    throw DamagedData("the origin " + std::to_string(units) + " lies beyond any board");
  return static_cast<int32_t>(t);
}

class LayoutParser {
 public:
  LayoutParser(std::span<const uint8_t> data, bool importing) : in_(data), importing_(importing) {}

  LayoutFile parse() {
    out_.version = in_.take(4, "the version word")[0];
    std::vector<RawBoard> raw;
    if (out_.version <= 2) {
      raw.push_back(readOldBoard());
    } else {
      const size_t headerSize = out_.version == 5   ? 31 + 499 + 4
                                : out_.version == 4 ? 31 + 490 + 4
                                                    : 31 + 482 + 4;
      const size_t n = in_.count32("boards", headerSize);
      for (size_t i = 0; i < n; ++i) raw.push_back(readBoard());
      readTrailer(n);
    }
    for (RawBoard& r : raw) out_.boards.push_back(finishBoard(r));
    for (const Board& b : out_.boards) {
      for (const TObjekt& e : b.elements) out_.legacyTextCount += e.Kind == ElementKind::LegacyText;
    }
    out_.layersExchanged = out_.version <= 3;
    return std::move(out_);
  }

 private:
  // --- versions 3 to 5 ---

  RawBoard readBoard() {
    RawBoard r;
    r.board.name = in_.shortString(30, "a board name");
    r.board.settings = out_.version == 5 ? readSettings5() : readSettingsOld();
    r.raw = ElementSection(in_, out_.version).read();
    return r;
  }

  BoardSettings readSettings5() {
    const auto s = parseBoardSettings(in_.take(kBoardSettingsSize, "a board record"));
    if (!s) throw DamagedData("the length byte of a template file name exceeds its field");
    return *s;
  }

  // The 490-byte record of version 4 and the 482-byte one of version 3.
  BoardSettings readSettingsOld() {
    const size_t size = out_.version == 4 ? 490 : 482;
    const uint8_t* p = in_.take(size, "a board record");
    BoardSettings s;
    s.width = le::get<int32_t>(p + 4);
    s.height = le::get<int32_t>(p + 8);
    s.groundPlane[layer::C1] = p[12];
    s.groundPlane[layer::C2] = p[13];
    if (out_.version == 3) std::swap(s.groundPlane[layer::C1], s.groundPlane[layer::C2]);
    s.grid = le::get<double>(p + 14);
    s.zoom = le::get<double>(p + 22);
    s.scrollX = le::get<int32_t>(p + 30);
    s.scrollY = le::get<int32_t>(p + 34);
    s.activeLayer = le::get<int32_t>(p + 38);
    if (out_.version == 4) {
      for (int l = 1; l <= 4; ++l) s.visible[l] = p[42 + l - 1];
    }
    s.templateShown = {p[46], p[47]};
    s.templateFile[0] = ByteReader::shortStringAt(p + 48, 200, "a template file name");
    s.templateFile[1] = ByteReader::shortStringAt(p + 249, 200, "a template file name");
    for (int i = 0; i < 2; ++i) {
      s.templateDpi[i] = le::get<int32_t>(p + 450 + 4 * i);
      s.templateOffsetX[i] = le::get<int32_t>(p + 458 + 4 * i);
      s.templateOffsetY[i] = le::get<int32_t>(p + 466 + 4 * i);
      s.templateColour[i] = le::get<int32_t>(p + 474 + 4 * i);
    }
    if (out_.version == 4) {
      s.originX = originInThousandths(le::get<int32_t>(p + 482));
      s.originY = originInThousandths(le::get<int32_t>(p + 486));
    }
    return s;
  }

  void readTrailer(size_t boardCount) {
    if (out_.version == 3) {
      if (importing_) return;
      out_.currentBoard = in_.i32("the current board");
      in_.skip(8, "the origin");
    } else {
      out_.currentBoard = in_.i32("the current board");
      ProjectInfo info;
      info.title = in_.shortString(100, "the project title");
      info.author = in_.shortString(100, "the project author");
      info.company = in_.shortString(100, "the project company");
      info.comment = in_.lengthString("the project comment", in_.remaining());
      out_.project = std::move(info);
      out_.trailingBytes = in_.remaining();
    }
    if (out_.currentBoard < 0 || static_cast<size_t>(out_.currentBoard) >= boardCount)
      throw DamagedData("the current board " + std::to_string(out_.currentBoard) +
                        " is not one of its " + std::to_string(boardCount) + " boards");
  }

  // --- versions 0 to 2: one board without name or settings ---

  RawBoard readOldBoard() {
    RawBoard r;
    r.board.name = "Board 1";
    r.board.settings.width = in_.i32("the board width");
    r.board.settings.height = in_.i32("the board height");
    r.raw = ElementSection(in_, out_.version).readOld();
    return r;
  }

  Board finishBoard(RawBoard& r) {
    Board board = std::move(r.board);
    // Every area the program walks is bounded by the board; no editor writes a board beyond
    // the limits, so one that is comes from elsewhere and is brought within them.
    BoardSettings& s = board.settings;
    // Older files may hold boards larger than a new board may be (the editor keeps them); 10 m
    // is far beyond any of those and still bounds every walk.
    constexpr int32_t kLargestReadBoard = 1'000'000;
    const int32_t width = std::clamp(s.width, kMinBoardSize, kLargestReadBoard);
    const int32_t height = std::clamp(s.height, kMinBoardSize, kLargestReadBoard);
    if (width != s.width || height != s.height) {
      s.width = width;
      s.height = height;
      ++out_.boardsResized;
    }
    board.elements = ElementSection(in_, out_.version).finish(r.raw, &out_.unsound);
    return board;
  }

  ByteReader in_;
  bool importing_;
  LayoutFile out_;
};

}  // namespace

Result<LayoutFile> parseLayout(std::span<const uint8_t> data, const std::string& fileName,
                               bool importing) {
  if (!isLayoutVersionWord(data)) {
    const size_t slash = fileName.find_last_of("/\\");
    Message m{MessageKind::Error,
              MessageId::NotATrazelloFile,
              {slash == std::string::npos ? fileName : fileName.substr(slash + 1)}};
    m.caption = "Open";
    return m;
  }
  try {
    LayoutParser parser(data, importing);
    return parser.parse();
  } catch (const DamagedData& e) {
    return Message{MessageKind::Error, MessageId::DamagedLayoutFile, {fileName, e.what()}};
  } catch (const std::bad_alloc&) {
    return Message{
        MessageKind::Error, MessageId::DamagedLayoutFile, {fileName, "it is too large to be read"}};
  }
}

}  // namespace trazello
