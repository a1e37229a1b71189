#include "skin/frmMessage.h"

#include "platform/framework/Controls.h"
#include "platform/win/WinApi.h"
#include "skin/ZELButton.h"
#include "skin/ZELFlavour.h"

namespace {

constexpr char kRule[] = "---------------------------";  // 27 dashes
constexpr char kLineBreak[] = "\r\n";
constexpr int kElementFormColor = 15;
constexpr int kThemeFormColor = 2;  // SKIN2_FORMCOLOR of the editor's theme files

TColor FormColorOf(TzelUIStyle style, TzelFileTheme* theme) {
  TzelUIStyle look = style;
  if (!UsingFileTheme(theme, style, look)) return TColor(GetBuiltInThemeColor(look, kElementFormColor));
  return TColor(theme->GetColor(SkinFlavour() == zelOlderBuild ? kElementFormColor : kThemeFormColor));
}

}  // namespace

TfrmMsg::TfrmMsg(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetKeyPreview(true);
  SetClientSize(336, 130);
  Constraints()->SetMinWidth(150);

  lbl = new TLabel(this);
  lbl->SetParent(this);
  lbl->SetWordWrap(true);
  lbl->SetTransparent(true);
  lbl->SetBounds(88, 64, 225, lbl->Height());
  lbl->SetAutoSize(true);

  Image1 = new TImage(this);
  Image1->SetParent(this);
  Image1->SetBounds(24, 64, 40, 40);
  Image1->SetAutoSize(true);
}

void TfrmMsg::ApplyFrame(const std::string& caption, TzelUIStyle style, TzelFileTheme* theme, const TFont&) {
  frameCaption_ = caption;
  SetCaption(caption);
  SetColor(FormColorOf(style, theme));
}

std::string TfrmMsg::ClipboardText() const {
  std::string buttons;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TzelButton*>(Components(i))) {
      if (!buttons.empty()) buttons += "   ";
      buttons += button->Caption();
    }
  std::string text;
  for (const std::string& part : {std::string(kRule), frameCaption_, std::string(kRule), lbl->Caption(),
                                  std::string(kRule), buttons})
    text += part + kLineBreak;
  return text + kRule;
}

void TfrmMsg::KeyDown(WORD& key, TShiftState shift) {
  TForm::KeyDown(key, shift);
  if (key == 'C' && (shift & ssCtrl)) SetClipboardText(ClipboardText());
}
