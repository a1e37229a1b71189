// Shortening the file-name label's path to a width.

#include <gtest/gtest.h>

#include "recorder/MainPathText.h"

namespace {

// Seven pixels a byte, as a fixed-pitch font would measure plain text.
int Width(const std::string& text) { return static_cast<int>(text.size()) * 7; }

TEST(MainPathText, FoldersAfterTheFirstGiveWayBeforeTheName) {
  const std::string path = "/home/annabel/Documents/Recorded files/Recorded 13-05-09.wav";
  EXPECT_EQ(ShortenPathToFit(path, Width(path), Width), path);
  EXPECT_EQ(ShortenPathToFit(path, Width(path) - 1, Width), "/home/.../Documents/Recorded files/Recorded 13-05-09.wav");
  EXPECT_EQ(ShortenPathToFit(path, Width("/home/.../Recorded files/Recorded 13-05-09.wav"), Width),
            "/home/.../Recorded files/Recorded 13-05-09.wav");
  EXPECT_EQ(ShortenPathToFit(path, Width("/home/.../Recorded 13-05-09.wav"), Width), "/home/.../Recorded 13-05-09.wav");
  EXPECT_EQ(ShortenPathToFit(path, Width(".../Recorded 13-05-09.wav"), Width), ".../Recorded 13-05-09.wav");
  EXPECT_EQ(ShortenPathToFit(path, Width("Recorded..."), Width), "Recorded...");
  EXPECT_EQ(ShortenPathToFit(path, 0, Width), "...");
}

TEST(MainPathText, NamesWithoutFoldersAndWideCharactersAreCutWhole) {
  EXPECT_EQ(ShortenPathToFit("a/b.wav", 100, Width), "a/b.wav");
  // "é" is two bytes: a cut never leaves half of it.
  const std::string cut = ShortenPathToFit("/x/caf\xC3\xA9s.wav", Width("caf\xC3...") , Width);
  EXPECT_EQ(cut, "caf...");
}

}  // namespace
