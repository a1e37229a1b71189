#include "recorder/OptionsSpinBox.h"

#include <algorithm>

#include "platform/framework/SysUtils.h"

int TSpinBox::Value() const {
  int value = 0;
  if (TryStrToInt(Trim(Edit->Text()), value)) *lastGood_ = std::clamp(value, Edit->MinValue(), Edit->MaxValue());
  return *lastGood_;
}

void TSpinBox::SetValue(int value) const {
  Edit->SetValue(value);
  Value();
}

TSpinBox MakeSpinBox(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width,
                     int min, int max, bool readOnly) {
  TSpinBox box;
  box.Edit = new TzelSpinEdit(owner);
  box.Edit->SetName(name);
  box.Edit->SetBounds(left, top, width, 22);
  box.Edit->SetParent(parent);
  box.Edit->SetMinValue(min);
  box.Edit->SetMaxValue(max);
  box.Edit->SetEditorEnabled(!readOnly);
  if (readOnly)
    box.Edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
      if (key == VK_DELETE) key = 0;  // the text is the buttons' alone
    };
  box.lastGood_ = std::make_shared<int>(min);
  box.Edit->OnChange = [box](TObject*) { box.Value(); };  // remembers the last good number
  box.SetValue(min);
  return box;
}
