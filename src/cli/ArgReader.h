#pragma once

#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trazello::cli {

using Args = std::vector<std::string>;

// Walks one command's arguments and keeps the first mistake, worded so that it names the
// argument at fault. Once a mistake is noted the walk ends.
class ArgReader {
 public:
  explicit ArgReader(const Args& args) : args_(args) {}

  bool atEnd() const { return failed() || next_ >= args_.size(); }
  // The next argument; the walk moves past it.
  const std::string& next() { return args_[next_++]; }

  // The argument after `option`, taken from the walk.
  std::optional<std::string> value(const std::string& option);
  // The argument after `option` as a whole number from `lo` to `hi`.
  std::optional<int> integer(const std::string& option, int lo,
                             int hi = std::numeric_limits<int>::max());
  // The argument after `option` as a decimal number from `lo` to `hi`.
  std::optional<double> number(const std::string& option, double lo, double hi);
  // The argument after `option` as two decimal numbers from `lo` to `hi` joined by a comma.
  std::optional<std::pair<double, double>> numberPair(const std::string& option, double lo,
                                                      double hi);

  // Fills an empty `slot` with a word that is not an option; an option nobody took, or a word
  // beyond the last operand, is a mistake.
  void operand(const std::string& arg, std::string& slot);
  // Notes that `slot`, called `name` in the usage, was not given.
  void require(const std::string& slot, const std::string& name);
  // Notes that the output `output` (given as `name`) is the input file itself, which writing
  // would destroy.
  void distinct(const std::string& input, const std::string& output, const std::string& name);
  void fail(std::string message);

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }

 private:
  const Args& args_;
  size_t next_ = 0;
  std::string error_;
};

}  // namespace trazello::cli
