#include "recorder/PathSelect.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/os/Files.h"
#include "platform/os/Folders.h"

TfrmPathSelect* frmPathSelect = nullptr;

namespace {

constexpr const char* kParentEntry = "..";

}  // namespace

std::string FolderWithOneDelimiter(const std::string& folder) {
  if (folder.empty()) return folder;
  std::string trimmed = folder;
  while (!trimmed.empty() && trimmed.back() == '/') trimmed.pop_back();
  return trimmed + "/";
}

std::vector<std::string> ListSubfolders(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, std::filesystem::directory_options::skip_permission_denied, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (!it->is_directory(typeError)) continue;
    std::string name = it->path().filename().string();
    if (!name.empty() && name[0] != '.') names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
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

  lblFolder = new TLabel(this);
  lblFolder->SetParent(plTree);
  lblFolder->SetBounds(4, 4, 293, 16);

  // A folder list stands in for the shell tree: ".." goes up, a double
  // click opens a folder; the open folder is the selection.
  ShellTreeView1 = new TListBox(this);
  ShellTreeView1->SetParent(plTree);
  ShellTreeView1->SetBounds(2, 22, 297, 282);
  ShellTreeView1->OnDblClick = [this](TObject*) { OpenEntry(ShellTreeView1->ItemIndex()); };

  btnOk = new TButton(this);
  btnOk->SetParent(this);
  btnOk->SetBounds(72, 326, 80, 27);
  btnOk->SetCaption("Ok");
  btnOk->OnClick = [this](TObject*) {
    Result = FolderWithOneDelimiter(folder_);
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

  if (!SelectFolder(GetHomeFolder())) SelectFolder("/");
}

bool TfrmPathSelect::SelectFolder(const std::string& folder) {
  if (folder.empty() || !DirectoryExists(folder)) return false;
  folder_ = FolderWithOneDelimiter(folder);
  lblFolder->SetCaption(folder_);
  ShellTreeView1->Items()->Clear();
  if (folder_ != "/") ShellTreeView1->Items()->Add(kParentEntry);
  for (const std::string& name : ListSubfolders(folder_)) ShellTreeView1->Items()->Add(name);
  return true;
}

void TfrmPathSelect::OpenEntry(int index) {
  if (index < 0 || index >= ShellTreeView1->Items()->Count()) return;
  const std::string entry = ShellTreeView1->Items()->Strings(index);
  if (entry == kParentEntry) {
    std::string parent = folder_.substr(0, folder_.size() - 1);
    parent = parent.substr(0, parent.find_last_of('/') + 1);
    SelectFolder(parent.empty() ? "/" : parent);
  } else {
    SelectFolder(folder_ + entry);
  }
}
