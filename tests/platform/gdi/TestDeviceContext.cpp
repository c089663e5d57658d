#include "GdiTestSupport.h"

#include <climits>

using namespace gditest;

namespace {

class DeviceContextTest : public TGdiTest {};

} // namespace

TEST_F(DeviceContextTest, NewMemoryDCStartsWithTheDefaults) {
  HDC DC = CreateCompatibleDC(nullptr);
  ASSERT_NE(DC, nullptr);
  EXPECT_EQ(GetObjectType(DC), OBJ_MEMDC);
  EXPECT_EQ(GetCurrentObject(DC, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(DC, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(DC, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetCurrentObject(DC, OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
  HGDIOBJ Bitmap = GetCurrentObject(DC, OBJ_BITMAP);
  EXPECT_EQ(GetObjectType(Bitmap), OBJ_BITMAP);
  auto* B = GdiFind<TGdiBitmap>(Bitmap, OBJ_BITMAP);
  EXPECT_EQ(B->Width(), 1);
  EXPECT_EQ(B->BitsPerPixel(), 1);
  EXPECT_EQ(GetTextColor(DC), kBlack);
  EXPECT_EQ(GetBkColor(DC), kWhite);
  EXPECT_EQ(GetBkMode(DC), OPAQUE);
  EXPECT_EQ(GetROP2(DC), R2_COPYPEN);
  EXPECT_EQ(GetTextAlign(DC), TA_LEFT | TA_TOP);
  TRect Box;
  EXPECT_EQ(GetClipBox(DC, &Box), SIMPLEREGION);
  EXPECT_EQ(Box, (TRect{0, 0, 1, 1}));
  HDC Second = CreateCompatibleDC(DC);
  EXPECT_NE(Second, nullptr);
  EXPECT_TRUE(DeleteDC(Second));
  EXPECT_TRUE(DeleteDC(DC));
  EXPECT_FALSE(DeleteDC(DC));
  EXPECT_EQ(CreateCompatibleDC(DC), nullptr);
}

TEST_F(DeviceContextTest, StaleDCAnswersWithFailureValues) {
  HDC DC = CreateCompatibleDC(nullptr);
  DeleteDC(DC);
  TPoint P;
  EXPECT_EQ(SetTextColor(DC, kRed), CLR_INVALID);
  EXPECT_EQ(GetBkColor(DC), CLR_INVALID);
  EXPECT_EQ(SetBkMode(DC, OPAQUE), 0);
  EXPECT_EQ(SetROP2(DC, R2_XORPEN), 0);
  EXPECT_EQ(GetTextAlign(DC), GDI_ERROR);
  EXPECT_EQ(SaveDC(DC), 0);
  EXPECT_FALSE(RestoreDC(DC, -1));
  EXPECT_FALSE(SetWindowOrgEx(DC, 1, 1, &P));
  EXPECT_EQ(GetPixel(DC, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetDeviceCaps(DC, HORZRES), 0);
  EXPECT_EQ(GetObjectType(DC), 0u);
  EXPECT_EQ(SelectObject(DC, GetStockObject(BLACK_BRUSH)), nullptr);
  EXPECT_EQ(PtVisible(DC, 0, 0), -1);
  EXPECT_EQ(PtVisible(nullptr, 0, 0), -1);
  TRect R{0, 0, 1, 1};
  EXPECT_EQ(RectVisible(DC, &R), FALSE);
}

TEST_F(DeviceContextTest, ModeSettersRejectUnknownValues) {
  TTestSurface S(2, 2);
  EXPECT_EQ(SetBkMode(S.DC, 3), 0);
  EXPECT_EQ(SetROP2(S.DC, 0), 0);
  EXPECT_EQ(SetROP2(S.DC, 17), 0);
  EXPECT_EQ(SetStretchBltMode(S.DC, 9), 0);
  EXPECT_EQ(SetROP2(S.DC, R2_XORPEN), R2_COPYPEN);
  EXPECT_EQ(SetStretchBltMode(S.DC, HALFTONE), BLACKONWHITE);
  EXPECT_EQ(GetStretchBltMode(S.DC), HALFTONE);
}

TEST_F(DeviceContextTest, SaveAndRestoreBringBackColoursObjectsAndClip) {
  TTestSurface S(20, 20);
  HBRUSH Red = CreateSolidBrush(kRed);
  int Level1 = SaveDC(S.DC);
  EXPECT_EQ(Level1, 1);
  SetTextColor(S.DC, kRed);
  SelectObject(S.DC, Red);
  IntersectClipRect(S.DC, 0, 0, 5, 5);
  EXPECT_EQ(SaveDC(S.DC), 2);
  SetBkColor(S.DC, kBlue);
  SetWindowOrgEx(S.DC, 3, 3, nullptr);
  EXPECT_EQ(SaveDC(S.DC), 3);

  EXPECT_TRUE(RestoreDC(S.DC, -1)); // back to level 2's state
  EXPECT_EQ(GetBkColor(S.DC), kBlue);
  EXPECT_TRUE(RestoreDC(S.DC, 2));
  EXPECT_EQ(GetBkColor(S.DC), kWhite);
  EXPECT_EQ(GetTextColor(S.DC), kRed);
  TPoint Org;
  GetWindowOrgEx(S.DC, &Org);
  EXPECT_EQ(Org, (TPoint{0, 0}));
  EXPECT_FALSE(RestoreDC(S.DC, 2)); // consumed
  EXPECT_TRUE(RestoreDC(S.DC, Level1));
  EXPECT_EQ(GetTextColor(S.DC), kBlack);
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  TRect Box;
  GetClipBox(S.DC, &Box);
  EXPECT_EQ(Box, (TRect{0, 0, 20, 20}));
  EXPECT_FALSE(RestoreDC(S.DC, -1));
  EXPECT_FALSE(RestoreDC(S.DC, 0));
  DeleteObject(Red);
}

TEST_F(DeviceContextTest, DeviceCapsFollowTheDisplay) {
  TDisplayGuard Guard;
  TTestSurface S(1, 1);
  GdiDisplay().Width = 800;
  GdiDisplay().Height = 600;
  GdiDisplay().BitsPerPixel = 32;
  EXPECT_EQ(GetDeviceCaps(S.DC, HORZRES), 800);
  EXPECT_EQ(GetDeviceCaps(S.DC, VERTRES), 600);
  EXPECT_EQ(GetDeviceCaps(S.DC, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(S.DC, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(S.DC, NUMCOLORS), -1);
  EXPECT_EQ(GetDeviceCaps(S.DC, RASTERCAPS) & RC_PALETTE, 0);
  GdiDisplay().BitsPerPixel = 8;
  EXPECT_EQ(GetDeviceCaps(S.DC, RASTERCAPS) & RC_PALETTE, RC_PALETTE);
  EXPECT_EQ(GetDeviceCaps(S.DC, SIZEPALETTE), 256);
  EXPECT_EQ(GetDeviceCaps(S.DC, NUMCOLORS), 20);
}

TEST_F(DeviceContextTest, OriginsShiftDrawingAndConvertPoints) {
  TTestSurface S(10, 10);
  SetWindowOrgEx(S.DC, 5, 0, nullptr);
  SetViewportOrgEx(S.DC, 0, 2, nullptr);
  EXPECT_EQ(SetPixel(S.DC, 6, 1, kRed), kRed);
  EXPECT_EQ(S.At(1, 3), kRed);
  EXPECT_EQ(GetPixel(S.DC, 6, 1), kRed);
  TPoint Pts[2] = {{6, 1}, {INT_MIN, INT_MAX}};
  EXPECT_TRUE(LPtoDP(S.DC, Pts, 2));
  EXPECT_EQ(Pts[0], (TPoint{1, 3}));
  EXPECT_EQ(Pts[1], (TPoint{INT_MIN, INT_MAX}));
  EXPECT_TRUE(DPtoLP(S.DC, Pts, 1));
  EXPECT_EQ(Pts[0], (TPoint{6, 1}));
  TPoint Old;
  EXPECT_TRUE(OffsetWindowOrgEx(S.DC, -5, 0, &Old));
  EXPECT_EQ(Old, (TPoint{5, 0}));
  EXPECT_FALSE(LPtoDP(S.DC, nullptr, 1));
}

TEST_F(DeviceContextTest, PixelAccessOutsideTheSurfaceOrClipFails) {
  TTestSurface S(4, 4);
  EXPECT_EQ(GetPixel(S.DC, 4, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(S.DC, -1, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(S.DC, INT_MAX, INT_MIN, kRed), CLR_INVALID);
  ExcludeClipRect(S.DC, 0, 0, 2, 2);
  EXPECT_EQ(SetPixel(S.DC, 1, 1, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(S.DC, 1, 1), CLR_INVALID);
  EXPECT_EQ(S.At(1, 1), kWhite);
  EXPECT_EQ(SetPixel(S.DC, 3, 3, RGB(1, 2, 3)), RGB(1, 2, 3));
}

TEST_F(DeviceContextTest, PaletteIndexColoursComeFromTheSelectedPalette) {
  TTestSurface S(2, 1);
  EXPECT_EQ(SetPixel(S.DC, 0, 0, PALETTEINDEX(13)), RGB(255, 0, 0));
  EXPECT_EQ(SetPixel(S.DC, 1, 0, PALETTERGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetNearestColor(S.DC, PALETTEINDEX(1)), RGB(0x80, 0, 0));
  EXPECT_EQ(GetNearestColor(S.DC, RGB(7, 8, 9)), RGB(7, 8, 9));
}

TEST_F(DeviceContextTest, MonochromeSurfaceSnapsColours) {
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Mono = GdiAdd(std::make_unique<TGdiBitmap>(2, 1, 1));
  HGDIOBJ Old = SelectObject(DC, Mono);
  EXPECT_EQ(GetNearestColor(DC, RGB(200, 200, 200)), kWhite);
  EXPECT_EQ(SetPixel(DC, 0, 0, RGB(20, 20, 20)), kBlack);
  EXPECT_EQ(SetPixel(DC, 1, 0, RGB(220, 220, 220)), kWhite);
  EXPECT_EQ(SetPixel(DC, 2, 0, kBlack), CLR_INVALID);
  SelectObject(DC, Old);
  DeleteObject(Mono);
  DeleteDC(DC);
}

TEST_F(DeviceContextTest, SurfaceDCDrawsOnlyInsideItsVisibleRegion) {
  TGdiBitmap Window(40, 30, 32);
  HBRUSH Red = CreateSolidBrush(kRed);
  TRegionData Vis(TRect{0, 0, 20, 10});
  HDC DC = GdiCreateSurfaceDC(&Window, TPoint{10, 5}, &Vis, nullptr);
  ASSERT_NE(DC, nullptr);
  EXPECT_EQ(GetObjectType(DC), OBJ_DC);
  EXPECT_EQ(SelectObject(DC, GdiStockBitmap()), nullptr);
  TRect All{-100, -100, 100, 100};
  FillRect(DC, &All, Red);
  int Painted = 0;
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 40; ++X) {
      bool Inside = X >= 10 && X < 30 && Y >= 5 && Y < 15;
      bool IsRed = Window.ReadPixel(X, Y) == 0xFF0000;
      EXPECT_EQ(IsRed, Inside) << X << "," << Y;
      Painted += IsRed;
    }
  EXPECT_EQ(Painted, 200);
  EXPECT_EQ(GetPixel(DC, 0, 0), kRed);
  EXPECT_EQ(GetPixel(DC, 20, 0), CLR_INVALID);
  TRect Box;
  EXPECT_EQ(GetClipBox(DC, &Box), SIMPLEREGION);
  EXPECT_EQ(Box, (TRect{0, 0, 20, 10}));

  TRegionData Moved(TRect{0, 0, 5, 5});
  GdiSetSurfaceDCVisible(DC, TPoint{0, 20}, &Moved);
  HBRUSH Blue = CreateSolidBrush(kBlue);
  FillRect(DC, &All, Blue);
  EXPECT_EQ(Window.ReadPixel(4, 24), 0x0000FFu);
  EXPECT_EQ(Window.ReadPixel(5, 24), 0u);
  EXPECT_EQ(Window.ReadPixel(4, 25), 0u);
  EXPECT_EQ(Window.ReadPixel(10, 5), 0xFF0000u);

  GdiDetachSurface(&Window);
  HBRUSH Green = CreateSolidBrush(RGB(0, 255, 0));
  EXPECT_TRUE(FillRect(DC, &All, Green));
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 40; ++X) ASSERT_NE(Window.ReadPixel(X, Y), 0x00FF00u);
  EXPECT_EQ(GetPixel(DC, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetClipBox(DC, &Box), NULLREGION);
  EXPECT_TRUE(DeleteDC(DC));
  DeleteObject(Red);
  DeleteObject(Blue);
  DeleteObject(Green);
}
