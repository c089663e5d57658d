// How formc reports a problem: a message tied to a place. Text input gives
// line and column (columns count bytes, as compilers do); binary input
// gives the byte offset. Main prints them as FILE:LINE:COLUMN: MESSAGE or
// FILE: offset N: MESSAGE.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

struct TFormPos {
  int Line = 1;
  int Column = 1;
};

class EFormError : public std::runtime_error {
public:
  EFormError(TFormPos Pos, const std::string& Message) : std::runtime_error(Message), FPos(Pos) {}
  TFormPos GetPos() const { return FPos; }

private:
  TFormPos FPos;
};

class EStreamFormatError : public std::runtime_error {
public:
  EStreamFormatError(std::size_t Offset, const std::string& Message)
      : std::runtime_error(Message), FOffset(Offset) {}
  std::size_t GetOffset() const { return FOffset; }

private:
  std::size_t FOffset;
};
