// Key names and scan codes of a PC keyboard with the US layout, the one
// layout the desktop describes: enough for shortcut texts of keys that
// programs do not name themselves.
#include "platform/user/WmState.h"

#include <algorithm>
#include <cstring>

namespace {

struct TKey {
  UINT Vk;
  UINT Scan; // 0x100 marks an extended key
  const char* Name;
};

constexpr TKey kKeys[] = {
    {VK_ESCAPE, 0x01, "Esc"},
    {'1', 0x02, "1"},
    {'2', 0x03, "2"},
    {'3', 0x04, "3"},
    {'4', 0x05, "4"},
    {'5', 0x06, "5"},
    {'6', 0x07, "6"},
    {'7', 0x08, "7"},
    {'8', 0x09, "8"},
    {'9', 0x0A, "9"},
    {'0', 0x0B, "0"},
    {0xBD, 0x0C, "-"},
    {0xBB, 0x0D, "="},
    {VK_BACK, 0x0E, "Backspace"},
    {VK_TAB, 0x0F, "Tab"},
    {'Q', 0x10, "Q"},
    {'W', 0x11, "W"},
    {'E', 0x12, "E"},
    {'R', 0x13, "R"},
    {'T', 0x14, "T"},
    {'Y', 0x15, "Y"},
    {'U', 0x16, "U"},
    {'I', 0x17, "I"},
    {'O', 0x18, "O"},
    {'P', 0x19, "P"},
    {0xDB, 0x1A, "["},
    {0xDD, 0x1B, "]"},
    {VK_RETURN, 0x1C, "Enter"},
    {VK_CONTROL, 0x1D, "Ctrl"},
    {'A', 0x1E, "A"},
    {'S', 0x1F, "S"},
    {'D', 0x20, "D"},
    {'F', 0x21, "F"},
    {'G', 0x22, "G"},
    {'H', 0x23, "H"},
    {'J', 0x24, "J"},
    {'K', 0x25, "K"},
    {'L', 0x26, "L"},
    {0xBA, 0x27, ";"},
    {0xDE, 0x28, "'"},
    {0xC0, 0x29, "`"},
    {VK_SHIFT, 0x2A, "Shift"},
    {0xDC, 0x2B, "\\"},
    {'Z', 0x2C, "Z"},
    {'X', 0x2D, "X"},
    {'C', 0x2E, "C"},
    {'V', 0x2F, "V"},
    {'B', 0x30, "B"},
    {'N', 0x31, "N"},
    {'M', 0x32, "M"},
    {0xBC, 0x33, ","},
    {0xBE, 0x34, "."},
    {0xBF, 0x35, "/"},
    {0x6A, 0x37, "Num *"},
    {VK_MENU, 0x38, "Alt"},
    {VK_SPACE, 0x39, "Space"},
    {0x14, 0x3A, "Caps Lock"},
    {VK_F1, 0x3B, "F1"},
    {VK_F1 + 1, 0x3C, "F2"},
    {VK_F1 + 2, 0x3D, "F3"},
    {VK_F1 + 3, 0x3E, "F4"},
    {VK_F1 + 4, 0x3F, "F5"},
    {VK_F1 + 5, 0x40, "F6"},
    {VK_F1 + 6, 0x41, "F7"},
    {VK_F1 + 7, 0x42, "F8"},
    {VK_F1 + 8, 0x43, "F9"},
    {VK_F10, 0x44, "F10"},
    {0x90, 0x45, "Num Lock"},
    {0x91, 0x46, "Scroll Lock"},
    {0x67, 0x47, "Num 7"},
    {0x68, 0x48, "Num 8"},
    {0x69, 0x49, "Num 9"},
    {0x6D, 0x4A, "Num -"},
    {0x64, 0x4B, "Num 4"},
    {0x65, 0x4C, "Num 5"},
    {0x66, 0x4D, "Num 6"},
    {0x6B, 0x4E, "Num +"},
    {0x61, 0x4F, "Num 1"},
    {0x62, 0x50, "Num 2"},
    {0x63, 0x51, "Num 3"},
    {0x60, 0x52, "Num 0"},
    {0x6E, 0x53, "Num Del"},
    {VK_F1 + 10, 0x57, "F11"},
    {VK_F12, 0x58, "F12"},
    {0x6F, 0x135, "Num /"},
    {0x2C, 0x137, "Prnt Scrn"},
    {VK_HOME, 0x147, "Home"},
    {VK_UP, 0x148, "Up"},
    {VK_PRIOR, 0x149, "Page Up"},
    {VK_LEFT, 0x14B, "Left"},
    {VK_RIGHT, 0x14D, "Right"},
    {VK_END, 0x14F, "End"},
    {VK_DOWN, 0x150, "Down"},
    {VK_NEXT, 0x151, "Page Down"},
    {VK_INSERT, 0x152, "Insert"},
    {VK_DELETE, 0x153, "Delete"},
    {VK_LWIN, 0x15B, "Left Windows"},
    {VK_RWIN, 0x15C, "Right Windows"},
    {VK_APPS, 0x15D, "Application"},
    {0x13, 0x45, "Pause"},
};

} // namespace

UINT MapVirtualKey(UINT code, UINT mapType) {
  for (const TKey& K : kKeys) {
    if (mapType == MAPVK_VK_TO_VSC && K.Vk == code) return K.Scan & 0xFF;
    if (mapType == MAPVK_VSC_TO_VK && (K.Scan & 0xFF) == code && !(K.Scan & 0x100)) return K.Vk;
  }
  return 0;
}

int GetKeyNameText(LONG lParam, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  UINT Scan = (UINT(lParam) >> 16) & 0xFF;
  if (lParam & (1 << 24)) Scan |= 0x100;
  auto It = std::find_if(std::begin(kKeys), std::end(kKeys),
                         [Scan](const TKey& K) { return K.Scan == Scan && K.Vk != 0x13; });
  if (It == std::end(kKeys)) return 0;
  int N = std::min<int>(int(std::strlen(It->Name)), size - 1);
  std::memcpy(buffer, It->Name, std::size_t(N));
  buffer[N] = 0;
  return N;
}
