#include "app/Unit1.h"

#include "app/Unitdm1.h"
#include "app/Unitlogo.h"
#include "app/Unitvl.h"
#include "components/propscrl/PropScrollbar.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/forms/Screen.h"
#include "framework/menus/MenuItem.h"

#include <string>

TForm1* Form1 = nullptr;

const TClass& TForm1::StaticClass() {
  static const TClass Class = TClassBuilder<TForm1>("TForm1")
                                  .Field("PropScrollbar1", &TForm1::PropScrollbar1)
                                  .Method<&TForm1::FormShow>("FormShow")
                                  .Method<&TForm1::FormActivate>("FormActivate")
                                  .Method<&TForm1::PropScrollbar1Change>("PropScrollbar1Change")
                                  .Build();
  return Class;
}

// The definition has been read by the inherited constructor by now.
TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) { FOrientation = "Vertikal"; }

void TForm1::FormShow(TObject*) { ApplyOrientation(FOrientation); }

// Minimising hid the line; coming back shows it and the logo again,
// whatever the logo command chose.
void TForm1::FormActivate(TObject*) {
  if (FormVL->GetVisible()) return;
  FormVL->SetVisible(true);
  FormLogo->SetVisible(true);
}

void TForm1::PlaceLogo() {
  FormLogo->SetTop(FormVL->GetTop() + 10);
  FormLogo->SetLeft(FormVL->GetLeft() + 10);
}

void TForm1::PropScrollbar1Change(TObject*) {
  const int Position = PropScrollbar1->GetPosition();
  if (PropScrollbar1->GetKind() == sbHorizontal)
    FormVL->SetLeft(Position);
  else
    FormVL->SetTop(Position);
  PlaceLogo();
  SetCaption(std::to_string(Position));
}

// The range ends at the full width, so the last position puts the line
// just beyond the screen's right edge. Setting Max and Position may raise
// OnChange in the middle of the layout, while Kind still has its previous
// value; the coordinates set afterwards are the ones that stand.
void TForm1::LayOutVertical() {
  const int W = Screen->GetWidth();
  FormVL->SetLeft(0);
  FormVL->SetWidth(1);
  FormVL->SetHeight(Screen->GetHeight());
  PropScrollbar1->SetMax(W);
  PropScrollbar1->SetPosition(PropScrollbar1->GetMax() / 2);
  FormVL->SetLeft(PropScrollbar1->GetPosition());
  FormVL->SetTop(0);
  DM1->Vertikal1->SetChecked(true);
  DM1->Horisontal1->SetChecked(false);
  SetHeight(40);
  PropScrollbar1->SetKind(sbHorizontal);
  SetWidth(190);
  SetTop(Screen->GetWorkAreaHeight() - GetHeight() - 20);
  SetLeft(W / 2 - GetWidth() / 2);
}

void TForm1::LayOutHorizontal() {
  const int W = Screen->GetWidth();
  const int H = Screen->GetHeight();
  FormVL->SetTop(0);
  FormVL->SetHeight(1);
  FormVL->SetWidth(W);
  PropScrollbar1->SetMax(H);
  PropScrollbar1->SetPosition(PropScrollbar1->GetMax() / 2);
  FormVL->SetTop(PropScrollbar1->GetPosition());
  FormVL->SetLeft(0);
  DM1->Vertikal1->SetChecked(false);
  DM1->Horisontal1->SetChecked(true);
  SetWidth(20);
  PropScrollbar1->SetKind(sbVertical);
  SetHeight(190);
  SetTop(H / 2 - GetHeight() / 2);
  SetLeft(W - GetWidth() - 20);
}

void TForm1::ApplyOrientation(const std::string& Orientation) {
  if (Orientation == "Vertikal")
    LayOutVertical();
  else
    LayOutHorizontal();
  PlaceLogo();
  FormVL->Show();
  FormLogo->Show();
}
