#pragma once
// Writing a project to a drive, and erasing a medium, on a worker thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/burnlib/FoxBurnerAbi.h"
#include "platform/burnlib/Verify.h"


namespace burn {
struct burn_drive;
struct burn_source;
}

namespace burnlib {

// What a job tells on its way; every member is set.
struct BurnReport {
  // Over all copies: percent, device buffer fill, bytes written and in all.
  std::function<void(float percent, float buffer, double written, double total)> progress;
  std::function<void()> finalize;
  std::function<void(const std::string&)> info;
  std::function<void()> startVerify;
  VerifyReport verify;
  std::function<void(int errors)> verifyDone;
};

struct BurnJob {
  burn::burn_drive* drive = nullptr;  // a grabbed optical drive; null for an image
  int copies = 1;
  // Image drive: folder and name of each copy's files, without extension.
  std::vector<std::string> imageBases;
  bool audio = false;
  std::vector<WrittenTrack> tracks;  // audio CD
  burn::burn_source* data = nullptr;  // data disc: the first copy's stream (taken over)
  std::uint32_t dataStart = 0;        // the sector it starts at
  // Data disc: a fresh stream for a later copy, for the medium in `drive`
  // (null for an image); sets `start`, or gives null with the reason.
  std::function<burn::burn_source*(burn::burn_drive* drive, std::uint32_t& start, std::string& error)> newData;
  std::vector<DiscFile> dataFiles;  // data disc: what verifying compares
  // Optical drive: ejects the written disc and waits for a blank one for
  // copy `copy` (from 0); the drive to write to, or null with the reason.
  std::function<burn::burn_drive*(int copy, std::string& error)> nextMedium;
  std::int32_t burnSpeed = 0;  // kB/s, 0 = fastest
  std::int32_t readSpeed = 0;
  std::int64_t totalBytes = 0;  // one copy
  foxabi::OptionsRecord options{};
};

// The drive a job is writing to, so Abort can cancel it from elsewhere.
extern std::atomic<burn::burn_drive*> gActiveDrive;

// Runs the job to its end; the empty string on success, else the reason.
// Each copy is written, then verified when the options ask for it and
// `stopVerify` is not set. A failed or aborted copy's image is removed;
// an audio CD image is a BIN file of the tracks' CD audio and a CUE sheet.
std::string RunBurn(BurnJob& job, const BurnReport& report, const std::atomic<bool>& aborted,
                    const std::atomic<bool>& stopVerify);

// Waits until a grabbed drive holds a blank medium (or an appendable one
// when `appendable`); the empty string, else the reason: an abort, or
// no such medium within ten minutes.
std::string WaitForWritableMedium(burn::burn_drive* drive, bool appendable, const std::atomic<bool>& aborted);

// Erases the medium of a grabbed drive; the empty string on success.
std::string RunErase(burn::burn_drive* drive, bool quick, const std::atomic<bool>& aborted);

// The messages libburn queued: the most severe one, whether one of them
// reports a failure, and whether the drive's worker thread has ended.
class DriveMessages {
 public:
  // Takes the queued messages, each also going to `info`.
  void Collect(const std::function<void(const std::string&)>& info);
  // Collects until the worker thread says it ended (at most 30 s).
  void WaitForThreadEnd(const std::function<void(const std::string&)>& info);
  const std::string& Worst() const { return worst_; }
  bool Failed() const { return failed_; }
  bool DriveBusy() const { return driveBusy_; }

 private:
  std::string worst_;
  int worstSeverity_ = -1;
  bool failed_ = false;
  bool threadEnded_ = false;
  bool driveBusy_ = false;
};

}  // namespace burnlib
