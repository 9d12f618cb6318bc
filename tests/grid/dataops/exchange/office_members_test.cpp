// The office exchange members through a real grid: one test per operation.
#include <gtest/gtest.h>

#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/office.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Texts = std::vector<std::string>;

std::string Fixture(const std::string& Name) { return std::string(HD_TEST_DATA_DIR) + "/office/" + Name; }

class OfficeMembersTest : public StringGridTest {
 protected:
  Texts Row(int ARow) {
    Texts out;
    for (int c = 0; c < grid->ColCount(); ++c) out.push_back(grid->Cells(c, ARow));
    return out;
  }
  testkit::TempFolder dir;
};

TEST_F(OfficeMembersTest, WorkbookSheetsWrittenListedAndLoaded) {
  grid->SetColCount(2);
  grid->SetRowCount(3);
  const Texts texts{"h0", "h1", "a", "1", "b", "2"};
  for (int i = 0; i < 6; ++i) grid->SetCells(i % 2, i / 2, texts[static_cast<std::size_t>(i)]);
  const std::string file = dir.File("grid.xlsx");
  grid->SaveToXLSSheet(file, "Grid");
  grid->SaveToXLS(dir.File("plain.xlsx"));
  auto sheets = grid->GetXLSSheets(file);
  ASSERT_EQ(sheets->Count(), 2);
  EXPECT_EQ(sheets->Strings(0), "Grid");

  for (int i = 0; i < 6; ++i) grid->SetCells(i % 2, i / 2, "");
  grid->LoadFromXLSSheet(file, "Grid");
  EXPECT_EQ(Row(0), (Texts{"h0", "h1"}));
  EXPECT_EQ(Row(2), (Texts{"b", "2"}));
  grid->LoadFromXLS(dir.File("plain.xlsx"));
  EXPECT_EQ(Row(1), (Texts{"a", "1"}));
  grid->LoadFromXLS(Fixture("book.xlsx"));  // the active sheet, B2 at the top left cell
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->Cells(0, 0), "Name");
  EXPECT_THROW(grid->LoadFromXLSSheet(file, "Missing"), EExtGridError);
}

TEST_F(OfficeMembersTest, DocumentWrittenAndAppendedTo) {
  grid->SetColCount(2);
  grid->SetRowCount(2);
  grid->SetCells(1, 1, "cell");
  const std::string file = dir.File("grid.docx");
  grid->SaveToDOC(file);
  grid->AppendToDoc(file, "");
  const std::string body = TWordDocument::Open(file)->BodyXml();
  const std::size_t first = body.find("<w:tbl>");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(body.find("<w:tbl>", first + 1), std::string::npos);
  EXPECT_NE(body.find(">cell</w:t>"), std::string::npos);
}

TEST_F(OfficeMembersTest, DatabaseTableAndQueryLoad) {
  grid->SetColCount(2);
  grid->SetRowCount(2);
  grid->LoadFromMDBTable(Fixture("people.sqlite"), "people");
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(Row(0), (Texts{"", "id", "name", "note"}));
  EXPECT_EQ(grid->Cells(2, 2), "Bob");
  grid->LoadFromMDBSQL(Fixture("people.sqlite"), "SELECT name FROM people WHERE id = 3");
  EXPECT_EQ(grid->Cells(1, 1), "Cy");
  EXPECT_THROW(grid->LoadFromMDBTable(Fixture("people.sqlite"), "nowhere"), EOleError);
}

}  // namespace
}  // namespace hd::test
