// TControl's messages: mouse buttons and moves (raised as events, with a
// click when the button goes up inside a control that saw it go down),
// the context menu, and the framework's change notifications.
#include "framework/controls/Control.h"

#include "framework/controls/WinControl.h"
#include "framework/graphics/Font.h"
#include "framework/menus/PopupMenu.h"

namespace {
TControl* GCaptureControl = nullptr;
} // namespace

TControl* GetCaptureControl() {
  if (GCaptureControl) {
    auto* W = dynamic_cast<TWinControl*>(GCaptureControl);
    TWinControl* Holder = W ? W : GCaptureControl->GetParent();
    if (!Holder || !Holder->HandleAllocated() || GetCapture() != Holder->GetHandle())
      GCaptureControl = nullptr;
  }
  return GCaptureControl;
}

void SetCaptureControl(TControl* Control) {
  GCaptureControl = nullptr;
  if (!Control) {
    if (GetCapture()) ReleaseCapture();
    return;
  }
  auto* W = dynamic_cast<TWinControl*>(Control);
  TWinControl* Holder = W ? W : Control->GetParent();
  if (!Holder) return;
  SetCapture(Holder->GetHandle());
  GCaptureControl = Control;
}

void TControl::SetMouseCapture(bool Value) {
  if (GetMouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::SendCancelMode() {
  if (GetCapture()) ReleaseCapture();
  GCaptureControl = nullptr;
}

void TControl::WndProc(TMessage& M) {
  switch (M.Msg) {
  case WM_LBUTTONDOWN: return WMMouseDown(M, mbLeft, false);
  case WM_RBUTTONDOWN: return WMMouseDown(M, mbRight, false);
  case WM_MBUTTONDOWN: return WMMouseDown(M, mbMiddle, false);
  case WM_LBUTTONDBLCLK: return WMMouseDown(M, mbLeft, true);
  case WM_RBUTTONDBLCLK: return WMMouseDown(M, mbRight, true);
  case WM_MBUTTONDBLCLK: return WMMouseDown(M, mbMiddle, true);
  case WM_LBUTTONUP: return WMMouseUp(M, mbLeft);
  case WM_RBUTTONUP: return WMMouseUp(M, mbRight);
  case WM_MBUTTONUP: return WMMouseUp(M, mbMiddle);
  case WM_MOUSEMOVE: return WMMouseMove(M);
  case WM_CONTEXTMENU: return WMContextMenu(M);
  case CM_VISIBLECHANGED: return CMVisibleChanged(M);
  case CM_ENABLEDCHANGED: return CMEnabledChanged(M);
  case CM_COLORCHANGED: return CMColorChanged(M);
  case CM_FONTCHANGED: return CMFontChanged(M);
  case CM_TEXTCHANGED: return CMTextChanged(M);
  case CM_PARENTCOLORCHANGED: return CMParentColorChanged(M);
  case CM_PARENTFONTCHANGED: return CMParentFontChanged(M);
  case CM_HITTEST: M.Result = HTCLIENT; return;
  default: DefaultHandler(M);
  }
}

// A non-windowed control has no window procedure behind it.
void TControl::DefaultHandler(TMessage& M) {
  if (M.Msg == WM_GETTEXTLENGTH) M.Result = LRESULT(FText.size());
}

void TControl::WMMouseDown(TMessage& M, TMouseButton Button, bool Double) {
  SendCancelMode();
  DefaultHandler(M);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (Button == mbLeft && FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  TShiftState Shift = KeysToShiftState(M.WParam);
  if (Double) Shift.Include(ssDouble);
  TPoint P = PointFromLParam(M.LParam);
  if (Double && Button == mbLeft && FControlStyle.Contains(csDoubleClicks)) DblClick();
  MouseDown(Button, Shift, P.X, P.Y);
}

void TControl::WMMouseUp(TMessage& M, TMouseButton Button) {
  DefaultHandler(M);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  TPoint P = PointFromLParam(M.LParam);
  if (Button == mbLeft && FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    TRect R = GetClientRect();
    if (P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom) Click();
  }
  MouseUp(Button, KeysToShiftState(M.WParam), P.X, P.Y);
}

void TControl::WMMouseMove(TMessage& M) {
  DefaultHandler(M);
  TPoint P = PointFromLParam(M.LParam);
  MouseMove(KeysToShiftState(M.WParam), P.X, P.Y);
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) { OnMouseMove(this, Shift, X, Y); }
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::Resize() { OnResize(this); }
void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  OnContextPopup(this, MousePos, Handled);
}

// (-1, -1) is the keyboard's request; a click outside the client area (a
// caption) is left to the desktop. A control without a menu leaves the
// message unhandled, so its parent's menu answers.
void TControl::WMContextMenu(TMessage& M) {
  if (M.Result != 0) return;
  TPoint Pt = PointFromLParam(M.LParam);
  bool Keyboard = Pt.X == -1 && Pt.Y == -1;
  TPoint Local{-1, -1};
  if (!Keyboard) {
    Local = ScreenToClient(Pt);
    TRect R = GetClientRect();
    if (Local.X < R.Left || Local.X >= R.Right || Local.Y < R.Top || Local.Y >= R.Bottom)
      return DefaultHandler(M);
  }
  bool Handled = false;
  DoContextPopup(Local, Handled);
  if (Handled) {
    M.Result = 1;
    return;
  }
  TPopupMenu* Menu = GetPopupMenu();
  if (Menu && Menu->GetAutoPopup()) {
    SendCancelMode();
    Menu->SetPopupComponent(this);
    if (Keyboard) Pt = ClientToScreen({0, 0});
    Menu->Popup(Pt.X, Pt.Y);
    M.Result = 1;
    return;
  }
  DefaultHandler(M);
}

void TControl::CMVisibleChanged(TMessage&) {
  InvalidateControl(true, FControlStyle.Contains(csOpaque) && FVisible);
}
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMParentColorChanged(TMessage&) {
  if (!FParentColor || !FParent) return;
  FColor = FParent->GetColor();
  FParentColor = true;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  FFollowingParentFont = true;
  try {
    FFont->Assign(FParent->GetFont());
  } catch (...) {
    FFollowingParentFont = false;
    throw;
  }
  FFollowingParentFont = false;
}
