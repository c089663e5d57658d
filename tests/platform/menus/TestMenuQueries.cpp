// Asking a showing menu about itself: MN_GETHMENU on a menu window and
// the MFS_HILITE state of the selected entry, which goes with the
// selection and never outlives the menu.
#include "MenuTestSupport.h"

using namespace menutest;

namespace {

class TMenuQueries : public TMenuTest {
protected:
  void SetUp() override {
    TMenuTest::SetUp();
    Sub = BuildMenu({{"&First", 201}, {"&Second", 202}});
    Top = Keep(BuildMenu({{"&Open", 101}, {"&More", 102, 0, 0, 0}, {"&Close", 103}}, {Sub}));
  }
  static bool Hilited(HMENU M, UINT Pos) {
    MENUITEMINFOA Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = MIIM_STATE;
    bool ByInfo = GetMenuItemInfo(M, Pos, TRUE, &Info) && (Info.fState & MFS_HILITE);
    bool ByState = (GetMenuState(M, Pos, MF_BYPOSITION) & MF_HILITE) != 0;
    EXPECT_EQ(ByInfo, ByState) << "entry " << Pos;
    return ByInfo;
  }
  HMENU Top = nullptr;
  HMENU Sub = nullptr;
};

} // namespace

TEST_F(TMenuQueries, EachMenuWindowAnswersTheMenuItShows) {
  std::vector<HMENU> Shown;
  Script({[&] { HoverItem(Top, 1); }, [&] { Desk->AdvanceTime(450); },
          [&] {
            for (HWND W : MenuWindows())
              Shown.push_back(reinterpret_cast<HMENU>(SendMessage(W, MN_GETHMENU, 0, 0)));
            Desk->PressKey(VK_ESCAPE);
            Desk->PressKey(VK_ESCAPE);
          }});
  TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr);
  EXPECT_EQ(Shown, (std::vector<HMENU>{Top, Sub}));
  // An owner window is no menu window.
  EXPECT_EQ(SendMessage(Wnd, MN_GETHMENU, 0, 0), 0);
}

TEST_F(TMenuQueries, TheSelectedEntryAnswersHilite) {
  std::vector<bool> BeforeHover, OnHover, WithSub, SubSelected;
  auto States = [&](HMENU M, int Count) {
    std::vector<bool> V;
    for (int I = 0; I < Count; ++I) V.push_back(Hilited(M, UINT(I)));
    return V;
  };
  Script({[&] {
            BeforeHover = States(Top, 3);
            HoverItem(Top, 2);
          },
          [&] {
            OnHover = States(Top, 3);
            HoverItem(Top, 1);
          },
          [&] { Desk->AdvanceTime(450); },
          [&] {
            WithSub = States(Top, 3);
            Desk->PressKey(VK_DOWN);
          },
          [&] {
            SubSelected = States(Sub, 2);
            Desk->PressKey(VK_ESCAPE);
            Desk->PressKey(VK_ESCAPE);
          }});
  TrackPopupMenu(Top, TPM_RETURNCMD, 20, 20, 0, Wnd, nullptr);
  EXPECT_EQ(BeforeHover, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(OnHover, (std::vector<bool>{false, false, true}));
  // The entry whose sub-menu is open stays selected in its own menu.
  EXPECT_EQ(WithSub, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(SubSelected, (std::vector<bool>{true, false}));
  EXPECT_FALSE(Hilited(Top, 1));
  EXPECT_FALSE(Hilited(Sub, 0));
}
