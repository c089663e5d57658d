// The application object and its hidden window. The window is a popup of
// a class of its own that is never shown: it owns every top-level form
// (so forms get no task-bar entries of their own), carries the title,
// hears the desktop's settings changes for the screen object, and takes
// the release requests of forms (a form freed from its own handler would
// pull its window out from under the code still running in it).
#include "framework/forms/Application.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/CustomForm.h"
#include "framework/forms/Screen.h"
#include "framework/forms/TaskWindowList.h"

#include "FrameworkConsts.h"

#include <cerrno>

TApplication* Application = nullptr;

namespace {

constexpr char kWindowClass[] = "TApplication";

thread_local TComponent** GCreatingReference = nullptr;

// CreateForm's reference for the time one instance is made; nested
// CreateForm calls (from a constructor or OnCreate) keep their own.
class TCreatingScope {
public:
  explicit TCreatingScope(TComponent** Reference) : FSaved(GCreatingReference) {
    GCreatingReference = Reference;
  }
  ~TCreatingScope() { GCreatingReference = FSaved; }
  TCreatingScope(const TCreatingScope&) = delete;
  TCreatingScope& operator=(const TCreatingScope&) = delete;

private:
  TComponent** FSaved;
};

// The executable's name without its extension, as the title starts out.
std::string ProgramName() {
  std::string Name = program_invocation_short_name;
  std::size_t Dot = Name.rfind('.');
  if (Dot != std::string::npos && Dot > 0) Name.erase(Dot);
  return Name;
}

} // namespace

TComponent** TakeCreatingReference() {
  TComponent** Reference = GCreatingReference;
  GCreatingReference = nullptr;
  return Reference;
}

void RaiseCreationEvent(const TNotifyEvent& Event, TObject* Sender) {
  if (!Event) return;
  try {
    Event(Sender);
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(Sender);
  }
}

const TClass& TApplication::StaticClass() {
  static const TClass Class = TClassBuilder<TApplication>("TApplication").Build();
  return Class;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), FTitle(ProgramName()) {
  CreateHandle();
}

TApplication::~TApplication() {
  DestroyComponents();
  DestroyHandle();
}

void TApplication::Initialize() {
  if (!FHandle || !IsWindow(FHandle)) CreateHandle();
}

void TApplication::CreateHandle() {
  WNDCLASSA Wc{};
  if (!GetClassInfo(nullptr, kWindowClass, &Wc)) {
    Wc = WNDCLASSA{};
    Wc.lpfnWndProc = &TApplication::WindowProc;
    Wc.lpszClassName = kWindowClass;
    RegisterClass(&Wc);
  }
  int X = GetSystemMetrics(SM_CXSCREEN) / 2, Y = GetSystemMetrics(SM_CYSCREEN) / 2;
  FHandle = CreateWindowEx(0, kWindowClass, FTitle.c_str(),
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, X,
                           Y, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (FHandle) SetWindowLong(FHandle, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TApplication::DestroyHandle() {
  if (FHandle && IsWindow(FHandle)) {
    SetWindowLong(FHandle, GWL_USERDATA, 0);
    DestroyWindow(FHandle);
  }
  FHandle = nullptr;
  UnregisterClass(kWindowClass, nullptr);
}

void TApplication::SetTitle(const std::string& Value) {
  if (FTitle == Value) return;
  FTitle = Value;
  if (FHandle) SetWindowText(FHandle, FTitle.c_str());
}

void TApplication::SetHint(const std::string& Value) {
  if (FHint == Value) return;
  FHint = Value;
  if (OnHint) OnHint(this);
}

// The reference holds the instance from its constructor on (the class
// takes it through TakeCreatingReference), and again once made, for
// classes that do not; a failed construction leaves it null.
void TApplication::CreateForm(const TClass& Class, TComponent** Reference) {
  if (!Class.InheritsFrom(TComponent::StaticClass())) throw EInvalidCast(SInvalidCast);
  TObject* Made = nullptr;
  try {
    TCreatingScope Scope(Reference);
    Made = Class.Create(this);
  } catch (...) {
    if (Reference) *Reference = nullptr;
    throw;
  }
  auto* Instance = static_cast<TComponent*>(Made);
  if (Reference) *Reference = Instance;
  if (FMainForm) return;
  if (auto* Form = dynamic_cast<TCustomForm*>(Instance)) {
    Form->HandleNeeded();
    FMainForm = Form;
  }
}

void TApplication::RefuseInstance(TComponent* Instance) {
  if (FMainForm == Instance) FMainForm = nullptr;
  Instance->Free();
  throw EInvalidCast(SInvalidCast);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMainForm) FMainForm = nullptr;
}

void TApplication::Run() {
  if (FRunning) return;
  FRunning = true;
  struct TRunning {
    bool& Flag;
    ~TRunning() { Flag = false; }
  } Guard{FRunning};
  if (FMainForm) FMainForm->SetVisible(true);
  while (!FTerminated) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

// WM_QUIT only marks the end: posting another would leave it for the
// next loop to find.
bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  Dispatch(Msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG Msg;
  while (ProcessMessage(Msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG Msg;
  BOOL Got = GetMessage(&Msg, nullptr, 0, 0);
  if (Got == 0) {
    FTerminated = true;
    return;
  }
  if (Got < 0) return;
  Dispatch(Msg);
}

// A key for a control whose form previews keys reaches the form first.
void TApplication::Dispatch(MSG& Msg) {
  if (Msg.message >= WM_KEYDOWN && Msg.message <= WM_SYSCHAR)
    if (TWinControl* Control = TWinControl::FindControl(Msg.hwnd)) {
      TCustomForm* Form = GetParentForm(Control);
      if (Form && Form != Control && Form->GetKeyPreview()) {
        bool Pass = false;
        try {
          Pass = Form->PreviewKey(Msg);
        } catch (...) {
          HandleException(Form);
        }
        if (!Pass) return;
      }
    }
  TranslateMessage(&Msg);
  DispatchMessage(&Msg);
}

// Called from a catch block: the exception is thrown again to learn its
// kind. EAbort is the silent exception and shows nothing.
void TApplication::HandleException(TObject* Sender) {
  if (!std::current_exception()) return;
  if (HWND Capture = GetCapture()) SendMessage(Capture, WM_CANCELMODE, 0, 0);
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& E) {
    if (OnException)
      OnException(Sender, E);
    else
      ShowException(E);
  } catch (...) {
    ShowException(Exception(""));
  }
}

// The box belongs to the window the user was working in; the program's
// other windows take no input until it is answered, and the activation
// goes back where it was.
void TApplication::ShowException(const Exception& E) {
  std::string Text = ExceptionText(E.Message());
  HWND Active = GetActiveWindow();
  HWND Owner = Active ? Active : FHandle;
  {
    TTaskWindowList Disabled(Owner);
    MessageBox(Owner, Text.c_str(), FTitle.c_str(), MB_OK | MB_ICONERROR);
  }
  if (Active && IsWindow(Active)) SetActiveWindow(Active);
}

std::string TApplication::ExceptionText(const std::string& Message) {
  if (!Message.empty() && static_cast<unsigned char>(Message.back()) > '.') return Message + ".";
  return Message;
}

LRESULT TApplication::WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* App = reinterpret_cast<TApplication*>(GetWindowLong(Wnd, GWL_USERDATA));
  if (!App) return DefWindowProc(Wnd, Msg, WParam, LParam);
  try {
    return App->HandleWindowMessage(Msg, WParam, LParam);
  } catch (...) {
    App->HandleException(App);
    return 0;
  }
}

LRESULT TApplication::HandleWindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_SETTINGCHANGE:
    if (Screen) Screen->ReadMenuFont();
    break;
  case WM_CLOSE:
    if (FMainForm) FMainForm->Close();
    return 0;
  case CM_RELEASE: ReleaseForm(reinterpret_cast<TCustomForm*>(LParam)); return 0;
  default: break;
  }
  return DefWindowProc(FHandle, Msg, WParam, LParam);
}

// Only a form that still exists (it is in the screen's list) is freed: a
// form freed some other way after asking leaves a stale request behind.
void TApplication::ReleaseForm(TCustomForm* Form) {
  if (!Screen) return;
  for (int I = 0; I < Screen->FormCount(); ++I)
    if (Screen->Forms(I) == Form) {
      Form->Free();
      return;
    }
}
