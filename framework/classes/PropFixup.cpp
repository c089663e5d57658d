// The pending list is process-wide and has a lock of its own. It is
// recursive because resolving runs property setters, and a setter may
// free a component whose destructor drops its own pending references.
// For the same reason the list is never iterated by index across a
// setter: each round takes a snapshot and checks that an entry is still
// there before it acts on it.
#include "framework/classes/PropFixup.h"

#include "framework/classes/Component.h"
#include "framework/classes/PropInfo.h"
#include "framework/runtime/SysUtils.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

namespace {

struct TPendingReferences {
  std::recursive_mutex Lock;
  std::vector<std::unique_ptr<TPropFixup>> List;
};

TPendingReferences& PropFixupPending() {
  static TPendingReferences Pending;
  return Pending;
}

template <class Pred> void PropFixupDropIf(Pred P) {
  auto& Pending = PropFixupPending();
  std::lock_guard Guard(Pending.Lock);
  auto& L = Pending.List;
  L.erase(std::remove_if(L.begin(), L.end(), [&](const auto& F) { return P(*F); }), L.end());
}

// Takes F out of the list; null when it is no longer there.
std::unique_ptr<TPropFixup> PropFixupTake(const TPropFixup* F) {
  auto& L = PropFixupPending().List;
  auto It = std::find_if(L.begin(), L.end(), [F](const auto& P) { return P.get() == F; });
  if (It == L.end()) return nullptr;
  std::unique_ptr<TPropFixup> Taken = std::move(*It);
  L.erase(It);
  return Taken;
}

void PropFixupMark(TPersistent* Object) {
  if (auto* C = dynamic_cast<TComponent*>(Object)) C->IncludeState(csFixups);
}

} // namespace

TComponent* FindComponentByPath(TComponent* Start, std::string_view Path) {
  if (Path.empty()) return nullptr;
  TComponent* Current = Start;
  while (Current) {
    std::size_t Dot = Path.find('.');
    std::size_t Arrow = Path.find("->");
    std::size_t End = std::min(Dot, Arrow);
    std::string_view Part = Path.substr(0, End);
    if (!SameText(Part, "Owner")) Current = Current->FindComponent(Part);
    if (End == std::string_view::npos) return Current;
    Path.remove_prefix(End + (End == Arrow ? 2 : 1));
  }
  return nullptr;
}

void ResolveLocalReferences(std::vector<TPropFixup>& Fixups) {
  for (TPropFixup& F : Fixups) {
    PropFixupDropIf(
        [&F](const TPropFixup& P) { return P.Instance == F.Instance && P.PropInfo == F.PropInfo; });
    if (TComponent* Found = FindComponentByPath(F.InstanceRoot, F.Name)) {
      F.PropInfo->SetObj(F.Instance, Found);
      continue;
    }
    std::size_t Dot = F.Name.find('.');
    if (Dot == std::string::npos) {
      F.PropInfo->SetObj(F.Instance, nullptr);
      continue;
    }
    auto Global = std::make_unique<TPropFixup>(F);
    Global->RootName = F.Name.substr(0, Dot);
    Global->Name = F.Name.substr(Dot + 1);
    PropFixupMark(Global->Instance);
    PropFixupMark(Global->InstanceRoot);
    auto& Pending = PropFixupPending();
    std::lock_guard Guard(Pending.Lock);
    Pending.List.push_back(std::move(Global));
  }
}

void ResolvePendingReferences(TTopLevelFinder Find) {
  auto& Pending = PropFixupPending();
  std::lock_guard Guard(Pending.Lock);
  std::vector<const TPropFixup*> Snapshot;
  for (const auto& F : Pending.List) Snapshot.push_back(F.get());
  for (const TPropFixup* F : Snapshot) {
    auto Present = std::find_if(Pending.List.begin(), Pending.List.end(),
                                [F](const auto& P) { return P.get() == F; });
    if (Present == Pending.List.end()) continue;
    TComponent* Root = Find ? Find(F->RootName) : nullptr;
    if (!Root && !F->PropInfo->GetObj(F->Instance)) continue;
    std::unique_ptr<TPropFixup> Taken = PropFixupTake(F);
    if (Root) Taken->PropInfo->SetObj(Taken->Instance, FindComponentByPath(Root, Taken->Name));
  }
}

void RemovePendingReferencesOf(TComponent* Root) {
  PropFixupDropIf([Root](const TPropFixup& P) { return P.InstanceRoot == Root; });
}

void RemoveFixupReferences(TComponent* Component) {
  PropFixupDropIf([Component](const TPropFixup& P) {
    return P.InstanceRoot == Component || P.Instance == Component;
  });
}

int PendingReferenceCount() {
  auto& Pending = PropFixupPending();
  std::lock_guard Guard(Pending.Lock);
  return int(Pending.List.size());
}
