// Two monitors (RandR 1.5 monitors set with xrandr): the screen is the
// primary one and starts at (0,0) wherever it lies on the root; the
// virtual screen is the whole root around it.
#include "X11Test.h"

using TX11Monitors = TX11Test;

TEST_F(TX11Monitors, PrimaryMonitorIsTheScreen) {
  const struct {
    const char* What;
    const char* Left; // names as xrandr takes them, '*' marks the primary
    const char* Right;
    TRect Virtual;
  } Cases[] = {{"primary right", "LEFT", "*RIGHT", {-640, 0, 640, 1024}},
               {"primary left", "*LEFT", "RIGHT", {0, 0, 1280, 1024}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.What);
    // The server takes no second monitor of a name.
    Server().Run({"xrandr", "--delmonitor", "LEFT"});
    Server().Run({"xrandr", "--delmonitor", "RIGHT"});
    ASSERT_EQ(Server().Run({"xrandr", "--setmonitor", C.Left, "640/169x1024/271+0+0", "none"}), 0);
    ASSERT_EQ(Server().Run({"xrandr", "--setmonitor", C.Right, "640/169x1024/271+640+0", "none"}),
              0);
    EXPECT_TRUE(WaitUntil(
        [&] {
          return Desk().ScreenRect() == TRect{0, 0, 640, 1024} &&
                 Desk().VirtualScreen() == C.Virtual;
        },
        2000));
    EXPECT_EQ(Desk().WorkArea(), (TRect{0, 0, 640, 1024}));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), C.Virtual.Left);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1280);
  }
  ASSERT_EQ(Server().Run({"xrandr", "--delmonitor", "LEFT"}), 0);
  // Without a primary one, the first monitor.
  EXPECT_TRUE(WaitUntil([&] { return Desk().VirtualScreen() == TRect{-640, 0, 640, 1024}; }, 2000));
  EXPECT_EQ(Desk().ScreenRect(), (TRect{0, 0, 640, 1024}));
  ASSERT_EQ(Server().Run({"xrandr", "--delmonitor", "RIGHT"}), 0);
  EXPECT_TRUE(WaitUntil([&] { return Desk().ScreenRect() == TRect{0, 0, 1280, 1024}; }, 2000));
  EXPECT_EQ(Desk().VirtualScreen(), (TRect{0, 0, 1280, 1024}));
}
