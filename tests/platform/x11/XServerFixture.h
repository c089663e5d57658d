// A private X server for tests: Xvfb on a display number it picks itself,
// plus, on demand, the openbox window manager and the xcompmgr compositing
// manager. Each start waits until the program is really serving (the
// server accepts a connection; the manager has put WM_STATE on a
// throwaway window; the compositor owns _NET_WM_CM_S0), and every process
// is stopped by its own pid. The processes also die with the test program
// (parent-death signal), so a crash leaves no server behind.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// A program started for a test and stopped by its pid.
class TChildProcess {
public:
  TChildProcess() = default;
  ~TChildProcess() { Stop(); }
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;

  // Starts Argv[0] (searched in PATH) with Display as $DISPLAY (empty:
  // unchanged). KeepFd stays open in the child. Its output is discarded,
  // its standard error too unless SetErrorFile named a file for it.
  bool Start(const std::vector<std::string>& Argv, const std::string& Display, int KeepFd = -1);
  // The file (made or emptied) the next started program writes its
  // standard error to; empty: discarded.
  void SetErrorFile(const std::string& Path) { FErrorFile = Path; }
  // SIGTERM, then SIGKILL when it has not ended within a second.
  void Stop();
  bool Running();
  // Waits for it to end; its exit status, -1 when it was killed or never ran.
  int Wait();
  // The same, waiting at most Ms: -2 when it still runs then.
  int WaitAtMost(int Ms);
  pid_t Pid() const { return FPid; }

private:
  pid_t FPid = -1;
  std::string FErrorFile;
};

class TXServer {
public:
  TXServer() = default;
  ~TXServer() { Stop(); }
  TXServer(const TXServer&) = delete;
  TXServer& operator=(const TXServer&) = delete;

  // Starts Xvfb (-noreset, one 1280x1024x24 screen) and waits for it.
  bool Start(std::string& Error);
  void Stop();
  bool Running() const { return FViewer != nullptr; }
  // ":N".
  const std::string& Name() const { return FName; }
  pid_t ServerPid() const { return FServer.Pid(); }
  // A connection of the test's own, for looking at what the program did.
  Display* Viewer() const { return FViewer; }

  bool StartWindowManager(std::string& Error);
  void StopWindowManager();
  bool StartCompositor(std::string& Error);
  void StopCompositor();
  bool CompositorRunning() { return FCompositor.Running(); }

  // Runs a command-line X tool on this display and returns its exit
  // status (-1 when it could not run).
  int Run(const std::vector<std::string>& Argv);

  // The one server a test program shares; started on first use. Null,
  // with Error, when it cannot be started.
  static TXServer* Shared(std::string& Error);

private:
  TChildProcess FServer, FManager, FCompositor;
  std::string FName;
  Display* FViewer = nullptr;
};

// Polls Condition every few milliseconds until it holds or Ms passed.
bool WaitUntil(const std::function<bool()>& Condition, int Ms);

// Opens a connection that reports a lost server instead of exiting.
Display* OpenTestDisplay(const std::string& Name);

// What the server says of a window, as tests look at it.
// The 32-bit values of a property; empty when it is missing or not 32-bit.
std::vector<long> XLongProperty(Display* D, Window W, const char* Property);
// Whether the 32-bit property lists the atom named Value.
bool XPropertyHasAtom(Display* D, Window W, const char* Property, const char* Value);
bool XWindowViewable(Display* D, Window W);
// 0x00RRGGBB of a pixel of the root window; 0xFFFFFFFF when unreadable.
std::uint32_t XRootPixel(Display* D, int X, int Y);
// Where W lies on the screen: Left, Top, Right, Bottom (borders of any
// frame excluded); false when the window is gone.
bool XScreenPlace(Display* D, Window W, int (&Box)[4]);
// Sets the root's _NET_WORKAREA (deletes it for no items) and waits until
// the server has it.
void XSetWorkArea(Display* D, const std::vector<long>& Items);
