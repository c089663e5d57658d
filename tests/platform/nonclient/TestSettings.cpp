// Metrics and settings: every fixed metric, the screen-dependent ones after
// a screen change, the non-client metrics record, the work area and the
// menu-animation switch with its broadcast.
#include "NcTestSupport.h"

#include <cstring>

using namespace nctest;

namespace {

struct TMetricCase {
  int Index;
  int Value;
};

TEST_F(TFrameTest, FixedMetrics) {
  const TMetricCase Cases[] = {
      {SM_CXBORDER, 1},
      {SM_CYBORDER, 1},
      {SM_CXFIXEDFRAME, 3},
      {SM_CYFIXEDFRAME, 3},
      {SM_CXDLGFRAME, 3},
      {SM_CXSIZEFRAME, 4},
      {SM_CYSIZEFRAME, 4},
      {SM_CXFRAME, 4},
      {SM_CYCAPTION, 19},
      {SM_CYSMCAPTION, 16},
      {SM_CXSIZE, 18},
      {SM_CYSIZE, 18},
      {SM_CXSMSIZE, 12},
      {SM_CYSMSIZE, 15},
      {SM_CXVSCROLL, 16},
      {SM_CYHSCROLL, 16},
      {SM_CYVSCROLL, 16},
      {SM_CXHSCROLL, 16},
      {SM_CYVTHUMB, 16},
      {SM_CXHTHUMB, 16},
      {SM_CYMENU, 19},
      {SM_CXMENUSIZE, 18},
      {SM_CYMENUSIZE, 18},
      {SM_CXMENUCHECK, 13},
      {SM_CYMENUCHECK, 13},
      {SM_CXMINIMIZED, 160},
      {SM_CYMINIMIZED, 24},
      {SM_CXICON, 32},
      {SM_CYICON, 32},
      {SM_CXSMICON, 16},
      {SM_CYSMICON, 16},
      {SM_CXCURSOR, 32},
      {SM_CYCURSOR, 32},
      {SM_CXDOUBLECLK, 4},
      {SM_CYDOUBLECLK, 4},
      {SM_CXMIN, 112},
      {SM_CYMIN, 27},
      {SM_CMONITORS, 1},
      {SM_MOUSEPRESENT, 1},
      {SM_CMOUSEBUTTONS, 3},
      {SM_SWAPBUTTON, 0},
      {-1, 0},
      {18, 0},
      {9999, 0},
  };
  for (const TMetricCase& C : Cases)
    EXPECT_EQ(GetSystemMetrics(C.Index), C.Value) << "index " << C.Index;
}

TEST_F(TFrameTest, ScreenMetricsFollowTheDesktop) {
  Desk->SetScreen(1024, 768, 728);
  const TMetricCase Cases[] = {
      {SM_CXSCREEN, 1024},         {SM_CYSCREEN, 768},     {SM_CXFULLSCREEN, 1024},
      {SM_CYFULLSCREEN, 728 - 19}, {SM_CXMAXIMIZED, 1032}, {SM_CYMAXIMIZED, 736},
      {SM_XVIRTUALSCREEN, 0},      {SM_YVIRTUALSCREEN, 0}, {SM_CXVIRTUALSCREEN, 1024},
      {SM_CYVIRTUALSCREEN, 768},
  };
  for (const TMetricCase& C : Cases)
    EXPECT_EQ(GetSystemMetrics(C.Index), C.Value) << "index " << C.Index;
  RECT Work{};
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0));
  EXPECT_EQ(Work, (TRect{0, 0, 1024, 728}));
  EXPECT_FALSE(SystemParametersInfo(SPI_GETWORKAREA, 0, nullptr, 0));
}

TEST_F(TFrameTest, NonClientMetricsRecord) {
  static_assert(sizeof(NONCLIENTMETRICS) == 340);
  NONCLIENTMETRICS M{};
  M.cbSize = sizeof M;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &M, 0));
  EXPECT_EQ(M.iBorderWidth, 1);
  EXPECT_EQ(M.iScrollWidth, 16);
  EXPECT_EQ(M.iScrollHeight, 16);
  EXPECT_EQ(M.iCaptionWidth, 18);
  EXPECT_EQ(M.iCaptionHeight, 18);
  EXPECT_EQ(M.iSmCaptionWidth, 15);
  EXPECT_EQ(M.iSmCaptionHeight, GetSystemMetrics(SM_CYSMCAPTION) - 1);
  EXPECT_EQ(M.iMenuWidth, 18);
  EXPECT_EQ(M.iMenuHeight, 18);
  const LOGFONTA* Fonts[] = {&M.lfCaptionFont, &M.lfSmCaptionFont, &M.lfMenuFont, &M.lfStatusFont,
                             &M.lfMessageFont};
  for (const LOGFONTA* F : Fonts) {
    EXPECT_STREQ(F->lfFaceName, "Tahoma");
    EXPECT_EQ(F->lfHeight, -11);
    EXPECT_EQ(F->lfWeight, F == &M.lfCaptionFont || F == &M.lfSmCaptionFont ? 700 : 400);
    HFONT Font = CreateFontIndirect(F);
    EXPECT_NE(Font, nullptr);
    DeleteObject(Font);
  }
}

TEST_F(TFrameTest, NonClientMetricsNeedsTheExactSize) {
  for (UINT Size : {0u, 339u, 341u, 500u}) {
    NONCLIENTMETRICS M{};
    M.cbSize = Size;
    EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof M, &M, 0)) << Size;
    EXPECT_EQ(M.iBorderWidth, 0);
  }
  EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 340, nullptr, 0));
}

TEST_F(TFrameTest, MenuAnimationRoundTrip) {
  for (BOOL On : {TRUE, FALSE, TRUE}) {
    ASSERT_TRUE(SystemParametersInfo(SPI_SETMENUANIMATION, 0,
                                     reinterpret_cast<void*>(std::intptr_t(On)), 0));
    BOOL Read = 2;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETMENUANIMATION, 0, &Read, 0));
    EXPECT_EQ(Read, On);
    EXPECT_EQ(Backend().MenuAnimation(), On == TRUE);
  }
  EXPECT_FALSE(SystemParametersInfo(SPI_GETMENUANIMATION, 0, nullptr, 0));
}

TEST_F(TFrameTest, SendChangeBroadcastsToEveryTopLevelWindow) {
  HWND Shown = Show(WS_POPUP);
  HWND Hidden = Make(WS_CAPTION);
  HWND Child = Make(WS_CHILD | WS_VISIBLE, 0, TRect{0, 0, 10, 10}, "", Shown);
  ASSERT_TRUE(SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, SPIF_UPDATEINIFILE));
  EXPECT_EQ(Count(Shown, WM_SETTINGCHANGE), 0);
  ASSERT_TRUE(SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, SPIF_SENDCHANGE));
  for (HWND Wnd : {Shown, Hidden}) {
    EXPECT_EQ(Count(Wnd, WM_SETTINGCHANGE), 1);
    auto It = std::find_if(Log().begin(), Log().end(), [Wnd](const TLogged& L) {
      return L.Wnd == Wnd && L.Msg == WM_SETTINGCHANGE;
    });
    ASSERT_NE(It, Log().end());
    EXPECT_EQ(It->WParam, SPI_SETMENUANIMATION);
  }
  EXPECT_EQ(Count(Child, WM_SETTINGCHANGE), 0);
}

TEST_F(TFrameTest, ReceiverMayDestroyOthersDuringTheBroadcast) {
  HWND First = Show(WS_POPUP);
  HWND Second = Show(WS_POPUP, 0, TRect{400, 80, 500, 180});
  Hook() = [&](HWND Wnd, UINT Msg, WPARAM, LPARAM, LRESULT&) {
    if (Msg == WM_SETTINGCHANGE) DestroyWindow(Wnd == First ? Second : First);
    return false;
  };
  ASSERT_TRUE(SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, SPIF_SENDCHANGE));
  EXPECT_EQ(Count(First, WM_SETTINGCHANGE) + Count(Second, WM_SETTINGCHANGE), 1);
}

TEST_F(TFrameTest, UnsupportedActionsFail) {
  RECT R{0, 0, 10, 10};
  EXPECT_FALSE(SystemParametersInfo(SPI_SETWORKAREA, 0, &R, 0));
  NONCLIENTMETRICS M{};
  M.cbSize = sizeof M;
  EXPECT_FALSE(SystemParametersInfo(SPI_SETNONCLIENTMETRICS, sizeof M, &M, 0));
  EXPECT_FALSE(SystemParametersInfo(0xFFFF, 0, &R, 0));
}

} // namespace
