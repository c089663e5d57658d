// The desktop keeps its screen, monitor and work-area answers and reads
// them again only when the server tells of a change: asking costs no
// request, and a change another client makes shows without the program
// dispatching a single message.
#include "X11Test.h"

#include <X11/Xatom.h>

namespace {

using TX11MetricsCache = TX11Test;

TEST_F(TX11MetricsCache, AskingAgainSendsNoRequest) {
  Desk().WorkArea();
  unsigned long Before = NextRequest(Desk().Dpy());
  TRect Work;
  for (int I = 0; I < 50; ++I) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 1024);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0));
  }
  EXPECT_EQ(Work, (TRect{0, 0, 1280, 1024}));
  EXPECT_EQ(NextRequest(Desk().Dpy()), Before);
}

TEST_F(TX11MetricsCache, OutsideWorkAreaChangeShowsWithoutDispatching) {
  ASSERT_EQ(Desk().WorkArea(), (TRect{0, 0, 1280, 1024}));
  const struct {
    const char* What;
    std::vector<long> Items;
    TRect Want;
  } Cases[] = {{"a panel below", {0, 0, 1280, 994}, {0, 0, 1280, 994}},
               {"a panel left, two desktops", {48, 0, 1232, 1024, 0, 0, 1, 1}, {48, 0, 1280, 1024}},
               {"outside the screen", {2000, 0, 100, 100}, {0, 0, 1280, 1024}},
               {"too short", {0, 0, 640}, {0, 0, 1280, 1024}},
               {"gone", {}, {0, 0, 1280, 1024}}};
  TRect Last = Desk().WorkArea();
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.What);
    XSetWorkArea(Viewer(), C.Items);
    // The property event may trail the test's own reply by a moment; the
    // program's messages are never dispatched meanwhile.
    if (C.Want != Last) {
      EXPECT_TRUE(WaitUntil([&] { return Desk().WorkArea() == C.Want; }, 2000));
    }
    EXPECT_EQ(Desk().WorkArea(), C.Want);
    Last = C.Want;
  }
}

TEST_F(TX11MetricsCache, MonitorChangeShowsWithoutDispatching) {
  ASSERT_EQ(Desk().ScreenRect(), (TRect{0, 0, 1280, 1024}));
  ASSERT_EQ(Server().Run({"xrandr", "--setmonitor", "*HALF", "640/169x1024/271+640+0", "none"}), 0);
  // The screen starts at the primary monitor, the root's left half lies left of it.
  EXPECT_TRUE(WaitUntil([&] { return Desk().ScreenRect() == TRect{0, 0, 640, 1024}; }, 2000));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(Desk().WorkArea(), (TRect{0, 0, 640, 1024}));
  EXPECT_EQ(Desk().VirtualScreen(), (TRect{-640, 0, 640, 1024}));
  ASSERT_EQ(Server().Run({"xrandr", "--delmonitor", "HALF"}), 0);
  EXPECT_TRUE(WaitUntil([&] { return Desk().ScreenRect() == TRect{0, 0, 1280, 1024}; }, 2000));
  EXPECT_EQ(Desk().WorkArea(), (TRect{0, 0, 1280, 1024}));
}

} // namespace
