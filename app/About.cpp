// Only the published fields: the reader finds each component's class
// through them and fills them as it creates the components.
#include "app/About.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Button.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"

TAboutBox* AboutBox = nullptr;

const TClass& TAboutBox::StaticClass() {
  using C = TAboutBox;
  static const TClass Class = TClassBuilder<C>("TAboutBox")
                                  .Field("Panel1", &C::Panel1)
                                  .Field("ProgramIcon", &C::ProgramIcon)
                                  .Field("ProductName", &C::ProductName)
                                  .Field("Version", &C::Version)
                                  .Field("Copyright", &C::Copyright)
                                  .Field("LabelVersion", &C::LabelVersion)
                                  .Field("Label1", &C::Label1)
                                  .Field("Label2", &C::Label2)
                                  .Field("Label3", &C::Label3)
                                  .Field("Label4", &C::Label4)
                                  .Field("OKButton", &C::OKButton)
                                  .Build();
  return Class;
}
