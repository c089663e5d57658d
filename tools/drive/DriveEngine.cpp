// The run and the idle handler of the engine; see DriveEngine.h.
#include "tools/drive/DriveEngine.h"

#include "platform/ResourceRegistry.h"
#include "platform/headless/HeadlessDesktop.h"
#include "tools/drive/DriveInput.h"
#include "tools/drive/DriveLine.h"

#include <cstdlib>
#include <exception>

namespace {

// Milliseconds the clock moves per turn of `wait`: small enough that a
// repeating timer fires as often as it would in real time.
constexpr std::uint64_t kDriveWaitStep = 10;
// Idle turns a program may take to end once it was asked to; a program
// that keeps going after that many "nothing more" answers never ends.
constexpr int kDriveStoppingIdles = 10000;

} // namespace

TDriveEngine::TDriveEngine(std::ostream& Out)
    : FOut(Out), FDesk(THeadlessDesktop::Install()), FInput(std::make_unique<TDriveInput>(FDesk)) {}

TDriveEngine::~TDriveEngine() {
  FDesk.SetIdleHandler(nullptr);
  FDesk.SetWatchdog(0, nullptr);
  DropResources();
}

int TDriveEngine::Run(std::istream& In, TProgram Program) {
  FScript = std::make_unique<TDriveScript>(In);
  FProgram = std::move(Program);
  while (std::optional<TDriveCommand> Cmd = FScript->Next()) {
    if (FPhase == TPhase::Setup && !Cmd->Words.empty() && Cmd->Words[0] == "start" &&
        Cmd->Words.size() == 1)
      Start(*Cmd);
    else
      Execute(*Cmd);
  }
  DropResources();
  return FFailed ? 1 : 0;
}

void TDriveEngine::Start(const TDriveCommand& Cmd) {
  FPhase = TPhase::Running;
  FResumeLine = Cmd.Line;
  FDesk.SetIdleHandler([this] { return OnIdle(); });
  FDesk.SetWatchdog(FSettleLimit, [this] { Runaway("program did not settle"); });
  int Code = 0;
  bool Returned = false;
  try {
    Code = FProgram ? FProgram() : 0;
    Returned = true;
  } catch (const std::exception& E) {
    Error(std::string("program failed: ") + E.what(), Cmd.Line);
  } catch (...) {
    Error("program failed", Cmd.Line);
  }
  FDesk.SetIdleHandler(nullptr);
  FDesk.SetWatchdog(0, nullptr);
  FPhase = TPhase::Ended;
  if (Returned) Print(TDriveLine().Add("exit", Code).Str());
}

bool TDriveEngine::OnIdle() {
  if (FStopping) return StoppingIdle();
  if (FWaitLeft > 0) return WaitStep();
  while (std::optional<TDriveCommand> Cmd = FScript->Next()) {
    if (Execute(*Cmd) == TStep::Next) continue;
    FResumeLine = Cmd->Line;
    return FWaitLeft > 0 ? WaitStep() : true;
  }
  FStopping = true;
  return false;
}

bool TDriveEngine::StoppingIdle() {
  if (++FStoppingIdles > kDriveStoppingIdles) Runaway("program did not end");
  return false;
}

bool TDriveEngine::WaitStep() {
  std::uint64_t Step = FWaitLeft < kDriveWaitStep ? FWaitLeft : kDriveWaitStep;
  FWaitLeft -= Step;
  FDesk.AdvanceTime(Step);
  return true;
}

void TDriveEngine::Runaway(const std::string& Message) {
  Error(Message, FResumeLine);
  FOut.flush();
  std::_Exit(2);
}

void TDriveEngine::Print(const std::string& Line) { FOut << Line << '\n' << std::flush; }

void TDriveEngine::Print(const std::vector<std::string>& Lines) {
  for (const std::string& Line : Lines) FOut << Line << '\n';
  FOut.flush();
}

void TDriveEngine::Error(const std::string& Message, int Line) {
  FFailed = true;
  Print(TDriveLine().Text("error", Message).Add("line", Line).Str());
}

void TDriveEngine::DropResources() {
  for (const auto& O : FOverrides) TResourceRegistry::Instance().Remove(O->Handle);
  FOverrides.clear();
}
