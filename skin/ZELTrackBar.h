#pragma once
// A slider drawn from theme pictures: a bar across the control and a
// slider picture the user drags, pages towards by pressing on the bar, or
// moves with the keys. The scroll bar uses the same control as its track.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/framework/Panels.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"

class TzelImagePanel;

enum TzelProgressBarOrientation { zelHorizontal, zelVertical };

class TzelTrackBar : public TzelThemed<TCustomPanel> {
 public:
  explicit TzelTrackBar(TComponent* owner);
  ~TzelTrackBar() override;
  std::string ClassName() const override { return "TzelTrackBar"; }

  TzelProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TzelProgressBarOrientation value);
  // The bar picture in its horizontal form.
  TPicture* BarImage() { return &barImage_; }
  void SetBarImage(const TPicture* value);
  TPicture* SliderImage() const;
  virtual void SetSliderImage(const TPicture* value);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  // Clamped to Min..Max; OnChange fires when the value changed.
  void SetPosition(int value);
  // Taken only within 0..Max.
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);
  bool ShowTick() const { return showTick_; }
  void SetShowTick(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);

  // How far Position moved at the last OnChange.
  int LastChange() const { return lastChange_; }
  // The slider child, for tests and the scroll bar.
  TzelImagePanel* Slider() const { return slider_; }
  // The left (or top) edge the slider takes for the current Position.
  int SliderPlace();
  // The positions that get a tick mark, in order (none when Min = Max).
  std::vector<int> TickPositions() const;

  TNotifyEvent OnChange;

 protected:
  // scrollTrack: the track of a scroll bar, which gives it its pictures.
  TzelTrackBar(TComponent* owner, bool scrollTrack);

  virtual void UpdatePictures();
  bool SkipTheme() const { return scrollTrack_; }
  virtual bool ActivateOnClick() const { return true; }
  virtual bool SliderTransparent() const { return orientation_ == zelHorizontal; }

  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void WMEraseBkgnd(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void WMGetDlgCode(TMessage& message) override;
  void Dispatch(TMessage& message) override;

 private:
  void ApplyLook();
  void LoadThemePictures();
  void BuildBarBitmap();
  void SizeToPictures();
  void UpdateSlider();
  void PlaceSlider();
  void NotifyIfMoved();

  bool Horizontal() const { return orientation_ == zelHorizontal; }
  int Length() const { return Horizontal() ? Width() : Height(); }
  int Thickness() const { return Horizontal() ? Height() : Width(); }
  int SliderLength() const;
  int SliderThickness() const;
  int PositionFromPoint(int along) const;
  int TickPixel(int position) const;
  void DrawTicks(TCanvas& canvas);

  void SliderMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void SliderMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void BecomeActiveControl();
  void StepBy(std::int64_t delta);
  void PageTowards(int along, int step);
  void StartRepeat();
  void StopRepeat();
  void RepeatTick();

  TzelImagePanel* slider_ = nullptr;
  TPicture barImage_;
  TBitmap barBitmap_;
  bool scrollTrack_ = false;
  TzelProgressBarOrientation orientation_ = zelHorizontal;
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int pageSize_ = 2;
  int lineSize_ = 1;
  bool showTick_ = true;
  bool transparent_ = false;
  int frequency_ = 1;
  bool dragging_ = false;
  int grabOffset_ = 0;
  int lastNotified_ = 0;
  int lastChange_ = 0;
  bool repeating_ = false;
  bool constructed_ = false;
};

// The track of the themed scroll bar: no pictures of its own, never takes
// the focus from a click, and its slider is opaque.
class TzelScrollTrackBar : public TzelTrackBar {
 public:
  explicit TzelScrollTrackBar(TComponent* owner);
  std::string ClassName() const override { return "TzelScrollTrackBar"; }

  // The slider takes the size of its picture.
  void SizeSliderToPicture();
  // The recorder's memo hides the thumb while there is nothing to scroll.
  void SetSliderVisible(bool value);

 protected:
  bool ActivateOnClick() const override { return false; }
  bool SliderTransparent() const override { return false; }
};
