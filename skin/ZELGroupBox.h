#pragma once
// A themed frame with a caption over its top line; its children sit
// inside the frame and take the box's look.

#include <string>

#include "skin/ZELImagePanel.h"
#include "skin/ZELMgr.h"

class TzelCustomGroupBox : public TzelCustomPanel {
 public:
  explicit TzelCustomGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TzelCustomGroupBox"; }

  // The text shown on the frame; the window text itself stays " ".
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);

  // Where the frame's caption line and contents lie.
  TRect CaptionArea();
  void AdjustClientRect(TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  virtual void ApplyLook(TzelUIStyle style, TzelFileTheme* fileTheme);

  void Paint() override;
  void CMFontChanged(TMessage& message) override;

 private:
  int FontHeight() const;
  void DrawFrame(TCanvas& canvas, const TRect& client, int captionWidth);
  void DrawCaption(TCanvas& canvas, int captionWidth);

  std::string caption_;
  TColor borderColor_ = clBlack;
  TzelFileTheme* fileTheme_ = nullptr;
  TzelUIStyle uiStyle_ = DeepBlue;
};

class TzelGroupBox : public TzelCustomGroupBox {
 public:
  explicit TzelGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TzelGroupBox"; }
};
