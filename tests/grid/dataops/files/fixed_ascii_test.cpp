// Fixed-width and ASCII files on an in-memory grid.
#include "grid/dataops/files/fixed_ascii.h"

#include <gtest/gtest.h>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

std::vector<int> Items(const TIntList& List) {
  std::vector<int> out;
  for (int i = 0; i < List.Count(); ++i) out.push_back(List.Items(i));
  return out;
}

TEST(FixedAsciiTest, FixedWidthsAppendedCutAndPadded) {
  TMemoryGridHost host(Rows{{"abc", "x"}, {"a", "abcdefg"}});
  testkit::TempFolder dir;
  TIntList positions(0, 0);
  TGridFixedAscii(host).SaveToFixed(dir.File("f.txt"), positions);
  EXPECT_EQ(Items(positions), (std::vector<int>{4, 8}));
  EXPECT_EQ(dir.Read("f.txt"), "abc x       \r\na   abcdefg \r\n");

  TIntList narrow(0, 0);
  narrow.Add(2);
  TGridFixedAscii(host).SaveToFixed(dir.File("n.txt"), narrow);
  EXPECT_EQ(Items(narrow), (std::vector<int>{2, 8}));
  EXPECT_EQ(dir.Read("n.txt"), "abx       \r\na abcdefg \r\n");
  EXPECT_EQ(host.exports.size(), 2u * 4u);
}

// A multi-line cell would split its record over two lines and shift every record after it.
TEST(FixedAsciiTest, FixedFieldKeepsLineBreaksOffTheRecord) {
  EXPECT_EQ(FixedField("a\r\nb\nc", 7), "a b c  ");
  EXPECT_EQ(FixedField("éé", 3), "éé ");
  EXPECT_EQ(FixedField("éèx", 2), "éè");
}

TEST(FixedAsciiTest, FixedLoadReadsBetweenSortedStarts) {
  testkit::TempFolder dir;
  const std::string file = dir.Write("f.txt", "abcd123456tail\r\n  x  y\r\nlast\r\n");
  TMemoryGridHost host(Rows{{"", ""}});
  host.fixedCols = 1;
  TIntList positions(0, 0);
  for (int p : {11, 1, 5}) positions.Add(p);
  TGridFixedAscii(host).LoadFromFixed(file, positions, true, -1);
  EXPECT_EQ(Items(positions), (std::vector<int>{1, 5, 11}));
  EXPECT_EQ(host.ColCount(), 3);
  EXPECT_EQ(host.RowCount(), 3);
  EXPECT_EQ(host.rows[0].texts, (Texts{"abcd", "123456", ""}));
  EXPECT_EQ(host.rows[1].texts, (Texts{"x", "y", ""}));
  EXPECT_EQ(host.rows[2].texts, (Texts{"last", "", ""}));

  TMemoryGridHost one(Rows{{"", ""}});
  TGridFixedAscii(one).LoadFromFixed(file, positions, false, 0);
  EXPECT_EQ(one.RowCount(), 1);
  EXPECT_EQ(one.rows[0].texts[0], "abcd");

  try {
    TGridFixedAscii(one).LoadFromFixed(dir.File("none.txt"), positions, true, -1);
    FAIL() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "File " + dir.File("none.txt") + " not found");
  }
  const std::string folder = dir.File("sub");
  dir.Write("sub/x", "");
  try {
    TGridFixedAscii(one).SaveToFixed(folder, positions);
    FAIL() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Cannot Create file " + folder);
  }
}

TEST(FixedAsciiTest, AsciiAlignsColumnsAndContinuesMultiLineCells) {
  TMemoryGridHost host(Rows{{"ab", "abc", "r", "x\r\nyy"}, {"abcd", "c", "right", "z"}});
  host.alignments = {{1, taCenter}, {2, taRightJustify}};
  host.options.Multilinecells = true;
  testkit::TempFolder dir;
  TGridFixedAscii(host).SaveToASCII(dir.File("a.txt"), false, false);
  // Widths 4, 3, 5 and 5 (the whole multi-line text in the memory grid).
  EXPECT_EQ(dir.Read("a.txt"),
            "ab   abc     r x     \r\n"
            "               yy\r\n"
            "abcd  c  right z     \r\n");
  EXPECT_EQ(host.cursors, (std::vector<TCursor>{crHourGlass, crDefault}));

  host.options.Multilinecells = false;
  TGridFixedAscii(host).SaveToASCII(dir.File("a.txt"), false, true);
  const std::string appended = dir.Read("a.txt");
  EXPECT_EQ(appended.substr(appended.find("abcd  c  right z     \r\n") + 23), "ab   abc     r x     \r\nabcd  c  right z     \r\n");
}

// A centred text of 3 in a column of 6 grows to 7 and takes no blank after it.
TEST(FixedAsciiTest, AlignedTexts) {
  EXPECT_EQ(AlignedText("abc", taCenter, 6), "  abc  ");
  EXPECT_EQ(AlignedText("ab", taCenter, 6), "  ab  ");
  EXPECT_EQ(AlignedText("ab", taRightJustify, 4), "  ab");
  EXPECT_EQ(AlignedText("ab", taLeftJustify, 4), "ab");
  EXPECT_EQ(AlignedText("abcdef", taRightJustify, 4), "abcdef");
}

// Widths are whole integers: a column longer than 255 characters keeps its layout.
TEST(FixedAsciiTest, AsciiColumnOfThreeHundredCharacters) {
  const std::string longText(300, 'w');
  TMemoryGridHost host(Rows{{longText, "a"}, {"b", "c"}});
  testkit::TempFolder dir;
  TGridFixedAscii(host).SaveToASCII(dir.File("l.txt"), true, false);
  std::string expected = longText + " a \r\nb" + std::string(300, ' ') + "c \r\n";
  std::string wide;
  for (char c : expected) wide += std::string{c, '\0'};
  EXPECT_EQ(dir.Read("l.txt"), "\xFF\xFE" + wide);
}

}  // namespace
}  // namespace hd::test
