// Schedule files saved, loaded and published through the options
// window's schedule list, and files that are damaged or hostile.

#include <gtest/gtest.h>

#include <chrono>

#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"
#include "recorder/GlobeVar.h"
#include "recorder/ScheduleFile.h"
#include "recorder/ScheduleList.h"
#include "tests/platform/os/ScratchFolder.h"

namespace {

class ScheduleFileTest : public testing::Test {
 protected:
  void TearDown() override { ScheduleEntries.clear(); }

  // The list of the options window with one daily and one weekly entry.
  static TScheduleList TwoEntries() {
    TScheduleList list;
    list.Add("08:00:00", "08:30:00", true, 0, 0, 0, 0);
    list.Add("22:00:00", "23:30:00", true, 0, 0, 0, 7);
    return list;
  }

  ScratchFolder folder_;
};

TEST_F(ScheduleFileTest, AddedRowsUseTheFirstWordingAndLoadedRowsTheSecond) {
  TScheduleList list = TwoEntries();
  EXPECT_EQ(list.Row(1).StartText, "22:00:00");
  EXPECT_EQ(list.Row(1).StopText, "23:30:00");
  EXPECT_EQ(list.Row(1).FrequencyText, "Weekly: Sunday");
  EXPECT_EQ(list.Row(1).Entry.DayOfWeek, 7);
  EXPECT_EQ(list.Row(1).Entry.StopM, 30);

  const std::string file = folder_ / "Current.vsk";
  ASSERT_TRUE(list.SaveToFile(file));
  TScheduleList loaded;
  ASSERT_TRUE(loaded.LoadFromFile(file));
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.Row(0).FrequencyText, "Every day");
  EXPECT_EQ(loaded.Row(1).FrequencyText, "Every week: Sunday");
  EXPECT_EQ(loaded.Row(1).StartText, "22:00:00");
  EXPECT_EQ(loaded.Entries(), list.Entries());
}

TEST_F(ScheduleFileTest, SavingWritesNumberAndElevenKeysPerEntry) {
  const std::string file = folder_.Write("s.vsk", "[Other]\nKeep=1\n[Schedule]\nNumber=5\nUse4=1\n");
  TScheduleList list = TwoEntries();
  list.SetChecked(0, false);
  ASSERT_TRUE(list.SaveToFile(file));

  TIniFile ini(file);
  EXPECT_EQ(ini.ReadInteger("Schedule", "Number", -1), 2);
  EXPECT_EQ(ini.ReadString("Schedule", "Use0", ""), "0");
  EXPECT_EQ(ini.ReadString("Other", "Keep", ""), "1");
  EXPECT_FALSE(ini.ValueExists("Schedule", "Use4"));  // the old section is erased first
  TStringList keys;
  ini.ReadSection("Schedule", keys);
  EXPECT_EQ(keys.Count(), 1 + 2 * 11);
  EXPECT_EQ(keys[1], "Use0");
  EXPECT_EQ(keys[11], "DayOfWeek0");
  EXPECT_EQ(keys[12], "Use1");
  EXPECT_EQ(keys[22], "DayOfWeek1");
}

TEST_F(ScheduleFileTest, AFileWithoutEntriesKeepsTheCurrentList) {
  const std::string none = folder_.Write("none.vsk", "[Schedule]\nNumber=0\nUse0=1\n");
  const std::string negative = folder_.Write("neg.vsk", "[Schedule]\nNumber=-3\n");
  const std::string noSection = folder_.Write("nosection.vsk", "[Other]\nNumber=2\n");
  const std::string noKeys = folder_.Write("nokeys.vsk", "[Schedule]\nNumber=2\n");
  const std::string text = folder_.Write("text.vsk", "[Schedule]\nNumber=two\nUse0=1\n");
  TScheduleList list = TwoEntries();
  for (const std::string& file : {none, negative, noSection, noKeys, text, folder_ / "missing.vsk"}) {
    EXPECT_FALSE(list.LoadFromFile(file)) << file;
    EXPECT_EQ(list.Count(), 2) << file;
  }
}

TEST_F(ScheduleFileTest, MissingKeysTakeTheirDefaults) {
  const std::string file = folder_.Write("partial.vsk",
                                         "[Schedule]\nNumber=2\nStartH0=6\nDay1=0\nMonth1=0\nYear1=0\n"
                                         "DayOfWeek1=0\nUse1=0\n");
  TScheduleList list;
  ASSERT_TRUE(list.LoadFromFile(file));
  ASSERT_EQ(list.Count(), 2);
  const ScheduleEntry first = list.Row(0).Entry;
  EXPECT_TRUE(first.Use);
  EXPECT_EQ(first.StartH, 6);
  EXPECT_EQ(first.StopH, 0);
  EXPECT_EQ(first.Day, 1);
  EXPECT_EQ(first.Month, 1);
  EXPECT_EQ(first.Year, 2004);
  EXPECT_EQ(first.DayOfWeek, 1);
  EXPECT_EQ(list.Row(0).FrequencyText, "");  // an entry of no kind
  EXPECT_FALSE(list.Row(1).Entry.Use);
  EXPECT_EQ(list.Row(1).FrequencyText, "Every day");
}

TEST_F(ScheduleFileTest, PublishingCopiesTheEntriesWithTheirCheckBoxes) {
  TScheduleList list = TwoEntries();
  list.SetChecked(0, false);
  list.Publish();
  ASSERT_EQ(ScheduleEntries.size(), 2u);
  EXPECT_FALSE(ScheduleEntries[0].Use);
  EXPECT_TRUE(ScheduleEntries[1].Use);
  EXPECT_EQ(ScheduleEntries[1].StartH, 22);

  list.Clear();
  list.Publish();
  EXPECT_TRUE(ScheduleEntries.empty());
}

TEST_F(ScheduleFileTest, EditingKeepsTheCheckBoxAndUsesTheSecondWording) {
  TScheduleList list = TwoEntries();
  list.SetChecked(1, false);
  list.Replace(1, "21:15:00", "21:45:00", 0, 2, 29, 0);
  EXPECT_FALSE(list.Row(1).Entry.Use);
  EXPECT_EQ(list.Row(1).FrequencyText, "Every year: February 29");
  EXPECT_EQ(list.Row(1).Entry.Year, 0);
  EXPECT_EQ(list.Row(1).Entry.StartM, 15);

  const std::vector<ScheduleEntry> before = list.Entries();
  list.Replace(-1, "00:00:00", "00:00:00", 0, 0, 0, 0);  // no row selected
  list.Replace(2, "00:00:00", "00:00:00", 0, 0, 0, 0);
  EXPECT_EQ(list.Entries(), before);
}

TEST_F(ScheduleFileTest, DeleteMovesLaterEntriesUp) {
  TScheduleList list = TwoEntries();
  list.Add("12:00:00", "13:00:00", true, 0, 0, 15, 0);
  list.Delete(0);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Row(0).Entry.DayOfWeek, 7);
  EXPECT_EQ(list.Row(1).FrequencyText, "Monthly: 15");
  list.Delete(5);
  list.Delete(-1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_THROW(list.Row(2), EListError);
}

TEST_F(ScheduleFileTest, SortingCarriesTheEntriesWithTheirRows) {
  TScheduleList list;
  list.Add("22:00:00", "23:00:00", true, 0, 0, 0, 3);
  list.Add("06:00:00", "07:00:00", false, 0, 0, 0, 0);
  list.Add("12:00:00", "13:00:00", true, 0, 0, 10, 0);
  list.SortByColumn(0);
  EXPECT_EQ(list.Row(0).StartText, "22:00:00");
  list.SortByColumn(1);
  EXPECT_EQ(list.Row(0).StartText, "06:00:00");
  EXPECT_FALSE(list.Row(0).Entry.Use);
  EXPECT_EQ(list.Row(2).Entry.DayOfWeek, 3);
  list.SortByColumn(3);  // "Daily" < "monthly: 10" < "Weekly: ..." ignoring case
  EXPECT_EQ(list.Row(0).FrequencyText, "Daily");
  EXPECT_EQ(list.Row(1).FrequencyText, "Monthly: 10");
  EXPECT_EQ(list.Row(2).FrequencyText, "Weekly: Wednesday");
  for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Row(i).StartText, StartTimeText(list.Row(i).Entry));
}

TEST_F(ScheduleFileTest, RestoringFromACopyRebuildsEveryRow) {
  TScheduleList list = TwoEntries();
  const std::vector<ScheduleEntry> copy = list.Entries();
  list.Clear();
  list.Add("01:00:00", "02:00:00", true, 0, 0, 0, 0);
  list.Assign(copy);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Row(0).FrequencyText, "Every day");
  EXPECT_EQ(list.Entries(), copy);
  list.Assign({});
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(ScheduleFileTest, ValuesThatDoNotFitTheirFieldTakeTheDefault) {
  const std::string file = folder_.Write("bad.vsk",
                                         "[Schedule]\nNumber=1\nUse0=yes\nStartH0=seven\nStartM0=\nStartS0=59\n"
                                         "StopH0=0x17\nStopM0=99999999999\nDay0=70000\nMonth0=2\nYear0=0\n"
                                         "DayOfWeek0=0\n");
  std::vector<ScheduleEntry> entries;
  ASSERT_TRUE(ReadScheduleFile(file, entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].Use);
  EXPECT_EQ(entries[0].StartH, 0);
  EXPECT_EQ(entries[0].StartM, 0);
  EXPECT_EQ(entries[0].StartS, 59);
  EXPECT_EQ(entries[0].StopH, 23);
  EXPECT_EQ(entries[0].StopM, 0);
  EXPECT_EQ(entries[0].Day, 1);

  // Saved back, every value is one the file can hold.
  ASSERT_TRUE(WriteScheduleFile(file, entries));
  std::vector<ScheduleEntry> again;
  ASSERT_TRUE(ReadScheduleFile(file, again));
  EXPECT_EQ(again, entries);
}

TEST_F(ScheduleFileTest, AnImpossibleDateLoadsAsAnEntryThatNeverFires) {
  const std::string file =
      folder_.Write("date.vsk", "[Schedule]\nNumber=1\nDay0=31\nMonth0=2\nYear0=2023\nDayOfWeek0=0\n");
  TScheduleList list;
  ASSERT_TRUE(list.LoadFromFile(file));
  EXPECT_EQ(KindOfEntry(list.Row(0).Entry), ScheduleKind::None);
  EXPECT_EQ(list.Row(0).FrequencyText, "");
  EXPECT_EQ(list.Row(0).Entry.Day, 31);  // kept as the file has it
}

TEST_F(ScheduleFileTest, AHugeNumberLoadsOnlyTheEntriesPresentAndQuickly) {
  const std::string file = folder_.Write("huge.vsk",
                                         "[Schedule]\nNumber=2147483647\nUse0=1\nDayOfWeek1=3\nDay1=0\n"
                                         "Month1=0\nYear1=0\n");
  const auto start = std::chrono::steady_clock::now();
  std::vector<ScheduleEntry> entries;
  ASSERT_TRUE(ReadScheduleFile(file, entries));
  // Only going through every number up to the one given takes this long.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(KindOfEntry(entries[1]), ScheduleKind::Weekly);

  const std::string far = folder_.Write("far.vsk", "[Schedule]\nNumber=99999999\nUse99999998=1\n");
  ASSERT_TRUE(ReadScheduleFile(far, entries));
  EXPECT_EQ(entries.size(), 1u);

  std::string many = "[Schedule]\nNumber=5000\n";
  for (int i = 0; i < MaxScheduleEntries + 10; ++i) many += "Use" + std::to_string(i) + "=1\n";
  ASSERT_TRUE(ReadScheduleFile(folder_.Write("many.vsk", many), entries));
  EXPECT_EQ(entries.size(), static_cast<size_t>(MaxScheduleEntries));
}

TEST_F(ScheduleFileTest, TheEntriesLoadedAreTheEntriesTheFileHolds) {
  // "Number" says 4; entries 1 and 3 have no keys, and 5 lies beyond it.
  const std::string file = folder_.Write("gaps.vsk",
                                         "[Schedule]\nNumber=4\nStartH0=6\nStartH2=7\nStartH02=9\n"
                                         "StartH5=8\n");
  TScheduleList list;
  ASSERT_TRUE(list.LoadFromFile(file));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Row(0).Entry.StartH, 6);
  EXPECT_EQ(list.Row(1).Entry.StartH, 7);
  // Saved back, "Number" counts what was loaded.
  ASSERT_TRUE(list.SaveToFile(file));
  EXPECT_EQ(TIniFile(file).ReadInteger("Schedule", "Number", -1), 2);
}

TEST_F(ScheduleFileTest, AnEntryWhoseTimeIsNoTimeOfDayIsLeftOut) {
  const std::string file = folder_.Write("times.vsk",
                                         "[Schedule]\nNumber=7\n"
                                         "StartH0=8\nStartM0=75\n"      // minute 75
                                         "StartH1=9\nStopH1=10\n"       // fine
                                         "StopH2=24\n"                   // hour 24
                                         "StartS3=60\n"                  // second 60
                                         "StopM4=-1\n"                   // negative
                                         "StartH5=300\n"                 // beyond a byte
                                         "StartH6=23\nStartM6=59\nStartS6=59\n");
  std::vector<ScheduleEntry> entries;
  ASSERT_TRUE(ReadScheduleFile(file, entries));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(StartTimeText(entries[0]), "09:00:00");
  EXPECT_EQ(StopTimeText(entries[0]), "10:00:00");
  EXPECT_EQ(StartTimeText(entries[1]), "23:59:59");

  // A file of bad entries only loads nothing and keeps the current list.
  const std::string bad = folder_.Write("bad-only.vsk", "[Schedule]\nNumber=1\nStartM0=75\n");
  TScheduleList list;
  list.Add("01:00:00", "02:00:00", true, 0, 0, 0, 0);
  EXPECT_FALSE(list.LoadFromFile(bad));
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(ScheduleFileTest, ANumberBelowTheKeysPresentLimitsTheEntries) {
  const std::string file = folder_.Write("short.vsk", "[Schedule]\nNumber=1\nUse0=1\nUse1=0\nUse2=0\n");
  std::vector<ScheduleEntry> entries;
  ASSERT_TRUE(ReadScheduleFile(file, entries));
  EXPECT_EQ(entries.size(), 1u);
}

TEST_F(ScheduleFileTest, GarbageAndBinaryFilesLoadNothing) {
  std::string binary(4096, '\0');
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 131 % 256);
  const std::string junk = folder_.Write("junk.vsk", binary);
  const std::string brokenHeader = folder_.Write("broken.vsk", "[Schedule\nNumber=1\n=\n==\n[\n");
  std::vector<ScheduleEntry> entries(1);
  EXPECT_FALSE(ReadScheduleFile(junk, entries));
  EXPECT_FALSE(ReadScheduleFile(brokenHeader, entries));
  EXPECT_FALSE(ReadScheduleFile(folder_ / "", entries));  // a folder, not a file
  EXPECT_EQ(entries.size(), 1u);
}

TEST_F(ScheduleFileTest, AFileThatCannotBeWrittenIsReportedAndLeftAsItWas) {
  EXPECT_FALSE(WriteScheduleFile(folder_ / "no/such/folder/x.vsk", TwoEntries().Entries()));

  // Too large to be a schedule: it reads as empty and is never overwritten.
  const std::string bytes = "[Schedule]\nNumber=1\n" + std::string(9 << 20, ';');
  const std::string file = folder_.Write("large.vsk", bytes);
  std::vector<ScheduleEntry> entries;
  EXPECT_FALSE(ReadScheduleFile(file, entries));
  EXPECT_FALSE(WriteScheduleFile(file, TwoEntries().Entries()));
  EXPECT_EQ(folder_.Read("large.vsk"), bytes);
}

}  // namespace
