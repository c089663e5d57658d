// Every value is read through the public operations, so the dump shows
// what a program would see, not the window layer's private fields.
#include "platform/headless/WindowDump.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Region.h"
#include "platform/user/WindowManager.h"

#include <cinttypes>
#include <cstdio>

namespace {

// Deeper nesting than this is a loop in a corrupted tree, not a window.
constexpr int kMaxDepth = 64;

std::string LayeredText(HWND Wnd) {
  COLORREF Key = 0;
  BYTE Alpha = 255;
  DWORD Flags = 0;
  bool Layered = (GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_LAYERED) &&
                 GetLayeredWindowAttributes(Wnd, &Key, &Alpha, &Flags);
  if (!Layered) Flags = 0;
  std::string S = " alpha=" + ((Flags & LWA_ALPHA) ? std::to_string(Alpha) : "none");
  S += " colorkey=";
  if (Flags & LWA_COLORKEY)
    S += std::to_string(GetRValue(Key)) + "," + std::to_string(GetGValue(Key)) + "," +
         std::to_string(GetBValue(Key));
  else
    S += "none";
  return S;
}

std::string RegionText(HWND Wnd) {
  HRGN Rgn = CreateRectRgn(0, 0, 0, 0);
  std::string S;
  if (GetWindowRgn(Wnd, Rgn) == ERROR) {
    S = "none";
  } else if (const auto* R = GdiFind<TGdiRegion>(Rgn, OBJ_REGION)) {
    for (const TRect& Part : R->Data.Rects()) S += (S.empty() ? "" : ";") + WindowDumpRect(Part);
    if (S.empty()) S = "empty";
  }
  DeleteObject(Rgn);
  return S;
}

void DumpTree(HWND Wnd, int Depth, std::string& Out) {
  Out.append(std::size_t(Depth) * 2, ' ');
  Out += DumpWindowLine(Wnd);
  Out += '\n';
  if (Depth >= kMaxDepth) return;
  for (HWND C = GetWindow(Wnd, GW_CHILD); C; C = GetWindow(C, GW_HWNDNEXT))
    DumpTree(C, Depth + 1, Out);
}

} // namespace

std::string WindowDumpHandle(const void* Handle) {
  char Buf[32];
  std::snprintf(Buf, sizeof Buf, "0x%" PRIxPTR, reinterpret_cast<std::uintptr_t>(Handle));
  return Buf;
}

std::string WindowDumpQuote(const std::string& Text) {
  std::string Out = "\"";
  for (char C : Text) {
    if (C == '"' || C == '\\')
      Out += '\\', Out += C;
    else if (C == '\n')
      Out += "\\n";
    else if (C == '\r')
      Out += "\\r";
    else
      Out += C;
  }
  return Out + '"';
}

std::string WindowDumpRect(const TRect& R) {
  return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) +
         "," + std::to_string(R.Bottom);
}

std::string WindowDumpClass(HWND Wnd) {
  char Buf[256] = {};
  GetClassName(Wnd, Buf, int(sizeof Buf));
  return Buf;
}

std::string WindowDumpCaption(HWND Wnd) {
  int Len = GetWindowTextLength(Wnd);
  if (Len <= 0) return {};
  std::string S(std::size_t(Len) + 1, '\0');
  int Got = GetWindowText(Wnd, S.data(), Len + 1);
  S.resize(std::size_t(Got > 0 ? Got : 0));
  return S;
}

std::string DumpWindowLine(HWND Wnd) {
  if (!IsWindow(Wnd)) return {};
  TRect R{0, 0, 0, 0};
  GetWindowRect(Wnd, &R);
  LONG_PTR Ex = GetWindowLong(Wnd, GWL_EXSTYLE);
  bool Child = (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD) != 0;
  HWND Owner = Child ? nullptr : GetWindow(Wnd, GW_OWNER);
  return "hwnd=" + WindowDumpHandle(Wnd) + " class=" + WindowDumpClass(Wnd) +
         " caption=" + WindowDumpQuote(WindowDumpCaption(Wnd)) + " rect=" + WindowDumpRect(R) +
         " visible=" + (IsWindowVisible(Wnd) ? "1" : "0") +
         " enabled=" + (IsWindowEnabled(Wnd) ? "1" : "0") +
         " topmost=" + ((Ex & WS_EX_TOPMOST) ? "1" : "0") + LayeredText(Wnd) +
         " region=" + RegionText(Wnd) + " owner=" + WindowDumpHandle(Owner) +
         " minimized=" + (IsIconic(Wnd) ? "1" : "0");
}

std::string DumpWindowRegion(HWND Wnd) { return IsWindow(Wnd) ? RegionText(Wnd) : "none"; }

std::string DumpWindowTree() {
  std::string Out;
  const std::vector<HWND> Order = WmZOrder();
  for (HWND Wnd : Order)
    if (IsWindow(Wnd)) DumpTree(Wnd, 0, Out);
  return Out;
}
