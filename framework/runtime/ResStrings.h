// Resource strings: the program's messages live in string tables
// (Strings.rc, compiled by rescomp) and are named in code by TResStringRec
// constants from the generated header, so that each text is written once.
#pragma once

#include "platform/WinTypes.h"

#include <string>

struct TResStringRec {
  UINT Identifier;
  friend bool operator==(const TResStringRec&, const TResStringRec&) = default;
};

// The text of Res, or an empty string when the program has no such string.
std::string LoadResString(const TResStringRec& Res);
