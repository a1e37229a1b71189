#include <gtest/gtest.h>

#include "SkinFixtures.h"
#include "platform/os/Files.h"
#include "skin/ZEL2SkinReader.h"
#include "skin/ZELItemChain.h"

namespace {

class SkinArchive : public ::testing::Test {
 protected:
  int Extract(const TBytesVec& archive, const std::string& password = "") {
    const std::string path = temp.Write("theme.zsk", archive);
    return ExtractSkinEntry(path, "SKINDATA.SK2", output, password);
  }

  TPrivateTempFolder temp;
  std::string output = temp.Path() + "out";
  TBytesVec plain = CompressibleNoise(90000, 5);
};

}  // namespace

TEST_F(SkinArchive, ExtractsTheEntryAmongOthers) {
  TArchiveEntry other = DeflatedEntry("README.TXT", BytesOf("not this one"));
  other.extra = BytesOf("extra field bytes");
  const TBytesVec archive = BuildArchive({other, DeflatedEntry("skindata.sk2", plain)});
  ASSERT_EQ(Extract(archive), zelExtractOk);
  EXPECT_EQ(ReadWholeFile(output), plain);

  // An output file that exists already is emptied first.
  temp.Write("out", TBytesVec(200000, 'q'));
  ASSERT_EQ(Extract(archive), zelExtractOk);
  EXPECT_EQ(ReadWholeFile(output), plain);
}

TEST_F(SkinArchive, RefusesWhatIsNoThemeFile) {
  const TArchiveEntry entry = DeflatedEntry("SKINDATA.SK2", plain);
  EXPECT_EQ(Extract(BuildArchive({entry}, false)), zelExtractFailed) << "an ordinary ZIP";
  EXPECT_EQ(Extract(BuildArchive({entry}, true, "comment")), zelExtractFailed) << "a comment";
  EXPECT_EQ(Extract(BuildArchive({DeflatedEntry("OTHER.SK2", plain)})), zelExtractFailed) << "no entry";
  EXPECT_EQ(Extract({'S', 'K'}), zelExtractFailed) << "two bytes";
  EXPECT_EQ(Extract({}), zelExtractFailed) << "empty file";
  EXPECT_EQ(ExtractSkinEntry(temp.Path() + "missing", "SKINDATA.SK2", output, ""), zelExtractFailed);
  // An entry that inflates to nothing.
  EXPECT_EQ(Extract(BuildArchive({DeflatedEntry("SKINDATA.SK2", {})})), zelExtractFailed);
  EXPECT_FALSE(FileExists(output));
}

TEST_F(SkinArchive, DirectoryFieldsPointingAnywhereAreRefused) {
  TBytesVec archive = BuildArchive({DeflatedEntry("SKINDATA.SK2", plain)});
  const std::size_t end = archive.size() - 22;
  auto put32 = [](TBytesVec& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  const std::uint32_t directory = archive[end + 16] | (archive[end + 17] << 8) | (archive[end + 18] << 16);
  for (std::uint32_t badDirectory : {0xFFFFFFF0u, static_cast<std::uint32_t>(end - 10), static_cast<std::uint32_t>(end)}) {
    TBytesVec damaged = archive;
    put32(damaged, end + 16, badDirectory);
    EXPECT_EQ(Extract(damaged), zelExtractFailed) << badDirectory;
  }
  // Local header offset beyond the file, name length beyond the directory.
  TBytesVec farLocal = archive;
  put32(farLocal, directory + 42, 0x7FFFFFFF);
  EXPECT_NE(Extract(farLocal), zelExtractOk);
  TBytesVec longName = archive;
  longName[directory + 28] = 0xFF;
  longName[directory + 29] = 0xFF;
  EXPECT_EQ(Extract(longName), zelExtractFailed);
  // A stated size that does not match what the data inflates to.
  TBytesVec wrongSize = archive;
  put32(wrongSize, directory + 24, static_cast<std::uint32_t>(plain.size() - 1));
  EXPECT_EQ(Extract(wrongSize), zelExtractDamaged);
  put32(wrongSize, directory + 24, static_cast<std::uint32_t>(plain.size() + 1));
  EXPECT_EQ(Extract(wrongSize), zelExtractDamaged);
  EXPECT_FALSE(FileExists(output));
}

TEST_F(SkinArchive, TruncatedArchivesAreRefusedAndLeaveNoOutput) {
  const TBytesVec archive = BuildArchive({DeflatedEntry("SKINDATA.SK2", plain)});
  // Cut the entry data short but keep the directory in place.
  const TArchiveEntry whole = DeflatedEntry("SKINDATA.SK2", plain);
  for (std::size_t keep : {std::size_t{0}, std::size_t{1}, whole.data.size() / 2, whole.data.size() - 8}) {
    TArchiveEntry cut = whole;
    cut.data.resize(keep);
    EXPECT_EQ(Extract(BuildArchive({cut})), zelExtractDamaged) << keep;
    EXPECT_FALSE(FileExists(output));
  }
  for (std::size_t length : {archive.size() - 1, archive.size() / 2, std::size_t{30}}) {
    EXPECT_NE(Extract(TBytesVec(archive.begin(), archive.begin() + static_cast<std::ptrdiff_t>(length))), zelExtractOk);
    EXPECT_FALSE(FileExists(output));
  }
}

TEST_F(SkinArchive, ADynamicBlockWithTooManyCodesLeavesTheEntryShort) {
  TArchiveEntry entry;
  entry.name = "SKINDATA.SK2";
  entry.uncompressedSize = 3;
  // A stored block "abc", then a final dynamic block with HLIT 287.
  entry.data = {0x00, 0x03, 0x00, 0xFC, 0xFF, 'a', 'b', 'c', 0xF5, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(Extract(BuildArchive({entry})), zelExtractDamaged);
  EXPECT_FALSE(FileExists(output));
  entry.data.resize(8);
  entry.data[0] = 0x01;  // the stored block alone, made final
  EXPECT_EQ(Extract(BuildArchive({entry})), zelExtractOk);
}

TEST_F(SkinArchive, EncryptedEntriesNeedTheRightPassword) {
  const TBytesVec byCrc = BuildArchive({DeflatedEntry("SKINDATA.SK2", plain, "secret")});
  const TBytesVec byTime = BuildArchive({DeflatedEntry("SKINDATA.SK2", plain, "secret", true)});
  for (const TBytesVec* archive : {&byCrc, &byTime}) {
    ASSERT_EQ(Extract(*archive, "secret"), zelExtractOk);
    EXPECT_EQ(ReadWholeFile(output), plain);
    EXPECT_EQ(Extract(*archive, ""), zelExtractDamaged);
    EXPECT_FALSE(FileExists(output));
    EXPECT_EQ(Extract(*archive, "Secret"), zelExtractDamaged);
    EXPECT_FALSE(FileExists(output));
  }
  // A password given for an entry that is not encrypted is not needed.
  EXPECT_EQ(Extract(BuildArchive({DeflatedEntry("SKINDATA.SK2", plain)}), "secret"), zelExtractOk);
}

// An entry larger than any theme is refused before it fills the disk,
// whether it says so or claims to be smaller; one that says it is empty
// but holds data is of the wrong size like any other.
TEST_F(SkinArchive, EntriesPastTheCapOrTheirStatedSizeAreDamaged) {
  constexpr auto kCap = static_cast<std::uint32_t>(detail::kMaxItemFileSize);
  TArchiveEntry huge;
  huge.name = "SKINDATA.SK2";
  huge.data = RawDeflateZeros(kCap + 1);
  for (std::uint32_t stated : {0xFFFFFFFFu, kCap + 1, kCap, 1000u, 0u}) {
    huge.uncompressedSize = stated;
    EXPECT_EQ(Extract(BuildArchive({huge})), zelExtractDamaged) << stated;
    EXPECT_FALSE(FileExists(output));
  }
  TArchiveEntry saysEmpty = DeflatedEntry("SKINDATA.SK2", plain);
  saysEmpty.uncompressedSize = 0;
  EXPECT_EQ(Extract(BuildArchive({saysEmpty})), zelExtractDamaged);
  TArchiveEntry encrypted = DeflatedEntry("SKINDATA.SK2", plain, "pw");
  encrypted.uncompressedSize = 0;
  EXPECT_EQ(Extract(BuildArchive({encrypted}), "pw"), zelExtractDamaged);
  EXPECT_FALSE(FileExists(output));
}
