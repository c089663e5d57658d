#include "ControlHost.h"

#include "framework/controls/Shape.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Pen.h"
#include "framework/runtime/Exceptions.h"

namespace {

class ShapeTest : public TControlTest {
protected:
  TShape* MakeShape(TRect Bounds, int PenWidth, TShapeType Kind = stRectangle) {
    auto* S = Create<TShape>(Host);
    S->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    S->GetPen()->SetColor(clRed);
    S->GetPen()->SetWidth(PenWidth);
    S->GetBrush()->SetColor(clBlue);
    S->SetShape(Kind);
    S->SetParent(Host);
    Desk->PumpUntilIdle();
    return S;
  }
  // What the host shows at (X, Y) relative to the shape's top-left corner:
  // 'p' pen, 'b' brush, '.' the host's white, '?' anything else.
  char At(TShape* S, int X, int Y) {
    std::uint32_t P = Pixel(S, X, Y);
    if (P == Rgb(clRed)) return 'p';
    if (P == Rgb(clBlue)) return 'b';
    if (P == Rgb(clWhite)) return '.';
    return '?';
  }
};

TEST_F(ShapeTest, DefaultsAreAWhiteSquareOutlinedInBlack) {
  auto* S = Create<TShape>(Host);
  EXPECT_EQ(S->GetWidth(), 65);
  EXPECT_EQ(S->GetHeight(), 65);
  EXPECT_EQ(S->GetShape(), stRectangle);
  EXPECT_EQ(S->GetPen()->GetColor(), clBlack);
  EXPECT_EQ(S->GetPen()->GetWidth(), 1);
  EXPECT_EQ(S->GetPen()->GetStyle(), psSolid);
  EXPECT_EQ(S->GetBrush()->GetColor(), clWhite);
  EXPECT_EQ(S->GetBrush()->GetStyle(), bsSolid);
}

TEST_F(ShapeTest, OutlineBoundsFollowThePenWidth) {
  struct {
    int PenWidth;
    TRect Outline; // relative to a 20 x 10 shape
  } const Cases[] = {
      {0, {0, 0, 20, 10}},
      {1, {0, 0, 20, 10}},
      {3, {1, 1, 19, 9}},
      {4, {2, 2, 19, 9}},
  };
  for (const auto& Case : Cases) {
    TShape* S = MakeShape({10, 10, 30, 20}, Case.PenWidth);
    const TRect& O = Case.Outline;
    SCOPED_TRACE(Case.PenWidth);
    EXPECT_EQ(At(S, O.Left, O.Top), 'p');
    EXPECT_EQ(At(S, O.Right - 1, O.Bottom - 1), 'p');
    EXPECT_EQ(At(S, O.Right - 1, O.Top), 'p');
    // Just outside the outline the host shows (the shape's own bounds
    // end at 20 x 10, where the host shows anyway).
    EXPECT_EQ(At(S, O.Left - 1, O.Top), '.');
    EXPECT_EQ(At(S, O.Left, O.Top - 1), '.');
    EXPECT_EQ(At(S, O.Right, O.Bottom - 1), '.');
    EXPECT_EQ(At(S, O.Right - 1, O.Bottom), '.');
    const int Inner = std::max(Case.PenWidth, 1);
    EXPECT_EQ(At(S, O.Left + Inner - 1, O.Top + Inner - 1), 'p');
    // The brush fills what the outline leaves (nothing of a 4-pixel pen
    // round a 7-pixel-high figure).
    if (O.Height() > 2 * Inner)
      EXPECT_EQ(At(S, O.Left + Inner, O.Top + Inner), 'b');
    else
      EXPECT_EQ(At(S, O.Left + Inner, O.Top + Inner), 'p');
    S->Free();
  }
}

TEST_F(ShapeTest, OnePixelWideShapeShowsOnlyThePen) {
  TShape* S = MakeShape({50, 5, 51, 205}, 1);
  for (int Y = 0; Y < 200; ++Y) ASSERT_EQ(At(S, 0, Y), 'p') << Y;
  EXPECT_EQ(At(S, 1, 100), '.');
  EXPECT_EQ(At(S, -1, 100), '.');
}

TEST_F(ShapeTest, PenAndBrushChangesRepaint) {
  TShape* S = MakeShape({10, 10, 40, 40}, 1);
  ASSERT_EQ(At(S, 0, 0), 'p');
  S->GetPen()->SetColor(clLime);
  EXPECT_EQ(PaintedPixel(S, 0, 0), Rgb(clLime));
  S->GetBrush()->SetColor(clYellow);
  EXPECT_EQ(PaintedPixel(S, 15, 15), Rgb(clYellow));
  auto* Other = Create<TPen>();
  Other->SetColor(clFuchsia);
  S->SetPen(Other);
  Other->Free();
  EXPECT_EQ(PaintedPixel(S, 0, 0), Rgb(clFuchsia));
}

TEST_F(ShapeTest, SquaresAndCirclesAreCentred) {
  // 40 x 20 with a 1-pixel pen: the square is (10, 0, 30, 20).
  TShape* S = MakeShape({10, 10, 50, 30}, 1, stSquare);
  EXPECT_EQ(At(S, 9, 10), '.');
  EXPECT_EQ(At(S, 10, 10), 'p');
  EXPECT_EQ(At(S, 29, 10), 'p');
  EXPECT_EQ(At(S, 30, 10), '.');
  EXPECT_EQ(At(S, 20, 0), 'p');
  EXPECT_EQ(At(S, 20, 19), 'p');

  S->SetShape(stCircle);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(S, 10, 0), '.'); // the square's corner lies outside the circle
  EXPECT_EQ(At(S, 20, 0), 'p');
  EXPECT_EQ(At(S, 20, 19), 'p');
  EXPECT_EQ(At(S, 10, 10), 'p');
  EXPECT_EQ(At(S, 29, 10), 'p');
  EXPECT_EQ(At(S, 20, 10), 'b');
  EXPECT_EQ(At(S, 5, 10), '.');

  // Tall: the square moves down instead.
  S->SetBounds(10, 10, 20, 40);
  S->SetShape(stRoundSquare);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(S, 10, 9), '.');
  EXPECT_EQ(At(S, 10, 10), 'p');
  EXPECT_EQ(At(S, 0, 10), '.'); // rounded corner
  EXPECT_EQ(At(S, 0, 20), 'p');
  EXPECT_EQ(At(S, 10, 29), 'p');
  EXPECT_EQ(At(S, 10, 30), '.');
}

TEST_F(ShapeTest, BadValuesChangeNothing) {
  TShape* S = MakeShape({10, 10, 30, 30}, 1, stCircle);
  TShape::StaticClass().FindProperty("Shape")->SetOrd(S, 17);
  EXPECT_EQ(S->GetShape(), stCircle);
  EXPECT_THROW(S->SetPen(nullptr), EConvertError);
  EXPECT_THROW(S->SetBrush(nullptr), EConvertError);
  EXPECT_EQ(S->GetPen()->GetColor(), clRed);
  // A shape narrower than its pen draws nothing and survives.
  S->GetPen()->SetWidth(50);
  S->SetBounds(10, 10, 0, 3);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixel(Host, 10, 10), Rgb(clWhite));
}

TEST_F(ShapeTest, EllipseAndRoundRectFillTheBounds) {
  TShape* S = MakeShape({10, 10, 50, 30}, 1, stEllipse);
  EXPECT_EQ(At(S, 0, 10), 'p');
  EXPECT_EQ(At(S, 39, 10), 'p');
  EXPECT_EQ(At(S, 0, 0), '.');
  EXPECT_EQ(At(S, 20, 10), 'b');
  S->SetShape(stRoundRect);
  Desk->PumpUntilIdle();
  EXPECT_EQ(At(S, 20, 0), 'p');
  EXPECT_EQ(At(S, 0, 0), '.');
  EXPECT_EQ(At(S, 0, 10), 'p');
  EXPECT_EQ(At(S, 20, 10), 'b');
}

} // namespace
