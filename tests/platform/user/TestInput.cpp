#include "UserTestSupport.h"

#include <cstring>

using namespace usertest;

namespace {

class InputTest : public TUserTest {};

TPoint PointOf(LPARAM L) { return TPoint{GET_X_LPARAM(L), GET_Y_LPARAM(L)}; }

TEST_F(InputTest, ClickActivatesAndDeliversClientCoordinates) {
  HWND A = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  HWND B = Make(WS_POPUP | WS_VISIBLE, 0, Rect(200, 0, 300, 100));
  ASSERT_EQ(GetActiveWindow(), B);
  Log().clear();
  Desk->Click(20, 30);
  Desk->PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), A);
  EXPECT_EQ(Count(A, WM_MOUSEACTIVATE), 1);
  auto Act = Of(WM_ACTIVATE);
  ASSERT_EQ(Act.size(), 2u);
  EXPECT_EQ(Act[0].Wnd, B);
  EXPECT_EQ(LOWORD(Act[0].WParam), WA_INACTIVE);
  EXPECT_EQ(Act[1].Wnd, A);
  EXPECT_EQ(LOWORD(Act[1].WParam), WA_CLICKACTIVE);
  auto Down = Of(WM_LBUTTONDOWN);
  ASSERT_EQ(Down.size(), 1u);
  EXPECT_EQ(PointOf(Down[0].LParam), Point(20, 30));
  EXPECT_EQ(Down[0].WParam & MK_LBUTTON, MK_LBUTTON);
  EXPECT_EQ(Count(A, WM_LBUTTONUP), 1);
  EXPECT_EQ(GetFocus(), A);
}

TEST_F(InputTest, AWindowAnsweringTransparentLetsThePointerThrough) {
  HWND Below = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  HWND Above = Make(WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, Rect(10, 10, 60, 60));
  Reactions().push_back({WM_NCHITTEST, [Above](HWND W, WPARAM, LPARAM L) -> LRESULT {
                           return W == Above ? HTTRANSPARENT : DefWindowProc(W, WM_NCHITTEST, 0, L);
                         }});
  Log().clear();
  Desk->Click(20, 20);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(Above, WM_LBUTTONDOWN), 0);
  ASSERT_EQ(Of(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Of(WM_LBUTTONDOWN)[0].Wnd, Below);
  EXPECT_EQ(PointOf(Of(WM_LBUTTONDOWN)[0].LParam), Point(20, 20));
}

TEST_F(InputTest, ActivateAppMarksTheFirstAndLastActivation) {
  HWND A = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 10, 10));
  auto App = Of(WM_ACTIVATEAPP);
  ASSERT_EQ(App.size(), 1u);
  EXPECT_EQ(App[0].WParam, WPARAM(TRUE));
  Log().clear();
  Desk->Click(500, 500); // the empty desktop
  Desk->PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), nullptr);
  ASSERT_EQ(Count(A, WM_ACTIVATEAPP), 1);
  EXPECT_EQ(Of(WM_ACTIVATEAPP)[0].WParam, WPARAM(FALSE));
}

TEST_F(InputTest, CaptureRoutesPointerOutsideTheWindow) {
  HWND A = Make(WS_POPUP | WS_VISIBLE, 0, Rect(100, 100, 200, 200));
  Make(WS_POPUP | WS_VISIBLE, 0, Rect(300, 300, 400, 400));
  SetCapture(A);
  Log().clear();
  Desk->MouseMove(350, 360);
  Desk->PumpUntilIdle();
  auto Moves = Of(WM_MOUSEMOVE);
  ASSERT_EQ(Moves.size(), 1u);
  EXPECT_EQ(Moves[0].Wnd, A);
  EXPECT_EQ(PointOf(Moves[0].LParam), Point(250, 260));
  ReleaseCapture();
  EXPECT_EQ(Count(A, WM_CAPTURECHANGED), 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, RightButtonReleaseRaisesContextMenuAtTheScreenPointUpTheParents) {
  HWND P = Make(WS_POPUP | WS_VISIBLE, 0, Rect(100, 100, 300, 300));
  HWND C = Make(WS_CHILD | WS_VISIBLE, 0, Rect(10, 10, 50, 50), P);
  Log().clear();
  Desk->Click(120, 125, 1);
  Desk->PumpUntilIdle();
  auto Menus = Of(WM_CONTEXTMENU);
  ASSERT_EQ(Menus.size(), 2u);
  EXPECT_EQ(Menus[0].Wnd, C);
  EXPECT_EQ(Menus[1].Wnd, P) << "a child passes it to its parent";
  EXPECT_EQ(reinterpret_cast<HWND>(Menus[0].WParam), C);
  EXPECT_EQ(PointOf(Menus[0].LParam), Point(120, 125));
}

TEST_F(InputTest, ContextMenuKeysGiveMinusOnePoint) {
  HWND W = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  for (int Way = 0; Way < 2; ++Way) {
    Log().clear();
    if (Way == 0) {
      Desk->PressKey(VK_APPS);
    } else {
      Desk->KeyDown(VK_SHIFT);
      Desk->PressKey(VK_F10);
      Desk->KeyUp(VK_SHIFT);
    }
    MSG M;
    while (PeekMessage(&M, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&M);
      DispatchMessage(&M);
    }
    auto Menus = Of(WM_CONTEXTMENU);
    ASSERT_EQ(Menus.size(), 1u) << Way;
    EXPECT_EQ(Menus[0].Wnd, W);
    EXPECT_EQ(PointOf(Menus[0].LParam), Point(-1, -1));
  }
}

TEST_F(InputTest, KeysGoToTheFocusAndTranslateToCharacters) {
  HWND P = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  HWND C = Make(WS_CHILD | WS_VISIBLE, 0, Rect(0, 0, 10, 10), P);
  SetFocus(C);
  EXPECT_EQ(Count(P, WM_KILLFOCUS), 1);
  EXPECT_EQ(Count(C, WM_SETFOCUS), 1);
  Log().clear();
  Desk->TypeText("a");
  Desk->PumpUntilIdle();
  auto Chars = Of(WM_CHAR);
  ASSERT_EQ(Chars.size(), 1u);
  EXPECT_EQ(Chars[0].Wnd, C);
  EXPECT_EQ(Chars[0].WParam, WPARAM('a'));
  EXPECT_EQ(Count(C, WM_KEYDOWN), 1);
  EXPECT_EQ(Count(C, WM_KEYUP), 1);
}

TEST_F(InputTest, ClickOnWindowDisabledByAPopupActivatesThePopup) {
  HWND Owner = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 200, 200));
  HWND Dialog = Make(WS_POPUP | WS_VISIBLE, 0, Rect(300, 300, 400, 400), Owner);
  EnableWindow(Owner, FALSE);
  Desk->Click(500, 500);
  Desk->PumpUntilIdle();
  Log().clear();
  Desk->Click(50, 50);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(Owner, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(GetActiveWindow(), Dialog);
  EXPECT_EQ(GetParent(Dialog), Owner);
}

TEST_F(InputTest, ClassCursorShowsOverTheClientArea) {
  WNDCLASSA Wc{};
  Wc.lpfnWndProc = DefWindowProc;
  Wc.hCursor = LoadCursor(nullptr, IDC_NO);
  Wc.lpszClassName = "NoCursor";
  ASSERT_NE(RegisterClass(&Wc), 0);
  HWND P = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  CreateWindowEx(0, "NoCursor", "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, P, nullptr, nullptr,
                 nullptr);
  Desk->MouseMove(15, 15);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->CursorShape(), 32648);
  Desk->MouseMove(50, 50);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->CursorShape(), 32512);
}

TEST_F(InputTest, DoubleClickNeedsTheClassStyleAndTheTimeWindow) {
  HWND W = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  Desk->Click(10, 10);
  Desk->Click(10, 10);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(W, WM_LBUTTONDBLCLK), 1);
  Desk->AdvanceTime(600);
  Desk->Click(10, 10);
  Desk->AdvanceTime(600);
  Desk->Click(10, 10);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(W, WM_LBUTTONDBLCLK), 1);
}

TEST_F(InputTest, TimersFireWhenTheClockReachesThem) {
  HWND W = Make(WS_POPUP, 0, Rect(0, 0, 10, 10));
  ASSERT_EQ(SetTimer(W, 7, 100, nullptr), 7u);
  Desk->AdvanceTime(99);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(W, WM_TIMER), 0);
  Desk->AdvanceTime(1);
  Desk->PumpUntilIdle();
  ASSERT_EQ(Count(W, WM_TIMER), 1);
  EXPECT_EQ(Of(WM_TIMER)[0].WParam, 7u);
  Desk->AdvanceTime(350); // overdue ticks coalesce into one
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(W, WM_TIMER), 2);
  EXPECT_TRUE(KillTimer(W, 7));
  EXPECT_FALSE(KillTimer(W, 7));
  Desk->AdvanceTime(1000);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(W, WM_TIMER), 2);
}

// A modal loop as the framework runs one: pump until a flag is set.
int RunModal(bool& Done) {
  MSG M;
  while (!Done) {
    BOOL R = GetMessage(&M, nullptr, 0, 0);
    if (R <= 0) {
      PostQuitMessage(int(M.wParam));
      return -1;
    }
    TranslateMessage(&M);
    DispatchMessage(&M);
  }
  return 1;
}

TEST_F(InputTest, ModalLoopsNestTwoDeepDrivenWhenIdle) {
  HWND A = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  HWND B = Make(WS_POPUP | WS_VISIBLE, 0, Rect(200, 0, 300, 100));
  bool OuterDone = false, InnerDone = false;
  std::vector<int> Depths;
  int Depth = 0;
  React(WM_LBUTTONUP, [&](HWND Wnd, WPARAM, LPARAM) -> LRESULT {
    if (Wnd == A) {
      ++Depth;
      RunModal(InnerDone);
      --Depth;
      OuterDone = true;
    } else {
      InnerDone = true;
    }
    return 0;
  });
  int Step = 0;
  Desk->SetIdleHandler([&]() {
    Depths.push_back(Depth);
    switch (Step++) {
    case 0: Desk->Click(50, 50); return true;  // opens the inner loop
    case 1: Desk->Click(250, 50); return true; // ends it
    default: return false;
    }
  });
  ++Depth;
  EXPECT_EQ(RunModal(OuterDone), 1);
  std::vector<int> Want{1, 2};
  EXPECT_EQ(Depths, Want);
  EXPECT_TRUE(InnerDone);
  EXPECT_EQ(Count(B, WM_LBUTTONUP), 1);
}

TEST_F(InputTest, IdleWithNothingToDoEndsTheLoopWithQuit) {
  Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 10, 10));
  MSG M;
  while (GetMessage(&M, nullptr, 0, 0) > 0) DispatchMessage(&M);
  EXPECT_EQ(M.message, WM_QUIT);
}

} // namespace

namespace {

TEST(KeyNames, ScanCodesRoundTripAndNameKeys) {
  struct {
    UINT Vk;
    bool Extended;
    const char* Name;
  } Cases[] = {{'S', false, "S"},           {0x6A, false, "Num *"},   {0xBA, false, ";"},
               {VK_DELETE, true, "Delete"}, {0x6E, false, "Num Del"}, {VK_F12, false, "F12"}};
  for (auto& C : Cases) {
    UINT Scan = MapVirtualKey(C.Vk, MAPVK_VK_TO_VSC);
    ASSERT_NE(Scan, 0u) << C.Name;
    char Buf[32];
    LONG L = LONG((Scan << 16) | (C.Extended ? 1u << 24 : 0u));
    EXPECT_EQ(GetKeyNameText(L, Buf, sizeof Buf), int(std::strlen(C.Name)));
    EXPECT_STREQ(Buf, C.Name);
    if (!C.Extended) {
      EXPECT_EQ(MapVirtualKey(Scan, MAPVK_VSC_TO_VK), C.Vk);
    }
  }
  char Small[3];
  EXPECT_EQ(GetKeyNameText(LONG(0x37 << 16), Small, sizeof Small), 2);
  EXPECT_STREQ(Small, "Nu");
  EXPECT_EQ(GetKeyNameText(LONG(0x7F << 16), Small, sizeof Small), 0);
  EXPECT_EQ(MapVirtualKey(0xFF, MAPVK_VK_TO_VSC), 0u);
}

} // namespace
