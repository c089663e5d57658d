#include "ControlHost.h"
#include "TextProbe.h"

#include "framework/controls/HintWindow.h"

#include <string>

namespace {

class HintWindowTest : public TControlTest {
protected:
  void SetUp() override {
    TControlTest::SetUp();
    Hint = Create<THintWindow>(Host);
    SetActiveWindow(Host->GetHandle());
    Desk->PumpUntilIdle();
  }
  // DrawText's measure in the desktop's status-bar font.
  static TRect StatusMeasure(const std::string& Text, int MaxWidth) {
    NONCLIENTMETRICSA M{};
    M.cbSize = sizeof M;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof M, &M, 0);
    return TTextProbe::Measure(M.lfStatusFont.lfFaceName, M.lfStatusFont.lfHeight, Text,
                               {0, 0, MaxWidth, 0}, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  static TRect WindowRect(HWND Wnd) {
    TRect R{};
    GetWindowRect(Wnd, &R);
    return R;
  }

  THintWindow* Hint = nullptr;
};

TEST_F(HintWindowTest, CalcHintRectIsTheWrappedTextWithMargins) {
  for (const int Width : {100, 20, 0, -5})
    for (const std::string Text : {" 42", "&Fil", "a rather longer hint that has to wrap", ""}) {
      TRect Measured = StatusMeasure(Text, Width);
      EXPECT_EQ(Hint->CalcHintRect(Width, Text),
                (TRect{0, 0, Measured.Right + 6, Measured.Bottom + 2}))
          << Text << " in " << Width;
    }
  TRect Long = Hint->CalcHintRect(100, "a rather longer hint that has to wrap");
  TRect Line = Hint->CalcHintRect(100, " 42");
  EXPECT_GT(Long.Bottom, Line.Bottom);
  EXPECT_LE(Long.Right, 106);
  EXPECT_FALSE(Hint->HandleAllocated());
}

TEST_F(HintWindowTest, ActivateHintShowsATopMostWindowWithoutActivating) {
  TRect R = Hint->CalcHintRect(100, " 42");
  const TRect At{300, 150, 300 + R.Right, 150 + R.Bottom};
  Hint->ActivateHint(At, " 42");
  Desk->PumpUntilIdle();
  HWND Wnd = Hint->GetHandle();
  EXPECT_TRUE(IsWindowVisible(Wnd));
  EXPECT_EQ(WindowRect(Wnd), At);
  EXPECT_EQ(GetParent(Wnd), nullptr);
  const LONG_PTR Style = GetWindowLong(Wnd, GWL_STYLE), Ex = GetWindowLong(Wnd, GWL_EXSTYLE);
  EXPECT_EQ(Style & (WS_POPUP | WS_BORDER | WS_CHILD | WS_CAPTION), WS_POPUP | WS_BORDER);
  EXPECT_TRUE(Ex & WS_EX_TOPMOST);
  EXPECT_TRUE(Ex & WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetActiveWindow(), Host->GetHandle());
  EXPECT_EQ(Hint->GetCaption(), " 42");
  // Info colour inside the border, info text on it, above the host.
  EXPECT_EQ(Desk->ScreenPixel(At.Right - 2, At.Bottom - 2), Rgb(clInfoBk));
  EXPECT_NE(Desk->ScreenPixel(At.Left, At.Top), Rgb(clInfoBk));
  TRect Inside{At.Left + 1, At.Top + 1, At.Right - 1, At.Bottom - 1};
  TRect Ink = InkBox(*Desk, Inside, Rgb(clInfoBk));
  EXPECT_GT(Ink.Width(), 4);
  EXPECT_GE(Ink.Left, At.Left + 3);
  // A click on it does not take the activation.
  Desk->Click(At.Left + 5, At.Top + 5);
  Desk->PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), Host->GetHandle());
}

TEST_F(HintWindowTest, ColourFollowsTheProperty) {
  Hint->SetColor(clYellow);
  Hint->ActivateHint({300, 150, 340, 170}, "");
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(320, 160), Rgb(clYellow));
  Hint->SetColor(clAqua);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(320, 160), Rgb(clAqua));
}

TEST_F(HintWindowTest, ReleaseHandleRemovesTheWindow) {
  Hint->ActivateHint({200, 150, 240, 170}, " 42");
  Desk->PumpUntilIdle();
  HWND Wnd = Hint->GetHandle();
  ASSERT_EQ(Desk->ScreenPixel(230, 165), Rgb(clInfoBk));
  Hint->ReleaseHandle();
  Desk->PumpUntilIdle();
  EXPECT_FALSE(Hint->HandleAllocated());
  EXPECT_FALSE(IsWindow(Wnd));
  EXPECT_EQ(Desk->ScreenPixel(230, 165), Rgb(clWhite));
  // Releasing again is harmless; the next activation makes a new window.
  Hint->ReleaseHandle();
  Hint->ActivateHint({200, 150, 240, 170}, " 43");
  Desk->PumpUntilIdle();
  EXPECT_TRUE(IsWindowVisible(Hint->GetHandle()));
  EXPECT_EQ(Desk->ScreenPixel(230, 165), Rgb(clInfoBk));
}

TEST_F(HintWindowTest, ReactivationMovesAndUpdatesTheText) {
  Hint->ActivateHint({300, 150, 340, 170}, " 1");
  Desk->PumpUntilIdle();
  HWND Wnd = Hint->GetHandle();
  const TRect First = InkBox(*Desk, {301, 151, 339, 169}, Rgb(clInfoBk));
  TRect R = Hint->CalcHintRect(100, " 4711");
  const TRect Next{320, 180, 320 + R.Right, 180 + R.Bottom};
  Hint->ActivateHint(Next, " 4711");
  Desk->PumpUntilIdle();
  EXPECT_EQ(Hint->GetHandle(), Wnd);
  EXPECT_EQ(WindowRect(Wnd), Next);
  EXPECT_EQ(Hint->GetCaption(), " 4711");
  char Text[32] = {};
  GetWindowText(Wnd, Text, sizeof Text);
  EXPECT_STREQ(Text, " 4711");
  const TRect Second =
      InkBox(*Desk, {Next.Left + 1, Next.Top + 1, Next.Right - 1, Next.Bottom - 1}, Rgb(clInfoBk));
  EXPECT_GT(Second.Width(), First.Width());
  // The old place shows the host again.
  EXPECT_EQ(Desk->ScreenPixel(302, 152), Rgb(clWhite));
}

TEST_F(HintWindowTest, RectangleIsKeptOnTheDesktop) {
  const int W = GetSystemMetrics(SM_CXVIRTUALSCREEN), H = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  struct {
    TRect Asked, Shown;
  } const Cases[] = {
      {{W - 10, 100, W + 30, 120}, {W - 40, 100, W, 120}},
      {{100, H - 5, 140, H + 15}, {100, H - 20, 140, H}},
      {{-30, -10, 10, 10}, {0, 0, 40, 20}},
  };
  for (const auto& Case : Cases) {
    Hint->ActivateHint(Case.Asked, "x");
    EXPECT_EQ(WindowRect(Hint->GetHandle()), Case.Shown);
  }
}

} // namespace
