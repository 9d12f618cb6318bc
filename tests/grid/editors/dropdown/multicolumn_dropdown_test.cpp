// The multi-column drop-down's item rules: the list search under both case rules, stepping
// through the items with the edit's keys, and assignment keeping the texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editors/dropdown/multicolumn_dropdown.h"

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

}  // namespace
}  // namespace hd::multicolumn
