#pragma once
// Sound files for the playback tests.

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <string>

#include "platform/audio/AudioFile2.h"

// A WAV file of a 440 Hz tone (no samples for 0 seconds).
inline void WriteTone(const std::string& path, double seconds, int rate = 44100, int channels = 2) {
  TAudioFile2 file;
  file.SetWAVOutput(rate, channels, 16);
  file.CreateWrite(path, 0);
  TSampleBlock block;
  for (int i = 0; i < static_cast<int>(seconds * rate); ++i)
    block.insert(block.end(), channels, static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 440.0 * i / rate)));
  if (!block.empty()) file.WriteBlock(block);
  file.Close();
}

// An MP3 file of the same tone, encoded by the writer.
inline void WriteMp3Tone(const std::string& path, double seconds, int rate = 44100, int channels = 2) {
  const std::string wav = path + ".wav";
  WriteTone(wav, seconds, rate, channels);
  TAudioFile2 in, out;
  in.OpenRead(wav, 0, 1);
  out.SetMP3Output(rate, channels == 1 ? 64 : 128, channels);
  out.CreateWrite(path, 0);
  out.WriteBlock(in.ReadBlock(in.LengthSamples()));
  out.Close();
  in.Close();
  std::remove(wav.c_str());
}
