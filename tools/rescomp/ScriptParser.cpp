// A recursive-descent parser with one token of lookahead; every check
// names the token it stopped at so the message points at the culprit.
#include "ScriptParser.h"

#include <string>

namespace {

bool EqualsNoCase(const std::string& A, const char* B) {
  std::size_t I = 0;
  for (; I < A.size() && B[I]; ++I) {
    char X = A[I], Y = B[I];
    if (X >= 'a' && X <= 'z') X = char(X - 'a' + 'A');
    if (Y >= 'a' && Y <= 'z') Y = char(Y - 'a' + 'A');
    if (X != Y) return false;
  }
  return I == A.size() && !B[I];
}

std::string Upper(std::string S) {
  for (char& C : S)
    if (C >= 'a' && C <= 'z') C = char(C - 'a' + 'A');
  return S;
}

// String symbols become constants in the generated header, so a keyword
// would break that header instead of being reported here.
bool IsCppKeyword(const std::string& S) {
  static const std::string Keywords =
      " alignas alignof and and_eq asm auto bitand bitor bool break case catch char char8_t"
      " char16_t char32_t class compl concept const consteval constexpr constinit const_cast"
      " continue co_await co_return co_yield decltype default delete do double dynamic_cast"
      " else enum explicit export extern false float for friend goto if inline int long"
      " mutable namespace new noexcept not not_eq nullptr operator or or_eq private protected"
      " public register reinterpret_cast requires return short signed sizeof static"
      " static_assert static_cast struct switch template this thread_local throw true try"
      " typedef typeid typename union unsigned using virtual void volatile wchar_t while xor"
      " xor_eq ";
  return Keywords.find(" " + S + " ") != std::string::npos;
}

std::string Where(TSourcePos P) { return std::to_string(P.Line) + ":" + std::to_string(P.Column); }

const char* KindName(TResourceKind K) {
  switch (K) {
  case TResourceKind::RcData: return "RCDATA";
  case TResourceKind::Bitmap: return "BITMAP";
  case TResourceKind::Icon: return "ICON";
  }
  return "?";
}

std::string Spelling(const TToken& T) {
  switch (T.Kind) {
  case TTokenKind::EndOfFile: return "end of file";
  case TTokenKind::String: return "a string";
  default: return "'" + T.Text + "'";
  }
}

// Validity is checked byte by byte: lead byte, continuation count,
// overlong forms, surrogates and the U+10FFFF ceiling.
bool IsValidUtf8(const std::string& S) {
  std::size_t I = 0;
  while (I < S.size()) {
    unsigned char C = static_cast<unsigned char>(S[I]);
    int Extra = C < 0x80                   ? 0
                : (C >= 0xC2 && C <= 0xDF) ? 1
                : (C >= 0xE0 && C <= 0xEF) ? 2
                : (C >= 0xF0 && C <= 0xF4) ? 3
                                           : -1;
    if (Extra < 0 || I + std::size_t(Extra) >= S.size()) return false;
    unsigned char Second = Extra ? static_cast<unsigned char>(S[I + 1]) : 0x80;
    if ((C == 0xE0 && Second < 0xA0) || (C == 0xED && Second > 0x9F) ||
        (C == 0xF0 && Second < 0x90) || (C == 0xF4 && Second > 0x8F))
      return false;
    for (int K = 1; K <= Extra; ++K)
      if ((static_cast<unsigned char>(S[I + K]) & 0xC0) != 0x80) return false;
    I += std::size_t(Extra) + 1;
  }
  return true;
}

} // namespace

bool TScriptParser::IsKeyword(const char* Word) const {
  return FToken.Kind == TTokenKind::Identifier && EqualsNoCase(FToken.Text, Word);
}

unsigned TScriptParser::CheckedId(const TToken& T, unsigned Min, const char* What) {
  if (T.Value < Min || T.Value > 65535)
    throw EScriptError(T.Pos, std::string(What) + " " + T.Text + " is out of range (" +
                                  std::to_string(Min) + "..65535)");
  return unsigned(T.Value);
}

TResourceScript TScriptParser::Parse() {
  Take();
  while (FToken.Kind != TTokenKind::EndOfFile) {
    if (IsKeyword("STRINGTABLE"))
      ParseStringTable();
    else if (FToken.Kind == TTokenKind::Identifier || FToken.Kind == TTokenKind::Number)
      ParseResource();
    else
      throw EScriptError(FToken.Pos,
                         "expected a resource name or STRINGTABLE, found " + Spelling(FToken));
  }
  return std::move(FScript);
}

void TScriptParser::ParseResource() {
  TResourceItem Item;
  Item.NamePos = FToken.Pos;
  if (FToken.Kind == TTokenKind::Number)
    Item.Id = CheckedId(FToken, 1, "resource id");
  else
    Item.Name = Upper(FToken.Text);
  std::string NameText = FToken.Text;
  Take();
  if (IsKeyword("RCDATA"))
    Item.Kind = TResourceKind::RcData;
  else if (IsKeyword("BITMAP"))
    Item.Kind = TResourceKind::Bitmap;
  else if (IsKeyword("ICON"))
    Item.Kind = TResourceKind::Icon;
  else if (FToken.Kind == TTokenKind::Identifier)
    throw EScriptError(FToken.Pos, "unknown resource type '" + FToken.Text + "'");
  else
    throw EScriptError(FToken.Pos, "expected a resource type after '" + NameText + "'");
  Take();
  if (FToken.Kind != TTokenKind::String)
    throw EScriptError(FToken.Pos, "expected a quoted file name, found " + Spelling(FToken));
  if (FToken.Text.empty()) throw EScriptError(FToken.Pos, "empty file name");
  Item.File = FToken.Text;
  Item.FilePos = FToken.Pos;
  for (const TResourceItem& Other : FScript.Items)
    if (Other.Kind == Item.Kind && Other.Name == Item.Name && Other.Id == Item.Id)
      throw EScriptError(Item.NamePos, std::string("duplicate ") + KindName(Item.Kind) +
                                           " resource '" + NameText + "' (first defined at " +
                                           Where(Other.NamePos) + ")");
  FScript.Items.push_back(std::move(Item));
  Take();
}

void TScriptParser::ParseStringTable() {
  TSourcePos TablePos = FToken.Pos;
  Take();
  if (!IsKeyword("BEGIN") && FToken.Kind != TTokenKind::OpenBrace)
    throw EScriptError(FToken.Pos, "expected BEGIN after STRINGTABLE, found " + Spelling(FToken));
  Take();
  while (!IsKeyword("END") && FToken.Kind != TTokenKind::CloseBrace) {
    if (FToken.Kind == TTokenKind::EndOfFile)
      throw EScriptError(FToken.Pos, "missing END of the STRINGTABLE begun at " + Where(TablePos));
    ParseStringEntry();
  }
  Take();
}

void TScriptParser::ParseStringEntry() {
  if (FToken.Kind != TTokenKind::Identifier)
    throw EScriptError(FToken.Pos, "expected a string symbol, found " + Spelling(FToken));
  if (IsCppKeyword(FToken.Text))
    throw EScriptError(FToken.Pos, "string symbol '" + FToken.Text + "' is a C++ keyword");
  TStringEntry Entry;
  Entry.Symbol = FToken.Text;
  Entry.Pos = FToken.Pos;
  Take();
  if (FToken.Kind != TTokenKind::Number)
    throw EScriptError(FToken.Pos, "expected a string id after '" + Entry.Symbol + "'");
  TToken IdToken = FToken;
  Entry.Id = CheckedId(FToken, 1, "string id");
  Take();
  if (FToken.Kind == TTokenKind::Comma) Take();
  if (FToken.Kind != TTokenKind::String)
    throw EScriptError(FToken.Pos, "expected a quoted string after id " + IdToken.Text);
  if (!IsValidUtf8(FToken.Text)) throw EScriptError(FToken.Pos, "string is not valid UTF-8");
  Entry.Text = FToken.Text;
  for (const TStringEntry& Other : FScript.Strings) {
    if (Other.Symbol == Entry.Symbol)
      throw EScriptError(Entry.Pos, "duplicate string symbol '" + Entry.Symbol +
                                        "' (first defined at " + Where(Other.Pos) + ")");
    if (Other.Id == Entry.Id)
      throw EScriptError(IdToken.Pos, "duplicate string id " + std::to_string(Entry.Id) +
                                          " (first used by '" + Other.Symbol + "' at " +
                                          Where(Other.Pos) + ")");
  }
  FScript.Strings.push_back(std::move(Entry));
  Take();
}
