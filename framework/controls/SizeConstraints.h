// TSizeConstraints: the smallest and largest size a control accepts; 0
// means no limit. Applied whenever the control's bounds change.
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/Persistent.h"

class TSizeConstraints : public TPersistent {
  TAVREL_CLASS(TSizeConstraints, TPersistent)
public:
  TSizeConstraints() = default;
  int GetMaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int Value) { Set(FMaxHeight, Value); }
  int GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value) { Set(FMaxWidth, Value); }
  int GetMinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value) { Set(FMinHeight, Value); }
  int GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value) { Set(FMinWidth, Value); }
  void Assign(const TPersistent* Source) override;
  // Width and Height brought inside the limits.
  void Constrain(int& Width, int& Height) const;

  TNotifyEvent OnChange;

private:
  void Set(int& Field, int Value);
  int FMaxHeight = 0, FMaxWidth = 0, FMinHeight = 0, FMinWidth = 0;
};
