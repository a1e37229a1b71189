#pragma once
// The combo box in the look's colours: a painted frame around the field
// and the dropped-down list, and a painted drop button with its arrow.

#include <string>

#include "platform/framework/ListControls.h"
#include "skin/ZELMgr.h"

class TzelCustomComboBox : public TComboBox {
 public:
  explicit TzelCustomComboBox(TComponent* owner);
  ~TzelCustomComboBox() override;
  std::string ClassName() const override { return "TzelCustomComboBox"; }

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TColor ArrowColor() const { return arrowColor_; }
  void SetArrowColor(TColor value);
  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor value);
  TzelUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TzelFileTheme* value);

  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;

 protected:
  void CloseUp() override;

 private:
  void PaintFrame();
  void PaintButton(TCanvas& canvas, const TRect& button);
  void PaintArrow(TCanvas& canvas, const TRect& button);

  TColor borderColor_ = clBlack;
  TColor arrowColor_ = clBlack;
  TColor buttonColor_ = clBtnFace;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelFileTheme* fileTheme_ = nullptr;
};

class TzelComboBox : public TzelCustomComboBox {
 public:
  explicit TzelComboBox(TComponent* owner);
  std::string ClassName() const override { return "TzelComboBox"; }
};
