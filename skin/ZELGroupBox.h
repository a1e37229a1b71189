#pragma once
// A themed frame with a caption over its top line; its children sit
// inside the frame and take the box's look.

#include <string>

#include "skin/ZELImagePanel.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"

class TzelCustomGroupBox : public TzelThemed<TzelCustomPanel> {
 public:
  explicit TzelCustomGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TzelCustomGroupBox"; }

  // The text shown on the frame; the window text itself stays " ".
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  TColor BorderColor() const { return Link().BorderColor(); }
  void SetBorderColor(TColor value) { Link().SetBorderColor(value); }

  // Where the frame's caption line and contents lie.
  TRect CaptionArea();
  void AdjustClientRect(TRect& rect) override;

 protected:
  // Gives the children the box's look, then reads the caption colour.
  virtual void ApplyLook(const TzelLookSource& source);

  void Paint() override;
  void CMFontChanged(TMessage& message) override;

 private:
  int FontHeight() const;
  void DrawFrame(TCanvas& canvas, const TRect& client, int captionWidth);
  void DrawCaption(TCanvas& canvas, int captionWidth);

  std::string caption_;
};

class TzelGroupBox : public TzelCustomGroupBox {
 public:
  explicit TzelGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TzelGroupBox"; }
};
