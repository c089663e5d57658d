// Keys as the window layer knows them: the virtual key of an X key event
// and the character it types. The virtual key names the key, not what it
// types, so it comes from the key's unshifted keysym (Shift+1 is still
// '1'); keypad keys follow Num Lock as on the original desktop.
#pragma once

#include "platform/WinTypes.h"

#include <X11/X.h>

#include <cstdint>

// Base: the key's keysym without modifiers; Typed: with the modifiers of
// the event. 0 when the key has no virtual key.
UINT X11VirtualKey(KeySym Base, KeySym Typed);

// The character typed, from what an input method or XLookupString wrote
// (Text, Length bytes; Utf8 tells its encoding: UTF-8 from an input method,
// Latin-1 from XLookupString) and the typed keysym. 0 for none; Delete
// types nothing, as on the original desktop.
std::uint32_t X11TypedChar(KeySym Typed, const char* Text, int Length, bool Utf8);
