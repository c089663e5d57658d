#include "framework/menus/PopupMenu.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Control.h"
#include "framework/menus/PopupList.h"

const TClass& TPopupMenu::StaticClass() {
  using C = TPopupMenu;
  static const TClass Class =
      TClassBuilder<C>("TPopupMenu")
          .Property("Alignment", &C::GetAlignment, &C::SetAlignment)
          .Default(paLeft)
          .Publish({"AutoHotkeys", "AutoLineReduction"})
          .Property("AutoPopup", &C::GetAutoPopup, &C::SetAutoPopup)
          .Default(true)
          .Publish({"BiDiMode"})
          .Property("HelpContext", &C::GetHelpContext, &C::SetHelpContext)
          .Default(0)
          .Publish({"Images"})
          .Property("MenuAnimation", &C::GetMenuAnimation, &C::SetMenuAnimation)
          .Default(TMenuAnimation{})
          .Publish({"OwnerDraw", "ParentBiDiMode"})
          .Property("TrackButton", &C::GetTrackButton, &C::SetTrackButton)
          .Default(tbRightButton)
          .Publish({"OnChange"})
          .Property("OnPopup", &C::OnPopup, &C::OnPopup)
          .Build();
  return Class;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {
  TPopupList::Instance().Add(this);
  SetWindowHandle(TPopupList::Instance().GetWindow());
}

TPopupMenu::~TPopupMenu() { TPopupList::Remove(this); }

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

UINT TPopupMenu::TrackFlags() const {
  static constexpr UINT LeftToRight[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  static constexpr UINT RightToLeft[] = {TPM_RIGHTALIGN, TPM_LEFTALIGN, TPM_CENTERALIGN};
  UINT Flags = (IsRightToLeft() ? RightToLeft : LeftToRight)[FAlignment];
  if (FTrackButton == tbRightButton) Flags |= TPM_RIGHTBUTTON;
  return Flags | (FMenuAnimation.Bits() << 10);
}

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = {X, Y};
  if (GetParentBiDiMode())
    if (auto* Control = dynamic_cast<TControl*>(FPopupComponent)) {
      SetBiDiMode(Control->GetBiDiMode());
      SetParentBiDiMode(true);
    }
  DoPopup(this);
  TMenuItem* Root = GetItems();
  Root->RethinkHotkeys();
  Root->RethinkLines();
  HMENU Menu = Root->GetHandle();
  Root->RebuildHandle();
  if (GetMenuItemCount(Menu) <= 0) return;
  HWND Owner = TPopupList::Instance().GetWindow();
  SetWindowHandle(Owner);
  TrackPopupMenu(Menu, TrackFlags(), X, Y, 0, Owner, nullptr);
}

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}
