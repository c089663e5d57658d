// The process-wide pool of 16-bit menu command identifiers.
//
// Every menu item takes one identifier for its whole life: the native
// menus report a chosen entry by it, and the popup list finds the item
// again from it. The pool is a bit per identifier; a new item takes the
// lowest clear bit, a freed item clears its own. Identifier 0 is never
// handed out: the desktop answers "nothing chosen" with 0, so an item
// holding it could not be told from a cancelled menu.
#pragma once

#include <cstdint>

// Takes the lowest free identifier. Throws EMenuError when all 65535 are
// in use.
std::uint16_t MenuCommandAllocate();
// Gives an identifier back; releasing a free one (or 0) does nothing.
void MenuCommandRelease(std::uint16_t Command);
bool MenuCommandInUse(std::uint16_t Command);
