#include "GerberLexer.h"

namespace trazello {

GerberLexer::GerberLexer(std::string_view text) {
  text_.reserve(text.size());
  lineStarts_.push_back(0);
  // Copied in runs between the characters that are dropped.
  size_t from = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\n' && c != '\r' && c != '\t') continue;
    text_.append(text.substr(from, i - from));
    from = i + 1;
    if (c == '\n') lineStarts_.push_back(text_.size());
  }
  text_.append(text.substr(from));
}

// Statements come in file order, so the line is found by walking on from the last one.
int GerberLexer::lineAt(size_t offset) {
  if (line_ > 0 && lineStarts_[size_t(line_ - 1)] > offset) line_ = 0;
  while (size_t(line_) < lineStarts_.size() && lineStarts_[size_t(line_)] <= offset) ++line_;
  return line_;
}

bool GerberLexer::next(GerberStatement& out) {
  out.blocks.clear();
  while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  if (pos_ >= text_.size() || !error_.empty()) return false;
  out.line = lineAt(pos_);
  const std::string_view all(text_);
  if (text_[pos_] != '%') {
    out.parameter = false;
    // A plain scan: find_first_of looks each character up in the set, several times slower.
    size_t end = pos_;
    while (end < all.size() && all[end] != '*' && all[end] != '%') ++end;
    if (end == all.size()) end = std::string_view::npos;
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
