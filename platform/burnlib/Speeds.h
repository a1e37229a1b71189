#pragma once
// Drive speeds in kB/s (1000 bytes a second), as libburn counts them:
// the speeds a drive offers for its medium, and the one it will use.

#include <cstdint>
#include <vector>

namespace burn {
struct burn_drive;
}

namespace burnlib {

// The image drive stands for a CD-R writer of 4x to 48x, reading at 48x.
std::vector<std::int32_t> ImageDriveSpeeds();

// The write (or read) speeds a grabbed drive offers for its medium,
// fastest first, each once; empty when the drive reports none.
std::vector<std::int32_t> DriveSpeeds(burn::burn_drive* drive, bool read);

// The speed a drive uses when asked for `wanted` (0 = its fastest): the
// fastest offered speed not above it, else the slowest offered one.
std::int32_t EffectiveSpeed(const std::vector<std::int32_t>& offered, std::int32_t wanted);

// kB/s of single speed for the medium in the drive (CD when none or null).
double SingleSpeed(burn::burn_drive* drive);

}  // namespace burnlib
