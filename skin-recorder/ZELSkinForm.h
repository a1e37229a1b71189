#pragma once
// Shapes the form that owns it like a bitmap: every pixel of the glyph
// that is not the transparent colour belongs to the window, the rest is
// cut away. The form loses its border, takes the glyph's size, shows it
// and can be dragged by any visible point.

#include <memory>
#include <string>

#include "platform/framework/Controls.h"
#include "platform/gfx/Bitmap.h"

class TCustomForm;

class TzelSkinForm : public TGraphicControl {
 public:
  explicit TzelSkinForm(TComponent* owner);
  ~TzelSkinForm() override;
  std::string ClassName() const override { return "TzelSkinForm"; }

  // The window's picture and shape; setting copies it and reshapes.
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  // Pixels of this colour are cut away (magenta by default).
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor value);

  // The shaped form; null when the owner is no form.
  TCustomForm* OwnerForm() const { return form_; }

  // After the window region and size were set.
  TNotifyEvent OnRegionChanged;
  // After the glyph was drawn.
  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;

 private:
  bool DesignTime() const;
  void Reshape();

  std::unique_ptr<TBitmap> glyph_;
  TColor transparentColor_ = TColor(0xFF00FF);
  TCustomForm* form_ = nullptr;
};
