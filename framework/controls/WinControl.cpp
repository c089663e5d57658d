// TWinControl's window: creation from CreateParams, the window procedure
// that hands every message to the control (through WindowProc, with
// exceptions going to the application's error box), and destruction.
//
// Windows of the framework's own classes meet their control in the very
// first message: the control is parked in GCreating while CreateWindowEx
// runs. Windows of built-in classes are subclassed as soon as
// CreateWindowEx returns; the class procedure stays behind DefaultHandler.
#include "framework/controls/WinControl.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/graphics/Font.h"

#include "FrameworkConsts.h"

namespace {
thread_local TWinControl* GCreating = nullptr;
} // namespace

const TClass& TWinControl::StaticClass() {
  using C = TWinControl;
  static const TClass Class = TClassBuilder<C>("TWinControl")
                                  .Declare("Ctl3D", &C::GetCtl3D, &C::SetCtl3D)
                                  .Declare("ParentCtl3D", &C::GetParentCtl3D, &C::SetParentCtl3D)
                                  .Default(true)
                                  .Declare("TabOrder", &C::GetTabOrder, &C::SetTabOrder)
                                  .Default(-1)
                                  .Declare("OnEnter", &C::OnEnter, &C::OnEnter)
                                  .Declare("OnExit", &C::OnExit, &C::OnExit)
                                  .Declare("OnKeyDown", &C::OnKeyDown, &C::OnKeyDown)
                                  .Declare("OnKeyPress", &C::OnKeyPress, &C::OnKeyPress)
                                  .Declare("OnKeyUp", &C::OnKeyUp, &C::OnKeyUp)
                                  .Build();
  return Class;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  Destroying();
  if (FParent) FParent->RemoveControl(this);
  if (FHandle) DestroyWindowHandle();
  while (!FControls.empty()) FControls.back()->Free();
  while (!FWinControls.empty()) FWinControls.back()->Free();
}

TWinControl* TWinControl::FindControl(HWND Wnd) {
  if (!Wnd || !IsWindow(Wnd)) return nullptr;
  WNDPROC Proc = reinterpret_cast<WNDPROC>(GetWindowLong(Wnd, GWL_WNDPROC));
  if (Proc != &ControlWndProc) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLong(Wnd, GWL_USERDATA));
}

HWND TWinControl::GetHandle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  SetZOrderAfterCreate();
  for (TWinControl* W : FWinControls)
    if (W->HandleAllocated()) SetParentOf(W);
  if (!FAlignLevel) Realign();
}

void TWinControl::CreateParams(TCreateParams& P) {
  P.Caption = GetText();
  P.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) P.Style |= WS_CLIPCHILDREN;
  if (!GetEnabled()) P.Style |= WS_DISABLED;
  if (FTabStop) P.Style |= WS_TABSTOP;
  P.X = FLeft;
  P.Y = FTop;
  P.Width = FWidth;
  P.Height = FHeight;
  P.WndParent = FParent ? FParent->GetHandle() : FParentWindow;
  P.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  P.WindowClass.lpfnWndProc = &InitWndProc;
  P.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  P.WindowClass.hInstance = HInstance;
  P.WinClassName = std::string(ClassName());
  FDefClass.clear();
}

void TWinControl::CreateSubClass(TCreateParams& P, const char* ClassName) {
  WNDCLASSA Native{};
  if (!GetClassInfo(nullptr, ClassName, &Native)) throw EOutOfResources(SWindowClass);
  P.WinClassName = ClassName;
  FDefClass = ClassName;
}

void TWinControl::CreateWnd() {
  TCreateParams P;
  CreateParams(P);
  if ((P.Style & WS_CHILD) && !P.WndParent) throw EInvalidOperation(SParentRequired, {GetName()});
  if (FDefClass.empty()) {
    WNDCLASSA Existing{};
    if (!GetClassInfo(HInstance, P.WinClassName.c_str(), &Existing)) {
      P.WindowClass.lpszClassName = P.WinClassName.c_str();
      if (!RegisterClass(&P.WindowClass)) throw EOutOfResources(SWindowClass);
    }
    FDefWndProc = &DefWindowProc;
  }
  CreateWindowHandle(P);
  if (!FHandle) throw EOutOfResources(SWindowCreate);
  if (!FDefClass.empty()) AttachWindow(FHandle);
  Perform(WM_SETFONT, WPARAM(GetFont()->GetHandle()), 0);
}

void TWinControl::CreateWindowHandle(const TCreateParams& P) {
  TWinControl* Outer = GCreating;
  GCreating = FDefClass.empty() ? this : nullptr;
  HWND Wnd = CreateWindowEx(P.ExStyle, P.WinClassName.c_str(), P.Caption.c_str(), P.Style, P.X, P.Y,
                            P.Width, P.Height, P.WndParent, nullptr, HInstance, P.Param);
  GCreating = Outer;
  if (!FHandle) FHandle = Wnd;
}

// Built-in classes answer their own first messages; the control takes
// over from here, keeping the class procedure for what it leaves alone.
void TWinControl::AttachWindow(HWND Wnd) {
  FHandle = Wnd;
  SetWindowLong(Wnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
  LONG_PTR Old = SetWindowLong(Wnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWndProc));
  if (reinterpret_cast<WNDPROC>(Old) != &InitWndProc) FDefWndProc = reinterpret_cast<WNDPROC>(Old);
}

LRESULT TWinControl::InitWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* Control = GCreating;
  if (!Control) return DefWindowProc(Wnd, Msg, WParam, LParam);
  GCreating = nullptr;
  Control->AttachWindow(Wnd);
  return ControlWndProc(Wnd, Msg, WParam, LParam);
}

LRESULT TWinControl::ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Control = reinterpret_cast<TWinControl*>(GetWindowLong(Wnd, GWL_USERDATA));
  if (!Control || Control->FHandle != Wnd) return DefWindowProc(Wnd, Msg, WParam, LParam);
  TMessage M{Msg, WParam, LParam, 0};
  Control->MainWndProc(M);
  return M.Result;
}

// An exception must not unwind through the desktop's dispatching: the
// application shows it and the message counts as handled.
void TWinControl::MainWndProc(TMessage& M) {
  try {
    WindowProc(M);
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(this);
  }
}

void TWinControl::DefaultHandler(TMessage& M) {
  if (!FHandle) return TControl::DefaultHandler(M);
  WNDPROC Proc = FDefWndProc ? FDefWndProc : &DefWindowProc;
  M.Result = CallWindowProc(Proc, FHandle, M.Msg, M.WParam, M.LParam);
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TWinControl* W : FWinControls) W->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() { DestroyWindowHandle(); }

void TWinControl::DestroyWindowHandle() {
  FControlState.Include(csDestroyingHandle);
  HWND Wnd = FHandle;
  DestroyWindow(Wnd);
  FControlState.Exclude(csDestroyingHandle);
  if (FHandle == Wnd) DetachWindow();
}

// Children whose windows went with this one forget them too.
void TWinControl::DetachWindow() {
  for (TWinControl* W : FWinControls)
    if (W->FHandle && !IsWindow(W->FHandle)) W->DetachWindow();
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  bool WasShowing = FShowing;
  DestroyHandle();
  if (WasShowing || FParent)
    UpdateControlState();
  else
    HandleNeeded();
}

void TWinControl::SetParentWindow(HWND Value) {
  if (FParent || FParentWindow == Value) return;
  FParentWindow = Value;
  if (FHandle) RecreateWnd();
}

void TWinControl::SetParentOf(TWinControl* Child) {
  if (Child->FHandle && ::GetParent(Child->FHandle) != FHandle)
    ::SetParent(Child->FHandle, FHandle);
}
