// The "BUTTON" class: push buttons, plain (BS_PUSHBUTTON) or default
// (BS_DEFPUSHBUTTON, the one Enter presses, drawn with an extra frame).
//
// A click is the left button pressed and released over the button, Space
// pressed and released while it has the focus, or BM_CLICK; each sends
// WM_COMMAND (id, BN_CLICKED) to the parent. The mouse is tracked without a
// nested loop: the press captures the pointer and the button shows pushed
// while the pointer is over it, until the release. A disabled button takes
// no clicks. ButtonControl.cpp holds the behaviour, ButtonPaint.cpp the
// look.
#pragma once

#include "platform/user/Window.h"

class TButtonControl : public TControlState {
public:
  explicit TButtonControl(HWND Wnd);

  // The state of a button window, or null for any other window or a stale
  // handle.
  static TButtonControl* Of(HWND Wnd);
  static LRESULT Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

  bool Pushed() const { return FPushed; }
  bool Focused() const { return FFocused; }
  bool IsDefault() const;
  HFONT Font() const { return FFont; }

  // ---- look (ButtonPaint.cpp) ----
  void Paint(HDC Dc);

private:
  HWND FWnd;
  HFONT FFont;
  bool FPushed = false;
  bool FFocused = false;
  // The left button went down on the button and is still held.
  bool FTracking = false;
  // Space went down while the button had the focus.
  bool FSpaceDown = false;

  LRESULT Message(UINT Msg, WPARAM WParam, LPARAM LParam);
  // The BM_* messages; false in Handled for anything else.
  LRESULT ButtonMessage(UINT Msg, WPARAM WParam, LPARAM LParam, bool& Handled);
  void SetPushed(bool Pushed);
  void ButtonDown();
  void MouseMove(TPoint P);
  void ButtonUp(TPoint P);
  // Drops a press in progress (mouse or Space) without a click.
  void Abandon();
  void Click();
  void Invalidate();
  void SpaceKey(bool Down);

  void PaintText(HDC Dc, TRect R);
};
