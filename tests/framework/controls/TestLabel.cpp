#include "ControlHost.h"
#include "TextProbe.h"

#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ScrollBar.h"
#include "framework/graphics/Font.h"

namespace {

constexpr const char* Face = "MS Sans Serif";

class LabelTest : public TControlTest {
protected:
  TLabel* MakeLabel(const std::string& Caption, TWinControl* Parent = nullptr) {
    auto* L = Create<TLabel>(Host);
    L->SetBounds(20, 20, 65, 17);
    L->GetFont()->SetName(Face);
    L->GetFont()->SetHeight(-11);
    L->SetCaption(Caption);
    L->SetParent(Parent ? Parent : Host);
    Desk->PumpUntilIdle();
    return L;
  }
  TRect ScreenBounds(const TControl* C) {
    TPoint P = C->ClientToScreen({0, 0});
    return {P.X, P.Y, P.X + C->GetWidth(), P.Y + C->GetHeight()};
  }
  // The label's ink on a white label background.
  TRect Ink(TLabel* L) { return InkBox(*Desk, ScreenBounds(L), Rgb(clWhite)); }
};

TEST_F(LabelTest, AutoSizeTakesTheMeasuredSizeOfTheText) {
  TLabel* L = MakeLabel("Versjon:");
  TRect Text = TTextProbe::Measure(Face, -11, "Versjon:", {0, 0, 0, 0}, DT_EXPANDTABS);
  EXPECT_GT(Text.Right, 10);
  EXPECT_EQ(L->GetWidth(), Text.Right);
  EXPECT_EQ(L->GetHeight(), Text.Bottom);
  EXPECT_EQ(L->GetHeight(), TTextProbe::LineHeight(Face, -11));
  EXPECT_EQ(L->GetLeft(), 20);
  EXPECT_EQ(L->GetTop(), 20);
}

TEST_F(LabelTest, EveryChangeOfTextOrFontResizes) {
  TLabel* L = MakeLabel("A");
  const int OneLetter = L->GetWidth();
  L->SetCaption("A much longer caption");
  EXPECT_EQ(L->GetWidth(),
            TTextProbe::Measure(Face, -11, "A much longer caption", {}, DT_EXPANDTABS).Right);
  EXPECT_GT(L->GetWidth(), OneLetter);
  L->GetFont()->SetHeight(-20);
  EXPECT_EQ(L->GetHeight(), TTextProbe::LineHeight(Face, -20));
  // An empty caption keeps one line: it is measured as a blank.
  L->SetCaption("");
  EXPECT_EQ(L->GetHeight(), TTextProbe::LineHeight(Face, -20));
  EXPECT_EQ(L->GetWidth(), TTextProbe::Measure(Face, -20, " ", {}, DT_EXPANDTABS).Right);
  // Without AutoSize nothing moves.
  L->SetAutoSize(false);
  L->SetCaption("Whatever it says now");
  EXPECT_EQ(L->GetWidth(), TTextProbe::Measure(Face, -20, " ", {}, DT_EXPANDTABS).Right);
}

TEST_F(LabelTest, RightJustifiedLabelKeepsItsRightEdge) {
  TLabel* L = MakeLabel("abc");
  L->SetAlignment(taRightJustify);
  const int Right = L->GetLeft() + L->GetWidth();
  L->SetCaption("abcdefghij");
  EXPECT_EQ(L->GetLeft() + L->GetWidth(), Right);
  EXPECT_LT(L->GetLeft(), 20);
}

TEST_F(LabelTest, WordWrapKeepsTheWidthAndGrowsDown) {
  TLabel* L = MakeLabel("x");
  L->SetAutoSize(false);
  L->SetWidth(60);
  L->SetWordWrap(true);
  L->SetAutoSize(true);
  const std::string Text = "one two three four five six";
  L->SetCaption(Text);
  TRect Wrapped = TTextProbe::Measure(Face, -11, Text, {0, 0, 60, 0}, DT_EXPANDTABS | DT_WORDBREAK);
  EXPECT_EQ(L->GetWidth(), 60);
  EXPECT_EQ(L->GetHeight(), Wrapped.Bottom);
  EXPECT_GE(L->GetHeight(), 3 * TTextProbe::LineHeight(Face, -11));
}

TEST_F(LabelTest, AmpersandUnderlinesTheNextLetterUnlessTurnedOff) {
  TLabel* Plain = MakeLabel("Fil");
  TLabel* Accel = MakeLabel("&Fil");
  Accel->SetTop(60);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Accel->GetWidth(), Plain->GetWidth());
  TRect PlainInk = Ink(Plain), AccelInk = Ink(Accel);
  // The underline reaches below the letters (or at least as far) and is a
  // run of ink under the F that the plain label does not have.
  EXPECT_GE(AccelInk.Bottom - 60, PlainInk.Bottom - 20);
  int Extra = 0;
  for (int X = 0; X < Plain->GetWidth(); ++X)
    for (int Y = 0; Y < Plain->GetHeight(); ++Y) Extra += Pixel(Accel, X, Y) != Pixel(Plain, X, Y);
  EXPECT_GE(Extra, 3);

  Accel->SetShowAccelChar(false);
  EXPECT_EQ(Accel->GetWidth(),
            TTextProbe::Measure(Face, -11, "&Fil", {}, DT_EXPANDTABS | DT_NOPREFIX).Right);
  // "&&" is a literal ampersand.
  Accel->SetShowAccelChar(true);
  Accel->SetCaption("A&&B");
  EXPECT_EQ(Accel->GetWidth(),
            TTextProbe::Measure(Face, -11, "A&B", {}, DT_EXPANDTABS | DT_NOPREFIX).Right);
}

TEST_F(LabelTest, ParentColorFollowsThePanel) {
  auto* P = Create<TPanel>(Host);
  P->SetBounds(10, 10, 200, 100);
  P->SetColor(clYellow);
  P->SetParent(Host);
  TLabel* L = MakeLabel("Tekst", P);
  EXPECT_TRUE(L->GetParentColor());
  EXPECT_EQ(L->GetColor(), clYellow);
  // The label paints its background: the blank under the last letter's
  // right edge is the panel's colour.
  EXPECT_EQ(PaintedPixel(L, L->GetWidth() - 1, 0), Rgb(clYellow));
  P->SetColor(clAqua);
  EXPECT_EQ(L->GetColor(), clAqua);
  EXPECT_EQ(PaintedPixel(L, L->GetWidth() - 1, 0), Rgb(clAqua));
  // A colour of its own ends the following.
  L->SetColor(clLime);
  P->SetColor(clRed);
  EXPECT_FALSE(L->GetParentColor());
  EXPECT_EQ(PaintedPixel(L, L->GetWidth() - 1, 0), Rgb(clLime));
}

TEST_F(LabelTest, TransparentLabelLetsTheParentShow) {
  TLabel* L = MakeLabel("Tekst");
  L->SetColor(clRed);
  EXPECT_EQ(PaintedPixel(L, L->GetWidth() - 1, 0), Rgb(clRed));
  L->SetTransparent(true);
  EXPECT_TRUE(L->GetTransparent());
  EXPECT_EQ(PaintedPixel(L, L->GetWidth() - 1, 0), Rgb(clWhite));
}

TEST_F(LabelTest, TextIsDrawnInTheFontColourOrEmbossedWhenDisabled) {
  TLabel* L = MakeLabel("MMMM");
  L->GetFont()->SetHeight(-32);
  L->GetFont()->SetColor(clBlue);
  L->SetColor(clWhite);
  Desk->PumpUntilIdle();
  TRect Area = ScreenBounds(L);
  EXPECT_GT(CountPixels(*Desk, Area, Rgb(clBlue)), 20);
  L->SetEnabled(false);
  Desk->PumpUntilIdle();
  EXPECT_EQ(CountPixels(*Desk, Area, Rgb(clBlue)), 0);
  EXPECT_GT(CountPixels(*Desk, Area, Rgb(clBtnShadow)), 20);
  // The highlight copy shows one pixel right of and below the shadow
  // (the label's white ground would hide a white highlight).
  L->SetColor(clBlack);
  Desk->PumpUntilIdle();
  EXPECT_GT(CountPixels(*Desk, Area, Rgb(clBtnHighlight)), 5);
}

TEST_F(LabelTest, LayoutAndAlignmentPlaceTheText) {
  TLabel* L = MakeLabel("Hi");
  const int TextHeight = L->GetHeight(), TextWidth = L->GetWidth();
  L->SetAutoSize(false);
  L->SetColor(clWhite);
  L->SetBounds(20, 20, 100, 60);
  struct {
    TTextLayout Layout;
    TAlignment Alignment;
    int DX, DY; // where the text's box starts
  } const Cases[] = {
      {tlTop, taLeftJustify, 0, 0},
      {tlBottom, taLeftJustify, 0, 60 - TextHeight},
      {tlCenter, taLeftJustify, 0, (60 - TextHeight) / 2},
      {tlTop, taRightJustify, 100 - TextWidth, 0},
      {tlCenter, taCenter, (100 - TextWidth) / 2, (60 - TextHeight) / 2},
  };
  L->SetLayout(tlTop);
  L->SetAlignment(taLeftJustify);
  Desk->PumpUntilIdle();
  const TRect Reference = Ink(L);
  for (const auto& Case : Cases) {
    L->SetLayout(Case.Layout);
    L->SetAlignment(Case.Alignment);
    Desk->PumpUntilIdle();
    TRect Box = Ink(L);
    EXPECT_EQ(Box.Left - Reference.Left, Case.DX) << int(Case.Layout) << int(Case.Alignment);
    EXPECT_EQ(Box.Top - Reference.Top, Case.DY) << int(Case.Layout) << int(Case.Alignment);
  }
}

TEST_F(LabelTest, ValuesThatNameNothingAreIgnored) {
  TLabel* L = MakeLabel("Tekst");
  TLabel::StaticClass().FindProperty("Alignment")->SetOrd(L, 9);
  TLabel::StaticClass().FindProperty("Layout")->SetOrd(L, 200);
  EXPECT_EQ(L->GetAlignment(), taLeftJustify);
  EXPECT_EQ(L->GetLayout(), tlTop);
  Desk->PumpUntilIdle();
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl) {
  auto* Bar = Create<TScrollBar>(Host);
  Bar->SetBounds(20, 100, 121, 16);
  Bar->SetParent(Host);
  TLabel* L = MakeLabel("&Posisjon");
  L->SetFocusControl(Bar);
  SetActiveWindow(Host->GetHandle());
  EXPECT_EQ(L->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_FALSE(Bar->Focused());
  EXPECT_EQ(L->Perform(CM_DIALOGCHAR, 'p', 0), 1);
  EXPECT_TRUE(Bar->Focused());
  // Without the accelerator marking, or with the control gone, nothing.
  L->SetShowAccelChar(false);
  EXPECT_EQ(L->Perform(CM_DIALOGCHAR, 'P', 0), 0);
  L->SetShowAccelChar(true);
  Bar->Free();
  EXPECT_EQ(L->GetFocusControl(), nullptr);
  EXPECT_EQ(L->Perform(CM_DIALOGCHAR, 'P', 0), 0);
}

} // namespace
