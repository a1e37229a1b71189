#pragma once
// Tooltips: a small window with a control's hint text, shown after the
// pointer has rested on the control and hidden when it leaves, clicks or
// types, or after a while.

#include <string>

#include "platform/framework/Controls.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);
  std::string ClassName() const override { return "THintWindow"; }
  // Shows the text with its top-left corner at a screen point.
  void ActivateHint(TPoint screenPoint, const std::string& text);
  void ReleaseHandle();
  // The size the text needs.
  TSize CalcHintSize(const std::string& text);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};

// The part of a hint before "|".
std::string GetShortHint(const std::string& hint);

namespace detail {
void HintMouseControlChanged(TControl* control);
void ForgetHintControl(TControl* control);
void CancelHint();
// The hint window shown now (nullptr when none).
THintWindow* ActiveHintWindow();
}  // namespace detail
