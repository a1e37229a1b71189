// The player's per-file commands: what the popup menu offers for each kind
// of row, renaming in place, deleting, mailing and the hand-over to the
// audio editor, with their failure cases.

#include <chrono>
#include <future>

#include "PlayerWindowFixture.h"
#include "platform/framework/IniFiles.h"
#include "platform/os/MailClient.h"
#include "platform/os/Process.h"
#include "platform/os/VirtualKeys.h"

namespace {

class PlayerFileCommandsTest : public PlayerWindowFixture {
 protected:
  void ShowWithFiles() {
    ShowPlayer([this] {
      WriteTone(Folder() + "one.wav", 2);
      WriteTone(Folder() + "two.wav", 0.2);
      std::ofstream(Folder() + "three.mp3") << "kept as it is";
    });
  }
  static void OpenMenuOn(const std::string& name) {
    Select(name);
    frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
  }
  // Renames through the in-place editor, ending it with the key.
  static void TypeName(const std::string& name, const std::string& typed, int key = VK_RETURN) {
    Select(name);
    ASSERT_TRUE(frmPlayer->BeginRename());
    EXPECT_EQ(frmPlayer->edRename->Text(), name);
    frmPlayer->edRename->SetText(typed);
    HeadlessKeyPress(key);
    HeadlessPumpUntilIdle();
    EXPECT_FALSE(frmPlayer->Renaming());
  }
  std::string Read(const std::string& name) {
    std::ifstream in(Folder() + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

class RecordingStarter : public IProcessStarter {
 public:
  RecordingStarter() { SetProcessStarter(this); }
  ~RecordingStarter() override { SetProcessStarter(nullptr); }
  bool StartDetached(const std::vector<std::string>& argv, const std::string&) override {
    started.push_back(argv);
    return true;
  }
  std::vector<std::vector<std::string>> started;
};

// Keeps the one mail handed over (on the hand-over's own thread).
class PromisedMail : public IMailClient {
 public:
  PromisedMail() { SetMailClient(this); }
  ~PromisedMail() override { SetMailClient(nullptr); }
  bool SendMail(const TMailMessage& message, TLaunchFailed) override {
    sent.set_value(message);
    return true;
  }
  std::promise<TMailMessage> sent;
};

TEST_F(PlayerFileCommandsTest, MenuOffersWhatEachKindOfRowAllows) {
  ShowWithFiles();
  frmPlayer->lvPlayList->SetSelected(nullptr);
  frmPlayer->popMenuConvert->OnPopup(frmPlayer->popMenuConvert);
  for (TMenuItem* item : {frmPlayer->mnuConvertWav, frmPlayer->mnuConvertMp3, frmPlayer->mnuCancel,
                          frmPlayer->mnuEmail, frmPlayer->mnuRename, frmPlayer->mnuDelete})
    EXPECT_FALSE(item->Enabled()) << item->Caption();

  OpenMenuOn("three.mp3");
  EXPECT_EQ(frmPlayer->SelectedFilePath(), Folder() + "three.mp3");
  EXPECT_TRUE(frmPlayer->mnuConvertWav->Enabled());
  EXPECT_FALSE(frmPlayer->mnuConvertMp3->Enabled());  // its own format
  EXPECT_FALSE(frmPlayer->mnuCancel->Enabled());
  EXPECT_TRUE(frmPlayer->mnuRename->Enabled());
  EXPECT_TRUE(frmPlayer->mnuDelete->Enabled());
  EXPECT_TRUE(frmPlayer->mnuEmail->Enabled());

  Play("one.wav");
  OpenMenuOn("one.wav");
  EXPECT_FALSE(frmPlayer->mnuRename->Enabled());
  EXPECT_FALSE(frmPlayer->mnuDelete->Enabled());
  EXPECT_TRUE(frmPlayer->mnuEmail->Enabled());
  EXPECT_FALSE(frmPlayer->BeginRename());  // nor by another way in

  // A converting row can be cancelled, and nothing else converts meanwhile.
  frmPlayer->btnStop->Click();
  TfrmPlayer::SetMarker(Row(IndexOf("two.wav")), kMarkerConverting);
  frmPlayer->SetConvertingRowIndex(IndexOf("two.wav"));
  OpenMenuOn("two.wav");
  EXPECT_TRUE(frmPlayer->mnuCancel->Enabled());
  EXPECT_FALSE(frmPlayer->mnuConvertMp3->Enabled());
  EXPECT_FALSE(frmPlayer->mnuDelete->Enabled());
  frmPlayer->mnuCancel->Click();
  EXPECT_TRUE(frmPlayer->ConversionCancelled());
}

TEST_F(PlayerFileCommandsTest, RenameKeepsTheExtensionAndNeverOverwrites) {
  ShowWithFiles();
  TypeName("one.wav", "first.mp3");
  EXPECT_TRUE(std::filesystem::exists(Folder() + "first.wav"));
  EXPECT_FALSE(std::filesystem::exists(Folder() + "one.wav"));
  EXPECT_NE(IndexOf("first.wav"), -1);

  // Beside a file of the same stem and another extension: allowed.
  TypeName("first.wav", "three");
  EXPECT_TRUE(messages.empty());
  // Onto a file that exists: refused, both files as they were.
  TypeName("two.wav", "three");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "A file named \"three.wav\" already exists.");
  EXPECT_TRUE(std::filesystem::exists(Folder() + "two.wav"));
  EXPECT_NE(IndexOf("two.wav"), -1);
  EXPECT_EQ(Read("three.wav").empty(), false);
  EXPECT_EQ(Read("three.mp3"), "kept as it is");

  // No name, or a folder in it: refused.
  TypeName("two.wav", "  ");
  TypeName("two.wav", "sub/two");
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_TRUE(std::filesystem::exists(Folder() + "two.wav"));

  // Escape leaves everything as it was.
  TypeName("two.wav", "other", VK_ESCAPE);
  EXPECT_TRUE(std::filesystem::exists(Folder() + "two.wav"));
  EXPECT_EQ(messages.size(), 3u);

  EXPECT_EQ(RenamedFileName("a.b.c", "x.ogg"), "a.b.ogg");
  EXPECT_EQ(RenamedFileName(".wav", "x.wav"), "");
}

TEST_F(PlayerFileCommandsTest, DeleteAsksFirstAndKeepsTheRowWhenTheFileStays) {
  ShowWithFiles();
  Select("two.wav");
  answers = {mrNo};
  frmPlayer->mnuDelete->Click();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "Do you want to delete \"two.wav\"?");
  EXPECT_TRUE(std::filesystem::exists(Folder() + "two.wav"));
  EXPECT_EQ(RowCount(), 3);

  // A row after the playing one goes: the playing index follows its row.
  Play("two.wav");
  const int playing = frmPlayer->PlayingRowIndex();
  Select("one.wav");
  answers = {mrYes};
  frmPlayer->DeleteSelected();
  EXPECT_FALSE(std::filesystem::exists(Folder() + "one.wav"));
  EXPECT_EQ(IndexOf("one.wav"), -1);
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), playing - 1);
  EXPECT_EQ(Row(frmPlayer->PlayingRowIndex())->Caption(), "two.wav");
  frmPlayer->btnStop->Click();

  // A file the folder will not let go of stays, and so does its row.
  std::filesystem::permissions(Folder(), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  Select("three.mp3");
  answers = {mrYes};
  frmPlayer->DeleteSelected();
  std::filesystem::permissions(Folder(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  if (geteuid() != 0) {
    EXPECT_TRUE(std::filesystem::exists(Folder() + "three.mp3"));
    EXPECT_NE(IndexOf("three.mp3"), -1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The file \"three.mp3\" could not be deleted.");
  }
}

TEST_F(PlayerFileCommandsTest, MailAttachesTheSelectedFile) {
  ShowWithFiles();
  Subject = "Listen";
  Body = "A take";
  PromisedMail client;
  std::future<TMailMessage> sent = client.sent.get_future();
  Select("two.wav");
  frmPlayer->btnMail->Click();
  ASSERT_EQ(sent.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  const TMailMessage mail = sent.get();
  EXPECT_EQ(mail.To, "");
  EXPECT_EQ(mail.Subject, "Listen");
  EXPECT_EQ(mail.Body, "A take");
  EXPECT_EQ(mail.Attachments, std::vector<std::string>{Folder() + "two.wav"});
}

TEST_F(PlayerFileCommandsTest, EditorGetsTheFileThroughTheHandOverFile) {
  ShowWithFiles();
  RecordingStarter starter;
  frmPlayer->lvPlayList->SetSelected(nullptr);
  frmPlayer->btnEditor->Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Please select an audio file");

  // No editor beside the program: one clear message, nothing started.
  AppFolder = Scratch() + "app/";
  std::filesystem::create_directories(AppFolder);
  Select("one.wav");
  frmPlayer->btnEditor->Click();
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_TRUE(starter.started.empty());

  std::ofstream(AppFolder + "olwick") << "";
  Play("one.wav");
  frmPlayer->SetBounds(40, 30, frmPlayer->Width(), frmPlayer->Height());
  frmPlayer->btnEditor->Click();
  EXPECT_EQ(frmPlayer->PlayingRowIndex(), -1);  // stopped before the hand-over
  ASSERT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(starter.started[0], std::vector<std::string>{AppFolder + "olwick"});
  TIniFile handOver(SettingsFolder + "Init.ini");
  EXPECT_EQ(handOver.ReadString("Init", "FileName", ""), Folder() + "one.wav");
  EXPECT_EQ(handOver.ReadInteger("Init", "Left", -1), 40);
  EXPECT_EQ(handOver.ReadInteger("Init", "Top", -1), 30);
  EXPECT_EQ(messages.size(), 2u);
}

}  // namespace
