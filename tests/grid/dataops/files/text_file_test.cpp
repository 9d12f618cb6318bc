// The grid's text file and stream, and the save range they share with every export.
#include "grid/dataops/files/text_file.h"

#include <gtest/gtest.h>

#include "grid/dataops/files/save_range.h"
#include "grid/dataops/testkit/memory_grid_host.h"
#include "platform/exceptions.h"
#include "platform/text_file.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// UTF-16LE bytes of an ASCII text.
std::string Wide(const std::string& Ascii) {
  std::string out;
  for (char c : Ascii) out += std::string{c, '\0'};
  return out;
}

TEST(TextFileTest, FileIsByteExactAndLoadsBackWithOrWithoutItsLineBreaks) {
  TMemoryGridHost host(Rows{{"h", "", ""}, {"", "", "a\r\nb"}, {"", "x", ""}});
  host.SetColWidth(1, 80);
  testkit::TempFolder dir;
  TGridTextFile(host).SaveToFile(dir.File("g.txt"), false);
  EXPECT_EQ(dir.Read("g.txt"),
            "3,3\r\ncw 0,64\r\ncw 1,80\r\ncw 2,64\r\n0,0,h\r\n2,1,a\t\bb\r\n1,2,x\r\n");
  TGridTextFile(host).SaveToFile(dir.File("w.txt"), true);
  EXPECT_EQ(dir.Read("w.txt").substr(0, 10), "\xFF\xFE" + Wide("3,3\r\n").substr(0, 8));
  EXPECT_EQ(DecodeText(dir.Read("w.txt")), DecodeText(dir.Read("g.txt")));

  for (bool multi : {true, false}) {
    SCOPED_TRACE(multi ? "Multilinecells" : "first lines only");
    TMemoryGridHost back(Rows{{"keep"}});
    back.options.Multilinecells = multi;
    TGridTextFile(back).LoadFromFile(dir.File("w.txt"));
    EXPECT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.ColCount(), 3);
    EXPECT_EQ(back.Text(0, 0), "h");
    EXPECT_EQ(back.Text(2, 1), multi ? "a\r\nb" : "a");
    EXPECT_EQ(back.Text(1, 2), "x");
    EXPECT_EQ(back.ColWidth(1), 80);
    EXPECT_EQ(back.allCellsChanged, 1);
  }
}

TEST(TextFileTest, RangeWithoutFixedCellsComesBackAtTheSameIndexes) {
  TMemoryGridHost host(Rows{{"", "", "", "", ""}, {"", "a", "", "", "b"}, {"", "", "", "", ""}, {"", "", "c", "", ""}});
  host.fixedCols = 1;
  host.options.SaveFixedCells = false;
  const TSaveRange range = SaveRangeOf(host);
  EXPECT_EQ((std::vector<int>{range.StartCol, range.EndCol, range.ColCount, range.StartRow, range.EndRow, range.RowCount}),
            (std::vector<int>{1, 4, 4, 1, 3, 3}));
  testkit::TempFolder dir;
  TGridTextFile(host).SaveToFile(dir.File("g.txt"), false);
  EXPECT_EQ(SplitLines(dir.Read("g.txt"))[0], "4,3");

  TMemoryGridHost back(Rows{{"", ""}, {"", ""}});
  back.fixedCols = 1;
  back.options.SaveFixedCells = false;
  TGridTextFile(back).LoadFromFile(dir.File("g.txt"));
  EXPECT_EQ(back.ColCount(), 5);
  EXPECT_EQ(back.RowCount(), 4);
  EXPECT_EQ(back.Text(1, 1), "a");
  EXPECT_EQ(back.Text(4, 1), "b");
  EXPECT_EQ(back.Text(2, 3), "c");
}

// Lines of a file are read leniently and never clear what they do not name.
TEST(TextFileTest, FileLinesReadLeniently) {
  struct Case {
    const char* line;
    int col, row;
    const char* text;  // null: nothing stored
  };
  const Case cases[] = {
      {"7", 0, 0, "7"},
      {"abc", 0, 0, "abc"},
      {" $2, 0x1 ,t,u", 2, 1, "t,u"},
      {"+1,2z,", 1, 2, ""},
      {"-1,0,out", 0, 0, nullptr},
      {"1,9,out", 0, 0, nullptr},
  };
  testkit::TempFolder dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TMemoryGridHost host(Rows{{"k", "k", "k"}, {"k", "k", "k"}, {"k", "k", "k"}});
    TGridTextFile(host).LoadFromFile(dir.Write("g.txt", std::string("3,3\r\n") + c.line + "\r\n"));
    int changed = 0;
    for (int col = 0; col < 3; ++col)
      for (int row = 0; row < 3; ++row)
        if (host.Text(col, row) != "k") ++changed;
    EXPECT_EQ(changed, c.text && std::string(c.text) != "k" ? 1 : 0);
    if (c.text) {
      EXPECT_EQ(host.Text(c.col, c.row), c.text);
    }
  }
  TMemoryGridHost host(Rows{{"k", "k"}});
  TGridTextFile(host).LoadFromFile(dir.Write("w.txt", "2,1\r\ncw 1,$20\r\ncw 5,9\r\n"));
  EXPECT_EQ(host.ColWidth(1), 32);
  EXPECT_LT(host.widths.size(), 6u);
}

TEST(TextFileTest, EmptyFilesChangeNothingAndNoCellsFail) {
  testkit::TempFolder dir;
  for (const char* bytes : {"", "\r\n1,0,x\r\n"}) {
    TMemoryGridHost host(Rows{{"a", "b"}});
    TGridTextFile(host).LoadFromFile(dir.Write("e.txt", bytes));
    EXPECT_EQ(host.ColCount(), 2);
    EXPECT_EQ(host.RowCount(), 1);
    EXPECT_EQ(host.Text(1, 0), *bytes ? "x" : "b");
  }
  TMemoryGridHost host(Rows{{"a", "b"}});
  const std::string name = dir.Write("z.txt", "0,0\r\n0,0,x\r\n");
  try {
    TGridTextFile(host).LoadFromFile(name);
    FAIL() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "File contains no data or corrupt file " + name);
  }
  EXPECT_THROW(TGridTextFile(host).LoadFromFile(dir.File("missing.txt")), EFOpenError);
}

TEST(TextFileTest, StreamStopsInFrontOfTheDataThatFollows) {
  TMemoryGridHost host(Rows{{"", "", ""}, {"", "a", "b"}, {"", "", "c\r\nd"}});
  host.fixedCols = 1;
  host.options.SaveFixedCells = false;
  host.SetColWidth(0, 10);
  TMemoryStream stream(std::string("PRE"));
  stream.Seek(0, soEnd);
  TGridTextFile(host).SaveToStream(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  stream.WriteString("TAIL");
  EXPECT_EQ(stream.Bytes(), "PRE" + Wide("2,2\r\ncw 0,10\r\ncw 1,64\r\ncw 2,64\r\n0,0,a\r\n1,0,b\r\n1,1,c\t\bd\r\n") + "TAIL");

  TMemoryGridHost back(Rows{{"", ""}, {"", ""}});
  back.fixedCols = 1;
  back.options.SaveFixedCells = false;
  back.options.Multilinecells = true;
  stream.SetPosition(3);
  TGridTextFile(back).LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), stream.Size() - 4);
  EXPECT_EQ(back.ColCount(), 3);
  EXPECT_EQ(back.RowCount(), 3);
  EXPECT_EQ(back.Text(1, 1), "a");
  EXPECT_EQ(back.Text(2, 2), "c\r\nd");
  EXPECT_EQ(back.ColWidth(0), 10);
}

TEST(TextFileTest, StreamNumbersAreStrict) {
  TMemoryGridHost host(Rows{{"", ""}, {"", ""}});
  TMemoryStream stream(Wide("2,2\r\n0,0,kept\r\ncw x,5\r\n1,1,never\r\n"));
  EXPECT_THROW(TGridTextFile(host).LoadFromStream(stream), EConvertError);
  EXPECT_EQ(host.Text(0, 0), "kept");
  EXPECT_EQ(host.Text(1, 1), "");
  EXPECT_EQ(host.allCellsChanged, 0);
}

TEST(TextFileTest, ProgressInWholePercentsOnlyOnAChange) {
  EXPECT_EQ(RoundedPercent(1, 8), 12);  // 12.5 to the even 12
  EXPECT_EQ(RoundedPercent(3, 8), 38);  // 37.5 to the even 38
  EXPECT_EQ(RoundedPercent(1, 3), 33);
  testkit::TempFolder dir;
  for (int rows : {1, 101, 201}) {
    SCOPED_TRACE(rows);
    TMemoryGridHost host(Rows(static_cast<std::size_t>(rows), std::vector<std::string>{"x"}));
    host.trackProgress = true;
    TGridTextFile(host).SaveToFile(dir.File("p.txt"), false);
    std::vector<int> expected;
    for (int p = 0; p <= (rows == 1 ? 0 : 100); ++p) expected.push_back(p);
    EXPECT_EQ(host.progress, expected);
    EXPECT_EQ(host.exports.front(), std::make_pair(esExportStart, 0));
    EXPECT_EQ(host.exports.back(), std::make_pair(esExportDone, -1));
    EXPECT_EQ(host.exports.size(), static_cast<std::size_t>(rows) + 2);
  }
}

TEST(TextFileTest, UsedCellsAndCellNumbers) {
  TMemoryGridHost empty(Rows{{"", ""}, {"", ""}});
  EXPECT_EQ(UsedCellsOf(empty), (TRect{0, 0, 0, 0}));
  TMemoryGridHost host(Rows{{"", "", "", ""}, {"", "", "1.5", ""}, {"", "-2", "", ""}, {"", "", "", ""}});
  EXPECT_EQ(UsedCellsOf(host), (TRect{1, 1, 2, 2}));
  host.SetStoredText(0, 0, "x");
  EXPECT_EQ(UsedCellsOf(host), (TRect{0, 0, 2, 2}));

  EXPECT_EQ(CellNumber(host, 3, 3), 0);
  EXPECT_EQ(CellNumber(host, 2, 1), 1.5);
  EXPECT_EQ(CellNumber(host, 1, 2), -2);
  host.SetStoredText(3, 2, "1.2.3");
  try {
    CellNumber(host, 3, 2);
    FAIL() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Error at position: 4 in Cell [3, 2].");
  }
}

}  // namespace
}  // namespace hd::test
