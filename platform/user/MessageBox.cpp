// The modal message box. The box is a dialog-framed popup of its own class
// with push buttons as children; MessageBox runs its own message loop until
// a button, Escape or the close box answers. Enter and Escape reach it
// through the desktop's dialog keys (the default push button is clicked;
// the dialog frame gets IDCANCEL); the loop adds Tab and the arrows, which
// move the focus, and the default look with it, between the buttons. Everything the box needs
// lives in a state record on MessageBox's stack, reached from the window
// through GWL_USERDATA, so boxes nest freely.
#include "platform/WinBase.h"
#include "platform/user/MessageBoxLayout.h"
#include "platform/user/NcMetrics.h"
#include "platform/user/WindowManager.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr char kClassName[] = "#32770";

struct TBoxState {
  TMessageBoxLayout Layout;
  std::string Text;
  HFONT Font = nullptr;
  std::vector<HWND> Buttons;
  int Answer = 0;
  bool Done = false;
};

TBoxState* StateOf(HWND Wnd) {
  return reinterpret_cast<TBoxState*>(GetWindowLong(Wnd, GWL_USERDATA));
}

// The wake-up message lets the box's loop notice the answer even when it
// was given while that loop waited inside GetMessage.
void Answer(HWND Box, TBoxState& S, int Id) {
  if (S.Done) return;
  S.Answer = Id;
  S.Done = true;
  PostMessage(Box, WM_NULL, 0, 0);
}

// A button's click, or IDCANCEL from the desktop's Escape, which a
// box without a Cancel button answers with its own way out.
void Command(HWND Box, TBoxState& S, int Id, int Code) {
  if (Code != BN_CLICKED) return;
  if (S.Layout.IsAnswer(Id))
    Answer(Box, S, Id);
  else if (Id == IDCANCEL && S.Layout.CancelAnswer())
    Answer(Box, S, S.Layout.CancelAnswer());
}

void PaintBox(HWND Wnd, const TBoxState& S) {
  PAINTSTRUCT Ps{};
  HDC Dc = BeginPaint(Wnd, &Ps);
  if (!Dc) return;
  HGDIOBJ Old = SelectObject(Dc, S.Font);
  SetBkMode(Dc, TRANSPARENT);
  SetTextColor(Dc, GetSysColor(COLOR_WINDOWTEXT));
  S.Layout.Paint(Dc, S.Text);
  SelectObject(Dc, Old);
  EndPaint(Wnd, &Ps);
}

LRESULT MessageBoxProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TBoxState* S = StateOf(Wnd);
  if (!S) return DefWindowProc(Wnd, Msg, WParam, LParam);
  switch (Msg) {
  case WM_PAINT: PaintBox(Wnd, *S); return 0;
  case WM_COMMAND: Command(Wnd, *S, LOWORD(WParam), HIWORD(WParam)); return 0;
  case WM_CLOSE:
    if (S->Layout.CancelAnswer()) Answer(Wnd, *S, S->Layout.CancelAnswer());
    return 0;
  case WM_DESTROY: S->Done = true; return 0;
  default: return DefWindowProc(Wnd, Msg, WParam, LParam);
  }
}

HFONT CreateMessageFont() {
  LOGFONTA Lf = NcLogFont(TNcFont::Message);
  return CreateFontIndirect(&Lf);
}

std::optional<TMessageBoxLayout> MeasureBox(HFONT Font, const std::string& Text, UINT Type) {
  HDC Dc = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(Dc, Font);
  auto Layout = TMessageBoxLayout::Measure(Dc, Text, Type, Backend().ScreenRect().Width());
  SelectObject(Dc, Old);
  DeleteDC(Dc);
  return Layout;
}

// The window rectangle, centred on the work area and kept inside it.
TRect BoxRect(const TMessageBoxLayout& L, DWORD Style, DWORD ExStyle) {
  TRect R{0, 0, L.ClientWidth(), L.ClientHeight()};
  AdjustWindowRectEx(&R, Style, FALSE, ExStyle);
  TRect Work = Backend().WorkArea();
  int W = std::min(R.Width(), Work.Width()), H = std::min(R.Height(), Work.Height());
  int X = Work.Left + (Work.Width() - W) / 2, Y = Work.Top + (Work.Height() - H) / 2;
  return TRect{X, Y, X + W, Y + H};
}

HWND CreateBox(TBoxState& S, HWND Root, LPCSTR Caption, UINT Type) {
  DWORD Style = WS_POPUP | WS_CAPTION | (S.Layout.CancelAnswer() ? WS_SYSMENU : 0);
  DWORD ExStyle = WS_EX_DLGMODALFRAME;
  if ((Root && (GetWindowLong(Root, GWL_EXSTYLE) & WS_EX_TOPMOST)) || (Type & MB_SYSTEMMODAL))
    ExStyle |= WS_EX_TOPMOST;
  TRect R = BoxRect(S.Layout, Style, ExStyle);
  HWND Box = CreateWindowEx(ExStyle, kClassName, Caption ? Caption : "Error", Style, R.Left, R.Top,
                            R.Width(), R.Height(), Root, nullptr, nullptr, nullptr);
  if (!Box) return nullptr;
  SetWindowLong(Box, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&S));
  const auto& Buttons = S.Layout.Buttons();
  for (std::size_t I = 0; I < Buttons.size(); ++I) {
    const TMessageBoxButton& B = Buttons[I];
    DWORD Kind = int(I) == S.Layout.DefaultButton() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    HWND Button = CreateWindowEx(0, "BUTTON", B.Text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | Kind,
                                 B.Rect.Left, B.Rect.Top, B.Rect.Width(), B.Rect.Height(), Box,
                                 reinterpret_cast<HMENU>(std::intptr_t(B.Id)), nullptr, nullptr);
    if (Button) SendMessage(Button, WM_SETFONT, reinterpret_cast<WPARAM>(S.Font), FALSE);
    S.Buttons.push_back(Button);
  }
  return Box;
}

BOOL CollectEnabled(HWND Wnd, LPARAM Param) {
  if (IsWindowVisible(Wnd) && IsWindowEnabled(Wnd))
    reinterpret_cast<std::vector<HWND>*>(Param)->push_back(Wnd);
  return TRUE;
}

// The owner's top-level window, or without an owner every window the
// user could otherwise reach.
std::vector<HWND> DisableOthers(HWND Root, HWND Box) {
  std::vector<HWND> Windows;
  if (Root) {
    if (IsWindowEnabled(Root)) Windows.push_back(Root);
  } else {
    EnumWindows(CollectEnabled, reinterpret_cast<LPARAM>(&Windows));
    std::erase(Windows, Box);
  }
  for (HWND W : Windows) EnableWindow(W, FALSE);
  return Windows;
}

int ButtonIndex(const TBoxState& S, HWND Wnd) {
  auto It = std::find(S.Buttons.begin(), S.Buttons.end(), Wnd);
  return Wnd && It != S.Buttons.end() ? int(It - S.Buttons.begin()) : -1;
}

// As in a dialog, the default look follows the focus from button to button,
// so Enter always presses the button that shows it will.
void MoveFocus(TBoxState& S, int Step) {
  int Count = int(S.Buttons.size());
  int From = ButtonIndex(S, GetFocus());
  if (From < 0) From = S.Layout.DefaultButton();
  int To = ((From + Step) % Count + Count) % Count;
  SetFocus(S.Buttons[std::size_t(To)]);
  for (int I = 0; I < Count; ++I)
    SendMessage(S.Buttons[std::size_t(I)], BM_SETSTYLE, I == To ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                TRUE);
}

// The keys that move between the buttons; true when the key was used up.
bool DialogKey(TBoxState& S, HWND Box, const MSG& M) {
  if (M.message != WM_KEYDOWN || (M.hwnd != Box && !IsChild(Box, M.hwnd))) return false;
  switch (M.wParam) {
  case VK_TAB: MoveFocus(S, GetKeyState(VK_SHIFT) < 0 ? -1 : 1); return true;
  case VK_LEFT:
  case VK_UP: MoveFocus(S, -1); return true;
  case VK_RIGHT:
  case VK_DOWN: MoveFocus(S, 1); return true;
  default: return false;
  }
}

// WM_QUIT ends the box (unanswered, unless an answer came just before)
// and goes back into the queue, so the loop outside ends too.
int RunBox(TBoxState& S, HWND Box) {
  MSG M{};
  while (!S.Done) {
    BOOL Got = GetMessage(&M, nullptr, 0, 0);
    if (Got == 0) {
      PostQuitMessage(int(M.wParam));
      return S.Done ? S.Answer : 0;
    }
    if (Got < 0) return 0;
    if (DialogKey(S, Box, M)) continue;
    TranslateMessage(&M);
    DispatchMessage(&M);
  }
  return S.Answer;
}

} // namespace

void RegisterMessageBoxClass() {
  WmRegisterSystemClass(kClassName, MessageBoxProc, CS_SAVEBITS,
                        reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_BTNFACE + 1)));
}

namespace {

// Undoes what showing the box did, also when an exception from a window
// procedure leaves the loop: the windows come back, the box (whose
// GWL_USERDATA points at this stack frame) goes, and activation returns.
struct TBoxSession {
  TBoxState& S;
  HWND Box;
  HWND PrevActive;
  std::vector<HWND> Disabled;
  ~TBoxSession() {
    for (HWND W : Disabled)
      if (IsWindow(W)) EnableWindow(W, TRUE);
    if (IsWindow(Box)) {
      SetWindowLong(Box, GWL_USERDATA, 0);
      DestroyWindow(Box);
    }
    if (PrevActive && IsWindow(PrevActive)) SetActiveWindow(PrevActive);
  }
};

struct TFontOwner {
  HFONT Font;
  ~TFontOwner() { DeleteObject(Font); }
};

} // namespace

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  if (owner && !IsWindow(owner)) return 0;
  std::string Text = text ? text : "";
  TFontOwner Font{CreateMessageFont()};
  std::optional<TMessageBoxLayout> Layout = MeasureBox(Font.Font, Text, type);
  if (!Layout) return 0;
  TBoxState S{*Layout, Text, Font.Font, {}, 0, false};
  HWND Root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  if (Root == GetDesktopWindow()) Root = nullptr;
  HWND PrevActive = GetActiveWindow();
  HWND Box = CreateBox(S, Root, caption, type);
  if (!Box) return 0;
  TBoxSession Session{S, Box, PrevActive, DisableOthers(Root, Box)};
  ShowWindow(Box, SW_SHOW);
  SetActiveWindow(Box);
  if (HWND Default = S.Buttons[std::size_t(S.Layout.DefaultButton())]) SetFocus(Default);
  return RunBox(S, Box);
}
