// The data module. The constructor fills the variable the application is
// creating it for (see TakeCreatingReference) before anything else can
// look for it there.
#include "framework/forms/DataModule.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Filer.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

const TClass& TDataModule::StaticClass() {
  static const TClass Class =
      TClassBuilder<TDataModule>("TDataModule")
          .Property("OldCreateOrder", &TDataModule::GetOldCreateOrder,
                    &TDataModule::SetOldCreateOrder)
          .Property("OnCreate", &TDataModule::OnCreate, &TDataModule::OnCreate)
          .Property("OnDestroy", &TDataModule::OnDestroy, &TDataModule::OnDestroy)
          .Build();
  return Class;
}

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner) {
  if (TComponent** Reference = TakeCreatingReference()) *Reference = this;
  if (Screen) Screen->AddDataModule(this);
}

TDataModule::TDataModule(TComponent* AOwner, TCreateNew) : TDataModule(AOwner) {
  FCreatedNew = true;
}

TDataModule::~TDataModule() {
  if (Screen) Screen->RemoveDataModule(this);
}

void TDataModule::AfterConstruction() {
  ReadDefinition();
  inherited::AfterConstruction();
  DoCreate();
}

void TDataModule::ReadDefinition() {
  if (FCreatedNew || ComponentState().Contains(csDesigning)) return;
  if (&ClassType() == &TDataModule::StaticClass()) return;
  TNameSpaceWriteLock Lock;
  if (!LoadFormDefinition(this, TDataModule::StaticClass()))
    throw EResNotFound(SResNotFound, {ClassName()});
}

void TDataModule::BeforeDestruction() {
  Destroying();
  DoDestroy();
  inherited::BeforeDestruction();
}

void TDataModule::DoCreate() { RaiseCreationEvent(OnCreate, this); }

void TDataModule::DoDestroy() { RaiseCreationEvent(OnDestroy, this); }

void TDataModule::DeclareExtraProperties(TFiler& Filer) {
  inherited::DeclareExtraProperties(Filer);
  auto Into = [](int& Field) { return [&Field](TFiler& Reader) { Field = Reader.ReadInteger(); }; };
  Filer.ExtraProperty("Height", Into(FDesignHeight));
  Filer.ExtraProperty("HorizontalOffset", Into(FDesignOffset.X));
  Filer.ExtraProperty("VerticalOffset", Into(FDesignOffset.Y));
  Filer.ExtraProperty("Width", Into(FDesignWidth));
}
