// Common dialogs: the toolkit's on a display, the script's without one.

#include "platform/win/NativeDialogs.h"

#include <deque>
#include <mutex>

#include "platform/win/WinApi.h"

namespace detail {
TNativeFileAnswer QtFileDialog(const TNativeFileRequest& request);
TNativeColorAnswer QtColorDialog(HWND owner, TColor initial, bool fullOpen);
TNativeFolderAnswer QtFolderDialog(HWND owner, const std::string& title, const std::string& startFolder);
}  // namespace detail

namespace {

struct TScript {
  std::mutex lock;
  std::deque<TNativeFileAnswer> files;
  std::deque<TNativeColorAnswer> colors;
  std::deque<TNativeFolderAnswer> folders;
  std::vector<THeadlessDialog> shown;
};

TScript& Script() {
  static TScript script;
  return script;
}

template <class T>
T TakeAnswer(std::deque<T>& queue) {
  if (queue.empty()) return T{};  // nobody answers: cancelled
  T answer = queue.front();
  queue.pop_front();
  return answer;
}

bool Headless() { return WindowSystemBackend() == TBackendKind::Headless; }

// Other windows take no input while a dialog is up.
class TDisabledWindows {
 public:
  TDisabledWindows() : windows_(DisableTaskWindows(nullptr)) {}
  ~TDisabledWindows() { EnableTaskWindows(windows_); }

 private:
  std::vector<HWND> windows_;
};

}  // namespace

TNativeFileAnswer RunNativeFileDialog(const TNativeFileRequest& request) {
  if (Headless()) {
    TScript& s = Script();
    std::lock_guard<std::mutex> guard(s.lock);
    THeadlessDialog shown{TNativeDialogKind::File};
    shown.File = request;
    s.shown.push_back(shown);
    return TakeAnswer(s.files);
  }
  TDisabledWindows disabled;
  return detail::QtFileDialog(request);
}

TNativeColorAnswer RunNativeColorDialog(HWND owner, TColor initial, bool fullOpen) {
  if (Headless()) {
    TScript& s = Script();
    std::lock_guard<std::mutex> guard(s.lock);
    THeadlessDialog shown{TNativeDialogKind::Color};
    shown.Color = initial;
    shown.FullOpen = fullOpen;
    s.shown.push_back(shown);
    return TakeAnswer(s.colors);
  }
  TDisabledWindows disabled;
  return detail::QtColorDialog(owner, initial, fullOpen);
}

TNativeFolderAnswer RunNativeFolderDialog(HWND owner, const std::string& title, const std::string& startFolder) {
  if (Headless()) {
    TScript& s = Script();
    std::lock_guard<std::mutex> guard(s.lock);
    THeadlessDialog shown{TNativeDialogKind::Folder};
    shown.Title = title;
    shown.Folder = startFolder;
    s.shown.push_back(shown);
    return TakeAnswer(s.folders);
  }
  TDisabledWindows disabled;
  return detail::QtFolderDialog(owner, title, startFolder);
}

void HeadlessQueueFileDialogAnswer(const TNativeFileAnswer& answer) {
  std::lock_guard<std::mutex> guard(Script().lock);
  Script().files.push_back(answer);
}

void HeadlessQueueColorDialogAnswer(const TNativeColorAnswer& answer) {
  std::lock_guard<std::mutex> guard(Script().lock);
  Script().colors.push_back(answer);
}

void HeadlessQueueFolderDialogAnswer(const TNativeFolderAnswer& answer) {
  std::lock_guard<std::mutex> guard(Script().lock);
  Script().folders.push_back(answer);
}

std::vector<THeadlessDialog> HeadlessShownDialogs() {
  std::lock_guard<std::mutex> guard(Script().lock);
  return Script().shown;
}

void HeadlessResetDialogs() {
  TScript& s = Script();
  std::lock_guard<std::mutex> guard(s.lock);
  s.files.clear();
  s.colors.clear();
  s.folders.clear();
  s.shown.clear();
}
