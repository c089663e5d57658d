// Frame thickness per border style, read back from real windows: the
// window keeps the rectangle it was created with and its client area is
// that rectangle less the frame, and AdjustWindowRectEx gives the way back.
#include "NcTestSupport.h"
#include "platform/user/WindowManager.h"

using namespace nctest;

namespace {

struct TInsetCase {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
  TRect Insets;
};

constexpr DWORD kSys = WS_SYSMENU;

// The styles forms are created with, and the combinations around them.
const TInsetCase kCases[] = {
    {"bsNone", WS_POPUP, 0, {0, 0, 0, 0}},
    {"bsSingle", WS_CAPTION | kSys | WS_MINIMIZEBOX, 0, {3, 22, 3, 3}},
    {"bsSizeable", WS_CAPTION | WS_THICKFRAME | kSys | WS_MAXIMIZEBOX, 0, {4, 23, 4, 4}},
    {"bsDialog",
     WS_POPUP | WS_CAPTION | kSys,
     WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE,
     {3, 22, 3, 3}},
    {"bsToolWindow", WS_CAPTION | kSys, WS_EX_TOOLWINDOW, {3, 19, 3, 3}},
    {"bsSizeToolWin", WS_CAPTION | WS_THICKFRAME | kSys, WS_EX_TOOLWINDOW, {4, 20, 4, 4}},
    {"popupBorder", WS_POPUP | WS_BORDER, 0, {1, 1, 1, 1}},
    {"popupDlgFrame", WS_POPUP | WS_DLGFRAME, 0, {3, 3, 3, 3}},
    {"modalFrameNoCaption", WS_POPUP, WS_EX_DLGMODALFRAME, {3, 3, 3, 3}},
    {"clientEdge", WS_POPUP, WS_EX_CLIENTEDGE, {2, 2, 2, 2}},
    {"sizeableClientEdge", WS_CAPTION | WS_THICKFRAME, WS_EX_CLIENTEDGE, {6, 25, 6, 6}},
    {"thickWithoutCaption", WS_POPUP | WS_THICKFRAME, 0, {4, 4, 4, 4}},
};

class TFrameInsets : public TFrameTest, public ::testing::WithParamInterface<TInsetCase> {};

TEST_P(TFrameInsets, ClientAreaIsWindowLessFrame) {
  const TInsetCase& C = GetParam();
  const TRect Outer{100, 80, 300, 230};
  HWND Wnd = Make(C.Style, C.ExStyle, Outer);
  ASSERT_NE(Wnd, nullptr);
  EXPECT_EQ(WindowRect(Wnd), Outer);
  TRect Inner{Outer.Left + C.Insets.Left, Outer.Top + C.Insets.Top, Outer.Right - C.Insets.Right,
              Outer.Bottom - C.Insets.Bottom};
  EXPECT_EQ(ClientRect(Wnd), Inner);
  EXPECT_EQ(NcFrameInsets(C.Style, C.ExStyle), C.Insets);

  TRect Adjusted = Inner;
  ASSERT_TRUE(AdjustWindowRectEx(&Adjusted, C.Style, FALSE, C.ExStyle));
  EXPECT_EQ(Adjusted, Outer);
}

INSTANTIATE_TEST_SUITE_P(BorderStyles, TFrameInsets, ::testing::ValuesIn(kCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(TFrameTest, ChildWindowsFollowTheSameRules) {
  HWND Parent = Make(WS_POPUP, 0, TRect{50, 50, 350, 350});
  HWND Child = Make(WS_CHILD | WS_BORDER, 0, TRect{10, 10, 110, 60}, "", Parent);
  ASSERT_NE(Child, nullptr);
  EXPECT_EQ(WindowRect(Child), (TRect{60, 60, 160, 110}));
  EXPECT_EQ(ClientRect(Child), (TRect{61, 61, 159, 109}));
  HWND Edged = Make(WS_CHILD, WS_EX_CLIENTEDGE, TRect{0, 100, 50, 150}, "", Parent);
  EXPECT_EQ(ClientRect(Edged), (TRect{52, 152, 98, 198}));
}

TEST_F(TFrameTest, AdjustWindowRectAddsTheMenuBarAndRejectsNull) {
  TRect R{10, 40, 110, 140};
  ASSERT_TRUE(AdjustWindowRectEx(&R, WS_CAPTION, TRUE, 0));
  EXPECT_EQ(R, (TRect{7, 40 - 22 - GetSystemMetrics(SM_CYMENU), 113, 143}));
  EXPECT_FALSE(AdjustWindowRectEx(nullptr, WS_CAPTION, FALSE, 0));
}

TEST_F(TFrameTest, StyleChangeMovesTheClientArea) {
  HWND Wnd = Make(WS_POPUP, 0, TRect{100, 80, 300, 230});
  EXPECT_EQ(ClientRect(Wnd), (TRect{100, 80, 300, 230}));
  SetWindowLong(Wnd, GWL_STYLE, WS_POPUP | WS_CAPTION);
  SetWindowPos(Wnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientRect(Wnd), (TRect{103, 102, 297, 227}));
}

} // namespace
