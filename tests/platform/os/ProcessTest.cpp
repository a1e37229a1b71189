#include "platform/os/Process.h"

#include <filesystem>
#include <cerrno>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "platform/os/HelpViewer.h"
#include "platform/os/MailClient.h"
#include "platform/os/MainThread.h"
#include "platform/os/ShellOpen.h"
#include "ScratchFolder.h"

namespace {

bool WaitForFile(const std::string& path) {
  for (int i = 0; i < 500; ++i) {
    if (std::filesystem::exists(path)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

bool NoChildrenLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

class RecordingStarter : public IProcessStarter {
 public:
  bool StartDetached(const std::vector<std::string>& argv, const std::string& folder) override {
    commands.push_back(argv);
    folders.push_back(folder);
    return true;
  }
  std::vector<std::vector<std::string>> commands;
  std::vector<std::string> folders;
};

class StarterReplacement : public ::testing::Test {
 protected:
  void SetUp() override { SetProcessStarter(&recorder); }
  void TearDown() override { SetProcessStarter(nullptr); }
  RecordingStarter recorder;
};

}  // namespace

TEST(DetachedProcess, ArgumentsArriveUnchangedAndNoZombieRemains) {
  ScratchFolder dir;
  // Blanks, quotes and shell characters are plain text in an argument.
  std::string name = dir / "a b;$(echo c)'d\"";
  ASSERT_TRUE(StartDetachedProcess({"touch", name}));
  EXPECT_TRUE(WaitForFile(name));
  EXPECT_TRUE(NoChildrenLeft());
}

TEST(DetachedProcess, RunsInTheGivenFolder) {
  ScratchFolder dir;
  ASSERT_TRUE(StartDetachedProcess({"touch", "made-here"}, dir.Path()));
  EXPECT_TRUE(WaitForFile(dir / "made-here"));
}

TEST(DetachedProcess, AMissingProgramOrFolderIsReportedAndLeavesNoZombie) {
  EXPECT_FALSE(StartDetachedProcess({"/no/such/program"}));
  EXPECT_FALSE(StartDetachedProcess({"true"}, "/no/such/folder/"));
  EXPECT_FALSE(StartDetachedProcess({}));
  EXPECT_FALSE(StartDetachedProcess({""}));
  EXPECT_TRUE(NoChildrenLeft());
}

TEST(LauncherProcess, OnlyALauncherThatGivesUpIsReportedAndOnTheGuiThread) {
  MarkMainThread();
  std::vector<std::string> reported;
  ASSERT_TRUE(StartLauncherProcess({"true"}, [&] { reported.push_back("true"); }));
  ASSERT_TRUE(StartLauncherProcess({"sh", "-c", "exit 3"}, [&] { reported.push_back("exit 3"); }));
  EXPECT_FALSE(StartLauncherProcess({"no-such-launcher-here"}, [&] { reported.push_back("missing"); }));
  for (int i = 0; i < 500 && reported.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    RunMainThreadQueue();
  }
  EXPECT_EQ(reported, (std::vector<std::string>{"exit 3"}));
  for (int i = 0; i < 500 && !NoChildrenLeft(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(NoChildrenLeft());
}

TEST_F(StarterReplacement, ShellOpenPassesTheTargetAsOneArgument) {
  EXPECT_TRUE(ShellOpener().Open("/home/u/My Music/"));
  EXPECT_TRUE(ShellOpener().Open("http://example.org/?a=1&b=2"));
  ASSERT_EQ(recorder.commands.size(), 2u);
  EXPECT_EQ(recorder.commands[0], (std::vector<std::string>{"xdg-open", "/home/u/My Music/"}));
  EXPECT_EQ(recorder.commands[1][1], "http://example.org/?a=1&b=2");
}

TEST_F(StarterReplacement, ShellOpenRefusesWhatWouldReadAsAnOption) {
  EXPECT_FALSE(ShellOpener().Open("--help"));
  EXPECT_FALSE(ShellOpener().Open(""));
  EXPECT_TRUE(recorder.commands.empty());
}

TEST_F(StarterReplacement, MailCarriesSubjectBodyAndEveryAttachment) {
  TMailMessage message{"", "Share with you", "Hi,\r\n", {"/r/one.mp3", "/r/two words.wav"}};
  EXPECT_TRUE(MailClient().SendMail(message));
  ASSERT_EQ(recorder.commands.size(), 1u);
  EXPECT_EQ(recorder.commands[0],
            (std::vector<std::string>{"xdg-email", "--utf8", "--subject", "Share with you", "--body",
                                      "Hi,\r\n", "--attach", "/r/one.mp3", "--attach",
                                      "/r/two words.wav"}));

  EXPECT_EQ(MailCommand({"friend@example.org", "", "", {}}),
            (std::vector<std::string>{"xdg-email", "--utf8", "friend@example.org"}));
  EXPECT_TRUE(MailCommand({"-x", "", "", {}}).empty());
}

TEST_F(StarterReplacement, HelpOpensAnExistingFileOnly) {
  ScratchFolder dir;
  std::string help = dir.Write("KorvexHelp.chm", "help");
  EXPECT_FALSE(HelpViewer().ShowHelp(dir / "missing.chm", ""));
  EXPECT_TRUE(HelpViewer().ShowHelp(help, "::/Main AE.html"));
  ASSERT_EQ(recorder.commands.size(), 1u);
  EXPECT_EQ(recorder.commands[0], (std::vector<std::string>{"xdg-open", help}));
}

TEST_F(StarterReplacement, HelpPagesOpenAtTheAskedTopic) {
  ScratchFolder dir;
  std::filesystem::create_directories(dir / "Korvex Help");
  dir.Write("Korvex Help/index.html", "start");
  dir.Write("Korvex Help/Main AE.html", "editor");
  const std::string help = dir / "Korvex Help.chm";  // only the pages exist
  const std::string pages = "file://" + (dir / "Korvex%20Help/");
  EXPECT_EQ(HelpTarget(help, ""), pages + "index.html");
  EXPECT_EQ(HelpTarget(help + "::/Main AE.html", ""), pages + "Main%20AE.html");
  EXPECT_EQ(HelpTarget(help, "Main AE.html#effects"), pages + "Main%20AE.html#effects");
  EXPECT_EQ(HelpTarget(help, "#splitter"), pages + "index.html#splitter");
  EXPECT_EQ(HelpTarget(help, "Missing.html"), "");
  EXPECT_EQ(HelpTarget(help, "../../index.html"), "") << "no page outside the help";
  EXPECT_TRUE(HelpViewer().ShowHelp(help, "::/Main AE.html"));
  ASSERT_EQ(recorder.commands.size(), 1u);
  EXPECT_EQ(recorder.commands[0], (std::vector<std::string>{"xdg-open", pages + "Main%20AE.html"}));
}
