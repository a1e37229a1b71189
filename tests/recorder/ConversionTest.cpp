// Converting files from the player's menu: every format and back checked by
// an outside decoder, progress, cancel, output names, and failures that say
// why once and leave nothing behind.

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

#include "PlayerWindowFixture.h"
#include "recorder/GlobeVar.h"

namespace {

std::string Run(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  for (int c; pipe && (c = fgetc(pipe.get())) != EOF;) out += static_cast<char>(c);
  return out;
}

// The outside decoder's view: "container,seconds", and the level in dB
// against the fixture's tone and the share of it at 440 Hz, leaving out
// the encoders' ramps at both ends.
struct TDecoded {
  std::string format;
  double levelDb = -100;
  double toneShare = 0;
};

TDecoded Decode(const std::string& path) {
  TDecoded d;
  d.format = Run("ffprobe -v error -show_entries format=format_name,duration -of csv=p=0 '" + path + "'");
  const std::string raw = Run("ffmpeg -nostdin -v error -i '" + path + "' -f s16le -ac 1 -ar 44100 -");
  const auto* s = reinterpret_cast<const std::int16_t*>(raw.data());
  const size_t n = raw.size() / 2, first = 4410, last = n > 2 * first ? n - first : first;
  const double k = 2 * std::cos(2 * M_PI * 440 / 44100);
  double previous = 0, beforePrevious = 0, energy = 0;
  for (size_t i = first; i < last; ++i) {
    const double current = s[i] + k * previous - beforePrevious;
    beforePrevious = previous;
    previous = current;
    energy += static_cast<double>(s[i]) * s[i];
  }
  if (energy <= 0) return d;
  const double power = previous * previous + beforePrevious * beforePrevious - k * previous * beforePrevious;
  d.toneShare = power / (energy * (last - first) / 2.0);
  d.levelDb = 20 * std::log10(std::sqrt(energy / (last - first)) / (8000 / M_SQRT2));
  return d;
}

class ConversionTest : public PlayerWindowFixture {
 protected:
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
  static int Marker(const std::string& name) { return TfrmPlayer::MarkerOf(Row(IndexOf(name))); }
  // Nothing half-written is left in the folder.
  static bool NoPartialFiles(const std::string& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().filename().string().front() == '.') return false;
    return true;
  }
};

TEST_F(ConversionTest, AToneSurvivesEveryFormatAndTheWayBack) {
  ShowPlayer([this] { WriteTone(Folder() + "tone.wav", 2.0); });
  const std::pair<TMenuItem*, std::string> targets[] = {
      {frmPlayer->mnuConvertMp3, "mp3"}, {frmPlayer->mnuConvertOgg, "ogg"}, {frmPlayer->mnuConvertWma, "wma"}};
  for (const auto& [item, extension] : targets) {
    SCOPED_TRACE(extension);
    Convert("tone.wav", item);
    WaitForEnd();
    ASSERT_GE(IndexOf("tone." + extension), 0) << "the new file joins the list";
    // And back to WAV, beside the original, which keeps its name.
    Convert("tone." + extension, frmPlayer->mnuConvertWav);
    WaitForEnd();
    for (const std::string& name : {"tone." + extension, std::string("tone New.wav")}) {
      const TDecoded decoded = Decode(Folder() + name);
      const std::string container = name == "tone.wma" ? "asf" : name.substr(name.size() - 3);
      EXPECT_EQ(decoded.format.substr(0, 3), container);
      EXPECT_NEAR(std::atof(decoded.format.substr(decoded.format.find(',') + 1).c_str()), 2.0, 0.15) << name;
      EXPECT_GT(decoded.toneShare, 0.9) << name;
      EXPECT_NEAR(decoded.levelDb, 0, 1.5) << name;
    }
    std::filesystem::remove(Folder() + "tone New.wav");
    frmPlayer->RefreshFileList();
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(NoPartialFiles(Folder()));
}

TEST_F(ConversionTest, ProgressShowsInTheRowAndCancelKeepsAnOldFileOfTheOutputName) {
  ShowPlayer([this] {
    WriteTone(Folder() + "long.wav", 60.0);
    WriteTone(Folder() + "long.mp3", 1.0);  // an older conversion
  });
  const auto oldSize = std::filesystem::file_size(Folder() + "long.mp3");
  ::ConvertOverwrite = true;
  Convert("long.wav", frmPlayer->mnuConvertMp3);
  int percent = -1;
  ASSERT_TRUE(PumpUntil([&] {
    return std::sscanf(Cell(IndexOf("long.wav"), kColumnStatus).c_str(), "Converting %d%% done", &percent) == 1;
  }));
  EXPECT_EQ(Marker("long.wav"), kMarkerConverting);
  EXPECT_TRUE(percent >= 0 && percent < 100) << percent;
  // Cancel is offered on this row; no second conversion meanwhile.
  frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
  EXPECT_FALSE(frmPlayer->mnuConvertOgg->Enabled());
  ASSERT_TRUE(frmPlayer->mnuCancel->Enabled());
  frmPlayer->mnuCancel->Click();
  WaitForEnd();
  EXPECT_EQ(std::filesystem::file_size(Folder() + "long.mp3"), oldSize);
  EXPECT_EQ(Marker("long.wav"), kMarkerOrdinary);

  // Closing the window asks first; Yes cancels too.
  Convert("long.wav", frmPlayer->mnuConvertWma);
  answers = {mrNo, mrYes};
  frmPlayer->Close();
  EXPECT_TRUE(frmPlayer->Visible());
  frmPlayer->Close();
  EXPECT_EQ(questions, (std::vector<std::string>(2, "Converting in progress, do you want to cancel ?")));
  ASSERT_TRUE(PumpUntil([] { return !frmPlayer->ConversionRunning(); }));
  PumpFor(20);
  EXPECT_FALSE(std::filesystem::exists(Folder() + "long.wma"));
  EXPECT_TRUE(NoPartialFiles(Folder()));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConversionTest, OutputNamesStayFreeUnlessOverwritingAndMayGoElsewhere) {
  ShowPlayer([this] {
    WriteTone(Folder() + "song.wav", 0.5);
    WriteTone(Folder() + "song.mp3", 0.2);
    WriteTone(Folder() + "empty.wav", 0);
  });
  for (const char* expected : {"song New.mp3", "song New New.mp3"}) {
    Convert("song.wav", frmPlayer->mnuConvertMp3);
    WaitForEnd();
    EXPECT_EQ(frmPlayer->ConversionOutputPath(), Folder() + expected);
  }
  // Overwriting replaces the old file and keeps one row for it.
  ::ConvertOverwrite = true;
  Convert("song.wav", frmPlayer->mnuConvertMp3);
  WaitForEnd();
  EXPECT_EQ(Cell(IndexOf("song.mp3"), kColumnSize), FormatByteSize(std::filesystem::file_size(Folder() + "song.mp3")));
  EXPECT_EQ(Decode(Folder() + "song.mp3").format.substr(0, 3), "mp3");
  const std::vector<std::string> names = Names();
  EXPECT_EQ(std::count(names.begin(), names.end(), "song.mp3"), 1);
  // An empty source gives an empty file.
  Convert("empty.wav", frmPlayer->mnuConvertOgg);
  WaitForEnd();
  EXPECT_GE(IndexOf("empty.ogg"), 0);

  // Into the conversion folder, given without its closing slash: not listed.
  const std::string elsewhere = Scratch() + "converted";
  std::filesystem::create_directories(elsewhere);
  ::ConvertToSource = false;
  ::ConvertFolder = elsewhere;
  const int rows = RowCount();
  Convert("song.wav", frmPlayer->mnuConvertWma);
  WaitForEnd();
  EXPECT_TRUE(std::filesystem::exists(elsewhere + "/song.wma"));
  EXPECT_EQ(RowCount(), rows);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConversionTest, FailuresSayWhyOnceAndLeaveNothingBehind) {
  ShowPlayer([this] {
    std::ofstream(Folder() + "broken.wav") << "RIFF....not a wave file at all";
    WriteTone(Folder() + "song.wav", 0.5);
    WriteTone(Folder() + "long.wav", 60.0);
  });
  auto expectOneMessageNaming = [this](const std::string& name) {
    EXPECT_FALSE(frmPlayer->ConversionRunning());
    EXPECT_EQ(frmPlayer->ConvertingRowIndex(), -1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(name), std::string::npos) << messages[0];
    messages.clear();
  };
  Convert("broken.wav", frmPlayer->mnuConvertMp3);
  expectOneMessageNaming("broken.wav");

  ::ConvertToSource = false;
  ::ConvertFolder = Folder() + "missing/";
  Convert("song.wav", frmPlayer->mnuConvertOgg);
  expectOneMessageNaming("song.ogg");
  ::ConvertToSource = true;

  // Into its own format (never offered by the menu): refused.
  frmPlayer->StartConversion("WAV");
  expectOneMessageNaming("song.wav");

  // The disk fills up during the copy (a file size limit stands for it).
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{200000, saved.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  Convert("long.wav", frmPlayer->mnuConvertMp3);
  WaitForEnd();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedSignal);
  expectOneMessageNaming("long.mp3");
  EXPECT_EQ(IndexOf("long.mp3"), -1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"broken.wav", "long.wav", "song.wav"}));
  EXPECT_TRUE(NoPartialFiles(Folder()));
}

}  // namespace
