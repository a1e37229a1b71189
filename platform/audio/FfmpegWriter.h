#pragma once
// Writes OGG (Vorbis) and WMA (ASF) files through the codec libraries.

#include "platform/audio/EncodedFileWriter.h"

#include <cstdint>
#include <memory>
#include <string>

namespace detail {

struct FfmpegOutput {
  std::string container;     // "ogg" or "asf"
  std::string encoder;       // "libvorbis" or "wmav2"
  int sampleRate = 44100;
  int channels = 2;
  int bitRate = 0;           // bits per second, when the encoder takes a bit rate
  double quality = -1;       // 0..10, when the encoder takes a quality instead
  // The WMA decoder cannot use the first frame of a file (its bit reservoir
  // is still empty), and a frame decodes whole only with the next one (the
  // windows overlap). A frame of silence before the samples and one after
  // them keep the first and the last sound; the file decodes at most two
  // frames longer than what was written, the rest silence.
  bool silentFrameAtEachEnd = false;
};

class FfmpegWriter : public EncodedFileWriter {
 public:
  FfmpegWriter();
  ~FfmpegWriter() override;
  bool Open(const std::string& path, const FfmpegOutput& output);
  bool Write(const std::int16_t* samples, int frames) override;
  bool Finish() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace detail
