// The styled popup menu as a plain popup menu: its version, where Popup
// puts the menu for each alignment, the empty menu, and the desktop's menu
// animation switched off for the program's run and put back at its end.
#include "components/advmenus/AdvPopupMenu.h"
#include "components/advmenus/MenuAnimation.h"
#include "framework/classes/Class.h"
#include "framework/forms/FormsTest.h"
#include "framework/menus/MenuItem.h"
#include "platform/menus/MenuTestSupport.h"

#include <string>
#include <vector>

namespace {

// Handlers for the menus' events.
class TAdvMenuProbe : public TObject {
public:
  void Measure(TObject*, TCanvas*, int& Width, int&) { Width = FirstWidth; }
  void Popped(TObject*) { ++Popups; }
  int FirstWidth = 100;
  int Popups = 0;
};

class AdvPopupMenuTest : public formstest::TFormsTest {
protected:
  // A menu whose first item measures FirstWidth pixels wide.
  TAdvPopupMenu* NewMenu(int FirstWidth = 100) {
    auto* Menu = new TAdvPopupMenu(Application);
    auto* Item = new TMenuItem(Application);
    Item->SetCaption("Minimer");
    Probe.FirstWidth = FirstWidth;
    Item->OnMeasureItem = MakeEvent<&TAdvMenuProbe::Measure>(&Probe);
    Menu->GetItems()->Add(Item);
    return Menu;
  }

  TAdvMenuProbe Probe;
};

TEST_F(AdvPopupMenuTest, VersionIsFixedWhateverIsWritten) {
  TAdvPopupMenu* Menu = NewMenu();
  EXPECT_EQ(Menu->GetVersionNr(), 33554432u);
  EXPECT_EQ(Menu->GetVersion(), "2.0.0.0");
  Menu->SetVersion("9.9.9.9");
  EXPECT_EQ(Menu->GetVersion(), "2.0.0.0");
  EXPECT_NE(Menu->ClassType().FindProperty("Version"), nullptr);
  EXPECT_EQ(Menu->GetOpacity(), 255);
}

// The first item measures 100, so the menu is W = 117 wide with its
// clipped strip; the desktop is 1280 wide.
TEST_F(AdvPopupMenuTest, PopupShiftsTheMenuByAlignmentAndRoom) {
  struct TCase {
    TPopupAlignment Align;
    int X, Expected;
  } Cases[] = {
      {paLeft, 500, 500},     // room on the right: where asked
      {paLeft, 1128, 1128},   // 1128 + 34 + 117 = 1279 < 1280
      {paLeft, 1129, 1146},   // the right edge is short: shifted
      {paCenter, 500, 508},   // always half the strip
      {paCenter, 0, 8},       //
      {paRight, 500, 517},    // room on the left
      {paRight, 133, 133},    // 133 - 17 - 117 < 0: left is short
      {paRight, 134, 151},    //
      {paLeft, 1279, 1279},   // 1296 is beyond the desktop: pulled back
      {paLeft, 5000, 1279},   //
      {paCenter, 1275, 1279}, //
  };
  TAdvPopupMenu* Menu = NewMenu(100);
  for (const TCase& C : Cases) {
    Menu->SetAlignment(C.Align);
    EXPECT_EQ(Menu->PopupX(C.X), C.Expected) << "alignment " << int(C.Align) << " x " << C.X;
  }
}

TEST_F(AdvPopupMenuTest, PopupShowsTheMenuAtTheShiftedPoint) {
  TAdvPopupMenu* Menu = NewMenu(100);
  Menu->SetAlignment(paRight);
  std::vector<TRect> Seen;
  Script({[&] {
    for (HWND Wnd : menutest::MenuWindows()) {
      TRect R;
      GetWindowRect(Wnd, &R);
      Seen.push_back(R);
    }
    Desk->PressKey(VK_ESCAPE);
  }});
  Menu->Popup(TPoint{300, 200});
  ASSERT_EQ(Seen.size(), 1u);
  EXPECT_EQ(Seen[0].Right, 317); // right-aligned at the shifted point
  EXPECT_EQ(Seen[0].Top, 200);
}

TEST_F(AdvPopupMenuTest, AnEmptyMenuShowsNothingAndRaisesNoPopupEvent) {
  auto* Menu = new TAdvPopupMenu(Application);
  Menu->OnPopup = MakeEvent<&TAdvMenuProbe::Popped>(&Probe);
  bool Opened = false;
  Script({[&] { Opened = !menutest::MenuWindows().empty(); }});
  Menu->Popup(100, 100);
  Menu->PopupAtCursor();
  EXPECT_EQ(Probe.Popups, 0);
  EXPECT_FALSE(Opened);
  EXPECT_TRUE(menutest::MenuWindows().empty());
}

TEST_F(AdvPopupMenuTest, PopupAtCursorOpensWhereTheMouseIs) {
  TAdvPopupMenu* Menu = NewMenu(100);
  Desk->MouseMove(420, 333);
  Desk->PumpUntilIdle();
  TRect Seen{0, 0, 0, 0};
  Script({[&] {
    auto Windows = menutest::MenuWindows();
    if (!Windows.empty()) GetWindowRect(Windows[0], &Seen);
    Desk->PressKey(VK_ESCAPE);
  }});
  Menu->PopupAtCursor();
  EXPECT_EQ(Seen.Left, 420);
  EXPECT_EQ(Seen.Top, 333);
}

BOOL MenuAnimationNow() {
  BOOL On = -1;
  SystemParametersInfo(SPI_GETMENUANIMATION, 0, &On, 0);
  return On;
}

TEST_F(AdvPopupMenuTest, MenuAnimationIsOffUntilRestoredOnce) {
  for (BOOL Before : {TRUE, FALSE}) {
    SystemParametersInfo(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(std::intptr_t(Before)),
                         0);
    DisableMenuAnimation();
    EXPECT_EQ(MenuAnimationNow(), FALSE);
    // A second switch keeps the setting found first.
    DisableMenuAnimation();
    RestoreMenuAnimation();
    EXPECT_EQ(MenuAnimationNow(), Before);
    // Restoring again does not undo a change made since.
    SystemParametersInfo(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(std::intptr_t(!Before)),
                         0);
    RestoreMenuAnimation();
    EXPECT_EQ(MenuAnimationNow(), !Before);
  }
}

} // namespace
