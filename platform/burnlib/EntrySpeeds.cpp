// Entry points: read and write speeds of the current drive, in kB/s.
// A speed of 0 asks for the drive's fastest. A choice holds until another
// device is selected; a real drive is told at once and again before each
// write, and the image drive keeps it without slowing its writing.

#include <libburn/libburn.h>

#include "platform/burnlib/EntryDeclarations.h"
#include "platform/burnlib/Speeds.h"

using namespace burn;
using namespace burnlib;

namespace {

burn_drive* OpticalDrive(const State& s) { return s.grabbed ? s.grabbed[0].drive : nullptr; }

// Checks that a device is current and, for an optical one, grabbed.
std::int32_t CheckDevice(const State& s) {
  if (!s.current) return foxabi::kErrNoDevice;
  if (!s.current->IsImage() && !s.grabbed) return foxabi::kErrNotReady;
  return foxabi::kOk;
}

std::vector<std::int32_t> Offered(const State& s, bool read) {
  return s.current->IsImage() ? ImageDriveSpeeds() : DriveSpeeds(OpticalDrive(s), read);
}

std::int32_t MaxSpeed(const State& s, bool read) {
  if (s.current->IsImage()) return ImageDriveSpeeds().front();
  burn_drive* drive = OpticalDrive(s);
  return read ? burn_drive_get_read_speed(drive) : burn_drive_get_write_speed(drive);
}

std::int32_t GetSpeed(std::int32_t* kbPerSec, bool read, bool max) {
  FOX_LOCK_INITIALIZED();
  if (!kbPerSec) return foxabi::kErrInvalidArgument;
  if (std::int32_t rc = CheckDevice(s); rc != foxabi::kOk) return rc;
  const std::int32_t chosen = read ? s.readSpeed : s.burnSpeed;
  *kbPerSec = max || chosen == 0 ? MaxSpeed(s, read) : EffectiveSpeed(Offered(s, read), chosen);
  return foxabi::kOk;
}

std::int32_t SetSpeed(std::int32_t kbPerSec, bool read) {
  FOX_LOCK_INITIALIZED();
  if (kbPerSec < 0) return foxabi::kErrInvalidArgument;
  if (std::int32_t rc = CheckDevice(s); rc != foxabi::kOk) return rc;
  if (s.busy) return foxabi::kErrBusy;
  (read ? s.readSpeed : s.burnSpeed) = kbPerSec;
  if (burn_drive* drive = OpticalDrive(s)) burn_drive_set_speed(drive, s.readSpeed, s.burnSpeed);
  return foxabi::kOk;
}

}  // namespace

FOXAPI std::int32_t GetMaxReadSpeed(std::int32_t* kbPerSec) { return GetSpeed(kbPerSec, true, true); }
FOXAPI std::int32_t SetReadSpeed(std::int32_t kbPerSec) { return SetSpeed(kbPerSec, true); }
FOXAPI std::int32_t GetReadSpeed(std::int32_t* kbPerSec) { return GetSpeed(kbPerSec, true, false); }
FOXAPI std::int32_t GetMaxBurnSpeed(std::int32_t* kbPerSec) { return GetSpeed(kbPerSec, false, true); }
FOXAPI std::int32_t SetBurnSpeed(std::int32_t kbPerSec) { return SetSpeed(kbPerSec, false); }
FOXAPI std::int32_t GetBurnSpeed(std::int32_t* kbPerSec) { return GetSpeed(kbPerSec, false, false); }

FOXAPI std::int32_t ConvertSpeedFromKBPerSec(std::int32_t kbPerSec, double* factor) {
  FOX_LOCK_INITIALIZED();
  if (!factor) return foxabi::kErrInvalidArgument;
  *factor = kbPerSec / SingleSpeed(s.current ? OpticalDrive(s) : nullptr);
  return foxabi::kOk;
}

FOXAPI std::int32_t GetPossibleBurnSpeeds(std::int32_t* speeds, std::int32_t* count) {
  FOX_LOCK_INITIALIZED();
  if (!count) return foxabi::kErrInvalidArgument;
  if (std::int32_t rc = CheckDevice(s); rc != foxabi::kOk) return rc;
  const std::vector<std::int32_t> offered = Offered(s, false);
  const std::int32_t room = *count;
  *count = static_cast<std::int32_t>(offered.size());
  if (!speeds) return foxabi::kOk;
  if (room < *count) return foxabi::kErrBufferTooSmall;
  for (size_t i = 0; i < offered.size(); ++i) speeds[i] = offered[i];
  return foxabi::kOk;
}
