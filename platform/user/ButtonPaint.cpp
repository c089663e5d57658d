// The look of a push button: a raised face that goes flat and moves its
// caption one pixel down and right while pushed, an extra window-frame line
// around the default button, the caption centred on one line with "&"
// underlining the accelerator, embossed grey when disabled, and a dotted
// focus rectangle inside the face while the button has the focus.
#include "platform/user/ButtonControl.h"

#include <algorithm>
#include <string>

void TButtonControl::Paint(HDC Dc) {
  RECT R{0, 0, 0, 0};
  GetClientRect(FWnd, &R);
  if (IsDefault()) {
    FrameRect(Dc, &R, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&R, -1, -1);
  }
  TRect Face = R;
  DrawFrameControl(Dc, &Face, DFC_BUTTON, DFCS_BUTTONPUSH | (FPushed ? DFCS_PUSHED : 0));
  TRect Caption = R;
  InflateRect(&Caption, -2, -2);
  if (FPushed) OffsetRect(&Caption, 1, 1);
  PaintText(Dc, Caption);
  if (FFocused) {
    TRect Focus = R;
    InflateRect(&Focus, -3, -3);
    DrawFocusRect(Dc, &Focus);
  }
}

void TButtonControl::PaintText(HDC Dc, TRect R) {
  int Length = GetWindowTextLength(FWnd);
  if (Length <= 0) return;
  std::string Text(std::size_t(Length) + 1, '\0');
  Text.resize(std::size_t(std::max(0, GetWindowText(FWnd, Text.data(), Length + 1))));
  // A font deleted behind the button's back leaves the DC's own.
  HGDIOBJ OldFont = SelectObject(Dc, FFont);
  int OldMode = SetBkMode(Dc, TRANSPARENT);
  COLORREF OldColor = GetTextColor(Dc);
  const UINT Format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (IsWindowEnabled(FWnd)) {
    SetTextColor(Dc, GetSysColor(COLOR_BTNTEXT));
  } else {
    TRect Light = R;
    OffsetRect(&Light, 1, 1);
    SetTextColor(Dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawText(Dc, Text.c_str(), int(Text.size()), &Light, Format);
    SetTextColor(Dc, GetSysColor(COLOR_GRAYTEXT));
  }
  DrawText(Dc, Text.c_str(), int(Text.size()), &R, Format);
  SetTextColor(Dc, OldColor);
  SetBkMode(Dc, OldMode);
  if (OldFont) SelectObject(Dc, OldFont);
}
