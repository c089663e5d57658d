// BitBlt, StretchBlt, MaskBlt and TransparentBlt: argument checking and
// coordinate mapping in front of TBlitter.
//
// Rectangles are given in each DC's logical coordinates and mapped to
// surface pixels in 64-bit arithmetic, so coordinates near the int range
// clip instead of overflowing. Operations whose raster code does not read
// the source ignore the source DC, as the desktop does.
#include "platform/gdi/Blitter.h"
#include "platform/gdi/Gdi.h"

namespace {

TBlitRect DstRect(const TGdiDC& DC, int X, int Y, int W, int H) {
  return TBlitRect{SurfaceXOf(DC, X), SurfaceYOf(DC, Y), W, H};
}

// Attaches the source DC's surface when NeedSource; false when it is
// needed and missing.
bool AttachSource(TBlitter& B, bool NeedSource, HDC Src, int Xs, int Ys, int Ws, int Hs,
                  TBlitRect& Out) {
  Out = TBlitRect{0, 0, 0, 0};
  if (!NeedSource) return true;
  TGdiDC* S = GdiFindDC(Src);
  if (!S || !S->Surface()) return false;
  B.SetSource(*S->Surface(), S);
  Out = TBlitRect{SurfaceXOf(*S, Xs), SurfaceYOf(*S, Ys), Ws, Hs};
  return true;
}

BOOL Blit(HDC Dst, int X, int Y, int W, int H, HDC Src, int Xs, int Ys, int Ws, int Hs, DWORD Rop,
          bool Stretch) {
  TGdiDC* D = GdiFindDC(Dst);
  if (!D || !D->Surface()) return FALSE;
  BYTE Rop3 = BYTE(Rop >> 16);
  TBlitter B(*D);
  B.SetRop(Rop3);
  B.SetHalftone(Stretch && D->State.StretchMode == HALFTONE);
  TBlitRect SrcRect;
  if (!AttachSource(B, TBlitter::UsesSource(Rop3), Src, Xs, Ys, Ws, Hs, SrcRect)) return FALSE;
  return B.Run(DstRect(*D, X, Y, W, H), SrcRect) ? TRUE : FALSE;
}

} // namespace

BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int xs, int ys, DWORD rop) {
  return Blit(dst, x, y, w, h, src, xs, ys, w, h, rop, false);
}

BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int xs, int ys, int ws, int hs,
                DWORD rop) {
  return Blit(dst, x, y, w, h, src, xs, ys, ws, hs, rop, true);
}

BOOL MaskBlt(HDC dst, int x, int y, int w, int h, HDC src, int xs, int ys, HBITMAP mask, int xm,
             int ym, DWORD rop) {
  if (!mask) return BitBlt(dst, x, y, w, h, src, xs, ys, rop & 0x00FFFFFF);
  TGdiDC* D = GdiFindDC(dst);
  const TGdiBitmap* M = GdiFind<TGdiBitmap>(mask, OBJ_BITMAP);
  if (!D || !D->Surface() || !M || M->BitsPerPixel() != 1) return FALSE;
  // The mask must cover the whole destination extent; a mask that falls
  // short is an error rather than a guess at the missing bits.
  std::int64_t Aw = w < 0 ? -std::int64_t(w) : w, Ah = h < 0 ? -std::int64_t(h) : h;
  if (xm < 0 || ym < 0 || xm + Aw > M->Width() || ym + Ah > M->Height()) return FALSE;
  BYTE Fore = BYTE(rop >> 16), Back = BYTE(rop >> 24);
  TBlitter B(*D);
  B.SetRop(Fore);
  B.SetMask(*M, xm, ym, Back);
  TBlitRect SrcRect;
  bool NeedSource = TBlitter::UsesSource(Fore) || TBlitter::UsesSource(Back);
  if (!AttachSource(B, NeedSource, src, xs, ys, w, h, SrcRect)) return FALSE;
  return B.Run(DstRect(*D, x, y, w, h), SrcRect) ? TRUE : FALSE;
}

BOOL TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int xs, int ys, int ws, int hs,
                    UINT transparent) {
  // No mirroring here: negative extents are refused, as on the desktop.
  if (w <= 0 || h <= 0 || ws <= 0 || hs <= 0) return FALSE;
  TGdiDC* D = GdiFindDC(dst);
  if (!D || !D->Surface()) return FALSE;
  TBlitter B(*D);
  B.SetRop(BYTE(SRCCOPY >> 16));
  B.SetTransparent(ColorRefToRgb32(transparent & 0xFFFFFF));
  TBlitRect SrcRect;
  if (!AttachSource(B, true, src, xs, ys, ws, hs, SrcRect)) return FALSE;
  return B.Run(DstRect(*D, x, y, w, h), SrcRect) ? TRUE : FALSE;
}
