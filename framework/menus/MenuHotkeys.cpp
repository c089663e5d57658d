#include "framework/menus/MenuHotkeys.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view MenuHotkeyKeys = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Index of a character among the 36 keys (letters in either case), or -1.
int MenuHotkeyIndex(char C) {
  if (C >= 'a' && C <= 'z') C = char(C - 'a' + 'A');
  std::size_t At = MenuHotkeyKeys.find(C);
  return C == 0 || At == std::string_view::npos ? -1 : int(At);
}

// Marks the first character of Caption whose key is in Free; takes it.
bool MenuHotkeyMarkFirstFree(std::string& Caption, std::uint64_t& Free) {
  for (std::size_t I = 0; I < Caption.size(); ++I) {
    int Key = MenuHotkeyIndex(Caption[I]);
    if (Key < 0 || !(Free >> Key & 1)) continue;
    Free &= ~(std::uint64_t(1) << Key);
    Caption.insert(I, 1, '&');
    return true;
  }
  return false;
}

struct TMenuHotkeyRound {
  std::vector<std::string> Captions; // by work-list entry
  int Marked = 0;
};

// One round over the work list, walked from its last entry to its first;
// Failed receives the entries without a key, in walk order.
TMenuHotkeyRound MenuHotkeyRunRound(const std::vector<std::size_t>& Work,
                                    const std::vector<std::string>& Base, std::uint64_t Free,
                                    std::vector<std::size_t>& Failed) {
  TMenuHotkeyRound Round;
  Round.Captions.resize(Base.size());
  for (std::size_t J = Work.size(); J-- > 0;) {
    std::string Caption = Base[Work[J]];
    if (MenuHotkeyMarkFirstFree(Caption, Free))
      ++Round.Marked;
    else
      Failed.push_back(Work[J]);
    Round.Captions[Work[J]] = std::move(Caption);
  }
  return Round;
}

} // namespace

char MenuHotkeyOf(std::string_view Caption) {
  char Result = 0;
  for (std::size_t I = 0; I < Caption.size(); ++I) {
    if (Caption[I] != '&') continue;
    if (I + 1 >= Caption.size()) break;
    if (Caption[I + 1] != '&') Result = Caption[I + 1];
    ++I;
  }
  return Result;
}

std::string MenuStripHotkeys(std::string_view Caption) {
  std::string Result;
  Result.reserve(Caption.size());
  for (std::size_t I = 0; I < Caption.size(); ++I) {
    if (Caption[I] != '&') {
      Result += Caption[I];
    } else if (I + 1 < Caption.size() && Caption[I + 1] == '&') {
      Result += "&&";
      ++I;
    }
  }
  return Result;
}

bool MenuAssignHotkeys(std::vector<TMenuHotkeyEntry>& Entries) {
  std::uint64_t Free = (std::uint64_t(1) << MenuHotkeyKeys.size()) - 1;
  std::vector<std::string> Base(Entries.size());
  std::vector<std::size_t> Work; // front insertion: reverse entry order
  for (std::size_t I = 0; I < Entries.size(); ++I) {
    const std::string& Caption = Entries[I].Caption;
    if (!Entries[I].Visible || Caption.empty() || Caption == "-") continue;
    char Hotkey = MenuHotkeyOf(Caption);
    int Key = MenuHotkeyIndex(Hotkey);
    if (Hotkey != 0 && Key < 0) continue;
    if (Key >= 0 && (Free >> Key & 1)) {
      Free &= ~(std::uint64_t(1) << Key);
      continue;
    }
    Base[I] = Key >= 0 ? MenuStripHotkeys(Caption) : Caption;
    Work.insert(Work.begin(), I);
  }
  if (Work.empty()) return false;

  TMenuHotkeyRound Best;
  Best.Captions = Base;
  Best.Marked = -1;
  for (std::size_t Round = 0, Rounds = Work.size(); Round < Rounds; ++Round) {
    std::vector<std::size_t> Failed;
    TMenuHotkeyRound This = MenuHotkeyRunRound(Work, Base, Free, Failed);
    if (This.Marked > Best.Marked) Best = std::move(This);
    if (Failed.empty()) break;
    for (std::size_t Index : Failed) {
      Work.erase(std::find(Work.begin(), Work.end(), Index));
      Work.push_back(Index);
    }
  }

  bool Changed = false;
  for (std::size_t Index : Work) {
    if (Entries[Index].Caption == Best.Captions[Index]) continue;
    Entries[Index].Caption = Best.Captions[Index];
    Changed = true;
  }
  return Changed;
}

bool MenuReduceLines(std::vector<TMenuLineEntry>& Entries) {
  bool Changed = false;
  auto Show = [&](std::size_t I, bool Visible) {
    if (Entries[I].Visible == Visible) return;
    Entries[I].Visible = Visible;
    Changed = true;
  };
  auto IsItem = [&](std::size_t I) { return !Entries[I].Separator && Entries[I].Visible; };
  std::size_t N = Entries.size(), First = N, Last = N;
  for (std::size_t I = 0; I < N; ++I)
    if (IsItem(I)) {
      if (First == N) First = I;
      Last = I;
    }
  for (std::size_t I = 0; I < N; ++I) {
    if (!Entries[I].Separator) continue;
    if (First == N || I < First || I > Last) {
      Show(I, false);
      continue;
    }
    // Inside: the last separator before the next visible item shows.
    std::size_t Next = I + 1;
    while (!IsItem(Next) && !Entries[Next].Separator) ++Next;
    Show(I, !Entries[Next].Separator);
  }
  return Changed;
}
