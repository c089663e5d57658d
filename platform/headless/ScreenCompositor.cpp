// Composing reads each window's state through the public operations once
// per compose into a list of layers (bottom first), then paints every
// damaged rectangle from the desktop up through those layers. Damage is
// taken off before painting starts, so whatever a window procedure called
// from here (WM_GETTEXT for a bar's caption) damages waits for the next
// look instead of being lost.
#include "platform/headless/ScreenCompositor.h"

#include "platform/gdi/Gdi.h"
#include "platform/headless/PixelSpans.h"
#include "platform/user/WindowManager.h"

#include <algorithm>

namespace {

// Screens beyond this many pixels (a 8192 x 8192 wall) are refused.
constexpr long long kMaxScreenPixels = 1LL << 26;
constexpr int kMaxScreenSide = 16384;

DWORD* ScreenRow(TGdiBitmap& B, int Y, int X) { return reinterpret_cast<DWORD*>(B.Row(Y)) + X; }

const DWORD* SurfaceRow(const TGdiBitmap& B, int Y, int X) {
  return reinterpret_cast<const DWORD*>(B.Row(Y)) + X;
}

} // namespace

TScreenCompositor::TScreenCompositor(const TMinimizedRow& Minimized)
    : FMinimized(Minimized), FScreen(std::make_unique<TGdiBitmap>(0, 0, 32)),
      FRegion(CreateRectRgn(0, 0, 0, 0)) {}

TScreenCompositor::~TScreenCompositor() { DeleteObject(FRegion); }

bool TScreenCompositor::Resize(int Width, int Height, const TRect& Work) {
  if (Width < 1 || Height < 1 || Width > kMaxScreenSide || Height > kMaxScreenSide ||
      (long long)Width * Height > kMaxScreenPixels)
    return false;
  auto Screen = std::make_unique<TGdiBitmap>(Width, Height, 32);
  if (!Screen->Valid()) return false;
  FScreen = std::move(Screen);
  FWork = Work;
  DamageAll();
  return true;
}

void TScreenCompositor::Damage(const TRect& Screen) {
  TRect All{0, 0, FScreen->Width(), FScreen->Height()}, R;
  if (!IntersectRect(&R, &Screen, &All)) return;
  if (FDamage.IsEmpty())
    FDamage.SetRect(R);
  else
    FDamage = TRegionData::Combine(FDamage, TRegionData(R), RGN_OR);
}

void TScreenCompositor::DamageAll() {
  FDamage.SetRect(TRect{0, 0, FScreen->Width(), FScreen->Height()});
}

const TGdiBitmap& TScreenCompositor::Compose() {
  if (FDamage.IsEmpty()) return *FScreen;
  TRegionData Damage = std::move(FDamage);
  FDamage.SetEmpty();
  CollectLayers();
  for (const TRect& R : Damage.Rects()) ComposeRect(R);
  return *FScreen;
}

void TScreenCompositor::CollectLayers() {
  FLayers.clear();
  FClips.clear();
  // A copy: the queries below must not see the order change under them.
  const std::vector<HWND> Order = WmZOrder();
  for (auto It = Order.rbegin(); It != Order.rend(); ++It) AddLayer(*It);
}

void TScreenCompositor::AddLayer(HWND Wnd) {
  if (!IsWindowVisible(Wnd) || IsIconic(Wnd)) return;
  const TGdiBitmap* S = WmSurface(Wnd);
  TRect W;
  if (!S || !S->Valid() || S->BitsPerPixel() != 32 || !GetWindowRect(Wnd, &W)) return;
  TLayer L{S, TPoint{W.Left, W.Top}, 255, 0, false, FClips.size(), 0};
  COLORREF Key = 0;
  BYTE Alpha = 255;
  DWORD Flags = 0;
  if ((GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_LAYERED) &&
      GetLayeredWindowAttributes(Wnd, &Key, &Alpha, &Flags)) {
    if (Flags & LWA_ALPHA) L.Alpha = Alpha;
    L.Keyed = (Flags & LWA_COLORKEY) != 0;
    L.Key = ColorRefToRgb32(Key & 0xFFFFFF);
  }
  if (L.Alpha == 0) return;
  // The surface may lag behind a size change; never read past it.
  TRect Bounds{W.Left, W.Top, W.Left + std::min<LONG>(W.Width(), S->Width()),
               W.Top + std::min<LONG>(W.Height(), S->Height())};
  TRect Screen{0, 0, FScreen->Width(), FScreen->Height()};
  if (!IntersectRect(&Bounds, &Bounds, &Screen)) return;
  if (GetWindowRgn(Wnd, FRegion) == ERROR) {
    FClips.push_back(Bounds);
  } else if (const auto* Rgn = GdiFind<TGdiRegion>(FRegion, OBJ_REGION)) {
    for (TRect R : Rgn->Data.Rects()) {
      OffsetRect(&R, W.Left, W.Top);
      if (IntersectRect(&R, &R, &Bounds)) FClips.push_back(R);
    }
  }
  L.ClipCount = FClips.size() - L.FirstClip;
  if (L.ClipCount) FLayers.push_back(L);
}

void TScreenCompositor::ComposeRect(const TRect& R) {
  PaintDesktop(R);
  if (!FMinimized.Empty()) PaintBars(R);
  for (const TLayer& L : FLayers) PutLayer(L, R);
}

void TScreenCompositor::PaintDesktop(const TRect& R) {
  const DWORD Desk = ColorRefToRgb32(GetSysColor(COLOR_BACKGROUND));
  const DWORD Face = ColorRefToRgb32(GetSysColor(COLOR_BTNFACE));
  const DWORD Light = ColorRefToRgb32(GetSysColor(COLOR_BTNHIGHLIGHT));
  for (int Y = R.Top; Y < R.Bottom; ++Y) {
    DWORD C = Y < FWork.Bottom ? Desk : Y == FWork.Bottom ? Light : Face;
    std::fill_n(ScreenRow(*FScreen, Y, R.Left), R.Width(), C);
  }
}

void TScreenCompositor::PaintBars(const TRect& R) {
  TRect Band = FMinimized.Band(), Hit;
  if (!IntersectRect(&Hit, &Band, &R)) return;
  TRegionData Visible(R);
  HDC Dc = GdiCreateSurfaceDC(FScreen.get(), TPoint{0, 0}, &Visible, nullptr);
  FMinimized.Paint(Dc, R, FActive);
  DeleteDC(Dc);
}

void TScreenCompositor::PutLayer(const TLayer& L, const TRect& R) {
  for (std::size_t I = L.FirstClip; I < L.FirstClip + L.ClipCount; ++I) {
    TRect C;
    if (!IntersectRect(&C, &FClips[I], &R)) continue;
    const int N = C.Width(), SX = C.Left - L.Origin.X;
    for (int Y = C.Top; Y < C.Bottom; ++Y) {
      DWORD* D = ScreenRow(*FScreen, Y, C.Left);
      const DWORD* S = SurfaceRow(*L.Surface, Y - L.Origin.Y, SX);
      if (L.Alpha == 255)
        L.Keyed ? PixelSpans::CopyKeyed(D, S, N, L.Key) : PixelSpans::Copy(D, S, N);
      else
        L.Keyed ? PixelSpans::BlendKeyed(D, S, N, L.Alpha, L.Key)
                : PixelSpans::BlendSpan(D, S, N, L.Alpha);
    }
  }
}
