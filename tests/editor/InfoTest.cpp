// The file information window over a real engine: tags written through it
// come back from saved WAV, MP3 and OGG files (and ffprobe reads them);
// years and track numbers a tag cannot hold are refused with its message,
// after what came before them is written; Reset brings back the engine's.

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "DocumentWindowsFixture.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELEdit.h"
#include "skin/ZELRadioGroup.h"

namespace {

// ffprobe's view of the tags, lower case, one "tag:key=value" a line.
std::string ProbeTags(const std::string& path) {
  const std::string command = "ffprobe -v error -show_entries format_tags:stream_tags -of default=nw=1 '" + path + "'";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
  }
  std::transform(output.begin(), output.end(), output.begin(), [](unsigned char c) { return std::tolower(c); });
  return output;
}

class InfoTest : public DocumentWindowsTest {
 protected:
  static void FillAll() {
    frmInfo->infoTitle->SetText("Évening Song – Ü");
    frmInfo->infoArtist->SetText("The Quiet Ones");
    frmInfo->infoAlbum->SetText("Late Hours");
    frmInfo->infoGenre->SetItemIndex(8);
    frmInfo->infoCopyright->SetText("2026 Quiet");
    frmInfo->infoYear->SetText("2024");
    frmInfo->infoTrack->SetText("7");
    frmInfo->infoComment->SetText("recorded live");
    frmInfo->infoComposer->SetText("A. Composer");
    frmInfo->infoEncodedBy->SetText("Olwick");
    frmInfo->infoURL->SetText("http://example.org/song");
  }
};

TEST_F(InfoTest, TagsWrittenThroughTheWindowComeBackFromSavedFiles) {
  editor->OpenFile(WriteTone("tone.wav", 44100));
  ShowAndDo(frmInfo, [&] {
    EXPECT_EQ(frmInfo->infoGenre->Items()->Count(), 142);
    EXPECT_EQ(frmInfo->infoGenre->Items()->Strings(0), editor->FileInfo()->GenreName(0));
    EXPECT_EQ(frmInfo->infoMTV->ItemIndex(), -1);
    FillAll();
    frmInfo->btnApply->Click();
  });
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(modifiedMarks, 1);

  for (const char* extension : {"wav", "mp3", "ogg"}) {
    SCOPED_TRACE(extension);
    const std::string saved = Path(std::string("tagged.") + extension);
    editor->SaveFile(saved);
    TAudioEditor2 reopened(host);
    reopened.OpenFile(saved);
    const IAudioEditor2FileInfo& info = *reopened.FileInfo();
    EXPECT_EQ(info.Title(), "Évening Song – Ü");
    EXPECT_EQ(info.Artist(), "The Quiet Ones");
    EXPECT_EQ(info.Album(), "Late Hours");
    EXPECT_EQ(info.Genre(), 8);
    EXPECT_EQ(info.Copyright(), "2026 Quiet");
    EXPECT_EQ(info.Year(), 2024);
    EXPECT_EQ(info.Track(), 7);
    EXPECT_EQ(info.Comment(), "recorded live");
    EXPECT_EQ(info.Composer(), "A. Composer");
    EXPECT_EQ(info.EncodedBy(), "Olwick");
    EXPECT_EQ(info.URL(), "http://example.org/song");

    const std::string probed = ProbeTags(saved);
    EXPECT_NE(probed.find("title=Évening song – Ü"), std::string::npos) << probed;
    EXPECT_NE(probed.find("artist=the quiet ones"), std::string::npos) << probed;
    EXPECT_NE(probed.find("album=late hours"), std::string::npos) << probed;
    EXPECT_NE(probed.find("=2024"), std::string::npos) << probed;
  }
}

TEST_F(InfoTest, RefusedNumbersStopApplyWhereItStandsAndResetBringsBackTheEngine) {
  editor->OpenFile(WriteTone("tone.wav", 1000));
  editor->FileInfo()->SetURL("http://old.example.org");
  editor->FileInfo()->SetTrack(3);
  ShowAndDo(frmInfo, [&] {
    // Unchanged, Apply marks nothing.
    frmInfo->btnApply->Click();
    FillAll();
    frmInfo->infoYear->SetText("abc");
    frmInfo->btnApply->Click();
    EXPECT_EQ(frmInfo->ActiveControl(), frmInfo->infoYear);
    // Title to comment written; track, URL, composer and encoded-by not.
    EXPECT_EQ(editor->FileInfo()->Title(), "Évening Song – Ü");
    EXPECT_EQ(editor->FileInfo()->Comment(), "recorded live");
    EXPECT_EQ(editor->FileInfo()->Track(), 3);
    EXPECT_EQ(editor->FileInfo()->URL(), "http://old.example.org");

    // Out of a tag's range: refused, not stored cut short.
    frmInfo->infoYear->SetText("10000");
    frmInfo->btnApply->Click();
    frmInfo->infoYear->SetText("2024");
    frmInfo->infoTrack->SetText("32768");
    frmInfo->btnApply->Click();
    EXPECT_EQ(frmInfo->ActiveControl(), frmInfo->infoTrack);
    EXPECT_EQ(editor->FileInfo()->Year(), 2024);
    EXPECT_EQ(editor->FileInfo()->Track(), 3);

    frmInfo->infoTrack->SetText("32767");
    frmInfo->infoArtist->SetText("Someone Else");
    frmInfo->btnReset->Click();
    EXPECT_EQ(frmInfo->infoArtist->Text(), "The Quiet Ones");
    EXPECT_EQ(frmInfo->infoTrack->Text(), "3");
    EXPECT_EQ(frmInfo->infoURL->Text(), "http://old.example.org");
  });
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Invalid Year Value", "Invalid Year Value", "Invalid Track Value"}));
  // The first refused Apply wrote title to comment, the third the year.
  EXPECT_EQ(modifiedMarks, 2);
}

}  // namespace
