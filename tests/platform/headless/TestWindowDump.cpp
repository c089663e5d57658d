#include "SolidWindows.h"
#include "support/DesktopTest.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string H(HWND Wnd) {
  char Buf[32];
  std::snprintf(Buf, sizeof Buf, "0x%" PRIxPTR, reinterpret_cast<std::uintptr_t>(Wnd));
  return Buf;
}

std::vector<std::string> Lines(const std::string& Text) {
  std::vector<std::string> Out;
  std::istringstream In(Text);
  for (std::string L; std::getline(In, L);) Out.push_back(L);
  return Out;
}

class WindowDump : public TDesktopTest {};

} // namespace

TEST_F(WindowDump, EmptyDesktopDumpsNothing) { EXPECT_EQ(Desk->DumpWindows(), ""); }

TEST_F(WindowDump, LinesFollowStackingWithChildrenIndented) {
  HWND Main = SolidWindow(TRect{100, 200, 300, 260}, 0, WS_EX_TOPMOST | WS_EX_LAYERED, WS_POPUP,
                          nullptr, "Tavrel");
  SetLayeredWindowAttributes(Main, RGB(255, 0, 128), 64, LWA_ALPHA | LWA_COLORKEY);
  SetWindowRgn(Main, CreateRectRgn(1, 1, 50, 20), FALSE);
  ShowWindow(Main, SW_SHOWNOACTIVATE);
  HWND Kid = SolidWindow(TRect{5, 6, 25, 16}, 0, 0, WS_CHILD | WS_VISIBLE, Main, "a \"q\" \\ b");
  HWND Grand = SolidWindow(TRect{1, 1, 3, 3}, 0, 0, WS_CHILD | WS_DISABLED, Kid);
  HWND Owned =
      CreateWindowEx(0, SolidClass(), "", WS_POPUP, 0, 0, 10, 10, Main, nullptr, nullptr, nullptr);
  ShowWindow(Owned, SW_SHOWMINNOACTIVE);

  std::vector<std::string> Expected = {
      "hwnd=" + H(Main) +
          " class=HeadlessSolid caption=\"Tavrel\" rect=100,200,300,260 visible=1 enabled=1 "
          "topmost=1 alpha=64 colorkey=255,0,128 region=1,1,50,20 owner=0x0 minimized=0",
      "  hwnd=" + H(Kid) +
          " class=HeadlessSolid caption=\"a \\\"q\\\" \\\\ b\" rect=105,206,125,216 visible=1 "
          "enabled=1 topmost=0 alpha=none colorkey=none region=none owner=0x0 minimized=0",
      "    hwnd=" + H(Grand) +
          " class=HeadlessSolid caption=\"\" rect=106,207,108,209 visible=0 enabled=0 topmost=0 "
          "alpha=none colorkey=none region=none owner=0x0 minimized=0",
      "hwnd=" + H(Owned) +
          " class=HeadlessSolid caption=\"\" rect=0,0,10,10 visible=1 enabled=1 topmost=0 "
          "alpha=none colorkey=none region=none owner=" +
          H(Main) + " minimized=1",
  };
  EXPECT_EQ(Lines(Desk->DumpWindows()), Expected);
}

TEST_F(WindowDump, RegionsListEveryRectangleAndLineBreaksAreEscaped) {
  HWND W = SolidWindow(TRect{0, 0, 100, 100}, 0, 0, WS_POPUP, nullptr, "two\nlines");
  HRGN Rgn = CreateRectRgn(0, 0, 10, 10);
  HRGN Other = CreateRectRgn(20, 20, 30, 30);
  CombineRgn(Rgn, Rgn, Other, RGN_OR);
  DeleteObject(Other);
  SetWindowRgn(W, Rgn, FALSE);
  std::string Dump = Desk->DumpWindows();
  EXPECT_NE(Dump.find(" caption=\"two\\nlines\" "), std::string::npos) << Dump;
  EXPECT_NE(Dump.find(" region=0,0,10,10;20,20,30,30 "), std::string::npos) << Dump;
  EXPECT_EQ(Lines(Dump).size(), 1u);
  SetWindowRgn(W, CreateRectRgn(0, 0, 0, 0), FALSE);
  EXPECT_NE(Desk->DumpWindows().find(" region=empty "), std::string::npos);
}
