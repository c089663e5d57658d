// Opening the X11 desktop and what it measures, on a server without a
// window manager or compositor.
#include "X11Test.h"

#include "platform/x11/X11Desktop.h"

#include <cstdlib>

using TX11Desktop = TX11Test;

TEST(X11Open, NoDisplayGivesAOneLineReason) {
  std::string Error;
  const char* Was = std::getenv("DISPLAY");
  std::string Saved = Was ? Was : "";
  unsetenv("DISPLAY");
  EXPECT_EQ(OpenX11Desktop(nullptr, Error), nullptr);
  EXPECT_EQ(Error, "DISPLAY is not set");
  setenv("DISPLAY", "", 1);
  EXPECT_EQ(OpenX11Desktop(nullptr, Error), nullptr);
  EXPECT_EQ(Error, "DISPLAY is not set");
  if (Was)
    setenv("DISPLAY", Saved.c_str(), 1);
  else
    unsetenv("DISPLAY");
}

TEST(X11Open, UnreachableDisplayIsNamed) {
  std::string Error;
  EXPECT_EQ(OpenX11Desktop(":4999", Error), nullptr);
  EXPECT_EQ(Error, "cannot open display ':4999'");
}

TEST_F(TX11Desktop, DisplayFromTheEnvironment) {
  std::string Error;
  const char* Was = std::getenv("DISPLAY");
  std::string Saved = Was ? Was : "";
  setenv("DISPLAY", Server().Name().c_str(), 1);
  auto D = OpenX11Desktop(nullptr, Error);
  EXPECT_NE(D, nullptr) << Error;
  if (Was)
    setenv("DISPLAY", Saved.c_str(), 1);
  else
    unsetenv("DISPLAY");
}

TEST_F(TX11Desktop, ScreenWithoutWindowManagerOrCompositor) {
  EXPECT_EQ(Desk().ScreenRect(), (TRect{0, 0, 1280, 1024}));
  EXPECT_EQ(Desk().VirtualScreen(), (TRect{0, 0, 1280, 1024}));
  EXPECT_EQ(Desk().WorkArea(), (TRect{0, 0, 1280, 1024}));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
  EXPECT_FALSE(Desk().WindowManagerRunning());
  EXPECT_FALSE(Desk().SupportsConstantAlpha());
  EXPECT_EQ(GetProcAddress(LoadLibrary("user32.dll"), "SetLayeredWindowAttributes"), nullptr);
}

TEST_F(TX11Desktop, MenuAnimationIsAProcessSetting) {
  BOOL On = FALSE;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETMENUANIMATION, 0, &On, 0));
  EXPECT_TRUE(On);
  ASSERT_TRUE(SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, 0));
  ASSERT_TRUE(SystemParametersInfo(SPI_GETMENUANIMATION, 0, &On, 0));
  EXPECT_FALSE(On);
}

TEST_F(TX11Desktop, CursorPositionIsTheServersPointer) {
  ASSERT_TRUE(SetCursorPos(321, 456));
  POINT P{0, 0};
  ASSERT_TRUE(GetCursorPos(&P));
  EXPECT_EQ(P, (POINT{321, 456}));
  Window Root, Child;
  int X = 0, Y = 0, Wx, Wy;
  unsigned Mask;
  XQueryPointer(Viewer(), DefaultRootWindow(Viewer()), &Root, &Child, &X, &Y, &Wx, &Wy, &Mask);
  EXPECT_EQ(X, 321);
  EXPECT_EQ(Y, 456);
  ASSERT_EQ(XDoTool({"mousemove", "17", "29"}), 0);
  ASSERT_TRUE(GetCursorPos(&P));
  EXPECT_EQ(P, (POINT{17, 29}));
}

TEST_F(TX11Desktop, ClockIsMonotonicMilliseconds) {
  std::uint64_t A = Desk().Now();
  PumpFor(30);
  std::uint64_t B = Desk().Now();
  EXPECT_GE(B - A, 30u);
  EXPECT_LT(B - A, 1000u);
  EXPECT_LE(DWORD(B) - GetTickCount(), 5u);
}

TEST_F(TX11Desktop, WaitEndsAtTheDeadline) {
  std::uint64_t Start = Desk().Now();
  while (Desk().Now() < Start + 50) EXPECT_TRUE(Desk().WaitForEvents(Start + 50));
  EXPECT_LT(Desk().Now() - Start, 500u);
}
