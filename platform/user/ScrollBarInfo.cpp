// The numbers of a scroll bar control (range, page, position, arrow state)
// and the public operations on them. Only SB_CTL on a "SCROLLBAR" window is
// served; every other bar or window fails with 0 / FALSE.
//
// Rules: the page is clamped to 0..(max - min + 1) and the position to
// min..max - max(page - 1, 0); setting the range enables both arrows again,
// setting the position or the page leaves the arrow state alone. With
// SIF_DISABLENOSCROLL both arrows are disabled while nothing can scroll and
// enabled again once something can.
#include "platform/user/ScrollBarControl.h"

#include "platform/user/WindowManager.h"

#include <algorithm>
#include <climits>

namespace {

bool ValidRange(int Min, int Max) {
  return Min <= Max && static_cast<long long>(Max) - Min <= INT_MAX;
}

// Callers that predate the track position pass the shorter structure.
bool ValidSize(UINT Size) {
  return Size == sizeof(SCROLLINFO) || Size == sizeof(SCROLLINFO) - sizeof(int);
}

TScrollBarControl* ControlOf(HWND Wnd, int Bar) {
  return Bar == SB_CTL ? TScrollBarControl::Of(Wnd) : nullptr;
}

} // namespace

TScrollBarControl* TScrollBarControl::Of(HWND Wnd) {
  TWindow* W = WmFind(Wnd);
  return W ? dynamic_cast<TScrollBarControl*>(W->Control.get()) : nullptr;
}

void TScrollBarControl::Clamp() {
  long long Positions = static_cast<long long>(FMax) - FMin + 1;
  FPage = UINT(std::min<long long>(FPage, Positions));
  int Last = int(FMax - std::max<long long>(static_cast<long long>(FPage) - 1, 0));
  FPos = std::clamp(FPos, FMin, Last);
  FTrackPos = std::clamp(FTrackPos, FMin, Last);
  FDragStartPos = std::clamp(FDragStartPos, FMin, Last);
}

void TScrollBarControl::Invalidate() { InvalidateRect(FWnd, nullptr, FALSE); }

int TScrollBarControl::SetInfo(const SCROLLINFO& Info, bool Redraw) {
  int OldMin = FMin, OldMax = FMax, OldPos = FPos;
  UINT OldPage = FPage, OldArrows = FArrows;
  if ((Info.fMask & SIF_RANGE) && ValidRange(Info.nMin, Info.nMax)) {
    FMin = Info.nMin;
    FMax = Info.nMax;
    FArrows = ESB_ENABLE_BOTH;
  }
  if (Info.fMask & SIF_PAGE) FPage = Info.nPage;
  if (Info.fMask & SIF_POS) FPos = Info.nPos;
  Clamp();
  if (Info.fMask & SIF_DISABLENOSCROLL) {
    bool CanScroll =
        static_cast<long long>(FMax) - FMin + 1 > static_cast<long long>(FPage) && FMax > FMin;
    if (!CanScroll)
      FArrows = ESB_DISABLE_BOTH;
    else if (FArrows == ESB_DISABLE_BOTH)
      FArrows = ESB_ENABLE_BOTH;
  }
  bool Changed = FMin != OldMin || FMax != OldMax || FPos != OldPos || FPage != OldPage ||
                 FArrows != OldArrows;
  if (Redraw && Changed) Invalidate();
  return FPos;
}

bool TScrollBarControl::GetInfo(SCROLLINFO& Info) const {
  if (!(Info.fMask & (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS))) return false;
  if (Info.fMask & SIF_RANGE) {
    Info.nMin = FMin;
    Info.nMax = FMax;
  }
  if (Info.fMask & SIF_PAGE) Info.nPage = FPage;
  if (Info.fMask & SIF_POS) Info.nPos = FPos;
  if ((Info.fMask & SIF_TRACKPOS) && Info.cbSize == sizeof(SCROLLINFO))
    Info.nTrackPos = FHeld == TPart::Thumb ? FTrackPos : FPos;
  return true;
}

int TScrollBarControl::SetPos(int Pos, bool Redraw) {
  int Old = FPos;
  FPos = Pos;
  Clamp();
  if (Redraw && FPos != Old) Invalidate();
  return Old;
}

bool TScrollBarControl::SetRange(int Min, int Max, bool Redraw) {
  if (!ValidRange(Min, Max)) return false;
  bool Changed = Min != FMin || Max != FMax || FArrows != ESB_ENABLE_BOTH;
  int OldPos = FPos;
  UINT OldPage = FPage;
  FMin = Min;
  FMax = Max;
  FArrows = ESB_ENABLE_BOTH;
  Clamp();
  if (Redraw && (Changed || FPos != OldPos || FPage != OldPage)) Invalidate();
  return true;
}

void TScrollBarControl::GetRange(int& Min, int& Max) const {
  Min = FMin;
  Max = FMax;
}

bool TScrollBarControl::EnableArrows(UINT Arrows) {
  if (Arrows > ESB_DISABLE_BOTH || Arrows == FArrows) return false;
  FArrows = Arrows;
  Invalidate();
  return true;
}

int SetScrollInfo(HWND wnd, int bar, const SCROLLINFO* info, BOOL redraw) {
  TScrollBarControl* S = ControlOf(wnd, bar);
  if (!S || !info || !ValidSize(info->cbSize)) return 0;
  return S->SetInfo(*info, redraw != FALSE);
}

BOOL GetScrollInfo(HWND wnd, int bar, SCROLLINFO* info) {
  TScrollBarControl* S = ControlOf(wnd, bar);
  if (!S || !info || !ValidSize(info->cbSize)) return FALSE;
  return S->GetInfo(*info) ? TRUE : FALSE;
}

int SetScrollPos(HWND wnd, int bar, int pos, BOOL redraw) {
  TScrollBarControl* S = ControlOf(wnd, bar);
  return S ? S->SetPos(pos, redraw != FALSE) : 0;
}

int GetScrollPos(HWND wnd, int bar) {
  TScrollBarControl* S = ControlOf(wnd, bar);
  return S ? S->Pos() : 0;
}

BOOL SetScrollRange(HWND wnd, int bar, int minPos, int maxPos, BOOL redraw) {
  TScrollBarControl* S = ControlOf(wnd, bar);
  return S && S->SetRange(minPos, maxPos, redraw != FALSE) ? TRUE : FALSE;
}

BOOL GetScrollRange(HWND wnd, int bar, int* minPos, int* maxPos) {
  TScrollBarControl* S = ControlOf(wnd, bar);
  if (!S || !minPos || !maxPos) return FALSE;
  S->GetRange(*minPos, *maxPos);
  return TRUE;
}

BOOL EnableScrollBar(HWND wnd, UINT bar, UINT arrows) {
  TScrollBarControl* S = bar == UINT(SB_CTL) ? TScrollBarControl::Of(wnd) : nullptr;
  return S && S->EnableArrows(arrows) ? TRUE : FALSE;
}

// Disabled parts are reported as the user meets them: a disabled arrow,
// or every part of a bar that takes no input at all.
BOOL GetScrollBarInfo(HWND wnd, LONG idObject, SCROLLBARINFO* info) {
  const TScrollBarControl* S = idObject == OBJID_CLIENT ? TScrollBarControl::Of(wnd) : nullptr;
  if (!S || !info || info->cbSize != sizeof(SCROLLBARINFO)) return FALSE;
  const TScrollBarGeometry G = S->Geometry();
  GetWindowRect(wnd, &info->rcScrollBar);
  info->dxyLineButton = G.Vertical ? G.UpArrow.Height() : G.UpArrow.Width();
  info->xyThumbTop = G.HasThumb ? G.ThumbStart() : 0;
  info->xyThumbBottom = G.HasThumb ? G.ThumbEnd() : 0;
  info->reserved = 0;
  const bool Off = !IsWindowEnabled(wnd) || S->Arrows() == ESB_DISABLE_BOTH;
  const DWORD Unavailable = Off ? STATE_SYSTEM_UNAVAILABLE : 0;
  info->rgstate[0] = Unavailable;
  info->rgstate[1] = (S->Arrows() & ESB_DISABLE_LTUP) ? STATE_SYSTEM_UNAVAILABLE : Unavailable;
  info->rgstate[2] = Unavailable;
  info->rgstate[3] = G.HasThumb ? Unavailable : STATE_SYSTEM_INVISIBLE;
  info->rgstate[4] = Unavailable;
  info->rgstate[5] = (S->Arrows() & ESB_DISABLE_RTDN) ? STATE_SYSTEM_UNAVAILABLE : Unavailable;
  return TRUE;
}
