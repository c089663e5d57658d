#include "platform/headless/HeadlessInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Handles are only compared, never looked up, by the input queue.
const HWND WndA = reinterpret_cast<HWND>(std::uintptr_t(0x1000));
const HWND WndB = reinterpret_cast<HWND>(std::uintptr_t(0x2000));

std::vector<TDesktopEvent> Drain(THeadlessInput& In) {
  std::vector<TDesktopEvent> Out;
  TDesktopEvent E{TDesktopEvent::MouseMove};
  while (In.Poll(E)) Out.push_back(E);
  return Out;
}

std::vector<TDesktopEvent::TKind> Kinds(const std::vector<TDesktopEvent>& Events) {
  std::vector<TDesktopEvent::TKind> K;
  for (const auto& E : Events) K.push_back(E.Kind);
  return K;
}

using K = TDesktopEvent;

} // namespace

// The whole gesture is queued before the program asks for the move, as a
// test does it.
TEST(HeadlessInput, CaptionMoveTurnsLaterMovesIntoConfigures) {
  THeadlessInput In;
  In.MoveTo(TPoint{110, 205});
  In.Press(0, nullptr);
  In.MoveTo(TPoint{130, 215});
  In.MoveTo(TPoint{100, 300});
  In.Release(0);
  In.MoveTo(TPoint{0, 0});
  TDesktopEvent E{K::MouseMove};
  ASSERT_TRUE(In.Poll(E));
  ASSERT_TRUE(In.Poll(E));
  ASSERT_EQ(E.Kind, K::ButtonDown);
  ASSERT_TRUE(In.BeginMoveDrag(WndA, E.Pos, TRect{100, 200, 300, 260}));
  auto Rest = Drain(In);
  ASSERT_EQ(Kinds(Rest), (std::vector{K::Configured, K::Configured, K::MouseMove}));
  EXPECT_EQ(Rest[0].Wnd, WndA);
  EXPECT_EQ(Rest[0].Rect, (TRect{120, 210, 320, 270}));
  EXPECT_EQ(Rest[1].Rect, (TRect{90, 295, 290, 355}));
  EXPECT_EQ(Rest[2].Pos, (TPoint{0, 0}));
  EXPECT_FALSE(In.Dragging());
}

TEST(HeadlessInput, MoveNeedsTheLeftButtonAsTheProgramSawIt) {
  THeadlessInput In;
  EXPECT_FALSE(In.BeginMoveDrag(WndA, TPoint{0, 0}, TRect{0, 0, 10, 10}));
  In.Press(0, nullptr); // queued, not yet seen by the program
  EXPECT_FALSE(In.BeginMoveDrag(WndA, TPoint{0, 0}, TRect{0, 0, 10, 10}));
  In.Press(1, nullptr);
  Drain(In);
  EXPECT_TRUE(In.BeginMoveDrag(WndA, TPoint{0, 0}, TRect{0, 0, 10, 10}));
  EXPECT_FALSE(In.BeginMoveDrag(nullptr, TPoint{0, 0}, TRect{0, 0, 10, 10}));
}

TEST(HeadlessInput, ForgettingAWindowDropsItsEventsAndMoves) {
  THeadlessInput In;
  In.Press(0, nullptr);
  Drain(In);
  In.BeginMoveDrag(WndA, TPoint{0, 0}, TRect{0, 0, 10, 10});
  TDesktopEvent R{K::Restored};
  R.Wnd = WndA;
  In.Push(R);
  R.Wnd = WndB;
  In.Push(R);
  In.MoveTo(TPoint{3, 3});
  In.Release(0);
  In.Press(1, nullptr);
  In.Forget(WndA);
  auto Events = Drain(In);
  // The move and the release still belong to the ended move.
  ASSERT_EQ(Kinds(Events), (std::vector{K::Restored, K::ButtonDown}));
  EXPECT_EQ(Events[0].Wnd, WndB);
  EXPECT_EQ(Events[1].Button, 1);
}

TEST(HeadlessInput, EventsKeepTheTimeTheyWereQueuedAt) {
  THeadlessInput In;
  const std::uint64_t T0 = In.Now();
  In.MoveTo(TPoint{1, 1});
  In.AdvanceClock(600);
  EXPECT_EQ(In.Now(), T0); // the program has not taken the move yet
  In.MoveTo(TPoint{2, 2});
  In.AdvanceClock(50);
  TDesktopEvent E{K::MouseMove};
  ASSERT_TRUE(In.Poll(E));
  EXPECT_EQ(In.Now(), T0);
  ASSERT_TRUE(In.Poll(E));
  EXPECT_EQ(In.Now(), T0 + 600);
  EXPECT_FALSE(In.Poll(E));
  EXPECT_EQ(In.Now(), T0 + 650);
  In.AdvanceClock(5);
  EXPECT_EQ(In.Now(), T0 + 655);
}
