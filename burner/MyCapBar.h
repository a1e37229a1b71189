#pragma once
// The disc capacity bar of the burner window: a run whose length follows
// the megabytes the burn list needs on a fixed CD scale, marks at the CD's
// nominal capacity and at a second mark (700 MB), an overflow look beyond
// them, and one line with the list's duration and size. It is drawn from
// pictures the window hands over, into an off-screen bitmap.

#include <cstdint>
#include <memory>

#include "platform/framework/ExtCtrls.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"

class TMyCapBar : public TPanel {
 public:
  explicit TMyCapBar(TComponent* owner);
  ~TMyCapBar() override;
  std::string ClassName() const override { return "TMyCapBar"; }

  // A copy becomes the background and the off-screen bitmap takes its size.
  void SetBackground(const TBitmap* bitmap);
  // The pictures of the run and the marks stay the caller's.
  void SetEdgeImage(TPicture* edge);
  void SetNeedImages(TPicture* start, TPicture* fill);
  void SetOverImages(TPicture* over, TPicture* endCap);
  // 430 pixels stand for 640 MiB; the mark goes to 700 MB.
  void SetCdScale();
  void SetMarkMB(int mb);
  void SetNeedMB(int mb);
  void SetDuration(std::int64_t ms);

  int NeedMB() const { return needMB_; }
  std::int64_t Duration() const { return durationMs_; }
  int MarkX() const { return markX_; }
  // The bar's picture as last drawn.
  const TBitmap* Picture() const { return bar_.get(); }

 private:
  void Redraw();
  int Pixels(int mb) const;
  void PaintBar(TObject* sender);

  TPaintBox* paintBox_;
  std::unique_ptr<TBitmap> bar_;
  std::unique_ptr<TBitmap> background_;
  TPicture* edge_ = nullptr;
  TPicture* start_ = nullptr;
  TPicture* fill_ = nullptr;
  TPicture* over_ = nullptr;
  TPicture* endCap_ = nullptr;
  int needMB_ = 0;
  std::int64_t durationMs_ = 0;
  int markMB_ = 0;
  int markX_ = 0;
  long double scale_ = 0;  // pixels per byte
};
