// The one way rescomp reports a problem: a message tied to a place in the
// resource script, printed as file:line:column so that editors and the
// build log can jump to it.
#pragma once

#include <stdexcept>
#include <string>

struct TSourcePos {
  int Line = 1;
  int Column = 1;
};

class EScriptError : public std::runtime_error {
public:
  EScriptError(TSourcePos Pos, const std::string& Message)
      : std::runtime_error(Message), FPos(Pos) {}
  TSourcePos GetPos() const { return FPos; }

private:
  TSourcePos FPos;
};
