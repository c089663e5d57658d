#include "framework/menus/PopupMenu.h"

#include "framework/classes/ClassBuilder.h"

const TClass& TPopupMenu::StaticClass() {
  using C = TPopupMenu;
  static const TClass Class = TClassBuilder<C>("TPopupMenu")
                                  .Property("Alignment", &C::GetAlignment, &C::SetAlignment)
                                  .Default(paLeft)
                                  .Property("AutoPopup", &C::GetAutoPopup, &C::SetAutoPopup)
                                  .Default(true)
                                  .Property("TrackButton", &C::GetTrackButton, &C::SetTrackButton)
                                  .Default(tbRightButton)
                                  .Property("OnPopup", &C::OnPopup, &C::OnPopup)
                                  .Build();
  return Class;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = {X, Y};
  DoPopup(this);
}

void TPopupMenu::DoPopup(TObject* Sender) { OnPopup(Sender); }
