#include "platform/x11/X11Stacker.h"

#include <algorithm>

namespace {

constexpr long kSourceApplication = 1;
// _NET_RESTACK_WINDOW detail: place the window below the sibling.
constexpr long kBelow = 1;

BOOL CollectTop(HWND Wnd, LPARAM Param) {
  reinterpret_cast<std::vector<HWND>*>(Param)->push_back(Wnd);
  return TRUE;
}

} // namespace

std::vector<TX11Window*> TX11Stacker::Showing() {
  std::vector<HWND> Order;
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&Order));
  std::vector<TX11Window*> Out;
  for (HWND H : Order)
    if (TX11Window* W = FTable.Find(H); W && W->MapWanted && !W->Iconic) Out.push_back(W);
  return Out;
}

void TX11Stacker::StackAll(const std::vector<TX11Window*>& Order) {
  if (Order.empty()) return;
  std::vector<Window> Ids;
  for (TX11Window* W : Order) Ids.push_back(W->Id);
  XRaiseWindow(FConn.Dpy(), Ids[0]);
  XRestackWindows(FConn.Dpy(), Ids.data(), int(Ids.size()));
}

void TX11Stacker::Restacked(HWND Wnd, bool Managed) {
  if (FConn.Lost()) return;
  std::vector<TX11Window*> Order = Showing();
  auto It = std::find_if(Order.begin(), Order.end(), [&](TX11Window* W) { return W->Wnd == Wnd; });
  if (It == Order.end()) return;
  if (!Managed) {
    StackAll(Order);
    return;
  }
  TX11Window& W = **It;
  if (It == Order.begin() || W.Role.OverrideRedirect) {
    XRaiseWindow(FConn.Dpy(), W.Id);
    return;
  }
  TX11Window& Higher = **(It - 1);
  FConn.SendRootMessage(W.Id, FConn.Atoms().NetRestackWindow, kSourceApplication, long(Higher.Id),
                        kBelow);
}

void TX11Stacker::KeepTopmostAbove(Window Other, Window Skip) {
  if (FConn.Lost() || !Other || Other == Skip || FTable.FindX(Other)) return;
  std::vector<TX11Window*> Top;
  for (TX11Window* W : Showing())
    if (W->Role.OnTop) Top.push_back(W);
  if (Top.empty()) return;
  Window Root, Parent, *Kids = nullptr;
  unsigned N = 0;
  if (!XQueryTree(FConn.Dpy(), FConn.Root(), &Root, &Parent, &Kids, &N)) return;
  // Children come bottom first: is any foreign window above our lowest
  // top-most one?
  bool Covered = false, SeenOurs = false;
  for (unsigned I = 0; I < N; ++I) {
    TX11Window* W = FTable.FindX(Kids[I]);
    if (W && W->Role.OnTop)
      SeenOurs = true;
    else if (SeenOurs && !W && Kids[I] != Skip)
      Covered = true;
  }
  if (Kids) XFree(Kids);
  if (Covered) StackAll(Top);
}
