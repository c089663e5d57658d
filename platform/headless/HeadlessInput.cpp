// Buttons are numbered 0 (left), 1 (right) and 2 (middle); the desktop
// drops other numbers, as hardware has no such button.
#include "platform/headless/HeadlessInput.h"

#include <algorithm>
#include <limits>

namespace {

bool ValidButton(int Button) { return Button >= 0 && Button <= 2; }

TDesktopEvent PointerEvent(TDesktopEvent::TKind Kind, TPoint Pos, int Button) {
  TDesktopEvent E{Kind};
  E.Pos = Pos;
  E.Button = Button;
  return E;
}

} // namespace

bool THeadlessInput::MoveTo(TPoint Pos) {
  if (Pos == FPointer) return false;
  FPointer = Pos;
  Push(PointerEvent(TDesktopEvent::MouseMove, Pos, 0));
  return true;
}

bool THeadlessInput::Press(int Button, HWND Restore) {
  if (!ValidButton(Button) || Held(Button)) return false;
  FQueuedButtons |= Bit(Button);
  if (Restore) {
    FSwallowed |= Bit(Button);
    TDesktopEvent E{TDesktopEvent::Restored};
    E.Wnd = Restore;
    Push(E);
  } else {
    Push(PointerEvent(TDesktopEvent::ButtonDown, FPointer, Button));
  }
  return true;
}

bool THeadlessInput::Release(int Button) {
  if (!ValidButton(Button) || !Held(Button)) return false;
  FQueuedButtons &= ~Bit(Button);
  if (FSwallowed & Bit(Button))
    FSwallowed &= ~Bit(Button);
  else
    Push(PointerEvent(TDesktopEvent::ButtonUp, FPointer, Button));
  return true;
}

bool THeadlessInput::BeginMoveDrag(HWND Wnd, TPoint Pos, const TRect& Rect) {
  if (!Wnd || !(FDeliveredButtons & Bit(0))) return false;
  FDragging = true;
  FDragWnd = Wnd;
  FDragFrom = Pos;
  FDragRect = Rect;
  return true;
}

void THeadlessInput::Forget(HWND Wnd) {
  if (!Wnd) return;
  FEvents.erase(std::remove_if(FEvents.begin(), FEvents.end(),
                               [Wnd](const TQueued& Q) { return Q.Event.Wnd == Wnd; }),
                FEvents.end());
  // The move goes on without a window: its release still belongs to it.
  if (FDragWnd == Wnd) FDragWnd = nullptr;
}

void THeadlessInput::AdvanceClock(std::uint64_t Milliseconds) {
  const std::uint64_t Max = std::numeric_limits<std::uint64_t>::max();
  FClock = Milliseconds > Max - FClock ? Max : FClock + Milliseconds;
  if (FEvents.empty()) FNow = FClock;
}

bool THeadlessInput::Poll(TDesktopEvent& Event) {
  while (!FEvents.empty()) {
    Event = FEvents.front().Event;
    FNow = FEvents.front().At;
    FEvents.pop_front();
    switch (Event.Kind) {
    case TDesktopEvent::ButtonDown: FDeliveredButtons |= Bit(Event.Button); return true;
    case TDesktopEvent::ButtonUp:
      FDeliveredButtons &= ~Bit(Event.Button);
      if (FDragging && Event.Button == 0) {
        FDragging = false;
        FDragWnd = nullptr;
        continue;
      }
      return true;
    case TDesktopEvent::MouseMove:
      if (!FDragging) return true;
      if (!FDragWnd) continue;
      Event.Kind = TDesktopEvent::Configured;
      Event.Wnd = FDragWnd;
      Event.Rect = FDragRect;
      OffsetRect(&Event.Rect, Event.Pos.X - FDragFrom.X, Event.Pos.Y - FDragFrom.Y);
      return true;
    default: return true;
    }
  }
  FNow = FClock;
  return false;
}
