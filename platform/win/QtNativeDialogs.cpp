// The common dialogs on a display, as the toolkit's widget dialogs (not
// the desktop's portal ones, which would outlive a modal loop of ours).

#include <QtWidgets/QColorDialog>
#include <QtWidgets/QFileDialog>

#include "platform/gfx/Color.h"
#include "platform/win/NativeDialogs.h"

namespace detail {

namespace {

QString Q(const std::string& text) { return QString::fromUtf8(text.c_str(), static_cast<int>(text.size())); }
std::string S(const QString& text) { return text.toUtf8().toStdString(); }

// "Name (*.a *.b)", as the toolkit lists filters.
QStringList NameFilters(const std::vector<TNativeFileFilter>& filters) {
  QStringList list;
  for (const TNativeFileFilter& f : filters) {
    QStringList patterns;
    for (const std::string& p : f.Patterns) patterns << Q(p);
    list << Q(f.Name) + " (" + patterns.join(' ') + ")";
  }
  return list;
}

}  // namespace

TNativeFileAnswer QtFileDialog(const TNativeFileRequest& request) {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // The framework asks about overwriting, for every backend alike.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setWindowTitle(Q(request.Title.empty() ? (request.Save ? "Save As" : "Open") : request.Title));
  dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (request.Save) dialog.setFileMode(QFileDialog::AnyFile);
  else if (request.MultiSelect) dialog.setFileMode(QFileDialog::ExistingFiles);
  else dialog.setFileMode(request.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!request.InitialDir.empty()) dialog.setDirectory(Q(request.InitialDir));
  QStringList filters = NameFilters(request.Filters);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (request.FilterIndex >= 0 && request.FilterIndex < filters.size()) dialog.selectNameFilter(filters[request.FilterIndex]);
  }
  if (!request.FileName.empty()) dialog.selectFile(Q(request.FileName));

  TNativeFileAnswer answer;
  if (dialog.exec() != QDialog::Accepted) return answer;
  answer.Accepted = true;
  for (const QString& file : dialog.selectedFiles()) answer.Files.push_back(S(file));
  answer.FilterIndex = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
  return answer;
}

TNativeColorAnswer QtColorDialog(HWND, TColor initial, bool) {
  TColor rgb = ColorToRGB(initial);
  QColorDialog dialog(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  dialog.setWindowTitle("Color");
  TNativeColorAnswer answer;
  if (dialog.exec() != QDialog::Accepted) return answer;
  QColor chosen = dialog.selectedColor();
  answer.Accepted = chosen.isValid();
  answer.Color = RGB(chosen.red(), chosen.green(), chosen.blue());
  return answer;
}

TNativeFolderAnswer QtFolderDialog(HWND, const std::string& title, const std::string& startFolder) {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setWindowTitle(Q(title.empty() ? "Browse for Folder" : title));
  if (!startFolder.empty()) dialog.setDirectory(Q(startFolder));
  TNativeFolderAnswer answer;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return answer;
  answer.Accepted = true;
  answer.Folder = S(dialog.selectedFiles().front());
  return answer;
}

}  // namespace detail
