// Save As and Save Select As through the real writer, the files checked
// with ffprobe; a failed export leaves no file and the document as it was.

#include <sys/resource.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <memory>

#include "EditorMainFixture.h"
#include "platform/os/Files.h"

namespace {

struct TProbe {
  int rate = 0;
  int channels = 0;
  double seconds = 0;
  std::string codec;
};

TProbe Probe(const std::string& path) {
  const std::string command = "ffprobe -v error -select_streams a:0 -show_entries stream=sample_rate,channels,codec_name "
                              "-show_entries format=duration -of default=noprint_wrappers=1 '" + path + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  TProbe probe;
  std::array<char, 256> line{};
  while (pipe && fgets(line.data(), line.size(), pipe.get())) {
    const std::string text(line.data());
    const auto eq = text.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = text.substr(0, eq), value = text.substr(eq + 1, text.find_last_not_of("\r\n") - eq);
    if (key == "sample_rate") probe.rate = std::stoi(value);
    if (key == "channels") probe.channels = std::stoi(value);
    if (key == "codec_name") probe.codec = value;
    if (key == "duration" && value != "N/A") probe.seconds = std::stod(value);
  }
  return probe;
}

class Export : public EditorMainTest {
 protected:
  void SetUp() override {
    EditorMainTest::SetUp();
    WavFreq = 22050;
    WavChannels = 1;
  }
};

TEST_F(Export, WholeDocumentToEachFormatKeepsTheNameAndClearsModified) {
  // 1.5 s at 48 kHz mono: the writer converts to each output format.
  const std::string tone = WriteTone("tone.wav", 72000, 48000, 1);
  WriteHandOver(tone, 0, 0);
  ShowMain();
  Select(0, 24000);
  frmMain->Cut();
  Select(100, 2000);
  const struct {
    const char* name;
    int rate, channels;
    const char* codec;
    double tolerance;  // seconds: a frame of WAV, the encoders' padding
  } outputs[] = {{"out.wav", 22050, 1, "pcm_s16le", 1.0 / 22050},
                 {"out.mp3", 44100, 2, "mp3", 0.1},
                 {"out.ogg", 44100, 2, "vorbis", 0.1},
                 {"out.wma", 8000, 1, "wmav2", 0.3}};
  for (const auto& output : outputs) {
    SCOPED_TRACE(output.name);
    frmMain->MarkModified();
    chosenFiles = {Path(output.name)};
    ASSERT_TRUE(frmMain->SaveFileAs());
    const TProbe probe = Probe(Path(output.name));
    EXPECT_EQ(probe.codec, output.codec);
    EXPECT_EQ(probe.rate, output.rate);
    EXPECT_EQ(probe.channels, output.channels);
    // One second remains.
    EXPECT_NEAR(probe.seconds, 1.0, output.tolerance);
    EXPECT_FALSE(frmMain->Modified);
    EXPECT_EQ(frmMain->DocumentName, tone);
    EXPECT_EQ(frmMain->OD->FileName(), Path(output.name));
    EXPECT_EQ(frmMain->AE->Position()->SelectionStart(), 100);
    EXPECT_EQ(frmMain->AE->Position()->SelectionEnd(), 2000);
    EXPECT_EQ(frmMain->ProgressBarL->Position(), 0);
  }
  EXPECT_TRUE(messages.empty()) << messages.front();
}

TEST_F(Export, SelectionOnlyAndTheDocumentStaysModified) {
  WavFreq = 44100;
  WavChannels = 2;
  WriteHandOver(WriteTone("tone.wav", 132300), 0, 0);
  ShowMain();
  frmMain->MarkModified();
  Select(44100, 44100 + 66150);  // 1.5 s: one full block and a rest
  chosenFiles = {Path("part.wav")};
  ASSERT_TRUE(frmMain->SaveSelectionAs());
  TAudioFile2 part;
  part.OpenRead(Path("part.wav"));
  EXPECT_EQ(part.LengthSamples(), 66150);
  EXPECT_TRUE(frmMain->Modified);
  EXPECT_EQ(frmMain->OD->FileName(), "");
}

TEST_F(Export, AFailedExportRemovesTheFileRestoresTheViewAndKeepsModified) {
  WriteHandOver(WriteTone("tone.wav", 44100), 0, 0);
  ShowMain();
  frmMain->MarkModified();
  Select(10, 20);
  // A name the writer cannot create: its folder is missing.
  chosenFiles = {Path("missing/out.wav")};
  EXPECT_FALSE(frmMain->SaveFileAs());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("missing/out.wav"), std::string::npos);
  EXPECT_TRUE(frmMain->Modified);
  EXPECT_TRUE(frmMain->AE->Position()->DisplayUpdate());
  EXPECT_EQ(frmMain->AE->Position()->SelectionStart(), 10);
  EXPECT_EQ(frmMain->AE->Position()->SelectionEnd(), 20);
  EXPECT_FALSE(FileExists(Path("missing/out.wav")));
}

// Files may grow no larger than `bytes` while it lives: a full disk.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(Export, AWriteFailingHalfwayRemovesThePartialFile) {
  WavFreq = 44100;
  WavChannels = 2;
  WriteHandOver(WriteTone("tone.wav", 5 * 44100), 0, 0);
  ShowMain();
  frmMain->MarkModified();
  chosenFiles = {Path("full.wav")};
  bool written = true;
  {
    TFileSizeLimit full(64 * 1024);
    written = frmMain->SaveFileAs();
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_FALSE(FileExists(Path("full.wav")));
  EXPECT_TRUE(frmMain->Modified);
  EXPECT_TRUE(frmMain->AE->Position()->DisplayUpdate());
  EXPECT_EQ(frmMain->ProgressBarL->Position(), 0);
}

}  // namespace
