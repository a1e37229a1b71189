#include "platform/burnlib/ErrorTexts.h"

#include "platform/burnlib/FoxBurnerAbi.h"

namespace burnlib {

std::string ErrorText(std::int32_t code) {
  using namespace foxabi;
  switch (code) {
    case kOk: return "No error";
    case kErrNotInitialized: return "The burner library is not initialized";
    case kErrNoDevice: return "No such device, or no device selected";
    case kErrNotReady: return "The device is not ready: no medium";
    case kErrNoProject: return "No project has been created";
    case kErrFileNotReadable: return "The file cannot be read or holds no audio";
    case kErrProjectEmpty: return "The project holds no files";
    case kErrBusy: return "The device is busy with a burn or an erase";
    case kErrNotSupported: return "This function is not supported";
    case kErrMediumNotWritable: return "The medium cannot be written";
    case kErrMediumNotErasable: return "The medium cannot be erased";
    case kErrImageFolder: return "The image folder cannot be written";
    case kErrNoSpace: return "Not enough free space for this project";
    case kErrInvalidArgument: return "Invalid argument";
    case kErrDriveFailure: return "The drive reported a failure";
    case kErrTempFolder: return "The temporary folder cannot be written";
    case kErrNotPrepared: return "The project has not been prepared";
    case kErrBufferTooSmall: return "The buffer is too small";
    case kErrBootImage: return "The boot image file is missing or cannot be read";
    case kErrBootSettings:
      return "The boot image does not suit the boot settings: a floppy emulation needs an image of exactly "
             "that floppy's size, a hard disk emulation one with a single partition";
    default: return "";
  }
}

}  // namespace burnlib
