#include "GraphicsTestSupport.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/runtime/Exceptions.h"

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Red = RGB(255, 0, 0),
                   Blue = RGB(0, 0, 255), Yellow = RGB(255, 255, 0), Lime = RGB(0, 255, 0);

// Pixels that are clearly of one hue, whatever the text rendering blends.
int CountNear(const TSurface& S, const TRect& R, COLORREF C) {
  int N = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) {
      COLORREF P = S.Pixel(X, Y);
      N += std::abs(GetRValue(P) - GetRValue(C)) < 40 &&
           std::abs(GetGValue(P) - GetGValue(C)) < 40 && std::abs(GetBValue(P) - GetBValue(C)) < 40;
    }
  return N;
}

TEST(Canvas, ShapesUseThePenForOutlinesAndTheBrushForFills) {
  TSurface S(60, 60);
  TCanvas& C = *S.Canvas;
  C.GetPen()->SetColor(clRed);
  C.GetBrush()->SetColor(clBlue);
  C.Rectangle(2, 2, 12, 12);
  EXPECT_EQ(S.Pixel(2, 2), Red);
  EXPECT_EQ(S.Pixel(11, 7), Red);
  EXPECT_EQ(S.Pixel(6, 6), Blue);
  EXPECT_EQ(S.Pixel(12, 12), White);

  // A change of the brush alone: the next shape fills with the new colour
  // and still outlines with the pen.
  C.GetBrush()->SetColor(clLime);
  C.Rectangle(Rect(20, 2, 30, 12));
  EXPECT_EQ(S.Pixel(25, 6), Lime);
  EXPECT_EQ(S.Pixel(20, 6), Red);

  C.GetPen()->SetWidth(3);
  C.GetPen()->SetColor(clBlack);
  C.MoveTo(2, 30);
  C.LineTo(30, 30);
  EXPECT_EQ(S.Count(Rect(10, 28, 11, 33), Black), 3);

  C.GetBrush()->SetStyle(bsClear);
  C.GetPen()->SetWidth(1);
  C.Ellipse(2, 14, 14, 26);
  EXPECT_EQ(S.Pixel(8, 20), White); // hollow
  EXPECT_EQ(S.Pixel(8, 14), Black);

  C.GetBrush()->SetColor(clRed);
  C.FrameRect(Rect(30, 14, 38, 22));
  EXPECT_EQ(S.Pixel(30, 18), Red);
  EXPECT_EQ(S.Pixel(34, 18), White);
  C.FillRect(Rect(30, 24, 38, 28));
  EXPECT_EQ(S.Count(Rect(30, 24, 38, 28), Red), 32);

  C.GetPen()->SetColor(clBlue);
  C.GetBrush()->SetColor(clYellow);
  C.RoundRect(40, 40, 56, 50, 6, 6);
  EXPECT_EQ(S.Pixel(48, 45), Yellow);
  EXPECT_EQ(S.Pixel(48, 40), Blue);
  EXPECT_EQ(S.Pixel(40, 40), White); // rounded corner

  const TPoint Points[] = {{45, 10}, {49, 10}, {49, 14}};
  C.Polyline(Points);
  EXPECT_EQ(S.Pixel(47, 10), Blue);
  EXPECT_EQ(S.Pixel(49, 12), Blue);
}

TEST(Canvas, LastSelectionsStayInTheDC) {
  TSurface S(20, 20);
  TCanvas& C = *S.Canvas;
  C.Rectangle(0, 0, 5, 5);
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_PEN), C.GetPen()->GetHandle());
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_BRUSH), C.GetBrush()->GetHandle());
  EXPECT_EQ(C.State(), (TCanvasState{csHandleValid, csPenValid, csBrushValid}));
  C.TextOut(0, 0, "x");
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_FONT), C.GetFont()->GetHandle());
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_PEN), C.GetPen()->GetHandle());

  // A change invalidates just its own part; the stock object stands in.
  C.GetPen()->SetColor(clRed);
  EXPECT_EQ(C.State(), (TCanvasState{csHandleValid, csFontValid, csBrushValid}));
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_BRUSH), C.GetBrush()->GetHandle());
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_FONT), C.GetFont()->GetHandle());
  C.GetFont()->SetSize(20);
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  C.GetBrush()->SetStyle(bsCross);
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(C.State(), TCanvasState{csHandleValid});

  // GetHandle hands out the DC with everything selected.
  EXPECT_EQ(C.GetHandle(), S.DC);
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_PEN), C.GetPen()->GetHandle());
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_FONT), C.GetFont()->GetHandle());
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_BRUSH), C.GetBrush()->GetHandle());

  C.Refresh();
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_PEN), GetStockObject(BLACK_PEN));
  C.LineTo(3, 3);
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_PEN), C.GetPen()->GetHandle());

  C.SetHandle(nullptr);
  EXPECT_FALSE(C.HandleAllocated());
  EXPECT_TRUE(C.State().Empty());
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_FONT), GetStockObject(SYSTEM_FONT));
}

TEST(Canvas, WithoutADCDrawingIsRefused) {
  TCanvas* C = Create<TCanvas>();
  try {
    C->FillRect(Rect(0, 0, 1, 1));
    ADD_FAILURE();
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Canvas does not allow drawing");
  }
  EXPECT_THROW(C->GetHandle(), EInvalidOperation);
  C->Free();
}

TEST(Canvas, TextColourIsTheFontsAndTheBackgroundFollowsTheBrush) {
  TSurface S(120, 40);
  TCanvas& C = *S.Canvas;
  C.GetFont()->SetColor(clRed);
  C.GetFont()->SetHeight(-24);
  C.GetBrush()->SetColor(clYellow);
  C.TextOut(2, 2, "Hm");
  EXPECT_EQ(GetTextColor(S.DC), Red);
  EXPECT_EQ(GetBkMode(S.DC), OPAQUE);
  EXPECT_EQ(GetBkColor(S.DC), Yellow);
  TSize Ext = C.TextExtent("Hm");
  TRect Cell = Rect(2, 2, 2 + Ext.cx, 2 + Ext.cy);
  EXPECT_GT(CountNear(S, Cell, Red), 10);
  EXPECT_GT(S.Count(Cell, Yellow), 10);

  S.Fill(White);
  C.GetBrush()->SetStyle(bsClear);
  C.TextOut(2, 2, "Hm");
  EXPECT_EQ(GetBkMode(S.DC), TRANSPARENT);
  EXPECT_GT(CountNear(S, Cell, Red), 10);
  EXPECT_EQ(S.Count(Cell, Yellow), 0);

  // System colours are resolved when selected.
  C.GetFont()->SetColor(clHighlight);
  C.TextOut(2, 2, "x");
  EXPECT_EQ(GetTextColor(S.DC), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(Canvas, AFontChangeReachesTheNextText) {
  TSurface S(200, 60);
  TCanvas& C = *S.Canvas;
  C.GetFont()->SetSize(8);
  TSize Small = C.TextExtent("Wide text");
  C.GetFont()->SetSize(20);
  TSize Large = C.TextExtent("Wide text");
  EXPECT_GT(Large.cx, Small.cx);
  EXPECT_GT(Large.cy, Small.cy);
  EXPECT_EQ(C.TextWidth("Wide text"), Large.cx);
  EXPECT_EQ(C.TextHeight("Wide text"), Large.cy);
  EXPECT_EQ(C.TextExtent("").cx, 0);

  C.TextOut(5, 5, "Wide text");
  EXPECT_EQ(C.GetPenPos(), (TPoint{5 + Large.cx, 5})); // text moves the pen
  EXPECT_GT(S.Count(Rect(5, 5, 5 + Large.cx, 5 + Large.cy), Black), 20);
}

TEST(Canvas, TextRectClipsAndFills) {
  TSurface S(100, 40);
  TCanvas& C = *S.Canvas;
  C.GetFont()->SetHeight(-30);
  C.GetBrush()->SetColor(clYellow);
  C.TextRect(Rect(10, 10, 30, 20), 5, 0, "WWWW");
  EXPECT_EQ(S.Count(Rect(10, 10, 30, 20), White), 0);   // filled or text
  EXPECT_EQ(S.Count(Rect(0, 0, 100, 10), White), 1000); // clipped above
  EXPECT_EQ(S.Count(Rect(30, 0, 100, 40), White), 70 * 40);
  EXPECT_GT(S.Count(Rect(10, 10, 30, 20), Yellow), 0);
}

TEST(Canvas, CopyRectCombinesThroughTheCopyMode) {
  TSurface Src(10, 10), Dst(20, 20);
  Src.Canvas->GetBrush()->SetColor(clRed);
  Src.Canvas->FillRect(Rect(0, 0, 10, 10));
  Src.Canvas->GetBrush()->SetColor(clBlue);
  Src.Canvas->FillRect(Rect(5, 0, 10, 10));
  EXPECT_EQ(Dst.Canvas->GetCopyMode(), cmSrcCopy);

  struct TCase {
    TCopyMode Mode;
    COLORREF Before, Left, Right;
  } Cases[] = {
      {cmSrcCopy, White, Red, Blue},
      {cmSrcInvert, Lime, RGB(255, 255, 0), RGB(0, 255, 255)},
      {cmSrcAnd, Yellow, Red, Black},
      {cmSrcPaint, Lime, Yellow, RGB(0, 255, 255)},
      {cmNotSrcCopy, White, RGB(0, 255, 255), Yellow},
      {cmMergePaint, Blue, RGB(0, 255, 255), White}, // (not source) or destination
      {cmBlackness, White, Black, Black},
      {cmWhiteness, Black, White, White},
  };
  for (const TCase& C : Cases) {
    Dst.Fill(C.Before);
    Dst.Canvas->SetCopyMode(C.Mode);
    Dst.Canvas->CopyRect(Rect(0, 0, 10, 10), *Src.Canvas, Rect(0, 0, 10, 10));
    EXPECT_EQ(Dst.Pixel(2, 2), C.Left) << std::hex << C.Mode;
    EXPECT_EQ(Dst.Pixel(7, 2), C.Right) << std::hex << C.Mode;
    EXPECT_EQ(Dst.Pixel(15, 15), C.Before) << std::hex << C.Mode;
  }
  // Scaled: the 10x10 source doubles.
  Dst.Fill(White);
  Dst.Canvas->SetCopyMode(cmSrcCopy);
  Dst.Canvas->CopyRect(Rect(0, 0, 20, 20), *Src.Canvas, Rect(0, 0, 10, 10));
  EXPECT_EQ(Dst.Count(Rect(0, 0, 10, 20), Red), 200);
  EXPECT_EQ(Dst.Count(Rect(10, 0, 20, 20), Blue), 200);
}

TEST(Canvas, PixelsClipRectAndPenPosition) {
  TSurface S(16, 8);
  TCanvas& C = *S.Canvas;
  C.SetPixels(3, 4, clRed);
  EXPECT_EQ(C.GetPixels(3, 4), TColor(Red));
  EXPECT_EQ(S.Pixel(3, 4), Red);
  C.SetPixels(4, 4, clBtnFace);
  EXPECT_EQ(C.GetPixels(4, 4), TColor(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(C.GetPixels(100, 100), TColor(CLR_INVALID));
  C.SetPixels(-1, -1, clRed); // outside: nothing happens

  EXPECT_EQ(C.ClipRect(), Rect(0, 0, 16, 8));
  IntersectClipRect(S.DC, 2, 2, 6, 6);
  EXPECT_EQ(C.ClipRect(), Rect(2, 2, 6, 6));

  C.SetPenPos(TPoint{7, 3});
  EXPECT_EQ(C.GetPenPos(), (TPoint{7, 3}));
}

TEST(Canvas, PenModeIsAppliedWithThePen) {
  TSurface S(20, 5);
  TCanvas& C = *S.Canvas;
  C.GetPen()->SetColor(clRed);
  C.GetPen()->SetMode(pmXor);
  C.MoveTo(0, 2);
  C.LineTo(20, 2);
  EXPECT_EQ(GetROP2(S.DC), R2_XORPEN);
  EXPECT_EQ(S.Pixel(10, 2), RGB(0, 255, 255));
  C.MoveTo(0, 2);
  C.LineTo(20, 2);
  EXPECT_EQ(S.Pixel(10, 2), White); // XOR twice restores
  C.GetPen()->SetMode(pmCopy);
  C.LineTo(0, 2);
  EXPECT_EQ(GetROP2(S.DC), R2_COPYPEN);
  EXPECT_EQ(S.Pixel(10, 2), Red);
}

TEST(Canvas, EveryDrawingOperationIsAnnounced) {
  TSurface S(30, 30);
  TCanvas& C = *S.Canvas;
  TListener Changing, Changed;
  C.OnChanging = Changing.Event();
  C.OnChange = Changed.Event();
  const TPoint Line[] = {{0, 0}, {5, 5}};
  std::vector<std::pair<const char*, std::function<void()>>> Ops{
      {"FillRect", [&] { C.FillRect(Rect(0, 0, 2, 2)); }},
      {"FrameRect", [&] { C.FrameRect(Rect(0, 0, 2, 2)); }},
      {"Rectangle", [&] { C.Rectangle(0, 0, 2, 2); }},
      {"RoundRect", [&] { C.RoundRect(0, 0, 9, 9, 2, 2); }},
      {"Ellipse", [&] { C.Ellipse(0, 0, 4, 4); }},
      {"LineTo", [&] { C.LineTo(4, 4); }},
      {"Polyline", [&] { C.Polyline(Line); }},
      {"TextOut", [&] { C.TextOut(0, 0, "a"); }},
      {"TextRect", [&] { C.TextRect(Rect(0, 0, 9, 9), 0, 0, "a"); }},
      {"CopyRect", [&] { C.CopyRect(Rect(0, 0, 2, 2), C, Rect(2, 2, 4, 4)); }},
      {"SetPixels", [&] { C.SetPixels(1, 1, clRed); }},
  };
  for (auto& [Name, Op] : Ops) {
    int Before = Changed.Count;
    Op();
    EXPECT_EQ(Changed.Count, Before + 1) << Name;
    EXPECT_EQ(Changing.Count, Changed.Count) << Name;
    EXPECT_EQ(Changed.Last, &C);
  }
  int Quiet = Changed.Count;
  C.MoveTo(1, 1);
  C.TextExtent("abc");
  C.GetPixels(1, 1);
  C.ClipRect();
  C.Draw(0, 0, nullptr);
  C.StretchDraw(Rect(0, 0, 5, 5), nullptr);
  EXPECT_EQ(Changed.Count, Quiet);
}

TEST(Canvas, SettersAssignAndLockCounts) {
  TSurface S(4, 4);
  TCanvas& C = *S.Canvas;
  TFont* OwnFont = C.GetFont();
  TFont F;
  F.SetName("DejaVu Sans");
  F.SetColor(clRed);
  C.SetFont(&F);
  EXPECT_EQ(C.GetFont(), OwnFont);
  EXPECT_EQ(C.GetFont()->GetName(), "DejaVu Sans");
  TPen P;
  P.SetWidth(4);
  C.SetPen(&P);
  EXPECT_EQ(C.GetPen()->GetWidth(), 4);
  TBrush B;
  B.SetStyle(bsDiagCross);
  C.SetBrush(&B);
  EXPECT_EQ(C.GetBrush()->GetStyle(), bsDiagCross);

  EXPECT_EQ(C.LockCount(), 0);
  C.Lock();
  C.Lock();
  EXPECT_EQ(C.LockCount(), 2);
  C.Unlock();
  C.Unlock();
  C.Unlock();
  EXPECT_EQ(C.LockCount(), 0);
}

TEST(Canvas, HatchedBrushesPaintTheirPattern) {
  TSurface S(16, 16);
  TCanvas& C = *S.Canvas;
  C.GetBrush()->SetColor(clBlack);
  C.GetBrush()->SetStyle(bsHorizontal);
  C.GetBrush()->SetColor(clRed); // a colour makes a clear brush solid, a hatch stays
  EXPECT_EQ(C.GetBrush()->GetStyle(), bsHorizontal);
  C.FillRect(Rect(0, 0, 16, 16));
  EXPECT_EQ(GetBkMode(S.DC), TRANSPARENT); // the gaps keep what was there
  int Rows = 0;
  for (int Y = 0; Y < 16; ++Y) Rows += S.Count(Rect(0, Y, 16, Y + 1), Red) == 16;
  EXPECT_EQ(Rows, 2); // one line every 8 rows
  EXPECT_EQ(S.Count(Rect(0, 0, 16, 16), Red), 32);
  EXPECT_EQ(S.Count(Rect(0, 0, 16, 16), White), 256 - 32);
}

TEST(Canvas, PatternBrushesTileTheirBitmap) {
  TBitmap Pattern;
  Pattern.SetSize(2, 2);
  Pattern.GetCanvas()->SetPixels(0, 0, clRed);
  Pattern.GetCanvas()->SetPixels(1, 1, clRed);
  TBrush B;
  TListener L;
  B.OnChange = L.Event();
  B.SetBitmap(&Pattern);
  B.SetBitmap(&Pattern);
  EXPECT_EQ(L.Count, 1);
  TSurface S(8, 8);
  TCanvas& C = *S.Canvas;
  C.SetBrush(&B);
  EXPECT_EQ(C.GetBrush()->GetBitmap(), &Pattern);
  C.FillRect(Rect(0, 0, 8, 8));
  EXPECT_EQ(S.Count(Rect(0, 0, 8, 8), Red), 32);
  EXPECT_EQ(S.Pixel(2, 2), Red);
  EXPECT_EQ(S.Pixel(3, 2), White);

  C.GetBrush()->SetBitmap(nullptr);
  C.GetBrush()->SetColor(clBlue);
  C.FillRect(Rect(0, 0, 8, 8));
  EXPECT_EQ(S.Count(Rect(0, 0, 8, 8), Blue), 64);
}

} // namespace
