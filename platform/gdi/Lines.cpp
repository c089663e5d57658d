// Lines with the DC's pen and ROP2. A solid line of any width is painted a
// row at a time: each visible row gets one span, the union of the w x w
// squares centred on the segment's pixels that cross it, so no pixel is
// painted twice and XOR drawing stays reversible. Several wide segments
// (Polyline) are merged into one region first for the same reason. Styled
// one-pixel pens walk the visible steps; the gaps take the background
// colour when the background mode is OPAQUE. Wider styled pens draw solid,
// like the desktop's cosmetic pens.
#include "platform/gdi/LineRaster.h"
#include "platform/gdi/SpanPainter.h"

#include <vector>

namespace {

// On/off run lengths in pixels of the cosmetic pen styles.
struct TStyle {
  int Runs[6];
  int Count;
};
const TStyle kStyles[] = {
    {{18, 6}, 2},            // PS_DASH
    {{3, 3}, 2},             // PS_DOT
    {{9, 6, 3, 6}, 4},       // PS_DASHDOT
    {{9, 3, 3, 3, 3, 3}, 6}, // PS_DASHDOTDOT
};

struct TPenInfo {
  bool Visible = false;
  int Width = 1;
  int Style = PS_SOLID;
  COLORREF Color = 0;
};

TPenInfo PenOf(const TGdiDC& DC) {
  TPenInfo P;
  const TGdiPen* Pen = GdiFind<TGdiPen>(DC.State.Pen, OBJ_PEN);
  if (!Pen || Pen->Log.lopnStyle == UINT(PS_NULL)) return P;
  P.Visible = true;
  P.Width = std::max<LONG>(Pen->Log.lopnWidth.X, 1);
  P.Style = int(Pen->Log.lopnStyle);
  P.Color = Pen->Log.lopnColor;
  if (P.Width > 1 || P.Style == PS_INSIDEFRAME) P.Style = PS_SOLID;
  return P;
}

bool StyleOn(const TStyle& S, std::int64_t Position) {
  int Period = 0;
  for (int i = 0; i < S.Count; ++i) Period += S.Runs[i];
  int P = int(Position % Period);
  for (int i = 0; i < S.Count; ++i) {
    if (P < S.Runs[i]) return (i & 1) == 0;
    P -= S.Runs[i];
  }
  return false;
}

// Calls Emit(Row, X0, X1) for every visible row of a solid stroke of the
// given width along Line.
template <class F>
void StrokeRows(const TLineRaster& Line, int Width, const TRect64& Bounds, F&& Emit) {
  if (Line.Steps() == 0) return;
  std::int64_t Half = Width / 2;
  TPoint64 A = Line.At(0), B = Line.At(Line.Steps() - 1);
  std::int64_t Top = std::max(std::min(A.Y, B.Y) - Half, Bounds.Top);
  std::int64_t Bottom = std::min(std::max(A.Y, B.Y) - Half + Width, Bounds.Bottom);
  for (std::int64_t Row = Top; Row < Bottom; ++Row) {
    std::int64_t First, Last;
    if (!Line.StepsWithin(true, Row - Width + 1 + Half, Row + Half, First, Last)) continue;
    std::int64_t XA = Line.At(First).X, XB = Line.At(Last).X;
    std::int64_t X0 = std::max(std::min(XA, XB) - Half, Bounds.Left);
    std::int64_t X1 = std::min(std::max(XA, XB) - Half + Width, Bounds.Right);
    if (X0 < X1) Emit(Row, X0, X1);
  }
}

// Paints a styled one-pixel segment; Phase is the style position of its
// first pixel, and the position after its last is returned.
std::int64_t StrokeStyled(TGdiDC& DC, const TSpanPainter& P, const TLineRaster& Line,
                          const TStyle& Style, std::int64_t Phase, const TGdiInk& Pen) {
  std::int64_t End = Phase + Line.Steps();
  std::int64_t R0, R1, C0, C1;
  const TRect64& B = P.Bounds();
  if (!Line.StepsWithin(true, B.Top, B.Bottom - 1, R0, R1) ||
      !Line.StepsWithin(false, B.Left, B.Right - 1, C0, C1))
    return End;
  TGdiInk Gap = TGdiInk::OfColor(DC, GdiResolveColor(DC, DC.State.BkColor));
  Gap.SetRop2(DC.State.Rop2);
  bool Opaque = DC.State.BkMode != TRANSPARENT;
  for (std::int64_t T = std::max(R0, C0); T <= std::min(R1, C1); ++T) {
    bool On = StyleOn(Style, Phase + T);
    if (!On && !Opaque) continue;
    TPoint64 Px = Line.At(T);
    P.Span(On ? Pen : Gap, Px.X, Px.X + 1, Px.Y);
  }
  return End;
}

} // namespace

void GdiStrokePolyline(TGdiDC& DC, const TPoint64* Pts, std::size_t Count) {
  TPenInfo Pen = PenOf(DC);
  TSpanPainter P(DC);
  if (!Pen.Visible || !P.Ready() || Count < 2) return;
  TGdiInk Ink = TGdiInk::OfColor(DC, GdiResolveColor(DC, Pen.Color));
  Ink.SetRop2(DC.State.Rop2);
  if (Pen.Style >= PS_DASH && Pen.Style <= PS_DASHDOTDOT) {
    std::int64_t Phase = 0;
    for (std::size_t i = 0; i + 1 < Count; ++i)
      Phase =
          StrokeStyled(DC, P, TLineRaster(Pts[i], Pts[i + 1]), kStyles[Pen.Style - 1], Phase, Ink);
    return;
  }
  if (Pen.Width == 1 || Count == 2) {
    for (std::size_t i = 0; i + 1 < Count; ++i)
      StrokeRows(
          TLineRaster(Pts[i], Pts[i + 1]), Pen.Width, P.Bounds(),
          [&](std::int64_t Row, std::int64_t X0, std::int64_t X1) { P.Span(Ink, X0, X1, Row); });
    return;
  }
  // The rows are collected in surface coordinates, which fit an int
  // wherever the surface can be painted.
  std::int64_t Ox = DC.SurfaceOrigin.X, Oy = DC.SurfaceOrigin.Y;
  std::vector<TRect> Rows;
  for (std::size_t i = 0; i + 1 < Count; ++i)
    StrokeRows(
        TLineRaster(Pts[i], Pts[i + 1]), Pen.Width, P.Bounds(),
        [&](std::int64_t Row, std::int64_t X0, std::int64_t X1) {
          Rows.push_back(TRect{int(X0 + Ox), int(Row + Oy), int(X1 + Ox), int(Row + Oy + 1)});
        });
  P.Region(Ink, TRegionData::FromRects(std::move(Rows)), -Ox, -Oy);
}

BOOL MoveToEx(HDC hdc, int x, int y, TPoint* old) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return FALSE;
  if (old) *old = DC->State.CurPos;
  DC->State.CurPos = TPoint{x, y};
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, TPoint* pos) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !pos) return FALSE;
  *pos = DC->State.CurPos;
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return FALSE;
  TPoint64 Pts[2] = {DeviceOf(*DC, DC->State.CurPos.X, DC->State.CurPos.Y), DeviceOf(*DC, x, y)};
  DC->State.CurPos = TPoint{x, y};
  GdiStrokePolyline(*DC, Pts, 2);
  return TRUE;
}

BOOL Polyline(HDC hdc, const TPoint* pts, int count) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !pts || count < 2) return FALSE;
  std::vector<TPoint64> Device;
  Device.reserve(std::size_t(count));
  for (int i = 0; i < count; ++i) Device.push_back(DeviceOf(*DC, pts[i].X, pts[i].Y));
  GdiStrokePolyline(*DC, Device.data(), Device.size());
  return TRUE;
}
