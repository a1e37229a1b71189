#pragma once
// Reading a written disc or image back and comparing it with what was
// written. Each check reports the file it looks at and every fault it
// finds, and gives the number of faults; a set stop flag ends it early.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/burnlib/DataImage.h"

namespace burn {
struct burn_drive;
}

namespace burnlib {

struct VerifyReport {
  std::function<void(const std::string& file)> file;
  std::function<void(const std::string& file, const std::string& error)> error;
};

// Reads 2048-byte block `lba` of the medium into `buffer`; false on failure.
using BlockReader = std::function<bool(std::uint32_t lba, std::uint8_t* buffer)>;

// The blocks of an image file, or of the medium in a grabbed drive.
BlockReader ImageFileBlocks(const std::string& path);
BlockReader DriveBlocks(burn::burn_drive* drive);

// Reads the ISO 9660 session that starts at `startBlock` and compares
// every file of `files` with its source. `medium` names what is read.
int VerifyDataFiles(const BlockReader& read, std::uint32_t startBlock, const std::string& medium,
                    const std::vector<DiscFile>& files, const VerifyReport& report, const std::atomic<bool>& stop);

struct WrittenTrack {
  std::string source;   // the file the user added
  std::string cdAudio;  // its CD audio, as written
  std::int64_t bytes = 0;  // whole sectors
};

// Compares each track of a BIN image with the CD audio written into it.
int VerifyAudioImage(const std::string& binPath, const std::vector<WrittenTrack>& tracks,
                     const VerifyReport& report, const std::atomic<bool>& stop);

// Checks an audio CD in a grabbed drive: one track per written track, each
// as long, each sector readable. Audio reads are not exact to the sample,
// so the samples themselves are not compared.
int VerifyAudioDisc(burn::burn_drive* drive, const std::vector<WrittenTrack>& tracks, const VerifyReport& report,
                    const std::atomic<bool>& stop);

}  // namespace burnlib
