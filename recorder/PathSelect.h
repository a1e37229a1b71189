#pragma once
// The folder picker the options window shows for its output folders.

#include <string>
#include <vector>

#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/StdCtrls.h"

// The folder with every trailing "/" removed and exactly one put back:
// "/" stays "/", "/a//" gives "/a/". Empty stays empty.
std::string FolderWithOneDelimiter(const std::string& folder);

// The names of the folders directly inside `folder`, sorted, hidden ones
// left out. A folder that cannot be read has none.
std::vector<std::string> ListSubfolders(const std::string& folder);

class TfrmPathSelect : public TForm {
 public:
  explicit TfrmPathSelect(TComponent* owner);
  std::string ClassName() const override { return "TfrmPathSelect"; }

  // The chosen folder ending in one "/", or empty after Cancel. Closing
  // the window otherwise keeps the previous answer.
  std::string Result;

  // The folder the tree shows as selected.
  std::string SelectedFolder() const { return folder_; }
  // Opens the tree at `folder`; false (and nothing changes) when it is
  // not a readable folder.
  bool SelectFolder(const std::string& folder);

  TPanel* plTree;
  TLabel* lblFolder;
  TListBox* ShellTreeView1;
  TButton* btnOk;
  TButton* btnCancel;

 private:
  void OpenEntry(int index);

  std::string folder_;
};

extern TfrmPathSelect* frmPathSelect;
