// The automation engine of tavrel-drive: runs a program in process on the
// built-in headless desktop and feeds it commands read from a script,
// printing what it is asked to look at (see DriveLine.h for the output
// form, DriveInput.h, DriveReport.h and DriveControls.h for the commands'
// details).
//
// Before `start` the commands run at once (screen, setting, resource).
// `start` calls the program with the desktop's idle handler installed;
// from then on the script is read inside that handler, i.e. whenever the
// program's queue falls idle in any blocking loop (main, modal form, menu,
// message box). Looking commands run and print there and reading goes
// on; input commands (and wait, idle, quit) queue their effect and hand
// control back, so the program runs until it is idle again, at whatever
// loop depth it then stands. At the end of the script the handler says
// "nothing more" (the loop receives WM_QUIT). When the program returns,
// `exit=CODE` is printed and the remaining commands run without it.
//
// A bad command prints `error="..." line=N` and the script goes on. A
// program that never falls idle again (more than the settle limit of
// messages and events in one stretch) gets `error="program did not
// settle" line=N` and the process exits with status 2 on the spot: the
// program's stack cannot be unwound from inside its own loop.
#pragma once

#include "tools/drive/DriveScript.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class THeadlessDesktop;
class TDriveInput;

class TDriveEngine {
public:
  using TProgram = std::function<int()>;

  static constexpr std::uint64_t kDefaultSettleLimit = 1000000;

  // Installs a fresh headless desktop for the run.
  explicit TDriveEngine(std::ostream& Out);
  ~TDriveEngine();
  TDriveEngine(const TDriveEngine&) = delete;
  TDriveEngine& operator=(const TDriveEngine&) = delete;

  void SetSettleLimit(std::uint64_t Limit) { FSettleLimit = Limit; }

  // Runs the script In against Program. 0 when every command ran, 1 when
  // any printed an error.
  int Run(std::istream& In, TProgram Program);

private:
  enum class TPhase { Setup, Running, Ended };
  // Next: read the next command; Resume: let the program run first.
  enum class TStep { Next, Resume };

  // DriveEngine.cpp: the run and the idle handler.
  void Start(const TDriveCommand& Cmd);
  bool OnIdle();
  bool StoppingIdle();
  bool WaitStep();
  [[noreturn]] void Runaway(const std::string& Message);
  void Print(const std::string& Line);
  void Print(const std::vector<std::string>& Lines);
  void Error(const std::string& Message, int Line);
  void DropResources();

  // DriveCommands.cpp: one command.
  TStep Execute(const TDriveCommand& Cmd);
  TStep ExecuteRunning(const TDriveCommand& Cmd);
  void Echo(const TDriveCommand& Cmd);
  void Screen(const TDriveCommand& Cmd);
  void Setting(const TDriveCommand& Cmd);
  void Resource(const TDriveCommand& Cmd);
  void Pixel(const TDriveCommand& Cmd);
  void Shot(const TDriveCommand& Cmd);
  TStep Wait(const TDriveCommand& Cmd);
  TStep Quit(const TDriveCommand& Cmd);

  std::ostream& FOut;
  THeadlessDesktop& FDesk;
  std::unique_ptr<TDriveInput> FInput;
  std::unique_ptr<TDriveScript> FScript;
  TProgram FProgram;
  TPhase FPhase = TPhase::Setup;
  bool FFailed = false;
  // Set once the program was asked to end (quit, end of the script): every
  // later idle turn answers "nothing more".
  bool FStopping = false;
  int FStoppingIdles = 0;
  std::uint64_t FWaitLeft = 0;
  // The command that last handed control to the program.
  int FResumeLine = 0;
  std::uint64_t FSettleLimit = kDefaultSettleLimit;

  struct TOverride {
    std::vector<char> Bytes;
    std::uintptr_t Handle = 0;
  };
  std::vector<std::unique_ptr<TOverride>> FOverrides;
};
