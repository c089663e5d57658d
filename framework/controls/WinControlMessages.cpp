// TWinControl's messages: painting (itself, then its non-windowed
// children), erasing with Color, following the window's real bounds,
// cursors, the context menu offered first to the non-windowed child
// under the point, reflection of children's notifications, keys and
// focus, and the change notifications that reach the window.
#include "framework/controls/WinControl.h"

#include "framework/controls/SizeConstraints.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Font.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

void TWinControl::WndProc(TMessage& M) {
  switch (M.Msg) {
  case WM_PAINT: return WMPaint(M);
  case WM_ERASEBKGND: return WMEraseBkgnd(M);
  case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(M);
  case WM_SETCURSOR: return WMSetCursor(M);
  case WM_CONTEXTMENU: return WMContextMenuRouted(M);
  case WM_COMMAND:
  case WM_HSCROLL:
  case WM_VSCROLL:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORSCROLLBAR:
  case WM_CTLCOLORSTATIC: return WMNotifyParent(M);
  case WM_SETFOCUS: return WMSetFocus(M);
  case WM_KILLFOCUS: return WMKillFocus(M);
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
  case WM_KEYUP:
  case WM_SYSKEYUP:
  case WM_CHAR: return WMKey(M);
  case WM_NCDESTROY: return WMNCDestroy(M);
  case CM_SHOWINGCHANGED: return CMShowingChanged(M);
  case CM_VISIBLECHANGED: return CMVisibleChangedWin(M);
  case CM_ENABLEDCHANGED: return CMEnabledChangedWin(M);
  case CM_COLORCHANGED: return CMColorChangedWin(M);
  case CM_FONTCHANGED: return CMFontChangedWin(M);
  case CM_TEXTCHANGED: return CMTextChangedWin(M);
  default:
    if (M.Msg >= WM_MOUSEMOVE && M.Msg <= WM_MBUTTONDBLCLK && IsControlMouseMsg(M)) {
      // The desktop still sees what the child left alone: a right-button
      // release there still asks for the context menu.
      if (M.Result == 0 && FHandle) M.Result = DefWindowProc(FHandle, M.Msg, M.WParam, M.LParam);
      return;
    }
    TControl::WndProc(M);
  }
}

// Only windows that paint something of the framework's go through the
// paint handler; a built-in control without children paints itself.
void TWinControl::WMPaint(TMessage& M) {
  if (FControlState.Contains(csCustomPaint) || !FControls.empty() || FDefClass.empty())
    PaintHandler(M);
  else
    DefaultHandler(M);
}

void TWinControl::PaintHandler(TMessage& M) {
  HDC Given = HDC(M.WParam);
  PAINTSTRUCT PS{};
  HDC DC = Given ? Given : BeginPaint(FHandle, &PS);
  try {
    int Saved = SaveDC(DC);
    PaintWindow(DC);
    RestoreDC(DC, Saved);
    PaintControls(DC, nullptr);
  } catch (...) {
    if (!Given) EndPaint(FHandle, &PS);
    throw;
  }
  if (!Given) EndPaint(FHandle, &PS);
}

void TWinControl::WMEraseBkgnd(TMessage& M) {
  if (!FDefClass.empty()) return DefaultHandler(M);
  HDC DC = HDC(M.WParam);
  RECT R{};
  ::GetClientRect(FHandle, &R);
  HBRUSH Brush = CreateSolidBrush(ColorToRGB(FColor));
  FillRect(DC, &R, Brush);
  DeleteObject(Brush);
  M.Result = 1;
}

// The window's real place wins: the desktop may have moved it (a caption
// drag) or refused a size. A minimised window keeps its normal bounds.
void TWinControl::WMWindowPosChanged(TMessage& M) {
  DefaultHandler(M);
  if (!FHandle || IsIconic(FHandle)) return;
  RECT R{};
  GetWindowRect(FHandle, &R);
  if (HWND P = ::GetParent(FHandle); P && (GetWindowLong(FHandle, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, P, reinterpret_cast<POINT*>(&R), 2);
  bool Resized = R.Right - R.Left != FWidth || R.Bottom - R.Top != FHeight;
  bool Moved = R.Left != FLeft || R.Top != FTop;
  if (!Resized && !Moved) return;
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Right - R.Left;
  FHeight = R.Bottom - R.Top;
  BoundsChanged();
  if (Resized) {
    Realign();
    Resize();
  }
  RequestAlign();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetConstraints()->Constrain(AWidth, AHeight);
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FHandle && !IsIconic(FHandle)) {
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  bool Resized = AWidth != FWidth || AHeight != FHeight;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  BoundsChanged();
  if (Resized) {
    Realign();
    Resize();
  }
  RequestAlign();
}

TRect TWinControl::GetClientRect() const {
  if (!FHandle) return TControl::GetClientRect();
  RECT R{};
  ::GetClientRect(FHandle, &R);
  return {R.Left, R.Top, R.Right, R.Bottom};
}

TPoint TWinControl::ClientOrigin() const {
  if (!FHandle) return TControl::ClientOrigin();
  POINT P{0, 0};
  ::ClientToScreen(FHandle, &P);
  return {P.X, P.Y};
}

// The program-wide cursor wins; then the control under the pointer, a
// non-windowed child first, unless it wants the default.
void TWinControl::WMSetCursor(TMessage& M) {
  if (HWND(M.WParam) == FHandle && LOWORD(DWORD(M.LParam)) == HTCLIENT) {
    TCursor Cursor = Screen ? Screen->GetCursor() : crDefault;
    if (Cursor == crDefault) {
      POINT P{};
      GetCursorPos(&P);
      TControl* Under = ControlAtPos(ScreenToClient({P.X, P.Y}), false);
      Cursor = Under && Under->GetCursor() != crDefault ? Under->GetCursor() : GetCursor();
    }
    if (Cursor != crDefault) {
      ::SetCursor(CursorResource(Cursor) ? LoadCursor(nullptr, CursorResource(Cursor)) : nullptr);
      M.Result = TRUE;
      return;
    }
  }
  DefaultHandler(M);
}

void TWinControl::WMContextMenuRouted(TMessage& M) {
  if (M.Result != 0) return;
  TPoint Pt = PointFromLParam(M.LParam);
  if (!(Pt.X == -1 && Pt.Y == -1)) {
    if (TControl* Child = ControlAtPos(ScreenToClient(Pt), false)) {
      M.Result = Child->Perform(WM_CONTEXTMENU, M.WParam, M.LParam);
      if (M.Result != 0) return;
    }
  }
  WMContextMenu(M);
}

void TWinControl::WMNotifyParent(TMessage& M) {
  TWinControl* Child = FindControl(HWND(M.LParam));
  if (Child && Child != this && Child->FParent == this) {
    M.Result = Child->Perform(CN_BASE + M.Msg, M.WParam, M.LParam);
    return;
  }
  DefaultHandler(M);
}

bool TWinControl::IsControlMouseMsg(TMessage& M) {
  TControl* Target = GetCaptureControl();
  if (Target && Target->GetParent() != this) return false;
  TPoint P = PointFromLParam(M.LParam);
  if (!Target) Target = ControlAtPos(P, false);
  if (!Target) return false;
  TPoint Local{P.X - Target->GetLeft(), P.Y - Target->GetTop()};
  M.Result = Target->Perform(M.Msg, M.WParam, PointToLParam(Local));
  return true;
}

void TWinControl::WMSetFocus(TMessage& M) {
  DefaultHandler(M);
  DoEnter();
}

void TWinControl::WMKillFocus(TMessage& M) {
  DefaultHandler(M);
  DoExit();
}

void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

// A handler that clears the key keeps it from the window's own handling.
void TWinControl::WMKey(TMessage& M) {
  if (M.Msg == WM_CHAR) {
    char Key = char(M.WParam);
    KeyPress(Key);
    if (Key == 0) return;
    M.WParam = WPARAM(static_cast<unsigned char>(Key));
    return DefaultHandler(M);
  }
  WORD Key = WORD(M.WParam);
  TShiftState Shift = KeyboardShiftState();
  if (M.Msg == WM_KEYDOWN || M.Msg == WM_SYSKEYDOWN)
    KeyDown(Key, Shift);
  else
    KeyUp(Key, Shift);
  if (Key == 0) return;
  M.WParam = Key;
  DefaultHandler(M);
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) { OnKeyDown(this, Key, Shift); }
void TWinControl::KeyUp(WORD& Key, TShiftState Shift) { OnKeyUp(this, Key, Shift); }
void TWinControl::KeyPress(char& Key) { OnKeyPress(this, Key); }

void TWinControl::WMNCDestroy(TMessage& M) {
  DefaultHandler(M);
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::CMShowingChanged(TMessage&) {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChangedWin(TMessage&) { UpdateControlState(); }

void TWinControl::CMEnabledChangedWin(TMessage&) {
  if (FHandle) EnableWindow(FHandle, GetEnabled());
  Invalidate();
}

void TWinControl::CMColorChangedWin(TMessage&) {
  Invalidate();
  for (TControl* C : FControls) C->Perform(CM_PARENTCOLORCHANGED, 0, 0);
  for (TWinControl* W : FWinControls) W->Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TWinControl::CMFontChangedWin(TMessage&) {
  if (FHandle) {
    TMessage SetFont{WM_SETFONT, WPARAM(GetFont()->GetHandle()), 1, 0};
    DefaultHandler(SetFont);
  }
  Invalidate();
  for (TControl* C : FControls) C->Perform(CM_PARENTFONTCHANGED, 0, 0);
  for (TWinControl* W : FWinControls) W->Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TWinControl::CMTextChangedWin(TMessage&) {
  if (FHandle) SetWindowText(FHandle, GetText().c_str());
  Invalidate();
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

bool TWinControl::CanFocus() const {
  for (const TWinControl* C = this; C; C = C->FParent)
    if (!C->GetVisible() || !C->GetEnabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation(SCannotFocus);
  ::SetFocus(GetHandle());
}
