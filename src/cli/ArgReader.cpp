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
  double d = 0;
  const auto r = std::from_chars(v->data(), v->data() + v->size(), d);
  if (r.ec == std::errc() && r.ptr == v->data() + v->size() && std::isfinite(d) && d >= lo &&
      d <= hi)
    return d;
  fail(option + " must be a number from " + decimal(lo) + " to " + decimal(hi) + ", not " +
       quoted(*v));
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
