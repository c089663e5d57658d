// The framework's string table as compiled into the program: every symbol
// loads, and the messages other units depend on read exactly as written.
#include "FrameworkConsts.h"
#include "framework/runtime/ResStrings.h"
#include "platform/WinBase.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ResStrings, EverySymbolLoads) {
  EXPECT_GE(FrameworkConstsTable.size(), 64u);
  std::set<UINT> Ids;
  for (const TResStringRec& Rec : FrameworkConstsTable) {
    EXPECT_FALSE(LoadResString(Rec).empty()) << Rec.Identifier;
    EXPECT_TRUE(Ids.insert(Rec.Identifier).second) << Rec.Identifier;
  }
}

TEST(ResStrings, KeyMessagesAreExact) {
  const std::pair<TResStringRec, const char*> Cases[] = {
      {SAssignError, "Cannot assign a %s to a %s"},
      {_SInvalidPropertyIndex, "Invalid property index %d."},
      {_SInvalidPropertyIndexAt, "Invalid property index %d at %s."},
      {_SRequireOwner, "Tried to create %s with no owner."},
      {SPropertyException, "Error reading %s%s%s: %s"},
      {SUnknownProperty, "Property %s does not exist"},
      {SInvalidPropertyValue, "Invalid property value"},
      {SReadError, "Stream read error"},
      {SInvalidImage, "Invalid stream format"},
      {SClassNotFound, "Class %s not found"},
      {SAncestorNotFound, "Ancestor for '%s' not found"},
      {SInvalidName, "''%s'' is not a valid component name"},
      {SDuplicateName, "A component named %s already exists"},
      {SResNotFound, "Resource %s not found"},
      {SCantWriteResourceStreamError, "Can't write to a read-only resource stream"},
      {SCannotShowModal, "Cannot make a visible window modal"},
      {SJPEGError, "JPEG error #%d"},
      {SUniqueRootName, "%s_%d"},
      {_AdvResourceRadioItem, "ADVRADIOITEM"},
      {_AdvResourceCheckItem, "ADVCHECKITEM"},
      {_AdvResourceSubMenuItem, "ADVSUBMENUITEM"},
      {_AdvWinKeyString, "Win+"},
      {SmkcShift, "Shift+"},
      {SmkcCtrl, "Ctrl+"},
      {SmkcAlt, "Alt+"},
      {SmkcBkSp, "BkSp"},
      {SmkcPgDn, "PgDn"},
      {SmkcDel, "Del"},
      {SOperationAborted, "Operation aborted"},
      {SInvalidInteger, "'%s' is not a valid integer value"},
      {SListIndexError, "List index out of bounds (%d)"},
      {SMenuNotFound, "Sub-menu is not in menu"},
      {SUnknownExtension, "Unknown picture file extension (.%s)"},
      {SParentRequired, "Control '%s' has no parent window"},
      {SInvalidGraphic, "Invalid graphic format"},
  };
  for (const auto& [Rec, Text] : Cases) EXPECT_EQ(LoadResString(Rec), Text);
}

TEST(ResStrings, LoadStringSeesTheSameTable) {
  char Buf[64];
  EXPECT_EQ(LoadString(HInstance, SReadError.Identifier, Buf, sizeof Buf), 17);
  EXPECT_STREQ(Buf, "Stream read error");
}

TEST(ResStrings, UnknownIdsGiveEmptyStrings) {
  EXPECT_EQ(LoadResString(TResStringRec{0}), "");
  EXPECT_EQ(LoadResString(TResStringRec{64999}), "");
  EXPECT_EQ(LoadResString(TResStringRec{70000}), "");
}

} // namespace
