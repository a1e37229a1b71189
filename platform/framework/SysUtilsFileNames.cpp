// File-name parts. Names are split at "/" only.
#include "platform/framework/SysUtils.h"

namespace {

// Index just past the last "/", 0 when there is none.
size_t NameStart(const std::string& fileName) {
  size_t slash = fileName.rfind(PathDelim);
  return slash == std::string::npos ? 0 : slash + 1;
}

// Index of the extension's dot, npos when the name has none.
size_t ExtensionDot(const std::string& fileName) {
  size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot < NameStart(fileName)) return std::string::npos;
  return dot;
}

}  // namespace

std::string ExtractFileExt(const std::string& fileName) {
  size_t dot = ExtensionDot(fileName);
  return dot == std::string::npos ? std::string() : fileName.substr(dot);
}

std::string ExtractFilePath(const std::string& fileName) { return fileName.substr(0, NameStart(fileName)); }

std::string ExtractFileDir(const std::string& fileName) {
  std::string path = ExtractFilePath(fileName);
  return path == "/" ? path : ExcludeTrailingPathDelimiter(path);
}

std::string ExtractFileName(const std::string& fileName) { return fileName.substr(NameStart(fileName)); }

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
  size_t dot = ExtensionDot(fileName);
  return (dot == std::string::npos ? fileName : fileName.substr(0, dot)) + extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
  return !path.empty() && path.back() == PathDelim ? path : path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
  return !path.empty() && path.back() == PathDelim ? path.substr(0, path.size() - 1) : path;
}
