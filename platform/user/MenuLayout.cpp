// Measuring menu entries and placing menu windows; see MenuLayout.h.
#include "platform/user/MenuLayout.h"

#include "platform/user/MenuTable.h"

#include <algorithm>
#include <string>

namespace {

struct TMenuLayoutSize {
  int Label = 0;    // text before the tab, or the whole owner-drawn width
  int Shortcut = 0; // text after the tab
  int Height = 0;
  bool Fixed = false; // owner-drawn or bitmap: the width is final
  bool Break = false;
};

// Sends WM_MEASUREITEM for the owner-drawn entries not measured yet. The
// owner may change the menu while it answers, so the menu is looked up
// again after every message.
void MenuLayoutAskOwner(HMENU Menu, HWND Owner) {
  TMenuTable& T = TMenuTable::Instance();
  for (std::size_t I = 0;; ++I) {
    TMenuTable::TMenu* M = T.Find(Menu);
    if (!M || I >= M->Entries.size()) return;
    TMenuEntry& E = M->Entries[I];
    if (!E.IsOwnerDraw() || E.Measured) continue;
    MEASUREITEMSTRUCT Mis{ODT_MENU, 0, E.Id, 0, 0, E.Data};
    UINT Id = E.Id;
    SendMessage(Owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&Mis));
    M = T.Find(Menu);
    if (!M || I >= M->Entries.size() || M->Entries[I].Id != Id) continue;
    TMenuEntry& After = M->Entries[I];
    After.Measured = true;
    After.MeasuredWidth = std::min<UINT>(Mis.itemWidth, 0x7FFF);
    After.MeasuredHeight = std::min<UINT>(Mis.itemHeight, 0x7FFF);
  }
}

int MenuLayoutTextWidth(HDC Dc, const std::string& Text, UINT Extra) {
  if (Text.empty()) return 0;
  TRect R{0, 0, 0, 0};
  DrawText(Dc, Text.c_str(), int(Text.size()), &R, DT_SINGLELINE | DT_CALCRECT | Extra);
  return R.Width();
}

TMenuLayoutSize MenuLayoutEntry(HDC Dc, const TMenuEntry& E, const TMenuFonts& Fonts, int TextH) {
  TMenuLayoutSize S;
  S.Break = (E.Type & (MFT_MENUBREAK | MFT_MENUBARBREAK)) != 0;
  if (E.IsOwnerDraw()) {
    S.Label = int(E.MeasuredWidth);
    S.Height = int(E.MeasuredHeight);
    S.Fixed = true;
  } else if (E.IsSeparator()) {
    S.Height = kMenuSeparatorHeight;
  } else if ((E.Type & MFT_BITMAP) && E.Bitmap) {
    BITMAP Bm{};
    if (GetObject(E.Bitmap, sizeof(Bm), &Bm)) {
      S.Label = kMenuCheckColumn + Bm.bmWidth + kMenuArrowColumn;
      S.Height = Bm.bmHeight;
    }
    S.Fixed = true;
  } else {
    HGDIOBJ Old = SelectObject(Dc, (E.State & MFS_DEFAULT) ? Fonts.Bold : Fonts.Normal);
    std::size_t Tab = E.Text.find('\t');
    S.Label = MenuLayoutTextWidth(Dc, E.Text.substr(0, Tab), 0);
    if (Tab != std::string::npos)
      S.Shortcut = MenuLayoutTextWidth(Dc, E.Text.substr(Tab + 1), DT_NOPREFIX);
    SelectObject(Dc, Old);
    S.Height = std::max(kMenuEntryHeight, TextH + 5);
  }
  return S;
}

// The width of a column of text entries: check column, widest text, the
// shortcut column when any entry has one, arrow column.
int MenuLayoutColumnWidth(const std::vector<TMenuLayoutSize>& Sizes, std::size_t From,
                          std::size_t To) {
  int Label = 0, Shortcut = 0, Fixed = 0;
  for (std::size_t I = From; I < To; ++I) {
    if (Sizes[I].Fixed) {
      Fixed = std::max(Fixed, Sizes[I].Label);
      continue;
    }
    Label = std::max(Label, Sizes[I].Label);
    Shortcut = std::max(Shortcut, Sizes[I].Shortcut);
  }
  int Text =
      kMenuCheckColumn + Label + (Shortcut ? kMenuShortcutGap + Shortcut : 0) + kMenuArrowColumn;
  bool AnyText = false;
  for (std::size_t I = From; I < To; ++I) AnyText = AnyText || !Sizes[I].Fixed;
  return std::max(AnyText ? Text : 0, Fixed);
}

int MenuLayoutAxis(int Wanted, int Size, int Low, int High) {
  return std::clamp(Wanted, Low, std::max(Low, High - Size));
}

} // namespace

TMenuLayout TMenuLayout::Measure(HMENU Menu, HWND Owner, const TMenuFonts& Fonts) {
  TMenuLayout L;
  TMenuTable::TMenu* M = TMenuTable::Instance().Find(Menu);
  if (!M) return L;
  L.FVersion = M->Version;
  MenuLayoutAskOwner(Menu, Owner);
  if (!(M = TMenuTable::Instance().Find(Menu))) return L;
  HDC Dc = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(Dc, Fonts.Normal);
  TEXTMETRICA Tm{};
  GetTextMetrics(Dc, &Tm);
  std::vector<TMenuLayoutSize> Sizes;
  for (const TMenuEntry& E : M->Entries)
    Sizes.push_back(MenuLayoutEntry(Dc, E, Fonts, Tm.tmHeight));
  SelectObject(Dc, Old);
  DeleteDC(Dc);
  L.FRects.resize(Sizes.size());
  int Left = 0;
  for (std::size_t From = 0; From < Sizes.size();) {
    std::size_t To = From + 1;
    while (To < Sizes.size() && !Sizes[To].Break) ++To;
    int Width = MenuLayoutColumnWidth(Sizes, From, To), Top = 0;
    for (std::size_t I = From; I < To; ++I) {
      L.FRects[I] = TRect{Left, Top, Left + Width, Top + Sizes[I].Height};
      Top += Sizes[I].Height;
    }
    L.FSize.cx = Left + Width;
    L.FSize.cy = std::max<LONG>(L.FSize.cy, Top);
    Left += Width;
    From = To;
  }
  return L;
}

int TMenuLayout::EntryAt(TPoint Client) const {
  for (std::size_t I = 0; I < FRects.size(); ++I)
    if (PtInRect(&FRects[I], Client)) return int(I);
  return -1;
}

TPoint TMenuLayout::PlacePopup(SIZE Size, int X, int Y, UINT Flags, const TRect& Screen) {
  int Left = X, Top = Y;
  if (Flags & TPM_RIGHTALIGN)
    Left = X - Size.cx;
  else if (Flags & TPM_CENTERALIGN)
    Left = X - Size.cx / 2;
  if (Flags & TPM_BOTTOMALIGN)
    Top = Y - Size.cy;
  else if (Flags & TPM_VCENTERALIGN)
    Top = Y - Size.cy / 2;
  if (Left + Size.cx > Screen.Right && Left == X) Left = X - Size.cx;
  if (Left < Screen.Left && Left == X - Size.cx) Left = X;
  if (Top + Size.cy > Screen.Bottom && Top == Y) Top = Y - Size.cy;
  if (Top < Screen.Top && Top == Y - Size.cy) Top = Y;
  return TPoint{MenuLayoutAxis(Left, Size.cx, Screen.Left, Screen.Right),
                MenuLayoutAxis(Top, Size.cy, Screen.Top, Screen.Bottom)};
}

TPoint TMenuLayout::PlaceSubMenu(SIZE Size, const TRect& Item, const TRect& Screen, bool& Right) {
  int Left = Item.Right;
  Right = Left + Size.cx <= Screen.Right;
  if (!Right) Left = Item.Left - Size.cx;
  int Top = Item.Top - kMenuBorder;
  if (Top + Size.cy > Screen.Bottom) Top = Item.Bottom + kMenuBorder - Size.cy;
  return TPoint{MenuLayoutAxis(Left, Size.cx, Screen.Left, Screen.Right),
                MenuLayoutAxis(Top, Size.cy, Screen.Top, Screen.Bottom)};
}
