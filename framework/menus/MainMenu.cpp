#include "framework/menus/MainMenu.h"

#include "framework/classes/ClassBuilder.h"

const TClass& TMainMenu::StaticClass() {
  static const TClass Class = TClassBuilder<TMainMenu>("TMainMenu")
                                  .Publish({"AutoHotkeys", "AutoLineReduction", "BiDiMode",
                                            "Images", "OwnerDraw", "ParentBiDiMode", "OnChange"})
                                  .Build();
  return Class;
}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

HMENU TMainMenu::GetHandle() const {
  TMenuItem* Root = GetItems();
  for (int I = 0; I < Root->GetCount(); ++I)
    if (Root->GetItem(I)->GetVisible()) return Root->GetHandle();
  return Root->HandleAllocated() ? Root->GetHandle() : nullptr;
}
