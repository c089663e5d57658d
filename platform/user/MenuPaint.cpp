// Painting the desktop-drawn menu entries; see MenuPaint.h.
#include "platform/user/MenuPaint.h"

#include <algorithm>

namespace {

HBRUSH MenuPaintBrush(COLORREF Color) { return CreateSolidBrush(Color); }

void MenuPaintFill(HDC Dc, const TRect& R, COLORREF Color) {
  HBRUSH B = MenuPaintBrush(Color);
  FillRect(Dc, &R, B);
  DeleteObject(B);
}

// The text colour of an entry: disabled entries are grey (and embossed
// when not selected), selected ones take the highlight text colour.
COLORREF MenuPaintTextColor(const TMenuEntry& E, bool Selected) {
  if (E.IsDisabled()) return GetSysColor(COLOR_GRAYTEXT);
  return GetSysColor(Selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
}

} // namespace

void TMenuPaint::Background(HDC Dc, const TRect& R, bool Selected) {
  MenuPaintFill(Dc, R, GetSysColor(Selected ? COLOR_HIGHLIGHT : COLOR_MENU));
}

void TMenuPaint::Separator(HDC Dc, const TRect& R) {
  int Mid = R.Top + R.Height() / 2;
  MenuPaintFill(Dc, TRect{R.Left + 1, Mid - 1, R.Right - 1, Mid}, GetSysColor(COLOR_BTNSHADOW));
  MenuPaintFill(Dc, TRect{R.Left + 1, Mid, R.Right - 1, Mid + 1}, GetSysColor(COLOR_BTNHIGHLIGHT));
}

void TMenuPaint::CheckMark(HDC Dc, const TRect& Box, bool Radio, COLORREF Color) {
  int Cx = Box.Left + Box.Width() / 2, Cy = Box.Top + Box.Height() / 2;
  if (Radio) {
    HBRUSH B = MenuPaintBrush(Color);
    HPEN P = CreatePen(PS_SOLID, 1, Color);
    HGDIOBJ OldB = SelectObject(Dc, B), OldP = SelectObject(Dc, P);
    Ellipse(Dc, Cx - 3, Cy - 3, Cx + 3, Cy + 3);
    SelectObject(Dc, OldB);
    SelectObject(Dc, OldP);
    DeleteObject(B);
    DeleteObject(P);
    return;
  }
  // Seven columns, each a three-pixel stroke: down two steps, up four.
  static const int Rise[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int X = 0; X < 7; ++X)
    MenuPaintFill(Dc, TRect{Cx - 3 + X, Cy - 3 + Rise[X], Cx - 2 + X, Cy + Rise[X]}, Color);
}

void TMenuPaint::Arrow(HDC Dc, const TRect& R, COLORREF Color) {
  int Left = R.Right - kMenuArrowColumn / 2 - 2, Cy = R.Top + R.Height() / 2;
  for (int I = 0; I < 4; ++I)
    MenuPaintFill(Dc, TRect{Left + I, Cy - 3 + I, Left + I + 1, Cy + 4 - I}, Color);
}

void TMenuPaint::Text(HDC Dc, const std::string& Text, TRect R, COLORREF Color) {
  SetBkMode(Dc, TRANSPARENT);
  SetTextColor(Dc, Color);
  std::size_t Tab = Text.find('\t');
  std::string Label = Text.substr(0, Tab);
  TRect L = R;
  DrawText(Dc, Label.c_str(), int(Label.size()), &L, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (Tab == std::string::npos) return;
  std::string Shortcut = Text.substr(Tab + 1);
  TRect S = R;
  DrawText(Dc, Shortcut.c_str(), int(Shortcut.size()), &S,
           DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

void TMenuPaint::Bitmap(HDC Dc, HBITMAP Bitmap, const TRect& R) {
  BITMAP Bm{};
  if (!GetObject(Bitmap, sizeof(Bm), &Bm)) return;
  HDC Mem = CreateCompatibleDC(Dc);
  HGDIOBJ Old = SelectObject(Mem, Bitmap);
  BitBlt(Dc, R.Left, R.Top + (R.Height() - Bm.bmHeight) / 2, std::min<int>(Bm.bmWidth, R.Width()),
         std::min<int>(Bm.bmHeight, R.Height()), Mem, 0, 0, SRCCOPY);
  SelectObject(Mem, Old);
  DeleteDC(Mem);
}

void TMenuPaint::Entry(HDC Dc, const TMenuEntry& E, const TRect& R, bool Selected,
                       const TMenuFonts& Fonts) {
  if (E.IsSeparator()) {
    Background(Dc, R, false);
    Separator(Dc, R);
    return;
  }
  Background(Dc, R, Selected);
  COLORREF Color = MenuPaintTextColor(E, Selected);
  if (E.State & MFS_CHECKED)
    CheckMark(Dc, TRect{R.Left, R.Top, R.Left + kMenuCheckColumn, R.Bottom},
              (E.Type & MFT_RADIOCHECK) != 0, Color);
  if (E.SubMenu) Arrow(Dc, R, Color);
  if ((E.Type & MFT_BITMAP) && E.Bitmap) {
    Bitmap(Dc, E.Bitmap,
           TRect{R.Left + kMenuCheckColumn, R.Top, R.Right - kMenuArrowColumn, R.Bottom});
    return;
  }
  HGDIOBJ Old = SelectObject(Dc, (E.State & MFS_DEFAULT) ? Fonts.Bold : Fonts.Normal);
  TRect T{R.Left + kMenuCheckColumn, R.Top, R.Right - kMenuArrowColumn, R.Bottom};
  if (E.IsDisabled() && !Selected) {
    // Embossed: a light copy one pixel down-right under the grey text.
    TRect Light = T;
    OffsetRect(&Light, 1, 1);
    Text(Dc, E.Text, Light, GetSysColor(COLOR_BTNHIGHLIGHT));
  }
  Text(Dc, E.Text, T, Color);
  SelectObject(Dc, Old);
}
