// Two monitors (RandR 1.5 monitors set with xrandr): the screen is the
// primary one, the virtual screen the whole root.
#include "X11Test.h"

using TX11Monitors = TX11Test;

TEST_F(TX11Monitors, PrimaryMonitorIsTheScreen) {
  ASSERT_EQ(Server().Run({"xrandr", "--setmonitor", "LEFT", "640/169x1024/271+0+0", "none"}), 0);
  ASSERT_EQ(Server().Run({"xrandr", "--setmonitor", "*RIGHT", "640/169x1024/271+640+0", "none"}),
            0);
  EXPECT_EQ(Desk().ScreenRect(), (TRect{640, 0, 1280, 1024}));
  EXPECT_EQ(Desk().VirtualScreen(), (TRect{0, 0, 1280, 1024}));
  EXPECT_EQ(Desk().WorkArea(), (TRect{640, 0, 1280, 1024}));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1280);
  ASSERT_EQ(Server().Run({"xrandr", "--delmonitor", "RIGHT"}), 0);
  // Without a primary one, the first monitor.
  EXPECT_EQ(Desk().ScreenRect(), (TRect{0, 0, 640, 1024}));
  ASSERT_EQ(Server().Run({"xrandr", "--delmonitor", "LEFT"}), 0);
  EXPECT_EQ(Desk().ScreenRect(), (TRect{0, 0, 1280, 1024}));
}
