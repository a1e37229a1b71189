#pragma once
// Writing a project to a drive, and erasing a medium, on a worker thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/burnlib/FoxBurnerAbi.h"


namespace burn {
struct burn_drive;
struct burn_source;
}

namespace burnlib {

struct BurnReport {
  std::function<void(float percent, float buffer, double written, double total)> progress;
  std::function<void()> finalize;
  std::function<void(const std::string&)> info;
};

struct BurnJob {
  burn::burn_drive* drive = nullptr;  // a grabbed optical drive; null for an image
  std::string imageBase;        // image drive: folder and name, without extension
  bool audio = false;
  std::vector<std::string> trackFiles;  // audio: CD audio of each track
  std::vector<std::int64_t> trackBytes;
  burn::burn_source* data = nullptr;          // data disc: the image stream (taken over)
  std::int64_t totalBytes = 0;
  foxabi::OptionsRecord options{};
};

// The drive a job is writing to, so Abort can cancel it from elsewhere.
extern std::atomic<burn::burn_drive*> gActiveDrive;

// Runs the job to its end; the empty string on success, else the reason.
// Images written by a failed or aborted job are removed; an audio CD
// image is a BIN file of the tracks' CD audio and a CUE sheet.
std::string RunBurn(BurnJob& job, const BurnReport& report, const std::atomic<bool>& aborted);

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
