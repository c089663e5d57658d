// The "SCROLLBAR" class: a stand-alone scroll bar (SB_CTL), horizontal or
// vertical (SBS_VERT).
//
// The control keeps range, page, position and the arrow state, paints
// itself, and turns the user's actions into WM_HSCROLL / WM_VSCROLL
// notifications to its parent. It never moves its own position: the parent
// answers a notification by setting it. Mouse actions run without a nested
// loop: a press captures the pointer, and moves, releases and the
// auto-repeat timer arrive as ordinary messages until the release.
//
// The implementation is split by concern: ScrollBarControl.cpp (class
// registration and message dispatch), ScrollBarInfo.cpp (the numbers and
// the public operations), ScrollBarPaint.cpp and ScrollBarInput.cpp.
#pragma once

#include "platform/user/ScrollBarGeometry.h"
#include "platform/user/Window.h"

class TScrollBarControl : public TControlState {
public:
  explicit TScrollBarControl(HWND Wnd) : FWnd(Wnd) {}

  // The state of a scroll bar window, or null for any other window or a
  // stale handle.
  static TScrollBarControl* Of(HWND Wnd);
  static LRESULT Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  HWND Window() const { return FWnd; }

  // ---- numbers (ScrollBarInfo.cpp) ----
  // SetScrollInfo: the position afterwards.
  int SetInfo(const SCROLLINFO& Info, bool Redraw);
  // GetScrollInfo: false when the mask asks for nothing.
  bool GetInfo(SCROLLINFO& Info) const;
  // The previous position.
  int SetPos(int Pos, bool Redraw);
  int Pos() const { return FPos; }
  // False, changing nothing, when Max < Min or the range spans more than
  // INT_MAX positions.
  bool SetRange(int Min, int Max, bool Redraw);
  void GetRange(int& Min, int& Max) const;
  // ESB_* value; false when it is not one or is the state already.
  bool EnableArrows(UINT Arrows);
  UINT Arrows() const { return FArrows; }

  // Where the parts lie now, the thumb at the dragged position during a
  // drag; no thumb on a disabled control.
  TScrollBarGeometry Geometry() const;

  // ---- painting (ScrollBarPaint.cpp) ----
  void Paint(HDC Dc);

  // ---- input (ScrollBarInput.cpp); points in client coordinates ----
  void ButtonDown(TPoint P);
  void MouseMove(TPoint P);
  void ButtonUp();
  void Timer();
  void KeyDown(UINT Key);
  void KeyUp(UINT Key);
  // Ends a mouse action that lost the capture or the enabled state, with
  // SB_ENDSCROLL.
  void Cancel();
  // A key held when the focus left never sees its release: end its scroll.
  void FocusLost();
  bool Tracking() const { return FHeld != TPart::None; }

  static constexpr UINT_PTR kRepeatTimer = 0x5CB0;

private:
  enum class TPart { None, UpArrow, TroughBefore, Thumb, TroughAfter, DownArrow };

  HWND FWnd;
  int FMin = 0;
  int FMax = 0;
  UINT FPage = 0;
  int FPos = 0;
  UINT FArrows = ESB_ENABLE_BOTH;

  // The part the left button went down on, whether the pointer is over it
  // now, and the last pointer position seen.
  TPart FHeld = TPart::None;
  bool FHot = false;
  TPoint FPointer{0, 0};
  // Thumb drag: the position under the thumb, the position when the drag
  // began, and where in the thumb the pointer took hold of it.
  int FTrackPos = 0;
  int FDragStartPos = 0;
  int FGrab = 0;
  // A key press sent a notification; its release owes SB_ENDSCROLL.
  bool FKeyScrolling = false;

  bool Vertical() const;
  bool Enabled() const;
  bool ArrowEnabled(bool Up) const;
  void Clamp();
  void Invalidate();

  TPart PartAt(const TScrollBarGeometry& G, TPoint P) const;
  // The notification of an arrow or trough press.
  static WORD CodeOf(TPart Part);
  void DragTo(TPoint P);
  void EndTracking();
  // Sends a notification to the parent; false when the control did not
  // survive it.
  bool Notify(WORD Code, int Pos = 0);

  void PaintTrough(HDC Dc, const TScrollBarGeometry& G);
  void PaintArrow(HDC Dc, const TRect& R, bool Up);
};
