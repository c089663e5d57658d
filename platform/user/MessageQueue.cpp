// The one message queue. Messages are taken in the desktop's order:
// posted messages, then WM_QUIT, then input (made from desktop events
// only when it is its turn, so hit-testing sees the windows as earlier
// messages left them), then WM_PAINT for the first window with an invalid
// area, then due timers. GetMessage waits on the desktop when nothing is
// left; the headless desktop's clock only moves when a test says so.
#include "platform/user/WmState.h"

#include <algorithm>
#include <climits>

namespace {

bool InRange(UINT Msg, UINT Min, UINT Max) {
  return (Min == 0 && Max == 0) || (Msg >= Min && Msg <= Max);
}

bool Matches(const MSG& M, HWND Filter, UINT Min, UINT Max) {
  if (Filter && M.hwnd != Filter && !IsChild(Filter, M.hwnd)) return false;
  return InRange(M.message, Min, Max);
}

bool TakeFrom(std::deque<MSG>& Q, MSG& Out, HWND F, UINT Min, UINT Max, bool Remove) {
  for (auto It = Q.begin(); It != Q.end(); ++It)
    if (Matches(*It, F, Min, Max)) {
      Out = *It;
      if (Remove) Q.erase(It);
      return true;
    }
  return false;
}

// The first window, in stacking order and parents before children, that
// needs painting. Pending frames are painted on the way.
HWND FindPaint(TWindow& W, HWND Filter) {
  if (!WmIsShowing(W)) return nullptr;
  if (W.FrameNeeded) {
    W.FrameNeeded = false;
    SendMessage(W.Handle, WM_NCPAINT, 1, 0);
    if (!WmFindLive(W.Handle)) return nullptr;
  }
  bool Wanted = !Filter || Filter == W.Handle || IsChild(Filter, W.Handle);
  if (Wanted && !W.Painting && (!W.UpdateRgn.IsEmpty() || W.InternalPaint)) return W.Handle;
  std::vector<HWND> Kids = W.Children;
  for (HWND K : Kids)
    if (TWindow* KW = WmFindLive(K))
      if (HWND H = FindPaint(*KW, Filter)) return H;
  return nullptr;
}

bool TakePaint(MSG& Out, HWND Filter) {
  std::vector<HWND> Tops = Wm().ZOrder;
  for (HWND T : Tops)
    if (TWindow* W = WmFindLive(T))
      if (HWND H = FindPaint(*W, Filter)) {
        Out = MSG{H, WM_PAINT, 0, 0, GetTickCount(), {0, 0}};
        return true;
      }
  return false;
}

bool TakeTimer(MSG& Out, HWND Filter, bool Remove) {
  TWmState& S = Wm();
  std::uint64_t Now = Backend().Now();
  TTimer* Best = nullptr;
  for (TTimer& T : S.Timers)
    if (T.Due <= Now && (!Filter || T.Wnd == Filter || IsChild(Filter, T.Wnd)))
      if (!Best || T.Due < Best->Due) Best = &T;
  if (!Best) return false;
  Out =
      MSG{Best->Wnd, WM_TIMER, Best->Id, reinterpret_cast<LPARAM>(Best->Proc), DWORD(Now), {0, 0}};
  if (Remove) Best->Due = Now + Best->Elapse;
  return true;
}

bool PeekInternal(MSG& Out, HWND F, UINT Min, UINT Max, bool Remove) {
  TWmState& S = Wm();
  // Turning an event into input may post messages (a procedure reacting to
  // activation), so the posted queue is looked at again after each one.
  for (;;) {
    if (TakeFrom(S.Posted, Out, F, Min, Max, Remove)) return true;
    if (S.QuitPending && InRange(WM_QUIT, Min, Max)) {
      Out = MSG{nullptr, WM_QUIT, WPARAM(S.QuitCode), 0, GetTickCount(), {0, 0}};
      if (Remove) S.QuitPending = false;
      return true;
    }
    if (TakeFrom(S.Input, Out, F, Min, Max, Remove)) return true;
    if (!WmNextInput()) break;
  }
  if (InRange(WM_PAINT, Min, Max) && TakePaint(Out, F)) return true;
  return InRange(WM_TIMER, Min, Max) && TakeTimer(Out, F, Remove);
}

std::uint64_t NextTimerDue() {
  std::uint64_t Due = UINT64_MAX;
  for (const TTimer& T : Wm().Timers) Due = std::min(Due, T.Due);
  return Due;
}

void Remember(const MSG& M) {
  Backend().MessageTaken();
  TWmState& S = Wm();
  S.Last = M;
  TPoint P = Backend().CursorPos();
  S.Last.pt = P;
}

} // namespace

LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  if (TWindow* W = WmFind(wnd)) return WmCallProc(*W, proc, msg, wParam, lParam);
  return proc(wnd, msg, wParam, lParam);
}

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (wnd == HWND_BROADCAST) {
    std::vector<HWND> Tops = Wm().ZOrder;
    for (HWND H : Tops) SendMessage(H, msg, wParam, lParam);
    return 0;
  }
  TWindow* W = WmFind(wnd);
  if (!W) return 0;
  return WmCallProc(*W, W->Proc, msg, wParam, lParam);
}

BOOL PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWmState& S = Wm();
  if (wnd == HWND_BROADCAST) {
    for (HWND H : S.ZOrder) PostMessage(H, msg, wParam, lParam);
    return TRUE;
  }
  if (wnd && !WmFindLive(wnd)) return FALSE;
  S.Posted.push_back(MSG{wnd, msg, wParam, lParam, GetTickCount(), Backend().CursorPos()});
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  Wm().QuitPending = true;
  Wm().QuitCode = exitCode;
}

BOOL PeekMessage(MSG* msg, HWND wnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg || (wnd && !WmFind(wnd))) return FALSE;
  if (!PeekInternal(*msg, wnd, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0)) return FALSE;
  Remember(*msg);
  return TRUE;
}

BOOL GetMessage(MSG* msg, HWND wnd, UINT filterMin, UINT filterMax) {
  if (!msg || (wnd && !WmFind(wnd))) return -1;
  while (!PeekInternal(*msg, wnd, filterMin, filterMax, true)) {
    if (wnd && !WmFind(wnd)) return -1;
    if (!Backend().WaitForEvents(NextTimerDue())) PostQuitMessage(0);
  }
  Remember(*msg);
  return msg->message != WM_QUIT;
}

BOOL WaitMessage() {
  MSG M;
  while (!PeekInternal(M, nullptr, 0, 0, false))
    if (!Backend().WaitForEvents(NextTimerDue())) return FALSE;
  return TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  std::uint32_t Ch = Wm().KeyChars[msg->wParam & 0xFF];
  if (!Ch) return FALSE;
  UINT Kind = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  Wm().Posted.push_front(MSG{msg->hwnd, Kind, WPARAM(Ch), msg->lParam, msg->time, msg->pt});
  return TRUE;
}

DWORD GetMessageTime() { return Wm().Last.time; }

DWORD GetMessagePos() {
  const TPoint& P = Wm().Last.pt;
  return DWORD(WORD(P.X)) | (DWORD(WORD(P.Y)) << 16);
}

DWORD GetTickCount() { return DWORD(Backend().Now()); }

UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  TWmState& S = Wm();
  if (wnd && !WmFindLive(wnd)) return 0;
  if (!wnd) id = id ? id : S.NextTimerId++;
  elapse = std::clamp<UINT>(elapse, 10, 0x7FFFFFFF);
  std::uint64_t Due = Backend().Now() + elapse;
  for (TTimer& T : S.Timers)
    if (T.Wnd == wnd && T.Id == id) {
      T = TTimer{wnd, id, elapse, proc, Due};
      return id ? id : 1;
    }
  S.Timers.push_back(TTimer{wnd, id, elapse, proc, Due});
  return id ? id : 1;
}

BOOL KillTimer(HWND wnd, UINT_PTR id) {
  auto& V = Wm().Timers;
  auto It =
      std::find_if(V.begin(), V.end(), [&](const TTimer& T) { return T.Wnd == wnd && T.Id == id; });
  if (It == V.end()) return FALSE;
  V.erase(It);
  return TRUE;
}

void WmPurgeQueue(HWND Wnd) {
  TWmState& S = Wm();
  auto Dead = [Wnd](const MSG& M) { return M.hwnd == Wnd; };
  S.Posted.erase(std::remove_if(S.Posted.begin(), S.Posted.end(), Dead), S.Posted.end());
  S.Input.erase(std::remove_if(S.Input.begin(), S.Input.end(), Dead), S.Input.end());
  S.Timers.erase(std::remove_if(S.Timers.begin(), S.Timers.end(),
                                [Wnd](const TTimer& T) { return T.Wnd == Wnd; }),
                 S.Timers.end());
}
