// Where the entries of a menu lie in its window's client area, and where
// a menu window goes on the screen.
//
// Entries stack from the client origin (0, 0) downwards in one column; a
// menu break starts a new column to the right. Every entry of a column is
// as wide as the column's widest entry, so the client area is exactly the
// union of the entry rectangles. Owner-drawn entries take the size their
// owner answers to WM_MEASUREITEM (asked once per entry and showing; a
// changed entry is asked again); the others are measured in the menu font:
// a check column, the text, a tab-separated shortcut column and the
// sub-menu arrow column.
#pragma once

#include "platform/WinUser.h"

#include <vector>

inline constexpr int kMenuBorder = 3;       // the window's raised frame
inline constexpr int kMenuCheckColumn = 19; // check mark left of the text
inline constexpr int kMenuArrowColumn = 17; // sub-menu arrow right of it
inline constexpr int kMenuShortcutGap = 16; // between text and shortcut
inline constexpr int kMenuEntryHeight = 18; // smallest text entry
inline constexpr int kMenuSeparatorHeight = 9;

struct TMenuFonts {
  HFONT Normal = nullptr;
  HFONT Bold = nullptr; // the default entry
};

class TMenuLayout {
public:
  // Lays out Menu's entries; owner-drawn entries not yet measured are
  // measured by Owner. An invalid menu gives an empty layout.
  static TMenuLayout Measure(HMENU Menu, HWND Owner, const TMenuFonts& Fonts);

  const std::vector<TRect>& Rects() const { return FRects; }
  SIZE ClientSize() const { return FSize; }
  // The version of the menu the layout was made from.
  unsigned Version() const { return FVersion; }
  // The entry at a client point, or -1.
  int EntryAt(TPoint Client) const;

  // The top-left corner of a Size window shown at (X, Y) with the
  // TPM_* alignment flags: flipped to the other side of the point where
  // it would leave Screen, then kept inside it.
  static TPoint PlacePopup(SIZE Size, int X, int Y, UINT Flags, const TRect& Screen);
  // The top-left corner of a sub-menu window opened from the entry at
  // Item (screen coordinates): right of the entry with its first entry
  // level with it, or left of it where the screen ends. Right tells
  // which side was taken.
  static TPoint PlaceSubMenu(SIZE Size, const TRect& Item, const TRect& Screen, bool& Right);

private:
  std::vector<TRect> FRects;
  SIZE FSize{0, 0};
  unsigned FVersion = 0;
};
