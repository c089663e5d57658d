// Helpers of the native menu tests: an owner window that logs every
// message the menu sends it (and answers WM_MEASUREITEM / WM_DRAWITEM for
// owner-drawn entries), menus built from short tables, and a script runner
// that feeds the modal loop one step each time it falls idle.
#pragma once

#include "support/DesktopTest.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace menutest {

inline constexpr char kOwnerClass[] = "MenuTestOwner";
inline constexpr char kMenuClass[] = "#32768";
inline constexpr COLORREF kOwnerDrawFill = RGB(0x20, 0x80, 0x40);

struct TLogged {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

struct TDrawn {
  DRAWITEMSTRUCT Dis;
  HWND DcWindow; // WindowFromDC of the DC handed over
};

struct TOwnerState {
  std::vector<TLogged> Log;
  std::vector<TDrawn> Draws;
  std::vector<MEASUREITEMSTRUCT> Measures;
  // Sizes WM_MEASUREITEM answers, by identifier (else 80 x 20).
  std::map<UINT, SIZE> Sizes;
  // Acts inside the procedure; true when it answered with Result.
  std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> Hook;
};

inline TOwnerState& Owner() {
  static TOwnerState S;
  return S;
}

inline LRESULT OwnerProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TOwnerState& S = Owner();
  S.Log.push_back(TLogged{Msg, WParam, LParam});
  if (Msg == WM_MEASUREITEM) {
    auto* Mis = reinterpret_cast<MEASUREITEMSTRUCT*>(LParam);
    S.Measures.push_back(*Mis);
    auto It = S.Sizes.find(Mis->itemID);
    SIZE Sz = It == S.Sizes.end() ? SIZE{80, 20} : It->second;
    Mis->itemWidth = UINT(Sz.cx);
    Mis->itemHeight = UINT(Sz.cy);
  }
  if (Msg == WM_DRAWITEM) {
    auto* Dis = reinterpret_cast<DRAWITEMSTRUCT*>(LParam);
    S.Draws.push_back(TDrawn{*Dis, WindowFromDC(Dis->hDC)});
    HBRUSH B =
        CreateSolidBrush((Dis->itemState & ODS_SELECTED) ? RGB(0xC0, 0x30, 0x30) : kOwnerDrawFill);
    FillRect(Dis->hDC, &Dis->rcItem, B);
    DeleteObject(B);
  }
  LRESULT Result = 0;
  if (S.Hook && S.Hook(Msg, WParam, LParam, Result)) return Result;
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

// One entry of a test menu: text (or "-" for a separator), identifier,
// MFS_* state, MFT_* type bits to add, and the index into the table's
// sub-menus of the menu it opens (-1 none).
struct TEntry {
  const char* Text;
  UINT Id = 0;
  UINT State = 0;
  UINT Type = 0;
  int Sub = -1;
};

inline HMENU BuildMenu(const std::vector<TEntry>& Entries, const std::vector<HMENU>& Subs = {}) {
  HMENU M = CreatePopupMenu();
  for (const TEntry& E : Entries) {
    MENUITEMINFOA Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    bool Sep = std::string(E.Text) == "-";
    Info.fType = (Sep ? MFT_SEPARATOR : MFT_STRING) | E.Type;
    Info.fState = E.State;
    Info.wID = E.Id;
    Info.dwItemData = E.Id * 10;
    Info.dwTypeData = const_cast<LPSTR>(E.Text);
    if (E.Sub >= 0) {
      Info.fMask |= MIIM_SUBMENU;
      Info.hSubMenu = Subs[std::size_t(E.Sub)];
    }
    InsertMenuItem(M, 0xFFFFFFFFu, TRUE, &Info);
  }
  return M;
}

// The menu windows, top first (by stacking: the deepest is highest).
inline std::vector<HWND> MenuWindows() {
  std::vector<HWND> V;
  EnumWindows(
      [](HWND W, LPARAM P) {
        char Name[32] = {};
        GetClassName(W, Name, sizeof(Name));
        if (std::string(Name) == kMenuClass && IsWindowVisible(W))
          reinterpret_cast<std::vector<HWND>*>(P)->push_back(W);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&V));
  std::reverse(V.begin(), V.end());
  return V;
}

inline TRect WindowRectOf(HWND W) {
  RECT R{};
  GetWindowRect(W, &R);
  return R;
}

inline TPoint Centre(const TRect& R) {
  return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

inline int CountMsg(UINT Msg) {
  const auto& L = Owner().Log;
  return int(std::count_if(L.begin(), L.end(), [&](const TLogged& E) { return E.Msg == Msg; }));
}

// The menu messages in the order the owner received them.
inline std::vector<UINT> MenuMessages() {
  static const UINT Kinds[] = {WM_ENTERMENULOOP, WM_INITMENUPOPUP,   WM_MEASUREITEM,  WM_DRAWITEM,
                               WM_MENUSELECT,    WM_UNINITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND};
  std::vector<UINT> V;
  for (const TLogged& L : Owner().Log)
    if (std::find(std::begin(Kinds), std::end(Kinds), L.Msg) != std::end(Kinds))
      if (V.empty() || V.back() != L.Msg) V.push_back(L.Msg);
  return V;
}

class TMenuTest : public TDesktopTest {
protected:
  using TStep = std::function<void()>;

  void SetUp() override {
    TDesktopTest::SetUp();
    Owner() = TOwnerState{};
    WNDCLASSA Wc{};
    Wc.lpfnWndProc = OwnerProc;
    Wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    Wc.lpszClassName = kOwnerClass;
    RegisterClass(&Wc);
    Wnd = CreateWindowEx(0, kOwnerClass, "Owner", WS_POPUP | WS_VISIBLE, 10, 10, 200, 150, nullptr,
                         nullptr, nullptr, nullptr);
    ASSERT_NE(Wnd, nullptr);
    SetActiveWindow(Wnd);
    Desk->PumpUntilIdle();
    Owner().Log.clear();
  }

  void TearDown() override {
    Desk->SetIdleHandler(nullptr);
    Owner() = TOwnerState{};
    for (HMENU M : Menus) DestroyMenu(M);
    TDesktopTest::TearDown();
  }

  HMENU Keep(HMENU M) {
    Menus.push_back(M);
    return M;
  }

  // Each time the menu loop falls idle the next step runs; after the last
  // the loop receives WM_QUIT.
  void Script(std::vector<TStep> Steps) {
    auto All = std::make_shared<std::vector<TStep>>(std::move(Steps));
    auto Next = std::make_shared<std::size_t>(0);
    Desk->SetIdleHandler([All, Next] {
      if (*Next >= All->size()) return false;
      (*All)[(*Next)++]();
      return true;
    });
  }

  // The screen rectangle of entry Pos of a showing menu.
  static TRect Item(HMENU M, UINT Pos) {
    RECT R{};
    GetMenuItemRect(nullptr, M, Pos, &R);
    return R;
  }

  void HoverItem(HMENU M, UINT Pos) {
    TPoint P = Centre(Item(M, Pos));
    Desk->MouseMove(P.X, P.Y);
  }

  void ClickItem(HMENU M, UINT Pos) {
    TPoint P = Centre(Item(M, Pos));
    Desk->Click(P.X, P.Y);
  }

  // The WM_COMMAND identifiers posted to the owner once the loop is over.
  std::vector<UINT> PostedCommands() {
    Desk->SetIdleHandler(nullptr);
    std::size_t From = Owner().Log.size();
    Desk->PumpUntilIdle();
    std::vector<UINT> V;
    for (std::size_t I = From; I < Owner().Log.size(); ++I)
      if (Owner().Log[I].Msg == WM_COMMAND) V.push_back(LOWORD(Owner().Log[I].WParam));
    return V;
  }

  HWND Wnd = nullptr;
  std::vector<HMENU> Menus;
};

} // namespace menutest
