#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "FormTestSupport.h"
#include "PrivateDisplay.h"
#include "platform/framework/Dialogs.h"
#include "platform/win/NativeDialogs.h"

namespace fs = std::filesystem;

namespace {

class DialogTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    HeadlessResetDialogs();
    folder = fs::temp_directory_path() / ("dialogtest-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "take.mp3") << "x";
  }
  void TearDown() override {
    fs::remove_all(folder);
    HeadlessResetDialogs();
    HeadlessFormsTest::TearDown();
  }
  static TNativeFileAnswer Chose(std::vector<std::string> files, int filterIndex = 0) {
    return {true, std::move(files), filterIndex};
  }
  std::string Path(const std::string& name) const { return (folder / name).string(); }

  fs::path folder;
};

TEST_F(DialogTest, FiltersListNamesAndSeveralPatterns) {
  auto filters = ParseFileFilter("Audio|*.mp3;*.wav; *.ogg|All files|*.*|Broken");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].Name, "Audio");
  EXPECT_EQ(filters[0].Patterns, (std::vector<std::string>{"*.mp3", "*.wav", "*.ogg"}));
  EXPECT_EQ(filters[1].Patterns, (std::vector<std::string>{"*.*"}));
  EXPECT_EQ(ParseFileFilter("Any|").at(0).Patterns, (std::vector<std::string>{"*"}));
  EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST_F(DialogTest, OpenHandsTheRequestOverAndTakesTheAnswer) {
  TOpenDialog dialog(nullptr);
  dialog.SetTitle("Open a take");
  dialog.SetFilter("MP3|*.mp3|WAV|*.wav");
  dialog.SetFilterIndex(2);
  dialog.SetFileName(Path("old.wav"));
  dialog.SetOptions(ofFileMustExist);
  HeadlessQueueFileDialogAnswer(Chose({Path("take.mp3")}, 0));
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), Path("take.mp3"));
  EXPECT_EQ(dialog.FilterIndex(), 1);
  ASSERT_EQ(dialog.Files()->Count(), 1);

  auto shown = HeadlessShownDialogs();
  ASSERT_EQ(shown.size(), 1u);
  const TNativeFileRequest& request = shown[0].File;
  EXPECT_FALSE(request.Save);
  EXPECT_EQ(request.Title, "Open a take");
  EXPECT_EQ(request.InitialDir, folder.string());  // from the file name
  EXPECT_EQ(request.FileName, "old.wav");
  EXPECT_EQ(request.FilterIndex, 1);
  EXPECT_EQ(request.Filters.size(), 2u);
  EXPECT_TRUE(request.FileMustExist);

  // Cancelling keeps what was there.
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), Path("take.mp3"));
}

TEST_F(DialogTest, AMissingFileIsRefusedAndTheDialogComesBack) {
  TOpenDialog dialog(nullptr);
  dialog.SetOptions(ofFileMustExist);
  HeadlessQueueFileDialogAnswer(Chose({Path("missing.mp3")}));
  HeadlessQueueFileDialogAnswer(Chose({Path("nowhere/x.mp3")}));
  HeadlessQueueFileDialogAnswer(Chose({Path("take.mp3")}));
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), Path("take.mp3"));
  EXPECT_EQ(HeadlessShownDialogs().size(), 3u);
  auto boxes = HeadlessShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find("File not found"), std::string::npos);
  EXPECT_NE(boxes[1].text.find("path does not exist"), std::string::npos);
  EXPECT_EQ(HeadlessShownDialogs()[1].File.FileName, "missing.mp3");
}

TEST_F(DialogTest, SaveAddsTheFiltersExtensionAndAsksBeforeReplacing) {
  TSaveDialog dialog(nullptr);
  dialog.SetFilter("MP3|*.mp3|WAV|*.wav|Any|*.*");
  dialog.SetDefaultExt(".mp3");
  dialog.SetOptions(ofOverwritePrompt | ofPathMustExist);
  HeadlessQueueFileDialogAnswer(Chose({Path("new")}, 1));
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), Path("new.wav"));
  EXPECT_EQ(dialog.FilterIndex(), 2);
  EXPECT_TRUE(HeadlessShownDialogs()[0].File.Save);

  HeadlessQueueFileDialogAnswer(Chose({Path("new")}, 2));  // "*.*": the default extension
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), Path("new.mp3"));

  // "take" becomes take.mp3, which exists: No brings the dialog back.
  HeadlessQueueMessageBoxAnswer(IDNO);
  HeadlessQueueFileDialogAnswer(Chose({Path("take")}, 0));
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(HeadlessShownDialogs().back().File.FileName, "take.mp3");
  HeadlessQueueMessageBoxAnswer(IDYES);
  HeadlessQueueFileDialogAnswer(Chose({Path("take.mp3")}, 0));
  EXPECT_TRUE(dialog.Execute());
}

TEST_F(DialogTest, MultiSelectGivesEveryFile) {
  std::ofstream(folder / "b.wav") << "y";
  TOpenDialog dialog(nullptr);
  dialog.SetOptions(ofAllowMultiSelect | ofFileMustExist);
  HeadlessQueueFileDialogAnswer(Chose({Path("take.mp3"), Path("b.wav")}));
  ASSERT_TRUE(dialog.Execute());
  ASSERT_EQ(dialog.Files()->Count(), 2);
  EXPECT_EQ(dialog.Files()->Strings(1), Path("b.wav"));
  EXPECT_EQ(dialog.FileName(), Path("take.mp3"));
  EXPECT_TRUE(HeadlessShownDialogs()[0].File.MultiSelect);
}

TEST_F(DialogTest, ColourAndFolderDialogsTakeTheirAnswers) {
  TColorDialog colors(nullptr);
  colors.SetColor(clRed);
  colors.SetOptions(cdFullOpen);
  HeadlessQueueColorDialogAnswer({true, RGB(1, 2, 3)});
  ASSERT_TRUE(colors.Execute());
  EXPECT_EQ(colors.Color(), RGB(1, 2, 3));
  EXPECT_FALSE(colors.Execute());
  EXPECT_EQ(colors.Color(), RGB(1, 2, 3));
  EXPECT_EQ(HeadlessShownDialogs()[0].Color, clRed);
  EXPECT_TRUE(HeadlessShownDialogs()[0].FullOpen);

  std::string chosen;
  HeadlessQueueFolderDialogAnswer({true, "/music"});
  ASSERT_TRUE(SelectDirectory("Output folder", "/home", chosen));
  EXPECT_EQ(chosen, "/music");
  EXPECT_EQ(HeadlessShownDialogs().back().Folder, "/home");
  EXPECT_FALSE(SelectDirectory("Output folder", "/home", chosen));
  EXPECT_EQ(HeadlessShownDialogs().back().Folder, "/music");  // starts in the folder given
  EXPECT_EQ(chosen, "/music");
}

// On a real display, a private one, the toolkit's dialog opens; xdotool
// presses Enter in it, which takes the folder it started in.
TEST(DialogQtTest, TheFolderDialogOpensOnTheDisplay) {
  if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool is missing";
  TPrivateDisplay display;
  if (!display.Ready()) GTEST_SKIP() << "Xvfb cannot start (scripts/setup installs it)";
  ShutdownWindowSystem();
  try {
    InitWindowSystem(TBackendKind::Qt);
  } catch (const Exception& e) {
    GTEST_SKIP() << e.Message();
  }
  if (WindowSystemBackend() != TBackendKind::Qt) {
    ShutdownWindowSystem();
    GTEST_SKIP() << "The backend is forced to headless";
  }
  std::thread presser([] {
    for (int i = 0; i < 100; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (std::system("id=$(xdotool search --name 'Folder dialog test' | head -1); [ -n \"$id\" ] && "
                      "xdotool windowactivate --sync $id 2>/dev/null; [ -n \"$id\" ] && "
                      "xdotool key --window $id Return") == 0)
        return;
    }
  });
  std::string chosen;
  bool accepted = SelectDirectory("Folder dialog test", "/tmp", chosen);
  presser.join();
  ShutdownWindowSystem();
  EXPECT_TRUE(accepted);
  EXPECT_EQ(fs::path(chosen), fs::path("/tmp"));
}

}  // namespace
