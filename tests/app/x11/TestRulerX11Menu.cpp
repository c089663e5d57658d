// The command menu on a real X server, used with the pointer as a user
// does: it opens on a right click as an override-redirect popup menu, and
// its items lay out the line, change its alpha and colour, minimise the
// program and open the modal About box.
#include "RulerX11Test.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <thread>

using TRulerX11Menu = TRulerX11Test;

TEST_F(TRulerX11Menu, ARightClickOpensThePopupMenu) {
  ASSERT_TRUE(StartRuler());
  // On the control window's scrollbar, and on the line itself.
  for (int Y : {962, 500}) {
    SCOPED_TRACE(Y);
    ASSERT_TRUE(Click(640, Y, 3));
    std::vector<Window> Menus;
    ASSERT_TRUE(WaitFor([&] { return (Menus = OpenMenus()).size() == 1; }));
    Window Menu = Menus[0];
    EXPECT_TRUE(OverrideRedirect(Menu));
    EXPECT_EQ(WmState(Menu), -1);
    TXBox R = ScreenRectOf(Menu);
    EXPECT_EQ(R.Left, 640);
    // Too low to open downwards, the menu at the scrollbar opens upwards.
    if (Y == 962)
      EXPECT_EQ(R.Bottom, 962);
    else
      EXPECT_EQ(R.Top, 500);
    for (const char* Item : {"Minimer", "Vertikal", "Horisontal", "Transparens..", "Om"})
      EXPECT_GT(ItemRect(Menu, Item).Width(), 0) << Item;
    ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
    EXPECT_TRUE(WaitFor([&] { return OpenMenus().empty(); }));
  }
}

TEST_F(TRulerX11Menu, HorisontalLaysTheLineAcrossTheScreen) {
  ASSERT_TRUE(StartRuler());
  Window Menu = OpenCommandMenu();
  ASSERT_NE(Menu, 0u);
  ASSERT_TRUE(ChooseItem(Menu, "Horisontal"));
  EXPECT_TRUE(WaitFor([&] {
    return ScreenRectOf(Line()) == TXBox{0, 512, 1280, 513};
  })) << ScreenRectOf(Line());
  EXPECT_TRUE(WaitFor([&] {
    return ScreenRectOf(Control()) == TXBox{1240, 417, 1260, 607};
  })) << ScreenRectOf(Control());
  EXPECT_TRUE(WaitFor([&] {
    return ScreenRectOf(Logo()) == TXBox{10, 522, 154, 596};
  })) << ScreenRectOf(Logo());
  EXPECT_TRUE(WaitFor([&] { return Name(Control()) == "512"; })) << Name(Control());
  EXPECT_TRUE(OpenMenus().empty());
  std::uint32_t Seen = 0;
  EXPECT_TRUE(PixelSettles(300, 512, 0xBFBFBF, Seen)) << std::hex << Seen;
  EXPECT_TRUE(PixelSettles(640, 500, 0xFFFFFF, Seen)) << std::hex << Seen;
}

// One program run: each choice starts from the state the one before left.
TEST_F(TRulerX11Menu, SubmenuItemsSetTheLinesAlphaAndColour) {
  ASSERT_TRUE(StartRuler());
  const struct {
    const char* Parent;
    const char* Item;
    std::uint32_t Opacity;
    std::uint32_t Rgb;
  } Cases[] = {{"Transparens..", "25 %", 190u * 0x01010101u, 0x414141},
               {"Transparens..", "0 %", 0xFFFFFFFFu, 0x000000},
               {"Linjefarge..", "Gul", 0xFFFFFFFFu, 0xFFFF00},
               {"Transparens..", "75 %", 64u * 0x01010101u, 0xFFFFBF}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Item);
    Window Menu = OpenCommandMenu();
    ASSERT_NE(Menu, 0u);
    Window Sub = OpenSubmenu(Menu, C.Parent);
    ASSERT_NE(Sub, 0u);
    ASSERT_TRUE(ChooseItem(Sub, C.Item));
    EXPECT_TRUE(WaitFor([&] { return OpenMenus().empty(); }));
    std::vector<long> Opacity;
    EXPECT_TRUE(WaitFor([&] {
      Opacity = Longs(Line(), "_NET_WM_WINDOW_OPACITY");
      return Opacity.size() == 1 && std::uint32_t(Opacity[0]) == C.Opacity;
    }));
    std::uint32_t Seen = 0;
    EXPECT_TRUE(PixelSettles(640, 500, C.Rgb, Seen)) << std::hex << Seen;
    EXPECT_EQ(ScreenRectOf(Line()), (TXBox{640, 0, 641, 1024}));
  }
}

TEST_F(TRulerX11Menu, MinimerIconifiesAndActivatingRestores) {
  ASSERT_TRUE(StartRuler());
  Window Menu = OpenCommandMenu();
  ASSERT_NE(Menu, 0u);
  ASSERT_TRUE(ChooseItem(Menu, "Minimer"));
  EXPECT_TRUE(WaitFor([&] {
    return WmState(Control()) == IconicState && !Viewable(Control()) && !Viewable(Line());
  }));
  EXPECT_TRUE(HasAtom(Control(), "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN"));
  // Iconified, it appears on a task bar, so the user can bring it back.
  EXPECT_FALSE(HasAtom(Control(), "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"));
  EXPECT_TRUE(Viewable(Logo()));
  // As a task bar restores a window: _NET_ACTIVE_WINDOW to the manager.
  ASSERT_EQ(XDoTool({"windowactivate", std::to_string(Control())}), 0);
  EXPECT_TRUE(WaitFor([&] {
    return WmState(Control()) == NormalState && Viewable(Control()) && Viewable(Line());
  }));
  EXPECT_TRUE(Viewable(Logo()));
  EXPECT_EQ(ScreenRectOf(Control()), (TXBox{545, 934, 735, 974}));
  EXPECT_EQ(ScreenRectOf(Line()), (TXBox{640, 0, 641, 1024}));
  std::uint32_t Seen = 0;
  EXPECT_TRUE(PixelSettles(640, 500, 0xBFBFBF, Seen)) << std::hex << Seen;
}

TEST_F(TRulerX11Menu, OmShowsAModalCentredDialogThatReturnCloses) {
  ASSERT_TRUE(StartRuler());
  Window Menu = OpenCommandMenu();
  ASSERT_NE(Menu, 0u);
  ASSERT_TRUE(ChooseItem(Menu, "Om"));
  Window Box = 0;
  ASSERT_TRUE(WaitFor([&] { return (Box = About()) && Viewable(Box); }));
  EXPECT_FALSE(OverrideRedirect(Box));
  EXPECT_TRUE(WaitFor([&] { return HasAtom(Box, "_NET_WM_STATE", "_NET_WM_STATE_MODAL"); }));
  // Transient for the window that owns every form of the program.
  std::vector<long> Owner = Longs(Box, "WM_TRANSIENT_FOR");
  ASSERT_EQ(Owner.size(), 1u);
  EXPECT_EQ(Owner, Longs(Control(), "WM_TRANSIENT_FOR"));
  std::vector<Window> Mine = ProgramWindows();
  EXPECT_NE(std::find(Mine.begin(), Mine.end(), Window(Owner[0])), Mine.end());
  TXBox R = FrameRectOf(Box);
  EXPECT_EQ(R, ScreenRectOf(Box));
  EXPECT_EQ(R.Left, (1280 - R.Width()) / 2) << R;
  EXPECT_EQ(R.Top, (1024 - R.Height()) / 2) << R;
  EXPECT_TRUE(WaitFor([&] { return FocusedWindow() == Box; }));
  // The other windows take no input meanwhile.
  ASSERT_TRUE(Click(640, 962, 3));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(OpenMenus().empty());
  // The click gave the manager's focus to the control window for a
  // moment; the keyboard is the box's again.
  ASSERT_TRUE(WaitFor([&] { return FocusedWindow() == Box; }));
  ASSERT_EQ(XDoTool({"key", "Return"}), 0);
  EXPECT_TRUE(WaitFor([&] { return !Viewable(Box); }));
  EXPECT_TRUE(Viewable(Control()));
  // And the control window takes it again.
  EXPECT_NE(OpenCommandMenu(), 0u);
}
