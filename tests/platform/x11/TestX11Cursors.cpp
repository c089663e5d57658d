// Cursors on the X windows: the arrow on a window the program shows, and
// the shape the program sets when the pointer comes over a window. Read
// back from the server as the image it shows for the pointer.
#include "X11Test.h"

#include <X11/extensions/Xfixes.h>

#include <functional>
#include <vector>

namespace {

constexpr const char* kNoClass = "X11 cursor test";

LRESULT NoEntryProc(HWND W, UINT M, WPARAM Wp, LPARAM Lp) {
  if (M == WM_SETCURSOR) {
    SetCursor(LoadCursor(nullptr, IDC_NO));
    return TRUE;
  }
  return DefWindowProc(W, M, Wp, Lp);
}

// What the server shows for the pointer: size, hot spot and pixels.
struct TCursorLook {
  int Width = 0, Height = 0, HotX = 0, HotY = 0;
  std::vector<unsigned long> Pixels;
  bool operator==(const TCursorLook&) const = default;
};

TCursorLook CursorLook(Display* D) {
  TCursorLook L;
  if (XFixesCursorImage* I = XFixesGetCursorImage(D)) {
    L = TCursorLook{I->width, I->height, I->xhot, I->yhot,
                    std::vector<unsigned long>(I->pixels, I->pixels + I->width * I->height)};
    XFree(I);
  }
  return L;
}

} // namespace

using TX11CursorTest = TX11Test;

TEST_F(TX11CursorTest, ShownWindowsShowTheArrowAndTheShapeTheProgramSets) {
  WNDCLASSA C{};
  C.lpfnWndProc = NoEntryProc;
  C.lpszClassName = kNoClass;
  RegisterClass(&C);
  ASSERT_TRUE(XDoTool({"mousemove", "5", "5"}) == 0);
  Settle();
  TCursorLook Root = CursorLook(Viewer());
  ASSERT_GT(Root.Width, 0) << "the server tells its cursor image";

  // Both made hidden: their cursors wait for the map.
  HWND Arrow = MakeWindow(0, WS_POPUP, TRect{100, 100, 200, 200});
  HWND No = MakeWindow(0, WS_POPUP, TRect{300, 100, 400, 200}, nullptr, 0, kNoClass);
  ASSERT_TRUE(Arrow && No);
  ShowWindow(Arrow, SW_SHOWNA);
  ShowWindow(No, SW_SHOWNA);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(XOf(Arrow)) && Viewable(XOf(No)); }));

  auto LookAt = [&](int X, int Y) {
    XDoTool({"mousemove", std::to_string(X), std::to_string(Y)});
    PumpFor(50);
    Settle();
    return CursorLook(Viewer());
  };
  TCursorLook OverArrow = LookAt(150, 150);
  EXPECT_NE(OverArrow, Root) << "the window has a cursor of its own";
  TCursorLook OverNo = LookAt(350, 150);
  EXPECT_NE(OverNo, OverArrow);
  EXPECT_NE(OverNo, Root);
  EXPECT_EQ(LookAt(160, 160), OverArrow);
  EXPECT_EQ(LookAt(360, 160), OverNo) << "the same shape again, from the kept cursor";
}
