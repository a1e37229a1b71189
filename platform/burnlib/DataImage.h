#pragma once
// The file tree of a data disc, written as an ISO 9660 image (with Rock
// Ridge, and Joliet when asked) through libisofs.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/burnlib/FoxBurnerAbi.h"


namespace burn {
struct burn_source;
}

namespace burnlib {

// A file of the disc and the file it is written from.
struct DiscFile {
  std::string discPath;  // "/folder/name"
  std::string source;
};

class DataImage {
 public:
  DataImage();
  ~DataImage();
  DataImage(const DataImage&) = delete;
  DataImage& operator=(const DataImage&) = delete;

  // Adds the file `source` (a relative path counts from the current
  // folder) into the folder `destination` of the disc ("" or "\" is the
  // root; "\" or "/" separate folders). On failure returns false with the
  // reason; the tree is unchanged.
  bool AddFile(const std::string& source, const std::string& destination, std::string& error,
               std::string& discPath);
  int FileCount() const { return files_; }
  // Every file the disc shows, with its source.
  std::vector<DiscFile> Files() const;

  // Makes the image bootable from options.bootImage when options.bootable
  // is set, else plain; kOk, or an error code with the reason.
  std::int32_t SetBoot(const foxabi::OptionsRecord& options, const foxabi::BootInfoRecord& info,
                       std::string& error);

  // A stream of the whole image, starting at sector `startSector` of the
  // medium; nullptr with the reason on failure. With Joliet, names over
  // its limit are shortened in the tree for good (see JolietNames.h).
  burn::burn_source* CreateSource(const foxabi::OptionsRecord& options, const foxabi::IsoInfoRecord& info,
                            std::uint32_t startSector, std::string& error);

 private:
  struct Impl;
  Impl* impl_;
  int files_ = 0;
};

// Starts and ends libisofs for the library's lifetime.
bool StartIsoLibrary();
void EndIsoLibrary();

}  // namespace burnlib
