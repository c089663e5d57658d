// A demonstration of the desktop while the ruler itself is being built: on
// the headless desktop it opens what the program will show (a tool window
// with a scroll bar and the coordinate as its caption, a translucent
// top-most guide line, a dialog with a default button, a minimised window)
// and writes a screenshot of the whole screen as PNG.
#include "platform/WinUser.h"
#include "platform/headless/HeadlessDesktop.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

LRESULT PaperProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, W, L);
  PAINTSTRUCT Ps;
  HDC DC = BeginPaint(Wnd, &Ps);
  RECT R;
  GetClientRect(Wnd, &R);
  InflateRect(&R, -12, -12);
  SetBkMode(DC, TRANSPARENT);
  HGDIOBJ Old = SelectObject(DC, GetStockObject(DEFAULT_GUI_FONT));
  const char* Text = "Tavrel legger en tynn, gjennomsiktig linje over hele skjermen, "
                     "over alle vinduer, til å lese og måle etter.";
  DrawText(DC, Text, -1, &R, DT_WORDBREAK | DT_LEFT);
  SelectObject(DC, Old);
  EndPaint(Wnd, &Ps);
  return 0;
}

LRESULT LineProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg != WM_ERASEBKGND) return DefWindowProc(Wnd, Msg, W, L);
  RECT R;
  GetClientRect(Wnd, &R);
  FillRect(reinterpret_cast<HDC>(W), &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  return 1;
}

void Register(const char* Name, WNDPROC Proc, int Brush) {
  WNDCLASSA Wc{};
  Wc.lpfnWndProc = Proc;
  Wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(Brush + 1));
  Wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Wc.lpszClassName = Name;
  RegisterClass(&Wc);
}

HWND Open(DWORD Ex, const char* Cls, const char* Text, DWORD Style, TRect R, HWND Parent) {
  return CreateWindowEx(Ex, Cls, Text, Style, R.Left, R.Top, R.Width(), R.Height(), Parent, nullptr,
                        nullptr, nullptr);
}

void BuildScene(int Width, int Height) {
  Register("DemoPaper", PaperProc, COLOR_WINDOW);
  Register("DemoLine", LineProc, COLOR_WINDOW);
  Register("DemoTool", DefWindowProc, COLOR_BTNFACE);
  Open(0, "DemoPaper", "Notater", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE,
       Rect(40, 40, 360, 220), nullptr);
  HWND Tool = Open(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "DemoTool", "320",
                   WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Rect(400, 60, 560, 105), nullptr);
  RECT C;
  GetClientRect(Tool, &C);
  HWND Bar = Open(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, C, Tool);
  SCROLLINFO Si{sizeof Si, SIF_RANGE | SIF_POS, 0, Width, 0, Width / 2, 0};
  SetScrollInfo(Bar, SB_CTL, &Si, TRUE);
  EnableScrollBar(Bar, SB_CTL, ESB_DISABLE_RTDN);
  HWND Dialog =
      Open(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, "DemoTool", "Om Tavrel",
           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Rect(80, 260, 330, 380), nullptr);
  Open(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, Rect(85, 55, 160, 80), Dialog);
  HWND Min = Open(0, "DemoPaper", "Minimert", WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                  Rect(0, 0, 200, 100), nullptr);
  ShowWindow(Min, SW_MINIMIZE);
  HWND Line = Open(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "DemoLine", "",
                   WS_POPUP | WS_VISIBLE, Rect(Width / 2, 0, Width / 2 + 1, Height), nullptr);
  SetLayeredWindowAttributes(Line, 0, 64, LWA_ALPHA);
}

} // namespace

int main(int argc, char** argv) {
  std::string Path = argc > 1 ? argv[1] : "tavrel-demo.png";
  THeadlessDesktop& Desk = THeadlessDesktop::Install();
  const int Width = 640, Height = 480;
  Desk.SetScreen(Width, Height, Height - 30);
  BuildScene(Width, Height);
  Desk.PumpUntilIdle();
  if (!Desk.SaveScreenshot(Path)) {
    std::fprintf(stderr, "tavrel: cannot write %s\n", Path.c_str());
    return 1;
  }
  std::printf("%s\n", Path.c_str());
  return 0;
}
