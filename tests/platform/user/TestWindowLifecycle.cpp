#include "UserTestSupport.h"
#include "platform/gdi/Gdi.h"

#include <stdexcept>

using namespace usertest;

namespace {

class WindowLifecycleTest : public TUserTest {};

std::vector<UINT> MessagesOf(HWND Wnd) {
  std::vector<UINT> Out;
  for (auto& R : Log())
    if (R.Wnd == Wnd) Out.push_back(R.Msg);
  return Out;
}

TEST_F(WindowLifecycleTest, CreationSendsNcCreateCreateSizeMoveInOrder) {
  HWND W = Make(WS_POPUP, 0, Rect(10, 20, 110, 70));
  ASSERT_TRUE(IsWindow(W));
  std::vector<UINT> Want{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE};
  EXPECT_EQ(MessagesOf(W), Want);
  auto Size = Of(WM_SIZE).front();
  EXPECT_EQ(Size.LParam, MAKELPARAM(100, 50));
  EXPECT_FALSE(IsWindowVisible(W));
}

TEST_F(WindowLifecycleTest, RefusedCreationLeavesNoWindow) {
  for (UINT Refuse : {WM_NCCREATE, WM_CREATE}) {
    Reactions().clear();
    Log().clear();
    React(Refuse,
          [Refuse](HWND, WPARAM, LPARAM) -> LRESULT { return Refuse == WM_CREATE ? -1 : 0; });
    EXPECT_EQ(Make(WS_POPUP, 0, Rect(0, 0, 10, 10)), nullptr);
    ASSERT_FALSE(Log().empty());
    EXPECT_FALSE(IsWindow(Log().front().Wnd));
  }
}

TEST_F(WindowLifecycleTest, UnknownClassAndMissingParentFail) {
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                           nullptr),
            nullptr);
  EXPECT_EQ(Make(WS_CHILD, 0, Rect(0, 0, 5, 5)), nullptr);
  HWND Parent = Make(WS_POPUP, 0, Rect(0, 0, 50, 50));
  DestroyWindow(Parent);
  EXPECT_EQ(Make(WS_CHILD, 0, Rect(0, 0, 5, 5), Parent), nullptr);
}

TEST_F(WindowLifecycleTest, DestroySendsDestroyParentFirstAndNcDestroyChildFirst) {
  HWND P = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 100, 100));
  HWND C = Make(WS_CHILD | WS_VISIBLE, 0, Rect(0, 0, 10, 10), P);
  Log().clear();
  ASSERT_TRUE(DestroyWindow(P));
  std::vector<std::pair<HWND, UINT>> Seen;
  for (auto& R : Log())
    if (R.Msg == WM_DESTROY || R.Msg == WM_NCDESTROY) Seen.emplace_back(R.Wnd, R.Msg);
  std::vector<std::pair<HWND, UINT>> Want{
      {P, WM_DESTROY}, {C, WM_DESTROY}, {C, WM_NCDESTROY}, {P, WM_NCDESTROY}};
  EXPECT_EQ(Seen, Want);
  EXPECT_FALSE(IsWindow(P));
  EXPECT_FALSE(IsWindow(C));
}

TEST_F(WindowLifecycleTest, StaleHandlesGetFailureValues) {
  HWND W = Make(WS_POPUP, 0, Rect(0, 0, 10, 10));
  DestroyWindow(W);
  RECT R{1, 2, 3, 4};
  EXPECT_EQ(SendMessage(W, WM_USER, 1, 2), 0);
  EXPECT_FALSE(PostMessage(W, WM_USER, 1, 2));
  EXPECT_FALSE(DestroyWindow(W));
  EXPECT_FALSE(GetWindowRect(W, &R));
  EXPECT_EQ(GetWindowLong(W, GWL_STYLE), 0);
  EXPECT_EQ(SetWindowLong(W, GWL_USERDATA, 5), 0);
  EXPECT_FALSE(ShowWindow(W, SW_SHOW));
  EXPECT_EQ(GetDC(W), nullptr);
  EXPECT_EQ(SetWindowRgn(W, nullptr, TRUE), 0);
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(std::intptr_t(12345))));
}

TEST_F(WindowLifecycleTest, ProcedureThatDestroysItsOwnWindowIsSafe) {
  React(WM_USER, [](HWND Wnd, WPARAM, LPARAM) -> LRESULT {
    DestroyWindow(Wnd);
    // The handle is stale at once, though this call is still running.
    return IsWindow(Wnd) ? 1 : 2;
  });
  HWND W = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 10, 10));
  EXPECT_EQ(SendMessage(W, WM_USER, 0, 0), 2);
  EXPECT_FALSE(IsWindow(W));
  PostMessage(Make(WS_POPUP, 0, Rect(0, 0, 5, 5)), WM_USER, 0, 0);
  Desk->PumpUntilIdle();
}

TEST_F(WindowLifecycleTest, ReentrantSendMessageNests) {
  React(WM_USER, [](HWND Wnd, WPARAM Depth, LPARAM) -> LRESULT {
    return Depth == 0 ? 0 : 1 + SendMessage(Wnd, WM_USER, Depth - 1, 0);
  });
  HWND W = Make(WS_POPUP, 0, Rect(0, 0, 10, 10));
  EXPECT_EQ(SendMessage(W, WM_USER, 50, 0), 50);
}

TEST_F(WindowLifecycleTest, ExceptionFromProcedureReachesDispatcherAndDesktopStaysUsable) {
  React(WM_USER, [](HWND, WPARAM, LPARAM) -> LRESULT { throw std::runtime_error("boom"); });
  HWND W = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 10, 10));
  EXPECT_THROW(SendMessage(W, WM_USER, 0, 0), std::runtime_error);
  PostMessage(W, WM_USER, 0, 0);
  MSG M;
  ASSERT_TRUE(PeekMessage(&M, nullptr, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_THROW(DispatchMessage(&M), std::runtime_error);
  EXPECT_TRUE(IsWindow(W));
  EXPECT_EQ(SendMessage(W, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_TRUE(DestroyWindow(W));
}

TEST_F(WindowLifecycleTest, PaintLeftOpenByAThrowingProcedureIsClosed) {
  React(WM_PAINT, [](HWND Wnd, WPARAM, LPARAM) -> LRESULT {
    PAINTSTRUCT Ps;
    BeginPaint(Wnd, &Ps);
    throw std::runtime_error("paint failed");
  });
  HWND W = Make(WS_POPUP | WS_VISIBLE, 0, Rect(0, 0, 10, 10));
  std::size_t Before = GdiTable().Count();
  EXPECT_THROW(UpdateWindow(W), std::runtime_error);
  EXPECT_EQ(GdiTable().Count(), Before) << "the paint DC is gone";
  PAINTSTRUCT Ps{};
  Reactions().clear();
  InvalidateRect(W, nullptr, FALSE);
  EXPECT_NE(BeginPaint(W, &Ps), nullptr) << "the window paints again";
  EndPaint(W, &Ps);
}

LRESULT SubclassProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_USER) return 77;
  auto Old = reinterpret_cast<WNDPROC>(GetWindowLong(Wnd, GWL_USERDATA));
  return CallWindowProc(Old, Wnd, Msg, W, L);
}

TEST_F(WindowLifecycleTest, SubclassingThroughUserDataAndRestoring) {
  React(WM_USER, [](HWND, WPARAM, LPARAM) -> LRESULT { return 5; });
  HWND W = Make(WS_POPUP, 0, Rect(0, 0, 10, 10));
  LONG_PTR Old = GetWindowLong(W, GWL_WNDPROC);
  EXPECT_EQ(Old, reinterpret_cast<LONG_PTR>(&RecordingProc));
  SetWindowLong(W, GWL_USERDATA, Old);
  EXPECT_EQ(SetWindowLong(W, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)), Old);
  EXPECT_EQ(GetWindowLong(W, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&SubclassProc));
  EXPECT_EQ(SendMessage(W, WM_USER, 0, 0), 77);
  Log().clear();
  EXPECT_EQ(SendMessage(W, WM_USER + 1, 3, 4), 0);
  ASSERT_EQ(Log().size(), 1u); // passed on to the old procedure
  SetWindowLong(W, GWL_WNDPROC, Old);
  SetWindowLong(W, GWL_USERDATA, 0);
  EXPECT_EQ(SendMessage(W, WM_USER, 0, 0), 5);
  EXPECT_EQ(SetWindowLong(W, GWL_WNDPROC, 0), 0); // a null procedure is refused
  EXPECT_EQ(GetWindowLong(W, GWL_WNDPROC), Old);
}

TEST_F(WindowLifecycleTest, StyleLongsKeepShowBitsAndTopMost) {
  HWND W = Make(WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, Rect(0, 0, 10, 10));
  SetWindowLong(W, GWL_STYLE, WS_POPUP);
  EXPECT_TRUE(GetWindowLong(W, GWL_STYLE) & WS_VISIBLE);
  SetWindowLong(W, GWL_EXSTYLE, WS_EX_LAYERED);
  EXPECT_EQ(DWORD(GetWindowLong(W, GWL_EXSTYLE)), WS_EX_LAYERED | WS_EX_TOPMOST);
  EXPECT_EQ(Count(W, WM_STYLECHANGED), 1) << "an unchanged style sends nothing";
}

TEST_F(WindowLifecycleTest, TextPropsAndExtraBytes) {
  HWND W = Make(WS_POPUP, 0, Rect(0, 0, 10, 10), nullptr, "Tavrel");
  char Buf[4];
  EXPECT_EQ(GetWindowText(W, Buf, sizeof Buf), 3);
  EXPECT_STREQ(Buf, "Tav");
  EXPECT_TRUE(SetWindowText(W, "640"));
  EXPECT_EQ(GetWindowTextLength(W), 3);
  int Value = 3;
  EXPECT_TRUE(SetProp(W, "Obj", &Value));
  EXPECT_EQ(GetProp(W, "Obj"), &Value);
  EXPECT_EQ(RemoveProp(W, "Obj"), &Value);
  EXPECT_EQ(GetProp(W, "Obj"), nullptr);
  EXPECT_EQ(GetWindowLong(W, 0), 0); // no extra bytes in this class
  EXPECT_EQ(SetWindowLong(W, 64, 1), 0);
}

} // namespace
