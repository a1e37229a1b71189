#include "recorder/MyTrackBar.h"

#include <algorithm>

namespace {

constexpr int kBottomThumbTop = 70;
constexpr int kSectionTop = 19;
constexpr int kCursorTop = 16;

void CopyInto(std::unique_ptr<TBitmap>& target, const TBitmap* source) {
  if (!source) {
    target.reset();
    return;
  }
  if (!target) target = std::make_unique<TBitmap>();
  target->Assign(source);
}

}  // namespace

TMyTrackBar::TMyTrackBar(TComponent* owner) : TPanel(owner) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  SetDoubleBuffered(true);
  SetFullRepaint(false);
  SetColor(14216428);
  paintBox_ = new TPaintBox(this);
  paintBox_->SetParent(this);
  paintBox_->SetAlign(alClient);
  paintBox_->OnPaint = [this](TObject*) { PaintTimeline(); };
  bottomThumb_ = new TImage(this);
  topThumb_ = new TImage(this);
  for (TImage* thumb : {bottomThumb_, topThumb_}) {
    thumb->SetParent(this);
    thumb->SetAutoSize(true);
    thumb->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int x, int) { ThumbDown(button, x); };
    thumb->OnMouseMove = [this](TObject*, TShiftState, int x, int) { ThumbMove(x); };
    thumb->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { dragging_ = false; };
  }
  bottomThumb_->SetTop(kBottomThumbTop);
  topThumb_->SetTop(0);
}

TMyTrackBar::~TMyTrackBar() = default;

TTimelineScale TMyTrackBar::Scale() const { return {paintBox_->Width(), start_, end_}; }

void TMyTrackBar::SetLength(std::int64_t end) {
  end_ = end;
  points_.Reset(start_, end_);
  PointsChanged();
}

void TMyTrackBar::SetPosition(std::int64_t ms) {
  position_ = std::clamp(ms, start_, std::max(start_, end_));
  cursorX_ = Scale().MsToPixel(position_);
  bottomThumb_->SetLeft(cursorX_ - 16);
  topThumb_->SetLeft(cursorX_ - 16);
  if (OnPositionChange) OnPositionChange(this);
  paintBox_->Invalidate();
}

void TMyTrackBar::AddPoint(std::int64_t ms) {
  if (points_.Add(ms)) PointsChanged();
}

void TMyTrackBar::DeletePoint(int index, bool keepFlags) {
  if (!points_.Delete(index, keepFlags)) return;
  PointsChanged();
  paintBox_->Invalidate();
}

void TMyTrackBar::ClearPoints() {
  points_.Clear();
  PointsChanged();
  paintBox_->Invalidate();
}

void TMyTrackBar::SetPointUse(int index, bool use) {
  points_.SetUse(index, use);
  paintBox_->Invalidate();
}

void TMyTrackBar::SetHighlight(int section) {
  highlight_ = section;
  paintBox_->Invalidate();
}

void TMyTrackBar::GotoPoint(int index) {
  if (index >= 0 && index < points_.LastIndex()) SetPosition(points_.Points()[index].position);
}

void TMyTrackBar::SetBackground(const TBitmap* bitmap) {
  CopyInto(background_, bitmap);
  paintBox_->Invalidate();
}

void TMyTrackBar::SetThumbImages(const TBitmap* top, const TBitmap* bottom) {
  topThumb_->Picture()->SetGraphic(top);
  bottomThumb_->Picture()->SetGraphic(bottom);
}

void TMyTrackBar::SetCursorImages(const TBitmap* cursor, const TBitmap* mark) {
  CopyInto(cursor_, cursor);
  CopyInto(mark_, mark);
  paintBox_->Invalidate();
}

void TMyTrackBar::SetSectionImages(const TBitmap* unchecked, const TBitmap* selected) {
  CopyInto(unchecked_, unchecked);
  CopyInto(selected_, selected);
  paintBox_->Invalidate();
}

void TMyTrackBar::PointsChanged() {
  if (OnPointsChange) OnPointsChange(this);
}

void TMyTrackBar::MoveThumbs(int left) {
  bottomThumb_->SetLeft(left);
  topThumb_->SetLeft(left);
  cursorX_ = left + 16;
}

void TMyTrackBar::Resize() {
  TPanel::Resize();
  // A new width is a new scale: the cursor goes back to the start, quietly.
  bottomThumb_->SetTop(kBottomThumbTop);
  topThumb_->SetTop(0);
  MoveThumbs(0);
  position_ = Scale().PixelToMs(0);
}

void TMyTrackBar::ThumbDown(TMouseButton button, int x) {
  if (button != mbLeft) return;
  dragging_ = true;
  dragStart_ = x;
}

void TMyTrackBar::ThumbMove(int x) {
  if (!dragging_) return;
  const TTimelineScale scale = Scale();
  const int left = std::clamp(x + bottomThumb_->Left() - dragStart_, 0, std::max(0, scale.RightmostThumb()));
  MoveThumbs(left);
  position_ = scale.PixelToMs(left);
  if (OnPositionChange) OnPositionChange(this);
  paintBox_->Invalidate();
}

void TMyTrackBar::PaintTimeline() {
  TCanvas* canvas = paintBox_->Canvas();
  if (background_) canvas->Draw(0, 0, background_.get());
  const TTimelineScale scale = Scale();
  const auto& points = points_.Points();
  // A fill is one column of picture drawn at every x of its section.
  const auto fill = [&](const TBitmap* column, int from, int to) {
    if (!column) return;
    for (int x = from; x <= to; ++x) canvas->Draw(x, kSectionTop, column);
  };
  for (int i = 0; i < points_.Count(); ++i) {
    const int x = scale.MsToPixel(points[i].position);
    if (i < points_.LastIndex()) {
      const int next = scale.MsToPixel(points[i + 1].position);
      if (!points[i].use && next >= x) fill(unchecked_.get(), x, next);
      if (i == highlight_) fill(selected_.get(), x, next);
    }
    if (i > 0 && i < points_.LastIndex() && mark_) canvas->Draw(x, kSectionTop, mark_.get());
  }
  if (cursor_) canvas->Draw(cursorX_, kCursorTop, cursor_.get());
}
