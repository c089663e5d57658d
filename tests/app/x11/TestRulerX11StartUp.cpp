// Start-up on a real X server under openbox: the three windows the user
// sees, what each is to the window manager, where they lie on a screen
// with a panel, how they are stacked, and that nothing else of the
// program shows; closing the control window ends the program.
#include "RulerX11Test.h"

#include <X11/Xutil.h>

using TRulerX11StartUp = TRulerX11Test;

TEST_F(TRulerX11StartUp, ThreeWindowsWithTheirRolesAndNothingElse) {
  ASSERT_TRUE(StartRuler());
  struct TRole {
    const char* What;
    Window W;
    const char* Type;
    bool SkipPager;
  } Roles[] = {{"control", Control(), "_NET_WM_WINDOW_TYPE_UTILITY", true},
               {"line", Line(), "_NET_WM_WINDOW_TYPE_NORMAL", false},
               {"logo", Logo(), "_NET_WM_WINDOW_TYPE_NORMAL", false}};
  for (const TRole& R : Roles) {
    SCOPED_TRACE(R.What);
    EXPECT_TRUE(HasAtom(R.W, "_NET_WM_WINDOW_TYPE", R.Type));
    EXPECT_FALSE(OverrideRedirect(R.W));
    EXPECT_EQ(WmState(R.W), NormalState);
    // The manager keeps the states it accepted in _NET_WM_STATE.
    EXPECT_TRUE(WaitFor([&] { return HasAtom(R.W, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"); }));
    // None is an entry of the task bar: a tool window, and two windows
    // owned by the application's.
    EXPECT_TRUE(HasAtom(R.W, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_EQ(HasAtom(R.W, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_PAGER"), R.SkipPager);
    EXPECT_FALSE(HasAtom(R.W, "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN"));
    // Undecorated: the platform draws its own frame.
    EXPECT_EQ(Longs(R.W, "_MOTIF_WM_HINTS"), (std::vector<long>{2, 0, 0, 0, 0}));
  }
  EXPECT_EQ(Name(Control()), "640");
  std::vector<Window> Mapped = MappedProgramWindows();
  std::sort(Mapped.begin(), Mapped.end());
  std::vector<Window> Three = {Control(), Line(), Logo()};
  std::sort(Three.begin(), Three.end());
  EXPECT_EQ(Mapped, Three);
  Window Box = About();
  ASSERT_NE(Box, 0u);
  EXPECT_FALSE(Viewable(Box));
  EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(TRulerX11StartUp, GeometryOnAScreenWithAPanel) {
  ASSERT_TRUE(StartRuler());
  const struct {
    const char* What;
    Window W;
    TXBox Rect;
  } Cases[] = {{"line", Line(), {640, 0, 641, 1024}},
               {"control", Control(), {545, 934, 735, 974}},
               {"logo", Logo(), {650, 10, 794, 84}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.What);
    EXPECT_TRUE(WaitFor([&] { return ScreenRectOf(C.W) == C.Rect; })) << ScreenRectOf(C.W);
    // The manager's frame is exactly the window: no decorations.
    EXPECT_EQ(FrameRectOf(C.W), C.Rect);
  }
}

// Top first: the control window shown last, then the logo and the line it
// showed; all above the desktop's own window.
TEST_F(TRulerX11StartUp, StackedAboveTheDesktopWithTheControlWindowOnTop) {
  ASSERT_TRUE(StartRuler());
  std::vector<Window> Expected = {Backdrop(), Line(), Logo(), Control()}, Order;
  EXPECT_TRUE(WaitFor([&] {
    Order.clear();
    for (Window W : Stacking())
      if (W == Backdrop() || Viewable(W)) Order.push_back(W);
    return Order == Expected;
  }));
  EXPECT_EQ(Order, Expected);
}

TEST_F(TRulerX11StartUp, ClosingTheControlWindowEndsTheProgram) {
  ASSERT_TRUE(StartRuler());
  // As a task bar asks: the manager passes it on as WM_DELETE_WINDOW.
  XEvent E{};
  E.xclient.type = ClientMessage;
  E.xclient.window = Control();
  E.xclient.message_type = AtomOf("_NET_CLOSE_WINDOW");
  E.xclient.format = 32;
  E.xclient.data.l[0] = CurrentTime;
  E.xclient.data.l[1] = 2;
  XSendEvent(Viewer(), DefaultRootWindow(Viewer()), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &E);
  XSync(Viewer(), False);
  EXPECT_EQ(WaitForExit(10000), 0);
}
