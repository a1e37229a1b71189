#pragma once
// Audio CD images: the BIN file holds the CD audio of every track one
// after the other (16-bit little-endian stereo, 44100 Hz), the CUE sheet
// beside it says where each track starts.

#include <cstdint>
#include <string>
#include <vector>

namespace burnlib {

// The CUE sheet of a BIN file whose tracks have these sizes in bytes.
std::string CueSheetText(const std::string& binName, const std::vector<std::int64_t>& trackBytes);

// Cuts the BIN file to the tracks' total (the image drive pads to its own
// block size) and writes the CUE sheet; the empty string or the reason.
std::string FinishCueImage(const std::string& binPath, const std::string& cuePath,
                           const std::vector<std::int64_t>& trackBytes);

}  // namespace burnlib
