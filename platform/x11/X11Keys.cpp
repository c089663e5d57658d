// Virtual-key values beyond those WinUser.h names (keypad, punctuation,
// locks, F13-F24) use the original desktop's numbers.
#include "platform/x11/X11Keys.h"

#include "platform/WinUser.h"
#include "platform/gdi/Utf8.h"

#include <X11/keysym.h>

namespace {

constexpr UINT kVkClear = 0x0C, kVkPause = 0x13, kVkCapital = 0x14, kVkSnapshot = 0x2C,
               kVkNumpad0 = 0x60, kVkMultiply = 0x6A, kVkNumLock = 0x90, kVkScroll = 0x91;

struct TKeyPair {
  KeySym Sym;
  UINT Vk;
};

constexpr TKeyPair kKeys[] = {
    {XK_BackSpace, VK_BACK},
    {XK_Tab, VK_TAB},
    {XK_ISO_Left_Tab, VK_TAB},
    {XK_Return, VK_RETURN},
    {XK_KP_Enter, VK_RETURN},
    {XK_Escape, VK_ESCAPE},
    {XK_space, VK_SPACE},
    {XK_KP_Space, VK_SPACE},
    {XK_Prior, VK_PRIOR},
    {XK_Next, VK_NEXT},
    {XK_End, VK_END},
    {XK_Home, VK_HOME},
    {XK_Left, VK_LEFT},
    {XK_Up, VK_UP},
    {XK_Right, VK_RIGHT},
    {XK_Down, VK_DOWN},
    {XK_Insert, VK_INSERT},
    {XK_Delete, VK_DELETE},
    {XK_KP_Prior, VK_PRIOR},
    {XK_KP_Next, VK_NEXT},
    {XK_KP_End, VK_END},
    {XK_KP_Home, VK_HOME},
    {XK_KP_Left, VK_LEFT},
    {XK_KP_Up, VK_UP},
    {XK_KP_Right, VK_RIGHT},
    {XK_KP_Down, VK_DOWN},
    {XK_KP_Insert, VK_INSERT},
    {XK_KP_Delete, VK_DELETE},
    {XK_KP_Begin, kVkClear},
    {XK_Shift_L, VK_SHIFT},
    {XK_Shift_R, VK_SHIFT},
    {XK_Control_L, VK_CONTROL},
    {XK_Control_R, VK_CONTROL},
    {XK_Alt_L, VK_MENU},
    {XK_Alt_R, VK_MENU},
    {XK_Meta_L, VK_MENU},
    {XK_Meta_R, VK_MENU},
    {XK_Super_L, VK_LWIN},
    {XK_Super_R, VK_RWIN},
    {XK_Menu, VK_APPS},
    {XK_Pause, kVkPause},
    {XK_Caps_Lock, kVkCapital},
    {XK_Print, kVkSnapshot},
    {XK_Num_Lock, kVkNumLock},
    {XK_Scroll_Lock, kVkScroll},
    {XK_KP_Multiply, kVkMultiply},
    {XK_KP_Add, 0x6B},
    {XK_KP_Separator, 0x6C},
    {XK_KP_Subtract, 0x6D},
    {XK_KP_Decimal, 0x6E},
    {XK_KP_Divide, 0x6F},
    {XK_semicolon, 0xBA},
    {XK_equal, 0xBB},
    {XK_comma, 0xBC},
    {XK_minus, 0xBD},
    {XK_period, 0xBE},
    {XK_slash, 0xBF},
    {XK_grave, 0xC0},
    {XK_bracketleft, 0xDB},
    {XK_backslash, 0xDC},
    {XK_bracketright, 0xDD},
    {XK_apostrophe, 0xDE},
    {XK_less, 0xE2},
};

bool IsKeypad(KeySym S) { return S >= XK_KP_Space && S <= XK_KP_9; }

} // namespace

UINT X11VirtualKey(KeySym Base, KeySym Typed) {
  KeySym S = IsKeypad(Typed) ? Typed : Base;
  if (S >= XK_a && S <= XK_z) return UINT('A' + (S - XK_a));
  if (S >= XK_A && S <= XK_Z) return UINT('A' + (S - XK_A));
  if (S >= XK_0 && S <= XK_9) return UINT('0' + (S - XK_0));
  if (S >= XK_KP_0 && S <= XK_KP_9) return kVkNumpad0 + UINT(S - XK_KP_0);
  if (S >= XK_F1 && S <= XK_F24) return UINT(VK_F1) + UINT(S - XK_F1);
  for (const TKeyPair& P : kKeys)
    if (P.Sym == S) return P.Vk;
  return 0;
}

std::uint32_t X11TypedChar(KeySym Typed, const char* Text, int Length, bool Utf8) {
  std::uint32_t C = 0;
  if (Text && Length > 0) {
    if (Utf8)
      Utf8Decode(Text, std::size_t(Length), 0, C);
    else
      C = static_cast<unsigned char>(Text[0]);
  } else if (Typed >= 0x01000100 && Typed <= 0x0110FFFF) {
    // Keysyms for characters outside Latin-1 are the code point plus this.
    C = std::uint32_t(Typed - 0x01000000);
  } else if ((Typed >= 0x20 && Typed <= 0x7E) || (Typed >= 0xA0 && Typed <= 0xFF)) {
    C = std::uint32_t(Typed);
  } else if (Typed == XK_EuroSign) {
    C = 0x20AC;
  }
  if (C == 0x7F || C == kReplacementChar || (C >= 0xD800 && C <= 0xDFFF)) return 0;
  return C;
}
