#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::TempFolder;
using Texts = std::map<int, std::string>;

const char kPilcrow[] = "\xC2\xB6";

std::vector<std::string> BuiltIn() {
  TAppState state;
  state.Load_Default_Texts();
  std::vector<std::string> texts;
  for (int n = 0; n < state.Lang_Table.Count(); ++n) texts.push_back(state.Lang_Table[n]);
  return texts;
}

// The numbers whose text is no longer the built-in one, with their texts.
Texts Changes(const TAppState& state) {
  static const std::vector<std::string> builtIn = BuiltIn();
  EXPECT_EQ(state.Lang_Table.Count(), 2500);
  Texts changed;
  for (int n = 0; n < state.Lang_Table.Count(); ++n)
    if (state.Lang_Table[n] != builtIn[n]) changed[n] = state.Lang_Table[n];
  return changed;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

TEST(LanguageFile, LinesSetTexts) {
  const std::string P = kPilcrow;
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    Texts expected;
  } cases[] = {
      {"with blanks around =", {"STR17 = Aggiorna dispositivo"}, {{17, "Aggiorna dispositivo"}}},
      {"number directly before =", {"STR12=Hello"}, {{12, "Hello"}}},
      {"blank before = only", {"STR12 = x"}, {{12, "x"}}},
      {"blank after STR", {"STR 12 = Hello"}, {{12, "Hello"}}},
      {"two blanks before =", {"STR12  = Hello"}, {{12, "Hello"}}},
      {"line trimmed, tab included", {" \tSTR5 = padded line  \t"}, {{5, "padded line"}}},
      {"plus sign", {"STR+7 = x"}, {{7, "x"}}},
      {"first number", {"STR0 = first"}, {{0, "first"}}},
      {"last number", {"STR2499 = last"}, {{2499, "last"}}},
      {"text after the first =", {"STR5 = a = b"}, {{5, "a = b"}}},
      {"inner blanks kept", {"STR5 = two  blanks"}, {{5, "two  blanks"}}},
      {"non-ASCII text", {"STR5 = Gr\xC3\xBC\xC3\x9F" "e"}, {{5, "Gr\xC3\xBC\xC3\x9F" "e"}}},
      {"non-ASCII at both ends survives trimming", {"STR5 = \xC3\xA8 N\xC2\xB0"}, {{5, "\xC3\xA8 N\xC2\xB0"}}},
      {"lower case prefix", {"str5 = x"}, {}},
      {"mixed case prefix", {"Str5 = x"}, {}},
      {"text before STR", {"xSTR5 = x"}, {}},
      {"no =", {"STR5 x"}, {}},
      {"no number", {"STR = x"}, {}},
      {"not a number", {"STR5a = x"}, {}},
      {"hexadecimal number", {"STR$10 = x"}, {}},
      {"number too large", {"STR2500 = x"}, {}},
      {"number below 0", {"STR-1 = x"}, {}},
      {"number beyond 32 bits", {"STR99999999999 = x"}, {}},
      {"nothing after =", {"STR5 ="}, {}},
      {"only blanks after =", {"STR5 =   "}, {}},
      {"headings and comments", {"[Main window]", "; STR5 = x", "", "// STR6 = y"}, {}},
      {"comment cut and trimmed", {"STR5 = Text  /#/ note"}, {{5, "Text"}}},
      {"comment only", {"STR5 = /#/ note"}, {{5, ""}}},
      {"comment before a pilcrow", {"STR5 = x /#/ y " + P + " z"}, {{5, "x"}}},
      {"lone pilcrow", {"STR5 = " + P}, {{5, ""}}},
      {"two pilcrows only", {"STR5 = " + P + P}, {{5, ""}}},
      {"pilcrow pair keeps blanks", {"STR405 = " + P + "  IP ADDRESS " + P}, {{405, "  IP ADDRESS "}}},
      {"leading pilcrow alone", {"STR5 = " + P + " lead"}, {{5, " lead"}}},
      {"pilcrow inside cuts", {"STR5 = Left" + P + "Right"}, {{5, "Left"}}},
      {"pilcrow pair then comment", {"STR5 = " + P + " kept " + P + " /#/ note"}, {{5, " kept "}}},
      {"later line wins", {"STR5 = one", "STR5 = two"}, {{5, "two"}}},
      {"ignored line keeps earlier text", {"STR5 = one", "STR5 ="}, {{5, "one"}}},
      {"emptied text replaces earlier text", {"STR5 = one", "STR5 = /#/"}, {{5, ""}}},
      {"several numbers", {"STR1 = a", "garbage", "STR2=b", "STR3 = c"}, {{1, "a"}, {2, "b"}, {3, "c"}}},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = folder.Write("Test.lng", Lines(c.lines));
    TAppState state;
    state.Load_Default_Texts();
    state.Load_Lng_File(file);
    EXPECT_EQ(Changes(state), c.expected);
  }
}

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t ch : text) {
    const char hi = static_cast<char>(ch >> 8), lo = static_cast<char>(ch & 0xFF);
    bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return bytes;
}

TEST(LanguageFile, EncodingsDecodeToTheSameTexts) {
  const Texts expected = {{5, " Gr\xC3\xBC\xC3\x9F" "e "}, {6, "N\xC2\xB0 1"}};
  const std::string utf8 = "STR5 = \xC2\xB6 Gr\xC3\xBC\xC3\x9F" "e \xC2\xB6\r\nSTR6 = N\xC2\xB0 1\r\n";
  const std::u16string utf16 = u"STR5 = \u00B6 Gr\u00FC\u00DFe \u00B6\r\nSTR6 = N\u00B0 1\r\n";
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + utf8},
      {"UTF-8 without byte-order mark", utf8},
      {"UTF-16 little-endian", Utf16(utf16, false)},
      {"UTF-16 big-endian", Utf16(utf16, true)},
      // Not valid UTF-8: the pilcrow is byte 0xB6 here.
      {"Windows-1252", "STR5 = \xB6 Gr\xFC\xDF" "e \xB6\r\nSTR6 = N\xB0 1\r\n"},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = folder.Write("Test.lng", c.bytes);
    TAppState state;
    state.Load_Default_Texts();
    state.Load_Lng_File(file);
    EXPECT_EQ(Changes(state), expected);
  }
}

TEST(LanguageFile, LoadLanguageChoosesTheFileOrFallsBackToEnglish) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> files;  // in LANGUAGE
    std::string language;
    std::string expectedLanguage;
    Texts expected;
  } cases[] = {
      {"chosen file",
       {{"Italiano.lng", "STR17 = Aggiorna\r\n"}, {"English.lng", "STR18 = Not this one\r\n"}},
       "Italiano", "Italiano", {{17, "Aggiorna"}}},
      {"missing file, English.lng laid over",
       {{"English.lng", "STR18 = Project not valid\r\n"}},
       "Klingon", "English", {{18, "Project not valid"}}},
      {"missing file and no English.lng", {}, "Klingon", "English", {}},
      {"empty language name", {{"English.lng", "STR18 = x\r\n"}}, "", "English", {{18, "x"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    TAppState state;
    state.Set_Folders(folder.Path());
    for (const auto& [name, bytes] : c.files) folder.Write("LANGUAGE/" + name, bytes);
    state.Current_Language = c.language;
    state.Load_Language();
    EXPECT_EQ(state.Current_Language, c.expectedLanguage);
    EXPECT_EQ(Changes(state), c.expected);
  }
}

// "<language>../../x" in the settings file loaded a language file from outside LANGUAGE.
TEST(LanguageFile, LanguageNameThatLeavesTheFolderIsTakenAsMissing) {
  for (const char* language : {"../x", "../../x", "sub/x", "sub\\x", "..", "."}) {
    SCOPED_TRACE(language);
    TempFolder folder;
    TAppState state;
    state.Set_Folders(folder.Path());
    folder.Write("x.lng", "STR17 = outside\r\n");
    folder.Write("LANGUAGE/sub/x.lng", "STR17 = below\r\n");
    folder.Write("LANGUAGE/sub\\x.lng", "STR17 = backslash\r\n");
    folder.Write("LANGUAGE/...lng", "STR17 = dots\r\n");
    folder.Write("LANGUAGE/..lng", "STR17 = dot\r\n");
    folder.Write("LANGUAGE/English.lng", "STR18 = English file\r\n");
    state.Current_Language = language;
    state.Load_Language();
    EXPECT_EQ(state.Current_Language, "English");
    EXPECT_EQ(Changes(state), (Texts{{18, "English file"}}));
  }
}

// A language file is read whole; a huge one is refused rather than filling the memory.
TEST(LanguageFile, OversizedFileIsRefused) {
  TempFolder folder;
  TAppState state;
  state.Set_Folders(folder.Path());
  state.Load_Default_Texts();
  const std::string path = folder.Write("LANGUAGE/Big.lng", std::string(4 * 1024 * 1024 + 1, ' '));
  EXPECT_THROW(state.Load_Lng_File(path), EFOpenError);
}

TEST(LanguageFile, ChangingLanguageRestoresEnglishForTextsTheNewFileLacks) {
  TempFolder folder;
  TAppState state;
  state.Set_Folders(folder.Path());
  folder.Write("LANGUAGE/Italiano.lng", "STR17 = Aggiorna\r\nSTR18 = Progetto non valido\r\n");
  folder.Write("LANGUAGE/Deutsch.lng", "STR17 = Aktualisieren\r\n");
  state.Current_Language = "Italiano";
  state.Load_Language();
  state.Current_Language = "Deutsch";
  state.Load_Language();
  EXPECT_EQ(Changes(state), (Texts{{17, "Aktualisieren"}}));
  EXPECT_EQ(state.Lang_Table[18], "Error! Project not Valid");
}

}  // namespace
}  // namespace hd
