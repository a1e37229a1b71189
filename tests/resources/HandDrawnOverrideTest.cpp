// A hand-drawn bitmap replaces the painted one of the same name.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "resources/embed/BitmapSources.h"

namespace fs = std::filesystem;

namespace {

class BitmapFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("theme_art_test_" + std::to_string(::getpid()));
    fs::create_directories(root_ / "painted");
    fs::create_directories(root_ / "hand");
  }
  void TearDown() override { fs::remove_all(root_); }
  void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

  fs::path root_;
};

TEST_F(BitmapFolders, HandDrawnFileWinsAndOthersStayPainted) {
  Write(root_ / "painted" / "A_BUTTON.bmp", "painted");
  Write(root_ / "painted" / "B_TAB.bmp", "painted");
  Write(root_ / "hand" / "A_BUTTON.bmp", "hand");
  Write(root_ / "hand" / "notes.txt", "not a bitmap");
  auto files = CollectBitmapFiles(root_ / "painted", root_ / "hand");
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files["A_BUTTON"], root_ / "hand" / "A_BUTTON.bmp");
  EXPECT_EQ(files["B_TAB"], root_ / "painted" / "B_TAB.bmp");
}

TEST_F(BitmapFolders, MissingHandDrawnFolderCountsAsEmpty) {
  Write(root_ / "painted" / "A_BUTTON.bmp", "painted");
  auto files = CollectBitmapFiles(root_ / "painted", root_ / "nowhere");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files["A_BUTTON"], root_ / "painted" / "A_BUTTON.bmp");
}

TEST_F(BitmapFolders, EmbeddedSourceCarriesEveryByteOfTheChosenFile) {
  Write(root_ / "painted" / "A_BUTTON.bmp", std::string("\x01\xFF", 2));
  Write(root_ / "hand" / "A_BUTTON.bmp", std::string("\x07\x80\x00", 3));
  WriteEmbeddedSource(CollectBitmapFiles(root_ / "painted", root_ / "hand"), root_ / "out.cpp");
  std::ifstream in(root_ / "out.cpp");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("7,128,0,"), std::string::npos);
  EXPECT_EQ(text.find("1,255,"), std::string::npos);
  EXPECT_NE(text.find("{\"A_BUTTON\", kBitmap0, sizeof(kBitmap0)}"), std::string::npos);
  EXPECT_NE(text.find("kEmbeddedBitmapCount = 1;"), std::string::npos);
}

TEST_F(BitmapFolders, UnreadableFileIsReportedNotEmbeddedEmpty) {
  std::map<std::string, fs::path> files = {{"GONE", root_ / "painted" / "GONE.bmp"}};
  EXPECT_THROW(WriteEmbeddedSource(files, root_ / "out.cpp"), std::runtime_error);
}

}  // namespace
