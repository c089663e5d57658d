// Device contexts and their drawing state. A saved state holds its objects
// selected just like the current one, so an object deleted while only a
// saved state refers to it lives until that state is restored past or the
// DC is deleted. Colours are stored as given (GetTextColor returns what
// SetTextColor was handed) and resolved when something is drawn.
#include "platform/gdi/DcState.h"

#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Raster capabilities every surface of ours has: BitBlt, large bitmaps,
// device-independent bitmaps, stretching.
constexpr int kRcBitBlt = 0x0001, kRcBitmap64 = 0x0008, kRcDiBitmap = 0x0080, kRcDibToDev = 0x0200,
              kRcStretchBlt = 0x0800, kRcStretchDib = 0x2000;

TPoint64 Transform(const TDCState& S, std::int64_t X, std::int64_t Y, int Sign) {
  return TPoint64{X + Sign * (std::int64_t(S.ViewportOrg.X) - S.WindowOrg.X),
                  Y + Sign * (std::int64_t(S.ViewportOrg.Y) - S.WindowOrg.Y)};
}

BOOL MapPoints(HDC hdc, TPoint* pts, int count, int Sign) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || count < 0 || (count > 0 && !pts)) return FALSE;
  for (int i = 0; i < count; ++i) {
    TPoint64 P = Transform(DC->State, pts[i].X, pts[i].Y, Sign);
    pts[i] = TPoint{TGdiDC::Saturate(P.X), TGdiDC::Saturate(P.Y)};
  }
  return TRUE;
}

BOOL SetOrigin(HDC hdc, TPoint TDCState::*Field, int x, int y, TPoint* old) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return FALSE;
  if (old) *old = DC->State.*Field;
  DC->State.*Field = TPoint{x, y};
  return TRUE;
}

BOOL GetOrigin(HDC hdc, TPoint TDCState::*Field, TPoint* org) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !org) return FALSE;
  *org = DC->State.*Field;
  return TRUE;
}

// The surface pixel behind logical (x, y), when drawing may reach it.
bool VisiblePixel(TGdiDC& DC, int x, int y, int& SX, int& SY) {
  if (!DC.Surface()) return false;
  TPoint64 D = DeviceOf(DC, x, y);
  std::int64_t X = D.X + DC.SurfaceOrigin.X, Y = D.Y + DC.SurfaceOrigin.Y;
  for (const TRect& C : DC.SurfaceClipRects()) {
    if (X >= C.Left && X < C.Right && Y >= C.Top && Y < C.Bottom) {
      SX = int(X), SY = int(Y);
      return true;
    }
  }
  return false;
}

// The colour a pixel of this surface format would hold for Color.
TRgb32 NearestOnSurface(const TGdiBitmap* S, TRgb32 Color) {
  if (!S) return Color;
  int Bpp = S->BitsPerPixel();
  if (Bpp == 16) {
    TRgb32 R = (Color >> 19) & 31, G = (Color >> 11) & 31, B = (Color >> 3) & 31;
    return (((R << 3) | (R >> 2)) << 16) | (((G << 3) | (G >> 2)) << 8) | ((B << 3) | (B >> 2));
  }
  if (Bpp > 8 || S->ColorTable().empty()) return Color;
  const RGBQUAD& Q = S->ColorTable()[std::size_t(S->NearestIndex(Color))];
  return (TRgb32(Q.rgbRed) << 16) | (TRgb32(Q.rgbGreen) << 8) | Q.rgbBlue;
}

} // namespace

void GdiRetainState(const TDCState& S) {
  for (HGDIOBJ H : {S.Brush, S.Pen, S.Font, S.Bitmap, S.Palette}) GdiRetain(H);
}

void GdiReleaseState(const TDCState& S) {
  for (HGDIOBJ H : {S.Brush, S.Pen, S.Font, S.Bitmap, S.Palette}) GdiRelease(H);
}

void GdiInitDCState(TGdiDC& DC, bool Memory) {
  DC.State = TDCState();
  DC.State.Brush = GdiStockObject(WHITE_BRUSH);
  DC.State.Pen = GdiStockObject(BLACK_PEN);
  DC.State.Font = GdiStockObject(SYSTEM_FONT);
  DC.State.Palette = GdiStockObject(DEFAULT_PALETTE);
  if (Memory) DC.State.Bitmap = GdiStockBitmap();
  GdiRetainState(DC.State);
  DC.InvalidateClip();
}

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc && !GdiFindDC(hdc)) return nullptr;
  auto DC = std::make_unique<TGdiDC>(OBJ_MEMDC);
  GdiInitDCState(*DC, true);
  return static_cast<HDC>(GdiAdd(std::move(DC)));
}

BOOL DeleteDC(HDC hdc) {
  if (!GdiFindDC(hdc)) return FALSE;
  GdiTable().Remove(reinterpret_cast<std::uintptr_t>(hdc));
  return TRUE;
}

int SaveDC(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return 0;
  GdiRetainState(DC->State);
  DC->Saved.push_back(DC->State);
  return int(DC->Saved.size());
}

BOOL RestoreDC(HDC hdc, int saved) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || saved == 0) return FALSE;
  int Count = int(DC->Saved.size());
  int Index = saved > 0 ? saved - 1 : Count + saved;
  if (Index < 0 || Index >= Count) return FALSE;
  TDCState Old = std::move(DC->State);
  DC->State = std::move(DC->Saved[std::size_t(Index)]);
  std::vector<TDCState> Dropped(std::make_move_iterator(DC->Saved.begin() + Index + 1),
                                std::make_move_iterator(DC->Saved.end()));
  DC->Saved.resize(std::size_t(Index));
  DC->InvalidateClip();
  GdiReleaseState(Old);
  for (const TDCState& S : Dropped) GdiReleaseState(S);
  return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
  if (!GdiFindDC(hdc)) return 0;
  const TDisplayInfo& D = GdiDisplay();
  bool Palette = D.BitsPerPixel >= 1 && D.BitsPerPixel <= 8;
  switch (index) {
  case HORZRES: return D.Width;
  case VERTRES: return D.Height;
  case BITSPIXEL: return D.BitsPerPixel;
  case PLANES: return D.Planes;
  case LOGPIXELSX:
  case LOGPIXELSY: return D.LogPixels;
  case NUMCOLORS: return Palette ? std::min(1 << D.BitsPerPixel, 20) : -1;
  case SIZEPALETTE: return Palette ? 1 << D.BitsPerPixel : 0;
  case NUMRESERVED: return Palette ? 20 : 0;
  case COLORRES: return Palette ? 18 : 24;
  case RASTERCAPS:
    return kRcBitBlt | kRcBitmap64 | kRcDiBitmap | kRcDibToDev | kRcStretchBlt | kRcStretchDib |
           (Palette ? RC_PALETTE : 0);
  default: return 0;
  }
}

DWORD GetObjectType(HGDIOBJ h) {
  TGdiObject* Obj = GdiTable().Find(reinterpret_cast<std::uintptr_t>(h));
  return Obj ? Obj->Kind() : 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return nullptr;
  switch (type) {
  case OBJ_PEN: return DC->State.Pen;
  case OBJ_BRUSH: return DC->State.Brush;
  case OBJ_FONT: return DC->State.Font;
  case OBJ_BITMAP: return DC->State.Bitmap;
  case OBJ_PAL: return DC->State.Palette;
  default: return nullptr;
  }
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return CLR_INVALID;
  return std::exchange(DC->State.TextColor, color);
}

COLORREF GetTextColor(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  return DC ? DC->State.TextColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return CLR_INVALID;
  return std::exchange(DC->State.BkColor, color);
}

COLORREF GetBkColor(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  return DC ? DC->State.BkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(DC->State.BkMode, mode);
}

int GetBkMode(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  return DC ? DC->State.BkMode : 0;
}

int SetROP2(HDC hdc, int rop2) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
  return std::exchange(DC->State.Rop2, rop2);
}

int GetROP2(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  return DC ? DC->State.Rop2 : 0;
}

int SetStretchBltMode(HDC hdc, int mode) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return std::exchange(DC->State.StretchMode, mode);
}

int GetStretchBltMode(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  return DC ? DC->State.StretchMode : 0;
}

UINT SetTextAlign(HDC hdc, UINT align) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return GDI_ERROR;
  return std::exchange(DC->State.TextAlign, align);
}

UINT GetTextAlign(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  return DC ? DC->State.TextAlign : GDI_ERROR;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, TPoint* old) {
  return SetOrigin(hdc, &TDCState::WindowOrg, x, y, old);
}

BOOL GetWindowOrgEx(HDC hdc, TPoint* org) { return GetOrigin(hdc, &TDCState::WindowOrg, org); }

BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, TPoint* old) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return FALSE;
  TPoint& Org = DC->State.WindowOrg;
  if (old) *old = Org;
  Org = TPoint{TGdiDC::Saturate(std::int64_t(Org.X) + dx),
               TGdiDC::Saturate(std::int64_t(Org.Y) + dy)};
  return TRUE;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, TPoint* old) {
  return SetOrigin(hdc, &TDCState::ViewportOrg, x, y, old);
}

BOOL GetViewportOrgEx(HDC hdc, TPoint* org) { return GetOrigin(hdc, &TDCState::ViewportOrg, org); }

BOOL SetBrushOrgEx(HDC hdc, int x, int y, TPoint* old) {
  return SetOrigin(hdc, &TDCState::BrushOrg, x, y, old);
}

BOOL LPtoDP(HDC hdc, TPoint* pts, int count) { return MapPoints(hdc, pts, count, 1); }

BOOL DPtoLP(HDC hdc, TPoint* pts, int count) { return MapPoints(hdc, pts, count, -1); }

COLORREF GetPixel(HDC hdc, int x, int y) {
  TGdiDC* DC = GdiFindDC(hdc);
  int SX, SY;
  if (!DC || !VisiblePixel(*DC, x, y, SX, SY)) return CLR_INVALID;
  return Rgb32ToColorRef(DC->Surface()->ReadPixel(SX, SY));
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  TGdiDC* DC = GdiFindDC(hdc);
  int SX, SY;
  if (!DC || !VisiblePixel(*DC, x, y, SX, SY)) return CLR_INVALID;
  TGdiBitmap* S = DC->Surface();
  S->WritePixel(SX, SY, GdiResolveColor(*DC, color));
  return Rgb32ToColorRef(S->ReadPixel(SX, SY));
}

COLORREF GetNearestColor(HDC hdc, COLORREF color) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return CLR_INVALID;
  return Rgb32ToColorRef(NearestOnSurface(DC->Surface(), GdiResolveColor(*DC, color)));
}
