#include "platform/gdi/BitmapSupport.h"

#include "platform/gdi/Gdi.h"

#include <algorithm>

std::vector<PALETTEENTRY> PaletteEntriesOf(const TGdiDC* DC) {
  const TGdiPalette* Pal = nullptr;
  if (DC && DC->State.Palette) Pal = GdiFind<TGdiPalette>(DC->State.Palette, OBJ_PAL);
  if (!Pal) Pal = GdiFind<TGdiPalette>(GetStockObject(DEFAULT_PALETTE), OBJ_PAL);
  if (!Pal || Pal->Entries.empty()) return StaticEntries();
  return Pal->Entries;
}

const std::vector<PALETTEENTRY>& StaticEntries() {
  // The first ten sit at the bottom of a palette-based display's system
  // palette, the last ten at its top, in an order that makes inverting an
  // index (XOR 0xFF) land on a colour close to the complement.
  static const std::vector<PALETTEENTRY> Entries = {
      {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
      {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
      {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
      {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
      {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0}};
  return Entries;
}

const std::vector<PALETTEENTRY>& HalftoneEntries() {
  // Layout: 0..9 the low static colours; 10..225 a 6x6x6 colour cube at
  // levels 0, 51, ..., 255 with red varying slowest (index 10 + 36r + 6g
  // + b); 226..245 twenty greys between the cube's grey levels
  // (255 * i / 21, i = 1..20); 246..255 the high static colours.
  static const std::vector<PALETTEENTRY> Entries = [] {
    const std::vector<PALETTEENTRY>& Static = StaticEntries();
    std::vector<PALETTEENTRY> E(Static.begin(), Static.begin() + 10);
    for (int R = 0; R < 6; ++R)
      for (int G = 0; G < 6; ++G)
        for (int B = 0; B < 6; ++B) E.push_back({BYTE(R * 51), BYTE(G * 51), BYTE(B * 51), 0});
    for (int I = 1; I <= 20; ++I) {
      BYTE V = BYTE(255 * I / 21);
      E.push_back({V, V, V, 0});
    }
    E.insert(E.end(), Static.begin() + 10, Static.end());
    return E;
  }();
  return Entries;
}

std::vector<RGBQUAD> HalftoneQuads() {
  std::vector<RGBQUAD> Q;
  for (const PALETTEENTRY& E : HalftoneEntries()) Q.push_back(EntryToQuad(E));
  return Q;
}

RGBQUAD EntryToQuad(const PALETTEENTRY& E) { return RGBQUAD{E.peBlue, E.peGreen, E.peRed, 0}; }

TRgb32 QuadToRgb32(const RGBQUAD& Q) {
  return (TRgb32(Q.rgbRed) << 16) | (TRgb32(Q.rgbGreen) << 8) | Q.rgbBlue;
}

bool IsMonoDDB(const TGdiBitmap& B) { return B.BitsPerPixel() == 1 && !B.IsDibSection; }

bool IsIndexed(const TGdiBitmap& B) { return B.BitsPerPixel() <= 8; }

bool SameColors(const std::vector<RGBQUAD>& A, const std::vector<RGBQUAD>& B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I)
    if (QuadToRgb32(A[I]) != QuadToRgb32(B[I])) return false;
  return true;
}

unsigned ReadRowIndex(const BYTE* Row, int Bpp, int X) {
  switch (Bpp) {
  case 8: return Row[X];
  case 4: return (X & 1) ? (Row[X / 2] & 0x0F) : (Row[X / 2] >> 4);
  default: return (Row[X / 8] >> (7 - (X & 7))) & 1;
  }
}

void WriteRowIndex(BYTE* Row, int Bpp, int X, unsigned Index) {
  switch (Bpp) {
  case 8: Row[X] = BYTE(Index); return;
  case 4: {
    BYTE& Byte = Row[X / 2];
    Byte = (X & 1) ? BYTE((Byte & 0xF0) | (Index & 0x0F)) : BYTE((Byte & 0x0F) | (Index << 4));
    return;
  }
  default: {
    BYTE Mask = BYTE(0x80 >> (X & 7));
    Row[X / 8] = (Index & 1) ? BYTE(Row[X / 8] | Mask) : BYTE(Row[X / 8] & ~Mask);
    return;
  }
  }
}
