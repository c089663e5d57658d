// Columns count bytes, as compilers do, so a message points at the same
// place whatever the editor's idea of a wide character. Invalid UTF-8 is
// reported before tokenizing, at its exact place, so that no later step
// has to cope with it.
#include "FormLexer.h"
#include "tools/common/LexChars.h"

#include "framework/runtime/AnsiCodePage.h"

#include <cstdio>

bool FindInvalidUtf8(std::string_view Source, TFormPos& Where) {
  TFormPos P;
  std::size_t I = 0;
  while (I < Source.size()) {
    std::size_t Start = I;
    char32_t Code = DecodeUtf8(Source, I);
    bool Bad = Code == 0xFFFD && !(I - Start == 3 && Source.substr(Start, 3) == "\xEF\xBF\xBD");
    if (Bad) {
      Where = P;
      return true;
    }
    if (Source[Start] == '\n') {
      ++P.Line;
      P.Column = 1;
    } else {
      P.Column += int(I - Start);
    }
  }
  return false;
}

TFormLexer::TFormLexer(std::string_view Source) : TSourceCursor(Source) {}

std::vector<TFormToken> TFormLexer::Tokenize() {
  TFormPos Bad;
  if (FindInvalidUtf8(FSource.substr(FPos), Bad))
    throw EFormError(Bad, "the text is not valid UTF-8");
  std::vector<TFormToken> Tokens;
  do Tokens.push_back(Next());
  while (Tokens.back().Kind != TFormTokenKind::EndOfFile);
  return Tokens;
}

void TFormLexer::SkipSpaceAndComments() {
  while (FPos < FSource.size()) {
    char C = Peek();
    if (C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\f' || C == '\v')
      Advance();
    else if (C == '/' && Peek(1) == '/')
      while (FPos < FSource.size() && Peek() != '\n') Advance();
    else
      return;
  }
}

TFormToken TFormLexer::Next() {
  SkipSpaceAndComments();
  TFormToken T;
  T.Pos = Here();
  if (FPos >= FSource.size()) return T;
  char C = Peek();
  if (LexIdentStart(C)) return ReadIdent();
  if (LexDigit(C) || C == '$' || (C == '-' && (LexDigit(Peek(1)) || Peek(1) == '$')))
    return ReadNumber();
  if (C == '\'' || C == '#') return ReadString();
  if (C == '{') return ReadBinary();
  if (C == '@') {
    Advance();
    if (!LexIdentStart(Peek())) throw EFormError(T.Pos, "expected an annotation name after '@'");
    T = ReadIdent();
    T.Kind = TFormTokenKind::Annotation;
    T.Pos.Column -= 1;
    return T;
  }
  if (std::string_view("=:[](),<>+").find(C) != std::string_view::npos) {
    T.Kind = TFormTokenKind::Symbol;
    T.Text = std::string(1, C);
    Advance();
    return T;
  }
  throw EFormError(T.Pos, "unexpected " + LexDescribe(C));
}

TFormToken TFormLexer::ReadIdent() {
  TFormToken T;
  T.Kind = TFormTokenKind::Ident;
  T.Pos = Here();
  for (;;) {
    while (LexIdentChar(Peek())) {
      T.Text += Peek();
      Advance();
    }
    if (Peek() != '.') return T;
    TFormPos Dot = Here();
    Advance();
    if (!LexIdentStart(Peek())) throw EFormError(Dot, "expected a name after '.'");
    T.Text += '.';
  }
}

TFormToken TFormLexer::ReadNumber() {
  TFormToken T;
  T.Kind = TFormTokenKind::Integer;
  T.Pos = Here();
  bool Negative = Peek() == '-';
  if (Negative) {
    T.Text += '-';
    Advance();
  }
  int Base = 10;
  if (Peek() == '$') {
    Base = 16;
    T.Text += '$';
    Advance();
    if (LexHexValue(Peek()) < 0) throw EFormError(T.Pos, "expected hex digits after '$'");
  }
  const std::uint64_t Limit = Negative ? (std::uint64_t(1) << 63) : INT64_MAX;
  std::uint64_t Value = 0;
  bool Overflow = false;
  for (int D;
       (D = Base == 16 ? LexHexValue(Peek()) : (LexDigit(Peek()) ? Peek() - '0' : -1)) >= 0;) {
    if (Value > (Limit - std::uint64_t(D)) / std::uint64_t(Base)) Overflow = true;
    Value = Value * std::uint64_t(Base) + std::uint64_t(D);
    T.Text += Peek();
    Advance();
  }
  bool Fraction = Base == 10 && Peek() == '.' && LexDigit(Peek(1));
  bool Exponent = Base == 10 && (Peek() == 'e' || Peek() == 'E');
  if (Fraction || Exponent) {
    T.Kind = TFormTokenKind::Float;
    if (Fraction) {
      T.Text += '.';
      Advance();
      while (LexDigit(Peek())) T.Text += Peek(), Advance();
    }
    if (Peek() == 'e' || Peek() == 'E') {
      T.Text += 'e';
      Advance();
      if (Peek() == '+' || Peek() == '-') T.Text += Peek(), Advance();
      if (!LexDigit(Peek())) throw EFormError(T.Pos, "expected digits in the exponent");
      while (LexDigit(Peek())) T.Text += Peek(), Advance();
    }
  } else if (Overflow) {
    throw EFormError(T.Pos, "integer " + T.Text + " is out of the 64-bit range");
  } else {
    T.Int = Negative ? std::int64_t(0 - Value) : std::int64_t(Value);
  }
  if (LexIdentChar(Peek()) || Peek() == '.')
    throw EFormError(T.Pos, "invalid number '" + T.Text + Peek() + "'");
  return T;
}

TFormToken TFormLexer::ReadString() {
  TFormToken T;
  T.Kind = TFormTokenKind::String;
  T.Pos = Here();
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '\'')
      ReadQuoted(T.Text);
    else
      ReadCharCode(T.Text);
  }
  return T;
}

void TFormLexer::ReadQuoted(std::string& Out) {
  TFormPos Start = Here();
  Advance();
  for (;;) {
    if (FPos >= FSource.size() || Peek() == '\n' || Peek() == '\r')
      throw EFormError(Start, "unterminated string");
    if (Peek() == '\'') {
      Advance();
      if (Peek() != '\'') return;
    }
    Out += Peek();
    Advance();
  }
}

// #nnn and #$hex name a Unicode code point.
void TFormLexer::ReadCharCode(std::string& Out) {
  TFormPos Start = Here();
  Advance();
  int Base = 10;
  if (Peek() == '$') {
    Base = 16;
    Advance();
  }
  std::uint32_t Code = 0;
  int Digits = 0;
  for (int D;
       (D = Base == 16 ? LexHexValue(Peek()) : (LexDigit(Peek()) ? Peek() - '0' : -1)) >= 0;) {
    if (Code <= 0x10FFFF) Code = Code * std::uint32_t(Base) + std::uint32_t(D);
    ++Digits;
    Advance();
  }
  if (Digits == 0) throw EFormError(Start, "expected a character code after '#'");
  if (Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
    throw EFormError(Start, "character code is not a Unicode character");
  AppendUtf8(Out, char32_t(Code));
}

TFormToken TFormLexer::ReadBinary() {
  TFormToken T;
  T.Kind = TFormTokenKind::Binary;
  T.Pos = Here();
  Advance();
  int High = -1;
  for (;;) {
    char C = Peek();
    if (FPos >= FSource.size()) throw EFormError(T.Pos, "unterminated binary block");
    if (C == '}') break;
    if (C == ' ' || C == '\t' || C == '\r' || C == '\n') {
      Advance();
      continue;
    }
    int D = LexHexValue(C);
    if (D < 0) throw EFormError(Here(), "unexpected " + LexDescribe(C) + " in a binary block");
    if (High < 0) {
      High = D;
    } else {
      T.Text += char(High * 16 + D);
      High = -1;
    }
    Advance();
  }
  if (High >= 0) throw EFormError(Here(), "odd number of hex digits in a binary block");
  Advance();
  return T;
}
