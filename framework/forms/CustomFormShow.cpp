// TCustomForm's showing and hiding, closing and the modal loop.
//
// Showing is driven by the window's showing state: Visible changes it
// (through TWinControl's UpdateShowing), and CM_SHOWINGCHANGED runs
// OnShow, places the window and shows it, or runs OnHide and hides it.
// OnShow and OnHide do not run inside a window procedure, so their
// exceptions are shown here and the window still changes.
#include "framework/forms/CustomForm.h"

#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/forms/TaskWindowList.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>

namespace {

template <class F> void Guarded(TObject* Sender, F&& Fn) {
  try {
    Fn();
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(Sender);
  }
}

// One message of the modal loop: the application's step, or the plain
// desktop loop when there is no application object. False once the
// program is ending.
bool ModalStep() {
  if (Application) {
    Application->HandleMessage();
    return !Application->Terminated();
  }
  MSG Msg;
  if (GetMessage(&Msg, nullptr, 0, 0) <= 0) {
    PostQuitMessage(int(Msg.wParam));
    return false;
  }
  TranslateMessage(&Msg);
  DispatchMessage(&Msg);
  return true;
}

} // namespace

void TCustomForm::SetVisible(bool Value) {
  if (FFormState.Contains(fsCreating)) {
    if (Value)
      FFormState.Include(fsVisible);
    else
      FFormState.Exclude(fsVisible);
    return;
  }
  TControl::SetVisible(Value);
}

// A top-level form comes to the front of the stacking order (and is
// activated); an embedded one in front of its siblings.
void TCustomForm::Show() {
  if (GetParent()) {
    TControl::Show();
    BringToFront();
    return;
  }
  SetVisible(true);
  if (Showing()) SetWindowPos(GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }

void TCustomForm::CMShowingChangedForm(TMessage&) {
  static constexpr int Commands[] = {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};
  if (FFormState.Contains(fsShowing)) throw EInvalidOperation(SVisibleChanged);
  FFormState.Include(fsShowing);
  struct TShowingScope {
    TFormState& State;
    ~TShowingScope() { State.Exclude(fsShowing); }
  } Scope{FFormState};
  HWND Wnd = GetHandle();
  if (Showing()) {
    Guarded(this, [this] { DoShow(); });
    PlaceForShowing();
    ShowWindow(Wnd, Commands[FWindowState]);
  } else {
    Guarded(this, [this] { DoHide(); });
    ShowWindow(Wnd, SW_HIDE);
  }
}

// The centring positions apply at every showing; the window is kept from
// starting left of or above the desktop.
void TCustomForm::PlaceForShowing() {
  if (!Screen) return;
  int W = GetWidth(), H = GetHeight();
  int X = (Screen->GetWidth() - W) / 2, Y = (Screen->GetHeight() - H) / 2;
  switch (FPosition) {
  case poScreenCenter: break;
  case poDesktopCenter:
    X = Screen->GetDesktopWidth() / 2 + Screen->GetDesktopLeft() - W / 2;
    Y = Screen->GetDesktopHeight() / 2 + Screen->GetDesktopTop() - H / 2;
    break;
  case poMainFormCenter:
  case poOwnerFormCenter: {
    TCustomForm* Center = Application ? Application->GetMainForm() : nullptr;
    if (FPosition == poOwnerFormCenter)
      if (auto* OwnerForm = dynamic_cast<TCustomForm*>(Owner())) Center = OwnerForm;
    if (Center) {
      X = (Center->GetWidth() - W) / 2 + Center->GetLeft();
      Y = (Center->GetHeight() - H) / 2 + Center->GetTop();
    }
    break;
  }
  default: return;
  }
  X = std::max(X, Screen->GetDesktopLeft());
  Y = std::max(Y, Screen->GetDesktopTop());
  SetBounds(X, Y, W, H);
}

bool TCustomForm::CloseQuery() {
  bool CanClose = true;
  OnCloseQuery(this, CanClose);
  return CanClose;
}

void TCustomForm::DoClose(TCloseAction& Action) { OnClose(this, Action); }

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction Action = caHide;
  DoClose(Action);
  if (Action == caNone) return;
  if (Application && Application->GetMainForm() == this) return Application->Terminate();
  switch (Action) {
  case caHide: Hide(); break;
  case caMinimize: SetWindowState(wsMinimized); break;
  default: Release(); break;
  }
}

// The request goes through the application's window, which frees the
// form only if it still exists when the request arrives.
void TCustomForm::Release() {
  if (Application && Application->GetHandle())
    PostMessage(Application->GetHandle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this));
  else
    PostMessage(GetHandle(), CM_RELEASE, 0, 0);
}

// A result set while the form is modal is confirmed like a close: a
// refused CloseQuery or an OnClose answering caNone keeps the form open.
void TCustomForm::CloseModal() {
  try {
    TCloseAction Action = caNone;
    if (CloseQuery()) {
      Action = caHide;
      DoClose(Action);
    }
    if (Action == caNone) FModalResult = mrNone;
    if (Action == caFree) Release();
  } catch (...) {
    FModalResult = mrNone;
    if (!Application) throw;
    Application->HandleException(this);
  }
}

TModalResult TCustomForm::ShowModal() {
  if (GetVisible() || !GetEnabled() || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
    throw EInvalidOperation(SCannotShowModal);
  if (HWND Capture = GetCapture()) SendMessage(Capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  FFormState.Include(fsModal);
  HWND ActiveWindow = GetActiveWindow();
  TCustomForm* ActiveForm = Screen ? Screen->GetActiveForm() : nullptr;
  TCursor Cursor = Screen ? Screen->GetCursor() : crDefault;
  if (Screen) Screen->SetCursor(crDefault);
  TTaskWindowList Disabled;
  auto Restore = [&] {
    Disabled.Restore();
    if (Screen) {
      Screen->SetActiveForm(ActiveForm);
      Screen->SetCursor(Cursor);
    }
    if (ActiveWindow && IsWindow(ActiveWindow)) SetActiveWindow(ActiveWindow);
    FFormState.Exclude(fsModal);
  };
  try {
    if (!RunModalLoop()) ActiveWindow = nullptr;
  } catch (...) {
    Restore();
    throw;
  }
  Restore();
  return FModalResult;
}

// Shows the form and dispatches until a result stands; the form is hidden
// again however the loop ends. True when the form was still the active
// window at the end (otherwise the user went elsewhere, and the window
// that was active before is not brought back).
bool TCustomForm::RunModalLoop() {
  bool StillActive = false;
  try {
    Show();
    FModalResult = mrNone;
    do {
      if (!ModalStep())
        FModalResult = mrCancel;
      else if (FModalResult != mrNone)
        CloseModal();
    } while (FModalResult == mrNone);
    StillActive = GetActiveWindow() == GetHandle();
  } catch (...) {
    Hide();
    throw;
  }
  Hide();
  return StillActive;
}

bool TCustomForm::PreviewKey(MSG& Msg) {
  if (Msg.message == WM_CHAR) {
    char Key = char(Msg.wParam);
    KeyPress(Key);
    Msg.wParam = WPARAM(static_cast<unsigned char>(Key));
    return Key != 0;
  }
  bool Down = Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN;
  if (!Down && Msg.message != WM_KEYUP && Msg.message != WM_SYSKEYUP) return true;
  WORD Key = WORD(Msg.wParam);
  if (Down)
    KeyDown(Key, KeyboardShiftState());
  else
    KeyUp(Key, KeyboardShiftState());
  Msg.wParam = Key;
  return Key != 0;
}
