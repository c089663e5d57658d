// Translucency changes while the window exists: applied at once, only
// for a new value, and undone by a redraw.
#include "FormsTest.h"

#include "framework/graphics/Canvas.h"

using namespace formstest;

namespace {

// A borderless form that counts its paints.
class TCountingForm : public TForm {
public:
  using TForm::TForm;
  int Paints = 0;

protected:
  void Paint() override {
    ++Paints;
    TForm::Paint();
  }
};

class TTranslucencyTest : public TFormsTest {
protected:
  // A white backdrop and, over it, a black one-pixel-wide line at x = 50.
  TCountingForm* ShowLine() {
    Backdrop = NewForm({0, 0, 200, 200});
    Backdrop->SetBorderStyle(bsNone);
    Backdrop->SetColor(clWhite);
    Backdrop->Show();
    auto* Line = Create<TCountingForm>(Application);
    Line->SetBounds(50, 0, 1, 200);
    Line->SetBorderStyle(bsNone);
    Line->SetColor(clBlack);
    Line->SetAlphaBlend(true);
    Line->Show();
    Desk->PumpUntilIdle();
    return Line;
  }

  static BYTE AlphaOf(HWND Wnd) {
    COLORREF Key = 0;
    BYTE Alpha = 0;
    DWORD Flags = 0;
    GetLayeredWindowAttributes(Wnd, &Key, &Alpha, &Flags);
    return Alpha;
  }

  TForm* Backdrop = nullptr;
};

} // namespace

TEST_F(TTranslucencyTest, LowAlphaMakesTheLineAlmostInvisibleAtOnce) {
  TCountingForm* Line = ShowLine();
  EXPECT_EQ(Desk->ScreenPixel(50, 100), 0x000000u);
  Line->SetAlphaBlendValue(25);
  // No message pumped: the desktop composes with the new alpha.
  std::uint32_t P = Desk->ScreenPixel(50, 100);
  for (int Shift : {0, 8, 16}) {
    int Channel = int((P >> Shift) & 0xFF);
    EXPECT_NEAR(Channel, 230, 2);
  }
  EXPECT_EQ(Desk->ScreenPixel(51, 100), 0xFFFFFFu);
}

TEST_F(TTranslucencyTest, SettingTheCurrentValueDoesNothing) {
  TCountingForm* Line = ShowLine();
  HWND Wnd = Line->GetHandle();
  Line->SetAlphaBlendValue(128);
  EXPECT_EQ(AlphaOf(Wnd), 128);
  // Changed behind the form's back: an unchanged property must not put
  // its own value back.
  SetLayeredWindowAttributes(Wnd, 0, 77, LWA_ALPHA);
  Desk->PumpUntilIdle();
  int Paints = Line->Paints;
  Line->SetAlphaBlendValue(128);
  Line->SetAlphaBlend(true);
  Line->SetTransparentColor(false);
  Line->SetTransparentColorValue(0);
  Desk->PumpUntilIdle();
  EXPECT_EQ(AlphaOf(Wnd), 77);
  EXPECT_EQ(Line->Paints, Paints);
  Line->SetAlphaBlendValue(129);
  EXPECT_EQ(AlphaOf(Wnd), 129);
}

TEST_F(TTranslucencyTest, TurningAlphaOffMakesTheWindowOpaqueAndRedrawsIt) {
  TCountingForm* Line = ShowLine();
  HWND Wnd = Line->GetHandle();
  Line->SetAlphaBlendValue(25);
  int Paints = Line->Paints;
  Line->SetAlphaBlend(false);
  EXPECT_FALSE(ExStyle(Wnd) & WS_EX_LAYERED);
  Desk->PumpUntilIdle();
  EXPECT_GT(Line->Paints, Paints);
  EXPECT_EQ(Desk->ScreenPixel(50, 100), 0x000000u);
  // Changing a value while opaque keeps it opaque, with another redraw.
  Paints = Line->Paints;
  Line->SetAlphaBlendValue(30);
  Desk->PumpUntilIdle();
  EXPECT_FALSE(ExStyle(Wnd) & WS_EX_LAYERED);
  EXPECT_GT(Line->Paints, Paints);
  EXPECT_EQ(Desk->ScreenPixel(50, 100), 0x000000u);
}

TEST_F(TTranslucencyTest, DialogGetsTheLayeredStyleFromTheFirstChange) {
  TForm* F = NewForm();
  F->SetBorderStyle(bsDialog);
  F->SetAlphaBlend(true);
  F->Show();
  HWND Wnd = F->GetHandle();
  EXPECT_FALSE(ExStyle(Wnd) & WS_EX_LAYERED);
  F->SetAlphaBlendValue(100);
  EXPECT_TRUE(ExStyle(Wnd) & WS_EX_LAYERED);
  EXPECT_EQ(AlphaOf(Wnd), 100);
  EXPECT_TRUE(ExStyle(Wnd) & WS_EX_DLGMODALFRAME);
}

TEST_F(TTranslucencyTest, ColourKeyShowsWhatIsBehind) {
  ShowLine();
  TForm* Keyed = NewForm({100, 0, 150, 100});
  Keyed->SetBorderStyle(bsNone);
  Keyed->SetColor(clRed);
  Keyed->Show();
  Desk->PumpUntilIdle();
  EXPECT_EQ(Desk->ScreenPixel(120, 50), 0xFF0000u);
  Keyed->SetTransparentColorValue(clRed);
  Keyed->SetTransparentColor(true);
  EXPECT_EQ(Desk->ScreenPixel(120, 50), 0xFFFFFFu);
  DWORD Flags = 0;
  COLORREF Key = 0;
  BYTE Alpha = 0;
  GetLayeredWindowAttributes(Keyed->GetHandle(), &Key, &Alpha, &Flags);
  EXPECT_EQ(Flags, LWA_COLORKEY);
  EXPECT_EQ(Key, RGB(255, 0, 0));
  // A system colour is keyed by the colour it stands for now.
  Keyed->SetTransparentColorValue(clBtnFace);
  GetLayeredWindowAttributes(Keyed->GetHandle(), &Key, &Alpha, &Flags);
  EXPECT_EQ(Key, GetSysColor(COLOR_BTNFACE));
}

TEST_F(TTranslucencyTest, ValuesSetBeforeTheWindowExistsApplyWhenItIsMade) {
  TForm* F = NewForm();
  F->SetBorderStyle(bsNone);
  F->SetAlphaBlendValue(60);
  F->SetAlphaBlend(true);
  EXPECT_FALSE(F->HandleAllocated());
  F->Show();
  EXPECT_TRUE(ExStyle(F->GetHandle()) & WS_EX_LAYERED);
  EXPECT_EQ(AlphaOf(F->GetHandle()), 60);
}
