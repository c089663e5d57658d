// A seeded storm of window operations over live and stale handles, with
// procedures that destroy, re-enter and throw while they are being called.
// Under the sanitizer build a use of freed memory fails the run; here the
// window layer's own invariants are checked after every step.
#include "UserTestSupport.h"
#include "platform/user/WindowManager.h"
#include "support/TestRandom.h"

#include <algorithm>
#include <stdexcept>

using namespace usertest;

namespace {

TTestRandom* Rng = nullptr;
std::vector<HWND>* Pool = nullptr;

HWND AnyHandle() { return Pool->empty() ? nullptr : Rng->Pick(*Pool); }

// What a procedure may do while it handles a message.
LRESULT StormProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_USER && Rng) {
    switch (Rng->Below(6)) {
    case 0: DestroyWindow(Wnd); break;
    case 1: DestroyWindow(AnyHandle()); break;
    case 2:
      if (W < 4) SendMessage(AnyHandle(), WM_USER, W + 1, 0);
      break;
    case 3: throw std::runtime_error("storm");
    case 4: ShowWindow(AnyHandle(), Rng->Pick({SW_HIDE, SW_SHOW, SW_MINIMIZE, SW_RESTORE})); break;
    default: SetWindowPos(Wnd, HWND_TOP, Rng->Between(-50, 300), 0, 5, 5, SWP_NOZORDER); break;
    }
    return 0;
  }
  return DefWindowProc(Wnd, Msg, W, L);
}

class WindowRobustnessTest : public TDesktopTest {
protected:
  void SetUp() override {
    TDesktopTest::SetUp();
    WNDCLASSA Wc{};
    Wc.lpfnWndProc = StormProc;
    Wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    Wc.lpszClassName = "Storm";
    ASSERT_NE(RegisterClass(&Wc), 0);
  }
  void TearDown() override {
    Rng = nullptr;
    Pool = nullptr;
    TDesktopTest::TearDown();
  }
};

void Create(TTestRandom& R, std::vector<HWND>& Handles) {
  HWND Parent = R.OneIn(2) ? AnyHandle() : nullptr;
  DWORD Style = R.Pick({WS_POPUP, WS_CAPTION | WS_SYSMENU, WS_POPUP | WS_THICKFRAME});
  if (Parent && R.OneIn(2)) Style = WS_CHILD;
  if (R.OneIn(2)) Style |= WS_VISIBLE;
  DWORD Ex = R.Pick({0u, WS_EX_TOPMOST, WS_EX_LAYERED, WS_EX_TOOLWINDOW});
  HWND H = CreateWindowEx(Ex, "Storm", "s", Style, R.Between(-20, 400), R.Between(-20, 400),
                          R.Between(-5, 200), R.Between(-5, 200), Parent, nullptr, nullptr,
                          nullptr);
  if (H) Handles.push_back(H);
}

void Operate(THeadlessDesktop* Desk, TTestRandom& R, std::vector<HWND>& Handles) {
  HWND H = AnyHandle();
  switch (R.Below(12)) {
  case 0: Create(R, Handles); break;
  case 1: DestroyWindow(H); break;
  case 2: ShowWindow(H, R.Pick({SW_HIDE, SW_SHOW, SW_SHOWNA, SW_MINIMIZE, SW_RESTORE})); break;
  case 3:
    SetWindowPos(H, R.Pick({HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST, AnyHandle()}),
                 R.Between(-100, 500), R.Between(-100, 500), R.Between(-10, 300),
                 R.Between(-10, 300), R.Below(0x100));
    break;
  case 4: SetWindowRgn(H, R.OneIn(3) ? nullptr : CreateRectRgn(0, 0, R.Below(50), 40), TRUE); break;
  case 5: SetLayeredWindowAttributes(H, 0, BYTE(R.Below(256)), LWA_ALPHA); break;
  case 6:
    try {
      SendMessage(H, WM_USER, 0, 0);
    } catch (const std::runtime_error&) {
    }
    break;
  case 7: PostMessage(H, WM_USER, 0, 0); break;
  case 8: R.OneIn(2) ? (void)SetFocus(H) : (void)SetCapture(H); break;
  case 9: EnableWindow(H, R.OneIn(2)); break;
  case 10: Desk->Click(R.Between(0, 500), R.Between(0, 500), R.Below(2)); break;
  default: {
    HDC DC = R.OneIn(2) ? GetDC(H) : GetWindowDC(H);
    DestroyWindow(AnyHandle());
    RECT Box{0, 0, 20, 20};
    FillRect(DC, &Box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(H, DC);
  }
  }
}

void Pump() {
  MSG M;
  for (int Guard = 0; Guard < 500 && PeekMessage(&M, nullptr, 0, 0, PM_REMOVE); ++Guard) {
    if (M.message == WM_QUIT) break;
    try {
      DispatchMessage(&M);
    } catch (const std::runtime_error&) {
    }
  }
}

// The stacking list holds exactly the live top-level windows; the active
// window is live and top-level; parents know their live children.
void CheckInvariants(const std::vector<HWND>& Handles) {
  const std::vector<HWND>& Z = WmZOrder();
  for (HWND H : Z) ASSERT_TRUE(IsWindow(H));
  bool SeenNormal = false;
  for (HWND H : Z) {
    bool Top = (GetWindowLong(H, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    ASSERT_FALSE(Top && SeenNormal) << "top-most band broken";
    SeenNormal |= !Top;
  }
  for (HWND H : Handles) {
    if (!IsWindow(H)) continue;
    bool Child = (GetWindowLong(H, GWL_STYLE) & WS_CHILD) != 0;
    bool Stacked = std::find(Z.begin(), Z.end(), H) != Z.end();
    ASSERT_EQ(Stacked, !Child);
    if (Child) {
      ASSERT_TRUE(IsWindow(GetParent(H)));
    }
  }
  if (HWND A = GetActiveWindow()) {
    ASSERT_EQ(GetAncestor(A, GA_ROOT), A);
  }
  if (HWND F = GetFocus()) {
    ASSERT_EQ(GetAncestor(F, GA_ROOT), GetActiveWindow());
  }
}

TEST_F(WindowRobustnessTest, RandomOperationsKeepTheLayerConsistent) {
  for (std::uint64_t Seed : {1u, 2u, 3u}) {
    TTestRandom R(Seed);
    std::vector<HWND> Handles;
    Rng = &R;
    Pool = &Handles;
    for (int Step = 0; Step < 600; ++Step) {
      Operate(Desk, R, Handles);
      if (R.OneIn(4)) Pump();
      ASSERT_NO_FATAL_FAILURE(CheckInvariants(Handles)) << "seed " << Seed << " step " << Step;
    }
    for (HWND H : Handles) DestroyWindow(H);
    EXPECT_TRUE(WmZOrder().empty());
  }
}

} // namespace
