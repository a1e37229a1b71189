#include "platform/os/TempFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/os/Folders.h"
#include "platform/os/Guid.h"

namespace {

bool AnythingAt(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// Splits "dir/a.zsk" into "dir/a" and ".zsk"; a dot in a folder name or
// at the start of the file name is not an extension.
void SplitExtension(const std::string& path, std::string& stem, std::string& extension) {
  size_t slash = path.rfind('/');
  size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= nameStart) {
    stem = path;
    extension.clear();
  } else {
    stem = path.substr(0, dot);
    extension = path.substr(dot);
  }
}

int OpenExclusive(const std::string& path) {
  int fd;
  do {
    fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

std::string MakeUniqueFileName(const std::string& path) {
  if (!AnythingAt(path)) return path;
  std::string stem, extension;
  SplitExtension(path, stem, extension);
  for (unsigned long n = 1;; ++n) {
    std::string candidate = stem + std::to_string(n) + extension;
    if (!AnythingAt(candidate)) return candidate;
  }
}

bool CreateFileExclusive(const std::string& path) {
  int fd = OpenExclusive(path);
  if (fd < 0) return false;
  close(fd);
  return true;
}

int CreateUniqueFile(const std::string& path, std::string& createdName) {
  // Someone may take the free name between the check and the open; then
  // look again, a bounded number of times.
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = MakeUniqueFileName(path);
    int fd = OpenExclusive(candidate);
    if (fd >= 0) {
      createdName = candidate;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

std::string CreateTempFile(const std::string& extension) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = GetTempPath() + NewGuidString() + extension;
    if (CreateFileExclusive(path)) return path;
    if (errno != EEXIST) return {};
  }
  return {};
}
