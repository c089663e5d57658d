// TScreen: the desktop as the program sees it: the primary screen's size,
// the work area, the whole virtual desktop, the menu font, the cursor set
// for the whole program, and the lists of forms and data modules that
// exist (the form reader finds top-level objects there by name).
#pragma once

#include "framework/classes/Component.h"
#include "framework/graphics/Cursors.h"
#include "platform/WinTypes.h"

#include <vector>

class TCustomForm;
class TDataModule;
class TFont;

class TScreen : public TComponent {
  TAVREL_CLASS(TScreen, TComponent)
public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // Read from the desktop at each call.
  int GetWidth() const;
  int GetHeight() const;
  TRect GetWorkAreaRect() const;
  int GetWorkAreaWidth() const;
  int GetWorkAreaHeight() const;
  int GetWorkAreaLeft() const;
  int GetWorkAreaTop() const;
  int GetDesktopWidth() const;
  int GetDesktopHeight() const;
  int GetDesktopLeft() const;
  int GetDesktopTop() const;
  int GetPixelsPerInch() const { return 96; }

  // A copy of the desktop's menu font, taken when the screen object is
  // made and again on a settings change.
  TFont* GetMenuFont() const { return FMenuFont; }
  void ReadMenuFont();

  // A cursor other than crDefault overrides every control's own.
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);

  int FormCount() const { return int(FForms.size()); }
  TCustomForm* Forms(int Index) const;
  int DataModuleCount() const { return int(FDataModules.size()); }
  TDataModule* DataModules(int Index) const;
  TCustomForm* GetActiveForm() const { return FActiveForm; }

  // Kept by the forms and data modules themselves.
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void AddDataModule(TDataModule* Module);
  void RemoveDataModule(TDataModule* Module);
  void SetActiveForm(TCustomForm* Form);

private:
  TFont* FMenuFont;
  TCursor FCursor = crDefault;
  std::vector<TCustomForm*> FForms;
  std::vector<TDataModule*> FDataModules;
  TCustomForm* FActiveForm = nullptr;
};

// The one screen object, made at program start (see Application.h).
extern TScreen* Screen;
