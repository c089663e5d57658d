// State requests follow the window-manager conventions: a _NET_WM_STATE
// client message to the root with action 0 (remove) or 1 (add), up to two
// atoms and source indication 1 (an application).
#include "platform/x11/X11WindowHints.h"

#include "platform/gdi/Utf8.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <unistd.h>

namespace {

constexpr long kStateRemove = 0, kStateAdd = 1, kSourceApplication = 1;
// _MOTIF_WM_HINTS: flags (decorations given), functions, decorations (none),
// input mode, status.
constexpr long kMotifDecorationsFlag = 2;

bool Has(const std::vector<Atom>& V, Atom A) { return std::find(V.begin(), V.end(), A) != V.end(); }

} // namespace

std::vector<Atom> TX11WindowHints::StatesOf(const TX11WindowRole& Role) const {
  const TX11Atoms& A = FConn.Atoms();
  std::vector<Atom> S;
  if (Role.OverrideRedirect) return S;
  if (Role.OnTop) S.push_back(A.NetWmStateAbove);
  if (Role.SkipTaskbar) S.push_back(A.NetWmStateSkipTaskbar);
  if (Role.SkipPager) S.push_back(A.NetWmStateSkipPager);
  if (Role.Modal) S.push_back(A.NetWmStateModal);
  return S;
}

Atom TX11WindowHints::TypeOf(const TX11WindowRole& Role) const {
  const TX11Atoms& A = FConn.Atoms();
  switch (Role.Type) {
  case TX11WindowRole::Utility: return A.NetWmWindowTypeUtility;
  case TX11WindowRole::Dialog: return A.NetWmWindowTypeDialog;
  case TX11WindowRole::PopupMenu: return A.NetWmWindowTypePopupMenu;
  case TX11WindowRole::Tooltip: return A.NetWmWindowTypeTooltip;
  default: return A.NetWmWindowTypeNormal;
  }
}

void TX11WindowHints::SetIdentity(Window W) {
  if (FConn.Lost()) return;
  Display* D = FConn.Dpy();
  const TX11Atoms& A = FConn.Atoms();
  XClassHint Class{const_cast<char*>("tavrel"), const_cast<char*>("Tavrel")};
  XSetClassHint(D, W, &Class);
  Atom Protocols[] = {A.WmDeleteWindow};
  XSetWMProtocols(D, W, Protocols, 1);
  long Pid = long(getpid());
  XChangeProperty(D, W, A.NetWmPid, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&Pid), 1);
  char Host[256] = {};
  if (gethostname(Host, sizeof Host - 1) == 0)
    XChangeProperty(D, W, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<unsigned char*>(Host),
                    int(std::char_traits<char>::length(Host)));
  long Motif[5] = {kMotifDecorationsFlag, 0, 0, 0, 0};
  XChangeProperty(D, W, A.MotifWmHints, A.MotifWmHints, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(Motif), 5);
}

void TX11WindowHints::Apply(Window W, const TX11WindowRole& Old, const TX11WindowRole& New,
                            Window OwnerWindow, bool Managed) {
  if (FConn.Lost()) return;
  Display* D = FConn.Dpy();
  const TX11Atoms& A = FConn.Atoms();
  long Type = long(TypeOf(New));
  XChangeProperty(D, W, A.NetWmWindowType, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&Type), 1);
  if (OwnerWindow)
    XSetTransientForHint(D, W, OwnerWindow);
  else
    XDeleteProperty(D, W, XA_WM_TRANSIENT_FOR);
  SetOpacity(W, New.Alpha);
  std::vector<Atom> Was = StatesOf(Old), Now = StatesOf(New);
  if (!Managed) {
    SetStates(W, Now);
    return;
  }
  for (Atom S : Was)
    if (!Has(Now, S))
      FConn.SendRootMessage(W, A.NetWmState, kStateRemove, long(S), 0, kSourceApplication);
  for (Atom S : Now)
    if (!Has(Was, S))
      FConn.SendRootMessage(W, A.NetWmState, kStateAdd, long(S), 0, kSourceApplication);
}

bool TX11WindowHints::Reassert(Window W, const TX11WindowRole& Role) {
  const TX11Atoms& A = FConn.Atoms();
  std::vector<long> Have;
  FConn.ReadLongs(W, A.NetWmState, XA_ATOM, Have);
  bool Missing = false;
  for (Atom S : StatesOf(Role))
    if (std::find(Have.begin(), Have.end(), long(S)) == Have.end()) {
      FConn.SendRootMessage(W, A.NetWmState, kStateAdd, long(S), 0, kSourceApplication);
      Missing = true;
    }
  return Missing;
}

void TX11WindowHints::SetWmHints(Window W, const TX11WindowRole& Role, bool Iconic) {
  if (FConn.Lost()) return;
  XWMHints H{};
  H.flags = InputHint | StateHint;
  H.input = Role.NoFocus ? False : True;
  H.initial_state = Iconic ? IconicState : NormalState;
  XSetWMHints(FConn.Dpy(), W, &H);
}

namespace {

// Utf8 as ICCCM's STRING: Latin-1 with tab and newline as the only
// controls. False when a character has no place there.
bool X11HintsLatin1(const std::string& Utf8, std::string& Out) {
  Out.clear();
  for (std::size_t P = 0; P < Utf8.size();) {
    std::uint32_t C = 0;
    P += std::size_t(Utf8Decode(Utf8.data(), Utf8.size(), P, C));
    bool Control = C < 0x20 ? (C != '\t' && C != '\n') : (C >= 0x7F && C < 0xA0);
    if (C > 0xFF || Control) return false;
    Out.push_back(char(C));
  }
  return true;
}

} // namespace

void TX11WindowHints::SetTitle(Window W, const std::string& Utf8) {
  if (FConn.Lost()) return;
  Display* D = FConn.Dpy();
  const TX11Atoms& A = FConn.Atoms();
  auto* Bytes = reinterpret_cast<unsigned char*>(const_cast<char*>(Utf8.c_str()));
  XChangeProperty(D, W, A.NetWmName, A.Utf8String, 8, PropModeReplace, Bytes, int(Utf8.size()));
  // WM_NAME for managers without the UTF-8 name: Latin-1 (the portable
  // STRING) when every character has one, else the UTF-8 bytes as they
  // are. Xlib's own conversion would load the locale's tables first, a
  // few milliseconds at the first window.
  std::string Latin1;
  if (X11HintsLatin1(Utf8, Latin1))
    XChangeProperty(D, W, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<unsigned char*>(Latin1.data()), int(Latin1.size()));
  else
    XChangeProperty(D, W, XA_WM_NAME, A.Utf8String, 8, PropModeReplace, Bytes, int(Utf8.size()));
}

void TX11WindowHints::SetGeometry(Window W, int X, int Y, int Width, int Height, bool Resizable) {
  if (FConn.Lost()) return;
  XSizeHints H{};
  H.flags = USPosition | USSize | PPosition | PSize | PWinGravity;
  H.x = X;
  H.y = Y;
  H.width = Width;
  H.height = Height;
  H.win_gravity = NorthWestGravity;
  if (!Resizable) {
    H.flags |= PMinSize | PMaxSize;
    H.min_width = H.max_width = Width;
    H.min_height = H.max_height = Height;
  }
  XSetWMNormalHints(FConn.Dpy(), W, &H);
}

void TX11WindowHints::SetStates(Window W, const std::vector<Atom>& States) {
  std::vector<long> L(States.begin(), States.end());
  XChangeProperty(FConn.Dpy(), W, FConn.Atoms().NetWmState, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(L.data()), int(L.size()));
}

void TX11WindowHints::SetOpacity(Window W, int Alpha) {
  Display* D = FConn.Dpy();
  Atom Opacity = FConn.Atoms().NetWmWindowOpacity;
  if (Alpha < 0) {
    XDeleteProperty(D, W, Opacity);
    return;
  }
  unsigned long V = (unsigned long)(Alpha)*0x01010101UL;
  XChangeProperty(D, W, Opacity, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&V), 1);
}
