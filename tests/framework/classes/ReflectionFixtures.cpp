#include "ReflectionFixtures.h"

const TClass& TGadget::StaticClass() {
  static const TClass Class = TClassBuilder<TGadget>("TGadget")
                                  .Property("Count", &TGadget::GetCount, &TGadget::SetCount)
                                  .Default(7)
                                  .Property("Fruit", &TGadget::GetFruit, &TGadget::SetFruit)
                                  .Default(frBanana)
                                  .Property("Basket", &TGadget::GetBasket, &TGadget::SetBasket)
                                  .Property("Caption", &TGadget::GetCaption, &TGadget::SetCaption)
                                  .Property("Ratio", &TGadget::FRatio, &TGadget::FRatio)
                                  .Property("Active", &TGadget::FActive, &TGadget::FActive)
                                  .Default(true)
                                  .Property("Letter", &TGadget::FLetter, &TGadget::FLetter)
                                  .Property("Big", &TGadget::FBig, &TGadget::FBig)
                                  .Property("Color", &TGadget::FColor, &TGadget::FColor)
                                  .Type(ColorTypeInfo())
                                  .Default(clBtnFace)
                                  .Property("Buddy", &TGadget::FBuddy, &TGadget::FBuddy)
                                  .Property("OnChange", &TGadget::FOnChange, &TGadget::FOnChange)
                                  .Property("Version", &TGadget::GetVersion)
                                  .Declare("Secret", &TGadget::FSecret, &TGadget::FSecret)
                                  .Default(3)
                                  .Build();
  return Class;
}

const TClass& TSuperGadget::StaticClass() {
  static const TClass Class = TClassBuilder<TSuperGadget>("TSuperGadget")
                                  .Property("Count", &TGadget::GetCount, &TGadget::SetCount)
                                  .Default(9)
                                  .Publish({"Secret"})
                                  .Build();
  return Class;
}

const TClass& TGadgetBox::StaticClass() {
  static const TClass Class = TClassBuilder<TGadgetBox>("TGadgetBox")
                                  .Field("Gadget1", &TGadgetBox::Gadget1)
                                  .Field("Super1", &TGadgetBox::Super1)
                                  .Method<&TGadgetBox::GadgetChange>("GadgetChange")
                                  .Method<&TGadgetBox::OtherChange>("OtherChange")
                                  .Method<&TGadgetBox::WrongShape>("WrongShape")
                                  .Build();
  return Class;
}

const TClass& TWatcher::StaticClass() {
  static const TClass Class = TClassBuilder<TWatcher>("TWatcher").Build();
  return Class;
}
