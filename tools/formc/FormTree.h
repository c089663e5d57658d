// The in-memory shape of a form definition, shared by the text parser, the
// binary encoder, the binary decoder and the text printer. Values keep the
// exact tag they have (or will have) in the stream together with their
// payload bytes, so a stream decoded and encoded again is byte-identical
// however its writer chose the tags.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class TValueTag : std::uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,
  Int64 = 19,
  Utf8String = 20,
};
constexpr int LastValueTag = 20;

struct TFormProperty;

struct TFormCollectionItem;

struct TFormValue {
  TValueTag Tag = TValueTag::Null;
  // The integer tags; svCurrency holds the value times 10000.
  std::int64_t Int = 0;
  // Payload bytes as stored: ANSI text of svString, svLString, svIdent;
  // UTF-16LE code units of svWString; UTF-8 of svUTF8String; the raw
  // little-endian float of svExtended, svSingle, svDate; the bytes of
  // svBinary.
  std::string Data;
  std::vector<TFormValue> Items;        // svList
  std::vector<std::string> Names;       // svSet, ANSI
  std::vector<TFormCollectionItem> Bag; // svCollection
};

struct TFormProperty {
  std::string Name; // ANSI, dotted path allowed
  TFormValue Value;
};

struct TFormCollectionItem {
  std::optional<TFormValue> Index; // an integer value, read and ignored by readers
  std::vector<TFormProperty> Properties;
};

// Prefix flags of a component entry.
constexpr std::uint8_t PrefixInherited = 1;
constexpr std::uint8_t PrefixChildPos = 2;
constexpr std::uint8_t PrefixInline = 4;

struct TFormObject {
  // 0 when the entry has no prefix byte, else the byte itself (0xF0..0xFF).
  std::uint8_t Prefix = 0;
  std::optional<TFormValue> ChildPos; // present exactly when Prefix has PrefixChildPos
  std::string ClassName;              // ANSI
  std::string Name;                   // ANSI, may be empty
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// The tag a writer picks for a value: the smallest integer tag that holds
// it, svInt64 only beyond 32 bits.
TValueTag CanonicalIntTag(std::int64_t Value);
// The string tag for UTF-8 text: svString when it is Windows-1252 and at
// most 255 bytes in it, svLString when longer, svWString otherwise.
TValueTag CanonicalStringTag(const std::string& Utf8);
// Whether UTF-8 text converts to Windows-1252 and back unchanged.
bool FitsAnsi(const std::string& Utf8);

// UTF-8 text as the UTF-16LE bytes of an svWString payload, and back; the
// way back fails on an odd byte count or an unpaired surrogate.
std::string Utf16Bytes(const std::string& Utf8);
std::optional<std::string> Utf8OfUtf16Bytes(const std::string& Bytes);

// Nesting of components, lists and collections is limited so that damaged
// or hostile input cannot exhaust the stack of the recursive parsers.
constexpr int MaxFormNesting = 100;
// Largest file a picture include may name.
constexpr std::uint64_t MaxIncludeFile = 64u << 20;
