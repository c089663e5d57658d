// TDibSection: one top-down DIB section owned by value, the pixel store
// of TBitmap and the scratch surface of icon drawing. Rows follow each
// other from the top at Stride() bytes; 16 bits per pixel is 5-5-5.
//
// Every way of making one can fail (the drawing layer refuses absurd
// sizes): the result is then empty, and callers decide what that means.
#pragma once

#include "platform/WinGdi.h"

#include <cstdint>
#include <span>
#include <vector>

class TDibSection {
public:
  TDibSection() = default;
  ~TDibSection() { Reset(); }
  TDibSection(TDibSection&& Other) noexcept { *this = std::move(Other); }
  TDibSection& operator=(TDibSection&& Other) noexcept;
  TDibSection(const TDibSection&) = delete;
  TDibSection& operator=(const TDibSection&) = delete;

  // Zeroed pixels; indexed depths take Colors (missing entries black,
  // no colours at all: the standard table of that depth).
  static TDibSection Create(int Width, int Height, int Bpp, std::span<const RGBQUAD> Colors = {});
  // The picture of any bitmap handle at the nearest depth a section
  // can have (1, 4, 8, 16, 24 or 32 bits).
  static TDibSection CopyOf(HBITMAP Bitmap);
  // Rows of a DIB in another layout (any depth the drawing layer reads,
  // bit fields, bottom-up or top-down) converted into a new section of
  // Bpp bits; Info is the layout of Bits.
  static TDibSection FromDib(const BITMAPINFO& Info, const void* Bits, int Bpp,
                             std::span<const RGBQUAD> Colors = {});

  // The same picture at another depth (through colours; indexed depths
  // get their standard tables).
  TDibSection Converted(int Bpp) const;
  // The same pixels with another colour table (indexes kept).
  TDibSection Recolored(std::span<const RGBQUAD> Colors) const;
  // Another size with the top-left content kept; new pixels are Fill.
  TDibSection Resized(int Width, int Height, COLORREF Fill) const;

  explicit operator bool() const { return FHandle != nullptr; }
  HBITMAP Handle() const { return FHandle; }
  std::uint8_t* Bits() const { return FBits; }
  std::uint8_t* Row(int Y) const { return FBits + std::size_t(Y) * std::size_t(Stride()); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Bpp() const { return FBpp; }
  int Stride() const { return ((FWidth * FBpp + 31) / 32) * 4; }
  std::size_t ImageBytes() const { return std::size_t(Stride()) * std::size_t(FHeight); }
  const std::vector<RGBQUAD>& Colors() const { return FColors; }
  // The header and colour table that describe Bits().
  std::vector<std::uint8_t> InfoBlock() const;

  // Paints every pixel Color (the nearest entry for indexed depths). The
  // section must not be selected into a DC at the time.
  void Fill(COLORREF Color) const;
  // The colour of a pixel; CLR_INVALID outside the image.
  COLORREF Pixel(int X, int Y) const;

  // Hands the section over; this object is empty afterwards.
  HBITMAP Release();
  void Reset();

private:
  HBITMAP FHandle = nullptr;
  std::uint8_t* FBits = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  int FBpp = 0;
  std::vector<RGBQUAD> FColors;
};

// The standard colour table of an indexed depth: black and white, the
// 16 VGA colours, or the 256-colour halftone table.
std::vector<RGBQUAD> StandardColors(int Bpp);
