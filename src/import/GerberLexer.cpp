#include "GerberLexer.h"

#include <algorithm>

namespace trazello {

GerberLexer::GerberLexer(std::string_view text) {
  text_.reserve(text.size());
  lineStarts_.push_back(0);
  for (char c : text) {
    if (c == '\n') {
      lineStarts_.push_back(text_.size());
    } else if (c != '\r' && c != '\t') {
      text_ += c;
    }
  }
}

int GerberLexer::lineAt(size_t offset) const {
  const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
  return static_cast<int>(it - lineStarts_.begin());
}

bool GerberLexer::next(GerberStatement& out) {
  out.blocks.clear();
  while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  if (pos_ >= text_.size() || !error_.empty()) return false;
  out.line = lineAt(pos_);
  const std::string_view all(text_);
  if (text_[pos_] != '%') {
    out.parameter = false;
    const size_t end = all.find_first_of("*%", pos_);
    if (end == std::string_view::npos || text_[end] == '%') {
      // A last command without its "*" is taken as it stands; one running into "%" likewise.
      const size_t stop = end == std::string_view::npos ? text_.size() : end;
      out.blocks.push_back(all.substr(pos_, stop - pos_));
      pos_ = stop;
      return true;
    }
    out.blocks.push_back(all.substr(pos_, end - pos_));
    pos_ = end + 1;
    return true;
  }
  out.parameter = true;
  const size_t close = all.find('%', pos_ + 1);
  if (close == std::string_view::npos) {
    error_ = "the parameter block opened on line " + std::to_string(out.line) + " is not closed";
    return false;
  }
  size_t start = pos_ + 1;
  while (start < close) {
    size_t star = all.find('*', start);
    if (star == std::string_view::npos || star > close) star = close;
    std::string_view block = all.substr(start, star - start);
    while (!block.empty() && block.front() == ' ') block.remove_prefix(1);
    if (!block.empty()) out.blocks.push_back(block);
    start = star + 1;
  }
  pos_ = close + 1;
  return true;
}

}  // namespace trazello
