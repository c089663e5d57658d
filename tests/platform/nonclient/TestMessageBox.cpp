// The modal message box, driven from the desktop's idle handler: each idle
// turn of the box's loop runs the next step of a script (check the box,
// queue input); when the script is exhausted the loop gets WM_QUIT.
#include "NcTestSupport.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

using namespace nctest;

namespace {

constexpr char kBoxClass[] = "#32770";

class TMessageBoxTest : public TFrameTest {
protected:
  using TStep = std::function<void()>;

  void Script(std::vector<TStep> Steps) {
    auto All = std::make_shared<std::vector<TStep>>(std::move(Steps));
    auto Next = std::make_shared<std::size_t>(0);
    Desk->SetIdleHandler([All, Next] {
      if (*Next >= All->size()) return false;
      (*All)[(*Next)++]();
      return true;
    });
  }

  static HWND Box(LPCSTR Caption = "Box") { return FindWindow(kBoxClass, Caption); }

  static HWND ButtonOf(HWND BoxWnd, int Id) {
    for (HWND C = GetWindow(BoxWnd, GW_CHILD); C; C = GetWindow(C, GW_HWNDNEXT))
      if (GetWindowLong(C, GWL_ID) == Id) return C;
    return nullptr;
  }

  void ClickOn(HWND Wnd) {
    TRect R = WindowRect(Wnd);
    Desk->Click((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }

  void Keys(std::initializer_list<UINT> List) {
    for (UINT K : List) Desk->PressKey(K);
  }
};

struct TKeyCase {
  const char* Name;
  UINT Type;
  std::vector<UINT> Keys;
  int Answer;
};

class TMessageBoxKeys : public TMessageBoxTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(TMessageBoxKeys, KeysAnswer) {
  const TKeyCase& C = GetParam();
  HWND Owner = Show(WS_CAPTION | WS_SYSMENU);
  Script({[&] {
    HWND B = Box();
    ASSERT_NE(B, nullptr);
    EXPECT_TRUE(IsWindowVisible(B));
    EXPECT_FALSE(IsWindowEnabled(Owner));
    EXPECT_EQ(GetActiveWindow(), B);
    EXPECT_EQ(GetParent(GetFocus()), B);
    for (UINT K : C.Keys) Desk->PressKey(K);
  }});
  EXPECT_EQ(MessageBox(Owner, "Text", "Box", C.Type), C.Answer);
  EXPECT_TRUE(IsWindowEnabled(Owner));
  EXPECT_EQ(Box(), nullptr);
  EXPECT_EQ(GetActiveWindow(), Owner);
}

const TKeyCase kKeyCases[] = {
    {"OkEnter", MB_OK, {VK_RETURN}, IDOK},
    {"OkEscape", MB_OK, {VK_ESCAPE}, IDOK},
    {"OkCancelEnter", MB_OKCANCEL, {VK_RETURN}, IDOK},
    {"OkCancelEscape", MB_OKCANCEL, {VK_ESCAPE}, IDCANCEL},
    {"SecondDefault", MB_OKCANCEL | MB_DEFBUTTON2, {VK_RETURN}, IDCANCEL},
    {"YesNoEnter", MB_YESNO | MB_ICONQUESTION, {VK_RETURN}, IDYES},
    {"TabMovesTheDefault", MB_YESNO, {VK_TAB, VK_RETURN}, IDNO},
    {"ArrowMovesTheDefault", MB_YESNO, {VK_RIGHT, VK_RETURN}, IDNO},
    {"TabWrapsAround", MB_OKCANCEL, {VK_TAB, VK_TAB, VK_RETURN}, IDOK},
    {"LeftWrapsAround", MB_YESNO, {VK_LEFT, VK_RETURN}, IDNO},
    {"EscapeWithoutCancelWaits", MB_YESNO, {VK_ESCAPE, VK_RETURN}, IDYES},
};

INSTANTIATE_TEST_SUITE_P(Answers, TMessageBoxKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(TMessageBoxTest, ClickOnAButtonAnswersIt) {
  for (int Id : {IDOK, IDCANCEL}) {
    Script({[&] { ClickOn(ButtonOf(Box(), Id)); }});
    EXPECT_EQ(MessageBox(nullptr, "Click", "Box", MB_OKCANCEL), Id);
  }
}

TEST_F(TMessageBoxTest, CloseBoxAnswersCancel) {
  Script({[&] {
    TRect R = WindowRect(Box());
    Desk->Click(R.Right - 11, R.Top + 11);
  }});
  EXPECT_EQ(MessageBox(nullptr, "Close me", "Box", MB_OKCANCEL | MB_ICONWARNING), IDCANCEL);
  // A yes/no box offers no way out but its buttons.
  Script({[&] { EXPECT_FALSE(GetWindowLong(Box(), GWL_STYLE) & WS_SYSMENU); }});
  EXPECT_EQ(MessageBox(nullptr, "Yes or no", "Box", MB_YESNO), 0);
}

TEST_F(TMessageBoxTest, QuitEndsTheBoxAndStaysQueued) {
  HWND Owner = Show(WS_POPUP);
  Script({});
  EXPECT_EQ(MessageBox(Owner, "Nobody answers", "Box", MB_OK), 0);
  MSG M{};
  ASSERT_TRUE(PeekMessage(&M, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(M.message, WM_QUIT);
  EXPECT_TRUE(IsWindowEnabled(Owner));
  EXPECT_EQ(Box(), nullptr);
}

TEST_F(TMessageBoxTest, ExceptionFromAProcedureLeavesTheDesktopAsItWas) {
  HWND Owner = Show(WS_POPUP);
  Hook() = [](HWND, UINT Msg, WPARAM, LPARAM, LRESULT&) -> bool {
    if (Msg == WM_USER) throw std::runtime_error("handler failed");
    return false;
  };
  Script({[&] { PostMessage(Owner, WM_USER, 0, 0); }});
  EXPECT_THROW(MessageBox(Owner, "Boom", "Box", MB_OK), std::runtime_error);
  EXPECT_TRUE(IsWindowEnabled(Owner));
  EXPECT_EQ(Box(), nullptr);
  EXPECT_EQ(GetActiveWindow(), Owner);
}

// The desktop window as owner means no owner.
TEST_F(TMessageBoxTest, WithoutOwnerEveryReachableWindowIsDisabled) {
  HWND A = Show(WS_POPUP, 0, TRect{0, 0, 50, 50});
  HWND B = Show(WS_CAPTION, 0, TRect{60, 0, 160, 50});
  HWND Hidden = Make(WS_POPUP);
  HWND Off = Show(WS_POPUP, 0, TRect{200, 0, 250, 50});
  EnableWindow(Off, FALSE);
  for (HWND Owner : {HWND(nullptr), GetDesktopWindow()}) {
    Script({[&] {
      EXPECT_FALSE(IsWindowEnabled(A));
      EXPECT_FALSE(IsWindowEnabled(B));
      EXPECT_TRUE(IsWindowEnabled(Hidden));
      EXPECT_TRUE(IsWindowEnabled(Box()));
      EXPECT_EQ(GetWindow(Box(), GW_OWNER), nullptr);
      Desk->PressKey(VK_RETURN);
    }});
    EXPECT_EQ(MessageBox(Owner, "All", "Box", MB_OK), IDOK);
    EXPECT_TRUE(IsWindowEnabled(A));
    EXPECT_TRUE(IsWindowEnabled(B));
    EXPECT_TRUE(IsWindowEnabled(Hidden));
    EXPECT_FALSE(IsWindowEnabled(Off));
  }
}

TEST_F(TMessageBoxTest, OwnedByTheOwnersTopLevelWindow) {
  HWND Root = Show(WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST);
  HWND Child = Make(WS_CHILD | WS_VISIBLE, 0, TRect{0, 0, 50, 50}, "", Root);
  Script({[&] {
    HWND B = Box();
    EXPECT_EQ(GetWindow(B, GW_OWNER), Root);
    EXPECT_FALSE(IsWindowEnabled(Root));
    EXPECT_TRUE(GetWindowLong(B, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLong(B, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    Desk->PressKey(VK_ESCAPE);
  }});
  EXPECT_EQ(MessageBox(Child, "Owned", "Box", MB_OKCANCEL), IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(Root));
}

TEST_F(TMessageBoxTest, CentredOnTheWorkAreaWithItsCaption) {
  Desk->SetScreen(800, 600, 560);
  Script({[&] {
    HWND B = FindWindow(kBoxClass, "Error");
    ASSERT_NE(B, nullptr);
    TRect R = WindowRect(B);
    EXPECT_LE(std::abs((R.Left + R.Right) / 2 - 400), 1);
    EXPECT_LE(std::abs((R.Top + R.Bottom) / 2 - 280), 1);
    EXPECT_EQ(GetWindowLong(B, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_SYSMENU),
              WS_POPUP | WS_CAPTION | WS_SYSMENU);
    Desk->PressKey(VK_RETURN);
  }});
  EXPECT_EQ(MessageBox(nullptr, nullptr, nullptr, MB_OK), IDOK);
}

TEST_F(TMessageBoxTest, ErrorIconAndText) {
  Script({[&] {
    HWND B = Box();
    TPoint Origin{0, 0};
    ClientToScreen(B, &Origin);
    // A red disc with a white cross at the top left of the client area.
    EXPECT_EQ(Desk->ScreenPixel(Origin.X + 11 + 5, Origin.Y + 11 + 16), 0xFF0000u);
    EXPECT_EQ(Desk->ScreenPixel(Origin.X + 11 + 16, Origin.Y + 11 + 16), 0xFFFFFFu);
    TRect Client{0, 0, 0, 0};
    GetClientRect(B, &Client);
    bool Ink = false;
    for (int Y = 11; Y < 43 && !Ink; ++Y)
      for (int X = 55; X < Client.Right - 11 && !Ink; ++X)
        Ink = Desk->ScreenPixel(Origin.X + X, Origin.Y + Y) == SysRgb(COLOR_WINDOWTEXT);
    EXPECT_TRUE(Ink);
    Desk->PressKey(VK_RETURN);
  }});
  EXPECT_EQ(MessageBox(nullptr, "Something failed.", "Box", MB_OK | MB_ICONERROR), IDOK);
}

TEST_F(TMessageBoxTest, LongTextWrapsWithinTwoThirdsOfTheScreen) {
  Desk->SetScreen(900, 700, 660);
  std::string Text;
  for (int I = 0; I < 60; ++I) Text += "wrapping words ";
  TRect Short{0, 0, 0, 0}, Long{0, 0, 0, 0};
  Script({[&] {
            Short = WindowRect(Box());
            Desk->PressKey(VK_RETURN);
          },
          [&] {
            Long = WindowRect(Box());
            Desk->PressKey(VK_RETURN);
          }});
  EXPECT_EQ(MessageBox(nullptr, "Short", "Box", MB_OK), IDOK);
  EXPECT_EQ(MessageBox(nullptr, Text.c_str(), "Box", MB_OK), IDOK);
  EXPECT_LE(Long.Width(), 600 + 2 * GetSystemMetrics(SM_CXFIXEDFRAME));
  EXPECT_GT(Long.Width(), 500);
  EXPECT_GT(Long.Height(), Short.Height() + 30);
}

TEST_F(TMessageBoxTest, NestedBoxFromAWindowProcedure) {
  HWND Wnd = Show(WS_POPUP);
  int Inner = -1;
  Hook() = [&](HWND W, UINT Msg, WPARAM, LPARAM, LRESULT&) {
    if (Msg != WM_USER) return false;
    Inner = MessageBox(W, "Inner text", "Inner", MB_OKCANCEL);
    return true;
  };
  PostMessage(Wnd, WM_USER, 0, 0);
  Script({[&] {
            EXPECT_NE(Box("Outer"), nullptr);
            EXPECT_NE(Box("Inner"), nullptr);
            EXPECT_EQ(GetWindow(Box("Inner"), GW_OWNER), Wnd);
            Desk->PressKey(VK_ESCAPE);
          },
          [&] {
            EXPECT_EQ(Box("Inner"), nullptr);
            EXPECT_FALSE(IsWindowEnabled(Wnd));
            Desk->PressKey(VK_RETURN);
          }});
  EXPECT_EQ(MessageBox(nullptr, "Outer text", "Outer", MB_OK), IDOK);
  EXPECT_EQ(Inner, IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(Wnd));
}

TEST_F(TMessageBoxTest, BadArgumentsShowNothing) {
  HWND Gone = Make(WS_POPUP);
  DestroyWindow(Gone);
  Script({[] { ADD_FAILURE() << "no box should wait for input"; }});
  EXPECT_EQ(MessageBox(Gone, "Text", "Box", MB_OK), 0);
  EXPECT_EQ(MessageBox(nullptr, "Text", "Box", 7), 0);
  EXPECT_EQ(MessageBox(nullptr, "Text", "Box", 0xF), 0);
}

} // namespace
