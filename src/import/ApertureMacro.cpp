#include "ApertureMacro.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "ApertureShapes.h"

namespace trazello {

namespace {

constexpr int kMaxVariable = 9999;
constexpr int kMaxDepth = 64;
constexpr int kMaxRings = 100;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class ExpressionParser {
 public:
  ExpressionParser(std::string_view s, const std::map<int, double>& vars) : s_(s), vars_(vars) {}

  double parse() {
    const double v = sum(0);
    skipBlanks();
    return pos_ == s_.size() ? v : kNaN;
  }

 private:
  void skipBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }
  bool take(char c) {
    skipBlanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  double sum(int depth) {
    double v = product(depth);
    for (;;) {
      if (take('+'))
        v += product(depth);
      else if (take('-'))
        v -= product(depth);
      else
        return v;
    }
  }
  double product(int depth) {
    double v = factor(depth);
    for (;;) {
      if (take('x') || take('X')) {
        v *= factor(depth);
      } else if (take('/')) {
        const double d = factor(depth);
        v = d == 0 ? kNaN : v / d;
      } else {
        return v;
      }
    }
  }
  double factor(int depth) {
    if (depth > kMaxDepth) return kNaN;
    if (take('-')) return -factor(depth + 1);
    if (take('+')) return factor(depth + 1);
    if (take('(')) {
      const double v = sum(depth + 1);
      return take(')') ? v : kNaN;
    }
    if (take('$')) {
      int n = 0;
      const auto r = std::from_chars(s_.data() + pos_, s_.data() + s_.size(), n);
      if (r.ec != std::errc()) return kNaN;
      pos_ = static_cast<size_t>(r.ptr - s_.data());
      const auto it = vars_.find(n);
      return it == vars_.end() ? 0.0 : it->second;
    }
    return number();
  }
  double number() {
    skipBlanks();
    const size_t start = pos_;
    while (pos_ < s_.size() && ((s_[pos_] >= '0' && s_[pos_] <= '9') || s_[pos_] == '.')) ++pos_;
    double v = 0;
    const auto r = std::from_chars(s_.data() + start, s_.data() + pos_, v);
    if (r.ec != std::errc() || r.ptr != s_.data() + pos_) return kNaN;
    return v;
  }

  std::string_view s_;
  const std::map<int, double>& vars_;
  size_t pos_ = 0;
};

std::vector<std::string> splitCommas(std::string_view s) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    const size_t comma = s.find(',', start);
    out.emplace_back(s.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return out;
    start = comma + 1;
  }
}

// Rotates about the macro's origin, then scales to layout units.
struct Placement {
  double degrees = 0;
  double scale = 1;
  GPoint operator()(GPoint p) const {
    const double a = degrees * M_PI / 180, c = std::cos(a), s = std::sin(a);
    return {(c * p.x - s * p.y) * scale, (s * p.x + c * p.y) * scale};
  }
  std::vector<GPoint> ring(std::vector<GPoint> points) const {
    for (GPoint& p : points) p = (*this)(p);
    return points;
  }
};

std::vector<GPoint> thermalQuarter(GPoint c, double outer, double inner, double gap, int quarter) {
  const double h = gap / 2, ro = outer / 2, ri = inner / 2;
  std::vector<GPoint> piece;
  if (!(h < ro) || !(ri < ro)) return piece;
  const double base = quarter * M_PI / 2;
  const double ao = std::asin(h / ro);
  appendArc(piece, c, ro, base + ao, base + M_PI / 2 - ao);
  if (h < ri) {
    const double ai = std::asin(h / ri);
    appendArc(piece, c, ri, base + M_PI / 2 - ai, base + ai);
  } else {
    const double cs = std::cos(base), sn = std::sin(base);
    piece.push_back({c.x + (cs * h - sn * h), c.y + (sn * h + cs * h)});
  }
  return piece;
}

// The argument positions that hold lengths, which are converted before any curve is flattened so
// that the flattening tolerance holds at the true size.
std::vector<size_t> lengthArguments(int code, const std::vector<double>& a) {
  switch (code) {
    case 1:
      return {1, 2, 3};
    case 2:
    case 20:
      return {1, 2, 3, 4, 5};
    case 21:
    case 22:
      return {1, 2, 3, 4};
    case 4: {
      std::vector<size_t> out;
      const double n = a.size() > 1 ? a[1] : 0;
      for (size_t i = 2; n >= 1 && n <= 100000 && i < 4 + 2 * size_t(n) && i < a.size(); ++i)
        out.push_back(i);
      return out;
    }
    case 5:
      return {2, 3, 4};
    case 6:
      return {0, 1, 2, 3, 4, 6, 7};
    case 7:
      return {0, 1, 2, 3, 4};
    default:
      return {};
  }
}

void addPrimitive(int code, std::vector<double> a, double unitScale, std::vector<GExposure>& out,
                  std::vector<std::string>& warnings) {
  for (size_t i : lengthArguments(code, a))
    if (i < a.size()) a[i] *= unitScale;
  unitScale = 1;
  auto arg = [&](size_t i) { return i < a.size() ? a[i] : 0.0; };
  const bool dark = arg(0) != 0;
  auto add = [&](bool on, std::vector<GPoint> ring) {
    if (ring.size() >= 3) out.push_back({on, std::move(ring)});
  };
  switch (code) {
    case 1: {
      const Placement at{arg(4), unitScale};
      add(dark, at.ring(circleRing({arg(2), arg(3)}, std::fabs(arg(1)) / 2)));
      return;
    }
    case 2:
    case 20: {
      const Placement at{arg(6), unitScale};
      const GPoint p{arg(2), arg(3)}, q{arg(4), arg(5)};
      const double len = std::hypot(q.x - p.x, q.y - p.y), w = arg(1) / 2;
      if (len == 0 || w <= 0) return;
      const double nx = -(q.y - p.y) / len * w, ny = (q.x - p.x) / len * w;
      add(dark, at.ring({{p.x + nx, p.y + ny},
                         {p.x - nx, p.y - ny},
                         {q.x - nx, q.y - ny},
                         {q.x + nx, q.y + ny}}));
      return;
    }
    case 21:
      add(dark, Placement{arg(5), unitScale}.ring(rectangleRing({arg(3), arg(4)}, arg(1), arg(2))));
      return;
    case 22:
      add(dark, Placement{arg(5), unitScale}.ring(
                    rectangleRing({arg(3) + arg(1) / 2, arg(4) + arg(2) / 2}, arg(1), arg(2))));
      return;
    case 4: {
      const double n = arg(1);
      if (!(n >= 1) || n > 100000 || 2 * n + 4 > double(a.size()) + 0.5) {
        warnings.push_back("an outline primitive has too few coordinates");
        return;
      }
      const auto count = static_cast<size_t>(n) + 1;
      std::vector<GPoint> ring;
      for (size_t i = 0; i < count; ++i) ring.push_back({a[2 + 2 * i], a[3 + 2 * i]});
      if (ring.size() > 1 && ring.front() == ring.back()) ring.pop_back();
      add(dark, Placement{arg(2 + 2 * count), unitScale}.ring(std::move(ring)));
      return;
    }
    case 5: {
      const int n = static_cast<int>(std::clamp(arg(1), 3.0, 1000.0));
      std::vector<GPoint> ring;
      for (int i = 0; i < n; ++i) {
        const double t = 2 * M_PI * i / n;
        ring.push_back({arg(2) + arg(4) / 2 * std::cos(t), arg(3) + arg(4) / 2 * std::sin(t)});
      }
      add(dark, Placement{arg(5), unitScale}.ring(std::move(ring)));
      return;
    }
    case 6: {
      const Placement at{arg(8), unitScale};
      const GPoint c{arg(0), arg(1)};
      const double thickness = arg(3), gap = arg(4);
      const int rings = static_cast<int>(std::clamp(arg(5), 0.0, double(kMaxRings)));
      for (int i = 0; i < rings; ++i) {
        const double od = arg(2) - 2 * i * (thickness + gap);
        if (od <= 0 || thickness <= 0) break;
        add(true, at.ring(circleRing(c, od / 2)));
        if (od - 2 * thickness > 0) add(false, at.ring(circleRing(c, od / 2 - thickness)));
      }
      add(true, at.ring(rectangleRing(c, arg(7), arg(6))));
      add(true, at.ring(rectangleRing(c, arg(6), arg(7))));
      return;
    }
    case 7: {
      const Placement at{arg(5), unitScale};
      for (int q = 0; q < 4; ++q)
        add(true, at.ring(thermalQuarter({arg(0), arg(1)}, arg(2), arg(3), arg(4), q)));
      return;
    }
    default:
      warnings.push_back("unknown macro primitive " + std::to_string(code));
  }
}

}  // namespace

double evaluateMacroExpression(std::string_view text, const std::map<int, double>& variables) {
  return ExpressionParser(text, variables).parse();
}

ApertureMacro::ApertureMacro(const std::vector<std::string_view>& body) {
  for (std::string_view block : body) {
    if (block.empty() || block[0] == '0') continue;  // a comment primitive
    Statement st;
    if (block[0] == '$') {
      const size_t eq = block.find('=');
      if (eq == std::string_view::npos) continue;
      int n = 0;
      std::from_chars(block.data() + 1, block.data() + eq, n);
      if (n <= 0 || n > kMaxVariable) continue;
      st.variable = n;
      st.arguments.emplace_back(block.substr(eq + 1));
    } else {
      std::vector<std::string> parts = splitCommas(block);
      std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), st.primitive);
      parts.erase(parts.begin());
      st.arguments = std::move(parts);
    }
    statements_.push_back(std::move(st));
  }
}

std::vector<GExposure> ApertureMacro::evaluate(const std::vector<double>& parameters,
                                               double unitScale,
                                               std::vector<std::string>& warnings) const {
  std::map<int, double> vars;
  for (size_t i = 0; i < parameters.size() && i < kMaxVariable; ++i)
    vars[int(i) + 1] = parameters[i];
  std::vector<GExposure> out;
  for (const Statement& st : statements_) {
    std::vector<double> values;
    values.reserve(st.arguments.size());
    bool sound = true;
    for (const std::string& e : st.arguments) {
      values.push_back(evaluateMacroExpression(e, vars));
      if (!std::isfinite(values.back())) sound = false;
    }
    if (!sound) {
      warnings.push_back("a macro expression cannot be evaluated");
      continue;
    }
    if (st.variable > 0)
      vars[st.variable] = values[0];
    else
      addPrimitive(st.primitive, values, unitScale, out, warnings);
  }
  return out;
}

}  // namespace trazello
