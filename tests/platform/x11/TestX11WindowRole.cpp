// What a platform window is to an X window manager, read from its styles,
// owner, class and layered attributes (on the headless desktop: the role
// comes from the window layer alone).
#include "support/DesktopTest.h"

#include "platform/x11/X11WindowRole.h"

namespace {

LRESULT PlainProc(HWND W, UINT M, WPARAM Wp, LPARAM Lp) { return DefWindowProc(W, M, Wp, Lp); }

class TX11WindowRoleTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    for (const char* Name : {"RoleTest", "#32768", "THintWindow"}) {
      WNDCLASSA Wc{};
      Wc.lpfnWndProc = PlainProc;
      Wc.lpszClassName = Name;
      RegisterClass(&Wc);
    }
    Owner = CreateWindowEx(0, "RoleTest", "owner", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                           nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    TDesktopTest::TearDown();
    for (const char* Name : {"RoleTest", "#32768", "THintWindow"}) UnregisterClass(Name, nullptr);
  }
  HWND Make(const char* Class, DWORD Ex, DWORD Style, HWND Own) {
    return CreateWindowEx(Ex, Class, "w", Style, 50, 50, 80, 40, Own, nullptr, nullptr, nullptr);
  }
  HWND Owner = nullptr;
};

struct TRoleCase {
  const char* Name;
  const char* Class;
  DWORD Ex, Style;
  bool Owned;
  TX11WindowRole::TType Type;
  bool Override, OnTop, SkipTaskbar, Modal;
};

const TRoleCase kCases[] = {
    {"plain", "RoleTest", 0, WS_OVERLAPPEDWINDOW, false, TX11WindowRole::Normal, false, false,
     false, false},
    {"top-most tool window", "RoleTest", WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP | WS_CAPTION,
     false, TX11WindowRole::Utility, false, true, true, false},
    {"frameless layered popup", "RoleTest", WS_EX_LAYERED | WS_EX_TOPMOST, WS_POPUP, false,
     TX11WindowRole::Normal, false, true, false, false},
    {"owned dialog", "RoleTest", WS_EX_DLGMODALFRAME, WS_POPUP | WS_CAPTION, true,
     TX11WindowRole::Dialog, false, false, true, true},
    {"unowned dialog", "RoleTest", WS_EX_DLGMODALFRAME, WS_POPUP | WS_CAPTION, false,
     TX11WindowRole::Dialog, false, false, false, false},
    {"menu", "#32768", WS_EX_TOPMOST, WS_POPUP | WS_BORDER, true, TX11WindowRole::PopupMenu, true,
     true, true, false},
    {"hint", "THintWindow", 0, WS_POPUP, true, TX11WindowRole::Tooltip, true, false, true, false},
    // Without an owner, or with a caption, the menu class is just a window.
    {"unowned menu class", "#32768", 0, WS_POPUP, false, TX11WindowRole::Normal, false, false,
     false, false},
    {"captioned menu class", "#32768", 0, WS_POPUP | WS_CAPTION, true, TX11WindowRole::Normal,
     false, false, true, false},
    {"captionless owned popup", "RoleTest", 0, WS_POPUP, true, TX11WindowRole::Normal, false, false,
     true, false},
    {"owned application window", "RoleTest", WS_EX_APPWINDOW, WS_POPUP | WS_CAPTION, true,
     TX11WindowRole::Normal, false, false, false, false},
    {"application tool window", "RoleTest", WS_EX_APPWINDOW | WS_EX_TOOLWINDOW,
     WS_POPUP | WS_CAPTION, false, TX11WindowRole::Utility, false, false, false, false},
};

} // namespace

TEST_F(TX11WindowRoleTest, RolesFromStylesOwnersAndClasses) {
  for (const TRoleCase& C : kCases) {
    HWND W = Make(C.Class, C.Ex, C.Style, C.Owned ? Owner : nullptr);
    ASSERT_TRUE(W) << C.Name;
    TX11WindowRole R = TX11WindowRole::Of(W);
    EXPECT_EQ(R.Type, C.Type) << C.Name;
    EXPECT_EQ(R.OverrideRedirect, C.Override) << C.Name;
    EXPECT_EQ(R.OnTop, C.OnTop) << C.Name;
    EXPECT_EQ(R.SkipTaskbar, C.SkipTaskbar) << C.Name;
    EXPECT_EQ(R.SkipPager, (C.Ex & WS_EX_TOOLWINDOW) != 0) << C.Name;
    EXPECT_EQ(R.Modal, C.Modal) << C.Name;
    EXPECT_EQ(R.Owner, C.Owned ? Owner : nullptr) << C.Name;
    EXPECT_EQ(R.Alpha, -1) << C.Name;
    DestroyWindow(W);
  }
}

TEST_F(TX11WindowRoleTest, ConstantAlphaOnlyWithLwaAlpha) {
  HWND W = Make("RoleTest", WS_EX_LAYERED, WS_POPUP, nullptr);
  EXPECT_EQ(TX11WindowRole::Of(W).Alpha, -1);
  ASSERT_TRUE(SetLayeredWindowAttributes(W, RGB(1, 2, 3), 0, LWA_COLORKEY));
  EXPECT_EQ(TX11WindowRole::Of(W).Alpha, -1);
  ASSERT_TRUE(SetLayeredWindowAttributes(W, 0, 64, LWA_ALPHA));
  EXPECT_EQ(TX11WindowRole::Of(W).Alpha, 64);
  SetWindowLong(W, GWL_EXSTYLE, 0);
  EXPECT_EQ(TX11WindowRole::Of(W).Alpha, -1);
}

TEST_F(TX11WindowRoleTest, MinimisedOwnedWindowGetsATaskBarEntry) {
  HWND W = Make("RoleTest", WS_EX_LAYERED, WS_POPUP | WS_CAPTION | WS_VISIBLE, Owner);
  EXPECT_TRUE(TX11WindowRole::Of(W).SkipTaskbar);
  ShowWindow(W, SW_MINIMIZE);
  EXPECT_FALSE(TX11WindowRole::Of(W).SkipTaskbar);
  EXPECT_FALSE(TX11WindowRole::Of(W).SkipPager);
}

TEST_F(TX11WindowRoleTest, MinimisedToolWindowKeepsItsTaskBarEntry) {
  HWND W = Make("RoleTest", WS_EX_TOOLWINDOW, WS_POPUP | WS_CAPTION | WS_VISIBLE, nullptr);
  EXPECT_TRUE(TX11WindowRole::Of(W).SkipTaskbar);
  ShowWindow(W, SW_MINIMIZE);
  EXPECT_FALSE(TX11WindowRole::Of(W).SkipTaskbar);
  EXPECT_TRUE(TX11WindowRole::Of(W).SkipPager);
  ShowWindow(W, SW_RESTORE);
  EXPECT_TRUE(TX11WindowRole::Of(W).SkipTaskbar);
}

TEST_F(TX11WindowRoleTest, StaleHandleIsAPlainWindow) {
  HWND W = Make("RoleTest", WS_EX_TOPMOST, WS_POPUP, nullptr);
  DestroyWindow(W);
  EXPECT_EQ(TX11WindowRole::Of(W), TX11WindowRole{});
  EXPECT_EQ(TX11WindowRole::Of(nullptr), TX11WindowRole{});
}
