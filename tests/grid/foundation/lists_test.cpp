#include "grid/foundation/lists.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

// Records every change a list reports, with the cell it names.
struct ChangeSpy {
  struct Change {
    TObject* sender;
    int col, row;
  };
  std::vector<Change> changes;
  TImageChangeEvent Handler() {
    return [this](TObject* s, int c, int r) { changes.push_back({s, c, r}); };
  }
};

TEST(IntList, ReportsAddDeleteAndWritesButNotInserts) {
  TIntList list(3, 7);
  ChangeSpy spy;
  list.OnChange = spy.Handler();

  list.Insert(0, 5);
  EXPECT_TRUE(spy.changes.empty());
  EXPECT_EQ(list.Add(9), 1);
  list.SetInteger(0, 4);
  list.Items(1);
  list.DeleteValue(42);  // absent: nothing happens
  list.DeleteValue(9);
  list.Exchange(0, 0);
  list.Clear();

  ASSERT_EQ(spy.changes.size(), 3u);  // Add, SetInteger, DeleteValue's Delete
  for (const auto& c : spy.changes) {
    EXPECT_EQ(c.sender, &list);
    EXPECT_EQ(c.col, 3);
    EXPECT_EQ(c.row, 7);
  }
  EXPECT_EQ(list.Count(), 0);
}

TEST(IntList, IndexErrorsOutsideTheList) {
  TIntList list(0, 0);
  list.Add(1);
  EXPECT_THROW(list.GetInteger(1), EListError);
  EXPECT_THROW(list.SetInteger(-1, 0), EListError);
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_THROW(list.Insert(2, 0), EListError);
  list.Insert(1, 2);  // at the end is allowed
  EXPECT_EQ(list.StrValue(), "1,2");
}

TEST(IntList, StrValueReadsAndWritesCommaText) {
  TIntList list(1, 2);
  ChangeSpy spy;
  list.OnChange = spy.Handler();
  EXPECT_EQ(list.StrValue(), "");

  list.SetStrValue("1, 5,12");
  EXPECT_EQ(list.StrValue(), "1,5,12");
  EXPECT_EQ(spy.changes.size(), 3u);  // one Add per item; the clearing is silent

  // A bad item raises after the items before it were added.
  EXPECT_THROW(list.SetStrValue("7,x,8"), EConvertError);
  EXPECT_EQ(list.StrValue(), "7");

  list.SetStrValue("-3,2147483647");
  EXPECT_EQ(list.GetInteger(0), -3);
  EXPECT_TRUE(list.HasValue(2147483647));
  EXPECT_EQ(list.IndexOf(-3), 0);
  EXPECT_FALSE(list.HasValue(5));
}

TEST(IntList, SortMoveAndExchangeKeepEveryEntry) {
  TIntList list(0, 0);
  list.SetStrValue("4,1,3,2");
  list.Sort([](int a, int b) { return a - b; });
  EXPECT_EQ(list.StrValue(), "1,2,3,4");
  list.Move(0, 3);
  EXPECT_EQ(list.StrValue(), "2,3,4,1");
  list.Exchange(0, 3);
  EXPECT_EQ(list.StrValue(), "1,3,4,2");
}

TEST(SortIndexList, TextFormBothWays) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<std::pair<int, bool>> entries;  // column, ascending
    const char* saved;
  } cases[] = {
      {"two columns", "u2;d5", {{2, true}, {5, false}}, "u2;d5"},
      {"short and bad items skipped", "u2;;x;d15;u", {{2, true}, {15, false}}, "u2;d15"},
      {"only lower-case u ascends", "U3;a4", {{3, false}, {4, false}}, "d3;d4"},
      {"a column that is no number reads as 0", "uz", {{0, true}}, "u0"},
      {"empty", "", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSortIndexList list;
    list.AddIndex(99, true);  // loading replaces what was there
    list.LoadFromString(c.text);
    ASSERT_EQ(list.Count(), static_cast<int>(c.entries.size()));
    for (int i = 0; i < list.Count(); ++i) {
      EXPECT_EQ(list.SortColumns(i), c.entries[static_cast<size_t>(i)].first);
      EXPECT_EQ(list.SortDirections(i), c.entries[static_cast<size_t>(i)].second);
    }
    EXPECT_EQ(list.SaveToString(), c.saved);
  }
  // The text keeps the low 16 bits of the column.
  TSortIndexList wide;
  wide.AddIndex(70000, true);
  EXPECT_EQ(wide.SaveToString(), "u4464");
}

TEST(SortIndexList, DirectionBitAndColumnsAreIndependent) {
  TSortIndexList list;
  list.AddIndex(4, true);
  list.AddIndex(7, false);
  list.AddIndex(4, true);
  EXPECT_EQ(list.GetInteger(1), static_cast<int>(0x80000007u));
  EXPECT_EQ(list.FindIndex(7), 1);
  EXPECT_EQ(list.FindIndex(8), -1);

  list.ToggleIndex(4);  // only the first occurrence
  EXPECT_FALSE(list.SortDirections(0));
  EXPECT_TRUE(list.SortDirections(2));
  list.ToggleIndex(8);
  EXPECT_EQ(list.SaveToString(), "d4;d7;u4");

  list.SetSortColumns(1, 9);
  EXPECT_EQ(list.SortColumns(1), 9);
  EXPECT_FALSE(list.SortDirections(1));
  list.SetSortDirections(1, true);
  EXPECT_EQ(list.GetInteger(1), 9);
  list.SetSortDirections(1, false);
  EXPECT_EQ(list.SortColumns(1), 9);
}

TEST(ControlList, FindsControlsByCellAndByWindow) {
  test::TGuiKit kit;
  TWinControl panel(nullptr);
  TLabel label(nullptr);
  {
    TControlList list;
    list.AddControl(2, 5, &panel);
    list.AddControl(3, 1, &label);
    list.AddControl(2, 5, &label);
    EXPECT_EQ(list.ControlIndex(2, 5), 0);
    EXPECT_EQ(list.ControlIndex(3, 1), 1);
    EXPECT_EQ(list.ControlIndex(1, 1), -1);
    EXPECT_EQ(list.Control(1)->Control(), &label);
    EXPECT_TRUE(list.HasHandle(panel.Handle()));
    // A label has a handle here, but it is no windowed control.
    EXPECT_FALSE(list.HasHandle(label.Handle()));

    list.RemoveControl(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.HasHandle(panel.Handle()));
    EXPECT_THROW(list.GetControl(2), EListError);
  }
  // The list freed its items, not the controls.
  EXPECT_NE(panel.Handle(), 0u);
  EXPECT_TRUE(IsWindow(label.Handle()));
}

TEST(FilePicture, KeepsNameAndSizeAndDrawsFromTheFile) {
  testkit::TempFolder tmp;
  TBitmap bmp(4, 2);
  bmp.Canvas().Brush().Color = clRed;
  bmp.Canvas().FillRect(Rect(0, 0, 4, 2));
  const std::string path = tmp.File("red.bmp");
  bmp.SaveToFile(path);

  TFilePicture pic;
  pic.SetFilename(path);
  EXPECT_EQ(pic.Filename(), path);
  EXPECT_EQ(pic.Width(), 4);
  EXPECT_EQ(pic.Height(), 2);

  TBitmap target(10, 10);
  target.Canvas().Brush().Color = clWhite;
  target.Canvas().FillRect(Rect(0, 0, 10, 10));
  pic.DrawPicture(target.Canvas(), Rect(2, 2, 10, 6));
  EXPECT_EQ(target.Canvas().Pixel(9, 5), clRed);
  EXPECT_EQ(target.Canvas().Pixel(9, 6), clWhite);

  TFilePicture copy;
  copy.Assign(&pic);
  EXPECT_EQ(copy.Filename(), path);
  EXPECT_EQ(copy.Width(), 4);
  TPersistent other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);

  // A missing file raises; the sizes never stay those of the earlier file.
  EXPECT_THROW(pic.SetFilename(tmp.File("missing.bmp")), EFOpenError);
  EXPECT_EQ(pic.Width(), 0);
  TFilePicture empty;
  empty.DrawPicture(target.Canvas(), Rect(0, 0, 10, 10));  // no name: nothing drawn
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clWhite);
}

TEST(FileStringList, ReadsLinesAndWritesPieces) {
  TFileStringList f;
  f.Write("a");
  f.Write("b");
  f.WriteLn("c");
  f.WriteLn("d");
  EXPECT_EQ(f.Count(), 2);
  EXPECT_EQ(f[0], "abc");
  EXPECT_EQ(f[1], "d");

  f.Write("pending");
  f.Reset();  // rewinds and forgets the pending text
  f.WriteLn("e");
  std::string line;
  std::vector<std::string> read;
  while (!f.Eof()) {
    f.ReadLn(line);
    read.push_back(line);
  }
  EXPECT_EQ(read, (std::vector<std::string>{"abc", "d", "e"}));
  EXPECT_THROW(f.ReadLn(line), EStringListError);
}

}  // namespace
}  // namespace hd
