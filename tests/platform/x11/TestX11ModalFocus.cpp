// Under a window manager, a click on a window that a modal window has
// disabled gets the X focus from the manager; the desktop hands it on to
// the enabled popup, so the keyboard stays with the modal window. The
// popup may be owned by the clicked window itself or, as a framework's
// forms are, by a hidden window that owns both.
#include "X11Test.h"

using TX11ModalFocus = TX11ManagedTest;

TEST_F(TX11ModalFocus, AClickOnADisabledWindowLeavesTheFocusWithThePopup) {
  for (bool SharedOwner : {false, true}) {
    SCOPED_TRACE(SharedOwner ? "hidden owner of both" : "owned by the clicked window");
    HWND Hidden = SharedOwner ? MakeWindow(0, WS_POPUP, TRect{0, 0, 1, 1}) : nullptr;
    HWND Main = MakeWindow(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, TRect{100, 100, 500, 400}, Hidden);
    HWND Dlg = MakeWindow(WS_EX_DLGMODALFRAME, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          TRect{600, 150, 800, 250}, SharedOwner ? Hidden : Main);
    ShowWindow(Dlg, SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return ServerFocus() == XOf(Dlg) && GetActiveWindow() == Dlg; }));
    EnableWindow(Main, FALSE);
    ASSERT_EQ(XDoTool({"mousemove", "300", "300", "click", "1"}), 0);
    PumpFor(300);
    EXPECT_TRUE(PumpUntil([&] { return ServerFocus() == XOf(Dlg) && GetActiveWindow() == Dlg; }));
    // Without a popup to hand it to, a disabled window keeps what it got.
    ShowWindow(Dlg, SW_HIDE);
    ASSERT_EQ(XDoTool({"mousemove", "300", "300", "click", "1"}), 0);
    EXPECT_TRUE(PumpUntil([&] { return ServerFocus() == XOf(Main); }));
    DestroyWindow(Dlg);
    DestroyWindow(Main);
    if (Hidden) DestroyWindow(Hidden);
    PumpFor(100);
  }
}
