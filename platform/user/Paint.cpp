// Window device contexts and the invalid areas. A window DC draws into the
// root window's surface at the window's offset, limited to the part of the
// window nothing else covers; the DCs a program holds follow their window
// when it moves and draw nothing once it is gone. Releasing a DC or ending
// a paint tells the desktop which pixels changed.
#include "platform/gdi/Gdi.h"
#include "platform/user/WmState.h"

#include <algorithm>

namespace {

struct THeldDC {
  HDC DC;
  HWND Wnd; // null once the window is gone, or for a screen DC
  bool Client;
  bool Paint;
  TRegionData Limit; // paint DCs: the update area (client coordinates)
};

std::vector<THeldDC>& Held() {
  static std::vector<THeldDC> V;
  return V;
}

THeldDC* FindHeld(HDC DC) {
  for (THeldDC& H : Held())
    if (H.DC == DC) return &H;
  return nullptr;
}

// Origin on the root surface and the visible region of a held DC.
void Place(const THeldDC& H, TPoint& Origin, TRegionData& Visible) {
  TWindow* W = WmFind(H.Wnd);
  Origin = WmSurfaceOffset(*W);
  if (H.Client) {
    TRect C = WmClientInWindow(*W);
    Origin.X += C.Left;
    Origin.Y += C.Top;
  }
  Visible = WmVisibleRegion(*W, H.Client);
  if (H.Paint) Visible = TRegionData::Intersect(Visible, H.Limit);
}

HDC MakeDC(TWindow& W, bool Client, bool Paint, const TRegionData& Limit) {
  TWindow* Root = WmRoot(&W);
  if (!Root) return nullptr;
  TGdiBitmap& Surface = WmEnsureSurface(*Root);
  THeldDC H{nullptr, W.Handle, Client, Paint, Limit};
  TPoint Origin;
  TRegionData Visible;
  Place(H, Origin, Visible);
  H.DC = GdiCreateSurfaceDC(&Surface, Origin, &Visible, W.Handle);
  if (H.DC) Held().push_back(std::move(H));
  return H.DC;
}

void Release(THeldDC& H) {
  if (TWindow* W = WmFind(H.Wnd)) {
    TPoint Origin;
    TRegionData Visible;
    Place(H, Origin, Visible);
    TRect B = Visible.Bounds();
    OffsetRect(&B, Origin.X, Origin.Y);
    if (TWindow* Root = WmRoot(W)) WmSurfaceChanged(*Root, B);
  }
  HDC DC = H.DC;
  auto& V = Held();
  V.erase(std::remove_if(V.begin(), V.end(), [DC](const THeldDC& X) { return X.DC == DC; }),
          V.end());
  DeleteDC(DC);
}

TRect ClientArea(const TWindow& W) {
  TRect C = WmClientInWindow(W);
  return TRect{0, 0, C.Width(), C.Height()};
}

void AddInvalid(TWindow& W, const TRegionData& Rgn, bool Erase) {
  TRegionData Clipped = TRegionData::Intersect(Rgn, TRegionData(ClientArea(W)));
  if (Clipped.IsEmpty()) return;
  W.UpdateRgn = TRegionData::Combine(W.UpdateRgn, Clipped, RGN_OR);
  if (Erase) W.EraseNeeded = true;
}

void PaintNow(TWindow& W, bool Children) {
  HWND H = W.Handle;
  if (!WmIsShowing(W)) return;
  if (W.FrameNeeded) {
    W.FrameNeeded = false;
    SendMessage(H, WM_NCPAINT, 1, 0);
  }
  if (!WmFindLive(H)) return;
  if (!W.UpdateRgn.IsEmpty() || W.InternalPaint) {
    MSG M{H, WM_PAINT, 0, 0, 0, {0, 0}};
    DispatchMessage(&M);
  }
  if (!Children || !WmFindLive(H)) return;
  std::vector<HWND> Kids = W.Children;
  for (HWND K : Kids)
    if (TWindow* KW = WmFindLive(K)) PaintNow(*KW, true);
}

} // namespace

HDC GetDC(HWND wnd) {
  if (!wnd) {
    HDC DC = CreateCompatibleDC(nullptr);
    if (DC) Held().push_back(THeldDC{DC, nullptr, true, false, {}});
    return DC;
  }
  TWindow* W = WmFindLive(wnd);
  return W ? MakeDC(*W, true, false, {}) : nullptr;
}

HDC GetWindowDC(HWND wnd) {
  if (!wnd) return GetDC(nullptr);
  TWindow* W = WmFindLive(wnd);
  return W ? MakeDC(*W, false, false, {}) : nullptr;
}

int ReleaseDC(HWND, HDC dc) {
  THeldDC* H = FindHeld(dc);
  if (!H || H->Paint) return 0;
  Release(*H);
  return 1;
}

HWND WindowFromDC(HDC dc) {
  THeldDC* H = FindHeld(dc);
  return H && WmFindLive(H->Wnd) ? H->Wnd : nullptr;
}

void WmUpdateDCs(TWindow& Root) {
  for (THeldDC& H : Held()) {
    TWindow* W = WmFind(H.Wnd);
    if (!W || WmRoot(W) != &Root) continue;
    TPoint Origin;
    TRegionData Visible;
    Place(H, Origin, Visible);
    GdiSetSurfaceDCVisible(H.DC, Origin, &Visible);
  }
}

void WmForgetDCs(TWindow& W) {
  TRegionData Nothing;
  for (THeldDC& H : Held())
    if (H.Wnd == W.Handle) {
      GdiSetSurfaceDCVisible(H.DC, TPoint{0, 0}, &Nothing);
      H.Wnd = nullptr;
    }
  if (!W.IsChild()) GdiDetachSurface(W.Surface.get());
}

HDC BeginPaint(HWND wnd, PAINTSTRUCT* ps) {
  TWindow* W = WmFindLive(wnd);
  if (!W || !ps) return nullptr;
  if (W->FrameNeeded) {
    W->FrameNeeded = false;
    SendMessage(wnd, WM_NCPAINT, 1, 0);
    if (!(W = WmFindLive(wnd))) return nullptr;
  }
  TRegionData Update = TRegionData::Intersect(W->UpdateRgn, TRegionData(ClientArea(*W)));
  W->UpdateRgn.SetEmpty();
  W->InternalPaint = false;
  bool Erase = W->EraseNeeded;
  W->EraseNeeded = false;
  W->Painting = true;
  *ps = PAINTSTRUCT{};
  ps->hdc = MakeDC(*W, true, true, Update);
  ps->rcPaint = Update.Bounds();
  if (Erase && ps->hdc) ps->fErase = SendMessage(wnd, WM_ERASEBKGND, WPARAM(ps->hdc), 0) == 0;
  return ps->hdc;
}

BOOL EndPaint(HWND wnd, const PAINTSTRUCT* ps) {
  if (TWindow* W = WmFind(wnd)) W->Painting = false;
  if (!ps) return FALSE;
  if (THeldDC* H = FindHeld(ps->hdc); H && H->Paint) Release(*H);
  return TRUE;
}

void WmEndLeftoverPaint(HWND Wnd) {
  for (std::size_t I = Held().size(); I-- > 0;)
    if (Held()[I].Paint && Held()[I].Wnd == Wnd) Release(Held()[I]);
}

BOOL InvalidateRect(HWND wnd, const RECT* rect, BOOL erase) {
  if (!wnd) {
    for (HWND H : std::vector<HWND>(Wm().ZOrder)) InvalidateRect(H, rect, erase);
    return TRUE;
  }
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  AddInvalid(*W, TRegionData(rect ? *rect : ClientArea(*W)), erase);
  return TRUE;
}

BOOL InvalidateRgn(HWND wnd, HRGN rgn, BOOL erase) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  if (!rgn) return InvalidateRect(wnd, nullptr, erase);
  auto* R = GdiFind<TGdiRegion>(rgn, OBJ_REGION);
  if (!R) return FALSE;
  AddInvalid(*W, R->Data, erase);
  return TRUE;
}

BOOL ValidateRect(HWND wnd, const RECT* rect) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  if (!rect)
    W->UpdateRgn.SetEmpty();
  else
    W->UpdateRgn = TRegionData::Combine(W->UpdateRgn, TRegionData(*rect), RGN_DIFF);
  if (W->UpdateRgn.IsEmpty()) W->EraseNeeded = false;
  return TRUE;
}

BOOL GetUpdateRect(HWND wnd, RECT* rect, BOOL) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  TRect B = W->UpdateRgn.IsEmpty() ? TRect{0, 0, 0, 0} : W->UpdateRgn.Bounds();
  if (rect) *rect = B;
  return !W->UpdateRgn.IsEmpty();
}

BOOL UpdateWindow(HWND wnd) {
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  PaintNow(*W, true);
  return TRUE;
}

namespace {

void RedrawOne(TWindow& W, const TRegionData* Area, UINT Flags, bool Top) {
  if (Flags & RDW_INVALIDATE) {
    AddInvalid(W, Area && Top ? *Area : TRegionData(ClientArea(W)), (Flags & RDW_ERASE) != 0);
    if (Flags & RDW_FRAME) WmInvalidateFrame(W);
    if (Flags & RDW_INTERNALPAINT) W.InternalPaint = true;
  }
  if (Flags & RDW_VALIDATE) {
    if (Area && Top)
      W.UpdateRgn = TRegionData::Combine(W.UpdateRgn, *Area, RGN_DIFF);
    else
      W.UpdateRgn.SetEmpty();
    if (Flags & RDW_NOERASE) W.EraseNeeded = false;
    if (Flags & RDW_NOFRAME) W.FrameNeeded = false;
    if (Flags & RDW_NOINTERNALPAINT) W.InternalPaint = false;
  }
  if (!(Flags & RDW_ALLCHILDREN)) return;
  for (HWND K : W.Children)
    if (TWindow* KW = WmFindLive(K)) RedrawOne(*KW, Area, Flags, false);
}

} // namespace

BOOL RedrawWindow(HWND wnd, const RECT* update, HRGN updateRgn, UINT flags) {
  if (!wnd) {
    for (HWND H : std::vector<HWND>(Wm().ZOrder)) RedrawWindow(H, update, updateRgn, flags);
    return TRUE;
  }
  TWindow* W = WmFindLive(wnd);
  if (!W) return FALSE;
  TRegionData Area;
  const TRegionData* AreaP = nullptr;
  if (updateRgn) {
    auto* R = GdiFind<TGdiRegion>(updateRgn, OBJ_REGION);
    if (!R) return FALSE;
    Area = R->Data;
    AreaP = &Area;
  } else if (update) {
    Area = TRegionData(*update);
    AreaP = &Area;
  }
  RedrawOne(*W, AreaP, flags, true);
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintNow(*W, (flags & RDW_ALLCHILDREN) != 0);
  return TRUE;
}

void WmInvalidateTree(TWindow& W) {
  W.UpdateRgn = TRegionData(ClientArea(W));
  W.EraseNeeded = true;
  WmInvalidateFrame(W);
  for (HWND K : W.Children)
    if (TWindow* KW = WmFind(K)) WmInvalidateTree(*KW);
}

void WmExposeUnder(TWindow& Child, const TRect& Rect) {
  TWindow* P = WmFind(Child.Parent);
  if (!P) return;
  AddInvalid(*P, TRegionData(Rect), true);
  for (HWND S : P->Children) {
    TWindow* SW = WmFind(S);
    if (!SW || SW == &Child || !SW->IsVisibleFlag()) continue;
    TRect I;
    if (IntersectRect(&I, &SW->Rect, &Rect)) WmInvalidateTree(*SW);
  }
}
