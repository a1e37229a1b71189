#include "platform/gfx/Canvas.h"

#include "platform/gfx/PixelOps.h"

namespace {

// Stands for "everything" where the window system has no clip region yet.
constexpr int kFar = 1 << 29;
const TRect kEverything{-kFar, -kFar, kFar, kFar};

}  // namespace

TCanvas::TCanvas(TBitmap* target, TPoint deviceOrigin, const TRgn* baseClip)
    : target_(target), deviceOrigin_(deviceOrigin) {
  if (baseClip) {
    hasBaseClip_ = true;
    baseClip_ = *baseClip;
  }
  brush_.OnChange = [this](TObject*) { SyncBrush(); };
  font_.OnChange = [this](TObject*) { state_.textColor = ColorToRGB(font_.Color()); };
  SyncBrush();
  state_.textColor = ColorToRGB(font_.Color());
}

TCanvas::~TCanvas() = default;

// A solid brush makes text and styled lines paint their background in the
// brush colour; a clear one leaves it alone.
void TCanvas::SyncBrush() {
  state_.bkColor = ColorToRGB(brush_.Color());
  state_.bkMode = brush_.Style() == bsSolid ? OPAQUE : TRANSPARENT;
}

void TCanvas::Changed() {
  if (target_) target_->NotifyCanvasChanged();
  if (OnChange) OnChange(this);
}

void TCanvas::ClipChanged() { clipDirty_ = true; }

TPoint TCanvas::LogicalToBitmap(TPoint p) const {
  return {detail::ClampCoordinate(std::int64_t{p.X} + state_.viewportOrg.X + deviceOrigin_.X),
          detail::ClampCoordinate(std::int64_t{p.Y} + state_.viewportOrg.Y + deviceOrigin_.Y)};
}

const TRgn& TCanvas::BitmapClip() const {
  const TRect bounds = target_ ? TRect{0, 0, target_->Width(), target_->Height()} : TRect{};
  if (clipDirty_ || clipBounds_ != bounds) {
    TRgn clip(bounds);
    if (hasBaseClip_) {
      TRgn base = baseClip_;
      base.Offset(deviceOrigin_.X, deviceOrigin_.Y);
      clip = RgnIntersect(clip, base);
    }
    if (state_.hasClip) {
      TRgn own = state_.clip;
      own.Offset(deviceOrigin_.X, deviceOrigin_.Y);
      clip = RgnIntersect(clip, own);
    }
    bitmapClip_ = std::move(clip);
    clipBounds_ = bounds;
    clipDirty_ = false;
  }
  return bitmapClip_;
}

TRect TCanvas::ClipRect() const {
  TRect box;
  GetClipBox(&box);
  return box;
}

int TCanvas::GetClipBox(TRect* box) const {
  const TRgn& clip = BitmapClip();
  TRect r = clip.BoundingBox();
  if (!clip.Empty()) {
    const TPoint o = LogicalToBitmap({0, 0});
    OffsetRect(r, -o.X, -o.Y);
  }
  if (box) *box = r;
  return RegionKind(clip);
}

int TCanvas::SaveDC() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

bool TCanvas::RestoreDC(int savedState) {
  const int count = static_cast<int>(saved_.size());
  const int level = savedState < 0 ? count + 1 + savedState : savedState;
  if (level < 1 || level > count) return false;
  state_ = saved_[static_cast<std::size_t>(level - 1)];
  saved_.resize(static_cast<std::size_t>(level - 1));
  ClipChanged();
  return true;
}

int TCanvas::SelectClipRgn(const TRgn* region) {
  state_.hasClip = region != nullptr;
  state_.clip = region ? *region : TRgn();
  ClipChanged();
  return region ? RegionKind(state_.clip) : SIMPLEREGION;
}

int TCanvas::ExtSelectClipRgn(const TRgn* region, int mode) {
  if (mode == RGN_COPY) return SelectClipRgn(region);
  // Only a copy may go without a region (it removes the clip region).
  if (!region) return ERROR;
  const TRgn current = state_.hasClip ? state_.clip : TRgn(kEverything);
  TRgn combined;
  switch (mode) {
    case RGN_AND: combined = RgnIntersect(current, *region); break;
    case RGN_OR: combined = RgnUnion(current, *region); break;
    case RGN_XOR: combined = RgnXor(current, *region); break;
    case RGN_DIFF: combined = RgnSubtract(current, *region); break;
    default: return ERROR;
  }
  return SelectClipRgn(&combined);
}

int TCanvas::IntersectClipRect(const TRect& rect) {
  TRgn device{rect};
  device.Offset(state_.viewportOrg.X, state_.viewportOrg.Y);
  return ExtSelectClipRgn(&device, RGN_AND);
}

int TCanvas::ExcludeClipRect(const TRect& rect) {
  TRgn device{rect};
  device.Offset(state_.viewportOrg.X, state_.viewportOrg.Y);
  return ExtSelectClipRgn(&device, RGN_DIFF);
}

void TCanvas::SetViewportOrg(TPoint origin) { state_.viewportOrg = origin; }
