// The painted frame, read off the headless screen: the 3-D edges and face
// of fixed and sizing frames, the single border, the client edge, the
// caption bar in the active or inactive colour and its text.
#include "NcTestSupport.h"
#include "platform/user/WindowManager.h"

using namespace nctest;

namespace {

struct TPixelCase {
  int X;
  int Y;
  int Color; // COLOR_* index
};

void ExpectPixels(THeadlessDesktop* Desk, std::initializer_list<TPixelCase> Cases) {
  for (const TPixelCase& C : Cases)
    EXPECT_EQ(Desk->ScreenPixel(C.X, C.Y), SysRgb(C.Color)) << "at (" << C.X << ", " << C.Y << ")";
}

// Whether any pixel of R (screen) has the colour.
bool AnyPixel(THeadlessDesktop* Desk, const TRect& R, std::uint32_t Rgb) {
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X)
      if (Desk->ScreenPixel(X, Y) == Rgb) return true;
  return false;
}

TEST_F(TFrameTest, FixedFrameEdgesFaceAndCaption) {
  HWND Wnd = Show(WS_CAPTION | WS_SYSMENU);
  ASSERT_EQ(GetActiveWindow(), Wnd);
  ExpectPixels(Desk, {
                         {100, 150, COLOR_3DLIGHT},      // outer raised line
                         {101, 150, COLOR_BTNHIGHLIGHT}, // inner raised line
                         {102, 150, COLOR_BTNFACE},      // the rest of the frame
                         {299, 150, COLOR_3DDKSHADOW},   // outer, bottom-right side
                         {298, 150, COLOR_BTNSHADOW},    // inner, bottom-right side
                         {200, 229, COLOR_3DDKSHADOW},
                         {150, 83, COLOR_ACTIVECAPTION},  // first bar row
                         {150, 100, COLOR_ACTIVECAPTION}, // last bar row
                         {150, 101, COLOR_BTNFACE},       // the line under the caption
                         {150, 102, COLOR_WINDOW},        // client area
                     });
}

TEST_F(TFrameTest, SizingFrameIsFourPixels) {
  Show(WS_CAPTION | WS_THICKFRAME);
  ExpectPixels(Desk, {{100, 150, COLOR_3DLIGHT},
                      {102, 150, COLOR_BTNFACE},
                      {103, 150, COLOR_BTNFACE},
                      {104, 150, COLOR_WINDOW},
                      {150, 84, COLOR_ACTIVECAPTION},
                      {150, 102, COLOR_BTNFACE}});
}

TEST_F(TFrameTest, BorderAndClientEdge) {
  Show(WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE);
  ExpectPixels(Desk, {{100, 150, COLOR_WINDOWFRAME},
                      {150, 80, COLOR_WINDOWFRAME},
                      {101, 150, COLOR_BTNSHADOW},  // sunken edge, outer line
                      {102, 150, COLOR_3DDKSHADOW}, // sunken edge, inner line
                      {297, 150, COLOR_3DLIGHT},
                      {298, 150, COLOR_BTNHIGHLIGHT},
                      {103, 150, COLOR_WINDOW}});
}

TEST_F(TFrameTest, CaptionFollowsActivation) {
  HWND First = Show(WS_CAPTION | WS_SYSMENU);
  HWND Second = Show(WS_CAPTION | WS_SYSMENU, 0, TRect{400, 80, 600, 230});
  ASSERT_EQ(GetActiveWindow(), Second);
  EXPECT_EQ(Desk->ScreenPixel(150, 90), SysRgb(COLOR_INACTIVECAPTION));
  EXPECT_EQ(Desk->ScreenPixel(450, 90), SysRgb(COLOR_ACTIVECAPTION));
  SetActiveWindow(First);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(150, 90), SysRgb(COLOR_ACTIVECAPTION));
  EXPECT_EQ(Desk->ScreenPixel(450, 90), SysRgb(COLOR_INACTIVECAPTION));
}

TEST_F(TFrameTest, ChildCaptionShowsItsRootsActivation) {
  HWND Parent = Show(WS_POPUP, 0, TRect{50, 50, 450, 350});
  HWND Child = Make(WS_CHILD | WS_VISIBLE | WS_CAPTION, 0, TRect{10, 10, 210, 110}, "", Parent);
  Desk->PumpUntilIdle();
  ASSERT_NE(Child, nullptr);
  EXPECT_EQ(Desk->ScreenPixel(100, 66), SysRgb(COLOR_ACTIVECAPTION));
  Show(WS_POPUP, 0, TRect{600, 50, 700, 150});
  EXPECT_EQ(Desk->ScreenPixel(100, 66), SysRgb(COLOR_INACTIVECAPTION));
}

TEST_F(TFrameTest, ToolWindowCaptionIsSmall) {
  Show(WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW);
  ExpectPixels(Desk, {{150, 97, COLOR_ACTIVECAPTION}, {150, 98, COLOR_BTNFACE}});
}

TEST_F(TFrameTest, CaptionTextIsDrawnAndStopsBeforeTheButtons) {
  const TRect Text{103, 83, 240, 101};
  HWND Plain = Show(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_FALSE(AnyPixel(Desk, Text, SysRgb(COLOR_CAPTIONTEXT)));
  const TRect Buttons{242, 83, 297, 101};
  std::vector<std::uint32_t> Bare = Pixels(Desk, Buttons);
  DestroyWindow(Plain);

  std::string Long(200, 'W');
  HWND Titled =
      Show(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, TRect{100, 80, 300, 230}, Long.c_str());
  EXPECT_TRUE(AnyPixel(Desk, Text, SysRgb(COLOR_CAPTIONTEXT)));
  EXPECT_EQ(Pixels(Desk, Buttons), Bare);

  Show(WS_POPUP, 0, TRect{600, 50, 700, 150});
  ASSERT_NE(GetActiveWindow(), Titled);
  EXPECT_FALSE(AnyPixel(Desk, Text, SysRgb(COLOR_CAPTIONTEXT)));
  EXPECT_TRUE(AnyPixel(Desk, Text, SysRgb(COLOR_INACTIVECAPTIONTEXT)));
}

TEST_F(TFrameTest, PopupWithoutFrameKeepsItsClientPixels) {
  Show(WS_POPUP);
  EXPECT_EQ(Desk->ScreenPixel(100, 80), SysRgb(COLOR_WINDOW));
  EXPECT_EQ(Desk->ScreenPixel(299, 229), SysRgb(COLOR_WINDOW));
}

TEST_F(TFrameTest, PaintingBadHandlesLeavesTheScreen) {
  Show(WS_POPUP, 0, TRect{0, 0, 50, 50});
  HWND Gone = Make(WS_CAPTION);
  DestroyWindow(Gone);
  NcPaint(nullptr);
  NcPaint(Gone);
  EXPECT_EQ(Desk->ScreenPixel(0, 0), SysRgb(COLOR_WINDOW));
}

} // namespace
