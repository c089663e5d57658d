// Brushes are resolved into an ink once per operation. Hatches are 8x8
// cells (lines on row 0 and column 0, diagonals through the cell corners)
// drawn in the brush colour over the DC's background colour, or over what
// is already there when the background mode is TRANSPARENT. Patterns tile
// from the brush origin; a monochrome pattern shows its 0 bits in the text
// colour and its 1 bits in the background colour.
#include "platform/gdi/GdiInk.h"

#include "platform/gdi/BitmapSupport.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr BYTE kPatCopy = 0xF0;

int Wrap(std::int64_t V, int N) {
  int M = int(V % N);
  return M < 0 ? M + N : M;
}

bool HatchBit(int Style, int X, int Y) {
  switch (Style) {
  case HS_HORIZONTAL: return Y == 0;
  case HS_VERTICAL: return X == 0;
  case HS_FDIAGONAL: return X == Y;
  case HS_BDIAGONAL: return X + Y == 7;
  case HS_CROSS: return X == 0 || Y == 0;
  case HS_DIAGCROSS: return X == Y || X + Y == 7;
  default: return false;
  }
}

// Handles 1 .. COLOR_MAX + 1 stand for the system colour brushes, as the
// desktop allows wherever a brush fills a rectangle.
HGDIOBJ SystemBrushFor(HGDIOBJ Brush) {
  auto V = reinterpret_cast<std::uintptr_t>(Brush);
  if (V >= 1 && V <= std::uintptr_t(COLOR_MAX) + 1) return GetSysColorBrush(int(V) - 1);
  return Brush;
}

} // namespace

TGdiInk TGdiInk::OfColor(const TGdiDC& DC, TRgb32 Color) {
  TGdiInk Ink;
  Ink.FKind = TKind::Solid;
  Ink.FColor = Color;
  Ink.FSurfX = DC.SurfaceOrigin.X;
  Ink.FSurfY = DC.SurfaceOrigin.Y;
  return Ink;
}

TGdiInk TGdiInk::OfBrush(const TGdiDC& DC, HGDIOBJ Brush) {
  TGdiInk Ink = OfColor(DC, 0);
  Ink.FKind = TKind::None;
  const TGdiBrush* B = GdiFind<TGdiBrush>(SystemBrushFor(Brush), OBJ_BRUSH);
  if (!B) return Ink;
  Ink.FOrgX = std::int64_t(DC.SurfaceOrigin.X) + DC.State.BrushOrg.X;
  Ink.FOrgY = std::int64_t(DC.SurfaceOrigin.Y) + DC.State.BrushOrg.Y;
  switch (B->Log.lbStyle) {
  case BS_SOLID:
    Ink.FKind = TKind::Solid;
    Ink.FColor = GdiResolveColor(DC, B->Log.lbColor);
    break;
  case BS_HATCHED:
    Ink.FKind = TKind::Hatch;
    Ink.FColor = GdiResolveColor(DC, B->Log.lbColor);
    Ink.FBack = GdiResolveColor(DC, DC.State.BkColor);
    Ink.FOpaque = DC.State.BkMode != TRANSPARENT;
    Ink.FHatch = int(B->Log.lbHatch);
    break;
  case BS_PATTERN:
    if (B->PatternWidth <= 0 || B->PatternHeight <= 0 ||
        B->Pattern.size() < std::size_t(B->PatternWidth) * std::size_t(B->PatternHeight))
      break;
    Ink.FKind = TKind::Pattern;
    Ink.FBrush = B;
    Ink.FColor = GdiResolveColor(DC, DC.State.TextColor);
    Ink.FBack = GdiResolveColor(DC, DC.State.BkColor);
    break;
  default: break;
  }
  return Ink;
}

bool TGdiInk::At(std::int64_t DeviceX, std::int64_t DeviceY, TRgb32& Out) const {
  std::int64_t SX = DeviceX + FSurfX, SY = DeviceY + FSurfY;
  switch (FKind) {
  case TKind::None: return false;
  case TKind::Solid: Out = FColor; return true;
  case TKind::Hatch:
    if (HatchBit(FHatch, Wrap(SX - FOrgX, 8), Wrap(SY - FOrgY, 8))) {
      Out = FColor;
      return true;
    }
    Out = FBack;
    return FOpaque;
  case TKind::Pattern: {
    int PX = Wrap(SX - FOrgX, FBrush->PatternWidth), PY = Wrap(SY - FOrgY, FBrush->PatternHeight);
    DWORD V = FBrush->Pattern[std::size_t(PY) * std::size_t(FBrush->PatternWidth) + PX];
    if (FBrush->PatternMono)
      Out = V ? FBack : FColor;
    else
      Out = V & 0xFFFFFF;
    return true;
  }
  }
  return false;
}

TRgb32 TGdiInk::Mix(TRgb32 P, TRgb32 D) const {
  return FUseRop3 ? ApplyRop3(FRop3, P, 0, D) : ApplyRop2(FRop2, P, D);
}

void TGdiInk::PaintSpan(TGdiBitmap& Surface, int X0, int X1, int Y) const {
  if (FKind == TKind::None || X0 >= X1) return;
  bool Copy = FUseRop3 ? FRop3 == kPatCopy : FRop2 == R2_COPYPEN;
  if (FKind == TKind::Solid) {
    if (Copy) return Surface.FillSpan(X0, X1, Y, FColor);
    if (!FUseRop3) return Surface.RopSpan(X0, X1, Y, FColor, FRop2);
  }
  if (Copy && FKind == TKind::Pattern && Surface.BitsPerPixel() == 32)
    return CopyPatternSpan32(Surface, X0, X1, Y);
  // Indexed surfaces combine colour-table indexes, as RopSpan and blits do.
  unsigned Mask = IsIndexed(Surface) ? (1u << Surface.BitsPerPixel()) - 1 : 0xFFFFFFu;
  for (int X = X0; X < X1; ++X) {
    TRgb32 P;
    if (!At(std::int64_t(X) - FSurfX, std::int64_t(Y) - FSurfY, P)) continue;
    if (Copy)
      Surface.WritePixel(X, Y, P);
    else
      WriteValue(Surface, X, Y, Mix(ValueOfColor(Surface, P), ReadValue(Surface, X, Y)) & Mask);
  }
}

// Scrollbar troughs and dithered fills are pattern brushes copied onto
// 32-bit window surfaces: one pattern row serves the whole span, walked
// column by column instead of looked up per pixel.
void TGdiInk::CopyPatternSpan32(TGdiBitmap& Surface, int X0, int X1, int Y) const {
  const int W = FBrush->PatternWidth;
  const int PY = Wrap(std::int64_t(Y) - FOrgY, FBrush->PatternHeight);
  const DWORD* PatRow = FBrush->Pattern.data() + std::size_t(PY) * std::size_t(W);
  int PX = Wrap(std::int64_t(X0) - FOrgX, W);
  std::uint32_t* Out = reinterpret_cast<std::uint32_t*>(Surface.Row(Y)) + X0;
  for (int X = X0; X < X1; ++X, ++Out) {
    const DWORD V = PatRow[PX];
    *Out = FBrush->PatternMono ? (V ? FBack : FColor) & 0xFFFFFF : V & 0xFFFFFF;
    if (++PX == W) PX = 0;
  }
}
