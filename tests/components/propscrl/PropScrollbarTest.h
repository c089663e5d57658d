// A form made in code holding one TPropScrollbar, on a fresh headless
// desktop between the framework's start and end code, and the helpers the
// tests drive it with: the native bar's parts, its arrow state as the
// native control keeps it, real mouse input on the thumb and the arrows,
// and what the bar raised.
#pragma once

#include "NativeArrowState.h"

#include "components/propscrl/PropScrollbar.h"
#include "framework/controls/HintWindow.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Units.h"
#include "platform/user/ScrollBarGeometry.h"
#include "support/DesktopTest.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace propscrltest {

// Records what the bar raises; a non-empty Replacement becomes the hint's
// text.
class TPropScrollListener : public TObject {
public:
  void Changed(TObject*) { ++Changes; }
  void Scrolled(TObject*, TScrollCode Code, int& Pos) {
    Scrolls.push_back({Code, Pos});
    if (Code == scEndScroll && EndOverride >= 0) Pos = EndOverride;
  }
  void Hinting(TObject* Sender, int Pos, std::string& Text) {
    Hints.push_back({Pos, Text});
    Senders.push_back(Sender);
    if (!Replacement.empty()) Text = Replacement;
  }
  int Changes = 0;
  std::vector<std::pair<TScrollCode, int>> Scrolls;
  std::vector<std::pair<int, std::string>> Hints;
  std::vector<TObject*> Senders;
  std::string Replacement;
  // When not negative, OnScroll moves the end of every scroll there.
  int EndOverride = -1;
};

class TPropScrollbarTest : public TDesktopTest {
protected:
  static constexpr TRect FormRect{100, 200, 600, 500};
  static constexpr TPoint BarAt{20, 30};

  void SetUp() override {
    TDesktopTest::SetUp();
    InitFramework();
    Form = Create<TForm>(Application);
    Form->SetBounds(FormRect.Left, FormRect.Top, FormRect.Width(), FormRect.Height());
    Bar = Create<TPropScrollbar>(Form);
    Bar->SetBounds(BarAt.X, BarAt.Y, 300, Bar->GetHeight());
    Bar->SetParent(Form);
    Bar->OnChange = MakeEvent<&TPropScrollListener::Changed>(&Events);
    Bar->OnScroll = MakeEvent<&TPropScrollListener::Scrolled>(&Events);
    Form->Show();
    Desk->PumpUntilIdle();
  }
  void TearDown() override {
    DoneFramework();
    TDesktopTest::TearDown();
  }

  // The arrow state the native control holds (ESB_*).
  UINT Arrows() const { return NativeArrowState(Bar->GetHandle()); }
  SCROLLINFO NativeInfo() const {
    SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Bar->GetHandle(), SB_CTL, &Info);
    return Info;
  }
  // Where the native bar has its parts now (client coordinates).
  TScrollBarGeometry Geometry() const {
    HWND H = Bar->GetHandle();
    TRect Client{0, 0, 0, 0};
    GetClientRect(H, &Client);
    const SCROLLINFO Info = NativeInfo();
    return TScrollBarGeometry::Compute(Client, Bar->GetKind() == sbVertical, Info.nMin, Info.nMax,
                                       Info.nPage, Info.nPos);
  }
  TPoint ScreenOf(TPoint Client) const { return Bar->ClientToScreen(Client); }
  static TPoint Middle(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

  void ClickPart(const TRect& Part) {
    const TPoint P = ScreenOf(Middle(Part));
    Desk->Click(P.X, P.Y);
    Desk->PumpUntilIdle();
  }
  void ClickUpArrow() { ClickPart(Geometry().UpArrow); }
  void ClickDownArrow() { ClickPart(Geometry().DownArrow); }

  // Presses the left button on the middle of the thumb; returns that
  // screen point.
  TPoint GrabThumb() {
    const TPoint Grip = ScreenOf(Middle(Geometry().Thumb));
    Desk->MouseMove(Grip.X, Grip.Y);
    Desk->MouseDown();
    Desk->PumpUntilIdle();
    return Grip;
  }
  // With the thumb held (grabbed at Grip while the position was From),
  // moves the mouse so that the thumb lands on position To, with Across
  // pixels of sideways offset; returns the cursor's screen point.
  TPoint DragThumbTo(TPoint Grip, int From, int To, int Across = 0) {
    const TScrollBarGeometry G = Geometry();
    const int Shift = G.OffsetOfPos(To) - G.OffsetOfPos(From);
    const bool Vertical = Bar->GetKind() == sbVertical;
    const TPoint P{Grip.X + (Vertical ? Across : Shift), Grip.Y + (Vertical ? Shift : Across)};
    Desk->MouseMove(P.X, P.Y);
    Desk->PumpUntilIdle();
    return P;
  }
  void Release() {
    Desk->MouseUp();
    Desk->PumpUntilIdle();
  }
  // A whole drag of the thumb from the current position to To.
  void DragThumb(int To) {
    const int From = Bar->GetPosition();
    const TPoint Grip = GrabThumb();
    DragThumbTo(Grip, From, To);
    Release();
  }

  // The hint pop-up's window while it is on screen, else null.
  HWND HintWnd() const {
    THintWindow* Hint = Bar->HintWindow();
    if (!Hint || !Hint->HandleAllocated()) return nullptr;
    HWND Wnd = Hint->GetHandle();
    return IsWindowVisible(Wnd) ? Wnd : nullptr;
  }
  static TRect WindowRect(HWND Wnd) {
    TRect R{0, 0, 0, 0};
    GetWindowRect(Wnd, &R);
    return R;
  }
  static std::string WindowText(HWND Wnd) {
    char Buf[256] = {};
    GetWindowText(Wnd, Buf, int(sizeof Buf));
    return Buf;
  }
  // A colour as the screen stores it (0x00RRGGBB).
  static std::uint32_t Rgb(TColor Color) {
    const COLORREF C = ColorToRGB(Color);
    return std::uint32_t(GetRValue(C)) << 16 | std::uint32_t(GetGValue(C)) << 8 | GetBValue(C);
  }

  TForm* Form = nullptr;
  TPropScrollbar* Bar = nullptr;
  TPropScrollListener Events;
};

} // namespace propscrltest
