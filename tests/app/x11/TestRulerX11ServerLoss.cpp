// The X server going away under the running program, as a user meets it:
// tavrel ends by itself within a few seconds, says in one line on
// standard error which display it lost, and exits with status 1. The
// program gets a server of its own, which the test kills by its pid; the
// other tests' server is left alone.
#include <gtest/gtest.h>

#include "platform/x11/XServerFixture.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// Whether a window of process Pid is on screen. Without a window manager
// the program's windows are the root's own children.
bool LossProgramShows(Display* D, pid_t Pid) {
  Window Root, Parent, *Kids = nullptr;
  unsigned N = 0;
  if (!XQueryTree(D, DefaultRootWindow(D), &Root, &Parent, &Kids, &N)) return false;
  bool Shows = false;
  for (unsigned I = 0; I < N && !Shows; ++I)
    Shows = XLongProperty(D, Kids[I], "_NET_WM_PID") == std::vector<long>{long(Pid)} &&
            XWindowViewable(D, Kids[I]);
  if (Kids) XFree(Kids);
  return Shows;
}

// Xlib's own handler would end the test program with the server; the
// test's connection then goes on quietly, refusing requests.
int LossQuietIOError(Display*) { return 0; }

std::string LossReadFile(const std::string& Path) {
  std::ifstream In(Path);
  return std::string((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(RulerX11ServerLoss, KilledServerEndsTheProgramWithAReason) {
  TXServer Own;
  std::string Error;
  ASSERT_TRUE(Own.Start(Error)) << Error;
  char Path[] = "/tmp/tavrel-x11-loss-XXXXXX";
  int Fd = mkstemp(Path);
  ASSERT_GE(Fd, 0);
  close(Fd);
  TChildProcess Ruler;
  Ruler.SetErrorFile(Path);
  ASSERT_TRUE(Ruler.Start({TAVREL_BIN}, Own.Name()));
  ASSERT_TRUE(WaitUntil([&] { return LossProgramShows(Own.Viewer(), Ruler.Pid()); }, 15000))
      << "tavrel showed no window; its errors: " << LossReadFile(Path);
  XIOErrorHandler Before = XSetIOErrorHandler(LossQuietIOError);
  kill(Own.ServerPid(), SIGKILL);
  // A generous bound: the program notices at once, but the machine is shared.
  int Code = Ruler.WaitAtMost(10000);
  std::string Said = LossReadFile(Path);
  std::remove(Path);
  // The test's connection to the dead server is closed before Xlib's own
  // handler is back.
  Own.Stop();
  XSetIOErrorHandler(Before);
  EXPECT_NE(Code, -2) << "tavrel outlived its server by 10 s";
  EXPECT_EQ(Code, 1);
  EXPECT_EQ(Said, "tavrel: lost the connection to the X display \"" + Own.Name() + "\"\n");
}
