// The hint's rectangle is its text's wrapped extent plus 6 pixels across
// and 2 down: the one-pixel border on each side, and a 2-pixel margin
// left and right of the text, which is drawn from the top of the client
// area.
#include "framework/controls/HintWindow.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/TextMeasure.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"

#include <algorithm>

namespace {

constexpr UINT HintTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

// Moves Rect (keeping its size) so that it lies on the virtual desktop
// as far as it fits, its top-left corner winning.
TRect KeepOnDesktop(TRect Rect) {
  const int Left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int Top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int Right = Left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int Bottom = Top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const int W = std::max(0, int(Rect.Width())), H = std::max(0, int(Rect.Height()));
  int X = Rect.Left, Y = Rect.Top;
  if (X + W > Right) X = Right - W;
  if (Y + H > Bottom) Y = Bottom - H;
  X = std::max(X, Left);
  Y = std::max(Y, Top);
  return {X, Y, X + W, Y + H};
}

} // namespace

const TClass& THintWindow::StaticClass() {
  static const TClass Class = TClassBuilder<THintWindow>("THintWindow")
                                  .Property("Color", &TControl::GetColor, &TControl::SetColor)
                                  .Type(ColorTypeInfo())
                                  .Default(clInfoBk)
                                  .Build();
  return Class;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csCaptureMouse, csDoubleClicks});
  SetColor(clInfoBk);
  TakeHintFont();
}

void THintWindow::TakeHintFont() {
  NONCLIENTMETRICSA Metrics{};
  Metrics.cbSize = sizeof(Metrics);
  if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
    if (HFONT Status = CreateFontIndirect(&Metrics.lfStatusFont)) {
      GetFont()->SetHandle(Status);
      DeleteObject(Status);
    }
  GetFont()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint) {
  TRect R = MeasureText(GetFont(), Hint, {0, 0, MaxWidth, 0}, HintTextFlags);
  R.Right += 6;
  R.Bottom += 2;
  return R;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& Hint) {
  SetCaption(Hint);
  Rect = KeepOnDesktop(Rect);
  SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
  SetWindowPos(GetHandle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() { DestroyHandle(); }

void THintWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCHITTEST: Message.Result = HTTRANSPARENT; return;
  case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
  }
  inherited::WndProc(Message);
}

void THintWindow::Paint() {
  TCanvas* Canvas = GetCanvas();
  TRect R = GetClientRect();
  Canvas->GetBrush()->SetColor(GetColor());
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->FillRect(R);
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->SetFont(GetFont());
  R.Left += 2;
  const std::string Text = GetCaption();
  DrawText(Canvas->GetHandle(), Text.c_str(), int(Text.size()), &R, HintTextFlags);
}
