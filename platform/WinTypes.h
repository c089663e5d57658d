// Basic types of the desktop operations: integer widths, handles, points and
// rectangles. The operations keep the names and values of the desktop the
// program was first written for; handles are opaque tokens that are looked
// up in tables, never dereferenced, so a stale or forged handle is detected
// instead of crashing.
#pragma once

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using INT = int;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;
using LPCSTR = const char*;
using LPSTR = char*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Distinct pointer types per handle kind give type checking at compile time;
// HGDIOBJ and HANDLE accept any of them, as on the original desktop.
#define TAVREL_DECLARE_HANDLE(name)                                                                \
  struct name##__;                                                                                 \
  using name = name##__*
TAVREL_DECLARE_HANDLE(HDC);
TAVREL_DECLARE_HANDLE(HBRUSH);
TAVREL_DECLARE_HANDLE(HPEN);
TAVREL_DECLARE_HANDLE(HFONT);
TAVREL_DECLARE_HANDLE(HBITMAP);
TAVREL_DECLARE_HANDLE(HRGN);
TAVREL_DECLARE_HANDLE(HPALETTE);
TAVREL_DECLARE_HANDLE(HWND);
TAVREL_DECLARE_HANDLE(HMENU);
TAVREL_DECLARE_HANDLE(HICON);
TAVREL_DECLARE_HANDLE(HINSTANCE);
TAVREL_DECLARE_HANDLE(HRSRC);
TAVREL_DECLARE_HANDLE(HGLOBAL);
#undef TAVREL_DECLARE_HANDLE
using HCURSOR = HICON;
using HMODULE = HINSTANCE;
using HGDIOBJ = void*;
using HANDLE = void*;

// A point in pixels. The members carry the framework's names; POINT is the
// same type so no conversion stands between the two layers.
struct TPoint {
  LONG X;
  LONG Y;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle in pixels; Right and Bottom are exclusive.
struct TRect {
  LONG Left;
  LONG Top;
  LONG Right;
  LONG Bottom;
  LONG Width() const { return Right - Left; }
  LONG Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

using POINT = TPoint;
using RECT = TRect;

struct SIZE {
  LONG cx;
  LONG cy;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

inline constexpr TPoint Point(LONG X, LONG Y) { return TPoint{X, Y}; }
inline constexpr TRect Rect(LONG Left, LONG Top, LONG Right, LONG Bottom) {
  return TRect{Left, Top, Right, Bottom};
}

inline constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
inline constexpr BYTE GetRValue(COLORREF c) { return BYTE(c); }
inline constexpr BYTE GetGValue(COLORREF c) { return BYTE(c >> 8); }
inline constexpr BYTE GetBValue(COLORREF c) { return BYTE(c >> 16); }
inline constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
inline constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }

// Rectangle and point helpers of the window manager.
BOOL SetRect(TRect* r, int left, int top, int right, int bottom);
BOOL SetRectEmpty(TRect* r);
BOOL CopyRect(TRect* dst, const TRect* src);
BOOL IsRectEmpty(const TRect* r);
BOOL PtInRect(const TRect* r, TPoint p);
BOOL EqualRect(const TRect* a, const TRect* b);
BOOL InflateRect(TRect* r, int dx, int dy);
BOOL OffsetRect(TRect* r, int dx, int dy);
BOOL IntersectRect(TRect* dst, const TRect* a, const TRect* b);
BOOL UnionRect(TRect* dst, const TRect* a, const TRect* b);
BOOL SubtractRect(TRect* dst, const TRect* a, const TRect* b);
