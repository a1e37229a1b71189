#include <unistd.h>

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

// Creates the file afresh (never through an existing name or link) and
// writes the bytes; a half-written file is removed.
bool SaveBytes(const std::string& path, const TBytes& data) {
  if (!CreateFileExclusive(path)) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.close();
  if (out) return true;
  DeleteFile(path);
  return false;
}

std::string NewTempThemeName() { return MakeUniqueFileName(GetTempFolder() + NewGuidString() + ".zsk"); }

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
  bool saved = false;
  for (int attempt = 0; attempt < kMaxSaveAttempts && !saved; ++attempt) {
    try {
      tempName = NewTempThemeName();
    } catch (const Exception&) {
      return;  // no random source: no name nobody else could pick
    }
    saved = SaveBytes(tempName, data);
  }
  if (!saved) return;
  try {
    TzelFileTheme::SetThemeFile(tempName);
  } catch (...) {
    DeleteFile(tempName);
    throw;
  }
  DeleteFile(tempName);
}
