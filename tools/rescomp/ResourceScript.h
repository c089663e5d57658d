// What a resource script declares, after parsing and before any file is
// read: the file resources with the place each was named, and the string
// table entries.
#pragma once

#include "ScriptError.h"

#include <string>
#include <vector>

enum class TResourceKind { RcData, Bitmap, Icon };

struct TResourceItem {
  TResourceKind Kind = TResourceKind::RcData;
  std::string Name; // upper-cased identifier, or empty when numeric
  unsigned Id = 0;  // numeric name, 1..65535
  std::string File; // as written in the script
  TSourcePos NamePos;
  TSourcePos FilePos;
};

struct TStringEntry {
  std::string Symbol;
  unsigned Id = 0;
  std::string Text; // UTF-8
  TSourcePos Pos;
};

struct TResourceScript {
  std::vector<TResourceItem> Items;
  std::vector<TStringEntry> Strings;
};
