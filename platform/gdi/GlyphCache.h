// The glyph cache of one realised font: hinted advances, kept for every
// glyph ever measured (a few bytes each), and rendered coverage bitmaps,
// kept up to a byte budget. Bitmaps are stored unrotated; rotation happens
// when a run is painted, so one cache serves every escapement.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// A rendered glyph: Coverage holds Width x Rows bytes (0..255), its top
// left pixel lies Left pixels right of the pen and Top pixels above the
// baseline.
struct TGlyphBitmap {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Rows = 0;
  std::vector<BYTE> Coverage;
};

class TGlyphCache {
public:
  explicit TGlyphCache(std::size_t GlyphCount);

  // False while the glyph's advance has not been stored.
  bool GetAdvance(std::uint32_t Glyph, int& Advance) const;
  void SetAdvance(std::uint32_t Glyph, int Advance);

  // The cached bitmap, or null. A pointer stays valid until the next
  // AddBitmap, which may evict.
  const TGlyphBitmap* FindBitmap(std::uint32_t Glyph) const;
  const TGlyphBitmap& AddBitmap(std::uint32_t Glyph, TGlyphBitmap Bitmap);

  std::size_t GetBitmapBytes() const { return FBitmapBytes; }

private:
  // Enough for every glyph of a UI font at menu sizes many times over; a
  // huge font outgrows it after a few glyphs and is re-rendered instead of
  // holding on to megabytes.
  static constexpr std::size_t kBitmapBudget = std::size_t(4) << 20;

  std::vector<int> FAdvances; // -1: not measured yet
  std::unordered_map<std::uint32_t, TGlyphBitmap> FBitmaps;
  std::size_t FBitmapBytes = 0;
};
