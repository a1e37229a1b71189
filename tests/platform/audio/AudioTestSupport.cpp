#include "AudioTestSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

void AudioFileTest::SetUp() {
  char pattern[] = "/tmp/audiofile-test-XXXXXX";
  char* made = mkdtemp(pattern);
  ASSERT_NE(made, nullptr);
  folder_ = made;
}

void AudioFileTest::TearDown() { std::filesystem::remove_all(folder_); }

TSampleBlock Tone(int sampleRate, int channels, int frames, double frequency, double amplitude) {
  TSampleBlock block(static_cast<size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i) {
    auto value = static_cast<std::int16_t>(std::lround(32767.0 * amplitude * std::sin(2 * M_PI * frequency * i / sampleRate)));
    for (int c = 0; c < channels; ++c) block[static_cast<size_t>(i) * channels + c] = value;
  }
  return block;
}

TSampleBlock Sweep(int sampleRate, int channels, int frames) {
  TSampleBlock sweep(static_cast<size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i) {
    double t = static_cast<double>(i) / sampleRate;
    auto value = static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * (200 * t + 150 * t * t)));
    for (int c = 0; c < channels; ++c) sweep[static_cast<size_t>(i) * channels + c] = value;
  }
  return sweep;
}

TSampleBlock Ramp(int channels, int frames, int startFrame) {
  TSampleBlock block(static_cast<size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      block[static_cast<size_t>(i) * channels + c] = static_cast<std::int16_t>(((startFrame + i) * 7 + c * 1000) % 30000 - 15000);
  return block;
}

double ToneShare(const TSampleBlock& block, int sampleRate, int channels, double frequency) {
  size_t frames = block.size() / channels;
  if (frames == 0) return 0;
  double coefficient = 2 * std::cos(2 * M_PI * frequency / sampleRate);
  double previous = 0, beforePrevious = 0, energy = 0;
  for (size_t i = 0; i < frames; ++i) {
    double x = block[i * channels];
    energy += x * x;
    double current = x + coefficient * previous - beforePrevious;
    beforePrevious = previous;
    previous = current;
  }
  double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
  // A pure tone of N samples carries N/2 times its energy in the Goertzel bin.
  return energy > 0 ? power / (energy * frames / 2.0) : 0;
}

int WriteWith(const std::string& path, const std::function<void(TAudioFile2&)>& chooseOutput,
              const TSampleBlock& block) {
  TAudioFile2 writer;
  writer.SetWMAEnabled(true);
  chooseOutput(writer);
  writer.CreateWrite(path, 0);
  if (writer.LastError() != 0) return writer.LastError();
  writer.WriteBlock(block);
  writer.Close();
  return writer.LastError();
}

TSampleBlock ReadAll(const std::string& path, int* sampleRate, int* channels) {
  TAudioFile2 file;
  file.SetWMAEnabled(true);
  file.OpenRead(path, 0, 1);
  TSampleBlock all;
  if (file.LastError() != 0) return all;
  if (sampleRate) *sampleRate = file.FileSampleRate();
  if (channels) *channels = file.FileChannels();
  for (;;) {
    TSampleBlock block = file.ReadBlock(file.FileSampleRate());
    if (block.empty()) break;
    all.insert(all.end(), block.begin(), block.end());
  }
  return all;
}

bool DecoderAccepts(const std::string& path) {
  std::string command = "ffmpeg -nostdin -v error -xerror -i '" + path + "' -f null - 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

std::int64_t DecoderFrameCount(const std::string& path) {
  std::string command = "ffmpeg -nostdin -v error -i '" + path + "' -ac 1 -f s16le - 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return -1;
  std::int64_t bytes = 0;
  char buffer[65536];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) bytes += static_cast<std::int64_t>(got);
  return pclose(pipe) == 0 ? bytes / 2 : -1;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}
