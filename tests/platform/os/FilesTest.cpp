#include "platform/os/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ScratchFolder.h"

TEST(Files, ExistenceTellsFilesFromFolders) {
  ScratchFolder dir;
  dir.Write("f.txt", "x");
  EXPECT_TRUE(FileExists(dir / "f.txt"));
  EXPECT_FALSE(FileExists(dir.Path()));
  EXPECT_FALSE(FileExists(dir / "missing"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(DirectoryExists(dir.Path()));
  EXPECT_FALSE(DirectoryExists(dir / "f.txt"));
}

TEST(Files, ForceDirectoriesMakesEveryLevelAndCreateDirOnlyOne) {
  ScratchFolder dir;
  EXPECT_FALSE(CreateDir(dir / "a/b/"));
  EXPECT_TRUE(ForceDirectories(dir / "a/b/c/"));
  EXPECT_TRUE(DirectoryExists(dir / "a/b/c"));
  EXPECT_TRUE(ForceDirectories(dir / "a/b/c"));  // already there
  EXPECT_TRUE(CreateDir(dir / "a/x/"));
  EXPECT_FALSE(CreateDir(dir / "a/x"));
  dir.Write("file", "");
  EXPECT_FALSE(ForceDirectories(dir / "file/sub"));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST(Files, SizeIsSixtyFourBit) {
  ScratchFolder dir;
  std::string path = dir.Write("big", "");
  ASSERT_EQ(truncate(path.c_str(), 5'000'000'000LL), 0);  // sparse
  EXPECT_EQ(GetFileSize64(path), 5'000'000'000LL);
  EXPECT_EQ(GetFileSize64(dir / "missing"), -1);
  EXPECT_EQ(GetFileSize64(dir.Path()), -1);
}

TEST(Files, RenameNeverReplacesAndDeleteLeavesFolders) {
  ScratchFolder dir;
  dir.Write("a", "first");
  dir.Write("b", "second");
  EXPECT_FALSE(RenameFile(dir / "a", dir / "b"));
  EXPECT_EQ(dir.Read("b"), "second");
  EXPECT_EQ(dir.Read("a"), "first");
  EXPECT_TRUE(RenameFile(dir / "a", dir / "c"));
  EXPECT_EQ(dir.Read("c"), "first");
  EXPECT_FALSE(FileExists(dir / "a"));

  EXPECT_TRUE(DeleteFile(dir / "c"));
  EXPECT_FALSE(DeleteFile(dir / "c"));
  EXPECT_FALSE(DeleteFile(dir.Path()));
}

TEST(Files, AtomicWriteReplacesContentsAndKeepsPermissions) {
  ScratchFolder dir;
  std::string path = dir.Write("settings.ini", "old contents");
  chmod(path.c_str(), 0640);
  EXPECT_TRUE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(dir.Read("settings.ini"), "new");
  struct stat info {};
  stat(path.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // No temporary file stays behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(Files, AtomicWriteThroughALinkReplacesTheLinkedFile) {
  ScratchFolder dir;
  dir.Write("real.ini", "old");
  std::filesystem::create_symlink(dir / "real.ini", dir / "link.ini");
  EXPECT_TRUE(WriteFileAtomically(dir / "link.ini", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
  EXPECT_EQ(dir.Read("real.ini"), "new");
}

TEST(Files, AtomicWriteIntoAMissingFolderFailsWithoutLeavingAnything) {
  ScratchFolder dir;
  EXPECT_FALSE(WriteFileAtomically(dir / "no/such/file", "x"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 0);
}
