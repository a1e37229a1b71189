#include "platform/framework/Streams.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "tests/platform/os/ScratchFolder.h"

TEST(FileStream, CreateWriteReopenAndRead) {
  ScratchFolder dir;
  {
    TFileStream file(dir / "data.bin", fmCreate | fmShareExclusive);
    file.WriteBuffer("hello world", 11);
    EXPECT_EQ(file.Size(), 11);
    EXPECT_EQ(file.Position(), 11);
  }
  TFileStream file(dir / "data.bin", fmOpenRead | fmShareDenyWrite);
  char buffer[16] = {};
  file.SetPosition(6);
  EXPECT_EQ(file.Read(buffer, 16), 5);  // a short read at the end
  EXPECT_STREQ(buffer, "world");
  EXPECT_THROW(file.ReadBuffer(buffer, 1), EReadError);
  EXPECT_EQ(file.Write("x", 1), -1);  // opened for reading only
  EXPECT_THROW(file.WriteBuffer("x", 1), EWriteError);
}

TEST(FileStream, OpenModesKeepOrEmptyTheFile) {
  ScratchFolder dir;
  dir.Write("f", "abcdef");
  {
    TFileStream file(dir / "f", fmOpenReadWrite);
    file.Seek(-2, soEnd);
    file.WriteBuffer("XY", 2);
  }
  EXPECT_EQ(dir.Read("f"), "abcdXY");
  {
    TFileStream file(dir / "f", fmOpenWrite | fmShareDenyNone);
    file.WriteBuffer("12", 2);
    file.SetSize(3);
  }
  EXPECT_EQ(dir.Read("f"), "12c");
  { TFileStream file(dir / "f", fmCreate); }
  EXPECT_EQ(dir.Read("f"), "");
}

TEST(FileStream, FailuresNameTheFileAndTheReason) {
  ScratchFolder dir;
  try {
    TFileStream file(dir / "missing", fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + (dir / "missing") + "\". No such file or directory");
  }
  EXPECT_THROW(TFileStream(dir / "no/dir/file", fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(dir.Path(), fmOpenRead), EFOpenError);  // a folder is no file
}

TEST(FileStream, PositionsBeyondFourGigabytes) {
  ScratchFolder dir;
  TFileStream file(dir / "sparse", fmCreate);
  const std::int64_t far = 5'000'000'000LL;
  EXPECT_EQ(file.Seek(far, soBeginning), far);
  file.WriteBuffer("z", 1);
  EXPECT_EQ(file.Size(), far + 1);
  file.SetPosition(far);
  char c = 0;
  file.ReadBuffer(&c, 1);
  EXPECT_EQ(c, 'z');
}

TEST(MemoryStream, GrowsOnWriteAndReadsBack) {
  TMemoryStream stream;
  stream.WriteBuffer("abc", 3);
  stream.SetPosition(5);
  stream.WriteBuffer("z", 1);  // the gap is zero-filled
  EXPECT_EQ(stream.Size(), 6);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Memory()), 6), std::string("abc\0\0z", 6));
  stream.SetPosition(1);
  char two[2];
  stream.ReadBuffer(two, 2);
  EXPECT_EQ(std::string(two, 2), "bc");
  EXPECT_EQ(stream.Seek(-1, soBeginning), -1);
  stream.SetSize(2);
  EXPECT_EQ(stream.Position(), 2);
  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
}

TEST(MemoryStream, FilesAndCopies) {
  ScratchFolder dir;
  TMemoryStream stream;
  stream.WriteBuffer("\x48\x69\x0D\x0A", 4);
  stream.SaveToFile(dir / "m.bin");
  EXPECT_EQ(dir.Read("m.bin"), "Hi\r\n");

  TMemoryStream loaded;
  loaded.LoadFromFile(dir / "m.bin");
  EXPECT_EQ(loaded.Size(), 4);
  EXPECT_EQ(loaded.Position(), 0);

  TStringStream copy;
  EXPECT_EQ(copy.CopyFrom(loaded, 0), 4);
  EXPECT_EQ(copy.DataString(), "Hi\r\n");
  loaded.SetPosition(2);
  TStringStream part;
  part.CopyFrom(loaded, 2);
  EXPECT_EQ(part.DataString(), "\r\n");
  loaded.SetPosition(3);
  EXPECT_THROW(part.CopyFrom(loaded, 5), EReadError);
  EXPECT_THROW(loaded.SaveToFile(dir / "no/dir/m.bin"), EFCreateError);
}

TEST(StringStream, StartsFromItsTextAndReadsPieces) {
  TStringStream stream("Share with you");
  EXPECT_EQ(stream.Position(), 0);
  EXPECT_EQ(stream.ReadString(5), "Share");
  EXPECT_EQ(stream.ReadString(100), " with you");
  stream.WriteString("!");
  EXPECT_EQ(stream.DataString(), "Share with you!");
}
