// The menu handle table and the operations on whole menus; see
// MenuTable.h.
#include "platform/user/MenuTable.h"

#include <memory>

namespace {

// Deeper trees than this are refused by the walks instead of exhausting
// the stack; no menu a person can use comes near it.
constexpr int kMenuTableMaxDepth = 256;

} // namespace

TMenuTable& TMenuTable::Instance() {
  static TMenuTable Table;
  return Table;
}

HMENU TMenuTable::Create(bool Popup) {
  auto M = std::make_unique<TMenu>();
  M->Popup = Popup;
  return reinterpret_cast<HMENU>(FTable.Add(std::move(M)));
}

TMenuTable::TMenu* TMenuTable::Find(HMENU Menu) const {
  return FTable.Find(reinterpret_cast<std::uintptr_t>(Menu));
}

bool TMenuTable::Destroy(HMENU Menu) {
  if (!Find(Menu)) return false;
  // A work list rather than recursion: a long chain of sub-menus must not
  // exhaust the stack.
  std::vector<HMENU> Work{Menu};
  while (!Work.empty()) {
    HMENU H = Work.back();
    Work.pop_back();
    std::unique_ptr<TMenu> M = FTable.Remove(reinterpret_cast<std::uintptr_t>(H));
    if (!M) continue;
    if (FDestroyHook) FDestroyHook(H);
    for (const TMenuEntry& E : M->Entries)
      if (E.SubMenu) Work.push_back(E.SubMenu);
  }
  return true;
}

bool TMenuTable::LocateCommand(HMENU Menu, UINT Id, TPlace& Out, int Depth) const {
  TMenu* M = Find(Menu);
  if (!M || Depth > kMenuTableMaxDepth) return false;
  for (std::size_t I = 0; I < M->Entries.size(); ++I) {
    const TMenuEntry& E = M->Entries[I];
    if (E.SubMenu && LocateCommand(E.SubMenu, Id, Out, Depth + 1)) return true;
    if (E.Id == Id) {
      Out = TPlace{Menu, M, I};
      return true;
    }
  }
  return false;
}

bool TMenuTable::Locate(HMENU Menu, UINT Item, bool ByPosition, TPlace& Out) const {
  if (!ByPosition) return LocateCommand(Menu, Item, Out, 0);
  TMenu* M = Find(Menu);
  if (!M || Item >= M->Entries.size()) return false;
  Out = TPlace{Menu, M, Item};
  return true;
}

bool TMenuTable::Reaches(HMENU Menu, HMENU Target) const {
  std::vector<std::pair<HMENU, int>> Work{{Menu, 0}};
  while (!Work.empty()) {
    auto [H, Depth] = Work.back();
    Work.pop_back();
    if (H == Target) return true;
    TMenu* M = Find(H);
    if (!M || Depth > kMenuTableMaxDepth) continue;
    for (const TMenuEntry& E : M->Entries)
      if (E.SubMenu) Work.emplace_back(E.SubMenu, Depth + 1);
  }
  return false;
}

void TMenuTable::Touch(TMenu& Menu) { ++Menu.Version; }

HMENU CreateMenu() { return TMenuTable::Instance().Create(false); }

HMENU CreatePopupMenu() { return TMenuTable::Instance().Create(true); }

BOOL DestroyMenu(HMENU menu) { return TMenuTable::Instance().Destroy(menu) ? TRUE : FALSE; }

BOOL IsMenu(HMENU menu) { return TMenuTable::Instance().Find(menu) ? TRUE : FALSE; }

int GetMenuItemCount(HMENU menu) {
  TMenuTable::TMenu* M = TMenuTable::Instance().Find(menu);
  return M ? int(M->Entries.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int pos) {
  TMenuTable::TMenu* M = TMenuTable::Instance().Find(menu);
  if (!M || pos < 0 || std::size_t(pos) >= M->Entries.size()) return 0xFFFFFFFFu;
  const TMenuEntry& E = M->Entries[std::size_t(pos)];
  return E.SubMenu ? 0xFFFFFFFFu : E.Id;
}

HMENU GetSubMenu(HMENU menu, int pos) {
  TMenuTable::TMenu* M = TMenuTable::Instance().Find(menu);
  if (!M || pos < 0 || std::size_t(pos) >= M->Entries.size()) return nullptr;
  HMENU Sub = M->Entries[std::size_t(pos)].SubMenu;
  return TMenuTable::Instance().Find(Sub) ? Sub : nullptr;
}
