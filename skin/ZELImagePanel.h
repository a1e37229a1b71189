#pragma once
// A panel that paints a picture (as is, stretched or tiled), optionally
// over its parent's background, with a one-line caption; drawn through an
// off-screen bitmap so it never flickers.

#include <memory>
#include <string>

#include "platform/framework/Panels.h"
#include "platform/gfx/Picture.h"

enum TzelDrawStyle { zelNormal, zelStretch, zelTile };

class TzelCustomPanel : public TCustomPanel {
 public:
  explicit TzelCustomPanel(TComponent* owner);
  ~TzelCustomPanel() override;
  std::string ClassName() const override { return "TzelCustomPanel"; }

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TPicture* value);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  TzelDrawStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(TzelDrawStyle value);
  void SetAutoSize(bool value) override;

 protected:
  // Sets the canvas brush to Color; fills only when hosted in a foreign window.
  virtual void FillBackground();
  // Told where the caption goes; nothing to do here.
  virtual void CaptionRectNotify(const TRect&) {}
  virtual void PictureChanged();

  void Paint() override;
  // Paints the parent's background (when Transparent) and the picture.
  void PaintBackgroundAndPicture(TCanvas& canvas);
  void Resize() override;
  void CMTextChanged(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;

 private:
  void SizeToPicture();
  void DrawPicture(TCanvas& canvas, const TRect& client);

  std::unique_ptr<TPicture> picture_;
  bool transparent_ = false;
  TzelDrawStyle drawStyle_ = zelNormal;
};

class TzelImagePanel : public TzelCustomPanel {
 public:
  explicit TzelImagePanel(TComponent* owner);
  std::string ClassName() const override { return "TzelImagePanel"; }
};
