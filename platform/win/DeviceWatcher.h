#pragma once
// Watches the optical drives (/sys/block/sr*) and reports a disc put in or
// taken out as a device change on the GUI thread. Internal to platform/win.

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace detail {

struct TDriveChange {
  std::string drive;  // "sr0"
  bool arrival;       // a disc was put in (else taken out)
  friend bool operator==(const TDriveChange&, const TDriveChange&) = default;
};

// What changed between two scans; a drive that went away with a disc in it
// counts as the disc taken out.
std::vector<TDriveChange> DriveChanges(const std::map<std::string, bool>& before,
                                       const std::map<std::string, bool>& after);

class TOpticalDriveWatcher {
 public:
  TOpticalDriveWatcher();
  ~TOpticalDriveWatcher();
  TOpticalDriveWatcher(const TOpticalDriveWatcher&) = delete;
  TOpticalDriveWatcher& operator=(const TOpticalDriveWatcher&) = delete;

  // Drive name ("sr0") to whether a disc is in it, as seen now.
  static std::map<std::string, bool> Scan();

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable stopCv_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace detail
