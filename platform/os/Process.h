#pragma once
// Starting other programs. A started program runs on its own: we never
// wait for it, and it never stays behind as a zombie of ours.

#include <functional>
#include <string>
#include <vector>

// argv[0] is the program (a path, or a name looked up in PATH); the rest
// are its arguments, passed as they are, never through a shell. An empty
// folder keeps the current one. True when the program was started.
bool StartDetachedProcess(const std::vector<std::string>& argv, const std::string& folder = {});

// Runs on the GUI thread when a launcher gave up.
using TLaunchFailed = std::function<void()>;

// Starts a launcher: a program that hands its target to another program
// and ends. True when it was started. When it ends unsuccessfully within a
// few seconds, onFailed is posted to the GUI thread; a launcher that runs
// on (it became the opened program itself) is never taken for a failure.
// A waiting thread reaps it, so no zombie remains.
bool StartLauncherProcess(const std::vector<std::string>& argv, TLaunchFailed onFailed);

// Everything that starts programs goes through this seam, so tests can
// put a recorder in its place.
class IProcessStarter {
 public:
  virtual ~IProcessStarter() = default;
  virtual bool StartDetached(const std::vector<std::string>& argv, const std::string& folder) = 0;
  // A replacement that does not override this starts launchers as any
  // other program and never reports a failure.
  virtual bool StartLauncher(const std::vector<std::string>& argv, TLaunchFailed /*onFailed*/) {
    return StartDetached(argv, {});
  }
};

IProcessStarter& ProcessStarter();
// Puts a replacement in place (not owned); nullptr restores the real one.
void SetProcessStarter(IProcessStarter* starter);
