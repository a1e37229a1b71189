// Choosing a folder.

#include "platform/framework/Dialogs.h"
#include "platform/win/NativeDialogs.h"
#include "platform/win/WinApi.h"

bool SelectDirectory(const std::string& title, const std::string& root, std::string& folder) {
  TNativeFolderAnswer answer = RunNativeFolderDialog(GetActiveWindow(), title, folder.empty() ? root : folder);
  if (!answer.Accepted || answer.Folder.empty()) return false;
  folder = answer.Folder;
  return true;
}
