// The program module's resource table behind FindResource and friends.
// Entries live in a generation-checked handle table, so an HRSRC or
// HGLOBAL that outlives its registration is answered with "not found".
// Lookups search newest first, which lets a test shadow a resource.
// Registrations happen from static constructors and possibly several
// threads, hence the lock and the never-destroyed instance.
#pragma once

#include "platform/HandleTable.h"
#include "platform/WinTypes.h"

#include <mutex>
#include <string>
#include <vector>

// A resource type or name: a number, or an upper-cased string.
struct TResourceId {
  WORD Id = 0;
  std::string Name;
  friend bool operator==(const TResourceId&, const TResourceId&) = default;
};

struct TResourceEntry {
  TResourceId Type;
  TResourceId Name;
  const void* Data = nullptr;
  DWORD Size = 0;
};

class TResourceRegistry {
public:
  static TResourceRegistry& Instance();

  // Parses a type or name argument; false for null or empty strings and
  // malformed "#number" forms.
  static bool ParseId(LPCSTR Text, TResourceId& Out);

  std::uintptr_t Add(LPCSTR Type, LPCSTR Name, const void* Data, DWORD Size);
  bool Remove(std::uintptr_t Handle);
  std::uintptr_t Find(LPCSTR Type, LPCSTR Name) const;
  // Copies the entry out, since it may be removed once the lock is gone.
  bool Get(std::uintptr_t Handle, TResourceEntry& Out) const;

private:
  TResourceRegistry() = default;

  mutable std::mutex FLock;
  THandleTable<TResourceEntry> FTable;
  std::vector<std::uintptr_t> FOrder;
};
