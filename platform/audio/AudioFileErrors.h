#pragma once
// Error codes of the file components (LastError). 0 is success.

#include "platform/base/Exceptions.h"

#include <string>

constexpr int AUDIO_OK = 0;
constexpr int AUDIO_ERR_FILE_NOT_FOUND = 1;
constexpr int AUDIO_ERR_EMPTY_FILE = 2;
constexpr int AUDIO_ERR_UNKNOWN_FORMAT = 3;
constexpr int AUDIO_ERR_NO_AUDIO = 4;
constexpr int AUDIO_ERR_DECODER = 5;
constexpr int AUDIO_ERR_WMA_DISABLED = 6;
constexpr int AUDIO_ERR_BAD_OUTPUT_FORMAT = 7;
constexpr int AUDIO_ERR_CREATE = 8;
constexpr int AUDIO_ERR_ENCODER = 9;
constexpr int AUDIO_ERR_WRITE = 10;
constexpr int AUDIO_ERR_NOT_OPEN = 11;
constexpr int AUDIO_ERR_BAD_INPUT_FORMAT = 12;

// Raised by writer calls that fail while the caller does not check LastError.
class EAudioFileError : public Exception {
 public:
  EAudioFileError(int code, const std::string& message) : Exception(message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};
