// Windows-1252 is Latin-1 except for 0x80-0x9F, where 27 bytes hold
// typographic characters; the other five (0x81 0x8D 0x8F 0x90 0x9D) are
// undefined and map to the C1 controls of the same value so that any byte
// string round-trips.
#include "framework/runtime/AnsiCodePage.h"

namespace {

constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Replacement = 0xFFFD;

int AnsiByteOf(char32_t Code) {
  if (Code < 0x80 || (Code >= 0xA0 && Code <= 0xFF)) return int(Code);
  for (int I = 0; I < 32; ++I)
    if (Cp1252High[I] == Code) return 0x80 + I;
  return -1;
}

} // namespace

char32_t DecodeUtf8(std::string_view Text, std::size_t& Pos) {
  if (Pos >= Text.size()) return Replacement;
  unsigned char Lead = static_cast<unsigned char>(Text[Pos++]);
  if (Lead < 0x80) return Lead;
  int Need;
  unsigned char Low = 0x80, High = 0xBF;
  if (Lead >= 0xC2 && Lead <= 0xDF)
    Need = 1;
  else if (Lead >= 0xE0 && Lead <= 0xEF)
    Need = 2;
  else if (Lead >= 0xF0 && Lead <= 0xF4)
    Need = 3;
  else
    return Replacement;
  // The second byte's range excludes overlong forms, surrogates and
  // values past U+10FFFF.
  if (Lead == 0xE0) Low = 0xA0;
  if (Lead == 0xED) High = 0x9F;
  if (Lead == 0xF0) Low = 0x90;
  if (Lead == 0xF4) High = 0x8F;
  char32_t Code = Lead & (0x3F >> Need);
  for (int K = 0; K < Need; ++K) {
    if (Pos >= Text.size()) return Replacement;
    unsigned char Byte = static_cast<unsigned char>(Text[Pos]);
    if (Byte < (K == 0 ? Low : 0x80) || Byte > (K == 0 ? High : 0xBF)) return Replacement;
    Code = (Code << 6) | (Byte & 0x3F);
    ++Pos;
  }
  return Code;
}

void AppendUtf8(std::string& Out, char32_t Code) {
  if (Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) Code = Replacement;
  if (Code < 0x80) {
    Out += char(Code);
  } else if (Code < 0x800) {
    Out += char(0xC0 | (Code >> 6));
    Out += char(0x80 | (Code & 0x3F));
  } else if (Code < 0x10000) {
    Out += char(0xE0 | (Code >> 12));
    Out += char(0x80 | ((Code >> 6) & 0x3F));
    Out += char(0x80 | (Code & 0x3F));
  } else {
    Out += char(0xF0 | (Code >> 18));
    Out += char(0x80 | ((Code >> 12) & 0x3F));
    Out += char(0x80 | ((Code >> 6) & 0x3F));
    Out += char(0x80 | (Code & 0x3F));
  }
}

std::size_t Utf8Length(std::string_view Text) {
  std::size_t Count = 0;
  for (std::size_t Pos = 0; Pos < Text.size(); ++Count) DecodeUtf8(Text, Pos);
  return Count;
}

std::string AnsiToUtf8(std::string_view Ansi) {
  std::string Out;
  Out.reserve(Ansi.size());
  for (char C : Ansi) {
    unsigned char B = static_cast<unsigned char>(C);
    AppendUtf8(Out, B >= 0x80 && B < 0xA0 ? char32_t(Cp1252High[B - 0x80]) : char32_t(B));
  }
  return Out;
}

std::string Utf8ToAnsi(std::string_view Utf8) {
  std::string Out;
  Out.reserve(Utf8.size());
  for (std::size_t Pos = 0; Pos < Utf8.size();) {
    int Byte = AnsiByteOf(DecodeUtf8(Utf8, Pos));
    Out += Byte < 0 ? '?' : char(Byte);
  }
  return Out;
}

std::string WideToUtf8(std::u16string_view Wide) {
  std::string Out;
  Out.reserve(Wide.size());
  for (std::size_t I = 0; I < Wide.size(); ++I) {
    char32_t Unit = Wide[I];
    if (Unit >= 0xD800 && Unit <= 0xDBFF && I + 1 < Wide.size() && Wide[I + 1] >= 0xDC00 &&
        Wide[I + 1] <= 0xDFFF) {
      Unit = 0x10000 + ((Unit - 0xD800) << 10) + (Wide[I + 1] - 0xDC00);
      ++I;
    }
    AppendUtf8(Out, Unit);
  }
  return Out;
}

std::u16string Utf8ToWide(std::string_view Utf8) {
  std::u16string Out;
  Out.reserve(Utf8.size());
  for (std::size_t Pos = 0; Pos < Utf8.size();) {
    char32_t Code = DecodeUtf8(Utf8, Pos);
    if (Code >= 0x10000) {
      Out += char16_t(0xD800 + ((Code - 0x10000) >> 10));
      Out += char16_t(0xDC00 + ((Code - 0x10000) & 0x3FF));
    } else {
      Out += char16_t(Code);
    }
  }
  return Out;
}
