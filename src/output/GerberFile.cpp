#include "GerberFile.h"

#include <charconv>

#include "model/Geometry.h"

namespace trazello {

namespace {

// Fixed two decimals with "." whatever the process locale says.
std::string millimetres(int32_t hundredths) {
  char buf[32];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, hundredths / 100.0, std::chars_format::fixed, 2);
  return std::string(buf, r.ptr);
}

}  // namespace

void TGerberFile::beginFile(const std::string& layerName) {
  nextNumber_ = 10;
  apertures_.clear();
  numberOf_.clear();
  layerName_ = layerName;
  body_.clear();
  line("%LPD*%");
}

std::string TGerberFile::finishFile() {
  line("M02*");
  std::string out;
  out.reserve(body_.size() + 256 + apertures_.size() * 24);
  auto header = [&](const std::string& text) { out += text + "\r\n"; };
  header("%FSLAX32Y32*%");
  header("%MOMM*%");
  header("%LN" + layerName_ + "*%");
  header("G71*");
  header("G01*");
  for (const TBlende& b : apertures_) {
    const int32_t diameter = b.kind == 0 ? b.size : 2 * b.size;
    header("%ADD" + std::to_string(b.number) + "C, " + millimetres(diameter) + "*%");
  }
  out += body_;
  body_.clear();
  return out;
}

void TGerberFile::line(const std::string& text) {
  body_ += text;
  body_ += "\r\n";
}

void TGerberFile::coordinates(int32_t x, int32_t y, const char* op) {
  body_ += 'X';
  body_ += std::to_string(x);
  body_ += 'Y';
  body_ += std::to_string(y);
  body_ += op;
  body_ += "\r\n";
}

void TGerberFile::moveTo(int32_t x, int32_t y) {
  coordinates(mirroredX(x), y, "D02*");
}
void TGerberFile::lineTo(int32_t x, int32_t y) {
  coordinates(mirroredX(x), y, "D01*");
}

IPoint TGerberFile::toOutput(Point p) const {
  return {roundInt(p.x), roundInt(Real(p.y) + yOffset_)};
}

void TGerberFile::moveTo(Point p) {
  const IPoint q = toOutput(p);
  moveTo(q.x, q.y);
}

void TGerberFile::lineTo(Point p) {
  const IPoint q = toOutput(p);
  lineTo(q.x, q.y);
}

void TGerberFile::lineToWritten(IPoint filePoint) {
  coordinates(filePoint.x, filePoint.y, "D01*");
}

int32_t TGerberFile::apertureFor(uint8_t kind, int32_t hole, int32_t size) {
  // A negative size (a mask offset shrinking a track past nothing) would make the file invalid;
  // such an aperture draws nothing, exactly like one of size zero.
  if (size < 0) size = 0;
  // The spare sizes are always 0, so kind, hole and size are the whole key.
  const auto [it, added] = numberOf_.try_emplace({kind, hole, size}, nextNumber_);
  if (added) apertures_.push_back({kind, nextNumber_++, hole, size, 0, 0});
  return it->second;
}

void TGerberFile::setPenwidth(int32_t w) {
  line("G54D" + std::to_string(apertureFor(0, 0, w)) + "*");
}

void TGerberFile::flashRound(int32_t hole, int32_t radius) {
  line("G54D" + std::to_string(apertureFor(1, hole, radius)) + "*");
  flashHere();
}

void TGerberFile::flashHere() {
  line("D03*");
}

IPoint TGerberFile::writeArc(Point centre, Point start, Point end) {
  IPoint c = toOutput(centre), s = toOutput(start), e = toOutput(end);
  if (mirror_) {
    c.x = mirroredX(c.x);
    s.x = mirroredX(s.x);
    e.x = mirroredX(e.x);
    std::swap(s, e);  // keeps the arc counter-clockwise
  }
  line("G75*");
  body_ += "G01";
  coordinates(s.x, s.y, "D02*");
  body_ += "G03";
  body_ += 'X' + std::to_string(e.x) + 'Y' + std::to_string(e.y);
  body_ += 'I' + std::to_string(c.x - s.x) + 'J' + std::to_string(c.y - s.y) + "D01*\r\n";
  line("G01*");
  return s;
}

void TGerberFile::beginRegion() {
  line("G36*");
}
void TGerberFile::endRegion() {
  line("G37*");
}
void TGerberFile::clearPolarity() {
  line("%LPC*%");
}
void TGerberFile::darkPolarity() {
  line("%LPD*%");
}

void TGerberFile::beginHoleLayer() {
  line("%LNAUGENFREISTANZEN*%");
  line("%LPC*%");
}

}  // namespace trazello
