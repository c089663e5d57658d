// Xlib's handlers are process-wide, so they are installed once and keep
// their bookkeeping per Display. The I/O error path relies on
// XSetIOErrorExitHandler (libX11 1.7 and later): its handler returns
// instead of exiting, after which libX11 refuses further requests on that
// Display, and the desktop reports the loss through WaitForEvents.
#include "platform/x11/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>
#include <map>

namespace {

struct TErrorLog {
  unsigned long Count = 0;
  // Serial of the last failed request, per connection.
  std::map<Display*, unsigned long> LastFailed;
};

TErrorLog& Errors() {
  static TErrorLog Log;
  return Log;
}

int OnXError(Display* Dpy, XErrorEvent* E) {
  ++Errors().Count;
  Errors().LastFailed[Dpy] = E->serial;
  return 0;
}

// The default handler prints and exits; the exit handler below decides.
int OnIOError(Display*) { return 0; }

void OnIOErrorExit(Display*, void* Data) { static_cast<TX11Connection*>(Data)->MarkLost(); }

void InstallHandlers() {
  static bool Done = false;
  if (Done) return;
  Done = true;
  XSetErrorHandler(OnXError);
  XSetIOErrorHandler(OnIOError);
}

bool IsLocalName(const char* Name) {
  return Name && (Name[0] == ':' || std::strncmp(Name, "unix:", 5) == 0);
}

struct TAtomName {
  Atom TX11Atoms::*Field;
  const char* Name;
};

constexpr TAtomName kAtomNames[] = {
    {&TX11Atoms::WmProtocols, "WM_PROTOCOLS"},
    {&TX11Atoms::WmDeleteWindow, "WM_DELETE_WINDOW"},
    {&TX11Atoms::WmState, "WM_STATE"},
    {&TX11Atoms::WmChangeState, "WM_CHANGE_STATE"},
    {&TX11Atoms::MotifWmHints, "_MOTIF_WM_HINTS"},
    {&TX11Atoms::Utf8String, "UTF8_STRING"},
    {&TX11Atoms::NetWmName, "_NET_WM_NAME"},
    {&TX11Atoms::NetWmPid, "_NET_WM_PID"},
    {&TX11Atoms::NetWmState, "_NET_WM_STATE"},
    {&TX11Atoms::NetWmStateAbove, "_NET_WM_STATE_ABOVE"},
    {&TX11Atoms::NetWmStateSkipTaskbar, "_NET_WM_STATE_SKIP_TASKBAR"},
    {&TX11Atoms::NetWmStateSkipPager, "_NET_WM_STATE_SKIP_PAGER"},
    {&TX11Atoms::NetWmStateModal, "_NET_WM_STATE_MODAL"},
    {&TX11Atoms::NetWmStateHidden, "_NET_WM_STATE_HIDDEN"},
    {&TX11Atoms::NetWmWindowType, "_NET_WM_WINDOW_TYPE"},
    {&TX11Atoms::NetWmWindowTypeNormal, "_NET_WM_WINDOW_TYPE_NORMAL"},
    {&TX11Atoms::NetWmWindowTypeUtility, "_NET_WM_WINDOW_TYPE_UTILITY"},
    {&TX11Atoms::NetWmWindowTypeDialog, "_NET_WM_WINDOW_TYPE_DIALOG"},
    {&TX11Atoms::NetWmWindowTypePopupMenu, "_NET_WM_WINDOW_TYPE_POPUP_MENU"},
    {&TX11Atoms::NetWmWindowTypeTooltip, "_NET_WM_WINDOW_TYPE_TOOLTIP"},
    {&TX11Atoms::NetWmWindowOpacity, "_NET_WM_WINDOW_OPACITY"},
    {&TX11Atoms::NetWmMoveResize, "_NET_WM_MOVERESIZE"},
    {&TX11Atoms::NetSupportingWmCheck, "_NET_SUPPORTING_WM_CHECK"},
    {&TX11Atoms::NetWorkarea, "_NET_WORKAREA"},
    {&TX11Atoms::NetActiveWindow, "_NET_ACTIVE_WINDOW"},
    {&TX11Atoms::NetRestackWindow, "_NET_RESTACK_WINDOW"},
};

} // namespace

std::unique_ptr<TX11Connection> TX11Connection::Open(const char* DisplayName, std::string& Error) {
  InstallHandlers();
  const char* Name = DisplayName ? DisplayName : std::getenv("DISPLAY");
  if (!Name || !*Name) {
    Error = "DISPLAY is not set";
    return nullptr;
  }
  std::unique_ptr<TX11Connection> C(new TX11Connection);
  C->FDpy = XOpenDisplay(Name);
  if (!C->FDpy) {
    Error = std::string("cannot open display '") + Name + "'";
    return nullptr;
  }
  XSetIOErrorExitHandler(C->FDpy, OnIOErrorExit, C.get());
  C->FScreen = DefaultScreen(C->FDpy);
  C->FRoot = RootWindow(C->FDpy, C->FScreen);
  C->FFd = ConnectionNumber(C->FDpy);
  C->FLocal = IsLocalName(DisplayString(C->FDpy));
  if (!C->PickVisual(Error)) {
    Error = std::string("display '") + Name + "': " + Error;
    return nullptr;
  }
  constexpr int Count = int(sizeof kAtomNames / sizeof kAtomNames[0]);
  char* Names[Count];
  Atom Values[Count];
  for (int I = 0; I < Count; ++I) Names[I] = const_cast<char*>(kAtomNames[I].Name);
  XInternAtoms(C->FDpy, Names, Count, False, Values);
  for (int I = 0; I < Count; ++I) C->FAtoms.*kAtomNames[I].Field = Values[I];
  std::string Cm = "_NET_WM_CM_S" + std::to_string(C->FScreen);
  C->FAtoms.NetCmSelection = XInternAtom(C->FDpy, Cm.c_str(), False);
  return C;
}

TX11Connection::~TX11Connection() {
  if (!FDpy) return;
  Errors().LastFailed.erase(FDpy);
  // A lost link is closed too: libX11 only frees its side then.
  if (FOwnColormap && !FLost) XFreeColormap(FDpy, FColormap);
  XCloseDisplay(FDpy);
}

// Surfaces hold 0x00RRGGBB in 32-bit words; the server must take exactly
// that as a 24-bit TrueColor image with 32 bits per pixel.
bool TX11Connection::PickVisual(std::string& Error) {
  XVisualInfo Info;
  if (!XMatchVisualInfo(FDpy, FScreen, 24, TrueColor, &Info) || Info.red_mask != 0xFF0000 ||
      Info.green_mask != 0xFF00 || Info.blue_mask != 0xFF) {
    Error = "no 24-bit TrueColor visual";
    return false;
  }
  int N = 0;
  bool Bpp32 = false;
  if (XPixmapFormatValues* F = XListPixmapFormats(FDpy, &N)) {
    for (int I = 0; I < N; ++I)
      if (F[I].depth == 24) Bpp32 = F[I].bits_per_pixel == 32;
    XFree(F);
  }
  if (!Bpp32) {
    Error = "24-bit pixels are not stored in 32 bits";
    return false;
  }
  FVisual = Info.visual;
  FDepth = 24;
  if (FVisual == DefaultVisual(FDpy, FScreen)) {
    FColormap = DefaultColormap(FDpy, FScreen);
  } else {
    FColormap = XCreateColormap(FDpy, FRoot, FVisual, AllocNone);
    FOwnColormap = true;
  }
  return true;
}

bool TX11Connection::QueryWindowManager() {
  if (FLost) return false;
  std::vector<long> Check;
  if (!ReadLongs(FRoot, FAtoms.NetSupportingWmCheck, XA_WINDOW, Check) || Check.empty())
    return false;
  // The check window names itself while its manager lives; a stale
  // property from a manager that died names nothing.
  std::vector<long> Self;
  return ReadLongs(Window(Check[0]), FAtoms.NetSupportingWmCheck, XA_WINDOW, Self) &&
         !Self.empty() && Self[0] == Check[0];
}

bool TX11Connection::QueryCompositor() {
  return !FLost && XGetSelectionOwner(FDpy, FAtoms.NetCmSelection) != None;
}

void TX11Connection::SendRootMessage(Window W, Atom Type, long A0, long A1, long A2, long A3,
                                     long A4) {
  if (FLost) return;
  XEvent E{};
  E.xclient.type = ClientMessage;
  E.xclient.window = W;
  E.xclient.message_type = Type;
  E.xclient.format = 32;
  long Data[5] = {A0, A1, A2, A3, A4};
  for (int I = 0; I < 5; ++I) E.xclient.data.l[I] = Data[I];
  XSendEvent(FDpy, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &E);
}

bool TX11Connection::ReadLongs(Window W, Atom Property, Atom Type, std::vector<long>& Out) {
  Out.clear();
  if (FLost || !W) return false;
  Atom ActualType = None;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  if (XGetWindowProperty(FDpy, W, Property, 0, 1024, False, Type, &ActualType, &Format, &Count,
                         &After, &Data) != Success)
    return false;
  bool Ok = Data && ActualType == Type && Format == 32;
  // Xlib hands 32-bit items over as longs.
  if (Ok) Out.assign(reinterpret_cast<long*>(Data), reinterpret_cast<long*>(Data) + Count);
  if (Data) XFree(Data);
  return Ok;
}

bool TX11Connection::FailedSince(unsigned long Serial) {
  if (FLost) return true;
  XSync(FDpy, False);
  auto It = Errors().LastFailed.find(FDpy);
  return FLost || (It != Errors().LastFailed.end() && It->second >= Serial);
}

unsigned long TX11Connection::ErrorCount() { return Errors().Count; }
