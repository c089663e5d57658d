// Virtual keys and typed characters of X key events, without a server.
#include <gtest/gtest.h>

#include "platform/WinUser.h"
#include "platform/x11/X11Keys.h"

#include <X11/keysym.h>

namespace {

struct TVkCase {
  KeySym Base, Typed;
  UINT Vk;
};

const TVkCase kVkCases[] = {
    {XK_a, XK_a, 'A'},
    {XK_a, XK_A, 'A'},
    {XK_z, XK_Z, 'Z'},
    {XK_1, XK_exclam, '1'},
    {XK_0, XK_0, '0'},
    {XK_F1, XK_F1, VK_F1},
    {XK_F10, XK_F10, VK_F10},
    {XK_F12, XK_F12, VK_F12},
    {XK_Left, XK_Left, VK_LEFT},
    {XK_Up, XK_Up, VK_UP},
    {XK_Right, XK_Right, VK_RIGHT},
    {XK_Down, XK_Down, VK_DOWN},
    {XK_Home, XK_Home, VK_HOME},
    {XK_End, XK_End, VK_END},
    {XK_Prior, XK_Prior, VK_PRIOR},
    {XK_Next, XK_Next, VK_NEXT},
    {XK_Return, XK_Return, VK_RETURN},
    {XK_KP_Enter, XK_KP_Enter, VK_RETURN},
    {XK_Escape, XK_Escape, VK_ESCAPE},
    {XK_Tab, XK_ISO_Left_Tab, VK_TAB},
    {XK_space, XK_space, VK_SPACE},
    {XK_BackSpace, XK_BackSpace, VK_BACK},
    {XK_Delete, XK_Delete, VK_DELETE},
    {XK_Insert, XK_Insert, VK_INSERT},
    {XK_Shift_L, XK_Shift_L, VK_SHIFT},
    {XK_Shift_R, XK_Shift_R, VK_SHIFT},
    {XK_Control_R, XK_Control_R, VK_CONTROL},
    {XK_Alt_L, XK_Alt_L, VK_MENU},
    {XK_Alt_L, XK_Meta_L, VK_MENU},
    {XK_Menu, XK_Menu, VK_APPS},
    // Keypad keys follow Num Lock, which the typed keysym shows.
    {XK_KP_Home, XK_KP_7, 0x67},
    {XK_KP_Home, XK_KP_Home, VK_HOME},
    {XK_KP_Delete, XK_KP_Decimal, 0x6E},
    {XK_comma, XK_semicolon, 0xBC},
    // Keys the original desktop numbers by layout get none here.
    {XK_oslash, XK_oslash, 0},
    {NoSymbol, NoSymbol, 0},
};

struct TCharCase {
  KeySym Typed;
  const char* Text;
  bool Utf8;
  std::uint32_t Char;
};

const TCharCase kCharCases[] = {
    {XK_a, "a", false, 'a'},
    {XK_exclam, "!", true, '!'},
    {XK_oslash, "\xC3\xB8", true, 0xF8},
    {XK_oslash, "\xF8", false, 0xF8},
    {XK_EuroSign, "\xE2\x82\xAC", true, 0x20AC},
    {XK_Return, "\r", false, '\r'},
    {XK_BackSpace, "\b", true, '\b'},
    {XK_Escape, "\x1B", false, 0x1B},
    // Ctrl+A types the control character, as on the original desktop.
    {XK_a, "\x01", false, 1},
    // Delete types nothing there either.
    {XK_Delete, "\x7F", false, 0},
    {XK_F1, "", false, 0},
    // Without text, the keysym tells.
    {XK_aring, nullptr, false, 0xE5},
    {XK_EuroSign, nullptr, false, 0x20AC},
    {0x1000430, nullptr, false, 0x430},
    {0x101F600, nullptr, false, 0x1F600},
    {0x100D800, nullptr, false, 0},
    // Malformed input-method text types nothing rather than garbage.
    {XK_a, "\xC3", true, 0},
};

} // namespace

TEST(X11Keys, VirtualKeyOfKeysyms) {
  for (const TVkCase& C : kVkCases)
    EXPECT_EQ(X11VirtualKey(C.Base, C.Typed), C.Vk) << std::hex << C.Base << " " << C.Typed;
}

TEST(X11Keys, TypedCharacter) {
  for (const TCharCase& C : kCharCases) {
    int Len = C.Text ? int(std::char_traits<char>::length(C.Text)) : 0;
    EXPECT_EQ(X11TypedChar(C.Typed, C.Text, Len, C.Utf8), C.Char) << std::hex << C.Typed;
  }
}
