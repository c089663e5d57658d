// The desktop-drawn look, checked on the screen: an open plain menu with a
// cascaded sub-menu (saved as a PNG in the test's temp dir) and the part
// painters alone.
#include "MenuTestSupport.h"

#include "platform/user/MenuPaint.h"

#include <cstdio>

using namespace menutest;

namespace {

std::uint32_t ScreenColor(int SysColor) {
  COLORREF C = GetSysColor(SysColor);
  return (std::uint32_t(GetRValue(C)) << 16) | (std::uint32_t(GetGValue(C)) << 8) | GetBValue(C);
}

int CountColor(THeadlessDesktop* Desk, const TRect& R, std::uint32_t Color) {
  int N = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) N += Desk->ScreenPixel(X, Y) == Color;
  return N;
}

class TMenuLook : public TMenuTest {};

TEST_F(TMenuLook, OpenMenuWithCascadeOnScreen) {
  HMENU Sub = BuildMenu({{"&Vertical", 201}, {"&Horizontal", 202}});
  HMENU M = Keep(BuildMenu({{"&Open\tCtrl+O", 101},
                            {"&Checked", 102, MFS_CHECKED},
                            {"-"},
                            {"&More", 103, 0, 0, 0},
                            {"&Disabled", 104, MFS_GRAYED},
                            {"De&fault", 105, MFS_DEFAULT}},
                           {Sub}));
  std::string Png = ::testing::TempDir() + "natmenu_cascade.png";
  TRect Open{}, Checked{}, Sep{}, More{}, Vert{}, Horz{};
  std::uint32_t Hilite = ScreenColor(COLOR_HIGHLIGHT), Face = ScreenColor(COLOR_MENU);
  Script({[&] { ClickItem(M, 3); }, [&] { HoverItem(Sub, 0); },
          [&] {
            Open = Item(M, 0);
            Checked = Item(M, 1);
            Sep = Item(M, 2);
            More = Item(M, 3);
            Vert = Item(Sub, 0);
            Horz = Item(Sub, 1);
            EXPECT_TRUE(Desk->SaveScreenshot(Png));
            // Highlight under the hovered entry and under the entry whose
            // sub-menu is open; none under the others.
            EXPECT_EQ(Desk->ScreenPixel(Vert.Left + 2, Vert.Top + 2), Hilite);
            EXPECT_EQ(Desk->ScreenPixel(More.Left + 2, More.Top + 2), Hilite);
            EXPECT_EQ(Desk->ScreenPixel(Horz.Left + 2, Horz.Top + 2), Face);
            EXPECT_EQ(Desk->ScreenPixel(Open.Left + 2, Open.Top + 2), Face);
            // The separator's shadow line across the middle.
            int Mid = Sep.Top + Sep.Height() / 2;
            EXPECT_EQ(CountColor(Desk, TRect{Sep.Left + 1, Mid - 1, Sep.Right - 1, Mid},
                                 ScreenColor(COLOR_BTNSHADOW)),
                      Sep.Width() - 2);
            EXPECT_EQ(CountColor(Desk, TRect{Sep.Left, Sep.Top, Sep.Right, Sep.Top + 2}, Face),
                      2 * Sep.Width());
            // A check mark in the check column of the checked entry only.
            TRect CheckCol{Checked.Left, Checked.Top, Checked.Left + 19, Checked.Bottom};
            TRect OpenCol{Open.Left, Open.Top, Open.Left + 19, Open.Bottom};
            EXPECT_GE(CountColor(Desk, CheckCol, ScreenColor(COLOR_MENUTEXT)), 15);
            EXPECT_EQ(CountColor(Desk, OpenCol, ScreenColor(COLOR_MENUTEXT)), 0);
            // The arrow of the sub-menu entry, in the selected text colour.
            TRect Arrow{More.Right - 17, More.Top, More.Right, More.Bottom};
            EXPECT_GE(CountColor(Desk, Arrow, ScreenColor(COLOR_HIGHLIGHTTEXT)), 10);
            // Text: the label and the shortcut of the first entry.
            TRect Label{Open.Left + 19, Open.Top, Open.Left + 60, Open.Bottom};
            TRect Short{Open.Right - 60, Open.Top, Open.Right - 17, Open.Bottom};
            int Area = Label.Width() * Label.Height(), ShortArea = Short.Width() * Short.Height();
            EXPECT_GE(Area - CountColor(Desk, Label, Face), 20);
            EXPECT_GE(ShortArea - CountColor(Desk, Short, Face), 20);
            EndMenu();
          }});
  EXPECT_TRUE(TrackPopupMenu(M, 0, 30, 30, 0, Wnd, nullptr));
  EXPECT_GT(Vert.Width(), 0);
  std::FILE* F = std::fopen(Png.c_str(), "rb");
  EXPECT_NE(F, nullptr);
  if (F) std::fclose(F);
}

// The part painters on a bitmap: disabled text is embossed (light copy
// under grey), the default entry is drawn bolder, radio marks differ from
// check marks.
TEST_F(TMenuLook, PartPaintersLeaveTheirMarks) {
  HDC Dc = CreateCompatibleDC(nullptr);
  HBITMAP Bmp = CreateBitmap(120, 20, 1, 32, nullptr);
  HGDIOBJ Old = SelectObject(Dc, Bmp);
  NONCLIENTMETRICSA Ncm{};
  Ncm.cbSize = sizeof(Ncm);
  SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &Ncm, 0);
  TMenuFonts Fonts{CreateFontIndirect(&Ncm.lfMenuFont), nullptr};
  Ncm.lfMenuFont.lfWeight = FW_BOLD;
  Fonts.Bold = CreateFontIndirect(&Ncm.lfMenuFont);
  auto Count = [&](COLORREF C) {
    int N = 0;
    for (int Y = 0; Y < 20; ++Y)
      for (int X = 0; X < 120; ++X) N += GetPixel(Dc, X, Y) == C;
    return N;
  };
  struct TCase {
    const char* Name;
    UINT State;
    UINT Type;
  } Cases[] = {{"plain", 0, 0},
               {"grey", MFS_GRAYED, 0},
               {"bold", MFS_DEFAULT, 0},
               {"check", MFS_CHECKED, 0},
               {"radio", MFS_CHECKED, MFT_RADIOCHECK}};
  std::map<std::string, std::pair<int, int>> Seen;
  for (const TCase& C : Cases) {
    TMenuEntry E;
    E.Text = "Menu text";
    E.State = C.State;
    E.Type = C.Type;
    TMenuPaint::Entry(Dc, E, TRect{0, 0, 120, 20}, false, Fonts);
    Seen[C.Name] = {Count(GetSysColor(COLOR_MENUTEXT)), Count(GetSysColor(COLOR_BTNHIGHLIGHT))};
  }
  EXPECT_EQ(Seen["grey"].first, 0);
  EXPECT_GT(Seen["grey"].second, 0);
  EXPECT_EQ(Seen["plain"].second, 0);
  EXPECT_GT(Seen["bold"].first, Seen["plain"].first);
  EXPECT_GT(Seen["check"].first, Seen["plain"].first);
  EXPECT_GT(Seen["radio"].first, Seen["plain"].first);
  EXPECT_NE(Seen["radio"].first, Seen["check"].first);
  SelectObject(Dc, Old);
  DeleteObject(Bmp);
  DeleteObject(Fonts.Normal);
  DeleteObject(Fonts.Bold);
  DeleteDC(Dc);
}

} // namespace
