// Several copies of one project, each read back and compared with its
// sources when asked: one image per copy on the image drive, the verify
// events with a true count of faults, and a burn that fails when a copy
// does not match.

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "BurnFixture.h"
#include "IsoReader.h"

namespace {

// The verify events as the worker thread raised them.
struct VerifyLog {
  int starts = 0;
  std::vector<std::string> files;
  std::vector<std::string> errors;  // "file: error"
  std::vector<int> done;
  // Runs on the worker before each verify, while nothing reads the copy.
  std::function<void()> onStart;
  // Runs on the worker for each file verified.
  std::function<void()> onFile;
};

class CopiesAndVerify : public BurnFixture {
 protected:
  void SetUp() override {
    BurnFixture::SetUp();
    SetStartVerifyEventCallback(
        [](void* user) {
          auto* log = static_cast<VerifyLog*>(user);
          ++log->starts;
          if (log->onStart) log->onStart();
        },
        &log_);
    SetVerifyFileEventCallback(
        [](const char* file, void* user) {
          auto* log = static_cast<VerifyLog*>(user);
          log->files.push_back(file);
          if (log->onFile) log->onFile();
        },
        &log_);
    SetVerifyErrorEventCallback(
        [](const char* file, const char* error, void* user) {
          static_cast<VerifyLog*>(user)->errors.push_back(std::string(file) + ": " + error);
        },
        &log_);
    SetVerifyDoneEventCallback([](std::int32_t errors, void* user) { static_cast<VerifyLog*>(user)->done.push_back(errors); },
                               &log_);
  }

  void AskForCopies(int copies, bool verify) {
    ChangeOptions([&](foxabi::OptionsRecord& o) {
      o.copies = copies;
      o.verifyAfterBurn = verify ? 1 : 0;
    });
  }

  // A data project of the named files, each holding its own name.
  void DataProject(const std::vector<std::string>& names) {
    SelectImageDrive();
    ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
    for (const std::string& name : names) {
      WriteFile(folder_ + name, "content of " + name + std::string(5000, '.'));
      ASSERT_EQ(AddFile((folder_ + name).c_str(), "", "", 0, 0), 0);
    }
  }

  VerifyLog log_;
};

// Flips one byte of `needle` where it stands in the file.
void CorruptWhere(const std::string& path, const std::string& needle) {
  std::vector<std::uint8_t> bytes = ReadFile(path);
  auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
  ASSERT_NE(at, bytes.end()) << needle;
  *at ^= 0x20;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST_F(CopiesAndVerify, TwoDataCopiesBecomeTwoImagesEachVerified) {
  // An earlier image of the first copy's name is left alone.
  std::filesystem::create_directories(imageFolder_);
  WriteFile(imageFolder_ + "Backup (copy 1).iso", "older");
  DataProject({"one.txt", "two.txt"});
  SetVolumeLabel("Backup");
  AskForCopies(2, true);
  ASSERT_EQ(BurnAndWait(), "");

  EXPECT_EQ(ReadFile(imageFolder_ + "Backup (copy 1).iso").size(), 5u);
  for (const std::string copy : {"Backup 2 (copy 1).iso", "Backup 2 (copy 2).iso"}) {
    IsoReader iso(imageFolder_ + copy);
    ASSERT_TRUE(iso.Ok()) << copy;
    EXPECT_EQ(iso.Content("/two.txt"), "content of two.txt" + std::string(5000, '.')) << copy;
  }
  EXPECT_EQ(log_.starts, 2);
  EXPECT_EQ(log_.done, (std::vector<int>{0, 0}));
  EXPECT_TRUE(log_.errors.empty());
  ASSERT_EQ(log_.files.size(), 4u);
  EXPECT_EQ(std::count(log_.files.begin(), log_.files.end(), folder_ + "one.txt"), 2);
}

TEST_F(CopiesAndVerify, ACorruptedDataCopyIsReportedByFileAndFailsTheBurn) {
  DataProject({"good.txt", "spoilt.txt"});
  SetVolumeLabel("Checked");
  AskForCopies(2, true);
  // Only the first copy is spoilt, after writing and before verifying.
  log_.onStart = [this] {
    if (log_.starts == 1) CorruptWhere(imageFolder_ + "Checked (copy 1).iso", "content of spoilt.txt");
  };
  EXPECT_EQ(BurnAndWait(), "Verifying found 1 error");
  EXPECT_EQ(log_.done, (std::vector<int>{1, 0}));
  EXPECT_EQ(log_.errors, (std::vector<std::string>{folder_ + "spoilt.txt: the written data differ from the source"}));
}

TEST_F(CopiesAndVerify, AChangedSourceAndAnUnreadableImageCountAsErrors) {
  DataProject({"kept.txt", "changed.txt"});
  SetVolumeLabel("Changed");
  AskForCopies(1, true);
  log_.onStart = [this] { WriteFile(folder_ + "changed.txt", "edited after writing"); };
  EXPECT_EQ(BurnAndWait(), "Verifying found 1 error");
  EXPECT_EQ(log_.done, (std::vector<int>{1}));
  EXPECT_EQ(log_.errors, (std::vector<std::string>{folder_ + "changed.txt: the written data differ from the source"}));

  // An image whose file system is gone is one error, not a success.
  log_ = VerifyLog{};
  log_.onStart = [this] { WriteFile(imageFolder_ + "Changed 2.iso", std::string(40000, '\0')); };
  EXPECT_EQ(BurnAndWait(), "Verifying found 1 error");
  EXPECT_EQ(log_.done, (std::vector<int>{1}));
  ASSERT_EQ(log_.errors.size(), 1u);
  EXPECT_EQ(log_.errors[0].rfind(imageFolder_ + "Changed 2.iso: the written file system cannot be read", 0), 0u)
      << log_.errors[0];
}

TEST_F(CopiesAndVerify, TwoAudioCopiesEachWithItsCueSheetAndAVerifiedBin) {
  auto first = WriteToneWav(folder_ + "a.wav", 1.0, 440);
  WriteToneWav(folder_ + "b.wav", 1.0, 660);
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectAudioCd), 0);
  ASSERT_EQ(AddFile((folder_ + "a.wav").c_str(), "\\", "", 0, 0), 0);
  ASSERT_EQ(AddFile((folder_ + "b.wav").c_str(), "\\", "", 0, 0), 0);
  SetVolumeLabel("Tones");
  AskForCopies(2, true);
  // The second copy's second track is spoilt before it is verified.
  log_.onStart = [this] {
    if (log_.starts != 2) return;
    const std::string bin = imageFolder_ + "Tones (copy 2).bin";
    std::vector<std::uint8_t> bytes = ReadFile(bin);
    bytes[bytes.size() - 1000] ^= 1;
    std::ofstream(bin, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  };
  EXPECT_EQ(BurnAndWait(), "Verifying found 1 error");
  EXPECT_EQ(log_.done, (std::vector<int>{0, 1}));
  EXPECT_EQ(log_.errors, (std::vector<std::string>{folder_ + "b.wav: the written data differ from the source"}));
  EXPECT_EQ(log_.files, (std::vector<std::string>{folder_ + "a.wav", folder_ + "b.wav", folder_ + "a.wav",
                                                  folder_ + "b.wav"}));
  for (const std::string copy : {"Tones (copy 1)", "Tones (copy 2)"}) {
    auto cue = ReadFile(imageFolder_ + copy + ".cue");
    EXPECT_NE(std::string(cue.begin(), cue.end()).find("FILE \"" + copy + ".bin\" BINARY"), std::string::npos);
    auto bin = ReadFile(imageFolder_ + copy + ".bin");
    EXPECT_TRUE(std::equal(first.begin(), first.end(), bin.begin())) << copy;
  }
}

TEST_F(CopiesAndVerify, StopVerifyAndAbortEndVerifyingForTheRestOfTheBurn) {
  DataProject({"a.txt", "b.txt", "c.txt"});
  SetVolumeLabel("Stopped");
  AskForCopies(2, true);
  log_.onFile = [] { StopVerify(); };
  EXPECT_EQ(BurnAndWait(), "");
  EXPECT_EQ(log_.starts, 1);
  EXPECT_EQ(log_.files.size(), 1u);
  EXPECT_EQ(log_.done, (std::vector<int>{0}));
  EXPECT_TRUE(std::filesystem::exists(imageFolder_ + "Stopped (copy 2).iso"));
  // Without a burn running there is nothing to stop.
  EXPECT_EQ(StopVerify(), 0);

  // An abort stops verifying too, and the burn ends as aborted.
  log_ = VerifyLog{};
  log_.onFile = [] { Abort(); };
  EXPECT_EQ(BurnAndWait(), "Burn aborted");
  EXPECT_EQ(log_.files.size(), 1u);
  EXPECT_EQ(log_.done, (std::vector<int>{0}));
}

TEST_F(CopiesAndVerify, WithoutVerifyNothingIsReadBackAndNoCopyCountMeansOne) {
  DataProject({"only.txt"});
  SetVolumeLabel("Plain");
  AskForCopies(0, false);
  ASSERT_EQ(BurnAndWait(), "");
  EXPECT_TRUE(std::filesystem::exists(imageFolder_ + "Plain.iso"));
  EXPECT_EQ(log_.starts, 0);
  // A test burn writes nothing, so there is nothing to verify.
  AskForCopies(2, true);
  ChangeOptions([](foxabi::OptionsRecord& o) { o.testBurn = 1; });
  ASSERT_EQ(BurnAndWait(), "");
  EXPECT_EQ(log_.starts, 0);
  EXPECT_FALSE(std::filesystem::exists(imageFolder_ + "Plain 2 (copy 1).iso"));
}

}  // namespace
