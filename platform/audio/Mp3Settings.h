#pragma once
// The process-wide MP3 encoder settings behind TAudioFile2LameEnc.

#include "platform/audio/Mp3Writer.h"

#include <functional>

namespace detail {

Mp3EncoderSettings CurrentMp3Settings();
void ChangeMp3Settings(const std::function<void(Mp3EncoderSettings&)>& change);

}  // namespace detail
