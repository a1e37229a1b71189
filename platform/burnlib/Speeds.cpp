#include "platform/burnlib/Speeds.h"

#include <algorithm>
#include <cmath>

#include <libburn/libburn.h>

using namespace burn;

namespace burnlib {

namespace {

constexpr double kCdSingleSpeed = 176.4;
constexpr double kDvdSingleSpeed = 1385.0;
constexpr double kBdSingleSpeed = 4495.625;

}  // namespace

std::vector<std::int32_t> ImageDriveSpeeds() {
  std::vector<std::int32_t> speeds;
  // Fractional speeds round up, as drives expect (4x = 706).
  for (int factor : {48, 40, 32, 24, 16, 8, 4})
    speeds.push_back(static_cast<std::int32_t>(std::ceil(factor * kCdSingleSpeed - 1e-9)));
  return speeds;
}

std::vector<std::int32_t> DriveSpeeds(burn_drive* drive, bool read) {
  std::vector<std::int32_t> speeds;
  burn_speed_descriptor* list = nullptr;
  if (burn_drive_get_speedlist(drive, &list) > 0) {
    for (burn_speed_descriptor* d = list; d; d = d->next) {
      const int speed = read ? d->read_speed : d->write_speed;
      if (speed > 0) speeds.push_back(speed);
    }
    burn_drive_free_speedlist(&list);
  }
  std::sort(speeds.begin(), speeds.end(), std::greater<>());
  speeds.erase(std::unique(speeds.begin(), speeds.end()), speeds.end());
  return speeds;
}

std::int32_t EffectiveSpeed(const std::vector<std::int32_t>& offered, std::int32_t wanted) {
  if (offered.empty()) return wanted;
  if (wanted <= 0) return offered.front();
  for (std::int32_t speed : offered)
    if (speed <= wanted) return speed;
  return offered.back();
}

double SingleSpeed(burn_drive* drive) {
  if (!drive) return kCdSingleSpeed;
  int profile = 0;
  char name[80] = {};
  if (burn_disc_get_profile(drive, &profile, name) <= 0) return kCdSingleSpeed;
  if (profile >= 0x40) return kBdSingleSpeed;
  if (profile >= 0x10) return kDvdSingleSpeed;
  return kCdSingleSpeed;
}

}  // namespace burnlib
