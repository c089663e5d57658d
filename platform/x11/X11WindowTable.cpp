#include "platform/x11/X11WindowTable.h"

#include <algorithm>

namespace {

constexpr long kEvents = ExposureMask | StructureNotifyMask | PropertyChangeMask | FocusChangeMask |
                         ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                         LeaveWindowMask | KeyPressMask | KeyReleaseMask;

std::string TextOf(HWND Wnd) {
  int Len = GetWindowTextLength(Wnd);
  if (Len <= 0) return {};
  std::string S(std::size_t(Len) + 1, '\0');
  S.resize(std::size_t(std::max(0, GetWindowText(Wnd, S.data(), Len + 1))));
  return S;
}

} // namespace

TX11WindowTable::~TX11WindowTable() {
  if (FConn.Lost()) return;
  for (auto& [Wnd, W] : FWindows) XDestroyWindow(FConn.Dpy(), W.Id);
}

TX11Window* TX11WindowTable::Find(HWND Wnd) {
  auto It = FWindows.find(Wnd);
  return It == FWindows.end() ? nullptr : &It->second;
}

TX11Window* TX11WindowTable::FindX(Window Id) {
  auto It = FByX.find(Id);
  return It == FByX.end() ? nullptr : Find(It->second);
}

Window TX11WindowTable::XOf(HWND Wnd) {
  TX11Window* W = Find(Wnd);
  return W ? W->Id : 0;
}

TX11Window& TX11WindowTable::Create(HWND Wnd) {
  Destroy(Wnd);
  TX11Window& W = FWindows[Wnd];
  W.Wnd = Wnd;
  MakeX(W);
  return W;
}

void TX11WindowTable::Remake(TX11Window& W) {
  FByX.erase(W.Id);
  HWND Wnd = W.Wnd;
  W = TX11Window{};
  W.Wnd = Wnd;
  MakeX(W);
}

void TX11WindowTable::MakeX(TX11Window& W) {
  TRect R{0, 0, 1, 1};
  GetWindowRect(W.Wnd, &R);
  W.Role = TX11WindowRole::Of(W.Wnd);
  W.Title = TextOf(W.Wnd);
  W.Parent = FConn.Root();
  if (FConn.Lost()) return;
  Display* D = FConn.Dpy();
  XSetWindowAttributes A{};
  A.background_pixmap = None;
  A.border_pixel = 0;
  A.colormap = FConn.Colors();
  A.bit_gravity = NorthWestGravity;
  A.override_redirect = W.Role.OverrideRedirect ? True : False;
  A.event_mask = kEvents;
  unsigned Width = unsigned(std::max<LONG>(1, R.Width())),
           Height = unsigned(std::max<LONG>(1, R.Height()));
  TPoint At = FMetrics.ToRoot(TPoint{R.Left, R.Top});
  W.Id = XCreateWindow(
      D, FConn.Root(), At.X, At.Y, Width, Height, 0, FConn.Depth(), InputOutput, FConn.Visual24(),
      CWBackPixmap | CWBorderPixel | CWColormap | CWBitGravity | CWOverrideRedirect | CWEventMask,
      &A);
  FByX[W.Id] = W.Wnd;
  FHints.SetIdentity(W.Id);
  FHints.SetTitle(W.Id, W.Title);
  DWORD Style = DWORD(GetWindowLong(W.Wnd, GWL_STYLE));
  FHints.SetGeometry(W.Id, At.X, At.Y, int(Width), int(Height), (Style & WS_THICKFRAME) != 0);
  FHints.Apply(W.Id, TX11WindowRole{}, W.Role, XOf(W.Role.Owner), false);
  FHints.SetWmHints(W.Id, W.Role, false);
}

void TX11WindowTable::Destroy(HWND Wnd) {
  auto It = FWindows.find(Wnd);
  if (It == FWindows.end()) return;
  Window Id = It->second.Id;
  FByX.erase(Id);
  FWindows.erase(It);
  if (Id && !FConn.Lost()) XDestroyWindow(FConn.Dpy(), Id);
}
