#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::TempFolder;

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int x : b) s += static_cast<char>(x);
  return s;
}

TEST(TextFile, DecodeDetectsTheEncoding) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
    TTextEncoding encoding;
  } cases[] = {
      {"ASCII", "STR0001 = Open", "STR0001 = Open", TTextEncoding::UTF8},
      {"UTF-8 without a mark", "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC", "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC",
       TTextEncoding::UTF8},
      {"UTF-8 mark is dropped", "\xEF\xBB\xBF" "a\xC2\xB6", "a\xC2\xB6", TTextEncoding::UTF8BOM},
      {"UTF-16 LE with a surrogate pair", Bytes({0xFF, 0xFE, 'a', 0, 0xB6, 0, 0x3D, 0xD8, 0x00, 0xDE}),
       "a\xC2\xB6\xF0\x9F\x98\x80", TTextEncoding::UTF16LE},
      {"UTF-16 BE", Bytes({0xFE, 0xFF, 0, 'a', 0x20, 0xAC}), "a\xE2\x82\xAC", TTextEncoding::UTF16BE},
      {"UTF-16 lone surrogate and odd byte", Bytes({0xFF, 0xFE, 0x00, 0xD8, 'b', 0, 'c'}),
       "\xEF\xBF\xBD" "b\xEF\xBF\xBD", TTextEncoding::UTF16LE},
      {"Windows-1252 pilcrow", "STR0010 = \xB6Text\xB6 rest", "STR0010 = \xC2\xB6Text\xC2\xB6 rest",
       TTextEncoding::Windows1252},
      {"Windows-1252 0x80-0x9F", "\x80\x85\x93\x94\x9F\x81", "\xE2\x82\xAC\xE2\x80\xA6\xE2\x80\x9C\xE2\x80\x9D\xC5\xB8\xC2\x81",
       TTextEncoding::Windows1252},
      {"invalid continuation falls back", "\xC3\x28", "\xC3\x83(", TTextEncoding::Windows1252},
      {"overlong form is no UTF-8", "\xC0\xAF", "\xC3\x80\xC2\xAF", TTextEncoding::Windows1252},
      {"sequence cut by the end", "ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A", TTextEncoding::Windows1252},
      {"encoded surrogate is no UTF-8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC", TTextEncoding::Windows1252},
      {"empty", "", "", TTextEncoding::UTF8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTextEncoding detected{};
    EXPECT_EQ(DecodeText(c.bytes, &detected), c.text);
    EXPECT_EQ(detected, c.encoding);
  }
}

TEST(TextFile, EncodeRoundTripsThroughDecode) {
  const std::string text = "Caf\xC3\xA9 \xC2\xB6 \xE2\x82\xAC\r\nline";
  for (TTextEncoding enc : {TTextEncoding::UTF8, TTextEncoding::UTF8BOM, TTextEncoding::UTF16LE,
                            TTextEncoding::UTF16BE, TTextEncoding::Windows1252}) {
    SCOPED_TRACE(static_cast<int>(enc));
    TTextEncoding detected{};
    EXPECT_EQ(DecodeText(EncodeText(text, enc), &detected), text);
    EXPECT_EQ(detected, enc);
  }
  EXPECT_EQ(EncodeText("\xC2\xB6\xE2\x82\xAC", TTextEncoding::Windows1252), "\xB6\x80");
  // Characters the code page lacks, and broken input, become '?'.
  EXPECT_EQ(Utf8ToWindows1252("a\xE4\xB8\xAD" "b\xFF" "c"), "a?b?c");
}

TEST(TextFile, SplitLinesAtEveryLineEnd) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"mixed line ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"final line end adds no line", "a\r\n", {"a"}},
      {"empty lines kept", "a\n\n\r\n\rb", {"a", "", "", "", "b"}},
      {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
      {"empty text", "", {}},
      {"only a line end", "\r\n", {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitLines(c.text), c.lines);
  }
}

TEST(TextFile, WriteLinesThenReadThemBack) {
  TempFolder tmp;
  std::string path = tmp.File("Deutsch.lng");
  WriteTextLines(path, {"STR0001 = \xC2\xB6" "Datei", "", "x"}, "\r\n", TTextEncoding::Windows1252);
  EXPECT_EQ(ReadFileBytes(path), "STR0001 = \xB6" "Datei\r\n\r\nx\r\n");
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"STR0001 = \xC2\xB6" "Datei", "", "x"}));

  WriteTextLines(path, {"a", "b"}, "\n");
  EXPECT_EQ(ReadFileBytes(path), "a\nb\n");
  EXPECT_THROW(ReadTextLines(tmp.File("missing.lng")), EFOpenError);
}

TEST(TextFile, OemCodePageRoundTripsWhatItCanHold) {
  // "Perché 1½ €": the euro sign has no place in the OEM code page.
  const std::string text = "Perch\xC3\xA9 1\xC2\xBD \xE2\x82\xAC";
  const std::string oem = Utf8ToOem(text);
  EXPECT_EQ(oem, "Perch\x82 1\xAB ?");
  EXPECT_EQ(OemToUtf8(oem), "Perch\xC3\xA9 1\xC2\xBD ?");
  // Box drawing and the last position of the table.
  EXPECT_EQ(OemToUtf8("\xC9\xFF"), "\xE2\x95\x94\xC2\xA0");
  EXPECT_EQ(Utf8ToOem("\xE2\x95\x94\xC2\xA0"), "\xC9\xFF");
  // Malformed UTF-8 becomes one '?' per byte it skips, never a lost character after it.
  EXPECT_EQ(Utf8ToOem("a\xFFz"), "a?z");
}

}  // namespace
}  // namespace hd
