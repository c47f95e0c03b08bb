#include <algorithm>
#include <charconv>
#include <cmath>

#include "ApertureShapes.h"
#include "GerberCopper.h"
#include "GerberState.h"

namespace trazello {

namespace {

// More objects than any real board holds; step and repeat or block flashes beyond it are refused
// instead of filling the memory.
constexpr size_t kMaxObjects = 4'000'000;

double number(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return r.ec == std::errc() && std::isfinite(v) ? std::clamp(v, -1e9, 1e9) : 0.0;
}

// The value after `key` up to the next letter of `keys`, e.g. "X3" in "SRX3Y2I5.0J4.0".
std::string_view field(std::string_view s, char key, std::string_view keys) {
  const size_t at = s.find(key);
  if (at == std::string_view::npos) return {};
  const size_t end = s.find_first_of(keys, at + 1);
  return s.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
}

std::vector<std::string_view> splitX(std::string_view s) {
  std::vector<std::string_view> out;
  if (s.empty()) return out;
  size_t start = 0;
  for (;;) {
    const size_t x = s.find('X', start);
    out.push_back(s.substr(start, x == std::string_view::npos ? x : x - start));
    if (x == std::string_view::npos) return out;
    start = x + 1;
  }
}

GerberObject placed(GerberObject o, const GTransform& t, GPoint at, bool invert) {
  auto move = [&](GPoint p) {
    const GPoint q = t.apply(p);
    return GPoint{q.x + at.x, q.y + at.y};
  };
  o.from = move(o.from);
  o.to = move(o.to);
  o.centre = move(o.centre);
  for (GPoint& p : o.contour) p = move(p);
  if (t.mirrored()) o.clockwise = !o.clockwise;
  o.transform = o.transform.then(t);
  if (invert) o.dark = !o.dark;
  return o;
}

}  // namespace

bool GerberState::parameterStatement(const GerberStatement& st) {
  for (size_t k = 0; k < st.blocks.size(); ++k) {
    const std::string_view b = st.blocks[k];
    if (b.size() < 2) continue;
    const std::string_view code = b.substr(0, 2), rest = b.substr(2);
    if (code == "FS") {
      formatStatement(rest);
    } else if (code == "MO") {
      inch_ = rest.substr(0, 2) != "MM";
      unitsKnown_ = true;
    } else if (code == "AD") {
      apertureDefinition(rest, st.line);
    } else if (code == "AM") {
      std::vector<std::string_view> body(st.blocks.begin() + static_cast<long>(k) + 1,
                                         st.blocks.end());
      macros_.insert_or_assign(std::string(rest), ApertureMacro(body));
      return true;
    } else if (code == "AB") {
      blockAperture(rest);
    } else if (code == "SR") {
      stepRepeat(rest);
    } else if (code == "LP") {
      dark_ = rest.substr(0, 1) != "C";
    } else if (code == "LM" || code == "LR" || code == "LS") {
      loadCommand(b);
    } else if (code == "OF" || code == "SF" || code == "MI" || code == "IP" || code == "IR") {
      imageCommand(b);
    } else if (code == "TF" || code == "TA" || code == "TO" || code == "TD" || code == "IN" ||
               code == "LN" || code == "AS" || code == "IO" || code == "IJ" || code == "PF" ||
               code == "KO") {
      // Attributes, names and plotter settings do not change the image.
    } else {
      warn("unknown parameter " + std::string(code) + " ignored");
    }
    if (!error_.empty()) return false;
  }
  return true;
}

void GerberState::formatStatement(std::string_view s) {
  format_.known = true;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == 'T') format_.trailingZeros = true;
    if (c == 'L' || c == 'D') format_.trailingZeros = false;
    if (c == 'I') format_.incremental = true;
    if (c == 'A') format_.incremental = false;
    if ((c == 'X' || c == 'Y') && i + 2 < s.size() + 0 && s[i + 1] >= '0' && s[i + 1] <= '9' &&
        s[i + 2] >= '0' && s[i + 2] <= '9') {
      (c == 'X' ? format_.xInt : format_.yInt) = s[i + 1] - '0';
      (c == 'X' ? format_.xDec : format_.yDec) = s[i + 2] - '0';
      i += 2;
    }
  }
}

void GerberState::apertureDefinition(std::string_view s, int line) {
  if (s.empty() || s[0] != 'D') {
    warn("an aperture definition without a D-code ignored");
    return;
  }
  size_t pos = 1;
  int number = 0;
  while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
    if (number < 1000000) number = number * 10 + (s[pos] - '0');
    ++pos;
  }
  const size_t comma = s.find(',', pos);
  const std::string name(s.substr(pos, comma == std::string_view::npos ? comma : comma - pos));
  std::vector<double> p;
  if (comma != std::string_view::npos)
    for (std::string_view v : splitX(s.substr(comma + 1))) p.push_back(::trazello::number(v));
  auto arg = [&](size_t i) { return i < p.size() ? p[i] : 0.0; };
  const double u = unitScale();
  GerberAperture ap;
  ap.number = number;
  if (name == "C") {
    ap.shape = GerberAperture::Shape::Circle;
    ap.sizeX = arg(0) * u;
    ap.hole = arg(1) * u;
  } else if (name == "R" || name == "O") {
    ap.shape = name == "R" ? GerberAperture::Shape::Rectangle : GerberAperture::Shape::Obround;
    ap.sizeX = arg(0) * u;
    ap.sizeY = arg(1) * u;
    ap.hole = arg(2) * u;
  } else if (name == "P") {
    ap.shape = GerberAperture::Shape::Polygon;
    ap.sizeX = arg(0) * u;
    ap.vertices = static_cast<int>(std::clamp(arg(1), 0.0, 1000.0));
    ap.rotation = arg(2);
    ap.hole = arg(3) * u;
  } else if (const auto m = macros_.find(name); m != macros_.end()) {
    ap.shape = GerberAperture::Shape::Macro;
    ap.exposures = m->second.evaluate(p, u, image_.warnings);
  } else {
    warn("aperture D" + std::to_string(number) + " uses the unknown template \"" + name +
         "\" (line " + std::to_string(line) + ")");
    return;
  }
  const size_t holeAt = name == "C" ? 1 : name == "P" ? 3 : 2;
  if (ap.shape != GerberAperture::Shape::Macro) ap.holeHeight = arg(holeAt + 1) * u;
  apertures_[number] = {false, static_cast<int>(image_.apertures.size())};
  image_.apertures.push_back(std::move(ap));
}

void GerberState::blockAperture(std::string_view s) {
  if (!s.empty() && s[0] == 'D') {
    int number = 0;
    std::from_chars(s.data() + 1, s.data() + s.size(), number);
    openBlocks_.push_back({number, {}});
    return;
  }
  if (openBlocks_.empty()) {
    warn("a block aperture closed that was never opened");
    return;
  }
  auto [number, objects] = std::move(openBlocks_.back());
  openBlocks_.pop_back();
  apertures_[number] = {true, static_cast<int>(blocks_.size())};
  blocks_.push_back(std::move(objects));
}

void GerberState::stepRepeat(std::string_view s) {
  closeStepRepeat();
  StepRepeat sr;
  sr.nx = static_cast<int>(std::clamp(number(field(s, 'X', "XYIJ")), 1.0, 1e6));
  sr.ny = static_cast<int>(std::clamp(number(field(s, 'Y', "XYIJ")), 1.0, 1e6));
  sr.dx = number(field(s, 'I', "XYIJ")) * unitScale();
  sr.dy = number(field(s, 'J', "XYIJ")) * unitScale();
  if (sr.nx > 1 || sr.ny > 1) stepRepeat_ = std::move(sr);
}

void GerberState::closeStepRepeat() {
  if (!stepRepeat_) return;
  StepRepeat sr = std::move(*stepRepeat_);
  stepRepeat_.reset();
  if (!withinLimit(sr.objects.size() * size_t(sr.nx) * size_t(sr.ny))) return;
  for (int ix = 0; ix < sr.nx; ++ix)
    for (int iy = 0; iy < sr.ny; ++iy)
      for (const GerberObject& o : sr.objects)
        emit(
            placed(o, GTransform{}, {ix * sr.dx * imageScaleX_, iy * sr.dy * imageScaleY_}, false));
}

void GerberState::loadCommand(std::string_view b) {
  const std::string_view code = b.substr(0, 2), rest = b.substr(2);
  if (code == "LM") {
    mirrorX_ = rest.find('X') != std::string_view::npos;
    mirrorY_ = rest.find('Y') != std::string_view::npos;
  } else if (code == "LR") {
    rotation_ = number(rest);
  } else {
    scale_ = std::clamp(number(rest), 1e-6, 1e6);
  }
}

void GerberState::imageCommand(std::string_view b) {
  const std::string_view code = b.substr(0, 2), rest = b.substr(2);
  if (code == "OF") {
    offsetX_ = number(field(rest, 'A', "AB")) * unitScale();
    offsetY_ = number(field(rest, 'B', "AB")) * unitScale();
  } else if (code == "SF") {
    const std::string_view a = field(rest, 'A', "AB"), c = field(rest, 'B', "AB");
    imageScaleX_ = a.empty() ? 1 : number(a);
    imageScaleY_ = c.empty() ? 1 : number(c);
  } else if (code == "MI") {
    imageMirrorX_ = number(field(rest, 'A', "AB")) != 0;
    imageMirrorY_ = number(field(rest, 'B', "AB")) != 0;
  } else if (code == "IP") {
    negative_ = rest.substr(0, 3) == "NEG";
  } else {
    const double degrees = number(rest);
    if (degrees == 0 || degrees == 90 || degrees == 180 || degrees == 270)
      quarterTurns_ = static_cast<int>(degrees) / 90;
    else
      warn("an image rotation by other than 0, 90, 180 or 270 degrees ignored");
  }
}

void GerberState::flash(GPoint to, int line) {
  const auto it = apertures_.find(current_);
  if (it == apertures_.end()) {
    warn("a flash without a defined aperture ignored (line " + std::to_string(line) + ")");
    return;
  }
  const GPoint at = toImage(to.x, to.y);
  const GTransform t = loadTransform();
  if (it->second.block) {
    const std::vector<GerberObject>& objects = blocks_[static_cast<size_t>(it->second.index)];
    if (!withinLimit(objects.size())) return;
    for (const GerberObject& o : objects) emit(placed(o, t, at, !dark_));
    return;
  }
  GerberObject o;
  o.type = GerberObject::Type::Flash;
  o.dark = dark_;
  o.aperture = it->second.index;
  o.from = o.to = at;
  o.transform = t;
  emit(std::move(o));
}

void GerberState::closeContour() {
  if (contour_.size() >= 3) {
    GerberObject o;
    o.type = GerberObject::Type::Region;
    o.dark = dark_;
    o.contour = std::move(contour_);
    emit(std::move(o));
  }
  contour_.clear();
}

bool GerberState::withinLimit(size_t more) {
  if (total_ + more <= kMaxObjects) return true;
  error_ = "the file makes more than " + std::to_string(kMaxObjects) + " objects";
  return false;
}

void GerberState::emit(GerberObject o) {
  if (!withinLimit(1)) return;
  ++total_;
  sink().push_back(std::move(o));
}

std::vector<GerberObject>& GerberState::sink() {
  if (!openBlocks_.empty()) return openBlocks_.back().second;
  if (stepRepeat_) return stepRepeat_->objects;
  return image_.objects;
}

// The image rotated about the file's origin, counter-clockwise in quarter turns.
void GerberState::turnImage() {
  if (quarterTurns_ == 0) return;
  GTransform t;
  for (int k = 0; k < quarterTurns_; ++k) t = t.then(GTransform{0, -1, 1, 0});
  for (GerberObject& o : image_.objects) o = placed(std::move(o), t, {0, 0}, false);
}

// A negative image exposes its whole extent, the box around everything drawn, and what the file
// draws dark takes copper away from it; what it draws clear gives copper back.
void GerberState::invertImage() {
  if (!negative_ || image_.objects.empty()) return;
  double l = INFINITY, b = INFINITY, r = -INFINITY, t = -INFINITY;
  for (GerberObject& o : image_.objects) {
    const CBox box = objectBox(image_, o);
    l = std::min(l, double(box.left) / kShapeScale);
    b = std::min(b, double(box.bottom) / kShapeScale);
    r = std::max(r, double(box.right) / kShapeScale);
    t = std::max(t, double(box.top) / kShapeScale);
    o.dark = !o.dark;
  }
  GerberObject extent;
  extent.type = GerberObject::Type::Region;
  extent.contour = {{l, b}, {r, b}, {r, t}, {l, t}, {l, b}};
  image_.objects.insert(image_.objects.begin(), std::move(extent));
}

void GerberState::finish() {
  if (region_) closeContour();
  closeStepRepeat();
  turnImage();
  invertImage();
  if (!openBlocks_.empty()) warn("a block aperture is not closed");
  if (!ended_) warn("the file does not end with M02");
  if (!unitsKnown_) warn("the file gives no unit; inches assumed");
}

}  // namespace trazello
