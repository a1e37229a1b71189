#include "platform/burnlib/Devices.h"

#include <unistd.h>

#include <cstdlib>

#include <libburn/libburn.h>

#include "platform/burnlib/ImageDisc.h"

using namespace burn;

namespace burnlib {

namespace {

void SetBit(std::uint8_t* bytes, int bit) { bytes[bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8)); }

Device OpticalDevice(const burn_drive_info& info, char letter) {
  Device d;
  d.letter = letter;
  d.name = std::string(1, letter) + ": " + info.vendor + " " + info.product;
  while (!d.name.empty() && d.name.back() == ' ') d.name.pop_back();
  char address[BURN_DRIVE_ADR_LEN] = {};
  if (burn_drive_get_adr(const_cast<burn_drive_info*>(&info), address) > 0) d.address = address;
  using namespace foxabi;
  if (info.read_cdr) SetBit(d.capabilities, kCapReadCdR);
  if (info.read_cdrw) SetBit(d.capabilities, kCapReadCdRw);
  if (info.read_dvdr) SetBit(d.capabilities, kCapReadDvdR);
  if (info.read_dvdram) SetBit(d.capabilities, kCapReadDvdRam);
  if (info.write_cdr) SetBit(d.capabilities, kCapWriteCdR);
  if (info.write_cdrw) SetBit(d.capabilities, kCapWriteCdRw);
  if (info.write_dvdr) SetBit(d.capabilities, kCapWriteDvdR);
  if (info.write_dvdram) SetBit(d.capabilities, kCapWriteDvdRam);
  if (info.write_simulate) SetBit(d.capabilities, kCapTestWrite);
  return d;
}

}  // namespace

std::vector<Device> ScanDevices() {
  std::vector<Device> devices;
  burn_drive_info* infos = nullptr;
  unsigned int count = 0;
  // The scan runs in the background; it is done once the call gives nonzero.
  int done = 0;
  for (int i = 0; i < 6000 && (done = burn_drive_scan(&infos, &count)) == 0; ++i) usleep(10000);
  if (done > 0 && infos) {
    for (unsigned int i = 0; i < count && devices.size() < 22; ++i) {
      Device d = OpticalDevice(infos[i], static_cast<char>('D' + devices.size()));
      if (!d.address.empty()) devices.push_back(d);
    }
    burn_drive_info_free(infos);
  }
  Device image;
  image.letter = kImageDriveLetter;
  image.name = std::string(1, kImageDriveLetter) + ": Disc image file";
  using namespace foxabi;
  SetBit(image.capabilities, kCapWriteCdR);
  if (ImageDiscRewritable()) SetBit(image.capabilities, kCapWriteCdRw);
  SetBit(image.capabilities, kCapTestWrite);
  SetBit(image.capabilities, kCapImageFile);
  devices.push_back(image);
  return devices;
}

std::string ImageFolder() {
  std::string folder;
  if (const char* env = std::getenv("FOXBURNER_IMAGE_DIR"); env && *env) {
    folder = env;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home && *home ? home : "/tmp") + "/Disc images";
  }
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace burnlib
