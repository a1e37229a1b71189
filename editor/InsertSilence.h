#pragma once
// The insert-silence dialog: the length of the silence in minutes,
// seconds and milliseconds.

#include "editor/EffectDialog.h"

class TzelGroupBox;
class TzelSpinEdit;

class TfrmInsertSilence : public TfrmEffectDialog {
 public:
  explicit TfrmInsertSilence(TComponent* owner);
  ~TfrmInsertSilence() override;
  std::string ClassName() const override { return "TfrmInsertSilence"; }

  // The length in milliseconds, read after the dialog ended with 1. Each
  // field counts within its range, whatever was typed into it.
  int Milliseconds() const;

  TzelGroupBox* zelGroupBox1;  // "Duration of silence"
  TzelSpinEdit* spinM;
  TzelSpinEdit* spinS;
  TzelSpinEdit* spinMS;
  TLabel* Label1;  // "m"
  TLabel* Label2;  // "s"
  TLabel* Label3;  // "ms"
};

extern TfrmInsertSilence* frmInsertSilence;
