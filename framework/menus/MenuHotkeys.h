// Automatic accelerators and superfluous-separator removal, as plain
// functions over the captions and visibility of one menu level, so that
// menu items and tests use the same code.
//
// Accelerators: the 36 keys 0-9 and A-Z, each used at most once among
// siblings. A caption keeps a valid "&X" whose key is still free; a caption
// whose key is already taken loses its marks, and captions without a key
// are given one in rounds: each round hands out the free keys in caption
// order (first free character of each caption), the captions that failed
// are served first in the next round, and the round that marked the most
// captions wins. A caption whose accelerator is some other character
// ("&!") is left alone. Double-byte captions of far-eastern locales get no
// special treatment: their bytes are never among the 36 keys.
//
// Separators: none before the first or after the last visible item, and of
// each run between two visible items only the last one shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The accelerator character of a caption (after the last "&" that is not
// part of "&&"), or 0.
char MenuHotkeyOf(std::string_view Caption);
// The caption without its "&" marks; "&&" stays a literal "&&".
std::string MenuStripHotkeys(std::string_view Caption);

struct TMenuHotkeyEntry {
  std::string Caption;
  bool Visible = true;
};
// Marks the captions of one level; true when any caption changed.
bool MenuAssignHotkeys(std::vector<TMenuHotkeyEntry>& Entries);

struct TMenuLineEntry {
  bool Separator = false;
  bool Visible = true;
};
// Hides or shows separators; true when any visibility changed.
bool MenuReduceLines(std::vector<TMenuLineEntry>& Entries);
