// The 3-D parts: DrawEdge, DrawFrameControl and DrawFocusRect.
//
// Everything is painted with FillRect and PatBlt in the system colours of
// the moment, so a SetSysColors change shows at the next paint. Glyphs are
// built from one-pixel rows (triangles, diagonals) or from blocks of a small
// pixel design, sized from the rectangle so that they stay recognisable from
// 16-pixel scroll arrows up to large caption buttons. An inactive glyph is
// embossed: a highlight copy one pixel down and right under a shadow copy.
// A pressed part looks flat (a shadow line around the face) and its glyph
// moves one pixel down and right, like a key pushed into the panel.
#include "platform/user/Draw3d.h"

#include <algorithm>
#include <iterator>

namespace {

bool IsDC(HDC Dc) {
  DWORD Kind = GetObjectType(Dc);
  return Kind == OBJ_DC || Kind == OBJ_MEMDC;
}

void Fill(HDC Dc, int L, int T, int R, int B, int Color) {
  if (R <= L || B <= T) return;
  TRect Box{L, T, R, B};
  FillRect(Dc, &Box, GetSysColorBrush(Color));
}

struct TBorderColors {
  int TopLeft;
  int BottomRight;
};

// One line of an edge along the sides asked for; the rectangle shrinks by
// it on each side drawn. Bottom and right lines own the corners they share
// with the top and left ones, which gives the bevel its diagonal corners.
void DrawBorder(HDC Dc, TRect& R, UINT Sides, TBorderColors C) {
  int TopEnd = R.Right - ((Sides & BF_RIGHT) ? 1 : 0);
  int LeftEnd = R.Bottom - ((Sides & BF_BOTTOM) ? 1 : 0);
  if (Sides & BF_TOP) Fill(Dc, R.Left, R.Top, TopEnd, R.Top + 1, C.TopLeft);
  if (Sides & BF_LEFT) Fill(Dc, R.Left, R.Top, R.Left + 1, LeftEnd, C.TopLeft);
  if (Sides & BF_BOTTOM) Fill(Dc, R.Left, R.Bottom - 1, R.Right, R.Bottom, C.BottomRight);
  if (Sides & BF_RIGHT) Fill(Dc, R.Right - 1, R.Top, R.Right, R.Bottom, C.BottomRight);
  if (Sides & BF_LEFT) ++R.Left;
  if (Sides & BF_TOP) ++R.Top;
  if (Sides & BF_RIGHT) --R.Right;
  if (Sides & BF_BOTTOM) --R.Bottom;
  // A rectangle thinner than its edge ends up empty, never inside out.
  R.Right = std::max(R.Right, R.Left);
  R.Bottom = std::max(R.Bottom, R.Top);
}

// BF_SOFT makes the outer line of a raised edge the brighter one (and the
// outer line of a sunken edge the darker one), the look of push buttons.
TBorderColors OuterColors(UINT Edge, UINT Flags) {
  if (Flags & BF_MONO) return {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
  if (Flags & BF_FLAT) return {COLOR_BTNSHADOW, COLOR_BTNSHADOW};
  bool Soft = (Flags & BF_SOFT) != 0;
  if (Edge & BDR_RAISEDOUTER) return {Soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
  return {Soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
}

TBorderColors InnerColors(UINT Edge, UINT Flags) {
  if (Flags & BF_MONO) return {COLOR_WINDOW, COLOR_WINDOW};
  if (Flags & BF_FLAT) return {COLOR_BTNFACE, COLOR_BTNFACE};
  bool Soft = (Flags & BF_SOFT) != 0;
  if (Edge & BDR_RAISEDINNER) return {Soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
  return {Soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

enum class TGlyph { Up, Down, Left, Right, Close, Min, Max, Restore, Help };

// Paints glyph parts in one colour, displaced by (Dx, Dy).
struct TInk {
  HDC Dc;
  int Color;
  int Dx;
  int Dy;
  void Block(int X, int Y, int W, int H) const {
    Fill(Dc, X + Dx, Y + Dy, X + Dx + W, Y + Dy + H, Color);
  }
};

// A filled triangle pointing in the glyph's direction, its base twice its
// depth, centred in the box.
void PaintArrow(const TInk& Ink, const TRect& Box, TGlyph G) {
  int Depth = std::max(1, (std::min(Box.Width(), Box.Height()) + 2) / 3);
  int Base = 2 * Depth - 1;
  if (G == TGlyph::Up || G == TGlyph::Down) {
    int Tip = Box.Top + (Box.Height() - Depth) / 2;
    int Mid = Box.Left + (Box.Width() - Base) / 2 + Depth - 1;
    for (int I = 0; I < Depth; ++I) {
      int Y = G == TGlyph::Up ? Tip + I : Tip + Depth - 1 - I;
      Ink.Block(Mid - I, Y, 2 * I + 1, 1);
    }
    return;
  }
  int Tip = Box.Left + (Box.Width() - Depth) / 2;
  int Mid = Box.Top + (Box.Height() - Base) / 2 + Depth - 1;
  for (int I = 0; I < Depth; ++I) {
    int X = G == TGlyph::Left ? Tip + I : Tip + Depth - 1 - I;
    Ink.Block(X, Mid - I, 1, 2 * I + 1);
  }
}

// A window outline with a thick title line, as in the maximise and
// restore glyphs, leaving out what lies inside Hole (glyph coordinates).
void PaintWindowShape(const TInk& Ink, int X, int Y, int Size, int Thick,
                      const TRect& Hole = TRect{0, 0, 0, 0}) {
  const TRect Lines[] = {{X, Y, X + Size, Y + Thick},
                         {X, Y, X + 1, Y + Size},
                         {X + Size - 1, Y, X + Size, Y + Size},
                         {X, Y + Size - 1, X + Size, Y + Size}};
  for (const TRect& L : Lines) {
    TRect Cut;
    if (!IntersectRect(&Cut, &L, &Hole)) {
      Ink.Block(L.Left, L.Top, L.Width(), L.Height());
      continue;
    }
    // What is left of the line around the hole: above, below, left, right.
    Ink.Block(L.Left, L.Top, L.Width(), Cut.Top - L.Top);
    Ink.Block(L.Left, Cut.Bottom, L.Width(), L.Bottom - Cut.Bottom);
    Ink.Block(L.Left, Cut.Top, Cut.Left - L.Left, Cut.Height());
    Ink.Block(Cut.Right, Cut.Top, L.Right - Cut.Right, Cut.Height());
  }
}

void PaintClose(const TInk& Ink, int X, int Y, int Size, int Thick) {
  int Reach = Size - Thick;
  for (int I = 0; I <= Reach; ++I) {
    Ink.Block(X + I, Y + I, Thick, 1);
    Ink.Block(X + Reach - I, Y + I, Thick, 1);
  }
}

// Two windows, the front one hiding part of the one behind. The hidden
// part is left out rather than painted over, so that an embossed copy
// keeps its highlight.
void PaintRestore(const TInk& Ink, int X, int Y, int Size, int Thick) {
  int Small = std::max(3, Size * 2 / 3);
  int FrontY = Y + Size - Small;
  PaintWindowShape(Ink, X + Size - Small, Y, Small, Thick,
                   TRect{X, FrontY, X + Small, FrontY + Small});
  PaintWindowShape(Ink, X, FrontY, Small, Thick);
}

// The question mark as a pixel design, scaled up in whole blocks.
void PaintHelp(const TInk& Ink, const TRect& Box) {
  static const char* const kRows[] = {".####.", "##..##", "....##", "...##.",
                                      "..##..", "..##..", "......", "..##.."};
  const int Cols = 6, Rows = int(std::size(kRows));
  int Scale = std::max(1, std::min(Box.Width() / (Cols + 2), Box.Height() / (Rows + 2)));
  int X0 = Box.Left + (Box.Width() - Cols * Scale) / 2;
  int Y0 = Box.Top + (Box.Height() - Rows * Scale) / 2;
  for (int R = 0; R < Rows; ++R)
    for (int C = 0; C < Cols; ++C)
      if (kRows[R][C] == '#') Ink.Block(X0 + C * Scale, Y0 + R * Scale, Scale, Scale);
}

void PaintGlyph(const TInk& Ink, const TRect& Box, TGlyph G) {
  int Side = std::min(Box.Width(), Box.Height());
  if (Side <= 0) return;
  if (G <= TGlyph::Right) return PaintArrow(Ink, Box, G);
  if (G == TGlyph::Help) return PaintHelp(Ink, Box);
  int Size = std::max(1, Side - Side / 5);
  // Strokes thicken with the box: two pixels at caption size.
  int Thick = Size >= 8 ? std::max(2, Size / 7) : 1;
  int X = Box.Left + (Box.Width() - Size) / 2;
  int Y = Box.Top + (Box.Height() - Size) / 2;
  switch (G) {
  case TGlyph::Close: return PaintClose(Ink, X, Y + Thick / 2, Size, Thick);
  case TGlyph::Min: return Ink.Block(X, Y + Size - Thick, std::max(1, Size * 3 / 4), Thick);
  case TGlyph::Max: return PaintWindowShape(Ink, X, Y, Size, Thick);
  default: return PaintRestore(Ink, X, Y, Size, Thick);
  }
}

// The face of a part and its glyph rectangle: the face inside its edge,
// moved one pixel down and right when the part is pushed in.
TRect PaintFace(HDC Dc, const TRect& Rect, UINT State, bool Button) {
  TRect R = Rect;
  UINT Flags = BF_RECT | BF_MIDDLE | BF_ADJUST;
  UINT Edge = EDGE_RAISED;
  bool In = (State & (DFCS_PUSHED | DFCS_CHECKED)) != 0;
  if (State & DFCS_MONO) Flags |= BF_MONO;
  if (State & (DFCS_FLAT | DFCS_PUSHED))
    Flags |= BF_FLAT;
  else if (State & DFCS_CHECKED)
    Edge = EDGE_SUNKEN;
  if (Button) Flags |= BF_SOFT;
  DrawEdge(Dc, &R, Edge, Flags);
  if (In) OffsetRect(&R, 1, 1);
  return R;
}

} // namespace

HBRUSH CreateHalftoneBrush() {
  // Rows are WORD-aligned: two bytes each, the second unused.
  static const BYTE kBits[16] = {0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0,
                                 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0};
  HBITMAP Pattern = CreateBitmap(8, 8, 1, 1, kBits);
  if (!Pattern) return nullptr;
  HBRUSH Brush = CreatePatternBrush(Pattern);
  DeleteObject(Pattern);
  return Brush;
}

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
  if (!rect || !IsDC(dc)) return FALSE;
  TRect R = *rect;
  UINT Sides = flags & BF_RECT;
  if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
    DrawBorder(dc, R, Sides, OuterColors(edge, flags));
  if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
    DrawBorder(dc, R, Sides, InnerColors(edge, flags));
  if (flags & BF_MIDDLE)
    Fill(dc, R.Left, R.Top, R.Right, R.Bottom, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
  if (flags & BF_ADJUST) *rect = R;
  return TRUE;
}

BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state) {
  if (!rect || !IsDC(dc)) return FALSE;
  UINT Kind = state & 0xFF;
  TGlyph Glyph;
  switch (type) {
  case DFC_BUTTON:
    if (Kind != DFCS_BUTTONPUSH) return FALSE;
    PaintFace(dc, *rect, state, true);
    return TRUE;
  case DFC_CAPTION:
    if (Kind > DFCS_CAPTIONHELP) return FALSE;
    Glyph = Kind == DFCS_CAPTIONCLOSE     ? TGlyph::Close
            : Kind == DFCS_CAPTIONMIN     ? TGlyph::Min
            : Kind == DFCS_CAPTIONMAX     ? TGlyph::Max
            : Kind == DFCS_CAPTIONRESTORE ? TGlyph::Restore
                                          : TGlyph::Help;
    break;
  case DFC_SCROLL:
    if (Kind > DFCS_SCROLLRIGHT) return FALSE;
    Glyph = TGlyph(int(TGlyph::Up) + int(Kind));
    break;
  default: return FALSE;
  }
  TRect Box = PaintFace(dc, *rect, state, false);
  if (state & DFCS_INACTIVE) {
    PaintGlyph(TInk{dc, COLOR_BTNHIGHLIGHT, 1, 1}, Box, Glyph);
    PaintGlyph(TInk{dc, COLOR_BTNSHADOW, 0, 0}, Box, Glyph);
  } else {
    PaintGlyph(TInk{dc, COLOR_BTNTEXT, 0, 0}, Box, Glyph);
  }
  return TRUE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
  if (!rect || !IsDC(dc)) return FALSE;
  const TRect& R = *rect;
  int W = R.Width(), H = R.Height();
  if (W <= 0 || H <= 0) return TRUE;
  HBRUSH Dots = CreateHalftoneBrush();
  if (!Dots) return FALSE;
  // Black leaves a pixel as it is under PATINVERT and white inverts it, so
  // every other pixel of the outline flips and a second call restores all.
  COLORREF OldText = SetTextColor(dc, RGB(0, 0, 0));
  COLORREF OldBk = SetBkColor(dc, RGB(255, 255, 255));
  HGDIOBJ OldBrush = SelectObject(dc, Dots);
  PatBlt(dc, R.Left, R.Top, W, 1, PATINVERT);
  if (H > 1) PatBlt(dc, R.Left, R.Bottom - 1, W, 1, PATINVERT);
  if (H > 2) {
    PatBlt(dc, R.Left, R.Top + 1, 1, H - 2, PATINVERT);
    if (W > 1) PatBlt(dc, R.Right - 1, R.Top + 1, 1, H - 2, PATINVERT);
  }
  SelectObject(dc, OldBrush);
  SetTextColor(dc, OldText);
  SetBkColor(dc, OldBk);
  DeleteObject(Dots);
  return TRUE;
}
