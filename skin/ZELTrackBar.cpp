#include "skin/ZELTrackBar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/base/Exceptions.h"
#include "platform/framework/Forms.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELPublic.h"

namespace {
// Theme-file items and built-in elements of the bar and the slider.
constexpr int kThemeTransColor = 0;
constexpr int kThemeFormColor = 2;
constexpr int kThemeBar = 23;
constexpr int kThemeSlider = 24;
constexpr int kThemeSliderV = 25;
constexpr int kElementBar = 28;
constexpr int kElementSlider = 29;
constexpr int kElementSliderV = 30;
constexpr int kTickLength = 3;

void LoadElement(const TzelLookSource& source, int element, TBitmap& dest) {
  try {
    source.ElementBitmap(element, dest);
  } catch (const Exception&) {
    dest.SetSize(0, 0);  // missing art: the control still works, unpainted
  }
}

void SetPictureTo(TPicture& picture, const TBitmap& bitmap) {
  if (bitmap.Empty()) picture.SetGraphic(nullptr);
  else picture.SetGraphic(&bitmap);
}
}  // namespace

TzelTrackBar::TzelTrackBar(TComponent* owner) : TzelTrackBar(owner, false) {}

TzelTrackBar::TzelTrackBar(TComponent* owner, bool scrollTrack)
    : TzelThemed<TCustomPanel>(owner), scrollTrack_(scrollTrack) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  controlStyle_ &= ~csAcceptsControls;
  SetParentColor(true);
  SetTabStop(!scrollTrack);
  slider_ = new TzelImagePanel(this);
  slider_->SetParent(this);
  slider_->SetTabStop(false);
  slider_->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    SliderMouseDown(b, s, x, y);
  };
  slider_->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    SliderMouseUp(b, s, x, y);
  };
  Publish("Orientation", &TzelTrackBar::Orientation, &TzelTrackBar::SetOrientation);
  Publish("Max", &TzelTrackBar::Max, &TzelTrackBar::SetMax);
  Publish("Min", &TzelTrackBar::Min, &TzelTrackBar::SetMin);
  Publish("Position", &TzelTrackBar::Position, &TzelTrackBar::SetPosition);
  Publish("PageSize", &TzelTrackBar::PageSize, &TzelTrackBar::SetPageSize);
  Publish("LineSize", &TzelTrackBar::LineSize, &TzelTrackBar::SetLineSize);
  Publish("ShowTick", &TzelTrackBar::ShowTick, &TzelTrackBar::SetShowTick);
  Publish("Transparent", &TzelTrackBar::Transparent, &TzelTrackBar::SetTransparent);
  Publish("Frequency", &TzelTrackBar::Frequency, &TzelTrackBar::SetFrequency);
  constructed_ = true;
  Link().OnApply = [this](const TzelLookSource&) { ApplyLook(); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelTrackBar::~TzelTrackBar() { StopRepeat(); }

TPicture* TzelTrackBar::SliderImage() const { return slider_->Picture(); }

// ---- Properties ----------------------------------------------------------------------

void TzelTrackBar::SetOrientation(TzelProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  ApplyLook();
}

void TzelTrackBar::SetBarImage(const TPicture* value) {
  barImage_.Assign(value);
  ApplyLook();
}

void TzelTrackBar::SetSliderImage(const TPicture* value) {
  slider_->SetPicture(value);
  Invalidate();
}

void TzelTrackBar::SetPosition(int value) {
  position_ = std::clamp(value, min_, max_);
  UpdateSlider();
}

void TzelTrackBar::SetMin(int value) {
  if (value == min_) return;
  min_ = std::min(value, max_);
  position_ = std::max(position_, min_);
  UpdateSlider();
}

void TzelTrackBar::SetMax(int value) {
  if (value == max_) return;
  max_ = std::max(value, min_);
  position_ = std::min(position_, max_);
  UpdateSlider();
}

void TzelTrackBar::SetPageSize(int value) {
  if (value >= 0 && value <= max_) pageSize_ = value;
}

void TzelTrackBar::SetLineSize(int value) {
  if (value >= 0 && value <= max_) lineSize_ = value;
}

void TzelTrackBar::SetShowTick(bool value) {
  showTick_ = value;
  Invalidate();
}

void TzelTrackBar::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TzelTrackBar::SetFrequency(int value) {
  frequency_ = value;
  Invalidate();
}

// ---- Look ------------------------------------------------------------------------------

void TzelTrackBar::ApplyLook() {
  if (!constructed_) return;
  UpdatePictures();
  SizeToPictures();
  UpdateSlider();
  if (UIStyle() == MacOS) transparent_ = true;
  Invalidate();
}

void TzelTrackBar::UpdatePictures() {
  if (SkipTheme()) return;
  LoadThemePictures();
  BuildBarBitmap();
  slider_->SetTransparent(SliderTransparent());
  slider_->SetBounds(slider_->Left(), slider_->Top(), slider_->Picture()->Width(), slider_->Picture()->Height());
}

// The editor's theme files give the slider on the transparent colour,
// turned into the form's; the looks and the recorder's theme files give
// the pictures by element as they are.
void TzelTrackBar::LoadThemePictures() {
  TBitmap bar, slider;
  const TzelLookSource source = LookSource();
  if (source.ByItem()) {
    const TzelFileTheme& theme = source.File();
    if (TBitmap* b = theme.GetBitmap(kThemeBar)) bar.Assign(b);
    if (TBitmap* s = theme.GetBitmap(Horizontal() ? kThemeSlider : kThemeSliderV)) {
      slider.Assign(s);
      ReplaceBitmapColor(slider, TColor(theme.GetColor(kThemeTransColor)), TColor(theme.GetColor(kThemeFormColor)));
    }
  } else {
    LoadElement(source, kElementBar, bar);
    LoadElement(source, Horizontal() ? kElementSlider : kElementSliderV, slider);
  }
  SetPictureTo(barImage_, bar);
  TPicture sliderPicture;
  SetPictureTo(sliderPicture, slider);
  slider_->SetPicture(&sliderPicture);
}

// The bar at the control's length: the caps keep their size, the middle
// stretches; vertical bars are the horizontal one turned.
void TzelTrackBar::BuildBarBitmap() {
  const int length = Length(), height = barImage_.Height();
  if (length <= 0 || height <= 0 || barImage_.Width() <= 0) {
    barBitmap_.SetSize(0, 0);
    return;
  }
  barBitmap_.SetSize(length, height);
  TCanvas& canvas = *barBitmap_.Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect({0, 0, length, height});
  TBitmap source;
  source.Assign(barImage_.Graphic());
  DrawThreePieceBar(source, canvas, {0, 0, length, height}, false, Color(), false);
  if (!Horizontal()) RotateBitmapLeft(barBitmap_);
}

void TzelTrackBar::SizeToPictures() {
  if (Horizontal()) SetHeight(std::max(barImage_.Height(), slider_->Height()));
  else SetWidth(std::max(barImage_.Height(), slider_->Width()));
  Invalidate();
}

void TzelTrackBar::Resize() {
  TCustomPanel::Resize();
  if (!constructed_) return;
  UpdatePictures();
  PlaceSlider();
}

// ---- Geometry -------------------------------------------------------------------------

int TzelTrackBar::SliderLength() const { return Horizontal() ? slider_->Width() : slider_->Height(); }
int TzelTrackBar::SliderThickness() const { return Horizontal() ? slider_->Height() : slider_->Width(); }

int TzelTrackBar::SliderPlace() {
  if (min_ == max_) return 0;
  // 64-bit, so wide ranges on long controls cannot overflow.
  const std::int64_t travel = Length() - SliderLength();
  return int((std::int64_t(position_) - min_) * travel / (std::int64_t(max_) - min_));
}

void TzelTrackBar::PlaceSlider() {
  const int across = std::max(0, (Thickness() - SliderThickness()) / 2);
  const int along = SliderPlace();
  SetControlPos(*slider_, Horizontal() ? TPoint{along, across} : TPoint{across, along});
}

int TzelTrackBar::PositionFromPoint(int along) const {
  const int travel = Length() - SliderLength();
  if (travel == 0) return 0;
  const double offset = double(along - grabOffset_) * (double(max_) - min_) / travel;
  return int(std::clamp(min_ + std::nearbyint(offset), double(INT32_MIN), double(INT32_MAX)));
}

void TzelTrackBar::UpdateSlider() {
  PlaceSlider();
  Invalidate();
  NotifyIfMoved();
}

void TzelTrackBar::NotifyIfMoved() {
  if (position_ == lastNotified_) return;
  lastChange_ = position_ - lastNotified_;
  lastNotified_ = position_;
  if (OnChange) OnChange(this);
}

// ---- Painting ---------------------------------------------------------------------------

std::vector<int> TzelTrackBar::TickPositions() const {
  std::vector<int> ticks;
  if (min_ == max_) return ticks;
  if (frequency_ >= 1) {
    // More ticks than pixels only blacken the same pixels again: beyond
    // that, every n-th tick is enough (and a huge range stays quick).
    const std::int64_t range = std::int64_t(max_) - min_, length = std::max(1, Length());
    const std::int64_t count = range / frequency_;
    const std::int64_t step = std::int64_t(frequency_) * ((count + length - 1) / length);
    for (std::int64_t i = min_; i < max_; i += std::max<std::int64_t>(step, frequency_)) ticks.push_back(int(i));
  } else {
    ticks.push_back(min_);  // a frequency below 1 would never reach Max: only the ends
  }
  ticks.push_back(max_);
  return ticks;
}

int TzelTrackBar::TickPixel(int position) const {
  const std::int64_t travel = Length() - SliderLength();
  return int(travel * (std::int64_t(position) - min_) / (std::int64_t(max_) - min_)) + SliderLength() / 2;
}

void TzelTrackBar::DrawTicks(TCanvas& canvas) {
  canvas.Pen()->SetColor(clBlack);
  canvas.Pen()->SetWidth(1);
  const int w = Width(), h = Height();
  for (int position : TickPositions()) {
    const int at = TickPixel(position);
    if (Horizontal()) {
      canvas.MoveTo(at, h - kTickLength);
      canvas.LineTo(at, h);
    } else {
      canvas.MoveTo(0, at);
      canvas.LineTo(kTickLength, at);
      canvas.MoveTo(w - kTickLength, at);
      canvas.LineTo(w, at);
    }
  }
}

void TzelTrackBar::Paint() {
  const int w = std::max(1, Width()), h = std::max(1, Height());
  TBitmap buffer(w, h);
  TCanvas& canvas = *buffer.Canvas();
  if (transparent_) {
    DrawParentBackground(canvas, *this);
  } else {
    canvas.Brush()->SetColor(Color());
    canvas.FillRect({0, 0, w, h});
  }
  if (!barBitmap_.Empty()) {
    if (Horizontal()) canvas.Draw(0, (Height() - barBitmap_.Height()) / 2, &barBitmap_);
    else canvas.Draw((Width() - barBitmap_.Width()) / 2, 0, &barBitmap_);
  }
  TCustomForm* form = ParentForm();
  if (form && form->ActiveControl() == this && TabStop()) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.DrawFocusRect({0, 0, w, h});
  }
  if (showTick_) DrawTicks(canvas);
  Canvas()->Draw(0, 0, &buffer);
}

void TzelTrackBar::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

// The bar's see-through corners were filled with the old colour.
void TzelTrackBar::CMColorChanged(TMessage& message) {
  TCustomPanel::CMColorChanged(message);
  if (constructed_ && !SkipTheme()) BuildBarBitmap();
}

// ---- The scroll bar's track --------------------------------------------------------------

TzelScrollTrackBar::TzelScrollTrackBar(TComponent* owner) : TzelTrackBar(owner, true) {}

void TzelScrollTrackBar::SizeSliderToPicture() {
  TzelImagePanel* slider = Slider();
  slider->SetBounds(slider->Left(), slider->Top(), slider->Picture()->Width(), slider->Picture()->Height());
  SetPosition(Position());
}

void TzelScrollTrackBar::SetSliderVisible(bool value) { Slider()->SetVisible(value); }
