#include "GerberReader.h"

#include <cmath>

#include "ApertureShapes.h"
#include "GerberLexer.h"
#include "GerberState.h"

namespace trazello {

GerberReadResult readGerber(std::string_view text) {
  GerberReadResult result;
  // A graphics object takes ten characters or more; room for them all at once saves moving them
  // as the list grows (pages never written are never touched).
  result.image.objects.reserve(text.size() / 10);
  GerberLexer lexer(text);
  GerberState state(result.image);
  GerberStatement st;
  bool going = true;
  while (going && lexer.next(st)) {
    if (st.parameter)
      going = state.parameterStatement(st);
    else
      going = state.wordCommand(st.blocks[0], st.line);
  }
  if (!lexer.error().empty()) {
    result.error = lexer.error();
  } else if (!state.error().empty()) {
    result.error = state.error();
  } else {
    state.finish();
  }
  if (!result.ok()) result.image = GerberImage{};
  return result;
}

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads the integer at `pos`; the caller has checked that there is a digit.
int readInt(std::string_view s, size_t& pos) {
  long long v = 0;
  while (pos < s.size() && isDigit(s[pos])) {
    if (v < 1000000000) v = v * 10 + (s[pos] - '0');
    ++pos;
  }
  return static_cast<int>(v);
}

std::string_view readNumberText(std::string_view s, size_t& pos) {
  const size_t start = pos;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
  while (pos < s.size() && (isDigit(s[pos]) || s[pos] == '.')) ++pos;
  return s.substr(start, pos - start);
}

}  // namespace

void GerberState::warn(const std::string& w) {
  // Each kind of problem is reported once with its count, so a damaged file gives a short list.
  if (warned_[w]++ == 0) image_.warnings.push_back(w);
}

std::optional<double> GerberState::coordinate(std::string_view text, bool isX) const {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const int intDigits = isX ? format_.xInt : format_.yInt;
  const int decDigits = isX ? format_.xDec : format_.yDec;
  double value = 0;
  if (text.find('.') != std::string_view::npos) {
    double scale = 0;
    for (char c : text) {
      if (c == '.') {
        if (scale != 0) return std::nullopt;
        scale = 1;
      } else {
        value = value * 10 + (c - '0');
        scale *= 10;
      }
    }
    if (scale > 1) value /= scale;
  } else {
    for (char c : text) value = value * 10 + (c - '0');
    int digits = static_cast<int>(text.size());
    if (format_.trailingZeros)
      for (; digits < intDigits + decDigits; ++digits) value *= 10;
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    value /= decDigits >= 0 && decDigits <= 9 ? kPowers[decDigits] : std::pow(10.0, decDigits);
  }
  value *= unitScale();
  // Beyond 10 km nothing is a board; such numbers would only overflow what follows.
  if (!(value <= 1e9)) return std::nullopt;
  return negative ? -value : value;
}

GPoint GerberState::toImage(double x, double y) const {
  return {(imageMirrorX_ ? -1 : 1) * imageScaleX_ * x + offsetX_,
          (imageMirrorY_ ? -1 : 1) * imageScaleY_ * y + offsetY_};
}

GTransform GerberState::loadTransform() const {
  GTransform t;
  if (mirrorX_) t.xx = -1;
  if (mirrorY_) t.yy = -1;
  const double a = rotation_ * M_PI / 180;
  GTransform r{std::cos(a) * scale_, -std::sin(a) * scale_, std::sin(a) * scale_,
               std::cos(a) * scale_};
  if (imageMirrorX_ != imageMirrorY_) {
    GTransform m;
    (imageMirrorX_ ? m.xx : m.yy) = -1;
    return t.then(r).then(m);
  }
  return t.then(r);
}

// Applies one G code; false for a comment, which takes the rest of its block.
bool GerberState::gCode(int n) {
  switch (n) {
    case 4:
      return false;  // a comment: the rest of the block
    case 1:
      interpolation_ = Interpolation::Linear;
      break;
    case 2:
      interpolation_ = Interpolation::Clockwise;
      break;
    case 3:
      interpolation_ = Interpolation::CounterClockwise;
      break;
    case 36:
      region_ = true;
      contour_.clear();
      break;
    case 37:
      closeContour();
      region_ = false;
      break;
    case 74:
      multiQuadrant_ = false;
      break;
    case 75:
      multiQuadrant_ = true;
      break;
    case 54:
    case 55:
      break;  // old prefixes of aperture selection and flash
    case 70:
      inch_ = true;
      unitsKnown_ = true;
      break;
    case 71:
      inch_ = false;
      unitsKnown_ = true;
      break;
    case 90:
      format_.incremental = false;
      break;
    case 91:
      format_.incremental = true;
      break;
    default:
      warn("unknown command G" + std::to_string(n) + " ignored");
  }
  return true;
}

bool GerberState::wordCommand(std::string_view s, int line) {
  Coordinates c;
  int operation = 0;
  size_t pos = 0;
  while (pos < s.size()) {
    const char letter = s[pos++];
    if (letter == ' ') continue;
    if (letter == 'G' || letter == 'D' || letter == 'M' || letter == 'N') {
      if (pos >= s.size() || !isDigit(s[pos])) {
        warn("a command letter without a number");
        break;
      }
      const int n = readInt(s, pos);
      if (letter == 'G') {
        if (!gCode(n)) return true;
      } else if (letter == 'D') {
        if (n >= 1 && n <= 3) {
          operation = n;
        } else if (n >= 10) {
          if (apertures_.count(n) == 0)
            warn("aperture D" + std::to_string(n) + " selected but not defined");
          current_ = n;
        } else {
          warn("unknown command D" + std::to_string(n) + " ignored");
        }
      } else if (letter == 'M') {
        if (n == 0 || n == 2) {
          ended_ = true;
          return false;
        }
      }
    } else if (letter == 'X' || letter == 'Y' || letter == 'I' || letter == 'J') {
      const std::string_view digits = readNumberText(s, pos);
      const std::optional<double> v = coordinate(digits, letter == 'X' || letter == 'I');
      if (!v) {
        warn("a coordinate without a number");
        continue;
      }
      if (!format_.known) {
        error_ = "there is no format statement (%FS) before the first coordinate, on line " +
                 std::to_string(line);
        return false;
      }
      (letter == 'X' ? c.x : letter == 'Y' ? c.y : letter == 'I' ? c.i : c.j) = v;
    } else {
      warn(std::string("unexpected character '") + letter + "' in a command");
      break;
    }
  }
  const bool hasCoordinates = c.x || c.y || c.i || c.j;
  // Coordinates without an operation repeat the last one, as old files expect.
  if (operation == 0 && hasCoordinates) operation = lastOperation_;
  if (operation != 0) {
    operate(operation, c, line);
    lastOperation_ = operation;
  }
  return error_.empty();
}

void GerberState::operate(int code, const Coordinates& c, int line) {
  GPoint to = point_;
  if (format_.incremental) {
    to.x += c.x.value_or(0);
    to.y += c.y.value_or(0);
  } else {
    if (c.x) to.x = *c.x;
    if (c.y) to.y = *c.y;
  }
  switch (code) {
    case 1:
      interpolate(to, c);
      break;
    case 2:
      if (region_) closeContour();
      break;
    case 3:
      if (region_)
        warn("a flash inside a region ignored");
      else
        flash(to, line);
      break;
  }
  point_ = to;
}

GPoint GerberState::arcCentre(GPoint from, GPoint to, double i, double j) const {
  if (multiQuadrant_) return {from.x + i, from.y + j};
  // Single quadrant: the signs are not given; take the centre whose arc is at most a quarter turn
  // in the drawing direction and whose radii at both ends agree best.
  GPoint best{from.x + i, from.y + j};
  double bestMismatch = INFINITY;
  const bool cw = interpolation_ == Interpolation::Clockwise;
  for (int sx : {1, -1}) {
    for (int sy : {1, -1}) {
      const GPoint cc{from.x + sx * std::fabs(i), from.y + sy * std::fabs(j)};
      const double a0 = std::atan2(from.y - cc.y, from.x - cc.x),
                   a1 = std::atan2(to.y - cc.y, to.x - cc.x);
      double sweep = cw ? a0 - a1 : a1 - a0;
      while (sweep < 0) sweep += 2 * M_PI;
      while (sweep >= 2 * M_PI) sweep -= 2 * M_PI;
      if (sweep > M_PI / 2 + 1e-6) continue;
      const double mismatch = std::fabs(std::hypot(from.x - cc.x, from.y - cc.y) -
                                        std::hypot(to.x - cc.x, to.y - cc.y));
      if (mismatch < bestMismatch) {
        bestMismatch = mismatch;
        best = cc;
      }
    }
  }
  return best;
}

void GerberState::interpolate(GPoint to, const Coordinates& c) {
  const GPoint a = toImage(point_.x, point_.y), b = toImage(to.x, to.y);
  const bool arc = interpolation_ != Interpolation::Linear;
  GPoint centre;
  bool clockwise = interpolation_ == Interpolation::Clockwise;
  bool full = false;
  if (arc) {
    const GPoint fileCentre = arcCentre(point_, to, c.i.value_or(0), c.j.value_or(0));
    centre = toImage(fileCentre.x, fileCentre.y);
    if (imageMirrorX_ != imageMirrorY_) clockwise = !clockwise;
    full = multiQuadrant_ && point_ == to;
  }
  if (region_) {
    if (contour_.empty()) contour_.push_back(a);
    if (arc && (full || !(a == b))) {
      const double r = std::hypot(a.x - centre.x, a.y - centre.y);
      const double a0 = std::atan2(a.y - centre.y, a.x - centre.x);
      double sweep = std::atan2(b.y - centre.y, b.x - centre.x) - a0;
      if (clockwise) {
        while (sweep >= 0) sweep -= 2 * M_PI;
        if (full) sweep = -2 * M_PI;
      } else {
        while (sweep <= 0) sweep += 2 * M_PI;
        if (full) sweep = 2 * M_PI;
      }
      std::vector<GPoint> pts;
      appendArc(pts, centre, r, a0, a0 + sweep);
      for (size_t k = 1; k + 1 < pts.size(); ++k) contour_.push_back(pts[k]);
    }
    contour_.push_back(b);
    return;
  }
  if (apertures_.count(current_) == 0) {
    warn("a draw without a defined aperture ignored");
    return;
  }
  GerberObject o;
  o.type = arc && !(a == b && !full) ? GerberObject::Type::Arc : GerberObject::Type::Draw;
  o.dark = dark_;
  o.aperture = apertures_[current_].index;
  if (apertures_[current_].block) {
    warn("a draw with a block aperture ignored");
    return;
  }
  o.from = a;
  o.to = b;
  o.centre = centre;
  o.clockwise = clockwise;
  o.fullCircle = full;
  o.transform = loadTransform();
  emit(std::move(o));
}

}  // namespace trazello
