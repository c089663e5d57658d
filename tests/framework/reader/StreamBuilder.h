// Writes form definition bytes by hand for the reader tests: the
// signature, ShortStrings, every value tag with its payload, component
// entries. Integers use the smallest tag that holds them, as the form
// compiler does.
#pragma once

#include "framework/classes/MemoryStream.h"
#include "framework/classes/Reader.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace readertest {

class TStreamBuilder {
public:
  std::vector<std::uint8_t> Bytes;

  // Byte by byte: GCC 12 at -O3 misreads a range insert into the empty
  // vector as a copy through a null pointer.
  TStreamBuilder& Raw(std::initializer_list<std::uint8_t> B) {
    for (std::uint8_t Byte : B) Bytes.push_back(Byte);
    return *this;
  }
  TStreamBuilder& RawText(std::string_view Text) {
    for (char C : Text) Bytes.push_back(std::uint8_t(C));
    return *this;
  }
  TStreamBuilder& Le(std::uint64_t V, int Size) {
    for (int I = 0; I < Size; ++I) Bytes.push_back(std::uint8_t(V >> (8 * I)));
    return *this;
  }
  TStreamBuilder& Tag(TValueType T) { return Raw({std::uint8_t(T)}); }
  TStreamBuilder& Signature() { return RawText("TPF0"); }
  // A ShortString of bytes taken as they are (the ANSI code page).
  TStreamBuilder& Short(std::string_view Text) {
    Bytes.push_back(std::uint8_t(Text.size()));
    return RawText(Text);
  }
  TStreamBuilder& End() { return Tag(svNull); }

  TStreamBuilder& Int(std::int64_t V) {
    if (V >= -128 && V <= 127) return Tag(svInt8).Le(std::uint64_t(V), 1);
    if (V >= -32768 && V <= 32767) return Tag(svInt16).Le(std::uint64_t(V), 2);
    return Tag(svInt32).Le(std::uint64_t(V), 4);
  }
  TStreamBuilder& Int64(std::int64_t V) { return Tag(svInt64).Le(std::uint64_t(V), 8); }
  TStreamBuilder& Ident(std::string_view Name) { return Tag(svIdent).Short(Name); }
  TStreamBuilder& String(std::string_view Text) { return Tag(svString).Short(Text); }
  TStreamBuilder& LString(std::string_view Text) {
    return Tag(svLString).Le(Text.size(), 4).RawText(Text);
  }
  TStreamBuilder& Utf8(std::string_view Text) {
    return Tag(svUTF8String).Le(Text.size(), 4).RawText(Text);
  }
  TStreamBuilder& WString(std::u16string_view Text) {
    Tag(svWString).Le(Text.size(), 4);
    for (char16_t C : Text) Le(C, 2);
    return *this;
  }
  TStreamBuilder& Extended(std::uint64_t Mantissa, std::uint16_t SignExp) {
    return Tag(svExtended).Le(Mantissa, 8).Le(SignExp, 2);
  }
  TStreamBuilder& Binary(const std::vector<std::uint8_t>& Data) {
    Tag(svBinary).Le(Data.size(), 4);
    Bytes.insert(Bytes.end(), Data.begin(), Data.end());
    return *this;
  }
  TStreamBuilder& Set(std::initializer_list<std::string_view> Names) {
    Tag(svSet);
    for (std::string_view N : Names) Short(N);
    return Short("");
  }

  // A property entry's name; the value follows.
  TStreamBuilder& Prop(std::string_view Name) { return Short(Name); }
  TStreamBuilder& Component(std::string_view ClassName, std::string_view Name) {
    return Short(ClassName).Short(Name);
  }
  // The signature and the root entry's head.
  TStreamBuilder& Root(std::string_view ClassName, std::string_view Name) {
    return Signature().Component(ClassName, Name);
  }

  TMemoryStream* NewStream() const {
    auto* S = new TMemoryStream();
    S->WriteBuffer(Bytes.data(), std::int64_t(Bytes.size()));
    S->SetPosition(0);
    return S;
  }
};

} // namespace readertest
