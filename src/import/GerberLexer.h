#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trazello {

// One statement of a Gerber file: a word command block ending in "*", or a parameter block
// ("%...%") with its "*"-terminated parts. Blocks are views into the lexer's text.
struct GerberStatement {
  bool parameter = false;
  std::vector<std::string_view> blocks;
  int line = 0;  // where the statement begins, counting from 1
};

// Splits a Gerber file into statements. Line ends and tabs mean nothing in the format, so they
// are dropped first; any number of commands may share a line and a command may span lines.
class GerberLexer {
 public:
  explicit GerberLexer(std::string_view text);

  // The next statement; false at the end of the file or on an error (see error()).
  bool next(GerberStatement& out);
  const std::string& error() const { return error_; }

 private:
  int lineAt(size_t offset);

  std::string text_;
  std::vector<size_t> lineStarts_;  // offsets into text_ where each source line begins
  size_t pos_ = 0;
  int line_ = 0;  // the line of the last statement
  std::string error_;
};

}  // namespace trazello
