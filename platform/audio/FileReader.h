#pragma once
// Decodes one audio file (WAV, MP3, OGG or WMA) into interleaved 16-bit
// blocks, or into full-scale floats written straight where the caller
// wants them, one run per channel. The length is known exactly once the file is opened, from the
// packet timestamps where the container's are exact (MP3, OGG), otherwise
// by decoding; positioning lands on the exact sample asked for.

#include "platform/audio/AudioTypes.h"

#include <cstdint>
#include <memory>
#include <string>

namespace detail {

class FileReader {
 public:
  FileReader();
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // Returns AUDIO_OK or an AUDIO_ERR_* code; ErrorText() then says why.
  int Open(const std::string& path, bool allowWma);
  void Close();
  bool IsOpen() const;

  int SampleRate() const;
  int Channels() const;  // channels delivered: at most two
  std::int64_t LengthFrames() const;
  std::int64_t Position() const;
  const std::string& FormatText() const;
  const std::string& ErrorText() const;

  // Up to frames frames from the current position; empty at the end.
  TSampleBlock Read(std::int64_t frames);
  // Up to frames frames from the current position into planes, one
  // pointer per channel with room for frames floats each. Returns the
  // frames written: 0 at the end.
  std::int64_t ReadFloat(std::int64_t frames, float* const* planes);
  // Moves to frame (clamped to 0..length) and returns the frame reached.
  std::int64_t Seek(std::int64_t frame);

 private:
  // Switches between 16-bit and float output, decoding again from the
  // position what was decoded ahead for the other.
  void UseFloatOutput(bool useFloat);

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace detail
