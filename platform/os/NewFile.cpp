#include "platform/os/NewFile.h"

#include <fcntl.h>
#include <unistd.h>

bool CreateNewFile(const std::string& path) {
  if (path.empty()) return false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}
