// The classic frame geometry. Caption buttons are drawn two pixels smaller
// than their cells in width and four in height, so they float on the bar
// with a two-pixel rim; the close box stands apart from the others by two
// pixels, minimise and maximise touch. As on the original desktop, buttons
// appear only with a system menu, and minimise and maximise come as a
// pair: a window that asks for one shows the other disabled.
#include "platform/user/NcLayout.h"

#include "platform/user/NcMetrics.h"
#include "platform/user/WindowManager.h"

namespace {

constexpr int kTextMargin = 3;
constexpr int kBoxGap = 2;
// How far along an edge a sizing corner reaches.
constexpr int kCornerReach = kNcSizeWidth + kNcSizeFrame;

} // namespace

TNcLayout::TFrame TNcLayout::FrameOf(DWORD Style, DWORD ExStyle) {
  if (Style & WS_THICKFRAME) return SizingFrame;
  if ((ExStyle & WS_EX_DLGMODALFRAME) || (Style & WS_DLGFRAME)) return FixedFrame;
  if (Style & WS_BORDER) return BorderFrame;
  return NoFrame;
}

int TNcLayout::FrameWidth(TFrame Frame) {
  switch (Frame) {
  case SizingFrame: return kNcSizeFrame;
  case FixedFrame: return kNcFixedFrame;
  case BorderFrame: return kNcBorder;
  default: return 0;
  }
}

TNcLayout::TNcLayout(DWORD Style, DWORD ExStyle, int Width, int Height, bool NoClose)
    : FStyle(Style), FExStyle(ExStyle), FWidth(Width), FHeight(Height),
      FFrame(FrameOf(Style, ExStyle)), FCaption((Style & WS_CAPTION) == WS_CAPTION) {
  if (!FCaption) return;
  int F = FrameWidth();
  int Row = IsSmallCaption() ? kNcSmCaption : kNcCaption;
  FBar = TRect{F, F, FWidth - F, F + Row - 1};
  if (Style & WS_SYSMENU) PlaceBoxes(NoClose);
}

std::optional<TNcLayout> TNcLayout::OfWindow(HWND Wnd) {
  TWindow* W = WmFind(Wnd);
  if (!W) return std::nullopt;
  TRect R = WmWindowRect(*W);
  bool NoClose = W->Class && (W->Class->Style & CS_NOCLOSE);
  return TNcLayout(W->Style, W->ExStyle, R.Width(), R.Height(), NoClose);
}

void TNcLayout::AddBox(LRESULT Hit, UINT Kind, bool Enabled, int& Right, int Gap) {
  int Cell = IsSmallCaption() ? kNcSmSizeWidth : kNcSizeWidth;
  int W = Cell - 2, H = FBar.Height() - 4;
  Right -= Gap;
  FBoxes.push_back(
      TNcBox{Hit, Kind, Enabled, TRect{Right - W, FBar.Top + 2, Right, FBar.Top + 2 + H}});
  Right -= W;
}

void TNcLayout::PlaceBoxes(bool NoClose) {
  int Right = FBar.Right;
  AddBox(HTCLOSE, DFCS_CAPTIONCLOSE, !NoClose, Right, kBoxGap);
  bool MinMax = !IsSmallCaption() && (FStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  if (MinMax) {
    UINT Max = (FStyle & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    UINT Min = (FStyle & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
    AddBox(HTMAXBUTTON, Max, (FStyle & WS_MAXIMIZEBOX) != 0, Right, kBoxGap);
    AddBox(HTMINBUTTON, Min, (FStyle & WS_MINIMIZEBOX) != 0, Right, 0);
  } else if (FExStyle & WS_EX_CONTEXTHELP) {
    AddBox(HTHELP, DFCS_CAPTIONHELP, true, Right, kBoxGap);
  }
}

TRect TNcLayout::CaptionText() const {
  TRect R = FBar;
  R.Left += kTextMargin;
  if (!FBoxes.empty()) R.Right = FBoxes.back().Rect.Left;
  R.Right -= kTextMargin;
  if (R.Right < R.Left) R.Right = R.Left;
  return R;
}

const TNcBox* TNcLayout::FindBox(LRESULT Hit) const {
  for (const TNcBox& B : FBoxes)
    if (B.Hit == Hit) return &B;
  return nullptr;
}

LRESULT TNcLayout::SizingHit(TPoint P) const {
  int F = FrameWidth();
  bool Left = P.X < F, Right = P.X >= FWidth - F;
  bool Top = P.Y < F, Bottom = P.Y >= FHeight - F;
  bool NearTop = P.Y < kCornerReach, NearBottom = P.Y >= FHeight - kCornerReach;
  bool NearLeft = P.X < kCornerReach, NearRight = P.X >= FWidth - kCornerReach;
  if ((Top || Left) && (NearTop && NearLeft)) return HTTOPLEFT;
  if ((Top || Right) && (NearTop && NearRight)) return HTTOPRIGHT;
  if ((Bottom || Left) && (NearBottom && NearLeft)) return HTBOTTOMLEFT;
  if ((Bottom || Right) && (NearBottom && NearRight)) return HTBOTTOMRIGHT;
  if (Left) return HTLEFT;
  if (Right) return HTRIGHT;
  if (Top) return HTTOP;
  return HTBOTTOM;
}

LRESULT TNcLayout::HitTest(TPoint P, const TRect& Client) const {
  TRect All = Bounds();
  if (!PtInRect(&All, P)) return HTNOWHERE;
  if (PtInRect(&Client, P)) return HTCLIENT;
  int F = FrameWidth();
  TRect Inside{F, F, FWidth - F, FHeight - F};
  if (!PtInRect(&Inside, P)) {
    bool Sizable = FFrame == SizingFrame && !(FStyle & (WS_MAXIMIZE | WS_MINIMIZE));
    return Sizable ? SizingHit(P) : HTBORDER;
  }
  for (const TNcBox& B : FBoxes)
    if (PtInRect(&B.Rect, P)) return B.Hit;
  TRect Row{FBar.Left, FBar.Top, FBar.Right, FBar.Bottom + 1};
  if (FCaption && PtInRect(&Row, P)) return HTCAPTION;
  return HasClientEdge() ? HTBORDER : HTNOWHERE;
}
