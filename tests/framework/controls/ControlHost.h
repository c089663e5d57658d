// A home for controls under test without forms: TControlHost is a
// parentless windowed control whose window is a visible WS_POPUP at a
// screen rectangle, erased in its Color; controls are parented to it as
// to a form. TControlTest gives every test a fresh desktop with one host
// (white, at HostRect) and the pixel helpers the tests compare with.
#pragma once

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/CustomControl.h"
#include "framework/graphics/Colors.h"
#include "support/DesktopTest.h"

#include <cstdint>

class TControlHost : public TCustomControl {
  TAVREL_CLASS(TControlHost, TCustomControl)
public:
  explicit TControlHost(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  }
  // Moves the window to R (screen pixels) and shows it.
  void ShowAt(const TRect& R) {
    SetBounds(R.Left, R.Top, R.Width(), R.Height());
    UpdateControlState();
  }

protected:
  void CreateParams(TCreateParams& Params) override {
    inherited::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    Params.WndParent = nullptr;
  }
};

inline const TClass& TControlHost::StaticClass() {
  static const TClass Class = TClassBuilder<TControlHost>("TControlHost").Build();
  return Class;
}

class TControlTest : public TDesktopTest {
protected:
  static constexpr TRect HostRect{100, 100, 500, 400};

  void SetUp() override {
    TDesktopTest::SetUp();
    Host = Create<TControlHost>(nullptr);
    Host->SetColor(clWhite);
    Host->ShowAt(HostRect);
    Desk->PumpUntilIdle();
  }
  void TearDown() override {
    FreeAndNil(Host);
    TDesktopTest::TearDown();
  }

  // A colour as the screen stores it (0x00RRGGBB).
  static std::uint32_t Rgb(TColor Color) {
    COLORREF C = ColorToRGB(Color);
    return std::uint32_t(GetRValue(C)) << 16 | std::uint32_t(GetGValue(C)) << 8 | GetBValue(C);
  }
  // The screen pixel at (X, Y) of Control's client area.
  std::uint32_t Pixel(const TControl* Control, int X, int Y) {
    TPoint P = Control->ClientToScreen({X, Y});
    return Desk->ScreenPixel(P.X, P.Y);
  }
  // Pumps, then reads the pixel.
  std::uint32_t PaintedPixel(const TControl* Control, int X, int Y) {
    Desk->PumpUntilIdle();
    return Pixel(Control, X, Y);
  }
  // Clicks at (X, Y) of Control's client area.
  void ClickOn(const TControl* Control, int X, int Y) {
    TPoint P = Control->ClientToScreen({X, Y});
    Desk->Click(P.X, P.Y);
    Desk->PumpUntilIdle();
  }

  TControlHost* Host = nullptr;
};
