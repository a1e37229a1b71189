// Burning a data disc onto the image drive: an ISO 9660 image that
// libisofs reads back with the files, their folders, their contents and
// names that every reader can take.

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

#include "BurnFixture.h"
#include "IsoReader.h"

namespace {

class DataDiscImage : public BurnFixture {};

TEST_F(DataDiscImage, FilesLandInTheirFoldersWithTheirContents) {
  WriteFile(folder_ + "song one.mp3", "first file");
  WriteFile(folder_ + "song two.mp3", std::string(70000, 'x'));
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
  ASSERT_EQ(AddFile((folder_ + "song one.mp3").c_str(), "", "", 0, 0), 0);
  ASSERT_EQ(AddFile((folder_ + "song two.mp3").c_str(), "\\live\\", "", 0, 0), 0);
  // The same name twice in one folder is refused.
  EXPECT_EQ(AddFile((folder_ + "song one.mp3").c_str(), "", "", 0, 0), foxabi::kErrInvalidArgument);
  SetVolumeLabel("My collection");
  foxabi::IsoInfoRecord info{};
  ASSERT_EQ(GetISOInfoEx(&info), 0);
  snprintf(info.publisher, sizeof info.publisher, "Tester");
  ASSERT_EQ(SetISOInfoEx(info), 0);
  ASSERT_EQ(BurnAndWait(), "");

  IsoReader iso(imageFolder_ + "My collection.iso");
  ASSERT_TRUE(iso.Ok());
  // The primary descriptor holds ISO 9660 characters only.
  EXPECT_EQ(iso.VolumeId(), "MY_COLLECTION");
  EXPECT_EQ(iso.Publisher(), "TESTER");
  EXPECT_EQ(iso.Content("/song one.mp3"), "first file");
  EXPECT_EQ(iso.Content("/live/song two.mp3"), std::string(70000, 'x'));
}

TEST_F(DataDiscImage, ProjectChecksComeBeforeAnyWriting) {
  EXPECT_EQ(Prepare(), foxabi::kErrNoProject);
  ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
  EXPECT_EQ(Prepare(), foxabi::kErrProjectEmpty);
  WriteFile(folder_ + "f.txt", "x");
  ASSERT_EQ(AddFile((folder_ + "f.txt").c_str(), "", "", 0, 0), 0);
  EXPECT_EQ(Prepare(), foxabi::kErrNoDevice);
  EXPECT_EQ(Burn(), foxabi::kErrNotPrepared);
  EXPECT_EQ(SetDevice('Q'), foxabi::kErrNoDevice);
  EXPECT_EQ(CreateProject(1), foxabi::kErrNotSupported);
  EXPECT_FALSE(std::filesystem::exists(imageFolder_));
}

TEST_F(DataDiscImage, ARelativePathCountsFromTheCurrentFolder) {
  WriteFile(folder_ + "near.txt", "beside us");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder_);
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
  const std::int32_t added = AddFile("near.txt", "", "", 0, 0);
  const std::int32_t missing = AddFile("far.txt", "", "", 0, 0);
  std::filesystem::current_path(before);  // the burn reads the file from elsewhere
  ASSERT_EQ(added, 0);
  EXPECT_EQ(missing, foxabi::kErrFileNotReadable);
  SetVolumeLabel("Relative");
  ASSERT_EQ(BurnAndWait(), "");
  IsoReader iso(imageFolder_ + "Relative.iso");
  ASSERT_TRUE(iso.Ok());
  EXPECT_EQ(iso.Content("/near.txt"), "beside us");
}

TEST_F(DataDiscImage, JolietNamesKeepToSixtyFourCharactersTheirExtensionsAndUniqueness) {
  const std::string longStem(70, 'a');
  const std::string names[] = {
      longStem + ".mp3",                       // cut, keeping ".mp3"
      longStem + "b.mp3",                      // cut to the same: made unique
      std::string(61, 'c') + ".mp3",           // 65 characters
      std::string(60, 'd') + ".mp3",           // 64: kept as it is
      std::string(70, 'e'),                    // no extension
  };
  for (const std::string& name : names) WriteFile(folder_ + name, name);
  SelectImageDrive();
  ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
  for (const std::string& name : names) ASSERT_EQ(AddFile((folder_ + name).c_str(), "", "", 0, 0), 0) << name;
  SetVolumeLabel("Long names");
  ASSERT_EQ(BurnAndWait(), "");

  IsoReader joliet(imageFolder_ + "Long names.iso", true);
  ASSERT_TRUE(joliet.Ok());
  const std::vector<std::string> read = joliet.RootNames();
  ASSERT_EQ(read.size(), std::size(names));
  EXPECT_EQ(std::set<std::string>(read.begin(), read.end()).size(), read.size());
  std::set<std::string> contents;
  for (const std::string& name : read) {
    EXPECT_LE(name.size(), 64u) << name;
    EXPECT_TRUE(name[0] == 'e' || name.ends_with(".mp3")) << name;
    contents.insert(joliet.Content("/" + name));
  }
  EXPECT_EQ(contents, std::set<std::string>(std::begin(names), std::end(names)));  // each file once
  EXPECT_NE(std::find(read.begin(), read.end(), names[3]), read.end());
}

}  // namespace
