// Workbooks, documents and databases on an in-memory grid, through the office stand-in.
#include "grid/dataops/exchange/office_exchange.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "grid/foundation/grid_types.h"
#include "platform/office.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

std::string Fixture(const std::string& Name) {
  return std::string(HD_TEST_DATA_DIR) + "/office/" + Name;
}

Texts Sheets(TGridDataHost& Host, const std::string& File) {
  auto list = TGridOffice(Host).GetXLSSheets(File);
  Texts out;
  for (int i = 0; i < list->Count(); ++i) out.push_back(list->Strings(i));
  return out;
}

// A grid of "old" texts, so that what a load leaves alone shows.
TMemoryGridHost OldGrid(int Cols, int Rows_) {
  return TMemoryGridHost(Rows(static_cast<std::size_t>(Rows_), Texts(static_cast<std::size_t>(Cols), "old")));
}

TEST(OfficeExchangeTest, UsedRangeAddressesParse) {
  struct TCase {
    std::string address;
    TSheetRange range;
  };
  const std::vector<TCase> cases = {
      {"$B$2:$D$10", {2, 2, 4, 10, false}},
      {"$1:$10", {1, 1, 256, 10, false}},
      {"$C$7", {3, 7, 3, 7, true}},
      {"A1", {1, 1, 1, 1, true}},
      {"$AB$3:$ZZ$4", {28, 3, 702, 4, false}},
      {"$b$2:$d$3", {2, 2, 4, 3, false}},
      {"$ABC$1:$B$2", {-1, 1, 2, 2, false}},  // three letters are not read
      {"$A$x:$B$2", {1, -1, 2, 2, false}},
      {"$A$1:$2$", {1, 1, -1, -1, false}},
      {"$1:$x", {1, 1, 256, -1, false}},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseSheetAddress(c.address), c.range) << c.address;
}

TEST(OfficeExchangeTest, ColumnsAreWrittenWithOneOrTwoLetters) {
  const std::vector<std::pair<int, std::string>> cases = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}};
  for (const auto& [col, letters] : cases) {
    EXPECT_EQ(SheetColumnLetters(col), letters) << col;
    EXPECT_EQ(ParseSheetAddress("$" + letters + "$1").C1, col) << letters;
  }
  EXPECT_EQ(SheetRangeText(2, 2, 4, 5), "B2:D5");
}

// book.xlsx's active sheet is "Data", used range B2:D5, with a formula error in D4 and an
// empty C4.
TEST(OfficeExchangeTest, WorkbookLoadsRightOfTheFixedCellsAsTheSwitchesSay) {
  struct TCase {
    bool fixedCells, fixedRows, fixedCols;
    int colOffset, rowOffset;
  };
  const std::vector<TCase> cases = {
      {true, false, false, 0, 0},
      {false, false, false, 1, 1},
      {false, true, false, 1, 0},
      {false, false, true, 0, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.colOffset) + "," + std::to_string(c.rowOffset) + (c.fixedRows ? " rows" : "") +
                 (c.fixedCols ? " cols" : ""));
    TMemoryGridHost host = OldGrid(6, 7);
    host.fixedCols = 1;
    host.options.SaveFixedCells = c.fixedCells;
    host.options.SaveFixedRows = c.fixedRows;
    host.options.SaveFixedCols = c.fixedCols;
    TGridOffice(host).LoadXLS(Fixture("book.xlsx"), "");
    EXPECT_EQ(host.ColCount(), 3 + c.colOffset);
    EXPECT_EQ(host.RowCount(), 4 + c.rowOffset);
    EXPECT_EQ(host.FixedCols(), 1);
    EXPECT_EQ(host.FixedRows(), 1);
    const int x = c.colOffset, y = c.rowOffset;
    EXPECT_EQ(host.Text(x, y), "Name");
    EXPECT_EQ(host.Text(x + 2, y), "Ratio");
    EXPECT_EQ(host.Text(x + 1, y + 1), "3");
    EXPECT_EQ(host.Text(x + 2, y + 1), "0.5");
    EXPECT_EQ(host.Text(x + 1, y + 2), "");     // empty source cell clears
    EXPECT_EQ(host.Text(x + 2, y + 2), "old");  // formula error keeps the cell
    EXPECT_EQ(host.Text(x + 2, y + 3), "True");
    EXPECT_EQ(host.cellsChanged, 1);
    EXPECT_EQ(host.allCellsChanged, 1);
    ASSERT_FALSE(host.cursors.empty());
    EXPECT_EQ(host.cursors.front(), crHourGlass);
    EXPECT_EQ(host.cursor, crDefault);
  }
}

TEST(OfficeExchangeTest, NamedSheetsAndFailuresOfTheReader) {
  TMemoryGridHost host = OldGrid(2, 2);
  EXPECT_EQ(Sheets(host, Fixture("book.xlsx")), (Texts{"First", "Data"}));
  TGridOffice(host).LoadXLS(Fixture("book.xlsx"), "First");  // a single used cell
  EXPECT_EQ(host.ColCount(), 1);
  EXPECT_EQ(host.RowCount(), 1);
  EXPECT_EQ(host.Text(0, 0), "only");

  try {
    TGridOffice(host).LoadXLS(Fixture("book.xlsx"), "Nope");
    FAIL() << "a missing sheet loaded";
  } catch (const EExtGridError& e) {
    EXPECT_STREQ(e.what(), "Excel worksheet Nope not found");
  }
  EXPECT_EQ(host.cellsChanged, 2);  // the failed load still tells the grid
  EXPECT_EQ(host.cursor, crDefault);

  testkit::TempFolder dir;
  EXPECT_THROW(TGridOffice(host).LoadXLS(dir.Write("text.xlsx", "not a workbook"), ""), EOleError);
  EXPECT_THROW(TGridOffice(host).LoadXLS(dir.File("missing.xlsx"), ""), EOleError);
  EXPECT_EQ(host.cursor, crDefault);
}

TEST(OfficeExchangeTest, LegacyWorkbookReads) {
  TMemoryGridHost host = OldGrid(1, 1);
  EXPECT_EQ(Sheets(host, Fixture("book.xls")), (Texts{"Alpha", "Beta"}));
  TGridOffice(host).LoadXLS(Fixture("book.xls"), "");
  EXPECT_EQ(host.Column(0), (Texts{"id", "1", "2.5"}));
  EXPECT_EQ(host.Column(1), (Texts{"label", "one", "two"}));
  TGridOffice(host).LoadXLS(Fixture("book.xls"), "Beta");
  EXPECT_EQ(host.Text(0, 0), "b");
}

TEST(OfficeExchangeTest, WrittenSheetsListAndReadBack) {
  testkit::TempFolder dir;
  const std::string file = dir.File("out.xls");  // written as .xlsx whatever the name
  TMemoryGridHost host(Rows{{"h", "x"}, {"a\r\nb", "caf\xC3\xA9"}, {"1.5", "<&>"}});
  TGridOffice(host).SaveXLS(file, "Out", true);
  EXPECT_EQ(dir.Read("out.xls").substr(0, 2), "PK");
  EXPECT_EQ(Sheets(host, file), (Texts{"Out", "Sheet1"}));
  ASSERT_EQ(host.exports.size(), 5u);
  EXPECT_EQ(host.exports.front(), std::make_pair(esExportStart, 0));
  EXPECT_EQ(host.exports[1], std::make_pair(esExportNextRow, 0));
  EXPECT_EQ(host.exports.back(), std::make_pair(esExportDone, -1));

  TMemoryGridHost second(Rows{{"s"}});
  TGridOffice(second).SaveXLS(file, "Second", true);
  TGridOffice(second).SaveXLS(file, "Out", true);  // an existing sheet is written over from A1
  EXPECT_EQ(Sheets(host, file), (Texts{"Second", "Out", "Sheet1"}));

  TMemoryGridHost back = OldGrid(1, 1);
  TGridOffice(back).LoadXLS(file, "Out");
  EXPECT_EQ(back.Column(0), (Texts{"s", "a\nb", "1.5"}));
  EXPECT_EQ(back.Column(1), (Texts{"x", "caf\xC3\xA9", "<&>"}));
  TGridOffice(back).LoadXLS(file, "Second");
  EXPECT_EQ(back.Text(0, 0), "s");

  // Without fixed cells the writer starts at the first normal row and column.
  TMemoryGridHost part(Rows{{"f", "h"}, {"r", "v"}});
  part.fixedCols = 1;
  part.options.SaveFixedCells = false;
  TGridOffice(part).SaveXLS(dir.File("part.xlsx"), "", true);
  TMemoryGridHost partBack = OldGrid(1, 1);
  TGridOffice(partBack).LoadXLS(dir.File("part.xlsx"), "");
  EXPECT_EQ(partBack.Column(0), (Texts{"v"}));
  EXPECT_EQ(Sheets(part, dir.File("part.xlsx")), (Texts{"Sheet1"}));
}

TEST(OfficeExchangeTest, AWorkbookNotWrittenIsAnErrorAndNothingIsLost) {
  testkit::TempFolder dir;
  TMemoryGridHost host(Rows{{"a"}});
  const std::string notBook = dir.Write("notes.xlsx", "my notes");
  EXPECT_THROW(TGridOffice(host).SaveXLS(notBook, "Sheet", true), EExtGridError);
  EXPECT_EQ(dir.Read("notes.xlsx"), "my notes");
  EXPECT_THROW(TGridOffice(host).SaveXLS(dir.File("no/such/folder.xlsx"), "", true), EExtGridError);
  EXPECT_THROW(TGridOffice(host).SaveXLS(dir.File("no/such/folder.xlsx"), "S", true), EExtGridError);
  EXPECT_EQ(host.cursor, crDefault);
}

std::string Body(const std::string& File) { return TWordDocument::Open(File)->BodyXml(); }

TEST(OfficeExchangeTest, DocumentTablesAtTheStartABookmarkOrTheEnd) {
  testkit::TempFolder dir;
  TMemoryGridHost host(Rows{{"h1", "h2"}, {"left", "12"}});
  host.windowText = "Grid title";
  host.alignments[1] = taRightJustify;
  TGridOffice(host).SaveDOC(dir.File("new.docx"), true, false, "");
  const std::string made = Body(dir.File("new.docx"));
  const std::size_t table = made.find("<w:tbl>"), title = made.find("Grid title");
  ASSERT_NE(table, std::string::npos);
  EXPECT_LT(table, title);  // the table at the start, the title typed after it
  EXPECT_NE(made.find("<w:tc><w:p><w:r><w:t xml:space=\"preserve\">h1</w:t></w:r></w:p></w:tc>"), std::string::npos);
  EXPECT_NE(made.find("<w:p><w:pPr><w:jc w:val=\"right\"/></w:pPr><w:r><w:t xml:space=\"preserve\">12</w:t>"),
            std::string::npos)
      << made;
  EXPECT_EQ(host.exports.front(), std::make_pair(esExportStart, 0));
  EXPECT_EQ(host.exports.back(), std::make_pair(esExportDone, -1));

  const std::string marked = dir.File("marked.docx");
  std::filesystem::copy_file(Fixture("bookmarked.docx"), marked);
  TGridOffice(host).SaveDOC(marked, false, true, "Here");
  std::string body = Body(marked);
  EXPECT_LT(body.find("Grid title"), body.find("Intro"));  // typed at the document's start
  EXPECT_LT(body.find("Intro"), body.find("<w:tbl>"));
  EXPECT_LT(body.find("<w:tbl>"), body.find("Marked"));
  EXPECT_LT(body.find("Marked"), body.find("Outro"));

  TGridOffice(host).SaveDOC(marked, false, true, "Elsewhere");
  body = Body(marked);
  const std::size_t second = body.find("<w:tbl>", body.find("<w:tbl>") + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(body.find("Outro"), second);  // no such bookmark: at the end
  EXPECT_LT(second, body.find("<w:sectPr"));
  EXPECT_NE(body.find("<w:p/>", second), std::string::npos);  // a paragraph closes the body
  // The package's other parts stay.
  EXPECT_NO_THROW(TWordDocument::Open(marked));
  EXPECT_EQ(host.cursor, crDefault);
}

TEST(OfficeExchangeTest, DatabaseQueryGrowsTheGridWithoutARecordCount) {
  TMemoryGridHost host = OldGrid(1, 2);
  host.fixedCols = 1;
  TGridOffice(host).LoadMDB(Fixture("people.sqlite"), "SELECT * FROM people ORDER BY id");
  EXPECT_EQ(host.ColCount(), 4);
  EXPECT_EQ(host.RowCount(), 4);
  EXPECT_EQ(host.rows[0].texts, (Texts{"old", "id", "name", "note"}));
  EXPECT_EQ(host.rows[1].texts, (Texts{"old", "1", "Ann", "first"}));
  EXPECT_EQ(host.rows[2].texts, (Texts{"", "2", "Bob", ""}));  // a null field reads empty
  EXPECT_EQ(host.rows[3].texts, (Texts{"", "3", "Cy", "x\ny"}));
  EXPECT_EQ(host.cellsChanged, 0);

  TDbConnection c;
  c.Open("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + Fixture("people.sqlite"));
  TDbRecordSet rs;
  rs.SetActiveConnection(c);
  rs.Open("SELECT name FROM people");
  EXPECT_EQ(rs.RecordCount(), -1);  // the forward-only path above was the one taken

  EXPECT_THROW(TGridOffice(host).LoadMDB(Fixture("people.sqlite"), "SELECT * FROM nowhere"), EOleError);
  EXPECT_EQ(TDbConnection::DriverConnectionString("Driver={Microsoft Access Driver (*.mdb)};DBQ=/x/a.mdb"),
            "Driver=MDBTools;DBQ=/x/a.mdb;");
}

}  // namespace
}  // namespace hd::test
