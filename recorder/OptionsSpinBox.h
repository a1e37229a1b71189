#pragma once
// A skinned number box with its spin buttons, as the options and schedule
// windows use it: the box holds the number, the buttons and the arrow keys
// step it within its range.

#include <memory>
#include <string>

#include "skin/ZELEdit.h"

struct TSpinBox {
  TzelSpinEdit* Edit = nullptr;
  // The number in the box, brought into the range; text that is not a
  // number reads as the last good number.
  int Value() const;
  void SetValue(int value) const;
  int Max() const { return Edit->MaxValue(); }
  void SetEnabled(bool enabled) const { Edit->SetEnabled(enabled); }

 private:
  friend TSpinBox MakeSpinBox(TComponent*, TWinControl*, const std::string&, int, int, int, int, int, bool);
  std::shared_ptr<int> lastGood_;
};

// A box of width pixels (its buttons inside) on parent, owned by owner. A
// read-only box takes no typing: only its buttons and arrow keys change it.
// A handler set on the box's OnChange calls the one it replaces first.
TSpinBox MakeSpinBox(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width,
                     int min, int max, bool readOnly);
