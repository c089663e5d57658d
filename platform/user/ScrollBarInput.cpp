// Mouse and keyboard input of the scroll bar control.
//
// A press on an arrow or in the trough notifies at once and then repeats,
// first after kFirstDelay and then every kRepeatDelay, while the button is
// held with the pointer over the part that was pressed; so a trough press
// stops repeating once the thumb, moved by the parent, reaches the pointer.
// A press on the thumb drags it: the thumb follows the pointer at the track
// position and snaps back to where the drag began while the pointer strays
// far across the bar, as on the original desktop. Every mouse action ends
// with SB_ENDSCROLL at the release. A disabled arrow, or a disabled
// control, ignores presses and keys altogether.
#include "platform/user/ScrollBarControl.h"

namespace {

constexpr UINT kFirstDelay = 400;
constexpr UINT kRepeatDelay = 100;
// How far across the bar, in bar thicknesses, the pointer may stray before
// the dragged thumb snaps back.
constexpr int kSnapThicknesses = 3;
constexpr WORD kNoCode = 0xFFFF;

WORD CodeOfKey(UINT Key) {
  switch (Key) {
  case VK_LEFT:
  case VK_UP: return SB_LINEUP;
  case VK_RIGHT:
  case VK_DOWN: return SB_LINEDOWN;
  case VK_PRIOR: return SB_PAGEUP;
  case VK_NEXT: return SB_PAGEDOWN;
  case VK_HOME: return SB_TOP;
  case VK_END: return SB_BOTTOM;
  default: return kNoCode;
  }
}

bool Decreasing(WORD Code) { return Code == SB_LINEUP || Code == SB_PAGEUP || Code == SB_TOP; }

} // namespace

bool TScrollBarControl::Vertical() const {
  return (GetWindowLong(FWnd, GWL_STYLE) & SBS_VERT) != 0;
}

bool TScrollBarControl::Enabled() const {
  return IsWindowEnabled(FWnd) && FArrows != ESB_DISABLE_BOTH;
}

bool TScrollBarControl::ArrowEnabled(bool Up) const {
  return Enabled() && !(FArrows & (Up ? ESB_DISABLE_LTUP : ESB_DISABLE_RTDN));
}

TScrollBarGeometry TScrollBarControl::Geometry() const {
  RECT Client{0, 0, 0, 0};
  GetClientRect(FWnd, &Client);
  int Shown = FHeld == TPart::Thumb ? FTrackPos : FPos;
  TScrollBarGeometry G = TScrollBarGeometry::Compute(Client, Vertical(), FMin, FMax, FPage, Shown);
  if (!Enabled()) {
    G.HasThumb = false;
    G.Thumb = TRect{0, 0, 0, 0};
  }
  return G;
}

TScrollBarControl::TPart TScrollBarControl::PartAt(const TScrollBarGeometry& G, TPoint P) const {
  if (!PtInRect(&G.Client, P)) return TPart::None;
  if (PtInRect(&G.UpArrow, P)) return TPart::UpArrow;
  if (PtInRect(&G.DownArrow, P)) return TPart::DownArrow;
  if (!G.HasThumb) return TPart::None;
  int Along = G.Along(P);
  if (Along < G.ThumbStart()) return TPart::TroughBefore;
  if (Along >= G.ThumbEnd()) return TPart::TroughAfter;
  return TPart::Thumb;
}

WORD TScrollBarControl::CodeOf(TPart Part) {
  switch (Part) {
  case TPart::UpArrow: return SB_LINEUP;
  case TPart::DownArrow: return SB_LINEDOWN;
  case TPart::TroughBefore: return SB_PAGEUP;
  default: return SB_PAGEDOWN;
  }
}

bool TScrollBarControl::Notify(WORD Code, int Pos) {
  UINT Msg = Vertical() ? WM_VSCROLL : WM_HSCROLL;
  if (HWND Parent = GetParent(FWnd))
    SendMessage(Parent, Msg, MAKEWPARAM(Code, Pos), reinterpret_cast<LPARAM>(FWnd));
  return IsWindow(FWnd) && Of(FWnd) == this;
}

void TScrollBarControl::ButtonDown(TPoint P) {
  if (FHeld != TPart::None || !IsWindowEnabled(FWnd)) return;
  if (GetWindowLong(FWnd, GWL_STYLE) & WS_TABSTOP) {
    SetFocus(FWnd);
    if (!IsWindow(FWnd)) return;
  }
  TScrollBarGeometry G = Geometry();
  TPart Part = PartAt(G, P);
  if (Part == TPart::None || !Enabled()) return;
  if ((Part == TPart::UpArrow && !ArrowEnabled(true)) ||
      (Part == TPart::DownArrow && !ArrowEnabled(false)))
    return;
  FTrackPos = FDragStartPos = FPos;
  FHeld = Part;
  FHot = true;
  FPointer = P;
  SetCapture(FWnd);
  Invalidate();
  if (Part == TPart::Thumb) {
    FGrab = G.Along(P) - G.ThumbStart();
    return;
  }
  SetTimer(FWnd, kRepeatTimer, kFirstDelay, nullptr);
  Notify(CodeOf(Part));
}

void TScrollBarControl::MouseMove(TPoint P) {
  if (FHeld == TPart::None) return;
  FPointer = P;
  if (FHeld == TPart::Thumb) return DragTo(P);
  bool Hot = PartAt(Geometry(), P) == FHeld;
  if (Hot == FHot) return;
  FHot = Hot;
  Invalidate();
}

void TScrollBarControl::DragTo(TPoint P) {
  TScrollBarGeometry G = Geometry();
  if (!G.HasThumb) return;
  int Reach = kSnapThicknesses * G.Thickness();
  int Across = G.Across(P);
  int Track = FDragStartPos;
  if (Across >= -Reach && Across < G.Thickness() + Reach)
    Track = G.PosAtOffset(G.Along(P) - G.TrackStart() - FGrab);
  if (Track == FTrackPos) return;
  FTrackPos = Track;
  Invalidate();
  Notify(SB_THUMBTRACK, Track);
}

void TScrollBarControl::ButtonUp() {
  TPart Part = FHeld;
  if (Part == TPart::None) return;
  // The track position stays readable while the parent handles the
  // final position.
  if (Part == TPart::Thumb && !Notify(SB_THUMBPOSITION, FTrackPos)) return;
  if (FHeld != Part) return; // the parent ended the action meanwhile
  EndTracking();
  Notify(SB_ENDSCROLL);
}

void TScrollBarControl::EndTracking() {
  FHeld = TPart::None;
  FHot = false;
  FTrackPos = FPos;
  KillTimer(FWnd, kRepeatTimer);
  // Cleared first: the capture change this causes finds nothing to cancel.
  if (GetCapture() == FWnd) ReleaseCapture();
  Invalidate();
}

void TScrollBarControl::Cancel() {
  if (FHeld == TPart::None) return;
  EndTracking();
  Notify(SB_ENDSCROLL);
}

void TScrollBarControl::Timer() {
  if (FHeld == TPart::None || FHeld == TPart::Thumb) {
    KillTimer(FWnd, kRepeatTimer);
    return;
  }
  SetTimer(FWnd, kRepeatTimer, kRepeatDelay, nullptr);
  // An arrow disabled while held stops repeating.
  bool Hot = PartAt(Geometry(), FPointer) == FHeld &&
             (FHeld != TPart::UpArrow || ArrowEnabled(true)) &&
             (FHeld != TPart::DownArrow || ArrowEnabled(false));
  if (Hot != FHot) {
    FHot = Hot;
    Invalidate();
  }
  if (Hot) Notify(CodeOf(FHeld));
}

void TScrollBarControl::KeyDown(UINT Key) {
  WORD Code = CodeOfKey(Key);
  if (Code == kNoCode || !ArrowEnabled(Decreasing(Code))) return;
  FKeyScrolling = true;
  Notify(Code);
}

void TScrollBarControl::KeyUp(UINT Key) {
  if (CodeOfKey(Key) == kNoCode || !FKeyScrolling) return;
  FKeyScrolling = false;
  Notify(SB_ENDSCROLL);
}

void TScrollBarControl::FocusLost() {
  if (!FKeyScrolling) return;
  FKeyScrolling = false;
  Notify(SB_ENDSCROLL);
}
