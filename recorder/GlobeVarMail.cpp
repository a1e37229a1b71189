// Handing a recording to the user's mail program; opening files and
// folders with the desktop's programs; telling the user when neither can.

#include <system_error>
#include <thread>

#include "platform/os/HelpViewer.h"
#include "platform/os/MailClient.h"
#include "platform/os/MainThread.h"
#include "platform/os/ShellOpen.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"

namespace {

const char* const kNoMailProgram = "The mail program could not be started.";

TMailMessage MessageFromList(const TStringList& list) {
  TMailMessage message;
  message.To = list.Values("to");
  message.Subject = list.Values("subject");
  message.Body = list.Values("body");
  for (int index = 0;; ++index) {
    std::string path = list.Values("attachment" + std::to_string(index));
    if (path.empty()) break;
    message.Attachments.push_back(path);
  }
  return message;
}

}  // namespace

int SendMailMapi(HWND /*parent*/, const TStringList& list) {
  TMailMessage message = MessageFromList(list);
  // The client is taken now, on the caller's thread, so a replacement
  // put in place later does not change where this mail goes.
  IMailClient* client = &MailClient();
  try {
    std::thread([client, message = std::move(message)] {
      TLaunchFailed tell = [] { TellUser(kNoMailProgram); };
      if (!client->SendMail(message, tell)) PostToMainThread(tell);
    }).detach();
  } catch (const std::system_error&) {
    return MAPI_E_FAILURE;
  }
  return SUCCESS_SUCCESS;
}

void OpenForUser(const std::string& target) {
  TLaunchFailed tell = [target] { TellUser("The desktop could not open \"" + target + "\"."); };
  if (!ShellOpener().Open(target, tell)) tell();
}

void ShowHelpTopic(const std::string& topic) {
  const std::string pages = AppFolder + "KorvexHelp";
  TLaunchFailed tell = [pages] { TellUser("The desktop could not open \"" + pages + "\"."); };
  if (!HelpViewer().ShowHelp(pages + ".chm", topic, tell))
    TellUser("The help could not be opened: \"" + pages + "\" is missing or has no such page.");
}

void TellUser(const std::string& text) {
  if (frmMain && frmMain->ShowMessage) frmMain->ShowMessage(text);
}
