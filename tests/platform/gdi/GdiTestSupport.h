// Test helpers for the drawing layer: a memory DC over a fresh 32-bit
// bitmap, pixel reads that ignore clipping, pictures of the surface as
// text rows for pixel-exact comparisons, and a fixture that fails a test
// which leaves GDI objects behind.
#pragma once

#include "platform/WinGdi.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace gditest {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);

class TTestSurface {
public:
  TTestSurface(int Width, int Height, COLORREF Background = kWhite, int Bpp = 32) {
    auto B = std::make_unique<TGdiBitmap>(Width, Height, Bpp);
    FBits = B.get();
    FBitmap = GdiAdd(std::move(B));
    DC = CreateCompatibleDC(nullptr);
    FOld = SelectObject(DC, FBitmap);
    Clear(Background);
  }
  ~TTestSurface() {
    SelectObject(DC, FOld);
    DeleteDC(DC);
    DeleteObject(FBitmap);
  }
  TTestSurface(const TTestSurface&) = delete;
  TTestSurface& operator=(const TTestSurface&) = delete;

  int Width() const { return FBits->Width(); }
  int Height() const { return FBits->Height(); }
  HBITMAP Bitmap() const { return static_cast<HBITMAP>(FBitmap); }
  TGdiBitmap& Bits() { return *FBits; }

  void Clear(COLORREF C) {
    for (int Y = 0; Y < Height(); ++Y) FBits->FillSpan(0, Width(), Y, ColorRefToRgb32(C));
  }
  COLORREF At(int X, int Y) const { return Rgb32ToColorRef(FBits->ReadPixel(X, Y)); }
  void Set(int X, int Y, COLORREF C) { FBits->WritePixel(X, Y, ColorRefToRgb32(C)); }

  // One string per row: '#' for Ink, '.' for Background, '?' otherwise.
  std::vector<std::string> Picture(COLORREF Ink, COLORREF Background = kWhite) const {
    std::vector<std::string> Rows;
    for (int Y = 0; Y < Height(); ++Y) {
      std::string Row;
      for (int X = 0; X < Width(); ++X) {
        COLORREF C = At(X, Y);
        Row += C == Ink ? '#' : C == Background ? '.' : '?';
      }
      Rows.push_back(Row);
    }
    return Rows;
  }

  int Count(COLORREF C) const {
    int N = 0;
    for (int Y = 0; Y < Height(); ++Y)
      for (int X = 0; X < Width(); ++X) N += At(X, Y) == C;
    return N;
  }

  HDC DC;

private:
  TGdiBitmap* FBits;
  HGDIOBJ FBitmap;
  HGDIOBJ FOld;
};

// Selects an object for the lifetime of the guard and deletes it after.
class TSelected {
public:
  TSelected(HDC DC, HGDIOBJ Obj) : FDC(DC), FObj(Obj), FOld(SelectObject(DC, Obj)) {}
  ~TSelected() {
    SelectObject(FDC, FOld);
    DeleteObject(FObj);
  }
  TSelected(const TSelected&) = delete;
  TSelected& operator=(const TSelected&) = delete;

private:
  HDC FDC;
  HGDIOBJ FObj, FOld;
};

// Fails a test that leaves objects in the GDI handle table. Stock objects
// and system colour brushes are created up front, since they stay.
// Restores the display description a test changes.
struct TDisplayGuard {
  TDisplayInfo Saved = GdiDisplay();
  ~TDisplayGuard() { GdiDisplay() = Saved; }
};

class TGdiTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int i = 0; i <= DEFAULT_GUI_FONT; ++i) GetStockObject(i);
    for (int i = 0; i <= COLOR_MAX; ++i) GetSysColorBrush(i);
    GdiStockBitmap();
    FBaseline = GdiTable().Count();
  }
  void TearDown() override { EXPECT_EQ(GdiTable().Count(), FBaseline) << "GDI objects leaked"; }

private:
  std::size_t FBaseline = 0;
};

} // namespace gditest
