#pragma once
// The drives the library offers: the optical drives libburn finds, and
// one image drive that writes disc images into a folder.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/burnlib/FoxBurnerAbi.h"

namespace burnlib {

constexpr char kImageDriveLetter = 'Z';
// The image drive holds an 80-minute CD-R: 360000 sectors.
constexpr std::int64_t kImageDiscSectors = 360000;

struct Device {
  char letter = 0;
  std::string name;     // begins with the letter
  std::string address;  // libburn address; empty for the image drive
  std::uint8_t capabilities[foxabi::kCapabilityBytes] = {};
  bool IsImage() const { return address.empty(); }
};

// Scans the optical drives (needs libburn initialised) and appends the
// image drive. At most 26 devices.
std::vector<Device> ScanDevices();

// The folder disc images go to: $FOXBURNER_IMAGE_DIR, else
// "~/Disc images/". Ends with "/".
std::string ImageFolder();

}  // namespace burnlib
