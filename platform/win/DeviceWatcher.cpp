#include "platform/win/DeviceWatcher.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/os/MainThread.h"
#include "platform/win/Backend.h"

namespace detail {
namespace {

constexpr auto kPollInterval = std::chrono::seconds(2);

bool DiscPresent(const std::string& drive) {
  int fd = ::open(("/dev/" + drive).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    int status = ::ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    ::close(fd);
    if (status >= 0) return status == CDS_DISC_OK;
  }
  // Without access to the device, the size the kernel knows tells.
  std::ifstream size("/sys/block/" + drive + "/size");
  long long sectors = 0;
  return size >> sectors && sectors > 0;
}

// "sr1" is drive index 4 (E:), after the hard disk's letters.
int DriveIndex(const std::string& drive) {
  try {
    return 3 + std::stoi(drive.substr(2));
  } catch (...) {
    return 3;
  }
}

}  // namespace

std::vector<TDriveChange> DriveChanges(const std::map<std::string, bool>& before,
                                       const std::map<std::string, bool>& after) {
  std::vector<TDriveChange> changes;
  for (const auto& [drive, present] : after) {
    auto it = before.find(drive);
    bool was = it != before.end() && it->second;
    if (present != was) changes.push_back({drive, present});
  }
  for (const auto& [drive, present] : before)
    if (present && !after.count(drive)) changes.push_back({drive, false});
  return changes;
}

std::map<std::string, bool> TOpticalDriveWatcher::Scan() {
  std::map<std::string, bool> drives;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/sys/block", error)) {
    std::string name = entry.path().filename().string();
    if (name.rfind("sr", 0) == 0) drives[name] = DiscPresent(name);
  }
  return drives;
}

TOpticalDriveWatcher::TOpticalDriveWatcher() : thread_([this] { Run(); }) {}

TOpticalDriveWatcher::~TOpticalDriveWatcher() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stopCv_.notify_all();
  thread_.join();
}

void TOpticalDriveWatcher::Run() {
  std::map<std::string, bool> known = Scan();
  std::unique_lock lock(mutex_);
  while (!stopCv_.wait_for(lock, kPollInterval, [this] { return stopping_; })) {
    lock.unlock();
    std::map<std::string, bool> now = Scan();
    for (const TDriveChange& change : DriveChanges(known, now))
      PostToMainThread([change] { OnDeviceChange(change.arrival, "/dev/" + change.drive, DriveIndex(change.drive)); });
    known = std::move(now);
    lock.lock();
  }
}

}  // namespace detail
