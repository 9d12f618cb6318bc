// Delimited text files: the field rules, the delimiter guess, the reading rules, and loads
// and saves on an in-memory grid.
#include "grid/dataops/files/csv.h"

#include <gtest/gtest.h>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using Fields = std::vector<std::string>;

TEST(CsvTest, FieldsAreQuotedAndTheirLineBreaksEncoded) {
  struct Case {
    const char* name;
    std::string text;
    TCsvWriteRules rules;
    std::string field;
  };
  const TCsvWriteRules plain;
  TCsvWriteRules always = plain, java = plain, semicolon = plain, bare = plain;
  always.AlwaysQuotes = true;
  java.JavaCSV = true;
  semicolon.Delimiter = ';';
  bare.QuoteEmptyCells = false;
  const Case cases[] = {
      {"plain", "a", plain, "a"},
      {"empty", "", plain, "\"\""},
      {"empty without QuoteEmptyCells", "", bare, ""},
      {"delimiter", "b,c", plain, "\"b,c\""},
      {"quotes doubled", "say \"hi\"", plain, "\"say \"\"hi\"\"\""},
      {"quote and delimiter", "a,\"b", plain, "\"a,\"\"b\""},
      {"line break", "x\r\ny", plain, "\"x\vy\""},
      {"bare line feed kept inside quotes", "x\ny", plain, "\"x\ny\""},
      {"quote and line break", "\"x\r\ny", plain, "\"\"\"x\ny\""},
      {"always quotes", "a", always, "\"a\""},
      {"always quotes, empty", "", always, "\"\""},
      {"always quotes, line break", "x\r\ny", always, "\"x\ny\""},
      {"other delimiter", "b,c", semicolon, "b,c"},
      {"JavaCSV line break", "x\r\ny", java, "x~y"},
      {"JavaCSV empty", "", java, "^"},
      {"JavaCSV delimiter", "b,c\r\nd", java, "\"b,c~d\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CsvField(c.text, c.rules), c.field);
  }
}

TEST(CsvTest, DelimiterGuessedFromTheFirstTwoLines) {
  struct Case {
    const char* line1;
    const char* line2;
    char delimiter;
  };
  const Case cases[] = {
      {"1;2;3", "4;5;6", ';'},          // equal counts in both lines
      {"a,b;c", "", ','},               // a tie goes to the earlier candidate
      {"a;b;c,d", "e;f;g", ';'},        // ";" counts the same in both lines
      {"a||b|c", "d||e|f", '|'},        // doubled ones count only in the plain pass
      {"a\tb\tc", "d,e", '\t'},         // no equal counts: the most in either line
      {"x", "y", '\0'},                 // nothing to guess from
      {"a&b", "c&d", '&'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line1);
    EXPECT_EQ(GuessCsvDelimiter(c.line1, c.line2), c.delimiter);
  }
}

TEST(CsvTest, LinesSplitIntoFields) {
  struct Case {
    const char* name;
    std::string line;
    Fields fields;
    bool java = false;
  };
  const Case cases[] = {
      {"plain", "a,b,c", {"a", "b", "c"}},
      {"ends with the delimiter", "a,b,", {"a", "b"}},
      {"empty line", "", {}},
      {"empty middle field", "a,,c", {"a", "", "c"}},
      {"quoted with delimiter and quotes", "\"b,c\",\"say \"\"hi\"\"\"", {"b,c", "say \"hi\""}},
      {"two quotes are empty", "\"\",x", {"", "x"}},
      {"leading blanks dropped", "  x,  y", {"x", "y"}},
      {"a last blank stays", "a, ", {"a", " "}},
      {"text after a closing quote dropped", "\"a\"zz,b", {"a", "b"}},
      {"unclosed quote is an empty field", "\"abc,d", {"", "d"}},
      {"vertical tab is a line break", "\"x\vy\",z", {"x\r\ny", "z"}},
      {"JavaCSV tilde and caret", "x~y,^,\"b,c~d\"", {"x\r\ny", "", "b,c\r\nd"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitCsvLine(c.line, ',', c.java), c.fields);
  }
  EXPECT_EQ(SplitCsvLine("a,b", '\0', false), Fields{"a,b"});
  // A line break inside an open quoted field joins the physical lines.
  EXPECT_EQ(CsvLines("a,\"x\ny\",b\r\nc\r\n\r\n"), (Fields{"a,\"x\r\ny\",b", "c", ""}));
}

TEST(CsvTest, SaveIsByteExactAndReadsBackEveryCell) {
  TMemoryGridHost host(Rows{{"a", "", "b,c", "say \"hi\""}, {"x\r\ny", "\"q\"\r\nr", "é", "~^"}});
  testkit::TempFolder dir;
  TGridCsv(host).Save(dir.File("a.csv"), false, false);
  EXPECT_EQ(dir.Read("a.csv"),
            "a,\"\",\"b,c\",\"say \"\"hi\"\"\"\r\n\"x\vy\",\"\"\"q\"\"\nr\",\xE9,~^\r\n");
  TGridCsv(host).Save(dir.File("u.csv"), true, false);
  EXPECT_EQ(dir.Read("u.csv").substr(0, 5), "\xEF\xBB\xBF" "a,");

  for (const char* name : {"a.csv", "u.csv"}) {
    SCOPED_TRACE(name);
    TMemoryGridHost back(Rows{{""}});
    TGridCsv(back).LoadFile(dir.File(name), 0, false);
    EXPECT_EQ(back.rows.size(), host.rows.size());
    for (std::size_t r = 0; r < host.rows.size(); ++r) EXPECT_EQ(back.rows[r].texts, host.rows[r].texts);
    EXPECT_EQ(back.options.Delimiter, '\0');
  }
}

TEST(CsvTest, JavaCSVReadsBackFieldsWithTheDelimiterAndLineBreaks) {
  TMemoryGridHost host(Rows{{"b,c", "", "x\r\ny"}});
  host.options.JavaCSV = true;
  testkit::TempFolder dir;
  TGridCsv(host).Save(dir.File("j.csv"), false, false);
  EXPECT_EQ(dir.Read("j.csv"), "\"b,c\",^,x~y\r\n");
  TMemoryGridHost back(Rows{{""}});
  back.options.JavaCSV = true;
  back.options.Delimiter = ',';
  TGridCsv(back).LoadFile(dir.File("j.csv"), 0, false);
  EXPECT_EQ(back.rows[0].texts, host.rows[0].texts);
}

TEST(CsvTest, ReadsGrowTheGridAndNeverClearIt) {
  testkit::TempFolder dir;
  const std::string three = dir.Write("3.csv", "a;b;c\r\nd;e;f;g;h\r\ni;j\r\n");
  TMemoryGridHost host(Rows{{"h1", "h2"}, {"k", "k"}, {"k", "k"}, {"k", "k"}, {"k", "k"}});
  host.options.SaveFixedCells = false;
  TGridCsv(host).LoadFile(three, 0, false);
  EXPECT_EQ(host.ColCount(), 5);
  EXPECT_EQ(host.RowCount(), 4);
  EXPECT_EQ(host.Column(0), (Fields{"h1", "a", "d", "i"}));
  EXPECT_EQ(host.Text(4, 2), "h");
  EXPECT_EQ(host.Text(1, 3), "j");
  EXPECT_EQ(host.options.Delimiter, '\0');

  TMemoryGridHost skipped(Rows{{"h"}, {"k"}});
  skipped.options.SaveFixedCells = false;
  skipped.options.LoadFirstRow = false;
  TGridCsv(skipped).LoadFile(three, 1, false);
  EXPECT_EQ(skipped.Column(0), (Fields{"h", "d"}));

  std::string ten;
  for (int i = 0; i < 10; ++i) ten += std::to_string(i) + ",x\r\n";
  TMemoryGridHost limited(Rows{{"h", "h"}, {"k", "k"}, {"f", "f"}});
  limited.options.SaveFixedCells = false;
  limited.fixedFooters = 1;
  TGridCsv(limited).LoadFile(dir.Write("10.csv", ten), 2, false);
  EXPECT_EQ(limited.RowCount(), 1 + 2 + 1);
}

TEST(CsvTest, EmptyInputs) {
  testkit::TempFolder dir;
  TMemoryGridHost host(Rows{{"a"}});
  TGridCsv(host).LoadFile(dir.Write("0.csv", ""), 0, false);
  EXPECT_EQ(host.Text(0, 0), "a");
  try {
    TGridCsv(host).LoadFile(dir.Write("bom.csv", "\xEF\xBB\xBF"), 0, false);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "File is empty");
  }
  EXPECT_EQ(host.Text(0, 0), "a");
  EXPECT_THROW(TGridCsv(host).Save(dir.File("missing.csv"), false, true), EFOpenError);
  EXPECT_THROW(TGridCsv(host).LoadFile(dir.File("missing.csv"), 0, false), EFOpenError);
}

// The footer row set aside for an insert gets a row of its own below the new lines.
TEST(CsvTest, InsertBelowTheLastRowKeepsTheFloatingFooterLast) {
  TMemoryGridHost host(Rows{{"h", "h"}, {"1", "2"}, {"sum", "3"}});
  host.floatingFooter = true;
  TObject footerObject;
  host.SetCellObject(0, 2, &footerObject);
  testkit::TempFolder dir;
  TGridCsv(host).LoadFile(dir.Write("i.csv", "a,b\r\nc,d\r\n"), 0, true);
  EXPECT_EQ(host.Column(0), (Fields{"h", "1", "a", "c", "sum"}));
  EXPECT_EQ(host.CellObject(0, 4), &footerObject);
  EXPECT_EQ(host.CellObject(0, 2), nullptr);
}

TEST(CsvTest, AppendKeepsTheFileInFrontAndOemConvertsTexts) {
  TMemoryGridHost host(Rows{{"ä", "b"}});
  host.options.OemConvert = true;
  testkit::TempFolder dir;
  TGridCsv(host).Save(dir.Write("o.csv", "old\r\n"), false, true);
  EXPECT_EQ(dir.Read("o.csv"), "old\r\n\x84,b\r\n");
  TMemoryGridHost back(Rows{{""}});
  back.options.OemConvert = true;
  back.options.LoadFirstRow = false;
  TGridCsv(back).LoadFile(dir.File("o.csv"), 0, false);
  EXPECT_EQ(back.rows[0].texts, (Fields{"ä", "b"}));
}

TEST(CsvTest, StreamReadsFromItsPositionAndReportsProgress) {
  TMemoryGridHost host(Rows{{""}});
  host.trackProgress = true;
  TMemoryStream stream(std::string("skip|a|b\r\nc|d\r\n"));
  stream.SetPosition(5);
  TGridCsv(host).LoadStream(stream, 0);
  EXPECT_EQ(host.rows[0].texts, (Fields{"a", "b"}));
  EXPECT_EQ(host.rows[1].texts, (Fields{"c", "d"}));
  EXPECT_EQ(host.progress, (std::vector<int>{50, 100}));
}

}  // namespace
}  // namespace hd::test
