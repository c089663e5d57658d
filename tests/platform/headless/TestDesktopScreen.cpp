#include "SolidWindows.h"
#include "support/DesktopTest.h"

#include "platform/gdi/Bitmap.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class DesktopScreen : public TDesktopTest {};

std::vector<unsigned char> ReadFile(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(In), {});
}

std::uint32_t BigEndian(const std::vector<unsigned char>& D, std::size_t At) {
  return (std::uint32_t(D[At]) << 24) | (std::uint32_t(D[At + 1]) << 16) |
         (std::uint32_t(D[At + 2]) << 8) | D[At + 3];
}

std::string TempPath(const char* Name) {
  return (::testing::TempDir() + Name + std::to_string(::getpid()) + ".png");
}

} // namespace

TEST_F(DesktopScreen, DefaultsAreOneScreenWithATaskBar) {
  EXPECT_EQ(Backend().ScreenRect(), (TRect{0, 0, 1280, 1024}));
  EXPECT_EQ(Backend().WorkArea(), (TRect{0, 0, 1280, 994}));
  EXPECT_EQ(Backend().VirtualScreen(), Backend().ScreenRect());
  EXPECT_TRUE(Backend().SupportsConstantAlpha());
  EXPECT_TRUE(Backend().MenuAnimation());
  EXPECT_EQ(Backend().Now(), 1000u);
  EXPECT_EQ(THeadlessDesktop::Current(), Desk);
}

TEST_F(DesktopScreen, SetScreenReachesMetricsAndDeviceCaps) {
  Desk->SetScreen(800, 600, 570);
  HDC Dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(Dc, HORZRES), 800);
  EXPECT_EQ(GetDeviceCaps(Dc, VERTRES), 600);
  DeleteDC(Dc);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 600);
  RECT Work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0));
  EXPECT_EQ(Work, (TRect{0, 0, 800, 570}));
  EXPECT_EQ(Desk->Screenshot().Width(), 800);
  EXPECT_EQ(Desk->ScreenPixel(0, 570), Px(GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(Desk->ScreenPixel(800, 0), CLR_INVALID);
}

TEST_F(DesktopScreen, AbsurdScreenSizesAreRefused) {
  struct {
    int W, H, Work;
    TRect ExpectScreen, ExpectWork;
  } Cases[] = {
      {0, 600, 500, {0, 0, 1280, 1024}, {0, 0, 1280, 994}},
      {-5, -5, 0, {0, 0, 1280, 1024}, {0, 0, 1280, 994}},
      {100000, 100000, 100, {0, 0, 1280, 1024}, {0, 0, 1280, 994}},
      {640, 480, 900, {0, 0, 640, 480}, {0, 0, 640, 480}},
      {640, 480, -3, {0, 0, 640, 480}, {0, 0, 640, 0}},
  };
  for (const auto& C : Cases) {
    Desk->SetScreen(1280, 1024, 994);
    Desk->SetScreen(C.W, C.H, C.Work);
    EXPECT_EQ(Backend().ScreenRect(), C.ExpectScreen) << C.W << "x" << C.H;
    EXPECT_EQ(Backend().WorkArea(), C.ExpectWork) << C.W << "x" << C.H;
  }
}

TEST_F(DesktopScreen, ShrinkingTheScreenKeepsThePointerOnIt) {
  Desk->MouseMove(1000, 1000);
  Desk->SetScreen(640, 480, 450);
  EXPECT_EQ(Backend().CursorPos(), (TPoint{639, 479}));
}

TEST_F(DesktopScreen, SettingsAreKeptByTheDesktop) {
  Desk->SetConstantAlphaSupported(false);
  EXPECT_FALSE(Backend().SupportsConstantAlpha());
  EXPECT_EQ(GetProcAddress(LoadLibrary("user32.dll"), "SetLayeredWindowAttributes"), nullptr);
  BOOL On = TRUE;
  SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, 0);
  SystemParametersInfo(SPI_GETMENUANIMATION, 0, &On, 0);
  EXPECT_FALSE(On);
  EXPECT_FALSE(Backend().MenuAnimation());
  // A fresh desktop starts from the defaults again.
  Desk = &THeadlessDesktop::Install();
  EXPECT_TRUE(Backend().SupportsConstantAlpha());
  EXPECT_TRUE(Backend().MenuAnimation());
}

TEST_F(DesktopScreen, ScreenshotIsWrittenAsPng) {
  Desk->SetScreen(320, 200, 180);
  ShownSolid(TRect{10, 10, 20, 20}, RGB(255, 0, 0));
  Desk->PumpUntilIdle();
  const std::string Path = TempPath("headless-shot");
  ASSERT_TRUE(Desk->SaveScreenshot(Path));
  std::vector<unsigned char> Data = ReadFile(Path);
  std::remove(Path.c_str());
  ASSERT_GT(Data.size(), 33u);
  const unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(Signature, Signature + 8, Data.begin()));
  EXPECT_EQ(std::string(Data.begin() + 12, Data.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndian(Data, 16), 320u);
  EXPECT_EQ(BigEndian(Data, 20), 200u);
}

TEST_F(DesktopScreen, ScreenshotToABadPathFails) {
  EXPECT_FALSE(Desk->SaveScreenshot(""));
  EXPECT_FALSE(Desk->SaveScreenshot("/nonexistent-dir/x/shot.png"));
}

TEST_F(DesktopScreen, CurrentIsNullWithoutAHeadlessDesktop) {
  SetBackend(nullptr);
  EXPECT_EQ(THeadlessDesktop::Current(), nullptr);
  Desk = &THeadlessDesktop::Install();
  EXPECT_EQ(THeadlessDesktop::Current(), Desk);
}
