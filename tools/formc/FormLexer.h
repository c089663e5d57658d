// Splits form text into tokens. Identifiers may be dotted
// ("DM1.AdvPopupMenu1" is one token); numbers are decimal or $hex with an
// optional minus sign, floats have a '.' or an exponent; a string token is
// one run of 'quoted' parts and #code characters with nothing between them
// (the '+' that joins runs across lines is the parser's business); a
// binary token is a whole { hex } block, which may span lines; '@word' is
// an annotation. "//" starts a comment that runs to the end of the line.
#pragma once

#include "FormError.h"
#include "tools/common/SourceCursor.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TFormTokenKind { Ident, Integer, Float, String, Binary, Annotation, Symbol, EndOfFile };

struct TFormToken {
  TFormTokenKind Kind = TFormTokenKind::EndOfFile;
  // Ident, Float, Annotation (without '@') and Symbol: the spelling;
  // String: the UTF-8 text; Binary: the bytes.
  std::string Text;
  std::int64_t Int = 0;
  TFormPos Pos;
};

class TFormLexer : private TSourceCursor {
public:
  // The source must be UTF-8; a byte order mark is skipped.
  explicit TFormLexer(std::string_view Source);
  // Every token of the source, ending with EndOfFile; throws EFormError.
  std::vector<TFormToken> Tokenize();

private:
  TFormToken Next();
  void SkipSpaceAndComments();
  TFormToken ReadIdent();
  TFormToken ReadNumber();
  TFormToken ReadString();
  void ReadQuoted(std::string& Out);
  void ReadCharCode(std::string& Out);
  TFormToken ReadBinary();
  TFormPos Here() const { return {FLine, FColumn}; }
};

// The place of the first byte that is not valid UTF-8, if any.
bool FindInvalidUtf8(std::string_view Source, TFormPos& Where);
