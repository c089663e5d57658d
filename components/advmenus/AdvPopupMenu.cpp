#include "components/advmenus/AdvPopupMenu.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/Mouse.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupList.h"
#include "framework/runtime/VersionNumber.h"

namespace {
// The strip at the right of a styled menu window that its clipping hides.
constexpr int AdvPopupClippedStrip = 17;
} // namespace

const TClass& TAdvPopupMenu::StaticClass() {
  using C = TAdvPopupMenu;
  static const TClass Class =
      TClassBuilder<C>("TAdvPopupMenu").Property("Version", &C::GetVersion, &C::SetVersion).Build();
  return Class;
}

TAdvPopupMenu::TAdvPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

std::uint32_t TAdvPopupMenu::GetVersionNr() const { return PackVersionNumber(2, 0, 0, 0); }

std::string TAdvPopupMenu::GetVersion() const { return VersionNumberText(GetVersionNr()); }

void TAdvPopupMenu::SetVersion(const std::string&) {}

int TAdvPopupMenu::MeasureFirstItem() {
  MEASUREITEMSTRUCT Measure{};
  Measure.CtlType = ODT_MENU;
  Measure.itemID = GetItems()->GetItem(0)->GetCommand();
  Measure.itemWidth = 10;
  Measure.itemHeight = 10;
  SendMessage(TPopupList::Instance().GetWindow(), WM_MEASUREITEM, 0,
              reinterpret_cast<LPARAM>(&Measure));
  return int(Measure.itemWidth);
}

int TAdvPopupMenu::PopupX(int X) {
  const int W = MeasureFirstItem() + AdvPopupClippedStrip;
  const int D = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const bool LeftShort = X - AdvPopupClippedStrip - W < 0;
  const bool RightShort = D <= X + 2 * AdvPopupClippedStrip + W;
  const TPopupAlignment Align = GetAlignment();
  if (Align == paRight && !LeftShort)
    X += AdvPopupClippedStrip;
  else if (Align == paLeft && RightShort)
    X += AdvPopupClippedStrip;
  else if (Align == paCenter)
    X += AdvPopupClippedStrip / 2;
  return X >= D ? D - 1 : X;
}

void TAdvPopupMenu::Popup(int X, int Y) {
  if (GetItems()->GetCount() == 0) return;
  TPopupMenu::Popup(PopupX(X), Y);
}

void TAdvPopupMenu::Popup(TPoint P) { Popup(P.X, P.Y); }

void TAdvPopupMenu::PopupAtCursor() { Popup(Mouse->GetCursorPos()); }
