#include "burner/MyCapBar.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "common/Formatters.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr long double kBytesPerMB = 1048576.0L;
constexpr long double kCdScaleBytes = 671088640.0L;  // 640 MiB
constexpr long double kCdScalePixels = 430.0L;
constexpr int kCdEndX = 430;   // where the CD's nominal capacity ends
constexpr int kStartWidth = 40;
constexpr int kEndCapWidth = 10;
constexpr TColor kTextColor = 8999733;  // 0x895335

// Rounds to nearest, ties to even.
int RoundEven(long double value) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  long double r = std::nearbyint(value);
  std::fesetround(saved);
  return static_cast<int>(r);
}

TRect Columns(int left, int right, int height) { return TRect(left, 0, right, height); }

}  // namespace

TMyCapBar::TMyCapBar(TComponent* owner) : TPanel(owner), paintBox_(new TPaintBox(this)) {
  SetBevelOuter(bvNone);
  SetBevelInner(bvNone);
  SetDoubleBuffered(true);
  SetFullRepaint(false);
  paintBox_->SetParent(this);
  paintBox_->SetAlign(alClient);
  paintBox_->OnPaint = [this](TObject* sender) { PaintBar(sender); };
}

TMyCapBar::~TMyCapBar() = default;

void TMyCapBar::SetBackground(const TBitmap* bitmap) {
  background_ = std::make_unique<TBitmap>();
  background_->Assign(bitmap);
  bar_ = std::make_unique<TBitmap>();
  bar_->Assign(bitmap);
}

void TMyCapBar::SetEdgeImage(TPicture* edge) { edge_ = edge; }

void TMyCapBar::SetNeedImages(TPicture* start, TPicture* fill) {
  start_ = start;
  fill_ = fill;
}

void TMyCapBar::SetOverImages(TPicture* over, TPicture* endCap) {
  over_ = over;
  endCap_ = endCap;
}

void TMyCapBar::SetCdScale() {
  scale_ = kCdScalePixels / kCdScaleBytes;
  markX_ = Pixels(700);
}

void TMyCapBar::SetMarkMB(int mb) {
  markMB_ = mb;
  markX_ = Pixels(mb);
  Redraw();
}

void TMyCapBar::SetNeedMB(int mb) {
  needMB_ = mb;
  Redraw();
  paintBox_->Invalidate();
}

void TMyCapBar::SetDuration(std::int64_t ms) {
  durationMs_ = ms;
  Redraw();
  paintBox_->Invalidate();
}

int TMyCapBar::Pixels(int mb) const { return RoundEven(mb * kBytesPerMB * scale_); }

void TMyCapBar::Redraw() {
  if (!bar_ || !background_) return;
  TCanvas* c = bar_->Canvas();
  const int h = bar_->Height();
  const int n = Pixels(needMB_);
  const int lastX = kCdEndX - 1;
  auto stretch = [&](TPicture* picture, int left, int right) {
    if (picture && picture->Graphic() && right > left) c->StretchDraw(Columns(left, right, h), picture->Graphic());
  };
  c->Draw(0, 0, background_.get());
  // The marks: the end of the CD, and the chosen mark.
  stretch(edge_, lastX - 1, lastX);
  stretch(over_, markX_ - 2, markX_ - 1);
  if (n >= kStartWidth) stretch(fill_, kStartWidth - 1, std::min(lastX, n));
  if (start_ && start_->Graphic()) {
    const TRect cols = Columns(1, std::min(kStartWidth, n) + 1, h);
    if (cols.Right > cols.Left) c->CopyRect(cols, start_->Bitmap()->Canvas(), cols);
  }
  if (n > kCdEndX) {
    stretch(edge_, kCdEndX, std::min(markX_ - 1, n));
    if (n > markX_) {
      stretch(over_, markX_, n);
      const int capX = bar_->Width() - kEndCapWidth;
      if (n > capX && endCap_ && endCap_->Graphic())
        c->CopyRect(Columns(capX, n, h), endCap_->Bitmap()->Canvas(), Columns(0, n - capX, h));
    }
  }
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetColor(kTextColor);
  c->TextOut(38, 3,
             "Project Information -- Audio Duration: " + FormatDurationWords(durationMs_) + " /  Size: " +
                 std::to_string(needMB_) + "MB");
}

void TMyCapBar::PaintBar(TObject*) {
  if (bar_) paintBox_->Canvas()->Draw(0, 0, bar_.get());
}
