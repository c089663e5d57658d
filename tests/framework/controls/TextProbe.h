// Independent text measurements for the tests: DrawText on a screen DC
// with a font made straight from a description, and the ink (pixels not
// of the background) of an area of the screen.
#pragma once

#include "platform/WinUser.h"
#include "platform/headless/HeadlessDesktop.h"

#include <algorithm>
#include <cstdint>
#include <string>

struct TTextProbe {
  // The DT_CALCRECT rectangle of Text in the font (Face, Height).
  static TRect Measure(const char* Face, int Height, const std::string& Text, TRect Bounds,
                       UINT Format) {
    HFONT Font = CreateFont(Height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, Face);
    HDC DC = GetDC(nullptr);
    HGDIOBJ Old = SelectObject(DC, Font);
    DrawText(DC, Text.c_str(), -1, &Bounds, Format | DT_CALCRECT);
    SelectObject(DC, Old);
    ReleaseDC(nullptr, DC);
    DeleteObject(Font);
    return Bounds;
  }
  // tmHeight of the font (Face, Height).
  static int LineHeight(const char* Face, int Height) {
    HFONT Font = CreateFont(Height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, Face);
    HDC DC = GetDC(nullptr);
    HGDIOBJ Old = SelectObject(DC, Font);
    TEXTMETRICA Tm{};
    GetTextMetrics(DC, &Tm);
    SelectObject(DC, Old);
    ReleaseDC(nullptr, DC);
    DeleteObject(Font);
    return Tm.tmHeight;
  }
};

// The bounding box of the screen pixels in Area that differ from
// Background; empty (all zero) when there are none.
inline TRect InkBox(THeadlessDesktop& Desk, TRect Area, std::uint32_t Background) {
  TRect Box{0, 0, 0, 0};
  bool Any = false;
  for (int Y = Area.Top; Y < Area.Bottom; ++Y)
    for (int X = Area.Left; X < Area.Right; ++X) {
      if (Desk.ScreenPixel(X, Y) == Background) continue;
      if (!Any) Box = {X, Y, X + 1, Y + 1};
      Box = {std::min(Box.Left, LONG(X)), std::min(Box.Top, LONG(Y)),
             std::max(Box.Right, LONG(X + 1)), std::max(Box.Bottom, LONG(Y + 1))};
      Any = true;
    }
  return Box;
}

// How many pixels of Area have exactly the colour Rgb.
inline int CountPixels(THeadlessDesktop& Desk, TRect Area, std::uint32_t Rgb) {
  int N = 0;
  for (int Y = Area.Top; Y < Area.Bottom; ++Y)
    for (int X = Area.Left; X < Area.Right; ++X) N += Desk.ScreenPixel(X, Y) == Rgb;
  return N;
}
