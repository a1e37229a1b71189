#pragma once
// Bootable data discs: the boot image file becomes the El Torito default
// entry of the image, with the boot information record's settings. The
// file and the boot catalog are hidden from every directory tree, so the
// disc shows the project's files only.

#include <cstdint>
#include <string>

#include "platform/burnlib/FoxBurnerAbi.h"

struct Iso_Image;
struct Iso_Node;

namespace burnlib {

// Checks the boot image `file` against the settings and attaches it;
// `node` receives what was added to the tree. Before anything is changed,
// a missing or unreadable file gives kErrBootImage, settings the file
// does not suit kErrBootSettings, each with the reason in `error`.
std::int32_t AttachBootImage(Iso_Image* image, const std::string& file, const foxabi::BootInfoRecord& info,
                             Iso_Node*& node, std::string& error);

// Makes the image plain again; `node` is what AttachBootImage added.
void DetachBootImage(Iso_Image* image, Iso_Node*& node);

}  // namespace burnlib
