#include "GdiTestSupport.h"

using namespace gditest;

namespace {

class ObjectsTest : public TGdiTest {};

} // namespace

TEST_F(ObjectsTest, DeleteObjectAnswersByHandleKind) {
  HBRUSH Brush = CreateSolidBrush(kRed);
  HDC DC = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_TRUE(DeleteObject(Brush));
  EXPECT_FALSE(DeleteObject(Brush)) << "stale handle";
  EXPECT_EQ(GetObjectType(Brush), 0u);
  EXPECT_FALSE(DeleteObject(DC)) << "DCs go through DeleteDC";
  for (int i : {WHITE_BRUSH, NULL_BRUSH, BLACK_PEN, SYSTEM_FONT, DEFAULT_PALETTE}) {
    HGDIOBJ Stock = GetStockObject(i);
    EXPECT_TRUE(DeleteObject(Stock));
    EXPECT_EQ(GetStockObject(i), Stock);
    EXPECT_NE(GetObjectType(Stock), 0u);
  }
  EXPECT_EQ(GetStockObject(9), nullptr);
  EXPECT_EQ(GetStockObject(-1), nullptr);
  DeleteDC(DC);
}

TEST_F(ObjectsTest, StockObjectsHaveTheClassicDescriptions) {
  auto* Gray = GdiFind<TGdiBrush>(GetStockObject(LTGRAY_BRUSH), OBJ_BRUSH);
  EXPECT_EQ(Gray->Log.lbColor, RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(GdiFind<TGdiBrush>(GetStockObject(DKGRAY_BRUSH), OBJ_BRUSH)->Log.lbColor,
            RGB(0x40, 0x40, 0x40));
  EXPECT_EQ(GdiFind<TGdiPen>(GetStockObject(NULL_PEN), OBJ_PEN)->Log.lopnStyle, UINT(PS_NULL));
  auto* Gui = GdiFind<TGdiFont>(GetStockObject(DEFAULT_GUI_FONT), OBJ_FONT);
  EXPECT_STREQ(Gui->Log.lfFaceName, "MS Shell Dlg");
  EXPECT_EQ(Gui->Log.lfHeight, -11);
  auto* Sys = GdiFind<TGdiFont>(GetStockObject(SYSTEM_FONT), OBJ_FONT);
  EXPECT_EQ(Sys->Log.lfWeight, FW_BOLD);
  auto* Fixed = GdiFind<TGdiFont>(GetStockObject(ANSI_FIXED_FONT), OBJ_FONT);
  EXPECT_EQ(Fixed->Log.lfPitchAndFamily & 3, FIXED_PITCH);
  auto* Pal = GdiFind<TGdiPalette>(GetStockObject(DEFAULT_PALETTE), OBJ_PAL);
  ASSERT_EQ(Pal->Entries.size(), 20u);
  EXPECT_EQ(Pal->Entries[19].peRed, 0xFF);
}

TEST_F(ObjectsTest, CreationRejectsUnknownStyles) {
  EXPECT_EQ(CreateHatchBrush(6, kRed), nullptr);
  EXPECT_EQ(CreateHatchBrush(-1, kRed), nullptr);
  EXPECT_EQ(CreatePen(7, 1, kRed), nullptr);
  EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
  LOGBRUSH Bad{BS_HATCHED, kRed, 42};
  EXPECT_EQ(CreateBrushIndirect(&Bad), nullptr);
  LOGBRUSH Odd{77, kRed, 0};
  EXPECT_EQ(CreateBrushIndirect(&Odd), nullptr);
  LOGBRUSH Hollow{BS_NULL, kRed, 0};
  HBRUSH H = CreateBrushIndirect(&Hollow);
  ASSERT_NE(H, nullptr);
  EXPECT_EQ(GdiFind<TGdiBrush>(H, OBJ_BRUSH)->Log.lbStyle, BS_NULL);
  DeleteObject(H);
  HPEN Thin = CreatePen(PS_SOLID, -4, kRed);
  EXPECT_EQ(GdiFind<TGdiPen>(Thin, OBJ_PEN)->Log.lopnWidth.X, 0);
  DeleteObject(Thin);
}

TEST_F(ObjectsTest, DeletingASelectedBrushWaitsForItsRelease) {
  TTestSurface S(4, 4);
  HBRUSH Red = CreateSolidBrush(kRed);
  HGDIOBJ Old = SelectObject(S.DC, Red);
  EXPECT_EQ(Old, GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(DeleteObject(Red));
  EXPECT_EQ(GetObjectType(Red), OBJ_BRUSH);
  SelectObject(S.DC, GetStockObject(NULL_PEN));
  Rectangle(S.DC, 0, 0, 3, 3);
  EXPECT_EQ(S.At(1, 1), kRed);
  EXPECT_EQ(SelectObject(S.DC, Old), Red);
  EXPECT_EQ(GetObjectType(Red), 0u);
  EXPECT_FALSE(DeleteObject(Red));
}

TEST_F(ObjectsTest, SavedStatesKeepTheirObjectsAlive) {
  HDC DC = CreateCompatibleDC(nullptr);
  HPEN Pen = CreatePen(PS_SOLID, 1, kRed);
  SelectObject(DC, Pen);
  SaveDC(DC);
  SelectObject(DC, GetStockObject(BLACK_PEN));
  DeleteObject(Pen);
  EXPECT_EQ(GetObjectType(Pen), OBJ_PEN);
  EXPECT_TRUE(RestoreDC(DC, -1));
  EXPECT_EQ(GetCurrentObject(DC, OBJ_PEN), Pen);
  EXPECT_EQ(GetObjectType(Pen), OBJ_PEN);
  DeleteDC(DC);
  EXPECT_EQ(GetObjectType(Pen), 0u) << "DeleteDC releases the last hold";
}

TEST_F(ObjectsTest, BitmapSelectsIntoOneMemoryDCAtATime) {
  TTestSurface S(4, 4);
  HDC Other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(Other, S.Bitmap()), nullptr);
  EXPECT_EQ(SelectObject(S.DC, S.Bitmap()), S.Bitmap()) << "reselecting is harmless";
  HGDIOBJ Stock = SelectObject(S.DC, GdiStockBitmap());
  EXPECT_EQ(Stock, S.Bitmap());
  HGDIOBJ Prev = SelectObject(Other, S.Bitmap());
  EXPECT_EQ(Prev, GdiStockBitmap());
  EXPECT_EQ(SelectObject(Other, Prev), S.Bitmap());
  SelectObject(S.DC, S.Bitmap());
  DeleteDC(Other);
}

TEST_F(ObjectsTest, SelectObjectFailsForUnselectableHandles) {
  TTestSurface S(4, 4);
  HRGN Rgn = CreateRectRgn(0, 0, 2, 2);
  HDC Stale = CreateCompatibleDC(nullptr);
  DeleteDC(Stale);
  EXPECT_EQ(SelectObject(S.DC, nullptr), nullptr);
  EXPECT_EQ(SelectObject(S.DC, GetStockObject(DEFAULT_PALETTE)), nullptr);
  EXPECT_EQ(SelectObject(S.DC, S.DC), nullptr);
  EXPECT_EQ(SelectObject(Stale, GetStockObject(BLACK_BRUSH)), nullptr);
  EXPECT_EQ(SelectObject(Stale, Rgn), HGDI_ERROR);
  EXPECT_EQ(SelectObject(S.DC, Rgn), reinterpret_cast<HGDIOBJ>(std::intptr_t(SIMPLEREGION)));
  DeleteObject(Rgn);
  EXPECT_TRUE(PtVisible(S.DC, 1, 1)) << "the clip is a copy";
  EXPECT_FALSE(PtVisible(S.DC, 2, 2));
}
