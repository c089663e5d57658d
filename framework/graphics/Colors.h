// Colours as the framework stores them: TColor is Delphi's signed 32-bit
// value. Non-negative values are 0x00BBGGRR RGB colours (or the palette
// forms of COLORREF); negative values 0x80000000 + index name the
// desktop's system colours, resolved only when drawing (ColorToRGB), so a
// control follows a change of the desktop's scheme. clNone and clDefault
// are markers that the controls interpret.
#pragma once

#include "framework/classes/TypeInfo.h"
#include "framework/runtime/IdentMap.h"
#include "platform/WinTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using TColor = std::int32_t;

// The system colour with the desktop's COLOR_* index.
constexpr TColor SystemColor(int Index) {
  return TColor(std::uint32_t(0x80000000) | std::uint32_t(Index));
}

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
                        clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080,
                        clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF,
                        clLime = 0x00FF00, clYellow = 0x00FFFF, clBlue = 0xFF0000,
                        clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                        clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                        clMedGray = 0xA4A0A0;

inline constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                        clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                        clMenu = SystemColor(4), clWindow = SystemColor(5),
                        clWindowFrame = SystemColor(6), clMenuText = SystemColor(7),
                        clWindowText = SystemColor(8), clCaptionText = SystemColor(9),
                        clActiveBorder = SystemColor(10), clInactiveBorder = SystemColor(11),
                        clAppWorkSpace = SystemColor(12), clHighlight = SystemColor(13),
                        clHighlightText = SystemColor(14), clBtnFace = SystemColor(15),
                        clBtnShadow = SystemColor(16), clGrayText = SystemColor(17),
                        clBtnText = SystemColor(18), clInactiveCaptionText = SystemColor(19),
                        clBtnHighlight = SystemColor(20), cl3DDkShadow = SystemColor(21),
                        cl3DLight = SystemColor(22), clInfoText = SystemColor(23),
                        clInfoBk = SystemColor(24), clHotLight = SystemColor(26),
                        clGradientActiveCaption = SystemColor(27),
                        clGradientInactiveCaption = SystemColor(28),
                        clMenuHighlight = SystemColor(29), clMenuBar = SystemColor(30);

inline constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// Every named colour, in the order the identifier maps list them.
extern const std::array<TIdentMapEntry, 52> ColorIdents;

// The RGB value to paint with: system colours through GetSysColor,
// clNone and clDefault as black, everything else unchanged.
COLORREF ColorToRGB(TColor Color);

bool ColorToIdent(TColor Color, std::string& Ident);
bool IdentToColor(std::string_view Ident, TColor& Color);
// "clRed" for named colours, otherwise "$00BBGGRR".
std::string ColorToString(TColor Color);
// Accepts names (any case) and integers ("$0000FF", "255", "-2147483643");
// throws EConvertError for anything else.
TColor StringToColor(std::string_view Text);

// The type of colour properties: integers that accept the names above.
const TTypeInfo& ColorTypeInfo();
