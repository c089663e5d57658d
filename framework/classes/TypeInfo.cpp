#include "framework/classes/TypeInfo.h"

#include "framework/runtime/SysUtils.h"

int TTypeInfo::EnumValue(std::string_view Name) const {
  for (std::size_t I = 0; I < EnumNames.size(); ++I)
    if (SameText(EnumNames[I], Name)) return int(I);
  return -1;
}

std::string_view TTypeInfo::EnumName(int Ordinal) const {
  if (Ordinal < 0 || std::size_t(Ordinal) >= EnumNames.size()) return {};
  return EnumNames[std::size_t(Ordinal)];
}

TTypeInfo MakeEnumTypeInfo(std::string_view Name, std::string_view Enumerators) {
  TTypeInfo Info{TTypeKind::Enumeration, std::string(Name)};
  while (!Enumerators.empty()) {
    std::size_t Comma = Enumerators.find(',');
    Info.EnumNames.push_back(Trim(Enumerators.substr(0, Comma)));
    if (Comma == std::string_view::npos) break;
    Enumerators.remove_prefix(Comma + 1);
  }
  return Info;
}

TTypeInfo MakeIntegerTypeInfo(std::string_view Name, std::span<const TIdentMapEntry> Map) {
  TTypeInfo Info{TTypeKind::Integer, std::string(Name)};
  Info.IdentMap = Map;
  return Info;
}

const TTypeInfo& TypeInfoFor(int*) {
  static const TTypeInfo Info = MakeIntegerTypeInfo("Integer");
  return Info;
}

const TTypeInfo& TypeInfoFor(std::int16_t*) {
  static const TTypeInfo Info = MakeIntegerTypeInfo("SmallInt");
  return Info;
}

const TTypeInfo& TypeInfoFor(std::uint8_t*) {
  static const TTypeInfo Info = MakeIntegerTypeInfo("Byte");
  return Info;
}

const TTypeInfo& TypeInfoFor(std::uint16_t*) {
  static const TTypeInfo Info = MakeIntegerTypeInfo("Word");
  return Info;
}

const TTypeInfo& TypeInfoFor(bool*) {
  static const TTypeInfo Info = MakeEnumTypeInfo("Boolean", "False, True");
  return Info;
}

const TTypeInfo& TypeInfoFor(char*) {
  static const TTypeInfo Info{TTypeKind::Char, "Char"};
  return Info;
}

const TTypeInfo& TypeInfoFor(double*) {
  static const TTypeInfo Info{TTypeKind::Float, "Double"};
  return Info;
}

const TTypeInfo& TypeInfoFor(std::string*) {
  static const TTypeInfo Info{TTypeKind::String, "string"};
  return Info;
}

const TTypeInfo& TypeInfoFor(std::int64_t*) {
  static const TTypeInfo Info{TTypeKind::Int64, "Int64"};
  return Info;
}
