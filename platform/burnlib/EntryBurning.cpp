// Entry points: preparing and burning the project, aborting a burn.

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include <libburn/libburn.h>

#include "platform/burnlib/BurnJob.h"
#include "platform/burnlib/EntryDeclarations.h"
#include "platform/burnlib/ImageDisc.h"

using namespace burn;

using namespace burnlib;

namespace {

bool ProjectEmpty(const Project& p) {
  return p.kind == foxabi::kProjectAudioCd ? p.tracks.empty() : (!p.data || p.data->FileCount() == 0);
}

std::int64_t AudioBytes(const Project& p) {
  std::int64_t total = 0;
  for (const AudioTrack& t : p.tracks) total += t.bytes;
  return total;
}

// One copy when none is asked for; at most 99, so a wild count cannot
// fill the image folder or keep the drive busy for ever.
int CopiesOf(const foxabi::OptionsRecord& options) { return std::clamp(options.copies, 1, 99); }

// The files of each copy, without extension, named after the volume label
// (else the kind): "NAME" for one copy, "NAME (copy 1)" ... "NAME (copy N)"
// for several. When a file of the set exists, "NAME 2", "NAME 3" ... are
// tried, so no earlier image is overwritten.
std::vector<std::string> FreeImageBases(const State& s, int copies) {
  std::string name(s.options.volumeLabel, strnlen(s.options.volumeLabel, sizeof s.options.volumeLabel));
  for (char& c : name)
    if (c == '/' || static_cast<unsigned char>(c) < 32) c = '_';
  if (name.empty() || name == "." || name == "..")
    name = s.project.kind == foxabi::kProjectAudioCd ? "Audio CD" : "Data disc";
  const std::string folder = ImageFolder();
  std::error_code ignored;
  for (int n = 1;; ++n) {
    const std::string stem = folder + name + (n > 1 ? " " + std::to_string(n) : "");
    std::vector<std::string> bases;
    bool free = true;
    for (int copy = 1; copy <= copies && free; ++copy) {
      const std::string base = copies == 1 ? stem : stem + " (copy " + std::to_string(copy) + ")";
      for (const char* ending : {".bin", ".cue", ".iso"})
        if (std::filesystem::exists(base + ending, ignored)) free = false;
      bases.push_back(base);
    }
    if (free) return bases;
  }
}

std::int32_t CheckImageFolder(std::int64_t bytes) {
  const std::string folder = ImageFolder();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || access(folder.c_str(), W_OK) != 0) return foxabi::kErrImageFolder;
  std::filesystem::space_info space = std::filesystem::space(folder, error);
  if (!error && static_cast<std::uintmax_t>(bytes) > space.available) return foxabi::kErrNoSpace;
  return foxabi::kOk;
}

// Where a data session starts: after the last one on an appendable disc.
std::uint32_t NextWritableSector(burn_drive* drive) {
  if (!drive || burn_disc_get_status(drive) != BURN_DISC_APPENDABLE) return 0;
  burn_write_opts* opts = burn_write_opts_new(drive);
  int lba = 0, nwa = 0;
  int ok = burn_disc_track_lba_nwa(drive, opts, 0, &lba, &nwa);
  burn_write_opts_free(opts);
  return ok > 0 && nwa > 0 ? static_cast<std::uint32_t>(nwa) : 0;
}

// Ejects the written disc and waits for a blank one in the current drive.
burn_drive* NextMedium(int copy, int copies, bool appendable, std::string& error) {
  State& s = TheState();
  std::string address;
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    address = s.current ? s.current->address : "";
    ReleaseDrive(s, true);
    if (address.empty() || burn_drive_scan_and_grab(&s.grabbed, address.data(), 0) <= 0) {
      error = "the drive cannot be reached for the next copy";
      return nullptr;
    }
  }
  Callbacks cb = CallbacksNow();
  const std::string ask =
      "Insert a blank disc for copy " + std::to_string(copy + 1) + " of " + std::to_string(copies);
  if (cb.infoText.fn) cb.infoText.fn(ask.c_str(), 0, cb.infoText.user);
  burn_drive* drive = s.grabbed[0].drive;
  error = WaitForWritableMedium(drive, appendable, s.aborted);
  return error.empty() ? drive : nullptr;
}

void RunJob(BurnJob job) {
  State& s = TheState();
  BurnReport report;
  report.progress = [](float percent, float buffer, double written, double total) {
    Callbacks cb = CallbacksNow();
    if (cb.process.fn) cb.process.fn(percent, buffer, 0.0f, written, total, cb.process.user);
  };
  report.finalize = []() {
    Callbacks cb = CallbacksNow();
    if (cb.finalize.fn) cb.finalize.fn(cb.finalize.user);
  };
  report.info = [](const std::string& text) {
    Callbacks cb = CallbacksNow();
    if (cb.infoText.fn && cb.infoText.user) cb.infoText.fn(text.c_str(), 1, cb.infoText.user);
  };
  report.startVerify = []() {
    Callbacks cb = CallbacksNow();
    if (cb.startVerify.fn) cb.startVerify.fn(cb.startVerify.user);
  };
  report.verify.file = [](const std::string& file) {
    Callbacks cb = CallbacksNow();
    if (cb.verifyFile.fn) cb.verifyFile.fn(file.c_str(), cb.verifyFile.user);
  };
  report.verify.error = [](const std::string& file, const std::string& error) {
    Callbacks cb = CallbacksNow();
    if (cb.verifyError.fn) cb.verifyError.fn(file.c_str(), error.c_str(), cb.verifyError.user);
  };
  report.verifyDone = [](int errors) {
    Callbacks cb = CallbacksNow();
    if (cb.verifyDone.fn) cb.verifyDone.fn(errors, cb.verifyDone.user);
  };
  std::string error = RunBurn(job, report, s.aborted, s.stopVerify);
  if (!job.drive && error.empty() && !job.options.testBurn) RecordImageDiscBurn(job.totalBytes);
  if (job.drive && error.empty() && job.options.ejectAfterBurn) {
    std::lock_guard<std::mutex> lock(s.mutex);
    std::string address = s.current ? s.current->address : "";
    ReleaseDrive(s, true);
    if (!address.empty()) burn_drive_scan_and_grab(&s.grabbed, address.data(), 0);
  }
  s.busy = false;
  Callbacks cb = CallbacksNow();
  if (cb.burnDone.fn) cb.burnDone.fn(error.empty() ? nullptr : error.c_str(), cb.burnDone.user);
}

}  // namespace

FOXAPI std::int32_t Prepare() {
  FOX_LOCK_INITIALIZED();
  if (!s.project.exists) return foxabi::kErrNoProject;
  if (s.busy) return foxabi::kErrBusy;
  if (ProjectEmpty(s.project)) return foxabi::kErrProjectEmpty;
  if (!s.current) return foxabi::kErrNoDevice;
  if (!s.current->IsImage() && !s.grabbed) return foxabi::kErrNotReady;
  burn_drive* drive = s.current->IsImage() ? nullptr : s.grabbed[0].drive;
  Project& p = s.project;
  if (p.prepared) burn_source_free(p.prepared);
  p.prepared = nullptr;
  p.isPrepared = false;
  if (p.kind == foxabi::kProjectAudioCd) {
    p.preparedBytes = AudioBytes(p);
  } else {
    std::string error;
    // A boot image that cannot serve fails here, before anything is written.
    if (std::int32_t rc = p.data->SetBoot(s.options, s.bootInfo, error); rc != foxabi::kOk) return rc;
    p.preparedStart = NextWritableSector(drive);
    p.prepared = p.data->CreateSource(s.options, s.isoInfo, p.preparedStart, error);
    if (!p.prepared) return foxabi::kErrFileNotReadable;
    p.preparedBytes = p.prepared->get_size(p.prepared);
  }
  std::int32_t rc = foxabi::kOk;
  if (!drive) {
    // What does not fit the CD the image drive stands for is refused.
    const std::int64_t sectorBytes = p.kind == foxabi::kProjectAudioCd ? 2352 : 2048;
    rc = p.preparedBytes > kImageDiscSectors * sectorBytes ? foxabi::kErrNoSpace
                                                           : CheckImageFolder(p.preparedBytes * CopiesOf(s.options));
  } else {
    burn_disc_status status = burn_disc_get_status(drive);
    if (status != BURN_DISC_BLANK && status != BURN_DISC_APPENDABLE) rc = foxabi::kErrMediumNotWritable;
    else if (p.preparedBytes > burn_disc_available_space(drive, nullptr)) rc = foxabi::kErrNoSpace;
  }
  if (rc != foxabi::kOk) {
    if (p.prepared) burn_source_free(p.prepared);
    p.prepared = nullptr;
    return rc;
  }
  p.isPrepared = true;
  return foxabi::kOk;
}

FOXAPI std::int32_t GetImageSize(double* bytes) {
  FOX_LOCK_INITIALIZED();
  if (!bytes) return foxabi::kErrInvalidArgument;
  if (!s.project.isPrepared) return foxabi::kErrNotPrepared;
  *bytes = static_cast<double>(s.project.preparedBytes);
  return foxabi::kOk;
}

FOXAPI std::int32_t Burn() {
  FOX_LOCK_INITIALIZED();
  if (s.busy) return foxabi::kErrBusy;
  Project& p = s.project;
  if (!p.exists) return foxabi::kErrNoProject;
  if (!p.isPrepared || !s.current) return foxabi::kErrNotPrepared;
  BurnJob job;
  job.drive = s.current->IsImage() ? nullptr : (s.grabbed ? s.grabbed[0].drive : nullptr);
  if (!s.current->IsImage() && !job.drive) return foxabi::kErrNotReady;
  // A written rewritable disc takes nothing more until it is erased.
  if (s.current->IsImage() && ImageDiscUsed() > 0) return foxabi::kErrMediumNotWritable;
  job.copies = CopiesOf(s.options);
  if (!job.drive) job.imageBases = FreeImageBases(s, job.copies);
  job.audio = p.kind == foxabi::kProjectAudioCd;
  for (const AudioTrack& t : p.tracks) job.tracks.push_back({t.source, t.cdAudio, t.bytes});
  job.data = p.prepared;  // the stream is used once
  job.dataStart = p.preparedStart;
  p.prepared = nullptr;
  p.isPrepared = job.audio;
  if (!job.audio) {
    job.dataFiles = p.data->Files();
    // Later copies take fresh streams of the same tree, which no entry
    // point changes while the burn runs.
    job.newData = [image = p.data, options = s.options, info = s.isoInfo](
                      burn_drive* drive, std::uint32_t& start, std::string& error) {
      start = NextWritableSector(drive);
      return image->CreateSource(options, info, start, error);
    };
  }
  const bool appendable = !job.audio && !s.options.finalize;
  job.nextMedium = [copies = job.copies, appendable](int copy, std::string& error) {
    return NextMedium(copy, copies, appendable, error);
  };
  job.burnSpeed = s.burnSpeed;
  job.readSpeed = s.readSpeed;
  job.totalBytes = p.preparedBytes;
  job.options = s.options;
  JoinWorker(s);
  s.aborted = false;
  s.stopVerify = false;
  s.busy = true;
  s.worker = std::thread(RunJob, std::move(job));
  return foxabi::kOk;
}

FOXAPI std::int32_t Abort() {
  FOX_LOCK_INITIALIZED();
  if (!s.busy) return foxabi::kOk;
  s.aborted = true;
  s.stopVerify = true;
  if (burn_drive* drive = gActiveDrive) burn_drive_cancel(drive);
  return foxabi::kOk;
}

FOXAPI std::int32_t PrepareISO(const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t BuildISO(const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t BurnISO(const char*) { return foxabi::kErrNotSupported; }
// Ends the verifying of the running burn, for this copy and the ones after.
FOXAPI std::int32_t StopVerify() {
  FOX_LOCK_INITIALIZED();
  if (s.busy) s.stopVerify = true;
  return foxabi::kOk;
}

FOXAPI std::int32_t SetVerify(std::uint8_t verify) {
  FOX_LOCK_INITIALIZED();
  s.options.verifyAfterBurn = verify ? 1 : 0;
  return foxabi::kOk;
}
FOXAPI std::int32_t EraseDialog() { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t BurnDialog() { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t GetPlayTime(const char*, std::int32_t*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t PlayAudioFile(const char*) { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t AudioFileStop() { return foxabi::kErrNotSupported; }
