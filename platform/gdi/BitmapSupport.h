// Helpers the bitmap, blit and palette modules share: coordinate mapping
// that cannot overflow, colour resolution through a DC, the halftone
// palette, and raw index access to indexed bitmaps.
//
// Raster operations on indexed surfaces combine colour-table indexes, not
// colours, as the desktop this layer imitates does; that is why the blit
// code reads and writes indexes directly instead of going through
// TGdiBitmap::ReadPixel/WritePixel.
#pragma once

#include "platform/gdi/DcState.h"

#include <cstdint>
#include <vector>

// Logical coordinate of DC to surface pixel coordinate, in 64 bits so
// coordinates near the int range plus the origins cannot overflow.
inline std::int64_t SurfaceXOf(const TGdiDC& DC, int LogicalX) {
  return DeviceOf(DC, LogicalX, 0).X + DC.SurfaceOrigin.X;
}
inline std::int64_t SurfaceYOf(const TGdiDC& DC, int LogicalY) {
  return DeviceOf(DC, 0, LogicalY).Y + DC.SurfaceOrigin.Y;
}

// Entries of the palette selected into DC, or of the default palette.
std::vector<PALETTEENTRY> PaletteEntriesOf(const TGdiDC* DC);

// The 256-entry halftone palette (layout documented in BitmapSupport.cpp).
const std::vector<PALETTEENTRY>& HalftoneEntries();
std::vector<RGBQUAD> HalftoneQuads();
// The 20 colours every palette-based display reserves.
const std::vector<PALETTEENTRY>& StaticEntries();

RGBQUAD EntryToQuad(const PALETTEENTRY& E);
TRgb32 QuadToRgb32(const RGBQUAD& Q);

// A monochrome device-dependent bitmap: blits convert to and from it
// through the DC text and background colours. One-bit DIB sections carry
// their own colour table and convert like any indexed bitmap.
bool IsMonoDDB(const TGdiBitmap& B);
bool IsIndexed(const TGdiBitmap& B);
// Equal colour tables, ignoring the reserved bytes.
bool SameColors(const std::vector<RGBQUAD>& A, const std::vector<RGBQUAD>& B);
inline bool SameColorTable(const TGdiBitmap& A, const TGdiBitmap& B) {
  return SameColors(A.ColorTable(), B.ColorTable());
}

// Raw colour-table index of pixel X in a row of 1, 4 or 8 bits per pixel.
unsigned ReadRowIndex(const BYTE* Row, int Bpp, int X);
void WriteRowIndex(BYTE* Row, int Bpp, int X, unsigned Index);

// Raw colour-table index at (X, Y) of an indexed bitmap; inside bounds.
inline unsigned ReadIndex(const TGdiBitmap& B, int X, int Y) {
  return ReadRowIndex(B.Row(Y), B.BitsPerPixel(), X);
}
inline void WriteIndex(TGdiBitmap& B, int X, int Y, unsigned Index) {
  WriteRowIndex(B.Row(Y), B.BitsPerPixel(), X, Index);
}

// The value a pixel of B holds for raster operations: its index for
// indexed bitmaps, its 0x00RRGGBB colour otherwise.
inline unsigned ReadValue(const TGdiBitmap& B, int X, int Y) {
  return IsIndexed(B) ? ReadIndex(B, X, Y) : B.ReadPixel(X, Y);
}
inline void WriteValue(TGdiBitmap& B, int X, int Y, unsigned V) {
  if (IsIndexed(B))
    WriteIndex(B, X, Y, V);
  else
    B.WritePixel(X, Y, V);
}
// The value B stores for Color (the nearest index for indexed bitmaps).
inline unsigned ValueOfColor(const TGdiBitmap& B, TRgb32 Color) {
  return IsIndexed(B) ? unsigned(B.NearestIndex(Color)) : unsigned(Color & 0xFFFFFF);
}
