// Rectangle, RoundRect and Ellipse. All three are one figure, a rectangle
// with elliptic corners (a Rectangle has none, an Ellipse's corners take
// the whole bounds), worked out a row at a time. The pen stays inside the
// bounds whatever its width: the outline is the figure minus the same
// figure inset by the pen width (its corner ellipses shrunk by twice the
// width), and the brush fills that inner figure, so no pixel is painted
// twice and ROP2 applies once everywhere. With a null pen the desktop
// fills a figure one pixel smaller on the right and bottom; that is kept.
// Styled one-pixel pens draw dashed outlines on rectangles; elliptic
// outlines are drawn solid whatever the style.
#include "platform/gdi/SpanPainter.h"

#include <cmath>

namespace {

using TWide = __int128;

constexpr std::int64_t kExact = std::int64_t(1) << 30;

// Whether the pixel whose doubled offset from the ellipse centre is
// (Dx2, Dy2) lies inside the ellipse inscribed in a W x H box.
bool InsideEllipse(std::int64_t Dx2, std::int64_t Dy2, std::int64_t W, std::int64_t H) {
  if (W < kExact && H < kExact) {
    TWide L = TWide(Dx2) * Dx2 * H * H + TWide(Dy2) * Dy2 * W * W;
    return L <= TWide(W) * W * H * H;
  }
  long double X = (long double)Dx2 / W, Y = (long double)Dy2 / H;
  return X * X + Y * Y <= 1.0L;
}

// How many pixels row K of the ellipse inscribed in a W x H box leaves
// out on each side; (W + 1) / 2 for a row with no pixel.
std::int64_t EllipseInset(std::int64_t W, std::int64_t H, std::int64_t K) {
  std::int64_t Dy2 = 2 * K + 1 - H;
  long double Frac = 1.0L - ((long double)Dy2 / H) * ((long double)Dy2 / H);
  auto D = std::int64_t(W * std::sqrt(std::max(Frac, 0.0L)));
  int Parity = int((W + 1) & 1);
  auto Fix = [Parity](std::int64_t V) { return (V & 1) == Parity ? V : V - 1; };
  D = Fix(std::min(D + 2, W));
  while (D >= 0 && !InsideEllipse(D, Dy2, W, H)) D -= 2;
  if (D < 0) return (W + 1) / 2;
  return (W - 1 - D) / 2;
}

// A rectangle with elliptic corners of EW x EH (0 for square corners).
struct TFigure {
  TRect64 B{0, 0, 0, 0};
  std::int64_t EW = 0, EH = 0;

  TFigure(const TRect64& Bounds, std::int64_t CornerW, std::int64_t CornerH) : B(Bounds) {
    if (B.Empty()) return;
    EW = std::clamp<std::int64_t>(CornerW, 0, B.Right - B.Left);
    EH = std::clamp<std::int64_t>(CornerH, 0, B.Bottom - B.Top);
    if (EW == 0 || EH == 0) EW = EH = 0;
  }

  bool Row(std::int64_t Y, std::int64_t& X0, std::int64_t& X1) const {
    if (B.Empty() || Y < B.Top || Y >= B.Bottom) return false;
    std::int64_t K = Y - B.Top, FromBottom = B.Bottom - 1 - Y, Inset = 0;
    if (K < EH / 2)
      Inset = EllipseInset(EW, EH, K);
    else if (FromBottom < EH / 2)
      Inset = EllipseInset(EW, EH, EH - 1 - FromBottom);
    X0 = B.Left + Inset;
    X1 = B.Right - Inset;
    return X0 < X1;
  }

  TFigure Inset(std::int64_t W) const {
    TRect64 In{B.Left + W, B.Top + W, B.Right - W, B.Bottom - W};
    return TFigure(In, EW > 0 ? EW - 2 * W : 0, EH > 0 ? EH - 2 * W : 0);
  }
};

void PaintFigure(const TSpanPainter& P, const TFigure& Outer, const TFigure* Inner,
                 const TGdiInk& Pen, const TGdiInk& Brush) {
  const TRect64& Vis = P.Bounds();
  std::int64_t Top = std::max(Outer.B.Top, Vis.Top);
  std::int64_t Bottom = std::min(Outer.B.Bottom, Vis.Bottom);
  for (std::int64_t Y = Top; Y < Bottom; ++Y) {
    std::int64_t O0, O1, I0, I1;
    if (!Outer.Row(Y, O0, O1)) continue;
    O0 = std::max(O0, Vis.Left - 1);
    O1 = std::min(O1, Vis.Right + 1);
    if (!Inner) {
      P.Span(Brush, O0, O1, Y);
    } else if (Inner->Row(Y, I0, I1)) {
      I0 = std::clamp(I0, O0, O1);
      I1 = std::clamp(I1, I0, O1);
      P.Span(Pen, O0, I0, Y);
      P.Span(Brush, I0, I1, Y);
      P.Span(Pen, I1, O1, Y);
    } else {
      P.Span(Pen, O0, O1, Y);
    }
  }
}

// A dashed one-pixel outline along the rectangle's edge, then the fill.
void PaintStyledRectangle(TGdiDC& DC, const TRect64& B, const TGdiInk& Brush) {
  TPoint64 Corners[5] = {{B.Left, B.Top},
                         {B.Right - 1, B.Top},
                         {B.Right - 1, B.Bottom - 1},
                         {B.Left, B.Bottom - 1},
                         {B.Left, B.Top}};
  GdiStrokePolyline(DC, Corners, 5);
  TSpanPainter(DC).Rect(Brush, TRect64{B.Left + 1, B.Top + 1, B.Right - 1, B.Bottom - 1});
}

BOOL DrawFigure(HDC hdc, int left, int top, int right, int bottom, int ew, int eh,
                bool WholeEllipse) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return FALSE;
  TRect64 B = DeviceOf(*DC, left, top, right, bottom).Normalized();
  TSpanPainter P(*DC);
  if (B.Empty() || !P.Ready()) return TRUE;
  TGdiInk Brush = TGdiInk::OfBrush(*DC, DC->State.Brush);
  Brush.SetRop2(DC->State.Rop2);
  const TGdiPen* Pen = GdiFind<TGdiPen>(DC->State.Pen, OBJ_PEN);
  if (!Pen || Pen->Log.lopnStyle == UINT(PS_NULL)) {
    TRect64 Smaller{B.Left, B.Top, B.Right - 1, B.Bottom - 1};
    std::int64_t W = WholeEllipse ? Smaller.Right - Smaller.Left : ew;
    std::int64_t H = WholeEllipse ? Smaller.Bottom - Smaller.Top : eh;
    PaintFigure(P, TFigure(Smaller, W, H), nullptr, Brush, Brush);
    return TRUE;
  }
  std::int64_t Width = std::max<LONG>(Pen->Log.lopnWidth.X, 1);
  int Style = int(Pen->Log.lopnStyle);
  TFigure Outer(B, WholeEllipse ? B.Right - B.Left : ew, WholeEllipse ? B.Bottom - B.Top : eh);
  if (Width == 1 && Style >= PS_DASH && Style <= PS_DASHDOTDOT && Outer.EW == 0 &&
      B.Right - B.Left >= 2 && B.Bottom - B.Top >= 2) {
    PaintStyledRectangle(*DC, B, Brush);
    return TRUE;
  }
  TGdiInk Ink = TGdiInk::OfColor(*DC, GdiResolveColor(*DC, Pen->Log.lopnColor));
  Ink.SetRop2(DC->State.Rop2);
  TFigure Inner = Outer.Inset(Width);
  PaintFigure(P, Outer, &Inner, Ink, Brush);
  return TRUE;
}

} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  return DrawFigure(hdc, left, top, right, bottom, 0, 0, false);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int ew, int eh) {
  return DrawFigure(hdc, left, top, right, bottom, ew, eh, false);
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  return DrawFigure(hdc, left, top, right, bottom, 0, 0, true);
}
