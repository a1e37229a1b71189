#pragma once
// The image button of tool strips: a glyph and an optional caption,
// flat until the pointer is over it when Flat, and a sticky "down" state
// shared out in groups (GroupIndex) of the buttons on the same parent.

#include <memory>
#include <string>

#include "platform/framework/Controls.h"
#include "platform/gfx/Bitmap.h"

// The pictures of a glyph strip, left to right, each Glyph width /
// NumGlyphs wide. A picture the strip lacks falls back to the normal one
// (the disabled one to a grey copy of it). The bottom-left pixel of each
// picture is its transparent colour.
enum TButtonState { bsUp, bsHot, bsDown, bsDisabled };

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;
  std::string ClassName() const override { return "TSpeedButton"; }

  TBitmap* Glyph() { return glyph_.get(); }
  void SetGlyph(const TBitmap* glyph);
  // Pictures in the strip, in TButtonState order (1 to 4).
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  // 0: an ordinary button. Otherwise pressing it keeps it down and
  // releases the other buttons of the group on the same parent.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  // Whether a down button of a group comes up when clicked again.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // The picture shown now.
  TButtonState State() const;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;

 private:
  void ReleaseGroup();
  void DrawGlyph(TCanvas* canvas, const TRect& area, TButtonState state);
  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool flat_ = false;
  bool mouseInside_ = false;
  bool dragging_ = false;
  bool pressed_ = false;
};
