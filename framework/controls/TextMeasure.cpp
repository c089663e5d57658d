#include "framework/controls/TextMeasure.h"

#include "framework/graphics/Font.h"
#include "platform/WinUser.h"

TRect MeasureText(TFont* Font, std::string_view Text, const TRect& Bounds, UINT Format) {
  TRect R = Bounds;
  HDC DC = GetDC(nullptr);
  if (!DC) return R;
  HGDIOBJ Old = SelectObject(DC, Font->GetHandle());
  DrawText(DC, Text.data(), int(Text.size()), &R, Format | DT_CALCRECT);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return R;
}
