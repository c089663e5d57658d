// The process-wide side of reading definitions: the name-space lock, the
// global loading list and the way from a class to its definition. The
// lock counts its depth per thread, so a thread that holds it may take it
// again without deadlock; only the outermost taking locks the mutex.
#include "framework/forms/FormLoader.h"

#include "framework/classes/Class.h"
#include "framework/classes/Component.h"
#include "framework/classes/PropFixup.h"
#include "framework/classes/Reader.h"
#include "framework/classes/ResourceStream.h"
#include "framework/forms/CustomForm.h"
#include "framework/forms/DataModule.h"
#include "framework/forms/Screen.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/SysUtils.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <memory>
#include <shared_mutex>

namespace {

std::shared_mutex& FormLoaderNameSpace() {
  static std::shared_mutex Lock;
  return Lock;
}
thread_local int GFormLoaderLockDepth = 0;
thread_local bool GFormLoaderLockExclusive = false;

using TFormLoaderLevel = std::vector<TComponent*>;

// Guarded by the name-space lock.
std::vector<std::unique_ptr<TFormLoaderLevel>>& FormLoaderLevels() {
  static std::vector<std::unique_ptr<TFormLoaderLevel>> Levels;
  return Levels;
}

void FormLoaderUnlock() {
  if (--GFormLoaderLockDepth > 0) return;
  if (GFormLoaderLockExclusive)
    FormLoaderNameSpace().unlock();
  else
    FormLoaderNameSpace().unlock_shared();
}

// Name itself unless another top-level object has it; otherwise the first
// free of "Name_1", "Name_2", ...
std::string FormLoaderUniqueName(TComponent* Root, const std::string& Name) {
  std::string Result = Name;
  for (int I = 1;; ++I) {
    TComponent* Other = FindTopLevelComponent(Result);
    if (!Other || Other == Root) return Result;
    Result = Format(LoadResString(SUniqueRootName), {Name, I});
  }
}

bool FormLoaderReadClass(TComponent* Instance, const TClass& Class) {
  std::string ResName = UpperCase(Class.Name());
  if (!FindResource(HInstance, ResName.c_str(), RT_RCDATA)) return false;
  TResourceStream Stream(HInstance, ResName, RT_RCDATA);
  TReader Reader(Stream);
  ReadFormStream(Reader, Instance);
  return true;
}

void FormLoaderReadRoot(TReader& Reader, TComponent* Root) {
  std::uint8_t Flags;
  int ChildPos;
  Reader.ReadPrefix(Flags, ChildPos);
  Reader.ReadStr();
  std::string Name = Reader.ReadStr();
  if (!Root->ComponentState().Contains(csDesigning)) {
    Root->IncludeState(csLoading);
    Root->IncludeState(csReading);
    if (!Name.empty()) Root->SetName(FormLoaderUniqueName(Root, Name));
  }
  Reader.SetRoot(Root);
  Reader.SetLookupRoot(Root);
  Reader.SetOwner(Root);
  TFormLoaderLevel Own;
  TFormLoaderLevel* Loaded = GlobalLoadingList();
  if (!Loaded) Loaded = &Own;
  if (std::find(Loaded->begin(), Loaded->end(), Root) == Loaded->end()) Loaded->push_back(Root);
  Reader.SetLoadedList(Loaded);
  Root->IncludeState(csLoading);
  Root->IncludeState(csReading);
  Root->ReadContent(Reader);
  Root->ExcludeState(csReading);
  Reader.SetLoadedList(nullptr);
  if (Loaded == &Own)
    for (TComponent* C : Own) C->Loaded();
}

} // namespace

TNameSpaceWriteLock::TNameSpaceWriteLock() {
  if (GFormLoaderLockDepth++ > 0) return;
  FormLoaderNameSpace().lock();
  GFormLoaderLockExclusive = true;
}

TNameSpaceWriteLock::~TNameSpaceWriteLock() { FormLoaderUnlock(); }

TNameSpaceReadLock::TNameSpaceReadLock() {
  if (GFormLoaderLockDepth++ > 0) return;
  FormLoaderNameSpace().lock_shared();
  GFormLoaderLockExclusive = false;
}

TNameSpaceReadLock::~TNameSpaceReadLock() { FormLoaderUnlock(); }

void BeginGlobalLoading() { FormLoaderLevels().push_back(std::make_unique<TFormLoaderLevel>()); }

// By index: a Loaded that reads another definition may add to the level.
void NotifyGlobalLoading() {
  TFormLoaderLevel* Level = GlobalLoadingList();
  if (!Level) return;
  for (std::size_t I = 0; I < Level->size(); ++I) (*Level)[I]->Loaded();
}

void EndGlobalLoading() {
  auto& Levels = FormLoaderLevels();
  if (!Levels.empty()) Levels.pop_back();
}

std::vector<TComponent*>* GlobalLoadingList() {
  auto& Levels = FormLoaderLevels();
  return Levels.empty() ? nullptr : Levels.back().get();
}

TComponent* FindTopLevelComponent(std::string_view Name) {
  if (!Screen || Name.empty()) return nullptr;
  TNameSpaceReadLock Lock;
  for (int I = 0; I < Screen->FormCount(); ++I) {
    TCustomForm* F = Screen->Forms(I);
    if (!F->ComponentState().Contains(csInline) && SameText(F->GetName(), Name)) return F;
  }
  for (int I = 0; I < Screen->DataModuleCount(); ++I) {
    TDataModule* M = Screen->DataModules(I);
    if (SameText(M->GetName(), Name)) return M;
  }
  return nullptr;
}

TComponent* ReadFormStream(TReader& Reader, TComponent* Root) {
  Reader.ReadSignature();
  TNameSpaceWriteLock Lock;
  try {
    FormLoaderReadRoot(Reader, Root);
    TComponent* Owner = Root->Owner();
    if (!Owner || !Owner->ComponentState().Contains(csReading))
      ResolvePendingReferences(&FindTopLevelComponent);
  } catch (...) {
    Reader.SetLoadedList(nullptr);
    Root->ExcludeState(csReading);
    RemovePendingReferencesOf(Root);
    throw;
  }
  return Root;
}

bool LoadFormDefinition(TComponent* Instance, const TClass& RootAncestor) {
  TNameSpaceWriteLock Lock;
  TComponentState State = Instance->ComponentState();
  bool Local = !State.Contains(csLoading) && !State.Contains(csInline);
  if (Local) BeginGlobalLoading();
  bool Found = false;
  try {
    std::vector<const TClass*> Chain;
    for (const TClass* C = &Instance->ClassType();
         C && C != &RootAncestor && C != &TComponent::StaticClass(); C = C->Parent())
      Chain.push_back(C);
    for (auto It = Chain.rbegin(); It != Chain.rend(); ++It)
      Found = FormLoaderReadClass(Instance, **It) || Found;
    if (Local) NotifyGlobalLoading();
  } catch (...) {
    if (Local) EndGlobalLoading();
    throw;
  }
  if (Local) EndGlobalLoading();
  return Found;
}
