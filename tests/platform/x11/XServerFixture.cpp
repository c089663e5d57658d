// Xvfb chooses a free display number itself (-displayfd) and writes it to
// a pipe once it listens, which removes both the search and the race for
// a number with other test runs on the same machine.
#include "XServerFixture.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kStartMs = 10000;

void KeepRunning(Display*, void*) {}

// Child side of a start: never returns.
[[noreturn]] void Exec(const std::vector<std::string>& Argv, const std::string& Display, int KeepFd,
                       const std::string& ErrorFile) {
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  int Null = open("/dev/null", O_RDWR);
  if (Null >= 0) {
    dup2(Null, 0);
    dup2(Null, 1);
    dup2(Null, 2);
  }
  int Errors = ErrorFile.empty() ? -1 : open(ErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (Errors >= 0) dup2(Errors, 2);
  if (KeepFd >= 0) fcntl(KeepFd, F_SETFD, 0);
  if (!Display.empty()) setenv("DISPLAY", Display.c_str(), 1);
  std::vector<char*> Args;
  for (const std::string& A : Argv) Args.push_back(const_cast<char*>(A.c_str()));
  Args.push_back(nullptr);
  execvp(Args[0], Args.data());
  _exit(127);
}

bool HasProperty(Display* D, Window W, Atom Property) {
  Atom Type = None;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  int Result = XGetWindowProperty(D, W, Property, 0, 4, False, AnyPropertyType, &Type, &Format,
                                  &Count, &After, &Data);
  if (Data) XFree(Data);
  return Result == Success && Type != None;
}

} // namespace

bool WaitUntil(const std::function<bool()>& Condition, int Ms) {
  auto End = std::chrono::steady_clock::now() + std::chrono::milliseconds(Ms);
  for (;;) {
    if (Condition()) return true;
    if (std::chrono::steady_clock::now() >= End) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

Display* OpenTestDisplay(const std::string& Name) {
  Display* D = XOpenDisplay(Name.c_str());
  if (D) XSetIOErrorExitHandler(D, KeepRunning, nullptr);
  return D;
}

// ---- TChildProcess ----

bool TChildProcess::Start(const std::vector<std::string>& Argv, const std::string& Display,
                          int KeepFd) {
  Stop();
  pid_t Pid = fork();
  if (Pid < 0) return false;
  if (Pid == 0) Exec(Argv, Display, KeepFd, FErrorFile);
  FPid = Pid;
  return true;
}

bool TChildProcess::Running() {
  if (FPid <= 0) return false;
  int Result = 0;
  if (waitpid(FPid, &Result, WNOHANG) == 0) return true;
  FPid = -1;
  return false;
}

int TChildProcess::Wait() {
  if (FPid <= 0) return -1;
  int Result = 0;
  pid_t Got = waitpid(FPid, &Result, 0);
  FPid = -1;
  return Got > 0 && WIFEXITED(Result) ? WEXITSTATUS(Result) : -1;
}

int TChildProcess::WaitAtMost(int Ms) {
  if (FPid <= 0) return -1;
  int Result = 0;
  if (!WaitUntil([&] { return waitpid(FPid, &Result, WNOHANG) == FPid; }, Ms)) return -2;
  FPid = -1;
  return WIFEXITED(Result) ? WEXITSTATUS(Result) : -1;
}

void TChildProcess::Stop() {
  if (FPid <= 0) return;
  kill(FPid, SIGTERM);
  bool Ended = WaitUntil([&] { return waitpid(FPid, nullptr, WNOHANG) == FPid; }, 1000);
  if (!Ended) {
    kill(FPid, SIGKILL);
    waitpid(FPid, nullptr, 0);
  }
  FPid = -1;
}

// ---- TXServer ----

bool TXServer::Start(std::string& Error) {
  Stop();
  int Pipe[2];
  if (pipe2(Pipe, O_CLOEXEC) != 0) {
    Error = "pipe: " + std::string(std::strerror(errno));
    return false;
  }
  std::vector<std::string> Argv = {"Xvfb",         "-displayfd", std::to_string(Pipe[1]),
                                   "-noreset",     "-screen",    "0",
                                   "1280x1024x24", "-nolisten",  "tcp"};
  bool Started = FServer.Start(Argv, "", Pipe[1]);
  close(Pipe[1]);
  std::string Number;
  pollfd P{Pipe[0], POLLIN, 0};
  auto End = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartMs);
  while (Started && Number.find('\n') == std::string::npos) {
    auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(
        End - std::chrono::steady_clock::now());
    if (Left.count() <= 0 || poll(&P, 1, int(Left.count())) <= 0) break;
    char Buf[32];
    ssize_t N = read(Pipe[0], Buf, sizeof Buf);
    if (N <= 0) break;
    Number.append(Buf, std::size_t(N));
  }
  close(Pipe[0]);
  if (Number.find('\n') == std::string::npos) {
    Error = "Xvfb did not start (is the xvfb package installed?)";
    FServer.Stop();
    return false;
  }
  FName = ":" + Number.substr(0, Number.find('\n'));
  FViewer = OpenTestDisplay(FName);
  if (!FViewer) {
    Error = "Xvfb on " + FName + " accepts no connection";
    FServer.Stop();
    return false;
  }
  return true;
}

void TXServer::Stop() {
  StopCompositor();
  StopWindowManager();
  if (FViewer) XCloseDisplay(FViewer);
  FViewer = nullptr;
  FServer.Stop();
}

bool TXServer::StartWindowManager(std::string& Error) {
  if (FManager.Running()) return true;
  if (!FManager.Start({"openbox", "--sm-disable"}, FName)) {
    Error = "cannot start openbox";
    return false;
  }
  // Managed for real: the manager has put WM_STATE on a mapped window.
  Display* D = FViewer;
  Window Probe = XCreateSimpleWindow(D, DefaultRootWindow(D), 0, 0, 10, 10, 0, 0, 0);
  XMapWindow(D, Probe);
  XSync(D, False);
  Atom WmState = XInternAtom(D, "WM_STATE", False);
  bool Ready = WaitUntil([&] { return HasProperty(D, Probe, WmState); }, kStartMs);
  XDestroyWindow(D, Probe);
  XSync(D, False);
  if (!Ready) {
    Error = "openbox did not manage a window within 10 s";
    FManager.Stop();
  }
  return Ready;
}

void TXServer::StopWindowManager() {
  if (FManager.Pid() <= 0) return;
  FManager.Stop();
  // What it announced on the root goes with it, so the next test sees a
  // desktop without a manager.
  for (const char* Name : {"_NET_SUPPORTING_WM_CHECK", "_NET_WORKAREA", "_NET_ACTIVE_WINDOW"})
    XDeleteProperty(FViewer, DefaultRootWindow(FViewer), XInternAtom(FViewer, Name, False));
  XSync(FViewer, False);
}

bool TXServer::StartCompositor(std::string& Error) {
  if (FCompositor.Running()) return true;
  if (!FCompositor.Start({"xcompmgr"}, FName)) {
    Error = "cannot start xcompmgr";
    return false;
  }
  Atom Cm = XInternAtom(FViewer, "_NET_WM_CM_S0", False);
  bool Ready = WaitUntil([&] { return XGetSelectionOwner(FViewer, Cm) != None; }, kStartMs);
  if (!Ready) {
    Error = "xcompmgr did not take _NET_WM_CM_S0 within 10 s";
    FCompositor.Stop();
  }
  return Ready;
}

void TXServer::StopCompositor() {
  if (FCompositor.Pid() <= 0) return;
  FCompositor.Stop();
  Atom Cm = XInternAtom(FViewer, "_NET_WM_CM_S0", False);
  WaitUntil([&] { return XGetSelectionOwner(FViewer, Cm) == None; }, kStartMs);
}

int TXServer::Run(const std::vector<std::string>& Argv) {
  TChildProcess Tool;
  if (!Tool.Start(Argv, FName)) return -1;
  return Tool.Wait();
}

TXServer* TXServer::Shared(std::string& Error) {
  static TXServer Server;
  static std::string StartError;
  static bool Tried = false;
  if (!Tried) {
    Tried = true;
    if (!Server.Start(StartError)) StartError = StartError.empty() ? "Xvfb failed" : StartError;
  }
  Error = StartError;
  return Server.Running() ? &Server : nullptr;
}

std::vector<long> XLongProperty(Display* D, Window W, const char* Property) {
  Atom Type = None;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  std::vector<long> Out;
  if (XGetWindowProperty(D, W, XInternAtom(D, Property, False), 0, 1024, False, AnyPropertyType,
                         &Type, &Format, &Count, &After, &Data) == Success &&
      Data && Format == 32)
    Out.assign(reinterpret_cast<long*>(Data), reinterpret_cast<long*>(Data) + Count);
  if (Data) XFree(Data);
  return Out;
}

bool XPropertyHasAtom(Display* D, Window W, const char* Property, const char* Value) {
  std::vector<long> L = XLongProperty(D, W, Property);
  return std::find(L.begin(), L.end(), long(XInternAtom(D, Value, False))) != L.end();
}

bool XWindowViewable(Display* D, Window W) {
  XWindowAttributes A{};
  return W && XGetWindowAttributes(D, W, &A) && A.map_state == IsViewable;
}

bool XScreenPlace(Display* D, Window W, int (&Box)[4]) {
  XWindowAttributes A{};
  int X = 0, Y = 0;
  Window Child;
  if (!XGetWindowAttributes(D, W, &A) ||
      !XTranslateCoordinates(D, W, DefaultRootWindow(D), 0, 0, &X, &Y, &Child))
    return false;
  Box[0] = X;
  Box[1] = Y;
  Box[2] = X + A.width;
  Box[3] = Y + A.height;
  return true;
}

void XSetWorkArea(Display* D, const std::vector<long>& Items) {
  Atom Area = XInternAtom(D, "_NET_WORKAREA", False);
  if (Items.empty())
    XDeleteProperty(D, DefaultRootWindow(D), Area);
  else
    XChangeProperty(D, DefaultRootWindow(D), Area, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(Items.data()), int(Items.size()));
  XSync(D, False);
}

std::uint32_t XRootPixel(Display* D, int X, int Y) {
  XImage* I = XGetImage(D, DefaultRootWindow(D), X, Y, 1, 1, AllPlanes, ZPixmap);
  if (!I) return 0xFFFFFFFF;
  std::uint32_t P = std::uint32_t(XGetPixel(I, 0, 0)) & 0xFFFFFF;
  XDestroyImage(I);
  return P;
}
