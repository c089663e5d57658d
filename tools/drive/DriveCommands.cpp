// The commands of the engine, each checked before it acts; see
// DriveEngine.h. Looking commands print at once; the ones that give the
// program something to do answer TStep::Resume.
#include "tools/drive/DriveEngine.h"

#include "framework/forms/Application.h"
#include "framework/forms/CustomForm.h"
#include "platform/ResourceRegistry.h"
#include "platform/WinUser.h"
#include "platform/headless/HeadlessDesktop.h"
#include "tools/drive/DriveControls.h"
#include "tools/drive/DriveInput.h"
#include "tools/drive/DriveLine.h"
#include "tools/drive/DriveReport.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

// A form definition is a few hundred kilobytes at most; anything beyond
// this is a wrong file, not a resource.
constexpr std::streamoff kDriveMaxResourceBytes = 64LL << 20;
constexpr long long kDriveMaxScreenSide = 16384;
constexpr long long kDriveMaxWait = 3600000;
// What the desktop keeps below the work area when the script names none.
constexpr long long kDriveTaskBarHeight = 30;

bool DriveCommandIsKnown(const std::string& Name) {
  static const char* const Names[] = {"wait",  "idle",  "windows", "controls",
                                      "menus", "pixel", "shot",    "quit"};
  for (const char* N : Names)
    if (Name == N) return true;
  return TDriveInput::IsInputCommand(Name);
}

bool DriveCommandReadFile(const std::string& Path, std::vector<char>& Out) {
  std::ifstream F(Path, std::ios::binary);
  if (!F) return false;
  F.seekg(0, std::ios::end);
  std::streamoff Size = F.tellg();
  if (Size < 0 || Size > kDriveMaxResourceBytes) return false;
  F.seekg(0, std::ios::beg);
  Out.resize(std::size_t(Size));
  return Size == 0 || bool(F.read(Out.data(), Size));
}

} // namespace

TDriveEngine::TStep TDriveEngine::Execute(const TDriveCommand& Cmd) {
  if (!Cmd.Error.empty() || Cmd.Words.empty()) {
    Error(Cmd.Error.empty() ? "empty command" : Cmd.Error, Cmd.Line);
    return TStep::Next;
  }
  const std::string& Name = Cmd.Words[0];
  if (Name == "setting") {
    Setting(Cmd);
    return TStep::Next;
  }
  if (Name == "echo") {
    Echo(Cmd);
    return TStep::Next;
  }
  if (Name == "start" && FPhase == TPhase::Setup) {
    Error("start takes no arguments", Cmd.Line);
    return TStep::Next;
  }
  if (Name == "start" || Name == "screen" || Name == "resource") {
    if (FPhase != TPhase::Setup)
      Error(Name == "start" ? "program already started" : Name + " must come before start",
            Cmd.Line);
    else if (Name == "screen")
      Screen(Cmd);
    else
      Resource(Cmd);
    return TStep::Next;
  }
  if (!DriveCommandIsKnown(Name)) {
    Error("unknown command \"" + Name + "\"", Cmd.Line);
    return TStep::Next;
  }
  if (FPhase != TPhase::Running) {
    Error("program is not running", Cmd.Line);
    return TStep::Next;
  }
  return ExecuteRunning(Cmd);
}

TDriveEngine::TStep TDriveEngine::ExecuteRunning(const TDriveCommand& Cmd) {
  const std::vector<std::string>& W = Cmd.Words;
  const std::string& Name = W[0];
  if (TDriveInput::IsInputCommand(Name)) {
    std::string E = FInput->Queue(W);
    if (E.empty()) return TStep::Resume;
    Error(E, Cmd.Line);
    return TStep::Next;
  }
  if (Name == "wait") return Wait(Cmd);
  if (Name == "pixel") {
    Pixel(Cmd);
    return TStep::Next;
  }
  if (Name == "shot") {
    Shot(Cmd);
    return TStep::Next;
  }
  if (W.size() != 1) {
    Error(Name + " takes no arguments", Cmd.Line);
    return TStep::Next;
  }
  if (Name == "idle") return TStep::Resume;
  if (Name == "quit") return Quit(Cmd);
  if (Name == "windows") Print(TDriveReport::Windows());
  if (Name == "controls") Print(TDriveControls::Lines());
  if (Name == "menus") Print(TDriveReport::Menus());
  return TStep::Next;
}

// Scripts mark the places they look at, so that a reader of the output
// can tell one look from the next.
void TDriveEngine::Echo(const TDriveCommand& Cmd) {
  std::string Text;
  for (std::size_t I = 1; I < Cmd.Words.size(); ++I) Text += (I > 1 ? " " : "") + Cmd.Words[I];
  Print(TDriveLine().Add("echo", Text).Str());
}

void TDriveEngine::Screen(const TDriveCommand& Cmd) {
  const std::vector<std::string>& W = Cmd.Words;
  long long Width = 0, Height = 0, Work = 0;
  if (W.size() < 3 || W.size() > 4 ||
      !TDriveScript::ParseInt(W[1], 1, kDriveMaxScreenSide, Width) ||
      !TDriveScript::ParseInt(W[2], 1, kDriveMaxScreenSide, Height)) {
    Error("screen takes W H [WORKH] (1 to 16384 pixels)", Cmd.Line);
    return;
  }
  Work = Height > kDriveTaskBarHeight ? Height - kDriveTaskBarHeight : Height;
  if (W.size() == 4 && !TDriveScript::ParseInt(W[3], 0, Height, Work)) {
    Error("work-area height must lie between 0 and the screen height", Cmd.Line);
    return;
  }
  FDesk.SetScreen(int(Width), int(Height), int(Work));
  if (GetSystemMetrics(SM_CXSCREEN) != Width || GetSystemMetrics(SM_CYSCREEN) != Height)
    Error("the desktop refused a screen of " + W[1] + "x" + W[2], Cmd.Line);
}

void TDriveEngine::Setting(const TDriveCommand& Cmd) {
  const std::vector<std::string>& W = Cmd.Words;
  if (W.size() < 2 || W.size() > 3 || W[1] != "menuanimation") {
    Error("setting takes menuanimation [0|1]", Cmd.Line);
    return;
  }
  if (W.size() == 2) {
    BOOL On = FALSE;
    SystemParametersInfo(SPI_GETMENUANIMATION, 0, &On, 0);
    Print(TDriveLine().Flag("menuanimation", On != FALSE).Str());
    return;
  }
  if (W[2] != "0" && W[2] != "1") {
    Error("menuanimation is 0 or 1", Cmd.Line);
    return;
  }
  SystemParametersInfo(SPI_SETMENUANIMATION, 0,
                       reinterpret_cast<void*>(std::uintptr_t(W[2] == "1" ? 1 : 0)), 0);
}

void TDriveEngine::Resource(const TDriveCommand& Cmd) {
  const std::vector<std::string>& W = Cmd.Words;
  if (W.size() != 3) {
    Error("resource takes NAME FILE", Cmd.Line);
    return;
  }
  auto O = std::make_unique<TOverride>();
  if (!DriveCommandReadFile(W[2], O->Bytes)) {
    Error("cannot read \"" + W[2] + "\"", Cmd.Line);
    return;
  }
  // Lookups search the newest registration first, so this one shadows
  // the embedded resource of the same name until it is removed.
  O->Handle = TResourceRegistry::Instance().Add(RT_RCDATA, W[1].c_str(), O->Bytes.data(),
                                                DWORD(O->Bytes.size()));
  if (!O->Handle) {
    Error("bad resource name \"" + W[1] + "\"", Cmd.Line);
    return;
  }
  FOverrides.push_back(std::move(O));
}

void TDriveEngine::Pixel(const TDriveCommand& Cmd) {
  const std::vector<std::string>& W = Cmd.Words;
  long long X = -1, Y = -1;
  if (W.size() != 3 || !TDriveScript::ParseInt(W[1], 0, kDriveMaxScreenSide, X) ||
      !TDriveScript::ParseInt(W[2], 0, kDriveMaxScreenSide, Y)) {
    Error("pixel takes X Y", Cmd.Line);
    return;
  }
  std::uint32_t Rgb = FDesk.ScreenPixel(int(X), int(Y));
  if (Rgb == CLR_INVALID) {
    Error("point " + W[1] + "," + W[2] + " lies off the screen", Cmd.Line);
    return;
  }
  char Hex[8];
  std::snprintf(Hex, sizeof Hex, "%06X", unsigned(Rgb & 0xFFFFFF));
  Print(TDriveLine().Add("pixel", W[1] + "," + W[2]).Add("rgb", Hex).Str());
}

void TDriveEngine::Shot(const TDriveCommand& Cmd) {
  const std::vector<std::string>& W = Cmd.Words;
  if (W.size() != 2 || W[1].empty()) {
    Error("shot takes FILE", Cmd.Line);
    return;
  }
  if (!FDesk.SaveScreenshot(W[1])) {
    Error("cannot write \"" + W[1] + "\"", Cmd.Line);
    return;
  }
  Print(TDriveLine().Add("shot", W[1]).Str());
}

TDriveEngine::TStep TDriveEngine::Wait(const TDriveCommand& Cmd) {
  long long Ms = 0;
  if (Cmd.Words.size() != 2 || !TDriveScript::ParseInt(Cmd.Words[1], 0, kDriveMaxWait, Ms)) {
    Error("wait takes MS (0 to 3600000)", Cmd.Line);
    return TStep::Next;
  }
  FWaitLeft = std::uint64_t(Ms);
  return TStep::Resume;
}

// Closes the main window the way its close box does; whatever happens
// then, every later idle turn answers "nothing more", so the program ends
// even if the close is refused or there is no main window.
TDriveEngine::TStep TDriveEngine::Quit(const TDriveCommand&) {
  FStopping = true;
  TCustomForm* Main = Application ? Application->GetMainForm() : nullptr;
  if (Main && Main->HandleAllocated()) PostMessage(Main->GetHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  return TStep::Resume;
}
