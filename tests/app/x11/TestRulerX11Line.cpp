// The line's pixels over the white backdrop: translucent under a
// compositing manager (alpha 64 of black over white is 191 grey), and
// plain black on a server where nothing blends windows.
#include "RulerX11Test.h"

#include <utility>

using TRulerX11Line = TRulerX11Test;

TEST_F(TRulerX11Line, TranslucentGreyWithACompositor) {
  ASSERT_TRUE(StartRuler());
  EXPECT_EQ(Longs(Line(), "_NET_WM_WINDOW_OPACITY"), std::vector<long>{64L * 0x01010101L});
  EXPECT_EQ(Longs(Logo(), "_NET_WM_WINDOW_OPACITY"), std::vector<long>{100L * 0x01010101L});
  std::uint32_t Seen = 0;
  // Down to the bottom edge, over the panel too (0x40 grey there).
  for (auto [Y, Rgb] :
       {std::pair{0, 0xBFBFBFu}, {500, 0xBFBFBFu}, {993, 0xBFBFBFu}, {1023, 0x303030u}}) {
    SCOPED_TRACE(Y);
    EXPECT_TRUE(PixelSettles(640, Y, Rgb, Seen)) << std::hex << Seen;
  }
  // One pixel wide: its neighbours are the backdrop's.
  EXPECT_TRUE(PixelSettles(639, 500, 0xFFFFFF, Seen)) << std::hex << Seen;
  EXPECT_TRUE(PixelSettles(641, 500, 0xFFFFFF, Seen)) << std::hex << Seen;
}

TEST_F(TRulerX11Line, OpaqueBlackWithoutACompositor) {
  Server().StopCompositor();
  ASSERT_FALSE(Server().CompositorRunning());
  ASSERT_TRUE(StartRuler());
  std::uint32_t Seen = 0;
  EXPECT_TRUE(PixelSettles(640, 500, 0x000000, Seen)) << std::hex << Seen;
  EXPECT_TRUE(PixelSettles(641, 500, 0xFFFFFF, Seen)) << std::hex << Seen;
}

// A compositor going and coming back while the program runs: the alpha
// stays on the window, and whoever composites applies it. One that first
// comes after the start finds an opaque program, which stays so: whether
// windows can be translucent is settled when the program starts.
TEST_F(TRulerX11Line, CompositorStoppingAndStartingWhileRunning) {
  ASSERT_TRUE(StartRuler());
  std::uint32_t Seen = 0;
  EXPECT_TRUE(PixelSettles(640, 500, 0xBFBFBF, Seen)) << std::hex << Seen;
  Server().StopCompositor();
  EXPECT_TRUE(PixelSettles(640, 500, 0x000000, Seen)) << std::hex << Seen;
  std::string Error;
  ASSERT_TRUE(Server().StartCompositor(Error)) << Error;
  EXPECT_TRUE(PixelSettles(640, 500, 0xBFBFBF, Seen)) << std::hex << Seen;
  EXPECT_EQ(WaitForExit(100), -2) << "still running";
}

TEST_F(TRulerX11Line, CompositorArrivingAfterTheStartFindsItOpaque) {
  Server().StopCompositor();
  ASSERT_TRUE(StartRuler());
  std::uint32_t Seen = 0;
  EXPECT_TRUE(PixelSettles(640, 500, 0x000000, Seen)) << std::hex << Seen;
  std::string Error;
  ASSERT_TRUE(Server().StartCompositor(Error)) << Error;
  EXPECT_TRUE(PixelSettles(641, 500, 0xFFFFFF, Seen)) << std::hex << Seen;
  EXPECT_TRUE(PixelSettles(640, 500, 0x000000, Seen)) << std::hex << Seen;
  EXPECT_EQ(WaitForExit(100), -2) << "still running";
  EXPECT_TRUE(Viewable(Control()));
}
