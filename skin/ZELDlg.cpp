#include "skin/ZELDlg.h"

#include <algorithm>
#include <memory>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELButton.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELResources.h"
#include "skin/frmMessage.h"

namespace {

// The box's geometry: buttons 73 x 25 on a 93-pixel pitch, 20 below the
// text; a box without an icon and with fewer than three buttons is 64
// narrower.
constexpr int kButtonWidth = 73, kButtonHeight = 25, kButtonPitch = 93, kButtonRightGap = 97, kButtonGap = 20;
constexpr int kBottomMargin = 65, kNarrower = 64;
constexpr int kTextLeftWithIcon = 88, kTextLeftAlone = 24;
constexpr int kIconCells = 4;

}  // namespace

// ---- TzelDialog ------------------------------------------------------------------

TzelDialog::TzelDialog(TComponent* owner) : TComponent(owner) {
  captionFont_.SetName("Tahoma");
  captionFont_.SetStyle(TFontStyles(fsBold));
  captionFont_.SetColor(clWhite);
  Publish("Caption", &TzelDialog::Caption, &TzelDialog::SetCaption);
  Publish("Position", &TzelDialog::Position, &TzelDialog::SetPosition);
  Publish("ButtonCursor", &TzelDialog::ButtonCursor, &TzelDialog::SetButtonCursor);
  Publish("UIStyle", &TzelDialog::UIStyle, &TzelDialog::SetUIStyle);
  Publish("FileTheme", &TzelDialog::FileTheme, &TzelDialog::SetFileTheme);
  SetUIStyle(DeepBlue);
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelDialog::~TzelDialog() { Destroying(); }

void TzelDialog::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  TzelUIStyle look = value;
  if (UsingFileTheme(fileTheme_, value, look)) {
    captionFont_.SetColor(ThemeTitleFontColor(*fileTheme_));
  } else {
    captionFont_.SetColor(look == MacOS ? clBlack : clWhite);
  }
}

void TzelDialog::SetFileTheme(TzelFileTheme* value) {
  if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_) fileTheme_->FreeNotification(this);
  SetUIStyle(uiStyle_);
}

void TzelDialog::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == fileTheme_) {
    fileTheme_ = nullptr;
    SetUIStyle(DeepBlue);
  }
}

// ---- TzelMessageDialog -------------------------------------------------------------

TzelMessageDialog::TzelMessageDialog(TComponent* owner) : TzelDialog(owner) {
  Publish("ButtonCount", &TzelMessageDialog::ButtonCount, &TzelMessageDialog::SetButtonCount);
  Publish("Button1Caption", &TzelMessageDialog::Button1Caption, &TzelMessageDialog::SetButton1Caption);
  Publish("Button2Caption", &TzelMessageDialog::Button2Caption, &TzelMessageDialog::SetButton2Caption);
  Publish("Button3Caption", &TzelMessageDialog::Button3Caption, &TzelMessageDialog::SetButton3Caption);
  Publish("Button1ModalResult", &TzelMessageDialog::Button1ModalResult, &TzelMessageDialog::SetButton1ModalResult);
  Publish("Button2ModalResult", &TzelMessageDialog::Button2ModalResult, &TzelMessageDialog::SetButton2ModalResult);
  Publish("Button3ModalResult", &TzelMessageDialog::Button3ModalResult, &TzelMessageDialog::SetButton3ModalResult);
  Publish("Text", &TzelMessageDialog::Text, &TzelMessageDialog::SetText);
  Publish("IconType", &TzelMessageDialog::IconType, &TzelMessageDialog::SetIconType);
}

void TzelMessageDialog::SetButtonCount(int value) { buttonCount_ = std::clamp(value, 1, 3); }

int TzelMessageDialog::ShowModal() {
  TfrmMsg* box = nullptr;
  Application->CreateForm(box);
  const std::unique_ptr<TfrmMsg> freed(box);  // whatever happens
  box_ = box;
  struct TForget {
    TfrmMsg*& box;
    ~TForget() { box = nullptr; }
  } forget{box_};
  LayOut(*box);
  return box->ShowModal();
}

void TzelMessageDialog::LayOut(TfrmMsg& box) {
  // The frame first, so every size below counts with its final border.
  box.ApplyFrame(Caption(), UIStyle(), FileTheme(), *CaptionFont());
  box.SetFont(*Font());
  box.lbl->SetFont(*Font());
  box.lbl->SetCaption(Text());
  const int bottom = std::max(box.lbl->Top() + box.lbl->Height(), box.Image1->Top() + box.Image1->Height());

  if (iconType_ != TzelIconType::zelNone) {
    box.lbl->SetLeft(kTextLeftWithIcon);
    TBitmap icons, cell;
    try {
      LoadBitmapResource("MSGDLG", icons);
      CopyBitmapPiece(icons, cell, kIconCells, int(iconType_));
      box.Image1->Picture()->SetGraphic(&cell);
    } catch (const EResNotFound&) {
      // A program without the icons shows the text alone.
    }
  } else {
    box.lbl->SetLeft(kTextLeftAlone);
    box.Image1->SetVisible(false);
    if (buttonCount_ < 3) box.SetClientSize(box.ClientWidth() - kNarrower, box.ClientHeight());
  }

  // Created right to left: button i carries the settings of button
  // ButtonCount - i, and Button1, made last, ends as the active control.
  const int width = box.ClientWidth();
  for (int i = 0; i < buttonCount_; ++i) {
    const TButtonSetting& setting = buttons_[buttonCount_ - i - 1];
    auto* button = new TzelButton(&box);
    button->SetParent(box.ButtonParent());
    button->SetBounds(width - i * kButtonPitch - kButtonRightGap, bottom + kButtonGap, kButtonWidth, kButtonHeight);
    button->SetCursor(ButtonCursor());
    button->SetTabStop(true);
    button->SetFileTheme(FileTheme());
    button->SetUIStyle(UIStyle());
    button->SetCaption(setting.caption);
    button->SetModalResult(setting.modalResult);
    button->SetCancel(setting.modalResult == mrCancel);
    button->SetDefault(setting.modalResult == mrOk);
    box.SetActiveControl(button);
  }

  box.SetClientSize(box.ClientWidth(), bottom + kBottomMargin);
  box.SetPosition(Position());
}
