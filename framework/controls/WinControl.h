// TWinControl: a control with a desktop window. The window is made when
// first needed (a handle is asked for, or the control starts showing) from
// CreateParams, which descendants extend; a control over a built-in
// desktop class (scroll bar, button) names that class and has its window
// procedure subclassed, so every message still passes the control's
// WndProc first and the class's procedure last.
//
// A windowed control is the parent of other controls: it lays out the
// aligned ones, paints the non-windowed ones after itself, hands them the
// mouse messages that fall on them, and reflects its windowed children's
// notifications (WM_COMMAND, WM_HSCROLL, ...) back to them as CN_*.
#pragma once

#include "framework/controls/Control.h"

#include <vector>

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSA WindowClass{};
  std::string WinClassName;
};

class TWinControl : public TControl {
  TAVREL_CLASS(TWinControl, TControl)
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, created on first use.
  HWND GetHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Re-creates the window (after a change only creation can apply).
  void RecreateWnd();
  // The window that parents a parentless windowed control (a form
  // embedded elsewhere); null normally.
  HWND GetParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);
  // The control whose window is Wnd, if it belongs to the framework.
  static TWinControl* FindControl(HWND Wnd);

  // The non-windowed children first, then the windowed ones, each in
  // stacking order (the last on top).
  int ControlCount() const;
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* AControl) const;
  // The visible child control at client point P (the last painted, i.e.
  // topmost, first); windowed children are included when AllowWinControls.
  TControl* ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls = false) const;

  // Moves a child to the front (painted last, hit first) or the back.
  void ReorderControl(TControl* AControl, bool Front);

  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel > 0; }

  bool Showing() const { return FShowing; }
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  int GetTabOrder() const;
  void SetTabOrder(int Value);
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value) { FCtl3D = Value; }
  bool GetParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value) { FParentCtl3D = Value; }

  TRect GetClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void ChangeScale(int M, int D) override;
  void Invalidate() override;
  void Update() override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  // The component order of children for the form reader.
  void SetChildOrder(TComponent* Child, int Order) override;
  // Children read from a definition are aligned once, at the end.
  void ReadContent(TReader& Reader) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

protected:
  friend class TControl;

  virtual void CreateParams(TCreateParams& Params);
  // Subclass a built-in desktop class: the window is of that class and
  // its procedure handles what the control does not.
  void CreateSubClass(TCreateParams& Params, const char* ClassName);
  virtual void CreateHandle();
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  // Lays out the aligned children inside Rect (the client area).
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect&) {}
  virtual void PaintWindow(HDC) {}
  // Paints the non-windowed children, from First (all when null).
  void PaintControls(HDC DC, TControl* First);
  void PaintHandler(TMessage& Message);
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void DoEnter();
  virtual void DoExit();
  // Bring the window's showing state in line with Visible and the
  // parent's showing state.
  void UpdateShowing();
  void UpdateControlState();
  void InvalidateChild(TControl* Child, const TRect& Rect, bool Erase);

  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMMove(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMContextMenuRouted(TMessage& Message);
  void WMNotifyParent(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMKey(TMessage& Message);
  void WMNCDestroy(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMVisibleChangedWin(TMessage& Message);
  void CMEnabledChangedWin(TMessage& Message);
  void CMColorChangedWin(TMessage& Message);
  void CMFontChangedWin(TMessage& Message);
  void CMTextChangedWin(TMessage& Message);
  // Mouse messages on the client area that fall on a non-windowed child
  // go to it; true when one took the message.
  bool IsControlMouseMsg(TMessage& Message);

  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FWinControls;

private:
  static LRESULT InitWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  static LRESULT ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void MainWndProc(TMessage& Message);
  void AttachWindow(HWND Wnd);
  // The window is gone (destroyed with its parent, or by us).
  void DetachWindow();
  void SetParentOf(TWinControl* Child);
  void ApplyAlignments(TRect& Rect);
  void SetZOrderAfterCreate();

  HWND FHandle = nullptr;
  HWND FParentWindow = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::string FDefClass;
  TControl* FCaptureControl = nullptr;
  int FAlignLevel = 0;
  bool FShowing = false;
  bool FTabStop = false;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FDestroyingWindow = false;
};
