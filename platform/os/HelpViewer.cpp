#include "platform/os/HelpViewer.h"

#include "platform/os/Files.h"
#include "platform/os/ShellOpen.h"

namespace {

// The desktop's viewer for the file's type shows it. It cannot be told
// a topic, so the help opens at its start page.
class DesktopHelpViewer : public IHelpViewer {
 public:
  bool ShowHelp(const std::string& helpFile, const std::string& /*topic*/) override {
    return FileExists(helpFile) && ShellOpener().Open(helpFile);
  }
};

DesktopHelpViewer realViewer;
IHelpViewer* currentViewer = &realViewer;

}  // namespace

IHelpViewer& HelpViewer() { return *currentViewer; }

void SetHelpViewer(IHelpViewer* viewer) {
  currentViewer = viewer != nullptr ? viewer : &realViewer;
}
