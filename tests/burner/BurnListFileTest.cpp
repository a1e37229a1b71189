// Burn-list files: the name they are saved under, a save read back, and
// files that were edited, damaged or made to hurt.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "burner/BurnEstimate.h"
#include "burner/BurnListFile.h"

namespace {

class BurnListFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/burnlist-XXXXXX";
    folder_ = mkdtemp(pattern.data());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  void Write(const std::string& name, const std::string& text) const { std::ofstream(Path(name)) << text; }

 private:
  std::string folder_;
};

TEST(BurnListFileName, WblIsRecognisedOnlyAsTheEnding) {
  EXPECT_EQ(BurnListFileName("/m/party"), "/m/party.wbl");
  EXPECT_EQ(BurnListFileName("/m/party.WbL"), "/m/party.WbL");
  EXPECT_EQ(BurnListFileName("/m/a.wbl.old"), "/m/a.wbl.old.wbl");
  EXPECT_EQ(BurnListFileName("/m/x.wbl/party"), "/m/x.wbl/party.wbl");
}

TEST_F(BurnListFileTest, ASavedListReadsBackAndAShorterOneHidesTheRest) {
  const std::string file = Path("party.wbl");
  SaveBurnListFile(file, {1, {"/music/a b.mp3", "/music/c=d.mp3", "/music/e.mp3"}});
  TBurnList read = ReadBurnListFile(file);
  EXPECT_EQ(read.project, 1);
  EXPECT_EQ(read.items, (std::vector<std::string>{"/music/a b.mp3", "/music/c=d.mp3", "/music/e.mp3"}));

  SaveBurnListFile(file, {0, {"/music/z.wav"}});
  read = ReadBurnListFile(file);
  EXPECT_EQ(read.project, 0);
  EXPECT_EQ(read.items, (std::vector<std::string>{"/music/z.wav"})) << "Item2 and Item3 stay behind, unread";
}

TEST_F(BurnListFileTest, EditedDamagedAndHostileFilesGiveWhatTheyHold) {
  EXPECT_TRUE(ReadBurnListFile(Path("missing.wbl")).items.empty());

  Write("hostile.wbl", "[BurnProject]\nProject=99\nItemCount=2000000000\nItem1=/a.mp3\nItem2=/b.mp3\n");
  TBurnList read = ReadBurnListFile(Path("hostile.wbl"));
  EXPECT_EQ(read.project, 2);
  EXPECT_EQ(read.items.size(), 2u);

  Write("negative.wbl", "[BurnProject]\nProject=-4\nItemCount=-1\nItem1=/a.mp3\n");
  read = ReadBurnListFile(Path("negative.wbl"));
  EXPECT_EQ(read.project, 0);
  EXPECT_TRUE(read.items.empty());

  Write("gaps.wbl", "[BurnProject]\nitemcount=3\nITEM1=/a.mp3\nItem3=/c.mp3\n");
  EXPECT_EQ(ReadBurnListFile(Path("gaps.wbl")).items, (std::vector<std::string>{"/a.mp3", "/c.mp3"}));

  std::string garbage(4096, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 131 % 251);
  Write("garbage.wbl", garbage);
  EXPECT_NO_THROW(ReadBurnListFile(Path("garbage.wbl")));
}

TEST(BurnEstimate, AudioCdCountsInDataSectorSpace) {
  EXPECT_EQ(AudioCdBytes(600000), 92160000);  // ten minutes: 87 MB
  EXPECT_EQ(AudioCdBytes(600000) / 1024 / 1024, 87);
  EXPECT_EQ(AudioCdBytes(0), 0);
  EXPECT_EQ(AudioCdBytes(80LL * 60 * 1000), 80LL * 60 * 75 * 2048) << "80 minutes fill 360000 sectors";
}

}  // namespace
