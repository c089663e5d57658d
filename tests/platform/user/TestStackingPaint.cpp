#include "UserTestSupport.h"

using namespace usertest;

namespace {

// Windows of this test fill their background with the colour kept in
// GWL_USERDATA.
class StackingPaintTest : public TUserTest {
protected:
  void SetUp() override {
    TUserTest::SetUp();
    React(WM_ERASEBKGND, [](HWND Wnd, WPARAM W, LPARAM) -> LRESULT {
      HBRUSH B = CreateSolidBrush(COLORREF(GetWindowLong(Wnd, GWL_USERDATA)));
      RECT R;
      GetClientRect(Wnd, &R);
      FillRect(reinterpret_cast<HDC>(W), &R, B);
      DeleteObject(B);
      return 1;
    });
  }
  HWND Colored(TRect R, COLORREF C, DWORD ExStyle = 0, DWORD Style = WS_POPUP | WS_VISIBLE,
               HWND Parent = nullptr) {
    HWND W = Make(Style & ~WS_VISIBLE, ExStyle, R, Parent);
    SetWindowLong(W, GWL_USERDATA, LONG_PTR(C));
    if (Style & WS_VISIBLE) ShowWindow(W, (Style & WS_CHILD) ? SW_SHOWNA : SW_SHOW);
    return W;
  }
  // Screen pixel as COLORREF.
  COLORREF At(int X, int Y) {
    std::uint32_t P = Desk->ScreenPixel(X, Y);
    return RGB(BYTE(P >> 16), BYTE(P >> 8), BYTE(P));
  }
};

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255),
                   kBlack = RGB(0, 0, 0), kGreen = RGB(0, 255, 0);

TEST_F(StackingPaintTest, TopMostBandStaysAboveNormalWindows) {
  HWND Top = Colored(Rect(0, 0, 100, 100), kRed, WS_EX_TOPMOST);
  HWND Normal = Colored(Rect(50, 0, 150, 100), kBlue);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(75, 50), kRed) << "a newer normal window stays under the top-most band";
  EXPECT_EQ(GetWindow(Top, GW_HWNDNEXT), Normal);
  SetWindowPos(Normal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(At(75, 50), kBlue);
  EXPECT_TRUE(GetWindowLong(Normal, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(Normal, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(At(75, 50), kRed);
  SetWindowPos(Normal, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(At(75, 50), kRed) << "HWND_TOP keeps a normal window in its band";
  SetWindowPos(Top, Normal, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(At(75, 50), kRed) << "placing under a normal window keeps the top-most band";
}

TEST_F(StackingPaintTest, SetWindowPosFlagsLeaveWhatTheySay) {
  HWND A = Colored(Rect(10, 10, 60, 60), kRed);
  HWND B = Colored(Rect(100, 100, 120, 120), kBlue);
  ASSERT_EQ(GetActiveWindow(), B);
  SetWindowPos(A, HWND_TOP, 300, 300, 5, 5, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RECT R;
  GetWindowRect(A, &R);
  EXPECT_EQ(R, Rect(10, 10, 60, 60));
  EXPECT_EQ(GetActiveWindow(), B);
  EXPECT_EQ(GetWindow(B, GW_HWNDFIRST), A);
  MoveWindow(A, 20, 30, 40, 50, TRUE);
  GetWindowRect(A, &R);
  EXPECT_EQ(R, Rect(20, 30, 60, 80));
}

TEST_F(StackingPaintTest, AlphaComposesOverWhatLiesBelow) {
  Colored(Rect(0, 0, 40, 40), kWhite);
  HWND Line = Colored(Rect(10, 0, 11, 40), kBlack, WS_EX_LAYERED | WS_EX_TOPMOST);
  ASSERT_TRUE(SetLayeredWindowAttributes(Line, 0, 64, LWA_ALPHA));
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(10, 20), RGB(191, 191, 191));
  EXPECT_EQ(At(11, 20), kWhite);
  SetLayeredWindowAttributes(Line, 0, 255, LWA_ALPHA);
  EXPECT_EQ(At(10, 20), kBlack);
  // Turning the layered style off leaves an opaque window.
  SetLayeredWindowAttributes(Line, 0, 25, LWA_ALPHA);
  SetWindowLong(Line, GWL_EXSTYLE, GetWindowLong(Line, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  EXPECT_EQ(At(10, 20), kBlack);
  EXPECT_FALSE(SetLayeredWindowAttributes(Line, 0, 25, LWA_ALPHA));
}

TEST_F(StackingPaintTest, ColorKeyLetsTheBackgroundAndThePointerThrough) {
  HWND Under = Colored(Rect(0, 0, 40, 40), kBlue);
  HWND Keyed = Colored(Rect(0, 0, 40, 40), kGreen, WS_EX_LAYERED);
  SetLayeredWindowAttributes(Keyed, kGreen, 255, LWA_COLORKEY);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(5, 5), kBlue);
  EXPECT_EQ(WindowFromPoint(Point(5, 5)), Under);
}

TEST_F(StackingPaintTest, RegionClipsPixelsAndHitTesting) {
  Colored(Rect(0, 0, 100, 100), kWhite);
  HWND W = Colored(Rect(0, 0, 100, 100), kRed);
  ASSERT_EQ(SetWindowRgn(W, CreateRectRgn(1, 1, 82, 99), TRUE), 1);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(0, 0), kWhite);
  EXPECT_EQ(At(1, 1), kRed);
  EXPECT_EQ(At(82, 50), kWhite);
  EXPECT_NE(WindowFromPoint(Point(90, 50)), W);
  EXPECT_EQ(WindowFromPoint(Point(50, 50)), W);
  HRGN Copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(W, Copy), SIMPLEREGION);
  RECT Box;
  GetRgnBox(Copy, &Box);
  EXPECT_EQ(Box, Rect(1, 1, 82, 99));
  EXPECT_EQ(SetWindowRgn(W, nullptr, TRUE), 1);
  EXPECT_EQ(GetWindowRgn(W, Copy), ERROR);
  EXPECT_EQ(At(0, 0), kRed);
  DeleteObject(Copy);
}

TEST_F(StackingPaintTest, WindowOwnsItsRegionHandle) {
  HWND W = Colored(Rect(0, 0, 10, 10), kRed);
  HRGN Rgn = CreateRectRgn(0, 0, 5, 5);
  ASSERT_EQ(SetWindowRgn(W, Rgn, FALSE), 1);
  EXPECT_EQ(GetObjectType(Rgn), 0u) << "handed to the window";
  HRGN Bad = reinterpret_cast<HRGN>(CreateSolidBrush(0));
  EXPECT_EQ(SetWindowRgn(W, Bad, FALSE), 0);
  EXPECT_NE(GetObjectType(Bad), 0u) << "a refused handle stays the caller's";
  DeleteObject(Bad);
}

TEST_F(StackingPaintTest, PaintingEraseThenPaintAndChildrenClipped) {
  HWND P = Colored(Rect(0, 0, 100, 100), kWhite);
  HWND C = Colored(Rect(10, 10, 30, 30), kBlue, 0, WS_CHILD | WS_VISIBLE, P);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Count(P, WM_ERASEBKGND), 1);
  EXPECT_EQ(Count(P, WM_PAINT), 1);
  EXPECT_EQ(At(20, 20), kBlue);
  // The parent's drawing never covers its children.
  HDC DC = GetDC(P);
  EXPECT_EQ(WindowFromDC(DC), P);
  HBRUSH B = CreateSolidBrush(kRed);
  RECT All{0, 0, 100, 100};
  FillRect(DC, &All, B);
  DeleteObject(B);
  ReleaseDC(P, DC);
  EXPECT_EQ(At(5, 5), kRed);
  EXPECT_EQ(At(20, 20), kBlue);
  // Hiding the child uncovers the parent, which repaints there.
  ShowWindow(C, SW_HIDE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(20, 20), kWhite);
}

TEST_F(StackingPaintTest, InvalidateRectPaintsOnlyThatPart) {
  HWND W = Colored(Rect(0, 0, 100, 100), kWhite);
  Desk->PumpUntilIdle();
  Log().clear();
  RECT Part{10, 10, 20, 20};
  InvalidateRect(W, &Part, FALSE);
  RECT Upd;
  EXPECT_TRUE(GetUpdateRect(W, &Upd, FALSE));
  EXPECT_EQ(Upd, Part);
  React(WM_PAINT, [](HWND Wnd, WPARAM, LPARAM) -> LRESULT {
    PAINTSTRUCT Ps;
    HDC DC = BeginPaint(Wnd, &Ps);
    EXPECT_EQ(Ps.rcPaint, Rect(10, 10, 20, 20));
    EXPECT_FALSE(Ps.fErase);
    EXPECT_EQ(WindowFromDC(DC), Wnd);
    RECT All{0, 0, 100, 100};
    FillRect(DC, &All, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(Wnd, &Ps);
    return 0;
  });
  UpdateWindow(W);
  EXPECT_EQ(Count(W, WM_PAINT), 1);
  EXPECT_EQ(Count(W, WM_ERASEBKGND), 0);
  EXPECT_EQ(At(15, 15), kBlack);
  EXPECT_EQ(At(25, 25), kWhite) << "drawing is limited to the update area";
  EXPECT_FALSE(GetUpdateRect(W, &Upd, FALSE));
}

TEST_F(StackingPaintTest, HeldDCFollowsMovesAndDiesWithWindow) {
  HWND P = Colored(Rect(0, 0, 100, 100), kWhite);
  HWND C = Colored(Rect(0, 0, 10, 10), kWhite, 0, WS_CHILD | WS_VISIBLE, P);
  Desk->PumpUntilIdle();
  HDC DC = GetDC(C);
  MoveWindow(C, 50, 50, 10, 10, TRUE);
  Desk->PumpUntilIdle();
  RECT R{0, 0, 10, 10};
  FillRect(DC, &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(C, DC);
  EXPECT_EQ(At(55, 55), kBlack);
  DC = GetDC(C);
  DestroyWindow(C);
  FillRect(DC, &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(WindowFromDC(DC), nullptr);
  EXPECT_EQ(ReleaseDC(C, DC), 1);
}

} // namespace

// A window sized several times before anything drew into it, or sized
// beyond what the drawing layer gives a surface for, still draws at the
// size it ends with.
TEST_F(StackingPaintTest, SizesChosenBeforeTheFirstPaintAllEndDrawable) {
  Colored(Rect(0, 0, 200, 200), kWhite);
  HWND W = Colored(Rect(0, 0, 10, 10), kRed, 0, WS_POPUP);
  for (int Size : {300, 20, 32767, 60}) SetWindowPos(W, nullptr, 0, 0, Size, Size, SWP_NOMOVE);
  ShowWindow(W, SW_SHOWNA);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(59, 59), kRed);
  EXPECT_EQ(At(60, 60), kWhite);

  SetWindowPos(W, nullptr, 0, 0, 32767, 32767, SWP_NOMOVE);
  Desk->PumpUntilIdle();
  for (int Twice = 0; Twice < 2; ++Twice) {
    HDC Dc = GetDC(W);
    ASSERT_NE(Dc, nullptr) << "a refused size still gets a surface to draw into";
    RECT All{0, 0, 32767, 32767};
    FillRect(Dc, &All, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(W, Dc);
  }
  SetWindowPos(W, nullptr, 0, 0, 30, 30, SWP_NOMOVE);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(29, 29), kRed);
  EXPECT_EQ(At(30, 30), kWhite);
}

TEST_F(StackingPaintTest, ADcHeldAcrossAResizeDrawsNothingAfterIt) {
  Colored(Rect(0, 0, 100, 100), kWhite);
  HWND W = Colored(Rect(0, 0, 40, 40), kBlue);
  Desk->PumpUntilIdle();
  HDC Old = GetDC(W);
  SetWindowPos(W, nullptr, 0, 0, 50, 50, SWP_NOMOVE);
  Desk->PumpUntilIdle();
  RECT R{0, 0, 50, 50};
  FillRect(Old, &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(45, 45), kBlue) << "the old DC's surface is gone";
  ReleaseDC(W, Old);
  HDC New = GetDC(W);
  FillRect(New, &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(W, New);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(45, 45), kBlack);
}
