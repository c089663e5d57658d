#include "ReaderFixtures.h"

#include "framework/classes/Filer.h"
#include "framework/classes/Stream.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/Cursors.h"

namespace readertest {

std::vector<std::string>& ReaderLog() {
  static std::vector<std::string> Log;
  return Log;
}

const TClass& TRdItem::StaticClass() {
  static const TClass Class = TClassBuilder<TRdItem>("TRdItem")
                                  .Property("Caption", &TRdItem::FCaption, &TRdItem::FCaption)
                                  .Property("Value", &TRdItem::FValue, &TRdItem::FValue)
                                  .Property("Link", &TRdItem::GetLink, &TRdItem::SetLink)
                                  .Build();
  return Class;
}

const TClass& TRdItems::StaticClass() {
  static const TClass Class = TClassBuilder<TRdItems>("TRdItems").Build();
  return Class;
}

const TClass& TRdSub::StaticClass() {
  static const TClass Class =
      TClassBuilder<TRdSub>("TRdSub").Property("Depth", &TRdSub::FDepth, &TRdSub::FDepth).Build();
  return Class;
}

const TClass& TRdHelper::StaticClass() {
  static const TClass Class = TClassBuilder<TRdHelper>("TRdHelper")
                                  .Property("Level", &TRdHelper::FLevel, &TRdHelper::FLevel)
                                  .Build();
  return Class;
}

const TClass& TRdWidget::StaticClass() {
  using W = TRdWidget;
  static const TClass Class = TClassBuilder<W>("TRdWidget")
                                  .Property("Count", &W::FCount, &W::FCount)
                                  .Property("Color", &W::FColor, &W::FColor)
                                  .Type(ColorTypeInfo())
                                  .Property("Cursor", &W::FCursor, &W::FCursor)
                                  .Type(CursorTypeInfo())
                                  .Property("Kind", &W::FKind, &W::FKind)
                                  .Property("Flags", &W::FFlags, &W::FFlags)
                                  .Property("Letter", &W::FLetter, &W::FLetter)
                                  .Property("Ratio", &W::FRatio, &W::FRatio)
                                  .Property("Text", &W::FText, &W::FText)
                                  .Property("Big", &W::FBig, &W::FBig)
                                  .Property("Active", &W::FActive, &W::FActive)
                                  .Property("Link", &W::GetLink, &W::SetLink)
                                  .Property("Items", &W::GetItems, &W::SetItems)
                                  .Property("Sub", &W::GetSub)
                                  .Property("Helper", &W::GetHelper)
                                  .Property("PlainHelper", &W::GetPlainHelper)
                                  .Property("Picture", &W::GetPicture, &W::SetPicture)
                                  .Property("Fixed", &W::GetFixed)
                                  .Property("OnPing", &W::FOnPing, &W::FOnPing)
                                  .Property("OnCount", &W::FOnCount, &W::FOnCount)
                                  .Build();
  return Class;
}

TRdWidget::TRdWidget(TComponent* AOwner)
    : TComponent(AOwner), FItems(Create<TRdItems>()), FSub(Create<TRdSub>()),
      FHelper(Create<TRdHelper>(nullptr)), FPlainHelper(Create<TRdHelper>(nullptr)),
      FPicture(Create<TPicture>()) {
  FHelper->SetSubComponent(true);
}

TRdWidget::~TRdWidget() {
  FItems->Free();
  FSub->Free();
  FHelper->Free();
  FPlainHelper->Free();
  FPicture->Free();
}

void TRdWidget::Loaded() {
  TComponent::Loaded();
  ReaderLog().push_back("Loaded:" + GetName());
}

void TRdWidget::DeclareExtraProperties(TFiler& Filer) {
  TComponent::DeclareExtraProperties(Filer);
  Filer.ExtraProperty("Secret", [this](TFiler& R) { FSecret = R.ReadInteger(); });
  Filer.ExtraBinaryProperty("Blob", [this](TStream& S) {
    FBlob.resize(std::size_t(S.GetSize()));
    S.ReadBuffer(FBlob.data(), std::int64_t(FBlob.size()));
  });
}

const TClass& TRdRoot::StaticClass() {
  static const TClass Class = TClassBuilder<TRdRoot>("TRdRoot")
                                  .Field("Widget1", &TRdRoot::Widget1)
                                  .Field("Widget2", &TRdRoot::Widget2)
                                  .Method<&TRdRoot::Ping>("Ping")
                                  .Method<&TRdRoot::Count>("Count")
                                  .Build();
  return Class;
}

void TRdRoot::Loaded() {
  TComponent::Loaded();
  ReaderLog().push_back("Loaded:" + GetName());
}

const TClass& TRdModule::StaticClass() {
  static const TClass Class =
      TClassBuilder<TRdModule>("TRdModule").Field("Target", &TRdModule::Target).Build();
  return Class;
}

const TClass& TRdResForm::StaticClass() {
  static const TClass Class = TClassBuilder<TRdResForm>("TRdResForm")
                                  .Field("Panel1", &TRdResForm::Panel1)
                                  .Method<&TRdResForm::FormCreate>("FormCreate")
                                  .Build();
  return Class;
}

void TRdResForm::Loaded() {
  TForm::Loaded();
  ReaderLog().push_back("Loaded:" + GetName());
}

const TClass& TRdResModule::StaticClass() {
  static const TClass Class =
      TClassBuilder<TRdResModule>("TRdResModule").Field("Widget1", &TRdResModule::Widget1).Build();
  return Class;
}

const TClass& TRdNoSuchForm::StaticClass() {
  static const TClass Class = TClassBuilder<TRdNoSuchForm>("TRdNoSuchForm").Build();
  return Class;
}

const TClass& TRdCodeForm::StaticClass() {
  static const TClass Class =
      TClassBuilder<TRdCodeForm>("TRdCodeForm").Field("Panel1", &TRdCodeForm::Panel1).Build();
  return Class;
}

} // namespace readertest
