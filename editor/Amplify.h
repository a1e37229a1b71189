#pragma once
// The amplify dialog, in plus mode (100..200 %) or minus mode (0..100 %);
// each mode keeps its own last level.

#include "editor/EffectDialog.h"

class TfrmAmplify : public TfrmEffectDialog {
 public:
  explicit TfrmAmplify(TComponent* owner);
  ~TfrmAmplify() override;
  std::string ClassName() const override { return "TfrmAmplify"; }

  // Set before showing: true = "Amplify +", false = "Amplify -". Puts the
  // range and the mode's last level on the scroll bar.
  void SetPlusMode(bool plus);
  bool PlusMode() const { return plus_; }

  // The level in percent, read after the dialog ended with 1.
  int Level() const;

  TzelScrollBar* sbarAmplify;
  TLabel* Label1;

 protected:
  void ParameterChanged(TzelScrollBar* bar) override;
  void RestoreDefaults() override;

 private:
  bool plus_ = true;
  bool settingMode_ = false;
  int plusLevel_;
  int minusLevel_;
};

extern TfrmAmplify* frmAmplify;
