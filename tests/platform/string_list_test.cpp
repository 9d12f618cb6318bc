#include "platform/string_list.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace hd {
namespace {

std::vector<std::string> Items(const TStringList& l) {
  std::vector<std::string> v;
  for (int i = 0; i < l.Count(); ++i) v.push_back(l[i]);
  return v;
}

TEST(StringList, TextSplitsAtEveryLineEndKindAndJoinsWithCrLf) {
  TStringList l;
  l.SetText("a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(Items(l), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

TEST(StringList, CommaTextParsesAndQuotes) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<std::string> items;
  } cases[] = {
      {"plain", "a,b,c", {"a", "b", "c"}},
      {"blank splits an unquoted item", "a b,c", {"a", "b", "c"}},
      {"quoted keeps blanks and commas", "\"a b\",\"c,d\"", {"a b", "c,d"}},
      {"doubled quote", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"trailing comma adds an empty item", "a,", {"a", ""}},
      {"empty inner item", "a,,b", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TStringList l;
    l.SetCommaText(c.text);
    EXPECT_EQ(Items(l), c.items);
    TStringList back;
    back.SetCommaText(l.CommaText());
    EXPECT_EQ(Items(back), c.items);
  }
}

TEST(StringList, SortedListIgnoresDuplicatesCaseInsensitively) {
  TStringList l;
  l.SetSorted(true);
  l.Add("beta");
  l.Add("Alpha");
  l.Add("ALPHA");
  l.Add("gamma");
  EXPECT_EQ(Items(l), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(l.IndexOf("BETA"), 1);
  EXPECT_THROW(l.Insert(0, "x"), EStringListError);
  EXPECT_THROW(l.Strings(3), EStringListError);
}

TEST(StringList, OwnedObjectsAreFreedOnDeleteAndClear) {
  struct Counted : TObject {
    int* alive;
    explicit Counted(int* a) : alive(a) { ++*alive; }
    ~Counted() override { --*alive; }
  };
  int alive = 0;
  {
    TStringList l(true);
    l.AddObject("a", new Counted(&alive));
    l.AddObject("b", new Counted(&alive));
    l.Delete(0);
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}

TEST(StringList, ClearingAnObjectHandsItBackInsteadOfFreeingIt) {
  struct Counted : TObject {
    int* alive;
    explicit Counted(int* a) : alive(a) { ++*alive; }
    ~Counted() override { --*alive; }
  };
  int alive = 0;
  Counted* kept = new Counted(&alive);
  {
    TStringList l(true);
    l.AddObject("a", kept);
    l.SetObjects(0, nullptr);
    l.Delete(0);
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 1);
  delete kept;
}

TEST(StringList, CopyOfASortedListStaysSortedAndSearchable) {
  TStringList l;
  l.SetSorted(true);
  l.SetDuplicates(dupError);
  l.Add("b");
  l.Add("a");
  TStringList copy(l);
  EXPECT_TRUE(copy.Sorted());
  copy.Add("0");
  EXPECT_EQ(Items(copy), (std::vector<std::string>{"0", "a", "b"}));
  EXPECT_THROW(copy.Add("A"), EStringListError);
  EXPECT_EQ(copy.IndexOf("B"), 2);
}

}  // namespace
}  // namespace hd
