// The colour identifier map is the single list of colour names; the
// conversions below all go through it.
#include "framework/graphics/Colors.h"

#include "framework/runtime/SysUtils.h"
#include "platform/WinGdi.h"

const std::array<TIdentMapEntry, 52> ColorIdents{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
}};

COLORREF ColorToRGB(TColor Color) {
  if (Color == clNone || Color == clDefault) return 0;
  if (Color < 0) return GetSysColor(int(Color & 0xFF));
  return COLORREF(Color);
}

bool ColorToIdent(TColor Color, std::string& Ident) {
  return IntToIdent(Color, Ident, ColorIdents);
}

bool IdentToColor(std::string_view Ident, TColor& Color) {
  return IdentToInt(Ident, Color, ColorIdents);
}

std::string ColorToString(TColor Color) {
  std::string Ident;
  if (ColorToIdent(Color, Ident)) return Ident;
  return "$" + IntToHex(Color, 8);
}

TColor StringToColor(std::string_view Text) {
  TColor Color;
  if (IdentToColor(Text, Color)) return Color;
  return StrToInt(Text);
}

const TTypeInfo& ColorTypeInfo() {
  static const TTypeInfo Info = MakeIntegerTypeInfo("TColor", ColorIdents);
  return Info;
}
