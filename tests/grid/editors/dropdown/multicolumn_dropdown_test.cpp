// The multi-column drop-down's item rules: the list search under both case rules, stepping
// through the items with the edit's keys, and assignment keeping the texts; then the control
// through its real edit and list: completion, keys, the list's search, confirm and cancel, the
// popup's sizes and the styles.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/editors/dropdown/multicolumn_dropdown.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "platform/bitmap.h"

namespace hd::multicolumn {
namespace {

TDropDownItems MakeItems(const std::vector<std::vector<std::string>>& texts) {
  TDropDownItems items(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) items[i].SetText(texts[i]);
  return items;
}

TEST(MultiColumnDropDownTest, LookupFollowsTheCaseRule) {
  // The second item has no text in the lookup column: it reads as empty, not as a fault.
  const TDropDownItems items = MakeItems({{"1", "apple"}, {"2"}, {"3", "Banana"}, {"4", "banjo"}});
  struct Case {
    std::string entry;
    bool caseSensitive;
    int expected;
  } cases[] = {{"b", false, 2}, {"BANJ", false, 3}, {"b", true, 3}, {"B", true, 2}, {"Ap", true, -1},
               {"AP", false, 0},  {"", false, -1},  {"x", false, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(FindLookup(items, 1, c.entry, c.caseSensitive), c.expected) << c.entry << " " << c.caseSensitive;
  EXPECT_EQ(FindLookup(items, 5, "a", false), -1);
}

TEST(MultiColumnDropDownTest, ListSearchGathersTypedCharacters) {
  const TDropDownItems items = MakeItems({{"Berlin"}, {"Bern"}, {"Bonn"}, {"Oslo"}});
  TListSearch search;
  struct Step {
    char32_t ch;
    int item;
    std::string text, entry;
    int selStart, selLength;
  } steps[] = {
      {'b', 0, "Berlin", "b", 1, 5},
      {'e', 0, "Berlin", "be", 2, 4},
      {'r', 0, "Berlin", "ber", 3, 3},
      {'n', 1, "Bern", "bern", 4, 0},
      {'x', -1, "", "", 0, 0},  // nothing found: the search starts over
      {'o', 3, "Oslo", "o", 1, 3},
      {'n', -1, "", "", 0, 0},
      {'b', 0, "Berlin", "b", 1, 5},
      {'o', 2, "Bonn", "bo", 2, 2},
      {'o', 3, "Oslo", "o", 1, 0},  // "boo" fails, the single character finds
  };
  std::string text;
  for (const Step& s : steps) {
    const auto r = search.LookupChar(s.ch, items, 0, false, text, 0, 0);
    EXPECT_EQ(r.Item, s.item) << static_cast<char>(s.ch);
    EXPECT_EQ(search.Entry(), s.entry) << static_cast<char>(s.ch);
    if (r.Item >= 0) {
      EXPECT_EQ(r.Text, s.text);
      EXPECT_EQ(r.SelStart, s.selStart) << static_cast<char>(s.ch);
      EXPECT_EQ(r.SelLength, s.selLength) << static_cast<char>(s.ch);
      text = r.Text;
    }
  }
  // Backspace without a selection takes the last character off the search text.
  search.Clear();
  search.LookupChar('b', items, 0, true, "", 0, 0);
  EXPECT_EQ(search.Entry(), "");  // case-sensitive: "b" finds nothing
  search.LookupChar('B', items, 0, true, "", 0, 0);
  search.LookupChar('o', items, 0, true, "Berlin", 1, 5);
  auto r = search.LookupChar(8, items, 0, true, "Bonn", 2, 0);
  EXPECT_EQ(r.Item, -1);
  EXPECT_EQ(r.Text, "B");
  EXPECT_EQ(r.SelStart, 1);
  r = search.LookupChar(8, items, 0, true, "Bonn", 1, 3);
  EXPECT_EQ(r.Text, "B");
}

TEST(MultiColumnDropDownTest, CompletionWhileTyping) {
  const std::vector<std::string> lookup = {"Apple", "Banana", "banjo"};
  struct Case {
    std::string text;
    int caret;
    bool matchCase;
    bool matched;
    int item;
    std::string shown, atKeyUp;
  } cases[] = {
      {"b", 1, false, true, 1, "banana", "Banana"},  // the entry's case arrives at key-up
      {"b", 1, true, true, 2, "banjo", "banjo"},
      {"B", 1, true, true, 1, "Banana", "Banana"},
      {"bANJ", 4, false, true, 2, "bANJo", "banjo"},
      {"Bx", 2, false, false, -1, "Bx", ""},
      {"Bxyz", 2, false, false, -1, "Bx", ""},  // cut to what stands before the caret
      {"apple", 0, false, false, -1, "apple", ""},
  };
  for (const Case& c : cases) {
    const TCompletion r = Complete(lookup, c.text, c.caret, c.matchCase);
    EXPECT_EQ(r.Matched, c.matched) << c.text;
    EXPECT_EQ(r.Item, c.item) << c.text;
    EXPECT_EQ(r.Text, c.shown) << c.text;
    EXPECT_EQ(r.TextAtKeyUp, c.atKeyUp) << c.text;
    EXPECT_EQ(r.Typed, c.caret) << c.text;
  }
}

TEST(MultiColumnDropDownTest, EditKeysStepByOneAndByTen) {
  struct Case {
    int from, count;
    WORD key;
    bool endKeys;
    int expected;
  } cases[] = {
      {5, 30, VK_DOWN, false, 6},  {29, 30, VK_DOWN, false, 29}, {-1, 30, VK_DOWN, false, 0},
      {0, 30, VK_UP, false, 0},    {-1, 30, VK_UP, false, 0},    {3, 30, VK_NEXT, false, 13},
      {25, 30, VK_NEXT, false, 29}, {-1, 30, VK_NEXT, false, 0}, {12, 30, VK_PRIOR, false, 2},
      {7, 30, VK_PRIOR, false, 0}, {-1, 30, VK_PRIOR, false, 0}, {7, 30, VK_HOME, false, 7},
      {7, 30, VK_HOME, true, 0},   {7, 30, VK_END, true, 29},    {-1, 0, VK_DOWN, false, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepItem(c.from, c.count, c.key, c.endKeys), c.expected) << c.from << " key " << c.key;
  EXPECT_EQ(NormalizeItemIndex(-7), -1);
}

TEST(MultiColumnDropDownTest, AssignKeepsTheTexts) {
  TDropDownItem a, b;
  a.SetImageIndex(3);
  a.SetText({"x", "y"});
  b.Assign(a);
  EXPECT_EQ(b.ImageIndex(), 3);
  EXPECT_EQ(b.Text(), (std::vector<std::string>{"x", "y"}));
}


// The control through its real edit and list.
class MultiColumnControlTest : public test::DropDownFixture<TExtMultiColumnDropDown> {
 protected:
  void SetUp() override {
    ShowForm([this] {
      drop->OnSelect = [this](TObject*) { ++selects; };
      drop->OnDropUp = [this](TObject*, bool cancelled) { dropUps.push_back(cancelled); };
    });
  }
  // Items of two columns: a code and the lookup name in column 1.
  void Fill(const std::vector<std::string>& names) {
    drop->SetLookupColumn(1);
    for (int c = 0; c < 2; ++c) drop->Columns().Add().SetHeader(c == 0 ? "Code" : "Name");
    drop->BeginUpdate();
    for (size_t i = 0; i < names.size(); ++i) drop->Items().Add().SetText({std::to_string(i + 1), names[i]});
    drop->EndUpdate();
  }
  bool Down() { return drop->DropDownForm() && drop->DropDownForm()->Visible(); }
  void Open() {
    drop->ShowDropDown();
    kit.Process();
    ASSERT_TRUE(Down());
  }
  TExtColGrid* List() { return drop->ColGrid(); }
  // The client point in the middle of a list row.
  TPoint RowPoint(int row) {
    const TRect r = List()->CellRect(0, row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  int selects = 0;
  std::vector<bool> dropUps;
};

TEST_F(MultiColumnControlTest, TypingCompletesFromTheLookupColumnUnderBothCaseRules) {
  Fill({"Apple", "Banana", "banjo"});
  drop->SetText("");
  kit.Type("b");
  EXPECT_EQ(drop->Text(), "Banana") << "the entry's own case at key-up";
  EXPECT_EQ(drop->SelStart(), 1);
  EXPECT_EQ(drop->SelLength(), 5);
  EXPECT_EQ(drop->ItemIndex(), 1);
  EXPECT_TRUE(drop->IsModified());
  kit.Type("x");
  EXPECT_EQ(drop->Text(), "Bx");
  EXPECT_EQ(drop->ItemIndex(), 1) << "no match leaves the item";
  drop->SetText("");
  drop->SetMatchCase(true);
  kit.Type("ba");
  EXPECT_EQ(drop->Text(), "banjo");
  EXPECT_EQ(drop->ItemIndex(), 2);
  drop->SetText("");
  kit.Type("A");
  EXPECT_EQ(drop->Text(), "Apple");
  EXPECT_EQ(drop->ItemIndex(), 0);
  // Return takes a text that is an entry in another letter case as that entry.
  drop->SetMatchCase(false);
  drop->SetText("BANJO");
  drop->SetItemIndex(-3);
  EXPECT_EQ(drop->ItemIndex(), -1);
  EXPECT_EQ(drop->Text(), "");
  drop->SetText("BANJO");
  kit.Press(VK_RETURN);
  EXPECT_EQ(drop->Text(), "banjo");
  EXPECT_EQ(drop->ItemIndex(), 2);
  // Escape on a text that is no entry chooses none and keeps the text.
  kit.Press(VK_END);
  kit.Type("s");
  kit.Press(VK_ESCAPE);
  EXPECT_EQ(drop->Text(), "banjos");
  EXPECT_EQ(drop->ItemIndex(), -1);
}

TEST_F(MultiColumnControlTest, KeysOnTheClosedEditStepThroughTheItems) {
  Fill({"a", "b", "c", "d", "e", "f", "g", "h"});
  struct Step {
    WORD key;
    int expected;
  };
  const std::vector<Step> steps = {{VK_DOWN, 0}, {VK_UP, 0}, {VK_NEXT, 7}, {VK_DOWN, 7}, {VK_PRIOR, 0},
                                   {VK_END, 0},  {VK_DOWN, 1}};
  for (const Step& s : steps) {
    kit.Press(s.key);
    EXPECT_EQ(drop->ItemIndex(), s.expected) << "key " << s.key;
  }
  EXPECT_EQ(drop->Text(), "b");
  EXPECT_FALSE(Down());
  drop->SetItemIndex(5);
  kit.Press(VK_NEXT);
  EXPECT_EQ(drop->ItemIndex(), 7);
  drop->SetItemIndex(8);
  EXPECT_EQ(drop->ItemIndex(), 7) << "an index at the count is ignored";
  drop->SetEditorEnabled(false);
  kit.Press(VK_HOME);
  EXPECT_EQ(drop->ItemIndex(), 0);
  kit.Press(VK_END);
  EXPECT_EQ(drop->ItemIndex(), 7);
}

TEST_F(MultiColumnControlTest, TheOpenListSearchesAndConfirmsOrCancels) {
  Fill({"Berlin", "Bern", "Bonn", "Oslo"});
  drop->SetItemIndex(3);
  Open();
  EXPECT_TRUE(List()->Focused());
  EXPECT_EQ(List()->Row(), 4);
  EXPECT_EQ(List()->TCustomGrid::RowCount(), 5);
  EXPECT_EQ(List()->ColCount(), 2);
  kit.Type("b");
  EXPECT_EQ(List()->Row(), 1);
  kit.Type("ERN");
  EXPECT_EQ(List()->Row(), 2);
  EXPECT_EQ(drop->Text(), "Bern");
  kit.Type("o");
  EXPECT_EQ(List()->Row(), 4) << "no match restarts from the character";
  kit.Press(VK_UP);
  EXPECT_EQ(drop->ItemIndex(), 2) << "moving in the list shows the item at once";
  EXPECT_EQ(drop->Text(), "Bonn");
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->ItemIndex(), 3) << "a cancelled close returns to the item chosen before";
  EXPECT_EQ(drop->Text(), "Oslo");
  EXPECT_EQ(selects, 0);
  Open();
  kit.Press(VK_UP);
  kit.Press(VK_RETURN);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->ItemIndex(), 2);
  EXPECT_EQ(drop->Text(), "Bonn");
  EXPECT_EQ(selects, 1);
  // A click on a row picks it; the wheel alone picks nothing.
  Open();
  const TPoint p = RowPoint(1);
  kit.Click(List(), p.X, p.Y);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->ItemIndex(), 0);
  EXPECT_EQ(selects, 2);
  Open();
  kit.Wheel(List(), p.X, p.Y, -120);
  drop->HideDropDown(false);
  kit.Process();
  EXPECT_EQ(drop->ItemIndex(), 0);
  EXPECT_EQ(dropUps, (std::vector<bool>{true, false, false, false}));
}

TEST_F(MultiColumnControlTest, PopupShowsWholeRowsAndTakesTheColumnsWidth) {
  Fill({"a", "b"});
  int h = 200;
  drop->DropDownHeader().SetVisible(true);
  drop->DropDownHeader().SetHeight(20);
  drop->AdjustDropDownHeight(h);
  EXPECT_EQ(h, 20 + 25 + 6 * 22 + 2);
  drop->DropDownHeader().SetVisible(false);
  drop->DropDownFooter().SetVisible(false);
  // Auto width: the popup is as wide as the columns and its frame; no rounding without a scroll bar.
  drop->SetColumnSizeWithDropDown(false);
  drop->Columns()[0].SetWidth(50);
  drop->Columns()[1].SetWidth(70);
  Open();
  EXPECT_EQ(drop->DropDownForm()->Width(), 120 + 2 * drop->DropDownBorderWidth());
  EXPECT_EQ(List()->ColWidths(0), 50);
  EXPECT_EQ(List()->RowHeights(0), 25);
  EXPECT_EQ(List()->RowHeights(1), 22);
  drop->HideDropDown(false);
  // Scaled widths: each column rounded, the error carried until it passes a pixel.
  drop->SetColumnSizeWithDropDown(true);
  drop->SetDropDownAutoWidth(false);
  drop->SetDropDownWidth(150);
  for (int i = 0; i < 2; ++i) drop->Columns().Add();
  for (int i = 0; i < 4; ++i) drop->Columns()[static_cast<size_t>(i)].SetWidth(40);
  Open();
  ASSERT_EQ(drop->DropDownForm()->Width(), 150);
  // 150 / 161 of 40 is 37.27: the carried 0.27s pass one pixel at the last column.
  std::vector<int> widths;
  for (int i = 0; i < 4; ++i) widths.push_back(List()->ColWidths(i));
  EXPECT_EQ(widths, (std::vector<int>{37, 37, 37, 38}));
}

TEST_F(MultiColumnControlTest, AutoSizedColumnsFitTheirWidestTextAndEmptyListsShowTheHeader) {
  drop->Columns().Add().SetAutoSize(true);
  drop->Columns()[0].SetHeader("A very long header that is not measured");
  drop->SetLookupColumn(0);
  drop->SetColumnSizeWithDropDown(false);
  Open();
  EXPECT_EQ(List()->TCustomGrid::RowCount(), 1) << "only the header row";
  EXPECT_EQ(List()->ColWidths(0), 0);
  drop->HideDropDown(false);
  drop->Items().Add().SetText({"wide entry text"});
  drop->Items().Add().SetText({"x"});
  Open();
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(drop->Columns()[0].Font());
  EXPECT_EQ(List()->ColWidths(0), measure.Canvas().TextWidth("wide entry text") + 6);
  EXPECT_EQ(drop->Columns()[0].Width(), List()->ColWidths(0));
}

TEST_F(MultiColumnControlTest, StylesSetHeaderLineAndSelectionColoursInOrder) {
  // Construction styled the control last: the new control shows that style.
  EXPECT_EQ(drop->HeaderColor(), TColor{0xFFEFE3});
  EXPECT_EQ(drop->LineColor(), TColor{0xFFD2AF});
  EXPECT_EQ(drop->HeaderFont().Color, TColor{0x723708});
  EXPECT_EQ(drop->SelectionColorStyle(), scOffice2007);
  struct Case {
    TDAZStyle style;
    TColor headerTo, line, fixedLine, selection, selectionText;
  };
  const std::vector<Case> cases = {
      {tsWindowsXP, clBtnFace, 0xC0C0C0, 0x000000, clHighlight, clHighlightText},
      {tsOffice2010Black, clNone, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0x000000},
      {tsWindows7, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, drop->SelectionColor(), 0x000000},
  };
  for (const Case& c : cases) {
    drop->SetComponentStyle(c.style);
    EXPECT_EQ(drop->HeaderColorTo(), c.headerTo) << c.style;
    EXPECT_EQ(drop->LineColor(), c.line) << c.style;
    EXPECT_EQ(drop->FixedLineColor(), c.fixedLine) << c.style;
    if (c.style != tsWindows7) {
      EXPECT_EQ(drop->SelectionColor(), c.selection) << c.style;
    }
    EXPECT_EQ(drop->SelectionTextColor(), c.selectionText) << c.style;
  }
  EXPECT_EQ(drop->SelectionColorStyle(), scWindows7);
  drop->SetComponentStyle(tsCustom);
  EXPECT_EQ(drop->LineColor(), TColor{0xFBD6B8}) << "the custom style changes nothing";
}

TEST_F(MultiColumnControlTest, AssignCopiesItemsWithTheirTextsAndTheItemField) {
  Fill({"one", "two"});
  drop->SetItemIndex(1);
  auto* copy = New<TExtMultiColumnDropDown>(main.get());
  copy->Assign(drop);
  ASSERT_EQ(copy->Items().Count(), 2);
  EXPECT_EQ(copy->Items()[1].ColumnText(1), "two");
  EXPECT_EQ(copy->Columns()[1].Header(), "Name");
  EXPECT_EQ(copy->LookupColumn(), 1);
  EXPECT_EQ(copy->ItemIndex(), 1);
  EXPECT_EQ(copy->Text(), "") << "the field only";
  EXPECT_EQ(copy->Items().IndexInColumn(1, "two"), 1);
  EXPECT_EQ(copy->GetItemIndex("Two"), -1);
}

TEST_F(MultiColumnControlTest, ListCellsDrawTheirColoursAndAskForTheirTexts) {
  Fill({"a", "b", "c"});
  drop->SetComponentStyle(tsOffice2010Blue);  // a solid header
  drop->Columns()[0].SetColor(0x00FF00);
  drop->SetItemIndex(1);
  std::vector<std::string> asked;
  drop->OnDropDownGetItemText = [&](TObject*, int col, int row, std::string& text) {
    asked.push_back(std::to_string(col) + "," + std::to_string(row) + ":" + text);
  };
  Open();
  TExtColGrid* list = List();
  TBitmap image(list->Width(), list->Height());
  list->PaintTo(image.Canvas(), TRect{0, 0, list->Width(), list->Height()});
  const TRect header = list->CellRect(0, 0), plain = list->CellRect(0, 1), chosen = list->CellRect(0, 2);
  EXPECT_EQ(ColorToRGB(image.Canvas().Pixel(header.Left + 3, header.Top + 3)), TColor{0xEDDBCD});
  EXPECT_EQ(ColorToRGB(image.Canvas().Pixel(plain.Left + 3, plain.Top + 3)), TColor{0x00FF00});
  EXPECT_NE(ColorToRGB(image.Canvas().Pixel(chosen.Left + 3, chosen.Top + 5)), TColor{0x00FF00}) << "the selection look";
  for (const char* cell : {"0,0:Code", "1,0:Name", "1,1:a", "0,3:3"})
    EXPECT_NE(std::find(asked.begin(), asked.end(), cell), asked.end()) << cell;
  // A drawing handler replaces the whole cell.
  std::vector<std::pair<int, int>> drawn;
  drop->OnDropDownDrawItem = [&](TObject*, int col, int row, TCanvas& c, TRect r) {
    drawn.emplace_back(col, row);
    c.Brush() = TBrush{0x0000FF, bsSolid};
    c.FillRect(r);
  };
  asked.clear();
  list->PaintTo(image.Canvas(), TRect{0, 0, list->Width(), list->Height()});
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(drawn.size(), 8u) << "two columns of the header and three items";
  EXPECT_EQ(ColorToRGB(image.Canvas().Pixel(plain.Left + 3, plain.Top + 3)), TColor{0x0000FF});
}

}  // namespace
}  // namespace hd::multicolumn
