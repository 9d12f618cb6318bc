// The files the build puts beside the program.
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "platform/bitmap.h"
#include "platform/files.h"

namespace hd {
namespace {

const std::string kProgram = HD_PROGRAM_DIR;

TEST(ProgramFiles, EnglishLanguageFileGivesBackEveryBuiltInText) {
  TAppState builtIn;
  builtIn.Load_Default_Texts();

  // Every number starts from a text the file must replace, so a line missing from the file,
  // or one the reader cuts differently (blanks at the ends, the single blank), shows.
  TAppState fromFile;
  fromFile.Load_Default_Texts();
  for (int n = 0; n < fromFile.Lang_Table.Count(); ++n) fromFile.Lang_Table.SetStrings(n, "unset");
  fromFile.Load_Lng_File(JoinPath(kProgram, "LANGUAGE/English.lng"));

  ASSERT_EQ(fromFile.Lang_Table.Count(), 2500);
  int differing = 0;
  for (int n = 0; n < 2500; ++n) {
    if (fromFile.Lang_Table[n] == builtIn.Lang_Table[n]) continue;
    if (++differing <= 5)
      ADD_FAILURE() << "text " << n << ": \"" << fromFile.Lang_Table[n] << "\" instead of \""
                    << builtIn.Lang_Table[n] << "\"";
  }
  EXPECT_EQ(differing, 0);
}

TEST(ProgramFiles, FlagPicturesAndMasterFolderLieBesideTheProgram) {
  for (const char* name : {"English.bmp", "DefaultFlag.bmp"}) {
    SCOPED_TRACE(name);
    TBitmap flag;
    flag.LoadFromFile(JoinPath(kProgram, std::string("LANGUAGE/") + name));
    EXPECT_EQ(flag.Width(), 42);
    EXPECT_EQ(flag.Height(), 28);
  }
  EXPECT_TRUE(DirectoryExists(JoinPath(kProgram, "MASTER")));
}

}  // namespace
}  // namespace hd
