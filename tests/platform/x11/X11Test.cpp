#include "X11Test.h"

#include "platform/x11/X11Desktop.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

constexpr const char* kClass = "TavrelX11Test";

LRESULT TestProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  TX11Test::Log().push_back(MSG{Wnd, Msg, W, L, 0, {0, 0}});
  if (Msg == WM_PAINT) {
    PAINTSTRUCT Ps;
    HDC Dc = BeginPaint(Wnd, &Ps);
    HBRUSH B = CreateSolidBrush(COLORREF(GetWindowLong(Wnd, GWL_USERDATA)));
    TRect C;
    GetClientRect(Wnd, &C);
    FillRect(Dc, &C, B);
    DeleteObject(B);
    EndPaint(Wnd, &Ps);
    return 0;
  }
  return DefWindowProc(Wnd, Msg, W, L);
}

// Makes the root white, for the server and for a compositor, which draws
// the background itself from _XROOTPMAP_ID when it starts.
void WhiteRoot(Display* D) {
  Window Root = DefaultRootWindow(D);
  Pixmap P = XCreatePixmap(D, Root, 8, 8, unsigned(DefaultDepth(D, DefaultScreen(D))));
  GC Gc = XCreateGC(D, P, 0, nullptr);
  XSetForeground(D, Gc, 0xFFFFFF);
  XFillRectangle(D, P, Gc, 0, 0, 8, 8);
  XFreeGC(D, Gc);
  XSetWindowBackgroundPixmap(D, Root, P);
  XClearWindow(D, Root);
  long Id = long(P);
  XChangeProperty(D, Root, XInternAtom(D, "_XROOTPMAP_ID", False), XA_PIXMAP, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&Id), 1);
  XSync(D, False);
}

} // namespace

std::vector<MSG>& TX11Test::Log() {
  static std::vector<MSG> L;
  return L;
}

const MSG* TX11Test::Logged(HWND Wnd, UINT Msg) {
  for (const MSG& M : Log())
    if (M.hwnd == Wnd && M.message == Msg) return &M;
  return nullptr;
}

void TX11Test::SetUp() {
  std::string Error;
  FServer = TXServer::Shared(Error);
  ASSERT_NE(FServer, nullptr) << Error;
  auto Desktop = OpenX11Desktop(FServer->Name().c_str(), Error);
  ASSERT_NE(Desktop, nullptr) << Error;
  FDesk = dynamic_cast<TX11Backend*>(Desktop.get());
  SetBackend(std::move(Desktop));
  WNDCLASSA Wc{};
  Wc.lpfnWndProc = TestProc;
  Wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Wc.lpszClassName = kClass;
  RegisterClass(&Wc);
  Log().clear();
}

void TX11Test::TearDown() {
  SetBackend(nullptr);
  UnregisterClass(kClass, nullptr);
  if (FServer) XSync(Viewer(), False);
}

bool TX11Test::PumpUntil(const std::function<bool()>& Condition, int Ms) {
  std::uint64_t End = FDesk->Now() + std::uint64_t(Ms);
  for (;;) {
    MSG M;
    while (PeekMessage(&M, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&M);
      DispatchMessage(&M);
    }
    if (Condition()) return true;
    std::uint64_t Now = FDesk->Now();
    if (Now >= End) return false;
    if (!FDesk->WaitForEvents(std::min(End, Now + 20))) return Condition();
  }
}

void TX11Test::Settle() {
  FDesk->Sync();
  XSync(Viewer(), False);
}

void TX11Test::PumpFor(int Ms) {
  PumpUntil([] { return false; }, Ms);
}

HWND TX11Test::MakeWindow(DWORD Ex, DWORD Style, const TRect& R, HWND Owner, COLORREF Color,
                          const char* Class) {
  HWND Wnd = CreateWindowEx(Ex, Class ? Class : kClass, "X11 test", Style, R.Left, R.Top, R.Width(),
                            R.Height(), Owner, nullptr, nullptr, nullptr);
  if (Wnd && (!Class || std::string(Class) == kClass)) {
    SetWindowLong(Wnd, GWL_USERDATA, LONG_PTR(Color));
    InvalidateRect(Wnd, nullptr, TRUE);
  }
  return Wnd;
}

::testing::AssertionResult TX11Test::RestoreFromBar(HWND W, TPoint BarCorner) {
  Window X = XOf(W);
  int Cx = GetSystemMetrics(SM_CXMINIMIZED), Cy = GetSystemMetrics(SM_CYMINIMIZED);
  TRect Bar{BarCorner.X, BarCorner.Y - Cy, BarCorner.X + Cx, BarCorner.Y};
  std::uint32_t Caption = GetSysColor(COLOR_INACTIVECAPTION);
  std::uint32_t Expected = ((Caption & 0xFF) << 16) | (Caption & 0xFF00) | ((Caption >> 16) & 0xFF);
  if (!PumpUntil(
          [&] { return !Viewable(X) && ScreenPixel(Bar.Right - 3, Bar.Top + 2) == Expected; }))
    return ::testing::AssertionFailure() << "no restore bar at " << Bar.Left << "," << Bar.Top;
  if (XDoTool({"mousemove", std::to_string(Bar.Left + 20), std::to_string(Bar.Top + 5), "click",
               "1"}) != 0)
    return ::testing::AssertionFailure() << "xdotool failed";
  if (!PumpUntil([&] { return !IsIconic(W) && Viewable(X); }))
    return ::testing::AssertionFailure() << "the click did not restore the window";
  return ::testing::AssertionSuccess();
}

Window TX11Test::ServerFocus() {
  Window Focus = None;
  int Revert = 0;
  XGetInputFocus(Viewer(), &Focus, &Revert);
  return Focus;
}

std::vector<long> TX11Test::Longs(Window W, const char* Property) {
  return XLongProperty(Viewer(), W, Property);
}

bool TX11Test::HasAtom(Window W, const char* Property, const char* Value) {
  return XPropertyHasAtom(Viewer(), W, Property, Value);
}

TRect TX11Test::ScreenRectOf(Window W) {
  int B[4] = {0, 0, 0, 0};
  XScreenPlace(Viewer(), W, B);
  return TRect{B[0], B[1], B[2], B[3]};
}

bool TX11Test::Viewable(Window W) { return XWindowViewable(Viewer(), W); }

std::uint32_t TX11Test::ScreenPixel(int X, int Y) { return XRootPixel(Viewer(), X, Y); }

int TX11Test::XDoTool(const std::vector<std::string>& Args) {
  std::vector<std::string> Argv = {"xdotool"};
  Argv.insert(Argv.end(), Args.begin(), Args.end());
  return FServer->Run(Argv);
}

void TX11ManagedTest::SetUp() {
  std::string Error;
  TXServer* S = TXServer::Shared(Error);
  ASSERT_NE(S, nullptr) << Error;
  ASSERT_TRUE(S->StartWindowManager(Error)) << Error;
  TX11Test::SetUp();
}

void TX11ManagedTest::TearDown() {
  TX11Test::TearDown();
  Display* D = Viewer();
  WaitUntil([&] { return Longs(DefaultRootWindow(D), "_NET_CLIENT_LIST").empty(); }, 3000);
}

void TX11ManagedTest::TearDownTestSuite() {
  std::string Error;
  if (TXServer* S = TXServer::Shared(Error)) S->StopWindowManager();
}

void TX11CompositedTest::SetUp() {
  std::string Error;
  TXServer* S = TXServer::Shared(Error);
  ASSERT_NE(S, nullptr) << Error;
  if (!S->CompositorRunning()) WhiteRoot(S->Viewer());
  ASSERT_TRUE(S->StartCompositor(Error)) << Error;
  TX11Test::SetUp();
}

void TX11CompositedTest::TearDownTestSuite() {
  std::string Error;
  if (TXServer* S = TXServer::Shared(Error)) S->StopCompositor();
}
