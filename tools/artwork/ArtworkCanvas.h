// A small drawing surface for the artwork generator: a top-down 24-bit DIB
// section selected into a memory DC, with the few fill, text and pixel
// helpers the logo and the icon need. Rows are B,G,R in memory, top row
// first, so the encoders can hand them on without reordering.
#pragma once

#include "platform/WinGdi.h"

#include <cstdint>
#include <string>

class TArtworkCanvas {
public:
  TArtworkCanvas(int Width, int Height);
  ~TArtworkCanvas();
  TArtworkCanvas(const TArtworkCanvas&) = delete;
  TArtworkCanvas& operator=(const TArtworkCanvas&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  HDC DC() const { return FDC; }
  // Bytes between the starts of two rows (a multiple of 4).
  int Stride() const { return FStride; }
  const std::uint8_t* Row(int Y) const { return FBits + std::size_t(Y) * FStride; }
  COLORREF Pixel(int X, int Y) const;

  void Fill(const TRect& R, COLORREF Color);
  // Text in a DejaVu face, left edge X, top of the character cell Y.
  void Text(int X, int Y, const std::string& S, int EmHeight, bool Bold, COLORREF Color);
  SIZE TextSize(const std::string& S, int EmHeight, bool Bold);

private:
  HFONT MakeFont(int EmHeight, bool Bold);

  int FWidth, FHeight, FStride;
  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
  std::uint8_t* FBits = nullptr;
};
