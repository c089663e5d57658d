#include "ControlHost.h"
#include "TextProbe.h"

#include "framework/controls/Panel.h"
#include "framework/controls/Shape.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Pen.h"

#include <string>

namespace {

class PanelTest : public TControlTest {
protected:
  TPanel* MakePanel(TRect B, TWinControl* Parent = nullptr) {
    auto* P = Create<TPanel>(Host);
    P->SetBounds(B.Left, B.Top, B.Width(), B.Height());
    P->SetParent(Parent ? Parent : Host);
    Desk->PumpUntilIdle();
    return P;
  }
  // One letter per pixel of the row or column through the panel: 'h'
  // highlight, 's' shadow, 'f' the panel's face colour, '?' other.
  std::string Row(TPanel* P, int Y, int Count) {
    std::string S;
    for (int X = 0; X < Count; ++X) S += Letter(P, Pixel(P, X, Y));
    return S;
  }
  std::string Column(TPanel* P, int X, int Count) {
    std::string S;
    for (int Y = 0; Y < Count; ++Y) S += Letter(P, Pixel(P, X, Y));
    return S;
  }
  std::string RowFromRight(TPanel* P, int Y, int Count) {
    std::string S;
    for (int X = P->GetWidth() - Count; X < P->GetWidth(); ++X) S += Letter(P, Pixel(P, X, Y));
    return S;
  }
  char Letter(TPanel* P, std::uint32_t Px) {
    if (Px == Rgb(P->GetColor())) return 'f';
    if (Px == Rgb(clBtnHighlight)) return 'h';
    if (Px == Rgb(clBtnShadow)) return 's';
    return '?';
  }
};

TEST_F(PanelTest, Defaults) {
  auto* P = Create<TPanel>(Host);
  EXPECT_EQ(P->GetWidth(), 185);
  EXPECT_EQ(P->GetHeight(), 41);
  EXPECT_EQ(P->GetBevelInner(), bvNone);
  EXPECT_EQ(P->GetBevelOuter(), bvRaised);
  EXPECT_EQ(P->GetBevelWidth(), 1);
  EXPECT_EQ(P->GetBorderWidth(), 0);
  EXPECT_EQ(P->GetBorderStyle(), bsNone);
  EXPECT_EQ(P->GetAlignment(), taCenter);
  EXPECT_EQ(P->GetColor(), clBtnFace);
  EXPECT_FALSE(P->GetParentColor());
  EXPECT_TRUE(P->GetFullRepaint());
  EXPECT_TRUE(P->ControlStyle().Contains(csAcceptsControls));
}

TEST_F(PanelTest, RaisedAndLoweredBevelsLightTheirSides) {
  TPanel* P = MakePanel({10, 10, 90, 50});
  EXPECT_EQ(Row(P, 20, 3), "hff");
  EXPECT_EQ(RowFromRight(P, 20, 3), "ffs");
  EXPECT_EQ(Column(P, 40, 3), "hff");
  // The corners that both sides meet belong to the shadow.
  EXPECT_EQ(Row(P, 0, 2), "hh");
  EXPECT_EQ(RowFromRight(P, 0, 2), "hs");
  EXPECT_EQ(Row(P, 39, 2), "ss");

  P->SetBevelOuter(bvLowered);
  P->SetBevelInner(bvRaised);
  P->SetBevelWidth(2);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Row(P, 20, 6), "sshhff");
  EXPECT_EQ(RowFromRight(P, 20, 6), "ffsshh");
  EXPECT_EQ(Column(P, 40, 6), "sshhff");

  // A border of the panel's own colour sits between the bevels; bvSpace
  // leaves a blank ring.
  P->SetBevelWidth(1);
  P->SetBorderWidth(2);
  P->SetBevelInner(bvSpace);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Row(P, 20, 6), "sfffff");
  EXPECT_EQ(RowFromRight(P, 20, 2), "fh");
  P->SetBevelOuter(bvNone);
  P->SetBevelInner(bvNone);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Row(P, 20, 2), "ff");
}

TEST_F(PanelTest, AlignedChildrenSitInsideTheBevels) {
  TPanel* Outer = MakePanel({10, 10, 210, 110});
  Outer->SetBevelInner(bvLowered);
  Outer->SetBevelWidth(2);
  Outer->SetBorderWidth(3);
  TPanel* Inner = MakePanel({0, 0, 50, 50}, Outer);
  Inner->SetAlign(alClient);
  const int Frame = 2 + 3 + 2;
  EXPECT_EQ(Inner->BoundsRect(), (TRect{Frame, Frame, 200 - Frame, 100 - Frame}));
  Outer->SetBorderWidth(0);
  EXPECT_EQ(Inner->BoundsRect(), (TRect{4, 4, 196, 96}));
  Outer->SetBevelOuter(bvNone);
  Outer->SetBevelInner(bvNone);
  EXPECT_EQ(Inner->BoundsRect(), (TRect{0, 0, 200, 100}));
}

TEST_F(PanelTest, NonWindowedChildrenPaintOverTheFace) {
  TPanel* P = MakePanel({10, 10, 110, 60});
  auto* S = Create<TShape>(Host);
  S->SetBounds(20, 10, 10, 10);
  S->GetBrush()->SetColor(clRed);
  S->GetPen()->SetColor(clRed);
  S->SetParent(P);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Pixel(P, 25, 15), Rgb(clRed));
  EXPECT_EQ(Pixel(P, 35, 15), Rgb(clBtnFace));
}

TEST_F(PanelTest, CaptionIsCentredAndFollowsAlignment) {
  TPanel* P = MakePanel({10, 10, 190, 60});
  P->SetCaption("Midt");
  Desk->PumpUntilIdle();
  TPoint O = P->ClientToScreen({0, 0});
  TRect Inside{O.X + 1, O.Y + 1, O.X + 179, O.Y + 49};
  TRect Ink = InkBox(*Desk, Inside, Rgb(clBtnFace));
  ASSERT_GT(Ink.Width(), 5);
  const int CentreX = (Ink.Left + Ink.Right) - 2 * O.X, CentreY = (Ink.Top + Ink.Bottom) - 2 * O.Y;
  EXPECT_NEAR(CentreX, 180, 3);
  EXPECT_NEAR(CentreY, 50, 6);

  P->SetAlignment(taLeftJustify);
  Desk->PumpUntilIdle();
  EXPECT_LE(InkBox(*Desk, Inside, Rgb(clBtnFace)).Left - O.X, 3);
  P->SetAlignment(taRightJustify);
  Desk->PumpUntilIdle();
  EXPECT_GE(InkBox(*Desk, Inside, Rgb(clBtnFace)).Right - O.X, 176);
}

TEST_F(PanelTest, ParentColorTakesTheHostsColour) {
  TPanel* P = MakePanel({10, 10, 110, 60});
  P->SetParentColor(true);
  EXPECT_EQ(P->GetColor(), clWhite);
  EXPECT_EQ(PaintedPixel(P, 50, 25), Rgb(clWhite));
  Host->SetColor(clYellow);
  EXPECT_EQ(PaintedPixel(P, 50, 25), Rgb(clYellow));
}

TEST_F(PanelTest, SingleBorderStyleGivesTheWindowAnEdge) {
  TPanel* P = MakePanel({10, 10, 110, 60});
  EXPECT_FALSE(GetWindowLong(P->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  P->SetBorderStyle(bsSingle);
  EXPECT_TRUE(GetWindowLong(P->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_LT(P->GetClientWidth(), 100);
  // Only bsNone and bsSingle apply to a panel.
  P->SetBorderStyle(bsDialog);
  EXPECT_EQ(P->GetBorderStyle(), bsSingle);
  P->SetCtl3D(false);
  P->SetBorderStyle(bsNone);
  P->SetBorderStyle(bsSingle);
  EXPECT_TRUE(GetWindowLong(P->GetHandle(), GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLong(P->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(PanelTest, BadWidthsAreIgnored) {
  TPanel* P = MakePanel({10, 10, 110, 60});
  P->SetBevelWidth(0);
  P->SetBorderWidth(-3);
  EXPECT_EQ(P->GetBevelWidth(), 1);
  EXPECT_EQ(P->GetBorderWidth(), 0);
  TPanel::StaticClass().FindProperty("BevelOuter")->SetOrd(P, 4);
  TPanel::StaticClass().FindProperty("Alignment")->SetOrd(P, 3);
  EXPECT_EQ(P->GetBevelOuter(), bvRaised);
  EXPECT_EQ(P->GetAlignment(), taCenter);
}

} // namespace
