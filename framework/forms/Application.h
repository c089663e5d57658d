// TApplication: the program's one application object. It owns the forms
// and data modules made with CreateForm, runs the message loop until the
// main form closes, and shows every exception that escapes an event
// handler in an error box titled with Title while the loop goes on.
//
// The application and screen objects are made by InitFramework (called by
// the program's main routine and by tests) and freed by DoneFramework,
// with the units' own start and end code run in between in a fixed order
// (see Units.h).
#pragma once

#include "framework/classes/Component.h"
#include "framework/classes/Event.h"
#include "platform/WinUser.h"

#include <exception>
#include <string>

class TCustomForm;
class Exception;

using TExceptionEvent = TEvent<void(TObject* Sender, const Exception& E)>;

class TApplication : public TComponent {
  TAVREL_CLASS(TApplication, TComponent)
public:
  explicit TApplication(TComponent* AOwner);
  // Frees the forms and data modules before the hidden window goes.
  ~TApplication() override;

  // Makes sure the hidden window exists (it is made by the constructor;
  // a change of desktop takes it away).
  void Initialize();
  const std::string& GetTitle() const { return FTitle; }
  void SetTitle(const std::string& Value);
  // The hidden window that owns every top-level form.
  HWND GetHandle() const { return FHandle; }

  // Makes a form or data module of class T owned by the application,
  // stores it in Reference as soon as it exists (before its definition
  // has been read, so handlers run meanwhile can reach it), and makes the
  // first form the main form. T must declare its own class information
  // (TAVREL_CLASS): an instance of another class is freed again and
  // refused with EInvalidCast.
  template <class T> void CreateForm(T*& Reference) {
    TComponent* Made = nullptr;
    TComponent** Slot = reinterpret_cast<TComponent**>(&Reference);
    CreateForm(T::StaticClass(), Slot);
    Made = *Slot;
    if (Made && !dynamic_cast<T*>(Made)) {
      Reference = nullptr;
      RefuseInstance(Made);
    }
  }
  void CreateForm(const TClass& Class, TComponent** Reference);
  TCustomForm* GetMainForm() const { return FMainForm; }

  // Shows the main form and dispatches messages until it closes.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Dispatches every waiting message, then returns.
  void ProcessMessages();
  // Waits for one message and dispatches it (the modal loops' step).
  void HandleMessage();

  // The error box for an exception that escaped a handler. Anything that
  // is not an Exception shows an empty message.
  void HandleException(TObject* Sender);
  void ShowException(const Exception& E);
  // The text the error box shows for Message: a full stop is added when
  // the message is not empty and its last character sorts after '.'.
  static std::string ExceptionText(const std::string& Message);

  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;

  TExceptionEvent OnException;
  TNotifyEvent OnHint;

private:
  [[noreturn]] void RefuseInstance(TComponent* Instance);
  bool ProcessMessage(MSG& Msg);
  void Dispatch(MSG& Msg);
  void CreateHandle();
  void DestroyHandle();
  static LRESULT WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT HandleWindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void ReleaseForm(TCustomForm* Form);

  std::string FTitle;
  std::string FHint;
  HWND FHandle = nullptr;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FRunning = false;
};

extern TApplication* Application;

// The variable CreateForm is filling. CreateForm sets it for the time the
// instance is made; the constructor of a form or data module takes it
// (which clears it, so objects made inside that constructor do not) and
// stores itself there at once, before its definition is read:
//   if (TComponent** R = TakeCreatingReference()) *R = this;
TComponent** TakeCreatingReference();

// Raises a form's or data module's OnCreate or OnDestroy. An exception
// from the handler is shown by the application, when there is one, and
// the construction or destruction goes on; without one it propagates.
void RaiseCreationEvent(const TNotifyEvent& Event, TObject* Sender);
