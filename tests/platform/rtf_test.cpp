// Rich text read into runs and written back: each control word of the subset, groups and
// their nesting, escapes, skipped destinations, and round trips through the writer.
#include <gtest/gtest.h>

#include "platform/rtf.h"

namespace hd {
namespace {

TRichFormat Styled(std::initializer_list<TFontStyle> styles) {
  TRichFormat f;
  for (TFontStyle s : styles) f.Style.Include(s);
  return f;
}

TRichFormat WithOffset(int twips) {
  TRichFormat f;
  f.Offset = twips;
  return f;
}

TRichFormat WithColor(TColor c) {
  TRichFormat f;
  f.Color = c;
  return f;
}

TRichFormat WithFont(const std::string& name, int size) {
  TRichFormat f;
  f.FontName = name;
  f.Size = size;
  return f;
}

struct ReadCase {
  const char* name;
  std::string rtf;
  std::vector<TRichRun> runs;
};

TEST(RtfTest, ReaderTurnsEachControlWordIntoRuns) {
  const std::string head = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}{\\f1\\fswiss Arial;}}"
                           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
  const std::vector<ReadCase> cases = {
      {"bold on and off", head + "a\\b b\\b0 c}", {{"a", {}}, {"b", Styled({fsBold})}, {"c", {}}}},
      {"italic", head + "\\i x}", {{"x", Styled({fsItalic})}}},
      {"underline and ulnone", head + "\\ul u\\ulnone n}", {{"u", Styled({fsUnderline})}, {"n", {}}}},
      {"strike", head + "\\strike s\\strike0 t}", {{"s", Styled({fsStrikeOut})}, {"t", {}}}},
      {"font and size", head + "\\f1\\fs24 big}", {{"big", WithFont("Arial", 12)}}},
      {"default font is the control's", head + "\\f1 a\\f0 b}", {{"a", WithFont("Arial", 0)}, {"b", {}}}},
      {"colour from the table", head + "\\cf1 red\\cf2 blue\\cf0 auto}",
       {{"red", WithColor(RGB(255, 0, 0))}, {"blue", WithColor(RGB(0, 0, 255))}, {"auto", {}}}},
      {"up and dn in half-points", head + "x\\up4 2\\up0 y\\dn4 3\\nosupersub z}",
       {{"x", {}}, {"2", WithOffset(40)}, {"y", {}}, {"3", WithOffset(-40)}, {"z", {}}}},
      {"par and line break lines", head + "a\\par b\\line c}", {{"a\nb\nc", {}}}},
      {"tab", head + "a\\tab b}", {{"a\tb", {}}}},
      {"plain resets", head + "\\b\\i x\\plain y}", {{"x", Styled({fsBold, fsItalic})}, {"y", {}}}},
      {"groups restore the format", head + "a{\\b b{\\i c}d}e}",
       {{"a", {}}, {"b", Styled({fsBold})}, {"c", Styled({fsBold, fsItalic})}, {"d", Styled({fsBold})}, {"e", {}}}},
      {"escaped braces and backslash", head + "\\{x\\}\\\\}", {{"{x}\\", {}}}},
      {"code page byte", head + "caf\\'e9 \\'80}", {{"caf\xC3\xA9 \xE2\x82\xAC", {}}}},
      {"unicode with fallback", head + "\\u8364?x}", {{"\xE2\x82\xAC" "x", {}}}},
      {"negative unicode", head + "\\u-203?}", {{"\xEF\xBC\xB5", {}}}},
      {"uc2 skips two", head + "\\uc2\\u233 ab!}", {{"\xC3\xA9!", {}}}},
      {"surrogate pair", head + "\\u-10179?\\u-8704?}", {{"\xF0\x9F\x98\x80", {}}}},
      {"starred group skipped", head + "a{\\*\\generator Writer 1.0;}b}", {{"ab", {}}}},
      {"hidden destination skipped", head + "a{\\info{\\title T}}b}", {{"ab", {}}}},
      {"unknown words skipped, text kept", head + "\\viewkind4\\pard\\lang1031\\foo12 text}", {{"text", {}}}},
      {"file line ends are no text", head + "a\r\nb}", {{"ab", {}}}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RtfToRich(c.rtf).Runs, c.runs);
  }
}

TEST(RtfTest, TextThatIsNoRichTextIsReadAsPlainLines) {
  TRichText t = RtfToRich("one\r\ntwo\rthree\nfour {\\b}");
  ASSERT_EQ(t.Runs.size(), 1u);
  EXPECT_EQ(t.Runs[0].Text, "one\ntwo\nthree\nfour {\\b}");
  EXPECT_EQ(t.PlainText(), "one\r\ntwo\r\nthree\r\nfour {\\b}");
}

TEST(RtfTest, WriterKeepsEveryFormatOfTheSubsetThroughARoundTrip) {
  TRichText t;
  t.Append("plain ", {});
  t.Append("bold", Styled({fsBold}));
  t.Append(" all", Styled({fsBold, fsItalic, fsUnderline, fsStrikeOut}));
  t.Append("\n", {});
  t.Append("red", WithColor(RGB(255, 0, 0)));
  t.Append("x", WithOffset(40));
  t.Append("y", WithOffset(-40));
  t.Append("Arial 14", WithFont("Arial", 14));
  t.Append("back to plain\t{braces} \\ back", {});
  t.Append("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", WithColor(RGB(0, 128, 0)));
  const std::string rtf = RichToRtf(t);
  for (unsigned char c : rtf) EXPECT_LT(c, 0x80) << "the written rich text is plain ASCII";
  EXPECT_TRUE(IsRtf(rtf));
  EXPECT_EQ(RtfToRich(rtf), t);
  // Written again, the text reads the same.
  EXPECT_EQ(RichToRtf(RtfToRich(rtf)), rtf);
}

TEST(RtfTest, WriterUsesTheControlWordsOtherReadersKnow) {
  TRichText t;
  t.Append("H", {});
  t.Append("2", WithOffset(-40));
  t.Append("O\nok", Styled({fsBold}));
  const std::string rtf = RichToRtf(t);
  EXPECT_NE(rtf.find("\\dn4 2"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\par"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\b"), std::string::npos) << rtf;
  EXPECT_EQ(t.PlainText(), "H2O\r\nok");
}

TEST(RtfTest, BrokenRichTextNeverReadsPastItsEnd) {
  const char* broken[] = {"{\\rtf1 abc", "{\\rtf1 \\", "{\\rtf1 \\'", "{\\rtf1 \\'4", "{\\rtf1}}}} x",
                          "{\\rtf1 \\u", "{\\rtf1 \\fs-99999999999 x}", "{\\rtf1{\\colortbl;\\red300;}\\cf5 x}"};
  for (const char* b : broken) {
    SCOPED_TRACE(b);
    TRichText t = RtfToRich(b);
    for (const TRichRun& r : t.Runs) EXPECT_GE(r.Format.Size, 0);
  }
  EXPECT_EQ(RtfToRich("{\\rtf1 abc").PlainText(), "abc");
}

}  // namespace
}  // namespace hd
