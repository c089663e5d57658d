#include "app/Unitdm1.h"

#include "app/About.h"
#include "app/Unit1.h"
#include "app/Unitlogo.h"
#include "app/Unitvl.h"
#include "components/advmenus/AdvPopupMenu.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Shape.h"
#include "framework/graphics/Pen.h"
#include "framework/menus/MenuItem.h"

TDM1* DM1 = nullptr;

const TClass& TDM1::StaticClass() {
  using C = TDM1;
  static const TClass Class = TClassBuilder<C>("TDM1")
                                  .Field("AdvPopupMenu1", &C::AdvPopupMenu1)
                                  .Field("Minimer", &C::Minimer)
                                  .Field("N3", &C::N3)
                                  .Field("Vertikal1", &C::Vertikal1)
                                  .Field("Horisontal1", &C::Horisontal1)
                                  .Field("N1", &C::N1)
                                  .Field("Linjefarge1", &C::Linjefarge1)
                                  .Field("LF_Black", &C::LF_Black)
                                  .Field("LF_Yellow", &C::LF_Yellow)
                                  .Field("Transparens1", &C::Transparens1)
                                  .Field("N01", &C::N01)
                                  .Field("N251", &C::N251)
                                  .Field("N501", &C::N501)
                                  .Field("N751", &C::N751)
                                  .Field("N901", &C::N901)
                                  .Field("N2", &C::N2)
                                  .Field("Skjullogo1", &C::Skjullogo1)
                                  .Field("N4", &C::N4)
                                  .Field("Om1", &C::Om1)
                                  .Method<&C::MinimerClick>("MinimerClick")
                                  .Method<&C::Vertikal1Click>("Vertikal1Click")
                                  .Method<&C::Horisontal1Click>("Horisontal1Click")
                                  .Method<&C::LF_BlackClick>("LF_BlackClick")
                                  .Method<&C::LF_YellowClick>("LF_YellowClick")
                                  .Method<&C::N01Click>("N01Click")
                                  .Method<&C::N251Click>("N251Click")
                                  .Method<&C::N501Click>("N501Click")
                                  .Method<&C::N751Click>("N751Click")
                                  .Method<&C::N901Click>("N901Click")
                                  .Method<&C::Skjullogo1Click>("Skjullogo1Click")
                                  .Method<&C::Om1Click>("Om1Click")
                                  .Build();
  return Class;
}

// Restoring and activating the control window brings the line back.
void TDM1::MinimerClick(TObject*) {
  Form1->SetWindowState(wsMinimized);
  FormVL->SetVisible(false);
}

void TDM1::Vertikal1Click(TObject*) { Form1->ApplyOrientation("Vertikal"); }

void TDM1::Horisontal1Click(TObject*) { Form1->ApplyOrientation("Horisontal"); }

// At one pixel of thickness the shape's outline is the whole line, so the
// pen alone colours it.
void TDM1::SetLineColor(TColor Color, TMenuItem* Chosen) {
  FormVL->Shape1->GetPen()->SetColor(Color);
  LF_Black->SetChecked(Chosen == LF_Black);
  LF_Yellow->SetChecked(Chosen == LF_Yellow);
}

void TDM1::LF_BlackClick(TObject*) { SetLineColor(TColor(0x00000000), LF_Black); }

void TDM1::LF_YellowClick(TObject*) { SetLineColor(TColor(0x0000FFFF), LF_Yellow); }

void TDM1::SetTransparency(std::uint8_t Alpha, TMenuItem* Chosen) {
  FormVL->SetAlphaBlendValue(Alpha);
  for (TMenuItem* Item : {N01, N251, N501, N751, N901}) Item->SetChecked(Item == Chosen);
}

void TDM1::N01Click(TObject*) { SetTransparency(255, N01); }
void TDM1::N251Click(TObject*) { SetTransparency(190, N251); }
void TDM1::N501Click(TObject*) { SetTransparency(128, N501); }
void TDM1::N751Click(TObject*) { SetTransparency(64, N751); }
void TDM1::N901Click(TObject*) { SetTransparency(25, N901); }

// The logo window's Tag is the command's state: 1 shown, 0 hidden.
void TDM1::Skjullogo1Click(TObject*) {
  if (FormLogo->GetTag() == 1) {
    FormLogo->SetVisible(false);
    FormLogo->SetTag(0);
    Skjullogo1->SetCaption("Vis logo");
  } else {
    FormLogo->Show();
    FormLogo->SetTag(1);
    Skjullogo1->SetCaption("Skjul logo");
  }
}

void TDM1::Om1Click(TObject*) { AboutBox->ShowModal(); }
