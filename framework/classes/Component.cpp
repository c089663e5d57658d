// Destruction runs in two steps. Free's BeforeDestruction marks the whole
// ownership tree destroying and sends the free notifications while every
// override still answers; the destructor then frees owned components and
// leaves the owner. A component deleted without Free gets the same steps
// from its destructor.
#include "framework/classes/Component.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Filer.h"
#include "framework/classes/PropFixup.h"
#include "framework/classes/Reader.h"
#include "framework/runtime/SysUtils.h"

#include "FrameworkConsts.h"

#include <algorithm>

const TClass& TComponent::StaticClass() {
  static const TClass Class = TClassBuilder<TComponent>("TComponent")
                                  .Property("Name", &TComponent::GetName, &TComponent::SetName)
                                  .Property("Tag", &TComponent::GetTag, &TComponent::SetTag)
                                  .Default(0)
                                  .Build();
  return Class;
}

bool IsValidIdent(std::string_view Name) {
  auto Alpha = [](char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; };
  if (Name.empty() || !Alpha(Name[0])) return false;
  return std::all_of(Name.begin() + 1, Name.end(),
                     [&](char C) { return Alpha(C) || (C >= '0' && C <= '9'); });
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  SendFreeNotifications();
  if (FComponentState.Contains(csFixups)) RemoveFixupReferences(this);
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
  Destroying();
  SendFreeNotifications();
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* C : FComponents) C->Destroying();
}

void TComponent::SendFreeNotifications() {
  while (!FFreeNotifies.empty()) {
    TComponent* Other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Other->UnlinkFreeNotify(this);
    Other->Notification(this, opRemove);
  }
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) throw EListError(SListIndexError, {Index});
  return FComponents[std::size_t(Index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& List = FOwner->FComponents;
  auto It = std::find(List.begin(), List.end(), this);
  return It == List.end() ? -1 : int(It - List.begin());
}

TComponent* TComponent::FindComponent(std::string_view Name) const {
  if (Name.empty()) return nullptr;
  for (TComponent* C : FComponents)
    if (SameText(C->FName, Name)) return C;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent->FName.empty()) ValidateRename(AComponent, "", AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  AComponent->SetReference(true);
  if (FComponentState.Contains(csDesigning)) AComponent->IncludeState(csDesigning);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  AComponent->SetReference(false);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  auto It = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (It != FComponents.end()) FComponents.erase(It);
  AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* Last = FComponents.back();
    RemoveComponent(Last);
    Last->Free();
  }
}

void TComponent::SetName(const std::string& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName)) throw EComponentError(SInvalidName, {NewName});
  if (FOwner)
    FOwner->ValidateRename(this, FName, NewName);
  else
    ValidateRename(nullptr, FName, NewName);
  SetReference(false);
  FName = NewName;
  SetReference(true);
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) {
  if (!AComponent || NewName.empty() || SameText(CurName, NewName)) return;
  TComponent* Other = FindComponent(NewName);
  if (Other && Other != AComponent) throw EComponentError(SDuplicateName, {NewName});
}

// The owner's published field named after this component points at it
// while the name and the ownership last. An owner that is being destroyed
// is left alone: its fields are going away with it.
void TComponent::SetReference(bool Enable) {
  if (!FOwner || FName.empty() || FOwner->FComponentState.Contains(csDestroying)) return;
  const TFieldInfo* Field = FOwner->ClassType().FindField(FName);
  if (!Field) return;
  // Clearing compares identities only: a component leaving from its own
  // destructor no longer answers as its class.
  if (!Enable && Field->Get(FOwner) == this)
    Field->Set(FOwner, nullptr);
  else if (Enable && InheritsFrom(Field->FieldClass()))
    Field->Set(FOwner, this);
}

void TComponent::SetSubComponent(bool Value) {
  if (Value)
    FComponentStyle.Include(csSubComponent);
  else
    FComponentStyle.Exclude(csSubComponent);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  LinkFreeNotify(AComponent);
  AComponent->LinkFreeNotify(this);
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  UnlinkFreeNotify(AComponent);
  AComponent->UnlinkFreeNotify(this);
}

void TComponent::LinkFreeNotify(TComponent* Other) {
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), Other) == FFreeNotifies.end())
    FFreeNotifies.push_back(Other);
}

void TComponent::UnlinkFreeNotify(TComponent* Other) {
  auto It = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), Other);
  if (It != FFreeNotifies.end()) FFreeNotifies.erase(It);
}

// Passed down the ownership tree, so any component of the owner can drop
// a reference to the one that goes.
void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  for (std::size_t I = 0; I < FComponents.size(); ++I)
    if (FComponents[I] != AComponent) FComponents[I]->Notification(AComponent, Operation);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::ReadContent(TReader& Reader) { Reader.ReadData(this); }

void TComponent::DeclareExtraProperties(TFiler& Filer) {
  auto Word = [this](int Shift) {
    return [this, Shift](TFiler& Reader) {
      std::uint32_t Value = std::uint32_t(Reader.ReadInteger()) & 0xFFFF;
      std::uint32_t Info = std::uint32_t(FDesignInfo) & ~(0xFFFFu << Shift);
      FDesignInfo = std::int32_t(Info | (Value << Shift));
    };
  };
  Filer.ExtraProperty("Left", Word(0));
  Filer.ExtraProperty("Top", Word(16));
}
