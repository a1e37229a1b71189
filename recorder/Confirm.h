#pragma once
// The recorder's one message box: a yes/no question or a message with a
// single OK button. Its width follows the text.

#include <string>

#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "skin/ZELButton.h"

class TzelForm;

constexpr BYTE CONFIRM_QUESTION = 0;
constexpr BYTE CONFIRM_MESSAGE = 1;

// Where everything goes for a text of the given size.
struct TConfirmLayout {
  std::string caption;
  std::string noCaption;  // zelButton2: "&No" or "&Ok"
  bool yesVisible = true;
  int windowLeft = 0;
  int windowWidth = 0;
  int windowHeight = 0;
  int labelLeft = 0;
  int buttonTop = 0;
  int yesLeft = 0;
  int noLeft = 0;
};

// Any mode other than the question is laid out as a message, so an
// unknown mode can never offer a "yes".
TConfirmLayout LayOutConfirm(BYTE mode, int labelWidth, int labelHeight, int buttonWidth, int screenWidth);

class TfrmConfirm : public TForm {
 public:
  explicit TfrmConfirm(TComponent* owner);
  // The other windows ask through frmConfirm; it is cleared here so none
  // reaches a freed box at shutdown.
  ~TfrmConfirm() override;
  std::string ClassName() const override { return "TfrmConfirm"; }

  void SetConfirmText(const std::string& text) { text_ = text; }
  void SetConfirmMode(BYTE mode) { mode_ = mode; }
  // Lays the window out for the text and mode, then shows it modally:
  // 6 yes, 7 no (also the OK of a message), 2 closed otherwise.
  int ShowModal() override;

  TzelForm* zelForm1;
  TLabel* Label1;
  TzelButton* zelButton1;
  TzelButton* zelButton2;

 private:
  void ApplyLayout();

  std::string text_;
  BYTE mode_ = CONFIRM_QUESTION;
};

extern TfrmConfirm* frmConfirm;

// Shows the text in frmConfirm in message mode, modally; nothing without
// the box.
void ShowConfirmMessage(const std::string& text);

inline TfrmConfirm::~TfrmConfirm() {
  if (frmConfirm == this) frmConfirm = nullptr;
}
