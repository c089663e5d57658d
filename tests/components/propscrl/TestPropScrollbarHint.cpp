// The position hint: shown from the first track of a thumb drag to the end
// of the scroll, placed by ScrollHintMode, its text from the prefix, the
// position and OnScrollBarHint.
#include "PropScrollbarTest.h"

#include <string>

namespace propscrltest {
namespace {

class THintTest : public TPropScrollbarTest {
protected:
  void SetUp() override {
    TPropScrollbarTest::SetUp();
    Bar->SetScrollHint(true);
  }
  TRect NeedFor(const std::string& Text) const {
    return Bar->HintWindow()->CalcHintRect(100, Text);
  }
  // The hint's screen rectangle for Text with its anchor at A.
  TRect HintAt(TPoint A, const std::string& Text) const {
    const TRect Need = NeedFor(Text);
    return {A.X + 10, A.Y, A.X + 10 + Need.Width(), A.Y + Need.Height()};
  }
};

TEST_F(THintTest, DraggingShowsThePositionTenPixelsRightOfTheCursor) {
  const TPoint Grip = GrabThumb();
  EXPECT_EQ(HintWnd(), nullptr);
  const TPoint Cursor = DragThumbTo(Grip, 0, 42);
  ASSERT_EQ(Bar->GetPosition(), 42);
  HWND Hint = HintWnd();
  ASSERT_NE(Hint, nullptr);
  EXPECT_TRUE(Bar->HintShowing());
  EXPECT_EQ(WindowText(Hint), " 42");
  const TRect R = WindowRect(Hint);
  EXPECT_EQ(R, HintAt(Cursor, " 42"));
  EXPECT_EQ(R.Left, Cursor.X + 10);
  EXPECT_EQ(R.Top, Cursor.Y);
  // On the hint colour, above the form, not activated.
  EXPECT_EQ(Desk->ScreenPixel(R.Right - 2, R.Bottom - 2), Rgb(clYellow));
  EXPECT_EQ(GetActiveWindow(), Form->GetHandle());

  Release();
  EXPECT_EQ(HintWnd(), nullptr);
  EXPECT_FALSE(Bar->HintShowing());
  EXPECT_FALSE(Bar->HintWindow()->HandleAllocated());
  EXPECT_NE(Desk->ScreenPixel(R.Right - 2, R.Bottom - 2), Rgb(clYellow));
  EXPECT_EQ(Bar->GetPosition(), 42);
}

TEST_F(THintTest, TrackModeFollowsTheCursorAndTheColourIsTaken) {
  Bar->SetScrollHintColor(clLime);
  const TPoint Grip = GrabThumb();
  for (const int To : {10, 35, 99, 7}) {
    const TPoint Cursor = DragThumbTo(Grip, 0, To, To % 3);
    const std::string Text = " " + std::to_string(To);
    HWND Hint = HintWnd();
    ASSERT_NE(Hint, nullptr) << To;
    EXPECT_EQ(WindowText(Hint), Text);
    const TRect R = WindowRect(Hint);
    EXPECT_EQ(R, HintAt(Cursor, Text));
    EXPECT_EQ(Desk->ScreenPixel(R.Right - 2, R.Bottom - 2), Rgb(clLime));
  }
  Release();
  EXPECT_EQ(HintWnd(), nullptr);
}

// For each kind and mode: the rectangle after the first track, and after a
// second track elsewhere (fixed modes stay where the first one put them).
TEST_F(THintTest, EachModeAnchorsTheHint) {
  struct {
    TScrollBarKind Kind;
    TScrollHintMode Mode;
  } const Cases[] = {
      {sbHorizontal, shTrack},       {sbHorizontal, shFixedLeft}, {sbHorizontal, shFixedRight},
      {sbHorizontal, shFixedBottom}, {sbHorizontal, shFixedTop},  {sbVertical, shTrack},
      {sbVertical, shFixedLeft},     {sbVertical, shFixedRight},  {sbVertical, shFixedBottom},
      {sbVertical, shFixedTop},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::to_string(C.Kind) + "/" + std::to_string(C.Mode));
    Bar->SetKind(C.Kind);
    Bar->SetScrollHintMode(C.Mode);
    Bar->SetPosition(0);
    Desk->PumpUntilIdle();
    const TPoint Bar0 = ScreenOf({0, 0});
    const int BarW = Bar->GetWidth(), BarH = Bar->GetHeight();
    const TPoint Grip = GrabThumb();
    const TPoint First = DragThumbTo(Grip, 0, 30, 2);
    const TRect Need = NeedFor(" 30");
    const int W = Need.Width(), H = Need.Height();
    const bool Hz = C.Kind == sbHorizontal;
    TPoint A = First;
    switch (C.Mode) {
    case shTrack: break;
    case shFixedLeft:
      A = Hz ? TPoint{First.X - W - 10, First.Y} : TPoint{Bar0.X - W - 4, First.Y};
      break;
    case shFixedRight:
      A = Hz ? TPoint{First.X + 10, First.Y} : TPoint{Bar0.X + BarW + 4, First.Y};
      break;
    case shFixedBottom:
      A = Hz ? TPoint{First.X, Bar0.Y + BarH + 4} : TPoint{First.X, First.Y + 10};
      break;
    case shFixedTop:
      A = Hz ? TPoint{First.X, Bar0.Y - 4 - H} : TPoint{First.X, First.Y - 10};
      break;
    }
    ASSERT_NE(HintWnd(), nullptr);
    EXPECT_EQ(WindowRect(HintWnd()), HintAt(A, " 30"));

    const TPoint Second = DragThumbTo(Grip, 0, 77, -3);
    ASSERT_NE(HintWnd(), nullptr);
    EXPECT_EQ(WindowText(HintWnd()), " 77");
    EXPECT_EQ(WindowRect(HintWnd()), HintAt(C.Mode == shTrack ? Second : A, " 77"));
    Release();
    EXPECT_EQ(HintWnd(), nullptr);
  }
}

TEST_F(THintTest, FixedTopStandsFourPixelsAboveTheBarForTheWholeDrag) {
  Bar->SetScrollHintMode(shFixedTop);
  const int BarTop = ScreenOf({0, 0}).Y;
  const TPoint Grip = GrabThumb();
  int Left = -1;
  for (const int To : {5, 50, 100, 60}) {
    DragThumbTo(Grip, 0, To, To % 4);
    ASSERT_NE(HintWnd(), nullptr) << To;
    const TRect R = WindowRect(HintWnd());
    EXPECT_EQ(R.Bottom, BarTop - 4) << To;
    if (Left < 0) Left = R.Left;
    EXPECT_EQ(R.Left, Left) << To;
  }
  Release();
  EXPECT_EQ(HintWnd(), nullptr);
}

TEST_F(THintTest, OnScrollBarHintReplacesTheText) {
  Bar->SetScrollHintPrefix("Posisjon");
  Bar->OnScrollBarHint = MakeEvent<&TPropScrollListener::Hinting>(&Events);
  Events.Replacement = "Linja står nå langt ute til høyre";
  const TPoint Grip = GrabThumb();
  const TPoint Cursor = DragThumbTo(Grip, 0, 42);
  ASSERT_EQ(Events.Hints.size(), 1u);
  EXPECT_EQ(Events.Hints[0], std::make_pair(42, std::string("Posisjon 42")));
  EXPECT_EQ(Events.Senders[0], Bar);
  ASSERT_NE(HintWnd(), nullptr);
  EXPECT_EQ(WindowText(HintWnd()), Events.Replacement);
  const TRect R = WindowRect(HintWnd());
  EXPECT_EQ(R, HintAt(Cursor, Events.Replacement));
  // Wrapped at 100 pixels: taller than one line.
  EXPECT_LE(R.Width(), 106);
  EXPECT_GT(R.Height(), NeedFor(" 42").Height());
  // A handler that leaves the text keeps the prefixed one.
  Events.Replacement.clear();
  DragThumbTo(Grip, 0, 43);
  EXPECT_EQ(WindowText(HintWnd()), "Posisjon 43");
  Release();
  // Only track notifications ask the handler.
  EXPECT_EQ(Events.Hints.size(), 2u);
}

TEST_F(THintTest, ArrowsTroughAndKeysShowNoHint) {
  Bar->SetLargeChange(10);
  ClickDownArrow();
  ClickPart(Geometry().TroughAfter());
  ClickUpArrow();
  Bar->SetFocus();
  for (const UINT Key : {VK_RIGHT, VK_NEXT, VK_END, VK_HOME}) {
    Desk->PressKey(Key);
    Desk->PumpUntilIdle();
  }
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_FALSE(Bar->HintShowing());
  EXPECT_FALSE(Bar->HintWindow()->HandleAllocated());
}

TEST_F(THintTest, NoHintWhenOff) {
  Bar->SetScrollHint(false);
  Bar->OnScrollBarHint = MakeEvent<&TPropScrollListener::Hinting>(&Events);
  const TPoint Grip = GrabThumb();
  DragThumbTo(Grip, 0, 42);
  EXPECT_EQ(HintWnd(), nullptr);
  EXPECT_FALSE(Bar->HintShowing());
  Release();
  EXPECT_TRUE(Events.Hints.empty());
  EXPECT_EQ(Bar->GetPosition(), 42);
}

// Switched off mid-drag: the hint stops following and still goes away at
// the release.
TEST_F(THintTest, SwitchedOffMidDragStillHides) {
  const TPoint Grip = GrabThumb();
  DragThumbTo(Grip, 0, 20);
  ASSERT_NE(HintWnd(), nullptr);
  const TRect Before = WindowRect(HintWnd());
  Bar->SetScrollHint(false);
  DragThumbTo(Grip, 0, 70);
  ASSERT_NE(HintWnd(), nullptr);
  EXPECT_EQ(WindowText(HintWnd()), " 20");
  EXPECT_EQ(WindowRect(HintWnd()), Before);
  Release();
  EXPECT_EQ(HintWnd(), nullptr);
  EXPECT_FALSE(Bar->HintShowing());
}

// The hint window belongs to the bar.
TEST_F(THintTest, FreeingTheBarMidDragTakesTheHintAlong) {
  const TPoint Grip = GrabThumb();
  DragThumbTo(Grip, 0, 50);
  HWND Hint = HintWnd();
  ASSERT_NE(Hint, nullptr);
  FreeAndNil(Bar);
  EXPECT_FALSE(IsWindow(Hint));
  Release();
  EXPECT_EQ(Form->ComponentCount(), 0);
}

} // namespace
} // namespace propscrltest
