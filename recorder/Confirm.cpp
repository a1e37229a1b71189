#include "recorder/Confirm.h"

#include <algorithm>

#include "recorder/DialogFrame.h"
#include "skin/ZELForm.h"

TfrmConfirm* frmConfirm = nullptr;

namespace {

constexpr int kMinimumWidth = 220;
constexpr int kButtonGap = 10;

}  // namespace

TConfirmLayout LayOutConfirm(BYTE mode, int labelWidth, int labelHeight, int buttonWidth, int screenWidth) {
  TConfirmLayout layout;
  layout.windowHeight = labelHeight + 121;
  layout.buttonTop = layout.windowHeight - 46;
  if (mode == CONFIRM_QUESTION) {
    layout.caption = "Confirm";
    layout.windowWidth = std::max(labelWidth + 40, kMinimumWidth);
    layout.labelLeft = (layout.windowWidth - labelWidth) / 2;
    layout.yesLeft = (layout.windowWidth - 2 * buttonWidth - kButtonGap) / 2;
    layout.noLeft = layout.yesLeft + buttonWidth + kButtonGap;
    layout.yesVisible = true;
    layout.noCaption = "&No";
  } else {
    layout.caption = "Message";
    layout.windowWidth = std::max(labelWidth + 30, kMinimumWidth);
    layout.labelLeft = (layout.windowWidth - labelWidth) / 2 - 2;
    layout.noLeft = (layout.windowWidth - buttonWidth) / 2;
    layout.yesVisible = false;
    layout.noCaption = "&Ok";
  }
  layout.windowLeft = (screenWidth - layout.windowWidth) / 2;
  return layout;
}

TfrmConfirm::TfrmConfirm(TComponent* owner) : TForm(owner) {
  SetName("frmConfirm");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(307, 128);
  Constraints()->SetMinWidth(200);
  Constraints()->SetMinHeight(50);
  zelForm1 = DressDialog(this, "Confirm");

  Label1 = new TLabel(this);
  Label1->SetName("Label1");
  Label1->SetParent(zelForm1);
  Label1->SetAutoSize(true);
  Label1->SetTransparent(true);
  Label1->SetBounds(7, 56, Label1->Width(), Label1->Height());

  const auto button = [this](const std::string& name, int left, const std::string& caption, int result) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetParent(zelForm1);
    made->SetBounds(left, 88, 80, 27);
    made->SetCaption(caption);
    made->OnClick = [this, result](TObject*) { SetModalResult(result); };
    return made;
  };
  zelButton1 = button("zelButton1", 104, "&Yes", mrYes);
  zelButton2 = button("zelButton2", 200, "&No", mrNo);
  ThemeDialogControls(this, zelForm1);
}

int TfrmConfirm::ShowModal() {
  ApplyLayout();
  return TForm::ShowModal();
}

void TfrmConfirm::ApplyLayout() {
  Label1->SetCaption(text_);
  const TConfirmLayout layout =
      LayOutConfirm(mode_, Label1->Width(), Label1->Height(), zelButton2->Width(), Screen->Width());
  zelForm1->SetCaption(layout.caption);
  SetBounds(layout.windowLeft, Top(), layout.windowWidth, layout.windowHeight);
  Label1->SetLeft(layout.labelLeft);
  zelButton1->SetTop(layout.buttonTop);
  zelButton2->SetTop(layout.buttonTop);
  zelButton1->SetLeft(layout.yesLeft);
  zelButton2->SetLeft(layout.noLeft);
  zelButton1->SetVisible(layout.yesVisible);
  zelButton2->SetCaption(layout.noCaption);
}

void ShowConfirmMessage(const std::string& text) {
  if (!frmConfirm) return;
  frmConfirm->SetConfirmMode(CONFIRM_MESSAGE);
  frmConfirm->SetConfirmText(text);
  frmConfirm->ShowModal();
}
