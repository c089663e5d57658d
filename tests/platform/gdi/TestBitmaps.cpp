#include "BitmapTestSupport.h"

#include <climits>

using namespace bmptest;

namespace {

class BitmapsTest : public TGdiTest {};

struct TFormat {
  const char* Name;
  int Bpp;
  DWORD Compression;
  DWORD Masks[3];
};

const TFormat kFormats[] = {
    {"1bpp", 1, BI_RGB, {}},
    {"4bpp", 4, BI_RGB, {}},
    {"8bpp", 8, BI_RGB, {}},
    {"16bpp", 16, BI_RGB, {}},
    {"24bpp", 24, BI_RGB, {}},
    {"32bpp", 32, BI_RGB, {}},
    {"16bpp bitfields", 16, BI_BITFIELDS, {0x7C00, 0x03E0, 0x001F}},
    {"32bpp bitfields", 32, BI_BITFIELDS, {0xFF0000, 0x00FF00, 0x0000FF}},
};

TDibInfo InfoFor(const TFormat& F, int W, int H) {
  TDibInfo I(W, H, F.Bpp, F.Compression);
  if (F.Compression == BI_BITFIELDS) I.SetMasks(F.Masks[0], F.Masks[1], F.Masks[2]);
  // Indexed formats get a table of distinct colours, in no particular order.
  for (int C = 0; C < (F.Bpp <= 8 ? 1 << F.Bpp : 0); ++C)
    I.SetColor(C, RGB(BYTE(C * 37), BYTE(255 - C), BYTE(C * 11)));
  return I;
}

// Bytes that are a valid image in F: padding bits and bytes stay zero,
// and 32-bit pixels leave their unused byte zero.
std::vector<BYTE> PatternBytes(const TFormat& F, const TDibInfo& I, int Seed) {
  std::vector<BYTE> Bits(I.ImageSize(), 0);
  int W = I.Header.biWidth, H = I.Header.biHeight < 0 ? -I.Header.biHeight : I.Header.biHeight;
  std::size_t RowBytes = (std::size_t(W) * std::size_t(F.Bpp) + 7) / 8;
  for (int Y = 0; Y < H; ++Y)
    for (std::size_t B = 0; B < RowBytes; ++B) {
      BYTE V = BYTE((Y * 31 + int(B) * 7 + Seed) * 13);
      if (F.Bpp == 32 && B % 4 == 3) V = 0;
      if (F.Bpp == 16 && B % 2 == 1) V &= 0x7F;
      Bits[std::size_t(Y) * I.Stride() + B] = V;
    }
  // Clear the bits past the last pixel of each row's final byte.
  int TailBits = int((std::size_t(W) * std::size_t(F.Bpp)) % 8);
  if (TailBits)
    for (int Y = 0; Y < H; ++Y)
      Bits[std::size_t(Y) * I.Stride() + RowBytes - 1] &= BYTE(0xFF << (8 - TailBits));
  return Bits;
}

TEST_F(BitmapsTest, EveryFormatRoundTripsThroughDibSectionSetAndGetDIBits) {
  for (const TFormat& F : kFormats) {
    SCOPED_TRACE(F.Name);
    for (int Height : {5, -5}) {
      TDibInfo Info = InfoFor(F, 13, Height);
      TDibSurface S(Info);
      ASSERT_NE(S.Bitmap, nullptr);
      std::vector<BYTE> Image = PatternBytes(F, Info, Height);
      EXPECT_EQ(SetDIBits(S.DC, S.Bitmap, 0, 5, Image.data(), Info.Info(), DIB_RGB_COLORS), 5);
      EXPECT_EQ(std::memcmp(S.Bits, Image.data(), Image.size()), 0);

      TDibInfo Out = InfoFor(F, 13, Height);
      std::vector<BYTE> Back(Image.size(), 0xEE);
      EXPECT_EQ(GetDIBits(S.DC, S.Bitmap, 0, 5, Back.data(), Out.Info(), DIB_RGB_COLORS), 5);
      EXPECT_EQ(Back, Image);
      for (int C = 0; C < (F.Bpp <= 8 ? 1 << F.Bpp : 0); ++C)
        EXPECT_EQ(QuadToRgb32(Out.Colors[C]), QuadToRgb32(Info.Colors[C]));
    }
  }
}

TEST_F(BitmapsTest, ColoursConvertBetweenFormats) {
  TDibSurface S(TDibInfo(3, 1, 32));
  S.Set(0, 0, RGB(0x12, 0x34, 0x56));
  S.Set(1, 0, RGB(0xFF, 0x80, 0x00));
  S.Set(2, 0, kWhite);
  TDibInfo Out(3, 1, 24);
  BYTE Rgb24[12] = {};
  ASSERT_EQ(GetDIBits(S.DC, S.Bitmap, 0, 1, Rgb24, Out.Info(), DIB_RGB_COLORS), 1);
  const BYTE Expected24[9] = {0x56, 0x34, 0x12, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::memcmp(Rgb24, Expected24, 9), 0);

  // Asked for bit fields, GetDIBits answers 5-5-5 and reports the masks.
  TDibInfo Fields(3, 1, 16, BI_BITFIELDS);
  WORD Px555[4] = {};
  ASSERT_EQ(GetDIBits(S.DC, S.Bitmap, 0, 1, Px555, Fields.Info(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(Px555[1], WORD((0x1F << 10) | (0x10 << 5)));
  DWORD Masks[3];
  std::memcpy(Masks, Fields.Colors, sizeof Masks);
  EXPECT_EQ(Masks[0], 0x7C00u);
  EXPECT_EQ(Masks[2], 0x001Fu);
  // 5-6-5 is not a layout a DIB section can have here, but it converts.
  WORD Back565[2] = {WORD(0x001F), WORD(0xF800)};
  TDibInfo In565(2, 1, 16, BI_BITFIELDS);
  In565.SetMasks(0xF800, 0x07E0, 0x001F);
  ASSERT_EQ(SetDIBits(S.DC, S.Bitmap, 0, 1, Back565, In565.Info(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(S.At(0, 0), kBlue);
  EXPECT_EQ(S.At(1, 0), kRed);

  TDibInfo Mono(3, 1, 1);
  DWORD MonoRow = 0;
  ASSERT_EQ(GetDIBits(S.DC, S.Bitmap, 0, 1, &MonoRow, Mono.Info(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(MonoRow & 0xE0, 0x20u) << "blue and red are nearer black than white";
  EXPECT_EQ(QuadToRgb32(Mono.Colors[1]), 0xFFFFFFu);
}

TEST_F(BitmapsTest, RowOrderFollowsTheSignOfTheHeight) {
  const DWORD Rows[3] = {0x0000FF, 0x00FF00, 0xFF0000}; // blue, green, red
  TDibInfo Up(1, 3, 32), Down(1, -3, 32);
  TDibSurface A(Up), B(Down);
  ASSERT_EQ(SetDIBits(A.DC, A.Bitmap, 0, 3, Rows, Up.Info(), DIB_RGB_COLORS), 3);
  ASSERT_EQ(SetDIBits(B.DC, B.Bitmap, 0, 3, Rows, Down.Info(), DIB_RGB_COLORS), 3);
  // Bottom-up: the first row in memory is the bottom of the picture.
  EXPECT_EQ(GetPixel(A.DC, 0, 0), kRed);
  EXPECT_EQ(GetPixel(A.DC, 0, 2), kBlue);
  EXPECT_EQ(GetPixel(B.DC, 0, 0), kBlue);
  EXPECT_EQ(GetPixel(B.DC, 0, 2), kRed);
  EXPECT_EQ(std::memcmp(A.Bits, Rows, sizeof Rows), 0);

  DWORD Flipped[3] = {};
  ASSERT_EQ(GetDIBits(A.DC, A.Bitmap, 0, 3, Flipped, Down.Info(), DIB_RGB_COLORS), 3);
  EXPECT_EQ(Flipped[0], 0xFF0000u);
  EXPECT_EQ(Flipped[2], 0x0000FFu);
}

TEST_F(BitmapsTest, ScanLinesCountFromTheBottomOfABottomUpDib) {
  TDibSurface S(TDibInfo(1, 4, 32));
  S.Clear(kWhite);
  const DWORD Two[2] = {0x0000FF, 0xFF0000};
  TDibInfo Up(1, 4, 32);
  ASSERT_EQ(SetDIBits(S.DC, S.Bitmap, 1, 2, Two, Up.Info(), DIB_RGB_COLORS), 2);
  EXPECT_EQ(S.At(0, 3), kWhite);
  EXPECT_EQ(S.At(0, 2), kBlue);
  EXPECT_EQ(S.At(0, 1), kRed);
  EXPECT_EQ(S.At(0, 0), kWhite);
  DWORD Out[4] = {};
  EXPECT_EQ(GetDIBits(S.DC, S.Bitmap, 3, 5, Out, Up.Info(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(Out[0], 0xFFFFFFu);
  EXPECT_EQ(Out[1], 0u) << "nothing past the last scan line";
}

TEST_F(BitmapsTest, GetDIBitsWithoutBufferDescribesTheBitmap) {
  TDibSurface S(TDibInfo(10, 7, 32));
  TDibInfo Query(0, 0, 0);
  Query.Header.biBitCount = 0;
  EXPECT_NE(GetDIBits(S.DC, S.Bitmap, 0, 7, nullptr, Query.Info(), DIB_RGB_COLORS), 0);
  EXPECT_EQ(Query.Header.biWidth, 10);
  EXPECT_EQ(Query.Header.biHeight, 7);
  EXPECT_EQ(Query.Header.biBitCount, 32);
  EXPECT_EQ(Query.Header.biSizeImage, 280u);

  TDibInfo Eight(10, 7, 8);
  EXPECT_NE(GetDIBits(S.DC, S.Bitmap, 0, 7, nullptr, Eight.Info(), DIB_RGB_COLORS), 0);
  EXPECT_EQ(Eight.Header.biSizeImage, 12u * 7u);
  // A colour bitmap read at 8 bits uses the halftone palette.
  EXPECT_EQ(QuadToRgb32(Eight.Colors[10 + 36 * 5 + 6 * 0 + 3]), 0xFF0099u);
  EXPECT_EQ(QuadToRgb32(Eight.Colors[255]), 0xFFFFFFu);
}

TEST_F(BitmapsTest, CreateBitmapTakesWordAlignedRows) {
  // 10 pixels wide: two bytes a row.
  const BYTE Bits[] = {0xFF, 0xC0, 0x00, 0x00, 0xAA, 0x80};
  TBitmapDC M(CreateBitmap(10, 3, 1, 1, Bits));
  ASSERT_NE(M.Bitmap, nullptr);
  EXPECT_EQ(M.At(0, 0), kWhite);
  EXPECT_EQ(M.At(9, 0), kWhite);
  EXPECT_EQ(M.At(9, 1), kBlack);
  EXPECT_EQ(M.At(0, 2), kWhite);
  EXPECT_EQ(M.At(1, 2), kBlack);
  EXPECT_EQ(M.At(8, 2), kWhite);
  EXPECT_EQ(M.At(9, 2), kBlack);

  const BYTE Rgb[] = {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0, 0}; // red, blue, pad
  TBitmapDC C(CreateBitmap(2, 1, 1, 24, Rgb));
  EXPECT_EQ(C.At(0, 0), kRed);
  EXPECT_EQ(C.At(1, 0), kBlue);
}

TEST_F(BitmapsTest, CreateBitmapRefusesWhatCannotBeHeld) {
  struct TCase {
    int W, H;
    UINT Planes, Bpp;
  } Cases[] = {
      {-1, 4, 1, 1},           {4, -1, 1, 1}, {4, 4, 1, 3},        {4, 4, 1, 0},
      {4, 4, 1, 64},           {4, 4, 33, 1}, {4, 4, 1, UINT_MAX}, {INT_MAX, INT_MAX, 1, 32},
      {1 << 20, 1 << 20, 1, 1}};
  for (const TCase& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.W << "x" << C.H << " " << C.Planes << "x" << C.Bpp);
    EXPECT_EQ(CreateBitmap(C.W, C.H, C.Planes, C.Bpp, nullptr), nullptr);
  }
  // A zero size gives the shared 1x1 monochrome bitmap.
  HBITMAP Empty = CreateBitmap(0, 5, 1, 32, nullptr);
  EXPECT_EQ(Empty, GdiStockBitmap());
  EXPECT_TRUE(DeleteObject(Empty));
  EXPECT_EQ(GetObjectType(Empty), OBJ_BITMAP);
}

TEST_F(BitmapsTest, CompatibleBitmapsTakeTheDepthOfTheSurface) {
  HDC Fresh = CreateCompatibleDC(nullptr);
  HBITMAP Mono = CreateCompatibleBitmap(Fresh, 8, 8);
  BITMAP Bm{};
  ASSERT_EQ(GetObject(Mono, sizeof Bm, &Bm), int(sizeof Bm));
  EXPECT_EQ(Bm.bmBitsPixel, 1) << "a fresh memory DC holds a monochrome bitmap";
  DeleteObject(Mono);
  DeleteDC(Fresh);

  TTestSurface Colour(4, 4);
  HBITMAP Deep = CreateCompatibleBitmap(Colour.DC, 8, 8);
  ASSERT_EQ(GetObject(Deep, sizeof Bm, &Bm), int(sizeof Bm));
  EXPECT_EQ(Bm.bmBitsPixel, 32);
  EXPECT_EQ(GetObject(Deep, 0, nullptr), int(sizeof(BITMAP)));
  DeleteObject(Deep);

  TDibInfo Info(4, 4, 8);
  Info.SetColor(3, kRed);
  TDibSurface Indexed(Info);
  HBITMAP Like = CreateCompatibleBitmap(Indexed.DC, 5, 6);
  DIBSECTION Ds{};
  ASSERT_EQ(GetObject(Like, sizeof Ds, &Ds), int(sizeof Ds));
  EXPECT_EQ(Ds.dsBm.bmBitsPixel, 8);
  EXPECT_EQ(Ds.dsBm.bmWidth, 5);
  EXPECT_EQ(QuadToRgb32(GdiFind<TGdiBitmap>(Like, OBJ_BITMAP)->ColorTable()[3]), 0xFF0000u);
  DeleteObject(Like);

  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 4, 4), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(Colour.DC, -1, 4), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(Colour.DC, 0, 4), GdiStockBitmap());
}

TEST_F(BitmapsTest, CreateDIBitmapInitialisesACompatibleBitmap) {
  TTestSurface Screen(2, 2);
  TDibInfo Info(2, -1, 8);
  Info.SetColor(0, kGreen);
  Info.SetColor(1, kBlue);
  const BYTE Row[4] = {1, 0, 0, 0};
  HBITMAP B = CreateDIBitmap(Screen.DC, &Info.Header, CBM_INIT, Row, Info.Info(), DIB_RGB_COLORS);
  ASSERT_NE(B, nullptr);
  TBitmapDC M(B);
  EXPECT_EQ(M.At(0, 0), kBlue);
  EXPECT_EQ(M.At(1, 0), kGreen);
  EXPECT_EQ(GdiFind<TGdiBitmap>(B, OBJ_BITMAP)->BitsPerPixel(), 32);
  EXPECT_EQ(CreateDIBitmap(Screen.DC, &Info.Header, CBM_INIT, nullptr, Info.Info(), 0), nullptr);
}

TEST_F(BitmapsTest, PaletteColoursIndexTheDCPalette) {
  LOGPALETTE Lp{0x300, 1, {{0x10, 0x20, 0x30, 0}}};
  HPALETTE Pal = CreatePalette(&Lp);
  HDC DC = CreateCompatibleDC(nullptr);
  HPALETTE Old = SelectPalette(DC, Pal, FALSE);
  TDibInfo Info(2, 1, 1);
  const WORD Indexes[2] = {0, 0};
  std::memcpy(Info.Colors, Indexes, sizeof Indexes);
  void* Bits = nullptr;
  HBITMAP B = CreateDIBSection(DC, Info.Info(), DIB_PAL_COLORS, &Bits, nullptr, 0);
  ASSERT_NE(B, nullptr);
  EXPECT_EQ(QuadToRgb32(GdiFind<TGdiBitmap>(B, OBJ_BITMAP)->ColorTable()[0]), 0x102030u);
  SelectPalette(DC, Old, FALSE);
  DeleteObject(B);
  DeleteObject(Pal);
  DeleteDC(DC);
}

TEST_F(BitmapsTest, DibColourTableOfTheSelectedSection) {
  TDibInfo Info(2, 2, 4);
  Info.Header.biClrUsed = 3;
  TDibSurface S(Info);
  RGBQUAD Table[16] = {};
  EXPECT_EQ(GetDIBColorTable(S.DC, 0, 16, Table), 3u);
  const RGBQUAD Two[2] = {{1, 2, 3, 0}, {4, 5, 6, 0}};
  EXPECT_EQ(SetDIBColorTable(S.DC, 2, 2, Two), 2u);
  EXPECT_EQ(GetDIBColorTable(S.DC, 0, 16, Table), 4u);
  EXPECT_EQ(Table[3].rgbRed, 6);
  EXPECT_EQ(SetDIBColorTable(S.DC, 15, 5, Two), 1u);
  EXPECT_EQ(SetDIBColorTable(S.DC, 16, 1, Two), 0u);

  TTestSurface Deep(2, 2);
  EXPECT_EQ(GetDIBColorTable(Deep.DC, 0, 1, Table), 0u);
  EXPECT_EQ(SetDIBColorTable(nullptr, 0, 1, Two), 0u);
}

TEST_F(BitmapsTest, AbsurdBitmapInfoIsRefusedEverywhere) {
  struct TCase {
    const char* Name;
    void (*Spoil)(TDibInfo&);
  } Cases[] = {
      {"header too small", [](TDibInfo& I) { I.Header.biSize = 12; }},
      {"header size absurd", [](TDibInfo& I) { I.Header.biSize = 0xFFFFFFF0u; }},
      {"zero width", [](TDibInfo& I) { I.Header.biWidth = 0; }},
      {"negative width", [](TDibInfo& I) { I.Header.biWidth = -8; }},
      {"zero height", [](TDibInfo& I) { I.Header.biHeight = 0; }},
      {"most negative height", [](TDibInfo& I) { I.Header.biHeight = INT_MIN; }},
      {"huge image", [](TDibInfo& I) { I.Header.biWidth = I.Header.biHeight = 1 << 20; }},
      {"widest rows", [](TDibInfo& I) { I.Header.biWidth = INT_MAX; }},
      {"3 bits", [](TDibInfo& I) { I.Header.biBitCount = 3; }},
      {"0 bits", [](TDibInfo& I) { I.Header.biBitCount = 0; }},
      {"64 bits", [](TDibInfo& I) { I.Header.biBitCount = 64; }},
      {"two planes", [](TDibInfo& I) { I.Header.biPlanes = 2; }},
      {"RLE", [](TDibInfo& I) { I.Header.biCompression = BI_RLE8; }},
      {"unknown compression", [](TDibInfo& I) { I.Header.biCompression = 77; }},
      {"257 colours", [](TDibInfo& I) { I.Header.biClrUsed = 257; }},
      {"4 billion colours", [](TDibInfo& I) { I.Header.biClrUsed = 0xFFFFFFFFu; }},
  };
  const std::vector<BYTE> Pixels(4096, 0x55);
  TTestSurface Screen(4, 4, kYellow);
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TDibInfo Info(4, 4, 8);
    C.Spoil(Info);
    void* Bits = &Info;
    EXPECT_EQ(CreateDIBSection(Screen.DC, Info.Info(), DIB_RGB_COLORS, &Bits, nullptr, 0), nullptr);
    EXPECT_EQ(Bits, nullptr);
    EXPECT_EQ(SetDIBits(Screen.DC, Screen.Bitmap(), 0, 4, Pixels.data(), Info.Info(), 0), 0);
    std::vector<BYTE> Out(4096);
    EXPECT_EQ(GetDIBits(Screen.DC, Screen.Bitmap(), 0, 4, Out.data(), Info.Info(), 0), 0);
    EXPECT_EQ(
        StretchDIBits(Screen.DC, 0, 0, 4, 4, 0, 0, 4, 4, Pixels.data(), Info.Info(), 0, SRCCOPY),
        0);
    EXPECT_EQ(CreateDIBitmap(Screen.DC, &Info.Header, CBM_INIT, Pixels.data(), Info.Info(), 0),
              nullptr);
  }
  EXPECT_EQ(Screen.Count(kYellow), 16);
}

TEST_F(BitmapsTest, BadMasksAndArgumentsAreRefused) {
  struct TCase {
    const char* Name;
    int Bpp;
    DWORD R, G, B;
  } Cases[] = {
      {"zero mask", 32, 0xFF0000, 0, 0xFF},
      {"overlapping masks", 32, 0xFF0000, 0xFFFF00, 0xFF},
      {"gap in a mask", 32, 0xF0F000, 0xFF00, 0xFF},
      {"mask beyond 16 bits", 16, 0x7C0000, 0x3E0, 0x1F},
      {"bitfields at 24 bits", 24, 0xFF0000, 0xFF00, 0xFF},
      {"5-6-5 section", 16, 0xF800, 0x07E0, 0x001F},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TDibInfo Info(4, 4, C.Bpp, BI_BITFIELDS);
    Info.SetMasks(C.R, C.G, C.B);
    EXPECT_EQ(CreateDIBSection(nullptr, Info.Info(), DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
  }
  TDibInfo Good(4, 4, 32);
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(CreateDIBSection(nullptr, Good.Info(), 7, nullptr, nullptr, 0), nullptr);
  int Section = 0;
  EXPECT_EQ(CreateDIBSection(nullptr, Good.Info(), DIB_RGB_COLORS, nullptr, &Section, 0), nullptr);
  std::vector<BYTE> Buffer(64);
  EXPECT_EQ(GetDIBits(nullptr, nullptr, 0, 4, Buffer.data(), Good.Info(), 0), 0);
  EXPECT_EQ(SetDIBits(nullptr, nullptr, 0, 4, Buffer.data(), Good.Info(), 0), 0);
  HBITMAP B = CreateDIBSection(nullptr, Good.Info(), DIB_RGB_COLORS, nullptr, nullptr, 0);
  EXPECT_EQ(SetDIBits(nullptr, B, 0, 4, nullptr, Good.Info(), 0), 0);
  EXPECT_EQ(GetDIBits(nullptr, B, 0, 4, Buffer.data(), nullptr, 0), 0);
  DeleteObject(B);
  EXPECT_EQ(SetDIBits(nullptr, B, 0, 4, Buffer.data(), Good.Info(), 0), 0) << "stale handle";
}

} // namespace
