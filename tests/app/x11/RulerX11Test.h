// The ruler executable on the tests' private X server, under openbox with
// a 30-pixel dock along the bottom (a 994-pixel work area), a white
// backdrop below every window and, unless a test stops it, xcompmgr. Each
// test starts its own tavrel process and judges it from the test's own
// connection only: window properties, the stacking order, root-window
// pixels, and input sent through the XTest extension (xdotool).
#pragma once

// GoogleTest first: the X headers define names (None, Bool) it uses.
#include <gtest/gtest.h>

#include "platform/x11/XServerFixture.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// A rectangle on the screen, right and bottom exclusive.
struct TXBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  int CenterX() const { return (Left + Right) / 2; }
  int CenterY() const { return (Top + Bottom) / 2; }
  bool operator==(const TXBox&) const = default;
};

inline std::ostream& operator<<(std::ostream& Os, const TXBox& B) {
  return Os << B.Left << "," << B.Top << "," << B.Right << "," << B.Bottom;
}

class TRulerX11Test : public ::testing::Test {
protected:
  // Server, manager, dock, backdrop and compositor, each started once and
  // kept for the next test.
  void SetUp() override;
  // Stops the program and waits until the manager has let go of it.
  void TearDown() override;

  // Starts tavrel and waits until its three windows are on screen.
  ::testing::AssertionResult StartRuler();
  // Waits up to Ms for the program to end by itself; its exit status, or
  // -2 when it still runs.
  int WaitForExit(int Ms);

  // The program's windows, found when it started.
  Window Control() const { return FControl; }
  Window Line() const { return FLine; }
  Window Logo() const { return FLogo; }
  // The About box's window (mapped or not), 0 when there is none.
  Window About();
  // Every X window of the program's (by _NET_WM_PID), whatever its state.
  std::vector<Window> ProgramWindows();
  // Those on screen.
  std::vector<Window> MappedProgramWindows();
  // The program's windows and the backdrop by their place in the
  // stacking order, bottom first; a managed window counts at its frame.
  std::vector<Window> Stacking();
  // Open popup menus, outermost first.
  std::vector<Window> OpenMenus();
  Window Backdrop() const;

  Display* Viewer() const { return FServer->Viewer(); }
  TXServer& Server() { return *FServer; }
  pid_t RulerPid() const { return FRuler.Pid(); }

  // ---- the server's view ----
  Atom AtomOf(const char* Name);
  std::vector<long> Longs(Window W, const char* Property);
  bool HasAtom(Window W, const char* Property, const char* Value);
  std::string Name(Window W);
  // WM_STATE's state field, -1 without one.
  long WmState(Window W);
  bool Viewable(Window W);
  bool OverrideRedirect(Window W);
  // Where W lies on the screen.
  TXBox ScreenRectOf(Window W);
  // The same for W's outermost ancestor below the root (its frame).
  TXBox FrameRectOf(Window W);
  // 0x00RRGGBB of a root-window pixel, as the screen shows it.
  std::uint32_t ScreenPixel(int X, int Y);
  // Waits until the pixel is within one step per channel of Rgb.
  bool PixelSettles(int X, int Y, std::uint32_t Rgb, std::uint32_t& Seen);
  bool WaitFor(const std::function<bool()>& Condition, int Ms = 5000);
  Window FocusedWindow();

  // ---- input ----
  int XDoTool(const std::vector<std::string>& Args);
  bool Click(int X, int Y, int Button = 1);
  bool MoveTo(int X, int Y);
  // Opens the command menu with a right click on the control window's
  // scrollbar; the menu's window, 0 when none opened.
  Window OpenCommandMenu();
  // The screen rectangle of the item with Text (accelerator marks left
  // out) in the open menu window Menu; empty when Menu shows no such item.
  TXBox ItemRect(Window Menu, const std::string& Text);
  // Clicks the item's middle.
  ::testing::AssertionResult ChooseItem(Window Menu, const std::string& Text);
  // Rests the pointer on item Parent of Menu; the sub-menu that opens, 0
  // when none does.
  Window OpenSubmenu(Window Menu, const std::string& Parent);

private:
  TXServer* FServer = nullptr;
  TChildProcess FRuler;
  Window FControl = 0, FLine = 0, FLogo = 0;
};
