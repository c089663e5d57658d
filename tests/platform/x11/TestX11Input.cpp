// Real input from the server (xdotool drives it through XTest) reaching
// platform windows as messages, without a window manager.
#include "X11Test.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace {

// Maps keysyms to unused key codes for a test, as a keyboard layout that
// has them would, and takes them away again afterwards.
class TSpareKeys {
public:
  TSpareKeys(Display* D, std::initializer_list<KeySym> Syms) : FDpy(D) {
    int Min, Max, PerCode;
    XDisplayKeycodes(D, &Min, &Max);
    KeySym* Map = XGetKeyboardMapping(D, KeyCode(Min), Max - Min + 1, &PerCode);
    auto Sym = Syms.begin();
    for (int Code = Max; Code >= Min && Sym != Syms.end(); --Code) {
      bool Free = true;
      for (int I = 0; I < PerCode; ++I) Free = Free && Map[(Code - Min) * PerCode + I] == NoSymbol;
      if (!Free) continue;
      KeySym S = *Sym++;
      XChangeKeyboardMapping(D, Code, 1, &S, 1);
      FCodes.push_back(Code);
    }
    XFree(Map);
    XSync(D, False);
  }
  ~TSpareKeys() {
    KeySym None_ = NoSymbol;
    for (int Code : FCodes) XChangeKeyboardMapping(FDpy, Code, 1, &None_, 1);
    XSync(FDpy, False);
  }

private:
  Display* FDpy;
  std::vector<int> FCodes;
};

// Client coordinates of a logged mouse message.
POINT ClientPos(const MSG* M) { return POINT{GET_X_LPARAM(M->lParam), GET_Y_LPARAM(M->lParam)}; }

} // namespace

class TX11InputTest : public TX11Test {
protected:
  // A shown window that has the focus.
  HWND ShowFocused(const TRect& R, DWORD Style = WS_POPUP) {
    HWND W = MakeWindow(0, Style, R);
    ShowWindow(W, SW_SHOW);
    Window X = XOf(W);
    EXPECT_TRUE(
        PumpUntil([&] { return Viewable(X) && ServerFocus() == X && GetActiveWindow() == W; }));
    return W;
  }
};

TEST_F(TX11InputTest, ClickArrivesAtClientCoordinates) {
  HWND W = ShowFocused(TRect{200, 200, 400, 300}, WS_OVERLAPPEDWINDOW);
  POINT Origin{0, 0};
  ClientToScreen(W, &Origin);
  ASSERT_GT(Origin.X, 200);
  ASSERT_GT(Origin.Y, 200);
  POINT Expected{250 - Origin.X, 260 - Origin.Y};
  ASSERT_EQ(XDoTool({"mousemove", "250", "260", "click", "1"}), 0);
  ASSERT_TRUE(PumpUntil([&] { return Logged(W, WM_LBUTTONUP) != nullptr; }));
  const MSG* Down = Logged(W, WM_LBUTTONDOWN);
  ASSERT_NE(Down, nullptr);
  EXPECT_EQ(ClientPos(Down), Expected);
  EXPECT_EQ(ClientPos(Logged(W, WM_LBUTTONUP)), Expected);
  // The pointer's last move before the press: onto the click point.
  const MSG* Move = nullptr;
  for (const MSG& M : Log()) {
    if (&M == Down) break;
    if (M.hwnd == W && M.message == WM_MOUSEMOVE) Move = &M;
  }
  ASSERT_NE(Move, nullptr);
  EXPECT_EQ(ClientPos(Move), Expected);
}

TEST_F(TX11InputTest, OtherButtonsAndTheWheel) {
  HWND W = ShowFocused(TRect{200, 200, 400, 300});
  ASSERT_EQ(
      XDoTool({"mousemove", "300", "260", "click", "3", "click", "2", "click", "4", "click", "5"}),
      0);
  ASSERT_TRUE(PumpUntil([&] { return Logged(W, WM_MBUTTONUP) != nullptr; }));
  EXPECT_EQ(ClientPos(Logged(W, WM_RBUTTONDOWN)), (POINT{100, 60}));
  EXPECT_NE(Logged(W, WM_RBUTTONUP), nullptr);
  EXPECT_NE(Logged(W, WM_MBUTTONDOWN), nullptr);
  ASSERT_TRUE(PumpUntil([&] {
    int Wheels = 0;
    for (const MSG& M : Log()) Wheels += M.hwnd == W && M.message == WM_MOUSEWHEEL;
    return Wheels == 2;
  }));
  std::vector<int> Deltas;
  for (const MSG& M : Log())
    if (M.message == WM_MOUSEWHEEL) Deltas.push_back(GET_WHEEL_DELTA_WPARAM(M.wParam));
  EXPECT_EQ(Deltas, (std::vector<int>{120, -120}));
}

TEST_F(TX11InputTest, KeysBecomeKeyAndCharacterMessages) {
  struct {
    const char* Key;
    UINT Vk;
    WPARAM Char;
  } Cases[] = {{"a", 'A', 'a'},
               {"shift+1", '1', '!'},
               {"Return", VK_RETURN, '\r'},
               {"F5", VK_F1 + 4, 0},
               {"Escape", VK_ESCAPE, 27},
               {"Left", VK_LEFT, 0},
               {"Delete", VK_DELETE, 0},
               {"space", VK_SPACE, ' '},
               // Keys of other layouts (mapped below) have no virtual key
               // but type their character.
               {"oslash", 0, 0xF8},
               {"EuroSign", 0, 0x20AC},
               {"Cyrillic_a", 0, 0x430}};
  TSpareKeys Spare(Viewer(), {XK_oslash, XK_EuroSign, XK_Cyrillic_a});
  HWND W = ShowFocused(TRect{200, 200, 400, 300});
  for (auto& C : Cases) {
    Log().clear();
    ASSERT_EQ(XDoTool({"key", C.Key}), 0);
    ASSERT_TRUE(PumpUntil([&] {
      for (const MSG& M : Log())
        if (M.hwnd == W && M.message == WM_KEYUP && M.wParam == C.Vk) return true;
      return false;
    })) << C.Key;
    const MSG* Down = nullptr;
    for (const MSG& M : Log())
      if (M.message == WM_KEYDOWN && M.wParam == C.Vk) Down = &M;
    EXPECT_NE(Down, nullptr) << C.Key;
    const MSG* Char = Logged(W, WM_CHAR);
    EXPECT_EQ(Char ? Char->wParam : 0, C.Char) << C.Key;
  }
}

TEST_F(TX11InputTest, MenuKeyAsksForTheContextMenu) {
  HWND W = ShowFocused(TRect{200, 200, 400, 300});
  ASSERT_EQ(XDoTool({"key", "Menu"}), 0);
  ASSERT_TRUE(PumpUntil([&] { return Logged(W, WM_CONTEXTMENU) != nullptr; }));
  EXPECT_EQ(Logged(W, WM_KEYDOWN)->wParam, WPARAM(VK_APPS));
}

TEST_F(TX11InputTest, ActivationMovesTheServersFocus) {
  HWND A = ShowFocused(TRect{100, 100, 200, 200});
  HWND B = ShowFocused(TRect{300, 100, 400, 200});
  EXPECT_EQ(ServerFocus(), XOf(B));
  SetActiveWindow(A);
  EXPECT_TRUE(PumpUntil([&] { return ServerFocus() == XOf(A); }));
  EXPECT_EQ(GetActiveWindow(), A);
  // Focus given away by another client deactivates the program.
  XSetInputFocus(Viewer(), PointerRoot, RevertToPointerRoot, CurrentTime);
  XSync(Viewer(), False);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == nullptr; }));
}

TEST_F(TX11InputTest, CaptionDragMovesTheWindowItself) {
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{100, 100, 400, 300});
  ShowWindow(W, SW_SHOW);
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  int Caption = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  std::string Y = std::to_string(100 + Caption);
  ASSERT_EQ(XDoTool({"mousemove", "200", Y, "mousedown", "1"}), 0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mousemove", "250", std::to_string(100 + Caption + 40)}), 0);
  PumpFor(50);
  ASSERT_EQ(XDoTool({"mouseup", "1"}), 0);
  TRect R;
  EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(W, &R) && R == TRect{150, 140, 450, 340}; }));
  EXPECT_TRUE(PumpUntil([&] { return ScreenRectOf(X) == TRect{150, 140, 450, 340}; }));
}
