#include "BitmapTestSupport.h"

#include <climits>

using namespace bmptest;

namespace {

class StretchBltTest : public TGdiTest {};

// Distinct colours for source pixels, and their letters in pictures.
COLORREF Tone(char Letter) {
  return RGB(BYTE((Letter - 'A') * 40), 0x80, BYTE(0xF0 - (Letter - 'A') * 20));
}

void Paint(TTestSurface& S, const std::vector<std::string>& Rows) {
  for (std::size_t Y = 0; Y < Rows.size(); ++Y)
    for (std::size_t X = 0; X < Rows[Y].size(); ++X) S.Set(int(X), int(Y), Tone(Rows[Y][X]));
}

// The surface as letters of Tone, '.' for white, '?' for anything else.
std::vector<std::string> Letters(const TTestSurface& S) {
  std::vector<std::string> Rows;
  for (int Y = 0; Y < S.Height(); ++Y) {
    std::string Row;
    for (int X = 0; X < S.Width(); ++X) {
      char C = S.At(X, Y) == kWhite ? '.' : '?';
      for (char L = 'A'; L <= 'L'; ++L)
        if (S.At(X, Y) == Tone(L)) C = L;
      Row += C;
    }
    Rows.push_back(Row);
  }
  return Rows;
}

TEST_F(StretchBltTest, NearestSamplingScalesMirrorsAndClips) {
  struct TCase {
    const char* Name;
    int X, Y, W, H, Xs, Ys, Ws, Hs;
    std::vector<std::string> Expected;
  } Cases[] = {
      {"2x up", 0, 0, 6, 4, 0, 0, 3, 2, {"AABBCC", "AABBCC", "DDEEFF", "DDEEFF"}},
      {"3 to 5", 0, 0, 5, 1, 0, 0, 3, 1, {"AABCC.", "......", "......", "......"}},
      {"halved: centre samples are the odd pixels",
       0,
       0,
       2,
       1,
       0,
       0,
       4,
       2,
       {"EH....", "......", "......", "......"}},
      {"mirrored destination", 3, 0, -3, 2, 0, 0, 3, 2, {"CBA...", "FED...", "......", "......"}},
      {"mirrored source", 0, 0, 3, 2, 3, 0, -3, 2, {"CBA...", "FED...", "......", "......"}},
      {"both negative", 3, 0, -3, 2, 3, 0, -3, 2, {"ABC...", "DEF...", "......", "......"}},
      {"flipped", 0, 2, 3, -2, 0, 0, 3, 2, {"DEF...", "ABC...", "......", "......"}},
      {"clipped", -1, -1, 6, 4, 0, 0, 3, 2, {"ABBCC.", "DEEFF.", "DEEFF.", "......"}},
      {"source partly outside", 0, 0, 4, 2, -1, 0, 2, 1, {"..AA..", "..AA..", "......", "......"}},
      {"enormous",
       INT_MIN,
       INT_MIN,
       INT_MAX,
       INT_MAX,
       0,
       0,
       3,
       2,
       {"......", "......", "......", "......"}},
  };
  TTestSurface Src(4, 2);
  Paint(Src, {"ABCG", "DEFH"});
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestSurface Dst(6, 4);
    EXPECT_TRUE(StretchBlt(Dst.DC, C.X, C.Y, C.W, C.H, Src.DC, C.Xs, C.Ys, C.Ws, C.Hs, SRCCOPY));
    EXPECT_EQ(Letters(Dst), C.Expected);
  }
}

TEST_F(StretchBltTest, HalftoneAveragesWhatItShrinks) {
  TTestSurface Src(4, 1);
  Src.Set(0, 0, kBlack);
  Src.Set(1, 0, kWhite);
  Src.Set(2, 0, kRed);
  Src.Set(3, 0, kRed);
  TTestSurface Dst(2, 1);
  EXPECT_EQ(SetStretchBltMode(Dst.DC, HALFTONE), BLACKONWHITE);
  ASSERT_TRUE(StretchBlt(Dst.DC, 0, 0, 2, 1, Src.DC, 0, 0, 4, 1, SRCCOPY));
  EXPECT_EQ(Dst.At(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(Dst.At(1, 0), kRed);
  SetStretchBltMode(Dst.DC, COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(Dst.DC, 0, 0, 2, 1, Src.DC, 0, 0, 4, 1, SRCCOPY));
  EXPECT_EQ(Dst.At(0, 0), kWhite);
}

TEST_F(StretchBltTest, StretchedMonochromeTakesTheDestinationColours) {
  TBitmapDC Glyph(MonoBitmap({"#.", ".#"}));
  TTestSurface Dst(4, 4);
  SetTextColor(Dst.DC, kRed);
  SetBkColor(Dst.DC, kBlue);
  ASSERT_TRUE(StretchBlt(Dst.DC, 0, 0, 4, 4, Glyph.DC, 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(Dst.Picture(kRed, kBlue), (std::vector<std::string>{"##..", "##..", "..##", "..##"}));
}

TEST_F(StretchBltTest, TransparentBltStretchesAndSkipsTheKeyColour) {
  TTestSurface Src(2, 1);
  Src.Set(1, 0, kRed);
  TTestSurface Dst(4, 2, kBlue);
  ASSERT_TRUE(TransparentBlt(Dst.DC, 0, 0, 4, 2, Src.DC, 0, 0, 2, 1, kWhite));
  EXPECT_EQ(Dst.Picture(kRed, kBlue), (std::vector<std::string>{"..##", "..##"}));
  for (int W : {0, -4}) {
    EXPECT_FALSE(TransparentBlt(Dst.DC, 0, 0, W, 2, Src.DC, 0, 0, 2, 1, kWhite));
    EXPECT_FALSE(TransparentBlt(Dst.DC, 0, 0, 4, 2, Src.DC, 0, 0, W, 1, kWhite));
  }
  EXPECT_FALSE(TransparentBlt(Dst.DC, 0, 0, 4, 2, nullptr, 0, 0, 2, 1, kWhite));
}

// A 2x3 picture "AB" over "CD" over "EF", as bottom-up or top-down rows.
struct TDibPicture {
  TDibInfo Info;
  DWORD Pixels[6];
  explicit TDibPicture(bool TopDown) : Info(2, TopDown ? -3 : 3, 32) {
    const char Order[] = "ABCDEF";
    for (int Row = 0; Row < 3; ++Row)
      for (int X = 0; X < 2; ++X) {
        int Stored = TopDown ? Row : 2 - Row;
        Pixels[Stored * 2 + X] = ColorRefToRgb32(Tone(Order[Row * 2 + X]));
      }
  }
};

TEST_F(StretchBltTest, StretchDIBitsMeasuresBottomUpSourcesFromTheLowerLeft) {
  struct TCase {
    const char* Name;
    bool TopDown;
    int X, W, Ys, Hs;
    std::vector<std::string> Expected;
  } Cases[] = {
      {"bottom-up whole", false, 0, 2, 0, 3, {"AB", "CD", "EF", ".."}},
      {"top-down whole", true, 0, 2, 0, 3, {"AB", "CD", "EF", ".."}},
      {"bottom-up first row", false, 0, 2, 0, 1, {"EF", "..", "..", ".."}},
      {"top-down first row", true, 0, 2, 0, 1, {"AB", "..", "..", ".."}},
      {"bottom-up upper rows", false, 0, 2, 1, 2, {"AB", "CD", "..", ".."}},
      {"top-down lower rows", true, 0, 2, 1, 2, {"CD", "EF", "..", ".."}},
      {"mirrored", false, 2, -2, 0, 3, {"BA", "DC", "FE", ".."}},
      {"flipped", false, 0, 2, 3, -3, {"EF", "CD", "AB", ".."}},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TDibPicture P(C.TopDown);
    TTestSurface Dst(2, 4);
    int Hd = C.Hs < 0 ? -C.Hs : C.Hs;
    EXPECT_EQ(StretchDIBits(Dst.DC, C.X, 0, C.W, Hd, 0, C.Ys, 2, C.Hs, P.Pixels, P.Info.Info(),
                            DIB_RGB_COLORS, SRCCOPY),
              Hd);
    EXPECT_EQ(Letters(Dst), C.Expected);
  }
}

TEST_F(StretchBltTest, StretchDIBitsPaintsIndexedDibsInTheirOwnColours) {
  TDibInfo Info(2, 1, 1);
  Info.SetColor(0, kRed);
  Info.SetColor(1, kBlue);
  const DWORD Row = 0x40; // pixel 0 is index 0, pixel 1 index 1
  TTestSurface Dst(4, 2);
  SetTextColor(Dst.DC, kGreen);
  ASSERT_EQ(
      StretchDIBits(Dst.DC, 0, 0, 4, 2, 0, 0, 2, 1, &Row, Info.Info(), DIB_RGB_COLORS, SRCCOPY), 1);
  EXPECT_EQ(Dst.Picture(kRed, kBlue), (std::vector<std::string>{"##..", "##.."}));
}

TEST_F(StretchBltTest, StretchDIBitsNeedsBitsOnlyForSourceOperations) {
  TDibInfo Info(2, 2, 32);
  TTestSurface Dst(2, 2);
  TSelected Brush(Dst.DC, CreateSolidBrush(kBlue));
  EXPECT_EQ(StretchDIBits(Dst.DC, 0, 0, 1, 2, 0, 0, 2, 2, nullptr, Info.Info(), 0, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(Dst.DC, 0, 0, 1, 2, 0, 0, 2, 2, nullptr, Info.Info(), 0, PATCOPY), 2);
  EXPECT_EQ(Dst.Picture(kBlue), (std::vector<std::string>{"#.", "#."}));
  const DWORD Pixels[4] = {};
  EXPECT_EQ(StretchDIBits(nullptr, 0, 0, 2, 2, 0, 0, 2, 2, Pixels, Info.Info(), 0, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(Dst.DC, 0, 0, 2, 2, 0, 0, 2, 2, Pixels, nullptr, 0, SRCCOPY), 0);
}

} // namespace
