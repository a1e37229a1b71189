#pragma once
// Writes uncompressed WAV files of 8, 16, 24 or 32 bit. The header is
// brought up to date every second of audio, so a file whose writer dies
// holds everything up to the last update.

#include "platform/audio/EncodedFileWriter.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace detail {

class WavWriter : public EncodedFileWriter {
 public:
  ~WavWriter() override;
  bool Open(const std::string& path, int sampleRate, int channels, int bitsPerSample);
  bool Write(const std::int16_t* samples, int frames) override;
  bool Finish() override;

 private:
  bool FlushBuffer();
  bool WriteHeader();
  void SyncToDiskNowAndThen();

  int fd_ = -1;
  int sampleRate_ = 0;
  int channels_ = 0;
  int bytesPerSample_ = 0;
  std::uint64_t dataBytes_ = 0;        // audio bytes on disk
  std::uint64_t bytesAtHeader_ = 0;    // audio bytes the header last described
  std::vector<std::uint8_t> buffer_;   // converted audio not yet on disk
  std::chrono::steady_clock::time_point lastSync_;
};

}  // namespace detail
