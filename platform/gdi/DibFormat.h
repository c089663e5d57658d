// The layout of a device-independent bitmap in client memory, read from a
// BITMAPINFO and checked, with the codec that converts its pixels.
//
// Every entry point that takes a BITMAPINFO from a caller goes through
// Parse first, so absurd headers (negative or huge sizes, unknown depths,
// colour tables longer than 256 entries, non-contiguous masks) are turned
// away in one place before any memory is touched. RLE compression is not
// supported: nothing in this program produces it.
#pragma once

#include "platform/gdi/DeviceContext.h"

#include <vector>

class TDibFormat {
public:
  // Checks and takes the header fields: size, depth, compression and, for
  // BI_RGB at 16 and 32 bits, the implied channel masks.
  bool ParseHeader(const BITMAPINFOHEADER& Header);
  // ParseHeader plus the BI_BITFIELDS masks and, for indexed depths, the
  // colour table (DIB_PAL_COLORS: indexes into DC's palette).
  bool Parse(const BITMAPINFO* Info, UINT Usage, const TGdiDC* DC);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool TopDown() const { return FTopDown; }
  int Bpp() const { return FBpp; }
  bool IsIndexed() const { return FBpp <= 8; }
  DWORD Compression() const { return FCompression; }
  DWORD Mask(int Channel) const { return FChannels[Channel].Mask; }
  std::size_t Stride() const { return FStride; }
  std::size_t ImageSize() const { return FStride * std::size_t(FHeight); }
  // Colour-table entries the header announces (biClrUsed, 0 meaning all).
  int TableEntries() const { return FTableEntries; }
  // True when the pixels have the layout TGdiBitmap stores at this depth
  // (5-5-5 at 16 bits, 8-8-8 at 32), so rows may be copied unchanged.
  bool HasNativeLayout() const;

  const std::vector<RGBQUAD>& Colors() const { return FColors; }
  void SetColors(const std::vector<RGBQUAD>& Colors);

  // Byte offset of image row Y (0 = top) inside a buffer of the whole image.
  std::size_t RowOffset(int Y) const {
    return std::size_t(FTopDown ? Y : FHeight - 1 - Y) * FStride;
  }

  TRgb32 ReadPixel(const BYTE* Row, int X) const;
  // Stores Color, as the nearest colour-table entry at indexed depths.
  void WritePixel(BYTE* Row, int X, TRgb32 Color) const;
  unsigned ReadIndex(const BYTE* Row, int X) const;
  void WriteIndex(BYTE* Row, int X, unsigned Index) const;

private:
  struct TChannel {
    DWORD Mask = 0;
    int Shift = 0;
    int Bits = 0;
  };
  bool SetMasks(DWORD Red, DWORD Green, DWORD Blue);
  bool ReadColors(const BYTE* Table, UINT Usage, const TGdiDC* DC);
  int NearestIndex(TRgb32 Color) const;

  int FWidth = 0, FHeight = 0, FBpp = 0;
  bool FTopDown = false;
  DWORD FCompression = BI_RGB;
  DWORD FHeaderSize = 0;
  int FTableEntries = 0;
  std::size_t FStride = 0;
  TChannel FChannels[3];
  std::vector<RGBQUAD> FColors;
  mutable TRgb32 FLastColor = 0xFFFFFFFF;
  mutable int FLastIndex = 0;
};
