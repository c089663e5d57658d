// A bitmap: the pixel store every drawing operation ends in. Rows are
// DWORD-aligned as in device-independent bitmaps, stored top-down or
// bottom-up, at 1, 4, 8, 16 (5-5-5), 24 or 32 bits per pixel; the indexed
// depths carry a colour table. Windows draw into 32-bit bitmaps the
// desktop backend owns; memory DCs draw into the bitmap selected into them.
#pragma once

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Pixel.h"

#include <cstdlib>
#include <memory>
#include <vector>

class TGdiBitmap : public TGdiObject {
public:
  // Allocates zeroed storage. Bpp must be 1, 4, 8, 16, 24 or 32; sizes are
  // clamped to at least 0. Callers check Valid() for an allocation that was
  // refused as too large.
  TGdiBitmap(int Width, int Height, int Bpp, bool BottomUp = false);

  bool Valid() const { return !FRefused; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int BitsPerPixel() const { return FBpp; }
  int Stride() const { return FStride; }
  bool BottomUp() const { return FBottomUp; }
  BYTE* Bits() { return FBits; }
  const BYTE* Bits() const { return FBits; }
  std::size_t ByteSize() const { return std::size_t(FStride) * std::size_t(FHeight); }

  // True for bitmaps created as DIB sections: GetObject answers DIBSECTION.
  bool IsDibSection = false;

  // Colour table of the indexed depths (2, 16 or 256 entries).
  const std::vector<RGBQUAD>& ColorTable() const { return FColorTable; }
  void SetColorTable(const std::vector<RGBQUAD>& Table);

  // Address of row Y (0 = top), honouring the storage order.
  BYTE* Row(int Y) { return FBits + std::ptrdiff_t(FBottomUp ? FHeight - 1 - Y : Y) * FStride; }
  const BYTE* Row(int Y) const {
    return FBits + std::ptrdiff_t(FBottomUp ? FHeight - 1 - Y : Y) * FStride;
  }

  // Pixel access in 0x00RRGGBB. Coordinates must lie inside the bitmap;
  // the drawing code clips before it calls these.
  TRgb32 ReadPixel(int X, int Y) const;
  void WritePixel(int X, int Y, TRgb32 Color);
  // Fills [X0, X1) of row Y, with a fast path for 32-bit rows.
  void FillSpan(int X0, int X1, int Y, TRgb32 Color);
  // Combines Color with each pixel of [X0, X1) of row Y by a binary raster
  // operation (R2_COPYPEN is a plain fill); indexed rows combine their
  // colour-table indexes, as blits do.
  void RopSpan(int X0, int X1, int Y, TRgb32 Color, int Rop2);
  // Blends Color over pixel (X, Y) with Coverage 0..255 (anti-aliased text).
  void BlendPixel(int X, int Y, TRgb32 Color, int Coverage);

  // Index of the colour table entry nearest to Color (indexed depths).
  int NearestIndex(TRgb32 Color) const;

private:
  int FWidth, FHeight, FBpp, FStride;
  bool FBottomUp;
  bool FRefused = false;
  struct TFreeStore {
    void operator()(BYTE* P) const { std::free(P); }
  };
  std::unique_ptr<BYTE, TFreeStore> FStorage;
  BYTE* FBits = nullptr;
  std::vector<RGBQUAD> FColorTable;
  // One-entry cache: drawing repeats the same colour across a span.
  mutable TRgb32 FLastColor = 0xFFFFFFFF;
  mutable int FLastIndex = 0;
};
