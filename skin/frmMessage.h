#pragma once
// The box of the skinned message dialog: a text beside an optional icon,
// skinned buttons below it, and Ctrl+C to copy what it says.

#include <string>

#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/Labels.h"
#include "skin/ZELMgr.h"

class TzelForm;

class TfrmMsg : public TForm {
 public:
  explicit TfrmMsg(TComponent* owner);
  std::string ClassName() const override { return "TfrmMsg"; }

  // What the skinned frame shows and how it looks: its caption, look,
  // theme and title font.
  void ApplyFrame(const std::string& caption, TzelUIStyle style, TzelFileTheme* theme, const TFont& captionFont);
  // Where the skinned buttons go: on the frame, beside the text.
  TWinControl* ButtonParent();

  // The frame's caption, the text and the buttons' captions, each part
  // between lines of dashes.
  std::string ClipboardText() const;

  TzelForm* zelForm1;
  TLabel* lbl;
  TImage* Image1;

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
};
