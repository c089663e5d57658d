// The headless desktop's screen: a 32-bit bitmap onto which the desktop
// background, the task-bar strip, the bars of minimised windows and every
// showing top-level window are composed from the bottom of the stacking
// order up, each window clipped by its region and put on with its layered
// alpha and colour key. Changes only mark the screen area they affect as
// damaged; composing happens when the screen is looked at and redoes only
// the damaged area, so moving a thin window costs two thin strips.
#pragma once

#include "platform/WinUser.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"
#include "platform/headless/MinimizedRow.h"

#include <memory>
#include <vector>

class TScreenCompositor {
public:
  explicit TScreenCompositor(const TMinimizedRow& Minimized);
  ~TScreenCompositor();
  TScreenCompositor(const TScreenCompositor&) = delete;
  TScreenCompositor& operator=(const TScreenCompositor&) = delete;

  // A new screen size and work area; everything is damaged. False (and
  // nothing changed) when a bitmap of that size cannot be had.
  bool Resize(int Width, int Height, const TRect& Work);
  void Damage(const TRect& Screen);
  void DamageAll();
  bool Damaged() const { return !FDamage.IsEmpty(); }
  // The window whose bar is painted as active.
  void SetActive(HWND Wnd) { FActive = Wnd; }

  // Recomposes the damaged area and returns the screen.
  const TGdiBitmap& Compose();
  TGdiBitmap& Screen() { return *FScreen; }

private:
  // One window as it is put on the screen during a compose.
  struct TLayer {
    const TGdiBitmap* Surface;
    TPoint Origin; // the surface's top-left on the screen
    DWORD Alpha;   // 255 opaque
    DWORD Key;     // 0x00RRGGBB
    bool Keyed;
    std::size_t FirstClip, ClipCount; // into FClips, screen coordinates
  };

  void CollectLayers();
  void AddLayer(HWND Wnd);
  void ComposeRect(const TRect& R);
  void PaintDesktop(const TRect& R);
  void PaintBars(const TRect& R);
  void PutLayer(const TLayer& L, const TRect& R);

  const TMinimizedRow& FMinimized;
  std::unique_ptr<TGdiBitmap> FScreen;
  TRect FWork{0, 0, 0, 0};
  TRegionData FDamage;
  HWND FActive = nullptr;
  // Reused between composes: the region handle GetWindowRgn fills, the
  // layers and their clip rectangles.
  HRGN FRegion = nullptr;
  std::vector<TLayer> FLayers;
  std::vector<TRect> FClips;
};
