// INI files read whole and written back whole: lookups without regard to case, lines kept in
// place, new keys after the last key of their section, and the file's own encoding kept.
#include "platform/ini_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

struct WriteBackCase {
  const char* name;
  std::string before;  // absent file when empty
  std::function<void(TMemIniFile&)> change;
  std::string after;
};

TEST(IniFileTest, WritesBackEveryLineInPlaceInTheEncodingItWasReadIn) {
  const std::string twoSections = "; kept\r\n[Main]\r\nAlpha=1\r\n; note\r\nbeta=2\r\n\r\n[Other]\r\nKeep=x\r\n";
  const WriteBackCase cases[] = {
      {"key of another case keeps its line and spelling", twoSections,
       [](TMemIniFile& f) { f.WriteInteger("MAIN", "BETA", 3); },
       "; kept\r\n[Main]\r\nAlpha=1\r\n; note\r\nbeta=3\r\n\r\n[Other]\r\nKeep=x\r\n"},
      {"new keys follow the section's last key, in write order", twoSections,
       [](TMemIniFile& f) {
         f.WriteString("main", "Gamma", "g");
         f.WriteString("main", "Delta", "d");
       },
       "; kept\r\n[Main]\r\nAlpha=1\r\n; note\r\nbeta=2\r\nGamma=g\r\nDelta=d\r\n\r\n[Other]\r\nKeep=x\r\n"},
      {"a new section goes at the end after a blank line", "[Main]\r\nA=1\r\n",
       [](TMemIniFile& f) { f.WriteString("New", "K", "v"); }, "[Main]\r\nA=1\r\n\r\n[New]\r\nK=v\r\n"},
      {"a missing file is created, in the ANSI code page", "",
       [](TMemIniFile& f) { f.WriteString("S", "Name", "Caf\xC3\xA9"); }, "[S]\r\nName=Caf\xE9\r\n"},
      {"an ANSI file stays ANSI", "[S]\r\nName=Caf\xE9\r\n",
       [](TMemIniFile& f) { f.WriteString("S", "Other", f.ReadString("S", "Name", "")); },
       "[S]\r\nName=Caf\xE9\r\nOther=Caf\xE9\r\n"},
      {"a UTF-8 file with its mark keeps it", "\xEF\xBB\xBF[S]\r\nA=\xC3\xA9\r\n",
       [](TMemIniFile& f) { f.WriteString("S", "B", "\xE2\x82\xAC"); },
       "\xEF\xBB\xBF[S]\r\nA=\xC3\xA9\r\nB=\xE2\x82\xAC\r\n"},
      {"a UTF-16 file stays UTF-16", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0", 12),
       [](TMemIniFile& f) { f.WriteString("S", "K", "1"); },
       std::string("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0" "1\0\r\0\n\0", 22)},
      {"line feeds alone stay line feeds", "[S]\nA=1\n", [](TMemIniFile& f) { f.WriteInteger("S", "B", 2); },
       "[S]\nA=1\nB=2\n"},
  };
  for (const WriteBackCase& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::TempFolder dir;
    std::string path = c.before.empty() ? dir.File("new.ini") : dir.Write("old.ini", c.before);
    TMemIniFile file(path);
    c.change(file);
    file.UpdateFile();
    EXPECT_EQ(dir.Read(c.before.empty() ? "new.ini" : "old.ini"), c.after);
  }
}

TEST(IniFileTest, ReadsKeysWithoutRegardToCaseAndIntegersWithTheirPrefixes) {
  testkit::TempFolder dir;
  TMemIniFile file(dir.Write("a.ini",
                             "[One]\r\nDec=42\r\nNeg=-7\r\nHex=0x1F\r\nDollar=$FF\r\nBlank= 5\r\nWord=abc\r\n"
                             "Empty=\r\nBareX=x10\r\nText=a=b \r\n[Two]\r\nDec=1\r\n"));
  struct Case {
    const char* key;
    int expected;
  } ints[] = {{"dec", 42}, {"NEG", -7}, {"Hex", 31}, {"Dollar", 255}, {"Blank", 5},
              {"Word", -1}, {"Empty", -1}, {"BareX", -1}, {"Missing", -1}};
  for (const Case& c : ints) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(file.ReadInteger("ONE", c.key, -1), c.expected);
  }
  EXPECT_EQ(file.ReadString("one", "TEXT", "?"), "a=b ");
  EXPECT_EQ(file.ReadString("one", "Missing", "?"), "?");
  EXPECT_EQ(file.ReadInteger("Two", "Dec", 0), 1);
  EXPECT_TRUE(file.SectionExists("two"));
  EXPECT_FALSE(file.SectionExists("Three"));
  EXPECT_TRUE(file.ValueExists("One", "empty"));
  EXPECT_EQ(file.ReadSections(), (std::vector<std::string>{"One", "Two"}));
}

TEST(IniFileTest, AFileThatCannotBeWrittenRaisesAndLeavesNothingBehind) {
  testkit::TempFolder dir;
  TMemIniFile file(dir.File("missing-folder/a.ini"));
  file.WriteInteger("S", "K", 1);
  EXPECT_THROW(file.UpdateFile(), EFCreateError);
  // A folder in the file's place reads as empty and is not replaced.
  TMemIniFile folder(dir.Path());
  EXPECT_TRUE(folder.ReadSections().empty());
  EXPECT_THROW(folder.UpdateFile(), EFCreateError);
}

}  // namespace
}  // namespace hd
