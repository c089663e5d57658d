// Notifications from the window layer only mark screen areas as damaged
// and keep the minimised row; nothing is composed until the screen is
// looked at. Input is queued, never delivered directly: the program sees
// it when it next pumps messages, exactly as on a real desktop.
#include "platform/headless/HeadlessBackend.h"

#include "platform/Png.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Utf8.h"
#include "platform/headless/WindowDump.h"
#include "platform/user/WindowManager.h"

#include <algorithm>

std::unique_ptr<TBackend> CreateDefaultBackend() { return std::make_unique<THeadlessBackend>(); }

THeadlessDesktop& THeadlessDesktop::Install() {
  auto Desk = std::make_unique<THeadlessBackend>();
  THeadlessBackend& Installed = *Desk;
  SetBackend(std::move(Desk));
  return Installed;
}

THeadlessDesktop* THeadlessDesktop::Current() {
  if (!HasBackend()) return nullptr;
  return dynamic_cast<THeadlessBackend*>(&Backend());
}

THeadlessBackend::THeadlessBackend() : FCompositor(FMinimized) {
  FMinimized.SetWorkArea(WorkArea());
  FCompositor.Resize(FWidth, FHeight, WorkArea());
  GdiDisplay().Width = FWidth;
  GdiDisplay().Height = FHeight;
}

// ---- notifications ----

void THeadlessBackend::Touch(HWND Wnd) {
  auto It = FSeen.find(Wnd);
  if (It != FSeen.end()) FCompositor.Damage(It->second);
  TRect R;
  if (!GetWindowRect(Wnd, &R)) return;
  FCompositor.Damage(R);
  FSeen[Wnd] = R;
}

bool THeadlessBackend::Showing(HWND Wnd) { return IsWindowVisible(Wnd) && !IsIconic(Wnd); }

void THeadlessBackend::WindowCreated(HWND Wnd) {
  TRect R;
  if (GetWindowRect(Wnd, &R)) FSeen[Wnd] = R;
}

void THeadlessBackend::WindowDestroyed(HWND Wnd) {
  auto It = FSeen.find(Wnd);
  if (It != FSeen.end()) {
    FCompositor.Damage(It->second);
    FSeen.erase(It);
  }
  if (FMinimized.Contains(Wnd)) {
    FCompositor.Damage(FMinimized.Band());
    FMinimized.Remove(Wnd);
  }
  FInput.Forget(Wnd);
}

void THeadlessBackend::WindowShown(HWND Wnd, bool Visible) {
  // A hidden window has no bar, minimised or not; showing a minimised
  // one again brings its bar back through WindowMinimize.
  if (!Visible && FMinimized.Contains(Wnd)) {
    FCompositor.Damage(FMinimized.Band());
    FMinimized.Remove(Wnd);
  }
  Touch(Wnd);
}

void THeadlessBackend::WindowMoved(HWND Wnd, const TRect& Old, const TRect& Rect) {
  if (Showing(Wnd)) {
    FCompositor.Damage(Old);
    FCompositor.Damage(Rect);
  }
  FSeen[Wnd] = Rect;
}

void THeadlessBackend::WindowRestacked(HWND Wnd) {
  if (!Showing(Wnd)) return;
  Touch(Wnd);
  // Owned windows travel with their owner through the stacking order.
  for (auto& [Other, Rect] : FSeen)
    if (GetWindow(Other, GW_OWNER) == Wnd) FCompositor.Damage(Rect);
}

void THeadlessBackend::WindowChanged(HWND Wnd) {
  // Also for hidden windows: a style change may just have hidden it.
  Touch(Wnd);
  if (FMinimized.Contains(Wnd)) FCompositor.Damage(FMinimized.BarOf(Wnd));
}

void THeadlessBackend::WindowMinimize(HWND Wnd, bool Minimized) {
  FCompositor.Damage(FMinimized.Band());
  if (Minimized)
    FMinimized.Add(Wnd);
  else
    FMinimized.Remove(Wnd);
  FCompositor.Damage(FMinimized.Band());
  Touch(Wnd);
}

void THeadlessBackend::WindowActivate(HWND Wnd) {
  FCompositor.SetActive(Wnd);
  FCompositor.Damage(FMinimized.Band());
}

void THeadlessBackend::SurfaceChanged(HWND Wnd, const TRect& Dirty) {
  TRect W, R = Dirty;
  if (!Showing(Wnd) || !GetWindowRect(Wnd, &W)) return;
  OffsetRect(&R, W.Left, W.Top);
  if (IntersectRect(&R, &R, &W)) FCompositor.Damage(R);
}

void THeadlessBackend::CursorChanged(HWND, int ShapeId) { FCursorShape = ShapeId; }

void THeadlessBackend::BeginMoveDrag(HWND Wnd, TPoint Pos) {
  HWND Root = GetAncestor(Wnd, GA_ROOT);
  TRect R;
  if (Root && GetWindowRect(Root, &R)) FInput.BeginMoveDrag(Root, Pos, R);
}

void THeadlessBackend::SetCursorPos(TPoint Pos) { FInput.MoveTo(ClampToScreen(Pos.X, Pos.Y)); }

// The clock stands still until AdvanceTime, so waiting for Deadline would
// wait for ever: only queued input or the idle handler can give the
// program something to do. A handler that pumps messages itself can run a
// nested loop (a modal box opened by the input it dispatches); that
// loop's idle call answers false at once, because nothing can feed it
// while the outer handler is still running, and a quit is better than a
// program that hangs.
bool THeadlessBackend::PollEvent(TDesktopEvent& Event) {
  CountBusy();
  return FInput.Poll(Event);
}

void THeadlessBackend::SetWatchdog(std::uint64_t Limit, std::function<void()> OnRunaway) {
  FWatchLimit = OnRunaway ? Limit : 0;
  FOnRunaway = std::move(OnRunaway);
  FBusy = 0;
}

// Counting stops at the limit, so the handler runs once per busy stretch
// even if it returns and the program carries on.
void THeadlessBackend::CountBusy() {
  if (FWatchLimit == 0 || FBusy > FWatchLimit) return;
  if (++FBusy <= FWatchLimit) return;
  std::function<void()> Handler = FOnRunaway;
  Handler();
}

bool THeadlessBackend::WaitForEvents(std::uint64_t) {
  FBusy = 0;
  if (!FInput.Empty()) return true;
  if (!FIdle || FInIdle) return false;
  // A copy: the handler may replace or clear itself while it runs.
  std::function<bool()> Handler = FIdle;
  FInIdle = true;
  struct TReentry {
    bool& Flag;
    ~TReentry() { Flag = false; }
  } Guard{FInIdle};
  bool More = Handler();
  // Input it queued is delivered even when it says it is done.
  return More || !FInput.Empty();
}

// ---- screen ----

void THeadlessBackend::SetScreen(int Width, int Height, int WorkHeight) {
  WorkHeight = std::max(0, std::min(WorkHeight, Height));
  TRect Work{0, 0, Width, WorkHeight};
  if (!FCompositor.Resize(Width, Height, Work)) return;
  FWidth = Width;
  FHeight = Height;
  FWorkHeight = WorkHeight;
  FMinimized.SetWorkArea(Work);
  GdiDisplay().Width = Width;
  GdiDisplay().Height = Height;
  TPoint P = FInput.Pointer();
  FInput.MoveTo(ClampToScreen(P.X, P.Y));
}

TPoint THeadlessBackend::ClampToScreen(int X, int Y) const {
  return TPoint{std::max(0, std::min(X, FWidth - 1)), std::max(0, std::min(Y, FHeight - 1))};
}

std::uint32_t THeadlessBackend::ScreenPixel(int X, int Y) {
  const TGdiBitmap& S = FCompositor.Compose();
  if (X < 0 || Y < 0 || X >= S.Width() || Y >= S.Height()) return CLR_INVALID;
  return S.ReadPixel(X, Y) & 0x00FFFFFF;
}

bool THeadlessBackend::SaveScreenshot(const std::string& PngPath) {
  FCompositor.Compose();
  HDC Dc = GdiCreateSurfaceDC(&FCompositor.Screen(), TPoint{0, 0}, nullptr, nullptr);
  bool Ok = WriteDCPng(Dc, PngPath.c_str()) != FALSE;
  DeleteDC(Dc);
  return Ok;
}

std::string THeadlessBackend::DumpWindows() { return DumpWindowTree(); }

std::vector<HWND> THeadlessBackend::TopLevelWindows() { return WmZOrder(); }

// ---- input ----

void THeadlessBackend::MouseMove(int X, int Y) { FInput.MoveTo(ClampToScreen(X, Y)); }

void THeadlessBackend::MouseDown(int Button) {
  // The bars belong to the desktop: a press on one that no window covers
  // restores its window instead of reaching the program.
  TPoint P = FInput.Pointer();
  HWND Bar = FMinimized.BarAt(P);
  FInput.Press(Button, Bar && !WindowFromPoint(P) ? Bar : nullptr);
}

void THeadlessBackend::MouseUp(int Button) { FInput.Release(Button); }

void THeadlessBackend::Click(int X, int Y, int Button) {
  MouseMove(X, Y);
  MouseDown(Button);
  MouseUp(Button);
}

void THeadlessBackend::Wheel(int Delta) {
  if (Delta == 0) return;
  TDesktopEvent E{TDesktopEvent::Wheel};
  E.Pos = FInput.Pointer();
  E.Delta = Delta;
  FInput.Push(E);
}

void THeadlessBackend::KeyDown(UINT Key, std::uint32_t Char) {
  if (Key > 0xFF) return;
  if (Char > 0x10FFFF || (Char >= 0xD800 && Char <= 0xDFFF)) Char = 0;
  TDesktopEvent E{TDesktopEvent::KeyDown};
  E.Key = Key;
  E.Char = Char;
  FInput.Push(E);
}

void THeadlessBackend::KeyUp(UINT Key) {
  if (Key > 0xFF) return;
  TDesktopEvent E{TDesktopEvent::KeyUp};
  E.Key = Key;
  FInput.Push(E);
}

void THeadlessBackend::PressKey(UINT Key, std::uint32_t Char) {
  KeyDown(Key, Char);
  KeyUp(Key);
}

void THeadlessBackend::TypeText(const std::string& Utf8) {
  for (std::size_t Pos = 0; Pos < Utf8.size();) {
    std::uint32_t C;
    Pos += std::size_t(Utf8Decode(Utf8.data(), Utf8.size(), Pos, C));
    UINT Key = 0;
    if (C >= 'a' && C <= 'z')
      Key = UINT(C - 'a' + 'A');
    else if ((C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9'))
      Key = UINT(C);
    else if (C == ' ')
      Key = VK_SPACE;
    PressKey(Key, C);
  }
}

void THeadlessBackend::AdvanceTime(std::uint64_t Milliseconds) {
  FInput.AdvanceClock(Milliseconds);
}

void THeadlessBackend::PumpUntilIdle() {
  MSG M;
  while (PeekMessage(&M, nullptr, 0, 0, PM_REMOVE)) {
    if (M.message == WM_QUIT) {
      // Left for the loop that owns the program's end.
      PostQuitMessage(int(M.wParam));
      return;
    }
    TranslateMessage(&M);
    DispatchMessage(&M);
  }
}
