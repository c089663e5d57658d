#include "framework/menus/PopupList.h"

#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Brush.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/Font.h"
#include "framework/menus/MenuHotkeys.h"
#include "framework/menus/PopupMenu.h"

#include <algorithm>

namespace {

constexpr const char* PopupListWindowClass = "TPUtilWindow";
TPopupList* GPopupList = nullptr;

// A canvas on a borrowed DC with the screen's menu font; the DC's state
// is restored (or the window DC released) on every path.
class TPopupListCanvas {
public:
  TPopupListCanvas(HDC DC, HWND ReleaseTo)
      : FDC(DC), FWindow(ReleaseTo), FCanvas(Create<TCanvas>()) {
    if (!ReleaseTo) FSaved = SaveDC(DC);
    FCanvas->SetHandle(DC);
    if (Screen && Screen->GetMenuFont()) FCanvas->GetFont()->Assign(Screen->GetMenuFont());
  }
  ~TPopupListCanvas() {
    FCanvas->SetHandle(nullptr);
    FCanvas->Free();
    if (FWindow)
      ReleaseDC(FWindow, FDC);
    else
      RestoreDC(FDC, FSaved);
  }
  TPopupListCanvas(const TPopupListCanvas&) = delete;
  TPopupListCanvas& operator=(const TPopupListCanvas&) = delete;
  TCanvas* operator->() const { return FCanvas; }
  TCanvas* Get() const { return FCanvas; }

private:
  HDC FDC;
  HWND FWindow;
  TCanvas* FCanvas;
  int FSaved = 0;
};

std::string PopupListLongHint(const std::string& Hint) {
  std::size_t Bar = Hint.find('|');
  return Bar == std::string::npos ? Hint : Hint.substr(Bar + 1);
}

char PopupListUpper(char C) { return C >= 'a' && C <= 'z' ? char(C - 'a' + 'A') : C; }

} // namespace

TPopupList& TPopupList::Instance() {
  if (!GPopupList) GPopupList = new TPopupList;
  return *GPopupList;
}

bool TPopupList::Exists() { return GPopupList != nullptr; }

void TPopupList::FreeInstance() {
  delete GPopupList;
  GPopupList = nullptr;
}

void TPopupList::Remove(TPopupMenu* Menu) {
  if (!GPopupList) return;
  auto& List = GPopupList->FMenus;
  List.erase(std::remove(List.begin(), List.end(), Menu), List.end());
}

TPopupList::~TPopupList() {
  if (FWindow && IsWindow(FWindow)) DestroyWindow(FWindow);
  UnregisterClass(PopupListWindowClass, nullptr);
}

void TPopupList::Add(TPopupMenu* Menu) {
  if (std::find(FMenus.begin(), FMenus.end(), Menu) == FMenus.end()) FMenus.push_back(Menu);
}

HWND TPopupList::GetWindow() {
  if (FWindow && IsWindow(FWindow)) return FWindow;
  WNDCLASSA Wc{};
  if (!GetClassInfo(nullptr, PopupListWindowClass, &Wc)) {
    Wc = WNDCLASSA{};
    Wc.lpfnWndProc = &TPopupList::WindowProc;
    Wc.lpszClassName = PopupListWindowClass;
    RegisterClass(&Wc);
  }
  FWindow = CreateWindowEx(0, PopupListWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           nullptr, nullptr);
  return FWindow;
}

// An exception must not unwind through the desktop's menu loop: the
// application shows it and the message counts as handled.
LRESULT TPopupList::WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!GPopupList || GPopupList->FWindow != Wnd) return DefWindowProc(Wnd, Msg, WParam, LParam);
  try {
    return GPopupList->HandleMessage(Msg, WParam, LParam);
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(nullptr);
    return 0;
  }
}

LRESULT TPopupList::HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_MEASUREITEM: {
    auto* Measure = reinterpret_cast<MEASUREITEMSTRUCT*>(LParam);
    if (!Measure || Measure->CtlType != ODT_MENU || !FindItem(Measure->itemID)) break;
    MeasureItem(*Measure);
    return TRUE;
  }
  case WM_DRAWITEM: {
    auto* Draw = reinterpret_cast<const DRAWITEMSTRUCT*>(LParam);
    if (!Draw || Draw->CtlType != ODT_MENU || !Draw->hDC || !FindItem(Draw->itemID)) break;
    DrawItem(*Draw);
    return TRUE;
  }
  case WM_COMMAND:
    // The click may free menus: the list is not walked further.
    for (std::size_t I = 0; I < FMenus.size(); ++I)
      if (FMenus[I]->DispatchCommand(LOWORD(WParam))) return 0;
    break;
  case WM_INITMENUPOPUP:
    for (std::size_t I = 0; I < FMenus.size(); ++I)
      if (FMenus[I]->DispatchPopup(reinterpret_cast<HMENU>(WParam))) return 0;
    break;
  case WM_MENUSELECT: MenuSelect(WParam, LParam); return 0;
  case WM_MENUCHAR: return MenuChar(WParam, LParam);
  default: break;
  }
  return DefWindowProc(FWindow, Msg, WParam, LParam);
}

TMenuItem* TPopupList::FindItem(UINT Command) const {
  if (Command > 0xFFFF) return nullptr;
  for (TPopupMenu* Menu : FMenus)
    if (TMenuItem* Item = Menu->FindItem(Command, fkCommand)) return Item;
  return nullptr;
}

TMenuItem* TPopupList::FindItemByHandle(HMENU Menu) const {
  if (!Menu) return nullptr;
  for (TPopupMenu* Popup : FMenus) {
    TMenuItem* Root = Popup->GetItems();
    if (Root->HandleAllocated() && Root->GetHandle() == Menu) return Root;
    if (TMenuItem* Item = Popup->FindItem(reinterpret_cast<std::uintptr_t>(Menu), fkHandle))
      return Item;
  }
  return nullptr;
}

void TPopupList::MeasureItem(MEASUREITEMSTRUCT& Measure) {
  TMenuItem* Item = FindItem(Measure.itemID);
  TPopupListCanvas Canvas(GetDC(FWindow), FWindow);
  int Width = int(Measure.itemWidth), Height = int(Measure.itemHeight);
  Item->MeasureItem(Canvas.Get(), Width, Height);
  Measure.itemWidth = UINT(std::max(Width, 0));
  Measure.itemHeight = UINT(std::max(Height, 0));
}

void TPopupList::DrawItem(const DRAWITEMSTRUCT& Draw) {
  TMenuItem* Item = FindItem(Draw.itemID);
  TPopupListCanvas Canvas(Draw.hDC, nullptr);
  auto State = TOwnerDrawState::FromBits(Draw.itemState & 0xFFFF);
  bool Bar = Item->IsBarItem();
  if (State.Contains(odSelected) && !Bar) {
    Canvas->GetBrush()->SetColor(clHighlight);
    Canvas->GetFont()->SetColor(clHighlightText);
  } else {
    Canvas->GetBrush()->SetColor(clMenu);
    Canvas->GetFont()->SetColor(State.Contains(odInactive) ? clGrayText : clMenuText);
  }
  Item->AdvancedDrawItem(Canvas.Get(), Draw.rcItem, State, Bar);
}

// A selection of an entry that opens a sub-menu names its position; the
// menu closing (flags 0xFFFF, no menu) clears the hint.
void TPopupList::MenuSelect(WPARAM WParam, LPARAM LParam) {
  WORD Id = LOWORD(WParam), Flags = HIWORD(WParam);
  auto Menu = reinterpret_cast<HMENU>(LParam);
  TMenuItem* Item = nullptr;
  if (!(Flags == 0xFFFF && !Menu)) {
    if (Flags & MF_POPUP)
      Item = Menu ? FindItemByHandle(GetSubMenu(Menu, Id)) : nullptr;
    else
      Item = FindItem(Id);
  }
  if (Application) Application->SetHint(Item ? PopupListLongHint(Item->GetHint()) : "");
}

LRESULT TPopupList::MenuChar(WPARAM WParam, LPARAM LParam) {
  char Key = PopupListUpper(char(LOWORD(WParam) & 0xFF));
  TMenuItem* Parent = FindItemByHandle(reinterpret_cast<HMENU>(LParam));
  std::vector<int> Positions;
  if (Key == 0) Parent = nullptr;
  for (int I = 0, N = Parent ? Parent->GetCount() : 0; I < N; ++I) {
    TMenuItem* Item = Parent->GetItem(I);
    if (!Item->GetVisible() || !Item->GetEnabled() || Item->IsLine()) continue;
    if (PopupListUpper(MenuHotkeyOf(Item->GetCaption())) != Key) continue;
    int Pos = Item->NativePosition();
    if (Pos >= 0) Positions.push_back(Pos);
  }
  if (Positions.empty()) return DefWindowProc(FWindow, WM_MENUCHAR, WParam, LParam);
  LRESULT Kind = Positions.size() == 1 ? MNC_EXECUTE : MNC_SELECT;
  return (Kind << 16) | LRESULT(Positions.front());
}
