#include "recorder/Confirm.h"

#include <algorithm>

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
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetCaption("Confirm");
  SetClientSize(307, 128);
  Constraints()->SetMinWidth(200);
  Constraints()->SetMinHeight(50);

  Label1 = new TLabel(this);
  Label1->SetParent(this);
  Label1->SetAutoSize(true);
  Label1->SetTransparent(true);
  Label1->SetBounds(7, 56, Label1->Width(), Label1->Height());

  zelButton1 = new TButton(this);
  zelButton1->SetParent(this);
  zelButton1->SetBounds(104, 88, 80, 27);
  zelButton1->SetCaption("&Yes");
  zelButton1->OnClick = [this](TObject*) { SetModalResult(mrYes); };

  zelButton2 = new TButton(this);
  zelButton2->SetParent(this);
  zelButton2->SetBounds(200, 88, 80, 27);
  zelButton2->SetCaption("&No");
  zelButton2->OnClick = [this](TObject*) { SetModalResult(mrNo); };
}

int TfrmConfirm::ShowModal() {
  ApplyLayout();
  return TForm::ShowModal();
}

void TfrmConfirm::ApplyLayout() {
  Label1->SetCaption(text_);
  const TConfirmLayout layout =
      LayOutConfirm(mode_, Label1->Width(), Label1->Height(), zelButton2->Width(), Screen->Width());
  SetCaption(layout.caption);
  // The layout counts from the window's outer edge, which is the client
  // area's own while the frame is drawn inside it; the window system's
  // frame is added outside, so the buttons are never cut off.
  SetClientSize(layout.windowWidth, layout.windowHeight);
  SetLeft(layout.windowLeft - (Width() - layout.windowWidth) / 2);
  Label1->SetLeft(layout.labelLeft);
  zelButton1->SetTop(layout.buttonTop);
  zelButton2->SetTop(layout.buttonTop);
  zelButton1->SetLeft(layout.yesLeft);
  zelButton2->SetLeft(layout.noLeft);
  zelButton1->SetVisible(layout.yesVisible);
  zelButton2->SetCaption(layout.noCaption);
}
