#pragma once
// Handing a message with attachments to the user's mail program, which
// shows it for the user to complete and send. The hand-over does not
// wait for the mail program.

#include <string>
#include <vector>

#include "platform/os/Process.h"

struct TMailMessage {
  std::string To;  // empty: the mail program asks for a recipient
  std::string Subject;
  std::string Body;
  std::vector<std::string> Attachments;  // full paths
};

class IMailClient {
 public:
  virtual ~IMailClient() = default;
  // True when the mail program was started. When the desktop finds no
  // mail program, onFailed runs later on the GUI thread.
  virtual bool SendMail(const TMailMessage& message, TLaunchFailed onFailed = {}) = 0;
};

IMailClient& MailClient();
// Puts a replacement in place (not owned); nullptr restores the real one.
void SetMailClient(IMailClient* client);

// The real client's command line for a message; empty when the recipient
// cannot be passed safely (starting with "-").
std::vector<std::string> MailCommand(const TMailMessage& message);
