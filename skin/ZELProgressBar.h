#pragma once
// The recorder's themed progress bar: the look's bar picture stretched
// over the done part, a background colour for the rest, a one-pixel border
// and the percentage centred over it. Color is the background of the part
// not yet done.

#include <memory>
#include <string>

#include "platform/framework/Panels.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"
#include "skin/ZELTrackBar.h"

class TzelProgressBar : public TzelThemed<TCustomPanel> {
 public:
  explicit TzelProgressBar(TComponent* owner);
  ~TzelProgressBar() override;
  std::string ClassName() const override { return "TzelProgressBar"; }

  // None of the three is clamped: a position outside Min..Max shows a
  // percentage below 0 or above 100.
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);

  TzelProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TzelProgressBarOrientation value);
  // A vertical bar switches its caption off when it paints.
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  // Hides the caption while Position = Min.
  bool SmartShowCaption() const { return smartShowCaption_; }
  void SetSmartShowCaption(bool value);
  TColor CaptionColor() const { return captionColor_; }
  void SetCaptionColor(TColor value);
  TColor BorderColor() const { return Link().BorderColor(); }
  void SetBorderColor(TColor value) { Link().SetBorderColor(value); }
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TPicture* value);

  // (Position - Min) x 100 div (Max - Min); 0 when Min = Max.
  int Percent() const;
  // How much of `length` pixels the done part takes: 0 at or below Min,
  // all of it above Max.
  int BarLength(int length) const;

 protected:
  void Paint() override;
  void WMEraseBkgnd(TMessage& message) override;

 private:
  void ValueChanged();
  void ApplyLook();
  void PaintHorizontal(TCanvas& canvas, int width, int height);
  void PaintVertical(TCanvas& canvas, int width, int height);

  int min_ = 0;
  int max_ = 100;
  int position_ = 50;
  TzelProgressBarOrientation orientation_ = zelHorizontal;
  bool showCaption_ = true;
  bool smartShowCaption_ = false;
  TColor captionColor_ = clBlack;
  std::unique_ptr<TPicture> picture_;
};
