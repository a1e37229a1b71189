#pragma once
// The disc in the image drive. By default a blank CD-R: every burn makes
// new image files, so the drive always finds it blank. With
// FOXBURNER_IMAGE_MEDIUM=cd-rw it is a rewritable CD that keeps what was
// burnt onto it: the bytes written are recorded in "CD-RW.disc" in the
// image folder, a written disc is closed and takes no further burn, and
// erasing it (either way, at once) removes the record.

#include <cstdint>
#include <string>

#include "platform/burnlib/FoxBurnerAbi.h"

namespace burnlib {

bool ImageDiscRewritable();

// The medium record of the image drive's disc.
void ReadImageDisc(foxabi::MediumRecord& m);

// Bytes written onto the rewritable disc; 0 when blank (or not rewritable).
std::int64_t ImageDiscUsed();

// Records a burn onto the rewritable disc; nothing for a CD-R.
void RecordImageDiscBurn(std::int64_t bytes);

// Blanks the rewritable disc: the empty string, else the reason.
std::string EraseImageDisc();

}  // namespace burnlib
