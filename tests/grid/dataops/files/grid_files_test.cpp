// The text file members through a real grid: one test per operation.
#include <gtest/gtest.h>

#include "grid/foundation/lists.h"
#include "platform/bitmap.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/exceptions.h"
#include "platform/streams.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Texts = std::vector<std::string>;

// Counts what the grid tells a descendant about its exports.
class TExportingGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  void ExportNotification(TGridExportState AState, int ARow) override { states.emplace_back(AState, ARow); }
  std::vector<std::pair<TGridExportState, int>> states;
};

class GridFilesTest : public StringGridTest {
 protected:
  void Fill() {
    grid->SetRowCount(4);
    grid->SetColCount(3);
    const Texts texts{"h0", "h1", "h2", "r1", "a,b", "x\r\ny", "r2", "", "say \"hi\"", "r3", "1.5", "z"};
    for (int i = 0; i < 12; ++i) grid->SetCells(i % 3, i / 3, texts[static_cast<std::size_t>(i)]);
  }
  Texts All() {
    Texts out;
    for (int r = 0; r < grid->RowCount(); ++r)
      for (int c = 0; c < grid->ColCount(); ++c) out.push_back(grid->Cells(c, r));
    return out;
  }
  void Wipe() {
    for (int r = 0; r < grid->RowCount(); ++r)
      for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, r, "");
    grid->SetRowCount(2);
    grid->SetColCount(2);
  }
  testkit::TempFolder dir;
};

TEST_F(GridFilesTest, SaveRangeUsedCellsAndNumbers) {
  Fill();
  EXPECT_EQ((Texts{std::to_string(grid->SaveStartCol()), std::to_string(grid->SaveEndCol()),
                   std::to_string(grid->SaveStartRow()), std::to_string(grid->SaveRowCount())}),
            (Texts{"0", "2", "0", "4"}));
  grid->SetSaveFixedCells(false);
  grid->SetSaveFixedRows(true);
  EXPECT_EQ(grid->SaveStartCol(), 1);
  EXPECT_EQ(grid->SaveColCount(), 2);
  EXPECT_EQ(grid->SaveStartRow(), 0);
  EXPECT_EQ(grid->UsedCells(), (TRect{0, 0, 2, 3}));
  EXPECT_EQ(grid->CellToReal(1, 3), 1.5);
  EXPECT_THROW(grid->CellToReal(1, 1), EExtGridError);
}

TEST_F(GridFilesTest, TextFileAndStream) {
  Fill();
  const Texts saved = All();
  std::vector<short> progress;
  grid->OnFileProgress = [&](TObject*, short p) { progress.push_back(p); };
  grid->SetMultilinecells(true);
  grid->SaveToFile(dir.File("g.txt"), true);
  EXPECT_EQ(progress, (std::vector<short>{0, 33, 67, 100}));
  TMemoryStream stream;
  grid->SaveToStream(stream);
  stream.WriteString("after");
  Wipe();
  grid->LoadFromFile(dir.File("g.txt"));
  EXPECT_EQ(All(), saved);
  Wipe();
  stream.SetPosition(0);
  grid->LoadFromStream(stream);
  EXPECT_EQ(All(), saved);
  EXPECT_EQ(stream.ReadAll(), "after");
}

TEST_F(GridFilesTest, CsvSaveLoadAppendAndInsert) {
  Fill();
  const Texts saved = All();
  grid->SetMultilinecells(true);
  grid->SaveToCSV(dir.File("g.csv"));
  Wipe();
  grid->LoadFromCSV(dir.File("g.csv"));
  EXPECT_EQ(All(), saved);
  grid->AppendToCSV(dir.File("g.csv"));
  TMemoryStream stream(dir.Read("g.csv"));
  grid->LoadFromCSVStream(stream, 5);
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->Cells(0, 4), "h0");
  grid->InsertFromCSV(dir.File("g.csv"), 1);
  EXPECT_EQ(grid->RowCount(), 6);
  EXPECT_EQ(grid->Cells(0, 5), "h0");
  EXPECT_EQ(grid->Delimiter(), '\0');
}

TEST_F(GridFilesTest, FixedAndAscii) {
  Fill();
  TIntList widths(0, 0);
  grid->SaveToFixed(dir.File("f.txt"), widths);
  EXPECT_EQ(widths.Count(), 3);
  EXPECT_EQ(dir.Read("f.txt").substr(0, 18), "h0 h1  h2       \r\n");
  TIntList starts(0, 0);
  for (int p : {1, 4, 8}) starts.Add(p);
  Wipe();
  grid->LoadFromFixed(dir.File("f.txt"), starts, true, -1);
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->Cells(1, 1), "a,b");

  grid->OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HA, TVAlignment&) {
    if (ACol == 1) HA = taRightJustify;
  };
  Wipe();
  grid->SetCells(0, 0, "a");
  grid->SetCells(1, 0, "bb");
  grid->SetCells(1, 1, "c");
  grid->SaveToASCII(dir.File("a.txt"));
  EXPECT_EQ(dir.Read("a.txt"), "a bb \r\n   c \r\n");
  grid->AppendToASCII(dir.File("a.txt"));
  EXPECT_EQ(dir.Read("a.txt"), "a bb \r\n   c \r\na bb \r\n   c \r\n");
  EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(GridFilesTest, XmlWithMergedCellsAndExportNotifications) {
  auto* exporting = New<TExportingGrid>(form.get());
  exporting->SetParent(form.get());
  exporting->SetColCount(3);
  exporting->SetRowCount(2);
  exporting->SetCells(0, 0, "a & b");
  exporting->SetCells(1, 0, "covered");
  exporting->SetCells(2, 1, "&gt;");
  exporting->MergeCells(0, 0, 2, 1);
  exporting->SaveToXML(dir.File("x.xml"), "list", "rec");
  EXPECT_EQ(exporting->states, (std::vector<std::pair<TGridExportState, int>>{
                                   {esExportStart, 0}, {esExportNextRow, 0}, {esExportNextRow, 1}, {esExportDone, -1}}));
  EXPECT_EQ(dir.Read("x.xml").find("covered"), std::string::npos);
  grid->SetRowCount(5);
  grid->LoadFromXML(dir.File("x.xml"));
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Cells(0, 0), "a & b");
  EXPECT_EQ(grid->Cells(0, 1), "&gt;");
}

TEST_F(GridFilesTest, HtmlExportWritesTheGridsLooksMergesAndPictures) {
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->SetFixedColor(0x00C0C0C0);
  grid->SetCells(0, 0, "head");
  grid->SetCells(0, 1, "merged");
  grid->SetCells(1, 1, "covered");
  grid->SetCells(2, 1, "http://host/page");
  grid->SetCells(0, 2, "pic");
  grid->MergeCells(0, 1, 2, 1);
  grid->SetColors(2, 1, 0x0000FF00);
  grid->SetFontStyles(2, 1, {fsBold});
  grid->SetURLShow(true);
  TBitmap bmp(3, 3);
  grid->AddBitmap(0, 2, &bmp, false, haLeft, vaTop);
  const std::string doc = grid->SaveToHTMLString(dir.Path() + "/");
  EXPECT_NE(doc.find("<TD class=\"c0\" nowrap>head</td>"), std::string::npos) << doc;
  EXPECT_NE(doc.find("background-color: #C0C0C0"), std::string::npos);
  EXPECT_NE(doc.find(" COLSPAN=\"2\">merged</td>"), std::string::npos);
  EXPECT_EQ(doc.find("covered"), std::string::npos);
  EXPECT_NE(doc.find("background-color: #00FF00"), std::string::npos);
  EXPECT_NE(doc.find("font-weight: bold"), std::string::npos);
  EXPECT_NE(doc.find("<a href=http://host/page>host/page</a>"), std::string::npos);
  EXPECT_NE(doc.find("pic<img src= \"file://" + dir.Path() + "/images/img1.jpg\">"), std::string::npos);
  grid->SaveToHTML(dir.File("g.htm"));
  grid->AppendToHTML(dir.File("g.htm"));
  const std::string file = dir.Read("g.htm");
  const std::size_t first = file.find("<TABLE");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(file.find("<TABLE", first + 1), std::string::npos);
}

TEST_F(GridFilesTest, CellStreamCarriesCellsIntoAnotherGrid) {
  Fill();
  grid->SetColors(1, 1, 0x00123456);
  grid->SetFontStyles(1, 1, {fsItalic});
  grid->MergeCells(1, 2, 2, 1);
  grid->AddCheckBox(2, 3, true, false);
  TMemoryStream s;
  grid->SaveToBinStream(s);
  TTestStringGrid* other = New<TTestStringGrid>(form.get());
  other->SetParent(form.get());
  s.SetPosition(0);
  other->LoadFromBinStream(s);
  EXPECT_EQ(other->RowCount(), 4);
  EXPECT_EQ(other->Cells(2, 1), "x\r\ny");
  EXPECT_EQ(other->Colors(1, 1), 0x00123456);
  EXPECT_EQ(other->FontStyles(1, 1), TFontStyles{fsItalic});
  EXPECT_EQ(other->CellSpan(1, 2), (TPoint{1, 0}));
  bool state = false;
  EXPECT_TRUE(other->GetCheckBoxState(2, 3, state));
  EXPECT_TRUE(state);

  // A block pasted at a point, and the cells through a file.
  TMemoryStream block;
  grid->SaveRectToBinStream(TRect{1, 1, 2, 1}, block);
  block.SetPosition(0);
  other->LoadAtPointFromBinStream(TPoint{0, 3}, block);
  EXPECT_EQ(other->Cells(0, 3), "a,b");
  EXPECT_EQ(other->Colors(0, 3), 0x00123456);
  EXPECT_EQ(other->Cells(1, 3), "x\r\ny");
  grid->SaveToBinFile(dir.File("cells.bin"));
  Wipe();
  grid->LoadFromBinFile(dir.File("cells.bin"));
  EXPECT_EQ(grid->Cells(0, 3), "r3");
  EXPECT_EQ(grid->Colors(1, 1), 0x00123456);
}

}  // namespace
}  // namespace hd::test
