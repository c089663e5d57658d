// Relations between windows: parents, owners, siblings in stacking order,
// enumeration and lookup by class and caption. The desktop window is a
// pseudo-handle that stands for the screen.
#include "platform/user/WmState.h"

#include <algorithm>
#include <strings.h>

namespace {

const HWND kDesktop = reinterpret_cast<HWND>(std::intptr_t(0x10010));

const std::vector<HWND>* SiblingsOf(TWindow& W) {
  if (!W.IsChild()) return &Wm().ZOrder;
  TWindow* P = WmFind(W.Parent);
  return P ? &P->Children : nullptr;
}

void CollectDescendants(TWindow& W, std::vector<HWND>& Out) {
  for (HWND K : W.Children) {
    Out.push_back(K);
    if (TWindow* KW = WmFind(K)) CollectDescendants(*KW, Out);
  }
}

} // namespace

HWND GetDesktopWindow() { return kDesktop; }
bool WmIsDesktop(HWND Wnd) { return Wnd == kDesktop; }

BOOL IsWindow(HWND wnd) { return wnd == kDesktop || WmFindLive(wnd) != nullptr; }

BOOL IsWindowVisible(HWND wnd) {
  TWindow* W = WmFindLive(wnd);
  while (W) {
    if (!W->IsVisibleFlag()) return FALSE;
    if (!W->IsChild()) return TRUE;
    W = WmFind(W->Parent);
  }
  return wnd == kDesktop;
}

BOOL IsWindowEnabled(HWND wnd) {
  TWindow* W = WmFindLive(wnd);
  return W && !(W->Style & WS_DISABLED);
}

BOOL IsIconic(HWND wnd) {
  TWindow* W = WmFindLive(wnd);
  return W && (W->Style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND wnd) {
  TWindow* W = WmFindLive(wnd);
  return W && (W->Style & WS_MAXIMIZE);
}

BOOL IsChild(HWND parent, HWND wnd) {
  TWindow* W = WmFind(wnd);
  while (W && W->IsChild()) {
    if (W->Parent == parent) return TRUE;
    W = WmFind(W->Parent);
  }
  return FALSE;
}

HWND GetParent(HWND wnd) {
  TWindow* W = WmFind(wnd);
  if (!W) return nullptr;
  return W->IsChild() ? W->Parent : W->Owner;
}

HWND SetParent(HWND wnd, HWND newParent) {
  // Only child windows move between parents; a window never changes
  // between child and top-level here.
  TWindow* W = WmFindLive(wnd);
  TWindow* P = WmFindLive(newParent);
  if (!W || !P || !W->IsChild() || P == W || IsChild(wnd, newParent)) return nullptr;
  HWND Old = W->Parent;
  TRect OldRect = W->Rect;
  bool Shown = WmIsShowing(*W);
  if (TWindow* OP = WmFind(Old)) {
    auto& C = OP->Children;
    C.erase(std::remove(C.begin(), C.end(), wnd), C.end());
    if (Shown) {
      W->Parent = Old;
      WmExposeUnder(*W, OldRect);
    }
  }
  W->Parent = newParent;
  P->Children.insert(P->Children.begin(), wnd);
  WmInvalidateTree(*W);
  if (TWindow* Root = WmRoot(W)) WmUpdateDCs(*Root);
  return Old;
}

HWND GetWindow(HWND wnd, UINT cmd) {
  TWindow* W = WmFind(wnd);
  if (!W) return nullptr;
  switch (cmd) {
  case GW_OWNER: return W->IsChild() ? nullptr : W->Owner;
  case GW_CHILD: return W->Children.empty() ? nullptr : W->Children.front();
  case GW_ENABLEDPOPUP:
    for (HWND H : Wm().ZOrder) {
      TWindow* O = WmFind(H);
      if (O && O->Owner == wnd && O->IsVisibleFlag() && !(O->Style & WS_DISABLED)) return H;
    }
    return nullptr;
  default: break;
  }
  const std::vector<HWND>* Sib = SiblingsOf(*W);
  if (!Sib || Sib->empty()) return nullptr;
  auto It = std::find(Sib->begin(), Sib->end(), wnd);
  switch (cmd) {
  case GW_HWNDFIRST: return Sib->front();
  case GW_HWNDLAST: return Sib->back();
  case GW_HWNDNEXT: return It == Sib->end() || It + 1 == Sib->end() ? nullptr : *(It + 1);
  case GW_HWNDPREV: return It == Sib->end() || It == Sib->begin() ? nullptr : *(It - 1);
  default: return nullptr;
  }
}

HWND GetAncestor(HWND wnd, UINT flags) {
  TWindow* W = WmFind(wnd);
  if (!W) return nullptr;
  switch (flags) {
  case GA_PARENT: return W->IsChild() ? W->Parent : kDesktop;
  case GA_ROOT: return WmRoot(W)->Handle;
  case GA_ROOTOWNER: {
    TWindow* R = WmRoot(W);
    while (R && R->Owner) {
      TWindow* O = WmFind(R->Owner);
      if (!O) break;
      R = WmRoot(O);
    }
    return R->Handle;
  }
  default: return nullptr;
  }
}

HWND FindWindow(LPCSTR className, LPCSTR windowName) {
  for (HWND H : Wm().ZOrder) {
    TWindow* W = WmFindLive(H);
    if (!W) continue;
    if (className && strcasecmp(W->Class->Name.c_str(), className) != 0) continue;
    if (windowName && W->Text != windowName) continue;
    return H;
  }
  return nullptr;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM param) {
  if (!proc) return FALSE;
  std::vector<HWND> Tops = Wm().ZOrder;
  for (HWND H : Tops)
    if (WmFindLive(H) && !proc(H, param)) return FALSE;
  return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param) {
  TWindow* P = WmFindLive(parent);
  if (!P || !proc) return FALSE;
  std::vector<HWND> All;
  CollectDescendants(*P, All);
  for (HWND H : All)
    if (WmFindLive(H) && !proc(H, param)) return FALSE;
  return TRUE;
}
