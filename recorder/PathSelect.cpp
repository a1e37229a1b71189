#include "recorder/PathSelect.h"

#include "platform/os/Folders.h"

TfrmPathSelect* frmPathSelect = nullptr;

std::string FolderWithOneDelimiter(const std::string& folder) {
  if (folder.empty()) return folder;
  std::string trimmed = folder;
  while (!trimmed.empty() && trimmed.back() == '/') trimmed.pop_back();
  return trimmed + "/";
}

TfrmPathSelect::TfrmPathSelect(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetCaption("Path Select");
  SetClientSize(317, 363);

  plTree = new TPanel(this);
  plTree->SetParent(this);
  plTree->SetBevelOuter(bvLowered);
  plTree->SetBounds(8, 8, 301, 306);

  ShellTreeView1 = new TShellTreeView(this);
  ShellTreeView1->SetParent(plTree);
  ShellTreeView1->SetAlign(alClient);
  ShellTreeView1->SetShowRoot(false);
  ShellTreeView1->SetSelectedFolder(GetHomeFolder());

  btnOk = new TButton(this);
  btnOk->SetParent(this);
  btnOk->SetBounds(72, 326, 80, 27);
  btnOk->SetCaption("Ok");
  btnOk->OnClick = [this](TObject*) {
    // The desktop above home and "/" is no folder: nothing is chosen.
    Result = FolderWithOneDelimiter(ShellTreeView1->SelectedFolder());
    Close();
  };

  btnCancel = new TButton(this);
  btnCancel->SetParent(this);
  btnCancel->SetBounds(165, 326, 80, 27);
  btnCancel->SetCaption("Cancel");
  btnCancel->OnClick = [this](TObject*) {
    Result.clear();
    Close();
  };
}
