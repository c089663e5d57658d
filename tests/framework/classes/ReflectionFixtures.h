// Small classes with one published property of every kind, for the
// reflection, ownership and naming tests.
#pragma once

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/Component.h"
#include "framework/graphics/Colors.h"

#include <string>
#include <vector>

TAVREL_ENUM(TFruit, frApple, frBanana, frCherry)
using TFruits = TSet<TFruit>;

class TGadget : public TComponent {
  TAVREL_CLASS(TGadget, TComponent)
public:
  explicit TGadget(TComponent* AOwner) : TComponent(AOwner) {}

  int GetCount() const { return FCount; }
  void SetCount(int Value) { FCount = Value; }
  TFruit GetFruit() const { return FFruit; }
  void SetFruit(TFruit Value) { FFruit = Value; }
  TFruits GetBasket() const { return FBasket; }
  void SetBasket(TFruits Value) { FBasket = Value; }
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  std::string GetVersion() const { return "1.0"; }

  int FCount = 7;
  TFruit FFruit = frBanana;
  TFruits FBasket;
  std::string FCaption;
  double FRatio = 0.5;
  bool FActive = true;
  char FLetter = 'x';
  std::int64_t FBig = 0;
  TColor FColor = clBtnFace;
  TGadget* FBuddy = nullptr;
  TNotifyEvent FOnChange;
  int FSecret = 3;
};

// Redeclares Count with another default and adds a read-only property.
class TSuperGadget : public TGadget {
  TAVREL_CLASS(TSuperGadget, TGadget)
public:
  explicit TSuperGadget(TComponent* AOwner) : TGadget(AOwner) {}
};

// A root with published fields and handlers, as a form class would be.
class TGadgetBox : public TComponent {
  TAVREL_CLASS(TGadgetBox, TComponent)
public:
  explicit TGadgetBox(TComponent* AOwner) : TComponent(AOwner) {}
  void GadgetChange(TObject* Sender) { Calls.push_back(Sender); }
  void OtherChange(TObject* Sender) { Calls.push_back(Sender); }
  void WrongShape(TObject*, int) {}

  TGadget* Gadget1 = nullptr;
  TSuperGadget* Super1 = nullptr;
  std::vector<TObject*> Calls;
};

// Records every notification it hears, and clears its reference to a
// component that is being removed.
class TWatcher : public TComponent {
  TAVREL_CLASS(TWatcher, TComponent)
public:
  explicit TWatcher(TComponent* AOwner) : TComponent(AOwner) {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    Heard.push_back({AComponent, Operation});
    if (Operation == opRemove && AComponent == Target) Target = nullptr;
  }
  void Watch(TComponent* C) {
    Target = C;
    C->FreeNotification(this);
  }
  TComponent* Target = nullptr;
  std::vector<std::pair<TComponent*, TOperation>> Heard;
};
