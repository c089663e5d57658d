// A bitmap created by CreateDIBSection: its storage is the pixel memory
// handed to the caller, laid out exactly as the BITMAPINFO described it,
// so the header it was created from is kept for GetObject(DIBSECTION).
#pragma once

#include "platform/gdi/Bitmap.h"

class TGdiDibSection : public TGdiBitmap {
public:
  TGdiDibSection(int Width, int Height, int Bpp, bool BottomUp)
      : TGdiBitmap(Width, Height, Bpp, BottomUp) {
    IsDibSection = true;
  }

  // As reported by GetObject: the creation header with biSizeImage filled.
  BITMAPINFOHEADER Header{};
  // Red, green and blue masks at 16 and 32 bits per pixel.
  DWORD Masks[3] = {0, 0, 0};
};
