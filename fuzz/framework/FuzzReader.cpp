// Reads arbitrary bytes as a form definition into a fresh root whose
// class publishes properties of every kind the reader handles, fields of
// its component class, a method and a collection. Every outcome must be
// a framework exception or a finished read; nothing may crash or leak.
#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/classes/Filer.h"
#include "framework/classes/MemoryStream.h"
#include "framework/classes/PropFixup.h"
#include "framework/classes/Reader.h"
#include "framework/forms/FormLoader.h"
#include "framework/graphics/Colors.h"
#include "framework/runtime/Exceptions.h"

#include <cstdint>
#include <string>

namespace {

TAVREL_ENUM(TFuzzKind, fkOne, fkTwo, fkThree)
using TFuzzKinds = TSet<TFuzzKind>;

class TFuzzItem : public TCollectionItem {
  TAVREL_CLASS(TFuzzItem, TCollectionItem)
public:
  std::string FCaption;
  TComponent* FLink = nullptr;
  void SetLink(TComponent* Value) { FLink = Value; }
  TComponent* GetLink() const { return FLink; }
};

class TFuzzItems : public TCollection {
  TAVREL_CLASS(TFuzzItems, TCollection)
public:
  TFuzzItems() : TCollection(TFuzzItem::StaticClass()) {}
};

class TFuzzWidget : public TComponent {
  TAVREL_CLASS(TFuzzWidget, TComponent)
public:
  explicit TFuzzWidget(TComponent* AOwner) : TComponent(AOwner), FItems(Create<TFuzzItems>()) {}
  ~TFuzzWidget() override { FItems->Free(); }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FLink) FLink = nullptr;
  }
  void SetLink(TComponent* Value) {
    FLink = Value;
    if (Value) Value->FreeNotification(this);
  }
  TComponent* GetLink() const { return FLink; }
  TFuzzItems* GetItems() const { return FItems; }
  void SetItems(TFuzzItems* Value) { FItems->Assign(Value); }
  void DeclareExtraProperties(TFiler& Filer) override {
    TComponent::DeclareExtraProperties(Filer);
    Filer.ExtraProperty("Extra", [this](TFiler& R) { FText = R.ReadString(); });
    Filer.ExtraBinaryProperty("Blob", [this](TStream& S) { FBlobSize = S.GetSize(); });
  }

  int FCount = 0;
  TColor FColor = 0;
  TFuzzKind FKind = fkOne;
  TFuzzKinds FFlags;
  char FLetter = 0;
  double FRatio = 0;
  std::string FText;
  std::int64_t FBig = 0;
  bool FActive = false;
  TNotifyEvent FOnPing;
  TComponent* FLink = nullptr;
  TFuzzItems* FItems;
  std::int64_t FBlobSize = 0;
};

class TFuzzRoot : public TComponent {
  TAVREL_CLASS(TFuzzRoot, TComponent)
public:
  explicit TFuzzRoot(TComponent* AOwner) : TComponent(AOwner) {}
  void Ping(TObject*) {}
  TFuzzWidget* Widget1 = nullptr;
  TFuzzWidget* Widget2 = nullptr;
};

const TClass& TFuzzItem::StaticClass() {
  static const TClass Class = TClassBuilder<TFuzzItem>("TFuzzItem")
                                  .Property("Caption", &TFuzzItem::FCaption, &TFuzzItem::FCaption)
                                  .Property("Link", &TFuzzItem::GetLink, &TFuzzItem::SetLink)
                                  .Build();
  return Class;
}

const TClass& TFuzzItems::StaticClass() {
  static const TClass Class = TClassBuilder<TFuzzItems>("TFuzzItems").Build();
  return Class;
}

const TClass& TFuzzWidget::StaticClass() {
  using W = TFuzzWidget;
  static const TClass Class = TClassBuilder<W>("TFuzzWidget")
                                  .Property("Count", &W::FCount, &W::FCount)
                                  .Property("Color", &W::FColor, &W::FColor)
                                  .Type(ColorTypeInfo())
                                  .Property("Kind", &W::FKind, &W::FKind)
                                  .Property("Flags", &W::FFlags, &W::FFlags)
                                  .Property("Letter", &W::FLetter, &W::FLetter)
                                  .Property("Ratio", &W::FRatio, &W::FRatio)
                                  .Property("Text", &W::FText, &W::FText)
                                  .Property("Big", &W::FBig, &W::FBig)
                                  .Property("Active", &W::FActive, &W::FActive)
                                  .Property("OnPing", &W::FOnPing, &W::FOnPing)
                                  .Property("Link", &W::GetLink, &W::SetLink)
                                  .Property("Items", &W::GetItems, &W::SetItems)
                                  .Build();
  return Class;
}

const TClass& TFuzzRoot::StaticClass() {
  static const TClass Class = TClassBuilder<TFuzzRoot>("TFuzzRoot")
                                  .Field("Widget1", &TFuzzRoot::Widget1)
                                  .Field("Widget2", &TFuzzRoot::Widget2)
                                  .Method<&TFuzzRoot::Ping>("Ping")
                                  .Build();
  return Class;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TMemoryStream Stream;
  Stream.WriteBuffer(Data, std::int64_t(Size));
  Stream.SetPosition(0);
  auto* Root = Create<TFuzzRoot>(nullptr);
  try {
    TReader Reader(Stream);
    ReadFormStream(Reader, Root);
  } catch (const Exception&) {
  }
  // Freeing the root also drops any reference it left pending.
  Root->Free();
  return 0;
}
