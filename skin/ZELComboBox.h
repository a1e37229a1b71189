#pragma once
// The combo box in the look's colours: a painted frame around the field
// and the dropped-down list, and a painted drop button with its arrow.

#include <string>

#include "platform/framework/ListControls.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemed.h"

class TzelCustomComboBox : public TzelFramed<TComboBox> {
 public:
  explicit TzelCustomComboBox(TComponent* owner);
  std::string ClassName() const override { return "TzelCustomComboBox"; }

  TColor ArrowColor() const { return arrowColor_; }
  void SetArrowColor(TColor value);
  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor value);

  void WndProc(TMessage& message) override;

 protected:
  void CloseUp() override;

 private:
  void PaintFrame();
  void PaintButton(TCanvas& canvas, const TRect& button);
  void PaintArrow(TCanvas& canvas, const TRect& button);

  TColor arrowColor_ = clBlack;
  TColor buttonColor_ = clBtnFace;
};

class TzelComboBox : public TzelCustomComboBox {
 public:
  explicit TzelComboBox(TComponent* owner);
  std::string ClassName() const override { return "TzelComboBox"; }
};
