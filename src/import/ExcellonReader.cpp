#include "ExcellonReader.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace trazello {

namespace {

// Beyond 100 m nothing is a board; such values come only from damaged files.
constexpr double kFar = 1e7;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// A letter and the text of its value, e.g. 'X' and "-01234" in "X-01234Y5".
struct Word {
  char letter = 0;
  std::string_view value;
};

std::vector<Word> wordsOf(std::string_view s) {
  std::vector<Word> out;
  size_t pos = 0;
  while (pos < s.size()) {
    const size_t start = pos++;
    while (pos < s.size() && !isLetter(s[pos])) ++pos;
    out.push_back({s[start], s.substr(start + 1, pos - start - 1)});
  }
  return out;
}

std::optional<int> integer(std::string_view s) {
  int v = 0;
  if (s.empty() || !isDigit(s[0])) return std::nullopt;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

// A decimal number as written with a point ("0.8", ".04", "-1.5", "+2").
std::optional<double> decimal(std::string_view s) {
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  double v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

class ExcellonParser {
 public:
  ExcellonReadResult run(std::string_view text);

 private:
  bool headerLine(std::string_view s);
  bool bodyLine(std::string_view s);
  void comment(std::string_view s);
  void unitLine(std::string_view s);
  bool toolWords(const std::vector<Word>& words, size_t& k);
  bool hole(std::optional<double> x, std::optional<double> y, bool slot);
  std::optional<double> coordinate(std::string_view text) const;
  bool fail(const std::string& what);
  void warn(const std::string& w);
  int intDigits() const { return intDigits_ > 0 ? intDigits_ : inch_ ? 2 : 3; }
  int decDigits() const { return decDigits_ >= 0 ? decDigits_ : inch_ ? 4 : 3; }
  std::string here() const { return " on line " + std::to_string(line_); }

  ExcellonReadResult result_;
  bool sawHeader_ = false;
  bool header_ = false;
  bool inch_ = true;
  bool unitsKnown_ = false;
  bool leadingZerosKept_ = false;  // LZ: digits missing on the right; otherwise on the left
  bool formatStated_ = false;      // an explicit format beats a hint in a comment
  int intDigits_ = 0, decDigits_ = -1;
  bool incremental_ = false;
  bool routing_ = false;
  bool ended_ = false;
  std::map<int, double> tools_;  // diameters in layout units
  int tool_ = -1;
  GPoint at_;
  int line_ = 0;
  std::map<std::string, int> warned_;
};

ExcellonReadResult ExcellonParser::run(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && !ended_) {
    const size_t end = text.find('\n', pos);
    const std::string_view raw =
        text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    ++line_;
    const std::string_view s = trimmed(raw);
    if (s.empty()) continue;
    if (s[0] == ';') {
      comment(s.substr(1));
      continue;
    }
    if (!(header_ ? headerLine(s) : bodyLine(s))) return ExcellonReadResult{{}, {}, result_.error};
  }
  if (!sawHeader_ && result_.holes.empty())
    fail("it is no Excellon drill file: there is neither a header (M48) nor a hole");
  if (!result_.ok()) return ExcellonReadResult{{}, {}, result_.error};
  if (!ended_) warn("the file does not end with M30");
  if (!unitsKnown_) warn("the file gives no unit; inches assumed");
  return std::move(result_);
}

bool ExcellonParser::fail(const std::string& what) {
  if (result_.error.empty()) result_.error = what;
  return false;
}

void ExcellonParser::warn(const std::string& w) {
  if (warned_[w]++ == 0) result_.warnings.push_back(w);
}

// Comments may carry the number format of files that do not state it in the header.
void ExcellonParser::comment(std::string_view s) {
  if (formatStated_) return;
  for (const std::string_view key : {std::string_view("Format:"), std::string_view("FORMAT=")}) {
    const size_t at = s.find(key);
    if (at == std::string_view::npos) continue;
    const std::string_view f = trimmed(s.substr(at + key.size()));
    if (f.size() >= 3 && isDigit(f[0]) && (f[1] == '.' || f[1] == ':') && isDigit(f[2])) {
      intDigits_ = f[0] - '0';
      decDigits_ = f[2] - '0';
    }
  }
}

// "INCH", "METRIC", each optionally followed by ",LZ" or ",TZ" and a pattern like ",000.000".
void ExcellonParser::unitLine(std::string_view s) {
  inch_ = s.starts_with("INCH");
  unitsKnown_ = true;
  size_t comma = s.find(',');
  while (comma != std::string_view::npos) {
    const size_t next = s.find(',', comma + 1);
    const std::string_view part =
        s.substr(comma + 1, next == std::string_view::npos ? next : next - comma - 1);
    if (part == "LZ") leadingZerosKept_ = true;
    if (part == "TZ") leadingZerosKept_ = false;
    const size_t point = part.find('.');
    if (point != std::string_view::npos && part.find_first_not_of("0.") == std::string_view::npos) {
      intDigits_ = static_cast<int>(point);
      decDigits_ = static_cast<int>(part.size() - point - 1);
      formatStated_ = true;
    }
    comma = next;
  }
}

bool ExcellonParser::headerLine(std::string_view s) {
  if (s == "%" || s == "M95") {
    header_ = false;
    return true;
  }
  if (s.starts_with("INCH") || s.starts_with("METRIC")) {
    unitLine(s);
    return true;
  }
  if (s == "M71" || s == "M72") {
    inch_ = s == "M72";
    unitsKnown_ = true;
    return true;
  }
  if (s == "ICI" || s == "ICI,ON") {
    incremental_ = true;
    return true;
  }
  if (s == "G90" || s == "G91") {
    incremental_ = s == "G91";
    return true;
  }
  if (s[0] == 'T' && s.size() > 1 && isDigit(s[1])) {
    const std::vector<Word> words = wordsOf(s);
    size_t k = 0;
    return toolWords(words, k);
  }
  // Machine settings (feeds, speeds, FMAT, VER, ATC...) do not change where holes go.
  return true;
}

// A tool word with the words that belong to it: "T3" selects; "T3C0.8F200S60" defines (and, in
// the body, selects). Leaves `k` on the last word used.
bool ExcellonParser::toolWords(const std::vector<Word>& words, size_t& k) {
  const std::optional<int> number = integer(words[k].value);
  if (!number)
    return fail("the tool \"T" + std::string(words[k].value) + "\"" + here() +
                " has no valid number");
  bool defined = false;
  for (; k + 1 < words.size() &&
         std::string_view("CFSBHZN").find(words[k + 1].letter) != std::string_view::npos;
       ++k) {
    if (words[k + 1].letter != 'C') continue;
    const std::optional<double> d = decimal(words[k + 1].value);
    if (!d || !(*d > 0) || *d * (inch_ ? 2540 : 100) > kFar)
      return fail("the diameter of tool T" + std::to_string(*number) + here() + " is not a size");
    tools_[*number] = *d * (inch_ ? 2540 : 100);
    defined = true;
  }
  if (header_) return true;
  tool_ = *number;
  // Some writers add a two-digit offset number to the tool ("T0101").
  if (!defined && tools_.count(tool_) == 0 && words[k].value.size() == 4 && *number >= 100 &&
      tools_.count(*number / 100) != 0)
    tool_ = *number / 100;
  return true;
}

bool ExcellonParser::bodyLine(std::string_view s) {
  if (s == "M48") {
    header_ = sawHeader_ = true;
    return true;
  }
  if (s.starts_with("INCH") || s.starts_with("METRIC")) {
    unitLine(s);
    return true;
  }
  // Body commands are letters, digits, signs and points; anything else is a setting of some
  // machine (such as "FMAT,2") that does not place holes.
  if (s.find_first_of(",=:;/()[] ") != std::string_view::npos) {
    if (warned_["unknown line"]++ == 0)
      result_.warnings.push_back("lines that are no drill commands were skipped, the first \"" +
                                 std::string(s.substr(0, 40)) + "\"" + here());
    return true;
  }
  const std::vector<Word> words = wordsOf(s);
  std::optional<double> x, y;
  bool slot = false;
  for (size_t k = 0; k < words.size(); ++k) {
    const Word& w = words[k];
    if (w.letter == 'X' || w.letter == 'Y') {
      const std::optional<double> v = coordinate(w.value);
      if (!v)
        return fail("the coordinate \"" + std::string(1, w.letter) + std::string(w.value) + "\"" +
                    here() + " is not a number");
      // After G85 the slot's end: the drill goes on from there.
      (w.letter == 'X' ? x : y) = v;
    } else if (w.letter == 'T') {
      if (!toolWords(words, k)) return false;
    } else if (w.letter == 'G' || w.letter == 'M') {
      const std::optional<int> n = integer(w.value);
      if (!n)
        return fail("the command \"" + std::string(1, w.letter) + std::string(w.value) + "\"" +
                    here() + " has no valid number");
      if (w.letter == 'G') {
        if (*n <= 3) routing_ = true;
        if (*n == 5 || *n == 81) routing_ = false;
        if (*n == 85) slot = true;
        if (*n == 90 || *n == 91) incremental_ = *n == 91;
      } else {
        if (*n == 30 || *n == 0) ended_ = true;
        if (*n == 71 || *n == 72) inch_ = *n == 72, unitsKnown_ = true;
        if (*n == 48) header_ = sawHeader_ = true;
      }
    } else if (w.letter == 'R') {
      warn("repeated holes (R) skipped");
      return true;
    } else if (w.letter == '%') {
      return true;
    }
    // Feeds, speeds and other settings do not move holes.
  }
  if (x || y) return hole(x, y, slot);
  return true;
}

bool ExcellonParser::hole(std::optional<double> x, std::optional<double> y, bool slot) {
  GPoint p = at_;
  if (incremental_) {
    p.x += x.value_or(0);
    p.y += y.value_or(0);
  } else {
    if (x) p.x = *x;
    if (y) p.y = *y;
  }
  if (!(std::fabs(p.x) <= kFar && std::fabs(p.y) <= kFar))
    return fail("the hole" + here() + " lies beyond 100 m");
  at_ = p;
  if (slot) {
    warn("slots (G85) skipped");
    return true;
  }
  if (routing_) {
    warn("routed paths skipped");
    return true;
  }
  if (tool_ < 0) return fail("the hole" + here() + " comes before any tool is selected");
  const auto t = tools_.find(tool_);
  if (t == tools_.end())
    return fail("the hole" + here() + " is drilled with tool T" + std::to_string(tool_) +
                ", whose diameter is never given");
  result_.holes.push_back({p, t->second});
  return true;
}

// A coordinate in layout units: with a point as written, otherwise in the file's number format.
std::optional<double> ExcellonParser::coordinate(std::string_view text) const {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 20) return std::nullopt;
  double value = 0;
  if (text.find('.') != std::string_view::npos) {
    const std::optional<double> v = decimal(text);
    if (!v || text[0] == '-') return std::nullopt;
    value = *v;
  } else {
    int digits = 0;
    for (char c : text) {
      if (!isDigit(c)) return std::nullopt;
      value = value * 10 + (c - '0');
      ++digits;
    }
    if (leadingZerosKept_)
      for (; digits < intDigits() + decDigits(); ++digits) value *= 10;
    value /= std::pow(10.0, decDigits());
  }
  value *= inch_ ? 2540 : 100;
  return negative ? -value : value;
}

}  // namespace

bool looksLikeExcellon(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = text.find('\n', pos);
    const std::string_view s = trimmed(
        text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
    if (!s.empty() && s[0] != ';') return s == "M48";
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return false;
}

ExcellonReadResult readExcellon(std::string_view text) {
  return ExcellonParser().run(text);
}

}  // namespace trazello
