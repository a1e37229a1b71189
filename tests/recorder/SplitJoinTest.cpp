// Splitting and joining without their windows: which parts a split
// writes and their names, the parts' frames against the source, the merge
// of files of different formats, cancelling, and the join list's rules.

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "HeadlessWindows.h"
#include "ToneFiles.h"
#include "platform/framework/Forms.h"
#include "recorder/JoinList.h"
#include "recorder/JoinerThread.h"
#include "recorder/SplitterThread.h"

namespace {

// A window that keeps the progress messages it is posted.
class TProgressWindow : public TForm {
 public:
  using TForm::TForm;
  std::vector<std::pair<int, int>> progress;  // (job, percent)
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_TOOL_PROGRESS) {
      progress.emplace_back(static_cast<int>(message.WParam), static_cast<int>(message.LParam));
      return;
    }
    TForm::WndProc(message);
  }
  std::vector<int> PercentsOf(int job) const {
    std::vector<int> result;
    for (const auto& [j, percent] : progress)
      if (j == job) result.push_back(percent);
    return result;
  }
};

std::int64_t FramesOf(const std::string& path) {
  TAudioFile2 reader;
  reader.OpenRead(path, 0, 1);
  return reader.LastError() == 0 ? reader.LengthSamples() : -1;
}

double ProbedSeconds(const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(
      popen(("ffprobe -v error -show_entries format=duration -of csv=p=0 '" + path + "'").c_str(), "r"), pclose);
  char text[64] = {};
  return pipe && fgets(text, sizeof text, pipe.get()) ? std::atof(text) : -1;
}

TSplitPoints PointsAt(std::int64_t end, std::initializer_list<std::int64_t> inside) {
  TSplitPoints points;
  points.Reset(0, end);
  for (std::int64_t ms : inside) points.Add(ms);
  return points;
}

TEST(SplitPlan, KeptSectionsRunToTheNextKeptPoint) {
  EXPECT_EQ(PlanSplit(PointsAt(9000, {})).PartCount(), 0) << "the start and the end alone split nothing";

  TSplitPoints points = PointsAt(9000, {3000, 6000});
  TSplitJob job = PlanSplit(points);
  EXPECT_EQ(job.points, (std::vector<std::int64_t>{0, 3000, 6000, 9000}));
  EXPECT_EQ(job.PartCount(), 3);

  points.SetUse(1, false);  // the middle section belongs to the first part
  job = PlanSplit(points);
  EXPECT_EQ(job.points, (std::vector<std::int64_t>{0, 6000, 9000}));
  EXPECT_EQ(job.rows, (std::vector<int>{0, 2, 3}));

  points.SetUse(0, false);  // unticked sections before the first ticked one are left out
  points.SetUse(2, false);
  EXPECT_EQ(PlanSplit(points).PartCount(), 0) << "one kept point is no part";
}

TEST(JoinListRules, InfoLineDurationsAndOverallProgress) {
  EXPECT_EQ(JoinInfoLine(1, 1, 75),
            "1 file in list, 1 file selected, selected duration is approximately: " + FormatDurationHms(75000));
  EXPECT_EQ(JoinInfoLine(3, 1, 0).substr(0, 32), "3 files in list, 1 file selected");
  EXPECT_EQ(JoinInfoLine(3, 2, 0).substr(0, 33), "3 files in list, 2 files selected");
  EXPECT_EQ(SecondsOfClockText("01 : 02 : 03"), 3723);
  EXPECT_EQ(SecondsOfClockText("123 : 00 : 01"), 123 * 3600 + 1) << "hours beyond two digits";
  EXPECT_EQ(SecondsOfClockText(""), 0);
  EXPECT_EQ(SecondsOfClockText("ab : cd : ef"), 0);
  EXPECT_EQ(OverallMergePercent(0, 3, 50), 17);
  EXPECT_EQ(OverallMergePercent(2, 3, 99), 100);
  EXPECT_EQ(OverallMergePercent(1, 0, 50), 0);
}

TEST(JoinListRules, MovesKeepBlocksAtTheEdgesAndGroupsInOrder) {
  // Rows 0 and 1 selected at the top stay; row 3 moves above row 2.
  EXPECT_EQ(OrderAfterMoveUp({true, true, false, true}), (std::vector<int>{0, 1, 3, 2}));
  EXPECT_EQ(OrderAfterMoveUp({false, true, false, true}), (std::vector<int>{1, 0, 3, 2}));
  EXPECT_EQ(OrderAfterMoveDown({true, false, true, true}), (std::vector<int>{1, 0, 2, 3}));
  EXPECT_EQ(OrderWithSelectedFirst({false, true, false, true}), (std::vector<int>{1, 3, 0, 2}));
  EXPECT_EQ(OrderWithSelectedLast({false, true, false, true}), (std::vector<int>{0, 2, 1, 3}));
  EXPECT_TRUE(OrderAfterMoveUp({}).empty());
}

class SplitJoinThreads : public HeadlessWindowsTest {
 protected:
  void SetUp() override {
    HeadlessWindowsTest::SetUp();
    Application->CreateForm(window);
    folder = Scratch();
  }
  template <class Thread>
  void RunToEnd(Thread& thread) {
    bool ended = false;
    thread.OnTerminate = [&](TObject*) { ended = true; };
    thread.Start();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!ended && std::chrono::steady_clock::now() < deadline) {
      CheckSynchronize();
      HeadlessPumpUntilIdle();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_TRUE(ended);
    thread.WaitFor();
    HeadlessPumpUntilIdle();
  }
  TSplitNaming Naming(const std::string& base, const std::string& extension) const {
    return {folder, base, extension, false};
  }

  TProgressWindow* window = nullptr;
  std::string folder;
  TAudioFile2 reader, writer;
};

TEST_F(SplitJoinThreads, WavPartsAddUpToTheSourceFrameForFrame) {
  const std::string source = folder + "song.wav";
  WriteTone(source, 5.0);
  std::FILE* taken = std::fopen((folder + "song-Splitted0.wav").c_str(), "w");
  std::fclose(taken);

  reader.OpenRead(source, 0, 1);
  writer.SetWAVOutput(44100, 2, 16);
  // 2000 ms is exactly one block of a stereo 44.1 kHz source.
  TSplitterThread thread(reader, writer, window->Handle(), PlanSplit(PointsAt(4999, {2000, 3333})),
                         Naming("song", "wav"));
  RunToEnd(thread);
  EXPECT_EQ(thread.ErrorText(), "");
  EXPECT_EQ(SplitPartPath(Naming("song", "wav"), 0), folder + "song-Splitted0 New New.wav");
  const std::int64_t first = FramesOf(folder + "song-Splitted0 New.wav");
  const std::int64_t second = FramesOf(folder + "song-Splitted1.wav");
  const std::int64_t third = FramesOf(folder + "song-Splitted2.wav");
  EXPECT_EQ(first, 88200);
  EXPECT_EQ(second, FrameOfMs(3333, 44100) - 88200);
  EXPECT_EQ(first + second + third, 5 * 44100) << "the last part runs to the source's end";
  for (int part = 0; part < 3; ++part) {
    const std::vector<int> percents = window->PercentsOf(part);
    ASSERT_FALSE(percents.empty()) << part;
    EXPECT_EQ(percents.back(), 100) << "every finished part reports its end, part " << part;
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << part;
  }
}

TEST_F(SplitJoinThreads, APartThatCannotBeCreatedStopsTheRunAndSaysWhy) {
  const std::string source = folder + "song.wav";
  WriteTone(source, 2.0);
  reader.OpenRead(source, 0, 1);
  writer.SetWAVOutput(44100, 2, 16);
  TSplitNaming naming = Naming("song", "wav");
  naming.folder = folder + "missing/";
  TSplitterThread thread(reader, writer, window->Handle(), PlanSplit(PointsAt(2000, {1000})), naming);
  RunToEnd(thread);
  EXPECT_EQ(thread.FailedPart(), 0);
  EXPECT_NE(thread.ErrorText().find("missing/song-Splitted0.wav"), std::string::npos) << thread.ErrorText();
  EXPECT_TRUE(window->PercentsOf(0).empty()) << "no progress for a part never written";
}

TEST_F(SplitJoinThreads, MergesFilesOfDifferentFormatsIntoOneMp3) {
  const std::vector<std::string> inputs = {folder + "a.wav", folder + "b.wav", folder + "c.mp3"};
  WriteTone(inputs[0], 1.0, 22050, 1);
  WriteTone(inputs[1], 1.5);
  WriteMp3Tone(inputs[2], 2.0);
  const std::string output = folder + "joined.mp3";
  writer.SetMP3Output(44100, 128, 2);
  writer.CreateWrite(output, 0);
  ASSERT_EQ(writer.LastError(), 0);
  TJoinerThread thread(reader, inputs, window->Handle(), writer);
  RunToEnd(thread);
  EXPECT_EQ(thread.ErrorText(), "");
  EXPECT_NEAR(ProbedSeconds(output), 1.0 + 1.5 + ProbedSeconds(inputs[2]), 0.05);
  EXPECT_EQ(window->PercentsOf(2).back(), 100);
}

TEST_F(SplitJoinThreads, ACancelledMergeKeepsAValidShorterFile) {
  const std::vector<std::string> inputs = {folder + "long1.wav", folder + "long2.wav"};
  for (const std::string& input : inputs) WriteTone(input, 60.0);
  const std::string output = folder + "joined.wav";
  writer.SetWAVOutput(44100, 2, 16);
  writer.CreateWrite(output, 0);
  TJoinerThread thread(reader, inputs, window->Handle(), writer);
  bool ended = false;
  thread.OnTerminate = [&](TObject*) { ended = true; };
  thread.Start();
  while (window->progress.empty()) HeadlessPumpUntilIdle();
  thread.Terminate();
  while (!ended) {
    CheckSynchronize();
    HeadlessPumpUntilIdle();
  }
  thread.WaitFor();
  const std::int64_t frames = FramesOf(output);
  EXPECT_GT(frames, 0);
  EXPECT_LT(frames, 120 * 44100);
  EXPECT_TRUE(window->PercentsOf(1).empty()) << "no file is read after the cancel";
}

TEST_F(SplitJoinThreads, TheMergedFileIsNeverOneOfItsInputs) {
  TNamingSettings naming;
  naming.Folder = folder;
  naming.Overwrite = true;
  const std::vector<std::string> inputs = {folder + "Merged 14-05-09.mp3", folder + "Merged 14-05-09 New.mp3"};
  EXPECT_EQ(MergeOutputPath(naming, "Merged 14-05-09", ".mp3", inputs), folder + "Merged 14-05-09 New New.mp3");
  EXPECT_EQ(MergeOutputPath(naming, "Other", ".mp3", inputs), folder + "Other.mp3");
}

}  // namespace
