#include "framework/controls/ControlCanvas.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/WinControl.h"

const TClass& TControlCanvas::StaticClass() {
  static const TClass Class = TClassBuilder<TControlCanvas>("TControlCanvas").Build();
  return Class;
}

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* AControl) {
  if (FControl == AControl) return;
  FreeHandle();
  FControl = AControl;
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = nullptr;
}

void TControlCanvas::PaintOn(HDC DC, const std::function<void()>& Paint) {
  FreeHandle();
  Lock();
  SetHandle(DC);
  try {
    Paint();
  } catch (...) {
    SetHandle(nullptr);
    Unlock();
    throw;
  }
  SetHandle(nullptr);
  Unlock();
}

void TControlCanvas::CreateHandle() {
  if (!FControl) return;
  auto* Win = dynamic_cast<TWinControl*>(FControl);
  TWinControl* Holder = Win ? Win : FControl->GetParent();
  if (!Holder) return;
  FWindowHandle = Holder->GetHandle();
  FDeviceContext = GetDC(FWindowHandle);
  if (!FDeviceContext) return;
  if (!Win) {
    TRect B = FControl->BoundsRect();
    SetWindowOrgEx(FDeviceContext, -B.Left, -B.Top, nullptr);
    IntersectClipRect(FDeviceContext, 0, 0, B.Right - B.Left, B.Bottom - B.Top);
  }
  SetHandle(FDeviceContext);
}
