#include "recorder/OptionsSpinBox.h"

int TSpinBox::Value() const { return Spin->Position(); }

void TSpinBox::SetValue(int value) const { Spin->SetPosition(value); }

void TSpinBox::SetEnabled(bool enabled) const {
  Edit->SetEnabled(enabled);
  Spin->SetEnabled(enabled);
}

TSpinBox MakeSpinBox(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width,
                     int min, int max, bool readOnly) {
  TSpinBox box;
  box.Edit = new TEdit(owner);
  box.Edit->SetName(name);
  box.Edit->SetBounds(left, top, width, 22);
  box.Edit->SetParent(parent);
  box.Edit->SetNumbersOnly(min >= 0);
  box.Edit->SetReadOnly(readOnly);
  box.Spin = new TUpDown(owner);
  box.Spin->SetMin(min);
  box.Spin->SetMax(max);
  box.Spin->SetPosition(min);
  box.Spin->SetAssociate(box.Edit);
  return box;
}
