// Converting files from the player's menu: every format and back checked by
// an outside decoder, the output's name, progress and cancel, and sources
// or targets that fail with one message and nothing left behind.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "PlayerWindowFixture.h"

namespace {

// What an outside decoder makes of a file.
struct TDecoded {
  std::string container;
  double seconds = 0;
  std::vector<std::int16_t> mono;  // at 44100 Hz
};

std::string RunCommand(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char buffer[4096];
  size_t got = 0;
  while (pipe && (got = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, got);
  return text;
}

TDecoded Decode(const std::string& path) {
  TDecoded decoded;
  decoded.container = RunCommand("ffprobe -v error -show_entries format=format_name -of csv=p=0 '" + path + "'");
  while (!decoded.container.empty() && decoded.container.back() == '\n') decoded.container.pop_back();
  const std::string duration =
      RunCommand("ffprobe -v error -show_entries format=duration -of csv=p=0 '" + path + "'");
  decoded.seconds = duration.empty() ? 0 : std::atof(duration.c_str());
  const std::string raw = RunCommand("ffmpeg -nostdin -v error -i '" + path + "' -f s16le -ac 1 -ar 44100 -");
  decoded.mono.resize(raw.size() / 2);
  std::memcpy(decoded.mono.data(), raw.data(), decoded.mono.size() * 2);
  return decoded;
}

// Share of the signal's energy at a frequency (Goertzel), skipping the
// encoders' ramps at both ends.
double ToneShare(const std::vector<std::int16_t>& samples, double frequency) {
  if (samples.size() < 8820) return 0;
  const double k = 2 * std::cos(2 * M_PI * frequency / 44100);
  double previous = 0, beforePrevious = 0, energy = 0;
  const size_t first = 4410, last = samples.size() - 4410;
  for (size_t i = first; i < last; ++i) {
    const double current = samples[i] + k * previous - beforePrevious;
    energy += static_cast<double>(samples[i]) * samples[i];
    beforePrevious = previous;
    previous = current;
  }
  const double power = previous * previous + beforePrevious * beforePrevious - k * previous * beforePrevious;
  return energy > 0 ? power / (energy * (last - first) / 2.0) : 0;
}

double RmsOf(const std::vector<std::int16_t>& samples) {
  if (samples.size() < 8820) return 0;
  double sum = 0;
  for (size_t i = 4410; i < samples.size() - 4410; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(sum / static_cast<double>(samples.size() - 8820));
}

class ConversionTest : public PlayerWindowFixture {
 protected:
  // The player on the test folder, converting next to the source without
  // overwriting.
  void ShowPlayer(const std::function<void()>& fill) {
    PlayerWindowFixture::ShowPlayer(fill);
    ::ConvertToSource = true;
    ::ConvertOverwrite = false;
  }
  // Opens the menu on a row and picks a convert item.
  static void Convert(const std::string& name, TMenuItem* item) {
    Select(name);
    frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
    ASSERT_TRUE(item->Enabled()) << item->Caption() << " on " << name;
    item->Click();
  }
  static bool Ended() { return !frmPlayer->ConversionRunning() && frmPlayer->ConvertingRowIndex() < 0; }
  static void WaitForEnd() {
    ASSERT_TRUE(PumpUntil(Ended, 30000));
    PumpFor(20);
  }
  static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
  // No half-written file anywhere in the folder.
  static bool NoPartialFiles(const std::string& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().filename().string().front() == '.') return false;
    return true;
  }
};

constexpr double kToneRms = 8000 / M_SQRT2;  // the fixture's tone

TEST_F(ConversionTest, AToneSurvivesEveryFormatAndTheWayBack) {
  ShowPlayer([this] { WriteTone(Folder() + "tone.wav", 2.0); });
  const struct {
    TMenuItem* item;
    const char* name;
    const char* container;
  } targets[] = {{frmPlayer->mnuConvertMp3, "tone.mp3", "mp3"},
                 {frmPlayer->mnuConvertOgg, "tone.ogg", "ogg"},
                 {frmPlayer->mnuConvertWma, "tone.wma", "asf"}};
  for (const auto& target : targets) {
    SCOPED_TRACE(target.name);
    Convert("tone.wav", target.item);
    WaitForEnd();
    ASSERT_GE(IndexOf(target.name), 0) << "the new file joins the list";
    EXPECT_EQ(Cell(IndexOf("tone.wav"), kColumnStatus).find("Converting"), std::string::npos);
    const TDecoded decoded = Decode(Folder() + target.name);
    EXPECT_EQ(decoded.container, target.container);
    EXPECT_NEAR(decoded.seconds, 2.0, 0.15);
    EXPECT_GT(ToneShare(decoded.mono, 440), 0.9);
    EXPECT_NEAR(20 * std::log10(RmsOf(decoded.mono) / kToneRms), 0, 1.5);

    // And back to WAV, beside the original, which keeps its name.
    Convert(target.name, frmPlayer->mnuConvertWav);
    WaitForEnd();
    const std::string back = Folder() + "tone New.wav";
    ASSERT_TRUE(Exists(back));
    const TDecoded wav = Decode(back);
    EXPECT_EQ(wav.container, "wav");
    EXPECT_NEAR(wav.seconds, 2.0, 0.15);
    EXPECT_GT(ToneShare(wav.mono, 440), 0.9);
    EXPECT_NEAR(20 * std::log10(RmsOf(wav.mono) / kToneRms), 0, 1.5);
    std::filesystem::remove(back);
    frmPlayer->RefreshFileList();
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(NoPartialFiles(Folder()));
}

TEST_F(ConversionTest, RowShowsTheProgressAndTheMenuFollowsTheRunningConversion) {
  ShowPlayer([this] { WriteTone(Folder() + "long.wav", 40.0); });
  Convert("long.wav", frmPlayer->mnuConvertOgg);
  std::vector<int> percents;
  int markerSeen = -1;
  bool menuChecked = false;
  ASSERT_TRUE(PumpUntil(
      [&] {
        const std::string status = Cell(IndexOf("long.wav"), kColumnStatus);
        int percent = -1;
        if (std::sscanf(status.c_str(), "Converting %d%% done", &percent) == 1 &&
            (percents.empty() || percents.back() != percent)) {
          percents.push_back(percent);
          markerSeen = TfrmPlayer::MarkerOf(Row(IndexOf("long.wav")));
          if (!menuChecked && frmPlayer->ConversionRunning()) {
            // Cancel on the converting row; no second conversion meanwhile.
            frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
            EXPECT_TRUE(frmPlayer->mnuCancel->Enabled());
            EXPECT_FALSE(frmPlayer->mnuConvertMp3->Enabled());
            EXPECT_FALSE(frmPlayer->mnuRename->Enabled());
            menuChecked = true;
          }
        }
        return Ended();
      },
      60000));
  ASSERT_FALSE(percents.empty());
  EXPECT_TRUE(menuChecked);
  EXPECT_EQ(markerSeen, kMarkerConverting);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_GE(percents.front(), 0);
  EXPECT_LE(percents.back(), 100);
  PumpFor(20);
  EXPECT_EQ(TfrmPlayer::MarkerOf(Row(IndexOf("long.wav"))), kMarkerOrdinary);
  EXPECT_NEAR(Decode(Folder() + "long.ogg").seconds, 40.0, 0.2);
}

TEST_F(ConversionTest, CancelRemovesTheOutputAndKeepsAnOldFileOfThatName) {
  ShowPlayer([this] {
    WriteTone(Folder() + "long.wav", 60.0);
    WriteTone(Folder() + "long.mp3", 1.0);  // stands for an older conversion
  });
  const auto oldSize = std::filesystem::file_size(Folder() + "long.mp3");
  ::ConvertOverwrite = true;
  Convert("long.wav", frmPlayer->mnuConvertMp3);
  ASSERT_TRUE(PumpUntil([] { return TfrmPlayer::MarkerOf(Row(IndexOf("long.wav"))) == kMarkerConverting; }));
  frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
  frmPlayer->mnuCancel->Click();
  WaitForEnd();
  EXPECT_EQ(std::filesystem::file_size(Folder() + "long.mp3"), oldSize);
  EXPECT_TRUE(NoPartialFiles(Folder()));
  EXPECT_EQ(TfrmPlayer::MarkerOf(Row(IndexOf("long.wav"))), kMarkerOrdinary);
  EXPECT_EQ(Cell(IndexOf("long.wav"), kColumnStatus), "");
  EXPECT_FALSE(frmPlayer->ConversionCancelled());

  // Closing the window asks first; Yes cancels too.
  Convert("long.wav", frmPlayer->mnuConvertWma);
  ASSERT_TRUE(frmPlayer->ConversionRunning());
  answers = {mrNo, mrYes};
  frmPlayer->Close();
  EXPECT_TRUE(frmPlayer->Visible());
  frmPlayer->Close();
  EXPECT_EQ(questions, (std::vector<std::string>(2, "Converting in progress, do you want to cancel ?")));
  ASSERT_TRUE(PumpUntil([] { return !frmPlayer->ConversionRunning(); }));
  PumpFor(20);
  EXPECT_FALSE(Exists(Folder() + "long.wma"));
  EXPECT_TRUE(NoPartialFiles(Folder()));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConversionTest, OutputNamesStayFreeUnlessOverwritingAndMayGoElsewhere) {
  ShowPlayer([this] {
    WriteTone(Folder() + "song.wav", 0.5);
    WriteTone(Folder() + "song.mp3", 0.2);
    WriteTone(Folder() + "empty.wav", 0);
  });
  ::ConvertOverwrite = false;
  Convert("song.wav", frmPlayer->mnuConvertMp3);
  WaitForEnd();
  EXPECT_EQ(frmPlayer->ConversionOutputPath(), Folder() + "song New.mp3");
  Convert("song.wav", frmPlayer->mnuConvertMp3);
  WaitForEnd();
  EXPECT_EQ(frmPlayer->ConversionOutputPath(), Folder() + "song New New.mp3");
  EXPECT_GE(IndexOf("song New New.mp3"), 0);

  // Overwriting replaces the old file and keeps one row for it.
  ::ConvertOverwrite = true;
  Convert("song.wav", frmPlayer->mnuConvertMp3);
  WaitForEnd();
  EXPECT_EQ(frmPlayer->ConversionOutputPath(), Folder() + "song.mp3");
  EXPECT_NEAR(Decode(Folder() + "song.mp3").seconds, 0.5, 0.1);
  const std::vector<std::string> names = Names();
  EXPECT_EQ(std::count(names.begin(), names.end(), "song.mp3"), 1);

  // An empty source gives an empty file.
  Convert("empty.wav", frmPlayer->mnuConvertOgg);
  WaitForEnd();
  ASSERT_GE(IndexOf("empty.ogg"), 0);
  EXPECT_EQ(Cell(IndexOf("empty.ogg"), kColumnDuration), "00 : 00 : 00");

  // Into the conversion folder (without its trailing slash): not listed.
  const std::string elsewhere = Scratch() + "converted";
  std::filesystem::create_directories(elsewhere);
  ::ConvertToSource = false;
  ::ConvertFolder = elsewhere;
  const int rows = RowCount();
  Convert("song.wav", frmPlayer->mnuConvertWma);
  WaitForEnd();
  EXPECT_EQ(frmPlayer->ConversionOutputPath(), elsewhere + "/song.wma");
  EXPECT_EQ(Decode(elsewhere + "/song.wma").container, "asf");
  EXPECT_EQ(RowCount(), rows);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConversionTest, FailuresSayWhyOnceAndLeaveNothingBehind) {
  ShowPlayer([this] {
    std::ofstream(Folder() + "broken.wav") << "RIFF....not a wave file at all";
    WriteTone(Folder() + "song.wav", 0.5);
  });
  Convert("broken.wav", frmPlayer->mnuConvertMp3);
  EXPECT_FALSE(frmPlayer->ConversionRunning());
  EXPECT_EQ(frmPlayer->ConvertingRowIndex(), -1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("broken.wav"), std::string::npos) << messages[0];
  EXPECT_FALSE(Exists(Folder() + "broken.mp3"));

  // A conversion folder that is not there.
  ::ConvertToSource = false;
  ::ConvertFolder = Folder() + "missing/";
  messages.clear();
  Convert("song.wav", frmPlayer->mnuConvertOgg);
  EXPECT_FALSE(frmPlayer->ConversionRunning());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("song.ogg"), std::string::npos) << messages[0];

  // Into its own format: refused, the file untouched.
  ::ConvertToSource = true;
  messages.clear();
  const auto size = std::filesystem::file_size(Folder() + "song.wav");
  Select("song.wav");
  frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
  EXPECT_FALSE(frmPlayer->mnuConvertWav->Enabled());
  frmPlayer->StartConversion("WAV");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(std::filesystem::file_size(Folder() + "song.wav"), size);
  EXPECT_TRUE(NoPartialFiles(Folder()));
}

}  // namespace
