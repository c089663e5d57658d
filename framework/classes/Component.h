// TComponent: the unit of ownership and naming.
//
// An owner frees every component it owns; a component leaving its owner
// (freed or removed) is announced to the owner and, through it, to every
// component the owner holds, so siblings drop references to it. A
// component that refers to one it does not own asks for a free
// notification and hears Notification(opRemove) when that one goes.
//
// Names are identifiers, unique (ignoring case) among one owner's
// components; naming a component also fills the owner's published field
// of that name.
#pragma once

#include "framework/classes/Persistent.h"
#include "framework/classes/Set.h"

#include <cstdint>
#include <string>
#include <vector>

TAVREL_ENUM(TOperation, opInsert, opRemove)
TAVREL_ENUM(TComponentStateFlag, csLoading, csReading, csWriting, csDestroying, csDesigning,
            csAncestor, csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateFlag>;
TAVREL_ENUM(TComponentStyleFlag, csInheritable, csCheckPropAvail, csSubComponent, csTransient)
using TComponentStyle = TSet<TComponentStyleFlag>;

class TReader;

bool IsValidIdent(std::string_view Name);

class TComponent : public TPersistent {
  TAVREL_CLASS(TComponent, TPersistent)
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  void BeforeDestruction() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  // Throws EListError for an index out of range.
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  TComponent* FindComponent(std::string_view Name) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();

  const std::string& GetName() const { return FName; }
  virtual void SetName(const std::string& NewName);
  int GetTag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  std::string GetNamePath() const override { return FName; }

  TComponentState ComponentState() const { return FComponentState; }
  // For the form reader and the framework: the loading, reading, inline
  // and designing states.
  void IncludeState(TComponentStateFlag Flag) { FComponentState.Include(Flag); }
  void ExcludeState(TComponentStateFlag Flag) { FComponentState.Exclude(Flag); }
  TComponentStyle ComponentStyle() const { return FComponentStyle; }
  // Marks a component as stored with its owner rather than on its own.
  void SetSubComponent(bool Value);
  // Sets the destroying state here and in every owned component.
  void Destroying();

  // Notify this component when AComponent is freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);
  virtual void Notification(TComponent* AComponent, TOperation Operation);

  // Ends the loading state after the whole definition has been read.
  virtual void Loaded();
  // Reads this component's property entries and children from a form
  // definition; classes that must prepare for or follow up on the read
  // extend it.
  virtual void ReadContent(TReader& Reader);
  // The component that holds this one for the reader: a control's parent,
  // a menu item's parent item.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual bool HasParent() const { return false; }
  virtual void SetParentComponent(TComponent*) {}
  virtual void SetChildOrder(TComponent*, int) {}
  // The owner given to components read as this one's children.
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }

  // Design-time position of a non-visual component: Left in the low and
  // Top in the high 16 bits.
  std::int32_t GetDesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(std::int32_t Value) { FDesignInfo = Value; }
  void DeclareExtraProperties(TFiler& Filer) override;

protected:
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                              const std::string& NewName);
  void SetReference(bool Enable);

private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void SendFreeNotifications();
  void LinkFreeNotify(TComponent* Other);
  void UnlinkFreeNotify(TComponent* Other);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  int FTag = 0;
  std::int32_t FDesignInfo = 0;
  TComponentState FComponentState;
  TComponentStyle FComponentStyle{csInheritable};
};
