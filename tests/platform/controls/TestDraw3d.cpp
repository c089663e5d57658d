// The 3-D part painters on memory surfaces: edge colours and corners, the
// flat, mono, soft, middle and adjust flags, glyph shapes and states, the
// focus rectangle, and the failures.
#include "platform/WinUser.h"
#include "platform/gdi/GdiTestSupport.h"

#include <set>
#include <utility>

namespace {

using gditest::TGdiTest;
using gditest::TTestSurface;

COLORREF Sys(int Index) { return GetSysColor(Index); }

using TPixels = std::set<std::pair<int, int>>;

TPixels PixelsOf(const TTestSurface& S, COLORREF C) {
  TPixels P;
  for (int Y = 0; Y < S.Height(); ++Y)
    for (int X = 0; X < S.Width(); ++X)
      if (S.At(X, Y) == C) P.insert({X, Y});
  return P;
}

TRect Bounds(const TPixels& P) {
  TRect B{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
  for (auto [X, Y] : P)
    B = TRect{std::min<LONG>(B.Left, X), std::min<LONG>(B.Top, Y), std::max<LONG>(B.Right, X + 1),
              std::max<LONG>(B.Bottom, Y + 1)};
  return B;
}

class TDraw3dTest : public TGdiTest {};

TEST_F(TDraw3dTest, EdgeColoursFollowTheBorderKinds) {
  struct TCase {
    UINT Edge, Flags;
    int OuterTl, OuterBr, InnerTl, InnerBr;
  };
  const TCase Cases[] = {
      {EDGE_RAISED, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
      {EDGE_RAISED, BF_SOFT, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW},
      {EDGE_SUNKEN, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
      {EDGE_SUNKEN, BF_SOFT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT},
      {EDGE_ETCHED, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
      {EDGE_BUMP, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
      {EDGE_RAISED, BF_FLAT, COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE},
      {EDGE_SUNKEN, BF_MONO, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME, COLOR_WINDOW, COLOR_WINDOW},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Edge << " flags " << C.Flags);
    TTestSurface S(14, 14, RGB(1, 2, 3));
    TRect R{2, 2, 12, 12};
    EXPECT_EQ(DrawEdge(S.DC, &R, C.Edge, BF_RECT | C.Flags), TRUE);
    EXPECT_EQ(R, (TRect{2, 2, 12, 12}));
    EXPECT_EQ(S.At(2, 2), Sys(C.OuterTl));
    EXPECT_EQ(S.At(10, 2), Sys(C.OuterTl));
    EXPECT_EQ(S.At(2, 10), Sys(C.OuterTl));
    // The bottom and right lines own the far corners.
    EXPECT_EQ(S.At(11, 2), Sys(C.OuterBr));
    EXPECT_EQ(S.At(2, 11), Sys(C.OuterBr));
    EXPECT_EQ(S.At(11, 11), Sys(C.OuterBr));
    EXPECT_EQ(S.At(3, 3), Sys(C.InnerTl));
    EXPECT_EQ(S.At(9, 3), Sys(C.InnerTl));
    EXPECT_EQ(S.At(10, 3), Sys(C.InnerBr));
    EXPECT_EQ(S.At(10, 10), Sys(C.InnerBr));
    EXPECT_EQ(S.At(4, 4), RGB(1, 2, 3));
    EXPECT_EQ(S.At(1, 1), RGB(1, 2, 3));
    EXPECT_EQ(S.At(12, 12), RGB(1, 2, 3));
  }
}

TEST_F(TDraw3dTest, MiddleFillsAndAdjustShrinksOnTheDrawnSides) {
  struct TCase {
    UINT Edge, Flags;
    TRect After;
    COLORREF Middle;
  };
  const TCase Cases[] = {
      {EDGE_RAISED, BF_RECT, TRect{2, 2, 18, 18}, Sys(COLOR_BTNFACE)},
      {BDR_RAISEDINNER, BF_RECT, TRect{1, 1, 19, 19}, Sys(COLOR_BTNFACE)},
      {EDGE_SUNKEN, BF_LEFT | BF_TOP, TRect{2, 2, 20, 20}, Sys(COLOR_BTNFACE)},
      {EDGE_SUNKEN, BF_RIGHT | BF_BOTTOM, TRect{0, 0, 18, 18}, Sys(COLOR_BTNFACE)},
      {BDR_RAISEDOUTER, BF_RECT | BF_MONO, TRect{1, 1, 19, 19}, Sys(COLOR_WINDOW)},
      {EDGE_RAISED, 0, TRect{0, 0, 20, 20}, Sys(COLOR_BTNFACE)},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Edge << " flags " << C.Flags);
    TTestSurface S(20, 20, RGB(1, 2, 3));
    TRect R{0, 0, 20, 20};
    EXPECT_EQ(DrawEdge(S.DC, &R, C.Edge, C.Flags | BF_MIDDLE | BF_ADJUST), TRUE);
    EXPECT_EQ(R, C.After);
    EXPECT_EQ(S.Count(C.Middle), C.After.Width() * C.After.Height());
  }
}

TEST_F(TDraw3dTest, OneSidedEdgesRunTheirFullLength) {
  TTestSurface S(10, 10, RGB(1, 2, 3));
  TRect R{0, 0, 10, 10};
  DrawEdge(S.DC, &R, BDR_RAISEDINNER, BF_TOP);
  EXPECT_EQ(S.Count(Sys(COLOR_BTNHIGHLIGHT)), 10);
  EXPECT_EQ(S.At(9, 0), Sys(COLOR_BTNHIGHLIGHT));
  DrawEdge(S.DC, &R, BDR_RAISEDINNER, BF_RIGHT);
  EXPECT_EQ(S.Count(Sys(COLOR_BTNSHADOW)), 10);
}

TEST_F(TDraw3dTest, TinyAndInvertedRectanglesAreSafe) {
  TTestSurface S(8, 8, RGB(1, 2, 3));
  for (TRect R0 : {TRect{2, 2, 3, 3}, TRect{2, 2, 2, 6}, TRect{5, 5, 1, 1}, TRect{0, 0, 3, 1}}) {
    TRect R = R0;
    EXPECT_EQ(DrawEdge(S.DC, &R, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST), TRUE);
    EXPECT_GE(R.Right, R.Left);
    EXPECT_GE(R.Bottom, R.Top);
    TRect F = R0;
    EXPECT_EQ(DrawFrameControl(S.DC, &F, DFC_SCROLL, DFCS_SCROLLUP), TRUE);
    EXPECT_EQ(DrawFrameControl(S.DC, &F, DFC_CAPTION, DFCS_CAPTIONHELP | DFCS_INACTIVE), TRUE);
    EXPECT_EQ(DrawFocusRect(S.DC, &F), TRUE);
  }
}

TEST_F(TDraw3dTest, BadArgumentsFailAndDrawNothing) {
  TTestSurface S(16, 16, RGB(1, 2, 3));
  TRect R{0, 0, 16, 16};
  HDC Forged = reinterpret_cast<HDC>(std::intptr_t(0x4242));
  HDC NotADc = reinterpret_cast<HDC>(GetStockObject(BLACK_BRUSH));
  for (HDC Dc : {HDC(nullptr), Forged, NotADc}) {
    EXPECT_EQ(DrawEdge(Dc, &R, EDGE_RAISED, BF_RECT), FALSE);
    EXPECT_EQ(DrawFrameControl(Dc, &R, DFC_SCROLL, DFCS_SCROLLUP), FALSE);
    EXPECT_EQ(DrawFocusRect(Dc, &R), FALSE);
  }
  EXPECT_EQ(DrawEdge(S.DC, nullptr, EDGE_RAISED, BF_RECT), FALSE);
  EXPECT_EQ(DrawFrameControl(S.DC, nullptr, DFC_SCROLL, DFCS_SCROLLUP), FALSE);
  EXPECT_EQ(DrawFocusRect(S.DC, nullptr), FALSE);
  const std::pair<UINT, UINT> Unsupported[] = {
      {DFC_MENU, 0},   {0, 0},           {99, 0},         {DFC_SCROLL, 5},
      {DFC_SCROLL, 8}, {DFC_CAPTION, 5}, {DFC_BUTTON, 0}, {DFC_BUTTON, 0x14}};
  for (auto [Type, State] : Unsupported) EXPECT_EQ(DrawFrameControl(S.DC, &R, Type, State), FALSE);
  EXPECT_EQ(S.Count(RGB(1, 2, 3)), 16 * 16);
}

TEST_F(TDraw3dTest, ScrollArrowsPointTheirWay) {
  // Rows (or columns) of the triangle widen by two from the tip.
  struct TCase {
    UINT Kind;
    bool Vertical, TipFirst;
  };
  for (TCase C : {TCase{DFCS_SCROLLUP, true, true}, TCase{DFCS_SCROLLDOWN, true, false},
                  TCase{DFCS_SCROLLLEFT, false, true}, TCase{DFCS_SCROLLRIGHT, false, false}}) {
    SCOPED_TRACE(C.Kind);
    TTestSurface S(16, 16);
    TRect R{0, 0, 16, 16};
    EXPECT_EQ(DrawFrameControl(S.DC, &R, DFC_SCROLL, C.Kind), TRUE);
    TPixels Ink = PixelsOf(S, Sys(COLOR_BTNTEXT));
    // Only the glyph is black; the dark edge lies on the border lines.
    std::erase_if(Ink, [](auto P) { return P.first == 15 || P.second == 15; });
    TRect B = Bounds(Ink);
    int Depth = C.Vertical ? B.Height() : B.Width();
    ASSERT_EQ(Depth, 4);
    for (int I = 0; I < Depth; ++I) {
      int Line = C.TipFirst ? I : Depth - 1 - I;
      int N = 0;
      for (auto [X, Y] : Ink) N += (C.Vertical ? Y - B.Top : X - B.Left) == Line;
      EXPECT_EQ(N, 2 * I + 1);
    }
    EXPECT_GE(B.Left, 4);
    EXPECT_LE(B.Right, 12);
    EXPECT_GE(B.Top, 4);
    EXPECT_LE(B.Bottom, 12);
  }
}

TEST_F(TDraw3dTest, InactiveGlyphsAreEmbossedAndPushedOnesMoveIn) {
  for (UINT Type : {DFC_SCROLL, DFC_CAPTION}) {
    for (UINT Kind : {0u, 1u, 2u, 3u}) {
      SCOPED_TRACE(testing::Message() << Type << "/" << Kind);
      TTestSurface Normal(18, 16), Off(18, 16), In(18, 16);
      TRect R{0, 0, 18, 16};
      DrawFrameControl(Normal.DC, &R, Type, Kind);
      DrawFrameControl(Off.DC, &R, Type, Kind | DFCS_INACTIVE);
      DrawFrameControl(In.DC, &R, Type, Kind | DFCS_PUSHED);
      TPixels Glyph = PixelsOf(Normal, Sys(COLOR_BTNTEXT));
      std::erase_if(Glyph, [](auto P) { return P.first == 17 || P.second == 15; });
      ASSERT_FALSE(Glyph.empty());
      // Inactive: the shape in shadow grey over a highlight copy moved by
      // one pixel; nothing black inside the edge.
      TPixels Shadow = PixelsOf(Off, Sys(COLOR_BTNSHADOW));
      for (auto [X, Y] : Glyph) {
        EXPECT_EQ(Shadow.count({X, Y}), 1u);
        COLORREF Below = Off.At(X + 1, Y + 1);
        EXPECT_TRUE(Below == Sys(COLOR_BTNHIGHLIGHT) || Below == Sys(COLOR_BTNSHADOW));
      }
      EXPECT_EQ(Off.At(17, 15), Sys(COLOR_3DDKSHADOW));
      // Pushed: flat shadow frame, glyph one pixel down and right.
      EXPECT_EQ(In.At(0, 0), Sys(COLOR_BTNSHADOW));
      EXPECT_EQ(In.At(17, 15), Sys(COLOR_BTNSHADOW));
      for (auto [X, Y] : Glyph) EXPECT_EQ(In.At(X + 1, Y + 1), Sys(COLOR_BTNTEXT));
    }
  }
}

TEST_F(TDraw3dTest, CaptionGlyphsAreDistinctAndScale) {
  std::vector<std::vector<std::string>> Pictures;
  for (UINT Kind : {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE,
                    DFCS_CAPTIONHELP}) {
    TTestSurface S(16, 14);
    TRect R{0, 0, 16, 14};
    EXPECT_EQ(DrawFrameControl(S.DC, &R, DFC_CAPTION, Kind), TRUE);
    EXPECT_GT(S.Count(Sys(COLOR_BTNTEXT)), 16 + 14 - 1); // more than the dark edge
    Pictures.push_back(S.Picture(Sys(COLOR_BTNTEXT), Sys(COLOR_BTNFACE)));
  }
  for (std::size_t I = 0; I < Pictures.size(); ++I)
    for (std::size_t J = I + 1; J < Pictures.size(); ++J) EXPECT_NE(Pictures[I], Pictures[J]);
  // The close cross is symmetric and grows with its box.
  TTestSurface Small(16, 16), Large(48, 48);
  TRect Rs{0, 0, 16, 16}, Rl{0, 0, 48, 48};
  DrawFrameControl(Small.DC, &Rs, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  DrawFrameControl(Large.DC, &Rl, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  auto Inside = [](TPixels P, int Size) {
    std::erase_if(P, [&](auto Q) { return Q.first == Size - 1 || Q.second == Size - 1; });
    return P;
  };
  TPixels Cross = Inside(PixelsOf(Large, Sys(COLOR_BTNTEXT)), 48);
  TRect B = Bounds(Cross);
  for (auto [X, Y] : Cross) EXPECT_EQ(Cross.count({B.Left + B.Right - 1 - X, Y}), 1u);
  EXPECT_GT(B.Width(), 2 * Bounds(Inside(PixelsOf(Small, Sys(COLOR_BTNTEXT)), 16)).Width());
}

TEST_F(TDraw3dTest, FocusRectangleInvertsEveryOtherOutlinePixel) {
  TTestSurface S(16, 12, RGB(0xC0, 0xC0, 0xC0));
  TRect R{2, 2, 12, 9};
  EXPECT_EQ(DrawFocusRect(S.DC, &R), TRUE);
  COLORREF Inverted = RGB(0x3F, 0x3F, 0x3F);
  for (int X = 2; X < 11; ++X) EXPECT_NE(S.At(X, 2), S.At(X + 1, 2));
  for (int Y = 2; Y < 8; ++Y) EXPECT_NE(S.At(2, Y), S.At(2, Y + 1));
  EXPECT_EQ(S.Count(Inverted), (2 * 10 + 2 * 5) / 2);
  EXPECT_EQ(S.At(5, 5), RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(S.At(1, 2), RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(DrawFocusRect(S.DC, &R), TRUE);
  EXPECT_EQ(S.Count(RGB(0xC0, 0xC0, 0xC0)), 16 * 12);
  // The DC keeps its colours and brush.
  EXPECT_EQ(GetTextColor(S.DC), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(S.DC), RGB(255, 255, 255));
  EXPECT_EQ(GetCurrentObject(S.DC, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
}

} // namespace
