// Rectangle and region fills. These paint with the brush as a pattern
// (PATCOPY and the other pattern-destination raster operations) and ignore
// the DC's ROP2, as the desktop does. Empty and inverted rectangles paint
// nothing; PatBlt alone takes negative extents, measuring from (x, y) back.
#include "platform/gdi/DcState.h"
#include "platform/gdi/SpanPainter.h"

#include <optional>

namespace {

constexpr BYTE kPatCopy = 0xF0, kDstInvert = 0x55;

bool IsBrushArgument(HBRUSH Brush) {
  auto V = reinterpret_cast<std::uintptr_t>(Brush);
  if (V >= 1 && V <= std::uintptr_t(COLOR_MAX) + 1) return true;
  return GdiFind(Brush, OBJ_BRUSH) != nullptr;
}

bool UsesSource(BYTE Rop3) { return ((Rop3 & 0xCC) >> 2) != (Rop3 & 0x33); }
bool UsesPattern(BYTE Rop3) { return ((Rop3 & 0xF0) >> 4) != (Rop3 & 0x0F); }

TRect64 LogicalRect(const TGdiDC& DC, const TRect& R) {
  return DeviceOf(DC, R.Left, R.Top, R.Right, R.Bottom);
}

void PaintRect(TGdiDC& DC, const TRect64& R, HGDIOBJ Brush, BYTE Rop3) {
  TGdiInk Ink = UsesPattern(Rop3) ? TGdiInk::OfBrush(DC, Brush) : TGdiInk::OfColor(DC, 0);
  Ink.SetRop3(Rop3);
  TSpanPainter(DC).Rect(Ink, R);
}

// The pixels p of R for which p + k * Step stays in R for every k in
// [-Reach, Reach]: R shrunk by Reach along one axis. Built from the sets
// "the next n pixels are all in R" by doubling n, so a wide frame costs a
// few region intersections, not one per pixel of width.
TRegionData ErodeAxis(const TRegionData& R, int Reach, bool Horizontal) {
  auto Shifted = [Horizontal](TRegionData S, std::int64_t By) {
    int D = TGdiDC::Saturate(-By);
    Horizontal ? S.Offset(D, 0) : S.Offset(0, D);
    return S;
  };
  std::int64_t Length = 2 * std::int64_t(Reach) + 1;
  std::optional<TRegionData> Run;
  std::int64_t RunLength = 0;
  TRegionData Power = R;
  std::int64_t PowerLength = 1;
  while (Length > 0 && !Power.IsEmpty()) {
    if (Length & 1) {
      Run = Run ? TRegionData::Intersect(*Run, Shifted(Power, RunLength)) : Power;
      RunLength += PowerLength;
    }
    Length >>= 1;
    if (Length > 0) {
      Power = TRegionData::Intersect(Power, Shifted(Power, PowerLength));
      PowerLength *= 2;
    }
  }
  if (Length > 0 || !Run) return TRegionData();
  return Shifted(*Run, -std::int64_t(Reach));
}

} // namespace

int FillRect(HDC hdc, const TRect* r, HBRUSH brush) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !r || !IsBrushArgument(brush)) return FALSE;
  PaintRect(*DC, LogicalRect(*DC, *r), brush, kPatCopy);
  return TRUE;
}

int FrameRect(HDC hdc, const TRect* r, HBRUSH brush) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !r || !IsBrushArgument(brush)) return FALSE;
  TRect64 R = LogicalRect(*DC, *r);
  if (R.Empty()) return TRUE;
  TGdiInk Ink = TGdiInk::OfBrush(*DC, brush);
  Ink.SetRop3(kPatCopy);
  TSpanPainter P(*DC);
  P.Rect(Ink, TRect64{R.Left, R.Top, R.Right, R.Top + 1});
  if (R.Bottom - 1 > R.Top) P.Rect(Ink, TRect64{R.Left, R.Bottom - 1, R.Right, R.Bottom});
  P.Rect(Ink, TRect64{R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1});
  if (R.Right - 1 > R.Left) P.Rect(Ink, TRect64{R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1});
  return TRUE;
}

BOOL InvertRect(HDC hdc, const TRect* r) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !r) return FALSE;
  PaintRect(*DC, LogicalRect(*DC, *r), nullptr, kDstInvert);
  return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  TGdiDC* DC = GdiFindDC(hdc);
  BYTE Rop3 = BYTE(rop >> 16);
  if (!DC || UsesSource(Rop3)) return FALSE;
  TPoint64 A = DeviceOf(*DC, x, y);
  TRect64 R = TRect64{A.X, A.Y, A.X + w, A.Y + h}.Normalized();
  PaintRect(*DC, R, DC->State.Brush, Rop3);
  return TRUE;
}

BOOL FillRgn(HDC hdc, HRGN rgn, HBRUSH brush) {
  TGdiDC* DC = GdiFindDC(hdc);
  const TGdiRegion* R = GdiFind<TGdiRegion>(rgn, OBJ_REGION);
  if (!DC || !R || !IsBrushArgument(brush)) return FALSE;
  TGdiInk Ink = TGdiInk::OfBrush(*DC, brush);
  Ink.SetRop3(kPatCopy);
  TPoint64 O = DeviceOf(*DC, 0, 0);
  TSpanPainter(*DC).Region(Ink, R->Data, O.X, O.Y);
  return TRUE;
}

BOOL FrameRgn(HDC hdc, HRGN rgn, HBRUSH brush, int w, int h) {
  TGdiDC* DC = GdiFindDC(hdc);
  const TGdiRegion* R = GdiFind<TGdiRegion>(rgn, OBJ_REGION);
  if (!DC || !R || !IsBrushArgument(brush) || w <= 0 || h <= 0) return FALSE;
  TRegionData Inner = ErodeAxis(ErodeAxis(R->Data, w, true), h, false);
  TRegionData Frame = TRegionData::Combine(R->Data, Inner, RGN_DIFF);
  TGdiInk Ink = TGdiInk::OfBrush(*DC, brush);
  Ink.SetRop3(kPatCopy);
  TPoint64 O = DeviceOf(*DC, 0, 0);
  TSpanPainter(*DC).Region(Ink, Frame, O.X, O.Y);
  return TRUE;
}
