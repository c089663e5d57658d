// Eviction is all-or-nothing: when a new bitmap would pass the budget the
// bitmaps are dropped together. Text reuses a small working set, so the
// cache refills with what is in use; tracking recency per glyph would cost
// more on every hit than it saves on the rare overflow.
#include "platform/gdi/GlyphCache.h"

#include <utility>

TGlyphCache::TGlyphCache(std::size_t GlyphCount) : FAdvances(GlyphCount, -1) {}

bool TGlyphCache::GetAdvance(std::uint32_t Glyph, int& Advance) const {
  if (Glyph >= FAdvances.size() || FAdvances[Glyph] < 0) return false;
  Advance = FAdvances[Glyph];
  return true;
}

void TGlyphCache::SetAdvance(std::uint32_t Glyph, int Advance) {
  if (Glyph < FAdvances.size() && Advance >= 0) FAdvances[Glyph] = Advance;
}

const TGlyphBitmap* TGlyphCache::FindBitmap(std::uint32_t Glyph) const {
  auto It = FBitmaps.find(Glyph);
  return It == FBitmaps.end() ? nullptr : &It->second;
}

const TGlyphBitmap& TGlyphCache::AddBitmap(std::uint32_t Glyph, TGlyphBitmap Bitmap) {
  std::size_t Bytes = Bitmap.Coverage.size() + sizeof(TGlyphBitmap);
  if (FBitmapBytes + Bytes > kBitmapBudget) {
    FBitmaps.clear();
    FBitmapBytes = 0;
  }
  auto [It, Inserted] = FBitmaps.insert_or_assign(Glyph, std::move(Bitmap));
  if (Inserted) FBitmapBytes += Bytes;
  return It->second;
}
