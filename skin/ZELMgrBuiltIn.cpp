#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "platform/os/Files.h"
#include "platform/os/Guid.h"
#include "platform/os/TempFiles.h"
#include "skin/ZELMgr.h"

namespace {

// A temporary folder that refuses every file must not keep us trying for
// ever: after this many fresh names the embedded theme is not loaded.
constexpr int kMaxSaveAttempts = 16;

// Writes the bytes to a new file with a fresh GUID name (created
// exclusively, never through an existing name or link) and returns its
// path; "" when the file could not be written whole (nothing is left).
std::string SaveToNewTempFile(const TBytes& data) {
  std::string path;
  try {
    path = GetTempFolder() + NewGuidString() + ".zsk";
  } catch (const Exception&) {
    return "";  // no random source
  }
  std::string created;
  int fd = CreateUniqueFile(path, created);
  if (fd < 0) return "";
  std::size_t written = 0;
  while (written < data.size()) {
    ssize_t n = write(fd, data.data() + written, data.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  bool ok = close(fd) == 0 && written == data.size();
  if (ok) return created;
  DeleteFile(created);
  return "";
}

}  // namespace

TzelBuiltInFileTheme::TzelBuiltInFileTheme(TComponent* owner) : TzelFileTheme(owner) {
  // Replaces the base property in its place: the form description keeps
  // the design-time path.
  Publish("ThemeFile", &TzelBuiltInFileTheme::ThemeFile, &TzelBuiltInFileTheme::SetThemeFile);
  DefineStoredProperty(
      "SkinData", [this](const TBytes& data) { LoadSkinData(data); }, [this]() { return SkinData(); });
}

TzelBuiltInFileTheme::~TzelBuiltInFileTheme() { Destroying(); }

void TzelBuiltInFileTheme::SetThemeFile(const std::string& value) {
  designThemeFile_ = value;
  TzelFileTheme::SetThemeFile(value);
}

TBytes TzelBuiltInFileTheme::SkinData() const {
  if (!FileExists(designThemeFile_)) return {};
  std::ifstream in(designThemeFile_, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TzelBuiltInFileTheme::LoadSkinData(const TBytes& data) {
  std::string tempName;
  for (int attempt = 0; attempt < kMaxSaveAttempts && tempName.empty(); ++attempt)
    tempName = SaveToNewTempFile(data);
  if (tempName.empty()) return;
  try {
    TzelFileTheme::SetThemeFile(tempName);
  } catch (...) {
    DeleteFile(tempName);
    throw;
  }
  DeleteFile(tempName);
}
