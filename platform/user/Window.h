// A window as the window layer keeps it. Rectangles are stored relative to
// the parent's client area for child windows and in screen coordinates for
// top-level windows; each top-level window owns the 32-bit surface that it
// and all its descendants draw into, frame included.
#pragma once

#include "platform/WinUser.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct TWndClass {
  std::string Name;
  UINT Style = 0;
  WNDPROC Proc = nullptr;
  int ClsExtra = 0;
  int WndExtra = 0;
  HINSTANCE Instance = nullptr;
  HICON Icon = nullptr;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
  bool System = false; // registered by the desktop itself
};

// Per-window state of a built-in control class (scroll bar, button),
// freed with the window.
class TControlState {
public:
  virtual ~TControlState() = default;
};

class TWindow {
public:
  HWND Handle = nullptr;
  TWndClass* Class = nullptr;
  WNDPROC Proc = nullptr;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  std::string Text;
  HWND Parent = nullptr; // child windows
  HWND Owner = nullptr;  // top-level windows
  HMENU IdOrMenu = nullptr;
  HINSTANCE Instance = nullptr;
  LONG_PTR UserData = 0;
  std::vector<BYTE> Extra;
  std::map<std::string, HANDLE> Props;

  // Relative to the parent's client area (children) or the screen.
  TRect Rect{0, 0, 0, 0};
  // The rectangle a maximised window returns to (a minimised one keeps
  // its rectangle in Rect).
  TRect RestoreRect{0, 0, 0, 0};
  // Children, topmost first.
  std::vector<HWND> Children;

  // Window region in window coordinates, owned by the window.
  std::unique_ptr<TRegionData> Region;

  // Layered attributes (meaningful with WS_EX_LAYERED).
  COLORREF ColorKey = 0;
  BYTE Alpha = 255;
  DWORD LayeredFlags = 0;

  // Painting: the invalid part of the client area (client coordinates),
  // whether it needs erasing, and whether the frame needs painting.
  TRegionData UpdateRgn;
  bool EraseNeeded = false;
  bool FrameNeeded = false;
  bool InternalPaint = false;
  bool Painting = false;

  // Top-level windows only; made when first drawn into or shown.
  std::unique_ptr<TGdiBitmap> Surface;
  // The rectangle whose size the drawing layer refused a surface for.
  TRect SurfaceRefused{0, 0, 0, 0};

  std::unique_ptr<TControlState> Control;

  // Life cycle: set once WM_DESTROY has been sent; the handle dies after
  // WM_NCDESTROY.
  bool Destroying = false;
  // Calls of the window procedure in progress; destruction waits for them
  // before the object is freed.
  int InCall = 0;

  bool IsChild() const { return (Style & WS_CHILD) != 0; }
  bool IsVisibleFlag() const { return (Style & WS_VISIBLE) != 0; }
};
