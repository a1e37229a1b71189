#include "platform/os/Process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "platform/os/MainThread.h"

namespace {

// Runs in the grandchild after fork: only async-signal-safe calls.
[[noreturn]] void ExecOrReport(char* const* argv, const char* folder, int reportFd) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  signal(SIGPIPE, SIG_DFL);
  if (folder != nullptr && chdir(folder) != 0) {
    int error = errno;
    (void)!write(reportFd, &error, sizeof error);
    _exit(127);
  }
  execvp(argv[0], argv);
  int error = errno;
  (void)!write(reportFd, &error, sizeof error);
  _exit(127);
}

// Launchers that fail do so at once (no such file, no program for it);
// one still running after this long has become the opened program.
constexpr auto kLauncherVerdictTime = std::chrono::seconds(5);

std::vector<char*> ArgvPointers(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  return args;
}

// Reads what the child wrote before exec; the pipe closes without data
// when exec succeeded.
bool ExecSucceeded(int reportFd) {
  int error = 0;
  ssize_t n;
  do {
    n = read(reportFd, &error, sizeof error);
  } while (n < 0 && errno == EINTR);
  close(reportFd);
  return n == 0;
}

class RealProcessStarter : public IProcessStarter {
 public:
  bool StartDetached(const std::vector<std::string>& argv, const std::string& folder) override {
    return StartDetachedProcess(argv, folder);
  }
  bool StartLauncher(const std::vector<std::string>& argv, TLaunchFailed onFailed) override {
    return StartLauncherProcess(argv, std::move(onFailed));
  }
};

RealProcessStarter realStarter;
IProcessStarter* currentStarter = &realStarter;

}  // namespace

bool StartDetachedProcess(const std::vector<std::string>& argv, const std::string& folder) {
  if (argv.empty() || argv[0].empty()) return false;
  // Everything the children need is prepared before fork.
  std::vector<char*> args = ArgvPointers(argv);
  const char* workFolder = folder.empty() ? nullptr : folder.c_str();

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;

  // Double fork: the middle child ends at once and we reap it, so the
  // program is adopted by init and never becomes our zombie.
  pid_t middle = fork();
  if (middle < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (middle == 0) {
    close(report[0]);
    setsid();
    pid_t program = fork();
    if (program == 0) ExecOrReport(args.data(), workFolder, report[1]);
    if (program < 0) {
      int error = errno;
      (void)!write(report[1], &error, sizeof error);
    }
    _exit(0);
  }

  close(report[1]);
  while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
  }
  return ExecSucceeded(report[0]);
}

bool StartLauncherProcess(const std::vector<std::string>& argv, TLaunchFailed onFailed) {
  if (argv.empty() || argv[0].empty()) return false;
  std::vector<char*> args = ArgvPointers(argv);
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  const auto started = std::chrono::steady_clock::now();
  pid_t launcher = fork();
  if (launcher < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (launcher == 0) {
    close(report[0]);
    setsid();
    ExecOrReport(args.data(), nullptr, report[1]);
  }
  close(report[1]);
  bool execed = ExecSucceeded(report[0]);
  // The waiting thread sleeps in waitpid until the launcher ends.
  std::thread([launcher, started, execed, onFailed = std::move(onFailed)] {
    int status = 0;
    while (waitpid(launcher, &status, 0) < 0 && errno == EINTR) {
    }
    bool failed = !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    bool quick = std::chrono::steady_clock::now() - started < kLauncherVerdictTime;
    if (execed && failed && quick && onFailed) PostToMainThread(onFailed);
  }).detach();
  return execed;
}

IProcessStarter& ProcessStarter() { return *currentStarter; }

void SetProcessStarter(IProcessStarter* starter) {
  currentStarter = starter != nullptr ? starter : &realStarter;
}
