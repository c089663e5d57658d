// TPopupMenu, as controls see it: a component that a right click on a
// control pops up at a screen point, remembering which control asked.
#pragma once

#include "framework/classes/Component.h"
#include "framework/classes/Event.h"
#include "platform/WinTypes.h"

TAVREL_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
TAVREL_ENUM(TTrackButton, tbRightButton, tbLeftButton)

class TPopupMenu : public TComponent {
  TAVREL_CLASS(TPopupMenu, TComponent)
public:
  explicit TPopupMenu(TComponent* AOwner);

  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TPopupAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  TTrackButton GetTrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
  // The control that was clicked; cleared when that control goes.
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  TPoint GetPopupPoint() const { return FPopupPoint; }

  // Shows the menu at screen point (X, Y).
  virtual void Popup(int X, int Y);
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnPopup;

protected:
  virtual void DoPopup(TObject* Sender);

private:
  bool FAutoPopup = true;
  TPopupAlignment FAlignment = paLeft;
  TTrackButton FTrackButton = tbRightButton;
  TComponent* FPopupComponent = nullptr;
  TPoint FPopupPoint{-1, -1};
};
