#include "skin/ZELProgressBar.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "skin/ZELPublic.h"

namespace {

// Built-in elements, which the recorder's theme files answer by number too.
constexpr int kElementPicture = 24;
constexpr int kElementBackgroundColor = 26;
// The same items of the editor's theme files.
constexpr int kThemePicture = 19;
constexpr int kThemeBackgroundColor = 21;

int ClampToInt(std::int64_t value) {
  return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The picture upside down, for a bar that fills from the bottom.
void FlipRows(TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf24bit);
  const std::size_t rowBytes = std::size_t(3) * bitmap.Width();
  std::vector<std::uint8_t> row(rowBytes);
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom) {
    std::memcpy(row.data(), bitmap.ScanLine(top), rowBytes);
    std::memcpy(bitmap.ScanLine(top), bitmap.ScanLine(bottom), rowBytes);
    std::memcpy(bitmap.ScanLine(bottom), row.data(), rowBytes);
  }
}

}  // namespace

TzelProgressBar::TzelProgressBar(TComponent* owner)
    : TzelThemed<TCustomPanel>(owner), picture_(std::make_unique<TPicture>()) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  controlStyle_ &= ~csAcceptsControls;
  picture_->OnChange = [this](TObject*) { Invalidate(); };
  SetBounds(Left(), Top(), 150, 12);
  SetColor(clBtnFace);
  ValueChanged();
  Publish("Min", &TzelProgressBar::Min, &TzelProgressBar::SetMin);
  Publish("Max", &TzelProgressBar::Max, &TzelProgressBar::SetMax);
  Publish("Position", &TzelProgressBar::Position, &TzelProgressBar::SetPosition);
  Publish("Orientation", &TzelProgressBar::Orientation, &TzelProgressBar::SetOrientation);
  Publish("ShowCaption", &TzelProgressBar::ShowCaption, &TzelProgressBar::SetShowCaption);
  Publish("SmartShowCaption", &TzelProgressBar::SmartShowCaption, &TzelProgressBar::SetSmartShowCaption);
  Publish("CaptionColor", &TzelProgressBar::CaptionColor, &TzelProgressBar::SetCaptionColor);
  Publish("BorderColor", &TzelProgressBar::BorderColor, &TzelProgressBar::SetBorderColor);
  Link().OnApply = [this](const TzelLookSource&) { ApplyLook(); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

TzelProgressBar::~TzelProgressBar() {
  Destroying();
  picture_->OnChange = nullptr;
}

// ---- Values --------------------------------------------------------------------------

void TzelProgressBar::SetMin(int value) {
  min_ = value;
  ValueChanged();
}

void TzelProgressBar::SetMax(int value) {
  max_ = value;
  ValueChanged();
}

void TzelProgressBar::SetPosition(int value) {
  position_ = value;
  ValueChanged();
}

void TzelProgressBar::ValueChanged() {
  SetText(std::to_string(Percent()) + "%");
  Invalidate();
}

int TzelProgressBar::Percent() const {
  if (min_ == max_) return 0;
  return ClampToInt((std::int64_t(position_) - min_) * 100 / (std::int64_t(max_) - min_));
}

int TzelProgressBar::BarLength(int length) const {
  if (min_ >= max_ || position_ <= min_) return 0;
  if (position_ > max_) return length;
  return int(std::int64_t(length) * (std::int64_t(position_) - min_) / (std::int64_t(max_) - min_));
}

// ---- Appearance ----------------------------------------------------------------------

void TzelProgressBar::SetShowCaption(bool value) {
  showCaption_ = value;
  Invalidate();
}

void TzelProgressBar::SetSmartShowCaption(bool value) {
  smartShowCaption_ = value;
  Invalidate();
}

void TzelProgressBar::SetCaptionColor(TColor value) {
  captionColor_ = value;
  Invalidate();
}

void TzelProgressBar::SetPicture(const TPicture* value) {
  picture_->Assign(value);
  Invalidate();
}

void TzelProgressBar::SetOrientation(TzelProgressBarOrientation value) {
  orientation_ = value;
  ApplyLook();
}

// A look without a bar picture keeps the picture the bar has.
void TzelProgressBar::ApplyLook() {
  TBitmap bar;
  if (picture_->Graphic()) bar.Assign(picture_->Bitmap());
  const TzelLookSource source = LookSource();
  try {
    if (source.ByItem())
      source.File().GetBitmapFrame(kThemePicture, &bar, 0, 0);
    else
      source.ElementBitmap(kElementPicture, bar);
  } catch (const Exception&) {
    // Art missing from the program: the bar keeps its picture.
  }
  SetColor(source.Color(kElementBackgroundColor, kThemeBackgroundColor));
  if (orientation_ == zelVertical && !bar.Empty()) RotateBitmapLeft(bar);
  if (bar.Empty()) picture_->SetGraphic(nullptr);
  else picture_->SetGraphic(&bar);
  Invalidate();
}

// ---- Painting ------------------------------------------------------------------------

void TzelProgressBar::Paint() {
  const int width = ClientWidth(), height = ClientHeight();
  TBitmap buffer(std::max(1, width), std::max(1, height));
  TCanvas& canvas = *buffer.Canvas();
  if (orientation_ == zelVertical) PaintVertical(canvas, width, height);
  else PaintHorizontal(canvas, width, height);

  if (showCaption_ && !(smartShowCaption_ && position_ == min_)) {
    const std::string text = Caption();
    canvas.Font()->Assign(*Font());
    canvas.Font()->SetColor(captionColor_);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut((width - canvas.TextWidth(text)) / 2, (height - canvas.TextHeight(text)) / 2, text);
  }
  canvas.Brush()->SetColor(BorderColor());
  canvas.FrameRect({0, 0, width, height});
  Canvas()->Draw(0, 0, &buffer);
}

// The done part grows from the left; at least the first column inside
// the border counts as done.
void TzelProgressBar::PaintHorizontal(TCanvas& canvas, int width, int height) {
  const int done = std::max(BarLength(width - 1), 1);
  if (picture_->Graphic() && done > 1) canvas.StretchDraw({1, 1, done, height - 1}, picture_->Graphic());
  canvas.Brush()->SetColor(Color());
  canvas.FillRect({done, 1, width - 1, height - 1});
}

// The done part grows from the bottom, its picture upside down as the bar
// is drawn bottom-up; the caption does not fit across and goes.
void TzelProgressBar::PaintVertical(TCanvas& canvas, int width, int height) {
  const int top = std::max(height - 1 - BarLength(height - 1), 1);
  if (picture_->Graphic() && top < height - 1) {
    TBitmap upsideDown;
    upsideDown.Assign(picture_->Bitmap());
    FlipRows(upsideDown);
    canvas.StretchDraw({1, top, width - 1, height - 1}, &upsideDown);
  }
  canvas.Brush()->SetColor(Color());
  canvas.FillRect({1, 1, width - 1, top});
  showCaption_ = false;
}

// Painting covers every pixel; erasing first would only flicker.
void TzelProgressBar::WMEraseBkgnd(TMessage& message) { message.Result = 1; }
