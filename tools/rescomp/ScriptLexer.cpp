// Columns count bytes, as compilers do, so a message points at the same
// place whatever the editor's idea of a wide character.
#include "ScriptLexer.h"
#include "tools/common/LexChars.h"

#include <cstdio>

void TScriptLexer::SkipSpaceAndComments() {
  while (FPos < FSource.size()) {
    char C = Peek();
    if (C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\f' || C == '\v') {
      Advance();
    } else if (C == '/' && Peek(1) == '/') {
      while (FPos < FSource.size() && Peek() != '\n') Advance();
    } else if (C == '/' && Peek(1) == '*') {
      TSourcePos Start = Here();
      Advance();
      Advance();
      while (FPos < FSource.size() && !(Peek() == '*' && Peek(1) == '/')) Advance();
      if (FPos >= FSource.size()) throw EScriptError(Start, "unterminated comment");
      Advance();
      Advance();
    } else {
      return;
    }
  }
}

TToken TScriptLexer::Next() {
  SkipSpaceAndComments();
  TToken T;
  T.Pos = Here();
  if (FPos >= FSource.size()) return T;
  char C = Peek();
  if (LexIdentStart(C)) return ReadIdentifier();
  if (LexDigit(C)) return ReadNumber();
  if (C == '"') return ReadString();
  if (C == '{' || C == '}' || C == ',') {
    T.Kind =
        C == '{' ? TTokenKind::OpenBrace : (C == '}' ? TTokenKind::CloseBrace : TTokenKind::Comma);
    T.Text = std::string(1, C);
    Advance();
    return T;
  }
  if (C == '#') throw EScriptError(T.Pos, "preprocessor directives are not supported");
  throw EScriptError(T.Pos, "unexpected " + LexDescribe(C));
}

TToken TScriptLexer::ReadIdentifier() {
  TToken T;
  T.Kind = TTokenKind::Identifier;
  T.Pos = Here();
  while (LexIdentChar(Peek())) {
    T.Text += Peek();
    Advance();
  }
  return T;
}

TToken TScriptLexer::ReadNumber() {
  TToken T;
  T.Kind = TTokenKind::Number;
  T.Pos = Here();
  int Base = 10;
  if (Peek() == '0' && (Peek(1) == 'x' || Peek(1) == 'X')) {
    Base = 16;
    Advance();
    Advance();
    if (LexHexValue(Peek()) < 0) throw EScriptError(T.Pos, "invalid number");
  }
  constexpr std::uint64_t Saturated = std::uint64_t(1) << 40;
  while (LexIdentChar(Peek())) {
    int Digit = Base == 16 ? LexHexValue(Peek()) : (LexDigit(Peek()) ? Peek() - '0' : -1);
    if (Digit < 0) throw EScriptError(T.Pos, "invalid number");
    T.Value = T.Value >= Saturated ? Saturated : T.Value * Base + std::uint64_t(Digit);
    T.Text += Peek();
    Advance();
  }
  return T;
}

TToken TScriptLexer::ReadString() {
  TToken T;
  T.Kind = TTokenKind::String;
  T.Pos = Here();
  Advance();
  for (;;) {
    char C = Peek();
    if (FPos >= FSource.size() || C == '\n' || C == '\r')
      throw EScriptError(T.Pos, "unterminated string");
    if (C == '"') {
      Advance();
      return T;
    }
    if (C == '\\') {
      T.Text += ReadEscape();
    } else {
      T.Text += C;
      Advance();
    }
  }
}

char TScriptLexer::ReadEscape() {
  TSourcePos Start = Here();
  Advance();
  char C = Peek();
  switch (C) {
  case 'n': Advance(); return '\n';
  case 't': Advance(); return '\t';
  case '"': Advance(); return '"';
  case '\\': Advance(); return '\\';
  case 'x': {
    int High = LexHexValue(Peek(1));
    int Low = LexHexValue(Peek(2));
    if (High < 0 || Low < 0) throw EScriptError(Start, "\\x must be followed by two hex digits");
    Advance();
    Advance();
    Advance();
    return static_cast<char>(High * 16 + Low);
  }
  default:
    if (FPos >= FSource.size() || C == '\n' || C == '\r')
      throw EScriptError(Start, "unterminated string");
    if (static_cast<unsigned char>(C) < 0x21 || static_cast<unsigned char>(C) >= 0x7F)
      throw EScriptError(Start, "unknown escape sequence before " + LexDescribe(C));
    throw EScriptError(Start, "unknown escape sequence '\\" + std::string(1, C) + "'");
  }
}
