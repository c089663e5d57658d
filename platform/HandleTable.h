// Handle tables: every desktop object (GDI object, device context, window,
// menu) lives in a table slot and is reached through an opaque handle that
// encodes the slot index and a generation count. A handle whose slot was
// freed or reused no longer matches, so stale handles are answered with
// "not found" instead of touching freed memory.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

template <class T> class THandleTable {
public:
  // Stores Obj and returns its handle value (never 0).
  std::uintptr_t Add(std::unique_ptr<T> Obj) {
    std::uint32_t Index;
    if (!FFree.empty()) {
      Index = FFree.back();
      FFree.pop_back();
    } else {
      Index = std::uint32_t(FSlots.size());
      FSlots.emplace_back();
    }
    TSlot& S = FSlots[Index];
    S.Obj = std::move(Obj);
    S.Generation = (S.Generation + 1) & kGenerationMask;
    if (S.Generation == 0) S.Generation = 1;
    return Encode(Index, S.Generation);
  }

  // The object behind Handle, or null for 0, stale or foreign values.
  T* Find(std::uintptr_t Handle) const {
    const TSlot* S = SlotOf(Handle);
    return S ? S->Obj.get() : nullptr;
  }

  // Takes the object out of the table; the handle becomes stale.
  std::unique_ptr<T> Remove(std::uintptr_t Handle) {
    TSlot* S = const_cast<TSlot*>(SlotOf(Handle));
    if (!S) return nullptr;
    std::unique_ptr<T> Obj = std::move(S->Obj);
    FFree.push_back(std::uint32_t(S - FSlots.data()));
    return Obj;
  }

  template <class F> void ForEach(F&& Fn) const {
    for (std::size_t i = 0; i < FSlots.size(); ++i)
      if (FSlots[i].Obj) Fn(Encode(std::uint32_t(i), FSlots[i].Generation), FSlots[i].Obj.get());
  }

  std::size_t Count() const { return FSlots.size() - FFree.size(); }

private:
  static constexpr unsigned kIndexBits = 24;
  static constexpr std::uint32_t kGenerationMask = 0x7FFFFF;
  // A tag in the high bits keeps small integers (0, 1, -1, lengths) from
  // ever being mistaken for a handle.
  static constexpr std::uintptr_t kTag = std::uintptr_t(0x5A) << 48;

  struct TSlot {
    std::unique_ptr<T> Obj;
    std::uint32_t Generation = 0;
  };

  static std::uintptr_t Encode(std::uint32_t Index, std::uint32_t Generation) {
    return kTag | (std::uintptr_t(Generation) << kIndexBits) | (Index + 1);
  }

  const TSlot* SlotOf(std::uintptr_t Handle) const {
    if ((Handle & (std::uintptr_t(0xFFFF) << 48)) != kTag) return nullptr;
    std::uint32_t Index = std::uint32_t(Handle & ((1u << kIndexBits) - 1));
    std::uint32_t Generation = std::uint32_t((Handle >> kIndexBits) & kGenerationMask);
    if (Index == 0 || Index > FSlots.size()) return nullptr;
    const TSlot& S = FSlots[Index - 1];
    if (!S.Obj || S.Generation != Generation) return nullptr;
    return &S;
  }

  std::vector<TSlot> FSlots;
  std::vector<std::uint32_t> FFree;
};
