#include "grid/foundation/text_utils.h"

#include <gtest/gtest.h>

#include "platform/format_settings_override.h"

namespace hd {
namespace {

using namespace std::string_literals;

TEST(TextKind, ClassifiesByPrefixAndMarkup) {
  struct Case {
    const char* name;
    std::string text;
    bool markup;
    int kind;
  } cases[] = {
      {"empty", "", true, ttPlain},
      {"plain", "abc", true, ttPlain},
      {"formula", "=A1", false, ttFormula},
      {"rich text", "{\\rtf1 x}", false, ttRichText},
      {"markup on", "<b>x</b>", true, ttMarkup},
      {"markup off", "<b>x</b>", false, ttPlain},
      {"markup tags are case-sensitive", "<b>x<i>", true, ttPlain},
      {"upper-case tag", "<B>x", true, ttMarkup},
      {"packed wide", EncodePackedUnicode(u"A"), false, ttPackedWide},
      {"packed = alone", EncodePackedUnicode(u"="), false, ttPackedWide},
      {"packed formula", EncodePackedUnicode(u"=1"), false, ttFormula},
      {"packed = then high unit", EncodePackedUnicode(u"=\u0101"), false, ttPackedWide},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GetTextKind(c.text, c.markup), c.kind);
  }
}

TEST(PackedUnicode, RoundTripsAndKeepsNulInside) {
  EXPECT_EQ(EncodePackedUnicode(u"A"), "|\\\0A"s);
  // 0x20AC packs as the characters 0x20 and 0xAC; 0xAC is U+00AC in the UTF-8 text.
  EXPECT_EQ(EncodePackedUnicode(u"\u20AC"), "|\\ \xC2\xAC");
  const WideString samples[] = {u"", u"A", u"Grüße €", u"\U0001F600 x", WideString(3, u'\0')};
  for (const WideString& w : samples) EXPECT_EQ(DecodePackedUnicode(EncodePackedUnicode(w)), w);
  // An odd last character is dropped; other texts come back as they are.
  EXPECT_EQ(DecodePackedUnicode("|\\\0AB"s), u"A");
  EXPECT_EQ(DecodePackedUnicode("caf\xC3\xA9"), u"café");
}

TEST(LineBreaks, PackingRoundTripsAndKeepsTheStoredForms) {
  const std::string multi = "a\r\nb\0c\r\nd"s;
  const std::string packed = PackLineBreaks(multi);
  EXPECT_EQ(packed, "a\x09\x08" "b\x01" "c\x09\x08" "d");
  EXPECT_EQ(UnpackLineBreaks(packed, true), multi);
  EXPECT_EQ(UnpackLineBreaks(packed, false), "a");
  // Only a text with a CR is packed; only a text with an 8 is unpacked.
  EXPECT_EQ(PackLineBreaks("a\nb"), "a\nb");
  EXPECT_EQ(UnpackLineBreaks(PackLineBreaks("a\rb"), true), "a\x09" "b");
  EXPECT_EQ(UnpackLineBreaks("x\ty", true), "x\ty");
}

TEST(LineBreaks, OneLineFormsBothWays) {
  struct Case {
    const char* name;
    std::string (*fold)(const std::string&);
    std::string (*unfold)(const std::string&);
    std::string text, folded, unfolded;
  } cases[] = {
      {"escape", EscapeLineBreaks, UnescapeLineBreaks, "a\r\nb", "a\\nb", "a\rb"},
      {"CSV field", QuoteMultiLineField, VTToLineBreaks, "a\r\nb", "\"a\vb\"", "\"a\r\nb\""},
      {"tilde", LineBreaksToTilde, TildeToLineBreaks, "a\r\nb", "a~b", "a\r\nb"},
      {"tilde of one line", LineBreaksToTilde, TildeToLineBreaks, "x", "x", "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.fold(c.text), c.folded);
    EXPECT_EQ(c.unfold(c.folded), c.unfolded);
  }
  EXPECT_EQ(TildeToLineBreaks("^"), "");
  EXPECT_EQ(LineBreaksToBR("a\r\nb"), "a<br>\nb");
  EXPECT_EQ(CRLFToLF("a\r\nb\rc"), "a\nb\rc");
  EXPECT_EQ(StripCR("a\r\nb\rc"), "a\nbc");
  EXPECT_EQ(CRToLF("a\r\nb"), "a\n\nb");
  EXPECT_EQ(CountLines("a\rb\rc", true), 3);
  EXPECT_EQ(CountLines("a\rb\rc", false), 1);
}

TEST(LineBreaks, CutFirstLineSkipsTheLineFeed) {
  std::string s = "one\r\ntwo\r\nthree", line;
  CutFirstLine(s, true, line);
  EXPECT_EQ(line, "one");
  EXPECT_EQ(s, "two\r\nthree");
  CutFirstLine(s, false, line);
  EXPECT_EQ(line, "two");
  EXPECT_EQ(s, "");
  s = "single";
  CutFirstLine(s, true, line);
  EXPECT_EQ(line, "single");
  EXPECT_EQ(s, "");
}

TEST(ClipboardHTML, WrapsTheFragmentWithExactOffsets) {
  std::string doc = "<b>hi</b>!";  // 10 characters
  MakeClipboardHTML(doc);
  const std::string expected =
      "Version:1.0\r\n"
      "StartHTML:00000097\r\n"
      "EndHTML:00000316\r\n"
      "StartFragment:00000274\r\n"
      "EndFragment:00000284\r\n"
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
      "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head><body>"
      "<!--StartFragment-->"
      "<b>hi</b>!"
      "<!--EndFragment--></body></html>";
  EXPECT_EQ(doc, expected);
  // The offsets point where they say.
  EXPECT_EQ(doc.substr(97, 9), "<!DOCTYPE");
  EXPECT_EQ(doc.substr(274, 10), "<b>hi</b>!");
  EXPECT_EQ(doc.size(), 316u);
}

TEST(Numbers, ClassifyWithPointDecimals) {
  FormatSettingsOverride fs{InvariantFormatSettings()};
  struct Case {
    const char* text;
    int kind;
  } cases[] = {
      {"-12", ncInteger},        {"007", ncInteger},       {"1.5", ncDecimal},
      {"-1,234.5", ncDecimal},   {"1,234,567", ncDecimal}, {"1,23,4", ncNotANumber},
      {"1e-5", ncExponent},      {"-1e-5", ncExponent},    {"1.5E+3", ncExponent},
      {"1-2", ncNotANumber},     {"e5", ncNotANumber},     {"1.2.3", ncNotANumber},
      {"1e", ncNotANumber},      {"1e5e5", ncNotANumber},  {"1,000e3", ncNotANumber},
      {"", ncNotANumber},        {"-", ncNotANumber},      {"--1", ncNotANumber},
      {"12a", ncNotANumber},     {"\xD9\xA3", ncInteger},  // an Arabic-Indic digit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ClassifyNumber(c.text), c.kind);
  }
}

TEST(Numbers, FinancialAmountsWithCommaDecimals) {
  FormatSettingsOverride fs{CommaDecimalSettings()};
  EXPECT_EQ(ClassifyNumber("1.234,5"), ncDecimal);
  EXPECT_EQ(ClassifyNumber("1,2,3"), ncNotANumber);
  struct Case {
    const char* text;
    const char* number;
  } cases[] = {
      {"(1.234,50 \xE2\x82\xAC)", "-1234.50"},
      {"\xE2\x82\xAC -12,5", "-12.5"},
      {"  USD 7  ", "7"},
      {"1.000.000", "1000000"},
      {"x", ""},  // too short to drop anything, and not an amount character
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FinancialToNumberText(c.text), c.number);
  }
}

TEST(Words, MixedCaseCapitalisesWordsNamesAndNumerals) {
  struct Case {
    const char* text;
    const char* mixed;
  } cases[] = {
      {"mcdonald and henry iii", "McDonald And Henry III"},
      {"HELLO WORLD", "Hello World"},
      {"o'neil-smith jr.", "O'Neil-Smith Jr."},
      {"old mcintosh and mcx", "Old McIntosh And Mcx"},  // only the first " Mc" counts
      {"louis ii", "Louis II"},
      {"ivan iv", "Ivan IV"},  // a letter after " I" at the end counts as a numeral too
      {"\xC3\xA9t\xC3\xA9 \xC3\x89T\xC3\x89", "\xC3\x89t\xC3\xA9 \xC3\x89t\xC3\xA9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MixedCaseText(c.text), c.mixed);
  }
}

TEST(Words, MixedCaseOfALongTextIsLinear) {
  // Each " Mc" used to send a search over the whole text at every character.
  std::string text;
  for (int i = 0; i < 25000; ++i) text += " mcx";
  text += " ii";
  const std::string mixed = MixedCaseText(text);
  ASSERT_EQ(mixed.size(), text.size());
  EXPECT_EQ(mixed.substr(0, 12), " McX Mcx Mcx");
  EXPECT_EQ(mixed.substr(mixed.size() - 7), " Mcx II");
}

TEST(ClipboardHTML, OffsetsWidenPastEightDigits) {
  // Just over 99,999,999 bytes with the header: eight digits no longer hold the end offsets.
  std::string doc(99999999 - 300, 'x');
  doc.front() = '<';
  doc.back() = '>';
  const size_t n = doc.size();
  MakeClipboardHTML(doc);
  auto offset = [&](const std::string& name) {
    const size_t at = doc.find(name + ":");
    EXPECT_NE(at, std::string::npos) << name;
    const size_t from = at + name.size() + 1, end = doc.find("\r\n", from);
    EXPECT_EQ(end - from, 9u) << name << ": every field takes the same width";
    return std::stoull(doc.substr(from, end - from));
  };
  const size_t startHtml = offset("StartHTML"), endHtml = offset("EndHTML");
  const size_t startFragment = offset("StartFragment"), endFragment = offset("EndFragment");
  EXPECT_EQ(doc.compare(startHtml, 9, "<!DOCTYPE"), 0);
  EXPECT_EQ(endFragment - startFragment, n);
  EXPECT_EQ(doc[startFragment], '<');
  EXPECT_EQ(doc[endFragment - 1], '>');
  EXPECT_EQ(doc.compare(endFragment, 17, "<!--EndFragment--"), 0);
  EXPECT_EQ(endHtml, doc.size());
  EXPECT_GT(endHtml, 99999999u);
}

TEST(Quotes, DoubledCharactersAndTheFirstUndoubledOne) {
  EXPECT_EQ(DoubleQuoteChars("a\"b\""), "a\"\"b\"\"");
  EXPECT_EQ(UndoubleChar('"', "a\"\"b\"\"\"c"), "a\"b\"\"c");
  EXPECT_EQ(UndoubleChar('"', "plain"), "plain");
  struct Case {
    const char* text;
    int pos;
  } cases[] = {
      {"abc\",x", 4},     {"a\"\"b\",", 5},  {"a\"\"\"b", 4}, {"ab\"", 3},
      {"a\"\"", 3},       {"abc", 0},        {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    int pos = -1;
    EXPECT_EQ(FindUndoubledChar('"', c.text, pos), c.pos);
    EXPECT_EQ(pos, c.pos);
  }
  EXPECT_EQ(CountUndoubledChar('"', "\"a\"\"b\",\"c\""), 4);
  EXPECT_EQ(CountUndoubledChar('"', "no quotes"), 0);
}

TEST(References, ParseRowColumnReferences) {
  TPoint cell{-1, -1};
  EXPECT_TRUE(ParseRCReference("r12c3", cell));
  EXPECT_EQ(cell, Point(3, 12));
  EXPECT_TRUE(ParseRCReference("R1C10", cell));
  EXPECT_EQ(cell, Point(10, 1));
  for (const char* bad : {"R1C", "RC", "C1R1", "R1X2", "RyC2", "R1C2y", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseRCReference(bad, cell));
  }
}

TEST(URLs, AnchorTheFirstURLAndStripProtocols) {
  std::string out;
  EXPECT_FALSE(HyperlinkText("no link here", "HTTP://", out));
  ASSERT_TRUE(HyperlinkText("see <http://a.com/x_(1)> now", "HTTP://", out));
  EXPECT_EQ(out, "see &lt;<a href=\"http://a.com/x_(1)\">http://a.com/x_(1)</a>&gt; now");
  ASSERT_TRUE(HyperlinkText("Mail: joe@x.org!", "JOE@", out));
  EXPECT_EQ(out, "Mail: <a href=\"joe@x.org\">joe@x.org</a>!");

  EXPECT_TRUE(HasURLProtocol("ftp://host"));
  EXPECT_TRUE(HasURLProtocol("mailto:a@b"));
  EXPECT_FALSE(HasURLProtocol("www.host.com"));
  std::string s = "https://host/a://b";
  StripURLProtocol(s);
  EXPECT_EQ(s, "host/a://b");
  s = "mailto:a@b";
  StripURLProtocol(s);
  EXPECT_EQ(s, "a@b");
}

TEST(SmallRoutines, SearchesTokensAndRanges) {
  int pos = -1;
  EXPECT_EQ(FindPos("b", "abcb", pos), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(UpperPos("BC", "abc"), 2);
  EXPECT_EQ(CharPos('c', "abc"), 3);
  EXPECT_EQ(FindCharPos('z', "abc", pos), 0);
  EXPECT_EQ(pos, 0);
  EXPECT_EQ(WidePos(u"€", u"a€b"), 2);
  EXPECT_EQ(CharCount(',', "a,b,,c"), 3);

  std::string s = "one;two";
  EXPECT_EQ(CutToken(s, ";"), "one");
  EXPECT_EQ(s, "two");
  EXPECT_EQ(CutToken(s, ";"), "");
  EXPECT_EQ(s, "two");

  TStringList list;
  list.Add("a");
  list.Add("bc");
  EXPECT_EQ(ConcatStrings(list), "abc");
  std::string pw = "p\xC3\xA4ss";
  FillWithChar(pw, '*');
  EXPECT_EQ(pw, "****");

  EXPECT_TRUE(GridRectContains(Rect(1, 2, 3, 4), 3, 4));
  EXPECT_FALSE(GridRectContains(Rect(1, 2, 3, 4), 0, 3));
  EXPECT_EQ(MaxOf(3, 7), 7);
  EXPECT_EQ(MinOf(3, 7), 3);
  struct Case {
    int value, min, max, result;
  } cases[] = {{5, 10, 0, 10}, {50, 0, 20, 20}, {7, 3, 3, 7}, {-5, 0, 20, -5}, {15, 10, 20, 15}, {1, 10, 20, 10}};
  for (const Case& c : cases) EXPECT_EQ(LimitToRange(c.value, c.min, c.max), c.result);
}

TEST(SmallRoutines, OEMTextRoundTrip) {
  std::string s = "Citt\xC3\xA0";
  ToOEMText(s);
  EXPECT_EQ(s, "Citt\x85");
  FromOEMText(s);
  EXPECT_EQ(s, "Citt\xC3\xA0");
}

}  // namespace
}  // namespace hd
