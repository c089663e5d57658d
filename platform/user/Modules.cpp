// Run-time lookup of optional entry points. Programs written for the
// original desktop probe "user32.dll" for functions older versions lacked;
// here the window layer is that library. Which optional entries exist
// depends on the desktop in use: SetLayeredWindowAttributes only when the
// desktop can apply a constant per-window alpha, so a program that tests
// the lookup degrades exactly as it would on a system without it.
#include "platform/WinUser.h"

#include "platform/Backend.h"

#include <cstdint>
#include <cstring>

namespace {

// The window layer is loaded for the life of the process, so one token
// stands for every reference LoadLibrary hands out.
char User32Token;

HMODULE User32() { return reinterpret_cast<HMODULE>(&User32Token); }

bool EqualNoCase(const char* A, const char* B) {
  for (; *A && *B; ++A, ++B) {
    char X = *A >= 'A' && *A <= 'Z' ? char(*A - 'A' + 'a') : *A;
    char Y = *B >= 'A' && *B <= 'Z' ? char(*B - 'A' + 'a') : *B;
    if (X != Y) return false;
  }
  return *A == *B;
}

// GetProcAddress also takes an ordinal in the low word of the name
// pointer; such a value must never be read as a string.
bool IsOrdinal(LPCSTR Name) { return reinterpret_cast<std::uintptr_t>(Name) <= 0xFFFF; }

} // namespace

HMODULE LoadLibrary(LPCSTR name) {
  if (!name) return nullptr;
  if (EqualNoCase(name, "user32.dll") || EqualNoCase(name, "user32")) return User32();
  return nullptr;
}

void* GetProcAddress(HMODULE module, LPCSTR name) {
  if (module != User32() || IsOrdinal(name)) return nullptr;
  if (std::strcmp(name, "SetLayeredWindowAttributes") == 0 && Backend().SupportsConstantAlpha())
    return reinterpret_cast<void*>(&::SetLayeredWindowAttributes);
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) { return module == User32() ? TRUE : FALSE; }
