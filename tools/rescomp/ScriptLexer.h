// Splits a resource script into tokens. The script language is a small
// subset of the Windows resource script: names, numbers, quoted strings,
// BEGIN/END or braces, commas, and C/C++ comments. Strings are unescaped
// here so the parser sees their final bytes.
#pragma once

#include "ScriptError.h"
#include "tools/common/SourceCursor.h"

#include <cstdint>
#include <string>
#include <string_view>

enum class TTokenKind { Identifier, Number, String, OpenBrace, CloseBrace, Comma, EndOfFile };

struct TToken {
  TTokenKind Kind = TTokenKind::EndOfFile;
  std::string Text;        // identifier spelling or unescaped string bytes
  std::uint64_t Value = 0; // numbers; saturates far above any valid id
  TSourcePos Pos;
};

class TScriptLexer : private TSourceCursor {
public:
  // A UTF-8 byte order mark is skipped without moving the column.
  explicit TScriptLexer(std::string_view Source) : TSourceCursor(Source) {}
  // The next token; throws EScriptError on malformed input.
  TToken Next();

private:
  void SkipSpaceAndComments();
  TToken ReadIdentifier();
  TToken ReadNumber();
  TToken ReadString();
  char ReadEscape();
  TSourcePos Here() const { return {FLine, FColumn}; }
};
