#include "platform/burnlib/BurnJob.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

#include <libburn/libburn.h>

#include "platform/burnlib/ConcatSource.h"
#include "platform/burnlib/CueSheet.h"

using namespace burn;

namespace burnlib {

std::atomic<burn_drive*> gActiveDrive{nullptr};

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(100);

// A freshly grabbed drive may still be busy settling; wait up to 30 s.
void WaitUntilIdle(burn_drive* drive) {
  for (int i = 0; i < 300 && burn_drive_get_status(drive, nullptr) != BURN_DRIVE_IDLE; ++i)
    std::this_thread::sleep_for(kPollInterval);
}

// Waits for the drive to go idle, reporting progress on the way, with
// `copy` copies written before.
void FollowProgress(burn_drive* drive, const BurnJob& job, int copy, const BurnReport& report) {
  bool finalizing = false;
  burn_progress p{};
  burn_drive_status status;
  while ((status = burn_drive_get_status(drive, &p)) == BURN_DRIVE_SPAWNING) std::this_thread::sleep_for(kPollInterval);
  while (status != BURN_DRIVE_IDLE) {
    if ((status == BURN_DRIVE_CLOSING_SESSION || status == BURN_DRIVE_CLOSING_TRACK) && !finalizing) {
      finalizing = true;
      if (report.finalize) report.finalize();
    }
    if (status == BURN_DRIVE_WRITING && p.sectors > 0 && report.progress) {
      float percent = 100.0f * static_cast<float>(p.sector) / static_cast<float>(p.sectors);
      float buffer = p.buffer_capacity > 0
                         ? 100.0f * static_cast<float>(p.buffer_capacity - p.buffer_available) /
                               static_cast<float>(p.buffer_capacity)
                         : 0.0f;
      const double copyBytes = static_cast<double>(job.totalBytes);
      const float overall = (100.0f * static_cast<float>(copy) + std::min(percent, 100.0f)) / static_cast<float>(job.copies);
      report.progress(overall, buffer, copy * copyBytes + static_cast<double>(p.sector) * 2048.0,
                      job.copies * copyBytes);
    }
    std::this_thread::sleep_for(kPollInterval);
    status = burn_drive_get_status(drive, &p);
  }
}

// Starts the write. libburn refuses while the thread of a previous job on
// the same drive slot is still winding down; that takes moments, so the
// start is retried for up to ten seconds. A small job on a busy machine
// may be written whole before the drive is asked: it reads idle then too,
// but what the job said holds no failure; that is kept in `said` (and
// passed to `info`) for the wait for its end.
// Gives the reason when the write did not start.
std::string StartWriting(burn_drive* drive, burn_write_opts* opts, burn_disc* disc, const std::atomic<bool>& aborted,
                         DriveMessages& said, const std::function<void(const std::string&)>& info) {
  std::string refusal = "Burn aborted";
  for (int attempt = 0; attempt < 100 && !aborted; ++attempt) {
    burn_disc_write(opts, disc);
    if (burn_drive_get_status(drive, nullptr) != BURN_DRIVE_IDLE) return "";
    std::vector<std::string> texts;
    DriveMessages messages;
    messages.Collect([&texts](const std::string& text) { texts.push_back(text); });
    if (!messages.Worst().empty() && !messages.Failed() && !messages.DriveBusy()) {
      for (const std::string& text : texts)
        if (info) info(text);
      said = messages;
      return "";
    }
    refusal = messages.Worst().empty() ? "the drive refused to write" : messages.Worst();
    if (!messages.DriveBusy()) break;
    std::this_thread::sleep_for(kPollInterval);
  }
  return refusal;
}

burn_source* SourceOf(BurnJob& job, burn_drive* imageDrive, size_t track) {
  if (!job.audio) {
    burn_source* s = job.data;
    job.data = nullptr;
    return s;
  }
  if (!imageDrive) return burn_file_source_new(job.tracks[track].cdAudio.c_str(), nullptr);
  std::vector<std::string> files;
  for (const WrittenTrack& t : job.tracks) files.push_back(t.cdAudio);
  return NewConcatSource(files, job.totalBytes);
}

// The disc layout: on an optical drive one track per audio file; in an
// image one data track of the whole CD audio, since the image drive takes
// no audio tracks.
burn_disc* BuildDisc(BurnJob& job, burn_drive* imageDrive, std::string& error) {
  burn_disc* disc = burn_disc_create();
  burn_session* session = burn_session_create();
  burn_disc_add_session(disc, session, BURN_POS_END);
  const bool audioTracks = job.audio && !imageDrive;
  const size_t tracks = audioTracks ? job.tracks.size() : 1;
  for (size_t i = 0; i < tracks; ++i) {
    burn_source* source = SourceOf(job, imageDrive, i);
    if (!source) {
      error = "cannot read the project's data";
      break;
    }
    burn_track* track = burn_track_create();
    burn_track_define_data(track, 0, 0, 1, audioTracks ? BURN_AUDIO : BURN_MODE1);
    burn_track_set_source(track, source);
    burn_source_free(source);
    burn_session_add_track(session, track, BURN_POS_END);
    burn_track_free(track);
  }
  burn_session_free(session);
  return disc;
}

burn_write_opts* WriteOptions(burn_drive* drive, const BurnJob& job, bool optical, burn_disc* disc,
                              std::string& error) {
  burn_write_opts* opts = burn_write_opts_new(drive);
  burn_write_opts_set_simulate(opts, job.options.testBurn ? 1 : 0);
  burn_write_opts_set_underrun_proof(opts, job.options.underrunProtection ? 1 : 0);
  burn_write_opts_set_perform_opc(opts, job.options.performOpc ? 1 : 0);
  // An unfinalized data disc stays open for more sessions where the medium
  // allows it; an image, or a medium that cannot, is closed.
  const bool keepOpen = !job.audio && !job.options.finalize && optical;
  burn_write_opts_set_multi(opts, keepOpen ? 1 : 0);
  char reasons[BURN_REASONS_LEN] = {};
  if (keepOpen && burn_write_opts_auto_write_type(opts, disc, reasons, 0) == BURN_WRITE_NONE)
    burn_write_opts_set_multi(opts, 0);
  if (burn_write_opts_auto_write_type(opts, disc, reasons, 0) == BURN_WRITE_NONE) {
    error = std::string("the medium cannot take this project: ") + reasons;
    burn_write_opts_free(opts);
    return nullptr;
  }
  return opts;
}

std::string ImageFile(const BurnJob& job, int copy) { return job.imageBases[copy] + (job.audio ? ".bin" : ".iso"); }

void RemoveImage(const BurnJob& job, int copy) {
  std::error_code ignored;
  std::filesystem::remove(ImageFile(job, copy), ignored);
  std::filesystem::remove(job.imageBases[copy] + ".cue", ignored);
}

std::vector<std::int64_t> TrackBytes(const BurnJob& job) {
  std::vector<std::int64_t> bytes;
  for (const WrittenTrack& t : job.tracks) bytes.push_back(t.bytes);
  return bytes;
}

// Writes one copy onto `drive`, or into its image file when `drive` is
// null; the empty string on success, else the reason.
std::string WriteCopy(BurnJob& job, burn_drive* drive, int copy, const BurnReport& report,
                      const std::atomic<bool>& aborted) {
  burn_drive_info* imageInfo = nullptr;
  const std::string imageFile = drive ? "" : ImageFile(job, copy);
  if (!drive) {
    std::string address = "stdio:" + imageFile;
    if (burn_drive_scan_and_grab(&imageInfo, const_cast<char*>(address.c_str()), 0) <= 0) {
      if (job.data) burn_source_free(job.data);
      job.data = nullptr;
      return "cannot create the image file " + imageFile;
    }
  }
  burn_drive* target = drive ? drive : imageInfo[0].drive;
  std::string error;
  burn_disc* disc = BuildDisc(job, imageInfo ? target : nullptr, error);
  burn_write_opts* opts = error.empty() ? WriteOptions(target, job, drive != nullptr, disc, error) : nullptr;
  if (opts && !aborted) {
    WaitUntilIdle(target);
    DriveMessages().Collect(nullptr);
    if (drive) burn_drive_set_speed(drive, job.readSpeed, job.burnSpeed);
    gActiveDrive = target;
    DriveMessages messages;
    error = StartWriting(target, opts, disc, aborted, messages, report.info);
    if (error.empty()) {
      FollowProgress(target, job, copy, report);
      // The drive reads idle a moment before libburn's thread has ended.
      messages.WaitForThreadEnd(report.info);
      const bool wroteWell = burn_drive_wrote_well(target) > 0 && !messages.Failed();
      if (aborted) error = "Burn aborted";
      else if (!wroteWell) error = messages.Worst().empty() ? "the drive reported a write failure" : messages.Worst();
    }
    gActiveDrive = nullptr;
  } else if (aborted && error.empty()) {
    error = "Burn aborted";
  }
  if (opts) burn_write_opts_free(opts);
  burn_disc_free(disc);
  if (job.data) burn_source_free(job.data);
  job.data = nullptr;
  if (!drive) {
    burn_drive_release(target, 0);
    burn_drive_info_free(imageInfo);
    if (error.empty() && job.audio && !job.options.testBurn) {
      report.finalize();
      error = FinishCueImage(imageFile, job.imageBases[copy] + ".cue", TrackBytes(job));
    }
    if (!error.empty() || job.options.testBurn) RemoveImage(job, copy);
  }
  return error;
}

// Reads a written copy back and compares it; the number of faults.
int VerifyCopy(const BurnJob& job, burn_drive* drive, int copy, std::uint32_t start, const BurnReport& report,
               const std::atomic<bool>& stop) {
  report.startVerify();
  int errors = 0;
  if (!drive) {
    const std::string image = ImageFile(job, copy);
    errors = job.audio ? VerifyAudioImage(image, job.tracks, report.verify, stop)
                       : VerifyDataFiles(ImageFileBlocks(image), 0, image, job.dataFiles, report.verify, stop);
  } else {
    // The drive tells the new table of contents only when asked again.
    burn_drive_re_assess(drive, 0);
    burn_drive_set_speed(drive, job.readSpeed, job.burnSpeed);
    errors = job.audio ? VerifyAudioDisc(drive, job.tracks, report.verify, stop)
                       : VerifyDataFiles(DriveBlocks(drive), start, "the disc", job.dataFiles, report.verify, stop);
  }
  report.verifyDone(errors);
  return errors;
}

}  // namespace

void DriveMessages::Collect(const std::function<void(const std::string&)>& info) {
  int sorry = 0;
  burn_text_to_sev(const_cast<char*>("SORRY"), &sorry, 0);
  int code, errnoValue;
  char text[BURN_MSGS_MESSAGE_LEN], severity[80];
  while (burn_msgs_obtain(const_cast<char*>("ALL"), &code, text, &errnoValue, severity) > 0) {
    const std::string message = text;
    if (info) info(message);
    int number = 0;
    burn_text_to_sev(severity, &number, 0);
    if (number >= sorry) failed_ = true;
    if (number >= worstSeverity_) {
      worstSeverity_ = number;
      worst_ = message;
    }
    if (message.find("thread on drive") != std::string::npos && message.find("ended") != std::string::npos)
      threadEnded_ = true;
    if (message.find("still going on") != std::string::npos) driveBusy_ = true;
  }
}

void DriveMessages::WaitForThreadEnd(const std::function<void(const std::string&)>& info) {
  for (int i = 0; i < 300; ++i) {
    Collect(info);
    if (threadEnded_) return;
    std::this_thread::sleep_for(kPollInterval);
  }
}

std::string RunBurn(BurnJob& job, const BurnReport& report, const std::atomic<bool>& aborted,
                    const std::atomic<bool>& stopVerify) {
  burn_drive* drive = job.drive;
  std::uint32_t start = job.dataStart;
  std::string error;
  int verifyErrors = 0;
  for (int copy = 0; copy < job.copies && error.empty(); ++copy) {
    if (copy > 0 && drive) drive = job.nextMedium(copy, error);
    if (copy > 0 && error.empty() && !job.audio) job.data = job.newData(drive, start, error);
    if (!error.empty()) break;
    if (aborted) error = "Burn aborted";
    else error = WriteCopy(job, drive, copy, report, aborted);
    if (error.empty() && job.options.verifyAfterBurn && !job.options.testBurn && !stopVerify)
      verifyErrors += VerifyCopy(job, drive, copy, start, report, stopVerify);
  }
  if (job.data) burn_source_free(job.data);
  job.data = nullptr;
  // An abort while the last copy was being verified still ends the burn as aborted.
  if (error.empty() && aborted) error = "Burn aborted";
  if (error.empty() && verifyErrors > 0)
    error = "Verifying found " + std::to_string(verifyErrors) + (verifyErrors == 1 ? " error" : " errors");
  return error;
}

std::string WaitForWritableMedium(burn_drive* drive, bool appendable, const std::atomic<bool>& aborted) {
  // The medium is asked for every second; the abort is seen at once.
  for (int tick = 0; tick < 6000; ++tick) {
    if (aborted) return "Burn aborted";
    if (tick % 10 == 0 && burn_drive_re_assess(drive, 0) > 0) {
      const burn_disc_status status = burn_disc_get_status(drive);
      if (status == BURN_DISC_BLANK || (appendable && status == BURN_DISC_APPENDABLE)) return "";
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  return "no writable disc was inserted";
}

std::string RunErase(burn_drive* drive, bool quick, const std::atomic<bool>& aborted) {
  if (aborted) return "Erase aborted";
  WaitUntilIdle(drive);
  DriveMessages().Collect(nullptr);
  gActiveDrive = drive;
  burn_disc_erase(drive, quick ? 1 : 0);
  burn_progress p{};
  burn_drive_status status;
  while ((status = burn_drive_get_status(drive, &p)) == BURN_DRIVE_SPAWNING) std::this_thread::sleep_for(kPollInterval);
  while (status != BURN_DRIVE_IDLE) {
    std::this_thread::sleep_for(kPollInterval);
    status = burn_drive_get_status(drive, &p);
  }
  gActiveDrive = nullptr;
  DriveMessages messages;
  messages.WaitForThreadEnd(nullptr);
  if (burn_drive_wrote_well(drive) > 0 && !messages.Failed()) return "";
  return messages.Worst().empty() ? "the drive reported an erase failure" : messages.Worst();
}

}  // namespace burnlib
