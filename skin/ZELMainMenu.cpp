#include "skin/ZELMainMenu.h"

#include "platform/framework/Forms.h"
#include "platform/gfx/ImageList.h"

TzelMainMenu::TzelMainMenu(TComponent* owner)
    : TzelThemedMenu<TMainMenu>(owner), ownImages_(std::make_unique<TImageList>()) {
  LoadMenuCheckMark(*ownImages_);
  TMenu::SetImages(ownImages_.get());
  // The frame shows the menu instead of the form.
  if (auto* form = dynamic_cast<TCustomForm*>(owner)) form->SetMenu(nullptr);
}

TzelMainMenu::~TzelMainMenu() {
  // The base class must not keep a list that is about to go.
  TMenu::SetImages(nullptr);
}

void TzelMainMenu::SetImages(TImageList* value) {
  images_ = value;
  TMenu::SetImages(value ? value : ownImages_.get());
}

void TzelMainMenu::SetUseSystemFont(bool value) {
  TzelThemedMenu<TMainMenu>::SetUseSystemFont(value);
  if (frame_) frame_->RefreshMenuBarFont();
}

void TzelMainMenu::Loaded() {
  TzelThemedMenu<TMainMenu>::Loaded();
  if (frame_) frame_->RebuildMenuBar();
}

bool TzelMainMenu::OwnedByForm() const { return dynamic_cast<TCustomForm*>(Owner()) != nullptr; }

void TzelMainMenu::MenuChanged(TMenuItem* item) {
  TzelThemedMenu<TMainMenu>::MenuChanged(item);
  if (!frame_ || !OwnedByForm()) return;
  frame_->RefreshMenuBar();
  if (IsDesigning() && !IsLoading()) frame_->RebuildMenuBar();
}
