// The entry operations without a showing menu: inserting by position and
// by command, reading back every field by mask, the structure sizes, the
// recursive lookup by command, removal, state queries and the failure
// values for bad and stale handles.
#include "MenuTestSupport.h"

#include <cstring>

using namespace menutest;

namespace {

MENUITEMINFOA EntryInfo(UINT Mask) {
  MENUITEMINFOA I{};
  I.cbSize = sizeof(I);
  I.fMask = Mask;
  return I;
}

class TMenuEntries : public TMenuTest {};

TEST_F(TMenuEntries, StructureSizeDecidesAcceptance) {
  struct TCase {
    UINT Size;
    BOOL Ok;
  } Cases[] = {{sizeof(MENUITEMINFOA), TRUE},
               {MENUITEMINFO_SIZE_V1, TRUE},
               {0, FALSE},
               {MENUITEMINFO_SIZE_V1 - 4, FALSE},
               {sizeof(MENUITEMINFOA) + 4, FALSE}};
  HMENU M = Keep(CreatePopupMenu());
  for (const TCase& C : Cases) {
    MENUITEMINFOA I = EntryInfo(MIIM_ID);
    I.cbSize = C.Size;
    I.wID = 7;
    EXPECT_EQ(InsertMenuItem(M, 0, TRUE, &I), C.Ok) << C.Size;
    EXPECT_EQ(GetMenuItemInfo(M, 0, TRUE, &I), C.Ok ? TRUE : FALSE) << C.Size;
    EXPECT_EQ(SetMenuItemInfo(M, 0, TRUE, &I), C.Ok ? TRUE : FALSE) << C.Size;
  }
  EXPECT_EQ(GetMenuItemCount(M), 2);
  EXPECT_FALSE(InsertMenuItem(M, 0, TRUE, nullptr));
  EXPECT_FALSE(GetMenuItemInfo(M, 0, TRUE, nullptr));
}

struct TMaskCase {
  const char* Name;
  UINT Mask;
};

class TMenuMasks : public TMenuTest, public ::testing::WithParamInterface<TMaskCase> {};

// Every field written under one mask is read back under the same mask,
// and only the masked fields change.
TEST_P(TMenuMasks, OnlyMaskedFieldsTravel) {
  const TMaskCase& C = GetParam();
  HMENU M = Keep(CreatePopupMenu());
  HMENU Sub = CreatePopupMenu();
  char Text[] = "&Open\tCtrl+O";
  MENUITEMINFOA In = EntryInfo(C.Mask);
  In.fType = MFT_STRING | MFT_RADIOCHECK;
  In.fState = MFS_CHECKED | MFS_DEFAULT;
  In.wID = 42;
  In.hSubMenu = Sub;
  In.hbmpChecked = reinterpret_cast<HBITMAP>(std::intptr_t(0x11));
  In.hbmpUnchecked = reinterpret_cast<HBITMAP>(std::intptr_t(0x22));
  In.dwItemData = 0xABCDEF;
  In.dwTypeData = Text;
  ASSERT_TRUE(InsertMenuItem(M, 0, TRUE, &In));
  char Buffer[32] = "untouched";
  MENUITEMINFOA Out = EntryInfo(MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_FTYPE |
                                MIIM_DATA | MIIM_STRING);
  Out.dwTypeData = Buffer;
  Out.cch = sizeof(Buffer);
  ASSERT_TRUE(GetMenuItemInfo(M, 0, TRUE, &Out));
  bool Type = C.Mask & (MIIM_TYPE | MIIM_FTYPE);
  EXPECT_EQ(Out.fType, Type ? In.fType : 0u);
  EXPECT_EQ(Out.fState, (C.Mask & MIIM_STATE) ? In.fState : 0u);
  EXPECT_EQ(Out.wID, (C.Mask & MIIM_ID) ? 42u : 0u);
  EXPECT_EQ(Out.hSubMenu, (C.Mask & MIIM_SUBMENU) ? Sub : nullptr);
  EXPECT_EQ(Out.hbmpChecked, (C.Mask & MIIM_CHECKMARKS) ? In.hbmpChecked : nullptr);
  EXPECT_EQ(Out.dwItemData, (C.Mask & MIIM_DATA) ? In.dwItemData : 0u);
  bool HasText = C.Mask & (MIIM_TYPE | MIIM_STRING);
  EXPECT_STREQ(Buffer, HasText ? Text : "");
  EXPECT_EQ(Out.cch, HasText ? std::strlen(Text) : 0u);
  if (!(C.Mask & MIIM_SUBMENU)) DestroyMenu(Sub);
}

const TMaskCase kMaskCases[] = {
    {"State", MIIM_STATE},           {"Id", MIIM_ID},       {"SubMenu", MIIM_SUBMENU},
    {"CheckMarks", MIIM_CHECKMARKS}, {"Type", MIIM_TYPE},   {"Data", MIIM_DATA},
    {"String", MIIM_STRING},         {"FType", MIIM_FTYPE}, {"All", 0x3F | MIIM_STRING}};

INSTANTIATE_TEST_SUITE_P(Masks, TMenuMasks, ::testing::ValuesIn(kMaskCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(TMenuEntries, TextCopyReportsLengthAndTruncates) {
  HMENU M = Keep(CreatePopupMenu());
  ASSERT_TRUE(AppendMenu(M, MF_STRING, 1, "Transparency"));
  struct TCase {
    UINT Cch;
    const char* Want;
    UINT CchOut;
  } Cases[] = {
      {0, "", 12}, {1, "", 0}, {5, "Tran", 4}, {13, "Transparency", 12}, {64, "Transparency", 12}};
  for (const TCase& C : Cases) {
    char Buffer[64] = {};
    MENUITEMINFOA I = EntryInfo(MIIM_STRING);
    I.dwTypeData = Buffer;
    I.cch = C.Cch;
    ASSERT_TRUE(GetMenuItemInfo(M, 0, TRUE, &I));
    EXPECT_STREQ(Buffer, C.Want) << C.Cch;
    EXPECT_EQ(I.cch, C.CchOut) << C.Cch;
  }
  char Small[4];
  EXPECT_EQ(GetMenuString(M, 0, Small, sizeof(Small), MF_BYPOSITION), 3);
  EXPECT_STREQ(Small, "Tra");
  EXPECT_EQ(GetMenuString(M, 1, nullptr, 0, MF_BYCOMMAND), 12);
}

TEST_F(TMenuEntries, PositionsInsertBeforeAndAppendAtTheEnd) {
  HMENU M = Keep(CreatePopupMenu());
  struct TCase {
    UINT Pos;
    UINT Id;
  } Cases[] = {{0, 1}, {0xFFFFFFFFu, 2}, {0, 3}, {1, 4}, {99, 5}};
  for (const TCase& C : Cases) {
    MENUITEMINFOA I = EntryInfo(MIIM_ID);
    I.wID = C.Id;
    ASSERT_TRUE(InsertMenuItem(M, C.Pos, TRUE, &I));
  }
  std::vector<UINT> Ids;
  for (int P = 0; P < GetMenuItemCount(M); ++P) Ids.push_back(GetMenuItemID(M, P));
  EXPECT_EQ(Ids, (std::vector<UINT>{3, 4, 1, 2, 5}));
}

// Commands are found in sub-menus at any depth; inserting by command puts
// the new entry before the found one, in the found entry's menu.
TEST_F(TMenuEntries, ByCommandSearchesSubMenus) {
  HMENU Deep = BuildMenu({{"Deep", 30}});
  HMENU Mid = BuildMenu({{"Mid", 20}, {"Down", 21, 0, 0, 0}}, {Deep});
  HMENU Top = Keep(BuildMenu({{"Top", 10}, {"Sub", 11, 0, 0, 0}}, {Mid}));
  EXPECT_EQ(CheckMenuItem(Top, 30, MF_BYCOMMAND | MF_CHECKED), DWORD(MF_UNCHECKED));
  EXPECT_EQ(GetMenuState(Deep, 0, MF_BYPOSITION) & MF_CHECKED, UINT(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(Top, 30, MF_BYCOMMAND | MF_UNCHECKED), DWORD(MF_CHECKED));
  EXPECT_EQ(EnableMenuItem(Top, 20, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(GetMenuState(Mid, 0, MF_BYPOSITION), UINT(MF_GRAYED));
  MENUITEMINFOA I = EntryInfo(MIIM_ID);
  I.wID = 29;
  ASSERT_TRUE(InsertMenuItem(Top, 30, FALSE, &I));
  EXPECT_EQ(GetMenuItemCount(Deep), 2);
  EXPECT_EQ(GetMenuItemID(Deep, 0), 29u);
  EXPECT_EQ(GetMenuItemCount(Top), 2);
  EXPECT_FALSE(InsertMenuItem(Top, 999, FALSE, &I));
  EXPECT_EQ(CheckMenuItem(Top, 999, MF_BYCOMMAND), 0xFFFFFFFFu);
}

TEST_F(TMenuEntries, SubMenuEntriesAnswerLikeTheOriginal) {
  HMENU Sub = BuildMenu({{"A", 1}, {"B", 2}, {"-"}});
  HMENU M = Keep(BuildMenu({{"Plain", 5, MFS_CHECKED}, {"More", 6, 0, 0, 0}, {"-"}}, {Sub}));
  EXPECT_EQ(GetMenuItemID(M, 0), 5u);
  EXPECT_EQ(GetMenuItemID(M, 1), 0xFFFFFFFFu);
  EXPECT_EQ(GetMenuItemID(M, 3), 0xFFFFFFFFu);
  EXPECT_EQ(GetMenuItemID(M, -1), 0xFFFFFFFFu);
  EXPECT_EQ(GetSubMenu(M, 1), Sub);
  EXPECT_EQ(GetSubMenu(M, 0), nullptr);
  EXPECT_EQ(GetMenuState(M, 1, MF_BYPOSITION), (3u << 8) | MF_POPUP);
  EXPECT_EQ(GetMenuState(M, 2, MF_BYPOSITION), UINT(MF_SEPARATOR));
  EXPECT_EQ(GetMenuState(M, 5, MF_BYCOMMAND), UINT(MF_CHECKED));
  EXPECT_EQ(GetMenuState(M, 7, MF_BYPOSITION), 0xFFFFFFFFu);
}

TEST_F(TMenuEntries, RemoveKeepsAndDeleteDestroysTheSubMenu) {
  HMENU SubA = BuildMenu({{"A", 1}});
  HMENU SubB = BuildMenu({{"B", 2}});
  HMENU M = Keep(BuildMenu({{"a", 10, 0, 0, 0}, {"b", 11, 0, 0, 1}, {"c", 12}}, {SubA, SubB}));
  EXPECT_TRUE(RemoveMenu(M, 0, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(SubA));
  EXPECT_TRUE(DeleteMenu(M, 0, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(SubB));
  EXPECT_TRUE(DeleteMenu(M, 12, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuItemCount(M), 0);
  EXPECT_FALSE(DeleteMenu(M, 0, MF_BYPOSITION));
  EXPECT_FALSE(RemoveMenu(M, 12, MF_BYCOMMAND));
  DestroyMenu(SubA);
}

TEST_F(TMenuEntries, DestroyIsRecursiveAndLeavesStaleHandles) {
  HMENU Deep = BuildMenu({{"Deep", 30}});
  HMENU Mid = BuildMenu({{"Down", 21, 0, 0, 0}}, {Deep});
  HMENU Top = BuildMenu({{"Sub", 11, 0, 0, 0}}, {Mid});
  EXPECT_TRUE(DestroyMenu(Top));
  for (HMENU H : {Top, Mid, Deep}) EXPECT_FALSE(IsMenu(H));
  EXPECT_FALSE(DestroyMenu(Top));
  // A new menu may reuse the slot; the old handle must still be refused.
  HMENU Fresh = Keep(CreateMenu());
  EXPECT_NE(Fresh, Top);
  EXPECT_EQ(GetMenuItemCount(Top), -1);
}

// A sub-menu that would make a menu contain itself is refused, so no walk
// through the tree can loop.
TEST_F(TMenuEntries, CyclesAreRefused) {
  HMENU A = Keep(CreatePopupMenu());
  HMENU B = CreatePopupMenu();
  ASSERT_TRUE(AppendMenu(A, MF_POPUP, reinterpret_cast<UINT_PTR>(B), "B"));
  EXPECT_FALSE(AppendMenu(B, MF_POPUP, reinterpret_cast<UINT_PTR>(A), "A"));
  EXPECT_FALSE(AppendMenu(A, MF_POPUP, reinterpret_cast<UINT_PTR>(A), "self"));
  MENUITEMINFOA I = EntryInfo(MIIM_SUBMENU);
  I.hSubMenu = A;
  EXPECT_FALSE(SetMenuItemInfo(B, 0, TRUE, &I));
  ASSERT_TRUE(AppendMenu(B, MF_STRING, 3, "leaf"));
  EXPECT_FALSE(SetMenuItemInfo(B, 0, TRUE, &I));
  EXPECT_EQ(GetMenuState(A, 3, MF_BYCOMMAND), 0u);
}

TEST_F(TMenuEntries, AppendMenuMapsTheOlderFlags) {
  HMENU M = Keep(CreatePopupMenu());
  ASSERT_TRUE(AppendMenu(M, MF_STRING | MF_GRAYED | MF_CHECKED, 1, "Grey"));
  ASSERT_TRUE(AppendMenu(M, MF_SEPARATOR, 0, nullptr));
  ASSERT_TRUE(AppendMenu(M, MF_OWNERDRAW, 3, reinterpret_cast<LPCSTR>(std::intptr_t(0x77))));
  EXPECT_EQ(GetMenuState(M, 0, MF_BYPOSITION), UINT(MF_GRAYED | MF_CHECKED));
  EXPECT_EQ(GetMenuState(M, 1, MF_BYPOSITION), UINT(MF_SEPARATOR));
  MENUITEMINFOA I = EntryInfo(MIIM_DATA | MIIM_FTYPE);
  ASSERT_TRUE(GetMenuItemInfo(M, 3, FALSE, &I));
  EXPECT_EQ(I.dwItemData, 0x77u);
  EXPECT_EQ(I.fType, UINT(MFT_OWNERDRAW));
}

TEST_F(TMenuEntries, BadHandlesGiveTheDocumentedFailures) {
  HMENU Dead = CreatePopupMenu();
  DestroyMenu(Dead);
  HMENU Forged = reinterpret_cast<HMENU>(std::intptr_t(0x1234));
  for (HMENU H : {static_cast<HMENU>(nullptr), Dead, Forged}) {
    MENUITEMINFOA I = EntryInfo(MIIM_ID);
    EXPECT_FALSE(IsMenu(H));
    EXPECT_FALSE(DestroyMenu(H));
    EXPECT_FALSE(InsertMenuItem(H, 0, TRUE, &I));
    EXPECT_FALSE(GetMenuItemInfo(H, 0, TRUE, &I));
    EXPECT_FALSE(SetMenuItemInfo(H, 0, TRUE, &I));
    EXPECT_FALSE(AppendMenu(H, MF_STRING, 1, "x"));
    EXPECT_FALSE(RemoveMenu(H, 0, MF_BYPOSITION));
    EXPECT_FALSE(DeleteMenu(H, 0, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(H), -1);
    EXPECT_EQ(GetMenuItemID(H, 0), 0xFFFFFFFFu);
    EXPECT_EQ(GetSubMenu(H, 0), nullptr);
    EXPECT_EQ(GetMenuState(H, 0, MF_BYPOSITION), 0xFFFFFFFFu);
    EXPECT_EQ(CheckMenuItem(H, 0, MF_BYPOSITION), 0xFFFFFFFFu);
    EXPECT_EQ(EnableMenuItem(H, 0, MF_BYPOSITION), -1);
    EXPECT_EQ(GetMenuString(H, 0, nullptr, 0, MF_BYPOSITION), 0);
    RECT R{};
    EXPECT_FALSE(GetMenuItemRect(nullptr, H, 0, &R));
    EXPECT_FALSE(TrackPopupMenu(H, 0, 10, 10, 0, Wnd, nullptr));
  }
  HMENU M = Keep(BuildMenu({{"A", 1}}));
  MENUITEMINFOA Bad = EntryInfo(MIIM_SUBMENU);
  Bad.hSubMenu = Dead;
  EXPECT_FALSE(SetMenuItemInfo(M, 0, TRUE, &Bad));
  EXPECT_FALSE(TrackPopupMenu(M, 0, 10, 10, 0, nullptr, nullptr));
  EXPECT_FALSE(TrackPopupMenu(M, 0, 10, 10, 0, reinterpret_cast<HWND>(std::intptr_t(99)), nullptr));
  EXPECT_FALSE(EndMenu());
}

} // namespace
