#pragma once
// A number box with the range of its spin, as the options and schedule
// windows use it. Text that is not a number reads as the lowest value;
// numbers outside the range are brought in.

#include "platform/framework/Edits.h"

struct TSpinBox {
  TEdit* Edit = nullptr;
  int Min = 0;
  int Max = 0;
  int Value() const;
  void SetValue(int value) const;
};
