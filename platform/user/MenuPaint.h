// The look of the entries the desktop draws itself (everything but
// owner-drawn entries), in the classic scheme: menu-coloured background, the
// highlight colour under the selected entry, an etched separator, a check
// mark or radio dot in the check column, the text with its accelerator
// underlined and the shortcut right-aligned after it, the default entry in
// bold, a disabled entry embossed in grey, and a small arrow for an entry
// that opens a sub-menu. Each part is its own painter so the pixels of one
// can be checked alone.
#pragma once

#include "platform/user/MenuLayout.h"
#include "platform/user/MenuTable.h"

class TMenuPaint {
public:
  // The whole entry E in R (client coordinates of Dc).
  static void Entry(HDC Dc, const TMenuEntry& E, const TRect& R, bool Selected,
                    const TMenuFonts& Fonts);

  static void Background(HDC Dc, const TRect& R, bool Selected);
  static void Separator(HDC Dc, const TRect& R);
  // A check mark, or a dot for a radio entry, centred in Box.
  static void CheckMark(HDC Dc, const TRect& Box, bool Radio, COLORREF Color);
  // A right-pointing triangle centred vertically at the right of R.
  static void Arrow(HDC Dc, const TRect& R, COLORREF Color);
  // Text before the tab left at Left, the shortcut after it right-aligned
  // at Right; "&" underlines the next character of the first part.
  static void Text(HDC Dc, const std::string& Text, TRect R, COLORREF Color);
  static void Bitmap(HDC Dc, HBITMAP Bitmap, const TRect& R);
};
