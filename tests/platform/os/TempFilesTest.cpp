#include "platform/os/TempFiles.h"

#include <regex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/os/Guid.h"
#include "ScratchFolder.h"

TEST(UniqueNames, NumberIsPutBetweenStemAndExtension) {
  ScratchFolder dir;
  EXPECT_EQ(MakeUniqueFileName(dir / "a.zsk"), dir / "a.zsk");
  dir.Write("a.zsk", "");
  EXPECT_EQ(MakeUniqueFileName(dir / "a.zsk"), dir / "a1.zsk");
  dir.Write("a1.zsk", "");
  EXPECT_EQ(MakeUniqueFileName(dir / "a.zsk"), dir / "a2.zsk");
  // A folder of that name also takes the name.
  std::filesystem::create_directory(dir / "plain");
  EXPECT_EQ(MakeUniqueFileName(dir / "plain"), dir / "plain1");
}

TEST(UniqueNames, DotsInFoldersOrLeadingDotsAreNoExtension) {
  ScratchFolder dir;
  std::filesystem::create_directory(dir / "v1.2");
  dir.Write("v1.2/readme", "");
  EXPECT_EQ(MakeUniqueFileName(dir / "v1.2/readme"), dir / "v1.2/readme1");
  dir.Write(".hidden", "");
  EXPECT_EQ(MakeUniqueFileName(dir / ".hidden"), dir / ".hidden1");
}

TEST(TempFiles, ExclusiveFilesAreOwnerOnlyAndNeverReuseAnExistingOne) {
  ScratchFolder dir;
  ASSERT_TRUE(CreateFileExclusive(dir / "t"));
  struct stat info {};
  stat((dir / "t").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_FALSE(CreateFileExclusive(dir / "t"));

  // A planted link must not be followed.
  std::filesystem::create_symlink(dir / "victim", dir / "trap");
  EXPECT_FALSE(CreateFileExclusive(dir / "trap"));
  EXPECT_FALSE(std::filesystem::exists(dir / "victim"));
}

TEST(TempFiles, UniqueFileTakesTheNextFreeName) {
  ScratchFolder dir;
  dir.Write("x.tmp", "keep");
  std::string name;
  int fd = CreateUniqueFile(dir / "x.tmp", name);
  ASSERT_GE(fd, 0);
  close(fd);
  EXPECT_EQ(name, dir / "x1.tmp");
  EXPECT_EQ(dir.Read("x.tmp"), "keep");
}

TEST(TempFiles, TempFileIsNamedByAGuidInTheTemporaryFolder) {
  ScratchFolder dir;
  ScopedEnv tmp("TMPDIR", dir.Path().c_str());
  std::string path = CreateTempFile(".zsk");
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(std::regex_match(path.substr(dir.Path().size()),
                               std::regex(R"(\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}\.zsk)")));
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(Guids, AreVersionFourAndDoNotRepeat) {
  std::set<std::string> seen;
  for (int i = 0; i < 1000; ++i) {
    std::string text = NewGuidString();
    ASSERT_EQ(text.size(), 38u);
    EXPECT_EQ(text[15], '4');  // version
    EXPECT_NE(std::string("89AB").find(text[20]), std::string::npos);  // variant
    seen.insert(text);
  }
  EXPECT_EQ(seen.size(), 1000u);
  TGUID fixed{0x01234567, 0x89AB, 0xCDEF, {0, 1, 2, 3, 4, 5, 6, 0xFF}};
  EXPECT_EQ(GUIDToString(fixed), "{01234567-89AB-CDEF-0001-0203040506FF}");
}
