// Logical palettes and the display's system palette.
//
// Palettes matter only on a palette-based display (GdiDisplay() at 8 bits
// per pixel or fewer). There the system palette holds the 20 static
// colours at its ends and, in between, the colours of the palette most
// recently realized; it starts out as the halftone palette. On a true-colour
// display realizing maps nothing and the system palette cannot be read,
// as on the desktop this layer imitates. DCs hold their palette selected
// like any other object, so a palette deleted while selected lives until
// it is deselected.
#include "platform/gdi/BitmapSupport.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>

namespace {

constexpr WORD kPaletteVersion = 0x300;
constexpr std::size_t kMaxEntries = 256;
constexpr std::size_t kStaticLow = 10, kStaticHigh = 246;

bool PaletteDisplay() { return GdiDisplay().BitsPerPixel <= 8; }

std::vector<PALETTEENTRY>& SystemPalette() {
  static std::vector<PALETTEENTRY> Entries = HalftoneEntries();
  return Entries;
}

HPALETTE AddPalette(std::vector<PALETTEENTRY> Entries) {
  auto P = std::make_unique<TGdiPalette>();
  P->Entries = std::move(Entries);
  return static_cast<HPALETTE>(GdiAdd(std::move(P)));
}

TGdiPalette* FindPalette(HPALETTE H) { return GdiFind<TGdiPalette>(H, OBJ_PAL); }

} // namespace

HPALETTE CreatePalette(const LOGPALETTE* lp) {
  if (!lp || lp->palVersion != kPaletteVersion) return nullptr;
  if (lp->palNumEntries == 0 || lp->palNumEntries > kMaxEntries) return nullptr;
  return AddPalette(
      std::vector<PALETTEENTRY>(lp->palPalEntry, lp->palPalEntry + lp->palNumEntries));
}

HPALETTE CreateHalftonePalette(HDC hdc) {
  if (hdc && !GdiFindDC(hdc)) return nullptr;
  return AddPalette(HalftoneEntries());
}

UINT GetPaletteEntries(HPALETTE pal, UINT start, UINT count, PALETTEENTRY* entries) {
  const TGdiPalette* P = FindPalette(pal);
  if (!P) return 0;
  if (!entries) return UINT(P->Entries.size());
  if (start >= P->Entries.size()) return 0;
  UINT N = UINT(std::min<std::size_t>(count, P->Entries.size() - start));
  std::copy_n(P->Entries.begin() + start, N, entries);
  return N;
}

UINT SetPaletteEntries(HPALETTE pal, UINT start, UINT count, const PALETTEENTRY* entries) {
  TGdiPalette* P = FindPalette(pal);
  if (!P || P->Stock || !entries || start >= P->Entries.size()) return 0;
  UINT N = UINT(std::min<std::size_t>(count, P->Entries.size() - start));
  std::copy_n(entries, N, P->Entries.begin() + start);
  return N;
}

UINT GetNearestPaletteIndex(HPALETTE pal, COLORREF color) {
  const TGdiPalette* P = FindPalette(pal);
  if (!P || P->Entries.empty()) return CLR_INVALID;
  if ((color >> 24) == 0x01) {
    UINT Index = color & 0xFFFF;
    return Index < P->Entries.size() ? Index : CLR_INVALID;
  }
  int R = GetRValue(color), G = GetGValue(color), B = GetBValue(color);
  UINT Best = 0;
  long BestDist = 0x7FFFFFFF;
  for (std::size_t I = 0; I < P->Entries.size() && BestDist > 0; ++I) {
    const PALETTEENTRY& E = P->Entries[I];
    long Dr = R - E.peRed, Dg = G - E.peGreen, Db = B - E.peBlue;
    long Dist = Dr * Dr + Dg * Dg + Db * Db;
    if (Dist < BestDist) BestDist = Dist, Best = UINT(I);
  }
  return Best;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE pal, [[maybe_unused]] BOOL background) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC || !FindPalette(pal)) return nullptr;
  HGDIOBJ Old = DC->State.Palette;
  GdiRetain(pal);
  DC->State.Palette = pal;
  GdiRelease(Old);
  return static_cast<HPALETTE>(Old);
}

UINT RealizePalette(HDC hdc) {
  TGdiDC* DC = GdiFindDC(hdc);
  if (!DC) return GDI_ERROR;
  const TGdiPalette* P = GdiFind<TGdiPalette>(DC->State.Palette, OBJ_PAL);
  if (!P || !PaletteDisplay()) return 0;
  // The default palette is the static colours, which are always present.
  if (P->Stock) return UINT(P->Entries.size());
  std::vector<PALETTEENTRY>& System = SystemPalette();
  std::size_t N = std::min(P->Entries.size(), kStaticHigh - kStaticLow);
  for (std::size_t I = 0; I < N; ++I) {
    System[kStaticLow + I] = P->Entries[I];
    System[kStaticLow + I].peFlags = 0;
  }
  return UINT(P->Entries.size());
}

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries) {
  if (!GdiFindDC(hdc) || !PaletteDisplay()) return 0;
  const std::vector<PALETTEENTRY>& System = SystemPalette();
  if (!entries) return UINT(System.size());
  if (start >= System.size()) return 0;
  UINT N = UINT(std::min<std::size_t>(count, System.size() - start));
  std::copy_n(System.begin() + start, N, entries);
  return N;
}
