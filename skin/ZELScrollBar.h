#pragma once
// A themed scroll bar made of two line buttons at the ends and a track
// with its thumb between them. It draws nothing itself: it builds the
// buttons' pictures and the thumb from the look and lays the parts out.
// All position state lives in the track. List boxes, list views and memos
// lay one over their native bar and keep it in step.

#include <string>

#include "platform/framework/Panels.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"
#include "skin/ZELTrackBar.h"

class TzelScrollBar : public TzelThemed<TCustomPanel> {
 public:
  explicit TzelScrollBar(TComponent* owner);
  ~TzelScrollBar() override;
  std::string ClassName() const override { return "TzelScrollBar"; }

  TzelProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TzelProgressBarOrientation value);
  // The thumb's length in pixels; 0 derives it from PageSize. Values
  // longer than the track are ignored; short ones grow to a minimum.
  int LineButton() const { return lineButton_; }
  void SetLineButton(int value);

  int Max() const { return track_->Max(); }
  void SetMax(int value) { track_->SetMax(value); }
  int Min() const { return track_->Min(); }
  void SetMin(int value) { track_->SetMin(value); }
  int Position() const { return track_->Position(); }
  void SetPosition(int value);
  // The step of the line buttons, 1..32767; other values are refused.
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value);
  // The track's page step; LargeChange leaves the thumb as it is.
  int LargeChange() const { return track_->PageSize(); }
  void SetLargeChange(int value);
  int PageSize() const { return track_->PageSize(); }
  void SetPageSize(int value);
  // How far Position moved at the last OnChange.
  int LastChange() const { return track_->LastChange(); }
  // The recorder's memo hides the thumb while there is nothing to scroll.
  void SetSliderVisible(bool value) { track_->SetSliderVisible(value); }

  TzelScrollTrackBar* Track() const { return track_; }
  TzelImageButton* FirstButton() const { return first_; }
  TzelImageButton* SecondButton() const { return second_; }

  // Fired by the track when Position changes; Sender is the track.
  TNotifyEvent OnChange;

 protected:
  void Resize() override;
  void CreateWnd() override;
  void WMEraseBkgnd(TMessage&) override {}
  void CMColorChanged(TMessage& message) override;
  void CMVisibleChanged(TMessage& message) override;

 private:
  void LoadPictures();
  void LoadThemeFilePictures(const TzelFileTheme& theme);
  void LoadElementPictures(const TzelLookSource& source);
  void LayOut();
  void BuildThumb();
  void StepBy(int delta);
  bool Vertical() const { return orientation_ == zelVertical; }
  // The length along the bar left for the track between the buttons.
  int FreeTrackLength() const;

  TzelScrollTrackBar* track_ = nullptr;
  TzelImageButton* first_ = nullptr;
  TzelImageButton* second_ = nullptr;
  TBitmap startCap_, middle_, endCap_;
  TzelProgressBarOrientation orientation_ = zelHorizontal;
  bool editorThemeFile_ = false;  // pictures from an editor's theme file
  int lineButton_ = 0;
  int smallChange_ = 1;
  bool constructed_ = false;  // no layout before the pictures are loaded
  bool layingOut_ = false;
};
