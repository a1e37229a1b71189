#pragma once
// Watches the optical drives (/sys/block/sr*) and reports a disc put in or
// taken out as a device change on the GUI thread. Internal to platform/win.

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace detail {

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
