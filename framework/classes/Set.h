// TSet<E>: a set of up to 32 values of an enumeration, kept as a bit mask
// (bit n for ordinal n), which is also how form definitions store sets.
#pragma once

#include "framework/classes/TypeInfo.h"

#include <cstdint>
#include <initializer_list>

template <class E> class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Values) {
    for (E V : Values) FBits |= Bit(V);
  }
  static constexpr TSet FromBits(std::uint32_t Bits) {
    TSet S;
    S.FBits = Bits;
    return S;
  }

  constexpr std::uint32_t Bits() const { return FBits; }
  constexpr bool Contains(E V) const { return (FBits & Bit(V)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E V) {
    FBits |= Bit(V);
    return *this;
  }
  constexpr TSet& Exclude(E V) {
    FBits &= ~Bit(V);
    return *this;
  }
  constexpr TSet operator+(TSet O) const { return FromBits(FBits | O.FBits); }
  constexpr TSet operator-(TSet O) const { return FromBits(FBits & ~O.FBits); }
  constexpr TSet operator*(TSet O) const { return FromBits(FBits & O.FBits); }
  constexpr bool operator==(const TSet&) const = default;

private:
  static constexpr std::uint32_t Bit(E V) { return std::uint32_t(1) << unsigned(V); }
  std::uint32_t FBits = 0;
};

template <class E> const TTypeInfo& TypeInfoFor(TSet<E>*) {
  static const TTypeInfo Info = [] {
    const TTypeInfo& Element = TypeInfoOf<E>();
    TTypeInfo I{TTypeKind::Set, "set of " + Element.Name};
    I.ElementType = &Element;
    return I;
  }();
  return Info;
}
