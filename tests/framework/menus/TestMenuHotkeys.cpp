// Automatic accelerators and separator reduction over plain captions.
#include "framework/menus/MenuHotkeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct THotkeyCase {
  const char* Name;
  std::vector<std::string> Before;
  std::vector<std::string> After;
  bool Changed;
};

class TMenuHotkeyCases : public ::testing::TestWithParam<THotkeyCase> {};

TEST_P(TMenuHotkeyCases, AssignsKeys) {
  const THotkeyCase& C = GetParam();
  std::vector<TMenuHotkeyEntry> Entries;
  for (const std::string& S : C.Before) Entries.push_back({S, true});
  EXPECT_EQ(MenuAssignHotkeys(Entries), C.Changed);
  std::vector<std::string> Got;
  for (const auto& E : Entries) Got.push_back(E.Caption);
  EXPECT_EQ(Got, C.After);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, TMenuHotkeyCases,
    ::testing::Values(
        THotkeyCase{"SecondLetterWhenFirstTaken", {"Alpha", "Apple"}, {"&Alpha", "A&pple"}, true},
        THotkeyCase{"OwnKeyKeptWhenFree", {"Alpha", "&Bravo"}, {"&Alpha", "&Bravo"}, true},
        THotkeyCase{"OwnKeyBeatsEarlierSibling", {"Bob", "&Bravo"}, {"B&ob", "&Bravo"}, true},
        THotkeyCase{"TakenKeyRemovedAndReplaced", {"&Bob", "&Bravo"}, {"&Bob", "B&ravo"}, true},
        THotkeyCase{"DoubleAmpersandIsLiteral", {"&&B", "A&&B"}, {"&&&B", "&A&&B"}, true},
        THotkeyCase{"LiteralKeptWhileKeyRemoved", {"&X", "&X&&y"}, {"&X", "X&&&y"}, true},
        THotkeyCase{
            "AllLettersTakenStaysUnmarked", {"&Ab", "&Ba", "ab"}, {"&Ab", "&Ba", "ab"}, false},
        THotkeyCase{"OtherCharacterLeftAlone", {"&!x", "Xylo"}, {"&!x", "&Xylo"}, true},
        THotkeyCase{"SeparatorsAndEmptyIgnored", {"-", "", "Om"}, {"-", "", "&Om"}, true},
        THotkeyCase{"DigitsAreKeys", {"0 %", "25 %", "50 %"}, {"&0 %", "&25 %", "&50 %"}, true},
        THotkeyCase{"LowerCaseKeyCountsUpper", {"&a", "A"}, {"&a", "A"}, false},
        THotkeyCase{"NothingToDo", {"&One", "&Two"}, {"&One", "&Two"}, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// Failed captions are served first in the next round; a later round
// that marks no more captions than the first does not replace it.
TEST(TMenuHotkeyRounds, FirstOfEqualRoundsWins) {
  std::vector<TMenuHotkeyEntry> E = {{"ab", true}, {"a", true}, {"b", true}};
  EXPECT_TRUE(MenuAssignHotkeys(E));
  EXPECT_EQ(E[0].Caption, "&ab");
  EXPECT_EQ(E[1].Caption, "a");
  EXPECT_EQ(E[2].Caption, "&b");
}

// Round 1 gives "ab" the a and leaves "a" without a key; round 2 serves
// "a" first and marks both.
TEST(TMenuHotkeyRounds, LaterRoundMarkingMoreWins) {
  std::vector<TMenuHotkeyEntry> E = {{"ab", true}, {"a", true}};
  EXPECT_TRUE(MenuAssignHotkeys(E));
  EXPECT_EQ(E[0].Caption, "a&b");
  EXPECT_EQ(E[1].Caption, "&a");
}

TEST(TMenuHotkeyRounds, InvisibleCaptionsUntouched) {
  std::vector<TMenuHotkeyEntry> E = {{"Alpha", false}, {"Apple", true}};
  EXPECT_TRUE(MenuAssignHotkeys(E));
  EXPECT_EQ(E[0].Caption, "Alpha");
  EXPECT_EQ(E[1].Caption, "&Apple");
}

struct TStripCase {
  const char* Caption;
  char Hotkey;
  const char* Stripped;
};

class TMenuHotkeyParse : public ::testing::TestWithParam<TStripCase> {};

TEST_P(TMenuHotkeyParse, FindsAndStrips) {
  EXPECT_EQ(MenuHotkeyOf(GetParam().Caption), GetParam().Hotkey);
  EXPECT_EQ(MenuStripHotkeys(GetParam().Caption), GetParam().Stripped);
}

INSTANTIATE_TEST_SUITE_P(Captions, TMenuHotkeyParse,
                         ::testing::Values(TStripCase{"&File", 'F', "File"},
                                           TStripCase{"Save &As", 'A', "Save As"},
                                           TStripCase{"A&&B", 0, "A&&B"},
                                           TStripCase{"&A&&&B", 'B', "A&&B"},
                                           TStripCase{"Trailing&", 0, "Trailing"},
                                           TStripCase{"&", 0, ""}, TStripCase{"", 0, ""}));

struct TLineCase {
  const char* Name;
  std::string Layout;  // '-' separator, 'x' item, lower case: invisible
  std::string Visible; // '1' visible afterwards
  bool Changed;
};

class TMenuLineCases : public ::testing::TestWithParam<TLineCase> {};

TEST_P(TMenuLineCases, ReducesSeparators) {
  std::vector<TMenuLineEntry> E;
  for (char C : GetParam().Layout) E.push_back({C == '-' || C == '_', C == '-' || C == 'X'});
  EXPECT_EQ(MenuReduceLines(E), GetParam().Changed);
  std::string Got;
  for (const auto& L : E) Got += L.Visible ? '1' : '0';
  EXPECT_EQ(Got, GetParam().Visible);
}

// '_' is an invisible separator, 'x' an invisible item.
INSTANTIATE_TEST_SUITE_P(
    Layouts, TMenuLineCases,
    ::testing::Values(TLineCase{"SeparatorAtwoSeparatorsBSeparator", "-X--X-", "010110", true},
                      TLineCase{"HiddenLastOfRunShownAgain", "X-_X", "1011", true},
                      TLineCase{"InvisibleItemDoesNotBreakRun", "X-x-X", "10011", true},
                      TLineCase{"OnlySeparators", "--", "00", true},
                      TLineCase{"NothingToChange", "X-X", "111", false},
                      TLineCase{"LeadingBehindInvisibleItem", "x-X", "001", true}),
    [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
