// A recursive-descent parser over the whole token list, so that two tokens
// of lookahead are free: "end = 3" is a property named end, "end" alone
// closes an object. Every check names the token it stopped at so the
// message points at the culprit.
#include "FormParser.h"

#include "FormFloat.h"

#include "framework/runtime/AnsiCodePage.h"

#include <cctype>
#include <charconv>

namespace {

bool FormParseSameText(const std::string& A, const char* B) {
  std::size_t I = 0;
  for (; I < A.size() && B[I]; ++I)
    if (std::tolower(static_cast<unsigned char>(A[I])) !=
        std::tolower(static_cast<unsigned char>(B[I])))
      return false;
  return I == A.size() && !B[I];
}

std::string FormParseWhere(TFormPos P) {
  return std::to_string(P.Line) + ":" + std::to_string(P.Column);
}

} // namespace

double TFormParser::ParseDouble(const TFormToken& T) const {
  double D = 0;
  auto R = std::from_chars(T.Text.data(), T.Text.data() + T.Text.size(), D);
  if (R.ec != std::errc() || R.ptr != T.Text.data() + T.Text.size())
    Fail(T, "float " + T.Text + " is out of the double range");
  return D;
}

std::string FormTokenSpelling(const TFormToken& T) {
  switch (T.Kind) {
  case TFormTokenKind::EndOfFile: return "end of file";
  case TFormTokenKind::String: return "a string";
  case TFormTokenKind::Binary: return "a binary block";
  case TFormTokenKind::Annotation: return "'@" + T.Text + "'";
  default: return "'" + T.Text + "'";
  }
}

TFormParser::TFormParser(std::string_view Source, std::string BaseDir)
    : FTokens(TFormLexer(Source).Tokenize()), FBaseDir(std::move(BaseDir)) {}

const TFormToken& TFormParser::Peek(std::size_t Ahead) const {
  std::size_t I = FIndex + Ahead;
  return I < FTokens.size() ? FTokens[I] : FTokens.back();
}

TFormToken TFormParser::Take() {
  TFormToken T = Peek();
  if (FIndex < FTokens.size() - 1) ++FIndex;
  return T;
}

bool TFormParser::IsWord(std::size_t Ahead, const char* Word) const {
  const TFormToken& T = Peek(Ahead);
  return T.Kind == TFormTokenKind::Ident && FormParseSameText(T.Text, Word);
}

bool TFormParser::IsSymbol(char C, std::size_t Ahead) const {
  const TFormToken& T = Peek(Ahead);
  return T.Kind == TFormTokenKind::Symbol && T.Text[0] == C;
}

void TFormParser::Expect(char Symbol, const char* Context) {
  if (!IsSymbol(Symbol))
    Fail(Peek(), std::string("expected '") + Symbol + "' " + Context + ", found " +
                     FormTokenSpelling(Peek()));
  Take();
}

void TFormParser::Fail(const TFormToken& At, const std::string& Message) const {
  throw EFormError(At.Pos, Message);
}

std::string TFormParser::AnsiName(const TFormToken& T, const char* What) const {
  std::string Ansi = Utf8ToAnsi(T.Text);
  if (Ansi.size() > 255) Fail(T, std::string(What) + " is longer than 255 bytes");
  return Ansi;
}

TFormObject TFormParser::Parse() {
  TFormObject Root = ParseObject(0);
  if (Peek().Kind != TFormTokenKind::EndOfFile)
    Fail(Peek(), "expected end of file after the root object, found " + FormTokenSpelling(Peek()));
  return Root;
}

TFormObject TFormParser::ParseObject(int Depth) {
  const TFormToken Start = Peek();
  if (Depth >= MaxFormNesting) Fail(Start, "objects are nested too deeply");
  TFormObject Obj;
  ParseObjectHeader(Obj);
  for (;;) {
    const TFormToken& T = Peek();
    bool Keyword = !IsSymbol('=', 1);
    if (T.Kind == TFormTokenKind::EndOfFile)
      Fail(T, "missing 'end' of the object begun at " + FormParseWhere(Start.Pos));
    if (Keyword && IsWord(0, "end")) break;
    if (Keyword && (IsWord(0, "object") || IsWord(0, "inherited") || IsWord(0, "inline")))
      Obj.Children.push_back(ParseObject(Depth + 1));
    else
      Obj.Properties.push_back(ParseProperty(Depth));
  }
  Take();
  return Obj;
}

void TFormParser::ParseObjectHeader(TFormObject& Obj) {
  const TFormToken Keyword = Take();
  std::uint8_t Flags = 0;
  if (Keyword.Kind == TFormTokenKind::Ident && FormParseSameText(Keyword.Text, "inherited"))
    Flags = PrefixInherited;
  else if (Keyword.Kind == TFormTokenKind::Ident && FormParseSameText(Keyword.Text, "inline"))
    Flags = PrefixInline;
  else if (!(Keyword.Kind == TFormTokenKind::Ident && FormParseSameText(Keyword.Text, "object")))
    Fail(Keyword,
         "expected 'object', 'inherited' or 'inline', found " + FormTokenSpelling(Keyword));
  std::optional<std::uint8_t> Explicit;
  if (Peek().Kind == TFormTokenKind::Annotation && Peek().Text == "prefix") {
    Take();
    const TFormToken N = Take();
    if (N.Kind != TFormTokenKind::Integer || N.Int < 0xF0 || N.Int > 0xFF)
      Fail(N, "@prefix needs a byte from 240 to 255");
    Explicit = std::uint8_t(N.Int);
    std::uint8_t Implied =
        (*Explicit & PrefixInline) ? PrefixInline : (*Explicit & PrefixInherited);
    if (Implied != Flags) Fail(Keyword, "the keyword does not match the @prefix flags");
  }
  const TFormToken First = Take();
  if (First.Kind != TFormTokenKind::Ident)
    Fail(First, "expected a component name or class, found " + FormTokenSpelling(First));
  if (IsSymbol(':')) {
    Take();
    const TFormToken Class = Take();
    if (Class.Kind != TFormTokenKind::Ident)
      Fail(Class, "expected a class name after ':', found " + FormTokenSpelling(Class));
    Obj.Name = AnsiName(First, "a component name");
    Obj.ClassName = AnsiName(Class, "a class name");
  } else {
    Obj.ClassName = AnsiName(First, "a class name");
  }
  if (IsSymbol('[')) {
    Take();
    const TFormToken At = Peek();
    TFormValue Pos = ParseValue(0, false);
    if (Pos.Tag != TValueTag::Int8 && Pos.Tag != TValueTag::Int16 && Pos.Tag != TValueTag::Int32)
      Fail(At, "a child position must be an integer of at most 32 bits");
    Obj.ChildPos = std::move(Pos);
    Expect(']', "after the child position");
    Flags |= PrefixChildPos;
  }
  if (Explicit && bool(*Explicit & PrefixChildPos) != Obj.ChildPos.has_value())
    Fail(First, "the child position does not match the @prefix flags");
  Obj.Prefix = Explicit ? *Explicit : (Flags ? std::uint8_t(0xF0 | Flags) : 0);
}

TFormProperty TFormParser::ParseProperty(int Depth) {
  const TFormToken Name = Take();
  if (Name.Kind != TFormTokenKind::Ident)
    Fail(Name, "expected a property name, 'object' or 'end', found " + FormTokenSpelling(Name));
  TFormProperty P;
  P.Name = AnsiName(Name, "a property name");
  Expect('=', ("after the property name '" + Name.Text + "'").c_str());
  P.Value = ParseValue(Depth, false);
  return P;
}

std::string TFormParser::ParseStringExpr() {
  std::string Text = Take().Text;
  while (IsSymbol('+')) {
    Take();
    const TFormToken Next = Take();
    if (Next.Kind != TFormTokenKind::String)
      Fail(Next, "expected a string after '+', found " + FormTokenSpelling(Next));
    Text += Next.Text;
  }
  return Text;
}

TFormValue TFormParser::ParseValue(int Depth, bool InList) {
  if (Depth >= MaxFormNesting) Fail(Peek(), "values are nested too deeply");
  const TFormToken& T = Peek();
  TFormValue V;
  switch (T.Kind) {
  case TFormTokenKind::Integer:
    V.Int = Take().Int;
    V.Tag = CanonicalIntTag(V.Int);
    return V;
  case TFormTokenKind::Float: {
    V.Tag = TValueTag::Extended;
    V.Data = ExtendedFromDouble(ParseDouble(Take()));
    return V;
  }
  case TFormTokenKind::String: {
    std::string Text = ParseStringExpr();
    V.Tag = CanonicalStringTag(Text);
    V.Data = V.Tag == TValueTag::WString ? Utf16Bytes(Text) : Utf8ToAnsi(Text);
    return V;
  }
  case TFormTokenKind::Binary:
    V.Tag = TValueTag::Binary;
    V.Data = Take().Text;
    return V;
  case TFormTokenKind::Ident:
    if (IsWord(0, "picture") && Peek(1).Kind == TFormTokenKind::Ident &&
        Peek(2).Kind == TFormTokenKind::String)
      return ParsePicture();
    if (InList && IsWord(0, "Null")) Fail(T, "Null cannot stand inside a list: it would end it");
    if (IsWord(0, "end") && !IsSymbol('=', 1)) break;
    return ParseIdentValue();
  case TFormTokenKind::Annotation: return ParseAnnotated();
  case TFormTokenKind::Symbol:
    if (T.Text == "(") return ParseList(Depth + 1);
    if (T.Text == "[") return ParseSet();
    if (T.Text == "<") return ParseCollection(Depth + 1);
    break;
  case TFormTokenKind::EndOfFile: break;
  }
  Fail(T, "expected a value, found " + FormTokenSpelling(T));
}

TFormValue TFormParser::ParseIdentValue() {
  const TFormToken T = Take();
  TFormValue V;
  if (FormParseSameText(T.Text, "True"))
    V.Tag = TValueTag::True;
  else if (FormParseSameText(T.Text, "False"))
    V.Tag = TValueTag::False;
  else if (FormParseSameText(T.Text, "nil"))
    V.Tag = TValueTag::Nil;
  else if (FormParseSameText(T.Text, "Null"))
    V.Tag = TValueTag::Null;
  else {
    V.Tag = TValueTag::Ident;
    V.Data = AnsiName(T, "an identifier");
  }
  return V;
}
