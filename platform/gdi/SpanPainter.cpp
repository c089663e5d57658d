// Clip rectangles arrive banded and sorted by top, so a span stops looking
// at them once they start below its row.
#include "platform/gdi/SpanPainter.h"

TSpanPainter::TSpanPainter(TGdiDC& DC)
    : FSurface(DC.Surface()), FClip(&DC.SurfaceClipRects()), FOx(DC.SurfaceOrigin.X),
      FOy(DC.SurfaceOrigin.Y) {
  if (!Ready()) return;
  TRect64 B{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
  for (const TRect& C : *FClip) {
    B.Left = std::min<std::int64_t>(B.Left, C.Left);
    B.Top = std::min<std::int64_t>(B.Top, C.Top);
    B.Right = std::max<std::int64_t>(B.Right, C.Right);
    B.Bottom = std::max<std::int64_t>(B.Bottom, C.Bottom);
  }
  FBounds = TRect64{B.Left - FOx, B.Top - FOy, B.Right - FOx, B.Bottom - FOy};
}

void TSpanPainter::Span(const TGdiInk& Ink, std::int64_t X0, std::int64_t X1,
                        std::int64_t Y) const {
  if (!Ready() || X0 >= X1) return;
  std::int64_t SY = Y + FOy, SX0 = X0 + FOx, SX1 = X1 + FOx;
  for (const TRect& C : *FClip) {
    if (C.Top > SY) break;
    if (SY >= C.Bottom) continue;
    std::int64_t L = std::max<std::int64_t>(SX0, C.Left), R = std::min<std::int64_t>(SX1, C.Right);
    if (L < R) Ink.PaintSpan(*FSurface, int(L), int(R), int(SY));
  }
}

void TSpanPainter::Rect(const TGdiInk& Ink, const TRect64& R) const {
  if (!Ready() || R.Empty()) return;
  TRect64 S{R.Left + FOx, R.Top + FOy, R.Right + FOx, R.Bottom + FOy};
  for (const TRect& C : *FClip) {
    TRect64 P = S.Intersect(TRect64{C.Left, C.Top, C.Right, C.Bottom});
    if (P.Empty()) continue;
    for (std::int64_t Y = P.Top; Y < P.Bottom; ++Y)
      Ink.PaintSpan(*FSurface, int(P.Left), int(P.Right), int(Y));
  }
}

void TSpanPainter::Region(const TGdiInk& Ink, const TRegionData& R, std::int64_t Dx,
                          std::int64_t Dy) const {
  for (const TRect& Q : R.Rects())
    Rect(Ink, TRect64{Q.Left + Dx, Q.Top + Dy, Q.Right + Dx, Q.Bottom + Dy});
}
