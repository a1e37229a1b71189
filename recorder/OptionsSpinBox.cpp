#include "recorder/OptionsSpinBox.h"

#include <algorithm>

#include "platform/framework/SysUtils.h"

int TSpinBox::Value() const {
  const std::string text = Trim(Edit->Text());
  // Digits beyond what an int holds are out of range, not a lost value.
  if (text.size() > 9 && text.find_first_not_of("0123456789") == std::string::npos) return Max;
  return std::clamp(StrToIntDef(text, Min), Min, Max);
}

void TSpinBox::SetValue(int value) const { Edit->SetText(IntToStr(std::clamp(value, Min, Max))); }
