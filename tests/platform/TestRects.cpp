// Rectangle helpers against the window manager's documented results,
// including empty and inverted rectangles, aliasing and null pointers.
#include "platform/WinTypes.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const TRect Empty{0, 0, 0, 0};

TEST(Rects, SetCopyAndEmpty) {
  TRect R{9, 9, 9, 9};
  EXPECT_TRUE(SetRect(&R, 1, 2, 3, 4));
  EXPECT_EQ(R, Rect(1, 2, 3, 4));
  TRect C{};
  EXPECT_TRUE(CopyRect(&C, &R));
  EXPECT_EQ(C, R);
  EXPECT_TRUE(SetRectEmpty(&R));
  EXPECT_EQ(R, Empty);
  EXPECT_FALSE(SetRect(nullptr, 1, 2, 3, 4));
  EXPECT_FALSE(SetRectEmpty(nullptr));
  EXPECT_FALSE(CopyRect(nullptr, &R));
  EXPECT_FALSE(CopyRect(&R, nullptr));
}

TEST(Rects, IsRectEmpty) {
  const std::pair<TRect, BOOL> Cases[] = {
      {Rect(0, 0, 1, 1), FALSE}, {Rect(0, 0, 0, 5), TRUE}, {Rect(0, 0, 5, 0), TRUE},
      {Rect(5, 5, 1, 9), TRUE},  {Rect(5, 9, 9, 1), TRUE}, {Rect(-5, -5, -4, -4), FALSE},
  };
  for (const auto& [R, Expected] : Cases)
    EXPECT_EQ(IsRectEmpty(&R), Expected)
        << R.Left << "," << R.Top << "," << R.Right << "," << R.Bottom;
  EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(Rects, PtInRectExcludesRightAndBottom) {
  const TRect R{10, 20, 30, 40};
  const std::pair<TPoint, BOOL> Cases[] = {
      {{10, 20}, TRUE}, {{29, 39}, TRUE},  {{30, 20}, FALSE}, {{10, 40}, FALSE},
      {{9, 25}, FALSE}, {{15, 19}, FALSE}, {{20, 30}, TRUE},
  };
  for (const auto& [P, Expected] : Cases) EXPECT_EQ(PtInRect(&R, P), Expected) << P.X << "," << P.Y;
  const TRect Inverted{30, 40, 10, 20};
  EXPECT_FALSE(PtInRect(&Inverted, {20, 30}));
  EXPECT_FALSE(PtInRect(nullptr, {0, 0}));
}

TEST(Rects, EqualRect) {
  const TRect A{1, 2, 3, 4}, B{1, 2, 3, 4}, C{1, 2, 3, 5};
  EXPECT_TRUE(EqualRect(&A, &B));
  EXPECT_FALSE(EqualRect(&A, &C));
  EXPECT_FALSE(EqualRect(&A, nullptr));
  EXPECT_FALSE(EqualRect(nullptr, nullptr));
}

TEST(Rects, InflateAndOffset) {
  TRect R{10, 10, 20, 20};
  EXPECT_TRUE(InflateRect(&R, 2, -3));
  EXPECT_EQ(R, Rect(8, 13, 22, 17));
  EXPECT_TRUE(OffsetRect(&R, -8, 5));
  EXPECT_EQ(R, Rect(0, 18, 14, 22));
  EXPECT_FALSE(InflateRect(nullptr, 1, 1));
  EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
  TRect Edge{INT_MAX - 1, 0, INT_MAX, 1};
  EXPECT_TRUE(OffsetRect(&Edge, 2, 0));
  EXPECT_EQ(Edge.Left, INT_MIN);
}

struct TBinaryCase {
  TRect A, B;
  BOOL Result;
  TRect Expected;
};

TEST(Rects, IntersectRect) {
  const TBinaryCase Cases[] = {
      {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}},
      {{0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {2, 3, 4, 5}},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, Empty}, // touching edges
      {{0, 0, 10, 10}, {20, 20, 30, 30}, FALSE, Empty},
      {{0, 0, 10, 10}, {5, 5, 5, 8}, FALSE, Empty},   // empty operand
      {{10, 10, 0, 0}, {0, 0, 10, 10}, FALSE, Empty}, // inverted operand
      {{-5, -5, 5, 5}, {-10, 0, 0, 10}, TRUE, {-5, 0, 0, 5}},
  };
  for (const TBinaryCase& C : Cases) {
    TRect Out{7, 7, 7, 7};
    EXPECT_EQ(IntersectRect(&Out, &C.A, &C.B), C.Result);
    EXPECT_EQ(Out, C.Expected);
  }
  TRect A{0, 0, 10, 10}, B{5, 5, 15, 15};
  EXPECT_TRUE(IntersectRect(&A, &A, &B));
  EXPECT_EQ(A, Rect(5, 5, 10, 10));
  TRect Out{7, 7, 7, 7};
  EXPECT_FALSE(IntersectRect(&Out, nullptr, &B));
  EXPECT_EQ(Out, Empty);
  EXPECT_FALSE(IntersectRect(nullptr, &A, &B));
}

TEST(Rects, UnionRect) {
  const TBinaryCase Cases[] = {
      {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {0, 0, 15, 15}},
      {{0, 0, 10, 10}, {20, 30, 40, 50}, TRUE, {0, 0, 40, 50}},
      {{0, 0, 0, 0}, {5, 5, 15, 15}, TRUE, {5, 5, 15, 15}},
      {{100, 100, 100, 200}, {5, 5, 15, 15}, TRUE, {5, 5, 15, 15}}, // empty ignored
      {{5, 5, 15, 15}, {30, 30, 10, 10}, TRUE, {5, 5, 15, 15}},     // inverted ignored
      {{1, 1, 1, 1}, {2, 2, 2, 9}, FALSE, Empty},
  };
  for (const TBinaryCase& C : Cases) {
    TRect Out{7, 7, 7, 7};
    EXPECT_EQ(UnionRect(&Out, &C.A, &C.B), C.Result);
    EXPECT_EQ(Out, C.Expected);
  }
  TRect A{0, 0, 1, 1};
  EXPECT_FALSE(UnionRect(nullptr, &A, &A));
  EXPECT_FALSE(UnionRect(&A, nullptr, &A));
}

TEST(Rects, SubtractRect) {
  const TBinaryCase Cases[] = {
      {{0, 0, 10, 10}, {0, 0, 4, 10}, TRUE, {4, 0, 10, 10}},    // left strip
      {{0, 0, 10, 10}, {6, -5, 20, 20}, TRUE, {0, 0, 6, 10}},   // right strip
      {{0, 0, 10, 10}, {-1, 0, 11, 3}, TRUE, {0, 3, 10, 10}},   // top strip
      {{0, 0, 10, 10}, {0, 7, 10, 10}, TRUE, {0, 0, 10, 7}},    // bottom strip
      {{0, 0, 10, 10}, {2, 2, 8, 8}, TRUE, {0, 0, 10, 10}},     // hole: unchanged
      {{0, 0, 10, 10}, {0, 0, 4, 5}, TRUE, {0, 0, 10, 10}},     // corner: unchanged
      {{0, 0, 10, 10}, {3, 0, 6, 10}, TRUE, {0, 0, 10, 10}},    // middle band: unchanged
      {{0, 0, 10, 10}, {20, 20, 30, 30}, TRUE, {0, 0, 10, 10}}, // disjoint
      {{0, 0, 10, 10}, {-1, -1, 11, 11}, FALSE, Empty},         // covered
      {{0, 0, 0, 10}, {0, 0, 5, 5}, FALSE, Empty},              // empty source
  };
  for (const TBinaryCase& C : Cases) {
    TRect Out{7, 7, 7, 7};
    EXPECT_EQ(SubtractRect(&Out, &C.A, &C.B), C.Result)
        << C.B.Left << "," << C.B.Top << "," << C.B.Right << "," << C.B.Bottom;
    EXPECT_EQ(Out, C.Expected) << C.B.Left << "," << C.B.Top << "," << C.B.Right << ","
                               << C.B.Bottom;
  }
  TRect A{0, 0, 1, 1};
  EXPECT_FALSE(SubtractRect(nullptr, &A, &A));
  EXPECT_FALSE(SubtractRect(&A, nullptr, &A));
}

} // namespace
