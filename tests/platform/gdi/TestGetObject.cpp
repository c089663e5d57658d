#include "BitmapTestSupport.h"

using namespace bmptest;

namespace {

class GetObjectTest : public TGdiTest {};

TEST_F(GetObjectTest, NullBufferAsksForTheSizeOfTheAnswer) {
  HBITMAP Ddb = CreateBitmap(4, 4, 1, 1, nullptr);
  TDibInfo Info(4, 4, 32);
  HBITMAP Dib = CreateDIBSection(nullptr, Info.Info(), DIB_RGB_COLORS, nullptr, nullptr, 0);
  HPEN Pen = CreatePen(PS_DASH, 3, kRed);
  HBRUSH Brush = CreateHatchBrush(HS_CROSS, kBlue);
  LOGFONTA Lf{};
  Lf.lfHeight = -12;
  HFONT Font = CreateFontIndirect(&Lf);
  HPALETTE Pal = CreateHalftonePalette(nullptr);
  HRGN Rgn = CreateRectRgn(0, 0, 2, 2);
  HDC DC = CreateCompatibleDC(nullptr);
  struct TCase {
    const char* Name;
    HGDIOBJ Obj;
    int Size;
  } Cases[] = {
      {"bitmap", Ddb, int(sizeof(BITMAP))},
      {"DIB section", Dib, int(sizeof(DIBSECTION))},
      {"pen", Pen, int(sizeof(LOGPEN))},
      {"brush", Brush, int(sizeof(LOGBRUSH))},
      {"font", Font, int(sizeof(LOGFONTA))},
      {"palette", Pal, int(sizeof(WORD))},
      {"region", Rgn, 0},
      {"DC", DC, 0},
      {"null", nullptr, 0},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(GetObject(C.Obj, 0, nullptr), C.Size);
  }
  WORD Count = 0;
  EXPECT_EQ(GetObject(Pal, sizeof Count, &Count), int(sizeof Count));
  EXPECT_EQ(Count, 256);
  EXPECT_EQ(GetObject(Pal, 1, &Count), 0);
  LOGFONTA Out{};
  EXPECT_EQ(GetObject(Font, sizeof Out, &Out), int(sizeof Out));
  EXPECT_EQ(Out.lfHeight, -12);
  DeleteDC(DC);
  for (HGDIOBJ H : {HGDIOBJ(Ddb), HGDIOBJ(Dib), HGDIOBJ(Pen), HGDIOBJ(Brush), HGDIOBJ(Font),
                    HGDIOBJ(Pal), HGDIOBJ(Rgn)})
    DeleteObject(H);
  EXPECT_EQ(GetObject(Pen, 0, nullptr), 0) << "stale handle";
}

TEST_F(GetObjectTest, DeviceDependentBitmapsReportWordAlignedRows) {
  struct TCase {
    int W, Bpp;
    LONG WidthBytes;
  } Cases[] = {{10, 1, 2}, {17, 1, 4}, {3, 24, 10}, {5, 32, 20}, {3, 4, 2}};
  for (const TCase& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.W << " pixels at " << C.Bpp);
    HBITMAP B = CreateBitmap(C.W, 2, 1, UINT(C.Bpp), nullptr);
    BITMAP Bm{};
    Bm.bmBits = &Bm;
    ASSERT_EQ(GetObject(B, sizeof Bm, &Bm), int(sizeof Bm));
    EXPECT_EQ(Bm.bmType, 0);
    EXPECT_EQ(Bm.bmWidth, C.W);
    EXPECT_EQ(Bm.bmHeight, 2);
    EXPECT_EQ(Bm.bmWidthBytes, C.WidthBytes);
    EXPECT_EQ(Bm.bmPlanes, 1);
    EXPECT_EQ(Bm.bmBitsPixel, C.Bpp);
    EXPECT_EQ(Bm.bmBits, nullptr);
    DIBSECTION Ds{};
    EXPECT_EQ(GetObject(B, sizeof Ds, &Ds), int(sizeof(BITMAP))) << "not a DIB section";
    EXPECT_EQ(GetObject(B, sizeof Bm - 1, &Bm), 0);
    DeleteObject(B);
  }
}

TEST_F(GetObjectTest, DibSectionsAnswerWithTheirHeaderAndMemory) {
  TDibInfo Info(3, -5, 16, BI_BITFIELDS);
  Info.SetMasks(0x7C00, 0x03E0, 0x001F);
  Info.Header.biXPelsPerMeter = 2835;
  void* Bits = nullptr;
  HBITMAP B = CreateDIBSection(nullptr, Info.Info(), DIB_RGB_COLORS, &Bits, nullptr, 0);
  ASSERT_NE(B, nullptr);

  BITMAP Bm{};
  ASSERT_EQ(GetObject(B, sizeof Bm, &Bm), int(sizeof Bm));
  EXPECT_EQ(Bm.bmWidthBytes, 8) << "DIB rows are DWORD-aligned";
  EXPECT_EQ(Bm.bmBits, Bits);
  EXPECT_EQ(Bm.bmHeight, 5);

  DIBSECTION Ds{};
  ASSERT_EQ(GetObject(B, sizeof Ds, &Ds), int(sizeof Ds));
  EXPECT_EQ(Ds.dsBm.bmBits, Bits);
  EXPECT_EQ(Ds.dsBmih.biSize, sizeof(BITMAPINFOHEADER));
  EXPECT_EQ(Ds.dsBmih.biWidth, 3);
  EXPECT_EQ(Ds.dsBmih.biHeight, -5);
  EXPECT_EQ(Ds.dsBmih.biBitCount, 16);
  EXPECT_EQ(Ds.dsBmih.biCompression, BI_BITFIELDS);
  EXPECT_EQ(Ds.dsBmih.biSizeImage, 40u);
  EXPECT_EQ(Ds.dsBmih.biXPelsPerMeter, 2835);
  EXPECT_EQ(Ds.dsBitfields[0], 0x7C00u);
  EXPECT_EQ(Ds.dsBitfields[2], 0x001Fu);
  EXPECT_EQ(Ds.dshSection, nullptr);
  DeleteObject(B);
}

TEST_F(GetObjectTest, PatternBrushesKeepTheirOwnCopyOfTheBitmap) {
  HBITMAP Mono = MonoBitmap({"##..", "#..."});
  HBRUSH MonoBrush = CreatePatternBrush(Mono);
  LOGBRUSH Lb{};
  ASSERT_EQ(GetObject(MonoBrush, sizeof Lb, &Lb), int(sizeof Lb));
  EXPECT_EQ(Lb.lbStyle, BS_PATTERN);
  EXPECT_EQ(Lb.lbHatch, reinterpret_cast<std::uintptr_t>(Mono));
  DeleteObject(Mono);

  TTestSurface Colour(2, 1);
  Colour.Set(0, 0, kRed);
  Colour.Set(1, 0, kBlue);
  HBRUSH ColourBrush = CreatePatternBrush(Colour.Bitmap());
  Colour.Clear(kWhite);

  TTestSurface Dst(4, 3, kYellow);
  SetTextColor(Dst.DC, kGreen);
  SetBkColor(Dst.DC, kYellow);
  {
    TSelected Use(Dst.DC, MonoBrush);
    ASSERT_TRUE(PatBlt(Dst.DC, 0, 0, 4, 2, PATCOPY));
  }
  EXPECT_EQ(Dst.Picture(kGreen, kYellow), (std::vector<std::string>{"##..", "#...", "...."}));
  {
    TSelected Use(Dst.DC, ColourBrush);
    ASSERT_TRUE(PatBlt(Dst.DC, 0, 2, 4, 1, PATCOPY));
  }
  EXPECT_EQ(Dst.Picture(kRed, kBlue)[2], "#.#.");

  EXPECT_EQ(CreatePatternBrush(nullptr), nullptr);
  EXPECT_EQ(CreatePatternBrush(reinterpret_cast<HBITMAP>(Dst.DC)), nullptr);
}

} // namespace
