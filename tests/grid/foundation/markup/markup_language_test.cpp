#include "grid/foundation/markup/markup_language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hd {
namespace {

TEST(MarkupLanguage, ColoursByNameAndHex) {
  struct Case {
    std::string text;
    TColor color;
  };
  for (const Case& c : std::vector<Case>{{"clRed", 0x0000FF},
                                         {"CLNAVY", 0x800000},
                                         {"clbtnface", clBtnFace},
                                         {"clInfoBk", clInfoBk},
                                         {"clblack", clBlack},
                                         {"clnosuch", clBlack}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ColorFromName(c.text), c.color);
  }
  for (const Case& c : std::vector<Case>{{"#FF8000", RGB(255, 128, 0)},
                                         {"#0000FF", RGB(0, 0, 255)},
                                         {"#ff8000", RGB(255, 128, 0)},
                                         // Short, empty or not hex: missing digits are 0, and
                                         // nothing carries into the next channel.
                                         {"#F", RGB(0xF0, 0, 0)},
                                         {"#", 0},
                                         {"#ZZ10GG", RGB(0, 0x10, 0)},
                                         {"#FFFFFFFFFF", RGB(255, 255, 255)}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HexToColor(c.text), c.color);
  }
}

TEST(MarkupLanguage, PreparationAndRuns) {
  struct Case {
    const char* name;
    std::string in, out;
  };
  for (const Case& c : std::vector<Case>{
           {"ampersand entity in any case", "a&AMP;b", "a&&b"},
           {"entity swept twice", "&amp;amp;", "&&&"},
           {"signs", "&copy;&euro;&quot;", "©€\""},
           {"bracketed hash", "<#1> x", "#1 x"},
           {"CR LF is one break", "a\r\nb\nc", "a<BR>bc"},
           // Inside a tag the quoted values stay as written.
           {"entities in a tag", "<A HREF=\"x?a=1&amp;b=&quot;\">&amp;</A>", "<A HREF=\"x?a=1&amp;b=&quot;\">&&</A>"}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PrepareMarkup(c.in), c.out);
  }
  EXPECT_EQ(DecodeMarkupRun("a&nbsp;b&lt;&gt;&LT;"), "a b<>&LT;");
}

TEST(MarkupLanguage, AttributesAndFontSizes) {
  const std::string tag = "<FONT FACE=\"Arial\" COLOR=clRed BGCOLOR=\"#00FF00\">";
  EXPECT_EQ(MarkupAttribute(tag, tag, "FACE"), "Arial");
  EXPECT_EQ(MarkupAttribute(tag, tag, " COLOR"), "#00FF00") << "an unquoted value reads the next quoted one";
  bool found = true;
  EXPECT_EQ(MarkupAttribute(tag, tag, "SRC", &found), "");
  EXPECT_FALSE(found);
  EXPECT_EQ(MarkupValueAfterLetter("<indent x=\"24\">", 'X'), "24");
  struct Case {
    std::string tag;
    int points;
  };
  for (const Case& c : std::vector<Case>{{"<FONT SIZE=\"3\">", 12},
                                         {"<FONT SIZE=3>", 12},
                                         {"<FONT SIZE=\"5\">", 16},
                                         {"<FONT SIZE=\"18\">", 18},
                                         {"<FONT SIZE=\"0\">", 0},
                                         {"<FONT SIZE=\"\">", 0},
                                         {"<FONT COLOR=\"clRed\">", 0},
                                         {"<FONT SIZE=\"99999999999\">", kMaxMarkupFontSize}}) {
    SCOPED_TRACE(c.tag);
    EXPECT_EQ(MarkupFontSize(c.tag), c.points);
  }
}

}  // namespace
}  // namespace hd
