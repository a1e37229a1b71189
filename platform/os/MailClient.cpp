#include "platform/os/MailClient.h"

#include "platform/os/Process.h"

namespace {

class XdgMailClient : public IMailClient {
 public:
  bool SendMail(const TMailMessage& message, TLaunchFailed onFailed) override {
    std::vector<std::string> command = MailCommand(message);
    return !command.empty() && ProcessStarter().StartLauncher(command, std::move(onFailed));
  }
};

XdgMailClient realClient;
IMailClient* currentClient = &realClient;

}  // namespace

std::vector<std::string> MailCommand(const TMailMessage& message) {
  if (!message.To.empty() && message.To[0] == '-') return {};
  std::vector<std::string> command{"xdg-email", "--utf8"};
  if (!message.Subject.empty()) command.insert(command.end(), {"--subject", message.Subject});
  if (!message.Body.empty()) command.insert(command.end(), {"--body", message.Body});
  for (const std::string& file : message.Attachments) command.insert(command.end(), {"--attach", file});
  if (!message.To.empty()) command.push_back(message.To);
  return command;
}

IMailClient& MailClient() { return *currentClient; }

void SetMailClient(IMailClient* client) {
  currentClient = client != nullptr ? client : &realClient;
}
