// Coordinates: run space has X along the baseline direction and Y across
// it, downwards, with the cell at [0, width) x [0, cell height). A run
// point (u, v) lands on the surface at the reference point plus the
// rotated offset (u - refU, v - refV); the inverse of that rotation maps
// surface pixel centres back into the mask. The loops step in 16.16 fixed
// point from doubled, odd pixel-centre offsets, which keeps right angles
// exact and avoids floating point per pixel.
#include "platform/gdi/TextPainter.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/SpanPainter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

constexpr std::int64_t kFixedOne = 65536;

} // namespace

// Writes text and background pixels of one surface row. 32-bit surfaces,
// which every window and most memory DCs use, are written in place; the
// other depths go through the bitmap's pixel conversion.
class TTextPainter::TPixelWriter {
public:
  TPixelWriter(TGdiBitmap* Surface, TRgb32 Text, TRgb32 Back)
      : FSurface(Surface), FText(Text), FBack(Back), FDirect(Surface->BitsPerPixel() == 32) {}

  void SetRow(int Y) {
    FY = Y;
    if (FDirect) FRow = reinterpret_cast<std::uint32_t*>(FSurface->Row(Y));
  }
  void Back(int X) {
    if (FDirect)
      FRow[X] = FBack;
    else
      FSurface->WritePixel(X, FY, FBack);
  }
  void Text(int X, int Coverage) {
    if (!FDirect) return FSurface->BlendPixel(X, FY, FText, Coverage);
    if (Coverage >= 255) {
      FRow[X] = FText;
      return;
    }
    const std::uint32_t D = FRow[X];
    std::uint32_t Mixed = 0;
    for (int Shift = 0; Shift <= 16; Shift += 8) {
      const std::uint32_t Src = (FText >> Shift) & 0xFF, Dst = (D >> Shift) & 0xFF;
      Mixed |= ((Src * std::uint32_t(Coverage) + Dst * std::uint32_t(255 - Coverage) + 127) / 255)
               << Shift;
    }
    FRow[X] = Mixed;
  }

private:
  TGdiBitmap* FSurface;
  TRgb32 FText, FBack;
  bool FDirect;
  int FY = 0;
  std::uint32_t* FRow = nullptr;
};

TTextPainter::TBox TTextPainter::TBox::Intersect(const TBox& O) const {
  return TBox{std::max(X0, O.X0), std::max(Y0, O.Y0), std::min(X1, O.X1), std::min(Y1, O.Y1)};
}

TTextPainter::TBox TTextPainter::TBox::Union(const TBox& O) const {
  if (Empty()) return O;
  if (O.Empty()) return *this;
  return TBox{std::min(X0, O.X0), std::min(Y0, O.Y0), std::max(X1, O.X1), std::max(Y1, O.Y1)};
}

TTextPainter::TTextPainter(TGdiDC& DC, TRealizedFont& Font)
    : FDC(DC), FFont(Font), FSurface(DC.Surface()) {}

TTextPainter::TRotation TTextPainter::RotationOf(LONG Escapement) {
  int E = int(((std::int64_t(Escapement) % 3600) + 3600) % 3600);
  switch (E) {
  case 0: return {1, 0, kFixedOne, 0};
  case 900: return {0, 1, 0, kFixedOne};
  case 1800: return {-1, 0, -kFixedOne, 0};
  case 2700: return {0, -1, 0, -kFixedOne};
  default: break;
  }
  double A = E * std::numbers::pi / 1800.0;
  double C = std::cos(A), S = std::sin(A);
  return {C, S, std::llround(C * kFixedOne), std::llround(S * kFixedOne)};
}

TPoint64 TTextPainter::Advance(std::int64_t Width, LONG Escapement) {
  TRotation R = RotationOf(Escapement);
  return TPoint64{std::llround(double(Width) * R.C), -std::llround(double(Width) * R.S)};
}

TTextPainter::TBox TTextPainter::DeviceBoxOf(const TBox& Run) const {
  double MinX = 1e300, MinY = 1e300, MaxX = -1e300, MaxY = -1e300;
  for (std::int64_t U : {Run.X0, Run.X1})
    for (std::int64_t V : {Run.Y0, Run.Y1}) {
      double Du = double(U - FRefU), Dv = double(V - FRefV);
      double X = Du * FRot.C + Dv * FRot.S, Y = -Du * FRot.S + Dv * FRot.C;
      MinX = std::min(MinX, X), MaxX = std::max(MaxX, X);
      MinY = std::min(MinY, Y), MaxY = std::max(MaxY, Y);
    }
  return TBox{FPx + std::int64_t(std::floor(MinX)), FPy + std::int64_t(std::floor(MinY)),
              FPx + std::int64_t(std::ceil(MaxX)), FPy + std::int64_t(std::ceil(MaxY))};
}

TTextPainter::TBox TTextPainter::RunBoxOf(const TBox& Device) const {
  double MinU = 1e300, MinV = 1e300, MaxU = -1e300, MaxV = -1e300;
  for (std::int64_t X : {Device.X0, Device.X1})
    for (std::int64_t Y : {Device.Y0, Device.Y1}) {
      double A = double(X - FPx), B = double(Y - FPy);
      double U = A * FRot.C - B * FRot.S, V = A * FRot.S + B * FRot.C;
      MinU = std::min(MinU, U), MaxU = std::max(MaxU, U);
      MinV = std::min(MinV, V), MaxV = std::max(MaxV, V);
    }
  // A pixel of slack absorbs rounding at angles that are not exact.
  return TBox{FRefU + std::int64_t(std::floor(MinU)) - 1,
              FRefV + std::int64_t(std::floor(MinV)) - 1, FRefU + std::int64_t(std::ceil(MaxU)) + 1,
              FRefV + std::int64_t(std::ceil(MaxV)) + 1};
}

bool TTextPainter::VisibleBox(const TTextPaint& P, const TBox& Domain, TBox& Out) {
  const std::vector<TRect>& Clip = FDC.SurfaceClipRects();
  if (Clip.empty()) return false;
  TBox Bounds{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
  for (const TRect& R : Clip) Bounds = Bounds.Union(TBox{R.Left, R.Top, R.Right, R.Bottom});
  if (P.HasClip) {
    std::int64_t Ox = FDC.SurfaceOrigin.X, Oy = FDC.SurfaceOrigin.Y;
    Bounds = Bounds.Intersect(
        TBox{P.Clip.Left + Ox, P.Clip.Top + Oy, P.Clip.Right + Ox, P.Clip.Bottom + Oy});
  }
  Out = DeviceBoxOf(Domain).Intersect(Bounds);
  if (Out.Empty()) return false;
  FWindow = RunBoxOf(Out).Intersect(Domain);
  return !FWindow.Empty();
}

void TTextPainter::Paint(const TTextRun& Run, const TTextPaint& P) {
  if (!FSurface || !FSurface->Valid() || FSurface->Width() == 0 || FSurface->Height() == 0) return;
  const TFontMetrics& M = FFont.GetMetrics();
  FRot = RotationOf(P.Escapement);
  FCellWidth = std::max<std::int64_t>(0, Run.GetWidth());
  if ((P.Align & TA_CENTER) == TA_CENTER)
    FRefU = FCellWidth / 2;
  else if (P.Align & TA_RIGHT)
    FRefU = FCellWidth;
  else
    FRefU = 0;
  if ((P.Align & TA_BASELINE) == TA_BASELINE)
    FRefV = M.Ascent;
  else if (P.Align & TA_BOTTOM)
    FRefV = M.Height;
  else
    FRefV = 0;
  FPx = P.Origin.X + FDC.SurfaceOrigin.X;
  FPy = P.Origin.Y + FDC.SurfaceOrigin.Y;
  // Ink may lie outside the cell (overhangs, accents, pens moved by
  // lpDx), so the domain widens the cell by what the font can reach.
  TBox Domain{std::min<std::int64_t>(0, Run.GetMinPen() - M.InkLeft), -std::int64_t(M.InkAbove),
              std::max(FCellWidth, Run.GetMaxPen() + M.InkRight),
              std::int64_t(M.Height) + M.InkBelow};
  TBox Visible;
  if (!VisibleBox(P, Domain, Visible)) return;
  RenderMask(Run, P);
  Blit(P, Visible);
}

void TTextPainter::RenderMask(const TTextRun& Run, const TTextPaint& P) {
  const TFontMetrics& M = FFont.GetMetrics();
  const std::int64_t W = FWindow.X1 - FWindow.X0, H = FWindow.Y1 - FWindow.Y0;
  FMask.assign(std::size_t(W) * std::size_t(H), 0);
  FInk = TBox{0, 0, 0, 0};
  if (P.DrawGlyphs) {
    for (const TRunGlyph& G : Run.GetGlyphs()) {
      if (G.Pen - M.InkLeft >= FWindow.X1 || G.Pen + M.InkRight <= FWindow.X0) continue;
      const TGlyphBitmap& B = FFont.GetBitmap(G.Glyph);
      TBox Glyph{G.Pen + B.Left, std::int64_t(M.Ascent) - B.Top, G.Pen + B.Left + B.Width,
                 std::int64_t(M.Ascent) - B.Top + B.Rows};
      TBox Part = Glyph.Intersect(FWindow);
      if (Part.Empty()) continue;
      FInk = FInk.Union(Part);
      for (std::int64_t Y = Part.Y0; Y < Part.Y1; ++Y) {
        const BYTE* Src = B.Coverage.data() + std::size_t(Y - Glyph.Y0) * std::size_t(B.Width);
        BYTE* Dst = FMask.data() + std::size_t(Y - FWindow.Y0) * std::size_t(W);
        for (std::int64_t X = Part.X0; X < Part.X1; ++X) {
          BYTE C = Src[X - Glyph.X0];
          BYTE& D = Dst[X - FWindow.X0];
          if (C > D) D = C;
        }
      }
    }
  }
  if (P.Underline) MarkRows(0, FCellWidth, M.UnderlineTop, M.UnderlineThickness);
  if (P.StrikeOut) MarkRows(0, FCellWidth, M.StrikeoutTop, M.StrikeoutThickness);
  for (const TRunSpan& S : Run.GetUnderlines())
    MarkRows(S.Start, S.End, M.UnderlineTop, M.UnderlineThickness);
}

void TTextPainter::MarkRows(std::int64_t U0, std::int64_t U1, int Top, int Thickness) {
  TBox Part = TBox{U0, Top, U1, std::int64_t(Top) + Thickness}.Intersect(FWindow);
  if (Part.Empty()) return;
  FInk = FInk.Union(Part);
  const std::int64_t W = FWindow.X1 - FWindow.X0;
  for (std::int64_t Y = Part.Y0; Y < Part.Y1; ++Y) {
    BYTE* Row = FMask.data() + std::size_t(Y - FWindow.Y0) * std::size_t(W);
    std::fill(Row + (Part.X0 - FWindow.X0), Row + (Part.X1 - FWindow.X0), BYTE(255));
  }
}

void TTextPainter::Blit(const TTextPaint& P, const TBox& Visible) {
  const TFontMetrics& M = FFont.GetMetrics();
  const TBox Cell{0, 0, FCellWidth, M.Height};
  TBox Area = P.Opaque ? FInk.Union(Cell) : FInk;
  if (Area.Empty()) return;
  const TBox Box = DeviceBoxOf(Area).Intersect(Visible);
  if (Box.Empty()) return;
  TPixelWriter Out{FSurface, GdiResolveColor(FDC, FDC.State.TextColor),
                   GdiResolveColor(FDC, FDC.State.BkColor)};
  const std::int64_t MaskWidth = FWindow.X1 - FWindow.X0;
  const std::int64_t C = FRot.CFixed, S = FRot.SFixed;
  for (const TRect& R : FDC.SurfaceClipRects()) {
    TBox Part = Box.Intersect(TBox{R.Left, R.Top, R.Right, R.Bottom});
    if (Part.Empty()) continue;
    if (C == kFixedOne) {
      BlitUpright(P.Opaque, Part, Out);
      continue;
    }
    for (std::int64_t Y = Part.Y0; Y < Part.Y1; ++Y) {
      Out.SetRow(int(Y));
      // Doubled offsets of the first pixel centre from the reference point;
      // U and V are the run offsets from the reference point, which is a
      // whole pixel, so it is added after rounding down.
      const std::int64_t A2 = 2 * (Part.X0 - FPx) + 1, B2 = 2 * (Y - FPy) + 1;
      std::int64_t U = (A2 * C - B2 * S) >> 1, V = (A2 * S + B2 * C) >> 1;
      for (std::int64_t X = Part.X0; X < Part.X1; ++X, U += C, V += S) {
        const std::int64_t Ui = FRefU + (U >> 16), Vi = FRefV + (V >> 16);
        if (P.Opaque && Ui >= 0 && Ui < Cell.X1 && Vi >= 0 && Vi < Cell.Y1) Out.Back(int(X));
        if (Ui < FWindow.X0 || Ui >= FWindow.X1 || Vi < FWindow.Y0 || Vi >= FWindow.Y1) continue;
        BYTE Coverage = FMask[std::size_t(Vi - FWindow.Y0) * std::size_t(MaskWidth) +
                              std::size_t(Ui - FWindow.X0)];
        if (Coverage) Out.Text(int(X), Coverage);
      }
    }
  }
}

void TTextPainter::BlitUpright(bool Opaque, const TBox& Part, TPixelWriter& Out) {
  // Unrotated text maps surface pixels to run pixels by a plain offset,
  // which is what nearly all text is: row by row, no per-pixel mapping.
  const std::int64_t Du = FRefU - FPx, Dv = FRefV - FPy;
  const std::int64_t MaskWidth = FWindow.X1 - FWindow.X0;
  const std::int64_t CellHeight = FFont.GetMetrics().Height;
  for (std::int64_t Y = Part.Y0; Y < Part.Y1; ++Y) {
    Out.SetRow(int(Y));
    const std::int64_t V = Y + Dv;
    if (Opaque && V >= 0 && V < CellHeight) {
      const std::int64_t X0 = std::max(Part.X0, -Du), X1 = std::min(Part.X1, FCellWidth - Du);
      for (std::int64_t X = X0; X < X1; ++X) Out.Back(int(X));
    }
    if (V < FWindow.Y0 || V >= FWindow.Y1) continue;
    const BYTE* Mask = FMask.data() + std::size_t(V - FWindow.Y0) * std::size_t(MaskWidth);
    const std::int64_t X0 = std::max(Part.X0, FWindow.X0 - Du);
    const std::int64_t X1 = std::min(Part.X1, FWindow.X1 - Du);
    for (std::int64_t X = X0; X < X1; ++X)
      if (const BYTE Coverage = Mask[X + Du - FWindow.X0]) Out.Text(int(X), Coverage);
  }
}

void TTextPainter::FillRect(TGdiDC& DC, const TRect64& Device, COLORREF Color) {
  TSpanPainter Painter(DC);
  if (Painter.Ready())
    Painter.Rect(TGdiInk::OfColor(DC, GdiResolveColor(DC, Color)), Device.Normalized());
}
