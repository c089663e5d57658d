#include "SolidWindows.h"
#include "support/DesktopTest.h"
#include "support/TestRandom.h"

#include "platform/gdi/Bitmap.h"

#include <vector>

namespace {

constexpr COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Red = RGB(255, 0, 0),
                   Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255), Magenta = RGB(255, 0, 255);

std::uint32_t Sys(int Index) { return Px(GetSysColor(Index)); }

std::vector<std::uint32_t> Pixels(const TGdiBitmap& S) {
  std::vector<std::uint32_t> Out;
  for (int Y = 0; Y < S.Height(); ++Y)
    for (int X = 0; X < S.Width(); ++X) Out.push_back(S.ReadPixel(X, Y) & 0xFFFFFF);
  return Out;
}

class Composition : public TDesktopTest {};

} // namespace

TEST_F(Composition, EmptyDesktopShowsBackgroundAndTaskBar) {
  struct {
    int X, Y;
    std::uint32_t Expected;
  } Cases[] = {
      {0, 0, Sys(COLOR_BACKGROUND)},
      {1279, 993, Sys(COLOR_BACKGROUND)},
      {0, 994, Sys(COLOR_BTNHIGHLIGHT)},
      {1279, 994, Sys(COLOR_BTNHIGHLIGHT)},
      {5, 995, Sys(COLOR_BTNFACE)},
      {1279, 1023, Sys(COLOR_BTNFACE)},
      {-1, 0, CLR_INVALID},
      {1280, 0, CLR_INVALID},
      {0, 1024, CLR_INVALID},
      {0, -5, CLR_INVALID},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(Desk->ScreenPixel(C.X, C.Y), C.Expected) << C.X << "," << C.Y;
}

TEST_F(Composition, OpaqueWindowCoversExactlyItsRectangle) {
  ShownSolid(TRect{100, 50, 140, 70}, Red);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(100, 50), Px(Red));
  EXPECT_EQ(Desk->ScreenPixel(139, 69), Px(Red));
  EXPECT_EQ(Desk->ScreenPixel(140, 69), Sys(COLOR_BACKGROUND));
  EXPECT_EQ(Desk->ScreenPixel(139, 70), Sys(COLOR_BACKGROUND));
  EXPECT_EQ(Desk->ScreenPixel(99, 50), Sys(COLOR_BACKGROUND));
}

TEST_F(Composition, LayeredAttributesOverWhite) {
  struct {
    const char* Name;
    COLORREF Color, Key;
    BYTE Alpha;
    DWORD Flags;
    std::uint32_t Expected;
  } Cases[] = {
      {"alpha 64", Black, 0, 64, LWA_ALPHA, 0xBFBFBF},
      {"alpha 255", Black, 0, 255, LWA_ALPHA, 0x000000},
      {"alpha 0", Black, 0, 0, LWA_ALPHA, 0xFFFFFF},
      {"alpha 128 red", Red, 0, 128, LWA_ALPHA, 0xFF7F7F},
      {"key hit", Green, Green, 255, LWA_COLORKEY, 0xFFFFFF},
      {"key miss", Green, Blue, 255, LWA_COLORKEY, 0x00FF00},
      {"key and alpha", Black, Green, 64, LWA_COLORKEY | LWA_ALPHA, 0xBFBFBF},
      {"no flags", Black, 0, 64, 0, 0x000000},
  };
  ShownSolid(TRect{0, 0, 200, 200}, White);
  for (const auto& C : Cases) {
    HWND W = ShownSolid(TRect{10, 10, 50, 50}, C.Color, WS_EX_LAYERED);
    ASSERT_TRUE(SetLayeredWindowAttributes(W, C.Key, C.Alpha, C.Flags)) << C.Name;
    Desk->PumpUntilIdle();
    EXPECT_EQ(Desk->ScreenPixel(30, 30), C.Expected) << C.Name;
    EXPECT_EQ(Desk->ScreenPixel(60, 30), 0xFFFFFFu) << C.Name;
    DestroyWindow(W);
  }
}

TEST_F(Composition, LayeredWindowWithoutAttributesIsOpaque) {
  ShownSolid(TRect{0, 0, 100, 100}, White);
  ShownSolid(TRect{10, 10, 50, 50}, Blue, WS_EX_LAYERED);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(20, 20), Px(Blue));
}

TEST_F(Composition, ColourKeyMakesHolesAroundAChild) {
  ShownSolid(TRect{0, 0, 300, 300}, Red);
  HWND Top = SolidWindow(TRect{50, 50, 150, 150}, Magenta, WS_EX_LAYERED);
  HWND Kid = SolidWindow(TRect{10, 10, 30, 30}, Green, 0, WS_CHILD | WS_VISIBLE, Top);
  ASSERT_NE(Kid, nullptr);
  SetLayeredWindowAttributes(Top, Magenta, 255, LWA_COLORKEY);
  ShowWindow(Top, SW_SHOWNOACTIVATE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(55, 55), Px(Red));
  EXPECT_EQ(Desk->ScreenPixel(65, 65), Px(Green));
  EXPECT_EQ(Desk->ScreenPixel(79, 79), Px(Green));
  EXPECT_EQ(Desk->ScreenPixel(80, 80), Px(Red));
}

TEST_F(Composition, WindowRegionClipsTheWindow) {
  ShownSolid(TRect{0, 0, 300, 300}, White);
  HWND W = ShownSolid(TRect{100, 100, 200, 200}, Blue);
  // An L: the top band and the left column.
  HRGN Rgn = CreateRectRgn(0, 0, 100, 20);
  HRGN Left = CreateRectRgn(0, 0, 20, 100);
  CombineRgn(Rgn, Rgn, Left, RGN_OR);
  DeleteObject(Left);
  ASSERT_NE(SetWindowRgn(W, Rgn, TRUE), 0);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(150, 105), Px(Blue));
  EXPECT_EQ(Desk->ScreenPixel(105, 190), Px(Blue));
  EXPECT_EQ(Desk->ScreenPixel(150, 150), 0xFFFFFFu);
  EXPECT_EQ(Desk->ScreenPixel(120, 120), 0xFFFFFFu);
  SetWindowRgn(W, nullptr, TRUE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(150, 150), Px(Blue));
}

TEST_F(Composition, TopMostBandStaysAboveActivatedWindows) {
  HWND Top = ShownSolid(TRect{0, 0, 100, 100}, Red, WS_EX_TOPMOST);
  HWND Normal = SolidWindow(TRect{50, 50, 150, 150}, Green, 0, WS_POPUP);
  ShowWindow(Normal, SW_SHOW);
  BringWindowToTop(Normal);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(75, 75), Px(Red));
  EXPECT_EQ(Desk->ScreenPixel(125, 125), Px(Green));
  // Leaving the band puts it under the active window.
  SetWindowPos(Top, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(Normal, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(75, 75), Px(Green));
}

TEST_F(Composition, HiddenAndMinimisedWindowsAreNotDrawn) {
  HWND Hidden = ShownSolid(TRect{0, 0, 50, 50}, Red);
  HWND Small = ShownSolid(TRect{100, 0, 150, 50}, Blue);
  Desk->PumpUntilIdle();
  ASSERT_EQ(Desk->ScreenPixel(10, 10), Px(Red));
  ASSERT_EQ(Desk->ScreenPixel(110, 10), Px(Blue));
  ShowWindow(Hidden, SW_HIDE);
  ShowWindow(Small, SW_SHOWMINNOACTIVE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(10, 10), Sys(COLOR_BACKGROUND));
  EXPECT_EQ(Desk->ScreenPixel(110, 10), Sys(COLOR_BACKGROUND));
  ShowWindow(Small, SW_SHOWNOACTIVATE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(110, 10), Px(Blue));
}

TEST_F(Composition, RepaintedSurfaceReachesTheScreen) {
  HWND W = ShownSolid(TRect{0, 0, 50, 50}, Red);
  Desk->PumpUntilIdle();
  ASSERT_EQ(Desk->ScreenPixel(10, 10), Px(Red));
  SetWindowLong(W, GWL_USERDATA, LONG_PTR(Green));
  InvalidateRect(W, nullptr, FALSE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(10, 10), Px(Green));
}

// The stand-in for a task bar: bars left to right in minimise order along
// the bottom of the work area, wrapping upwards when a row is full.
TEST_F(Composition, MinimisedBarsRowUpFromTheWorkAreaBottom) {
  Desk->SetScreen(400, 300, 280);
  const int Cx = GetSystemMetrics(SM_CXMINIMIZED), Cy = GetSystemMetrics(SM_CYMINIMIZED);
  ASSERT_GT(Cx, 0);
  ASSERT_LE(2 * Cx, 400);
  ASSERT_GT(3 * Cx, 400);
  HWND W[3];
  for (HWND& H : W) {
    H = ShownSolid(TRect{0, 0, 20, 20}, Red);
    ShowWindow(H, SW_SHOWMINNOACTIVE);
  }
  Desk->PumpUntilIdle();
  const std::uint32_t Bar = Sys(COLOR_INACTIVECAPTION), Desktop = Sys(COLOR_BACKGROUND);
  // Near the right end of bar slot (Col, Row), where the empty caption
  // leaves the bar's own colour.
  auto Probe = [&](int Col, int Row) {
    return Desk->ScreenPixel((Col + 1) * Cx - 3, 280 - Row * Cy - Cy / 2);
  };
  EXPECT_EQ(Probe(0, 0), Bar);
  EXPECT_EQ(Probe(1, 0), Bar);
  EXPECT_EQ(Probe(0, 1), Bar);
  EXPECT_EQ(Probe(1, 1), Desktop);
  EXPECT_EQ(Probe(0, 2), Desktop);
  EXPECT_EQ(Desk->ScreenPixel(2 * Cx + 2, 279), Desktop);
  // Restoring the first slides the others down and left.
  ShowWindow(W[0], SW_SHOWNOACTIVATE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Probe(1, 0), Bar);
  EXPECT_EQ(Probe(0, 1), Desktop);
}

// Composing only what changed must give the very pixels that composing the
// whole screen gives, whatever the windows did.
TEST_F(Composition, DamageOnlyComposeMatchesFullCompose) {
  Desk->SetScreen(320, 240, 220);
  TTestRandom Rnd(20240611);
  const COLORREF Colors[] = {Red, Green, Blue, Black, White, Magenta};
  std::vector<HWND> Wins;
  for (int I = 0; I < 6; ++I) {
    int X = Rnd.Between(-40, 300), Y = Rnd.Between(-40, 220);
    DWORD Ex = I == 5 ? WS_EX_TOPMOST : I >= 3 ? WS_EX_LAYERED : 0;
    HWND W =
        ShownSolid(TRect{X, Y, X + Rnd.Between(1, 120), Y + Rnd.Between(1, 120)}, Colors[I], Ex);
    if (Ex == WS_EX_LAYERED) SetLayeredWindowAttributes(W, Green, BYTE(40 * I), LWA_ALPHA);
    Wins.push_back(W);
  }
  for (int Step = 0; Step < 60; ++Step) {
    HWND W = Rnd.Pick(Wins);
    switch (Rnd.Below(5)) {
    case 0:
      SetWindowPos(W, nullptr, Rnd.Between(-60, 330), Rnd.Between(-60, 250), Rnd.Between(1, 150),
                   Rnd.Between(1, 150), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case 1: ShowWindow(W, IsWindowVisible(W) ? SW_HIDE : SW_SHOWNOACTIVATE); break;
    case 2: SetWindowPos(W, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); break;
    case 3: ShowWindow(W, IsIconic(W) ? SW_SHOWNOACTIVATE : SW_SHOWMINNOACTIVE); break;
    default: SetLayeredWindowAttributes(W, 0, BYTE(Rnd.Below(256)), LWA_ALPHA); break;
    }
    Desk->PumpUntilIdle();
    std::vector<std::uint32_t> Partial = Pixels(Desk->Screenshot());
    Desk->RepaintScreen();
    ASSERT_EQ(Partial, Pixels(Desk->Screenshot())) << "step " << Step;
  }
}

TEST_F(Composition, BarsGoAwayWithHiddenOrDestroyedWindows) {
  const int Cx = GetSystemMetrics(SM_CXMINIMIZED);
  HWND A = SolidWindow(TRect{0, 0, 20, 20}, Red);
  HWND B = SolidWindow(TRect{0, 0, 20, 20}, Red);
  ShowWindow(A, SW_SHOWMINNOACTIVE);
  ShowWindow(B, SW_SHOWMINNOACTIVE);
  Desk->PumpUntilIdle();
  const std::uint32_t Bar = Sys(COLOR_INACTIVECAPTION), Desktop = Sys(COLOR_BACKGROUND);
  ASSERT_EQ(Desk->ScreenPixel(2 * Cx - 2, 990), Bar);
  ShowWindow(A, SW_HIDE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(Cx - 2, 990), Bar);
  EXPECT_EQ(Desk->ScreenPixel(2 * Cx - 2, 990), Desktop);
  DestroyWindow(B);
  EXPECT_EQ(Desk->ScreenPixel(Cx - 2, 990), Desktop);
  // Shown again, still minimised: the bar comes back.
  ShowWindow(A, SW_SHOWNA);
  EXPECT_TRUE(IsIconic(A));
  EXPECT_EQ(Desk->ScreenPixel(Cx - 2, 990), Bar);
}

TEST_F(Composition, BarShowsTheCaptionInWhite) {
  const int Cx = GetSystemMetrics(SM_CXMINIMIZED), Cy = GetSystemMetrics(SM_CYMINIMIZED);
  HWND W = SolidWindow(TRect{0, 0, 20, 20}, Red, 0, WS_POPUP, nullptr, "MMMMMMMM");
  ShowWindow(W, SW_SHOWMINNOACTIVE);
  int Light = 0;
  for (int Y = 994 - Cy + 2; Y < 992; ++Y)
    for (int X = 2; X < Cx / 2; ++X) Light += (Desk->ScreenPixel(X, Y) & 0xC0C0C0) == 0xC0C0C0;
  EXPECT_GT(Light, 10);
  // A new caption is painted too.
  SetWindowText(W, "");
  Light = 0;
  for (int Y = 994 - Cy + 2; Y < 992; ++Y)
    for (int X = 2; X < Cx / 2; ++X) Light += (Desk->ScreenPixel(X, Y) & 0xC0C0C0) == 0xC0C0C0;
  EXPECT_EQ(Light, 0);
}
