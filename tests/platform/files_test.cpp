#include "platform/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>

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
    limited_ = false;
  }
  void LimitFileSize(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
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

// The write raised SIGXFSZ, whose default action ends the program without a word.
TEST_F(AtomicWriteFailure, FileSizeLimitIsAWriteErrorNotASignal) {
  ASSERT_EQ(::signal(SIGXFSZ, SIG_DFL), SIG_DFL) << "a test before this one changed the signal";
  std::string path = tmp_.File("Tessaron.xml");
  LimitFileSize(100);
  EXPECT_THROW(WriteFileAtomic(path, std::string(1000, 'x')), EFCreateError);
  RestoreFileSize();
  EXPECT_TRUE(Names(tmp_.Path()).empty());
}

TEST(Files, ReadFileBytesRefusesFilesOverTheReadersLimit) {
  TempFolder tmp;
  std::string path = tmp.Write("big.xml", std::string(1001, '<'));
  EXPECT_EQ(ReadFileBytes(path, 1001).size(), 1001u);
  try {
    ReadFileBytes(path, 1000);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("too large: 1001 bytes where at most 1000"), std::string::npos) << e.Message();
  }
}

// A request file that was a named pipe hung the window for good.
TEST(Files, ReadFileBytesReadsRegularFilesOnly) {
  TempFolder tmp;
  const std::string pipe = tmp.File("pipe.xml");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string folder = tmp.File("folder.xml");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  for (const std::string& path : {pipe, folder, std::string("/dev/zero"), std::string("/dev/null")}) {
    SCOPED_TRACE(path);
    try {
      ReadFileBytes(path, 1 << 20);
      ADD_FAILURE() << "read";
    } catch (const EFOpenError& e) {
      EXPECT_EQ(e.Message(), "Cannot open file \"" + path + "\". It is not a regular file.");
    }
  }
  // A link to a regular file is read through.
  const std::string real = tmp.Write("real.xml", "<r/>");
  const std::string link = tmp.File("link.xml");
  ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
  EXPECT_EQ(ReadFileBytes(link), "<r/>");
}

// Saving replaced the link with a plain file, so the file it named kept the old settings.
TEST(Files, AtomicWriteThroughASymbolicLinkKeepsTheLink) {
  TempFolder tmp;
  std::string real = tmp.Write("shared/Tessaron.xml", "old");
  std::string link = tmp.File("Tessaron.xml");
  ASSERT_EQ(::symlink("shared/Tessaron.xml", link.c_str()), 0);
  WriteFileAtomic(link, "new");
  struct stat st;
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadFileBytes(real), "new");
  EXPECT_EQ(Names(tmp.File("shared")), std::vector<std::string>{"Tessaron.xml"});
}

// A process that is surely gone: a child that has been reaped.
pid_t DeadProcessId() {
  pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return pid;
}

// Hundreds of temporaries piled up beside a file whose saves had been killed.
TEST(Files, LeftoversOfKilledSavesGoAtTheNextSave) {
  TempFolder tmp;
  const std::string dead = std::to_string(DeadProcessId());
  const std::string alive = std::to_string(::getppid());
  tmp.Write(".~ParGen.xml." + dead + ".3.tmp", "half");
  tmp.Write(".~ParGen.xml." + dead + ".4.tmp.old", "older");
  tmp.Write(".~ParGen.xml." + alive + ".5.tmp", "a save in progress elsewhere");
  tmp.Write(".~Other.xml." + dead + ".6.tmp", "another file's");
  tmp.Write(".~bin." + dead + ".7.new/bank1.bin", "half a folder");
  tmp.Write("bin/bank1.bin", "1");
  WriteFileAtomic(tmp.File("ParGen.xml"), "<Par_Gen/>");
  EXPECT_EQ(Names(tmp.Path()),
            (std::vector<std::string>{".~bin." + dead + ".7.new", ".~Other.xml." + dead + ".6.tmp",
                                      ".~ParGen.xml." + alive + ".5.tmp", "bin", "ParGen.xml"}));
  ReplaceFolderFiles(tmp.File("bin"), {{"bank1.bin", "2"}});
  EXPECT_EQ(Names(tmp.Path()), (std::vector<std::string>{".~Other.xml." + dead + ".6.tmp",
                                                         ".~ParGen.xml." + alive + ".5.tmp", "bin",
                                                         "ParGen.xml"}));
}

std::map<std::string, std::string> FolderContent(const std::string& dir) {
  std::map<std::string, std::string> content;
  for (const TDirEntry& e : ListFolder(dir)) content[e.Name] = e.IsDir ? "<dir>" : ReadFileBytes(JoinPath(dir, e.Name));
  return content;
}

TEST(FolderReplace, ReplacesTheNamedFilesAndKeepsTheOthers) {
  TempFolder tmp;
  std::string bin = tmp.File("bin");
  ReplaceFolderFiles(bin, {{"bank1.bin", "1a"}, {"bank2.bin", "2a"}});
  EXPECT_EQ(FolderContent(bin), (std::map<std::string, std::string>{{"bank1.bin", "1a"}, {"bank2.bin", "2a"}}));
  tmp.Write("bin/notes.txt", "kept");
  tmp.Write("bin/sub/deep.txt", "kept too");
  ::chmod(JoinPath(bin, "bank2.bin").c_str(), 0640);
  ReplaceFolderFiles(bin, {{"bank1.bin", "1b"}, {"bank2.bin", "2b"}});
  EXPECT_EQ(FolderContent(bin), (std::map<std::string, std::string>{
                                    {"bank1.bin", "1b"}, {"bank2.bin", "2b"}, {"notes.txt", "kept"}, {"sub", "<dir>"}}));
  EXPECT_EQ(ReadFileBytes(JoinPath(bin, "sub/deep.txt")), "kept too");
  struct stat st;
  ASSERT_EQ(::stat(JoinPath(bin, "bank2.bin").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Names(tmp.Path()), std::vector<std::string>{"bin"});  // nothing left beside it
}

TEST(FolderReplace, AFileThatCannotBeReplacedLeavesTheOldFolder) {
  TempFolder tmp;
  std::string bin = tmp.File("bin");
  ReplaceFolderFiles(bin, {{"bank1.bin", "old"}});
  CreateDir(JoinPath(bin, "bank2.bin"));
  try {
    ReplaceFolderFiles(bin, {{"bank1.bin", "new"}, {"bank2.bin", "new"}});
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message().find(JoinPath(bin, "bank2.bin")), std::string::npos) << e.Message();
  }
  EXPECT_EQ(FolderContent(bin), (std::map<std::string, std::string>{{"bank1.bin", "old"}, {"bank2.bin", "<dir>"}}));
  EXPECT_EQ(Names(tmp.Path()), std::vector<std::string>{"bin"});
}

// Which rename of a save fails (and with what), whether an old folder or file was there, and
// what must be found afterwards. EINVAL on the exchange stands for a file system without it,
// where the old folder steps aside first.
TEST(FolderReplace, AFailedRenameLeavesTheOldFilesWhole) {
  struct Case {
    const char* name;
    bool folder;  // the folder replace, else a single atomic file write
    bool hadOld;
    std::vector<std::pair<int, int>> failures;
    bool saved;
  } cases[] = {
      {"exchange fails", true, true, {{1, EIO}}, false},
      {"first placing of the folder fails", true, false, {{1, EIO}}, false},
      {"no exchange: setting the old folder aside fails", true, true, {{1, EINVAL}, {2, EIO}}, false},
      {"no exchange: the new folder cannot follow", true, true, {{1, EINVAL}, {3, EIO}}, false},
      {"no exchange: both renames work", true, true, {{1, EINVAL}}, true},
      {"file rename fails over an old file", false, true, {{1, EIO}}, false},
      {"file rename fails with no old file", false, false, {{1, EIO}}, false},
      {"a later rename fails, not this save's", true, true, {{2, EIO}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder tmp;
    const std::string target = tmp.File(c.folder ? "bin" : "ParGen.xml");
    std::map<std::string, std::string> old = {{"bank1.bin", "old 1"}, {"bank2.bin", "old 2"}, {"notes", "n"}};
    if (c.hadOld && c.folder) ReplaceFolderFiles(target, {{"bank1.bin", "old 1"}, {"bank2.bin", "old 2"}, {"notes", "n"}});
    if (c.hadOld && !c.folder) WriteFileAtomic(target, "old");
    SetRenameFailuresForTests(c.failures);
    bool saved = true;
    try {
      if (c.folder) ReplaceFolderFiles(target, {{"bank1.bin", "new 1"}, {"bank2.bin", "new 2"}});
      else WriteFileAtomic(target, "new");
    } catch (const EFCreateError& e) {
      saved = false;
      EXPECT_NE(e.Message().find(target), std::string::npos) << e.Message();
    }
    SetRenameFailuresForTests({});
    EXPECT_EQ(saved, c.saved);
    if (c.folder && saved) {
      EXPECT_EQ(FolderContent(target),
                (std::map<std::string, std::string>{{"bank1.bin", "new 1"}, {"bank2.bin", "new 2"}, {"notes", "n"}}));
    } else if (c.folder) {
      EXPECT_EQ(DirectoryExists(target), c.hadOld);
      if (c.hadOld) {
        EXPECT_EQ(FolderContent(target), old);
      }
    } else if (c.hadOld) {
      EXPECT_EQ(ReadFileBytes(target), "old");
    } else {
      EXPECT_FALSE(FileExists(target));
    }
    EXPECT_EQ(Names(tmp.Path()).size(), c.hadOld || saved ? 1u : 0u) << "a temporary was left";
  }
}

}  // namespace
}  // namespace hd
