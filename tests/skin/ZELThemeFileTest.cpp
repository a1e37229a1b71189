// The recorder's older theme files: the reader, its refusal of damaged
// files, and the theme manager and components of the recorder's build.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELMgr.h"
#include "skin/ZELThemeFile.h"
#include "SkinFixtures.h"
#include "ZelThemeFiles.h"

namespace {

void PutU32(TBytesVec& file, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Offsets of the fields of the first entry, which starts at 24.
constexpr std::size_t kFirstKind = 24 + 64, kFirstDataOffset = 24 + 65, kFirstDataSize = 24 + 69,
                      kFirstNext = 24 + 73;

class ZelFiles : public ::testing::Test {
 protected:
  std::string Write(const TBytesVec& bytes, const std::string& name = "theme.zel") {
    return temp.Write(name, bytes);
  }
  TPrivateTempFolder temp;
};

}  // namespace

TEST_F(ZelFiles, ReaderKeepsEveryKindAndLooksUpIgnoringCase) {
  TBitmap picture(3, 2);
  const TBytesVec bmp = picture.SaveToBytes();
  TzelThemeFileReader reader(Write(BuildZelFile({themefile::BitmapItem("ButtonImage", bmp),
                                                 IntegerItem("FormBorderColor", -2), FlagItem("ButtonTransparentBool", true),
                                                 TextItem("Comment", "made by hand"), IntegerItem("formbordercolor", 7)})));
  EXPECT_EQ(reader.TextCount(), 1);

  TMemoryStream* stream = reader.GetStream("buttonimage");
  ASSERT_NE(stream, nullptr);
  stream->SetPosition(5);
  stream = reader.GetStream("ButtonImage");
  EXPECT_EQ(stream->Position(), 0);
  ASSERT_EQ(stream->Size(), static_cast<std::int64_t>(bmp.size()));
  EXPECT_EQ(std::memcmp(stream->Memory(), bmp.data(), bmp.size()), 0);
  EXPECT_EQ(reader.GetBitmap("BUTTONIMAGE")->Width(), 3);

  EXPECT_EQ(reader.GetInt("FORMBORDERCOLOR"), -2);  // the first entry of a name wins
  EXPECT_TRUE(reader.GetBool("ButtonTransparentBool"));
  EXPECT_EQ(reader.GetInt("ButtonTransparentBool"), -1);  // a flag is no integer
  EXPECT_FALSE(reader.GetBool("Missing"));
  EXPECT_EQ(reader.GetStream("Missing"), nullptr);
}

TEST_F(ZelFiles, TerminatorIsNeverRead) {
  TzelThemeFileReader empty(Write(BuildZelFile({}, "FormBorderWidthInt")));
  EXPECT_EQ(empty.FlagCount(), 0);
  EXPECT_EQ(empty.IntegerCount(), 0);
  EXPECT_FALSE(empty.GetBool("FormBorderWidthInt"));
}

TEST_F(ZelFiles, IsThemeFileWantsTheExactMagic) {
  const TBytesVec good = BuildZelFile({});
  EXPECT_TRUE(IsThemeFile(Write(good)));

  TBytesVec trailing = good;  // the magic followed by two non-zero bytes
  trailing[10] = 'X';
  trailing[11] = 'Y';
  EXPECT_FALSE(IsThemeFile(Write(trailing, "trailing.zel")));

  TBytesVec lower = good;
  lower[0] = 'z';
  EXPECT_FALSE(IsThemeFile(Write(lower, "lower.zel")));

  EXPECT_FALSE(IsThemeFile(Write(TBytesVec(good.begin(), good.begin() + 11), "short.zel")));
  EXPECT_FALSE(IsThemeFile(Write(BuildItemFile({}), "current.zel")));  // the current item file
  EXPECT_FALSE(IsThemeFile(temp.Path() + "absent.zel"));
  EXPECT_FALSE(IsThemeFile(temp.Path()));  // a folder
}

TEST_F(ZelFiles, DamagedFilesAreRefusedWithAnError) {
  const TBytesVec good = BuildZelFile({IntegerItem("FormBorderWidthInt", 3), TextItem("Note", "abc")});
  std::vector<TBytesVec> damaged;
  damaged.emplace_back(good.begin(), good.begin() + 20);          // header cut
  damaged.emplace_back(good.begin(), good.begin() + 24 + 50);     // first entry cut
  damaged.push_back(good), PutU32(damaged.back(), 20, 0xFFFFFFF0);  // first entry past the end
  damaged.push_back(good), PutU32(damaged.back(), kFirstDataOffset, 0x7FFFFFFF);
  damaged.push_back(good), PutU32(damaged.back(), kFirstNext, 24);  // the chain loops on itself
  // A text claiming nearly 4 GiB must be refused before anything is allocated.
  damaged.push_back(good), damaged.back()[kFirstKind] = 3, PutU32(damaged.back(), kFirstDataSize, 0xFFFFFFF0);
  // An image whose data is no bitmap.
  damaged.push_back(good), damaged.back()[kFirstKind] = 0;
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_THROW(TzelThemeFileReader(Write(damaged[i], "damaged" + std::to_string(i))), Exception);
  }
  EXPECT_THROW(TzelThemeFileReader(temp.Path() + "absent.zel"), EFOpenError);
}

TEST_F(ZelFiles, OverlappingEntriesCannotMultiplyTheFile) {
  // Many entries all pointing at the same large text: the data they claim
  // together exceeds the file, so the file is refused.
  std::vector<TItem> items(40, TextItem("Note", ""));
  items.push_back(TextItem("Big", std::string(4000, 'x')));
  TBytesVec file = BuildZelFile(items);
  const std::uint32_t bigData = static_cast<std::uint32_t>(file.size() - 77 - 4000);
  for (std::size_t at = 24; at < 24 + 40 * 77; at += 77) {
    PutU32(file, at + 65, bigData);
    PutU32(file, at + 69, 4000);
  }
  EXPECT_THROW(TzelThemeFileReader(Write(file)), EReadError);
}

TEST_F(ZelFiles, PicturesTooLargeDecodedAreRefused) {
  // 8 MB of file that would decode to 192 MB: refused before decoding.
  EXPECT_THROW(TzelThemeFileReader(Write(BuildZelFile({themefile::BitmapItem("ButtonImage", OneBitBmp(8192, 8192))}))),
               EReadError);
  // Two that fit one at a time but not together.
  const TBytesVec large = OneBitBmp(4096, 3000);
  EXPECT_NO_THROW(TzelThemeFileReader(Write(BuildZelFile({themefile::BitmapItem("A", large)}), "one.zel")));
  EXPECT_THROW(TzelThemeFileReader(Write(BuildZelFile({themefile::BitmapItem("A", large), themefile::BitmapItem("B", large)}),
                                         "two.zel")),
               EReadError);
}

namespace {

// The theme components and manager as the recorder's build has them.
class OlderThemes : public ZelFiles {
 protected:
  void SetUp() override { SetSkinFlavour(zelOlderBuild); }
  void TearDown() override { SetSkinFlavour(zelCurrentBuild); }
};

}  // namespace

TEST_F(OlderThemes, ManagerAnswersByElementNumber) {
  TzelFileThemeMgr manager;
  EXPECT_EQ(manager.GetColor(15), 0);  // no theme yet
  EXPECT_FALSE(manager.LoadFromFile(temp.Path() + "absent.zel", ""));
  ASSERT_TRUE(manager.LoadFromFile(Write(SampleZelTheme()), ""));
  EXPECT_EQ(manager.GetColor(15), 0x123456);
  EXPECT_EQ(manager.GetInteger(15), manager.GetColor(15));
  EXPECT_EQ(manager.GetInteger(17), 3);
  EXPECT_TRUE(manager.GetBool(2));
  EXPECT_FALSE(manager.GetBool(6));
  EXPECT_EQ(manager.GetColor(16), -1);   // the file lacks it
  EXPECT_EQ(manager.GetColor(0), -1);    // no such element
  EXPECT_EQ(manager.GetColor(49), -1);
  ASSERT_NE(manager.GetBitmap(1), nullptr);
  EXPECT_EQ(manager.GetBitmap(1)->Width(), 6);
  EXPECT_EQ(manager.GetBitmap(3), nullptr);

  // A damaged file raises and leaves no theme behind.
  TBytesVec damaged = SampleZelTheme();
  damaged.resize(30);
  EXPECT_THROW(manager.LoadFromFile(Write(damaged, "damaged.zel"), ""), Exception);
  EXPECT_FALSE(manager.HasReader());
  EXPECT_EQ(manager.GetColor(15), 0);
}

TEST_F(OlderThemes, SettingThemeFileChecksTheFormatAndLoadsAPathOnce) {
  TzelFileTheme theme(nullptr);
  EXPECT_FALSE(theme.HasProperty("Password"));
  const std::string path = Write(SampleZelTheme(0));
  theme.SetThemeFile(path);
  EXPECT_TRUE(theme.IsReady());
  EXPECT_EQ(theme.GetColor(15), 0x123456);

  Write(SampleZelTheme(1));  // the same path again: not read again
  theme.SetThemeFile(path);
  EXPECT_EQ(theme.GetColor(15), 0x123456);

  const std::string current = Write(BuildThemeFile({IntegerItem("SKIN2_FORMCOLOR", 1)}), "current.zsk");
  try {
    theme.SetThemeFile(current);
    FAIL() << "a theme file of the other format was taken";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Invalid skin file for ZELPack!");
  }
  EXPECT_EQ(theme.ThemeFile(), path);  // nothing stored
  EXPECT_TRUE(theme.IsReady());

  theme.SetThemeFile(temp.Path() + "absent.zel");  // found nowhere: silently nothing
  EXPECT_EQ(theme.ThemeFile(), path);

  TBytesVec damaged = SampleZelTheme();
  PutU32(damaged, 20, 100000);
  EXPECT_THROW(theme.SetThemeFile(Write(damaged, "damaged.zel")), EReadError);
  EXPECT_FALSE(theme.IsReady());  // no longer claims a theme it lost
  EXPECT_EQ(theme.GetColor(15), 0);

  SetSkinFlavour(zelCurrentBuild);  // the editor's build neither takes nor rejects such a file
  TzelFileTheme editorTheme(nullptr);
  EXPECT_NO_THROW(editorTheme.SetThemeFile(path));
  EXPECT_FALSE(editorTheme.IsReady());
}

TEST_F(OlderThemes, BitmapFrameCutsPiecesAndLeavesDestForMissingImages) {
  TzelFileTheme theme(nullptr);
  theme.SetThemeFile(Write(SampleZelTheme()));
  TBitmap dest(5, 5);
  theme.GetBitmapFrame(3, &dest, 4, 1);  // no check box image in the file
  EXPECT_EQ(dest.Width(), 5);
  theme.GetBitmapFrame(1, &dest, 3, 2);
  EXPECT_EQ(dest.Width(), 2);
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clLime);
  theme.GetBitmapFrame(1, &dest, 0, 0);
  EXPECT_EQ(dest.Width(), 6);

  SetSkinFlavour(zelCurrentBuild);  // the editor's build empties it
  theme.GetBitmapFrame(40, &dest, 0, 0);
  EXPECT_TRUE(dest.Empty());
}

TEST_F(OlderThemes, EmbeddedThemeLoadsThroughAUniqueTemporaryFileThatIsRemoved) {
  const std::string taken = Write({'x'}, "ZELPAKT.zel");
  TzelBuiltInFileTheme theme(nullptr);
  theme.SetThemeFile(Write(SampleZelTheme(), "design.zel"));
  EXPECT_FALSE(theme.IsReady());  // its own path is only stored

  theme.LoadSkinData(SampleZelTheme(0));
  EXPECT_TRUE(theme.IsReady());
  EXPECT_EQ(theme.TzelFileTheme::ThemeFile(), temp.Path() + "ZELPAKT1.zel");
  EXPECT_EQ(theme.GetColor(15), 0x123456);

  // Another embedded theme gets the same temporary name; it still loads.
  theme.LoadSkinData(SampleZelTheme(2));
  EXPECT_EQ(theme.GetColor(15), 0x123456 + 2);

  TBytesVec damaged = SampleZelTheme();
  damaged.resize(40);
  EXPECT_THROW(theme.LoadSkinData(damaged), EReadError);
  EXPECT_THROW(theme.LoadSkinData(BytesOf("not a theme")), Exception);
  std::vector<std::string> left = temp.Files();
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"ZELPAKT.zel", "design.zel"}));
  EXPECT_EQ(ReadWholeFile(taken), TBytesVec{'x'});
}
