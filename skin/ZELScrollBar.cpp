#include "skin/ZELScrollBar.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"
#include "skin/ZELScrollBarThumb.h"

namespace {

// Theme-file items.
constexpr int kFileBarColor = 25;     // colour SKIN2_SCROLLBARCOLOR
constexpr int kFileUpButton = 26;     // bitmap SKIN2_SCROLLBARUPBUTTON
constexpr int kFileThumb = 27;        // bitmap SKIN2_SCROLLBAR
constexpr int kFileDownButton = 28;   // bitmap SKIN2_SCROLLBARDOWNBUTTON
// Built-in elements.
constexpr int kBarColor = 31;         // ScrollBarBackgroundColor
constexpr int kButtonImage = 32;      // ScrollBarButtonImage, 6 pieces
constexpr int kThumbImage = 33;       // ScrollBarSliderImage, 3 pieces

constexpr int kMaxChange = 32767;

// The three pictures of a line button, drawn for the vertical bar.
struct TButtonPictures {
  TBitmap normal, hover, down;
};

void GiveButton(TzelImageButton& button, TButtonPictures& pictures, bool horizontal) {
  for (TBitmap* picture : {&pictures.normal, &pictures.hover, &pictures.down})
    if (horizontal && !picture->Empty()) RotateBitmapLeft(*picture);
  button.SetPicNormal(&pictures.normal);
  button.SetPicMouseOn(&pictures.hover);
  button.SetPicMouseDown(&pictures.down);
  button.SetPicDisabled(nullptr);
}

}  // namespace

TzelScrollBar::TzelScrollBar(TComponent* owner) : TzelThemed<TCustomPanel>(owner) {
  SetBevelOuter(bvNone);
  SetBevelInner(bvNone);
  controlStyle_ &= ~csAcceptsControls;

  track_ = new TzelScrollTrackBar(this);
  track_->SetParent(this);
  track_->SetShowTick(false);
  track_->SetTabStop(false);
  track_->SetTransparent(false);
  track_->SetMax(100);
  track_->OnChange = [this](TObject* sender) {
    if (OnChange) OnChange(sender);
  };
  first_ = new TzelImageButton(this);
  second_ = new TzelImageButton(this);
  for (TzelImageButton* button : {first_, second_}) {
    button->SetParent(this);
    button->SetTabStop(false);
    button->SetMouseContinuouslyDownInterval(100);
  }
  first_->OnMouseContinuouslyDown = [this](TObject*) { StepBy(-smallChange_); };
  second_->OnMouseContinuouslyDown = [this](TObject*) { StepBy(smallChange_); };

  SetHeight(185);
  Publish("Orientation", &TzelScrollBar::Orientation, &TzelScrollBar::SetOrientation);
  Publish("LineButton", &TzelScrollBar::LineButton, &TzelScrollBar::SetLineButton);
  Publish("Max", &TzelScrollBar::Max, &TzelScrollBar::SetMax);
  Publish("Min", &TzelScrollBar::Min, &TzelScrollBar::SetMin);
  Publish("Position", &TzelScrollBar::Position, &TzelScrollBar::SetPosition);
  Publish("SmallChange", &TzelScrollBar::SmallChange, &TzelScrollBar::SetSmallChange);
  Publish("LargeChange", &TzelScrollBar::LargeChange, &TzelScrollBar::SetLargeChange);
  Publish("PageSize", &TzelScrollBar::PageSize, &TzelScrollBar::SetPageSize);
  constructed_ = true;
  Link().OnApply = [this](const TzelLookSource&) {
    track_->SetColor(Color());
    LoadPictures();
    LayOut();
  };
  SetUIStyle(GetOwnerUIStyle(owner));
}

// The parts outlive this object's own members while the owner frees them;
// nothing of theirs may call back in here from then on.
TzelScrollBar::~TzelScrollBar() {
  constructed_ = false;
  track_->OnChange = nullptr;
  first_->OnMouseContinuouslyDown = nullptr;
  second_->OnMouseContinuouslyDown = nullptr;
}

// ---- Properties ------------------------------------------------------------------

void TzelScrollBar::SetPosition(int value) {
  if (value != track_->Position()) track_->SetPosition(value);
}

void TzelScrollBar::SetSmallChange(int value) {
  if (value >= 1 && value <= kMaxChange) smallChange_ = value;
}

void TzelScrollBar::SetLargeChange(int value) {
  if (value >= 1 && value <= kMaxChange) track_->SetPageSize(value);
}

void TzelScrollBar::SetPageSize(int value) {
  track_->SetPageSize(value);
  BuildThumb();
}

int TzelScrollBar::FreeTrackLength() const {
  return Vertical() ? Height() - first_->Height() - second_->Height()
                    : Width() - first_->Width() - second_->Width();
}

void TzelScrollBar::SetLineButton(int value) {
  if (value == lineButton_ || value > FreeTrackLength()) return;
  lineButton_ = value;
  BuildThumb();
}

void TzelScrollBar::SetOrientation(TzelProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  LoadPictures();
  LayOut();
}

void TzelScrollBar::CMColorChanged(TMessage& message) {
  TCustomPanel::CMColorChanged(message);
  if (constructed_) track_->SetColor(Color());
}

void TzelScrollBar::CMVisibleChanged(TMessage& message) {
  TCustomPanel::CMVisibleChanged(message);
  if (!constructed_) return;
  for (TControl* part : {static_cast<TControl*>(track_), static_cast<TControl*>(first_),
                         static_cast<TControl*>(second_)})
    part->SetVisible(Visible());
}

void TzelScrollBar::StepBy(int delta) { track_->SetPosition(track_->Position() + delta); }

// ---- Pictures ----------------------------------------------------------------------

// The editor's theme files: each button a strip of three, the thumb one
// picture lying across.
void TzelScrollBar::LoadThemeFilePictures(const TzelFileTheme& theme) {
  SetColor(static_cast<TColor>(theme.GetColor(kFileBarColor)));
  TBitmap work;
  theme.GetBitmapFrame(kFileThumb, &work, 0, 0);
  if (!work.Empty()) RotateBitmapLeft(work);
  CopyBitmapPiece(work, startCap_, 3, 1);
  CopyBitmapPiece(work, middle_, 3, 2);
  CopyBitmapPiece(work, endCap_, 3, 3);
  TButtonPictures up, down;
  theme.GetBitmapFrame(kFileUpButton, &up.normal, 3, 1);
  theme.GetBitmapFrame(kFileUpButton, &up.hover, 3, 2);
  theme.GetBitmapFrame(kFileUpButton, &up.down, 3, 3);
  theme.GetBitmapFrame(kFileDownButton, &down.normal, 3, 1);
  theme.GetBitmapFrame(kFileDownButton, &down.hover, 3, 2);
  theme.GetBitmapFrame(kFileDownButton, &down.down, 3, 3);
  GiveButton(*first_, up, !Vertical());
  GiveButton(*second_, down, !Vertical());
}

// The looks and the recorder's theme files: one strip of six button
// pictures and a thumb of three pieces, by element.
void TzelScrollBar::LoadElementPictures(const TzelLookSource& source) {
  SetColor(source.ElementColor(kBarColor));
  TButtonPictures up, down;
  try {
    source.ElementBitmap(kThumbImage, startCap_, 3, 1);
    source.ElementBitmap(kThumbImage, middle_, 3, 2);
    source.ElementBitmap(kThumbImage, endCap_, 3, 3);
    source.ElementBitmap(kButtonImage, up.normal, 6, 1);
    source.ElementBitmap(kButtonImage, up.hover, 6, 2);
    source.ElementBitmap(kButtonImage, up.down, 6, 3);
    source.ElementBitmap(kButtonImage, down.normal, 6, 4);
    source.ElementBitmap(kButtonImage, down.hover, 6, 5);
    source.ElementBitmap(kButtonImage, down.down, 6, 6);
  } catch (const Exception&) {
    // Art missing from the program: the parts show no pictures.
  }
  GiveButton(*first_, up, !Vertical());
  GiveButton(*second_, down, !Vertical());
}

void TzelScrollBar::LoadPictures() {
  TPicture none;
  track_->SetBarImage(&none);
  for (TBitmap* piece : {&startCap_, &middle_, &endCap_}) piece->SetSize(0, 0);
  const TzelLookSource source = LookSource();
  editorThemeFile_ = source.ByItem();
  if (editorThemeFile_)
    LoadThemeFilePictures(source.File());
  else
    LoadElementPictures(source);
  if (Vertical())
    for (TBitmap* piece : {&startCap_, &middle_, &endCap_})
      if (!piece->Empty()) RotateBitmapRight(*piece);
  first_->SetAutoSize(true);
  second_->SetAutoSize(true);
  Invalidate();
}

// ---- Layout ------------------------------------------------------------------------

void TzelScrollBar::Resize() {
  TCustomPanel::Resize();
  LayOut();
}

// Bounds set before the window existed reach no Resize; the new window
// lays the parts out at the size it is created with.
void TzelScrollBar::CreateWnd() {
  TCustomPanel::CreateWnd();
  LayOut();
}

void TzelScrollBar::LayOut() {
  if (layingOut_ || !constructed_) return;
  layingOut_ = true;
  track_->SetOrientation(orientation_);
  if (Width() == 0 || Height() == 0) {
    SetVisible(false);
    layingOut_ = false;
    return;
  }
  if (Vertical()) {
    const int across = first_->Width();
    first_->SetBounds(0, 0, across, first_->Height());
    track_->SetBounds(0, first_->Height(), across, std::max(0, FreeTrackLength()));
    second_->SetBounds(0, Height() - second_->Height(), across, second_->Height());
    SetWidth(across);
  } else {
    const int across = first_->Height();
    first_->SetBounds(0, 0, first_->Width(), across);
    track_->SetBounds(first_->Width(), 0, std::max(0, FreeTrackLength()), across);
    second_->SetBounds(Width() - second_->Width(), 0, second_->Width(), across);
    SetHeight(across);
  }
  layingOut_ = false;
  BuildThumb();
}

void TzelScrollBar::BuildThumb() {
  const bool older = SkinFlavour() == zelOlderBuild;
  const int trackLength = Vertical() ? track_->Height() : track_->Width();
  int length = 0;
  if (lineButton_ > 0) {
    lineButton_ = std::max(lineButton_, older ? 18 : 16);
    length = lineButton_;
  } else {
    int page = track_->PageSize();
    if (page < 10 || page > 100) page = 10;
    if (trackLength > 0) length = page * trackLength / 100;
  }
  TBitmap thumb;
  detail::ComposeScrollThumb(startCap_, middle_, endCap_, Vertical(), length, editorThemeFile_, thumb);
  TPicture picture;
  picture.SetGraphic(&thumb);
  track_->SetSliderImage(&picture);
  track_->SizeSliderToPicture();
}
