#pragma once
// An X server of the test's own for the time of one test: a toolkit
// dialog may leave focus or input state behind on the display it used,
// which must never be the display other tests share.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

class TPrivateDisplay {
 public:
  TPrivateDisplay() {
    const char* old = std::getenv("DISPLAY");
    if (old) previous_ = old;
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    // Xvfb writes the number it chose once it listens.
    std::string number;
    char c;
    while (pid_ > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) return;
    setenv("DISPLAY", (":" + number).c_str(), 1);
    ready_ = true;
  }
  ~TPrivateDisplay() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (previous_.empty())
      unsetenv("DISPLAY");
    else
      setenv("DISPLAY", previous_.c_str(), 1);
  }
  TPrivateDisplay(const TPrivateDisplay&) = delete;
  TPrivateDisplay& operator=(const TPrivateDisplay&) = delete;

  bool Ready() const { return ready_; }

 private:
  std::string previous_;
  pid_t pid_ = -1;
  bool ready_ = false;
};
