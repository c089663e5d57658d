// The screen object. Sizes are asked of the desktop at every call, so a
// change of the screen or of the task bar is seen at once; the menu font
// is a copy, renewed by ReadMenuFont (the application calls it when the
// desktop announces a settings change).
#include "framework/forms/Screen.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/CustomForm.h"
#include "framework/forms/DataModule.h"
#include "framework/graphics/Font.h"

#include "FrameworkConsts.h"

#include <algorithm>
#include <cstring>

TScreen* Screen = nullptr;

const TClass& TScreen::StaticClass() {
  static const TClass Class = TClassBuilder<TScreen>("TScreen").Build();
  return Class;
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner), FMenuFont(new TFont) { ReadMenuFont(); }

TScreen::~TScreen() { delete FMenuFont; }

int TScreen::GetWidth() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::GetHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::GetWorkAreaRect() const {
  TRect R{0, 0, GetWidth(), GetHeight()};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &R, 0);
  return R;
}

int TScreen::GetWorkAreaWidth() const { return GetWorkAreaRect().Width(); }
int TScreen::GetWorkAreaHeight() const { return GetWorkAreaRect().Height(); }
int TScreen::GetWorkAreaLeft() const { return GetWorkAreaRect().Left; }
int TScreen::GetWorkAreaTop() const { return GetWorkAreaRect().Top; }
int TScreen::GetDesktopWidth() const { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
int TScreen::GetDesktopHeight() const { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }
int TScreen::GetDesktopLeft() const { return GetSystemMetrics(SM_XVIRTUALSCREEN); }
int TScreen::GetDesktopTop() const { return GetSystemMetrics(SM_YVIRTUALSCREEN); }

// The face name is copied through a bounded buffer: the desktop's record
// is zero-terminated, but a forged one must not run past its end.
void TScreen::ReadMenuFont() {
  NONCLIENTMETRICSA Metrics{};
  Metrics.cbSize = sizeof(Metrics);
  if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0)) return;
  const LOGFONTA& Lf = Metrics.lfMenuFont;
  char Face[LF_FACESIZE + 1] = {};
  std::memcpy(Face, Lf.lfFaceName, LF_FACESIZE);
  TFontStyles Style;
  if (Lf.lfWeight >= FW_BOLD) Style.Include(fsBold);
  if (Lf.lfItalic) Style.Include(fsItalic);
  if (Lf.lfUnderline) Style.Include(fsUnderline);
  if (Lf.lfStrikeOut) Style.Include(fsStrikeOut);
  TFontPitch Pitch = fpDefault;
  if ((Lf.lfPitchAndFamily & 3) == FIXED_PITCH) Pitch = fpFixed;
  if ((Lf.lfPitchAndFamily & 3) == VARIABLE_PITCH) Pitch = fpVariable;
  FMenuFont->SetName(Face);
  FMenuFont->SetHeight(Lf.lfHeight);
  FMenuFont->SetStyle(Style);
  FMenuFont->SetCharset(Lf.lfCharSet);
  FMenuFont->SetPitch(Pitch);
}

// crDefault hands the shape back to the window under the pointer, which
// answers WM_SETCURSOR with its own; any other value shows at once.
void TScreen::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  if (Value == crDefault) {
    POINT P{0, 0};
    GetCursorPos(&P);
    if (HWND Wnd = WindowFromPoint(P)) {
      LRESULT Hit = SendMessage(Wnd, WM_NCHITTEST, 0, MAKELPARAM(P.X, P.Y));
      SendMessage(Wnd, WM_SETCURSOR, WPARAM(Wnd), MAKELPARAM(int(Hit), WM_MOUSEMOVE));
      return;
    }
  }
  ::SetCursor(LoadCursor(nullptr, CursorResource(Value)));
}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount()) throw EListError(SListIndexError, {Index});
  return FForms[std::size_t(Index)];
}

TDataModule* TScreen::DataModules(int Index) const {
  if (Index < 0 || Index >= DataModuleCount()) throw EListError(SListIndexError, {Index});
  return FDataModules[std::size_t(Index)];
}

void TScreen::AddForm(TCustomForm* Form) {
  if (Form && std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(FForms, Form);
  if (FActiveForm == Form) FActiveForm = nullptr;
}

void TScreen::AddDataModule(TDataModule* Module) {
  if (Module && std::find(FDataModules.begin(), FDataModules.end(), Module) == FDataModules.end())
    FDataModules.push_back(Module);
}

void TScreen::RemoveDataModule(TDataModule* Module) { std::erase(FDataModules, Module); }

// Only a form of the list can be the active one.
void TScreen::SetActiveForm(TCustomForm* Form) {
  if (Form && std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) return;
  FActiveForm = Form;
}
