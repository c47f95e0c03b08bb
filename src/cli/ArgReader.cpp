#include "ArgReader.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "files/AtomicFile.h"

namespace trazello::cli {

namespace {

std::string quoted(const std::string& s) {
  return "\"" + s + "\"";
}

std::string decimal(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

// The whole of `s` as a finite number from `lo` to `hi`.
std::optional<double> strictNumber(std::string_view s, double lo, double hi) {
  double d = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), d);
  if (r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(d) && d >= lo && d <= hi)
    return d;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ArgReader::value(const std::string& option) {
  if (failed()) return std::nullopt;
  if (next_ >= args_.size()) {
    fail(option + " needs a value");
    return std::nullopt;
  }
  return args_[next_++];
}

std::optional<int> ArgReader::integer(const std::string& option, int lo, int hi) {
  const std::optional<std::string> v = value(option);
  if (!v) return std::nullopt;
  int n = 0;
  const auto r = std::from_chars(v->data(), v->data() + v->size(), n);
  if (r.ec == std::errc() && r.ptr == v->data() + v->size() && n >= lo && n <= hi) return n;
  const std::string range = hi == std::numeric_limits<int>::max()
                                ? "of at least " + std::to_string(lo)
                                : "from " + std::to_string(lo) + " to " + std::to_string(hi);
  fail(option + " must be a whole number " + range + ", not " + quoted(*v));
  return std::nullopt;
}

std::optional<double> ArgReader::number(const std::string& option, double lo, double hi) {
  const std::optional<std::string> v = value(option);
  if (!v) return std::nullopt;
  if (const std::optional<double> d = strictNumber(*v, lo, hi)) return d;
  fail(option + " must be a number from " + decimal(lo) + " to " + decimal(hi) + ", not " +
       quoted(*v));
  return std::nullopt;
}

std::optional<std::pair<double, double>> ArgReader::numberPair(const std::string& option, double lo,
                                                               double hi) {
  const std::optional<std::string> v = value(option);
  if (!v) return std::nullopt;
  const size_t comma = v->find(',');
  if (comma != std::string::npos) {
    const std::string_view whole(*v);
    const auto a = strictNumber(whole.substr(0, comma), lo, hi);
    const auto b = strictNumber(whole.substr(comma + 1), lo, hi);
    if (a && b) return std::pair{*a, *b};
  }
  fail(option + " must be two numbers from " + decimal(lo) + " to " + decimal(hi) +
       " separated by a comma, not " + quoted(*v));
  return std::nullopt;
}

void ArgReader::operand(const std::string& arg, std::string& slot) {
  if (arg.size() > 1 && arg[0] == '-')
    fail("unknown option " + quoted(arg));
  else if (!slot.empty() || arg.empty())
    fail("unexpected argument " + quoted(arg));
  else
    slot = arg;
}

void ArgReader::require(const std::string& slot, const std::string& name) {
  if (slot.empty()) fail(name + " is missing");
}

void ArgReader::distinct(const std::string& input, const std::string& output,
                         const std::string& name) {
  if (!failed() && sameFile(input, output))
    fail(name + " " + quoted(output) + " is the input file; give the output another name");
}

void ArgReader::fail(std::string message) {
  if (!failed()) error_ = std::move(message);
}

}  // namespace trazello::cli
