// The headless desktop's input side: the queue of desktop events that
// synthetic input fills, the pointer and the buttons held, and the moves
// by the caption that the desktop carries out itself.
//
// A test queues a whole gesture (press, moves, release) before the program
// sees any of it, so the program asks for a caption move only when the
// press comes out of the queue. The move therefore applies when events
// are taken out: pointer moves taken out while it lasts become Configured
// events for the window, and the release that ends it is dropped. Which
// buttons are held is kept twice for the same reason: as queued (for the
// next synthetic event) and as taken out (for the program's point of view).
//
// The virtual clock lives here too, because input and time form one
// timeline: "click, wait 600 ms, click" must reach the program as two
// clicks 600 ms apart, not as two clicks at the later time. Each event
// keeps the time it was queued at; the program's clock (Now) shows that
// time while the event is being taken, and catches up with the desktop's
// clock once the program has taken everything queued before.
#pragma once

#include "platform/Backend.h"

#include <cstdint>
#include <deque>

class THeadlessInput {
public:
  TPoint Pointer() const { return FPointer; }
  bool Held(int Button) const { return (FQueuedButtons & Bit(Button)) != 0; }

  void Push(const TDesktopEvent& Event) { FEvents.push_back(TQueued{Event, FClock}); }
  bool Empty() const { return FEvents.empty(); }

  // The clock as the program sees it, in milliseconds.
  std::uint64_t Now() const { return FNow; }
  // Time passes on the desktop; it saturates instead of wrapping.
  void AdvanceClock(std::uint64_t Milliseconds);

  // Pointer motion to Pos (already on the screen); false when it did not move.
  bool MoveTo(TPoint Pos);
  // A press at the pointer; when Restore is set the press brings that
  // window back from its minimised bar instead, and the matching release
  // is not reported either. False when the button is already held.
  bool Press(int Button, HWND Restore);
  // False when the button was not held.
  bool Release(int Button);

  // The program asks to move Wnd (now at Rect) by the caption from the
  // press at Pos. False when the left button is not held as far as the
  // program has seen, so no release would ever end the move.
  bool BeginMoveDrag(HWND Wnd, TPoint Pos, const TRect& Rect);
  bool Dragging() const { return FDragging; }
  // Drops queued events for a window that is gone and stops moving it.
  void Forget(HWND Wnd);

  // The next event for the program, with caption moves applied.
  bool Poll(TDesktopEvent& Event);

private:
  static unsigned Bit(int Button) { return 1u << Button; }

  struct TQueued {
    TDesktopEvent Event;
    std::uint64_t At;
  };

  std::deque<TQueued> FEvents;
  // The desktop's time and the program's; both start at an arbitrary
  // non-zero value, so that "time 0" never looks like a real moment.
  std::uint64_t FClock = 1000, FNow = 1000;
  TPoint FPointer{0, 0};
  unsigned FQueuedButtons = 0;
  unsigned FDeliveredButtons = 0;
  // Releases to drop because their press restored a minimised window.
  unsigned FSwallowed = 0;

  bool FDragging = false;
  HWND FDragWnd = nullptr;
  TPoint FDragFrom{0, 0};
  TRect FDragRect{0, 0, 0, 0};
};
