// Layout follows the usual form text: two spaces per level, one property
// per line, lists and collections opened on the property's line, long
// strings cut into 64-character pieces joined by '+', binary blocks in
// lines of 32 bytes.
#include "FormPrinter.h"

#include "FormEncoder.h"
#include "FormFloat.h"
#include "FormLexer.h"

#include "framework/runtime/AnsiCodePage.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool FormPrintIsIdent(const std::string& S, bool Dots) {
  bool Start = true;
  for (char C : S) {
    bool Letter = (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
    bool Digit = C >= '0' && C <= '9';
    if (C == '.' && Dots && !Start) {
      Start = true;
      continue;
    }
    if (!(Letter || (Digit && !Start))) return false;
    Start = false;
  }
  return !S.empty() && !Start;
}

bool FormPrintIsWord(const std::string& S) {
  static const char* const Words[] = {"true", "false", "nil", "null", "picture", "end"};
  std::string Lower;
  for (char C : S) Lower += (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C;
  for (const char* W : Words)
    if (Lower == W) return true;
  return false;
}

std::string FormPrintPad(int Indent) { return std::string(std::size_t(Indent), ' '); }

bool FormPrintVisible(char32_t C) { return C >= 0x20 && C != 0x7F && !(C >= 0x80 && C <= 0x9F); }

// A literal of valid UTF-8 text.
std::string FormPrintString(const std::string& Utf8, int Indent) {
  std::string Out, Piece;
  bool Quoted = false;
  std::size_t Pos = 0, Count = 0;
  if (Utf8.empty()) return "''";
  while (Pos < Utf8.size()) {
    std::size_t From = Pos;
    char32_t C = DecodeUtf8(Utf8, Pos);
    if (Count && Count % 64 == 0) {
      Out += (Quoted ? "' +\n" : " +\n") + FormPrintPad(Indent + 2);
      Quoted = false;
    }
    ++Count;
    if (FormPrintVisible(C)) {
      if (!Quoted) Out += '\'';
      Quoted = true;
      Out += C == '\'' ? std::string("''") : Utf8.substr(From, Pos - From);
    } else {
      if (Quoted) Out += '\'';
      Quoted = false;
      Out += "#" + std::to_string(std::uint32_t(C));
    }
  }
  if (Quoted) Out += '\'';
  return Out;
}

std::string FormPrintHex(const std::string& Bytes, int Indent) {
  static const char Digits[] = "0123456789ABCDEF";
  if (Bytes.empty()) return "{}";
  std::string Out = "{";
  for (std::size_t I = 0; I < Bytes.size(); ++I) {
    if (I % 32 == 0) Out += "\n" + FormPrintPad(Indent + 2);
    unsigned char B = static_cast<unsigned char>(Bytes[I]);
    Out += Digits[B >> 4];
    Out += Digits[B & 15];
  }
  return Out + "}";
}

std::string FormPrintRaw(const TFormValue& V, int Indent) {
  std::string Bytes;
  EncodeFormValue(Bytes, V);
  return "@raw " + FormPrintHex(Bytes, Indent);
}

std::string FormPrintCurrency(std::int64_t V) {
  std::uint64_t Abs = V < 0 ? 0 - std::uint64_t(V) : std::uint64_t(V);
  std::string Frac = std::to_string(Abs % 10000);
  Frac = std::string(4 - Frac.size(), '0') + Frac;
  while (!Frac.empty() && Frac.back() == '0') Frac.pop_back();
  return std::string(V < 0 ? "-" : "") + std::to_string(Abs / 10000) +
         (Frac.empty() ? "" : "." + Frac);
}

std::string FormPrintValue(const TFormValue& V, int Indent);

std::string FormPrintText(const TFormValue& V, int Indent) {
  std::optional<std::string> Text;
  if (V.Tag == TValueTag::String || V.Tag == TValueTag::LString) Text = AnsiToUtf8(V.Data);
  if (V.Tag == TValueTag::WString) Text = Utf8OfUtf16Bytes(V.Data);
  TFormPos Bad;
  if (V.Tag == TValueTag::Utf8String && !FindInvalidUtf8(V.Data, Bad)) Text = V.Data;
  if (!Text) return FormPrintRaw(V, Indent);
  std::string Literal = FormPrintString(*Text, Indent);
  if (V.Tag != TValueTag::Utf8String && CanonicalStringTag(*Text) == V.Tag) return Literal;
  const char* Word = V.Tag == TValueTag::String    ? "@string "
                     : V.Tag == TValueTag::LString ? "@lstring "
                     : V.Tag == TValueTag::WString ? "@wstring "
                                                   : "@utf8 ";
  return Word + Literal;
}

std::string FormPrintFloat(const TFormValue& V, int Indent) {
  if (V.Tag == TValueTag::Extended) {
    std::optional<double> D = ExactDoubleOfExtended(V.Data);
    return D ? FloatLiteral(*D) : FormPrintRaw(V, Indent);
  }
  if (V.Tag == TValueTag::Single) {
    float F = std::bit_cast<float>(std::uint32_t(LoadLittleEndian(V.Data)));
    if (!std::isfinite(F)) return FormPrintRaw(V, Indent);
    return "@single " + FloatLiteral(F);
  }
  double D = std::bit_cast<double>(LoadLittleEndian(V.Data));
  if (!std::isfinite(D)) return FormPrintRaw(V, Indent);
  return "@date " + FloatLiteral(D);
}

std::string FormPrintInt(const TFormValue& V) {
  std::string Digits = std::to_string(V.Int);
  if (CanonicalIntTag(V.Int) == V.Tag) return Digits;
  const char* Word = V.Tag == TValueTag::Int8    ? "@int8 "
                     : V.Tag == TValueTag::Int16 ? "@int16 "
                     : V.Tag == TValueTag::Int32 ? "@int32 "
                                                 : "@int64 ";
  return Word + Digits;
}

std::string FormPrintList(const TFormValue& V, int Indent) {
  if (V.Items.empty()) return "()";
  std::string Out = "(";
  for (const TFormValue& Item : V.Items)
    Out += "\n" + FormPrintPad(Indent + 2) + FormPrintValue(Item, Indent + 2);
  return Out + ")";
}

std::string FormPrintSet(const TFormValue& V, int Indent) {
  std::string Out = "[";
  for (std::size_t I = 0; I < V.Names.size(); ++I) {
    if (!FormPrintIsIdent(V.Names[I], true)) return FormPrintRaw(V, Indent);
    Out += (I ? ", " : "") + V.Names[I];
  }
  return Out + "]";
}

std::string FormPrintProperties(const std::vector<TFormProperty>& List, int Indent) {
  std::string Out;
  for (const TFormProperty& P : List) {
    if (!FormPrintIsIdent(P.Name, true))
      throw EFormPrintError("the property name '" + AnsiToUtf8(P.Name) +
                            "' cannot be written as text");
    Out += FormPrintPad(Indent) + P.Name + " = " + FormPrintValue(P.Value, Indent) + "\n";
  }
  return Out;
}

std::string FormPrintCollection(const TFormValue& V, int Indent) {
  if (V.Bag.empty()) return "<>";
  std::string Out = "<";
  for (const TFormCollectionItem& Item : V.Bag) {
    Out += "\n" + FormPrintPad(Indent + 2) + "item";
    if (Item.Index) Out += " [" + FormPrintValue(*Item.Index, Indent + 2) + "]";
    Out +=
        "\n" + FormPrintProperties(Item.Properties, Indent + 4) + FormPrintPad(Indent + 2) + "end";
  }
  return Out + ">";
}

std::string FormPrintIdent(const TFormValue& V) {
  if (FormPrintIsIdent(V.Data, true) && !FormPrintIsWord(V.Data)) return V.Data;
  return "@ident " + FormPrintString(AnsiToUtf8(V.Data), 0);
}

std::string FormPrintValue(const TFormValue& V, int Indent) {
  switch (V.Tag) {
  case TValueTag::Null: return "Null";
  case TValueTag::False: return "False";
  case TValueTag::True: return "True";
  case TValueTag::Nil: return "nil";
  case TValueTag::List: return FormPrintList(V, Indent);
  case TValueTag::Int8:
  case TValueTag::Int16:
  case TValueTag::Int32:
  case TValueTag::Int64: return FormPrintInt(V);
  case TValueTag::Currency: return "@currency " + FormPrintCurrency(V.Int);
  case TValueTag::Extended:
  case TValueTag::Single:
  case TValueTag::Date: return FormPrintFloat(V, Indent);
  case TValueTag::String:
  case TValueTag::LString:
  case TValueTag::WString:
  case TValueTag::Utf8String: return FormPrintText(V, Indent);
  case TValueTag::Ident: return FormPrintIdent(V);
  case TValueTag::Binary: return FormPrintHex(V.Data, Indent);
  case TValueTag::Set: return FormPrintSet(V, Indent);
  case TValueTag::Collection: return FormPrintCollection(V, Indent);
  }
  return FormPrintRaw(V, Indent);
}

std::string FormPrintHeader(const TFormObject& Obj) {
  std::uint8_t Kind = (Obj.Prefix & PrefixInline) ? PrefixInline : (Obj.Prefix & PrefixInherited);
  std::uint8_t Flags = std::uint8_t(Kind | (Obj.ChildPos ? PrefixChildPos : 0));
  std::uint8_t Canonical = Flags ? std::uint8_t(0xF0 | Flags) : 0;
  std::string Out = Kind == PrefixInline ? "inline" : Kind ? "inherited" : "object";
  if (Obj.Prefix != Canonical) Out += " @prefix " + std::to_string(Obj.Prefix);
  if (!FormPrintIsIdent(Obj.ClassName, false))
    throw EFormPrintError("the class name '" + AnsiToUtf8(Obj.ClassName) +
                          "' cannot be written as text");
  if (!Obj.Name.empty() && !FormPrintIsIdent(Obj.Name, false))
    throw EFormPrintError("the component name '" + AnsiToUtf8(Obj.Name) +
                          "' cannot be written as text");
  Out += " " + (Obj.Name.empty() ? Obj.ClassName : Obj.Name + ": " + Obj.ClassName);
  return Out;
}

void FormPrintObject(std::string& Out, const TFormObject& Obj, int Indent) {
  Out += FormPrintPad(Indent) + FormPrintHeader(Obj);
  if (Obj.ChildPos) Out += " [" + FormPrintValue(*Obj.ChildPos, Indent) + "]";
  Out += "\n" + FormPrintProperties(Obj.Properties, Indent + 2);
  for (const TFormObject& Child : Obj.Children) FormPrintObject(Out, Child, Indent + 2);
  Out += FormPrintPad(Indent) + "end\n";
}

} // namespace

std::string PrintFormText(const TFormObject& Root) {
  std::string Out;
  FormPrintObject(Out, Root, 0);
  return Out;
}
