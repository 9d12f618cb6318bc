// What each text editor kind lets the user type and paste.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/editing_fixture.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "platform/clipboard.h"

namespace hd::test {
namespace {

struct KindCase {
  const char* name;
  TEditorType kind;
  const char* typed;
  const char* shown;
  int beeps;
};

class TextKindTest : public EditingTest {
 protected:
  // Opens the editor on an empty address cell of the given kind and types into it.
  void TypeInto(TEditorType kind, const std::string& typed) {
    grid->Columns().Items(kAddrCol)->SetEditor(kind);
    grid->SetCells(kAddrCol, 1, "");
    ClickCell(kAddrCol, 1);
    Press(VK_F2);
    ASSERT_TRUE(TextEditorShown());
    Type(typed);
  }
};

TEST_F(TextKindTest, TypedCharactersPerKind) {
  const KindCase cases[] = {
      {"edNormal takes everything", edNormal, "a-1.b", "a-1.b", 0},
      {"edNumeric, minus only first and once", edNumeric, "-12-3a", "-123", 2},
      {"edNumeric, minus after a digit", edNumeric, "1-", "1", 1},
      {"edPositiveNumeric", edPositiveNumeric, "-12x", "12", 2},
      {"edFloat, one decimal separator, no thousands", edFloat, "-1.5.2,3", "-1.523", 0},
      {"edPositiveFloat drops the minus", edPositiveFloat, "-2.5", "2.5", 0},
      {"edFloat drops letters silently", edFloat, "1a2", "12", 0},
      {"edUpperCase", edUpperCase, "abC", "ABC", 0},
      {"edCapital", edCapital, "ab", "AB", 0},
      {"edLowerCase", edLowerCase, "AbC", "abc", 0},
      {"edMixedCase", edMixedCase, "hello world", "Hello World", 0},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.name);
    size_t beepsBefore = kit.Beeps().size();
    TypeInto(c.kind, c.typed);
    EXPECT_EQ(TextEditor()->Text(), c.shown);
    EXPECT_EQ(static_cast<int>(kit.Beeps().size() - beepsBefore), c.beeps);
    Press(VK_ESCAPE);
  }
}

TEST_F(TextKindTest, ValidCharsAndTheCharacterSet) {
  grid->SetValidChars("AB");
  TypeInto(edValidChars, "ABCab");
  EXPECT_EQ(TextEditor()->Text(), "AB");
  EXPECT_EQ(kit.Beeps().size(), 3u);
  Press(VK_ESCAPE);
  grid->SetValidChars("");
  grid->SetValidCharSet("0123456789");
  TypeInto(edValidChars, "1a2");
  EXPECT_EQ(TextEditor()->Text(), "12");
}

TEST_F(TextKindTest, PastedTextPerKind) {
  struct PasteCase {
    const char* name;
    TEditorType kind;
    const char* clip;
    const char* shown;
  } cases[] = {
      {"edNumeric takes a negative integer", edNumeric, "-12", "-12"},
      {"edPositiveNumeric refuses a negative one", edPositiveNumeric, "-12", ""},
      {"edNumeric refuses a decimal", edNumeric, "1.5", ""},
      {"edFloat takes a decimal", edFloat, "1.5", "1.5"},
      {"edUpperCase upper-cases", edUpperCase, "ab", "AB"},
      {"edCapital pastes as it stands", edCapital, "ab", "ab"},
      {"edNormal drops the last line break", edNormal, "x y\r\n", "x y"},
  };
  for (const PasteCase& c : cases) {
    SCOPED_TRACE(c.name);
    Clipboard().SetAsText(c.clip);
    TypeInto(c.kind, "");
    TextEditor()->PasteFromClipboard();
    EXPECT_EQ(TextEditor()->Text(), c.shown);
    Press(VK_ESCAPE);
  }
}

TEST_F(TextKindTest, APasteOverASelectionIsOneChangeThatLeavesTheCaretAfterThePastedText) {
  std::vector<std::string> changes, after;
  TypeInto(edNormal, "abcdef");
  grid->OnEditChange = [&](TObject*, int, int, const std::string& v) { changes.push_back(v); };
  grid->OnClipboardAfterPasteCell = [&](TObject*, int, int, const std::string& v) { after.push_back(v); };
  TextEditor()->SetSelStart(2);
  TextEditor()->SetSelLength(2);
  Clipboard().SetAsText("XYZ");
  TextEditor()->PasteFromClipboard();
  EXPECT_EQ(TextEditor()->Text(), "abXYZef");
  EXPECT_EQ(TextEditor()->SelStart(), 5);
  EXPECT_EQ(TextEditor()->SelLength(), 0) << "a selected paste would be wiped by the next key";
  EXPECT_EQ(changes, (std::vector<std::string>{"abXYZef"}));
  EXPECT_EQ(after, (std::vector<std::string>{"abXYZef"}));
  // A refusal before the paste changes nothing and reports nothing after it.
  grid->OnClipboardBeforePasteCell = [](TObject*, int, int, std::string&, bool& allow) { allow = false; };
  TextEditor()->PasteFromClipboard();
  EXPECT_EQ(TextEditor()->Text(), "abXYZef");
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(after.size(), 1u);
}

TEST_F(TextKindTest, TheLengthLimitDropsCharactersButNotBackspace) {
  grid->Columns().Items(kAddrCol)->SetEditLength(3);
  TypeInto(edNormal, "abcd");
  EXPECT_EQ(TextEditor()->Text(), "abc");
  Press(VK_BACK);
  EXPECT_EQ(TextEditor()->Text(), "ab");
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, TheColumnGrowsWhileTypingWithSizeWhileTyping) {
  grid->SizeWhileTyping().SetWidth(true);
  int before = grid->ColWidths(kAddrCol);
  ClickCell(kAddrCol, 1);
  Type("a much longer address text than fits");
  EXPECT_GT(grid->ColWidths(kAddrCol), before);
  EXPECT_TRUE(TextEditorShown());
  int grown = grid->ColWidths(kAddrCol);
  Press(VK_BACK);
  EXPECT_EQ(grid->ColWidths(kAddrCol), grown) << "it only grows";
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, AnArrowThatLeavesTheEditorTakesTheDisjunctRowMarkAlong) {
  grid->MouseActions().SetDisjunctRowSelect(true);
  ClickCell(kAddrCol, 2);
  ASSERT_TRUE(grid->RowSelect(2));
  Type("7");
  ASSERT_TRUE(TextEditorShown());
  Press(VK_DOWN);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "7");
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_FALSE(grid->RowSelect(2));
  EXPECT_TRUE(grid->RowSelect(3));
  EXPECT_EQ(grid->SelectedRowCount(), 1);
}

TEST_F(EditingTest, APasteMovesTheCaretWhetherTheKindTakesItOrNot) {
  grid->Columns().Items(kAddrCol)->SetEditor(edNumeric);
  grid->SetCells(kAddrCol, 2, "1234");
  ClickCell(kAddrCol, 2);
  Press(VK_F2);
  ASSERT_TRUE(TextEditorShown());
  std::vector<std::string> after;
  grid->OnClipboardAfterPasteCell = [&](TObject*, int, int, const std::string& v) { after.push_back(v); };
  struct Case {
    const char* name;
    const char* clip;
    int start, length;
    const char* text;
    int selStart, selLength;
  };
  const std::vector<Case> cases = {
      {"refused at the caret", "ab", 1, 0, "1234", 3, 0},
      {"refused over a selection", "x", 0, 2, "1234", 1, 0},
      {"taken at the caret", "56", 4, 0, "123456", 6, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clipboard().SetAsText(c.clip);
    TextEditor()->SetSelStart(c.start);
    TextEditor()->SetSelLength(c.length);
    TextEditor()->PasteFromClipboard();
    EXPECT_EQ(TextEditor()->Text(), c.text);
    EXPECT_EQ(TextEditor()->SelStart(), c.selStart);
    EXPECT_EQ(TextEditor()->SelLength(), c.selLength);
    EXPECT_EQ(after.back(), c.text);
    EXPECT_EQ(grid->Cells(kAddrCol, 2), c.text) << "the cell follows the editor at once";
  }
}

TEST_F(EditingTest, AFilledEditMaskMovesOnWithAdvanceAuto) {
  grid->Columns().Items(kAddrCol)->SetEditMask("000;1;_");
  grid->Navigation().SetAdvanceOnEnter(true);
  grid->Navigation().SetAdvanceAuto(true);
  grid->SetCells(kAddrCol, 2, "");
  ClickCell(kAddrCol, 2);
  Type("12");
  EXPECT_EQ(grid->Col(), kAddrCol) << "a mask with places left waits";
  Type("3");
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "123");
  EXPECT_EQ(grid->Col(), kEnableCol);
  EXPECT_EQ(grid->Row(), 2);
  // Without AdvanceAuto a full mask stays where it is.
  grid->Navigation().SetAdvanceAuto(false);
  grid->SetCells(kAddrCol, 3, "");
  ClickCell(kAddrCol, 3);
  Type("456");
  EXPECT_EQ(grid->Col(), kAddrCol);
  EXPECT_TRUE(TextEditorShown());
}

TEST_F(EditingTest, SizeWhileTypingGrowsTheRowWithTheLinesOfTheText) {
  std::vector<int> sized;
  grid->OnEndRowSize = [&](TObject*, int r) { sized.push_back(r); };
  grid->SizeWhileTyping().SetHeight(true);
  // Multi-line cells: Ctrl+Return makes room for the line it adds.
  grid->SetWordWrap(false);
  grid->SetMultilinecells(true);
  ClickCell(kAddrCol, 2);
  Press(VK_F2);
  Press(VK_RETURN, TShiftState{ssCtrl});
  const int h = grid->Canvas().TextHeight("gh");
  EXPECT_EQ(grid->RowHeights(2), 2 * (h + h / 8) + grid->GetVertXYOffset());
  EXPECT_EQ(sized, (std::vector<int>{2}));
  Press(VK_ESCAPE);
  grid->SetMultilinecells(false);
  // Word wrap: the row follows the wrapped text as it is typed.
  grid->SetWordWrap(true);
  ClickCell(kAddrCol, 3);
  Type("a");
  const int oneLine = grid->RowHeights(3);
  sized.clear();
  Type(" text far too long for one line of this column");
  EXPECT_GT(grid->RowHeights(3), oneLine);
  EXPECT_FALSE(sized.empty());
  EXPECT_EQ(sized.back(), 3);
}

TEST_F(EditingTest, AWrappingEditorTakesAsManyCharactersAsTheOneLineEditorAndRefusesAHugePasteAtOnce) {
  grid->SetWordWrap(true);
  grid->SizeWhileTyping().SetHeight(true);
  ClickCell(kAddrCol, 3);
  Press(VK_F2);
  ASSERT_TRUE(TextEditorShown());
  EXPECT_EQ(TextEditor()->LengthLimit(), 32767);
  // A megabyte is refused whole, with a beep, before anything is laid out.
  Clipboard().SetAsText(std::string(1 << 20, 'w'));
  TextEditor()->PasteFromClipboard();
  EXPECT_EQ(TextEditor()->Text(), "300");
  EXPECT_EQ(kit.Beeps().size(), 1u);
  // Up to the limit a paste is taken, and the row grows to the wrapped lines on the next key.
  std::string words;
  while (words.size() + 5 <= 32767 - 3) words += "word ";
  words.resize(32767 - 3, 'x');
  Clipboard().SetAsText(words);
  TextEditor()->SetSelStart(3);
  TextEditor()->PasteFromClipboard();
  EXPECT_EQ(Utf8Length(TextEditor()->Text()), 32767);
  const int before = grid->RowHeights(3);
  Press(VK_END);
  EXPECT_GT(grid->RowHeights(3), 100 * before);
  // A full editor refuses one more character as it does a longer paste.
  Type("z");
  EXPECT_EQ(Utf8Length(TextEditor()->Text()), 32767);
  EXPECT_EQ(kit.Beeps().size(), 2u);
  // A column's own limit still holds.
  Press(VK_ESCAPE);
  grid->Columns().Items(kAddrCol)->SetEditLength(4);
  ClickCell(kAddrCol, 2);
  Press(VK_F2);
  EXPECT_EQ(TextEditor()->LengthLimit(), 4);
}

}  // namespace
}  // namespace hd::test

