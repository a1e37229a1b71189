#pragma once
// What the effect dialogs share: a dialog window centred on the screen,
// dressed in the skinned frame zelForm1 with the image panel
// zelImagePanel1 filling it, one themed scroll bar per parameter with a
// label above it that shows the value, and the buttons "&Ok" (result 1),
// "&Cancel" (result 2) and, where the dialog has defaults to go back to,
// "&Default". The dialogs are made once and only hidden between uses, so
// every value stays for the next use.

#include <string>
#include <vector>

#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"

class TzelButton;
class TzelForm;
class TzelImagePanel;
class TzelScrollBar;

// One parameter: its scroll bar's name and range, the value it starts at
// (and the Default button puts back), and its label's text around the
// value. A phase shows its position as radians instead.
struct TEffectParameter {
  std::string name;
  int min = 0;
  int max = 100;
  int start = 0;
  std::string prefix;
  std::string unit;
  bool phase = false;
};

// The sweep phases: position 0..360 as 0..3.14, worked out in extended
// precision and handed on as a float.
float PhaseRadians(int position);
// The label's number for a phase position: hundredths, rounded half to
// even, in the shortest decimal form ("0", "1.57", "3.14").
std::string PhaseText(int position);

class TfrmEffectDialog : public TForm {
 public:
  std::string ClassName() const override { return "TfrmEffectDialog"; }

  TzelForm* zelForm1 = nullptr;
  TzelImagePanel* zelImagePanel1 = nullptr;
  TzelButton* btnOptionOk = nullptr;
  TzelButton* btnOptionCancel = nullptr;
  TzelButton* btnOptionDefault = nullptr;  // none in the insert-silence window

  // The label of a scroll bar, made with it.
  TLabel* LabelOf(const TzelScrollBar* bar) const;

 protected:
  TfrmEffectDialog(TComponent* owner, const std::string& name, const std::string& caption, bool withDefault);

  // Adds the next parameter row (scroll bar and label LabelN); the rows
  // follow each other down the dialog.
  TzelScrollBar* AddParameter(const TEffectParameter& parameter);
  // Sizes the window around the rows made so far and contentHeight pixels
  // of the dialog's own controls below them, and puts the buttons under
  // all; called once the dialog's own controls are built.
  void FinishLayout(int contentHeight = 0);
  // The top of the next row, for dialogs that lay out rows of their own.
  int NextRowTop() const;

  // Rewrites a scroll bar's label for its position.
  void WriteLabel(const TzelScrollBar* bar);
  void WriteLabels();
  // A scroll bar moved; the label is already rewritten.
  virtual void ParameterChanged(TzelScrollBar*) {}
  // What "&Default" does: every parameter back to its start.
  virtual void RestoreDefaults();

  // While one lives, moved scroll bars neither rewrite their labels nor
  // reach ParameterChanged; at its end every label is written once.
  class TQuietChanges {
   public:
    explicit TQuietChanges(TfrmEffectDialog& dialog);
    ~TQuietChanges();
    TQuietChanges(const TQuietChanges&) = delete;
    TQuietChanges& operator=(const TQuietChanges&) = delete;

   private:
    TfrmEffectDialog& dialog_;
  };

 private:
  struct TRow {
    TzelScrollBar* bar;
    TLabel* label;
    TEffectParameter parameter;
  };
  const TRow* RowOf(const TzelScrollBar* bar) const;

  std::vector<TRow> rows_;
  bool quiet_ = false;
};
