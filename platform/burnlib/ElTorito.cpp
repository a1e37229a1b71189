#include "platform/burnlib/ElTorito.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include <libisofs/libisofs.h>

namespace burnlib {

namespace {

constexpr int kHiddenEverywhere = LIBISO_HIDE_ON_RR | LIBISO_HIDE_ON_JOLIET | LIBISO_HIDE_ON_1999 |
                                  LIBISO_HIDE_ON_HFSPLUS | LIBISO_HIDE_ON_FAT;

// Emulations of the record, in their order: none, 1.2 MB, 1.44 MB and
// 2.88 MB floppy, hard disk. A floppy image has exactly its size.
constexpr std::int64_t kFloppyBytes[] = {0, 1200 * 1024, 1440 * 1024, 2880 * 1024, 0};
constexpr int kEmulationHardDisk = 4;

// A root name no file has, starting from `wanted`.
std::string FreeRootName(IsoImage* image, const std::string& wanted) {
  IsoDir* root = iso_image_get_root(image);
  IsoNode* existing = nullptr;
  std::string name = wanted;
  for (int n = 2; iso_dir_get_node(root, name.c_str(), &existing) == 1; ++n) name = wanted + "-" + std::to_string(n);
  return name;
}

std::int32_t CheckSettings(const foxabi::BootInfoRecord& info, std::int64_t fileBytes, std::string& error) {
  if (info.emulation < 0 || info.emulation > kEmulationHardDisk) {
    error = "unknown boot emulation " + std::to_string(info.emulation);
    return foxabi::kErrBootSettings;
  }
  if (info.platformId < 0 || info.platformId > 2) {
    error = "unknown boot platform " + std::to_string(info.platformId);
    return foxabi::kErrBootSettings;
  }
  if (info.loadSegment < 0 || info.loadSegment > 0xffff || info.sectorCount > 0xffff) {
    error = "the load segment and the sector count must fit in 16 bits";
    return foxabi::kErrBootSettings;
  }
  const std::int64_t floppy = kFloppyBytes[info.emulation];
  if (floppy != 0 && fileBytes != floppy) {
    error = "a floppy emulation needs a boot image of exactly " + std::to_string(floppy) + " bytes, this one has " +
            std::to_string(fileBytes);
    return foxabi::kErrBootSettings;
  }
  if (fileBytes == 0) {
    error = "the boot image is empty";
    return foxabi::kErrBootSettings;
  }
  return foxabi::kOk;
}

enum eltorito_boot_media_type MediaType(std::int32_t emulation) {
  if (emulation == 0) return ELTORITO_NO_EMUL;
  return emulation == kEmulationHardDisk ? ELTORITO_HARD_DISC_EMUL : ELTORITO_FLOPPY_EMUL;
}

void ApplySettings(ElToritoBootImage* boot, const foxabi::BootInfoRecord& info) {
  el_torito_set_boot_platform_id(boot, static_cast<uint8_t>(info.platformId));
  if (info.emulation == 0) {
    // The segment and the count of 512-byte sectors apply without emulation only.
    if (info.loadSegment > 0) el_torito_set_load_seg(boot, static_cast<short>(info.loadSegment));
    if (info.sectorCount > 0) el_torito_set_load_size(boot, static_cast<short>(info.sectorCount));
  }
  if (!info.bootIndicator) el_torito_set_no_bootable(boot);
  uint8_t id[28] = {};
  std::memcpy(id, info.developerId, strnlen(info.developerId, sizeof info.developerId));
  el_torito_set_id_string(boot, id);
}

}  // namespace

std::int32_t AttachBootImage(IsoImage* image, const std::string& file, const foxabi::BootInfoRecord& info,
                             IsoNode*& node, std::string& error) {
  struct stat status {};
  if (file.empty()) {
    error = "no boot image is given";
    return foxabi::kErrBootImage;
  }
  if (stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    error = "the boot image " + file + " does not exist";
    return foxabi::kErrBootImage;
  }
  if (access(file.c_str(), R_OK) != 0) {
    error = "the boot image " + file + " cannot be read";
    return foxabi::kErrBootImage;
  }
  if (std::int32_t rc = CheckSettings(info, status.st_size, error); rc != foxabi::kOk) return rc;

  std::error_code failed;
  const std::string fullPath = std::filesystem::absolute(file, failed).string();
  const std::string name = FreeRootName(image, "boot.img");
  int rc = iso_tree_add_new_node(image, iso_image_get_root(image), name.c_str(), fullPath.c_str(), &node);
  if (rc < 0) {
    error = iso_error_to_msg(rc);
    node = nullptr;
    return foxabi::kErrBootImage;
  }
  iso_node_set_hidden(node, kHiddenEverywhere | LIBISO_HIDE_BUT_WRITE);
  ElToritoBootImage* boot = nullptr;
  const std::string catalog = "/" + FreeRootName(image, "boot.cat");
  rc = iso_image_set_boot_image(image, ("/" + name).c_str(), MediaType(info.emulation), catalog.c_str(), &boot);
  if (rc < 0) {
    // Hard disk emulation wants a master boot record with one partition.
    error = std::string("the boot image does not suit its emulation: ") + iso_error_to_msg(rc);
    DetachBootImage(image, node);
    return foxabi::kErrBootSettings;
  }
  iso_image_set_boot_catalog_hidden(image, kHiddenEverywhere);
  ApplySettings(boot, info);
  return foxabi::kOk;
}

void DetachBootImage(IsoImage* image, IsoNode*& node) {
  iso_image_remove_boot_image(image);
  if (node) iso_node_remove(node);
  node = nullptr;
}

}  // namespace burnlib
