#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "model/Point.h"

namespace trazello {

// The RS-274X writer of one photoplot file: metric, 0.01 mm steps, absolute coordinates,
// leading zeros omitted, round apertures only. The body is collected in memory while the
// apertures are being numbered, because their table must precede it; finishFile() returns the
// whole file. Apertures are numbered from 10 in order of first use and are shared by every
// draw or flash of the same size.
//
// Coordinates are layout units. The raw moveTo()/lineTo() write y as given; the Point overloads
// add the Y offset that lifts the board into the first quadrant. Mirroring (x -> M - x) applies
// to every coordinate that reaches the file.
class TGerberFile {
 public:
  void setMirror(bool on, int32_t mirrorWidth) {
    mirror_ = on;
    mirrorWidth_ = mirrorWidth;
  }
  void setYOffset(int32_t h) { yOffset_ = h; }

  // Starts a file for the layer `layerName`: aperture numbering restarts at 10.
  void beginFile(const std::string& layerName);
  // Ends the body and returns the complete file text, lines ending in CR LF.
  std::string finishFile();

  void moveTo(int32_t x, int32_t y);
  void lineTo(int32_t x, int32_t y);
  void moveTo(Point p);
  void lineTo(Point p);
  // Selects the stroke aperture of width w; the selection line is written on every call.
  void setPenwidth(int32_t w);
  // Selects the flash aperture of the given outer radius and flashes it at the current point.
  void flashRound(int32_t hole, int32_t radius);
  void flashHere();
  // A counter-clockwise arc; start == end is a full circle. Returns the arc's start point as
  // written (mirroring exchanges start and end), for a caller closing a region behind it.
  IPoint writeArc(Point centre, Point start, Point end);
  // A draw to a point exactly as it appears in the file (already mirrored).
  void lineToWritten(IPoint filePoint);

  void beginRegion();
  void endRegion();
  void clearPolarity();
  void darkPolarity();
  void beginHoleLayer();

  // The point as written to the file, before mirroring.
  IPoint toOutput(Point p) const;

 private:
  struct TBlende {
    uint8_t kind = 0;  // 0 stroke (size = diameter), 1 flash (size = radius)
    int32_t number = 0;
    int32_t hole = 0;
    int32_t size = 0;
    int32_t spare1 = 0;
    int32_t spare2 = 0;
  };

  int32_t apertureFor(uint8_t kind, int32_t hole, int32_t size);
  int32_t mirroredX(int32_t x) const { return mirror_ ? mirrorWidth_ - x : x; }
  void line(const std::string& text);
  void coordinates(int32_t x, int32_t y, const char* op);

  std::vector<TBlende> apertures_;
  std::map<std::tuple<uint8_t, int32_t, int32_t>, int32_t> numberOf_;
  int32_t nextNumber_ = 10;
  std::string layerName_;
  std::string body_;
  bool mirror_ = false;
  int32_t mirrorWidth_ = 0;
  int32_t yOffset_ = 0;
};

}  // namespace trazello
