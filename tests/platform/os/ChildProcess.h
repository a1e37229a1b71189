#pragma once
// Runs a function in a forked child and returns its exit code, so a test
// can look at the system from a second process.

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

inline int RunInChild(const std::function<int()>& body) {
  pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
