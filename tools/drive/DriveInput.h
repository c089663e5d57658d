// The input commands: each is checked completely, then queued on the
// headless desktop in one go, so a bad argument queues nothing.
//
//   move X Y                  pointer to (X, Y)
//   down X Y [left|right]     move, then press
//   up X Y [left|right]       move, then release
//   click X Y [left|right]    move, press, release
//   drag X1 Y1 X2 Y2 [STEPS]  left press at the first point, STEPS even
//                             moves (default 10), release at the second
//   key NAME                  Enter Escape Tab Space Left Right Up Down
//                             Home End PageUp PageDown Menu, or one letter
//                             or digit (typing that character)
//
// Coordinates are screen pixels and must lie on the screen.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class THeadlessDesktop;

class TDriveInput {
public:
  explicit TDriveInput(THeadlessDesktop& Desk) : FDesk(Desk) {}

  static bool IsInputCommand(const std::string& Name);
  // Queues the input of an input command; an error message, or empty.
  std::string Queue(const std::vector<std::string>& Words);

  // Virtual key and typed character of a key name; false for none.
  static bool KeyByName(const std::string& Name, UINT& Key, std::uint32_t& Char);

private:
  std::string Point(const std::string& X, const std::string& Y, TPoint& Out) const;
  static bool ButtonByName(const std::string& Name, int& Button);
  std::string Pointer(const std::vector<std::string>& Words);
  std::string Drag(const std::vector<std::string>& Words);
  std::string Key(const std::vector<std::string>& Words);

  THeadlessDesktop& FDesk;
};
