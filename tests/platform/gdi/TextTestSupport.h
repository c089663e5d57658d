// Test helpers for the text operations: a memory DC over a 32-bit bitmap,
// fonts that are released with it, and the box of pixels that differ from
// the background, which is how most text tests look at what was drawn.
#pragma once

#include "GdiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace texttest {

using gditest::kBlack;
using gditest::kWhite;
inline constexpr COLORREF kInk = RGB(200, 30, 60);
inline constexpr COLORREF kBack = RGB(20, 90, 250);

inline LOGFONTA Describe(LONG Height, const char* Face = "DejaVu Sans", LONG Weight = FW_NORMAL) {
  LOGFONTA Lf{};
  Lf.lfHeight = Height;
  Lf.lfWeight = Weight;
  std::strncpy(Lf.lfFaceName, Face, LF_FACESIZE - 1);
  return Lf;
}

// A test surface whose DC starts with the text colours above, in
// transparent mode, and which owns the fonts it selects.
class TTextSurface : public gditest::TTestSurface {
public:
  explicit TTextSurface(int Width, int Height, COLORREF Background = kWhite, int Bpp = 32)
      : TTestSurface(Width, Height, Background, Bpp), FBackground(Background) {
    SetTextColor(DC, kInk);
    SetBkColor(DC, kBack);
    SetBkMode(DC, TRANSPARENT);
  }
  // A font still selected is freed when the base destructor deletes the DC.
  ~TTextSurface() {
    for (HFONT F : FFonts) DeleteObject(F);
  }

  // Creates the font, selects it and keeps it until the surface goes.
  HFONT Use(const LOGFONTA& Lf) {
    HFONT F = CreateFontIndirect(&Lf);
    FFonts.push_back(F);
    SelectObject(DC, F);
    return F;
  }
  HFONT Use(LONG Height, const char* Face = "DejaVu Sans") { return Use(Describe(Height, Face)); }

  using TTestSurface::Clear;
  void Clear() { Clear(FBackground); }
  bool Marked(int X, int Y) const { return At(X, Y) != FBackground; }

  // The smallest rectangle holding every pixel that is not background;
  // all zero when there is none.
  TRect InkBox() const {
    TRect R{Width(), Height(), 0, 0};
    for (int Y = 0; Y < Height(); ++Y)
      for (int X = 0; X < Width(); ++X)
        if (Marked(X, Y)) {
          R.Left = std::min<LONG>(R.Left, X), R.Right = std::max<LONG>(R.Right, X + 1);
          R.Top = std::min<LONG>(R.Top, Y), R.Bottom = std::max<LONG>(R.Bottom, Y + 1);
        }
    return R.Left < R.Right ? R : TRect{0, 0, 0, 0};
  }
  int CountMarked() const { return Width() * Height() - Count(FBackground); }
  // Every pixel, row by row, for comparing two drawings.
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> P;
    for (int Y = 0; Y < Height(); ++Y)
      for (int X = 0; X < Width(); ++X) P.push_back(At(X, Y));
    return P;
  }

  SIZE Extent(const char* Text) {
    SIZE S{0, 0};
    EXPECT_TRUE(GetTextExtentPoint32(DC, Text, int(std::strlen(Text)), &S));
    return S;
  }
  TEXTMETRICA Metrics() {
    TEXTMETRICA Tm{};
    EXPECT_TRUE(GetTextMetrics(DC, &Tm));
    return Tm;
  }

private:
  COLORREF FBackground;
  std::vector<HFONT> FFonts;
};

} // namespace texttest
