// Painting of the scroll bar control: the arrows as 3-D buttons (an
// embossed grey glyph when disabled, flat while held under the pointer),
// the trough as a 50 % checker of highlight and face unless the parent
// hands a brush of its own through WM_CTLCOLORSCROLLBAR, the held part of
// the trough dark, and the thumb as a raised block.
#include "platform/user/Draw3d.h"
#include "platform/user/ScrollBarControl.h"

void TScrollBarControl::Paint(HDC Dc) {
  TScrollBarGeometry G = Geometry();
  PaintArrow(Dc, G.UpArrow, true);
  PaintArrow(Dc, G.DownArrow, false);
  PaintTrough(Dc, G);
  if (G.HasThumb) {
    TRect Thumb = G.Thumb;
    DrawEdge(Dc, &Thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
}

void TScrollBarControl::PaintArrow(HDC Dc, const TRect& R, bool Up) {
  UINT State = Vertical() ? (Up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                          : (Up ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
  if (!ArrowEnabled(Up)) State |= DFCS_INACTIVE;
  if (FHot && FHeld == (Up ? TPart::UpArrow : TPart::DownArrow)) State |= DFCS_PUSHED;
  TRect Box = R;
  DrawFrameControl(Dc, &Box, DFC_SCROLL, State);
}

void TScrollBarControl::PaintTrough(HDC Dc, const TScrollBarGeometry& G) {
  HBRUSH Brush = nullptr;
  if (HWND Parent = GetParent(FWnd))
    Brush = reinterpret_cast<HBRUSH>(SendMessage(Parent, WM_CTLCOLORSCROLLBAR,
                                                 reinterpret_cast<WPARAM>(Dc),
                                                 reinterpret_cast<LPARAM>(FWnd)));
  HBRUSH Own = nullptr;
  COLORREF OldText = GetTextColor(Dc), OldBk = GetBkColor(Dc);
  if (!Brush) {
    Own = Brush = CreateHalftoneBrush();
    SetTextColor(Dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    SetBkColor(Dc, GetSysColor(COLOR_BTNFACE));
  }
  HBRUSH Held = GetSysColorBrush(COLOR_3DDKSHADOW);
  TRect Before = G.TroughBefore(), After = G.TroughAfter();
  FillRect(Dc, &Before, FHot && FHeld == TPart::TroughBefore ? Held : Brush);
  FillRect(Dc, &After, FHot && FHeld == TPart::TroughAfter ? Held : Brush);
  if (Own) DeleteObject(Own);
  SetTextColor(Dc, OldText);
  SetBkColor(Dc, OldBk);
}
