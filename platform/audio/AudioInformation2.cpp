#include "platform/audio/AudioInformation2.h"

#include "platform/audio/AudioFileErrors.h"
#include "platform/audio/FileReader.h"

void TAudioInformation2::Open(const std::string& fileName) {
  detail::FileReader reader;
  lastError_ = reader.Open(fileName, wmaEnabled_);
  if (lastError_ != AUDIO_OK) {
    sampleRate_ = channels_ = 0;
    lengthSamples_ = 0;
    formatText_ = "Unreadable file";
    return;
  }
  sampleRate_ = reader.SampleRate();
  channels_ = reader.Channels();
  lengthSamples_ = reader.LengthFrames();
  formatText_ = reader.FormatText();
}

std::int64_t TAudioInformation2::DurationMs() const {
  return sampleRate_ > 0 ? lengthSamples_ * 1000 / sampleRate_ : 0;
}
