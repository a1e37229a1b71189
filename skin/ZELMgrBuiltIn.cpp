#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "platform/base/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/os/Guid.h"
#include "platform/os/TempFiles.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"

namespace {

// A temporary folder that refuses every file must not keep us trying for
// ever: after this many fresh names the embedded theme is not loaded.
constexpr int kMaxSaveAttempts = 16;

// Writes the bytes to a new file under the first free name of the path
// (created exclusively, never through an existing name or link) and
// returns its path; "" when the file could not be written whole (nothing
// is left).
std::string SaveToUniqueFile(const TBytes& data, const std::string& path) {
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

// A fresh GUID name in the temporary folder.
std::string SaveToNewTempFile(const TBytes& data) {
  try {
    return SaveToUniqueFile(data, GetTempFolder() + NewGuidString() + ".zsk");
  } catch (const Exception&) {
    return "";  // no random source
  }
}

// Deletes the file however the load ends.
class TRemoveFileAtEnd {
 public:
  explicit TRemoveFileAtEnd(std::string path) : path_(std::move(path)) {}
  ~TRemoveFileAtEnd() { DeleteFile(path_); }
  TRemoveFileAtEnd(const TRemoveFileAtEnd&) = delete;
  TRemoveFileAtEnd& operator=(const TRemoveFileAtEnd&) = delete;

 private:
  std::string path_;
};

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
  if (SkinFlavour() == zelOlderBuild) return;  // the recorder's build loads only its SkinData
  TzelFileTheme::SetThemeFile(value);
}

TBytes TzelBuiltInFileTheme::SkinData() const {
  if (!FileExists(designThemeFile_)) return {};
  std::ifstream in(designThemeFile_, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TzelBuiltInFileTheme::LoadSkinData(const TBytes& data) {
  if (SkinFlavour() == zelOlderBuild) {
    LoadOlderSkinData(data);
    return;
  }
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

// One attempt at "ZELPAKT.zel" (numbered when taken); a failed save or
// load raises, and the file never outlives the load. The same temporary
// name comes back for every embedded theme, so the load does not skip a
// path equal to the stored one.
void TzelBuiltInFileTheme::LoadOlderSkinData(const TBytes& data) {
  const std::string tempName = SaveToUniqueFile(data, GetTempFolder() + "ZELPAKT.zel");
  if (tempName.empty()) throw EFCreateError("Cannot create the temporary theme file in " + GetTempFolder());
  TRemoveFileAtEnd removeTempFile(tempName);
  TzelFileTheme::LoadThemeFile(tempName);
}
