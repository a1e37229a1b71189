#pragma once
// The common dialogs of the window system: choosing files to open or save,
// a colour and a folder. On a display they are the toolkit's own modal
// dialogs; the headless backend answers them from a script that tests fill
// (no answer left: the user cancelled), and records every dialog asked for.

#include <string>
#include <vector>

#include "platform/base/Types.h"
#include "platform/win/WinTypes.h"

struct TNativeFileFilter {
  std::string Name;
  std::vector<std::string> Patterns;  // "*.mp3"
};

struct TNativeFileRequest {
  bool Save = false;
  HWND Owner = nullptr;
  std::string Title;
  std::string InitialDir;
  std::string FileName;
  std::vector<TNativeFileFilter> Filters;
  int FilterIndex = 0;  // 0-based
  bool MultiSelect = false;
  bool FileMustExist = false;
};

struct TNativeFileAnswer {
  bool Accepted = false;
  std::vector<std::string> Files;  // full paths
  int FilterIndex = 0;             // the filter in force at the end, 0-based
};

struct TNativeColorAnswer {
  bool Accepted = false;
  TColor Color = 0;
};

struct TNativeFolderAnswer {
  bool Accepted = false;
  std::string Folder;
};

TNativeFileAnswer RunNativeFileDialog(const TNativeFileRequest& request);
TNativeColorAnswer RunNativeColorDialog(HWND owner, TColor initial, bool fullOpen);
TNativeFolderAnswer RunNativeFolderDialog(HWND owner, const std::string& title, const std::string& startFolder);

// ---- The headless script ---------------------------------------------------------

enum class TNativeDialogKind { File, Color, Folder };

struct THeadlessDialog {
  TNativeDialogKind Kind;
  TNativeFileRequest File{};  // for file dialogs
  TColor Color = 0;           // the colour a colour dialog started with
  bool FullOpen = false;
  std::string Title{};   // folder dialogs
  std::string Folder{};  // the folder a folder dialog started in
};

void HeadlessQueueFileDialogAnswer(const TNativeFileAnswer& answer);
void HeadlessQueueColorDialogAnswer(const TNativeColorAnswer& answer);
void HeadlessQueueFolderDialogAnswer(const TNativeFolderAnswer& answer);
std::vector<THeadlessDialog> HeadlessShownDialogs();
// Forgets the queued answers and the dialogs shown.
void HeadlessResetDialogs();
