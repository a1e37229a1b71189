// The shared formatters give exact texts: every blank and comma counts.

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "common/Formatters.h"

namespace {

struct SizeCase {
  std::int64_t size;
  const char* text;
};

TEST(FormatByteSize, ChoosesUnitAndDecimalAsTheListsShowThem) {
  const SizeCase cases[] = {
      {0, "   0 Bytes"},          {500, " 500 Bytes"},       {1000, "1,000 Bytes"},
      {1024, "1,024 Bytes"},      {1025, "   1 KB"},         {1536, "   1.5 KB"},
      {2048, "   2 KB"},          {1048576, "1,024 KB"},     {1048577, "   1 MB"},
      {5000000, "   4.7 MB"},     {1073741824, "1,024 MB"},  {1000000000000, "953,674.3 MB"},
      {-1, "   0 Bytes"},
  };
  for (const SizeCase& c : cases) EXPECT_EQ(FormatByteSize(c.size), c.text) << c.size;
}

TEST(FormatByteSize, LargestSizesDoNotOverflow) {
  EXPECT_EQ(FormatByteSize(std::numeric_limits<std::int64_t>::max()), "8,796,093,022,207.9 MB");
}

TEST(FormatByteSize, IgnoresTheLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
  EXPECT_EQ(FormatByteSize(5000000), "   4.7 MB");
  EXPECT_EQ(FormatByteSize(1234567890), "1,177.3 MB");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(SizeSortKey, PrefixesByUnitSoMegabytesSortLast) {
  EXPECT_EQ(SizeSortKey("   4.7 MB"), "c   4.7 MB");
  EXPECT_EQ(SizeSortKey("   2 KB"), "b   2 KB");
  EXPECT_EQ(SizeSortKey(" 500 Bytes"), "a 500 Bytes");
  EXPECT_EQ(SizeSortKey("  12"), "");
  EXPECT_EQ(SizeSortKey(""), "");
}

TEST(Durations, ClockWordsAndLettersShareOneSplit) {
  EXPECT_EQ(FormatDurationClock(0), "00 : 00 : 00");
  EXPECT_EQ(FormatDurationClock(90061000), "25 : 01 : 01");  // hours are not wrapped
  EXPECT_EQ(FormatDurationClock(3599999), "00 : 59 : 59");
  EXPECT_EQ(FormatDurationClock(360000000000), "100000 : 00 : 00");
  EXPECT_EQ(FormatDurationWords(3723000), "01 hour 02 min 03 sec ");
  EXPECT_EQ(FormatDurationHms(3723999), "01h 02m 03s ");
}

TEST(Durations, MillisecondFormatCountsTotalMinutes) {
  EXPECT_EQ(FormatDurationMsec(61005), "001 : 01 : 005");
  EXPECT_EQ(FormatDurationMsec(0), "000 : 00 : 000");
  EXPECT_EQ(FormatDurationMsec(7200999), "120 : 00 : 999");
  EXPECT_EQ(FormatDurationMsec(60000000), "1000 : 00 : 000");
}

TEST(Durations, MinutesAndSecondsForElapsedTimes) {
  EXPECT_EQ(MsToMinSec(59999), "00:59");
  EXPECT_EQ(MsToMinSec(60000), "01:00");
  EXPECT_EQ(MsToMinSec(6000000), "100:00");
  EXPECT_EQ(MsToMinSec(std::numeric_limits<std::int32_t>::max()), "35791:23");
}

TEST(Durations, NegativeSpansShowAsZero) {
  EXPECT_EQ(MsToMinSec(-5000), "00:00");
  EXPECT_EQ(FormatDurationClock(-61000), "00 : 00 : 00");
  EXPECT_EQ(FormatDurationMsec(-1), "000 : 00 : 000");
  EXPECT_EQ(FormatDurationHms(std::numeric_limits<std::int64_t>::min()), "00h 00m 00s ");
}

TEST(ParseHms, ReadsTheThreeParts) {
  BYTE h = 9, m = 9, s = 9;
  ParseHms("22:30:05", h, m, s);
  EXPECT_EQ(h, 22);
  EXPECT_EQ(m, 30);
  EXPECT_EQ(s, 5);
}

TEST(ParseHms, StopsAtTheFirstBadPartKeepingWhatWasStored) {
  BYTE h = 1, m = 2, s = 3;
  ParseHms("07:xx:15", h, m, s);
  EXPECT_EQ(h, 7);
  EXPECT_EQ(m, 2);
  EXPECT_EQ(s, 3);

  h = 1, m = 2, s = 3;
  ParseHms("-1:00:00", h, m, s);  // a sign is not a digit
  EXPECT_EQ(h, 1);

  ParseHms("", h, m, s);
  ParseHms("12", h, m, s);  // too short: the hour is all there is
  EXPECT_EQ(h, 12);
  EXPECT_EQ(m, 2);
  ParseHms("05:06", h, m, s);
  EXPECT_EQ(m, 6);
  EXPECT_EQ(s, 3);
  ParseHms("05:06:7", h, m, s);  // a single digit is a number too
  EXPECT_EQ(s, 7);
}

TEST(Padding, ZeroPadNeverCuts) {
  EXPECT_EQ(ZeroPad(7, 3), "007");
  EXPECT_EQ(ZeroPad(1234, 2), "1234");
  EXPECT_EQ(ZeroPad(0, 0), "0");
  EXPECT_EQ(ZeroPad(5, -3), "5");
  EXPECT_EQ(ZeroPad(-5, 3), "-05");
}

TEST(Padding, PadLeftWithCountsCharactersNotBytes) {
  EXPECT_EQ(PadLeftWith("12", 5, '*'), "***12");
  EXPECT_EQ(PadLeftWith("12345", 3, ' '), "12345");
  EXPECT_EQ(PadLeftWith("", 2, '0'), "00");
  EXPECT_EQ(PadLeftWith("\xC3\xA9t\xC3\xA9", 4, ' '), " \xC3\xA9t\xC3\xA9");
}

TEST(RowMarkers, IndentAndCountRoundTrip) {
  EXPECT_EQ(Blanks(0), "");
  EXPECT_EQ(Blanks(3), "   ");
  EXPECT_EQ(Blanks(-2), "");
  EXPECT_EQ(Blanks(1000).size(), 255u);

  const std::string marked = IndentText("\t 00 : 03 : 10 \r\n", 4);
  EXPECT_EQ(marked, "    00 : 03 : 10");
  EXPECT_EQ(LeadingBlankCount(marked), 4);
  EXPECT_EQ(IndentText(marked, 1), " 00 : 03 : 10");
  EXPECT_EQ(LeadingBlankCount("abc"), 0);
  EXPECT_EQ(LeadingBlankCount(" abc  "), 3);  // trimming works on both ends
  EXPECT_EQ(LeadingBlankCount(std::string(300, ' ') + "x"), 255);
}

TEST(FormatNameOfFile, KnowsTheFourFormatsInAnyCase) {
  EXPECT_EQ(FormatNameOfFile("/music/a.wav"), "WAV");
  EXPECT_EQ(FormatNameOfFile("/music/a.Mp3"), "MP3");
  EXPECT_EQ(FormatNameOfFile("b.WMA"), "WMA");
  EXPECT_EQ(FormatNameOfFile("c.ogg"), "OGG");
  EXPECT_EQ(FormatNameOfFile("c.ogg.txt"), "");
  EXPECT_EQ(FormatNameOfFile("/music.wav/readme"), "");
  EXPECT_EQ(FormatNameOfFile("wav"), "");
  EXPECT_EQ(FormatNameOfFile(""), "");
}

}  // namespace
