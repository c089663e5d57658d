// Mouse input on the frame. A press on the caption activates the window
// and hands the move to the desktop; a press on a caption button starts
// tracking without a loop of its own: the window layer passes every
// pointer message here first while a button is held, and the button shows
// pressed while the pointer is over it. A release elsewhere ends the
// tracking quietly. A release over the button is let through, so it
// reaches the window as WM_NCLBUTTONUP on the button, and the button's
// system command is sent from there: from inside the dispatch of a queued
// message, as on the original desktop, where a modal loop that the command
// ends (a dialog's close box) sees it happen, rather than from deep inside
// some GetMessage that would go on waiting. Tracking is tied to the desktop
// it started on and ends by itself when its window dies or the release
// never arrived, so it cannot swallow input meant for others.
#include "platform/user/NcFrame.h"
#include "platform/user/WindowManager.h"

namespace {

struct TTracking {
  HWND Wnd = nullptr;
  LRESULT Hit = HTNOWHERE;
  bool Over = false;
  bool Released = false; // let through as WM_NCLBUTTONUP, not yet seen
  TBackend* Desktop = nullptr;
};

TTracking Track;

bool TrackingLive() {
  return Track.Wnd && IsWindow(Track.Wnd) && HasBackend() && &Backend() == Track.Desktop;
}

std::optional<TNcBox> TrackedBox() {
  std::optional<TNcLayout> L = TNcLayout::OfWindow(Track.Wnd);
  const TNcBox* Box = L ? L->FindBox(Track.Hit) : nullptr;
  if (!Box) return std::nullopt;
  return *Box;
}

bool IsOverBox(HWND Wnd, const TNcBox& Box, TPoint ScreenPos) {
  TRect R{0, 0, 0, 0};
  if (!GetWindowRect(Wnd, &R)) return false;
  TPoint P{ScreenPos.X - R.Left, ScreenPos.Y - R.Top};
  return PtInRect(&Box.Rect, P) != FALSE;
}

// Only a window the user may activate comes to the front; a window with
// WS_EX_NOACTIVATE (and any child of one) stays where it is.
void Activate(HWND Wnd) {
  HWND Root = GetAncestor(Wnd, GA_ROOT);
  if (!Root) Root = Wnd;
  if ((GetWindowLong(Root, GWL_EXSTYLE) | GetWindowLong(Wnd, GWL_EXSTYLE)) & WS_EX_NOACTIVATE)
    return;
  if (GetActiveWindow() != Root) SetActiveWindow(Root);
}

WPARAM CommandOf(HWND Wnd, LRESULT Hit) {
  switch (Hit) {
  case HTMINBUTTON: return IsIconic(Wnd) ? SC_RESTORE : SC_MINIMIZE;
  case HTMAXBUTTON: return IsZoomed(Wnd) ? SC_RESTORE : SC_MAXIMIZE;
  case HTHELP: return SC_CONTEXTHELP;
  default: return SC_CLOSE;
  }
}

void EndTracking() {
  HWND Wnd = Track.Wnd;
  bool Live = TrackingLive();
  std::optional<TNcBox> Box = Live ? TrackedBox() : std::nullopt;
  Track = TTracking{};
  if (Box) NcPaintBox(Wnd, *Box);
}

// The window stays put while maximised, and a child's caption does not
// drag its whole top-level window along.
bool CaptionDown(HWND Wnd, TPoint ScreenPos) {
  Activate(Wnd);
  if (!IsWindow(Wnd)) return true;
  if (GetAncestor(Wnd, GA_ROOT) == Wnd && !IsZoomed(Wnd)) Backend().BeginMoveDrag(Wnd, ScreenPos);
  return true;
}

bool CaptionDoubleClick(HWND Wnd, TPoint ScreenPos) {
  std::optional<TNcLayout> L = TNcLayout::OfWindow(Wnd);
  const TNcBox* Max = L ? L->FindBox(HTMAXBUTTON) : nullptr;
  if (Max && Max->Enabled)
    SendMessage(Wnd, WM_SYSCOMMAND, CommandOf(Wnd, HTMAXBUTTON),
                MAKELPARAM(ScreenPos.X, ScreenPos.Y));
  return true;
}

bool PressBox(HWND Wnd, LRESULT Hit) {
  std::optional<TNcLayout> L = TNcLayout::OfWindow(Wnd);
  const TNcBox* Box = L ? L->FindBox(Hit) : nullptr;
  if (!Box) return false;
  if (!Box->Enabled) return true;
  TNcBox Pressed = *Box;
  Activate(Wnd);
  if (!IsWindow(Wnd)) return true;
  if (Track.Wnd) EndTracking();
  Track = TTracking{Wnd, Hit, true, false, &Backend()};
  NcPaintBox(Wnd, Pressed);
  return true;
}

void MoveWhileTracking(TPoint ScreenPos) {
  std::optional<TNcBox> Box = TrackedBox();
  if (!Box) return;
  bool Over = IsOverBox(Track.Wnd, *Box, ScreenPos);
  if (Over == Track.Over) return;
  Track.Over = Over;
  NcPaintBox(Track.Wnd, *Box);
}

// True when the release is consumed here.
bool ReleaseWhileTracking(TPoint ScreenPos) {
  std::optional<TNcBox> Box = TrackedBox();
  if (Box && IsOverBox(Track.Wnd, *Box, ScreenPos)) {
    Track.Released = true;
    return false;
  }
  EndTracking();
  return true;
}

bool ReleaseArrived(HWND Wnd, LRESULT Hit, TPoint ScreenPos) {
  if (Wnd != Track.Wnd || !Track.Released || !TrackingLive()) return false;
  bool Same = Hit == Track.Hit;
  EndTracking();
  if (Same)
    SendMessage(Wnd, WM_SYSCOMMAND, CommandOf(Wnd, Hit), MAKELPARAM(ScreenPos.X, ScreenPos.Y));
  return true;
}

bool IsPointerMessage(UINT Msg) {
  return (Msg >= WM_MOUSEMOVE && Msg <= WM_MOUSEWHEEL) ||
         (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCRBUTTONUP);
}

} // namespace

bool NcMouseMessage(HWND Wnd, UINT Msg, WPARAM HitCode, TPoint ScreenPos) {
  LRESULT Hit = LRESULT(HitCode);
  if (!IsWindow(Wnd)) return false;
  if (Msg == WM_NCLBUTTONUP) return ReleaseArrived(Wnd, Hit, ScreenPos);
  if (Msg != WM_NCLBUTTONDOWN && Msg != WM_NCLBUTTONDBLCLK) return false;
  if (Hit == HTCAPTION)
    return Msg == WM_NCLBUTTONDOWN ? CaptionDown(Wnd, ScreenPos)
                                   : CaptionDoubleClick(Wnd, ScreenPos);
  if (Hit == HTCLOSE || Hit == HTMINBUTTON || Hit == HTMAXBUTTON || Hit == HTHELP)
    return PressBox(Wnd, Hit);
  return false;
}

bool NcTrackMouse(UINT Msg, TPoint ScreenPos) {
  if (!Track.Wnd) return false;
  if (!TrackingLive()) {
    Track = TTracking{};
    return false;
  }
  if (Track.Released) {
    EndTracking();
    return false;
  }
  switch (Msg) {
  case WM_MOUSEMOVE:
  case WM_NCMOUSEMOVE: MoveWhileTracking(ScreenPos); return true;
  case WM_LBUTTONUP:
  case WM_NCLBUTTONUP: return ReleaseWhileTracking(ScreenPos);
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONDBLCLK: EndTracking(); return false;
  default: return IsPointerMessage(Msg);
  }
}

LRESULT NcPressedBox(HWND Wnd) {
  if (Wnd && Track.Wnd == Wnd && Track.Over && TrackingLive()) return Track.Hit;
  return HTNOWHERE;
}
