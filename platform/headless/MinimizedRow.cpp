// Bars are laid out from the index alone, so removing a window slides the
// later ones left; callers repaint the whole Band() after any change.
#include "platform/headless/MinimizedRow.h"

#include <algorithm>
#include <string>

namespace {

// Room between the bar's left edge and its caption text.
constexpr int kTextIndent = 4;

std::string TextOf(HWND Wnd) {
  int Len = GetWindowTextLength(Wnd);
  if (Len <= 0) return {};
  std::string S(std::size_t(Len) + 1, '\0');
  S.resize(std::size_t(std::max(0, GetWindowText(Wnd, S.data(), Len + 1))));
  return S;
}

} // namespace

bool TMinimizedRow::Add(HWND Wnd) {
  if (!Wnd || Contains(Wnd)) return false;
  FWnds.push_back(Wnd);
  return true;
}

bool TMinimizedRow::Remove(HWND Wnd) {
  auto It = std::find(FWnds.begin(), FWnds.end(), Wnd);
  if (It == FWnds.end()) return false;
  FWnds.erase(It);
  return true;
}

bool TMinimizedRow::Contains(HWND Wnd) const {
  return std::find(FWnds.begin(), FWnds.end(), Wnd) != FWnds.end();
}

TMinimizedRow::TGrid TMinimizedRow::Grid() const {
  TGrid G{GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED), 0};
  if (G.Cx > 0 && G.Cy > 0) G.PerRow = std::max(1, int(FWork.Width() / G.Cx));
  return G;
}

TRect TMinimizedRow::BarRect(const TGrid& G, std::size_t Index) const {
  if (G.PerRow <= 0) return TRect{0, 0, 0, 0};
  int Row = int(Index) / G.PerRow, Col = int(Index) % G.PerRow;
  int Left = FWork.Left + Col * G.Cx, Bottom = FWork.Bottom - Row * G.Cy;
  return TRect{Left, Bottom - G.Cy, Left + G.Cx, Bottom};
}

TRect TMinimizedRow::BarOf(HWND Wnd) const {
  auto It = std::find(FWnds.begin(), FWnds.end(), Wnd);
  if (It == FWnds.end()) return TRect{0, 0, 0, 0};
  return BarRect(Grid(), std::size_t(It - FWnds.begin()));
}

HWND TMinimizedRow::BarAt(TPoint Pos) const {
  TGrid G = Grid();
  for (std::size_t I = 0; I < FWnds.size(); ++I) {
    TRect R = BarRect(G, I);
    if (PtInRect(&R, Pos)) return FWnds[I];
  }
  return nullptr;
}

TRect TMinimizedRow::Band() const {
  TGrid G = Grid();
  if (FWnds.empty() || G.PerRow <= 0) return TRect{0, 0, 0, 0};
  int Rows = int((FWnds.size() + std::size_t(G.PerRow) - 1) / std::size_t(G.PerRow));
  return TRect{FWork.Left, FWork.Bottom - Rows * G.Cy, FWork.Right, FWork.Bottom};
}

void TMinimizedRow::Paint(HDC Dc, const TRect& Clip, HWND Active) const {
  TGrid G = Grid();
  HGDIOBJ OldFont = SelectObject(Dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(Dc, TRANSPARENT);
  SetTextColor(Dc, RGB(255, 255, 255));
  for (std::size_t I = 0; I < FWnds.size(); ++I) {
    TRect Bar = BarRect(G, I), Hit;
    if (!IntersectRect(&Hit, &Bar, &Clip)) continue;
    int Color = FWnds[I] == Active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION;
    FillRect(Dc, &Bar, GetSysColorBrush(Color));
    // A one-pixel raised rim keeps neighbouring bars apart.
    DrawEdge(Dc, &Bar, BDR_RAISEDOUTER, BF_RECT);
    std::string Text = TextOf(FWnds[I]);
    TRect TextRect{Bar.Left + kTextIndent, Bar.Top, Bar.Right - kTextIndent, Bar.Bottom};
    DrawText(Dc, Text.c_str(), int(Text.size()), &TextRect,
             DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  SelectObject(Dc, OldFont);
}
