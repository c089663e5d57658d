// Hit testing of every frame part. The window lies at (100, 80)-(300, 230);
// with a sizing frame its caption bar spans y 84..101, the separating line
// is y 102 and the buttons (16 x 14) stand at y 86..99: close at x
// 278..293, maximise 260..275, minimise 244..259.
#include "NcTestSupport.h"
#include "platform/user/WindowManager.h"

using namespace nctest;

namespace {

struct THitCase {
  int X;
  int Y;
  LRESULT Hit;
};

LRESULT HitAt(HWND Wnd, int X, int Y) {
  return SendMessage(Wnd, WM_NCHITTEST, 0, MAKELPARAM(X, Y));
}

void ExpectHits(HWND Wnd, std::initializer_list<THitCase> Cases) {
  for (const THitCase& C : Cases)
    EXPECT_EQ(HitAt(Wnd, C.X, C.Y), C.Hit) << "at (" << C.X << ", " << C.Y << ")";
}

constexpr DWORD kSizeable =
    WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

TEST_F(TFrameTest, SizeableWindowParts) {
  HWND Wnd = Make(kSizeable);
  ExpectHits(Wnd, {
                      {50, 50, HTNOWHERE},       {300, 150, HTNOWHERE},  {200, 150, HTCLIENT},
                      {104, 103, HTCLIENT},      {150, 90, HTCAPTION},   {150, 102, HTCAPTION},
                      {285, 92, HTCLOSE},        {278, 86, HTCLOSE},     {293, 99, HTCLOSE},
                      {294, 92, HTCAPTION},      {277, 92, HTCAPTION},   {268, 92, HTMAXBUTTON},
                      {259, 92, HTMINBUTTON},    {244, 92, HTMINBUTTON}, {243, 92, HTCAPTION},
                      {285, 85, HTCAPTION},      {285, 100, HTCAPTION},  {101, 150, HTLEFT},
                      {298, 150, HTRIGHT},       {200, 81, HTTOP},       {200, 228, HTBOTTOM},
                      {100, 80, HTTOPLEFT},      {299, 80, HTTOPRIGHT},  {100, 229, HTBOTTOMLEFT},
                      {299, 229, HTBOTTOMRIGHT}, {101, 95, HTTOPLEFT},   {101, 110, HTLEFT},
                      {110, 81, HTTOPLEFT},      {130, 81, HTTOP},       {290, 228, HTBOTTOMRIGHT},
                  });
  EXPECT_EQ(NcHitTest(Wnd, TPoint{285, 92}), HTCLOSE);
}

TEST_F(TFrameTest, FixedFramesAreBorders) {
  HWND Wnd = Make(WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME);
  ExpectHits(Wnd, {{100, 150, HTBORDER},
                   {102, 150, HTBORDER},
                   {200, 229, HTBORDER},
                   {150, 90, HTCAPTION},
                   {103, 102, HTCLIENT},
                   {286, 92, HTCLOSE}});
  HWND Thin = Make(WS_POPUP | WS_BORDER, 0, TRect{400, 80, 500, 180});
  ExpectHits(Thin, {{400, 80, HTBORDER}, {401, 81, HTCLIENT}, {499, 179, HTBORDER}});
}

TEST_F(TFrameTest, ButtonsDependOnTheStyles) {
  // A tool window's close box is small; minimise and maximise never show.
  HWND Tool = Make(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW);
  ExpectHits(Tool, {{294, 90, HTCLOSE},
                    {285, 90, HTCLOSE},
                    {284, 90, HTCAPTION},
                    {270, 90, HTCAPTION},
                    {292, 96, HTCAPTION}});
  // No system menu, no buttons.
  HWND Bare = Make(WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  ExpectHits(Bare, {{286, 92, HTCAPTION}, {250, 92, HTCAPTION}});
  // Context help stands beside the close box when there is no min/max pair.
  HWND Help = Make(WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP);
  ExpectHits(Help, {{286, 92, HTCLOSE}, {268, 92, HTHELP}, {250, 92, HTCAPTION}});
  HWND Both = Make(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_CONTEXTHELP);
  ExpectHits(Both, {{268, 92, HTMAXBUTTON}, {250, 92, HTMINBUTTON}});
}

TEST_F(TFrameTest, PlainPopupsAreAllClient) {
  HWND Wnd = Make(WS_POPUP);
  ExpectHits(Wnd, {{100, 80, HTCLIENT}, {299, 229, HTCLIENT}, {300, 230, HTNOWHERE}});
}

TEST_F(TFrameTest, MaximisedWindowsCannotBeSizedByTheirFrame) {
  HWND Wnd = Show(kSizeable);
  ShowWindow(Wnd, SW_MAXIMIZE);
  Desk->PumpUntilIdle();
  ASSERT_TRUE(IsZoomed(Wnd));
  TRect R = WindowRect(Wnd);
  EXPECT_EQ(HitAt(Wnd, R.Left + 1, (R.Top + R.Bottom) / 2), HTBORDER);
}

TEST_F(TFrameTest, WindowRegionLimitsTheHit) {
  HWND Wnd = Make(kSizeable);
  ASSERT_NE(SetWindowRgn(Wnd, CreateRectRgn(0, 0, 100, 100), FALSE), 0);
  EXPECT_EQ(HitAt(Wnd, 150, 90), HTCAPTION);
  EXPECT_EQ(HitAt(Wnd, 285, 92), HTNOWHERE);
  EXPECT_EQ(HitAt(Wnd, 150, 200), HTNOWHERE);
}

TEST_F(TFrameTest, BadHandlesHitNothing) {
  EXPECT_EQ(NcHitTest(nullptr, TPoint{0, 0}), HTNOWHERE);
  HWND Wnd = Make(kSizeable);
  DestroyWindow(Wnd);
  EXPECT_EQ(NcHitTest(Wnd, TPoint{150, 90}), HTNOWHERE);
}

} // namespace
