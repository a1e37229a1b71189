#include "platform/os/Files.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/os/TempFiles.h"

namespace {

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The file a path finally names, following links; the path itself when
// it does not exist yet.
std::string ResolvedTarget(const std::string& path) {
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) != nullptr) return resolved;
  return path;
}

mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateDir(const std::string& path) {
  return !path.empty() && mkdir(WithoutTrailingSlashes(path).c_str(), 0777) == 0;
}

bool ForceDirectories(const std::string& path) {
  std::string folder = WithoutTrailingSlashes(path);
  if (folder.empty()) return false;
  if (DirectoryExists(folder)) return true;
  size_t slash = folder.rfind('/');
  if (slash != std::string::npos && slash > 0 && !ForceDirectories(folder.substr(0, slash)))
    return false;
  // Another process may have created it meanwhile; that counts as success.
  return mkdir(folder.c_str(), 0777) == 0 || DirectoryExists(folder);
}

std::int64_t GetFileSize64(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return static_cast<std::int64_t>(info.st_size);
}

bool DeleteFile(const std::string& path) {
  return !path.empty() && !DirectoryExists(path) && unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without the no-replace flag: a hard link fails on an
  // existing target just as well. Folders cannot be linked; try plain
  // rename only when nothing is at the target.
  if (link(from.c_str(), to.c_str()) == 0) return unlink(from.c_str()) == 0;
  struct stat info {};
  if (errno == EEXIST || lstat(to.c_str(), &info) == 0) return false;
  return rename(from.c_str(), to.c_str()) == 0;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string target = ResolvedTarget(path);
  struct stat existing {};
  const bool exists = stat(target.c_str(), &existing) == 0;
  // A file we may not write stays as it is, even where its folder would
  // let us replace it.
  if (exists && access(target.c_str(), W_OK) != 0) return false;
  const mode_t mode = exists ? existing.st_mode & 07777 : NewFileMode();

  std::string temp;
  int fd = CreateUniqueFile(target + ".tmp", temp);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (ok) ok = rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}
