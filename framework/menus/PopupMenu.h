// TPopupMenu: a menu that pops up at a screen point, as controls use it: a
// right click on a control makes the control the menu's popup component
// and calls Popup at the mouse position (or at the control's top-left
// corner for the keyboard's request).
//
// Popping up raises OnPopup, gives the top-level items accelerators and
// drops superfluous separators, rebuilds the native menu and shows it
// with the popup list's hidden window as owner: that window receives the
// menu's owner-draw, sub-menu and command messages and hands them to the
// items. The chosen item's OnClick runs when the command message arrives,
// after Popup has returned.
#pragma once

#include "framework/menus/Menu.h"

class TPopupMenu : public TMenu {
  TAVREL_CLASS(TPopupMenu, TMenu)
public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TPopupAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  TTrackButton GetTrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
  TMenuAnimation GetMenuAnimation() const { return FMenuAnimation; }
  void SetMenuAnimation(TMenuAnimation Value) { FMenuAnimation = Value; }
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  // The control that was clicked; cleared when that control goes.
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  // (-1, -1) until the first Popup.
  TPoint GetPopupPoint() const { return FPopupPoint; }
  // The TrackPopupMenu flags Popup uses: alignment, button, animation.
  UINT TrackFlags() const;

  // Shows the menu at screen point (X, Y) and returns when it closes. A
  // menu that has no visible item once OnPopup has run shows nothing.
  virtual void Popup(int X, int Y);
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnPopup;

protected:
  virtual void DoPopup(TObject* Sender);
  TComponent* BiDiSource() const override { return FPopupComponent; }

private:
  bool FAutoPopup = true;
  TPopupAlignment FAlignment = paLeft;
  TTrackButton FTrackButton = tbRightButton;
  TMenuAnimation FMenuAnimation;
  int FHelpContext = 0;
  TComponent* FPopupComponent = nullptr;
  TPoint FPopupPoint{-1, -1};
};
