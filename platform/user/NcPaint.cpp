// Painting the frame and caption through the whole-window DC. The client
// area is clipped away first, so the frame can be laid down in coats (the
// 3-D edge, a face-coloured fill of everything inside it, then the client
// edge, the caption bar, its text and its buttons) without ever touching
// what the window painted in its client area.
#include "platform/user/NcFrame.h"
#include "platform/user/NcMetrics.h"
#include "platform/user/WindowManager.h"

#include <string>

namespace {

bool IsActiveFrame(HWND Wnd) {
  HWND Active = GetActiveWindow();
  return Active && (Active == Wnd || Active == GetAncestor(Wnd, GA_ROOT));
}

void PaintOuterFrame(HDC Dc, const TNcLayout& L) {
  TRect R = L.Bounds();
  if (L.Frame() == TNcLayout::NoFrame) return;
  if (L.Frame() == TNcLayout::BorderFrame) {
    FrameRect(Dc, &R, GetSysColorBrush(COLOR_WINDOWFRAME));
    return;
  }
  DrawEdge(Dc, &R, EDGE_RAISED, BF_RECT);
  InflateRect(&R, -kNcRaisedEdge, -kNcRaisedEdge);
  FillRect(Dc, &R, GetSysColorBrush(COLOR_BTNFACE));
}

void PaintCaptionText(HWND Wnd, HDC Dc, const TNcLayout& L, bool Active) {
  int Length = GetWindowTextLength(Wnd);
  if (Length <= 0) return;
  std::string Text(std::size_t(Length) + 1, '\0');
  Length = GetWindowText(Wnd, Text.data(), Length + 1);
  LOGFONTA Lf = NcLogFont(L.IsSmallCaption() ? TNcFont::SmallCaption : TNcFont::Caption);
  HFONT Font = CreateFontIndirect(&Lf);
  HGDIOBJ Old = SelectObject(Dc, Font);
  SetBkMode(Dc, TRANSPARENT);
  SetTextColor(Dc, GetSysColor(Active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  TRect R = L.CaptionText();
  DrawText(Dc, Text.c_str(), Length, &R,
           DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(Dc, Old);
  DeleteObject(Font);
}

void DrawBox(HDC Dc, const TNcBox& Box, bool Pressed) {
  TRect R = Box.Rect;
  UINT State = Box.Kind | (Pressed ? DFCS_PUSHED : 0) | (Box.Enabled ? 0 : DFCS_INACTIVE);
  DrawFrameControl(Dc, &R, DFC_CAPTION, State);
}

void PaintCaption(HWND Wnd, HDC Dc, const TNcLayout& L) {
  bool Active = IsActiveFrame(Wnd);
  TRect Bar = L.CaptionBar();
  FillRect(Dc, &Bar, GetSysColorBrush(Active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
  TRect Line{Bar.Left, Bar.Bottom, Bar.Right, Bar.Bottom + 1};
  FillRect(Dc, &Line, GetSysColorBrush(COLOR_BTNFACE));
  PaintCaptionText(Wnd, Dc, L, Active);
  LRESULT Pressed = NcPressedBox(Wnd);
  for (const TNcBox& Box : L.Boxes()) DrawBox(Dc, Box, Box.Hit == Pressed);
}

// Captions of child windows show their root's activation, but only the
// root hears of activation changes; whenever the root's frame is painted,
// theirs is due too.
void InvalidateChildCaptions(const TWindow& W) {
  for (HWND Kid : W.Children)
    if (TWindow* K = WmFindLive(Kid)) {
      if ((K->Style & WS_CAPTION) == WS_CAPTION) WmInvalidateFrame(*K);
      InvalidateChildCaptions(*K);
    }
}

} // namespace

void NcPaint(HWND Wnd) {
  TWindow* W = WmFindLive(Wnd);
  std::optional<TNcLayout> L = TNcLayout::OfWindow(Wnd);
  if (!W || !L) return;
  if (!W->IsChild()) InvalidateChildCaptions(*W);
  bool HasFrame = L->Frame() != TNcLayout::NoFrame || L->HasClientEdge();
  if (!HasFrame) return;
  HDC Dc = GetWindowDC(Wnd);
  if (!Dc) return;
  TRect Client = WmClientInWindow(*W);
  ExcludeClipRect(Dc, Client.Left, Client.Top, Client.Right, Client.Bottom);
  PaintOuterFrame(Dc, *L);
  if (L->HasClientEdge()) {
    TRect Edge = Client;
    InflateRect(&Edge, kNcClientEdge, kNcClientEdge);
    DrawEdge(Dc, &Edge, EDGE_SUNKEN, BF_RECT);
  }
  if (L->HasCaption()) PaintCaption(Wnd, Dc, *L);
  ReleaseDC(Wnd, Dc);
}

void NcPaintBox(HWND Wnd, const TNcBox& Box) {
  HDC Dc = GetWindowDC(Wnd);
  if (!Dc) return;
  DrawBox(Dc, Box, NcPressedBox(Wnd) == Box.Hit);
  ReleaseDC(Wnd, Dc);
}
