#include <gtest/gtest.h>

#include <cstring>

#include "SkinFixtures.h"
#include "platform/base/Exceptions.h"
#include "skin/ZEL2Define.h"
#include "skin/ZEL2SkinReader.h"
#include "skin/ZELItemChain.h"
#include "skin/ZELThemes.h"

namespace {

std::vector<TItem> SampleItems() {
  return {IntegerItem("SKIN2_TRANSCOLOR", 0xFF00FF),
          IntegerItem("SKIN2_FORMCOLOR", 0xE8E8E8),
          BitmapItem("SKIN2_BUTTON", 30, 21, 0x336699),
          IntegerItem("SKIN2_TITLEBARBUTTONPOSX", -4),
          FlagItem("SKIN2_BUTTONTRANS", true),
          FlagItem("SKIN2_TITLEFIVESECT", false),
          TextItem("SKIN2_AUTHOR", "someone"),
          IntegerItem("SKIN2_SYSTEMCOLOR1", 7)};
}

class SkinReader : public ::testing::Test {
 protected:
  std::string ThemeFile(const std::vector<TItem>& items, const std::string& password = "") {
    return temp.Write("theme" + std::to_string(++files) + ".zsk", BuildThemeFile(items, password));
  }
  std::string ThemeFileOfItemFile(const TBytesVec& itemFile) {
    return temp.Write("theme" + std::to_string(++files) + ".zsk",
                      BuildArchive({DeflatedEntry("SKINDATA.SK2", itemFile)}));
  }
  // Every load cleans up after itself: only the themes written by the test remain.
  void ExpectOnlyThemeFiles() {
    for (const std::string& name : temp.Files()) EXPECT_EQ(name.rfind("theme", 0), 0u) << name;
  }

  TPrivateTempFolder temp;
  int files = 0;
};

}  // namespace

TEST_F(SkinReader, ReadsEveryKindOfItemIgnoringCase) {
  Tsk2SkinFileReader reader(ThemeFile(SampleItems()), "");
  ASSERT_TRUE(reader.Loaded());
  EXPECT_EQ(reader.GetInteger("skin2_formcolor"), 0xE8E8E8);
  EXPECT_EQ(reader.GetInteger("SKIN2_TITLEBARBUTTONPOSX"), -4);
  EXPECT_TRUE(reader.GetBool("Skin2_ButtonTrans"));
  EXPECT_FALSE(reader.GetBool("SKIN2_TITLEFIVESECT"));
  ASSERT_NE(reader.GetBitmap("skin2_button"), nullptr);
  EXPECT_EQ(reader.GetBitmap("SKIN2_BUTTON")->Width(), 30);
  EXPECT_EQ(reader.GetBitmap("SKIN2_BUTTON")->ScanLine(0)[0], 0x33);  // blue first
  // Missing items, and items asked for under another kind.
  EXPECT_EQ(reader.GetInteger("SKIN2_CONTROLCOLOR"), -1);
  EXPECT_EQ(reader.GetInteger("SKIN2_BUTTONTRANS"), -1);
  EXPECT_FALSE(reader.GetBool("SKIN2_FORMCOLOR"));
  EXPECT_EQ(reader.GetBitmap("SKIN2_CHECKBOX"), nullptr);
  EXPECT_EQ(reader.TextCount(), 1);
  EXPECT_EQ(reader.IntegerCount(), 4);
  ExpectOnlyThemeFiles();
}

TEST_F(SkinReader, TheTerminatorIsNeverRead) {
  Tsk2SkinFileReader empty(ThemeFileOfItemFile(BuildItemFile({}, "SKIN2_FORMCOLOR")), "");
  EXPECT_TRUE(empty.Loaded());
  EXPECT_EQ(empty.IntegerCount() + empty.FlagCount() + empty.BitmapCount() + empty.TextCount(), 0);
  EXPECT_FALSE(empty.GetBool("SKIN2_FORMCOLOR"));
}

TEST_F(SkinReader, LongNamesAreCutAtTheirField) {
  const std::string longName(70, 'N');
  Tsk2SkinFileReader reader(ThemeFile({IntegerItem(longName, 5)}), "");
  EXPECT_EQ(reader.GetInteger(longName.substr(0, 64)), 5);
}

TEST_F(SkinReader, PasswordsDecideWhetherTheThemeLoads) {
  const std::string file = ThemeFile(SampleItems(), "pw");
  EXPECT_TRUE(Tsk2SkinFileReader(file, "pw").Loaded());
  EXPECT_FALSE(Tsk2SkinFileReader(file, "").Loaded());
  EXPECT_FALSE(Tsk2SkinFileReader(file, "wrong").Loaded());
  ExpectOnlyThemeFiles();
}

TEST_F(SkinReader, DamagedFilesRaiseAndLeaveNoTemporaryFile) {
  try {
    Tsk2SkinFileReader reader(temp.Write("theme-plain.txt", BytesOf("PK not a theme at all")), "");
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Failed to read skin file!");
  }

  TBytesVec loop = BuildItemFile({IntegerItem("A", 1), IntegerItem("B", 2)});
  loop[24 + 73] = 24 + 77 + 4;  // A -> B
  loop[24 + 77 + 4 + 73] = 24;  // B -> A
  std::memset(&loop[24 + 77 + 4 + 74], 0, 3);
  EXPECT_THROW(Tsk2SkinFileReader(ThemeFileOfItemFile(loop), ""), Exception);

  TBytesVec farData = BuildItemFile({TextItem("T", "text")});
  farData[24 + 69] = 0xFF;  // size far beyond the file
  farData[24 + 72] = 0x7F;
  EXPECT_THROW(Tsk2SkinFileReader(ThemeFileOfItemFile(farData), ""), Exception);

  TBytesVec farRecord = BuildItemFile({IntegerItem("A", 1)});
  farRecord[20] = 0xF0;  // first record far beyond the file
  EXPECT_THROW(Tsk2SkinFileReader(ThemeFileOfItemFile(farRecord), ""), Exception);

  TItem notABitmap{"SKIN2_BUTTON", 0, BytesOf("BM but nothing else")};
  EXPECT_THROW(Tsk2SkinFileReader(ThemeFile({notABitmap}), ""), Exception);
  ExpectOnlyThemeFiles();
}

// A few kilobytes of theme file must not take gigabytes: records sharing
// one picture, pictures too large decoded, or an entry that inflates past
// what it states are refused like damaged files.
TEST_F(SkinReader, FilesThatWouldTakeTooMuchMemoryAreRefused) {
  const auto withPictures = [](const std::vector<TBytesVec>& bmps, bool shared) {
    std::vector<TItem> items;
    for (std::size_t i = 0; i < bmps.size(); ++i)
      items.push_back(themefile::BitmapItem("SKIN2_PICTURE" + std::to_string(i), bmps[i]));
    TBytesVec itemFile = BuildItemFile(items);
    if (shared) ShareFirstBitmapData(itemFile);
    return itemFile;
  };
  const TBytesVec tiny = OneBitBmp(1, 1);
  // Eight records of one 8192 x 8192 picture: 8 MB of item file, 8 KB deflated, 1.5 GB decoded.
  const TBytesVec eightTimesHuge = withPictures({OneBitBmp(8192, 8192), tiny, tiny, tiny, tiny, tiny, tiny, tiny}, true);
  ASSERT_LT(BuildArchive({DeflatedEntry("SKINDATA.SK2", eightTimesHuge)}).size(), 10000u);
  EXPECT_THROW(Tsk2SkinFileReader(ThemeFileOfItemFile(eightTimesHuge), ""), Exception);
  // Forty records of a picture that alone would fit: they claim more than the file holds.
  std::vector<TBytesVec> forty(40, tiny);
  forty[0] = OneBitBmp(2048, 2048);
  EXPECT_THROW(Tsk2SkinFileReader(ThemeFileOfItemFile(withPictures(forty, true)), ""), Exception);
  // Two pictures that fit one at a time but not together.
  const TBytesVec large = OneBitBmp(4096, 3000);  // 36 MB decoded
  EXPECT_TRUE(Tsk2SkinFileReader(ThemeFileOfItemFile(withPictures({large}, false)), "").Loaded());
  EXPECT_THROW(Tsk2SkinFileReader(ThemeFileOfItemFile(withPictures({large, large}, false)), ""), Exception);

  // An entry that says it is empty but holds a theme loads nothing, quietly.
  TArchiveEntry saysEmpty = DeflatedEntry("SKINDATA.SK2", BuildItemFile(SampleItems()));
  saysEmpty.uncompressedSize = 0;
  const std::string saysEmptyFile = temp.Write("theme-says-empty.zsk", BuildArchive({saysEmpty}));
  EXPECT_FALSE(Tsk2SkinFileReader(saysEmptyFile, "").Loaded());
  // Nor does one that inflates far past any theme.
  TArchiveEntry bomb;
  bomb.name = "SKINDATA.SK2";
  bomb.uncompressedSize = 1000;
  bomb.data = RawDeflateZeros(2 * detail::kMaxItemFileSize);
  EXPECT_FALSE(Tsk2SkinFileReader(temp.Write("theme-bomb.zsk", BuildArchive({bomb})), "").Loaded());
  ExpectOnlyThemeFiles();
}

TEST_F(SkinReader, ManagerStates) {
  TzelFileThemeMgr manager;
  // No theme: the neutral answers.
  EXPECT_EQ(manager.GetColor(2), 0);
  EXPECT_EQ(manager.GetInteger(3), 0);
  EXPECT_EQ(manager.GetBitmap(15), nullptr);
  EXPECT_FALSE(manager.GetBool(5));

  EXPECT_FALSE(manager.LoadFromFile(temp.Path() + "missing.zsk", ""));
  ASSERT_TRUE(manager.LoadFromFile(ThemeFile(SampleItems()), ""));
  EXPECT_EQ(manager.GetColor(0), 0xFF00FF);
  EXPECT_EQ(manager.GetColor(2), 0xE8E8E8);
  EXPECT_EQ(manager.GetColor(21), -1);  // missing
  EXPECT_EQ(manager.GetInteger(3), -4);
  EXPECT_TRUE(manager.GetBool(5));
  ASSERT_NE(manager.GetBitmap(15), nullptr);
  EXPECT_EQ(manager.GetBitmap(15)->Height(), 21);
  // Only the low seven bits of an index count; entries past the table are missing.
  EXPECT_EQ(manager.GetColor(2 + 128), 0xE8E8E8);
  EXPECT_EQ(manager.GetBool(100), false);
  EXPECT_EQ(manager.GetInteger(127), -1);

  // A missing file changes nothing.
  EXPECT_FALSE(manager.LoadFromFile(temp.Path() + "missing.zsk", ""));
  EXPECT_EQ(manager.GetColor(2), 0xE8E8E8);
  // A failed load drops the previous theme, by exception or by password.
  EXPECT_FALSE(manager.LoadFromFile(temp.Write("theme-bad.zsk", BytesOf("garbage")), ""));
  EXPECT_FALSE(manager.HasReader());
  EXPECT_EQ(manager.GetColor(2), 0);
  ASSERT_TRUE(manager.LoadFromFile(ThemeFile(SampleItems()), ""));
  EXPECT_FALSE(manager.LoadFromFile(ThemeFile(SampleItems(), "pw"), ""));
  EXPECT_EQ(manager.GetBitmap(15), nullptr);
  ExpectOnlyThemeFiles();
}

TEST(SkinItemNames, GroupsSitAtTheirBases) {
  EXPECT_STREQ(SkinItemNames[zelColorBase], "SKIN2_TRANSCOLOR");
  EXPECT_STREQ(SkinItemNames[zelColorBase + 31], "SKIN2_SIDECHANNELBORDERCOLOR");
  EXPECT_STREQ(SkinItemNames[zelBitmapBase], "SKIN2_TITLEBAR1");
  EXPECT_STREQ(SkinItemNames[zelBitmapBase + 33], "SKIN2_SCROLLBUTTON");
  EXPECT_STREQ(SkinItemNames[zelIntegerBase], "SKIN2_TITLEBARICONPOSX");
  EXPECT_STREQ(SkinItemNames[zelIntegerBase + 8], "SKIN2_BOTTOMREGIONMAXY");
  EXPECT_STREQ(SkinItemNames[zelFlagBase], "SKIN2_TITLEFIVESECT");
  EXPECT_STREQ(SkinItemNames[zelFlagBase + 8], "SKIN2_TABCONTROLTRANS");
}
