// TAdvPopupMenu: the styled popup menu of unit Advmenus. For now it is a
// plain popup menu that the native menu draws; what makes it a component
// of the styled family already lives here: its version, its opacity, and
// the placement of Popup, which shifts the point so that the visible part
// of a styled menu window (whose 17-pixel right strip is clipped away)
// lands where the desktop would put an unclipped menu.
#pragma once

#include "framework/menus/PopupMenu.h"

#include <cstdint>
#include <string>

class TAdvPopupMenu : public TPopupMenu {
  TAVREL_CLASS(TAdvPopupMenu, TPopupMenu)
public:
  explicit TAdvPopupMenu(TComponent* AOwner);

  // Major, minor, release and build, one byte each from the top.
  virtual std::uint32_t GetVersionNr() const;
  std::string GetVersion() const;
  // Stored in form definitions only so that they read back: ignored.
  void SetVersion(const std::string& Value);

  std::uint8_t GetOpacity() const { return FOpacity; }
  void SetOpacity(std::uint8_t Value) { FOpacity = Value; }

  // An empty menu shows nothing and raises no OnPopup.
  void Popup(int X, int Y) override;
  virtual void Popup(TPoint P);
  void PopupAtCursor();

  // Where Popup(X, Y) shows the menu: the shifted X.
  int PopupX(int X);

private:
  // The first item's width as the owner-draw measure request reports it.
  int MeasureFirstItem();

  std::uint8_t FOpacity = 255;
};
