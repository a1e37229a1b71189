#include "recorder/PathSelect.h"

#include "platform/os/Folders.h"
#include "recorder/DialogFrame.h"
#include "skin/ZELForm.h"

TfrmPathSelect* frmPathSelect = nullptr;

std::string FolderWithOneDelimiter(const std::string& folder) {
  if (folder.empty()) return folder;
  std::string trimmed = folder;
  while (!trimmed.empty() && trimmed.back() == '/') trimmed.pop_back();
  return trimmed + "/";
}

TfrmPathSelect::TfrmPathSelect(TComponent* owner) : TForm(owner) {
  SetName("frmPathSelect");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(317, 363);
  zelForm1 = DressDialog(this, "Path Select");

  // Below the frame's title bar.
  plTree = new TPanel(this);
  plTree->SetName("plTree");
  plTree->SetParent(zelForm1);
  plTree->SetCaption("");
  plTree->SetBevelOuter(bvLowered);
  plTree->SetBounds(8, 30, 301, 306);

  ShellTreeView1 = new TShellTreeView(this);
  ShellTreeView1->SetName("ShellTreeView1");
  ShellTreeView1->SetParent(plTree);
  ShellTreeView1->SetAlign(alClient);
  ShellTreeView1->SetShowRoot(false);
  ShellTreeView1->SetSelectedFolder(GetHomeFolder());

  const auto button = [this](const std::string& name, int left, const std::string& caption) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetParent(zelForm1);
    made->SetBounds(left, 346, 80, 27);
    made->SetCaption(caption);
    return made;
  };
  btnOk = button("btnOk", 72, "Ok");
  btnOk->OnClick = [this](TObject*) {
    // The desktop above home and "/" is no folder: nothing is chosen.
    Result = FolderWithOneDelimiter(ShellTreeView1->SelectedFolder());
    Close();
  };
  btnCancel = button("btnCancel", 165, "Cancel");
  btnCancel->OnClick = [this](TObject*) {
    Result.clear();
    Close();
  };
  ThemeDialogControls(this, zelForm1);
}
