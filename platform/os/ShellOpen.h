#pragma once
// Opening a file, a folder or an address with the user's preferred
// program, as double-clicking it would.

#include <string>
#include <vector>

#include "platform/os/Process.h"

class IShellOpener {
 public:
  virtual ~IShellOpener() = default;
  // True when the opener was started; it runs on its own. When it finds
  // no program for the target, onFailed runs later on the GUI thread.
  virtual bool Open(const std::string& target, TLaunchFailed onFailed = {}) = 0;
};

IShellOpener& ShellOpener();
// Puts a replacement in place (not owned); nullptr restores the real one.
void SetShellOpener(IShellOpener* opener);

// The real opener's command line for a target; empty when the target
// cannot be passed safely (empty, or starting with "-").
std::vector<std::string> ShellOpenCommand(const std::string& target);
