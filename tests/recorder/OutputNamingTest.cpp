// Names of new recordings: the naming rule, the free-name loop, the output
// format by the radio buttons, and the record list's rows.

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "LocalTimeOf.h"
#include "recorder/OutputNaming.h"
#include "recorder/RecordRows.h"
#include "tests/platform/os/ScratchFolder.h"

namespace {

TEST(OutputName, NamingRuleTable) {
  const SYSTEMTIME start = LocalTimeOf(2024, 1, 31, 13, 5, 9);
  struct Case {
    const char* prefix;
    const char* suffix;
    bool useDate;
    const char* expected;
  };
  const Case cases[] = {
      {"Recorded", "", true, "Recorded 2024-01-31 13-05-09"},
      {"Recorded", "", false, "Recorded 13-05-09"},
      {"", "", false, "13-05-09"},
      {"", "", true, "2024-01-31 13-05-09"},
      {"  Show ", " take\t", false, "Show 13-05-09 take"},
      {"", "end", true, "2024-01-31 13-05-09 end"},
      {"A  B", "C", false, "A  B 13-05-09 C"},  // inner blanks stay
  };
  for (const Case& c : cases) {
    TNamingSettings naming;
    naming.Prefix = c.prefix;
    naming.Suffix = c.suffix;
    naming.UseDate = c.useDate;
    EXPECT_EQ(OutputBaseName(start, naming), c.expected) << c.prefix << "|" << c.suffix << "|" << c.useDate;
  }
  TNamingSettings dated;
  dated.UseDate = true;
  EXPECT_EQ(OutputBaseName(LocalTimeOf(987, 12, 1, 0, 0, 0), dated), "0987-12-01 00-00-00");
}

TEST(OutputName, NewIsAppendedWhileTheNameIsTakenUnlessOverwriting) {
  ScratchFolder folder;
  TNamingSettings naming;
  naming.Folder = folder.Path();
  naming.Prefix = "Recorded";
  const SYSTEMTIME start = LocalTimeOf(2024, 1, 31, 13, 5, 9);

  EXPECT_EQ(OutputPathFor(start, naming, TOutputFormat::Mp3), folder / "Recorded 13-05-09.mp3");
  folder.Write("Recorded 13-05-09.mp3", "x");
  EXPECT_EQ(OutputPathFor(start, naming, TOutputFormat::Mp3), folder / "Recorded 13-05-09 New.mp3");
  folder.Write("Recorded 13-05-09 New.mp3", "x");
  EXPECT_EQ(OutputPathFor(start, naming, TOutputFormat::Mp3), folder / "Recorded 13-05-09 New New.mp3");
  // Another extension is another name.
  EXPECT_EQ(OutputPathFor(start, naming, TOutputFormat::Wav), folder / "Recorded 13-05-09.wav");

  naming.Overwrite = true;
  EXPECT_EQ(OutputPathFor(start, naming, TOutputFormat::Mp3), folder / "Recorded 13-05-09.mp3");
}

TEST(OutputName, AFolderOfTheSameNameDoesNotCountAsATakenFile) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "13-05-09.wav");
  TNamingSettings naming;
  naming.Folder = folder.Path();
  EXPECT_EQ(OutputPathFor(LocalTimeOf(2024, 1, 31, 13, 5, 9), naming, TOutputFormat::Wav), folder / "13-05-09.wav");
}

TEST(OutputFormat, RadioButtonsAndStoredChoice) {
  EXPECT_EQ(OutputFormatOfButtons(true, true, true), TOutputFormat::Wav);
  EXPECT_EQ(OutputFormatOfButtons(false, true, true), TOutputFormat::Mp3);
  EXPECT_EQ(OutputFormatOfButtons(false, false, true), TOutputFormat::Ogg);
  EXPECT_EQ(OutputFormatOfButtons(false, false, false), TOutputFormat::Wma);
  EXPECT_EQ(OutputFormatOfSelected(1), TOutputFormat::Mp3);
  EXPECT_EQ(OutputFormatOfSelected(2), TOutputFormat::Ogg);
  EXPECT_EQ(OutputFormatOfSelected(3), TOutputFormat::Wma);
  EXPECT_EQ(OutputFormatOfSelected(4), TOutputFormat::Wav);
  EXPECT_EQ(OutputFormatOfSelected(-1), TOutputFormat::Wav);
  EXPECT_EQ(FormatExtension(TOutputFormat::Ogg), ".ogg");
  EXPECT_EQ(FormatName(TOutputFormat::Wma), "WMA");
  EXPECT_EQ(FormatImageIndex(TOutputFormat::Ogg), 2);
  EXPECT_EQ(FormatImageIndex(TOutputFormat::Wma), 3);
}

TEST(RecordRows, EachRecordingAddsARowWithItsTexts) {
  TRecordRows rows;
  EXPECT_EQ(rows.StartRecording(LocalTimeOf(2024, 1, 31, 13, 5, 9), TOutputFormat::Ogg, "/r/a.ogg"), 0);
  EXPECT_EQ(rows.StartRecording(LocalTimeOf(2024, 1, 31, 13, 5, 10), TOutputFormat::Wav, "/r/b.wav"), 1);
  EXPECT_FALSE(rows.LastRowReused());
  const TRecordRow& first = rows.Row(0);
  EXPECT_EQ(first.Caption, "OGG");
  EXPECT_EQ(first.ImageIndex, 2);
  EXPECT_EQ(first.RecordTime, "2024-01-31 13:05:09");
  EXPECT_EQ(first.Status, "Recording...");
  EXPECT_EQ(first.Duration, "");
  EXPECT_EQ(first.Path, "/r/a.ogg");
  EXPECT_THROW(rows.Row(2), EListError);
  EXPECT_THROW(rows.Row(-1), EListError);
}

// The second recording of a second takes over the row, and the row then
// plays the file it holds, not the one before.
TEST(RecordRows, TwoStartsInOneSecondShareOneRowThatNamesTheSecondFile) {
  TRecordRows rows;
  rows.StartRecording(LocalTimeOf(2024, 1, 31, 13, 5, 9, 0, 100), TOutputFormat::Wav, "/r/Recorded 13-05-09.wav");
  rows.Row(0).Status = "Done";
  rows.Row(0).Size = "   1 KB";
  const SYSTEMTIME laterThatSecond = LocalTimeOf(2024, 1, 31, 13, 5, 9, 0, 900);
  EXPECT_EQ(rows.StartRecording(laterThatSecond, TOutputFormat::Mp3, "/r/Recorded 13-05-09.mp3"), 0);
  EXPECT_TRUE(rows.LastRowReused());
  ASSERT_EQ(rows.Count(), 1);
  EXPECT_EQ(rows.Row(0).Path, "/r/Recorded 13-05-09.mp3");
  EXPECT_EQ(rows.Row(0).Caption, "MP3");
  EXPECT_EQ(rows.Row(0).Status, "Recording...");
  EXPECT_EQ(rows.Row(0).Size, "");
  // The same time of day on another date is another row.
  EXPECT_EQ(rows.StartRecording(LocalTimeOf(2024, 2, 1, 13, 5, 9), TOutputFormat::Wav, "/r/c.wav"), 1);
  EXPECT_FALSE(rows.LastRowReused());
}

TEST(RecordRows, TheFirstRecordingNeverReusesARow) {
  TRecordRows rows;
  EXPECT_EQ(rows.StartRecording(SYSTEMTIME{}, TOutputFormat::Wav, "/r/a.wav"), 0);
  EXPECT_EQ(rows.Count(), 1);
  EXPECT_FALSE(rows.LastRowReused());
}

}  // namespace
