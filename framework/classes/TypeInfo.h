// Run-time type information of published property types. Every type a
// property can have is described by one TTypeInfo that lives for the whole
// run; properties point at it, and identity of the pointer is identity of
// the type (two event types with the same signature share one).
//
// Enumerations are declared with TAVREL_ENUM, which defines the C++ enum
// and the names the form definitions use for its values in one place.
// Integer types that accept identifiers (colours, cursors, character sets)
// are plain integers whose TTypeInfo carries an identifier map.
#pragma once

#include "framework/runtime/IdentMap.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TClass;

enum class TTypeKind : std::uint8_t {
  Integer,
  Char,
  Enumeration,
  Float,
  String,
  Set,
  Class,
  Method,
  Int64,
};

struct TTypeInfo {
  TTypeInfo(TTypeKind AKind, std::string AName) : Kind(AKind), Name(std::move(AName)) {}

  TTypeKind Kind;
  std::string Name;
  // Enumeration: the value names, by ordinal.
  std::vector<std::string> EnumNames;
  // Set: the enumeration of its elements.
  const TTypeInfo* ElementType = nullptr;
  // Class: the class every value must be, or descend from.
  const TClass& (*ClassFn)() = nullptr;
  // Integer: the identifiers that stand for numbers, if any.
  std::span<const TIdentMapEntry> IdentMap;

  // Ordinal of Name (ASCII case ignored), or -1.
  int EnumValue(std::string_view Name) const;
  // The name of an ordinal, or an empty string when out of range.
  std::string_view EnumName(int Ordinal) const;
};

// Splits "a, b, c" (the text of an enumerator list) into the names of an
// enumeration's type information.
TTypeInfo MakeEnumTypeInfo(std::string_view Name, std::string_view Enumerators);
TTypeInfo MakeIntegerTypeInfo(std::string_view Name, std::span<const TIdentMapEntry> Map = {});

// The plain types. Enumerations, sets, classes and events find theirs
// through TypeInfoFor(T*), found by argument-dependent lookup.
const TTypeInfo& TypeInfoFor(int*);
const TTypeInfo& TypeInfoFor(std::int16_t*);
const TTypeInfo& TypeInfoFor(std::uint8_t*);
const TTypeInfo& TypeInfoFor(std::uint16_t*);
const TTypeInfo& TypeInfoFor(bool*);
const TTypeInfo& TypeInfoFor(char*);
const TTypeInfo& TypeInfoFor(double*);
const TTypeInfo& TypeInfoFor(std::string*);
const TTypeInfo& TypeInfoFor(std::int64_t*);

template <class T> const TTypeInfo& TypeInfoOf() { return TypeInfoFor(static_cast<T*>(nullptr)); }

// Declares an enumeration whose values are consecutive from 0, and its
// type information.
#define TAVREL_ENUM(Name, ...)                                                                     \
  enum Name : std::uint8_t { __VA_ARGS__ };                                                        \
  inline const TTypeInfo& TypeInfoFor(Name*) {                                                     \
    static const TTypeInfo Info = MakeEnumTypeInfo(#Name, #__VA_ARGS__);                           \
    return Info;                                                                                   \
  }
