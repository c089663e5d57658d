// What a form definition can set: the published properties in their
// order, their declared defaults (which the constructor must produce),
// the extra values, and the form a control belongs to.
#include "FormsTest.h"
#include "support/TableFiler.h"

#include "framework/classes/Class.h"
#include "framework/controls/Panel.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"

using namespace formstest;

namespace {

std::vector<std::string> Names(const TClass& C) {
  std::vector<std::string> Out;
  for (const TPropInfo* P : C.Properties()) Out.push_back(P->Name());
  return Out;
}

} // namespace

TEST(FormClass, PublishesInFormDefinitionOrder) {
  std::vector<std::string> All = Names(TForm::StaticClass());
  std::vector<std::string> Own(All.begin() + std::ptrdiff_t(Names(TControl::StaticClass()).size()),
                               All.end());
  const std::vector<std::string> Expected = {"ActiveControl",
                                             "Align",
                                             "AlphaBlend",
                                             "AlphaBlendValue",
                                             "Anchors",
                                             "BiDiMode",
                                             "BorderIcons",
                                             "BorderStyle",
                                             "Caption",
                                             "ClientHeight",
                                             "ClientWidth",
                                             "Color",
                                             "TransparentColor",
                                             "TransparentColorValue",
                                             "Constraints",
                                             "Ctl3D",
                                             "DragKind",
                                             "DragMode",
                                             "Enabled",
                                             "ParentFont",
                                             "Font",
                                             "FormStyle",
                                             "KeyPreview",
                                             "OldCreateOrder",
                                             "ParentBiDiMode",
                                             "PixelsPerInch",
                                             "PopupMenu",
                                             "Position",
                                             "Scaled",
                                             "ShowHint",
                                             "Visible",
                                             "WindowState",
                                             "OnActivate",
                                             "OnClick",
                                             "OnClose",
                                             "OnCloseQuery",
                                             "OnContextPopup",
                                             "OnCreate",
                                             "OnDblClick",
                                             "OnDestroy",
                                             "OnDeactivate",
                                             "OnDragDrop",
                                             "OnDragOver",
                                             "OnEndDock",
                                             "OnHide",
                                             "OnKeyDown",
                                             "OnKeyPress",
                                             "OnKeyUp",
                                             "OnMouseDown",
                                             "OnMouseMove",
                                             "OnMouseUp",
                                             "OnPaint",
                                             "OnResize",
                                             "OnShow",
                                             "OnStartDock"};
  EXPECT_EQ(Own, Expected);
  EXPECT_EQ(All.front(), "Name");
  EXPECT_NE(TForm::StaticClass().FindProperty("left"), nullptr);
  EXPECT_EQ(TForm::StaticClass().FindProperty("Menu"), nullptr);
}

TEST_F(TFormsTest, NewFormHasEveryDeclaredDefault) {
  TForm* F = NewForm();
  int Checked = 0;
  for (const TPropInfo* P : TForm::StaticClass().Properties()) {
    if (!P->HasDefault()) continue;
    EXPECT_EQ(P->GetOrd(F), P->Default()) << P->Name();
    ++Checked;
  }
  EXPECT_GE(Checked, 20);
  EXPECT_EQ(F->GetColor(), clBtnFace);
  EXPECT_EQ(F->GetFont()->GetName(), "MS Sans Serif");
  EXPECT_EQ(F->GetFont()->GetHeight(), -11);
  EXPECT_EQ(F->GetFont()->GetCharset(), DEFAULT_CHARSET);
  EXPECT_EQ(F->GetFont()->GetColor(), clWindowText);
  EXPECT_EQ(F->GetPixelsPerInch(), 96);
  EXPECT_EQ(F->GetModalResult(), mrNone);
  EXPECT_FALSE(F->GetOldCreateOrder());
  EXPECT_EQ(F->GetTextHeight(), 0);
}

TEST_F(TFormsTest, PropertiesWorkThroughTheirDescription) {
  TForm* F = NewForm();
  const TClass& C = TForm::StaticClass();
  C.FindProperty("BorderStyle")->SetOrd(F, bsToolWindow);
  C.FindProperty("FormStyle")->SetOrd(F, fsStayOnTop);
  C.FindProperty("AlphaBlendValue")->SetOrd(F, 64);
  C.FindProperty("Caption")->SetStr(F, "Ruler");
  C.FindProperty("Visible")->SetOrd(F, 1);
  HWND Wnd = F->GetHandle();
  EXPECT_TRUE(IsWindowVisible(Wnd));
  EXPECT_TRUE(ExStyle(Wnd) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ExStyle(Wnd) & WS_EX_TOPMOST);
  EXPECT_EQ(Text(Wnd), "Ruler");
  EXPECT_EQ(F->GetAlphaBlendValue(), 64);
  EXPECT_EQ(C.FindProperty("Visible")->GetOrd(F), 1);
}

TEST_F(TFormsTest, ClientSizeSetsTheWindowsClientArea) {
  TForm* F = NewForm();
  F->SetBorderStyle(bsToolWindow);
  F->Show();
  F->SetClientWidth(250);
  F->SetClientHeight(120);
  TRect R{0, 0, 0, 0};
  GetClientRect(F->GetHandle(), &R);
  EXPECT_EQ(R.Width(), 250);
  EXPECT_EQ(R.Height(), 120);
  EXPECT_GT(F->GetWidth(), 250);
}

TEST(FormClass, ExtraValuesForTheReader) {
  TForm F(nullptr);
  TTableFiler Filer;
  Filer.Values = {{"TextHeight", 13}, {"IgnoreFontProperty", 1}};
  F.DeclareExtraProperties(Filer);
  EXPECT_EQ(Filer.Declared,
            (std::vector<std::string>{"IsControl", "TextHeight", "IgnoreFontProperty"}));
  EXPECT_EQ(F.GetTextHeight(), 13);
  EXPECT_TRUE(F.GetIgnoreFontProperty());
  EXPECT_TRUE(F.GetParentFont());
  TForm G(nullptr);
  Filer.Values = {{"IgnoreFontProperty", 0}};
  G.DeclareExtraProperties(Filer);
  EXPECT_FALSE(G.GetIgnoreFontProperty());
  EXPECT_FALSE(G.GetParentFont());
}

TEST_F(TFormsTest, ParentFormIsAtTheTopOfTheParentChain) {
  TForm* F = NewForm();
  auto* Panel = Create<TPanel>(F);
  Panel->SetParent(F);
  auto* Inner = Create<TPanel>(F);
  Inner->SetParent(Panel);
  auto* Loose = Create<TPanel>(F);
  EXPECT_EQ(GetParentForm(Inner), F);
  EXPECT_EQ(GetParentForm(Panel), F);
  EXPECT_EQ(GetParentForm(F), F);
  EXPECT_EQ(GetParentForm(Loose), nullptr);
  EXPECT_EQ(GetParentForm(nullptr), nullptr);
}

TEST_F(TFormsTest, ActiveControlTakesTheFocusWhenTheFormIsActivated) {
  TForm* F = NewForm();
  auto* A = Create<TPanel>(F);
  A->SetParent(F);
  auto* B = Create<TPanel>(F);
  B->SetParent(F);
  B->SetLeft(100);
  F->SetActiveControl(B);
  F->Show();
  EXPECT_EQ(GetFocus(), B->GetHandle());
  F->SetActiveControl(A);
  EXPECT_EQ(GetFocus(), A->GetHandle());
  // A control elsewhere, or one that cannot take the focus, is refused.
  TForm* Other = NewForm();
  auto* Foreign = Create<TPanel>(Other);
  Foreign->SetParent(Other);
  EXPECT_THROW(F->SetActiveControl(Foreign), EInvalidOperation);
  B->SetEnabled(false);
  EXPECT_THROW(F->SetActiveControl(B), EInvalidOperation);
  EXPECT_EQ(F->GetActiveControl(), A);
  A->Free();
  EXPECT_EQ(F->GetActiveControl(), nullptr);
}

TEST_F(TFormsTest, PaintingRaisesOnPaintWithTheCanvasOnTheWindow) {
  struct TPainter : TObject {
    TForm* Form = nullptr;
    int Calls = 0;
    void Painted(TObject*) {
      ++Calls;
      Form->GetCanvas()->GetBrush()->SetColor(clRed);
      Form->GetCanvas()->FillRect({10, 10, 20, 20});
    }
  } Painter;
  TForm* F = NewForm({0, 0, 100, 100});
  F->SetBorderStyle(bsNone);
  Painter.Form = F;
  F->OnPaint = MakeEvent<&TPainter::Painted>(&Painter);
  F->Show();
  Desk->PumpUntilIdle();
  EXPECT_GE(Painter.Calls, 1);
  EXPECT_EQ(Desk->ScreenPixel(15, 15), 0xFF0000u);
  COLORREF Face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(Desk->ScreenPixel(25, 25), std::uint32_t(GetRValue(Face)) << 16 |
                                           std::uint32_t(GetGValue(Face)) << 8 | GetBValue(Face));
}
