// Parsing and queueing of input commands; see DriveInput.h.
#include "tools/drive/DriveInput.h"

#include "platform/WinUser.h"
#include "platform/headless/HeadlessDesktop.h"
#include "tools/drive/DriveScript.h"

namespace {

// Enough for a drag to cross any screen pixel by pixel.
constexpr long long kDriveInputMaxSteps = 100000;

struct TDriveKeyName {
  const char* Name;
  UINT Key;
  std::uint32_t Char;
};

// Only the keys that type a character by themselves carry one: a dialog
// must see Enter and Escape as the keys they are, not as characters.
constexpr TDriveKeyName kDriveKeyNames[] = {
    {"Enter", VK_RETURN, 0},  {"Escape", VK_ESCAPE, 0}, {"Tab", VK_TAB, 0},
    {"Space", VK_SPACE, ' '}, {"Left", VK_LEFT, 0},     {"Right", VK_RIGHT, 0},
    {"Up", VK_UP, 0},         {"Down", VK_DOWN, 0},     {"Home", VK_HOME, 0},
    {"End", VK_END, 0},       {"PageUp", VK_PRIOR, 0},  {"PageDown", VK_NEXT, 0},
    {"Menu", VK_APPS, 0},
};

} // namespace

bool TDriveInput::IsInputCommand(const std::string& Name) {
  return Name == "move" || Name == "down" || Name == "up" || Name == "click" || Name == "drag" ||
         Name == "key";
}

std::string TDriveInput::Queue(const std::vector<std::string>& Words) {
  const std::string& Name = Words.at(0);
  if (Name == "drag") return Drag(Words);
  if (Name == "key") return Key(Words);
  return Pointer(Words);
}

std::string TDriveInput::Point(const std::string& X, const std::string& Y, TPoint& Out) const {
  long long Px = 0, Py = 0;
  if (!TDriveScript::ParseInt(X, -1000000, 1000000, Px) ||
      !TDriveScript::ParseInt(Y, -1000000, 1000000, Py))
    return "bad coordinate \"" + X + " " + Y + "\"";
  int W = GetSystemMetrics(SM_CXSCREEN), H = GetSystemMetrics(SM_CYSCREEN);
  if (Px < 0 || Py < 0 || Px >= W || Py >= H)
    return "point " + X + "," + Y + " lies off the screen";
  Out = TPoint{int(Px), int(Py)};
  return {};
}

bool TDriveInput::ButtonByName(const std::string& Name, int& Button) {
  if (Name == "left")
    Button = 0;
  else if (Name == "right")
    Button = 1;
  else
    return false;
  return true;
}

std::string TDriveInput::Pointer(const std::vector<std::string>& Words) {
  const std::string& Name = Words[0];
  std::size_t Max = Name == "move" ? 3 : 4;
  if (Words.size() < 3 || Words.size() > Max)
    return Name + (Name == "move" ? " takes X Y" : " takes X Y [left|right]");
  TPoint P;
  if (std::string E = Point(Words[1], Words[2], P); !E.empty()) return E;
  int Button = 0;
  if (Words.size() == 4 && !ButtonByName(Words[3], Button))
    return "unknown button \"" + Words[3] + "\"";
  if (Name == "click") {
    FDesk.Click(P.X, P.Y, Button);
    return {};
  }
  FDesk.MouseMove(P.X, P.Y);
  if (Name == "down") FDesk.MouseDown(Button);
  if (Name == "up") FDesk.MouseUp(Button);
  return {};
}

std::string TDriveInput::Drag(const std::vector<std::string>& Words) {
  if (Words.size() < 5 || Words.size() > 6) return "drag takes X1 Y1 X2 Y2 [STEPS]";
  TPoint From, To;
  if (std::string E = Point(Words[1], Words[2], From); !E.empty()) return E;
  if (std::string E = Point(Words[3], Words[4], To); !E.empty()) return E;
  long long Steps = 10;
  if (Words.size() == 6 && !TDriveScript::ParseInt(Words[5], 1, kDriveInputMaxSteps, Steps))
    return "bad step count \"" + Words[5] + "\"";
  FDesk.MouseMove(From.X, From.Y);
  FDesk.MouseDown(0);
  for (long long I = 1; I <= Steps; ++I)
    FDesk.MouseMove(int(From.X + (To.X - From.X) * I / Steps),
                    int(From.Y + (To.Y - From.Y) * I / Steps));
  FDesk.MouseUp(0);
  return {};
}

std::string TDriveInput::Key(const std::vector<std::string>& Words) {
  if (Words.size() != 2) return "key takes one key name";
  UINT Vk = 0;
  std::uint32_t Char = 0;
  if (!KeyByName(Words[1], Vk, Char)) return "unknown key \"" + Words[1] + "\"";
  FDesk.PressKey(Vk, Char);
  return {};
}

bool TDriveInput::KeyByName(const std::string& Name, UINT& Key, std::uint32_t& Char) {
  for (const TDriveKeyName& K : kDriveKeyNames)
    if (Name == K.Name) {
      Key = K.Key;
      Char = K.Char;
      return true;
    }
  if (Name.size() != 1) return false;
  char C = Name[0];
  bool Letter = (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
  if (!Letter && !(C >= '0' && C <= '9')) return false;
  Key = UINT(C >= 'a' && C <= 'z' ? C - 'a' + 'A' : C);
  Char = std::uint32_t(C);
  return true;
}
