#include "SolidWindows.h"
#include "support/DesktopTest.h"

#include <vector>

namespace {

std::vector<UINT> Seen;
std::vector<DWORD> ClickTimes;

LRESULT RecordingProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_USER || Msg == WM_TIMER || Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONUP ||
      Msg == WM_CHAR)
    Seen.push_back(Msg);
  if (Msg == WM_LBUTTONDOWN) ClickTimes.push_back(GetMessageTime());
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

class DesktopLoop : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    Seen.clear();
    ClickTimes.clear();
    WNDCLASSA Wc{};
    Wc.lpfnWndProc = RecordingProc;
    Wc.lpszClassName = "HeadlessRecorder";
    RegisterClass(&Wc);
    Wnd = CreateWindowEx(0, "HeadlessRecorder", "", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100,
                         nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(Wnd, nullptr);
  }
  HWND Wnd = nullptr;
};

} // namespace

TEST_F(DesktopLoop, WaitingAsksTheIdleHandlerOnlyWhenNothingIsQueued) {
  EXPECT_FALSE(Backend().WaitForEvents(UINT64_MAX)); // no handler
  int Calls = 0;
  bool Answer = true;
  Desk->SetIdleHandler([&] {
    ++Calls;
    return Answer;
  });
  Desk->MouseMove(5, 5);
  EXPECT_TRUE(Backend().WaitForEvents(UINT64_MAX));
  EXPECT_EQ(Calls, 0);
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Backend().WaitForEvents(UINT64_MAX));
  Answer = false;
  EXPECT_FALSE(Backend().WaitForEvents(UINT64_MAX));
  EXPECT_EQ(Calls, 2);
}

TEST_F(DesktopLoop, InputQueuedByAFinishedHandlerStillCounts) {
  Desk->SetIdleHandler([&] {
    Desk->PressKey('A', 'a');
    return false;
  });
  EXPECT_TRUE(Backend().WaitForEvents(UINT64_MAX));
}

TEST_F(DesktopLoop, NestedWaitInsideTheHandlerAnswersFalse) {
  int Calls = 0;
  bool Inner = true;
  Desk->SetIdleHandler([&] {
    ++Calls;
    Inner = Backend().WaitForEvents(UINT64_MAX);
    return true;
  });
  EXPECT_TRUE(Backend().WaitForEvents(UINT64_MAX));
  EXPECT_FALSE(Inner);
  EXPECT_EQ(Calls, 1);
  // The guard is released afterwards.
  EXPECT_TRUE(Backend().WaitForEvents(UINT64_MAX));
  EXPECT_EQ(Calls, 2);
}

TEST_F(DesktopLoop, HandlerMayRemoveItself) {
  Desk->SetIdleHandler([&] {
    Desk->SetIdleHandler(nullptr);
    return true;
  });
  EXPECT_TRUE(Backend().WaitForEvents(UINT64_MAX));
  EXPECT_FALSE(Backend().WaitForEvents(UINT64_MAX));
}

TEST_F(DesktopLoop, MessageLoopRunsOnIdleInputAndEndsWhenTheHandlerIsDone) {
  int Step = 0;
  Desk->SetIdleHandler([&] {
    if (++Step > 2) return false;
    Desk->Click(20, 20);
    return true;
  });
  MSG M;
  int Loops = 0;
  while (GetMessage(&M, nullptr, 0, 0) > 0 && ++Loops < 1000) {
    TranslateMessage(&M);
    DispatchMessage(&M);
  }
  EXPECT_EQ(M.message, WM_QUIT);
  EXPECT_EQ(Step, 3);
  EXPECT_EQ(Seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(DesktopLoop, PumpDispatchesUntilIdleAndLeavesQuitQueued) {
  SetFocus(Wnd);
  PostMessage(Wnd, WM_USER, 0, 0);
  Desk->TypeText("x");
  Desk->PumpUntilIdle();
  EXPECT_EQ(Seen, (std::vector<UINT>{WM_USER, WM_CHAR}));
  PostMessage(Wnd, WM_USER, 0, 0);
  PostQuitMessage(7);
  Desk->PumpUntilIdle();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Seen.size(), 3u);
  MSG M;
  ASSERT_TRUE(PeekMessage(&M, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(M.message, WM_QUIT);
  EXPECT_EQ(M.wParam, 7u);
}

TEST_F(DesktopLoop, TimersFireOnlyWhenTheClockIsAdvanced) {
  const DWORD Start = GetTickCount();
  ASSERT_NE(SetTimer(Wnd, 1, 100, nullptr), 0u);
  Desk->PumpUntilIdle();
  Desk->SetIdleHandler([] { return false; });
  Backend().WaitForEvents(Backend().Now() + 100);
  EXPECT_EQ(GetTickCount(), Start);
  Desk->AdvanceTime(99);
  Desk->PumpUntilIdle();
  EXPECT_TRUE(Seen.empty());
  Desk->AdvanceTime(1);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Seen, (std::vector<UINT>{WM_TIMER}));
  EXPECT_EQ(GetTickCount(), Start + 100);
  Desk->AdvanceTime(250);
  Desk->PumpUntilIdle();
  // Late timers fire once, not once per missed period.
  EXPECT_EQ(Seen.size(), 2u);
}

TEST_F(DesktopLoop, ClockSaturatesInsteadOfWrapping) {
  Desk->AdvanceTime(UINT64_MAX);
  EXPECT_EQ(Backend().Now(), UINT64_MAX);
  Desk->AdvanceTime(5);
  EXPECT_EQ(Backend().Now(), UINT64_MAX);
}

TEST_F(DesktopLoop, InputArrivesAtTheTimeItWasGiven) {
  const DWORD Start = GetTickCount();
  Desk->Click(20, 20);
  Desk->AdvanceTime(600);
  Desk->Click(20, 20);
  Desk->AdvanceTime(600);
  EXPECT_EQ(GetTickCount(), Start);
  Desk->PumpUntilIdle();
  EXPECT_EQ(ClickTimes, (std::vector<DWORD>{Start, Start + 600}));
  EXPECT_EQ(GetTickCount(), Start + 1200);
}
