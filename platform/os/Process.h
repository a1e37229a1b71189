#pragma once
// Starting other programs. A started program runs on its own: we never
// wait for it, and it never stays behind as a zombie of ours.

#include <string>
#include <vector>

// argv[0] is the program (a path, or a name looked up in PATH); the rest
// are its arguments, passed as they are, never through a shell. An empty
// folder keeps the current one. True when the program was started.
bool StartDetachedProcess(const std::vector<std::string>& argv, const std::string& folder = {});

// Everything that starts programs goes through this seam, so tests can
// put a recorder in its place.
class IProcessStarter {
 public:
  virtual ~IProcessStarter() = default;
  virtual bool StartDetached(const std::vector<std::string>& argv, const std::string& folder) = 0;
};

IProcessStarter& ProcessStarter();
// Puts a replacement in place (not owned); nullptr restores the real one.
void SetProcessStarter(IProcessStarter* starter);
