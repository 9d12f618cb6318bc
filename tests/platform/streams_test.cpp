#include "platform/streams.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::TempFolder;

TEST(Streams, MemoryStreamReadsWritesAndSeeks) {
  TMemoryStream m;
  m.WriteString("abc");
  m.Seek(2, soEnd);  // past the end: the gap reads as zeros once written over
  m.WriteString("Z");
  EXPECT_EQ(m.Bytes(), std::string("abc\0\0Z", 6));
  EXPECT_EQ(m.Size(), 6);

  m.SetPosition(1);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 10), 5);
  EXPECT_EQ(m.Read(buf, 1), 0);
  m.Seek(-2, soCurrent);
  EXPECT_EQ(m.ReadAll(), std::string("\0Z", 2));
  m.SetPosition(4);
  EXPECT_THROW(m.ReadBuffer(buf, 3), EReadError);
  EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);

  m.SetSize(2);
  EXPECT_EQ(m.Position(), 2);
  EXPECT_EQ(m.Bytes(), "ab");
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
  EXPECT_EQ(m.Position(), 0);
}

TEST(Streams, MemoryStreamFarPastTheEndNeitherOverflowsNorWrites) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  TMemoryStream m(std::string("abc"));
  m.Seek(kMax - 1, soBeginning);
  EXPECT_THROW(m.WriteString("xyz"), EWriteError);
  EXPECT_EQ(m.Bytes(), "abc");
  EXPECT_THROW(m.Seek(kMax, soCurrent), EStreamError);
  EXPECT_THROW(m.Seek(std::numeric_limits<std::int64_t>::min(), soEnd), EStreamError);
  EXPECT_EQ(m.Position(), kMax - 1);
}

TEST(Streams, CopyFromWholeSourceOrCount) {
  TMemoryStream src(std::string("0123456789"));
  src.SetPosition(7);
  TMemoryStream all;
  EXPECT_EQ(all.CopyFrom(src, 0), 10);  // 0 copies the whole source from its start
  EXPECT_EQ(all.Bytes(), "0123456789");

  src.SetPosition(2);
  TMemoryStream part;
  EXPECT_EQ(part.CopyFrom(src, 3), 3);
  EXPECT_EQ(part.Bytes(), "234");
  EXPECT_THROW(part.CopyFrom(src, 100), EReadError);
}

TEST(Streams, FileStreamAndMemoryStreamFiles) {
  TempFolder tmp;
  std::string path = tmp.File("bank1.bin");
  {
    TFileStream f(path, fmCreate);
    f.WriteString("hello world");
    EXPECT_EQ(f.Size(), 11);
  }
  {
    TFileStream f(path, fmOpenReadWrite);
    char buf[5] = {};
    f.ReadBuffer(buf, 5);
    EXPECT_EQ(std::string(buf, 5), "hello");
    f.WriteString("_");  // switching from reading to writing in place
    f.SetPosition(0);
    EXPECT_EQ(f.ReadAll(), "hello_world");
  }
  TMemoryStream m;
  m.LoadFromFile(path);
  EXPECT_EQ(m.Bytes(), "hello_world");
  m.WriteString("!");
  m.SaveToFile(path);
  EXPECT_EQ(ReadFileBytes(path), "!ello_world");

  std::string missing = tmp.File("none.bin");
  try {
    TFileStream f(missing, fmOpenRead);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
  }
  EXPECT_THROW(TFileStream(tmp.File("no/such/dir.bin"), fmCreate), EFCreateError);
}

}  // namespace
}  // namespace hd
