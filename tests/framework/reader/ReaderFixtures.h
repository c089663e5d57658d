// Test classes for the reader: a component with a published property of
// every kind the reader handles (and extra properties of both sorts), a
// collection, roots with published fields and methods, data modules and
// forms. Loaded calls are logged in ReaderLog().
#pragma once

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/controls/Panel.h"
#include "framework/forms/DataModule.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace readertest {

std::vector<std::string>& ReaderLog();

TAVREL_ENUM(TRdKind, rkOne, rkTwo, rkThree)
using TRdKinds = TSet<TRdKind>;
using TRdCountEvent = TEvent<void(TObject* Sender, int& Count)>;

class TRdItem : public TCollectionItem {
  TAVREL_CLASS(TRdItem, TCollectionItem)
public:
  std::string FCaption;
  int FValue = 0;
  TComponent* FLink = nullptr;
  void SetLink(TComponent* Value) { FLink = Value; }
  TComponent* GetLink() const { return FLink; }
};

class TRdItems : public TCollection {
  TAVREL_CLASS(TRdItems, TCollection)
public:
  TRdItems() : TCollection(TRdItem::StaticClass()) {}
  TRdItem* Item(int I) const { return static_cast<TRdItem*>(Items(I)); }
  int Updates = 0;

protected:
  void Update(TCollectionItem*) override { ++Updates; }
};

class TRdSub : public TPersistent {
  TAVREL_CLASS(TRdSub, TPersistent)
public:
  int FDepth = 0;
};

class TRdHelper : public TComponent {
  TAVREL_CLASS(TRdHelper, TComponent)
public:
  explicit TRdHelper(TComponent* AOwner) : TComponent(AOwner) {}
  int FLevel = 0;
};

class TRdWidget : public TComponent {
  TAVREL_CLASS(TRdWidget, TComponent)
public:
  explicit TRdWidget(TComponent* AOwner);
  ~TRdWidget() override;
  void Loaded() override;
  void DeclareExtraProperties(TFiler& Filer) override;

  void SetLink(TComponent* Value) { FLink = Value; }
  TComponent* GetLink() const { return FLink; }
  TRdItems* GetItems() const { return FItems; }
  void SetItems(TRdItems* Value) { FItems->Assign(Value); }
  TRdSub* GetSub() const { return FSub; }
  TRdHelper* GetHelper() const { return FHelper; }
  TRdHelper* GetPlainHelper() const { return FPlainHelper; }
  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  int GetFixed() const { return 5; }

  int FCount = 0;
  TColor FColor = 0;
  TCursor FCursor = 0;
  TRdKind FKind = rkOne;
  TRdKinds FFlags;
  char FLetter = 0;
  double FRatio = 0;
  std::string FText;
  std::int64_t FBig = 0;
  bool FActive = false;
  TComponent* FLink = nullptr;
  TNotifyEvent FOnPing;
  TRdCountEvent FOnCount;
  int FSecret = 0;
  std::vector<std::uint8_t> FBlob;
  TRdItems* FItems;
  TRdSub* FSub;
  TRdHelper* FHelper;
  TRdHelper* FPlainHelper;
  TPicture* FPicture;
};

// A root with published fields of the widget class and published methods.
class TRdRoot : public TComponent {
  TAVREL_CLASS(TRdRoot, TComponent)
public:
  explicit TRdRoot(TComponent* AOwner) : TComponent(AOwner) {}
  void Loaded() override;
  void Ping(TObject* Sender) { Pinged = Sender; }
  void Count(TObject*, int& N) { N = 42; }
  void Hidden(TObject*) {}

  TRdWidget* Widget1 = nullptr;
  TRdWidget* Widget2 = nullptr;
  TObject* Pinged = nullptr;
};

class TRdModule : public TDataModule {
  TAVREL_CLASS(TRdModule, TDataModule)
public:
  explicit TRdModule(TComponent* AOwner) : TDataModule(AOwner, CreateNew) {}
  TRdWidget* Target = nullptr;
};

// Has a definition in the test program's resources.
class TRdResForm : public TForm {
  TAVREL_CLASS(TRdResForm, TForm)
public:
  explicit TRdResForm(TComponent* AOwner) : TForm(AOwner) {}
  void Loaded() override;
  void FormCreate(TObject*) { ReaderLog().push_back("OnCreate:" + GetName()); }
  TPanel* Panel1 = nullptr;
};

class TRdResModule : public TDataModule {
  TAVREL_CLASS(TRdResModule, TDataModule)
public:
  explicit TRdResModule(TComponent* AOwner) : TDataModule(AOwner) {}
  TRdWidget* Widget1 = nullptr;
};

// Has none.
class TRdNoSuchForm : public TForm {
  TAVREL_CLASS(TRdNoSuchForm, TForm)
public:
  explicit TRdNoSuchForm(TComponent* AOwner) : TForm(AOwner) {}
};

// Built by code, read by the scaling tests.
class TRdCodeForm : public TForm {
  TAVREL_CLASS(TRdCodeForm, TForm)
public:
  explicit TRdCodeForm(TComponent* AOwner) : TForm(AOwner, CreateNew) {}
  TPanel* Panel1 = nullptr;
};

} // namespace readertest
