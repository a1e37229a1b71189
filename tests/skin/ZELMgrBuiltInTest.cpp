#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

#include "SkinFixtures.h"
#include "platform/framework/Component.h"
#include "platform/os/Files.h"
#include "skin/ZELMgr.h"

namespace {

constexpr int kFormColor = 2;  // SKIN2_FORMCOLOR

TBytesVec ThemeBytes(std::uint32_t formColor, const std::string& password = "") {
  return BuildThemeFile({IntegerItem("SKIN2_FORMCOLOR", static_cast<std::int32_t>(formColor))}, password);
}

class BuiltInTheme : public ::testing::Test {
 protected:
  // Files the components wrote and left in the temporary folder.
  std::vector<std::string> LeftOver() {
    std::vector<std::string> found;
    for (const std::string& name : temp.Files())
      if (name.rfind("design", 0) != 0) found.push_back(name);
    return found;
  }
  TPrivateTempFolder temp;
};

}  // namespace

TEST_F(BuiltInTheme, SkinDataRoundTripsAndTheTemporaryFileIsRemoved) {
  const TBytesVec bytes = ThemeBytes(0x123456);
  const std::string designPath = temp.Write("design.zsk", bytes);
  TzelBuiltInFileTheme designed(nullptr);
  designed.SetProp("ThemeFile", designPath);
  EXPECT_EQ(designed.ThemeFile(), designPath);
  EXPECT_TRUE(designed.IsReady());
  EXPECT_EQ(designed.WriteStoredProperty("SkinData"), bytes);

  // On another machine: the design path is missing, the bytes load.
  TComponent root(nullptr);
  TComponentLoader loader(&root);
  auto* loaded = loader.Create<TzelBuiltInFileTheme>("Theme");
  loader.Set(loaded, "ThemeFile", temp.Path() + "gone/design.zsk");
  loader.SetStored(loaded, "SkinData", bytes);
  loader.End();
  EXPECT_TRUE(loaded->IsReady());
  EXPECT_EQ(loaded->GetColor(kFormColor), 0x123456);
  EXPECT_EQ(loaded->ThemeFile(), temp.Path() + "gone/design.zsk");
  const std::string tempName = loaded->TzelFileTheme::ThemeFile();
  EXPECT_EQ(tempName.rfind(temp.Path() + "{", 0), 0u) << tempName;
  EXPECT_EQ(tempName.substr(tempName.size() - 4), ".zsk");
  EXPECT_FALSE(FileExists(tempName));
  EXPECT_TRUE(LeftOver().empty());
  // Nothing to write when the design path does not exist.
  EXPECT_TRUE(loaded->SkinData().empty());
}

TEST_F(BuiltInTheme, TwoEmbeddedThemesGetDistinctTemporaryFiles) {
  TzelBuiltInFileTheme first(nullptr);
  TzelBuiltInFileTheme second(nullptr);
  first.LoadSkinData(ThemeBytes(1));
  second.LoadSkinData(ThemeBytes(2));
  EXPECT_NE(first.TzelFileTheme::ThemeFile(), second.TzelFileTheme::ThemeFile());
  EXPECT_EQ(first.GetColor(kFormColor), 1);
  EXPECT_EQ(second.GetColor(kFormColor), 2);
}

TEST_F(BuiltInTheme, DamagedOrLockedSkinDataLeavesItNotReadyAndNothingBehind) {
  TzelBuiltInFileTheme theme(nullptr);
  theme.LoadSkinData(TBytesVec{});
  EXPECT_FALSE(theme.IsReady());
  theme.LoadSkinData(BytesOf("SK\x03\x04 damaged"));
  EXPECT_FALSE(theme.IsReady());
  TBytesVec truncated = ThemeBytes(5);
  truncated.resize(truncated.size() / 2);
  theme.LoadSkinData(truncated);
  EXPECT_FALSE(theme.IsReady());
  theme.LoadSkinData(ThemeBytes(5, "pw"));
  EXPECT_FALSE(theme.IsReady());
  EXPECT_TRUE(LeftOver().empty());

  // The password comes before the data in a form description.
  TzelBuiltInFileTheme locked(nullptr);
  locked.SetPassword("pw");
  locked.LoadSkinData(ThemeBytes(5, "pw"));
  EXPECT_TRUE(locked.IsReady());
  EXPECT_TRUE(LeftOver().empty());
}

TEST_F(BuiltInTheme, AnUnwritableTemporaryFolderGivesUpWithoutHanging) {
  TzelBuiltInFileTheme theme(nullptr);
  theme.LoadSkinData(ThemeBytes(7));
  ASSERT_TRUE(theme.IsReady());
  // A folder that does not exist refuses every file; the loaded theme stays.
  setenv("TMPDIR", (temp.Path() + "missing-folder").c_str(), 1);
  theme.LoadSkinData(ThemeBytes(8));
  setenv("TMPDIR", temp.Path().c_str(), 1);
  EXPECT_TRUE(theme.IsReady());
  EXPECT_EQ(theme.GetColor(kFormColor), 7);
}
