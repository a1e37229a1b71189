// Opening and saving: tags and markers through WAV, MP3 and OGG, samples
// kept exactly in WAV, and failed saves that leave the original alone.

#include "EditorTestSupport.h"

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace {

constexpr int kRate = 44100;

void SetAllTags(IAudioEditor2FileInfo* info) {
  info->SetTitle("Title ü");
  info->SetArtist("Artist");
  info->SetAlbum("Album");
  info->SetGenre(17);
  info->SetCopyright("Copyright");
  info->SetYear(2003);
  info->SetTrack(7);
  info->SetComment("Comment");
  info->SetComposer("Composer");
  info->SetEncodedBy("Encoder");
  info->SetURL("http://example.org/");
}

void ExpectAllTags(IAudioEditor2FileInfo* info, const std::string& where) {
  EXPECT_EQ(info->Title(), "Title ü") << where;
  EXPECT_EQ(info->Artist(), "Artist") << where;
  EXPECT_EQ(info->Album(), "Album") << where;
  EXPECT_EQ(info->Genre(), 17) << where;
  EXPECT_EQ(info->GenreName(17), "Rock");
  EXPECT_EQ(info->Copyright(), "Copyright") << where;
  EXPECT_EQ(info->Year(), 2003) << where;
  EXPECT_EQ(info->Track(), 7) << where;
  EXPECT_EQ(info->Comment(), "Comment") << where;
  EXPECT_EQ(info->Composer(), "Composer") << where;
  EXPECT_EQ(info->EncodedBy(), "Encoder") << where;
  EXPECT_EQ(info->URL(), "http://example.org/") << where;
}

TEST_F(EditorTest, TagsAndMarkersRoundTripThroughEachFormat) {
  const TSampleBlock sweep = Sweep(kRate, 2, kRate);
  for (const std::string ext : {".wav", ".mp3", ".ogg"}) {
    Load(sweep);
    SetAllTags(editor->FileInfo());
    editor->Markers()->AddMarker(1000, 0, "start", "a note", "", -1, -1, -1, -1);
    editor->Markers()->AddMarker(20000, 5000, "verse", "", "long text", -1, -1, -1, -1);
    const std::string path = PathOf("saved" + ext);
    editor->SaveFile(path, 0, 0);
    editor->NewFile(kRate, 2);
    editor->OpenFile(path, 0);
    ExpectAllTags(editor->FileInfo(), ext);
    // The encoders add up to a few frames of delay and padding, as the audio layer allows.
    EXPECT_NEAR(static_cast<double>(editor->Position()->Length()), kRate, ext == ".wav" ? 0 : 1152 + 576 + 529 + 1152) << ext;
    if (ext != ".wav") continue;
    EXPECT_EQ(All(), sweep);
    IAudioEditor2Markers* m = editor->Markers();
    ASSERT_EQ(m->Count(), 2);
    m->SetCurrent(1);
    EXPECT_EQ(m->Position(), 1000);
    EXPECT_EQ(m->Label(), "start");
    EXPECT_EQ(m->Note(), "a note");
    m->SetCurrent(2);
    EXPECT_EQ(m->Position(), 20000);
    EXPECT_EQ(m->Length(), 5000);
    EXPECT_EQ(m->Text(), "long text");
    // The file is still a WAV other programs read whole.
    EXPECT_EQ(DecoderFrameCount(path), kRate);
  }
  // Without extra information neither tags nor markers are written.
  editor->FileInfo()->SetAudioInfoEnabled(false);
  editor->SaveFile(PathOf("plain.wav"), 0, 0);
  editor->OpenFile(PathOf("plain.wav"), 0);
  EXPECT_EQ(editor->FileInfo()->Title(), "");
  EXPECT_EQ(editor->Markers()->Count(), 0);
  EXPECT_EQ(editor->FileInfo()->GenreName(142), "");
}

TEST_F(EditorTest, AFailedSaveLeavesTheOriginalByteForByte) {
  Load(Sweep(kRate, 2, 4 * kRate));
  const std::string path = PathOf("keep.wav");
  editor->SaveFile(path, 0, 0);
  const std::string original = ReadBytes(path);
  Select(0, kRate);
  editor->Effects()->Invert();

  // A disk that fills up halfway through.
  struct sigaction ignore {}, previous {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &previous);
  rlimit limit{}, saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  limit = saved;
  limit.rlim_cur = 200000;
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_THROW(editor->SaveFile(path, 0, 0), Exception);
  setrlimit(RLIMIT_FSIZE, &saved);
  sigaction(SIGXFSZ, &previous, nullptr);
  EXPECT_EQ(ReadBytes(path), original);

  // A folder that is not there, and a type that cannot be written.
  EXPECT_THROW(editor->SaveFile(PathOf("missing/keep.wav"), 0, 0), Exception);
  EXPECT_THROW(editor->SaveFile(PathOf("keep.mp2"), 0, 0), Exception);
  // Nothing is left behind beside the original.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 2);
  EXPECT_EQ(ReadBytes(path), original);

  // A damaged file does not replace the document.
  WriteBytes(PathOf("bad.wav"), std::string("RIFF\x10\x00\x00\x00WAVEjunkjunk", 20));
  const std::int64_t length = editor->Position()->Length();
  EXPECT_THROW(editor->OpenFile(PathOf("bad.wav"), 0), Exception);
  EXPECT_EQ(editor->Position()->Length(), length);
  EXPECT_TRUE(editor->CanUndo());
}

TEST_F(EditorTest, SystemClipboardCarriesAWavImage) {
  const TSampleBlock ramp = Ramp(2, 30000);
  Load(ramp);
  Select(10000, 20000);
  editor->CopyToWindowsClipboard();
  const auto image = GetClipboardData(CF_WAVE);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(std::string(image->begin(), image->begin() + 4), "RIFF");
  editor->Position()->SetSelectionEnd(0);
  editor->Position()->SetSelectionStart(0);
  editor->Position()->SetCurrentPosition(0);
  editor->PasteFromWindowsClipboard();
  const TSampleBlock all = All();
  ASSERT_EQ(all.size(), ramp.size() + 20000);
  EXPECT_TRUE(std::equal(all.begin(), all.begin() + 20000, ramp.begin() + 20000));
  // The scratch files are gone.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 1);
}

}  // namespace
