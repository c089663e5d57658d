// CreatePatternBrush: the brush keeps its own copy of the bitmap, so the
// bitmap may be changed or deleted afterwards without touching the brush.
// A monochrome device-dependent bitmap becomes a two-colour pattern that
// paints in the DC's text (0 bits) and background (1 bits) colours at the
// time of drawing; any other bitmap is copied as colours.
#include "platform/gdi/BitmapSupport.h"
#include "platform/gdi/Gdi.h"

namespace {

// Patterns are tiles; a brush many times larger than any screen is refused
// instead of being copied.
constexpr std::uint64_t kMaxPatternPixels = std::uint64_t(1) << 24;

} // namespace

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  const TGdiBitmap* B = GdiFind<TGdiBitmap>(bitmap, OBJ_BITMAP);
  if (!B || B->Width() <= 0 || B->Height() <= 0 || !B->Bits()) return nullptr;
  if (std::uint64_t(B->Width()) * std::uint64_t(B->Height()) > kMaxPatternPixels) return nullptr;
  auto Brush = std::make_unique<TGdiBrush>();
  Brush->Log = LOGBRUSH{BS_PATTERN, 0, reinterpret_cast<std::uintptr_t>(bitmap)};
  Brush->PatternWidth = B->Width();
  Brush->PatternHeight = B->Height();
  Brush->PatternMono = IsMonoDDB(*B);
  Brush->Pattern.reserve(std::size_t(B->Width()) * std::size_t(B->Height()));
  for (int Y = 0; Y < B->Height(); ++Y)
    for (int X = 0; X < B->Width(); ++X)
      Brush->Pattern.push_back(Brush->PatternMono ? ReadIndex(*B, X, Y) : B->ReadPixel(X, Y));
  return static_cast<HBRUSH>(GdiAdd(std::move(Brush)));
}
