// With a compositing manager (xcompmgr): constant alpha is offered, and a
// translucent window really blends with what lies under it.
#include "X11Test.h"

#include <cstdlib>

using TX11Composited = TX11CompositedTest;

TEST_F(TX11Composited, ConstantAlphaIsOfferedAndApplied) {
  EXPECT_TRUE(Desk().SupportsConstantAlpha());
  EXPECT_NE(GetProcAddress(LoadLibrary("user32.dll"), "SetLayeredWindowAttributes"), nullptr);
  HWND W = MakeWindow(WS_EX_LAYERED, WS_POPUP, TRect{10, 10, 50, 50});
  ASSERT_TRUE(SetLayeredWindowAttributes(W, 0, 64, LWA_ALPHA));
  Settle();
  EXPECT_EQ(Longs(XOf(W), "_NET_WM_WINDOW_OPACITY"), std::vector<long>{long(64 * 0x01010101L)});
  ASSERT_TRUE(SetLayeredWindowAttributes(W, 0, 255, LWA_ALPHA));
  Settle();
  std::vector<long> Opaque = Longs(XOf(W), "_NET_WM_WINDOW_OPACITY");
  ASSERT_EQ(Opaque.size(), 1u);
  EXPECT_EQ(std::uint32_t(Opaque[0]), 0xFFFFFFFFu);
  SetWindowLong(W, GWL_EXSTYLE, 0);
  Settle();
  EXPECT_TRUE(Longs(XOf(W), "_NET_WM_WINDOW_OPACITY").empty());
}

TEST_F(TX11Composited, BlackAtAlpha64OverWhiteIsGrey191) {
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(700, 700) == 0xFFFFFF; }));
  HWND W = MakeWindow(WS_EX_LAYERED | WS_EX_TOPMOST, WS_POPUP, TRect{600, 600, 800, 800}, nullptr,
                      RGB(0, 0, 0));
  ASSERT_TRUE(SetLayeredWindowAttributes(W, 0, 64, LWA_ALPHA));
  ShowWindow(W, SW_SHOWNA);
  std::uint32_t P = 0;
  // The compositor paints in its own time, which under a loaded machine
  // has been seen to take longer than the usual three seconds.
  EXPECT_TRUE(PumpUntil(
      [&] {
        P = ScreenPixel(700, 700);
        int R = int(P >> 16), G = int((P >> 8) & 0xFF), B = int(P & 0xFF);
        return std::abs(R - 191) <= 1 && std::abs(G - 191) <= 1 && std::abs(B - 191) <= 1;
      },
      10000))
      << std::hex << P;
}
