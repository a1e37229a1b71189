// Entry points: the drives, their trays, readiness and erasing.

#include <cstring>

#include <libburn/libburn.h>

#include "platform/burnlib/BurnJob.h"
#include "platform/burnlib/EntryDeclarations.h"
#include "platform/burnlib/ImageDisc.h"

using namespace burn;

using namespace burnlib;

namespace {

// Grabs the current optical drive; load = close the tray first.
bool Grab(State& s, bool load) {
  ReleaseDrive(s, false);
  std::string address = s.current->address;
  return burn_drive_scan_and_grab(&s.grabbed, address.data(), load ? 1 : 0) > 0;
}

// Reports the end of an erase from the worker thread.
void EraseDone(const std::string& error) {
  Callbacks cb = CallbacksNow();
  if (cb.eraseDone.fn) cb.eraseDone.fn(error.empty() ? nullptr : error.c_str(), cb.eraseDone.user);
}

}  // namespace

FOXAPI std::int32_t GetDevices(char* buffer, std::int32_t* count, std::uint8_t) {
  FOX_LOCK_INITIALIZED();
  if (!buffer || !count) return foxabi::kErrInvalidArgument;
  if (s.busy) return foxabi::kErrBusy;
  ReleaseDrive(s, false);
  s.current = nullptr;
  s.burnSpeed = s.readSpeed = 0;
  s.devices = ScanDevices();
  std::memset(buffer, 0, foxabi::kDeviceBufferSize);
  // Each name in its own 50-byte slot, cut to keep its zero.
  for (size_t i = 0; i < s.devices.size(); ++i)
    std::strncpy(buffer + i * foxabi::kDeviceNameSize, s.devices[i].name.c_str(), foxabi::kDeviceNameSize - 1);
  *count = static_cast<std::int32_t>(s.devices.size());
  return foxabi::kOk;
}

FOXAPI std::int32_t SetDevice(std::uint8_t letter) {
  FOX_LOCK_INITIALIZED();
  if (s.busy) return foxabi::kErrBusy;
  for (const Device& d : s.devices) {
    if (d.letter != static_cast<char>(letter)) continue;
    if (s.current == &d && (d.IsImage() || s.grabbed)) return foxabi::kOk;
    ReleaseDrive(s, false);
    if (s.current != &d) s.burnSpeed = s.readSpeed = 0;
    s.current = &d;
    if (!d.IsImage() && !Grab(s, false)) {
      s.current = nullptr;
      return foxabi::kErrDriveFailure;
    }
    return foxabi::kOk;
  }
  return foxabi::kErrNoDevice;
}

FOXAPI std::int32_t GetDevice(std::uint8_t* letter) {
  FOX_LOCK_INITIALIZED();
  if (!letter) return foxabi::kErrInvalidArgument;
  *letter = s.current ? static_cast<std::uint8_t>(s.current->letter) : 0;
  return foxabi::kOk;
}

FOXAPI std::int32_t GetDeviceInformation(char* buffer, std::int32_t* length) {
  FOX_LOCK_INITIALIZED();
  if (!s.current) return foxabi::kErrNoDevice;
  return CopyOut(s.current->name, buffer, length);
}

FOXAPI std::int32_t GetDeviceCapabilities(std::uint8_t* capabilities) {
  FOX_LOCK_INITIALIZED();
  if (!capabilities) return foxabi::kErrInvalidArgument;
  if (!s.current) return foxabi::kErrNoDevice;
  std::memcpy(capabilities, s.current->capabilities, foxabi::kCapabilityBytes);
  return foxabi::kOk;
}

FOXAPI std::int32_t EjectDevice() {
  FOX_LOCK_INITIALIZED();
  if (!s.current) return foxabi::kErrNoDevice;
  if (s.busy) return foxabi::kErrBusy;
  if (s.current->IsImage()) return foxabi::kOk;
  if (s.grabbed) ReleaseDrive(s, true);
  // Grabbed again without loading, so the drive stays current.
  return Grab(s, false) ? foxabi::kOk : foxabi::kErrDriveFailure;
}

FOXAPI std::int32_t CloseDevice() {
  FOX_LOCK_INITIALIZED();
  if (!s.current) return foxabi::kErrNoDevice;
  if (s.busy) return foxabi::kErrBusy;
  if (s.current->IsImage()) return foxabi::kOk;
  return Grab(s, true) ? foxabi::kOk : foxabi::kErrDriveFailure;
}

FOXAPI std::int32_t IsDeviceReady(std::uint8_t* ready) {
  FOX_LOCK_INITIALIZED();
  if (!ready) return foxabi::kErrInvalidArgument;
  if (!s.current) return foxabi::kErrNoDevice;
  *ready = 0;
  if (s.busy) return foxabi::kOk;
  if (s.current->IsImage()) {
    *ready = 1;
  } else if (s.grabbed) {
    burn_disc_status status = burn_disc_get_status(s.grabbed[0].drive);
    *ready = status != BURN_DISC_EMPTY && status != BURN_DISC_UNREADY && status != BURN_DISC_UNSUITABLE;
  }
  return foxabi::kOk;
}

FOXAPI std::int32_t Erase(std::uint8_t quick) {
  FOX_LOCK_INITIALIZED();
  if (!s.current) return foxabi::kErrNoDevice;
  if (s.busy) return foxabi::kErrBusy;
  if (s.current->IsImage()) {
    if (!ImageDiscRewritable()) return foxabi::kErrMediumNotErasable;
    JoinWorker(s);
    s.busy = true;
    s.aborted = false;
    // The end is told from the worker, as a drive's would be.
    s.worker = std::thread([]() {
      std::string error = EraseImageDisc();
      TheState().busy = false;
      EraseDone(error);
    });
    return foxabi::kOk;
  }
  if (!s.grabbed) return foxabi::kErrMediumNotErasable;
  burn_drive* drive = s.grabbed[0].drive;
  if (!burn_disc_erasable(drive)) return foxabi::kErrMediumNotErasable;
  JoinWorker(s);
  s.busy = true;
  s.aborted = false;
  s.worker = std::thread([drive, quick]() {
    State& st = TheState();
    std::string error = RunErase(drive, quick != 0, st.aborted);
    st.busy = false;
    EraseDone(error);
  });
  return foxabi::kOk;
}
