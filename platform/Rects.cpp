// Rectangle helpers of the window manager. A rectangle is empty when it
// has no area (Right <= Left or Bottom <= Top); null pointers are refused
// with FALSE. Coordinates move with wrap-around arithmetic, as 32-bit
// registers do, so extreme offsets never become undefined behaviour.
#include "platform/WinTypes.h"

namespace {

LONG Add(LONG A, int B) { return LONG(std::uint32_t(A) + std::uint32_t(B)); }
LONG Sub(LONG A, int B) { return LONG(std::uint32_t(A) - std::uint32_t(B)); }
bool Empty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }
LONG Min(LONG A, LONG B) { return A < B ? A : B; }
LONG Max(LONG A, LONG B) { return A > B ? A : B; }

} // namespace

BOOL SetRect(TRect* r, int left, int top, int right, int bottom) {
  if (!r) return FALSE;
  *r = TRect{left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(TRect* r) { return SetRect(r, 0, 0, 0, 0); }

BOOL CopyRect(TRect* dst, const TRect* src) {
  if (!dst || !src) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL IsRectEmpty(const TRect* r) { return !r || Empty(*r) ? TRUE : FALSE; }

BOOL PtInRect(const TRect* r, TPoint p) {
  if (!r) return FALSE;
  return p.X >= r->Left && p.X < r->Right && p.Y >= r->Top && p.Y < r->Bottom ? TRUE : FALSE;
}

BOOL EqualRect(const TRect* a, const TRect* b) { return a && b && *a == *b ? TRUE : FALSE; }

BOOL InflateRect(TRect* r, int dx, int dy) {
  if (!r) return FALSE;
  *r = TRect{Sub(r->Left, dx), Sub(r->Top, dy), Add(r->Right, dx), Add(r->Bottom, dy)};
  return TRUE;
}

BOOL OffsetRect(TRect* r, int dx, int dy) {
  if (!r) return FALSE;
  *r = TRect{Add(r->Left, dx), Add(r->Top, dy), Add(r->Right, dx), Add(r->Bottom, dy)};
  return TRUE;
}

BOOL IntersectRect(TRect* dst, const TRect* a, const TRect* b) {
  if (!dst) return FALSE;
  if (!a || !b) {
    SetRectEmpty(dst);
    return FALSE;
  }
  TRect R{Max(a->Left, b->Left), Max(a->Top, b->Top), Min(a->Right, b->Right),
          Min(a->Bottom, b->Bottom)};
  if (Empty(*a) || Empty(*b) || Empty(R)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  *dst = R;
  return TRUE;
}

BOOL UnionRect(TRect* dst, const TRect* a, const TRect* b) {
  if (!dst) return FALSE;
  if (!a || !b) {
    SetRectEmpty(dst);
    return FALSE;
  }
  bool EmptyA = Empty(*a), EmptyB = Empty(*b);
  if (EmptyA && EmptyB) {
    SetRectEmpty(dst);
    return FALSE;
  }
  if (EmptyA || EmptyB) {
    *dst = EmptyA ? *b : *a;
    return TRUE;
  }
  *dst = TRect{Min(a->Left, b->Left), Min(a->Top, b->Top), Max(a->Right, b->Right),
               Max(a->Bottom, b->Bottom)};
  return TRUE;
}

// Only a b that covers a whole side of a takes anything away, because the
// result must stay a single rectangle; any other overlap leaves a as it is.
BOOL SubtractRect(TRect* dst, const TRect* a, const TRect* b) {
  if (!dst || !a || !b) return FALSE;
  if (Empty(*a)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  TRect Cut;
  TRect R = *a;
  if (IntersectRect(&Cut, a, b)) {
    if (Cut == *a) {
      SetRectEmpty(dst);
      return FALSE;
    }
    if (Cut.Top == R.Top && Cut.Bottom == R.Bottom) {
      if (Cut.Left == R.Left)
        R.Left = Cut.Right;
      else if (Cut.Right == R.Right)
        R.Right = Cut.Left;
    } else if (Cut.Left == R.Left && Cut.Right == R.Right) {
      if (Cut.Top == R.Top)
        R.Top = Cut.Bottom;
      else if (Cut.Bottom == R.Bottom)
        R.Bottom = Cut.Top;
    }
  }
  *dst = R;
  return TRUE;
}
