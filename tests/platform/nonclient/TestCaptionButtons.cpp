// Mouse input on the caption: the buttons track the pointer while held and
// send their system command only when released over themselves; a press on
// the caption activates the window and lets the desktop move it. Windows
// lie at (100, 80)-(300, 230) with a fixed frame: close box at x 279..294,
// maximise 261..276, minimise 245..260, all at y 85..98.
#include "NcTestSupport.h"
#include "platform/user/WindowManager.h"

using namespace nctest;

namespace {

constexpr DWORD kBoxes = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
const TRect kClose{279, 85, 295, 99};

TEST_F(TFrameTest, ClickOnCloseBoxClosesTheWindow) {
  HWND Wnd = Show(kBoxes);
  Desk->Click(286, 92);
  Desk->PumpUntilIdle();
  EXPECT_EQ(CountCommand(Wnd, SC_CLOSE), 1);
  EXPECT_EQ(Count(Wnd, WM_CLOSE), 1);
  EXPECT_FALSE(IsWindow(Wnd));
}

TEST_F(TFrameTest, CloseBoxShowsPressedOnlyWhileThePointerIsOverIt) {
  HWND Wnd = Show(kBoxes);
  std::vector<std::uint32_t> Up = Pixels(Desk, kClose);
  Desk->MouseMove(286, 92);
  Desk->MouseDown();
  Desk->PumpUntilIdle();
  std::vector<std::uint32_t> Down = Pixels(Desk, kClose);
  EXPECT_NE(Down, Up);
  Desk->MouseMove(150, 150);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixels(Desk, kClose), Up);
  Desk->MouseMove(283, 90);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixels(Desk, kClose), Down);
  // Released elsewhere: no command, the box pops back up, the window lives.
  Desk->MouseMove(500, 500);
  Desk->MouseUp();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixels(Desk, kClose), Up);
  EXPECT_EQ(Count(Wnd, WM_SYSCOMMAND), 0);
  EXPECT_EQ(Count(Wnd, WM_CLOSE), 0);
  EXPECT_TRUE(IsWindow(Wnd));
}

TEST_F(TFrameTest, PressOnOneBoxAndReleaseOnAnotherDoesNothing) {
  HWND Wnd = Show(kBoxes);
  Desk->MouseMove(286, 92);
  Desk->MouseDown();
  Desk->MouseMove(252, 92);
  Desk->MouseUp();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(Wnd, WM_SYSCOMMAND), 0);
  EXPECT_FALSE(IsIconic(Wnd));
}

TEST_F(TFrameTest, MinimiseAndMaximiseBoxes) {
  HWND Wnd = Show(kBoxes);
  Desk->Click(252, 92);
  Desk->PumpUntilIdle();
  EXPECT_EQ(CountCommand(Wnd, SC_MINIMIZE), 1);
  EXPECT_TRUE(IsIconic(Wnd));

  HWND Other = Show(kBoxes | WS_THICKFRAME, 0, TRect{400, 80, 600, 230});
  Desk->Click(400 + 168, 93);
  Desk->PumpUntilIdle();
  EXPECT_EQ(CountCommand(Other, SC_MAXIMIZE), 1);
  ASSERT_TRUE(IsZoomed(Other));
  // The maximise box became the restore box at the same place from the
  // maximised window's right edge.
  TRect R = WindowRect(Other);
  Desk->Click(R.Right - 32, R.Top + 13);
  Desk->PumpUntilIdle();
  EXPECT_EQ(CountCommand(Other, SC_RESTORE), 1);
  EXPECT_FALSE(IsZoomed(Other));
  EXPECT_EQ(WindowRect(Other), (TRect{400, 80, 600, 230}));
}

TEST_F(TFrameTest, DisabledBoxDoesNothing) {
  HWND Wnd = Show(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  Desk->Click(268, 92);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(Wnd, WM_SYSCOMMAND), 0);
  EXPECT_FALSE(IsZoomed(Wnd));
}

TEST_F(TFrameTest, HelpBoxSendsContextHelp) {
  HWND Wnd = Show(WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP);
  Desk->Click(268, 92);
  Desk->PumpUntilIdle();
  EXPECT_EQ(CountCommand(Wnd, SC_CONTEXTHELP), 1);
}

TEST_F(TFrameTest, DestroyedWhileHeldReleasesTheTracking) {
  HWND Wnd = Show(kBoxes);
  HWND Other = Show(kBoxes, 0, TRect{400, 80, 600, 230});
  Desk->MouseMove(286, 92);
  Desk->MouseDown();
  Desk->PumpUntilIdle();
  DestroyWindow(Wnd);
  Desk->MouseUp();
  Desk->Click(586, 92);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(Other, WM_CLOSE), 1);
}

TEST_F(TFrameTest, CaptionPressActivatesAndDragMoves) {
  HWND First = Show(kBoxes);
  HWND Second = Show(kBoxes, 0, TRect{400, 80, 600, 230});
  ASSERT_EQ(GetActiveWindow(), Second);
  Desk->MouseMove(150, 90);
  Desk->MouseDown();
  Desk->PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), First);
  Desk->MouseMove(180, 130);
  Desk->MouseUp();
  Desk->PumpUntilIdle();
  EXPECT_EQ(WindowRect(First), (TRect{130, 120, 330, 270}));
}

TEST_F(TFrameTest, DoubleClickOnCaptionTogglesMaximised) {
  WNDCLASSA Wc{};
  Wc.style = CS_DBLCLKS;
  Wc.lpfnWndProc = LogProc;
  Wc.lpszClassName = "NcTestDoubleClicks";
  RegisterClass(&Wc);
  HWND Wnd = CreateWindowEx(0, Wc.lpszClassName, "", kBoxes | WS_THICKFRAME | WS_VISIBLE, 100, 80,
                            200, 150, nullptr, nullptr, nullptr, nullptr);
  HWND Fixed = CreateWindowEx(0, Wc.lpszClassName, "", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 400,
                              80, 200, 150, nullptr, nullptr, nullptr, nullptr);
  Desk->PumpUntilIdle();
  Desk->Click(150, 90);
  Desk->Click(150, 90);
  Desk->PumpUntilIdle();
  ASSERT_TRUE(IsZoomed(Wnd));
  TRect R = WindowRect(Wnd);
  Desk->Click(R.Left + 50, R.Top + 10);
  Desk->Click(R.Left + 50, R.Top + 10);
  Desk->PumpUntilIdle();
  EXPECT_FALSE(IsZoomed(Wnd));
  EXPECT_EQ(WindowRect(Wnd), (TRect{100, 80, 300, 230}));
  // Without a maximise box a double click changes nothing.
  Desk->Click(450, 90);
  Desk->Click(450, 90);
  Desk->PumpUntilIdle();
  EXPECT_FALSE(IsZoomed(Fixed));
  EXPECT_EQ(Count(Fixed, WM_SYSCOMMAND), 0);
}

TEST_F(TFrameTest, NoActivateWindowsStayInactiveOnCaptionPress) {
  HWND Quiet = Show(kBoxes, WS_EX_NOACTIVATE);
  HWND Other = Show(kBoxes, 0, TRect{400, 80, 600, 230});
  SetActiveWindow(Other);
  Desk->MouseMove(150, 90);
  Desk->MouseDown();
  Desk->MouseUp();
  Desk->PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), Other);
  EXPECT_TRUE(IsWindow(Quiet));
}

TEST_F(TFrameTest, NonClientMessagesOutsideTheCaptionAreNotHandled) {
  HWND Wnd = Make(kBoxes);
  EXPECT_FALSE(NcMouseMessage(Wnd, WM_NCLBUTTONDOWN, HTBORDER, TPoint{100, 150}));
  EXPECT_FALSE(NcMouseMessage(Wnd, WM_NCRBUTTONDOWN, HTCAPTION, TPoint{150, 90}));
  EXPECT_FALSE(NcMouseMessage(nullptr, WM_NCLBUTTONDOWN, HTCAPTION, TPoint{150, 90}));
  EXPECT_FALSE(NcTrackMouse(WM_MOUSEMOVE, TPoint{0, 0}));
}

} // namespace
