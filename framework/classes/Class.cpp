// The property table is built once per class: the parent's list with this
// class's properties merged in, and an open-addressing index over it, so a
// lookup costs one hash of the name and, nearly always, one comparison.
#include "framework/classes/Class.h"

#include "framework/classes/Object.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/SysUtils.h"

namespace {

char Fold(char C) { return (C >= 'A' && C <= 'Z') ? char(C + 32) : C; }

bool SameName(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I)
    if (Fold(A[I]) != Fold(B[I])) return false;
  return true;
}

} // namespace

std::uint32_t FoldedHash(std::string_view Name) {
  std::uint32_t H = 2166136261u;
  for (char C : Name) H = (H ^ std::uint8_t(Fold(C))) * 16777619u;
  return H;
}

TClass::TClass(std::string_view Name, const TClass* Parent, TCreateFn Create, TMembers Members)
    : FName(Name), FParent(Parent), FCreate(Create), FMembers(std::move(Members)) {
  for (auto& P : FMembers.Owned) P->FDeclarer = this;
  IndexProperties();
}

void TClass::IndexProperties() {
  if (FParent) FAllProps = FParent->FAllProps;
  for (const TPropInfo* P : FMembers.Published) {
    bool Replaced = false;
    for (const TPropInfo*& Old : FAllProps)
      if (SameName(Old->Name(), P->Name())) {
        Old = P;
        Replaced = true;
        break;
      }
    if (!Replaced) FAllProps.push_back(P);
  }
  std::size_t Size = 8;
  while (Size < FAllProps.size() * 2) Size *= 2;
  FSlots.assign(Size, 0);
  for (std::size_t I = 0; I < FAllProps.size(); ++I) {
    std::size_t Slot = FoldedHash(FAllProps[I]->Name()) & (Size - 1);
    while (FSlots[Slot]) Slot = (Slot + 1) & (Size - 1);
    FSlots[Slot] = std::uint32_t(I + 1);
  }
}

bool TClass::InheritsFrom(const TClass& Other) const {
  for (const TClass* C = this; C; C = C->FParent)
    if (C == &Other) return true;
  return false;
}

TObject* TClass::Create(TComponent* Owner) const {
  if (!FCreate) throw EInvalidOperation(Format("Cannot create an instance of %s", {FName}));
  return FCreate(Owner);
}

const TPropInfo* TClass::FindProperty(std::string_view Name) const {
  std::size_t Mask = FSlots.size() - 1;
  for (std::size_t Slot = FoldedHash(Name) & Mask; FSlots[Slot]; Slot = (Slot + 1) & Mask) {
    const TPropInfo* P = FAllProps[FSlots[Slot] - 1];
    if (SameName(P->Name(), Name)) return P;
  }
  return nullptr;
}

const TPropInfo* TClass::FindDeclared(std::string_view Name) const {
  for (const TClass* C = this; C; C = C->FParent) {
    for (const TPropInfo* P : C->FMembers.Declared)
      if (SameName(P->Name(), Name)) return P;
    for (const TPropInfo* P : C->FMembers.Published)
      if (SameName(P->Name(), Name)) return P;
  }
  return nullptr;
}

const TMethodInfo* TClass::FindMethod(std::string_view Name) const {
  for (const TClass* C = this; C; C = C->FParent)
    for (const TMethodInfo& M : C->FMembers.Methods)
      if (SameName(M.Name, Name)) return &M;
  return nullptr;
}

const TMethodInfo* TClass::FindMethod(const TMethodCode* Code) const {
  for (const TClass* C = this; C; C = C->FParent)
    for (const TMethodInfo& M : C->FMembers.Methods)
      if (M.Code == Code) return &M;
  return nullptr;
}

const TFieldInfo* TClass::FindField(std::string_view Name) const {
  for (const TClass* C = this; C; C = C->FParent)
    for (const auto& F : C->FMembers.Fields)
      if (SameName(F->Name(), Name)) return F.get();
  return nullptr;
}

const TClass* TClass::FindFieldClass(std::string_view ClassName) const {
  for (const TClass* C = this; C; C = C->FParent)
    for (const auto& F : C->FMembers.Fields)
      if (SameName(F->FieldClass().Name(), ClassName)) return &F->FieldClass();
  return nullptr;
}
