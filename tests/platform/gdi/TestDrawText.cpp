// DrawText: prefixes, alignment, wrapping, tabs, DT_CALCRECT and
// clipping.
#include "TextTestSupport.h"

#include <climits>
#include <string>

using namespace texttest;

namespace {

// The rectangle DT_CALCRECT gives for Text starting from R.
TRect Calc(TTextSurface& S, const char* Text, UINT Format, TRect R = {0, 0, 0, 0},
           int* Height = nullptr) {
  int H = DrawText(S.DC, Text, -1, &R, Format | DT_CALCRECT);
  if (Height) *Height = H;
  return R;
}

LONG CalcWidth(TTextSurface& S, const char* Text, UINT Format = DT_SINGLELINE) {
  return Calc(S, Text, Format).Right;
}

class DrawTextTest : public ::testing::Test {
protected:
  DrawTextTest() : S(300, 120) {
    S.Use(-13, "Tahoma");
    LineHeight = S.Metrics().tmHeight;
  }
  TTextSurface S;
  LONG LineHeight;
};

TEST_F(DrawTextTest, PrefixesAreNotMeasured) {
  EXPECT_EQ(CalcWidth(S, "&File"), S.Extent("File").cx);
  EXPECT_EQ(CalcWidth(S, "&File", 0), S.Extent("File").cx);
  EXPECT_EQ(CalcWidth(S, "A&&B"), S.Extent("A&B").cx);
  EXPECT_EQ(CalcWidth(S, "File&"), S.Extent("File").cx) << "a lone trailing & is dropped";
  EXPECT_EQ(CalcWidth(S, "&File", DT_SINGLELINE | DT_NOPREFIX), S.Extent("&File").cx);
  EXPECT_EQ(CalcWidth(S, "&File", DT_SINGLELINE | DT_HIDEPREFIX), S.Extent("File").cx);
}

TEST_F(DrawTextTest, AcceleratorIsUnderlinedUnderItsCharacter) {
  TRect R{10, 10, 200, 40};
  DrawText(S.DC, "F&ile", -1, &R, DT_SINGLELINE);
  const LONG Start = 10 + S.Extent("F").cx, End = 10 + S.Extent("Fi").cx;
  // Below the baseline only the underline has ink: "File" has no descenders.
  const int Baseline = 10 + S.Metrics().tmAscent;
  int Row = -1;
  for (int Y = Baseline; Y < 10 + LineHeight && Row < 0; ++Y)
    for (int X = 0; X < S.Width(); ++X)
      if (S.At(X, Y) == kInk) Row = Y;
  ASSERT_GE(Row, Baseline);
  for (int X = 0; X < S.Width(); ++X) EXPECT_EQ(S.At(X, Row) == kInk, X >= Start && X < End) << X;
}

TEST_F(DrawTextTest, HiddenAndOnlyPrefixes) {
  TRect R{10, 10, 200, 40};
  DrawText(S.DC, "File", -1, &R, DT_SINGLELINE);
  const auto Plain = S.Pixels();
  S.Clear();
  DrawText(S.DC, "F&ile", -1, &R, DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_EQ(S.Pixels(), Plain);

  S.Clear();
  DrawText(S.DC, "F&ile", -1, &R, DT_SINGLELINE | DT_PREFIXONLY);
  TRect Box = S.InkBox();
  EXPECT_EQ(Box.Left, 10 + S.Extent("F").cx);
  EXPECT_EQ(Box.Right, 10 + S.Extent("Fi").cx);
  EXPECT_GE(Box.Top, 10 + S.Metrics().tmAscent) << "no glyphs, only the mark";
}

struct THorizontalCase {
  UINT Format;
  int Kind; // 0 left, 1 centre, 2 right
};
void PrintTo(const THorizontalCase& C, std::ostream* Os) { *Os << "format " << C.Format; }

class DrawTextAlign : public DrawTextTest, public ::testing::WithParamInterface<THorizontalCase> {};

TEST_P(DrawTextAlign, PlacesTheLineInTheRectangle) {
  SetBkMode(S.DC, OPAQUE);
  TRect R{21, 10, 280, 100};
  const LONG W = S.Extent("Caption").cx;
  EXPECT_EQ(DrawText(S.DC, "Caption", 7, &R, GetParam().Format), LineHeight);
  LONG Left = GetParam().Kind == 0 ? 21 : GetParam().Kind == 1 ? (21 + 280 - W) / 2 : 280 - W;
  EXPECT_EQ(S.InkBox(), (TRect{Left, 10, Left + W, 10 + LineHeight}));
}

INSTANTIATE_TEST_SUITE_P(Horizontal, DrawTextAlign,
                         ::testing::Values(THorizontalCase{DT_LEFT, 0},
                                           THorizontalCase{DT_CENTER, 1},
                                           THorizontalCase{DT_RIGHT, 2},
                                           THorizontalCase{DT_RIGHT | DT_RTLREADING, 2},
                                           THorizontalCase{DT_CENTER | DT_SINGLELINE, 1}));

TEST_F(DrawTextTest, VerticalAlignmentOfASingleLine) {
  SetBkMode(S.DC, OPAQUE);
  TRect R{10, 10, 200, 81};
  const LONG Top = (10 + 81 - LineHeight) / 2;
  EXPECT_EQ(DrawText(S.DC, "Mid", 3, &R, DT_SINGLELINE | DT_VCENTER), Top + LineHeight - 10)
      << "the offset to the bottom of the text";
  EXPECT_EQ(S.InkBox().Top, Top);

  S.Clear();
  EXPECT_EQ(DrawText(S.DC, "Low", 3, &R, DT_SINGLELINE | DT_BOTTOM), 81 - 10);
  EXPECT_EQ(S.InkBox().Bottom, 81);
  EXPECT_EQ(S.InkBox().Top, 81 - LineHeight);

  S.Clear();
  EXPECT_EQ(DrawText(S.DC, "Top", 3, &R, DT_VCENTER), LineHeight) << "needs DT_SINGLELINE";
  EXPECT_EQ(S.InkBox().Top, 10);
}

TEST_F(DrawTextTest, WordWrapBreaksAtSpaces) {
  const LONG Two = S.Extent("xx xx").cx;
  int Height;
  TRect R = Calc(S, "xx xx xx xx xx", DT_WORDBREAK, TRect{0, 0, Two, 0}, &Height);
  EXPECT_EQ(Height, 3 * LineHeight);
  EXPECT_EQ(R, (TRect{0, 0, Two, 3 * LineHeight})) << "the width is kept";
  R = Calc(S, "xx xx xx xx xx", DT_WORDBREAK, TRect{0, 0, Two - 1, 0}, &Height);
  EXPECT_EQ(Height, 5 * LineHeight);
  R = Calc(S, "xx xx xx xx xx", DT_WORDBREAK | DT_SINGLELINE, TRect{0, 0, Two, 0}, &Height);
  EXPECT_EQ(Height, LineHeight);
}

TEST_F(DrawTextTest, AWordWiderThanTheRectangleStaysWhole) {
  const LONG Long = S.Extent("unbreakable").cx;
  int Height;
  TRect R = Calc(S, "a unbreakable b", DT_WORDBREAK, TRect{5, 5, 25, 5}, &Height);
  EXPECT_EQ(Height, 3 * LineHeight);
  EXPECT_EQ(R, (TRect{5, 5, 5 + Long, 5 + 3 * LineHeight}));
}

TEST_F(DrawTextTest, WrappedLinesAreDrawnOnSeparateRows) {
  SetBkMode(S.DC, OPAQUE);
  const LONG Two = S.Extent("ab cd").cx;
  TRect R{0, 0, Two + 2, 100};
  EXPECT_EQ(DrawText(S.DC, "ab cd ef", -1, &R, DT_WORDBREAK), 2 * LineHeight);
  EXPECT_EQ(S.InkBox(), (TRect{0, 0, Two, 2 * LineHeight}));
  for (int X = S.Extent("ef").cx; X < Two; ++X)
    EXPECT_FALSE(S.Marked(X, LineHeight + 1)) << "second line holds only \"ef\"";
}

TEST_F(DrawTextTest, ExplicitLineBreaks) {
  int Height;
  Calc(S, "a\nb\r\nc\rd", 0, {}, &Height);
  EXPECT_EQ(Height, 4 * LineHeight);
  Calc(S, "a\n", 0, {}, &Height);
  EXPECT_EQ(Height, LineHeight) << "a final break opens no line";
  Calc(S, "a\n\nb", 0, {}, &Height);
  EXPECT_EQ(Height, 3 * LineHeight);
  TRect R = Calc(S, "a\nbbbb\ncc", 0);
  EXPECT_EQ(R.Right, S.Extent("bbbb").cx) << "the widest line";
  R = Calc(S, "ab\r\ncd", DT_SINGLELINE, {}, &Height);
  EXPECT_EQ(Height, LineHeight);
  EXPECT_EQ(R.Right, S.Extent("abcd").cx);
}

TEST_F(DrawTextTest, CalcRectSizesWithoutDrawing) {
  int Height;
  TRect R = Calc(S, "Measure me", DT_SINGLELINE, TRect{7, 9, 500, 500}, &Height);
  EXPECT_EQ(R, (TRect{7, 9, 7 + S.Extent("Measure me").cx, 9 + LineHeight}));
  EXPECT_EQ(Height, LineHeight);
  EXPECT_EQ(S.CountMarked(), 0);

  TRect Wide{0, 0, 250, 0};
  R = Calc(S, "short words", DT_WORDBREAK, Wide, &Height);
  EXPECT_EQ(R, (TRect{0, 0, S.Extent("short words").cx, LineHeight})) << "narrowed to the text";

  R = Calc(S, "x", DT_EXTERNALLEADING, {}, &Height);
  EXPECT_EQ(Height, LineHeight + S.Metrics().tmExternalLeading);
}

TEST_F(DrawTextTest, WrappedCalcRectTakesTheWidestLine) {
  const LONG Two = S.Extent("xx xx").cx;
  int Height;
  TRect R = Calc(S, "xx xx xx xx xx", DT_WORDBREAK, TRect{4, 6, 4 + Two + 5, 0}, &Height);
  EXPECT_EQ(Height, 3 * LineHeight);
  EXPECT_EQ(R, (TRect{4, 6, 4 + Two, 6 + 3 * LineHeight}));
  R = Calc(S, "xx\nxx xx", DT_WORDBREAK, TRect{0, 0, 200, 0});
  EXPECT_EQ(R.Right, Two);
}

TEST_F(DrawTextTest, EmptyTextHasNoLine) {
  int Height = -1;
  TRect R = Calc(S, "", 0, TRect{3, 4, 90, 90}, &Height);
  EXPECT_EQ(R, (TRect{3, 4, 3, 4}));
  EXPECT_EQ(Height, 0);
  R = TRect{3, 4, 90, 90};
  EXPECT_EQ(DrawText(S.DC, "abc", 0, &R, DT_CALCRECT | DT_WORDBREAK), 0);
  EXPECT_EQ(R, (TRect{3, 4, 3, 4}));
  for (const char* Nothing : {"", "&", "\r\n"}) {
    R = Calc(S, Nothing, DT_SINGLELINE, TRect{3, 4, 90, 90}, &Height);
    EXPECT_EQ(R, (TRect{3, 4, 3, 4})) << '"' << Nothing << "\" shows nothing";
    EXPECT_EQ(Height, 0);
  }
  R = Calc(S, " ", DT_SINGLELINE, TRect{3, 4, 90, 90}, &Height);
  EXPECT_EQ(Height, LineHeight) << "a blank is one line high";
  Calc(S, "\n", 0, {}, &Height);
  EXPECT_EQ(Height, LineHeight) << "a line break ends an empty line";

  SetBkMode(S.DC, OPAQUE);
  R = TRect{10, 10, 200, 100};
  EXPECT_EQ(DrawText(S.DC, "", -1, &R, 0), 0);
  EXPECT_EQ(S.CountMarked(), 0);
}

TEST_F(DrawTextTest, RotatedLinesShowWhereverTheyReachTheRectangle) {
  const char* Text = "Alpha\nBravo\nCharlie\nDelta";
  for (LONG Escapement : {900, 1800, -900, 450}) {
    LOGFONTA Lf = Describe(-13, "Tahoma");
    Lf.lfEscapement = Escapement;
    S.Use(Lf);
    // Each line turns about its start; clipping keeps what lies in the
    // rectangle, whichever line it belongs to.
    TRect R{60, 40, 240, 70};
    S.Clear();
    DrawText(S.DC, Text, -1, &R, DT_CENTER | DT_NOCLIP);
    const auto Free = S.Pixels();
    S.Clear();
    DrawText(S.DC, Text, -1, &R, DT_CENTER);
    const auto Clipped = S.Pixels();
    int Inside = 0;
    for (int Y = 0; Y < S.Height(); ++Y)
      for (int X = 0; X < S.Width(); ++X) {
        const std::size_t I = std::size_t(Y) * std::size_t(S.Width()) + std::size_t(X);
        const bool In = X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
        ASSERT_EQ(Clipped[I], In ? Free[I] : kWhite) << Escapement << " at " << X << "," << Y;
        Inside += In && Free[I] != kWhite;
      }
    EXPECT_GT(Inside, 0) << Escapement;
  }
}

TEST_F(DrawTextTest, TabsExpandToStops) {
  const LONG Ave = S.Metrics().tmAveCharWidth;
  EXPECT_EQ(CalcWidth(S, "a\tb", DT_EXPANDTABS), 8 * Ave + S.Extent("b").cx);
  EXPECT_EQ(CalcWidth(S, "a\t\tb", DT_EXPANDTABS), 16 * Ave + S.Extent("b").cx);
  SetBkMode(S.DC, OPAQUE);
  TRect R{10, 10, 290, 100};
  DrawText(S.DC, "\tI", -1, &R, DT_EXPANDTABS);
  EXPECT_EQ(S.InkBox(), (TRect{10, 10, 10 + 8 * Ave + S.Extent("I").cx, 10 + LineHeight}));
  // The tab size takes the flag bits of DT_CALCRECT and DT_NOCLIP, so this
  // draws, and clips, although 0x400 and 0x100 are set.
  S.Clear();
  TRect Narrow{10, 10, 10 + 5 * Ave + 2, 100};
  DrawText(S.DC, "\tI", -1, &Narrow, DT_EXPANDTABS | DT_TABSTOP | (5 << 8));
  EXPECT_EQ(S.InkBox(), (TRect{10, 10, 10 + 5 * Ave + 2, 10 + LineHeight}));
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip) {
  TRect R{10, 10, 40, 20};
  DrawText(S.DC, "Clipped text", -1, &R, DT_SINGLELINE);
  TRect Box = S.InkBox();
  EXPECT_GE(Box.Left, 10);
  EXPECT_LE(Box.Right, 40);
  EXPECT_LE(Box.Bottom, 20);
  EXPECT_GT(S.CountMarked(), 0);

  S.Clear();
  DrawText(S.DC, "Clipped text", -1, &R, DT_SINGLELINE | DT_NOCLIP);
  Box = S.InkBox();
  EXPECT_GT(Box.Right, 40);
  EXPECT_GT(Box.Bottom, 20);
}

TEST_F(DrawTextTest, EndEllipsisShortensWhatDoesNotFit) {
  const LONG Width = S.Extent("Long caption").cx / 2;
  TRect R{0, 0, Width, 20};
  TRect C = Calc(S, "Long caption", DT_SINGLELINE | DT_END_ELLIPSIS, R);
  EXPECT_LE(C.Right, Width);
  EXPECT_GE(C.Right, S.Extent("...").cx);
  DrawText(S.DC, "Long caption", -1, &R, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  EXPECT_LE(S.InkBox().Right, Width);
  C = Calc(S, "Fits", DT_SINGLELINE | DT_END_ELLIPSIS, TRect{0, 0, 100, 20});
  EXPECT_EQ(C.Right, S.Extent("Fits").cx) << "text that fits is left alone";
}

TEST_F(DrawTextTest, LengthsAndBadInput) {
  TRect R{0, 0, 100, 30};
  EXPECT_EQ(DrawText(nullptr, "x", 1, &R, 0), 0);
  EXPECT_EQ(DrawText(S.DC, nullptr, 1, &R, 0), 0);
  EXPECT_EQ(DrawText(S.DC, "x", 1, nullptr, 0), 0);
  HDC Stale = CreateCompatibleDC(nullptr);
  DeleteDC(Stale);
  EXPECT_EQ(DrawText(Stale, "x", 1, &R, 0), 0);
  EXPECT_EQ(S.CountMarked(), 0);

  EXPECT_EQ(CalcWidth(S, "abcdef"), S.Extent("abcdef").cx);
  TRect A{0, 0, 0, 0}, B{0, 0, 0, 0};
  DrawText(S.DC, "abcdef", 3, &A, DT_CALCRECT);
  DrawText(S.DC, "abcdef", INT_MAX, &B, DT_CALCRECT);
  EXPECT_EQ(A.Right, S.Extent("abc").cx);
  EXPECT_EQ(B.Right, S.Extent("abcdef").cx);
  EXPECT_EQ(DrawText(S.DC, "x", -7, &A, DT_CALCRECT), LineHeight);
}

TEST_F(DrawTextTest, RotatedFontTurnsEachLineAboutItsStart) {
  LOGFONTA Lf = Describe(-13, "Tahoma");
  Lf.lfEscapement = 900;
  S.Use(Lf);
  SetBkMode(S.DC, OPAQUE);
  TRect R{50, 100, 250, 120};
  DrawText(S.DC, "Up", -1, &R, DT_SINGLELINE | DT_NOCLIP);
  const SIZE E = S.Extent("Up");
  EXPECT_EQ(S.InkBox(), (TRect{50, 100 - E.cx, 50 + E.cy, 100}));
}

} // namespace
