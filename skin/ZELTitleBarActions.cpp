// What the title bar's buttons and its system menu do to the window.

#include <algorithm>

#include "platform/framework/Forms.h"
#include "skin/ZELPublic.h"
#include "skin/ZELTitleBar.h"

namespace {

// The system menu opens this much further right in a right-to-left layout.
constexpr int kRightToLeftMenuShift = 176;

const char* const kMinimizeText = "Mi&nimize";
const char* const kMaximizeText = "Ma&ximize/Restore";
const char* const kCloseText = "&Close";

}  // namespace

void TzelTitleBar::MaximizeOrRestoreForm() {
  TCustomForm* form = OwnerForm();
  if (form == nullptr) return;
  if (form->WindowState() == wsMaximized) {
    form->SetWindowState(wsNormal);
    return;
  }
  form->SetWindowState(wsMaximized);
  // A skinned frame places its maximized form itself.
  if (!InsideFrame()) form->SetBoundsRect(MaximizedFormBounds());
}

void TzelTitleBar::MinimizeForm() {
  TCustomForm* form = OwnerForm();
  if (form == nullptr) return;
  if (form == Application->MainForm()) SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  else form->SetWindowState(wsMinimized);
}

void TzelTitleBar::CloseForm() {
  if (TCustomForm* form = OwnerForm()) form->Close();
}

void TzelTitleBarButton::DoClick() {
  TzelTitleBar* bar = TitleBar();
  if (bar == nullptr) return;
  if (bar->IsDesigning() && buttonType_ != zelClose) return;
  switch (buttonType_) {
    case zelMax:
      bar->MaximizeOrRestoreForm();
      LoadPictures();
      Changed();
      break;
    case zelMin: bar->MinimizeForm(); break;
    case zelClose: bar->CloseForm(); break;
    case zelControlBox:
      if (controlBoxMenu_) {
        TPoint corner = bar->ClientToScreen({0, bar->Height()});
        if (bar->UseRightToLeftAlignment()) corner.X += kRightToLeftMenuShift;
        controlBoxMenu_->Popup(std::max(0, corner.X), corner.Y);
      }
      break;
    case zelHelp:
    case zelCustom: break;
  }
}

TzelTitleBarPopupMenu::TzelTitleBarPopupMenu(TComponent* owner, TzelTitleBar* titleBar)
    : TzelPopupMenu(owner), titleBar_(titleBar) {
  SetAutoHotkeys(maManual);
  auto add = [this](const char* caption, std::function<void()> action) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    if (action) item->OnClick = [action](TObject*) { action(); };
    Items()->Add(item);
    return item;
  };
  minimize_ = add(kMinimizeText, [this] { titleBar_->MinimizeForm(); });
  maximize_ = add(kMaximizeText, [this] {
    TzelTitleBarButtons* buttons = titleBar_->Buttons();
    for (int i = 0; i < buttons->Count(); ++i) {
      TzelTitleBarButton* button = buttons->Items(i);
      if (button->ButtonType() == zelMax && button->Visible()) button->DoClick();
    }
  });
  add(cLineCaption, nullptr);
  close_ = add(kCloseText, [this] { titleBar_->CloseForm(); });
}

void TzelTitleBarPopupMenu::Popup(int x, int y) {
  if (titleBar_->UseRightToLeftAlignment()) x += kRightToLeftMenuShift;
  TzelTitleBarButtons* buttons = titleBar_->Buttons();
  minimize_->SetEnabled(buttons->FindVisible(zelMin) != nullptr);
  maximize_->SetEnabled(buttons->FindVisible(zelMax) != nullptr);
  close_->SetEnabled(buttons->FindVisible(zelClose) != nullptr);
  TzelPopupMenu::Popup(x, y);
}
