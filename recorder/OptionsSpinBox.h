#pragma once
// A number box with its spin beside it, as the options and schedule
// windows use it: the edit holds the number, the spin keeps it within
// its range and steps it.

#include <string>

#include "platform/framework/Edits.h"
#include "platform/framework/UpDown.h"

struct TSpinBox {
  TEdit* Edit = nullptr;
  TUpDown* Spin = nullptr;
  // The number in the box, brought into the range; text that is not a
  // number reads as the last good number.
  int Value() const;
  void SetValue(int value) const;
  int Max() const { return Spin->Max(); }
  void SetEnabled(bool enabled) const;
};

// A box of width pixels (its spin included) on parent, owned by owner.
TSpinBox MakeSpinBox(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width,
                     int min, int max, bool readOnly);
