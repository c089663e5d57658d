// TextOut, ExtTextOut and the extent queries. Text is UTF-8 and lengths
// count bytes; a length that runs past a zero byte stops there, so a
// caller's overestimate never reads beyond the string. Extents are sums of
// hinted advances along the text whatever the escapement, as the desktop
// reports them. lpDx and the partial extents of GetTextExtentExPoint have
// one entry per byte: a character advances by the sum of its bytes'
// entries, and every byte of a character reports the extent after it.
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TextPainter.h"
#include "platform/gdi/Utf8.h"

#include <climits>

namespace {

struct TTextCall {
  TGdiDC* DC = nullptr;
  TDCFont Font;
  std::size_t Length = 0;
};

// Resolves what every text operation needs; false is the operation's
// failure (bad DC, negative length, missing text, no usable font).
bool Prepare(HDC Hdc, LPCSTR Text, int Length, TTextCall& Call) {
  Call.DC = GdiFindDC(Hdc);
  if (!Call.DC || Length < 0 || (Length > 0 && !Text)) return false;
  Call.Length = Length > 0 ? TextLengthWithin(Text, std::size_t(Length)) : 0;
  if (Call.Length > TTextRun::kMaxTextBytes) return false;
  Call.Font = TFontEngine::Get().FontOf(*Call.DC);
  return Call.Font.Font != nullptr;
}

int Saturate(std::int64_t V) { return TGdiDC::Saturate(V); }

void UpdateCurrentPosition(TGdiDC& DC, UINT Align, std::int64_t Width, LONG Escapement) {
  // Left-aligned text leaves the position after its end, right-aligned
  // text before its start; centred text leaves it where it was.
  if ((Align & TA_CENTER) == TA_CENTER) return;
  TPoint64 Step = TTextPainter::Advance((Align & TA_RIGHT) ? -Width : Width, Escapement);
  TPoint& Cp = DC.State.CurPos;
  Cp = TPoint{Saturate(Cp.X + Step.X), Saturate(Cp.Y + Step.Y)};
}

} // namespace

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const TRect* r, LPCSTR text, int length,
                const int* dx) {
  TTextCall Call;
  if (!Prepare(hdc, text, length, Call)) return FALSE;
  TGdiDC& DC = *Call.DC;
  const TDCState& St = DC.State;
  const bool UpdateCp = (St.TextAlign & TA_UPDATECP) != 0;
  TRect64 Rect{0, 0, 0, 0};
  if (r) Rect = DeviceOf(DC, r->Left, r->Top, r->Right, r->Bottom).Normalized();
  if (r && (options & ETO_OPAQUE)) TTextPainter::FillRect(DC, Rect, St.BkColor);
  if (Call.Length == 0) return TRUE;

  TRealizedFont& Font = *Call.Font.Font;
  const LOGFONTA& Log = *Call.Font.Log;
  TTextRun Run(Font, text, Call.Length, dx);
  TTextPaint P;
  P.Origin = UpdateCp ? DeviceOf(DC, St.CurPos.X, St.CurPos.Y) : DeviceOf(DC, x, y);
  P.Align = St.TextAlign;
  P.Escapement = Log.lfEscapement;
  P.Underline = Log.lfUnderline != 0;
  P.StrikeOut = Log.lfStrikeOut != 0;
  P.Opaque = St.BkMode == OPAQUE;
  if (r && (options & ETO_CLIPPED)) {
    P.HasClip = true;
    P.Clip = Rect;
  }
  TTextPainter(DC, Font).Paint(Run, P);
  if (UpdateCp) UpdateCurrentPosition(DC, St.TextAlign, Run.GetWidth(), Log.lfEscapement);
  return TRUE;
}

BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int length) {
  return ExtTextOut(hdc, x, y, 0, nullptr, text, length, nullptr);
}

BOOL GetTextExtentExPoint(HDC hdc, LPCSTR text, int length, int maxExtent, int* fit, int* dx,
                          SIZE* size) {
  TTextCall Call;
  if (!size || !Prepare(hdc, text, length, Call)) return FALSE;
  TRealizedFont& Font = *Call.Font.Font;
  std::int64_t Extent = 0;
  std::size_t Fits = 0;
  bool Fitting = true;
  for (std::size_t Pos = 0; Pos < Call.Length;) {
    std::uint32_t Code;
    std::size_t Bytes = std::size_t(Utf8Decode(text, Call.Length, Pos, Code));
    Extent += Font.GetAdvance(Font.GlyphOf(Code));
    if (dx)
      for (std::size_t i = 0; i < Bytes; ++i) dx[Pos + i] = Saturate(Extent);
    Pos += Bytes;
    Fitting = Fitting && Extent <= maxExtent;
    if (Fitting) Fits = Pos;
  }
  if (fit) *fit = int(Fits);
  size->cx = Saturate(Extent);
  size->cy = Font.GetMetrics().Height;
  return TRUE;
}

BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int length, SIZE* size) {
  return GetTextExtentExPoint(hdc, text, length, 0, nullptr, nullptr, size);
}
