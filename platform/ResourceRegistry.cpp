// Registry of the program's resources; see ResourceRegistry.h.
#include "platform/ResourceRegistry.h"

#include <algorithm>
#include <memory>

TResourceRegistry& TResourceRegistry::Instance() {
  // Never destroyed: destructors of other statics may still look up
  // resources while the program exits.
  static TResourceRegistry* Registry = new TResourceRegistry;
  return *Registry;
}

bool TResourceRegistry::ParseId(LPCSTR Text, TResourceId& Out) {
  Out = TResourceId{};
  if (!Text) return false;
  std::uintptr_t Raw = reinterpret_cast<std::uintptr_t>(Text);
  if ((Raw >> 16) == 0) {
    Out.Id = WORD(Raw);
    return true;
  }
  if (!*Text) return false;
  if (Text[0] == '#') {
    unsigned Value = 0;
    const char* P = Text + 1;
    for (; *P >= '0' && *P <= '9' && Value <= 65535; ++P) Value = Value * 10 + unsigned(*P - '0');
    if (P == Text + 1 || *P || Value == 0 || Value > 65535) return false;
    Out.Id = WORD(Value);
    return true;
  }
  for (const char* P = Text; *P; ++P)
    Out.Name += (*P >= 'a' && *P <= 'z') ? char(*P - 'a' + 'A') : *P;
  return true;
}

std::uintptr_t TResourceRegistry::Add(LPCSTR Type, LPCSTR Name, const void* Data, DWORD Size) {
  auto Entry = std::make_unique<TResourceEntry>();
  if (!ParseId(Type, Entry->Type) || !ParseId(Name, Entry->Name)) return 0;
  if (!Data && Size) return 0;
  Entry->Data = Data;
  Entry->Size = Size;
  std::lock_guard Guard(FLock);
  std::uintptr_t Handle = FTable.Add(std::move(Entry));
  FOrder.push_back(Handle);
  return Handle;
}

bool TResourceRegistry::Remove(std::uintptr_t Handle) {
  std::lock_guard Guard(FLock);
  if (!FTable.Remove(Handle)) return false;
  FOrder.erase(std::find(FOrder.begin(), FOrder.end(), Handle));
  return true;
}

std::uintptr_t TResourceRegistry::Find(LPCSTR Type, LPCSTR Name) const {
  TResourceId T, N;
  if (!ParseId(Type, T) || !ParseId(Name, N)) return 0;
  std::lock_guard Guard(FLock);
  for (auto It = FOrder.rbegin(); It != FOrder.rend(); ++It) {
    const TResourceEntry* E = FTable.Find(*It);
    if (E && E->Type == T && E->Name == N) return *It;
  }
  return 0;
}

bool TResourceRegistry::Get(std::uintptr_t Handle, TResourceEntry& Out) const {
  std::lock_guard Guard(FLock);
  const TResourceEntry* E = FTable.Find(Handle);
  if (!E) return false;
  Out = *E;
  return true;
}
