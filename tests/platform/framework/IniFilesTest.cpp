#include "platform/framework/IniFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/framework/StringList.h"
#include "ListItems.h"
#include "tests/platform/os/ScratchFolder.h"

namespace {

// As a user might leave it after editing by hand with CR LF line ends.
const char* const kHandEdited =
    "; recorder settings\r\n"
    "\r\n"
    "[ OutputFormat ]\r\n"
    "  WavFreq = 2  \r\n"
    "wavfreq=5\r\n"
    "MP3BitRate=\t6\r\n"
    "Comment line without equals\r\n"
    "\r\n"
    "[Mail]\r\n"
    "Subject=\"  Share with you  \"\r\n"
    "Quoted='single'\r\n"
    "Half=\"open\r\n"
    "Inner=say \"hi\"\r\n"
    "Empty=\r\n"
    "\r\n"
    "[outputformat]\r\n"
    "Selected=3\r\n";

class IniFile : public ::testing::Test {
 protected:
  ScratchFolder dir;
  std::string path = dir / "QmtCfg.ini";
};

}  // namespace

TEST_F(IniFile, HandEditedFileReadsAsTheProfileFunctionsReadIt) {
  dir.Write("QmtCfg.ini", kHandEdited);
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("outputformat", "WAVFREQ", 5), 2);  // first occurrence wins
  EXPECT_EQ(ini.ReadString("OutputFormat", "MP3BitRate", ""), "6");
  EXPECT_EQ(ini.ReadString("Mail", "Subject", ""), "  Share with you  ");  // quotes keep inner blanks
  EXPECT_EQ(ini.ReadString("Mail", "Quoted", ""), "single");
  EXPECT_EQ(ini.ReadString("Mail", "Half", ""), "\"open");
  EXPECT_EQ(ini.ReadString("Mail", "Inner", ""), "say \"hi\"");
  EXPECT_EQ(ini.ReadString("Mail", "Empty", "default"), "");
  EXPECT_EQ(ini.ReadString("Mail", "Missing", "default"), "default");
  // The later duplicate section is never seen.
  EXPECT_EQ(ini.ReadInteger("OutputFormat", "Selected", 0), 0);
  EXPECT_FALSE(ini.ValueExists("OutputFormat", "Comment line without equals"));

  TStringList list;
  ini.ReadSections(list);
  EXPECT_EQ(Items(list), (Lines{"OutputFormat", "Mail"}));
  ini.ReadSection("OUTPUTFORMAT", list);
  EXPECT_EQ(Items(list), (Lines{"WavFreq", "MP3BitRate"}));
  ini.ReadSectionValues("Mail", list);
  EXPECT_EQ(list.Values("Subject"), "  Share with you  ");
  EXPECT_EQ(list.Count(), 5);
}

TEST_F(IniFile, IntegersAndBooleans) {
  dir.Write("QmtCfg.ini",
            "[N]\nDec=-46\nHex=0x1F\nDollar=$10\nText=abc\nTrailing=12abc\nBig=4294967296\n"
            "True=1\nFalse=0\nOther=7\nWord=true\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("N", "Dec", 0), -46);
  EXPECT_EQ(ini.ReadInteger("N", "Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "Dollar", 0), 16);
  EXPECT_EQ(ini.ReadInteger("N", "Text", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "Trailing", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "Big", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "Missing", 300), 300);
  EXPECT_TRUE(ini.ReadBool("N", "True", false));
  EXPECT_FALSE(ini.ReadBool("N", "False", true));
  EXPECT_TRUE(ini.ReadBool("N", "Other", false));
  EXPECT_TRUE(ini.ReadBool("N", "Word", true));  // not a number: the default
  EXPECT_FALSE(ini.ReadBool("N", "Word", false));
}

TEST_F(IniFile, WritesCreateFileAndSectionAndRoundTrip) {
  {
    TIniFile ini(path);
    ini.WriteInteger("OutputFormat", "WavFreq", 5);
    ini.WriteBool("OutputFormat", "MP3VBREnable", false);
    ini.WriteString("Mail", "Subject", "Share");
    ini.WriteString("Mail", "Body", "48692C0D0A");
    ini.WriteBool("Hotkey", "StartUse1", true);
  }
  EXPECT_EQ(dir.Read("QmtCfg.ini"),
            "[OutputFormat]\nWavFreq=5\nMP3VBREnable=0\n[Mail]\nSubject=Share\nBody=48692C0D0A\n"
            "[Hotkey]\nStartUse1=1\n");
  TIniFile again(path);
  EXPECT_EQ(again.ReadInteger("OutputFormat", "WavFreq", 0), 5);
  EXPECT_FALSE(again.ReadBool("OutputFormat", "MP3VBREnable", true));
  EXPECT_EQ(again.ReadString("Mail", "Body", ""), "48692C0D0A");
  EXPECT_TRUE(again.ReadBool("Hotkey", "StartUse1", false));
}

TEST_F(IniFile, WritesUpdateInPlaceAppendToTheirSectionAndKeepEverythingElse) {
  dir.Write("QmtCfg.ini", kHandEdited);
  TIniFile ini(path);
  ini.WriteInteger("OUTPUTFORMAT", "wavFREQ", 6);
  ini.WriteString("OutputFormat", "OggFreq", "1");
  ini.WriteString("Device", "InputLine", "Line In");
  EXPECT_EQ(dir.Read("QmtCfg.ini"),
            "; recorder settings\r\n"
            "\r\n"
            "[ OutputFormat ]\r\n"
            "WavFreq=6\r\n"
            "wavfreq=5\r\n"
            "MP3BitRate=\t6\r\n"
            "Comment line without equals\r\n"
            "OggFreq=1\r\n"
            "\r\n"
            "[Mail]\r\n"
            "Subject=\"  Share with you  \"\r\n"
            "Quoted='single'\r\n"
            "Half=\"open\r\n"
            "Inner=say \"hi\"\r\n"
            "Empty=\r\n"
            "\r\n"
            "[outputformat]\r\n"
            "Selected=3\r\n"
            "[Device]\r\n"
            "InputLine=Line In\r\n");
}

TEST_F(IniFile, DeletingKeysAndSections) {
  dir.Write("QmtCfg.ini", "[A]\nx=1\ny=2\n[B]\nz=3\n[Empty]\n");
  TIniFile ini(path);
  EXPECT_TRUE(ini.SectionExists("a"));
  EXPECT_FALSE(ini.SectionExists("Empty"));  // a section needs a key to exist
  EXPECT_FALSE(ini.SectionExists("C"));
  ini.DeleteKey("A", "X");
  EXPECT_FALSE(ini.ValueExists("A", "x"));
  EXPECT_TRUE(ini.ValueExists("A", "y"));
  ini.EraseSection("b");
  EXPECT_EQ(dir.Read("QmtCfg.ini"), "[A]\ny=2\n[Empty]\n");
  ini.DeleteKey("Nope", "x");
  ini.EraseSection("Nope");
  EXPECT_EQ(dir.Read("QmtCfg.ini"), "[A]\ny=2\n[Empty]\n");
}

TEST_F(IniFile, SeesChangesMadeByOthersBetweenCalls) {
  dir.Write("QmtCfg.ini", "[Init]\nFileName=/a.wav\n");
  TIniFile reader(path);
  EXPECT_EQ(reader.ReadString("Init", "FileName", ""), "/a.wav");
  TIniFile writer(path);
  writer.WriteString("Init", "FileName", "/b.wav");
  EXPECT_EQ(reader.ReadString("Init", "FileName", ""), "/b.wav");
  unlink(path.c_str());
  EXPECT_EQ(reader.ReadString("Init", "FileName", "gone"), "gone");
}

TEST_F(IniFile, ValuesThatWouldBreakTheFileAreRefusedAndChangeNothing) {
  dir.Write("QmtCfg.ini", "[Mail]\nSubject=Hi\n");
  TIniFile ini(path);
  EXPECT_THROW(ini.WriteString("Mail", "Subject", "a\r\n[Evil]\r\nx=1"), EIniFileException);
  EXPECT_THROW(ini.WriteString("Mail", "a=b", "1"), EIniFileException);
  EXPECT_THROW(ini.WriteString("Mail", "", "1"), EIniFileException);
  EXPECT_THROW(ini.WriteString("Ma]il", "k", "1"), EIniFileException);
  EXPECT_THROW(ini.WriteString("Mail", "[k", "1"), EIniFileException);
  EXPECT_EQ(dir.Read("QmtCfg.ini"), "[Mail]\nSubject=Hi\n");
}

TEST_F(IniFile, AFailedWriteReportsAndLeavesTheFileWhole) {
  TIniFile missingFolder(dir / "no/such/folder/QmtCfg.ini");
  EXPECT_THROW(missingFolder.WriteString("A", "k", "v"), EIniFileException);
  EXPECT_EQ(missingFolder.ReadString("A", "k", "default"), "default");

  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  dir.Write("QmtCfg.ini", "[A]\nk=old\n");
  chmod(path.c_str(), 0444);
  TIniFile readOnly(path);
  EXPECT_THROW(readOnly.WriteString("A", "k", "new"), EIniFileException);
  EXPECT_EQ(dir.Read("QmtCfg.ini"), "[A]\nk=old\n");
  chmod(path.c_str(), 0200);
  TIniFile writeOnly(path);
  EXPECT_EQ(writeOnly.ReadString("A", "k", "default"), "default");
  EXPECT_THROW(writeOnly.WriteString("A", "other", "v"), EIniFileException);  // would lose "k"
  chmod(path.c_str(), 0600);
  EXPECT_EQ(dir.Read("QmtCfg.ini"), "[A]\nk=old\n");
}

TEST_F(IniFile, DamagedOrHugeFilesNeverCrashOrGetOverwritten) {
  std::string binary;
  for (int i = 0; i < 100000; ++i) binary += static_cast<char>((i * 7919) % 256);
  dir.Write("QmtCfg.ini", binary);
  TIniFile damaged(path);
  EXPECT_EQ(damaged.ReadInteger("OutputFormat", "WavFreq", 5), 5);
  TStringList list;
  damaged.ReadSections(list);

  std::string huge = "[A]\nk=1\n" + std::string(TIniFile::MaxFileSize, 'x');
  dir.Write("QmtCfg.ini", huge);
  TIniFile big(path);
  EXPECT_EQ(big.ReadString("A", "k", "default"), "default");
  EXPECT_THROW(big.WriteString("A", "k", "2"), EIniFileException);
  EXPECT_EQ(std::filesystem::file_size(path), huge.size());
}

TEST_F(IniFile, ByteOrderMarkAndMissingFinalLineBreakArePreserved) {
  dir.Write("QmtCfg.ini", "\xEF\xBB\xBF[A]\nk=1");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
  ini.WriteInteger("A", "k", 2);
  EXPECT_EQ(dir.Read("QmtCfg.ini"), "\xEF\xBB\xBF[A]\nk=2\n");
}

TEST_F(IniFile, AnUpdateWritesTheFileOnceAtItsEndOrNotAtAll) {
  dir.Write("QmtCfg.ini", "[Mail]\nSubject=old\n");
  {
    TIniFile ini(path);
    ini.BeginUpdate();
    ini.WriteString("Mail", "Subject", "new");
    ini.WriteInteger("Device", "Line", 2);
    EXPECT_EQ(ini.ReadString("Mail", "Subject", ""), "new");  // the update sees its own writes
    EXPECT_EQ(TIniFile(path).ReadString("Mail", "Subject", ""), "old");  // the file does not yet
    ini.EndUpdate();
  }
  TIniFile reread(path);
  EXPECT_EQ(reread.ReadString("Mail", "Subject", ""), "new");
  EXPECT_EQ(reread.ReadInteger("Device", "Line", 0), 2);

  {
    // A save abandoned half-way leaves the file as it was.
    TIniFile ini(path);
    ini.BeginUpdate();
    ini.WriteString("Mail", "Subject", "half");
  }
  EXPECT_EQ(TIniFile(path).ReadString("Mail", "Subject", ""), "new");
}
