// Top-level windows on a server without a window manager: the X window
// follows the platform window's place, visibility, role and region, shows
// its pixels, keeps top-most windows on top, shows minimised windows on
// restore bars, and survives being destroyed by another client.
#include "X11Test.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <unistd.h>

namespace {

LRESULT PlainProc(HWND W, UINT M, WPARAM Wp, LPARAM Lp) { return DefWindowProc(W, M, Wp, Lp); }

// Index of W among the root's children, bottom first; -1 when absent.
int StackIndex(Display* D, Window W) {
  Window Root, Parent, *Kids = nullptr;
  unsigned N = 0;
  int Found = -1;
  if (XQueryTree(D, DefaultRootWindow(D), &Root, &Parent, &Kids, &N))
    for (unsigned I = 0; I < N; ++I)
      if (Kids[I] == W) Found = int(I);
  if (Kids) XFree(Kids);
  return Found;
}

std::string Utf8Property(Display* D, Window W, const char* Name) {
  Atom Type;
  int Format;
  unsigned long Count, After;
  unsigned char* Data = nullptr;
  std::string S;
  if (XGetWindowProperty(D, W, XInternAtom(D, Name, False), 0, 1024, False, AnyPropertyType, &Type,
                         &Format, &Count, &After, &Data) == Success &&
      Data && Format == 8)
    S.assign(reinterpret_cast<char*>(Data), Count);
  if (Data) XFree(Data);
  return S;
}

} // namespace

using TX11Windows = TX11Test;

TEST_F(TX11Windows, WindowIsMappedAtItsRectWithItsPixels) {
  HWND W = MakeWindow(0, WS_POPUP, TRect{100, 120, 300, 220}, nullptr, RGB(255, 0, 0));
  ASSERT_TRUE(W);
  Window X = XOf(W);
  ASSERT_NE(X, 0u);
  EXPECT_FALSE(Viewable(X));
  ShowWindow(W, SW_SHOW);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X) && ScreenPixel(150, 150) == 0xFF0000; }));
  EXPECT_EQ(ScreenRectOf(X), (TRect{100, 120, 300, 220}));
  // Drawing later shows too.
  SetWindowLong(W, GWL_USERDATA, LONG_PTR(RGB(0, 0, 255)));
  InvalidateRect(W, nullptr, FALSE);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(299, 219) == 0x0000FF; }));
}

TEST_F(TX11Windows, UncoveredPartsArePutAgain) {
  HWND W = MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{300, 300, 400, 400}, nullptr, RGB(0, 255, 0));
  ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(350, 350) == 0x00FF00; }));
  Display* D = Viewer();
  // Another client's black window over it, then gone: the server keeps no
  // copy of what was under it.
  Window Other = XCreateSimpleWindow(D, DefaultRootWindow(D), 320, 320, 40, 40, 0, 0, 0);
  XMapRaised(D, Other);
  XSync(D, False);
  ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(350, 350) == 0; }, 3000));
  XDestroyWindow(D, Other);
  XSync(D, False);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(350, 350) == 0x00FF00; }));
  EXPECT_TRUE(IsWindow(W));
}

TEST_F(TX11Windows, MovesHidesAndDestroysWithThePlatformWindow) {
  HWND W = MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{100, 100, 200, 150}, nullptr, RGB(0, 255, 0));
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  SetWindowPos(W, nullptr, 400, 300, 160, 90, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(PumpUntil([&] { return ScreenRectOf(X) == TRect{400, 300, 560, 390}; }));
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(555, 385) == 0x00FF00; }));
  ShowWindow(W, SW_HIDE);
  EXPECT_TRUE(PumpUntil([&] { return !Viewable(X); }));
  ShowWindow(W, SW_SHOWNA);
  EXPECT_TRUE(PumpUntil([&] { return Viewable(X); }));
  DestroyWindow(W);
  XWindowAttributes A;
  EXPECT_TRUE(PumpUntil([&] { return !XGetWindowAttributes(Viewer(), X, &A); }));
  EXPECT_EQ(XOf(W), 0u);
}

TEST_F(TX11Windows, IdentityTitleAndGeometryHints) {
  HWND W = MakeWindow(0, WS_POPUP, TRect{10, 20, 110, 70});
  Window X = XOf(W);
  Settle();
  XClassHint Class{};
  ASSERT_TRUE(XGetClassHint(Viewer(), X, &Class));
  EXPECT_STREQ(Class.res_name, "tavrel");
  EXPECT_STREQ(Class.res_class, "Tavrel");
  XFree(Class.res_name);
  XFree(Class.res_class);
  EXPECT_EQ(Longs(X, "_NET_WM_PID"), std::vector<long>{long(getpid())});
  EXPECT_TRUE(HasAtom(X, "WM_PROTOCOLS", "WM_DELETE_WINDOW"));
  EXPECT_EQ(Longs(X, "_MOTIF_WM_HINTS"), (std::vector<long>{2, 0, 0, 0, 0}));
  EXPECT_EQ(Utf8Property(Viewer(), X, "_NET_WM_NAME"), "X11 test");
  SetWindowText(W, "Linjal \xC3\xB8");
  Settle();
  EXPECT_EQ(Utf8Property(Viewer(), X, "_NET_WM_NAME"), "Linjal \xC3\xB8");
  // No sizing frame: a manager must keep the size it finds at the map.
  XSizeHints H{};
  long Supplied = 0;
  SetWindowPos(W, nullptr, 0, 0, 140, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(W, SW_SHOWNA);
  Settle();
  ASSERT_TRUE(XGetWMNormalHints(Viewer(), X, &H, &Supplied));
  EXPECT_TRUE(H.flags & USPosition);
  EXPECT_EQ(H.min_width, 140);
  EXPECT_EQ(H.max_width, 140);
  EXPECT_EQ(H.max_height, 60);
}

// WM_NAME, for managers that do not read the UTF-8 name: Latin-1 as the
// portable STRING when the title fits it, else the UTF-8 bytes as they are.
TEST_F(TX11Windows, OlderTitlePropertyIsLatin1WhenTheTitleFitsIt) {
  struct TCase {
    const char* Title;
    const char* Type;
    std::string Bytes;
  };
  const TCase Cases[] = {
      {"Tavrel", "STRING", "Tavrel"},
      {"Linjal \xC3\xB8 \xC3\x85", "STRING", "Linjal \xF8 \xC5"},
      {"Tab\there", "STRING", "Tab\there"},
      {"\xE2\x82\xAC 5", "UTF8_STRING", "\xE2\x82\xAC 5"},
      {"Bell\a", "UTF8_STRING", "Bell\a"},
      {"Cut \xC3", "UTF8_STRING", "Cut \xC3"},
      {"", "STRING", ""},
  };
  HWND W = MakeWindow(0, WS_POPUP, TRect{10, 20, 110, 70});
  Window X = XOf(W);
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Title);
    SetWindowText(W, C.Title);
    Settle();
    Atom Type = None;
    int Format = 0;
    unsigned long Count = 0, After = 0;
    unsigned char* Data = nullptr;
    ASSERT_EQ(XGetWindowProperty(Viewer(), X, XA_WM_NAME, 0, 256, False, AnyPropertyType, &Type,
                                 &Format, &Count, &After, &Data),
              Success);
    EXPECT_EQ(Type, AtomOf(C.Type));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(Data), Count), C.Bytes);
    if (Data) XFree(Data);
    EXPECT_EQ(Utf8Property(Viewer(), X, "_NET_WM_NAME"), C.Title);
  }
}

TEST_F(TX11Windows, MenusAndHintsBypassTheManager) {
  for (const char* Name : {"#32768", "THintWindow"}) {
    WNDCLASSA Wc{};
    Wc.lpfnWndProc = PlainProc;
    Wc.lpszClassName = Name;
    RegisterClass(&Wc);
  }
  HWND Owner = MakeWindow(0, WS_OVERLAPPEDWINDOW, TRect{0, 0, 300, 200});
  HWND Menu = MakeWindow(0, WS_POPUP, TRect{10, 10, 110, 110}, Owner, 0, "#32768");
  HWND Hint = MakeWindow(0, WS_POPUP, TRect{10, 10, 110, 30}, Owner, 0, "THintWindow");
  HWND Normal = MakeWindow(0, WS_POPUP, TRect{10, 10, 110, 30}, Owner);
  Settle();
  struct {
    HWND Wnd;
    bool Override;
    const char* Type;
  } Cases[] = {{Menu, true, "_NET_WM_WINDOW_TYPE_POPUP_MENU"},
               {Hint, true, "_NET_WM_WINDOW_TYPE_TOOLTIP"},
               {Normal, false, "_NET_WM_WINDOW_TYPE_NORMAL"}};
  for (auto& C : Cases) {
    XWindowAttributes A{};
    ASSERT_TRUE(XGetWindowAttributes(Viewer(), XOf(C.Wnd), &A));
    EXPECT_EQ(A.override_redirect != 0, C.Override) << C.Type;
    EXPECT_TRUE(HasAtom(XOf(C.Wnd), "_NET_WM_WINDOW_TYPE", C.Type));
    EXPECT_EQ(Longs(XOf(C.Wnd), "WM_TRANSIENT_FOR"), std::vector<long>{long(XOf(Owner))});
  }
  DestroyWindow(Owner);
  for (const char* Name : {"#32768", "THintWindow"}) UnregisterClass(Name, nullptr);
}

TEST_F(TX11Windows, StatesFollowStyleChanges) {
  HWND W = MakeWindow(0, WS_POPUP, TRect{10, 10, 60, 60});
  Window X = XOf(W);
  Settle();
  EXPECT_FALSE(HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"));
  SetWindowPos(W, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Settle();
  EXPECT_TRUE(HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"));
  SetWindowLong(W, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  Settle();
  EXPECT_TRUE(HasAtom(X, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"));
  EXPECT_TRUE(HasAtom(X, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_UTILITY"));
}

TEST_F(TX11Windows, RegionShapesTheWindow) {
  HWND W = MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{50, 50, 150, 150});
  Window X = XOf(W);
  ASSERT_TRUE(SetWindowRgn(W, CreateRectRgn(10, 20, 60, 40), TRUE));
  Settle();
  for (int Kind : {ShapeBounding, ShapeInput}) {
    int Count = 0, Ordering = 0;
    XRectangle* R = XShapeGetRectangles(Viewer(), X, Kind, &Count, &Ordering);
    ASSERT_EQ(Count, 1);
    EXPECT_EQ(R[0].x, 10);
    EXPECT_EQ(R[0].y, 20);
    EXPECT_EQ(R[0].width, 50);
    EXPECT_EQ(R[0].height, 20);
    XFree(R);
  }
  ASSERT_TRUE(SetWindowRgn(W, nullptr, TRUE));
  Settle();
  Bool Shaped = True, ClipShaped;
  int Xb, Yb, Xc, Yc;
  unsigned Wb, Hb, Wc, Hc;
  XShapeQueryExtents(Viewer(), X, &Shaped, &Xb, &Yb, &Wb, &Hb, &ClipShaped, &Xc, &Yc, &Wc, &Hc);
  EXPECT_FALSE(Shaped);
}

TEST_F(TX11Windows, TopMostWindowStaysAboveOtherClients) {
  HWND W = MakeWindow(WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, TRect{0, 0, 100, 100});
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  Display* D = Viewer();
  Window Other = XCreateSimpleWindow(D, DefaultRootWindow(D), 0, 0, 50, 50, 0, 0, 0);
  XMapRaised(D, Other);
  XSync(D, False);
  EXPECT_TRUE(PumpUntil([&] { return StackIndex(D, X) > StackIndex(D, Other); }));
  XRaiseWindow(D, Other);
  XSync(D, False);
  EXPECT_TRUE(PumpUntil([&] { return StackIndex(D, X) > StackIndex(D, Other); }));
  XDestroyWindow(D, Other);
}

TEST_F(TX11Windows, NoConstantAlphaWithoutCompositor) {
  HWND W = MakeWindow(WS_EX_LAYERED | WS_EX_TOPMOST, WS_POPUP, TRect{600, 600, 700, 700}, nullptr,
                      RGB(0, 0, 0));
  EXPECT_FALSE(SetLayeredWindowAttributes(W, 0, 64, LWA_ALPHA));
  Settle();
  EXPECT_TRUE(Longs(XOf(W), "_NET_WM_WINDOW_OPACITY").empty());
  ShowWindow(W, SW_SHOWNA);
  EXPECT_TRUE(PumpUntil([&] { return Viewable(XOf(W)) && ScreenPixel(650, 650) == 0; }));
}

TEST_F(TX11Windows, DestroyedFromOutsideComesBack) {
  HWND W =
      MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{200, 200, 300, 300}, nullptr, RGB(255, 0, 255));
  Window Old = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(Old); }));
  XDestroyWindow(Viewer(), Old);
  XSync(Viewer(), False);
  EXPECT_TRUE(PumpUntil(
      [&] { return XOf(W) != Old && Viewable(XOf(W)) && ScreenPixel(250, 250) == 0xFF00FF; }));
  EXPECT_TRUE(IsWindow(W));
  EXPECT_TRUE(DestroyWindow(W));
  PumpFor(20);
}

TEST_F(TX11Windows, DeleteRequestClosesTheWindow) {
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, TRect{100, 100, 300, 250});
  Window X = XOf(W);
  Settle();
  XEvent E{};
  E.xclient.type = ClientMessage;
  E.xclient.window = X;
  E.xclient.message_type = AtomOf("WM_PROTOCOLS");
  E.xclient.format = 32;
  E.xclient.data.l[0] = long(AtomOf("WM_DELETE_WINDOW"));
  XSendEvent(Viewer(), X, False, NoEventMask, &E);
  XSync(Viewer(), False);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(W); }));
  EXPECT_NE(Logged(W, WM_CLOSE), nullptr);
}

TEST_F(TX11Windows, MinimisedWindowWaitsOnARestoreBar) {
  HWND W = MakeWindow(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, TRect{100, 100, 400, 300});
  Window X = XOf(W);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(X); }));
  ShowWindow(W, SW_MINIMIZE);
  ASSERT_TRUE(RestoreFromBar(W, TPoint{0, 1024}));
  EXPECT_EQ(GetActiveWindow(), W);
}

TEST_F(TX11Windows, AbsurdSizesAndStaleHandles) {
  HWND Empty = MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{10, 10, 10, 10});
  HWND Huge = MakeWindow(0, WS_POPUP | WS_VISIBLE, TRect{-100, -100, 32667, 32667});
  ASSERT_TRUE(Empty && Huge);
  PumpFor(30);
  Settle();
  EXPECT_EQ(ScreenRectOf(XOf(Empty)), (TRect{10, 10, 11, 11}));
  EXPECT_EQ(ScreenRectOf(XOf(Huge)), (TRect{-100, -100, 32667, 32667}));
  SetWindowPos(Huge, nullptr, 0, 0, 0, 0, SWP_NOZORDER);
  DestroyWindow(Empty);
  // Notifications about windows the desktop does not know change nothing.
  Desk().WindowShown(Empty, true);
  Desk().WindowMoved(Empty, TRect{0, 0, 1, 1}, TRect{0, 0, 2, 2});
  Desk().SurfaceChanged(Empty, TRect{0, 0, 5, 5});
  Desk().CursorChanged(Empty, 32513);
  Desk().CursorChanged(nullptr, 32513);
  Desk().BeginMoveDrag(Empty, TPoint{0, 0});
  Desk().WindowActivate(Empty);
  Desk().WindowChanged(nullptr);
  PumpFor(20);
  Settle();
  EXPECT_EQ(ScreenRectOf(XOf(Huge)), (TRect{0, 0, 1, 1}));
}
