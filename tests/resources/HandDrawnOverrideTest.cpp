// A hand-drawn bitmap replaces the painted one of the same name.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "platform/gfx/Bitmap.h"
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
  // A real BMP file of the given width.
  std::string Bmp(int width) {
    TBitmap bmp(width, 1, pf24bit);
    std::vector<std::uint8_t> bytes = bmp.SaveToBytes();
    return std::string(bytes.begin(), bytes.end());
  }

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

TEST_F(BitmapFolders, EmbeddedSourceCarriesTheChosenFile) {
  Write(root_ / "painted" / "A_BUTTON.bmp", Bmp(3));
  Write(root_ / "hand" / "A_BUTTON.bmp", Bmp(5));
  WriteEmbeddedSource(CollectBitmapFiles(root_ / "painted", root_ / "hand"), root_ / "out.cpp");
  std::ifstream in(root_ / "out.cpp");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::erase_if(text, [](unsigned char c) { return std::isspace(c); });
  // The width field of the BMP header sits at offset 18.
  EXPECT_NE(text.find("66,77,"), std::string::npos);
  EXPECT_NE(text.find(",5,0,0,0,1,0,0,0,"), std::string::npos);
  EXPECT_EQ(text.find(",3,0,0,0,1,0,0,0,"), std::string::npos);
  EXPECT_NE(text.find("{\"A_BUTTON\",kBitmap0,sizeof(kBitmap0)}"), std::string::npos);
  EXPECT_NE(text.find("kEmbeddedBitmapCount=1;"), std::string::npos);
}

TEST_F(BitmapFolders, DamagedHandDrawnFileStopsTheBuild) {
  Write(root_ / "painted" / "A_BUTTON.bmp", Bmp(3));
  Write(root_ / "hand" / "A_BUTTON.bmp", "BM not really a bitmap");
  EXPECT_THROW(WriteEmbeddedSource(CollectBitmapFiles(root_ / "painted", root_ / "hand"), root_ / "out.cpp"),
               std::runtime_error);
}

TEST_F(BitmapFolders, UnreadableFileIsReportedNotEmbeddedEmpty) {
  std::map<std::string, fs::path> files = {{"GONE", root_ / "painted" / "GONE.bmp"}};
  EXPECT_THROW(WriteEmbeddedSource(files, root_ / "out.cpp"), std::runtime_error);
}

}  // namespace
