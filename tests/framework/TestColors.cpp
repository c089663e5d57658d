// Colours: the identifier map's order and values, conversions to and from
// text, and system colours resolved through the desktop.
#include "framework/graphics/Colors.h"
#include "framework/runtime/Exceptions.h"
#include "platform/WinGdi.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(Colors, IdentifierMapOrderAndValues) {
  const std::pair<const char*, std::uint32_t> Expected[52] = {
      {"clBlack", 0x000000},
      {"clMaroon", 0x000080},
      {"clGreen", 0x008000},
      {"clOlive", 0x008080},
      {"clNavy", 0x800000},
      {"clPurple", 0x800080},
      {"clTeal", 0x808000},
      {"clGray", 0x808080},
      {"clSilver", 0xC0C0C0},
      {"clRed", 0x0000FF},
      {"clLime", 0x00FF00},
      {"clYellow", 0x00FFFF},
      {"clBlue", 0xFF0000},
      {"clFuchsia", 0xFF00FF},
      {"clAqua", 0xFFFF00},
      {"clWhite", 0xFFFFFF},
      {"clMoneyGreen", 0xC0DCC0},
      {"clSkyBlue", 0xF0CAA6},
      {"clCream", 0xF0FBFF},
      {"clMedGray", 0xA4A0A0},
      {"clActiveBorder", 0x8000000A},
      {"clActiveCaption", 0x80000002},
      {"clAppWorkSpace", 0x8000000C},
      {"clBackground", 0x80000001},
      {"clBtnFace", 0x8000000F},
      {"clBtnHighlight", 0x80000014},
      {"clBtnShadow", 0x80000010},
      {"clBtnText", 0x80000012},
      {"clCaptionText", 0x80000009},
      {"clDefault", 0x20000000},
      {"clGradientActiveCaption", 0x8000001B},
      {"clGradientInactiveCaption", 0x8000001C},
      {"clGrayText", 0x80000011},
      {"clHighlight", 0x8000000D},
      {"clHighlightText", 0x8000000E},
      {"clHotLight", 0x8000001A},
      {"clInactiveBorder", 0x8000000B},
      {"clInactiveCaption", 0x80000003},
      {"clInactiveCaptionText", 0x80000013},
      {"clInfoBk", 0x80000018},
      {"clInfoText", 0x80000017},
      {"clMenu", 0x80000004},
      {"clMenuBar", 0x8000001E},
      {"clMenuHighlight", 0x8000001D},
      {"clMenuText", 0x80000007},
      {"clNone", 0x1FFFFFFF},
      {"clScrollBar", 0x80000000},
      {"cl3DDkShadow", 0x80000015},
      {"cl3DLight", 0x80000016},
      {"clWindow", 0x80000005},
      {"clWindowFrame", 0x80000006},
      {"clWindowText", 0x80000008},
  };
  for (std::size_t I = 0; I < 52; ++I) {
    EXPECT_STREQ(ColorIdents[I].Name, Expected[I].first) << I;
    EXPECT_EQ(std::uint32_t(ColorIdents[I].Value), Expected[I].second) << Expected[I].first;
  }
  std::set<std::int32_t> Values;
  for (const TIdentMapEntry& E : ColorIdents) Values.insert(E.Value);
  EXPECT_EQ(Values.size(), 52u);
}

TEST(Colors, SystemColoursResolveThroughTheDesktop) {
  for (int Index : {COLOR_SCROLLBAR, COLOR_WINDOW, COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_MENUBAR})
    EXPECT_EQ(ColorToRGB(SystemColor(Index)), GetSysColor(Index)) << Index;
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
}

TEST(Colors, SystemColourFollowsSetSysColors) {
  const int Index = COLOR_INFOBK;
  const COLORREF Saved = GetSysColor(Index);
  const COLORREF Changed = RGB(1, 2, 3);
  ASSERT_TRUE(SetSysColors(1, &Index, &Changed));
  EXPECT_EQ(ColorToRGB(clInfoBk), Changed);
  SetSysColors(1, &Index, &Saved);
  EXPECT_EQ(ColorToRGB(clInfoBk), Saved);
}

TEST(Colors, RgbAndMarkerValues) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(clCream), 0xF0FBFFu);
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
  EXPECT_EQ(ColorToRGB(clNone), 0u);
  EXPECT_EQ(ColorToRGB(clDefault), 0u);
}

TEST(Colors, Text) {
  EXPECT_EQ(ColorToString(clRed), "clRed");
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(ColorToString(SystemColor(25)), "$80000019");
  EXPECT_EQ(StringToColor("clred"), clRed);
  EXPECT_EQ(StringToColor("CLWINDOWTEXT"), clWindowText);
  EXPECT_EQ(StringToColor("$00123456"), 0x123456);
  EXPECT_EQ(StringToColor("$80000005"), clWindow);
  EXPECT_EQ(StringToColor("-2147483643"), clWindow);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_THROW(StringToColor("clReddish"), EConvertError);
  EXPECT_THROW(StringToColor(""), EConvertError);
  for (const TIdentMapEntry& E : ColorIdents)
    EXPECT_EQ(StringToColor(ColorToString(E.Value)), E.Value);
}

TEST(Colors, IdentLookups) {
  std::string Ident;
  EXPECT_TRUE(ColorToIdent(clNone, Ident));
  EXPECT_EQ(Ident, "clNone");
  EXPECT_FALSE(ColorToIdent(0x010203, Ident));
  TColor Color = 0;
  EXPECT_TRUE(IdentToColor("cl3ddkshadow", Color));
  EXPECT_EQ(Color, cl3DDkShadow);
  EXPECT_FALSE(IdentToColor("Red", Color));
}

} // namespace
