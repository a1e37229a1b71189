// Open and save dialogs: the filter, the default extension, and the checks
// the options ask for before a choice is taken.

#include <algorithm>
#include <filesystem>

#include "platform/framework/Dialogs.h"
#include "platform/framework/Forms.h"
#include "platform/win/NativeDialogs.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitPatterns(const std::string& text) {
  std::vector<std::string> patterns;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    std::string p = text.substr(start, end - start);
    while (!p.empty() && p.front() == ' ') p.erase(p.begin());
    while (!p.empty() && p.back() == ' ') p.pop_back();
    if (!p.empty()) patterns.push_back(p);
    start = end + 1;
  }
  return patterns;
}

// The extension a pattern such as "*.mp3" names (empty for "*.*" and the like).
std::string ConcreteExtension(const std::string& pattern) {
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return {};
  std::string ext = pattern.substr(2);
  if (ext.find_first_of("*?[") != std::string::npos) return {};
  return ext;
}

HWND DialogOwner() { return GetActiveWindow(); }

}  // namespace

TCommonDialog::TCommonDialog(TComponent* owner) : TComponent(owner) {
  Publish("Title", &TCommonDialog::Title, &TCommonDialog::SetTitle);
}

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner) {
  Publish("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
  Publish("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex);
  Publish("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
  Publish("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
  Publish("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
  Publish("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions);
}

std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter) {
  std::vector<std::string> parts;
  for (std::size_t start = 0; !filter.empty();) {
    std::size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  std::vector<TFileFilterEntry> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    TFileFilterEntry entry{parts[i], SplitPatterns(parts[i + 1])};
    if (entry.Patterns.empty()) entry.Patterns.push_back("*");
    entries.push_back(entry);
  }
  return entries;
}

void TOpenDialog::SetDefaultExt(const std::string& value) {
  defaultExt_ = !value.empty() && value.front() == '.' ? value.substr(1) : value;
}

std::string TOpenDialog::WithDefaultExt(const std::string& file, int filterIndex) const {
  if (defaultExt_.empty() || fs::path(file).has_extension() || file.empty()) return file;
  std::string ext = defaultExt_;
  std::vector<TFileFilterEntry> filters = ParseFileFilter(filter_);
  if (filterIndex >= 1 && filterIndex <= static_cast<int>(filters.size())) {
    std::string own = ConcreteExtension(filters[static_cast<std::size_t>(filterIndex - 1)].Patterns.front());
    if (!own.empty()) ext = own;
  }
  return file + "." + ext;
}

bool TOpenDialog::Acceptable(const std::vector<std::string>& files) {
  std::string caption = Title().empty() ? (IsSave() ? "Save As" : "Open") : Title();
  for (const std::string& file : files) {
    std::error_code error;
    fs::path path(file);
    bool pathNeeded = (options_ & (ofPathMustExist | ofFileMustExist)) != 0;
    if (pathNeeded && path.has_parent_path() && !fs::is_directory(path.parent_path(), error)) {
      Application->MessageBox(file + "\nThe path does not exist.\nCheck the path and try again.", caption,
                              MB_OK | MB_ICONWARNING);
      return false;
    }
    bool exists = fs::exists(path, error);
    if ((options_ & ofFileMustExist) && !exists) {
      Application->MessageBox(file + "\nFile not found.\nCheck the file name and try again.", caption,
                              MB_OK | MB_ICONWARNING);
      return false;
    }
    if (IsSave() && (options_ & ofOverwritePrompt) && exists &&
        Application->MessageBox(file + " already exists.\nDo you want to replace it?", caption,
                                MB_YESNO | MB_ICONWARNING) != IDYES)
      return false;
  }
  return true;
}

bool TOpenDialog::Execute() {
  TNativeFileRequest request;
  request.Save = IsSave();
  request.Owner = DialogOwner();
  request.Title = Title();
  request.MultiSelect = (options_ & ofAllowMultiSelect) != 0;
  request.FileMustExist = (options_ & ofFileMustExist) != 0;
  for (const TFileFilterEntry& f : ParseFileFilter(filter_)) request.Filters.push_back({f.Name, f.Patterns});
  request.FilterIndex = std::clamp(filterIndex_, 1, std::max(1, static_cast<int>(request.Filters.size()))) - 1;
  // A file name with a folder starts in that folder.
  fs::path start(fileName_);
  request.InitialDir = initialDir_;
  request.FileName = fileName_;
  if (start.has_parent_path()) {
    if (request.InitialDir.empty()) request.InitialDir = start.parent_path().string();
    request.FileName = start.filename().string();
  }

  for (;;) {
    TNativeFileAnswer answer = RunNativeFileDialog(request);
    if (!answer.Accepted || answer.Files.empty()) return false;
    int chosenFilter = answer.FilterIndex + 1;
    std::vector<std::string> files;
    for (const std::string& f : answer.Files) files.push_back(request.MultiSelect ? f : WithDefaultExt(f, chosenFilter));
    if (!request.MultiSelect) files.resize(1);
    if (!Acceptable(files)) {
      // The dialog comes back with the rejected name.
      request.FileName = fs::path(files.front()).filename().string();
      request.FilterIndex = answer.FilterIndex;
      continue;
    }
    filterIndex_ = chosenFilter;
    fileName_ = files.front();
    files_.Clear();
    for (const std::string& f : files) files_.Add(f);
    return true;
  }
}
