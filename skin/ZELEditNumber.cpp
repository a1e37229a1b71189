// The number edit: a decimal number typed, kept and shown through a mask.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/SysUtils.h"
#include "skin/ZELEdit.h"

namespace {
// Numbers are written and read with these whatever the locale says.
constexpr char kDecimalSeparator = '.';
constexpr char kThousandSeparator = ',';
constexpr char32_t kBackspace = 8;

std::string WithoutThousandSeparators(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), kThousandSeparator), text.end());
  return text;
}

bool Contains(const std::string& text, char ch) { return text.find(ch) != std::string::npos; }
}  // namespace

TzelNumberEdit::TzelNumberEdit(TComponent* owner) : TzelEdit(owner) {
  Publish("Mask", &TzelNumberEdit::Mask, &TzelNumberEdit::SetMask);
  Publish("Value", &TzelNumberEdit::Value, &TzelNumberEdit::SetValue);
  Publish("AutoSelectSigns", &TzelNumberEdit::AutoSelectSigns, &TzelNumberEdit::SetAutoSelectSigns);
  SetValue(0);
}

void TzelNumberEdit::CreateParams(TCreateParams& params) {
  TzelEdit::CreateParams(params);
  params.Style |= ES_RIGHT;
}

void TzelNumberEdit::SetValue(double value) {
  value_ = value;
  SetText(FormatFloat(mask_, value));
}

void TzelNumberEdit::KeyPress(char32_t& key) {
  TzelEdit::KeyPress(key);
  if (key == 0) return;
  const std::string text = Text();
  bool accepted = key >= U'0' && key <= U'9';
  if (!accepted && Contains(mask_, '.') && key == static_cast<char32_t>(kDecimalSeparator))
    accepted = !Contains(text, kDecimalSeparator);
  if (!accepted && key == kBackspace) accepted = true;
  if (!accepted && Contains(mask_, '-') && key == U'-') accepted = SelStart() == 0 && !Contains(text, '-');
  if (!accepted) {
    MessageBeep(0);
    key = 0;
  }
}

void TzelNumberEdit::Change() {
  const std::string text = Text();
  if (!text.empty() && text != "-") {
    const std::string plain = WithoutThousandSeparators(text);
    try {
      value_ = StrToFloat(plain);  // the text stays as typed
    } catch (const EConvertError&) {
      SetValue(value_);  // puts the previous text back
      throw;
    }
  }
  TzelEdit::Change();
}

void TzelNumberEdit::SelectLastSigns() {
  if (autoSelectSigns_ <= 0 || !AutoSelect()) return;
  const int length = static_cast<int>(Perform(WM_GETTEXTLENGTH, 0, 0));
  const int start = std::max(0, length - autoSelectSigns_);
  Perform(EM_SETSEL, start, length);
}

void TzelNumberEdit::CMEnter(TMessage& message) {
  TzelEdit::CMEnter(message);
  SelectLastSigns();
}

void TzelNumberEdit::Click() {
  SelectLastSigns();
  TzelEdit::Click();
}

void TzelNumberEdit::CMExit(TMessage& message) {
  TzelEdit::CMExit(message);
  if (Text().empty() || Text() == "-") SetText("0");
  double number = value_;
  TryStrToFloat(WithoutThousandSeparators(Text()), number);
  SetValue(number);
}
