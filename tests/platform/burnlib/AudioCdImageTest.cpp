// Burning an audio CD onto the image drive: a BIN of the tracks' CD audio
// and a CUE sheet with one entry per track.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "BurnFixture.h"

namespace {

struct CueTrack {
  int number;
  int startSector;
};

std::vector<CueTrack> ParseCue(const std::string& text, std::string& binName) {
  std::vector<CueTrack> tracks;
  std::smatch m;
  std::regex file("FILE \"([^\"]+)\" BINARY");
  if (std::regex_search(text, m, file)) binName = m[1];
  std::regex track("TRACK (\\d+) AUDIO\\s+INDEX 01 (\\d+):(\\d+):(\\d+)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), track); it != std::sregex_iterator(); ++it) {
    const std::smatch& t = *it;
    tracks.push_back({std::stoi(t[1]), (std::stoi(t[2]) * 60 + std::stoi(t[3])) * 75 + std::stoi(t[4])});
  }
  return tracks;
}

class AudioCdImage : public BurnFixture {};

TEST_F(AudioCdImage, TwoTonesBecomeTwoTracksWithTheInputSamples) {
  auto first = WriteToneWav(folder_ + "a.wav", 2.0, 440);   // 150 sectors exactly
  auto second = WriteToneWav(folder_ + "b.wav", 1.5, 660);  // 112.5 sectors: padded
  SelectImageDrive();
  foxabi::MediumRecord medium{};
  ASSERT_EQ(GetMediumInformation(&medium), 0);
  EXPECT_EQ(medium.typeCode, foxabi::kMediumCdR);
  EXPECT_EQ(medium.status, 0);

  ASSERT_EQ(CreateProject(foxabi::kProjectAudioCd), 0);
  ASSERT_EQ(AddFile((folder_ + "a.wav").c_str(), "\\", "", 0, 0), 0);
  ASSERT_EQ(AddFile((folder_ + "b.wav").c_str(), "\\", "", 0, 0), 0);
  SetVolumeLabel("Tones");
  ASSERT_EQ(BurnAndWait(), "");

  std::string bin;
  auto cue = ReadFile(imageFolder_ + "Tones.cue");
  auto tracks = ParseCue(std::string(cue.begin(), cue.end()), bin);
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(bin, "Tones.bin");
  EXPECT_EQ(tracks[0].number, 1);
  EXPECT_EQ(tracks[0].startSector, 0);
  EXPECT_EQ(tracks[1].startSector, 150);

  auto image = ReadFile(imageFolder_ + "Tones.bin");
  ASSERT_EQ(image.size(), (150u + 113u) * 2352u);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), image.begin()));
  auto secondStart = image.begin() + 150 * 2352;
  EXPECT_TRUE(std::equal(second.begin(), second.end(), secondStart));
  EXPECT_TRUE(std::all_of(secondStart + static_cast<long>(second.size()), image.end(), [](auto b) { return b == 0; }));
}

TEST_F(AudioCdImage, ASecondBurnNeverOverwritesTheFirstImage) {
  WriteToneWav(folder_ + "a.wav", 0.5, 440);
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectAudioCd), 0);
  ASSERT_EQ(AddFile((folder_ + "a.wav").c_str(), "\\", "", 0, 0), 0);
  ASSERT_EQ(BurnAndWait(), "");
  ASSERT_EQ(BurnAndWait(), "");
  EXPECT_TRUE(std::filesystem::exists(imageFolder_ + "Audio CD.cue"));
  EXPECT_TRUE(std::filesystem::exists(imageFolder_ + "Audio CD 2.cue"));
  EXPECT_TRUE(std::filesystem::exists(imageFolder_ + "Audio CD 2.bin"));
}

TEST_F(AudioCdImage, ATestBurnSucceedsAndLeavesNoImage) {
  WriteToneWav(folder_ + "a.wav", 0.5, 440);
  SelectImageDrive();
  foxabi::OptionsRecord options{};
  ASSERT_EQ(GetOptions(&options), 0);
  options.testBurn = 1;
  ASSERT_EQ(SetOptions(options), 0);
  ASSERT_EQ(CreateProject(foxabi::kProjectAudioCd), 0);
  ASSERT_EQ(AddFile((folder_ + "a.wav").c_str(), "\\", "", 0, 0), 0);
  EXPECT_EQ(BurnAndWait(), "");
  EXPECT_TRUE(std::filesystem::is_empty(imageFolder_));
}

TEST_F(AudioCdImage, CompressedFilesAreDecodedToCdAudio) {
  WriteToneWav(folder_ + "tone.wav", 1.0, 440);
  const std::string mp3 = folder_ + "tone.mp3", ogg = folder_ + "tone.ogg";
  const std::string ffmpeg = "ffmpeg -loglevel error -y -i '" + folder_ + "tone.wav' -ar 22050 -af 'pan=mono|c0=c0' ";
  if (std::system((ffmpeg + "'" + mp3 + "'").c_str()) != 0 || std::system((ffmpeg + "'" + ogg + "'").c_str()) != 0)
    GTEST_SKIP() << "ffmpeg cannot make the test files";
  // The decoder reports its progress and the format of each file.
  static std::vector<std::pair<float, int>> progress;
  progress.clear();
  SetAudioDecoderEventCallback([](float percent, const char*, std::uint8_t format,
                                  void*) { progress.push_back({percent, format}); },
                               nullptr);
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectAudioCd), 0);
  ASSERT_EQ(AddFile(mp3.c_str(), "\\", "", 0, 0), 0);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), std::make_pair(100.0f, 2));
  ASSERT_EQ(AddFile(ogg.c_str(), "\\", "", 0, 0), 0);
  EXPECT_EQ(progress.back(), std::make_pair(100.0f, 3));
  ASSERT_EQ(BurnAndWait(), "");
  std::string bin;
  auto cue = ReadFile(imageFolder_ + "Audio CD.cue");
  auto tracks = ParseCue(std::string(cue.begin(), cue.end()), bin);
  ASSERT_EQ(tracks.size(), 2u);
  // One second of 22050 Hz mono becomes about 75 sectors of CD audio.
  EXPECT_NEAR(tracks[1].startSector, 75, 2);
  auto image = ReadFile(imageFolder_ + bin);
  EXPECT_NEAR(static_cast<double>(image.size()) / 2352, 150, 4);
  // Mono reaches both channels alike, at the tone's loudness.
  int loud = 0;
  for (size_t i = 2352 * 10; i + 4 <= 2352 * 60; i += 4) {
    auto left = static_cast<std::int16_t>(image[i] | image[i + 1] << 8);
    auto right = static_cast<std::int16_t>(image[i + 2] | image[i + 3] << 8);
    EXPECT_NEAR(left, right, 1);
    loud += left > 5000;
  }
  EXPECT_GT(loud, 1000);
}

TEST_F(AudioCdImage, UnreadableFilesAreRefusedAndReported) {
  struct Decoded {
    std::string file, error;
    std::int32_t code = 0;
  };
  static std::vector<Decoded> reports;
  reports.clear();
  SetAudioDecodeDoneEventCallback(
      [](const char* file, const char* error, std::int32_t code, void*) {
        reports.push_back({file, error ? error : "", code});
      },
      nullptr);
  WriteFile(folder_ + "broken.wav", "RIFF\x10\0\0\0WAVEjunkjunkjunk");
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectAudioCd), 0);
  EXPECT_EQ(AddFile((folder_ + "missing.wav").c_str(), "\\", "", 0, 0), foxabi::kErrFileNotReadable);
  EXPECT_EQ(AddFile((folder_ + "broken.wav").c_str(), "\\", "", 0, 0), foxabi::kErrFileNotReadable);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_FALSE(reports[0].error.empty());
  EXPECT_EQ(reports[1].code, foxabi::kErrFileNotReadable);
  // Nothing was added, so there is nothing to burn.
  EXPECT_EQ(Prepare(), foxabi::kErrProjectEmpty);
}

}  // namespace
