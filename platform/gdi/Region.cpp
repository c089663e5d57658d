// Regions are kept in one canonical form: horizontal bands sorted top to
// bottom, every rectangle of a band sharing its top and bottom, the
// rectangles of a band sorted left to right and never touching, and no two
// vertically adjacent bands with the same spans. The form is unique for a
// given set of pixels, so equality is a plain comparison and a single
// rectangle always reports SIMPLEREGION. Every operation produces the form
// directly by sweeping the band edges of its inputs.
#include "platform/gdi/Region.h"

#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <utility>

namespace {

using TSpan = std::pair<int, int>; // [first, second)

// A band of a canonical rectangle list: its rows and the index range of
// its rectangles.
struct TBand {
  int Top, Bottom;
  std::size_t Begin, End;
};

std::vector<TBand> BandsOf(const std::vector<TRect>& Rects) {
  std::vector<TBand> Bands;
  for (std::size_t i = 0; i < Rects.size();) {
    std::size_t j = i + 1;
    while (j < Rects.size() && Rects[j].Top == Rects[i].Top) ++j;
    Bands.push_back({Rects[i].Top, Rects[i].Bottom, i, j});
    i = j;
  }
  return Bands;
}

// Appends bands to a rectangle list, merging a band into the one above it
// when they touch and have the same spans.
class TBandWriter {
public:
  explicit TBandWriter(std::vector<TRect>& Out) : FOut(Out) {}

  void Add(int Top, int Bottom, const std::vector<TSpan>& Spans) {
    if (Spans.empty() || Top >= Bottom) return;
    if (FHasLast && FLastBottom == Top && SameAsLast(Spans)) {
      for (std::size_t i = FLastBegin; i < FOut.size(); ++i) FOut[i].Bottom = Bottom;
      FLastBottom = Bottom;
      return;
    }
    FLastBegin = FOut.size();
    for (const TSpan& S : Spans) FOut.push_back(TRect{S.first, Top, S.second, Bottom});
    FHasLast = true;
    FLastBottom = Bottom;
  }

private:
  bool SameAsLast(const std::vector<TSpan>& Spans) const {
    if (FOut.size() - FLastBegin != Spans.size()) return false;
    for (std::size_t i = 0; i < Spans.size(); ++i) {
      const TRect& R = FOut[FLastBegin + i];
      if (R.Left != Spans[i].first || R.Right != Spans[i].second) return false;
    }
    return true;
  }

  std::vector<TRect>& FOut;
  bool FHasLast = false;
  int FLastBottom = 0;
  std::size_t FLastBegin = 0;
};

bool Keep(int Mode, bool InA, bool InB) {
  switch (Mode) {
  case RGN_AND: return InA && InB;
  case RGN_OR: return InA || InB;
  case RGN_XOR: return InA != InB;
  case RGN_DIFF: return InA && !InB;
  default: return InA;
  }
}

// Appends [X0, X1) to Out, joining it to the last span when they touch.
void PushSpan(std::vector<TSpan>& Out, int X0, int X1) {
  if (!Out.empty() && Out.back().second == X0)
    Out.back().second = X1;
  else
    Out.emplace_back(X0, X1);
}

// Combines the spans of one band of A with one band of B (either may be
// empty) by walking the merged list of their edges.
void CombineSpans(const TRect* A, std::size_t NA, const TRect* B, std::size_t NB, int Mode,
                  std::vector<int>& Edges, std::vector<TSpan>& Out) {
  Out.clear();
  Edges.clear();
  for (std::size_t i = 0; i < NA; ++i) Edges.push_back(A[i].Left), Edges.push_back(A[i].Right);
  for (std::size_t i = 0; i < NB; ++i) Edges.push_back(B[i].Left), Edges.push_back(B[i].Right);
  std::sort(Edges.begin(), Edges.end());
  Edges.erase(std::unique(Edges.begin(), Edges.end()), Edges.end());
  std::size_t ia = 0, ib = 0;
  for (std::size_t k = 0; k + 1 < Edges.size(); ++k) {
    int X0 = Edges[k], X1 = Edges[k + 1];
    while (ia < NA && A[ia].Right <= X0) ++ia;
    while (ib < NB && B[ib].Right <= X0) ++ib;
    bool InA = ia < NA && A[ia].Left <= X0;
    bool InB = ib < NB && B[ib].Left <= X0;
    if (Keep(Mode, InA, InB)) PushSpan(Out, X0, X1);
  }
}

int Saturate(std::int64_t V) { return int(std::clamp<std::int64_t>(V, INT_MIN, INT_MAX)); }

} // namespace

void TRegionData::SetRect(const TRect& R) {
  FRects.clear();
  if (R.Left < R.Right && R.Top < R.Bottom) FRects.push_back(R);
}

int TRegionData::Complexity() const {
  if (FRects.empty()) return NULLREGION;
  return FRects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TRect TRegionData::Bounds() const {
  if (FRects.empty()) return TRect{0, 0, 0, 0};
  TRect B{FRects.front().Left, FRects.front().Top, FRects.front().Right, FRects.back().Bottom};
  for (const TRect& R : FRects) {
    B.Left = std::min(B.Left, R.Left);
    B.Right = std::max(B.Right, R.Right);
  }
  return B;
}

bool TRegionData::Contains(int X, int Y) const {
  for (const TRect& R : FRects) {
    if (R.Top > Y) break;
    if (Y < R.Bottom && X >= R.Left && X < R.Right) return true;
  }
  return false;
}

bool TRegionData::Intersects(const TRect& Q) const {
  if (Q.Left >= Q.Right || Q.Top >= Q.Bottom) return false;
  for (const TRect& R : FRects) {
    if (R.Top >= Q.Bottom) break;
    if (R.Bottom > Q.Top && R.Left < Q.Right && R.Right > Q.Left) return true;
  }
  return false;
}

void TRegionData::Offset(int Dx, int Dy) {
  // Saturating keeps the order of all edges, so the bands stay sorted;
  // rectangles pushed against the limit of the coordinate range collapse
  // and are dropped, which may leave equal neighbouring bands to merge.
  bool Collapsed = false;
  std::vector<TRect> Moved;
  Moved.reserve(FRects.size());
  for (const TRect& R : FRects) {
    TRect M{Saturate(std::int64_t(R.Left) + Dx), Saturate(std::int64_t(R.Top) + Dy),
            Saturate(std::int64_t(R.Right) + Dx), Saturate(std::int64_t(R.Bottom) + Dy)};
    if (M.Left < M.Right && M.Top < M.Bottom)
      Moved.push_back(M);
    else
      Collapsed = true;
  }
  FRects = std::move(Moved);
  if (Collapsed) Normalize();
}

void TRegionData::Normalize() {
  std::vector<TRect> In;
  for (const TRect& R : FRects)
    if (R.Left < R.Right && R.Top < R.Bottom) In.push_back(R);
  FRects.clear();
  std::sort(In.begin(), In.end(), [](const TRect& A, const TRect& B) { return A.Top < B.Top; });
  std::vector<int> Ys;
  for (const TRect& R : In) Ys.push_back(R.Top), Ys.push_back(R.Bottom);
  std::sort(Ys.begin(), Ys.end());
  Ys.erase(std::unique(Ys.begin(), Ys.end()), Ys.end());

  TBandWriter Writer(FRects);
  std::vector<const TRect*> Active;
  std::vector<TSpan> Spans;
  std::size_t Next = 0;
  for (std::size_t k = 0; k + 1 < Ys.size(); ++k) {
    int Y0 = Ys[k], Y1 = Ys[k + 1];
    std::erase_if(Active, [Y0](const TRect* R) { return R->Bottom <= Y0; });
    while (Next < In.size() && In[Next].Top <= Y0) Active.push_back(&In[Next++]);
    Spans.clear();
    for (const TRect* R : Active) Spans.emplace_back(R->Left, R->Right);
    std::sort(Spans.begin(), Spans.end());
    std::vector<TSpan> Merged;
    for (const TSpan& S : Spans) {
      if (!Merged.empty() && S.first <= Merged.back().second)
        Merged.back().second = std::max(Merged.back().second, S.second);
      else
        Merged.push_back(S);
    }
    Writer.Add(Y0, Y1, Merged);
  }
}

TRegionData TRegionData::FromRects(std::vector<TRect> Rects) {
  TRegionData R;
  R.FRects = std::move(Rects);
  R.Normalize();
  return R;
}

TRegionData TRegionData::Combine(const TRegionData& A, const TRegionData& B, int Mode) {
  if (Mode == RGN_COPY) return A;
  std::vector<TBand> BA = BandsOf(A.FRects), BB = BandsOf(B.FRects);
  std::vector<int> Ys;
  for (const TBand& Bd : BA) Ys.push_back(Bd.Top), Ys.push_back(Bd.Bottom);
  for (const TBand& Bd : BB) Ys.push_back(Bd.Top), Ys.push_back(Bd.Bottom);
  std::sort(Ys.begin(), Ys.end());
  Ys.erase(std::unique(Ys.begin(), Ys.end()), Ys.end());

  TRegionData Out;
  TBandWriter Writer(Out.FRects);
  std::vector<int> Edges;
  std::vector<TSpan> Spans;
  std::size_t ia = 0, ib = 0;
  for (std::size_t k = 0; k + 1 < Ys.size(); ++k) {
    int Y0 = Ys[k], Y1 = Ys[k + 1];
    while (ia < BA.size() && BA[ia].Bottom <= Y0) ++ia;
    while (ib < BB.size() && BB[ib].Bottom <= Y0) ++ib;
    const TRect* RA = nullptr;
    const TRect* RB = nullptr;
    std::size_t NA = 0, NB = 0;
    if (ia < BA.size() && BA[ia].Top <= Y0)
      RA = A.FRects.data() + BA[ia].Begin, NA = BA[ia].End - BA[ia].Begin;
    if (ib < BB.size() && BB[ib].Top <= Y0)
      RB = B.FRects.data() + BB[ib].Begin, NB = BB[ib].End - BB[ib].Begin;
    CombineSpans(RA, NA, RB, NB, Mode, Edges, Spans);
    Writer.Add(Y0, Y1, Spans);
  }
  return Out;
}

bool operator==(const TRegionData& A, const TRegionData& B) { return A.FRects == B.FRects; }

// ---- region handles ----

namespace {

TGdiRegion* FindRegion(HRGN H) { return GdiFind<TGdiRegion>(H, OBJ_REGION); }

TRect NormalizedRect(int Left, int Top, int Right, int Bottom) {
  return TRect{std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right),
               std::max(Top, Bottom)};
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto R = std::make_unique<TGdiRegion>();
  R->Data.SetRect(NormalizedRect(left, top, right, bottom));
  return static_cast<HRGN>(GdiAdd(std::move(R)));
}

HRGN CreateRectRgnIndirect(const TRect* r) {
  return r ? CreateRectRgn(r->Left, r->Top, r->Right, r->Bottom) : nullptr;
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
  TGdiRegion* D = FindRegion(dst);
  TGdiRegion* A = FindRegion(a);
  if (!D || !A || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (mode == RGN_COPY) {
    D->Data = A->Data;
    return D->Data.Complexity();
  }
  TGdiRegion* B = FindRegion(b);
  if (!B) return ERROR;
  D->Data = TRegionData::Combine(A->Data, B->Data, mode);
  return D->Data.Complexity();
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  TGdiRegion* R = FindRegion(rgn);
  if (!R) return FALSE;
  R->Data.SetRect(NormalizedRect(left, top, right, bottom));
  return TRUE;
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  TGdiRegion* R = FindRegion(rgn);
  if (!R) return ERROR;
  R->Data.Offset(dx, dy);
  return R->Data.Complexity();
}

int GetRgnBox(HRGN rgn, TRect* box) {
  TGdiRegion* R = FindRegion(rgn);
  if (!R || !box) return ERROR;
  *box = R->Data.Bounds();
  return R->Data.Complexity();
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
  TGdiRegion* R = FindRegion(rgn);
  return R && R->Data.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN rgn, const TRect* r) {
  TGdiRegion* R = FindRegion(rgn);
  if (!R || !r) return FALSE;
  return R->Data.Intersects(NormalizedRect(r->Left, r->Top, r->Right, r->Bottom)) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
  TGdiRegion* A = FindRegion(a);
  TGdiRegion* B = FindRegion(b);
  if (!A || !B) return ERROR;
  return A->Data == B->Data ? TRUE : FALSE;
}
