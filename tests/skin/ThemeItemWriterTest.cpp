#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "SkinFixtures.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "skin/ZEL2SkinReader.h"

namespace {

using themefile::ThemeItem;

std::uint32_t U32At(const TBytesVec& bytes, std::size_t at) {
  std::uint32_t value;
  std::memcpy(&value, &bytes[at], 4);
  return value;
}

std::uint16_t U16At(const TBytesVec& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

class ThemeWriter : public ::testing::Test {
 protected:
  std::string Written(const TBytesVec& theme) { return temp.Write("theme" + std::to_string(++files) + ".zsk", theme); }
  TPrivateTempFolder temp;
  int files = 0;
};

}  // namespace

TEST_F(ThemeWriter, EveryKindReadsBackAsWritten) {
  TBitmap picture(5, 3);
  picture.Canvas()->Brush()->SetColor(0x336699);
  picture.Canvas()->FillRect({0, 0, 5, 3});
  picture.Canvas()->SetPixels(4, 2, 0x0000FF);
  const std::string longest(64, 'L');
  Tsk2SkinFileReader reader(Written(themefile::WriteThemeFile({
                                themefile::BitmapItem("SKIN2_BUTTON", picture.SaveToBytes()),
                                themefile::IntegerItem("SKIN2_FORMCOLOR", 0xE8E8E8),
                                themefile::IntegerItem("SKIN2_TITLEBARBUTTONPOSX", -3),
                                themefile::FlagItem("SKIN2_BUTTONTRANS", true),
                                themefile::FlagItem("SKIN2_TITLEFIVESECT", false),
                                themefile::TextItem("SKIN2_AUTHOR", "someone"),
                                themefile::IntegerItem(longest, 7),
                            })),
                            "");
  ASSERT_TRUE(reader.Loaded());
  TBitmap* button = reader.GetBitmap("SKIN2_BUTTON");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Width(), 5);
  EXPECT_EQ(button->Height(), 3);
  EXPECT_EQ(button->Canvas()->Pixels(0, 0), TColor(0x336699));
  EXPECT_EQ(button->Canvas()->Pixels(4, 2), TColor(0x0000FF));
  EXPECT_EQ(reader.GetInteger("SKIN2_FORMCOLOR"), 0xE8E8E8);
  EXPECT_EQ(reader.GetInteger("SKIN2_TITLEBARBUTTONPOSX"), -3);
  EXPECT_TRUE(reader.GetBool("SKIN2_BUTTONTRANS"));
  EXPECT_FALSE(reader.GetBool("SKIN2_TITLEFIVESECT"));
  EXPECT_EQ(reader.GetInteger(longest), 7);  // a name filling its field has no terminating zero
  EXPECT_EQ(reader.TextCount(), 1);
  EXPECT_EQ(reader.BitmapCount() + reader.IntegerCount() + reader.FlagCount() + reader.TextCount(), 7);
}

TEST_F(ThemeWriter, ItemFileChainsEachRecordToItsDataAndEndsInANamelessTerminator) {
  const TBytesVec file = themefile::WriteItemFile(
      {themefile::IntegerItem("A", 1), themefile::TextItem("B", "text"), themefile::FlagItem("C", true)});
  EXPECT_EQ(std::string(file.begin(), file.begin() + 12), "PARLINDE_SK2");
  EXPECT_EQ(U32At(file, 12), 24u);
  EXPECT_EQ(U32At(file, 16), 2u);
  std::size_t record = U32At(file, 20);
  EXPECT_EQ(record, 24u);
  const std::uint32_t sizes[] = {4, 4, 1};
  for (std::uint32_t size : sizes) {
    EXPECT_EQ(U32At(file, record + 65), record + 77) << "data right behind its record";
    EXPECT_EQ(U32At(file, record + 69), size);
    EXPECT_EQ(U32At(file, record + 73), record + 77 + size);
    record = U32At(file, record + 73);
  }
  ASSERT_EQ(record + 77, file.size());
  EXPECT_EQ(file[record], 0) << "terminator name";
  EXPECT_EQ(file[record + 64], 2) << "terminator kind";
  EXPECT_EQ(U32At(file, record + 65), 0u);
  EXPECT_EQ(U32At(file, record + 69), 0u);
  EXPECT_EQ(U32At(file, record + 73), 0u);

  // The recorder's older theme files: the same chain under their own header.
  const TBytesVec older = themefile::WriteItemFile({themefile::IntegerItem("A", 1)}, themefile::kOlderThemeFileHeader);
  EXPECT_EQ(std::string(older.begin(), older.begin() + 12), std::string("ZELPack_TB\0\0", 12));
  EXPECT_EQ(U32At(older, 16), 1u);
  EXPECT_EQ(U32At(older, 20), 24u);

  Tsk2SkinFileReader empty(Written(themefile::WriteThemeFile({})), "");
  EXPECT_TRUE(empty.Loaded());
  EXPECT_EQ(empty.BitmapCount() + empty.IntegerCount() + empty.FlagCount() + empty.TextCount(), 0);
}

TEST_F(ThemeWriter, ArchiveIsOneDeflatedPlainEntryWithTheEndRecordLast) {
  const TBytesVec items = themefile::WriteItemFile({themefile::TextItem("T", std::string(5000, 'x'))});
  const TBytesVec theme = themefile::WriteThemeArchive(items);
  EXPECT_EQ(theme[0], 'S');
  EXPECT_EQ(theme[1], 'K');
  EXPECT_LT(theme.size(), items.size() / 4) << "compressed";
  const std::size_t end = theme.size() - 22;
  EXPECT_EQ(U32At(theme, end), 0x06054B50u);
  EXPECT_EQ(U16At(theme, end + 20), 0) << "no comment";
  const std::size_t central = U32At(theme, end + 16);
  EXPECT_EQ(U32At(theme, central), 0x02014B50u);
  EXPECT_EQ(U16At(theme, central + 8), 0) << "not encrypted";
  EXPECT_EQ(U16At(theme, central + 10), 8) << "deflated";
  EXPECT_EQ(U32At(theme, central + 16), Crc32Of(items));
  EXPECT_EQ(U32At(theme, central + 24), items.size());
  EXPECT_EQ(std::string(theme.begin() + central + 46, theme.begin() + central + 58), "SKINDATA.SK2");

  const std::string extracted = temp.Path() + "entry";
  EXPECT_EQ(ExtractSkinEntry(Written(theme), "SKINDATA.SK2", extracted, ""), zelExtractOk);
  EXPECT_EQ(ReadWholeFile(extracted), items);
}

TEST_F(ThemeWriter, RefusesItemsTheReaderCouldNotTakeBack) {
  const auto refused = [](const ThemeItem& item) {
    EXPECT_THROW(themefile::WriteItemFile({themefile::IntegerItem("GOOD", 1), item}), std::invalid_argument)
        << item.name;
  };
  refused(themefile::IntegerItem("", 1));
  refused(themefile::IntegerItem(std::string(65, 'N'), 1));
  refused(themefile::IntegerItem(std::string("A\0B", 3), 1));
  refused(ThemeItem{"SHORT_INTEGER", themefile::kIntegerItem, {1, 2, 3}});
  refused(ThemeItem{"WIDE_FLAG", themefile::kFlagItem, {1, 0}});
  refused(ThemeItem{"NOT_A_BMP", themefile::kBitmapItem, BytesOf("PNG")});
  refused(ThemeItem{"NO_SUCH_KIND", 4, {0}});
}
