// Module resources: bitmaps, icons, data files and strings compiled into
// the program by rescomp (or registered by tests), looked up by type and
// name as on the original desktop. There is one module, the program
// (HInstance); a null module handle means the same.
//
// Differences from the original desktop, on purpose:
// - Each string is its own RT_STRING resource named MAKEINTRESOURCE(id)
//   and holds UTF-8 bytes without terminator, instead of bundles of 16
//   UTF-16 strings: several scripts (the framework's, the program's)
//   register into the one module, and bundles would collide whenever two
//   scripts used ids from the same block of 16. String id 0 does not exist.
// - ICON statements keep the whole .ico file as an RT_ICONFILE resource
//   rather than splitting it into RT_GROUP_ICON and numbered RT_ICON
//   images, whose numbers would likewise collide between scripts.
// - Resource data is read-only, so LockResource returns const void*.
#pragma once

#include "platform/WinTypes.h"

inline LPCSTR MAKEINTRESOURCE(WORD Id) {
  return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(Id));
}
inline bool IS_INTRESOURCE(LPCSTR Name) {
  return (reinterpret_cast<std::uintptr_t>(Name) >> 16) == 0;
}

// Macros, as on the original desktop, so that they are usable from the
// static constructors of generated code without initialisation-order
// concerns.
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_ICONFILE MAKEINTRESOURCE(256)

// The program's module handle.
extern const HINSTANCE HInstance;

// Names and types are numbers (MAKEINTRESOURCE, or a string "#123") or
// strings compared without regard to ASCII case. Missing resources and
// foreign module handles give null.
HRSRC FindResource(HMODULE Module, LPCSTR Name, LPCSTR Type);
HGLOBAL LoadResource(HMODULE Module, HRSRC Res);
const void* LockResource(HGLOBAL Data);
DWORD SizeofResource(HMODULE Module, HRSRC Res);
// Resources stay loaded for the program's life; returns FALSE as the
// original does.
BOOL FreeResource(HGLOBAL Data);

// Copies string Id into Buffer, truncated to BufferMax - 1 bytes at a
// character boundary and zero-terminated; returns the bytes copied, 0 when
// the string is missing or the buffer unusable.
int LoadString(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax);

// A DIB section made from the RT_BITMAP resource Name; null when missing
// or malformed.
HBITMAP LoadBitmap(HINSTANCE Instance, LPCSTR Name);

// Adds a resource to the program's module. The bytes are not copied: they
// must stay valid until the registration is removed (generated data is
// static). A later registration of the same type and name hides the
// earlier one until it is removed. Returns null for a bad type or name.
HANDLE RegisterResource(LPCSTR Type, LPCSTR Name, const void* Data, DWORD Size);
BOOL UnregisterResource(HANDLE Registration);
