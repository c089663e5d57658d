// Parses a resource script into a TResourceScript. Statements:
//   NAME RCDATA "file"     NAME BITMAP "file.bmp"     NAME ICON "file.ico"
//   STRINGTABLE BEGIN SYMBOL ID "text" ... END
// NAME is an identifier or a number 1..65535; keywords are
// case-insensitive; BEGIN/END may be written as braces; a comma may follow
// a string id. Duplicate names, ids and symbols are errors, since the
// registry would silently let the later one win.
#pragma once

#include "ResourceScript.h"
#include "ScriptLexer.h"

class TScriptParser {
public:
  explicit TScriptParser(std::string_view Source) : FLexer(Source) {}
  // Throws EScriptError at the first problem.
  TResourceScript Parse();

private:
  void ParseResource();
  void ParseStringTable();
  void ParseStringEntry();
  unsigned CheckedId(const TToken& T, unsigned Min, const char* What);
  void Take() { FToken = FLexer.Next(); }
  bool IsKeyword(const char* Word) const;

  TScriptLexer FLexer;
  TToken FToken;
  TResourceScript FScript;
};
