#pragma once
// Writes MP3 files through the LAME encoder.

#include "platform/audio/EncodedFileWriter.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace detail {

struct Mp3EncoderSettings {
  bool constantBitRate = true;
  int bitRateKbps = 128;
  int maxBitRateKbps = 320;
  bool vbrHeader = false;
  int vbrMode = 0;
  int vbrQuality = 4;       // 0 best .. 9 smallest
  int encoderQuality = 2;   // 0 best .. 9 fastest
};

class Mp3Writer : public EncodedFileWriter {
 public:
  ~Mp3Writer() override;
  bool Open(const std::string& path, int sampleRate, int channels, const Mp3EncoderSettings& settings);
  bool Write(const std::int16_t* samples, int frames) override;
  bool Finish() override;

 private:
  bool WriteEncoded(int bytes);
  void Release();

  void* encoder_ = nullptr;  // the library's encoder state
  std::FILE* file_ = nullptr;
  int channels_ = 0;
  bool writeTag_ = false;
  std::vector<unsigned char> encoded_;
};

}  // namespace detail
