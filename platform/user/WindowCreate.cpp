// Creating and destroying windows. A window is created hidden, receives
// WM_NCCREATE and WM_CREATE (either may refuse), and is shown at the end
// when WS_VISIBLE was asked for. Destruction sends WM_DESTROY parent first
// and WM_NCDESTROY children first; a window destroyed from inside its own
// procedure stays in memory until that call returns, but its handle is
// stale at once.
#include "platform/user/WmState.h"

#include <algorithm>

namespace {

TRect DefaultRect(int X, int Y, int W, int H) {
  TRect Work = Backend().WorkArea();
  static int Cascade = 0;
  if (X == CW_USEDEFAULT) {
    int Step = 26 * (Cascade++ % 8);
    X = Work.Left + Step;
    Y = Work.Top + Step;
  }
  if (W == CW_USEDEFAULT) {
    W = Work.Width() / 2;
    H = Work.Height() / 2;
  }
  W = std::clamp(W, 0, 32767);
  H = std::clamp(H, 0, 32767);
  return TRect{X, Y, X + W, Y + H};
}

TWindow* NewWindow(TWndClass* Class, DWORD ExStyle, LPCSTR Name, DWORD Style) {
  auto Obj = std::make_unique<TWindow>();
  TWindow* W = Obj.get();
  W->Handle = reinterpret_cast<HWND>(Wm().Windows.Add(std::move(Obj)));
  W->Class = Class;
  W->Proc = Class->Proc;
  W->Style = Style;
  W->ExStyle = ExStyle;
  W->Text = Name ? Name : "";
  W->Extra.assign(std::size_t(Class->WndExtra), 0);
  return W;
}

bool SendCreate(TWindow& W, CREATESTRUCTA& Cs) {
  HWND H = W.Handle;
  if (!SendMessage(H, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&Cs))) return false;
  if (!WmFindLive(H)) return false;
  if (SendMessage(H, WM_CREATE, 0, reinterpret_cast<LPARAM>(&Cs)) == -1) return false;
  if (!WmFindLive(H)) return false;
  TRect C = WmClientInWindow(W);
  SendMessage(H, WM_SIZE, SIZE_RESTORED, MAKELPARAM(C.Width(), C.Height()));
  TRect CS = WmClientScreenRect(W);
  if (W.IsChild())
    if (TWindow* P = WmFind(W.Parent)) {
      TRect PC = WmClientScreenRect(*P);
      OffsetRect(&CS, -PC.Left, -PC.Top);
    }
  SendMessage(H, WM_MOVE, 0, MAKELPARAM(CS.Left, CS.Top));
  return WmFindLive(H) != nullptr;
}

} // namespace

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                    void* param) {
  WmEnsureSystemClasses();
  TWndClass* Class = WmFindClass(className);
  if (!Class) return nullptr;
  bool Child = (style & WS_CHILD) != 0;
  TWindow* ParentW = parent ? WmFindLive(parent) : nullptr;
  if (Child && !ParentW) return nullptr;
  if (parent && !ParentW) return nullptr;
  DWORD Wanted = style;
  style &= ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  if (!Child && !(style & WS_POPUP)) {
    style |= WS_CLIPSIBLINGS | WS_CAPTION;
    exStyle |= WS_EX_WINDOWEDGE;
  }
  TWindow* W = NewWindow(Class, exStyle, windowName, style);
  W->Instance = instance;
  W->IdOrMenu = menu;
  HWND H = W->Handle;
  if (Child) {
    W->Parent = ParentW->Handle;
    W->Rect = DefaultRect(x == CW_USEDEFAULT ? 0 : x, y, width, height);
    ParentW->Children.insert(ParentW->Children.begin(), H);
  } else {
    if (ParentW) W->Owner = WmRoot(ParentW)->Handle;
    W->Rect = DefaultRect(x, y, width, height);
    WmRaise(*W);
    Backend().WindowCreated(H);
  }
  WmInvalidateTree(*W);
  CREATESTRUCTA Cs{param, instance, menu,         parent,     height,    width,
                   y,     x,        LONG(Wanted), windowName, className, exStyle};
  if (!SendCreate(*W, Cs)) {
    DestroyWindow(H);
    return nullptr;
  }
  if (Wanted & WS_MINIMIZE) W->Style |= WS_MINIMIZE;
  if (Wanted & WS_VISIBLE) ShowWindow(H, Child ? SW_SHOWNA : SW_SHOW);
  return WmFindLive(H) ? H : nullptr;
}

namespace {

void SendDestroy(TWindow& W) {
  TWmState& S = Wm();
  W.Destroying = true;
  if (S.Focus == W.Handle) S.Focus = nullptr;
  if (S.Capture == W.Handle) {
    S.Capture = nullptr;
    Backend().CaptureChanged(nullptr);
  }
  CallWindowProc(W.Proc, W.Handle, WM_DESTROY, 0, 0);
  std::vector<HWND> Kids = W.Children;
  for (HWND K : Kids)
    if (TWindow* KW = WmFind(K); KW && !KW->Destroying) SendDestroy(*KW);
}

void FreeTree(TWindow& W) {
  std::vector<HWND> Kids = W.Children;
  for (HWND K : Kids)
    if (TWindow* KW = WmFind(K)) FreeTree(*KW);
  HWND H = W.Handle;
  CallWindowProc(W.Proc, H, WM_NCDESTROY, 0, 0);
  WmPurgeQueue(H);
  WmForgetDCs(W);
  if (W.IsChild()) {
    if (TWindow* P = WmFind(W.Parent)) {
      auto& C = P->Children;
      C.erase(std::remove(C.begin(), C.end(), H), C.end());
    }
  } else {
    WmRemoveFromStack(W);
    Backend().WindowDestroyed(H);
  }
  TWmState& S = Wm();
  if (S.PointerWnd == H) S.PointerWnd = nullptr;
  std::unique_ptr<TWindow> Obj = S.Windows.Remove(reinterpret_cast<std::uintptr_t>(H));
  if (Obj && Obj->InCall > 0) S.Zombies.push_back(std::move(Obj));
}

} // namespace

BOOL DestroyWindow(HWND wnd) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  TWmState& S = Wm();
  if (!W->IsChild()) {
    std::vector<HWND> Owned;
    for (HWND O : S.ZOrder)
      if (TWindow* OW = WmFind(O); OW && OW->Owner == wnd) Owned.push_back(O);
    for (HWND O : Owned) DestroyWindow(O);
    if (!WmFindLive(wnd)) return TRUE;
  }
  if (W->IsVisibleFlag())
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!WmFindLive(wnd)) return TRUE;
  if (S.Active == wnd) WmActivateOther(wnd);
  if (!WmFindLive(wnd)) return TRUE;
  SendDestroy(*W);
  FreeTree(*W);
  return TRUE;
}
