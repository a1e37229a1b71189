// Entry points: starting and ending the library, its folders and texts.

#include <stdlib.h>

#include <filesystem>

#include <libburn/libburn.h>

#include "platform/burnlib/BurnJob.h"
#include "platform/burnlib/ErrorTexts.h"
#include "platform/burnlib/EntryDeclarations.h"

using namespace burn;

using namespace burnlib;

namespace {

std::string SystemTempFolder() {
  const char* env = getenv("TMPDIR");
  std::string folder = env && *env ? env : "/tmp";
  if (folder.back() != '/') folder += '/';
  return folder;
}

// A private folder for the decoded audio, below the temporary path.
std::int32_t MakeWorkFolder(State& s) {
  std::string base = s.tmpPath.empty() ? SystemTempFolder() : s.tmpPath;
  if (base.back() != '/') base += '/';
  std::string pattern = base + "foxburner-XXXXXX";
  if (!mkdtemp(pattern.data())) return foxabi::kErrTempFolder;
  if (!s.workFolder.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(s.workFolder, ignored);
  }
  s.workFolder = pattern + "/";
  return foxabi::kOk;
}

void Defaults(State& s) {
  s.options = foxabi::OptionsRecord{};
  s.options.joliet = 1;
  s.options.underrunProtection = 1;
  s.options.ejectAfterBurn = 1;
  s.isoInfo = foxabi::IsoInfoRecord{};
  s.bootInfo = foxabi::BootInfoRecord{};
}

}  // namespace

FOXAPI std::int32_t Initialize(std::uint8_t) {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (s.initialized) return foxabi::kOk;
  if (burn_initialize() != 1) return foxabi::kErrDriveFailure;
  // Messages are collected and handed to the program, never printed.
  burn_msgs_set_severities(const_cast<char*>("ALL"), const_cast<char*>("NEVER"), const_cast<char*>("burner"));
  if (!StartIsoLibrary()) {
    burn_finish();
    return foxabi::kErrDriveFailure;
  }
  if (std::int32_t rc = MakeWorkFolder(s); rc != foxabi::kOk) {
    EndIsoLibrary();
    burn_finish();
    return rc;
  }
  Defaults(s);
  s.initialized = true;
  return foxabi::kOk;
}

FOXAPI std::int32_t DeInitialize() {
  State& s = TheState();
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.initialized) return foxabi::kOk;
    if (s.busy) {
      s.aborted = true;
      s.stopVerify = true;
      if (burn_drive* d = gActiveDrive) burn_drive_cancel(d);
    }
  }
  JoinWorker(s);
  std::lock_guard<std::mutex> lock(s.mutex);
  DropProject(s);
  ReleaseDrive(s, false);
  s.devices.clear();
  s.current = nullptr;
  std::error_code ignored;
  std::filesystem::remove_all(s.workFolder, ignored);
  s.workFolder.clear();
  s.tmpPath.clear();
  s.language.clear();
  s.languageFile.clear();
  EndIsoLibrary();
  burn_finish();
  s.initialized = false;
  return foxabi::kOk;
}

FOXAPI std::int32_t SetASPI(std::uint8_t) { return foxabi::kOk; }

FOXAPI std::int32_t SetTmpPath(const char* path) {
  FOX_LOCK_INITIALIZED();
  std::string folder = Text(path);
  if (folder == s.tmpPath) return foxabi::kOk;
  if (s.busy || !s.project.tracks.empty()) return foxabi::kErrBusy;
  std::string previous = s.tmpPath;
  s.tmpPath = folder;
  std::int32_t rc = MakeWorkFolder(s);
  if (rc != foxabi::kOk) s.tmpPath = previous;
  return rc;
}

FOXAPI std::int32_t GetTmpPath(char* buffer, std::int32_t* length) {
  FOX_LOCK_INITIALIZED();
  return CopyOut(s.tmpPath, buffer, length);
}

FOXAPI std::int32_t SetLanguage(const char* language, const char* languageFile) {
  FOX_LOCK_INITIALIZED();
  // Texts come in English only; the choice is kept for GetLanguage.
  s.language = Text(language);
  s.languageFile = Text(languageFile);
  return foxabi::kOk;
}

FOXAPI std::int32_t GetLanguage(char* buffer, std::int32_t* length) {
  FOX_LOCK_INITIALIZED();
  return CopyOut(s.language, buffer, length);
}

FOXAPI std::int32_t GetText(std::int32_t code, char* buffer, std::int32_t* length) {
  std::string text = ErrorText(code);
  if (text.empty()) return foxabi::kErrUnknownCode;
  return CopyOut(text, buffer, length);
}
