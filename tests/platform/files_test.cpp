#include "platform/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <functional>

#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::TempFolder;

std::vector<std::string> Names(const std::string& dir) {
  std::vector<std::string> names;
  for (const TDirEntry& e : ListFolder(dir)) names.push_back(e.Name);
  return names;
}

TEST(Files, PathPartsAndJoining) {
  struct Case {
    const char* path;
    const char* filePath;
    const char* fileDir;
    const char* fileName;
    const char* ext;
  } cases[] = {
      {"/a/b/c.xml", "/a/b/", "/a/b", "c.xml", ".xml"},
      {"c.tar.gz", "", "", "c.tar.gz", ".gz"},
      {"/a.d/file", "/a.d/", "/a.d", "file", ""},
      {"/file", "/", "/", "file", ""},
      {"/a/b/", "/a/b/", "/a/b", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ExtractFilePath(c.path), c.filePath);
    EXPECT_EQ(ExtractFileDir(c.path), c.fileDir);
    EXPECT_EQ(ExtractFileName(c.path), c.fileName);
    EXPECT_EQ(ExtractFileExt(c.path), c.ext);
  }
  EXPECT_EQ(ChangeFileExt("/p/English.lng", ".bmp"), "/p/English.bmp");
  EXPECT_EQ(ChangeFileExt("/p.d/name", ".bin"), "/p.d/name.bin");
  EXPECT_EQ(JoinPath("/p", "ParGen.xml"), "/p/ParGen.xml");
  EXPECT_EQ(JoinPath("/p/", "/bin"), "/p/bin");
  EXPECT_EQ(JoinPath("", "ParGen.xml"), "/ParGen.xml");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/p"), "/p/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/p/"), "/p");
}

TEST(Files, ExistenceAndFolderCreation) {
  TempFolder tmp;
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(DirectoryExists(""));
  EXPECT_TRUE(DirectoryExists(tmp.Path()));
  EXPECT_FALSE(FileExists(tmp.Path()));  // a folder is no file

  EXPECT_FALSE(CreateDir(tmp.File("x/y")));  // one level only
  EXPECT_TRUE(CreateDir(tmp.File("x")));
  EXPECT_FALSE(CreateDir(tmp.File("x")));  // already there
  EXPECT_TRUE(ForceDirectories(tmp.File("p/q/r")));
  EXPECT_TRUE(ForceDirectories(tmp.File("p/q/r")));
  EXPECT_TRUE(DirectoryExists(tmp.File("p/q/r")));
  EXPECT_FALSE(ForceDirectories(""));

  WriteFileAtomic(tmp.File("f"), "1");
  EXPECT_TRUE(FileExists(tmp.File("f")));
  EXPECT_FALSE(DirectoryExists(tmp.File("f")));
  EXPECT_FALSE(ForceDirectories(tmp.File("f/sub")));  // a file in the way
  EXPECT_FALSE(DeleteFile(tmp.File("x")));            // folders are not files
  EXPECT_TRUE(DeleteFile(tmp.File("f")));
  EXPECT_FALSE(FileExists(tmp.File("f")));
}

TEST(Files, RenameNeverReplaces) {
  TempFolder tmp;
  WriteFileAtomic(tmp.File("a"), "A");
  WriteFileAtomic(tmp.File("b"), "B");
  EXPECT_FALSE(RenameFile(tmp.File("a"), tmp.File("b")));
  EXPECT_EQ(ReadFileBytes(tmp.File("b")), "B");
  EXPECT_TRUE(RenameFile(tmp.File("a"), tmp.File("c")));
  EXPECT_EQ(ReadFileBytes(tmp.File("c")), "A");
  EXPECT_FALSE(FileExists(tmp.File("a")));
}

TEST(Files, ListingSortsAndTellsFoldersAndReadOnly) {
  TempFolder tmp;
  ForceDirectories(tmp.File("PROJECTS/Plant B"));
  ForceDirectories(tmp.File("PROJECTS/Plant A/bin"));
  WriteFileAtomic(tmp.File("PROJECTS/loose.txt"), "x");
  WriteFileAtomic(tmp.File("English.lng"), "");
  WriteFileAtomic(tmp.File("Italiano.LNG"), "abc");
  WriteFileAtomic(tmp.File("English.bmp"), "");
  WriteFileAtomic(tmp.File("lng"), "");
  ::chmod(tmp.File("Italiano.LNG").c_str(), 0444);

  EXPECT_EQ(ListSubFolders(tmp.File("PROJECTS")), (std::vector<std::string>{"Plant A", "Plant B"}));
  EXPECT_EQ(ListFiles(tmp.Path(), "*.lng"), (std::vector<std::string>{"English.lng", "Italiano.LNG"}));
  EXPECT_EQ(ListFiles(tmp.Path(), "?nglish.*"), (std::vector<std::string>{"English.bmp", "English.lng"}));
  EXPECT_EQ(ListFiles(tmp.Path()).size(), 4u);
  EXPECT_TRUE(ListFolder(tmp.File("missing")).empty());
  EXPECT_TRUE(ListFolder("").empty());

  std::vector<TDirEntry> entries = ListFolder(tmp.Path());
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(Names(tmp.Path()),
            (std::vector<std::string>{"English.bmp", "English.lng", "Italiano.LNG", "lng", "PROJECTS"}));
  EXPECT_TRUE(entries[2].ReadOnly);
  EXPECT_EQ(entries[2].Size, 3u);
  EXPECT_FALSE(entries[1].ReadOnly);
  EXPECT_TRUE(entries[4].IsDir);
  EXPECT_FALSE(entries[3].IsDir);
}

TEST(Files, ExeFolderHoldsTheRunningProgram) {
  std::string dir = ExeFolder();
  EXPECT_NE(dir.back(), PathDelim);
  EXPECT_TRUE(FileExists(JoinPath(dir, "platform_tests")));
}

TEST(Files, ReadFileBytesNamesTheFileAndReason) {
  TempFolder tmp;
  std::string path = tmp.File("nothing.bin");
  try {
    ReadFileBytes(path);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("No such file or directory"), std::string::npos) << e.Message();
  }
  std::string bytes("a\0b\xFF", 4);
  WriteFileAtomic(path, bytes);
  EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST(Files, AtomicWriteReplacesAndKeepsTheFilesMode) {
  TempFolder tmp;
  std::string path = tmp.File("bank1.bin");
  WriteFileAtomic(path, "old content");
  ::chmod(path.c_str(), 0640);
  WriteFileAtomic(path, "new");
  EXPECT_EQ(ReadFileBytes(path), "new");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Names(tmp.Path()), std::vector<std::string>{"bank1.bin"});  // no temporary left
}

// Failures that root cannot bypass: a folder in the target's place, a read-only target,
// a missing folder, and a file-size limit that stops the write half-way.
class AtomicWriteFailure : public testing::Test {
 protected:
  void TearDown() override { RestoreFileSize(); }
  void RestoreFileSize() {
    if (!limited_) return;
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, SIG_DFL);
    limited_ = false;
  }
  void LimitFileSize(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    limited_ = true;
  }

  TempFolder tmp_;
  rlimit saved_{};
  bool limited_ = false;
};

TEST_F(AtomicWriteFailure, LeavesTheOldFileIntactAndNoTemporary) {
  struct Case {
    const char* name;
    const char* target;
    std::function<void(const std::string&)> prepare;
    const char* reason;
  } cases[] = {
      {"target is a folder", "cfg", [](const std::string& p) { CreateDir(p); }, "Is a directory"},
      {"read-only target", "ParGen.xml",
       [](const std::string& p) {
         WriteFileAtomic(p, "old");
         ::chmod(p.c_str(), 0444);
       },
       "Permission denied"},
      {"missing folder", "bin/bank2.bin", [](const std::string&) {}, "No such file or directory"},
      {"disk full half-way", "bank2.bin",
       [this](const std::string& p) {
         WriteFileAtomic(p, "old");
         LimitFileSize(1000);
       },
       "File too large"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder tmp;
    std::string path = tmp.File(c.target);
    c.prepare(path);
    std::vector<std::string> before = Names(tmp.Path());
    try {
      WriteFileAtomic(path, std::string(5000, 'n'));
      ADD_FAILURE() << "no error";
    } catch (const EFCreateError& e) {
      EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
      EXPECT_NE(e.Message().find(c.reason), std::string::npos) << e.Message();
    }
    RestoreFileSize();
    EXPECT_EQ(Names(tmp.Path()), before);
    if (FileExists(path)) {
      EXPECT_EQ(ReadFileBytes(path), "old");
    }
  }
}

TEST_F(AtomicWriteFailure, SeveralFilesAreReplacedAllOrNone) {
  std::string a = tmp_.File("bank1.bin"), b = tmp_.File("bank2.bin"), c = tmp_.File("bank_K64_1.bin");
  WriteFileAtomic(a, "old a");
  CreateDir(c);  // the third cannot be replaced
  try {
    WriteFilesAtomic({{a, "new a"}, {b, "new b"}, {c, "new c"}});
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message().find(c), std::string::npos) << e.Message();
  }
  EXPECT_EQ(ReadFileBytes(a), "old a");
  EXPECT_FALSE(FileExists(b));
  EXPECT_EQ(Names(tmp_.Path()), (std::vector<std::string>{"bank1.bin", "bank_K64_1.bin"}));

  ::rmdir(c.c_str());
  WriteFilesAtomic({{a, "new a"}, {b, "new b"}, {c, "new c"}});
  EXPECT_EQ(ReadFileBytes(a), "new a");
  EXPECT_EQ(ReadFileBytes(b), "new b");
  EXPECT_EQ(ReadFileBytes(c), "new c");
  EXPECT_EQ(Names(tmp_.Path()).size(), 3u);
}

}  // namespace
}  // namespace hd
