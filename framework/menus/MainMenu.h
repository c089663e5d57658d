// TMainMenu: a menu whose top-level items form a menu bar.
//
// The root's native menu is a plain menu (CreateMenu) holding the bar
// items; their entries show no shortcut text, and their owner-draw
// measure uses the desktop's menu-bar metrics. An empty bar is destroyed
// rather than kept. Attaching the bar to a form's window is not done
// here: the desktop layer offers no window menu bars.
#pragma once

#include "framework/menus/Menu.h"

class TMainMenu : public TMenu {
  TAVREL_CLASS(TMainMenu, TMenu)
public:
  explicit TMainMenu(TComponent* AOwner);

  // The bar, made (and filled) on first request; null while the menu has
  // no visible item.
  HMENU GetHandle() const override;
};
