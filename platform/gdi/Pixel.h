// Pixel values inside the drawing layer are 0x00RRGGBB, the in-memory
// order (blue, green, red, unused) of a 32-bit surface on a little-endian
// machine. COLORREF is 0x00BBGGRR; these helpers convert between the two.
#pragma once

#include "platform/WinTypes.h"

using TRgb32 = DWORD;

inline constexpr TRgb32 ColorRefToRgb32(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline constexpr COLORREF Rgb32ToColorRef(TRgb32 p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// Applies a binary raster operation (R2_*) of pen P to destination D.
TRgb32 ApplyRop2(int Rop2, TRgb32 P, TRgb32 D);
// Applies a ternary raster operation (the high word of a ROP3 code) to
// pattern P, source S and destination D, bit by bit.
TRgb32 ApplyRop3(BYTE Rop3, TRgb32 P, TRgb32 S, TRgb32 D);
