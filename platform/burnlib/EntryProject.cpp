// Entry points: the project, the files that go onto the disc.

#include <sys/stat.h>
#include <unistd.h>

#include <libburn/libburn.h>

#include "platform/burnlib/CdAudioDecoder.h"
#include "platform/burnlib/EntryDeclarations.h"

using namespace burn;
using namespace burnlib;

namespace {

// Counts projects, so a decode that ran unlocked notices a new project.
std::uint64_t gGeneration = 0;

void StartProject(State& s, std::uint8_t kind) {
  DropProject(s);
  s.project.exists = true;
  s.project.kind = kind;
  if (kind == foxabi::kProjectDataDisc) s.project.data = std::make_shared<DataImage>();
  ++gGeneration;
}

std::int32_t AddAudioTrack(const std::string& source) {
  State& s = TheState();
  std::string target;
  std::uint64_t generation;
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    target = s.workFolder + "track" + std::to_string(gGeneration) + "-" +
             std::to_string(s.project.tracks.size() + 1) + ".cdda";
    generation = gGeneration;
  }
  // Decoding takes a while and reports through callbacks, whose handlers
  // may call back into the library: it runs without the lock.
  Callbacks cb = CallbacksNow();
  DecodeResult result = DecodeToCdAudio(source, target, [&](float percent, std::int32_t format) {
    if (cb.audioDecoder.fn)
      cb.audioDecoder.fn(percent, source.c_str(), static_cast<std::uint8_t>(format), cb.audioDecoder.user);
  });
  if (cb.audioDecodeDone.fn)
    cb.audioDecodeDone.fn(source.c_str(), result.ok ? nullptr : result.error.c_str(),
                          result.ok ? foxabi::kOk : foxabi::kErrFileNotReadable, cb.audioDecodeDone.user);
  if (!result.ok) return foxabi::kErrFileNotReadable;
  std::lock_guard<std::mutex> lock(s.mutex);
  if (generation != gGeneration || !s.project.exists) {
    std::remove(target.c_str());
    return foxabi::kErrNoProject;
  }
  s.project.tracks.push_back({source, target, result.bytes});
  s.project.isPrepared = false;
  return foxabi::kOk;
}

std::int32_t AddDataFile(const std::string& source, const std::string& destination) {
  State& s = TheState();
  std::string error, discPath;
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    // A burn may have started since AddFile looked; it reads the tree.
    if (s.busy) return foxabi::kErrBusy;
    if (!s.project.exists || !s.project.data) return foxabi::kErrNoProject;
    if (!s.project.data->AddFile(source, destination, error, discPath)) {
      return access(source.c_str(), R_OK) == 0 ? foxabi::kErrInvalidArgument : foxabi::kErrFileNotReadable;
    }
    if (s.project.prepared) burn_source_free(s.project.prepared);
    s.project.prepared = nullptr;
    s.project.isPrepared = false;
  }
  struct stat info {};
  stat(source.c_str(), &info);
  Callbacks cb = CallbacksNow();
  if (cb.addFile.fn) {
    double days = static_cast<double>(info.st_mtime) / 86400.0 + 25569.0;  // days since 1899-12-30
    cb.addFile.fn(source.c_str(), discPath.c_str(), discPath.c_str(), discPath.c_str(), days,
                  static_cast<double>(info.st_size), cb.addFile.user);
  }
  return foxabi::kOk;
}

}  // namespace

FOXAPI std::int32_t CreateProject(std::uint8_t kind) {
  FOX_LOCK_INITIALIZED();
  if (s.busy) return foxabi::kErrBusy;
  if (kind != foxabi::kProjectAudioCd && kind != foxabi::kProjectDataDisc) return foxabi::kErrNotSupported;
  StartProject(s, kind);
  return foxabi::kOk;
}

FOXAPI std::int32_t DeleteProject() {
  FOX_LOCK_INITIALIZED();
  if (s.busy) return foxabi::kErrBusy;
  DropProject(s);
  ++gGeneration;
  return foxabi::kOk;
}

FOXAPI std::int32_t GetProjectType(std::uint8_t* kind) {
  FOX_LOCK_INITIALIZED();
  if (!kind) return foxabi::kErrInvalidArgument;
  if (!s.project.exists) return foxabi::kErrNoProject;
  *kind = s.project.kind;
  return foxabi::kOk;
}

FOXAPI std::int32_t AddFile(const char* source, const char* destination, const char*, std::uint8_t, std::uint8_t) {
  bool audio;
  {
    FOX_LOCK_INITIALIZED();
    if (!s.project.exists) return foxabi::kErrNoProject;
    if (s.busy) return foxabi::kErrBusy;
    if (Text(source).empty()) return foxabi::kErrInvalidArgument;
    audio = s.project.kind == foxabi::kProjectAudioCd;
  }
  return audio ? AddAudioTrack(Text(source)) : AddDataFile(Text(source), Text(destination));
}

FOXAPI std::int32_t ClearAll() {
  FOX_LOCK_INITIALIZED();
  if (!s.project.exists) return foxabi::kErrNoProject;
  if (s.busy) return foxabi::kErrBusy;
  StartProject(s, s.project.kind);
  return foxabi::kOk;
}

FOXAPI std::int32_t CreateDir(const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t AddDir(const char*, const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t RemoveDir(const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t RemoveFile(const char*, const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t RenameFile(const char*, const char*, const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t RenameDir(const char*, const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t StopMpegAction() { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t GetMpegCount(std::int32_t* count) {
  if (!count) return foxabi::kErrInvalidArgument;
  *count = 0;
  return foxabi::kOk;
}
FOXAPI std::int32_t EraseMpegByIndex(std::int32_t) { return foxabi::kErrNotSupported; }
