// Where the menu's items lie is learnt from the automation tool, which
// runs the same program on the headless desktop: the menu window is laid
// out and painted by the program itself, so an item's place inside its
// menu window is the same on both desktops, and only the window's own
// position comes from the X server.
// Before the X headers, whose Status macro it would meet.
#include "support/ToolRun.h"

#include "RulerX11Test.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

constexpr int kStartMs = 15000;
constexpr std::uint32_t kBackdropRgb = 0xFFFFFF, kDockRgb = 0x404040;

// Windows of the program come and go while the test looks at them; a
// request about one that just went away is no failure of the test.
int RulerX11IgnoreError(Display*, XErrorEvent*) { return 0; }

// The test's own windows, kept for the whole program like the server.
struct TRulerX11Desk {
  Window Backdrop = 0, Dock = 0;
};

TRulerX11Desk& RulerX11Desk() {
  static TRulerX11Desk Desk;
  return Desk;
}

Window RulerX11MakeClient(Display* D, const TXBox& R, std::uint32_t Rgb, const char* Type) {
  Window W = XCreateSimpleWindow(D, DefaultRootWindow(D), R.Left, R.Top, unsigned(R.Width()),
                                 unsigned(R.Height()), 0, 0, Rgb);
  // Placed where asked: without the hint openbox chooses the place.
  XSizeHints Hints{};
  Hints.flags = USPosition | USSize;
  Hints.x = R.Left;
  Hints.y = R.Top;
  Hints.width = R.Width();
  Hints.height = R.Height();
  XSetWMNormalHints(D, W, &Hints);
  long TypeAtom = long(XInternAtom(D, Type, False));
  XChangeProperty(D, W, XInternAtom(D, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&TypeAtom), 1);
  return W;
}

// A panel along the bottom: openbox leaves its 30 pixels out of the work area.
Window RulerX11MakeDock(Display* D) {
  Window W = RulerX11MakeClient(D, TXBox{0, 994, 1280, 1024}, kDockRgb, "_NET_WM_WINDOW_TYPE_DOCK");
  long Strut[12] = {0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 1279};
  XChangeProperty(D, W, XInternAtom(D, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(Strut), 12);
  XMapWindow(D, W);
  return W;
}

// ---- the menu layout, as the automation tool reports it ----

struct TRulerX11Item {
  TXBox InMenu;      // relative to the menu window's top-left corner
  int MenuWidth = 0; // the size of the menu window that shows it
  int MenuHeight = 0;
};

TXBox RulerX11ParseRect(const std::string& Line) {
  TXBox B{-1, -1, -1, -1};
  std::size_t At = Line.find(" rect=");
  if (At != std::string::npos)
    std::sscanf(Line.c_str() + At + 6, "%d,%d,%d,%d", &B.Left, &B.Top, &B.Right, &B.Bottom);
  return B;
}

std::string RulerX11ItemText(const std::string& Line) {
  std::size_t Open = Line.find("text=\"");
  if (Open == std::string::npos) return {};
  std::size_t Close = Line.find('"', Open + 6);
  std::string Text;
  for (std::size_t I = Open + 6; I < Close && I < Line.size(); ++I)
    if (Line[I] != '&') Text += Line[I];
  return Text;
}

std::map<std::string, TRulerX11Item> RulerX11ReadLayout() {
  char Path[] = "/tmp/tavrel-x11-menu-XXXXXX";
  int Fd = mkstemp(Path);
  std::map<std::string, TRulerX11Item> Items;
  if (Fd < 0) return Items;
  close(Fd);
  std::ofstream(Path) << "start\nclick 640 962 right\nmenus\nkey T\nmenus\nkey Escape\nkey L\n"
                         "menus\nquit\n";
  TToolRun Run = RunTool(TAVREL_DRIVE, ToolQuote(Path));
  std::remove(Path);
  std::istringstream Lines(Run.Output);
  std::string Line;
  TXBox Menu{0, 0, 0, 0};
  while (std::getline(Lines, Line)) {
    if (Line.rfind("window=", 0) == 0) Menu = RulerX11ParseRect(Line);
    if (Line.rfind("item=", 0) != 0 || Line.find("separator=1") != std::string::npos) continue;
    TXBox R = RulerX11ParseRect(Line);
    Items[RulerX11ItemText(Line)] = TRulerX11Item{
        TXBox{R.Left - Menu.Left, R.Top - Menu.Top, R.Right - Menu.Left, R.Bottom - Menu.Top},
        Menu.Width(), Menu.Height()};
  }
  return Items;
}

const std::map<std::string, TRulerX11Item>& RulerX11Layout() {
  static const std::map<std::string, TRulerX11Item> Layout = RulerX11ReadLayout();
  return Layout;
}

} // namespace

// ---- set-up ----

void TRulerX11Test::SetUp() {
  std::string Error;
  FServer = TXServer::Shared(Error);
  ASSERT_NE(FServer, nullptr) << Error;
  ASSERT_TRUE(FServer->StartWindowManager(Error)) << Error;
  XSetErrorHandler(RulerX11IgnoreError);
  Display* D = Viewer();
  TRulerX11Desk& Desk = RulerX11Desk();
  if (!Desk.Backdrop) {
    Desk.Backdrop =
        RulerX11MakeClient(D, TXBox{0, 0, 1280, 1024}, kBackdropRgb, "_NET_WM_WINDOW_TYPE_DESKTOP");
    XMapWindow(D, Desk.Backdrop);
    Desk.Dock = RulerX11MakeDock(D);
    XSync(D, False);
  }
  ASSERT_TRUE(WaitFor([&] {
    std::vector<long> Area = Longs(DefaultRootWindow(D), "_NET_WORKAREA");
    return Area.size() >= 4 && Area[3] == 994 && Viewable(Desk.Backdrop) &&
           FrameRectOf(Desk.Dock) == TXBox{0, 994, 1280, 1024};
  })) << "openbox did not take the dock and its strut";
  if (!FServer->CompositorRunning()) {
    ASSERT_TRUE(FServer->StartCompositor(Error)) << Error;
  }
  std::uint32_t Seen = 0;
  ASSERT_TRUE(PixelSettles(700, 700, kBackdropRgb, Seen)) << std::hex << Seen;
}

void TRulerX11Test::TearDown() {
  FRuler.Stop();
  if (!FServer) return;
  // The manager still lists the program's windows for a moment.
  WaitFor([&] { return Longs(DefaultRootWindow(Viewer()), "_NET_CLIENT_LIST").size() <= 2; });
}

::testing::AssertionResult TRulerX11Test::StartRuler() {
  if (!FRuler.Start({TAVREL_BIN}, FServer->Name()))
    return ::testing::AssertionFailure() << "cannot start " << TAVREL_BIN;
  auto Found = [&] {
    FControl = FLine = FLogo = 0;
    for (Window W : ProgramWindows()) {
      std::string N = Name(W);
      if (N == "FormVL") FLine = W;
      if (N == "FormLogo") FLogo = W;
      if (HasAtom(W, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_UTILITY")) FControl = W;
    }
    return FControl && FLine && FLogo && Viewable(FControl) && Viewable(FLine) && Viewable(FLogo);
  };
  if (WaitFor(Found, kStartMs)) return ::testing::AssertionSuccess();
  ::testing::AssertionResult R = ::testing::AssertionFailure();
  R << "the three windows were not mapped within " << kStartMs << " ms; windows:";
  for (Window W : ProgramWindows()) R << " '" << Name(W) << "'" << (Viewable(W) ? "(mapped)" : "");
  return R;
}

int TRulerX11Test::WaitForExit(int Ms) {
  pid_t Pid = FRuler.Pid();
  if (Pid <= 0) return -1;
  // A process that ended is a zombie until it is waited for.
  auto Ended = [&] {
    std::ifstream Stat("/proc/" + std::to_string(Pid) + "/stat");
    std::string Text((std::istreambuf_iterator<char>(Stat)), std::istreambuf_iterator<char>());
    std::size_t Close = Text.rfind(')');
    return Close == std::string::npos || (Close + 2 < Text.size() && Text[Close + 2] == 'Z');
  };
  if (!WaitFor(Ended, Ms)) return -2;
  return FRuler.Wait();
}

// ---- the program's windows ----

std::vector<Window> TRulerX11Test::ProgramWindows() {
  std::vector<Window> Out;
  Display* D = Viewer();
  long Pid = long(FRuler.Pid());
  Window Root, Parent, *Kids = nullptr;
  unsigned N = 0;
  if (Pid <= 0 || !XQueryTree(D, DefaultRootWindow(D), &Root, &Parent, &Kids, &N)) return Out;
  for (unsigned I = 0; I < N; ++I) {
    if (Longs(Kids[I], "_NET_WM_PID") == std::vector<long>{Pid}) {
      Out.push_back(Kids[I]);
      continue;
    }
    // A window the manager holds lies inside its frame.
    Window R2, P2, *Inner = nullptr;
    unsigned M = 0;
    if (XQueryTree(D, Kids[I], &R2, &P2, &Inner, &M))
      for (unsigned J = 0; J < M; ++J)
        if (Longs(Inner[J], "_NET_WM_PID") == std::vector<long>{Pid}) Out.push_back(Inner[J]);
    if (Inner) XFree(Inner);
  }
  if (Kids) XFree(Kids);
  return Out;
}

std::vector<Window> TRulerX11Test::MappedProgramWindows() {
  std::vector<Window> Out;
  for (Window W : ProgramWindows())
    if (Viewable(W)) Out.push_back(W);
  return Out;
}

Window TRulerX11Test::About() {
  for (Window W : ProgramWindows())
    if (Name(W) == "Om" && HasAtom(W, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG"))
      return W;
  return 0;
}

Window TRulerX11Test::Backdrop() const { return RulerX11Desk().Backdrop; }

std::vector<Window> TRulerX11Test::Stacking() {
  std::vector<Window> Mine = ProgramWindows(), Out;
  Mine.push_back(Backdrop());
  Display* D = Viewer();
  Window Root, Parent, *Kids = nullptr;
  unsigned N = 0;
  if (!XQueryTree(D, DefaultRootWindow(D), &Root, &Parent, &Kids, &N)) return Out;
  for (unsigned I = 0; I < N; ++I)
    for (Window W : Mine) {
      Window Top = W;
      // Climb to the root's child that holds W.
      for (;;) {
        Window R2, P2, *Inner = nullptr;
        unsigned M = 0;
        if (!XQueryTree(D, Top, &R2, &P2, &Inner, &M)) break;
        if (Inner) XFree(Inner);
        if (P2 == R2) break;
        Top = P2;
      }
      if (Top == Kids[I]) Out.push_back(W);
    }
  if (Kids) XFree(Kids);
  return Out;
}

std::vector<Window> TRulerX11Test::OpenMenus() {
  std::vector<Window> Out;
  for (Window W : Stacking())
    if (W != Backdrop() && Viewable(W) && OverrideRedirect(W) &&
        HasAtom(W, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_POPUP_MENU"))
      Out.push_back(W);
  return Out;
}

// ---- the server's view ----

Atom TRulerX11Test::AtomOf(const char* Name) { return XInternAtom(Viewer(), Name, False); }

std::vector<long> TRulerX11Test::Longs(Window W, const char* Property) {
  return XLongProperty(Viewer(), W, Property);
}

bool TRulerX11Test::HasAtom(Window W, const char* Property, const char* Value) {
  return XPropertyHasAtom(Viewer(), W, Property, Value);
}

std::string TRulerX11Test::Name(Window W) {
  Atom Type = None;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  std::string S;
  if (XGetWindowProperty(Viewer(), W, AtomOf("_NET_WM_NAME"), 0, 256, False, AnyPropertyType, &Type,
                         &Format, &Count, &After, &Data) == Success &&
      Data && Format == 8)
    S.assign(reinterpret_cast<char*>(Data), Count);
  if (Data) XFree(Data);
  return S;
}

long TRulerX11Test::WmState(Window W) {
  std::vector<long> L = Longs(W, "WM_STATE");
  return L.empty() ? -1 : L[0];
}

bool TRulerX11Test::Viewable(Window W) { return XWindowViewable(Viewer(), W); }

bool TRulerX11Test::OverrideRedirect(Window W) {
  XWindowAttributes A{};
  return XGetWindowAttributes(Viewer(), W, &A) && A.override_redirect;
}

TXBox TRulerX11Test::ScreenRectOf(Window W) {
  int B[4] = {0, 0, 0, 0};
  XScreenPlace(Viewer(), W, B);
  return TXBox{B[0], B[1], B[2], B[3]};
}

TXBox TRulerX11Test::FrameRectOf(Window W) {
  for (;;) {
    Window Root, Parent, *Kids = nullptr;
    unsigned N = 0;
    if (!XQueryTree(Viewer(), W, &Root, &Parent, &Kids, &N)) return TXBox{};
    if (Kids) XFree(Kids);
    if (Parent == Root) return ScreenRectOf(W);
    W = Parent;
  }
}

std::uint32_t TRulerX11Test::ScreenPixel(int X, int Y) { return XRootPixel(Viewer(), X, Y); }

bool TRulerX11Test::PixelSettles(int X, int Y, std::uint32_t Rgb, std::uint32_t& Seen) {
  // A compositor paints in its own time.
  return WaitFor([&] {
    Seen = ScreenPixel(X, Y);
    for (int Shift : {16, 8, 0})
      if (std::abs(int((Seen >> Shift) & 0xFF) - int((Rgb >> Shift) & 0xFF)) > 1) return false;
    return true;
  });
}

bool TRulerX11Test::WaitFor(const std::function<bool()>& Condition, int Ms) {
  return WaitUntil(Condition, Ms);
}

Window TRulerX11Test::FocusedWindow() {
  Window Focus = 0;
  int Revert = 0;
  XGetInputFocus(Viewer(), &Focus, &Revert);
  return Focus;
}

// ---- input ----

int TRulerX11Test::XDoTool(const std::vector<std::string>& Args) {
  std::vector<std::string> Argv = {"xdotool"};
  Argv.insert(Argv.end(), Args.begin(), Args.end());
  return FServer->Run(Argv);
}

bool TRulerX11Test::MoveTo(int X, int Y) {
  return XDoTool({"mousemove", std::to_string(X), std::to_string(Y)}) == 0;
}

bool TRulerX11Test::Click(int X, int Y, int Button) {
  return XDoTool({"mousemove", std::to_string(X), std::to_string(Y), "click",
                  std::to_string(Button)}) == 0;
}

Window TRulerX11Test::OpenCommandMenu() {
  if (!Click(640, 962, 3)) return 0;
  std::vector<Window> Menus;
  WaitFor([&] { return (Menus = OpenMenus()).size() == 1; });
  return Menus.size() == 1 ? Menus[0] : 0;
}

TXBox TRulerX11Test::ItemRect(Window Menu, const std::string& Text) {
  auto It = RulerX11Layout().find(Text);
  TXBox M = ScreenRectOf(Menu);
  if (It == RulerX11Layout().end() || It->second.MenuWidth != M.Width() ||
      It->second.MenuHeight != M.Height())
    return TXBox{};
  const TXBox& R = It->second.InMenu;
  return TXBox{M.Left + R.Left, M.Top + R.Top, M.Left + R.Right, M.Top + R.Bottom};
}

::testing::AssertionResult TRulerX11Test::ChooseItem(Window Menu, const std::string& Text) {
  TXBox R = ItemRect(Menu, Text);
  if (R.Width() <= 0)
    return ::testing::AssertionFailure()
           << "no item '" << Text << "' in the menu at " << ScreenRectOf(Menu)
           << " (tavrel-drive reported " << RulerX11Layout().size() << " items)";
  if (!Click(R.CenterX(), R.CenterY())) return ::testing::AssertionFailure() << "xdotool failed";
  return ::testing::AssertionSuccess();
}

Window TRulerX11Test::OpenSubmenu(Window Menu, const std::string& Parent) {
  TXBox R = ItemRect(Menu, Parent);
  if (R.Width() <= 0 || !MoveTo(R.CenterX(), R.CenterY())) return 0;
  std::vector<Window> Open;
  WaitFor([&] { return (Open = OpenMenus()).size() == 2 && Open[0] == Menu; });
  return Open.size() == 2 && Open[0] == Menu ? Open[1] : 0;
}
