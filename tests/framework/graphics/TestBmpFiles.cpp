#include "GraphicsTestSupport.h"

#include "framework/graphics/Bitmap.h"
#include "framework/runtime/Exceptions.h"
#include "support/TestRandom.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {


std::vector<std::uint8_t> Saved(TBitmap& B) {
  TMemoryStream S;
  B.SaveToStream(S);
  return std::vector<std::uint8_t>(S.Memory(), S.Memory() + S.GetSize());
}

void Load(TBitmap& B, const std::vector<std::uint8_t>& Bytes) {
  TMemoryStream S;
  FillStream(S, Bytes);
  B.LoadFromStream(S);
}

struct TPixelCheck {
  int X, Y;
  COLORREF Color;
};

struct TFixture {
  const char* Name;
  int Width, Height;
  TPixelFormat Format;
  std::vector<TPixelCheck> Pixels;
};

TEST(BmpFiles, ReadsEveryLayoutOfTheFixtures) {
  const TFixture Fixtures[] = {
      {"rgb24.bmp",
       5,
       3,
       pf24bit,
       {{0, 0, RGB(0, 0, 200)}, {4, 2, RGB(200, 160, 200)}, {2, 1, RGB(100, 80, 200)}}},
      {"top32.bmp", 3, 2, pf32bit, {{0, 0, RGB(10, 20, 30)}, {2, 1, RGB(12, 21, 30)}}},
      {"bf565.bmp", 4, 2, pf32bit, {{0, 0, Red}, {1, 1, Red}, {1, 0, Lime}, {3, 1, Lime}}},
      {"rgb555.bmp", 4, 2, pf15bit, {{0, 0, Red}, {1, 1, Red}, {1, 0, Lime}, {3, 1, Lime}}},
      {"core1.bmp",
       10,
       2,
       pf1bit,
       {{0, 0, RGB(0, 0, 0)}, {1, 0, White}, {0, 1, White}, {9, 1, RGB(0, 0, 0)}}},
      {"v5.bmp",
       2,
       2,
       pf32bit,
       {{0, 0, RGB(1, 2, 3)}, {1, 0, RGB(4, 5, 6)}, {1, 1, RGB(10, 11, 12)}}},
      {"rle8.bmp",
       6,
       4,
       pf8bit,
       {{0, 0, RGB(7, 7, 7)},
        {5, 0, RGB(7, 7, 7)},
        {1, 1, RGB(0, 0, 0)},
        {2, 1, RGB(5, 5, 5)},
        {3, 1, RGB(5, 5, 5)},
        {4, 1, RGB(0, 0, 0)},
        {3, 2, RGB(0, 0, 0)},
        {2, 3, RGB(1, 1, 1)},
        {3, 3, RGB(2, 2, 2)},
        {5, 3, RGB(4, 4, 4)}}},
      {"rle4.bmp",
       6,
       2,
       pf4bit,
       {{0, 0, RGB(48, 48, 48)},
        {3, 0, RGB(96, 96, 96)},
        {4, 0, RGB(0, 0, 0)},
        {0, 1, RGB(16, 16, 16)},
        {5, 1, RGB(32, 32, 32)}}},
  };
  for (const TFixture& F : Fixtures) {
    TBitmap B;
    TMemoryStream S;
    FillStream(S, ReadFixture(F.Name));
    B.LoadFromStream(S);
    EXPECT_EQ(S.GetPosition(), S.GetSize()) << F.Name;
    EXPECT_EQ(B.GetWidth(), F.Width) << F.Name;
    EXPECT_EQ(B.GetHeight(), F.Height) << F.Name;
    EXPECT_EQ(B.GetPixelFormat(), F.Format) << F.Name;
    for (const TPixelCheck& P : F.Pixels)
      EXPECT_EQ(PixelOf(B, P.X, P.Y), P.Color) << F.Name << " at " << P.X << "," << P.Y;
  }
}

TEST(BmpFiles, EveryFormatSurvivesARoundTrip) {
  for (TPixelFormat Format : {pf1bit, pf4bit, pf8bit, pf15bit, pf24bit, pf32bit}) {
    TBitmap A;
    A.SetPixelFormat(Format);
    A.SetSize(7, 5);
    A.GetCanvas()->GetBrush()->SetColor(clRed);
    A.GetCanvas()->FillRect(Rect(0, 0, 3, 2));
    A.GetCanvas()->SetPixels(6, 4, clBlack);
    std::vector<std::uint8_t> Bytes = Saved(A);
    ASSERT_GE(Bytes.size(), 54u);
    EXPECT_EQ(Bytes[0], 'B');
    EXPECT_EQ(Bytes[1], 'M');
    std::uint32_t Size;
    std::memcpy(&Size, &Bytes[2], 4);
    EXPECT_EQ(Size, Bytes.size());
    TBitmap B;
    Load(B, Bytes);
    EXPECT_EQ(B.GetPixelFormat(), Format);
    for (int Y = 0; Y < 5; ++Y)
      for (int X = 0; X < 7; ++X)
        EXPECT_EQ(PixelOf(B, X, Y), PixelOf(A, X, Y)) << int(Format) << " " << X << "," << Y;
    EXPECT_EQ(Saved(B), Bytes) << int(Format);
  }
  TBitmap Empty;
  EXPECT_TRUE(Saved(Empty).empty());
}

TEST(BmpFiles, LoadingStopsAtTheEndOfTheImage) {
  TBitmap A;
  A.SetSize(3, 3);
  TMemoryStream S;
  A.SaveToStream(S);
  std::int64_t End = S.GetPosition();
  S.WriteBuffer("tail", 4);
  S.SetPosition(0);
  TBitmap B;
  B.LoadFromStream(S);
  EXPECT_EQ(S.GetPosition(), End);
}

TEST(BmpFiles, MalformedFilesAreRefusedAndChangeNothing) {
  const char* Bad[] = {"empty.bmp",
                       "magic.bmp",
                       "file_header_only.bmp",
                       "truncated_header.bmp",
                       "truncated_pixels.bmp",
                       "zero_width.bmp",
                       "negative_width.bmp",
                       "zero_height.bmp",
                       "huge_width.bmp",
                       "huge_image.bmp",
                       "depth7.bmp",
                       "planes2.bmp",
                       "compression9.bmp",
                       "rle8_24bit.bmp",
                       "rle8_topdown.bmp",
                       "colors_used_1000.bmp",
                       "offset_past_end.bmp",
                       "offset_inside_header.bmp",
                       "header_size_39.bmp",
                       "table_truncated.bmp"};
  for (const char* Name : Bad) {
    TBitmap B;
    B.SetSize(2, 2);
    B.GetCanvas()->SetPixels(0, 0, clRed);
    TListener L;
    B.OnChange = L.Event();
    TMemoryStream S;
    FillStream(S, ReadFixture(std::string("bad/") + Name));
    try {
      B.LoadFromStream(S);
      ADD_FAILURE() << Name;
    } catch (const EInvalidGraphic& E) {
      EXPECT_EQ(E.Message(), "Bitmap image is not valid") << Name;
    }
    EXPECT_EQ(S.GetPosition(), 0) << Name;
    EXPECT_EQ(L.Count, 0) << Name;
    EXPECT_EQ(B.GetWidth(), 2) << Name;
    EXPECT_EQ(PixelOf(B, 0, 0), Red) << Name;
  }
}

// Every prefix and many random corruptions of valid files either load or
// are refused with EInvalidGraphic; nothing else may happen.
TEST(BmpFiles, DamagedFilesNeverCrash) {
  TTestRandom Random(0xB17B17);
  for (const char* Name :
       {"rgb24.bmp", "rle8.bmp", "rle4.bmp", "bf565.bmp", "core1.bmp", "v5.bmp"}) {
    std::vector<std::uint8_t> Good = ReadFixture(Name);
    for (std::size_t N = 0; N < Good.size(); ++N) {
      TBitmap B;
      try {
        Load(B, std::vector<std::uint8_t>(Good.begin(), Good.begin() + std::ptrdiff_t(N)));
      } catch (const EInvalidGraphic&) {
      }
    }
    for (int Round = 0; Round < 300; ++Round) {
      std::vector<std::uint8_t> Bytes = Good;
      int Flips = 1 + int(Random.Below(4));
      for (int I = 0; I < Flips; ++I) {
        std::size_t At = Random.Below(std::min<std::size_t>(Bytes.size(), 80));
        Bytes[At] = std::uint8_t(Random.Below(256));
      }
      TBitmap B;
      try {
        Load(B, Bytes);
        EXPECT_GT(B.GetWidth(), 0);
      } catch (const EInvalidGraphic&) {
      }
    }
  }
}

TEST(BmpFiles, FilesAndFormDataCarryTheSameImage) {
  TBitmap A;
  A.SetSize(4, 2);
  A.GetCanvas()->SetPixels(3, 1, clRed);
  std::string Path = ::testing::TempDir() + "gfx_roundtrip.bmp";
  A.SaveToFile(Path);
  TBitmap B;
  B.LoadFromFile(Path);
  std::remove(Path.c_str());
  EXPECT_EQ(PixelOf(B, 3, 1), Red);
  EXPECT_TRUE(A.Equals(&B));
  B.GetCanvas()->SetPixels(0, 0, clRed);
  EXPECT_FALSE(A.Equals(&B));
  EXPECT_THROW(B.LoadFromFile(Path), EFOpenError);
}

} // namespace
