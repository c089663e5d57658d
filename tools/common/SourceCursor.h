// The reading position of the tools' lexers in a UTF-8 source: the byte
// offset with the line and column that error messages report. A leading
// byte order mark, which some editors write into UTF-8 files, is skipped
// without moving the column.
#pragma once

#include <cstddef>
#include <string_view>

class TSourceCursor {
protected:
  explicit TSourceCursor(std::string_view Source)
      : FSource(Source), FPos(Source.starts_with("\xEF\xBB\xBF") ? 3 : 0) {}

  // The byte Ahead places on, or '\0' past the end.
  char Peek(std::size_t Ahead = 0) const {
    return FPos + Ahead < FSource.size() ? FSource[FPos + Ahead] : '\0';
  }
  void Advance() {
    if (FPos >= FSource.size()) return;
    if (FSource[FPos] == '\n') {
      ++FLine;
      FColumn = 1;
    } else {
      ++FColumn;
    }
    ++FPos;
  }

  std::string_view FSource;
  std::size_t FPos;
  int FLine = 1;
  int FColumn = 1;
};
