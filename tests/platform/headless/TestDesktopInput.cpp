#include "SolidWindows.h"
#include "support/DesktopTest.h"

#include <vector>

namespace {

struct TKey {
  TDesktopEvent::TKind Kind;
  UINT Key;
  std::uint32_t Char;
  friend bool operator==(const TKey&, const TKey&) = default;
};

std::vector<TDesktopEvent> Drain() {
  std::vector<TDesktopEvent> Out;
  TDesktopEvent E{TDesktopEvent::MouseMove};
  while (Backend().PollEvent(E)) Out.push_back(E);
  return Out;
}

std::vector<TKey> KeysOf(const std::vector<TDesktopEvent>& Events) {
  std::vector<TKey> Out;
  for (const auto& E : Events) Out.push_back(TKey{E.Kind, E.Key, E.Char});
  return Out;
}

// A point of Wnd's caption, found by asking the window itself.
TPoint CaptionPoint(HWND Wnd) {
  TRect R;
  GetWindowRect(Wnd, &R);
  for (int Y = R.Top; Y < R.Bottom; ++Y) {
    TPoint P{(R.Left + R.Right) / 2, Y};
    if (SendMessage(Wnd, WM_NCHITTEST, 0, MAKELPARAM(P.X, P.Y)) == HTCAPTION) return P;
  }
  return TPoint{-1, -1};
}

class DesktopInput : public TDesktopTest {};

using K = TDesktopEvent;

} // namespace

TEST_F(DesktopInput, TypedTextBecomesKeyPressesWithCharacters) {
  Desk->TypeText("aZ5 \xC3\xA9!\xFF");
  std::vector<TKey> Expected;
  for (auto [Key, Char] : std::vector<std::pair<UINT, std::uint32_t>>{
           {'A', 'a'}, {'Z', 'Z'}, {'5', '5'}, {VK_SPACE, ' '}, {0, 0xE9}, {0, '!'}, {0, 0xFFFD}}) {
    Expected.push_back(TKey{K::KeyDown, Key, Char});
    Expected.push_back(TKey{K::KeyUp, Key, 0});
  }
  EXPECT_EQ(KeysOf(Drain()), Expected);
}

TEST_F(DesktopInput, KeysOutsideTheVirtualKeyRangeAreDropped) {
  Desk->KeyDown(0x100, 'x');
  Desk->KeyUp(0x1FF);
  Desk->PressKey(VK_RETURN, 0xD800); // a lone surrogate types nothing
  EXPECT_EQ(KeysOf(Drain()),
            (std::vector<TKey>{{K::KeyDown, VK_RETURN, 0}, {K::KeyUp, VK_RETURN, 0}}));
}

TEST_F(DesktopInput, PointerEventsCarryThePointerAndStayOnTheScreen) {
  Desk->MouseMove(-50, 5000);
  Desk->Wheel(240);
  Desk->Wheel(0);
  Desk->Click(30, 40, 2);
  Desk->MouseUp(2);   // not held any more
  Desk->MouseDown(3); // no such button
  auto Events = Drain();
  ASSERT_EQ(Events.size(), 5u);
  EXPECT_EQ(Events[0].Pos, (TPoint{0, 1023}));
  EXPECT_EQ(Events[1].Kind, K::Wheel);
  EXPECT_EQ(Events[1].Delta, 240);
  EXPECT_EQ(Events[1].Pos, (TPoint{0, 1023}));
  EXPECT_EQ(Events[2].Pos, (TPoint{30, 40}));
  EXPECT_EQ(Events[3].Kind, K::ButtonDown);
  EXPECT_EQ(Events[3].Button, 2);
  EXPECT_EQ(Events[4].Kind, K::ButtonUp);
  EXPECT_EQ(Backend().CursorPos(), (TPoint{30, 40}));
}

TEST_F(DesktopInput, SetCursorPosMovesThePointerLikeTheUser) {
  ASSERT_TRUE(SetCursorPos(200, 100));
  POINT P;
  ASSERT_TRUE(GetCursorPos(&P));
  EXPECT_EQ(P, (TPoint{200, 100}));
  auto Events = Drain();
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].Kind, K::MouseMove);
}

TEST_F(DesktopInput, CursorShapeFollowsTheWindowLayer) {
  EXPECT_EQ(Desk->CursorShape(), 32512);
  SetCursor(LoadCursor(nullptr, IDC_CROSS));
  EXPECT_EQ(Desk->CursorShape(), 32515);
  SetCursor(nullptr);
  EXPECT_EQ(Desk->CursorShape(), 0);
}

// The guide line's "not allowed" cursor comes from its class.
TEST_F(DesktopInput, PointerOverAWindowShowsItsClassCursor) {
  WNDCLASSA Wc{};
  Wc.lpfnWndProc = DefWindowProc;
  Wc.hCursor = LoadCursor(nullptr, IDC_NO);
  Wc.lpszClassName = "HeadlessNoCursor";
  RegisterClass(&Wc);
  CreateWindowEx(0, "HeadlessNoCursor", "", WS_POPUP | WS_VISIBLE, 100, 0, 1, 1024, nullptr,
                 nullptr, nullptr, nullptr);
  Desk->MouseMove(100, 500);
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->CursorShape(), 32648);
}

TEST_F(DesktopInput, DraggingTheCaptionMovesTheWindow) {
  HWND W = CreateWindowEx(0, SolidClass(), "Drag", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 100,
                          100, 200, 120, nullptr, nullptr, nullptr, nullptr);
  Desk->PumpUntilIdle();
  TPoint P = CaptionPoint(W);
  ASSERT_NE(P.X, -1);
  Desk->MouseMove(P.X, P.Y);
  Desk->MouseDown();
  Desk->MouseMove(P.X + 40, P.Y + 30);
  Desk->MouseMove(P.X + 50, P.Y + 60);
  Desk->MouseUp();
  Desk->PumpUntilIdle();
  TRect R;
  GetWindowRect(W, &R);
  EXPECT_EQ(R, (TRect{150, 160, 350, 280}));
  EXPECT_EQ(Desk->ScreenPixel(300, 170), Px(GetSysColor(COLOR_ACTIVECAPTION)));
  // The move is over: the pointer moves alone again.
  Desk->MouseMove(600, 600);
  Desk->PumpUntilIdle();
  GetWindowRect(W, &R);
  EXPECT_EQ(R, (TRect{150, 160, 350, 280}));
}

TEST_F(DesktopInput, ClickOnAMinimisedBarRestoresAndActivates) {
  HWND W = SolidWindow(TRect{300, 300, 400, 400}, RGB(0, 0, 255), 0, WS_POPUP, nullptr, "Min");
  ShowWindow(W, SW_SHOWMINIMIZED);
  Desk->PumpUntilIdle();
  ASSERT_TRUE(IsIconic(W));
  const int Work = 994, Cy = GetSystemMetrics(SM_CYMINIMIZED);
  Desk->Click(5, Work - Cy / 2);
  auto Events = Drain();
  ASSERT_EQ(Events.size(), 2u);
  EXPECT_EQ(Events[1].Kind, K::Restored);
  EXPECT_EQ(Events[1].Wnd, W);
  Desk->Click(5, Work - Cy / 2);
  Desk->PumpUntilIdle();
  EXPECT_FALSE(IsIconic(W));
  EXPECT_EQ(GetActiveWindow(), W);
  EXPECT_EQ(Desk->ScreenPixel(350, 350), 0x0000FFu);
  EXPECT_EQ(Desk->ScreenPixel(5, Work - 2), Px(GetSysColor(COLOR_BACKGROUND)));
}

TEST_F(DesktopInput, AWindowOverABarTakesTheClick) {
  HWND Min = SolidWindow(TRect{300, 300, 400, 400}, RGB(0, 0, 255));
  ShowWindow(Min, SW_SHOWMINNOACTIVE);
  HWND Cover = ShownSolid(TRect{0, 900, 300, 1000}, RGB(255, 0, 0));
  ASSERT_NE(Cover, nullptr);
  Desk->PumpUntilIdle();
  Desk->Click(5, 990);
  auto Events = Drain();
  ASSERT_EQ(Events.size(), 3u);
  EXPECT_EQ(Events[1].Kind, K::ButtonDown);
  EXPECT_EQ(Events[2].Kind, K::ButtonUp);
  EXPECT_TRUE(IsIconic(Min));
}
