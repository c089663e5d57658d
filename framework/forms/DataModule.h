// TDataModule: a top-level holder of non-visual components (menus and
// the like) with no window. Like a form it is made by the application,
// raises OnCreate when construction is complete (from AfterConstruction,
// after a definition read there) and OnDestroy while it still answers
// (from BeforeDestruction), and is in Screen's list while it exists.
//
// AfterConstruction first reads the definitions of the class chain (see
// FormLoader.h); a class without one fails with EResNotFound. TDataModule
// itself, and a module made with the CreateNew constructor, read nothing.
//
// Its designer's size and scroll offset are stored in definitions as
// extra values; they are kept and have no effect at run time.
#pragma once

#include "framework/classes/Component.h"
#include "framework/classes/Event.h"
#include "framework/forms/FormLoader.h"
#include "platform/WinTypes.h"

class TDataModule : public TComponent {
  TAVREL_CLASS(TDataModule, TComponent)
public:
  explicit TDataModule(TComponent* AOwner);
  // A module built by code: no definition is read.
  TDataModule(TComponent* AOwner, TCreateNew);
  ~TDataModule() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

  bool GetOldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
  // The designer's values ("Width", "Height", "HorizontalOffset",
  // "VerticalOffset").
  int DesignWidth() const { return FDesignWidth; }
  int DesignHeight() const { return FDesignHeight; }
  int DesignHorizontalOffset() const { return FDesignOffset.X; }
  int DesignVerticalOffset() const { return FDesignOffset.Y; }

  void DeclareExtraProperties(TFiler& Filer) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

protected:
  virtual void DoCreate();
  virtual void DoDestroy();

private:
  void ReadDefinition();

  bool FCreatedNew = false;
  bool FOldCreateOrder = false;
  int FDesignWidth = 0;
  int FDesignHeight = 0;
  TPoint FDesignOffset{0, 0};
};
