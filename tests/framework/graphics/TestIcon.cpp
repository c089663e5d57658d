#include "GraphicsTestSupport.h"

#include "framework/classes/Filer.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/runtime/Exceptions.h"
#include "support/TestRandom.h"

#include <string>
#include <vector>

namespace {

constexpr COLORREF Grey = RGB(77, 77, 77);

// The picture of icon16.ico, as its generator describes it.
const COLORREF Vga[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
bool Masked16(int X, int Y) { return X + Y < 8 || X == 31; }
COLORREF Color16(int X, int Y) { return Vga[(X / 8 + (Y / 8) * 4) % 16]; }
// Under the mask the colour is black (transparent), except one white
// pixel that inverts what lies beneath.
bool Inverts16(int X, int Y) { return X == 31 && Y == 31; }
COLORREF Inverted(COLORREF C) { return ~C & 0xFFFFFF; }

std::uint32_t Argb(COLORREF C, std::uint32_t A) {
  return A << 24 | std::uint32_t(GetRValue(C)) << 16 | std::uint32_t(GetGValue(C)) << 8 |
         GetBValue(C);
}

void Load(TIcon& I, const std::vector<std::uint8_t>& Bytes) {
  TMemoryStream S;
  FillStream(S, Bytes);
  I.LoadFromStream(S);
}

TEST(Icon, DecodesTheSixteenColourFixture) {
  TIcon I;
  EXPECT_TRUE(I.Empty());
  EXPECT_TRUE(I.GetTransparent());
  Load(I, ReadFixture("icon16.ico"));
  EXPECT_FALSE(I.Empty());
  EXPECT_EQ(I.GetWidth(), 32);
  EXPECT_EQ(I.GetHeight(), 32);
  EXPECT_EQ(I.BitsPerPixel(), 4);
  int Mismatches = 0;
  for (int Y = 0; Y < 32; ++Y)
    for (int X = 0; X < 32; ++X) {
      std::uint32_t Want = Inverts16(X, Y)  ? Argb(White, 0)
                           : Masked16(X, Y) ? Argb(RGB(0, 0, 0), 0)
                                            : Argb(Color16(X, Y), 255);
      Mismatches += I.ArgbPixel(X, Y) != Want;
    }
  EXPECT_EQ(Mismatches, 0);
  EXPECT_EQ(I.ArgbPixel(32, 0), 0u);
  EXPECT_EQ(I.ArgbPixel(-1, 5), 0u);
}

TEST(Icon, DrawsAtItsSizeHonouringTheMask) {
  TIcon I;
  Load(I, ReadFixture("icon16.ico"));
  TSurface S(40, 40);
  S.Fill(Grey);
  S.Canvas->Draw(4, 4, &I);
  int Mismatches = 0;
  for (int Y = 0; Y < 32; ++Y)
    for (int X = 0; X < 32; ++X)
      Mismatches += S.Pixel(4 + X, 4 + Y) != (Inverts16(X, Y)  ? Inverted(Grey)
                                              : Masked16(X, Y) ? Grey
                                                               : Color16(X, Y));
  EXPECT_EQ(Mismatches, 0);
  EXPECT_EQ(S.Count(Rect(0, 0, 40, 4), Grey), 160);
  EXPECT_EQ(S.Count(Rect(36, 0, 40, 40), Grey), 160);
}

TEST(Icon, ScaledDrawKeepsTheMaskAndTheBands) {
  TIcon I;
  Load(I, ReadFixture("icon16.ico"));
  TSurface S(45, 45);
  S.Fill(Grey);
  S.Canvas->StretchDraw(Rect(2, 2, 43, 43), &I); // 41 x 41
  EXPECT_EQ(S.Pixel(2, 2), Grey);                // masked corner
  EXPECT_EQ(S.Pixel(42, 22), Grey);              // masked last column
  EXPECT_EQ(S.Pixel(42, 42), Inverted(Grey));
  EXPECT_EQ(S.Pixel(17, 17), Color16(12, 12));
  EXPECT_EQ(S.Pixel(41, 42), Color16(30, 31));
  EXPECT_EQ(S.Pixel(2, 42), Color16(0, 31));
  // 67 of the 1024 source pixels are masked: the triangle grows with the
  // area (about 59 pixels), the one-pixel column stays one column (40).
  int Background = S.Count(Rect(2, 2, 43, 43), Grey);
  EXPECT_GE(Background, 90);
  EXPECT_LE(Background, 125);
  // Each 8-pixel band of the source becomes about 10 of the destination.
  int Band = 0;
  for (int X = 2; X < 43; ++X) Band += S.Pixel(X, 30) == Color16(0, 22);
  EXPECT_GE(Band, 10);
  EXPECT_LE(Band, 11);
  EXPECT_EQ(S.Count(Rect(0, 0, 45, 2), Grey), 90); // nothing outside the rectangle
  S.Canvas->StretchDraw(Rect(10, 10, 10, 30), &I); // empty rectangle: nothing
}

TEST(Icon, ChoosesTheImageNearest32AtTheHighestDepth) {
  TIcon I;
  Load(I, ReadFixture("multi.ico"));
  EXPECT_EQ(I.GetWidth(), 32);
  EXPECT_EQ(I.BitsPerPixel(), 8); // not the 4-bit 32x32, nor 16x16 or 48x48
  // multi.ico's 8-bit image: index (x + 3y) % 256 over colours
  // (i * 7 + 1, i * 13, i * 29) mod 256.
  auto Expected = [](int X, int Y) {
    int Index = (X + 3 * Y) % 256;
    return Argb(
        RGB(BYTE((Index * 7 + 1) % 256), BYTE((Index * 13) % 256), BYTE((Index * 29) % 256)), 255);
  };
  EXPECT_EQ(I.ArgbPixel(0, 0), Expected(0, 0));
  EXPECT_EQ(I.ArgbPixel(31, 31), Expected(31, 31));
  EXPECT_EQ(I.ArgbPixel(5, 17), Expected(5, 17));
}

TEST(Icon, AlphaChannelsBlendWhetherBmpOrPng) {
  for (const char* Name : {"alpha32.ico", "png.ico"}) {
    TIcon I;
    Load(I, ReadFixture(Name));
    EXPECT_EQ(I.GetWidth(), 32) << Name;
    EXPECT_EQ(I.BitsPerPixel(), 32) << Name;
    EXPECT_EQ(I.ArgbPixel(0, 5), Argb(RGB(200, 40, 10), 0)) << Name;
    EXPECT_EQ(I.ArgbPixel(31, 5), Argb(RGB(200, 40, 10), 255)) << Name;
    TSurface S(32, 32);
    S.Canvas->Draw(0, 0, &I);
    EXPECT_EQ(S.Pixel(0, 3), White) << Name;
    EXPECT_EQ(S.Pixel(31, 3), RGB(200, 40, 10)) << Name;
    COLORREF Mid = S.Pixel(16, 3); // alpha 131: about half way
    EXPECT_NEAR(GetRValue(Mid), 226, 3) << Name;
    EXPECT_NEAR(GetGValue(Mid), 144, 3) << Name;
    EXPECT_NEAR(GetBValue(Mid), 129, 3) << Name;
  }
}

TEST(Icon, MalformedFilesAreRefusedAndChangeNothing) {
  const char* Bad[] = {"empty.ico",
                       "header_only.ico",
                       "zero_entries.ico",
                       "cursor_type.ico",
                       "truncated_directory.ico",
                       "truncated_image.ico",
                       "huge_count.ico",
                       "offset_past_end.ico",
                       "offset_inside_directory.ico",
                       "zero_size.ico",
                       "size_overflow.ico",
                       "bad_header_size.ico",
                       "absurd_dimensions.ico",
                       "bad_depth.ico",
                       "missing_mask.ico",
                       "bad_png.ico"};
  for (const char* Name : Bad) {
    TIcon I;
    Load(I, ReadFixture("multi.ico"));
    TListener L;
    I.OnChange = L.Event();
    TMemoryStream S;
    FillStream(S, ReadFixture(std::string("bad/") + Name));
    try {
      I.LoadFromStream(S);
      ADD_FAILURE() << Name;
    } catch (const EInvalidGraphic& E) {
      EXPECT_EQ(E.Message(), "Icon image is not valid") << Name;
    }
    EXPECT_EQ(S.GetPosition(), 0) << Name;
    EXPECT_EQ(L.Count, 0) << Name;
    EXPECT_EQ(I.BitsPerPixel(), 8) << Name;
  }
}

TEST(Icon, DamagedFilesNeverCrash) {
  TTestRandom Random(0x1C0);
  for (const char* Name : {"icon16.ico", "multi.ico", "png.ico", "alpha32.ico"}) {
    std::vector<std::uint8_t> Good = ReadFixture(Name);
    for (std::size_t N = 0; N < Good.size(); N += (N < 200 ? 1 : 37)) {
      TIcon I;
      try {
        Load(I, std::vector<std::uint8_t>(Good.begin(), Good.begin() + std::ptrdiff_t(N)));
      } catch (const EInvalidGraphic&) {
      }
    }
    for (int Round = 0; Round < 300; ++Round) {
      std::vector<std::uint8_t> Bytes = Good;
      for (int Flips = 1 + int(Random.Below(4)); Flips > 0; --Flips)
        Bytes[Random.Below(std::min<std::size_t>(Bytes.size(), 140))] =
            std::uint8_t(Random.Below(256));
      TIcon I;
      try {
        Load(I, Bytes);
        TSurface S(8, 8);
        S.Canvas->StretchDraw(Rect(0, 0, 8, 8), &I);
      } catch (const EInvalidGraphic&) {
      }
    }
  }
}

TEST(Icon, SavesTheFileItReadAndReloadsTheSamePixels) {
  std::vector<std::uint8_t> File = ReadFixture("icon16.ico");
  TMemoryStream In;
  FillStream(In, File);
  In.Seek(0, soEnd);
  In.WriteBuffer("after", 5); // the icon ends where its last image does
  In.SetPosition(0);
  TIcon I;
  I.LoadFromStream(In);
  EXPECT_EQ(In.GetPosition(), 766);
  TMemoryStream Out;
  I.SaveToStream(Out);
  ASSERT_EQ(Out.GetSize(), 766);
  EXPECT_EQ(std::vector<std::uint8_t>(Out.Memory(), Out.Memory() + 766), File);
  Out.SetPosition(0);
  TIcon J;
  J.LoadFromStream(Out);
  for (int Y = 0; Y < 32; ++Y)
    for (int X = 0; X < 32; ++X) ASSERT_EQ(J.ArgbPixel(X, Y), I.ArgbPixel(X, Y));
  EXPECT_TRUE(I.Equals(&J));

  TIcon Empty;
  TMemoryStream Nothing;
  Empty.SaveToStream(Nothing);
  EXPECT_EQ(Nothing.GetSize(), 0);
}

TEST(Icon, SizeIsTheImagesAndCannotBeChanged) {
  TIcon I;
  Load(I, ReadFixture("icon16.ico"));
  try {
    I.SetWidth(16);
    ADD_FAILURE();
  } catch (const EInvalidGraphicOperation& E) {
    EXPECT_EQ(E.Message(), "Cannot change the size of an icon");
  }
  EXPECT_THROW(I.SetHeight(64), EInvalidGraphicOperation);
  I.SetWidth(32); // its own size is no change
  EXPECT_EQ(I.GetWidth(), 32);
}

TEST(Icon, AssignCopiesOrEmpties) {
  TIcon A, B;
  Load(A, ReadFixture("icon16.ico"));
  TListener L;
  B.OnChange = L.Event();
  B.Assign(&A);
  EXPECT_EQ(L.Count, 1);
  EXPECT_EQ(B.GetWidth(), 32);
  EXPECT_EQ(B.ArgbPixel(20, 20), A.ArgbPixel(20, 20));
  B.Assign(nullptr);
  EXPECT_TRUE(B.Empty());
  EXPECT_EQ(B.GetWidth(), 0);
  TBitmap Bmp;
  try {
    B.Assign(&Bmp);
    ADD_FAILURE();
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TBitmap to a TIcon");
  }
}

TEST(Icon, FormDataIsTheIconFile) {
  TMemoryStream S;
  FillStream(S, ReadFixture("icon16.ico"));
  TDataFiler Filer(S);
  TIcon I;
  I.DeclareExtraProperties(Filer);
  EXPECT_EQ(Filer.Names, std::vector<std::string>{"Data"});
  EXPECT_EQ(I.GetWidth(), 32);
}

} // namespace
