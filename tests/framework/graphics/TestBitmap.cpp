#include "GraphicsTestSupport.h"

#include "framework/classes/Class.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/runtime/Exceptions.h"
#include "platform/WinBase.h"

#include <cstring>
#include <string>
#include <vector>

namespace {


// A W x H bitmap whose left half is red and right half blue, with a lime
// bottom-left pixel.
void Paint(TBitmap& B, int W, int H) {
  B.SetSize(W, H);
  TCanvas& C = *B.GetCanvas();
  C.GetBrush()->SetColor(clRed);
  C.FillRect(Rect(0, 0, W / 2, H));
  C.GetBrush()->SetColor(clBlue);
  C.FillRect(Rect(W / 2, 0, W, H));
  C.SetPixels(0, H - 1, clLime);
}

TEST(Bitmap, StartsEmptyWithoutHandleOrRows) {
  TBitmap B;
  EXPECT_TRUE(B.Empty());
  EXPECT_EQ(B.GetWidth(), 0);
  EXPECT_EQ(B.GetHeight(), 0);
  EXPECT_EQ(B.GetHandle(), nullptr);
  EXPECT_EQ(B.GetPixelFormat(), pfDevice);
  EXPECT_EQ(B.GetTransparentMode(), tmAuto);
  EXPECT_EQ(B.GetTransparentColor(), clDefault);
  EXPECT_FALSE(B.GetTransparent());
  EXPECT_EQ(B.GetPalette(), nullptr);
  try {
    B.ScanLine(0);
    ADD_FAILURE();
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message(), "Scan line index out of range");
  }
  B.SetWidth(5); // no height yet: still nothing to hold
  EXPECT_TRUE(B.Empty());
  EXPECT_EQ(B.GetWidth(), 5);
  B.SetHeight(2);
  EXPECT_FALSE(B.Empty());
}

TEST(Bitmap, ScanLinesRunTopDownOverTheDibSection) {
  TBitmap B;
  B.SetSize(4, 3);
  DIBSECTION DS{};
  ASSERT_EQ(GetObject(B.GetHandle(), sizeof DS, &DS), int(sizeof DS));
  EXPECT_EQ(DS.dsBm.bmBitsPixel, 32);
  EXPECT_LT(DS.dsBmih.biHeight, 0); // top-down
  EXPECT_EQ(DS.dsBm.bmBits, B.ScanLine(0));
  EXPECT_EQ(static_cast<std::uint8_t*>(B.ScanLine(2)) - static_cast<std::uint8_t*>(B.ScanLine(0)),
            2 * B.ScanLineBytes());
  EXPECT_EQ(PixelOf(B, 3, 2), White); // new pixels are white

  auto* Row = static_cast<std::uint32_t*>(B.ScanLine(1));
  Row[2] = 0x00FF0000; // BGRA bytes: red
  EXPECT_EQ(PixelOf(B, 2, 1), Red);
  for (int Bad : {-1, 3, 1000}) EXPECT_THROW(B.ScanLine(Bad), EInvalidGraphic) << Bad;
}

TEST(Bitmap, PixelFormatsGiveTheirDepthAndStride) {
  struct TCase {
    TPixelFormat Format;
    int Bpp, Stride; // for a 9-pixel row
  } Cases[] = {{pfDevice, 32, 36}, {pf1bit, 1, 4},    {pf4bit, 4, 8},   {pf8bit, 8, 12},
               {pf15bit, 16, 20},  {pf24bit, 24, 28}, {pf32bit, 32, 36}};
  for (const TCase& C : Cases) {
    TBitmap B;
    B.SetPixelFormat(C.Format);
    B.SetSize(9, 2);
    EXPECT_EQ(B.GetPixelFormat(), C.Format);
    BITMAP BM{};
    GetObject(B.GetHandle(), sizeof BM, &BM);
    EXPECT_EQ(BM.bmBitsPixel, C.Bpp) << int(C.Format);
    EXPECT_EQ(B.ScanLineBytes(), C.Stride) << int(C.Format);
    EXPECT_EQ(B.GetMonochrome(), C.Format == pf1bit);
    EXPECT_EQ(B.GetPalette() != nullptr, C.Bpp <= 8) << int(C.Format);
  }
  TBitmap B;
  B.SetSize(2, 2);
  for (TPixelFormat Bad : {pf16bit, pfCustom}) {
    try {
      B.SetPixelFormat(Bad);
      ADD_FAILURE();
    } catch (const EInvalidGraphic& E) {
      EXPECT_EQ(E.Message(), "Invalid graphic format");
    }
  }
  EXPECT_EQ(B.GetPixelFormat(), pfDevice);
}

TEST(Bitmap, ConversionKeepsColoursEachFormatCanShow) {
  struct TCase {
    TPixelFormat Format;
    COLORREF Left, Right, Corner;
  } Cases[] = {{pf32bit, Red, Blue, Lime}, {pf24bit, Red, Blue, Lime},
               {pf15bit, Red, Blue, Lime}, {pf8bit, Red, Blue, Lime},
               {pf4bit, Red, Blue, Lime},  {pf1bit, Black, Black, Black}};
  for (const TCase& C : Cases) {
    TBitmap B;
    Paint(B, 8, 4);
    B.GetCanvas()->SetPixels(7, 0, clWhite);
    TListener L;
    B.OnChange = L.Event();
    B.SetPixelFormat(C.Format);
    EXPECT_EQ(L.Count, 1);
    EXPECT_EQ(B.GetWidth(), 8);
    EXPECT_EQ(PixelOf(B, 1, 1), C.Left) << int(C.Format);
    EXPECT_EQ(PixelOf(B, 6, 1), C.Right) << int(C.Format);
    EXPECT_EQ(PixelOf(B, 0, 3), C.Corner) << int(C.Format);
    EXPECT_EQ(PixelOf(B, 7, 0), White) << int(C.Format);
  }
  TBitmap B;
  Paint(B, 4, 4);
  B.SetMonochrome(true);
  EXPECT_EQ(B.GetPixelFormat(), pf1bit);
  B.SetMonochrome(false);
  EXPECT_EQ(B.GetPixelFormat(), pfDevice);
  EXPECT_EQ(PixelOf(B, 0, 3), Black); // lime is nearer black than white
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndFillsWithTheBrush) {
  TBitmap B;
  Paint(B, 4, 4);
  B.GetCanvas()->GetBrush()->SetColor(clYellow);
  B.SetSize(6, 5);
  EXPECT_EQ(PixelOf(B, 1, 0), Red);
  EXPECT_EQ(PixelOf(B, 3, 0), Blue);
  EXPECT_EQ(PixelOf(B, 0, 3), Lime);
  EXPECT_EQ(PixelOf(B, 5, 0), RGB(255, 255, 0));
  EXPECT_EQ(PixelOf(B, 0, 4), RGB(255, 255, 0));
  B.SetHeight(2);
  EXPECT_EQ(B.GetHeight(), 2);
  EXPECT_EQ(PixelOf(B, 3, 1), Blue);
  B.SetWidth(-3);
  EXPECT_TRUE(B.Empty());
  EXPECT_EQ(B.GetWidth(), 0);

  // Sub-byte rows: the bits past the old width are the fill, not old padding.
  TBitmap M;
  M.SetPixelFormat(pf1bit);
  M.SetSize(3, 1);
  M.GetCanvas()->GetBrush()->SetColor(clBlack);
  M.GetCanvas()->FillRect(Rect(0, 0, 3, 1));
  M.GetCanvas()->GetBrush()->SetColor(clWhite);
  M.SetWidth(10);
  EXPECT_EQ(PixelOf(M, 2, 0), Black);
  EXPECT_EQ(PixelOf(M, 3, 0), White);
  EXPECT_EQ(PixelOf(M, 9, 0), White);
}

TEST(Bitmap, AbsurdSizesAreRefusedAndChangeNothing) {
  TBitmap B;
  Paint(B, 4, 4);
  EXPECT_THROW(B.SetSize(200000, 200000), EOutOfResources);
  EXPECT_EQ(B.GetWidth(), 4);
  EXPECT_EQ(PixelOf(B, 0, 0), Red);
}

TEST(Bitmap, AutoTransparentColourFollowsTheBottomLeftPixel) {
  TBitmap B;
  Paint(B, 6, 4);
  EXPECT_EQ(B.GetTransparentColor(), TColor(Lime));
  B.GetCanvas()->SetPixels(0, 3, clNavy);
  EXPECT_EQ(B.GetTransparentColor(), clNavy);
  B.SetTransparentColor(clRed);
  EXPECT_EQ(B.GetTransparentMode(), tmFixed);
  B.GetCanvas()->SetPixels(0, 3, clBlue);
  EXPECT_EQ(B.GetTransparentColor(), clRed);
  B.SetTransparentMode(tmAuto);
  EXPECT_EQ(B.GetTransparentColor(), TColor(Blue));
  B.SetTransparentMode(tmFixed); // freezes the current one
  B.GetCanvas()->SetPixels(0, 3, clLime);
  EXPECT_EQ(B.GetTransparentColor(), TColor(Blue));
  B.SetTransparentColor(clDefault);
  EXPECT_EQ(B.GetTransparentMode(), tmAuto);
}

TEST(Bitmap, TransparentDrawLeavesTheBackground) {
  TBitmap B;
  Paint(B, 6, 4); // transparent colour: lime, only at the corner...
  B.GetCanvas()->GetBrush()->SetColor(clLime);
  B.GetCanvas()->FillRect(Rect(0, 2, 6, 4)); // ...and the whole bottom half
  TSurface S(10, 10);
  S.Fill(RGB(9, 9, 9));
  B.SetTransparent(true);
  S.Canvas->Draw(2, 2, &B);
  EXPECT_EQ(S.Pixel(2, 2), Red);
  EXPECT_EQ(S.Pixel(7, 2), Blue);
  EXPECT_EQ(S.Count(Rect(2, 4, 8, 6), RGB(9, 9, 9)), 12);
  EXPECT_EQ(S.Count(Rect(0, 0, 10, 10), Lime), 0);

  B.SetTransparent(false);
  S.Canvas->Draw(2, 2, &B);
  EXPECT_EQ(S.Count(Rect(2, 4, 8, 6), Lime), 12);

  // Stretched, and through the canvas's copy mode.
  S.Fill(White);
  S.Canvas->SetCopyMode(cmSrcInvert);
  S.Canvas->StretchDraw(Rect(0, 0, 10, 10), &B);
  EXPECT_EQ(S.Pixel(1, 1), RGB(0, 255, 255));                   // white xor red
  EXPECT_EQ(S.Count(Rect(0, 5, 10, 10), RGB(255, 0, 255)), 50); // white xor lime
}

TEST(Bitmap, MonochromeDrawsBlackAndWhite) {
  TBitmap B;
  B.SetMonochrome(true);
  B.SetSize(4, 1);
  B.GetCanvas()->SetPixels(0, 0, clBlack);
  TSurface S(4, 1);
  S.Canvas->GetFont()->SetColor(clRed); // must not tint the picture
  S.Canvas->GetBrush()->SetColor(clBlue);
  S.Canvas->TextOut(0, 0, "");
  S.Canvas->Draw(0, 0, &B);
  EXPECT_EQ(S.Pixel(0, 0), Black);
  EXPECT_EQ(S.Pixel(1, 0), White);
  EXPECT_EQ(GetTextColor(S.DC), Red); // restored
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
  TBitmap A;
  Paint(A, 5, 3);
  A.SetTransparent(true);
  A.SetTransparentColor(clRed);
  A.SetPixelFormat(pf24bit);
  TBitmap B;
  TListener L;
  B.OnChange = L.Event();
  B.Assign(&A);
  EXPECT_EQ(L.Count, 1);
  EXPECT_NE(B.GetHandle(), A.GetHandle());
  EXPECT_EQ(B.GetWidth(), 5);
  EXPECT_EQ(B.GetPixelFormat(), pf24bit);
  EXPECT_TRUE(B.GetTransparent());
  EXPECT_EQ(B.GetTransparentColor(), clRed);
  A.GetCanvas()->GetBrush()->SetColor(clWhite);
  A.GetCanvas()->FillRect(Rect(0, 0, 5, 3));
  EXPECT_EQ(PixelOf(B, 0, 0), Red);
  EXPECT_EQ(PixelOf(B, 0, 2), Lime);

  B.Assign(nullptr);
  EXPECT_TRUE(B.Empty());
  EXPECT_EQ(L.Count, 2);
  TFont F;
  try {
    B.Assign(&F);
    ADD_FAILURE();
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TFont to a TBitmap");
  }
}

TEST(Bitmap, HandlesAreTakenOverAndGivenUp) {
  HBITMAP Foreign = CreateBitmap(3, 2, 1, 32, nullptr);
  TBitmap B;
  B.SetHandle(Foreign);
  EXPECT_EQ(B.GetPixelFormat(), pf32bit);
  EXPECT_EQ(B.GetWidth(), 3);
  EXPECT_EQ(B.GetHeight(), 2);
  EXPECT_EQ(GetObjectType(Foreign), 0u); // taken over and deleted
  EXPECT_NE(B.GetHandle(), nullptr);

  HPEN Pen = CreatePen(PS_SOLID, 1, 0);
  try {
    B.SetHandle(reinterpret_cast<HBITMAP>(Pen));
    ADD_FAILURE();
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message(), "Bitmap image is not valid");
  }
  EXPECT_EQ(GetObjectType(Pen), OBJ_PEN);
  DeleteObject(Pen);
  EXPECT_EQ(B.GetWidth(), 3);

  B.GetCanvas()->SetPixels(0, 0, clRed); // the canvas holds the section...
  HBITMAP Mine = B.ReleaseHandle();      // ...and lets go of it here
  EXPECT_TRUE(B.Empty());
  ASSERT_NE(Mine, nullptr);
  HDC DC = CreateCompatibleDC(nullptr);
  ASSERT_NE(SelectObject(DC, Mine), nullptr);
  EXPECT_EQ(GetPixel(DC, 0, 0), Red);
  DeleteDC(DC);
  DeleteObject(Mine);
  B.SetHandle(nullptr);
  EXPECT_TRUE(B.Empty());
}

TEST(Bitmap, DrawingOnTheCanvasChangesTheBitmap) {
  TBitmap B;
  B.SetSize(2, 2);
  TListener L;
  B.OnChange = L.Event();
  B.GetCanvas()->FillRect(Rect(0, 0, 1, 1));
  B.GetCanvas()->LineTo(1, 1);
  EXPECT_EQ(L.Count, 2);
  EXPECT_EQ(L.Last, &B);
  EXPECT_TRUE(B.GetModified());
  B.SetModified(false);
  EXPECT_FALSE(B.GetModified());
}

TEST(Bitmap, PaletteIsTheColourTableOfIndexedFormats) {
  TBitmap B;
  B.SetPixelFormat(pf8bit);
  B.SetSize(2, 1);
  HPALETTE P = B.GetPalette();
  ASSERT_NE(P, nullptr);
  EXPECT_EQ(GetPaletteEntries(P, 0, 0, nullptr), 256u);
  static_cast<std::uint8_t*>(B.ScanLine(0))[0] = 0;
  static_cast<std::uint8_t*>(B.ScanLine(0))[1] = 1;

  std::vector<std::uint8_t> Block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY));
  auto* Log = reinterpret_cast<LOGPALETTE*>(Block.data());
  Log->palVersion = 0x300;
  Log->palNumEntries = 2;
  Log->palPalEntry[0] = PALETTEENTRY{10, 20, 30, 0};
  Log->palPalEntry[1] = PALETTEENTRY{40, 50, 60, 0};
  HPALETTE Mine = CreatePalette(Log);
  B.SetPalette(Mine);
  EXPECT_EQ(GetObjectType(Mine), OBJ_PAL); // still the caller's
  DeleteObject(Mine);
  EXPECT_EQ(PixelOf(B, 0, 0), RGB(10, 20, 30));
  EXPECT_EQ(PixelOf(B, 1, 0), RGB(40, 50, 60));
  PALETTEENTRY E{};
  GetPaletteEntries(B.GetPalette(), 1, 1, &E);
  EXPECT_EQ(E.peBlue, 60);

  HPEN Pen = CreatePen(PS_SOLID, 1, 0);
  EXPECT_THROW(B.SetPalette(reinterpret_cast<HPALETTE>(Pen)), EInvalidGraphic);
  DeleteObject(Pen);

  TBitmap Deep;
  Deep.SetSize(1, 1);
  EXPECT_EQ(Deep.GetPalette(), nullptr);
}

// A packed DIB as an RT_BITMAP resource holds it: 2x1, 24 bits.
const std::uint8_t
    ResourceDib[] = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0,   0,   1, 0, 24, 0,
                     0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,   0, 0, 0,  0,
                     0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0,  0}; // red, blue, padding

TEST(Bitmap, LoadsBitmapResourcesByNameAndNumber) {
  HANDLE ByName = RegisterResource(RT_BITMAP, "GFXTESTBMP", ResourceDib, sizeof ResourceDib);
  HANDLE ById = RegisterResource(RT_BITMAP, MAKEINTRESOURCE(4711), ResourceDib, sizeof ResourceDib);
  TBitmap B;
  B.LoadFromResourceName(HInstance, "gfxtestbmp");
  EXPECT_EQ(B.GetWidth(), 2);
  EXPECT_EQ(B.GetPixelFormat(), pf24bit);
  EXPECT_EQ(PixelOf(B, 0, 0), Red);
  EXPECT_EQ(PixelOf(B, 1, 0), Blue);
  TBitmap C;
  C.LoadFromResourceID(HInstance, 4711);
  EXPECT_EQ(PixelOf(C, 1, 0), Blue);
  try {
    B.LoadFromResourceName(HInstance, "NOSUCHBITMAP");
    ADD_FAILURE();
  } catch (const EResNotFound& E) {
    EXPECT_EQ(E.Message(), "Resource NOSUCHBITMAP not found");
  }
  EXPECT_THROW(C.LoadFromResourceID(HInstance, 4712), EResNotFound);
  EXPECT_THROW(C.LoadFromResourceID(HInstance, -1), EResNotFound);
  EXPECT_EQ(B.GetWidth(), 2);
  UnregisterResource(ByName);
  UnregisterResource(ById);
}

TEST(Bitmap, IsMadeByClass) {
  TObject* Obj = TBitmap::StaticClass().Create(nullptr);
  EXPECT_TRUE(Obj->Is<TBitmap>());
  EXPECT_TRUE(Obj->Is<TGraphic>());
  Obj->Free();
  EXPECT_TRUE(TGraphic::StaticClass().IsAbstract());
  EXPECT_TRUE(TBitmap::StaticClass().Properties().empty());
}

} // namespace
