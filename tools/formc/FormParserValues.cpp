// The composite values, the annotations and the picture includes of the
// form text parser.
#include "FormDecoder.h"
#include "FormFloat.h"
#include "FormParser.h"

#include "framework/runtime/AnsiCodePage.h"

#include <bit>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

struct TFormIntAnnotation {
  const char* Word;
  TValueTag Tag;
  std::int64_t Min, Max;
};

constexpr TFormIntAnnotation FormIntAnnotations[] = {
    {"int8", TValueTag::Int8, -128, 127},
    {"int16", TValueTag::Int16, -32768, 32767},
    {"int32", TValueTag::Int32, INT32_MIN, INT32_MAX},
    {"int64", TValueTag::Int64, INT64_MIN, INT64_MAX},
};

// A plain decimal with at most four places, scaled by 10000.
bool FormParseCurrency(const std::string& S, std::int64_t& Out) {
  std::size_t I = 0;
  bool Negative = !S.empty() && S[0] == '-';
  if (Negative) ++I;
  unsigned __int128 Value = 0;
  int Places = -1;
  for (; I < S.size(); ++I) {
    if (S[I] == '.' && Places < 0) {
      Places = 0;
      continue;
    }
    if (S[I] < '0' || S[I] > '9' || Places == 4) return false;
    Value = Value * 10 + unsigned(S[I] - '0');
    if (Places >= 0) ++Places;
    if (Value > (unsigned __int128)(1) << 64) return false;
  }
  for (int P = Places < 0 ? 0 : Places; P < 4; ++P) Value *= 10;
  unsigned __int128 Limit = Negative ? ((unsigned __int128)(1) << 63) : INT64_MAX;
  if (Value > Limit) return false;
  Out = Negative ? std::int64_t(0 - std::uint64_t(Value)) : std::int64_t(Value);
  return true;
}

bool FormReadWholeFile(const std::filesystem::path& Path, std::string& Out) {
  std::error_code Ec;
  if (!std::filesystem::is_regular_file(Path, Ec)) return false;
  std::ifstream In(Path, std::ios::binary);
  if (!In) return false;
  Out.assign(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
  return !In.bad();
}

void FormAppendCount(std::string& Out, std::size_t N) {
  for (int I = 0; I < 4; ++I) Out += char((N >> (8 * I)) & 0xFF);
}

} // namespace

TFormValue TFormParser::ParseAnnotated() {
  const TFormToken A = Take();
  TFormValue V;
  for (const TFormIntAnnotation& I : FormIntAnnotations) {
    if (A.Text != I.Word) continue;
    const TFormToken N = Take();
    if (N.Kind != TFormTokenKind::Integer)
      Fail(N, "expected an integer after '@" + A.Text + "', found " + FormTokenSpelling(N));
    if (N.Int < I.Min || N.Int > I.Max) Fail(N, N.Text + " does not fit @" + A.Text);
    V.Tag = I.Tag;
    V.Int = N.Int;
    return V;
  }
  if (A.Text == "single" || A.Text == "date" || A.Text == "currency")
    return ParseAnnotatedFloat(A.Text);
  if (A.Text == "string" || A.Text == "lstring" || A.Text == "wstring" || A.Text == "utf8" ||
      A.Text == "ident")
    return ParseAnnotatedString(A.Text);
  if (A.Text == "raw") return ParseRaw();
  if (A.Text == "prefix")
    Fail(A, "'@prefix' belongs right after 'object', 'inherited' or 'inline'");
  Fail(A, "unknown annotation '@" + A.Text + "'");
}

TFormValue TFormParser::ParseAnnotatedFloat(const std::string& Word) {
  const TFormToken N = Take();
  if (N.Kind != TFormTokenKind::Integer && N.Kind != TFormTokenKind::Float)
    Fail(N, "expected a number after '@" + Word + "', found " + FormTokenSpelling(N));
  TFormValue V;
  if (Word == "currency") {
    if (!FormParseCurrency(N.Text, V.Int))
      Fail(N, "@currency takes a decimal of at most 4 places within the 64-bit range");
    V.Tag = TValueTag::Currency;
    return V;
  }
  if (N.Text.find('$') != std::string::npos) Fail(N, "@" + Word + " takes a decimal number");
  if (Word == "single") {
    float F = 0;
    auto R = std::from_chars(N.Text.data(), N.Text.data() + N.Text.size(), F);
    if (R.ec != std::errc()) Fail(N, N.Text + " is out of the single range");
    V.Tag = TValueTag::Single;
    V.Data = StoreLittleEndian(std::bit_cast<std::uint32_t>(F), 4);
    return V;
  }
  double D = ParseDouble(N);
  V.Tag = TValueTag::Date;
  V.Data = StoreLittleEndian(std::bit_cast<std::uint64_t>(D), 8);
  return V;
}

TFormValue TFormParser::ParseAnnotatedString(const std::string& Word) {
  const TFormToken S = Peek();
  TFormValue V;
  if (Word == "ident" && S.Kind == TFormTokenKind::Ident) {
    Take();
    V.Tag = TValueTag::Ident;
    V.Data = AnsiName(S, "an identifier");
    return V;
  }
  if (S.Kind != TFormTokenKind::String)
    Fail(S, "expected a string after '@" + Word + "', found " + FormTokenSpelling(S));
  std::string Text = ParseStringExpr();
  bool Narrow = Word == "string" || Word == "lstring" || Word == "ident";
  if (Narrow && !FitsAnsi(Text)) Fail(S, "the text of '@" + Word + "' is not Windows-1252");
  if ((Word == "string" || Word == "ident") && Utf8ToAnsi(Text).size() > 255)
    Fail(S, "the text of '@" + Word + "' is longer than 255 bytes");
  V.Tag = Word == "string"    ? TValueTag::String
          : Word == "lstring" ? TValueTag::LString
          : Word == "ident"   ? TValueTag::Ident
          : Word == "wstring" ? TValueTag::WString
                              : TValueTag::Utf8String;
  V.Data = Narrow ? Utf8ToAnsi(Text) : V.Tag == TValueTag::WString ? Utf16Bytes(Text) : Text;
  return V;
}

TFormValue TFormParser::ParseRaw() {
  const TFormToken B = Take();
  if (B.Kind != TFormTokenKind::Binary)
    Fail(B, "expected a binary block after '@raw', found " + FormTokenSpelling(B));
  try {
    return DecodeValueBytes(B.Text);
  } catch (const EStreamFormatError& E) {
    Fail(B, std::string("@raw block is not one value: ") + E.what() + " at byte " +
                std::to_string(E.GetOffset()));
  }
}

TFormValue TFormParser::ParseList(int Depth) {
  const TFormToken Open = Take();
  TFormValue V;
  V.Tag = TValueTag::List;
  while (!IsSymbol(')')) {
    if (Peek().Kind == TFormTokenKind::EndOfFile || (IsWord(0, "end") && !IsSymbol('=', 1)))
      Fail(Peek(), "missing ')' of the list begun at " + std::to_string(Open.Pos.Line) + ":" +
                       std::to_string(Open.Pos.Column));
    V.Items.push_back(ParseValue(Depth, true));
  }
  Take();
  return V;
}

TFormValue TFormParser::ParseSet() {
  Take();
  TFormValue V;
  V.Tag = TValueTag::Set;
  if (IsSymbol(']')) {
    Take();
    return V;
  }
  for (;;) {
    const TFormToken N = Take();
    if (N.Kind != TFormTokenKind::Ident)
      Fail(N, "expected a set element name, found " + FormTokenSpelling(N));
    std::string Name = AnsiName(N, "a set element name");
    if (Name.empty()) Fail(N, "a set element name cannot be empty");
    V.Names.push_back(Name);
    if (IsSymbol(']')) break;
    Expect(',', "between set elements");
  }
  Take();
  return V;
}

TFormValue TFormParser::ParseCollection(int Depth) {
  const TFormToken Open = Take();
  TFormValue V;
  V.Tag = TValueTag::Collection;
  while (!IsSymbol('>')) {
    const TFormToken Item = Take();
    if (!(Item.Kind == TFormTokenKind::Ident && Item.Text == "item"))
      Fail(Item, "expected 'item' or '>' in the collection begun at " +
                     std::to_string(Open.Pos.Line) + ":" + std::to_string(Open.Pos.Column) +
                     ", found " + FormTokenSpelling(Item));
    TFormCollectionItem C;
    if (IsSymbol('[')) {
      Take();
      const TFormToken At = Peek();
      TFormValue Index = ParseValue(Depth, false);
      if (Index.Tag != TValueTag::Int8 && Index.Tag != TValueTag::Int16 &&
          Index.Tag != TValueTag::Int32)
        Fail(At, "an item index must be an integer of at most 32 bits");
      C.Index = std::move(Index);
      Expect(']', "after the item index");
    }
    while (!(IsWord(0, "end") && !IsSymbol('=', 1))) {
      if (Peek().Kind == TFormTokenKind::EndOfFile)
        Fail(Peek(), "missing 'end' of the item begun at " + std::to_string(Item.Pos.Line) + ":" +
                         std::to_string(Item.Pos.Column));
      C.Properties.push_back(ParseProperty(Depth));
    }
    Take();
    V.Bag.push_back(std::move(C));
  }
  Take();
  return V;
}

TFormValue TFormParser::ParsePicture() {
  Take();
  const TFormToken Class = Take();
  const TFormToken File = Take();
  bool Counted = Class.Text == "TJPEGImage" || Class.Text == "TBitmap";
  if (!Counted && Class.Text != "TIcon")
    Fail(Class,
         "unknown picture class '" + Class.Text + "' (formc knows TBitmap, TIcon and TJPEGImage)");
  if (File.Text.empty()) Fail(File, "empty file name");
  std::filesystem::path Path = (std::filesystem::path(FBaseDir) / File.Text).lexically_normal();
  std::error_code Ec;
  if (std::filesystem::is_regular_file(Path, Ec) &&
      std::filesystem::file_size(Path, Ec) > MaxIncludeFile)
    Fail(File, "'" + File.Text + "' is too large (limit 64 MiB)");
  std::string Bytes;
  if (!FormReadWholeFile(Path, Bytes)) Fail(File, "cannot open '" + File.Text + "'");
  const char* Magic = Class.Text == "TJPEGImage" ? "\xFF\xD8\xFF"
                      : Class.Text == "TBitmap"  ? "BM"
                                                 : nullptr;
  bool Valid = Magic ? Bytes.starts_with(Magic) : Bytes.starts_with(std::string("\0\0\1\0", 4));
  if (!Valid)
    Fail(File, "'" + File.Text + "' is not " +
                   (Class.Text == "TJPEGImage" ? "a JPEG file"
                    : Class.Text == "TBitmap"  ? "a BMP file"
                                               : "an icon file"));
  FIncludes.push_back(Path.string());
  TFormValue V;
  V.Tag = TValueTag::Binary;
  V.Data += char(Class.Text.size());
  V.Data += Class.Text;
  if (Counted) FormAppendCount(V.Data, Bytes.size());
  V.Data += Bytes;
  return V;
}
