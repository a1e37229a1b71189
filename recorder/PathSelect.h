#pragma once
// The folder picker the options window shows for its output folders.

#include <string>

#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"
#include "platform/framework/TreeView.h"
#include "skin/ZELButton.h"

class TzelForm;

// The folder with every trailing "/" removed and exactly one put back:
// "/" stays "/", "/a//" gives "/a/". Empty (no folder) stays empty.
std::string FolderWithOneDelimiter(const std::string& folder);

class TfrmPathSelect : public TForm {
 public:
  explicit TfrmPathSelect(TComponent* owner);
  std::string ClassName() const override { return "TfrmPathSelect"; }

  // The chosen folder ending in one "/", or empty after Cancel (and after
  // Ok with no folder selected). Closing the window otherwise keeps the
  // previous answer.
  std::string Result;

  TzelForm* zelForm1;
  TPanel* plTree;
  TShellTreeView* ShellTreeView1;
  TzelButton* btnOk;
  TzelButton* btnCancel;
};

extern TfrmPathSelect* frmPathSelect;
