#include "grid/foundation/markup_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hd {
namespace {

struct TextCase {
  const char* name;
  std::string in, out;
};

TEST(MarkupText, MarkupToTextDropsTagsAndBreaksLines) {
  for (const TextCase& c : std::vector<TextCase>{
           {"plain", "abc", "abc"},
           {"bold", "<b>12</b>", "12"},
           {"line break in any case", "a<br>b<BR>c<Hr>d", "a\r\nb\r\nc\r\nd"},
           {"stray closing bracket", "1 > 0 <i>x</i>", "1 > 0 x"},
           {"open bracket without a close", "a<b>b<c", "ab<c"},
           {"entities stay", "&amp;", "&amp;"}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MarkupToText(c.in), c.out);
  }
}

TEST(MarkupText, EscapeAndUnescapeRoundTripWithNamedEntities) {
  EXPECT_EQ(EscapeHTML("a&b \"c\" <d> *amp;", false), "a&amp;b &quot;c&quot; &lt;d&gt; &amp;");
  EXPECT_EQ(EscapeHTML("été €", true), "&eacute;t&eacute; &euro;");
  EXPECT_EQ(EscapeHTML("ã", true), "ã");
  std::string text = "Élan à <5> & \"©\"";
  EXPECT_EQ(UnescapeHTML(EscapeHTML(text, true), true), text);
  EXPECT_EQ(UnescapeHTML("&Eacute;&eacute;", true), "Éé");
  EXPECT_EQ(UnescapeHTML("&Eacute;", false), "&Eacute;");
}

TEST(MarkupText, ControlValuesAreReadAndRewrittenByID) {
  std::string markup =
      "Qty <CONTROL TYPE=\"edit\" ID=\"q\" VALUE=\"3 &lt; 4\" WIDTH=\"40\" HEIGHT=\"20\" MAXLEN=\"5\"> end";
  std::string value;
  ASSERT_TRUE(GetControlValue(markup, "q", value));
  EXPECT_EQ(value, "3 < 4");
  EXPECT_FALSE(GetControlValue(markup, "Q", value));

  std::string missing = markup;
  EXPECT_FALSE(SetControlValue(missing, "x", "1"));
  EXPECT_EQ(missing, markup);

  ASSERT_TRUE(SetControlValue(markup, "q", "é"));
  EXPECT_EQ(markup, "Qty <CONTROL ID=\"q\" VALUE=\"&eacute;\" WIDTH=\"40\" TYPE=\"EDIT\" MAXLEN=\"5\"> end");
  TControlTag tag = ParseControlTag("<control type=\"check\" id=\"c1\" prop=\"&copy;\">");
  EXPECT_EQ(tag.Type, "CHECK");
  EXPECT_EQ(tag.ID, "c1");
  EXPECT_EQ(tag.Prop, "©");
  EXPECT_EQ(tag.MaxLen, "");
}

}  // namespace
}  // namespace hd
