#include "BitmapTestSupport.h"

using namespace bmptest;

namespace {

class PalettesTest : public TGdiTest {};

// A LOGPALETTE with room for 256 entries.
struct TLogPalette {
  WORD Version = 0x300;
  WORD Count = 0;
  PALETTEENTRY Entries[256]{};
  const LOGPALETTE* Get() const { return reinterpret_cast<const LOGPALETTE*>(this); }
};

TLogPalette ThreeColours() {
  TLogPalette Lp;
  Lp.Count = 3;
  Lp.Entries[0] = {255, 0, 0, 0};
  Lp.Entries[1] = {0, 200, 0, 0};
  Lp.Entries[2] = {10, 10, 250, PC_NOCOLLAPSE};
  return Lp;
}

TEST_F(PalettesTest, CreatePaletteChecksVersionAndSize) {
  TLogPalette Lp = ThreeColours();
  struct TCase {
    const char* Name;
    WORD Version, Count;
    bool Created;
  } Cases[] = {{"three", 0x300, 3, true},       {"one", 0x300, 1, true},
               {"full", 0x300, 256, true},      {"none", 0x300, 0, false},
               {"too many", 0x300, 257, false}, {"wrong version", 0x200, 3, false}};
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    Lp.Version = C.Version;
    Lp.Count = C.Count;
    HPALETTE P = CreatePalette(Lp.Get());
    EXPECT_EQ(P != nullptr, C.Created);
    if (P) {
      EXPECT_EQ(GetPaletteEntries(P, 0, 0, nullptr), UINT(C.Count));
    }
    DeleteObject(P);
  }
  EXPECT_EQ(CreatePalette(nullptr), nullptr);
}

TEST_F(PalettesTest, EntriesAreReadAndWrittenWithinRange) {
  TLogPalette Lp = ThreeColours();
  HPALETTE P = CreatePalette(Lp.Get());
  PALETTEENTRY Out[4] = {};
  EXPECT_EQ(GetPaletteEntries(P, 1, 10, Out), 2u);
  EXPECT_EQ(Out[0].peGreen, 200);
  EXPECT_EQ(Out[1].peFlags, PC_NOCOLLAPSE);
  EXPECT_EQ(GetPaletteEntries(P, 3, 1, Out), 0u);
  const PALETTEENTRY New[2] = {{1, 2, 3, 0}, {4, 5, 6, 0}};
  EXPECT_EQ(SetPaletteEntries(P, 2, 2, New), 1u);
  EXPECT_EQ(GetPaletteEntries(P, 2, 1, Out), 1u);
  EXPECT_EQ(Out[0].peBlue, 3);
  EXPECT_EQ(SetPaletteEntries(P, 5, 1, New), 0u);
  EXPECT_EQ(SetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, 1, New),
            0u)
      << "the default palette is shared";
  DeleteObject(P);
  EXPECT_EQ(GetPaletteEntries(P, 0, 1, Out), 0u);
}

TEST_F(PalettesTest, NearestIndexByDistance) {
  TLogPalette Lp = ThreeColours();
  HPALETTE P = CreatePalette(Lp.Get());
  EXPECT_EQ(GetNearestPaletteIndex(P, RGB(255, 0, 0)), 0u);
  EXPECT_EQ(GetNearestPaletteIndex(P, RGB(30, 160, 40)), 1u);
  EXPECT_EQ(GetNearestPaletteIndex(P, PALETTERGB(0, 0, 180)), 2u);
  EXPECT_EQ(GetNearestPaletteIndex(P, PALETTEINDEX(2)), 2u);
  EXPECT_EQ(GetNearestPaletteIndex(P, PALETTEINDEX(3)), CLR_INVALID);
  DeleteObject(P);
  EXPECT_EQ(GetNearestPaletteIndex(P, RGB(0, 0, 0)), CLR_INVALID);
}

TEST_F(PalettesTest, HalftonePaletteHasStaticColoursAndACube) {
  HPALETTE P = CreateHalftonePalette(nullptr);
  ASSERT_NE(P, nullptr);
  std::vector<PALETTEENTRY> E(256);
  ASSERT_EQ(GetPaletteEntries(P, 0, 256, E.data()), 256u);
  auto Rgb = [&](int I) {
    return RGB(E[std::size_t(I)].peRed, E[std::size_t(I)].peGreen, E[std::size_t(I)].peBlue);
  };
  EXPECT_EQ(Rgb(0), kBlack);
  EXPECT_EQ(Rgb(7), RGB(192, 192, 192));
  EXPECT_EQ(Rgb(255), kWhite);
  EXPECT_EQ(Rgb(249), kRed);
  for (int R = 0; R < 6; ++R)
    for (int G = 0; G < 6; ++G)
      for (int B = 0; B < 6; ++B)
        ASSERT_EQ(Rgb(10 + 36 * R + 6 * G + B), RGB(BYTE(R * 51), BYTE(G * 51), BYTE(B * 51)));
  for (int I = 226; I < 246; ++I) {
    EXPECT_EQ(E[std::size_t(I)].peRed, E[std::size_t(I)].peGreen);
    if (I > 226) {
      EXPECT_LT(E[std::size_t(I - 1)].peRed, E[std::size_t(I)].peRed) << "greys ascend";
    }
  }
  EXPECT_EQ(GetNearestPaletteIndex(P, RGB(100, 150, 210)), UINT(10 + 36 * 2 + 6 * 3 + 4));
  DeleteObject(P);
}

TEST_F(PalettesTest, SelectPaletteHoldsThePaletteLikeAnyObject) {
  TLogPalette Lp = ThreeColours();
  HPALETTE P = CreatePalette(Lp.Get());
  HDC DC = CreateCompatibleDC(nullptr);
  HPALETTE Default = SelectPalette(DC, P, FALSE);
  EXPECT_EQ(Default, GetStockObject(DEFAULT_PALETTE));
  EXPECT_EQ(GetCurrentObject(DC, OBJ_PAL), P);
  EXPECT_TRUE(DeleteObject(P));
  EXPECT_EQ(GetObjectType(P), OBJ_PAL) << "still selected, so still alive";
  EXPECT_EQ(SelectPalette(DC, Default, FALSE), P);
  EXPECT_EQ(GetObjectType(P), 0u) << "freed when deselected";
  EXPECT_EQ(SelectPalette(DC, P, FALSE), nullptr);
  EXPECT_EQ(SelectPalette(nullptr, Default, FALSE), nullptr);
  DeleteDC(DC);
}

TEST_F(PalettesTest, PaletteIndexColoursPaintTheSelectedPaletteEntry) {
  TLogPalette Lp = ThreeColours();
  HPALETTE P = CreatePalette(Lp.Get());
  TBitmapDC Glyph(MonoBitmap({"#."}));
  TTestSurface Dst(2, 1);
  HPALETTE Old = SelectPalette(Dst.DC, P, FALSE);
  SetTextColor(Dst.DC, PALETTEINDEX(1));
  SetBkColor(Dst.DC, PALETTEINDEX(2));
  ASSERT_TRUE(BitBlt(Dst.DC, 0, 0, 2, 1, Glyph.DC, 0, 0, SRCCOPY));
  EXPECT_EQ(Dst.At(0, 0), RGB(0, 200, 0));
  EXPECT_EQ(Dst.At(1, 0), RGB(10, 10, 250));
  SelectPalette(Dst.DC, Old, FALSE);
  DeleteObject(P);
}

TEST_F(PalettesTest, RealizingMattersOnlyOnAPaletteDisplay) {
  TDisplayGuard Guard;
  TLogPalette Lp = ThreeColours();
  HPALETTE P = CreatePalette(Lp.Get());
  HDC DC = CreateCompatibleDC(nullptr);
  HPALETTE Old = SelectPalette(DC, P, FALSE);
  PALETTEENTRY System[256] = {};

  GdiDisplay().BitsPerPixel = 32;
  EXPECT_EQ(RealizePalette(DC), 0u);
  EXPECT_EQ(GetSystemPaletteEntries(DC, 0, 256, System), 0u);

  GdiDisplay().BitsPerPixel = 8;
  EXPECT_EQ(RealizePalette(DC), 3u);
  EXPECT_EQ(GetSystemPaletteEntries(DC, 0, 0, nullptr), 256u);
  ASSERT_EQ(GetSystemPaletteEntries(DC, 0, 256, System), 256u);
  EXPECT_EQ(System[0].peRed, 0);
  EXPECT_EQ(System[10].peRed, 255) << "realized entries follow the low static colours";
  EXPECT_EQ(System[11].peGreen, 200);
  EXPECT_EQ(System[255].peBlue, 255);
  EXPECT_EQ(GetSystemPaletteEntries(DC, 250, 10, System), 6u);

  EXPECT_EQ(RealizePalette(nullptr), GDI_ERROR);
  SelectPalette(DC, Old, FALSE);
  DeleteObject(P);
  DeleteDC(DC);
}

} // namespace
