// The folder tree: a virtual desktop holding the home folder and "/";
// each folder's sub-folders are read when it first opens. Icons are
// drawn here: a desktop, a house for home, a drive for "/", folders.

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/framework/SysUtils.h"
#include "platform/framework/TreeView.h"
#include "platform/os/Folders.h"

namespace fs = std::filesystem;

namespace {

// Sub-folders in name order, hidden ones left out; none when unreadable.
std::vector<std::pair<std::string, std::string>> SubFolders(const std::string& path) {
  std::vector<std::pair<std::string, std::string>> out;
  std::error_code ec;
  fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code typeError;
    if (!it->is_directory(typeError) || typeError) continue;
    out.push_back({name, it->path().string()});
  }
  std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return CompareText(a.first, b.first) < 0; });
  return out;
}

bool HasSubFolder(const std::string& path) {
  std::error_code ec;
  fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::error_code typeError;
    if (!name.empty() && name[0] != '.' && it->is_directory(typeError) && !typeError) return true;
  }
  return false;
}

enum TFolderIcon { fiDesktop, fiHome, fiRoot, fiFolder, fiOpenFolder };

void Box(TCanvas& c, int l, int t, int r, int b, TColor fill, TColor edge) {
  c.Brush()->SetColor(edge);
  c.FillRect({l, t, r, b});
  c.Brush()->SetColor(fill);
  c.FillRect({l + 1, t + 1, r - 1, b - 1});
}

void DrawIcon(TCanvas& c, TFolderIcon icon, int x, int y) {
  switch (icon) {
    case fiDesktop:  // a screen on a stand
      Box(c, x + 1, y + 2, x + 15, y + 12, 0xA06000, clBlack);
      c.Brush()->SetColor(clGray);
      c.FillRect({x + 6, y + 12, x + 10, y + 14});
      c.FillRect({x + 4, y + 14, x + 12, y + 15});
      break;
    case fiHome: {  // a house
      c.Brush()->SetColor(0x0000A0);
      for (int i = 0; i < 7; ++i) c.FillRect({x + 7 - i, y + 1 + i, x + 9 + i, y + 2 + i});
      Box(c, x + 3, y + 8, x + 13, y + 15, 0xC0E0F0, clBlack);
      c.Brush()->SetColor(0x204080);
      c.FillRect({x + 7, y + 11, x + 10, y + 15});
      break;
    }
    case fiRoot:  // a drive
      Box(c, x + 1, y + 5, x + 15, y + 12, clSilver, clBlack);
      c.Brush()->SetColor(clLime);
      c.FillRect({x + 11, y + 9, x + 13, y + 10});
      break;
    case fiFolder:
    case fiOpenFolder:
      Box(c, x + 1, y + 3, x + 7, y + 6, 0x40C0E0, 0x006080);  // the tab
      Box(c, x + 1, y + 5, x + 15, y + 14, icon == fiOpenFolder ? 0x80E0FF : 0x40C0E0, 0x006080);
      break;
  }
}

}  // namespace

TShellTreeView::TShellTreeView(TComponent* owner) : TTreeView(owner) {
  Items()->BeginUpdate();
  desktop_ = Items()->AddChild(nullptr, "Desktop");
  std::string home = GetHomeFolder();
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  AddFolder(desktop_, "Home", home);
  AddFolder(desktop_, "/", "/");
  Items()->EndUpdate();
  desktop_->Expand(false);
}

TShellTreeView::~TShellTreeView() { desktop_ = nullptr; }

TTreeNode* TShellTreeView::AddFolder(TTreeNode* parent, const std::string& name, const std::string& path) {
  TTreeNode* node = Items()->AddChild(parent, name);
  paths_.push_back(std::make_unique<std::string>(path));
  node->SetData(paths_.back().get());
  // The button shows only where there is something to open.
  node->SetHasChildren(HasSubFolder(path));
  return node;
}

std::string TShellTreeView::FolderOf(TTreeNode* node) const {
  if (!node || !node->Data()) return "";
  return *static_cast<const std::string*>(node->Data());
}

std::string TShellTreeView::SelectedFolder() { return FolderOf(Selected()); }

void TShellTreeView::Fill(TTreeNode* node) {
  std::string path = FolderOf(node);
  if (path.empty() || node->Count() > 0) return;
  Items()->BeginUpdate();
  for (const auto& [name, full] : SubFolders(path)) AddFolder(node, name, full);
  Items()->EndUpdate();
}

bool TShellTreeView::CanExpand(TTreeNode* node) {
  if (node != desktop_) Fill(node);
  return TTreeView::CanExpand(node);
}

bool TShellTreeView::SetSelectedFolder(const std::string& path) {
  std::error_code ec;
  fs::path wanted = fs::weakly_canonical(fs::path(path), ec);
  if (ec || !fs::is_directory(wanted, ec)) return false;
  std::string target = wanted.string();
  // Under home when it lies there, else under "/".
  TTreeNode* home = desktop_->Item(0);
  TTreeNode* root = desktop_->Item(1);
  std::string homePath = fs::weakly_canonical(fs::path(FolderOf(home)), ec).string();
  TTreeNode* node = root;
  std::string base = "/";
  if (!homePath.empty() && (target == homePath || target.rfind(homePath + "/", 0) == 0)) {
    node = home;
    base = homePath;
  }
  fs::path rest = fs::path(target).lexically_relative(base);
  for (const auto& part : rest) {
    std::string name = part.string();
    if (name.empty() || name == ".") continue;
    node->Expand(false);
    TTreeNode* next = nullptr;
    for (int i = 0; i < node->Count(); ++i)
      if (node->Item(i)->Text() == name) next = node->Item(i);
    if (!next) return false;  // a hidden folder, or one that went away
    node = next;
  }
  SetSelected(node);
  return true;
}

void TShellTreeView::Refresh() {
  std::string selected = SelectedFolder();
  std::vector<TTreeNode*> stack{desktop_->Item(0), desktop_->Item(1)};
  Items()->BeginUpdate();
  while (!stack.empty()) {
    TTreeNode* node = stack.back();
    stack.pop_back();
    bool wasExpanded = node->Expanded();
    std::vector<std::string> openChildren;
    for (int i = 0; i < node->Count(); ++i)
      if (node->Item(i)->Expanded()) openChildren.push_back(node->Item(i)->Text());
    node->DeleteChildren();
    if (!wasExpanded) {
      node->SetHasChildren(HasSubFolder(FolderOf(node)));
      continue;
    }
    Fill(node);
    for (int i = 0; i < node->Count(); ++i)
      if (std::find(openChildren.begin(), openChildren.end(), node->Item(i)->Text()) != openChildren.end()) {
        node->Item(i)->Expand(false);
        stack.push_back(node->Item(i));
      }
  }
  Items()->EndUpdate();
  if (!selected.empty()) SetSelectedFolder(selected);
}

void TShellTreeView::DrawNodeImage(TCanvas& canvas, TTreeNode* node, int x, int y) {
  TFolderIcon icon = fiFolder;
  if (node == desktop_) icon = fiDesktop;
  else if (node->Parent() == desktop_) icon = node->Index() == 0 ? fiHome : fiRoot;
  else if (node->Expanded()) icon = fiOpenFolder;
  DrawIcon(canvas, icon, x, y);
}
