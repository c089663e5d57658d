// Window and menu reports; see DriveReport.h.
#include "tools/drive/DriveReport.h"

#include "framework/controls/WinControl.h"
#include "platform/headless/HeadlessDesktop.h"
#include "platform/headless/WindowDump.h"
#include "tools/drive/DriveLine.h"

namespace {

constexpr const char* kDriveMenuClass = "#32768";

std::string DriveReportAlpha(HWND Wnd) {
  COLORREF Key = 0;
  BYTE Alpha = 255;
  DWORD Flags = 0;
  if (!(GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_LAYERED) ||
      !GetLayeredWindowAttributes(Wnd, &Key, &Alpha, &Flags) || !(Flags & LWA_ALPHA))
    return "none";
  return std::to_string(Alpha);
}

TRect DriveReportRect(HWND Wnd) {
  TRect R{0, 0, 0, 0};
  if (IsIconic(Wnd))
    if (THeadlessDesktop* Desk = THeadlessDesktop::Current()) {
      R = Desk->MinimizedBar(Wnd);
      if (!IsRectEmpty(&R)) return R;
    }
  GetWindowRect(Wnd, &R);
  return R;
}

std::string DriveReportName(HWND Wnd) {
  TWinControl* Control = TWinControl::FindControl(Wnd);
  return Control ? Control->GetName() : std::string();
}

// A copy: reading a window's text runs its procedure, which may restack.
std::vector<HWND> DriveReportZOrder() {
  THeadlessDesktop* Desk = THeadlessDesktop::Current();
  return Desk ? Desk->TopLevelWindows() : std::vector<HWND>{};
}

std::string DriveReportItemText(HMENU Menu, UINT Pos) {
  int Len = GetMenuString(Menu, Pos, nullptr, 0, MF_BYPOSITION);
  if (Len <= 0) return {};
  std::string S(std::size_t(Len) + 1, '\0');
  int Got = GetMenuString(Menu, Pos, S.data(), Len + 1, MF_BYPOSITION);
  S.resize(std::size_t(Got > 0 ? Got : 0));
  return S;
}

} // namespace

std::string TDriveReport::WindowLine(HWND Wnd) {
  TDriveLine L;
  L.Add("window", WindowDumpHandle(Wnd))
      .Add("class", WindowDumpClass(Wnd))
      .Add("name", DriveReportName(Wnd))
      .Text("caption", WindowDumpCaption(Wnd))
      .Rect("rect", DriveReportRect(Wnd))
      .Flag("visible", IsWindowVisible(Wnd) != FALSE)
      .Flag("enabled", IsWindowEnabled(Wnd) != FALSE)
      .Flag("topmost", (GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
      .Add("state", IsIconic(Wnd) ? "minimized" : "normal")
      .Add("alpha", DriveReportAlpha(Wnd))
      .Add("region", DumpWindowRegion(Wnd));
  return L.Str();
}

std::vector<std::string> TDriveReport::Windows() {
  std::vector<std::string> Lines;
  const std::vector<HWND> Order = DriveReportZOrder();
  for (HWND Wnd : Order)
    if (IsWindow(Wnd)) Lines.push_back(WindowLine(Wnd));
  return Lines;
}

std::string TDriveReport::ItemLine(HWND Wnd, HMENU Menu, UINT Pos) {
  MENUITEMINFOA Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
  GetMenuItemInfo(Menu, Pos, TRUE, &Info);
  TRect R{0, 0, 0, 0};
  GetMenuItemRect(Wnd, Menu, Pos, &R);
  TDriveLine L;
  L.Add("item", static_cast<long long>(Pos))
      .Text("text", DriveReportItemText(Menu, Pos))
      .Rect("rect", R)
      .Flag("checked", (Info.fState & MFS_CHECKED) != 0)
      .Flag("default", (Info.fState & MFS_DEFAULT) != 0)
      .Flag("separator", (Info.fType & MFT_SEPARATOR) != 0)
      .Flag("submenu", Info.hSubMenu != nullptr)
      .Flag("selected", (Info.fState & MFS_HILITE) != 0);
  return L.Str();
}

// Sub-menus open above the menu they come from, so the stacking order
// read from the bottom up gives the cascade from the outermost menu in.
std::vector<std::string> TDriveReport::Menus() {
  std::vector<std::string> Lines;
  const std::vector<HWND> Order = DriveReportZOrder();
  for (auto It = Order.rbegin(); It != Order.rend(); ++It) {
    HWND Wnd = *It;
    if (!IsWindowVisible(Wnd) || WindowDumpClass(Wnd) != kDriveMenuClass) continue;
    Lines.push_back(WindowLine(Wnd));
    HMENU Menu = reinterpret_cast<HMENU>(SendMessage(Wnd, MN_GETHMENU, 0, 0));
    int Count = Menu ? GetMenuItemCount(Menu) : 0;
    for (int I = 0; I < Count; ++I) Lines.push_back(ItemLine(Wnd, Menu, UINT(I)));
  }
  return Lines;
}
