// Message box geometry and the four icons. The text wraps at word breaks
// to at most two thirds of the screen; the icon sits at the top left and a
// text shorter than the icon is centred beside it; the buttons, 75 x 23 as
// on the original desktop, are centred in a row below. The icons are drawn
// with plain GDI so that they need no image files and look alike on every
// desktop.
#include "platform/user/MessageBoxLayout.h"

#include <algorithm>

namespace {

constexpr int kMargin = 11;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr int kButtonsGap = 16;
constexpr int kMinTextWidth = 100;

struct TButtonSet {
  int Ids[3];
  int Count;
  int Cancel;
};

// Indexed by the low four bits of the type.
constexpr TButtonSet kButtonSets[] = {
    {{IDOK}, 1, IDOK},
    {{IDOK, IDCANCEL}, 2, IDCANCEL},
    {{IDABORT, IDRETRY, IDIGNORE}, 3, 0},
    {{IDYES, IDNO, IDCANCEL}, 3, IDCANCEL},
    {{IDYES, IDNO}, 2, 0},
    {{IDRETRY, IDCANCEL}, 2, IDCANCEL},
};

const char* ButtonText(int Id) {
  switch (Id) {
  case IDOK: return "OK";
  case IDCANCEL: return "Cancel";
  case IDABORT: return "Abort";
  case IDRETRY: return "Retry";
  case IDIGNORE: return "Ignore";
  case IDYES: return "Yes";
  default: return "No";
  }
}

TMessageBoxLayout::TIcon IconOf(UINT Type) {
  switch (Type & 0xF0) {
  case MB_ICONERROR: return TMessageBoxLayout::ErrorIcon;
  case MB_ICONQUESTION: return TMessageBoxLayout::QuestionIcon;
  case MB_ICONWARNING: return TMessageBoxLayout::WarningIcon;
  case MB_ICONINFORMATION: return TMessageBoxLayout::InformationIcon;
  default: return TMessageBoxLayout::NoIcon;
  }
}

// Draws with a pen and a brush selected, then takes them back.
template <class TDraw>
void WithInk(HDC Dc, COLORREF PenColor, COLORREF BrushColor, int PenWidth, TDraw Draw) {
  HPEN Pen = CreatePen(PS_SOLID, PenWidth, PenColor);
  HBRUSH Brush = CreateSolidBrush(BrushColor);
  HGDIOBJ OldPen = SelectObject(Dc, Pen), OldBrush = SelectObject(Dc, Brush);
  Draw();
  SelectObject(Dc, OldPen);
  SelectObject(Dc, OldBrush);
  DeleteObject(Pen);
  DeleteObject(Brush);
}

void Disc(HDC Dc, const TRect& R, COLORREF Outline, COLORREF Fill) {
  WithInk(Dc, Outline, Fill, 1, [&] { Ellipse(Dc, R.Left, R.Top, R.Right, R.Bottom); });
}

void Bar(HDC Dc, int Left, int Top, int Right, int Bottom, COLORREF Color) {
  WithInk(Dc, Color, Color, 1, [&] { Rectangle(Dc, Left, Top, Right, Bottom); });
}

void PaintError(HDC Dc, const TRect& R) {
  Disc(Dc, R, RGB(128, 0, 0), RGB(255, 0, 0));
  int L = R.Left + 10, T = R.Top + 10, Rt = R.Left + 21, B = R.Top + 21;
  WithInk(Dc, RGB(255, 255, 255), RGB(255, 255, 255), 3, [&] {
    MoveToEx(Dc, L, T, nullptr);
    LineTo(Dc, Rt, B);
    MoveToEx(Dc, Rt, T, nullptr);
    LineTo(Dc, L, B);
  });
}

// A filled triangle, one row at a time (GDI here has no polygon fill),
// outlined in black, with an exclamation mark.
void PaintWarning(HDC Dc, const TRect& R) {
  int Cx = R.Left + kIconSize / 2, Top = R.Top + 1, Rows = kIconSize - 2;
  HBRUSH Yellow = CreateSolidBrush(RGB(255, 255, 0));
  for (int Row = 0; Row < Rows; ++Row) {
    int Half = (Row * (kIconSize / 2 - 1)) / (Rows - 1);
    TRect Line{Cx - Half - 1, Top + Row, Cx + Half + 1, Top + Row + 1};
    FillRect(Dc, &Line, Yellow);
  }
  DeleteObject(Yellow);
  const TPoint Outline[] = {{Cx - 1, Top},
                            {R.Left, Top + Rows - 1},
                            {R.Right - 1, Top + Rows - 1},
                            {Cx, Top},
                            {Cx - 1, Top}};
  WithInk(Dc, RGB(0, 0, 0), RGB(0, 0, 0), 1, [&] { Polyline(Dc, Outline, 5); });
  Bar(Dc, Cx - 2, Top + 9, Cx + 2, Top + 21, RGB(0, 0, 0));
  Bar(Dc, Cx - 2, Top + 23, Cx + 2, Top + 27, RGB(0, 0, 0));
}

void PaintInformation(HDC Dc, const TRect& R) {
  Disc(Dc, R, RGB(0, 0, 128), RGB(255, 255, 255));
  int Cx = R.Left + kIconSize / 2;
  Disc(Dc, TRect{Cx - 3, R.Top + 5, Cx + 3, R.Top + 11}, RGB(0, 0, 255), RGB(0, 0, 255));
  Bar(Dc, Cx - 3, R.Top + 13, Cx + 3, R.Top + 27, RGB(0, 0, 255));
}

void PaintQuestion(HDC Dc, const TRect& R) {
  Disc(Dc, R, RGB(0, 0, 128), RGB(255, 255, 255));
  HFONT Font = CreateFont(-26, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  HGDIOBJ Old = SelectObject(Dc, Font);
  COLORREF OldColor = SetTextColor(Dc, RGB(0, 0, 255));
  int OldMode = SetBkMode(Dc, TRANSPARENT);
  TRect Box = R;
  DrawText(Dc, "?", 1, &Box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SetBkMode(Dc, OldMode);
  SetTextColor(Dc, OldColor);
  SelectObject(Dc, Old);
  DeleteObject(Font);
}

} // namespace

std::optional<TMessageBoxLayout> TMessageBoxLayout::Measure(HDC Dc, const std::string& Text,
                                                            UINT Type, int ScreenWidth) {
  UINT Set = Type & 0xF;
  if (Set >= std::size(kButtonSets)) return std::nullopt;
  TMessageBoxLayout L;
  const TButtonSet& Buttons = kButtonSets[Set];
  for (int I = 0; I < Buttons.Count; ++I)
    L.FButtons.push_back(TMessageBoxButton{Buttons.Ids[I], ButtonText(Buttons.Ids[I]), {}});
  L.FCancel = Buttons.Cancel;
  int Default = int((Type >> 8) & 0xF);
  L.FDefault = Default < Buttons.Count ? Default : 0;

  L.FIcon = IconOf(Type);
  int TextLeft = kMargin;
  if (L.FIcon != NoIcon) {
    L.FIconRect = TRect{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
    TextLeft += kIconSize + kIconGap;
  }
  int MaxText = std::max(kMinTextWidth, ScreenWidth * 2 / 3 - TextLeft - kMargin);
  TRect T{0, 0, MaxText, 0};
  if (!Text.empty())
    DrawText(Dc, Text.c_str(), int(Text.size()), &T,
             DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  int TextWidth = std::clamp(int(T.Width()), 0, MaxText), TextHeight = std::max(0, int(T.Height()));
  int IconHeight = L.FIcon != NoIcon ? kIconSize : 0;
  int TextTop = kMargin + std::max(0, (IconHeight - TextHeight) / 2);
  L.FTextRect = TRect{TextLeft, TextTop, TextLeft + TextWidth, TextTop + TextHeight};

  int RowWidth = Buttons.Count * kButtonWidth + (Buttons.Count - 1) * kButtonGap;
  L.FClientWidth = std::max(TextLeft + TextWidth + kMargin, RowWidth + 2 * kMargin);
  int ButtonsTop = kMargin + std::max(IconHeight, TextHeight) + kButtonsGap;
  L.FClientHeight = ButtonsTop + kButtonHeight + kMargin;
  L.PlaceButtons(ButtonsTop);
  return L;
}

void TMessageBoxLayout::PlaceButtons(int Top) {
  int Count = int(FButtons.size());
  int Left = (FClientWidth - (Count * kButtonWidth + (Count - 1) * kButtonGap)) / 2;
  for (TMessageBoxButton& B : FButtons) {
    B.Rect = TRect{Left, Top, Left + kButtonWidth, Top + kButtonHeight};
    Left += kButtonWidth + kButtonGap;
  }
}

bool TMessageBoxLayout::IsAnswer(int Id) const {
  return std::any_of(FButtons.begin(), FButtons.end(),
                     [Id](const TMessageBoxButton& B) { return B.Id == Id; });
}

void TMessageBoxLayout::Paint(HDC Dc, const std::string& Text) const {
  switch (FIcon) {
  case ErrorIcon: PaintError(Dc, FIconRect); break;
  case QuestionIcon: PaintQuestion(Dc, FIconRect); break;
  case WarningIcon: PaintWarning(Dc, FIconRect); break;
  case InformationIcon: PaintInformation(Dc, FIconRect); break;
  case NoIcon: break;
  }
  if (Text.empty()) return;
  TRect R = FTextRect;
  DrawText(Dc, Text.c_str(), int(Text.size()), &R, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}
