// DrawText: formats text in a rectangle with the DC's font and colours.
// It always places lines by their top left corner, whatever the DC's text
// alignment says, and draws each line like TextOut would (background cell
// when the background mode is opaque, the font's underline and
// strike-out). With a rotated font every line is rotated about its own
// start; the layout itself stays horizontal. DT_RTLREADING is accepted
// but lines keep their logical order: the text this program draws is
// left-to-right, and the alignment flags keep their meaning either way.
#include "platform/gdi/DrawTextLayout.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TextPainter.h"
#include "platform/gdi/Utf8.h"

#include <algorithm>

namespace {

// DT_TABSTOP puts the tab size in bits 8..15, where other flags live too;
// with it those flags are off.
UINT NormalizeFormat(UINT Format, int& TabChars) {
  TabChars = 8;
  if (Format & DT_TABSTOP) {
    int Size = int((Format >> 8) & 0xFF);
    if (Size > 0) TabChars = Size;
    Format &= ~UINT(0xFF00);
  }
  return Format;
}

TDrawTextOptions OptionsOf(UINT Format, int TabChars, const TRect& R) {
  TDrawTextOptions O;
  O.SingleLine = (Format & DT_SINGLELINE) != 0;
  O.WordBreak = (Format & DT_WORDBREAK) != 0;
  O.ExpandTabs = (Format & DT_EXPANDTABS) != 0;
  O.Prefix = (Format & DT_NOPREFIX) == 0;
  O.ShowAccels = (Format & DT_HIDEPREFIX) == 0;
  O.EndEllipsis = (Format & DT_END_ELLIPSIS) != 0;
  O.TabChars = TabChars;
  O.Width = std::max<std::int64_t>(0, std::int64_t(R.Right) - R.Left);
  return O;
}

void CalcRect(const TDrawTextLayout& Layout, std::int64_t Height, TRect& R) {
  // The rectangle takes the width of the widest line, wrapped or not: a
  // wrapped text narrower than the rectangle shrinks it (a caller sizing
  // a hint or label to its text relies on that), a word wider widens it.
  R.Right = TGdiDC::Saturate(std::int64_t(R.Left) + Layout.GetMaxWidth());
  R.Bottom = TGdiDC::Saturate(std::int64_t(R.Top) + Height);
}

void PaintLines(TGdiDC& DC, TDCFont Font, const TDrawTextLayout& Layout, UINT Format,
                const TRect& R, std::int64_t Top, std::int64_t LineHeight) {
  TTextPaint P;
  P.Escapement = Font.Log->lfEscapement;
  P.Underline = Font.Log->lfUnderline != 0;
  P.StrikeOut = Font.Log->lfStrikeOut != 0;
  P.Opaque = DC.State.BkMode == OPAQUE;
  P.DrawGlyphs = (Format & DT_PREFIXONLY) == 0;
  const TRect64 Box = DeviceOf(DC, R.Left, R.Top, R.Right, R.Bottom);
  if (!(Format & DT_NOCLIP)) {
    P.HasClip = true;
    P.Clip = Box.Normalized();
  }
  TTextPainter Painter(DC, *Font.Font);
  const TPoint64 Offset = DeviceOf(DC, 0, 0);
  // A rotated line reaches up, down or back from its start, so only
  // upright lines can be skipped by their row.
  const bool Upright = P.Escapement % 3600 == 0;
  for (std::size_t I = 0; I < Layout.GetLineCount(); ++I) {
    std::int64_t Y = Top + std::int64_t(I) * LineHeight;
    // Lines wholly outside the rectangle cannot show when clipping is on.
    if (P.HasClip && Upright &&
        (Y + Offset.Y >= P.Clip.Bottom || Y + LineHeight + Offset.Y <= P.Clip.Top))
      continue;
    std::int64_t W = Layout.GetLineWidth(I), X = R.Left;
    if (Format & DT_CENTER)
      X = (std::int64_t(R.Left) + R.Right - W) / 2;
    else if (Format & DT_RIGHT)
      X = std::int64_t(R.Right) - W;
    P.Origin = TPoint64{X + Offset.X, Y + Offset.Y};
    Painter.Paint(Layout.MakeRun(I), P);
  }
}

} // namespace

int DrawText(HDC hdc, LPCSTR text, int length, TRect* r, UINT format) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !text || !r) return 0;
  std::size_t Length = length < 0 ? TextLengthWithin(text, TTextRun::kMaxTextBytes + 1)
                                  : TextLengthWithin(text, std::size_t(length));
  if (Length > TTextRun::kMaxTextBytes) return 0;
  TDCFont Font = TFontEngine::Get().FontOf(*DC);
  if (!Font.Font) return 0;

  int TabChars;
  const UINT Format = NormalizeFormat(format, TabChars);
  const TDrawTextOptions O = OptionsOf(Format, TabChars, *r);
  TDrawTextLayout Layout(*Font.Font, text, Length, O);
  const TFontMetrics& M = Font.Font->GetMetrics();
  const std::int64_t LineHeight =
      std::int64_t(M.Height) + ((Format & DT_EXTERNALLEADING) ? M.ExternalLeading : 0);
  const std::int64_t Height = LineHeight * std::int64_t(Layout.GetLineCount());

  if (Format & DT_CALCRECT) {
    CalcRect(Layout, Height, *r);
    return TGdiDC::Saturate(Height);
  }
  std::int64_t Top = r->Top;
  const bool Vertical = O.SingleLine && (Format & (DT_VCENTER | DT_BOTTOM));
  if (O.SingleLine && (Format & DT_BOTTOM))
    Top = std::int64_t(r->Bottom) - Height;
  else if (O.SingleLine && (Format & DT_VCENTER))
    Top = (std::int64_t(r->Top) + r->Bottom - Height) / 2;
  PaintLines(*DC, Font, Layout, Format, *r, Top, LineHeight);
  return TGdiDC::Saturate(Vertical ? Top + Height - r->Top : Height);
}
