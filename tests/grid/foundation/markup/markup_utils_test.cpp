#include "grid/foundation/markup/markup_utils.h"

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
  EXPECT_EQ(EscapeHTML("a&b \"c\" <d>", false), "a&amp;b &quot;c&quot; &lt;d&gt;");
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
  EXPECT_EQ(markup,
            "Qty <CONTROL ID=\"q\" VALUE=\"&eacute;\" WIDTH=\"40\" TYPE=\"EDIT\" MAXLEN=\"5\" HEIGHT=\"20\"> end");
  TControlTag tag = ParseControlTag("<control type=\"check\" id=\"c1\" prop=\"&copy;\">");
  EXPECT_EQ(tag.Type, "CHECK");
  EXPECT_EQ(tag.ID, "c1");
  EXPECT_EQ(tag.Prop, "©");
  EXPECT_EQ(tag.MaxLen, "");
}

// Each pass of an escape or unescape touches a character once, so escaped entities and
// literal look-alikes survive any number of rewrites.
TEST(MarkupText, EscapesWorkInOnePass) {
  for (const TextCase& c : std::vector<TextCase>{
           {"literal star-amp", "*amp;", "*amp;"},
           {"escaped quote entity", "&amp;quot;", "&amp;amp;quot;"},
           {"named after plain", "é&", "&eacute;&amp;"}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EscapeHTML(c.in, true), c.out);
    EXPECT_EQ(UnescapeHTML(c.out, true), c.in);
  }
  EXPECT_EQ(UnescapeHTML("&amp;quot; &amp;lt;", false), "&quot; &lt;");

  std::string markup = "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"40\">";
  const std::string value = "say \"&amp;\" *amp; <é>";
  for (int round = 0; round < 3; ++round) {
    std::string read;
    ASSERT_TRUE(SetControlValue(markup, "e", value));
    ASSERT_TRUE(GetControlValue(markup, "e", read));
    EXPECT_EQ(read, value) << "round " << round;
  }
}

TEST(MarkupText, HighlightWrapsVisibleMatchesAndUnwraps) {
  struct Case {
    const char* name;
    std::string markup, search, wrapped;
    bool caseSensitive;
  };
  for (const Case& c : std::vector<Case>{
           {"in plain text", "a cat", "cat", "a <hi>cat</hi>", true},
           {"across a tag", "<b>ca</b>t!", "cat", "<hi><b>ca</b>t</hi>!", true},
           {"any case", "CAT cat", "cat", "<hi>CAT</hi> <hi>cat</hi>", false},
           {"back to back: the first only", "abab", "ab", "<hi>ab</hi>ab", true},
           {"no match", "<i>dog</i>", "cat", "<i>dog</i>", true},
           {"brackets in the visible text", "1 > 0 <b>x</b>", "0", "1 &gt; <hi>0</hi> &lt;b&gt;x&lt;/b&gt;", true}}) {
    SCOPED_TRACE(c.name);
    std::string result;
    HighlightMarkup(c.markup, c.search, "hi", result, c.caseSensitive);
    EXPECT_EQ(result, c.wrapped);
  }
  EXPECT_EQ(UnHighlightMarkup("a <HI>b</hi> &lt;c&gt;", "hi"), "a b <c>");
  EXPECT_EQ(VisibleText("a<b>b</b>c"), "abc");
  EXPECT_EQ(MarkupPosOfVisible("<b>ab</b>", 2), 5);
  EXPECT_EQ(MarkupPosOfVisible("ab", 3), 3);
  EXPECT_EQ(MarkupPosOfVisible("ab", 4), 0);
  EXPECT_EQ(FindVisible("b", "abab", 2, true), 4);
}

TEST(MarkupText, ControlTagQueries) {
  const std::string markup =
      "<control type=\"button\" id=\"b\" width=\"20\">"
      "<control type=\"edit\" id=\"e1\" width=\"20\" maxlen=\"8\" prop=\"&copy;\">"
      "<control type=\"radio\" id=\"r\" value=\"TRUE\" width=\"16\">"
      "<control type=\"combo\" id=\"c\" width=\"30\">";
  EXPECT_TRUE(HasControlTag("x<Control id=\"a\">"));
  EXPECT_FALSE(HasControlTag("<b>x</b>"));
  EXPECT_EQ(NextEditControlID(markup, ""), "e1");
  EXPECT_EQ(NextEditControlID(markup, "e1"), "c");
  EXPECT_EQ(NextEditControlID(markup, "c"), "");
  EXPECT_EQ(GetControlMaxLen(markup, "e1"), 8);
  EXPECT_EQ(GetControlMaxLen(markup, "c"), 0);
  EXPECT_EQ(GetControlProp(markup, "e1"), "©");
  std::string value;
  ASSERT_TRUE(GetControlValue(ClearRadioControls(markup), "r", value));
  EXPECT_EQ(value, "FALSE");
  EXPECT_EQ(MaskText("pä$"), "***");
  EXPECT_EQ(SpacesToNbsp("a b"), "a&nbsp;b");
}

}  // namespace
}  // namespace hd
