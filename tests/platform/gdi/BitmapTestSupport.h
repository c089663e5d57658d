// Test helpers for bitmaps and blits: BITMAPINFO with room for a full
// colour table, memory DCs over DIB sections of any format, monochrome
// bitmaps drawn from text rows, and reads of surface pixels as COLORREF.
#pragma once

#include "GdiTestSupport.h"
#include "platform/gdi/BitmapSupport.h"

#include <cstring>
#include <string>
#include <vector>

namespace bmptest {

using namespace gditest;

inline constexpr COLORREF kGreen = RGB(0, 255, 0);
inline constexpr COLORREF kYellow = RGB(255, 255, 0);

// A BITMAPINFO followed by 256 colour-table slots (or the three masks).
struct TDibInfo {
  BITMAPINFOHEADER Header{};
  RGBQUAD Colors[256]{};

  TDibInfo(int Width, int Height, int Bpp, DWORD Compression = BI_RGB) {
    Header.biSize = sizeof(BITMAPINFOHEADER);
    Header.biWidth = Width;
    Header.biHeight = Height;
    Header.biPlanes = 1;
    Header.biBitCount = WORD(Bpp);
    Header.biCompression = Compression;
  }
  void SetMasks(DWORD R, DWORD G, DWORD B) {
    const DWORD M[3] = {R, G, B};
    std::memcpy(Colors, M, sizeof M);
  }
  void SetColor(int I, COLORREF C) {
    Colors[I] = RGBQUAD{GetBValue(C), GetGValue(C), GetRValue(C), 0};
  }
  BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(this); }
  std::size_t Stride() const {
    return std::size_t(((Header.biWidth * Header.biBitCount + 31) / 32) * 4);
  }
  std::size_t ImageSize() const {
    return Stride() * std::size_t(Header.biHeight < 0 ? -Header.biHeight : Header.biHeight);
  }
};

// A memory DC drawing into a DIB section described by Info.
class TDibSurface {
public:
  explicit TDibSurface(TDibInfo Info, UINT Usage = DIB_RGB_COLORS) {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateDIBSection(DC, Info.Info(), Usage, &Bits, nullptr, 0);
    if (Bitmap) FOld = SelectObject(DC, Bitmap);
  }
  ~TDibSurface() {
    if (Bitmap) SelectObject(DC, FOld);
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  TDibSurface(const TDibSurface&) = delete;
  TDibSurface& operator=(const TDibSurface&) = delete;

  TGdiBitmap& Store() const { return *GdiFind<TGdiBitmap>(Bitmap, OBJ_BITMAP); }
  COLORREF At(int X, int Y) const { return Rgb32ToColorRef(Store().ReadPixel(X, Y)); }
  void Set(int X, int Y, COLORREF C) { Store().WritePixel(X, Y, ColorRefToRgb32(C)); }
  void Clear(COLORREF C) {
    for (int Y = 0; Y < Store().Height(); ++Y)
      Store().FillSpan(0, Store().Width(), Y, ColorRefToRgb32(C));
  }

  HDC DC = nullptr;
  HBITMAP Bitmap = nullptr;
  void* Bits = nullptr;

private:
  HGDIOBJ FOld = nullptr;
};

// A monochrome bitmap from rows of text: '#' is a 0 bit (black), any
// other character a 1 bit (white).
inline HBITMAP MonoBitmap(const std::vector<std::string>& Rows) {
  int W = int(Rows[0].size()), H = int(Rows.size());
  int Stride = ((W + 15) / 16) * 2;
  std::vector<BYTE> Bits(std::size_t(Stride) * std::size_t(H), 0);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      if (Rows[std::size_t(Y)][std::size_t(X)] != '#')
        Bits[std::size_t(Y * Stride + X / 8)] |= BYTE(0x80 >> (X % 8));
  return CreateBitmap(W, H, 1, 1, Bits.data());
}

// A memory DC with Bitmap selected, deselected and deleted with the DC.
class TBitmapDC {
public:
  explicit TBitmapDC(HBITMAP B) : Bitmap(B) {
    DC = CreateCompatibleDC(nullptr);
    FOld = SelectObject(DC, B);
  }
  ~TBitmapDC() {
    SelectObject(DC, FOld);
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;

  COLORREF At(int X, int Y) const {
    return Rgb32ToColorRef(GdiFind<TGdiBitmap>(Bitmap, OBJ_BITMAP)->ReadPixel(X, Y));
  }

  HDC DC = nullptr;
  HBITMAP Bitmap = nullptr;

private:
  HGDIOBJ FOld = nullptr;
};

} // namespace bmptest
