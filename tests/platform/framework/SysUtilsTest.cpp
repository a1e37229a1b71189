#include "platform/framework/SysUtils.h"

#include <clocale>
#include <limits>

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"

TEST(Integers, DecimalAndHexadecimalTextWithStrictEnds) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("-0x10"), -16);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<int>::min());
  for (const char* bad : {"", " ", "12abc", "12 ", "2147483648", "-2147483649", "0x", "$", "1.5", "--1"})
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
  EXPECT_EQ(StrToIntDef("x", 7), 7);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(StrToInt64Def("9223372036854775808", -1), -1);
  try {
    StrToInt("abc");
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
}

TEST(Integers, TextOfNumbers) {
  EXPECT_EQ(IntToStr(-12), "-12");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x48692C0D0A, 2), "48692C0D0A");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");
}

TEST(Rounding, RoundGoesToEvenOnHalvesAndTruncCutsTowardZero) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(2.4999), 2);
  EXPECT_EQ(Round(470.3125), 470);
  EXPECT_EQ(Round(537.5), 538);
  EXPECT_EQ(Round(600.0 * 176400 * 2048 / 2352), 92160000);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_THROW(Round(std::numeric_limits<double>::quiet_NaN()), EInvalidOp);
  EXPECT_THROW(Trunc(1e30), EInvalidOp);
}

TEST(Rounding, MulDivRoundsHalvesAwayFromZeroAndFlagsErrors) {
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(2, 1, 3), 1);
  EXPECT_EQ(MulDiv(500, 1000, 1000), 500);
  EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);  // the product leaves 32 bits
  EXPECT_EQ(MulDiv(7, 5, -2), -18);
  EXPECT_EQ(MulDiv(1, 2, 0), -1);
  EXPECT_EQ(MulDiv(2000000000, 2, 1), -1);
}

TEST(Floats, GeneralFormUsesFifteenDigitsAndExponentsAtTheEnds) {
  EXPECT_EQ(FloatToStr(0), "0");
  EXPECT_EQ(FloatToStr(0.1), "0.1");
  EXPECT_EQ(FloatToStr(-2.5), "-2.5");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToStr(1e15), "1E15");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(0.0001), "0.0001");
  EXPECT_EQ(FloatToStr(0.00001), "1E-5");
  EXPECT_EQ(FloatToStr(1.5e-7), "1.5E-7");
}

TEST(Floats, FormatStrings) {
  EXPECT_EQ(FormatFloat("0.00", 3.14159), "3.14");
  EXPECT_EQ(FormatFloat("0.00", 0.125), "0.13");  // halves away from zero
  EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
  EXPECT_EQ(FormatFloat("0.0#", 2), "2.0");
  EXPECT_EQ(FormatFloat("#,##0", 1234567), "1,234,567");
  EXPECT_EQ(FormatFloat("000", 7), "007");
  EXPECT_EQ(FormatFloat("0", -0.4), "0");
  EXPECT_EQ(FormatFloat("0.0", -1.25), "-1.3");
  EXPECT_EQ(FormatFloat("0.0 \"MB\"", 4.77), "4.8 MB");
  EXPECT_EQ(FormatFloat("0.00E+00", 12345), "1.23E+04");
  EXPECT_EQ(FormatFloat("0.0E-0", 0.00125), "1.3E-3");
  EXPECT_EQ(FormatFloat("0;(0);zero", -5), "(5)");
  EXPECT_EQ(FormatFloat("0;(0);zero", 0), "zero");
  EXPECT_EQ(FormatFloat("", 2.5), "2.5");
}

TEST(Floats, ReadingAlwaysUsesAPointWhateverTheLocale) {
  // A locale with a decimal comma must not change anything.
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_DOUBLE_EQ(StrToFloat("3.5"), 3.5);
  EXPECT_EQ(FloatToStr(3.5), "3.5");
  std::setlocale(LC_NUMERIC, saved.c_str());

  EXPECT_DOUBLE_EQ(StrToFloat(" -1.25e2 "), -125);
  EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("5."), 5);
  EXPECT_DOUBLE_EQ(StrToFloat("+2"), 2);
  for (const char* bad : {"", "3,5", "inf", "nan", "0x10", "1e", "1e400", "-", ".", "1.2.3"})
    EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  EXPECT_DOUBLE_EQ(StrToFloatDef("x", 1.5), 1.5);
}

TEST(Text, TrimAndCaseTouchOnlyAsciiAndControlCharacters) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  x "), "x ");
  EXPECT_EQ(TrimRight("  x "), "  x");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(UpperCase("abc\xC3\xA9z"), "ABC\xC3\xA9Z");
  EXPECT_EQ(LowerCase("ÄBC"), "Äbc");
  EXPECT_TRUE(SameText("OutputFormat", "OUTPUTFORMAT"));
  EXPECT_FALSE(SameText("a", "ab"));
  EXPECT_LT(CompareText("apple", "Banana"), 0);
  EXPECT_GT(CompareStr("apple", "Banana"), 0);
}

TEST(FileNames, PartsOfAPath) {
  EXPECT_EQ(ExtractFileExt("/music/song.Mp3"), ".Mp3");
  EXPECT_EQ(ExtractFileExt("/music.d/song"), "");
  EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
  EXPECT_EQ(ExtractFilePath("/music/song.mp3"), "/music/");
  EXPECT_EQ(ExtractFilePath("song.mp3"), "");
  EXPECT_EQ(ExtractFileDir("/music/song.mp3"), "/music");
  EXPECT_EQ(ExtractFileDir("/song.mp3"), "/");
  EXPECT_EQ(ExtractFileName("/music/song.mp3"), "song.mp3");
  EXPECT_EQ(ChangeFileExt("/a.b/c.wav", ".mp3"), "/a.b/c.mp3");
  EXPECT_EQ(ChangeFileExt("/a.b/c", ".mp3"), "/a.b/c.mp3");
  EXPECT_EQ(ChangeFileExt("c.wav", ""), "c");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp"), "/tmp/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp/"), "/tmp/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/tmp/"), "/tmp");
}
