#pragma once
// Shared helpers of the audio file tests: a scratch folder, test signals,
// a tone detector and the command-line decoder as an outside witness.

#include "platform/audio/AudioFile2.h"
#include "platform/audio/AudioTypes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

class AudioFileTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }

  std::string folder_;
};

// frames of a sine at frequency Hz, the same in every channel.
TSampleBlock Tone(int sampleRate, int channels, int frames, double frequency, double amplitude = 0.5);
// frames of a rising sweep, 200 Hz upwards: no two stretches alike, so a
// shift by a few frames shows.
TSampleBlock Sweep(int sampleRate, int channels, int frames);
// frames of a slowly rising ramp, distinct at every position (lossless checks).
TSampleBlock Ramp(int channels, int frames, int startFrame = 0);

// Share of the energy of channel 0 that lies at frequency (Goertzel).
double ToneShare(const TSampleBlock& block, int sampleRate, int channels, double frequency);

// Writes block to path through a writer that chooseOutput sets up (WMA
// enabled); returns the writer's LastError after closing.
int WriteWith(const std::string& path, const std::function<void(TAudioFile2&)>& chooseOutput,
              const TSampleBlock& block);

// Reads the whole file through TAudioFile2 in blocks of one second.
TSampleBlock ReadAll(const std::string& path, int* sampleRate = nullptr, int* channels = nullptr);

// True when the command-line decoder reads the whole file without an error.
bool DecoderAccepts(const std::string& path);
// Frames the command-line decoder makes of the file; -1 when it fails.
std::int64_t DecoderFrameCount(const std::string& path);
// Writes size bytes of the given byte source into path.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
