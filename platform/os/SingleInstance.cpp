#include "platform/os/SingleInstance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/os/Folders.h"

TInstanceLock::~TInstanceLock() { Release(); }

std::string InstanceLockPath(const std::string& name) {
  std::string folder = GetRuntimeFolder();
  // The temporary folder is shared by all users: keep theirs apart.
  if (folder == GetTempPath()) return folder + name + "-" + std::to_string(getuid()) + ".lock";
  return folder + name + ".lock";
}

std::string ProgramBaseName() {
  std::string exe = GetModuleFileName();
  return exe.substr(exe.rfind('/') + 1);
}

bool TInstanceLock::Acquire(const std::string& name) {
  Release();
  // Close-on-exec: a program we start must not inherit our lock.
  int fd = open(InstanceLockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return true;
  int result;
  do {
    result = flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    bool heldByOther = errno == EWOULDBLOCK;
    close(fd);
    return !heldByOther;
  }
  fd_ = fd;
  return true;
}

void TInstanceLock::Release() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

bool AcquireSingleInstance() {
  static TInstanceLock processLock;
  return processLock.Acquire(ProgramBaseName());
}
