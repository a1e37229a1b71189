#include "editor/DocumentLink.h"

#include "platform/framework/MessageDialogs.h"

void TDocumentLink::Tell(const std::string& text) const {
  if (ShowMessage)
    ShowMessage(text);
  else
    ShowMessageBox(text, "", MB_OK);
}
