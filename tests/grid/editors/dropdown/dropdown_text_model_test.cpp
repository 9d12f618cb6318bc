// The typing rules and value formats of the drop-down edit on an in-memory edit: what each edit
// type makes of a typed character or key, with the caret, the modified state and the change
// events it leaves; SetText's formats; pastes the types refuse; the text routines.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "grid/editors/dropdown/dropdown_text_model.h"
#include "grid/editors/dropdown/memory_edit.h"
#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

struct Settings {
  Settings(TDropDownEditType t = etString, std::string p = "", std::string s = "", int prec = 0, bool sgn = false,
           int limit = 0)
      : type(t), prefix(std::move(p)), suffix(std::move(s)), precision(prec), isSigned(sgn), lengthLimit(limit) {}
  TDropDownEditType type;
  std::string prefix, suffix;
  int precision;
  bool isSigned;
  int lengthLimit;
};

class TextModelTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSeparators('.', ','); }
  void TearDown() override { SetFormatSettingsProvider({}); }
  static void UseSeparators(char decimal, char thousand) {
    SetFormatSettingsProvider([=] {
      TFormatSettings fs = InvariantFormatSettings();
      fs.DecimalSeparator = decimal;
      fs.ThousandSeparator = thousand;
      return fs;
    });
  }
  // Settings applied to a fresh edit showing `shown` with the selection [start, start+len).
  void Prepare(const Settings& s, const std::string& shown, int start, int len) {
    edit = test::TMemoryEdit();
    model = std::make_unique<TDropDownTextModel>(edit);
    edit.model = model.get();
    model->SetPrefix(s.prefix);
    model->SetSuffix(s.suffix);
    model->SetLengthLimit(s.lengthLimit);
    model->SetSigned(s.isSigned);
    edit.text = Utf8ToCodePoints(shown);
    model->SetEditType(s.type);
    model->SetPrecision(s.precision);
    edit.text = Utf8ToCodePoints(shown);
    edit.SetSel(start, len);
    edit.modified = false;
    model->SetModified(false);
    edit.changes = 0;
    model->SetBlockChange(false);
  }
  test::TMemoryEdit edit;
  std::unique_ptr<TDropDownTextModel> model;
};

struct CharCase {
  const char* name;
  Settings settings;
  const char* shown;
  int start, length;
  char32_t key;
  const char* expectShown;
  int expectCaret;
  bool expectModified;
  int expectChanges;
};

TEST_F(TextModelTest, TypedCharactersFollowTheEditType) {
  const Settings flt{etFloat, "", "", 2}, money{etMoney, "", "", 2}, num{etNumeric}, snum{etNumeric, "", "", 0, true};
  const Settings dollars{etString, "$", ""}, limited{etFloat, "", "", 2, false, 3};
  const std::vector<CharCase> cases = {
      {"float, a second separator moves the caret after the first", flt, "12.3", 1, 0, '.', "12.3", 3, false, 0},
      {"float, full fraction drops a digit at the end", flt, "12.34", 5, 0, '5', "12.34", 5, false, 0},
      {"float, full fraction overwrites before the last digit", flt, "12.34", 4, 0, '9', "12.39", 5, true, 1},
      {"float, separator into an empty value gives 0.", flt, "", 0, 0, '.', "0.", 2, true, 1},
      {"float, a letter is dropped", flt, "12", 2, 0, 'a', "12", 2, false, 0},
      {"float, length limit drops a fourth integer digit", limited, "123", 3, 0, '4', "123", 3, false, 0},
      {"float, length limit still takes the separator", limited, "123", 3, 0, '.', "123.", 4, true, 1},
      {"money groups thousands while typing", money, "123,456", 7, 0, '7', "1,234,567", 9, true, 2},
      {"money drops a separator right after 1,23", money, "1,23", 4, 0, '.', "1,23", 4, false, 0},
      {"numeric without Signed drops a minus", num, "12", 2, 0, '-', "12", 2, false, 0},
      {"numeric with Signed puts a minus in front", snum, "12", 1, 0, '-', "-12", 2, true, 1},
      {"numeric with Signed takes the minus away", snum, "-12", 2, 0, '-', "12", 1, true, 1},
      {"numeric drops a letter", num, "12", 2, 0, 'x', "12", 2, false, 0},
      {"prefix, Backspace right after it is dropped", dollars, "$12", 1, 0, 8, "$12", 1, false, 0},
      {"prefix, Backspace deletes the first value character", dollars, "$12", 2, 0, 8, "$2", 1, true, 1},
      {"range takes a separator after a digit", {etRange}, "1-5", 3, 0, ',', "1-5,", 4, true, 1},
      {"range drops a separator after a separator", {etRange}, "1-5,", 4, 0, ';', "1-5,", 4, true, 0},
      {"range drops a separator at the start", {etRange}, "15", 0, 0, '-', "15", 0, true, 0},
      {"hex keeps typed case", {etHex}, "f", 1, 0, 'f', "ff", 2, true, 1},
      {"hex drops g", {etHex}, "f", 1, 0, 'g', "f", 1, false, 0},
      {"upper case maps the character", {etUppercase}, "A", 1, 0, 'b', "AB", 2, true, 1},
      {"mixed case capitalises the new word", {etMixedCase}, "hello ", 6, 0, 'w', "Hello W", 7, true, 2},
      {"alphanumeric drops punctuation", {etAlphaNumeric}, "a1", 2, 0, '!', "a1", 2, false, 0},
      {"a character over the whole value fires no change", {etString}, "abc", 0, 3, 'x', "x", 1, true, 0},
      {"Backspace over the whole value fires one change", {etString}, "abc", 0, 3, 8, "", 0, true, 1},
  };
  for (const CharCase& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare(c.settings, c.shown, c.start, c.length);
    model->KeyChar(c.key, false);
    EXPECT_EQ(edit.EditText(), c.expectShown);
    EXPECT_EQ(edit.SelStart(), c.expectCaret);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_EQ(model->IsModified(), c.expectModified);
    EXPECT_EQ(edit.changes, c.expectChanges);
  }
}

TEST_F(TextModelTest, CommaDecimalLocaleGroupsMoneyWithPoints) {
  UseSeparators(',', '.');
  Prepare({etMoney, "", "", 2}, "12.345", 6, 0);
  model->KeyChar('6', false);
  EXPECT_EQ(edit.EditText(), "123.456");
  model->KeyChar(',', false);
  model->KeyChar('5', false);
  EXPECT_EQ(edit.EditText(), "123.456,5");
  model->FocusLost();
  EXPECT_EQ(edit.EditText(), "123.456,50");
}

TEST_F(TextModelTest, KeypadSeparatorTypesTheLocaleOneWhenAsked) {
  UseSeparators(',', '.');
  Prepare({etFloat, "", "", 2}, "12", 2, 0);
  model->KeyChar('.', true);
  EXPECT_EQ(edit.EditText(), "12.") << "without the setting '.' types itself";
  Prepare({etFloat, "", "", 2}, "12", 2, 0);
  model->SetExcelStyleDecimalSeparator(true);
  model->KeyChar('.', true);
  EXPECT_EQ(edit.EditText(), "12,");
}

TEST_F(TextModelTest, DroppedKeystrokeOverTheWholeValueDoesNotSwallowTheNextChange) {
  Prepare({etNumeric}, "12", 0, 2);
  model->KeyChar('x', false);
  EXPECT_EQ(edit.EditText(), "12");
  edit.SetSel(2, 0);
  model->KeyChar('3', false);
  EXPECT_EQ(edit.EditText(), "123");
  EXPECT_EQ(edit.changes, 1);
}

TEST_F(TextModelTest, CtrlHInNumericDeletesOneCharacter) {
  Prepare({etNumeric}, "123", 3, 0);
  edit.ctrl = true;
  model->KeyChar(8, false);
  EXPECT_EQ(edit.EditText(), "12");
}

struct KeyCase {
  const char* name;
  int start, length;
  WORD key;
  TShiftState shift;
  bool dropped;
  int expectStart, expectLength;
};

TEST_F(TextModelTest, KeysKeepTheCaretBetweenPrefixAndSuffix) {
  // "$" + "12" + " kg": the value spans positions 1 to 3.
  const std::vector<KeyCase> cases = {
      {"Home goes to the value's start", 3, 0, VK_HOME, {}, true, 1, 0},
      {"Shift+Home selects the value", 3, 0, VK_HOME, {ssShift}, true, 1, 2},
      {"End goes to the value's end", 1, 0, VK_END, {}, true, 3, 0},
      {"Shift+End selects to the value's end", 2, 0, VK_END, {ssShift}, true, 2, 1},
      {"Right at the value's end is dropped", 3, 0, VK_RIGHT, {}, true, 3, 0},
      {"Right inside the value moves on", 2, 0, VK_RIGHT, {}, false, 2, 0},
      {"Left at the value's start is dropped", 1, 0, VK_LEFT, {}, true, 1, 0},
      {"Delete at the value's end is dropped", 3, 0, VK_DELETE, {}, true, 3, 0},
      {"Backspace at the value's start is dropped", 1, 0, VK_BACK, {}, true, 1, 0},
      {"Backspace after the first value character goes on", 2, 0, VK_BACK, {}, false, 2, 0},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare({etNumeric, "$", " kg"}, "$12 kg", c.start, c.length);
    EXPECT_EQ(model->KeyDownBefore(c.key, c.shift), c.dropped);
    EXPECT_EQ(edit.SelStart(), c.expectStart);
    EXPECT_EQ(edit.SelLength(), c.expectLength);
    EXPECT_EQ(model->Text(), "12");
  }
}

TEST_F(TextModelTest, ClickIntoPrefixOrSuffixComesBackIntoTheValue) {
  Prepare({etString, "$", " kg"}, "$12 kg", 0, 0);
  model->KeepSelectionInValue();
  EXPECT_EQ(edit.SelStart(), 1);
  EXPECT_EQ(edit.SelLength(), 2);
  edit.SetSel(5, 0);
  model->KeepSelectionInValue();
  EXPECT_EQ(edit.SelStart(), 3);
  edit.SetSel(2, 4);
  model->KeepSelectionInValue();
  EXPECT_EQ(edit.SelStart(), 2);
  EXPECT_EQ(edit.SelLength(), 1);
}

struct TextCase {
  const char* name;
  Settings settings;
  const char* value;
  const char* shown;
  const char* oldText;
};

TEST_F(TextModelTest, SetTextFormatsByEditType) {
  const std::vector<TextCase> cases = {
      {"float with precision", {etFloat, "", "", 2}, "1234.5", "1234.50", "1234.50"},
      {"money with precision and grouping", {etMoney, "", "", 2}, "1234567", "1,234,567.00", "1,234,567.00"},
      {"money reads grouped text", {etMoney, "", "", 2}, "1,234.5", "1,234.50", "1,234.50"},
      {"hex upper-cased", {etHex}, "ff", "FF", "FF"},
      {"hex empty shows 0", {etHex}, "", "0", "0"},
      {"numeric empty shows 0", {etNumeric}, "", "0", "0"},
      {"float keeps Error", {etFloat, "", "", 2}, "Error", "Error", "Error"},
      {"string between prefix and suffix", {etString, "$", " USD"}, "12", "$12 USD", "12"},
      {"string stays empty", {etString}, "", "", ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare(c.settings, "", 0, 0);
    edit.modified = true;
    model->SetText(c.value);
    EXPECT_EQ(edit.EditText(), c.shown);
    EXPECT_EQ(model->OldText(), c.oldText);
    EXPECT_FALSE(edit.modified);
  }
}

TEST_F(TextModelTest, LeavingTheEditNormalisesNumbers) {
  struct Case {
    const char* name;
    Settings settings;
    bool allowNull;
    const char* typed;
    const char* shown;
  };
  const std::vector<Case> cases = {
      {"float gets its decimals", {etFloat, "", "", 2}, false, "1234.5", "1234.50"},
      {"money gets its decimals", {etMoney, "", "", 2}, false, "1,234,567", "1,234,567.00"},
      {"empty numeric becomes 0", {etNumeric}, false, "", "0"},
      {"empty numeric stays empty when allowed", {etNumeric}, true, "", ""},
      {"empty float becomes 0.00", {etFloat, "", "", 2}, false, "", "0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare(c.settings, c.typed, 0, 0);
    model->SetAllowNumericNullValue(c.allowNull);
    edit.modified = true;
    model->FocusLost();
    EXPECT_EQ(edit.EditText(), c.shown);
  }
  Prepare({etFloat, "", "", 2}, "1.5", 0, 0);
  edit.modified = true;
  model->FocusLost();
  EXPECT_TRUE(edit.modified) << "the re-format keeps the modified state";
}

TEST_F(TextModelTest, PastesTheTypeCannotHoldChangeNothing) {
  struct Case {
    const char* name;
    Settings settings;
    const char* shown;
    int start, length;
    const char* clip;
    const char* expect;
  };
  const std::vector<Case> cases = {
      {"numeric refuses 12a", {etNumeric}, "5", 1, 0, "12a", "5"},
      {"numeric refuses a minus unless signed", {etNumeric}, "5", 0, 0, "-", "5"},
      {"numeric takes digits at the caret", {etNumeric}, "15", 1, 0, "23", "1235"},
      {"float takes a number and formats it", {etFloat, "", "", 2}, "", 0, 0, "3.5", "3.50"},
      {"float without decimals refuses a separator", {etFloat}, "1", 1, 0, ".5", "1"},
      {"hex refuses everything", {etHex}, "A", 1, 0, "B", "A"},
      {"range refuses everything", {etRange}, "1", 1, 0, "-3", "1"},
      {"alphanumeric refuses a blank", {etAlphaNumeric}, "ab", 2, 0, "c d", "ab"},
      {"string replaces the selection", {etString, "$", ""}, "$abc", 2, 1, "XY", "$aXYc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare(c.settings, c.shown, c.start, c.length);
    model->Paste(c.clip, 0, nullptr);
    EXPECT_EQ(edit.EditText(), c.expect);
  }
  Prepare({etString}, "abc", 3, 0);
  std::string seen;
  model->Paste("de", 0, [&](const std::string& predicted, bool& allow) {
    seen = predicted;
    allow = false;
  });
  EXPECT_EQ(seen, "abcde");
  EXPECT_EQ(edit.EditText(), "abc");
  model->Paste("de", 4, nullptr);
  EXPECT_EQ(edit.EditText(), "abc") << "MaxLength 4 leaves no room for two more";
}

TEST_F(TextModelTest, TextRoutines) {
  struct Class {
    const char* text;
    int kind;
  };
  for (const Class& c : std::vector<Class>{{"", tcOther}, {"12", tcInteger}, {"-12", tcInteger}, {"1,234.5", tcFloat},
                                           {",123", tcOther}, {"1.2.3", tcOther}, {"--1", tcOther}, {"ff", tcHex},
                                           {"1e", tcHex}, {"xyz", tcOther}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ClassifyText(c.text), c.kind);
  }
  EXPECT_EQ(HexToInt("ff"), 255);
  EXPECT_EQ(HexToInt("-F"), 15);
  EXPECT_EQ(HexToInt("FFFFFFFFF"), -1) << "wraps to the 32-bit pattern";
  EXPECT_EQ(HexToInt("100000000"), 0);
  EXPECT_DOUBLE_EQ(TextToFloat("1,234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(TextToFloat("abc"), 0.0);
}

TEST_F(TextModelTest, ValueAccessorsFollowTheEditType) {
  Prepare({etHex}, "", 0, 0);
  model->SetIntValue(255);
  EXPECT_EQ(model->Text(), "FF");
  EXPECT_DOUBLE_EQ(model->GetFloatValue(), 255.0);
  Prepare({etMoney, "", "", 2}, "", 0, 0);
  model->SetFloatValue(-1234.5);
  EXPECT_EQ(model->Text(), "-1,234.50");
  EXPECT_DOUBLE_EQ(model->GetFloatValue(), -1234.5);
  Prepare({etFloat}, "abc", 0, 0);
  model->SetPrecision(1);
  EXPECT_EQ(model->Text(), "0.0") << "a text that is no number becomes 0";
  Prepare({etString}, "x", 0, 0);
  model->SetEditType(etNumeric);
  EXPECT_EQ(model->Text(), "0");
  Prepare({etMoney, "", "", 0}, "", 0, 0);
  model->SetText("123456789012345");
  model->FormatMoneyText();
  EXPECT_EQ(model->Text(), "123,456,789,012,345");
}

}  // namespace
}  // namespace hd
