// The title bar's picture sections and window buttons, and their collections.

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"
#include "skin/ZELTitleBar.h"

namespace {

// Theme-file items, by index within their group.
constexpr int kButtonStripItem = 11;       // bitmap SKIN2_TITLEBUTTONS
constexpr int kButtonTopItem = 4;          // integer SKIN2_TITLEBARBUTTONPOSY
constexpr int kButtonTransparentItem = 4;  // flag SKIN2_TITLEBTNTRANS
constexpr int kElementButtonStrip = 5;
constexpr int kElementButtonTransparent = 6;
constexpr int kElementButtonTop = 9;
constexpr int kStripFrames = 18;

void ShowRefusal(const std::string& text) {
  Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONERROR);
}

// The first frame of a button kind in the 18-frame strip; 0 for none.
int FirstFrame(TzelTitleBarBtnType type, bool maximized) {
  switch (type) {
    case zelControlBox: return 1;
    case zelHelp: return 4;
    case zelMax: return maximized ? 10 : 7;
    case zelMin: return 13;
    case zelClose: return 16;
    case zelCustom: break;
  }
  return 0;
}

void SetPictureFrame(TPicture& picture, const TBitmap& strip, int frame) {
  TBitmap piece;
  CopyBitmapPiece(strip, piece, kStripFrames, frame);
  picture.SetGraphic(&piece);
}

}  // namespace

// ---- Sections ---------------------------------------------------------------------

TzelTitleBarSection::TzelTitleBarSection(TzelTitleBarSections* collection)
    : collection_(collection), picture_(std::make_unique<TPicture>()) {
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
}

TzelTitleBarSection::~TzelTitleBarSection() { picture_->OnChange = nullptr; }

void TzelTitleBarSection::Changed() {
  if (collection_) collection_->Update();
}

void TzelTitleBarSection::SetWidth(int value) {
  width_ = value;
  Changed();
}

void TzelTitleBarSection::SetAlign(TzelTitleBarAlign value) {
  if (value == zelClient && align_ != zelClient && collection_) {
    for (int i = 0; i < collection_->Count(); ++i) {
      if (collection_->Items(i)->Align() == zelClient) {
        ShowRefusal("Sorry, only one section's Align property can be \"zelClient\"");
        return;
      }
    }
  }
  align_ = value;
  if (value == zelClient) stretch_ = true;
  Changed();
}

void TzelTitleBarSection::SetPicture(const TPicture* value) { picture_->Assign(value); }

void TzelTitleBarSection::PictureChanged() {
  if (autoSize_) width_ = picture_->Width();
  Changed();
}

void TzelTitleBarSection::SetStretch(bool value) {
  stretch_ = value;
  Changed();
}

void TzelTitleBarSection::SetAutoSize(bool value) {
  autoSize_ = value;
  if (value) width_ = picture_->Width();
  Changed();
}

void TzelTitleBarSection::SetCapSec(bool value) {
  capSec_ = value;
  Changed();
}

void TzelTitleBarSection::Assign(const TzelTitleBarSection& source) {
  width_ = source.width_;
  align_ = source.align_;
  stretch_ = source.stretch_;
  autoSize_ = source.autoSize_;
  picture_->Assign(source.picture_.get());
  Changed();
}

TzelTitleBarSection* TzelTitleBarSections::Add() {
  items_.push_back(std::make_unique<TzelTitleBarSection>(this));
  Update();
  return items_.back().get();
}

void TzelTitleBarSections::Clear() {
  items_.clear();
  Update();
}

void TzelTitleBarSections::Assign(const TzelTitleBarSections& source) {
  if (&source == this) return;
  items_.clear();
  for (const auto& item : source.items_) {
    items_.push_back(std::make_unique<TzelTitleBarSection>(this));
    items_.back()->Assign(*item);
  }
  Update();
}

void TzelTitleBarSections::Update() {
  if (titleBar_) titleBar_->Invalidate();
}

// ---- Buttons -------------------------------------------------------------------------

TzelTitleBarButton::TzelTitleBarButton(TzelTitleBarButtons* collection)
    : collection_(collection),
      picNormal_(std::make_unique<TPicture>()),
      picMouseOn_(std::make_unique<TPicture>()),
      picMouseDown_(std::make_unique<TPicture>()) {}

TzelTitleBarButton::~TzelTitleBarButton() = default;

TzelTitleBar* TzelTitleBarButton::TitleBar() const { return collection_ ? collection_->GetOwner() : nullptr; }

void TzelTitleBarButton::Changed() {
  if (collection_) collection_->Update();
}

void TzelTitleBarButton::SetUIStyle(TzelUIStyle value) {
  uiStyle_ = value;
  LoadPictures();
  Changed();
}

void TzelTitleBarButton::SetButtonType(TzelTitleBarBtnType value) {
  if (value == zelControlBox && buttonType_ != zelControlBox && collection_) {
    for (int i = 0; i < collection_->Count(); ++i) {
      if (collection_->Items(i)->ButtonType() == zelControlBox) {
        ShowRefusal("Sorry, only one button's ButtonType property can be \"zelControlBox\"");
        return;
      }
    }
  }
  buttonType_ = value;
  LoadPictures();
  Changed();
}

void TzelTitleBarButton::SetTransparent(bool value) {
  transparent_ = value;
  Changed();
}

void TzelTitleBarButton::SetTop(int value) {
  top_ = value;
  Changed();
}

// The bar hears of the menu's end and forgets it (see its Notification).
void TzelTitleBarButton::SetControlBoxMenu(TPopupMenu* value) {
  controlBoxMenu_ = value;
  if (value && TitleBar()) value->FreeNotification(TitleBar());
  Changed();
}

void TzelTitleBarButton::SetVisible(bool value) {
  visible_ = value;
  Changed();
}

void TzelTitleBarButton::SetPicNormal(const TPicture* value) {
  picNormal_->Assign(value);
  Changed();
}

void TzelTitleBarButton::SetPicMouseOn(const TPicture* value) {
  picMouseOn_->Assign(value);
  Changed();
}

void TzelTitleBarButton::SetPicMouseDown(const TPicture* value) {
  picMouseDown_->Assign(value);
  Changed();
}

void TzelTitleBarButton::Assign(const TzelTitleBarButton& source) {
  uiStyle_ = source.uiStyle_;
  buttonType_ = source.buttonType_;
  transparent_ = source.transparent_;
  top_ = source.top_;
  controlBoxMenu_ = source.controlBoxMenu_;
  visible_ = source.visible_;
  picNormal_->Assign(source.picNormal_.get());
  picMouseOn_->Assign(source.picMouseOn_.get());
  picMouseDown_->Assign(source.picMouseDown_.get());
  Changed();
}

bool TzelTitleBarButton::HasAllPictures() const {
  return picNormal_->Width() > 0 && picMouseOn_->Width() > 0 && picMouseDown_->Width() > 0;
}

void TzelTitleBarButton::LoadPictures() {
  TzelTitleBar* bar = TitleBar();
  TCustomForm* form = bar ? bar->OwnerForm() : nullptr;
  const bool maximized = form && form->WindowState() == wsMaximized;
  const int frame = FirstFrame(buttonType_, maximized);
  if (frame == 0) return;  // custom buttons keep their own pictures

  TzelUIStyle look = uiStyle_;
  TzelFileTheme* theme = bar ? bar->FileTheme() : nullptr;
  TBitmap builtInStrip;
  const TBitmap* strip = nullptr;
  if (UsingFileTheme(theme, uiStyle_, look) && SkinFlavour() == zelOlderBuild) {
    // The recorder's theme files answer by element number.
    strip = theme->GetBitmap(kElementButtonStrip);
    transparent_ = theme->GetBool(kElementButtonTransparent);
    top_ = theme->GetInteger(kElementButtonTop);
  } else if (UsingFileTheme(theme, uiStyle_, look)) {
    strip = theme->GetBitmap(kButtonStripItem);
    transparent_ = theme->GetBool(kButtonTransparentItem);
    top_ = theme->GetInteger(kButtonTopItem);
  } else {
    try {
      GetBuiltInThemeBitmap(look, kElementButtonStrip, &builtInStrip, 0, 0);
      strip = &builtInStrip;
    } catch (const EResNotFound&) {
      // A program without the look's bitmaps shows no buttons.
    }
    transparent_ = GetBuiltInThemeBool(look, kElementButtonTransparent) != 0;
    top_ = GetBuiltInThemeInteger(look, kElementButtonTop);
  }
  if (strip == nullptr || strip->Width() < kStripFrames) {
    picNormal_->SetGraphic(nullptr);
    picMouseOn_->SetGraphic(nullptr);
    picMouseDown_->SetGraphic(nullptr);
    return;
  }
  SetPictureFrame(*picNormal_, *strip, frame);
  SetPictureFrame(*picMouseOn_, *strip, frame + 1);
  SetPictureFrame(*picMouseDown_, *strip, frame + 2);
}

TzelTitleBarButton* TzelTitleBarButtons::Add() {
  items_.push_back(std::make_unique<TzelTitleBarButton>(this));
  Update();
  return items_.back().get();
}

void TzelTitleBarButtons::Clear() {
  items_.clear();
  Update();
}

void TzelTitleBarButtons::Assign(const TzelTitleBarButtons& source) {
  if (&source == this) return;
  items_.clear();
  for (const auto& item : source.items_) {
    items_.push_back(std::make_unique<TzelTitleBarButton>(this));
    items_.back()->Assign(*item);
  }
  Update();
}

int TzelTitleBarButtons::IndexOf(const TzelTitleBarButton* button) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i].get() == button) return i;
  return -1;
}

TzelTitleBarButton* TzelTitleBarButtons::FindVisible(TzelTitleBarBtnType type) const {
  for (const auto& item : items_)
    if (item->ButtonType() == type && item->Visible()) return item.get();
  return nullptr;
}

void TzelTitleBarButtons::Update() {
  if (titleBar_) titleBar_->Invalidate();
}
