#include "platform/os/ShellOpen.h"

#include "platform/os/Process.h"

namespace {

class XdgShellOpener : public IShellOpener {
 public:
  bool Open(const std::string& target, TLaunchFailed onFailed) override {
    std::vector<std::string> command = ShellOpenCommand(target);
    return !command.empty() && ProcessStarter().StartLauncher(command, std::move(onFailed));
  }
};

XdgShellOpener realOpener;
IShellOpener* currentOpener = &realOpener;

}  // namespace

std::vector<std::string> ShellOpenCommand(const std::string& target) {
  // A leading "-" would be taken for an option of the opener.
  if (target.empty() || target[0] == '-') return {};
  return {"xdg-open", target};
}

IShellOpener& ShellOpener() { return *currentOpener; }

void SetShellOpener(IShellOpener* opener) {
  currentOpener = opener != nullptr ? opener : &realOpener;
}
