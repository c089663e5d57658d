// The target every drawing fuzzer paints on: a memory DC over a 32-bit
// top-down DIB section, released with the object.
#pragma once

#include "platform/WinGdi.h"

class TFuzzSurface {
public:
  TFuzzSurface(int Width, int Height) {
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    DC = CreateCompatibleDC(nullptr);
    FBitmap = CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    FOld = SelectObject(DC, FBitmap);
  }
  ~TFuzzSurface() {
    SelectObject(DC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(DC);
  }
  TFuzzSurface(const TFuzzSurface&) = delete;
  TFuzzSurface& operator=(const TFuzzSurface&) = delete;

  HDC DC;

private:
  HBITMAP FBitmap;
  HGDIOBJ FOld;
};
