// Edit masks without a widget: parsing, typing, deleting, pasting, Text and validation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/edit_mask.h"
#include "platform/sysutils.h"
#include "platform/format_settings_override.h"

namespace hd {
namespace {

std::string U8(const std::u32string& s) { return CodePointsToUtf8(s); }

// Keys in braces ({BS}, {DEL}, {LEFT}, {RIGHT}, {HOME}, {END}); everything else is typed.
// Answers how many typed characters were refused.
int Play(TMaskedText& m, const std::string& keys) {
  int refused = 0;
  std::u32string all = Utf8ToCodePoints(keys);
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i] == U'{') {
      size_t end = all.find(U'}', i);
      std::string key = U8(all.substr(i + 1, end - i - 1));
      if (key == "BS") m.Backspace();
      if (key == "DEL") m.Delete();
      if (key == "LEFT") m.MoveLeft(false);
      if (key == "RIGHT") m.MoveRight(false);
      if (key == "HOME") m.MoveHome(false);
      if (key == "END") m.MoveEnd(false);
      i = end;
      continue;
    }
    if (!m.TypeChar(all[i])) ++refused;
  }
  return refused;
}

struct TypingCase {
  const char* name;
  const char* mask;
  const char* keys;
  const char* editText;
  const char* text;
  int refused;
  int incomplete;  // first required position left empty, -1 for none
  int caret;       // SelStart after the keys
};

TEST(EditMaskTest, TypingFillsPositionsSkipsLiteralsAndRefusesWhatDoesNotFit) {
  const std::vector<TypingCase> cases = {
      {"date, save literals, two fields typed", "!99/99/00;1;_", "1231", "12/31/__", "12/31/  ", 0, 6, 6},
      {"phone, literals not saved", "(999)000-0000;0;_", "5551234567", "(555)123-4567", "5551234567", 0, -1, 13},
      {"letter refused by a digit place", "(999)000-0000;0;_", "55a", "(55_)___-____", "55", 1, 5, 3},
      {"case directives and their end", ">LL<ll;1;_", "abCD", "ABcd", "ABcd", 0, -1, 4},
      {"upper, none, lower", "<L<>L>l", "ABc", "aBC", "aBC", 0, -1, 3},
      {"typed separator starts the next field", "00:00;1;_", "1:3", "1_:3_", "1 :3 ", 0, 1, 4},
      {"own blank character", "LL;0;*", "a", "a*", "a", 0, 1, 1},
      {"backspace blanks the position before", "000;1;_", "123{BS}", "12_", "12 ", 0, 2, 2},
      {"delete blanks the position under the caret", "000;1;_", "123{HOME}{DEL}", "_23", " 23", 0, 0, 0},
      {"arrows skip literals", "00-00;1;_", "12{LEFT}9", "19-__", "19-  ", 0, 3, 3},
      {"escaped mask letters are literals", "\\L\\0-00;0;_", "1", "L0-1_", "1", 0, 4, 4},
      {"escaped field separator stays in the body", "99\\;99;0;_", "1234", "12;34", "1234", 0, -1, 5},
      {"sign places take + - and blank", "#99;1;_", "-5x", "-5_", "-5 ", 1, -1, 2},
      {"any character, a blank too", "CC;1;_", " a", " a", " a", 0, -1, 2},
      {"letters of any script", "LL;1;_", "\xC3\xA9\xD0\x96", "\xC3\xA9\xD0\x96", "\xC3\xA9\xD0\x96", 0, -1, 2},
      {"typing past the end is refused", "00;1;_", "123", "12", "12", 1, -1, 2},
      {"reverse mask drops only leading blanks", "!999;0;_", "5", "5__", "5  ", 0, -1, 1},
  };
  for (const TypingCase& c : cases) {
    SCOPED_TRACE(c.name);
    TEditMask mask(c.mask);
    TMaskedText m(mask);
    EXPECT_EQ(Play(m, c.keys), c.refused);
    EXPECT_EQ(U8(m.EditText()), c.editText);
    EXPECT_EQ(U8(mask.TextOf(m.EditText())), c.text);
    EXPECT_EQ(mask.FirstIncomplete(m.EditText()), c.incomplete);
    EXPECT_EQ(m.SelStart(), c.caret);
  }
}

TEST(EditMaskTest, ParsesSaveAndBlankFieldsOnlyAtTheEnd) {
  struct Case {
    const char* mask;
    int size;
    bool save;
    char32_t blank;
  };
  const std::vector<Case> cases = {
      {"000", 3, true, U'_'},    {"000;0", 3, false, U'_'},  {"000;1;*", 3, true, U'*'},
      {"000;0; ", 3, false, U' '}, {"0;0;0;0", 3, false, U'0'}, {"", 0, true, U'_'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    TEditMask mask(c.mask);
    EXPECT_EQ(mask.Size(), c.size);
    EXPECT_EQ(mask.SaveLiterals(), c.save);
    EXPECT_EQ(mask.Blank(), c.blank);
    EXPECT_EQ(mask.IsMasked(), c.size > 0);
  }
}

TEST(EditMaskTest, SeparatorsComeFromTheLocaleWhenTheMaskIsParsed) {
  FormatSettingsOverride comma(CommaDecimalSettings());
  TEditMask mask("99/99/00;1;_");
  EXPECT_EQ(U8(mask.EmptyEditText()), "__.__.__");
  TMaskedText m(mask);
  Play(m, "1.2");
  EXPECT_EQ(U8(m.EditText()), "1_.2_.__");
}

TEST(EditMaskTest, TextSetByCodeIsPlacedFieldByField) {
  struct Case {
    const char* name;
    const char* mask;
    const char* text;
    const char* editText;
  };
  const std::vector<Case> cases = {
      {"short fields padded before their literal", "99/99/00;1;_", "1/2/99", "1_/2_/99"},
      {"\"!\": a short field's blanks lead", "!99/99/00;1;_", "1/2/99", "_1/_2/99"},
      {"\"!\": a one-digit hour", "!90:00:00;1; ", "9:05:00", " 9:05:00"},
      {"\"!\": a short text fills the last fields", "!99/99/00;1;_", "2/99", "__/_2/99"},
      {"\"!\": text without literals fills from the end", "!99/99/00;1;_", "12345", "_1/23/45"},
      {"text without literals fills the places", "99/99/00;1;_", "123456", "12/34/56"},
      {"too long a field is cut", "99-99;1;_", "123-4", "12-4_"},
      {"literals not saved: characters in order", "(999)000;0;_", "12345", "(123)45_"},
      {"reverse: characters to the end", "!999;0;_", "12", "_12"},
      {"spaces become blanks", "0000;0;_", "1 3", "1_3_"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(U8(TEditMask(c.mask).EditTextOf(Utf8ToCodePoints(c.text))), c.editText);
  }
}

TEST(EditMaskTest, PasteMatchesLiteralsAndStopsAtTheFirstMisfit) {
  TEditMask mask("(999)000-0000;0;_");
  TMaskedText m(mask);
  EXPECT_TRUE(m.Paste(U"(555)123-4567"));
  EXPECT_EQ(U8(m.EditText()), "(555)123-4567");

  m.Clear();
  EXPECT_FALSE(m.Paste(U"55x12"));
  EXPECT_EQ(U8(m.EditText()), "(55_)___-____");
  EXPECT_EQ(m.SelStart(), 3);

  // A paste over a selection blanks it first.
  m.SetEditText(U"(555)123-4567");
  m.SetSelection(5, 3);
  EXPECT_TRUE(m.Paste(U"9"));
  EXPECT_EQ(U8(m.EditText()), "(555)9__-4567");
}

// A 1,000,000-character paste took 29.6 s and building an edit text as long 26.9 s: each
// character or field searched the mask or the text again from its start.
TEST(EditMaskTest, LongPastesAndTextsCostTimeLinearInTheirLength) {
  const int n = 200000;
  // Every "-" of the paste is a literal of the mask that is not the next one, so it is skipped.
  TEditMask mask(std::string(static_cast<size_t>(n), '0') + "x-;0;_");
  TMaskedText m(mask);
  EXPECT_TRUE(m.Paste(std::u32string(static_cast<size_t>(n), U'-') + U"7"));
  EXPECT_EQ(m.EditText()[0], U'7');
  EXPECT_EQ(m.SelStart(), 1);

  // Fields without their literal in the text take one character each.
  std::string fields;
  for (int i = 0; i < n / 2; ++i) fields += "9-";
  TEditMask saved(fields + ";1;_");
  std::string expected;
  for (int i = 0; i < n / 2; ++i) expected += "1-";
  EXPECT_EQ(U8(saved.EditTextOf(std::u32string(static_cast<size_t>(n / 2), U'1'))), expected);
  TEditMask reversed("!" + fields + ";1;_");
  EXPECT_EQ(U8(reversed.EditTextOf(std::u32string(static_cast<size_t>(n / 2), U'1'))), expected);
}

TEST(EditMaskTest, WideSelectionIsBlankedBeforeTyping) {
  TEditMask mask("0000;1;_");
  TMaskedText m(mask);
  m.SetEditText(U"1234");
  m.SetSelection(1, 2);
  EXPECT_TRUE(m.TypeChar(U'9'));
  EXPECT_EQ(U8(m.EditText()), "19_4");
  EXPECT_EQ(m.SelStart(), 2);
  EXPECT_EQ(m.SelLength(), 1) << "the caret rests as a one-character block";
}

TEST(EditMaskTest, ShiftArrowsGrowTheSelectionFromTheBlock) {
  TEditMask mask("0000;1;_");
  TMaskedText m(mask);
  m.SetCursor(1);
  m.MoveRight(true);
  EXPECT_EQ(m.SelStart(), 1);
  EXPECT_EQ(m.SelLength(), 2);
  m.MoveEnd(true);
  EXPECT_EQ(m.SelLength(), 3);
  m.MoveHome(false);
  EXPECT_EQ(m.SelStart(), 0);
  EXPECT_EQ(m.SelLength(), 1);
}

}  // namespace
}  // namespace hd
