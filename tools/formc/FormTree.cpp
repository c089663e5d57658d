// The tag rules every writer of these streams follows; the parser applies
// them and the printer uses them to decide whether a value needs an
// explicit tag annotation to come back with the same bytes.
#include "FormTree.h"

#include "framework/runtime/AnsiCodePage.h"

TValueTag CanonicalIntTag(std::int64_t Value) {
  if (Value >= -128 && Value <= 127) return TValueTag::Int8;
  if (Value >= -32768 && Value <= 32767) return TValueTag::Int16;
  if (Value >= INT32_MIN && Value <= INT32_MAX) return TValueTag::Int32;
  return TValueTag::Int64;
}

bool FitsAnsi(const std::string& Utf8) { return AnsiToUtf8(Utf8ToAnsi(Utf8)) == Utf8; }

TValueTag CanonicalStringTag(const std::string& Utf8) {
  if (!FitsAnsi(Utf8)) return TValueTag::WString;
  return Utf8ToAnsi(Utf8).size() <= 255 ? TValueTag::String : TValueTag::LString;
}

std::string Utf16Bytes(const std::string& Utf8) {
  std::string Out;
  for (char16_t C : Utf8ToWide(Utf8)) {
    Out += char(C & 0xFF);
    Out += char(C >> 8);
  }
  return Out;
}

std::optional<std::string> Utf8OfUtf16Bytes(const std::string& Bytes) {
  if (Bytes.size() % 2) return std::nullopt;
  std::u16string Wide;
  for (std::size_t I = 0; I < Bytes.size(); I += 2)
    Wide += char16_t(static_cast<unsigned char>(Bytes[I]) |
                     (static_cast<unsigned char>(Bytes[I + 1]) << 8));
  for (std::size_t I = 0; I < Wide.size(); ++I) {
    bool High = Wide[I] >= 0xD800 && Wide[I] <= 0xDBFF;
    bool Low = Wide[I] >= 0xDC00 && Wide[I] <= 0xDFFF;
    if (Low) return std::nullopt;
    if (High) {
      if (I + 1 >= Wide.size() || Wide[I + 1] < 0xDC00 || Wide[I + 1] > 0xDFFF) return std::nullopt;
      ++I;
    }
  }
  return WideToUtf8(Wide);
}
