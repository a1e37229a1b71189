#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ScratchFolder.h"
#include "platform/os/NewFile.h"

namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CreateNewFile, MakesAnEmptyFileOnlyWhereNothingIs) {
  ScratchFolder folder;
  const std::string path = folder / "new.tmp";
  ASSERT_TRUE(CreateNewFile(path));
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);

  // What is already there is neither replaced nor emptied.
  const std::string kept = folder.Write("kept.txt", "keep me");
  EXPECT_FALSE(CreateNewFile(kept));
  EXPECT_EQ(Contents(kept), "keep me");

  // Nor is the file a link points to, nor the link itself.
  const std::string link = folder / "link";
  std::filesystem::create_symlink(kept, link);
  EXPECT_FALSE(CreateNewFile(link));
  EXPECT_EQ(Contents(kept), "keep me");
  std::filesystem::create_symlink(folder / "missing", folder / "dangling");
  EXPECT_FALSE(CreateNewFile(folder / "dangling"));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST(CreateNewFile, RefusesWhereNoFileCanBe) {
  ScratchFolder folder;
  EXPECT_FALSE(CreateNewFile(""));
  EXPECT_FALSE(CreateNewFile(folder.Path()));
  EXPECT_FALSE(CreateNewFile(folder / "no-such-folder/file"));
  std::filesystem::create_directory(folder / "shut");
  std::filesystem::permissions(folder / "shut", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  // Root may write anywhere; the refusal only shows for an ordinary user.
  if (geteuid() != 0) {
    EXPECT_FALSE(CreateNewFile(folder / "shut/file"));
  }
  std::filesystem::permissions(folder / "shut", std::filesystem::perms::owner_all);
}

}  // namespace
