#include "platform/os/Folders.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// XDG variables only count when they hold an absolute path.
std::string AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::string ConfigHome() {
  std::string config = AbsoluteEnv("XDG_CONFIG_HOME");
  return config.empty() ? WithSlash(GetHomeFolder()) + ".config/" : WithSlash(config);
}

// Reads XDG_DOCUMENTS_DIR from user-dirs.dirs: a line of the form
// XDG_DOCUMENTS_DIR="$HOME/Documents" (only "$HOME/..." or absolute).
std::string DocumentsFromUserDirs() {
  std::ifstream file(ConfigHome() + "user-dirs.dirs");
  const std::string key = "XDG_DOCUMENTS_DIR=";
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) {
      std::string home = GetHomeFolder();
      while (!home.empty() && home.back() == '/') home.pop_back();
      return home + value.substr(5);
    }
    if (!value.empty() && value[0] == '/') return value;
    return {};
  }
  return {};
}

std::string DocumentsFolder() {
  std::string docs = DocumentsFromUserDirs();
  if (docs.empty()) docs = AbsoluteEnv("XDG_DOCUMENTS_DIR");
  if (docs.empty()) docs = WithSlash(GetHomeFolder()) + "Documents";
  return WithSlash(docs);
}

}  // namespace

std::string GetHomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
    return entry->pw_dir;
  return "/";
}

std::string SHGetSpecialFolderPath(int csidl) {
  switch (csidl) {
    case CSIDL_APPDATA: return ConfigHome();
    case CSIDL_PERSONAL: return DocumentsFolder();
    default: return {};
  }
}

std::string GetTempPath() {
  std::string tmp = AbsoluteEnv("TMPDIR");
  return tmp.empty() ? "/tmp/" : WithSlash(tmp);
}

std::string GetSystemDirectory() { return "/usr/lib/"; }

std::string GetWindowsDirectory() { return "/usr/share/"; }

std::string GetModuleFileName() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  return std::string(path, static_cast<size_t>(length));
}

std::string GetProgramFolder() {
  std::string exe = GetModuleFileName();
  return exe.substr(0, exe.rfind('/') + 1);
}

std::string GetRuntimeFolder() {
  std::string runtime = AbsoluteEnv("XDG_RUNTIME_DIR");
  struct stat info {};
  if (!runtime.empty() && stat(runtime.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
      access(runtime.c_str(), W_OK) == 0)
    return WithSlash(runtime);
  return GetTempPath();
}
