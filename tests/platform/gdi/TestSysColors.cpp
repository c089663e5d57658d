#include "GdiTestSupport.h"

using namespace gditest;

namespace {

class SysColorsTest : public TGdiTest {};

} // namespace

TEST_F(SysColorsTest, ClassicSchemeValues) {
  struct TCase {
    int Index;
    COLORREF Color;
  };
  const TCase Cases[] = {
      {COLOR_BTNFACE, 0xC0C0C0},       {COLOR_BTNSHADOW, 0x808080},
      {COLOR_BTNHIGHLIGHT, 0xFFFFFF},  {COLOR_3DDKSHADOW, 0x000000},
      {COLOR_WINDOW, 0xFFFFFF},        {COLOR_WINDOWTEXT, 0x000000},
      {COLOR_MENU, 0xC0C0C0},          {COLOR_MENUTEXT, 0x000000},
      {COLOR_HIGHLIGHT, 0x800000},     {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
      {COLOR_ACTIVECAPTION, 0x800000}, {COLOR_INACTIVECAPTION, 0x808080},
      {COLOR_INFOBK, 0xE1FFFF},        {COLOR_INFOTEXT, 0x000000},
      {COLOR_GRAYTEXT, 0x808080},      {COLOR_MENUBAR, 0xC0C0C0},
  };
  for (const TCase& C : Cases) EXPECT_EQ(GetSysColor(C.Index), C.Color) << "index " << C.Index;
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(31), 0u);
  EXPECT_EQ(GetSysColorBrush(31), nullptr);
  EXPECT_EQ(GetSysColorBrush(-1), nullptr);
}

TEST_F(SysColorsTest, BrushesSurviveDeleteAndFollowSetSysColors) {
  HBRUSH Face = GetSysColorBrush(COLOR_BTNFACE);
  ASSERT_NE(Face, nullptr);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), Face);
  EXPECT_TRUE(DeleteObject(Face));
  EXPECT_EQ(GetObjectType(Face), OBJ_BRUSH);

  const int Index = COLOR_BTNFACE;
  const COLORREF Old = GetSysColor(Index), New = RGB(1, 2, 3);
  EXPECT_TRUE(SetSysColors(1, &Index, &New));
  EXPECT_EQ(GetSysColor(Index), New);
  TTestSurface S(2, 1);
  TRect R{0, 0, 1, 1};
  FillRect(S.DC, &R, Face);
  EXPECT_EQ(S.At(0, 0), New);
  EXPECT_TRUE(SetSysColors(1, &Index, &Old));
  EXPECT_EQ(GetSysColor(Index), Old);
  EXPECT_FALSE(SetSysColors(1, nullptr, &Old));
}
