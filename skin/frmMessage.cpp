#include "skin/frmMessage.h"

#include "platform/framework/Controls.h"
#include "platform/win/WinApi.h"
#include "skin/ZELButton.h"
#include "skin/ZELForm.h"

namespace {

constexpr char kRule[] = "---------------------------";  // 27 dashes
constexpr char kLineBreak[] = "\r\n";

}  // namespace

TfrmMsg::TfrmMsg(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetKeyPreview(true);
  SetClientSize(336, 130);
  Constraints()->SetMinWidth(150);

  zelForm1 = new TzelForm(this);
  zelForm1->SetName("zelForm1");
  zelForm1->SetRoundCorner(13);
  zelForm1->SetBorderWidth(3);

  lbl = new TLabel(this);
  lbl->SetParent(zelForm1);
  lbl->SetWordWrap(true);
  lbl->SetTransparent(true);
  lbl->SetBounds(88, 64, 225, lbl->Height());
  lbl->SetAutoSize(true);

  Image1 = new TImage(this);
  Image1->SetParent(zelForm1);
  Image1->SetBounds(24, 64, 40, 40);
  Image1->SetAutoSize(true);
}

TWinControl* TfrmMsg::ButtonParent() { return zelForm1; }

void TfrmMsg::ApplyFrame(const std::string& caption, TzelUIStyle style, TzelFileTheme* theme,
                         const TFont& captionFont) {
  zelForm1->SetCaption(caption);
  zelForm1->SetUIStyle(style);
  zelForm1->SetFileTheme(theme);
  zelForm1->Font()->Assign(captionFont);
}

std::string TfrmMsg::ClipboardText() const {
  std::string buttons;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TzelButton*>(Components(i))) {
      if (!buttons.empty()) buttons += "   ";
      buttons += button->Caption();
    }
  std::string text;
  for (const std::string& part : {std::string(kRule), zelForm1->Caption(), std::string(kRule), lbl->Caption(),
                                  std::string(kRule), buttons})
    text += part + kLineBreak;
  return text + kRule;
}

void TfrmMsg::KeyDown(WORD& key, TShiftState shift) {
  TForm::KeyDown(key, shift);
  if (key == 'C' && (shift & ssCtrl)) SetClipboardText(ClipboardText());
}
