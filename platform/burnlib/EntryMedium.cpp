// Entry points: the medium in the current drive.

#include <libburn/libburn.h>

#include "platform/burnlib/EntryDeclarations.h"
#include "platform/burnlib/ImageDisc.h"

using namespace burn;

using namespace burnlib;

namespace {

std::uint8_t TypeCodeOfProfile(int profile) {
  using namespace foxabi;
  switch (profile) {
    case 0x09: return kMediumCdR;
    case 0x0a: return kMediumCdRw;
    case 0x11: return kMediumDvdMinusR;
    case 0x1b: return kMediumDvdPlusR;
    case 0x12: return kMediumDvdRam;
    case 0x13: return kMediumDvdMinusRwRestricted;
    case 0x14: return kMediumDvdMinusRw;
    case 0x1a: return kMediumDvdPlusRw;
    case 0x2b: return kMediumDvdPlusRDualLayer;
    case 0x15:
    case 0x16: return kMediumDvdMinusRDualLayer;
    default: return kMediumNone;
  }
}

std::int32_t OpticalMedium(burn_drive* drive, foxabi::MediumRecord& m) {
  burn_disc_status status = burn_disc_get_status(drive);
  if (status == BURN_DISC_EMPTY || status == BURN_DISC_UNREADY) return foxabi::kErrNotReady;
  int profile = 0;
  char profileName[80] = {};
  burn_disc_get_profile(drive, &profile, profileName);
  CopyField(m.text, profileName);
  m.status = status == BURN_DISC_BLANK ? 0 : status == BURN_DISC_APPENDABLE ? 1 : status == BURN_DISC_FULL ? 2 : 3;
  m.typeCode = status == BURN_DISC_UNSUITABLE ? foxabi::kMediumNone : TypeCodeOfProfile(profile);
  m.free = status == BURN_DISC_FULL ? 0.0 : static_cast<double>(burn_disc_available_space(drive, nullptr));
  int readable = 0;
  if (status != BURN_DISC_BLANK && burn_get_read_capacity(drive, &readable, 0) > 0)
    m.used = static_cast<double>(readable) * 2048.0;
  m.capacity = m.used + m.free;
  if (burn_disc* disc = burn_drive_get_disc(drive)) {
    int sessions = 0;
    burn_disc_get_sessions(disc, &sessions);
    m.sessionCount = sessions;
    m.lastSession = sessions;
    burn_disc_free(disc);
  }
  m.further = burn_disc_erasable(drive) ? 1 : 0;
  return foxabi::kOk;
}

}  // namespace

FOXAPI std::int32_t GetMediumInformation(foxabi::MediumRecord* medium) {
  FOX_LOCK_INITIALIZED();
  if (!medium) return foxabi::kErrInvalidArgument;
  if (!s.current) return foxabi::kErrNoDevice;
  if (s.busy) return foxabi::kErrBusy;
  foxabi::MediumRecord m{};
  if (s.current->IsImage()) {
    ReadImageDisc(m);
  } else {
    if (!s.grabbed) return foxabi::kErrNotReady;
    if (std::int32_t rc = OpticalMedium(s.grabbed[0].drive, m); rc != foxabi::kOk) return rc;
  }
  *medium = m;
  return foxabi::kOk;
}

FOXAPI std::int32_t GetSessionInformation(std::int32_t, std::int32_t*, std::int32_t*) {
  return foxabi::kErrNotSupported;
}
FOXAPI std::int32_t CloseSession() { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t SaveDeviceSettingsToRegistry() { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t SetDeviceSettingsFromRegistry() { return foxabi::kErrNotSupported; }
