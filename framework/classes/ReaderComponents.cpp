// Component entries: the class lookup, creation with the reader's Owner,
// the parent and name, the component's own content, and its place in the
// list of components whose Loaded is due. A component this reader made
// is freed again when anything about its entry fails, so a broken
// definition leaves nothing half-read behind in the owner.
#include "framework/classes/Reader.h"

#include "framework/classes/Class.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Component.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

#include <algorithm>

namespace {

// Restores a reader's Parent and LookupRoot however an entry ends.
class TReaderEntryScope {
public:
  explicit TReaderEntryScope(TReader& Reader)
      : FReader(Reader), FParent(Reader.GetParent()), FLookupRoot(Reader.GetLookupRoot()) {}
  ~TReaderEntryScope() {
    FReader.SetParent(FParent);
    FReader.SetLookupRoot(FLookupRoot);
  }
  TReaderEntryScope(const TReaderEntryScope&) = delete;
  TReaderEntryScope& operator=(const TReaderEntryScope&) = delete;

private:
  TReader& FReader;
  TComponent* FParent;
  TComponent* FLookupRoot;
};

const TClass* ReaderFieldOrRegistered(const TComponent* Root, std::string_view ClassName) {
  if (!Root) return GetClass(ClassName);
  if (const TClass* C = Root->ClassType().FindFieldClass(ClassName)) return C;
  return GetClass(ClassName);
}

} // namespace

const TClass& TReader::FindComponentClass(std::string_view ClassName) const {
  const TClass* Found = ReaderFieldOrRegistered(FRoot, ClassName);
  if (!Found && FLookupRoot && FLookupRoot != FRoot)
    Found = ReaderFieldOrRegistered(FLookupRoot, ClassName);
  if (!Found || !Found->InheritsFrom(TComponent::StaticClass()))
    throw EClassNotFound(SClassNotFound, {ClassName});
  return *Found;
}

void TReader::ReadData(TComponent* Instance) {
  bool Outermost = !FFixups;
  if (Outermost) FFixups = std::make_unique<std::vector<TPropFixup>>();
  try {
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
    TComponent* OldParent = FParent;
    TComponent* OldOwner = FOwner;
    FParent = Instance->GetChildParent();
    FOwner = Instance->GetChildOwner();
    if (!FOwner) FOwner = FRoot;
    try {
      while (!EndOfList()) ReadComponent();
      ReadListEnd();
    } catch (...) {
      FParent = OldParent;
      FOwner = OldOwner;
      throw;
    }
    FParent = OldParent;
    FOwner = OldOwner;
    if (Outermost) ResolveLocalReferences(*FFixups);
  } catch (...) {
    if (Outermost) {
      FFixups.reset();
      FFixupScopes.clear();
    }
    throw;
  }
  if (Outermost) {
    FFixups.reset();
    FFixupScopes.clear();
  }
}

TComponent* TReader::CreateComponent(std::uint8_t Flags, std::string_view ClassName) {
  const TClass& Class = FindComponentClass(ClassName);
  TObject* Made = Class.Create(FOwner);
  auto* Result = dynamic_cast<TComponent*>(Made);
  if (!Result) {
    Made->Free();
    throw EClassNotFound(SClassNotFound, {ClassName});
  }
  if (Flags & pfInline) Result->IncludeState(csInline);
  return Result;
}

TComponent* TReader::ReadComponent() {
  TReaderNesting Level(*this);
  std::uint8_t Flags;
  int ChildPos;
  ReadPrefix(Flags, ChildPos);
  std::string ClassName = ReadStr();
  std::string Name = ReadStr();
  TReaderEntryScope Scope(*this);
  TComponent* Result = nullptr;
  bool Created = false;
  try {
    if (Flags & pfInherited) {
      Result = FLookupRoot ? FLookupRoot->FindComponent(Name) : nullptr;
      if (!Result) throw EReadError(SAncestorNotFound, {Name});
      FParent = Result->GetParentComponent();
      if (!FParent) FParent = FRoot;
    } else {
      Result = CreateComponent(Flags, ClassName);
      Created = true;
    }
    Result->IncludeState(csLoading);
    if (!(Flags & pfInherited)) {
      Result->SetParentComponent(FParent);
      Result->SetName(Name);
    }
    ReadComponentBody(Result, Flags, ChildPos);
  } catch (...) {
    if (Created) Result->Free();
    throw;
  }
  return Result;
}

void TReader::ReadComponentBody(TComponent* Result, std::uint8_t Flags, int ChildPos) {
  TComponent* Parent = FParent;
  if (Flags & pfInline) FLookupRoot = Result;
  Result->IncludeState(csReading);
  Result->ReadContent(*this);
  Result->ExcludeState(csReading);
  if ((Flags & pfChildPos) && Parent) Parent->SetChildOrder(Result, ChildPos);
  if (!FLoaded) return;
  bool Known = (Flags & (pfInherited | pfInline)) &&
               std::find(FLoaded->begin(), FLoaded->end(), Result) != FLoaded->end();
  if (!Known) FLoaded->push_back(Result);
}
