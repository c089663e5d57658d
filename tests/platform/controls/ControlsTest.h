// A parent window for the control tests. It records the notifications its
// controls send and, when asked, answers scroll notifications the way the
// framework's scroll bar does: it moves the position by a line, a page or
// to the track position, so that auto-repeat can see the thumb move.
#pragma once

#include "platform/user/ScrollBarControl.h"
#include "support/DesktopTest.h"

#include <algorithm>
#include <vector>

struct TNote {
  UINT Msg;
  WORD Code;
  WORD Pos;
  HWND From;
  friend bool operator==(const TNote&, const TNote&) = default;
};

class TControlsTest : public TDesktopTest {
protected:
  static constexpr int kParentX = 100;
  static constexpr int kParentY = 100;

  void SetUp() override {
    TDesktopTest::SetUp();
    Current = this;
    WNDCLASSA Wc{};
    Wc.lpfnWndProc = ParentProc;
    Wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    Wc.lpszClassName = "ControlsTestParent";
    RegisterClass(&Wc);
    Parent = CreateWindowEx(0, "ControlsTestParent", "", WS_POPUP | WS_VISIBLE, kParentX, kParentY,
                            400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(Parent, nullptr);
    SetActiveWindow(Parent);
    Desk->PumpUntilIdle();
  }
  void TearDown() override {
    Current = nullptr;
    TDesktopTest::TearDown();
  }

  HWND CreateBar(DWORD Style, TRect R, int Min, int Max, UINT Page = 0, int Pos = 0) {
    HWND Bar = CreateWindowEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | Style, R.Left, R.Top,
                              R.Width(), R.Height(), Parent, nullptr, nullptr, nullptr);
    SCROLLINFO Info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, Min, Max, Page, Pos, 0};
    SetScrollInfo(Bar, SB_CTL, &Info, TRUE);
    Desk->PumpUntilIdle();
    return Bar;
  }

  HWND CreateButton(LPCSTR Text, DWORD Style, TRect R, int Id) {
    HWND B = CreateWindowEx(0, "BUTTON", Text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | Style, R.Left,
                            R.Top, R.Width(), R.Height(), Parent,
                            reinterpret_cast<HMENU>(std::intptr_t(Id)), nullptr, nullptr);
    Desk->PumpUntilIdle();
    return B;
  }

  // A point of a child's client area on the screen.
  static TPoint Screen(HWND Child, int X, int Y) {
    POINT P{X, Y};
    ClientToScreen(Child, &P);
    return P;
  }
  // A COLORREF as the screen stores it (0x00RRGGBB).
  static std::uint32_t Rgb(COLORREF C) {
    return std::uint32_t(GetRValue(C)) << 16 | std::uint32_t(GetGValue(C)) << 8 | GetBValue(C);
  }
  static std::uint32_t Sys(int Index) { return Rgb(GetSysColor(Index)); }
  std::uint32_t Pixel(HWND Child, int X, int Y) {
    TPoint P = Screen(Child, X, Y);
    return Desk->ScreenPixel(P.X, P.Y);
  }
  // The pixels of a part of a child's client area, row by row.
  std::vector<std::uint32_t> Area(HWND Child, TRect R) {
    std::vector<std::uint32_t> V;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X) V.push_back(Pixel(Child, X, Y));
    return V;
  }
  static bool Has(const std::vector<std::uint32_t>& Pixels, std::uint32_t C) {
    return std::find(Pixels.begin(), Pixels.end(), C) != Pixels.end();
  }
  void MoveTo(HWND Child, int X, int Y) {
    TPoint P = Screen(Child, X, Y);
    Desk->MouseMove(P.X, P.Y);
    Desk->PumpUntilIdle();
  }
  void Press(HWND Child, int X, int Y) {
    MoveTo(Child, X, Y);
    Desk->MouseDown();
    Desk->PumpUntilIdle();
  }
  void Release() {
    Desk->MouseUp();
    Desk->PumpUntilIdle();
  }
  void Click(HWND Child, int X, int Y) {
    Press(Child, X, Y);
    Release();
  }
  void Wait(std::uint64_t Ms) {
    Desk->AdvanceTime(Ms);
    Desk->PumpUntilIdle();
  }

  std::vector<WORD> Codes() const {
    std::vector<WORD> C;
    for (const TNote& N : Notes) C.push_back(N.Code);
    return C;
  }
  std::size_t Count(WORD Code) const {
    return std::size_t(
        std::count_if(Notes.begin(), Notes.end(), [&](const TNote& N) { return N.Code == Code; }));
  }

  HWND Parent = nullptr;
  std::vector<TNote> Notes;
  // Move the scroll bar's position in answer to its notifications.
  bool Follow = false;
  int PageStep = 10;
  // Handed out for WM_CTLCOLORSCROLLBAR when set.
  HBRUSH TroughBrush = nullptr;
  // Destroyed on its first notification when set.
  HWND DestroyOnNote = nullptr;
  std::vector<TPoint> ContextMenus;

private:
  inline static TControlsTest* Current = nullptr;

  void FollowScroll(HWND Bar, WORD Code, WORD Pos) {
    int Min = 0, Max = 0;
    GetScrollRange(Bar, SB_CTL, &Min, &Max);
    int P = GetScrollPos(Bar, SB_CTL);
    switch (Code) {
    case SB_LINEUP: --P; break;
    case SB_LINEDOWN: ++P; break;
    case SB_PAGEUP: P -= PageStep; break;
    case SB_PAGEDOWN: P += PageStep; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: P = Pos; break;
    case SB_TOP: P = Min; break;
    case SB_BOTTOM: P = Max; break;
    default: return;
    }
    SetScrollPos(Bar, SB_CTL, P, TRUE);
  }

  static LRESULT ParentProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
    TControlsTest* T = Current;
    if (!T) return DefWindowProc(Wnd, Msg, W, L);
    switch (Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_COMMAND: {
      HWND From = reinterpret_cast<HWND>(L);
      T->Notes.push_back(TNote{Msg, LOWORD(W), HIWORD(W), From});
      if (From == T->DestroyOnNote) {
        T->DestroyOnNote = nullptr;
        DestroyWindow(From);
      } else if (Msg != WM_COMMAND && T->Follow) {
        T->FollowScroll(From, LOWORD(W), HIWORD(W));
      }
      return 0;
    }
    case WM_CTLCOLORSCROLLBAR:
      if (T->TroughBrush) return reinterpret_cast<LRESULT>(T->TroughBrush);
      break;
    case WM_CONTEXTMENU:
      T->ContextMenus.push_back(TPoint{GET_X_LPARAM(L), GET_Y_LPARAM(L)});
      return 0;
    default: break;
    }
    return DefWindowProc(Wnd, Msg, W, L);
  }
};
