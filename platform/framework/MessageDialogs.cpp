#include "platform/framework/MessageDialogs.h"

#include "platform/framework/Forms.h"

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && Application->MainForm() && Application->MainForm()->HandleAllocated())
    owner = Application->MainForm()->Handle();
  return ::MessageBox(owner, text, caption.empty() ? Application->Title() : caption, flags);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  return ShowMessageBox(text, caption, flags);
}
