#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/column_grid.h"
#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/settings_kit.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "platform/sysutils.h"
#include "testkit/gui_kit.h"

namespace hd::test {
namespace {

class TTestColumnGrid : public TExtColumnGrid {
 public:
  using TExtColumnGrid::TExtColumnGrid;
  using TExtColumnGrid::GetEditLimit;
  using TExtColumnGrid::GetEditMask;
  using TExtColumnGrid::MoveColumn;
};

// Columns of the Modbus read table: Slave ID, a 500-entry combo, a Y/N check box, a read-only
// column at the end.
constexpr int kCols = 14;
constexpr int kRows = 513;
constexpr int kComboCol = 3;
constexpr int kCheckCol = 9;
constexpr int kReadOnlyCol = 13;

// A column grid shaped like the Modbus read table, on a shown form.
class ColumnGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(800, 600);
    grid = New<TTestColumnGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 780, 580);
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  // The window's design: counts, kinds, lists and titles through the items.
  void ShapeLikeReadTable() {
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    TGridColumnCollection& columns = grid->Columns();
    columns.Items(kComboCol)->SetEditor(edComboList);
    TStringList& combo = columns.Items(kComboCol)->ComboItems();
    for (int i = 0; i < 500; ++i) combo.Add(IntToStr(i));
    columns.Items(kCheckCol)->SetEditor(edDataCheckBox);
    columns.Items(kReadOnlyCol)->SetReadOnly(true);
    for (int c = 0; c < kCols; ++c) columns.Items(c)->SetHeader("H" + IntToStr(c));
  }

  TEditorType EditorOf(int c, int r) {
    TEditorType editor = edNormal;
    grid->GetCellEditor(c, r, editor);
    return editor;
  }

  bool CanEdit(int c, int r) {
    bool can = true;
    grid->CanEditCell(c, r, can);
    return can;
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TTestColumnGrid* grid = nullptr;
};

TEST_F(ColumnGridTest, InsertedItemHasEveryDefaultWithTheGridsFontsAndColour) {
  TFont gridFont;
  gridFont.Name = "Courier";
  gridFont.Size = 13;
  grid->SetFont(gridFont);
  grid->SetColor(clAqua);
  // Insert makes a plain item: nothing of its neighbours' settings.
  grid->Columns().Items(1)->SetEditor(edComboList);
  grid->Columns().Items(1)->SetCheckTrue("1");
  const TGridColumnItem& item = *grid->Columns().Insert(2);
  ASSERT_EQ(grid->Columns().Items(2), &item);
  const TCellBorders all{cbTop, cbLeft, cbRight, cbBottom};
  ExpectDefaults({
      HD_DEFAULT(item.Alignment(), taLeftJustify),
      HD_DEFAULT(item.Header(), ""),
      HD_DEFAULT(item.SortStyle(), ssAutomatic),
      HD_DEFAULT(item.SortPrefix(), ""),
      HD_DEFAULT(item.SortSuffix(), ""),
      HD_DEFAULT(item.EditMask(), ""),
      HD_DEFAULT(item.EditLength(), 0),
      HD_DEFAULT(item.EditLink() == nullptr, true),
      HD_DEFAULT(item.Font() == gridFont, true),
      HD_DEFAULT(item.Color(), clAqua),
      HD_DEFAULT(item.Editor(), edNormal),
      HD_DEFAULT(item.Fixed(), false),
      HD_DEFAULT(item.ReadOnly(), false),
      HD_DEFAULT(item.ComboItems().Count(), 0),
      HD_DEFAULT(item.DropDownCount(), 8),
      HD_DEFAULT(item.SpinMin(), 0),
      HD_DEFAULT(item.SpinMax(), 0),
      HD_DEFAULT(item.SpinStep(), 1),
      HD_DEFAULT(item.Password(), false),
      HD_DEFAULT(item.PrintFont() == gridFont, true),
      HD_DEFAULT(item.PrintColor(), 0xFFFFFF),
      HD_DEFAULT(item.Borders().Bits(), TCellBorders{}.Bits()),
      HD_DEFAULT(item.BorderPen().Width, 1),
      HD_DEFAULT(item.BorderPen().Color, 0xC0C0C0),
      HD_DEFAULT(item.PrintBorders().Bits(), all.Bits()),
      HD_DEFAULT(item.PrintBorderPen().Width, 1),
      HD_DEFAULT(item.PrintBorderPen().Color, 0),
      HD_DEFAULT(item.Tag(), 0),
      HD_DEFAULT(item.DefIdx(), 0),
      HD_DEFAULT(item.Name(), ""),
      HD_DEFAULT(item.CheckFalse(), "N"),
      HD_DEFAULT(item.CheckTrue(), "Y"),
      HD_DEFAULT(item.ShowBands(), false),
      HD_DEFAULT(item.Filter().Count(), 0),
      HD_DEFAULT(item.MaxSize(), 0),
      HD_DEFAULT(item.MinSize(), 0),
      HD_DEFAULT(item.AutoMinSize(), 0),
      HD_DEFAULT(item.AutoMaxSize(), 0),
      HD_DEFAULT(item.ColumnPopupType(), cpFixedCellsRClick),
      HD_DEFAULT(item.ColumnPopup() == nullptr, true),
      HD_DEFAULT(item.FilterCaseSensitive(), false),
      HD_DEFAULT(item.FloatFormat(), ""),
      HD_DEFAULT(item.HeaderAlignment(), taLeftJustify),
      HD_DEFAULT(item.HeaderFont() == gridFont, true),
      HD_DEFAULT(item.PrintBorderCustom(), true),
      HD_DEFAULT(item.PrintFontCustom(), true),
      HD_DEFAULT(item.GetDisplayName(), "Column 2"),
  });
  // The grid took the new column.
  EXPECT_EQ(grid->ColCount(), 6);
  EXPECT_EQ(grid->Columns().Items(1)->Editor(), edComboList);

  // A column item made without a grid (the one grouping keeps) has the same plain settings
  // and no width of its own in a grid.
  TGridColumnItem loose(nullptr);
  EXPECT_EQ(loose.Width(), 0);
  EXPECT_EQ(loose.CheckTrue(), "Y");
  EXPECT_EQ(loose.DropDownCount(), 8);
}

TEST_F(ColumnGridTest, ItemsFollowColCountAndNewOnesCopyTheVisualsOfTheLast) {
  ASSERT_EQ(grid->Columns().Count(), 5);
  TGridColumnItem& last = *grid->Columns().Items(4);
  EXPECT_EQ(last.Width(), grid->ColWidths(4));
  EXPECT_EQ(last.CheckTrue(), "Y");
  EXPECT_EQ(last.CheckFalse(), "N");
  EXPECT_EQ(last.Color(), grid->Color());
  last.SetEditor(edComboList);
  last.ComboItems().Add("a");
  last.SetReadOnly(true);
  last.SetCheckTrue("1");
  last.SetSpinMax(9);
  last.SetAlignment(taCenter);
  last.SetColor(clRed);
  last.SetName("Last");

  grid->SetColCount(kCols);
  ASSERT_EQ(grid->Columns().Count(), kCols);
  for (int c = 5; c < kCols; ++c) {
    SCOPED_TRACE("item " + IntToStr(c));
    const TGridColumnItem& item = *grid->Columns().Items(c);
    EXPECT_EQ(item.Editor(), edComboList);
    EXPECT_TRUE(item.ReadOnly());
    EXPECT_EQ(item.CheckTrue(), "1");
    EXPECT_EQ(item.SpinMax(), 9);
    EXPECT_EQ(item.Alignment(), taCenter);
    // Lists, names and colours are not visuals that travel: colour and font are the grid's.
    EXPECT_EQ(item.ComboItems().Count(), 0);
    EXPECT_EQ(item.Name(), "");
    EXPECT_EQ(item.Color(), grid->Color());
  }

  grid->SetColCount(10);
  EXPECT_EQ(grid->Columns().Count(), 10);
  grid->Columns().Items(9)->SetEditor(edDataCheckBox);
  grid->SetColCount(12);
  EXPECT_EQ(grid->Columns().Items(11)->Editor(), edDataCheckBox);

  // Items added by the program resize the grid; hidden columns keep their items.
  grid->Columns().Add();
  EXPECT_EQ(grid->ColCount(), 13);
  grid->HideColumn(2);
  EXPECT_EQ(grid->ColCount(), 12);
  EXPECT_EQ(grid->Columns().Count(), 13);
}

// A table window's grid as its window description makes it: the count, then the items.
class TTableForm : public TForm {
 public:
  using TForm::TForm;
  TTestColumnGrid* grid = nullptr;

 protected:
  void Create() override {
    TForm::Create();
    grid = New<TTestColumnGrid>(this);
    grid->SetParent(this);
    grid->SetColCount(kCols);
    grid->Columns().Items(kComboCol)->SetEditor(edComboList);
    grid->Columns().Items(kComboCol)->SetHeader("Slave ID");
    grid->Columns().Items(kCheckCol)->SetEditor(edDataCheckBox);
  }
};

TEST(ColumnGridLoading, LoadedGridKeepsItsItemsAndRecordsTheirDesignPositions) {
  TGuiKit kit;
  std::unique_ptr<TTableForm> form(New<TTableForm>(nullptr));
  TTestColumnGrid& g = *form->grid;
  EXPECT_EQ(g.ColCount(), kCols);
  ASSERT_EQ(g.Columns().Count(), kCols);
  for (int i = 0; i < kCols; ++i) EXPECT_EQ(g.Columns().Items(i)->DefIdx(), i) << i;
  EXPECT_EQ(g.Cells(kComboCol, 0), "Slave ID");
  EXPECT_EQ(g.ColumnHeaders()[kComboCol], "Slave ID");
  EXPECT_EQ(g.GetCellType(kCheckCol, 1), ctDataCheckBox);

  // The design position travels with a moved column.
  g.MoveColumn(kComboCol, 6);
  EXPECT_EQ(g.Columns().Items(6)->DefIdx(), kComboCol);
  EXPECT_EQ(g.Columns().Items(kComboCol)->DefIdx(), kComboCol + 1);
}

TEST_F(ColumnGridTest, HeadersSetThroughItemsShowInRowZeroAndInColumnHeaders) {
  // A title typed into row 0 is taken by an item without a header.
  grid->SetCells(2, 0, "Typed");
  ShapeLikeReadTable();
  grid->Columns().Items(3)->SetHeader("Slave ID");
  EXPECT_EQ(grid->Cells(3, 0), "Slave ID");
  ASSERT_EQ(grid->ColumnHeaders().Count(), kCols);
  EXPECT_EQ(grid->ColumnHeaders()[3], "Slave ID");
  EXPECT_EQ(grid->Cells(13, 0), "H13");
  EXPECT_EQ(grid->Columns().Items(2)->Header(), "H2");

  // "\n" is a line break on screen only.
  grid->Columns().Items(5)->SetHeader("Max\\nError");
  EXPECT_EQ(grid->Columns().Items(5)->Header(), "Max\\nError");
  EXPECT_EQ(grid->ColumnHeaders()[5], "Max\\nError");
  EXPECT_EQ(grid->Cells(5, 0), UnescapeLineBreaks("Max\\nError"));
  EXPECT_NE(grid->Cells(5, 0), "Max\\nError");

  // A whole list reaches every item, the last included.
  TStringList headers;
  for (int c = 0; c < kCols; ++c) headers.Add("T" + IntToStr(c));
  grid->SetColumnHeaders(headers);
  for (int c = 0; c < kCols; ++c) EXPECT_EQ(grid->Columns().Items(c)->Header(), "T" + IntToStr(c));
  EXPECT_EQ(grid->Cells(kCols - 1, 0), "T13");

  // Without a fixed row the cells stay as they are.
  grid->SetFixedRows(0);
  grid->SetCells(4, 0, "data");
  grid->Columns().Items(4)->SetHeader("Z");
  EXPECT_EQ(grid->Cells(4, 0), "data");
  EXPECT_EQ(grid->ColumnHeaders()[4], "Z");
}

TEST_F(ColumnGridTest, ItemsFoundByExactNameAndNamedForDesigners) {
  ShapeLikeReadTable();
  grid->Columns().Items(6)->SetName("Position");
  EXPECT_EQ(grid->ColumnByName("Position"), grid->Columns().Items(6));
  EXPECT_EQ(grid->ColumnByName("position"), nullptr);
  EXPECT_EQ(grid->Columns().Items(6)->GetDisplayName(), "Col 6: Position");
  EXPECT_EQ(grid->Columns().Items(7)->GetDisplayName(), "Column 7");
  EXPECT_THROW(grid->Columns().Items(kCols), EListError);
  EXPECT_EQ(grid->GetVersionString(), "3.1.3.1 Aug, 2012");
}

struct EditorCase {
  const char* name;
  int col, row;
  TEditorType editor;
  bool combo;
};

TEST_F(ColumnGridTest, EditorKindsAndComboListsComeFromTheColumns) {
  ShapeLikeReadTable();
  grid->Columns().Items(kComboCol)->SetDropDownCount(12);
  for (const EditorCase& c : std::vector<EditorCase>{{"plain column", 1, 1, edNormal, false},
                                                     {"combo column", kComboCol, 1, edComboList, true},
                                                     {"combo column, last row", kComboCol, kRows - 1, edComboList, true},
                                                     {"combo column, header", kComboCol, 0, edNormal, false},
                                                     {"check-box column", kCheckCol, 7, edDataCheckBox, false}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EditorOf(c.col, c.row), c.editor);
    EXPECT_EQ(grid->HasComboBox(c.col, c.row), c.combo);
  }

  // The editor copies the list each time it opens on the column.
  EditorOf(kComboCol, 4);
  const TEditorSetup& setup = grid->EditorSetup();
  ASSERT_EQ(setup.ComboItems.Count(), 500);
  EXPECT_EQ(setup.ComboItems[499], "499");
  EXPECT_EQ(setup.DropDownCount, 12);
  EXPECT_EQ(grid->ControlLook().DropDownCount(), 12);
  TStringList& combo = grid->Columns().Items(kComboCol)->ComboItems();
  combo.Clear();
  combo.Add("10");
  combo.Add("20");
  EXPECT_EQ(setup.ComboItems.Count(), 500);
  EditorOf(kComboCol, 4);
  ASSERT_EQ(setup.ComboItems.Count(), 2);
  EXPECT_EQ(setup.ComboItems[1], "20");

  // The event keeps the last word on the kind.
  grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
    if (ACol == 1) AEditor = edSpinEdit;
  };
  EXPECT_EQ(EditorOf(1, 2), edSpinEdit);
  EXPECT_EQ(EditorOf(kComboCol, 2), edComboList);
}

TEST_F(ColumnGridTest, ReadOnlyAndFixedColumnsRefuseEditingUnlessTheEventAllows) {
  ShapeLikeReadTable();
  grid->Columns().Items(4)->SetFixed(true);
  EXPECT_TRUE(CanEdit(1, 1));
  EXPECT_FALSE(CanEdit(kReadOnlyCol, 1));
  EXPECT_FALSE(CanEdit(4, 1));
  EXPECT_FALSE(CanEdit(1, 0));
  // A cell's own read-only flag in an editable column.
  grid->CellProperties(2, 5)->SetReadOnly(true);
  EXPECT_FALSE(CanEdit(2, 5));
  EXPECT_TRUE(CanEdit(2, 6));

  std::vector<std::pair<int, int>> asked;
  grid->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
    asked.emplace_back(ARow, ACol);
    if (ACol == kReadOnlyCol) CanEdit = true;
  };
  EXPECT_TRUE(CanEdit(kReadOnlyCol, 3));
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, kReadOnlyCol}}));

  // A fixed column counts as fixed in every normal row and takes the fixed colour.
  bool isFixed = false;
  grid->IsFixedCell(4, 200, isFixed);
  EXPECT_TRUE(isFixed);
  isFixed = false;
  grid->IsFixedCell(5, 200, isFixed);
  EXPECT_FALSE(isFixed);
  TBrush brush;
  TFont font;
  grid->GetCellColor(4, 200, {}, brush, font);
  EXPECT_EQ(brush.Color, grid->FixedColor());
  grid->Columns().Items(5)->SetColor(clYellow);
  grid->GetCellColor(5, 200, {}, brush, font);
  EXPECT_EQ(brush.Color, clYellow);
}

TEST_F(ColumnGridTest, DataCheckBoxColumnFollowsItsCellTextAndWritesTheColumnsTexts) {
  ShapeLikeReadTable();
  grid->SetCells(kCheckCol, 1, "Y");
  grid->SetCells(kCheckCol, 2, "N");
  grid->SetCells(kCheckCol, 3, "maybe");
  // The column's texts win over the event's.
  grid->OnGetCheckTrue = [](TObject*, int, int, std::string& Value) { Value = "1"; };

  EXPECT_EQ(grid->GetCellType(kCheckCol, 1), ctDataCheckBox);
  ASSERT_NE(grid->GetCellGraphic(kCheckCol, 1), nullptr);
  EXPECT_EQ(grid->GetCellGraphic(kCheckCol, 1)->CellType(), ctVirtCheckBox);
  EXPECT_EQ(grid->GetCellGraphic(kCheckCol, 0), nullptr);
  EXPECT_EQ(grid->GetCellGraphic(kCheckCol - 1, 1), nullptr);
  EXPECT_TRUE(grid->HasCheckBox(kCheckCol, 400));
  EXPECT_TRUE(grid->HasDataCheckBox(kCheckCol, 400));
  EXPECT_TRUE(grid->HasClickableGraphic(kCheckCol, 400));
  EXPECT_FALSE(grid->HasClickableGraphic(kCheckCol, 0));
  EXPECT_TRUE(grid->IsChecked(kCheckCol, 1));
  EXPECT_FALSE(grid->IsChecked(kCheckCol, 2));
  EXPECT_FALSE(grid->IsChecked(kCheckCol, 3));

  std::vector<std::string> changes;
  grid->OnCheckBoxChange = [&](TObject*, int ACol, int ARow, bool State) {
    changes.push_back(IntToStr(ACol) + ":" + IntToStr(ARow) + (State ? " on" : " off"));
  };
  EXPECT_TRUE(grid->ToggleCheckBox(kCheckCol, 1));
  EXPECT_EQ(grid->Cells(kCheckCol, 1), "N");
  // A text that is neither counted as unticked.
  EXPECT_TRUE(grid->ToggleCheckBox(kCheckCol, 3));
  EXPECT_EQ(grid->Cells(kCheckCol, 3), "Y");
  EXPECT_TRUE(grid->ApplyCheckBoxState(kCheckCol, 2, false));
  EXPECT_TRUE(grid->ApplyCheckBoxState(kCheckCol, 2, true));
  EXPECT_EQ(grid->Cells(kCheckCol, 2), "Y");
  EXPECT_EQ(changes, (std::vector<std::string>{"9:1 off", "9:3 on", "9:2 on"}));

  // A read-only column refuses the toggle of mouse and keys, not the program's.
  grid->Columns().Items(kCheckCol)->SetReadOnly(true);
  EXPECT_FALSE(grid->ToggleCheckBoxCell(kCheckCol, 2, true));
  EXPECT_EQ(grid->Cells(kCheckCol, 2), "Y");
  EXPECT_TRUE(grid->SetCheckBoxState(kCheckCol, 2, false));
  EXPECT_EQ(grid->Cells(kCheckCol, 2), "N");

  // A plain column has no check box; the kind can change at run time.
  grid->Columns().Items(kCheckCol)->SetEditor(edNormal);
  EXPECT_EQ(grid->GetCellType(kCheckCol, 1), ctEmpty);
  EXPECT_FALSE(grid->ToggleCheckBox(kCheckCol, 1));
}

TEST_F(ColumnGridTest, AutoSizeColFitsTextObjectsAndButtonsWithinTheLimits) {
  ShapeLikeReadTable();
  TFont fixedMetrics;
  fixedMetrics.Name = kTestFontName;
  grid->SetFont(fixedMetrics);
  grid->SetFixedFont(fixedMetrics);
  for (int c = 0; c < kCols; ++c) {
    grid->Columns().Items(c)->SetFont(fixedMetrics);
    grid->Columns().Items(c)->SetHeaderFont(fixedMetrics);
  }
  for (int r = 1; r < kRows; ++r) grid->SetCells(1, r, IntToStr(r));
  grid->SetCells(kCheckCol, 1, "Y");
  grid->SetCells(kComboCol, 7, "499");
  TCanvas& canvas = grid->Canvas();
  canvas.Font() = fixedMetrics;
  const int ch = canvas.TextWidth("x");
  ASSERT_GT(ch, 0);
  // Text offsets on both sides, and a line and a pixel on each side of the text.
  const int room = 2 * grid->XYOffset().X + 2 * (grid->GridLineWidth() + 1);
  const int check = grid->ControlLook().CheckSize();

  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), 3 * ch + room);
  EXPECT_EQ(grid->Columns().Items(1)->Width(), 3 * ch + room);
  grid->AutoSizeCol(kCheckCol, 0);
  EXPECT_EQ(grid->ColWidths(kCheckCol), std::max(2 * ch, check + ch) + room);
  grid->AutoSizeCol(kComboCol, 5);
  EXPECT_EQ(grid->ColWidths(kComboCol), 3 * ch + room + 5);
  grid->ControlLook().SetDropDownAlwaysVisible(true);
  grid->AutoSizeCol(kComboCol, 0);
  EXPECT_EQ(grid->ColWidths(kComboCol), 3 * ch + 16 + room);

  // Only the header row, with arFixed; a column's own font counts.
  grid->ColumnSize().SetRows(arFixed);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), 2 * ch + room);
  TFont wide = fixedMetrics;
  wide.Size = 16;
  grid->Columns().Items(1)->SetHeaderFont(wide);
  grid->AutoSizeCol(1, 0);
  canvas.Font() = wide;
  EXPECT_EQ(grid->ColWidths(1), canvas.TextWidth("H1") + room);
  grid->ColumnSize().SetRows(arAll);
  grid->Columns().Items(1)->SetHeaderFont(fixedMetrics);

  // Growing only, and the limits of the column and of the grid.
  grid->SetColWidths(1, 200);
  grid->SetSizeGrowOnly(true);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), 200);
  grid->SetSizeGrowOnly(false);
  grid->Columns().Items(1)->SetAutoMaxSize(20);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), 20);
  grid->Columns().Items(1)->SetAutoMaxSize(0);
  grid->Columns().Items(1)->SetAutoMinSize(90);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), 90);
  grid->SetMinColWidth(120);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), 120);
  int reported = -1;
  grid->OnUpdateColumnSize = [&](TObject*, int, int& AWidth) { reported = AWidth; };
  grid->SetMinColWidth(0);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(reported, 90);

  // Every normal column, each with its padding; the fixed column keeps its width.
  int fixedWidth = grid->ColWidths(0);
  grid->OnUpdateColumnSize = nullptr;
  grid->Columns().Items(1)->SetAutoMinSize(0);
  grid->AutoSizeColumns(false, 3);
  EXPECT_EQ(grid->ColWidths(0), fixedWidth);
  EXPECT_EQ(grid->ColWidths(1), 3 * ch + room + 3);
  EXPECT_EQ(grid->ColWidths(kCols - 1), 3 * ch + room + 3);

  // A width set by the user keeps within MinSize and MaxSize.
  TGridColumnItem& item = *grid->Columns().Items(2);
  item.SetMinSize(30);
  item.SetMaxSize(100);
  for (auto [asked, got] : std::vector<std::pair<int, int>>{{10, 30}, {50, 50}, {150, 100}}) {
    int w = asked;
    grid->UpdateColSize(2, w);
    EXPECT_EQ(w, got) << "asked " << asked;
  }
}

TEST_F(ColumnGridTest, MovedColumnTakesItsItemAlong) {
  ShapeLikeReadTable();
  TGridColumnItem& moving = *grid->Columns().Items(kComboCol);
  moving.SetName("Combo");
  moving.SetColor(clAqua);
  grid->SetCells(kComboCol, 5, "cell");
  std::vector<std::pair<int, int>> moves;
  grid->OnAfterColumnMoved = [&](TObject*, int FromIndex, int ToIndex) { moves.emplace_back(FromIndex, ToIndex); };

  grid->MoveColumn(kComboCol, 6);
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{kComboCol, 6}}));
  ASSERT_EQ(grid->Columns().Count(), kCols);
  const TGridColumnItem& moved = *grid->Columns().Items(6);
  EXPECT_EQ(moved.Name(), "Combo");
  EXPECT_EQ(moved.Editor(), edComboList);
  EXPECT_EQ(moved.ComboItems().Count(), 500);
  EXPECT_EQ(moved.Color(), clAqua);
  EXPECT_EQ(moved.Header(), "H3");
  EXPECT_EQ(grid->Cells(6, 5), "cell");
  EXPECT_EQ(grid->Cells(6, 0), "H3");
  // The columns between moved one place to the left with their items.
  EXPECT_EQ(grid->Columns().Items(kComboCol)->Header(), "H4");
  EXPECT_EQ(grid->Cells(kComboCol, 0), "H4");
  EXPECT_EQ(EditorOf(6, 5), edComboList);
  EXPECT_EQ(EditorOf(kComboCol, 5), edNormal);
  EXPECT_EQ(grid->ColCount(), kCols);
}

TEST_F(ColumnGridTest, CellAnswersTakeTheColumnsLooks) {
  ShapeLikeReadTable();
  TGridColumnItem& item = *grid->Columns().Items(2);
  item.SetAlignment(taRightJustify);
  item.SetHeaderAlignment(taCenter);
  TFont header;
  header.Size = 14;
  item.SetHeaderFont(header);
  item.SetBorders({cbLeft, cbBottom});
  item.SetBorderPen(TPen{clRed, 2});
  item.SetSortPrefix("$");

  struct AlignCase {
    int row;
    TAlignment expected;
  };
  for (const AlignCase& c : std::vector<AlignCase>{{0, taCenter}, {1, taRightJustify}, {512, taRightJustify}}) {
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    grid->GetCellAlign(2, c.row, ha, va);
    EXPECT_EQ(ha, c.expected) << "row " << c.row;
  }
  // The header row takes the header font; the grid's alignment event still has the last word.
  TBrush brush;
  TFont font;
  grid->GetCellColor(2, 0, {}, brush, font);
  EXPECT_EQ(font.Size, 14);
  grid->OnGetAlignment = [](TObject*, int, int, TAlignment& HAlign, TVAlignment&) { HAlign = taLeftJustify; };
  TAlignment ha = taCenter;
  TVAlignment va = vtaTop;
  grid->GetCellAlign(2, 3, ha, va);
  EXPECT_EQ(ha, taLeftJustify);

  TPen pen;
  TCellBorders borders;
  grid->GetCellBorder(2, 3, pen, borders);
  EXPECT_EQ(borders, (TCellBorders{cbLeft, cbBottom}));
  EXPECT_EQ(pen.Color, clRed);
  EXPECT_EQ(pen.Width, 2);
  borders = {};
  grid->GetCellBorder(2, 0, pen, borders);
  EXPECT_TRUE(borders.Empty());

  TSortStyle style = ssAlphabetic;
  std::string prefix, suffix;
  grid->GetColFormat(2, style, prefix, suffix);
  EXPECT_EQ(style, ssAutomatic);
  EXPECT_EQ(prefix, "$");

  // Print looks: the column's printer colour, font and borders.
  item.SetPrintColor(clLime);
  grid->GetCellPrintColor(2, 3, {}, brush, font);
  EXPECT_EQ(brush.Color, clLime);
  EXPECT_EQ(font, item.PrintFont());
  grid->GetCellPrintBorder(2, 3, pen, borders);
  EXPECT_EQ(borders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
  EXPECT_EQ(pen.Color, clBlack);
}

TEST_F(ColumnGridTest, FloatFormatOfTheColumnShowsNumbersAndStaysAfterAnEdit) {
  ShapeLikeReadTable();
  grid->Columns().Items(4)->SetFloatFormat("%.3f");
  grid->SetCells(4, 2, "2.5");
  grid->SetCells(4, 3, "abc");
  EXPECT_EQ(grid->GetFormattedCell(4, 2), "2.500");
  EXPECT_EQ(grid->GetFormattedCell(4, 3), "abc");
  EXPECT_EQ(grid->GetFormattedCell(5, 2), "");
  // The event decides: a text it calls a number that is none shows as it stands.
  grid->OnGetFloatFormat = [](TObject*, int, int ARow, bool& IsFloat, std::string&) { IsFloat = ARow == 3; };
  EXPECT_EQ(grid->GetFormattedCell(4, 2), "2.5");
  EXPECT_EQ(grid->GetFormattedCell(4, 3), "abc");

  std::string format;
  grid->GetFloatFormat(5, format);
  EXPECT_EQ(format, "%.2f");
  grid->GetFloatFormat(4, format);
  EXPECT_EQ(format, "%.3f");
  EditorOf(4, 0);
  EXPECT_EQ(grid->FloatFormat(), "%.3f");
}

TEST_F(ColumnGridTest, ColumnFilterListsShowTheDisplayParts) {
  ShapeLikeReadTable();
  TStringList filter;
  filter.Add("Small=<10");
  filter.Add("Large=>=10");
  filter.Add("Exact");
  grid->Columns().Items(2)->SetFilter(filter);
  ASSERT_TRUE(grid->GetColumnFilter(2));
  const TStringList& list = grid->FilterList();
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[0], "Small");
  EXPECT_EQ(list[1], "Large");
  EXPECT_EQ(list[2], "Exact");
  EXPECT_FALSE(grid->GetColumnFilter(1));
  EXPECT_FALSE(grid->GetColumnFilter(kCols + 3));
}

// A menu that records where it would open instead of running its loop.
class TRecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  void Popup(int x, int y) override { opened.push_back(TPoint{x, y}); }
  std::vector<TPoint> opened;
};

TEST_F(ColumnGridTest, ColumnPopupOpensOnTheClickItsTypeNamesAndIsForgottenWhenFreed) {
  ShapeLikeReadTable();
  auto* menu = new TRecordingMenu(form.get());
  TGridColumnItem& item = *grid->Columns().Items(2);
  item.SetColumnPopup(menu);
  std::vector<std::string> events;
  grid->OnColumnPopup = [&](TObject*, int ACol, int ARow, TPopupMenu* PopupMenu) {
    events.push_back(IntToStr(ACol) + ":" + IntToStr(ARow) + (PopupMenu == menu ? " menu" : " other"));
  };
  TRect header = grid->CellRect(2, 0), body = grid->CellRect(2, 2);
  kit.Click(grid, header.Left + 5, header.Top + 5, mbRight);
  kit.Click(grid, body.Left + 5, body.Top + 5, mbRight);
  kit.Click(grid, header.Left + 5, header.Top + 5, mbLeft);
  kit.Process();
  // Right clicks on the column fire the event; only the header one opens the menu there.
  EXPECT_EQ(events, (std::vector<std::string>{"2:0 menu", "2:2 menu"}));
  ASSERT_EQ(menu->opened.size(), 1u);
  EXPECT_EQ(menu->opened[0], grid->ClientToScreen(TPoint{header.Left, header.Bottom}));

  item.SetColumnPopupType(cpAllCellsLClick);
  kit.Click(grid, body.Left + 5, body.Top + 5, mbLeft);
  kit.Process();
  EXPECT_EQ(menu->opened.size(), 2u);

  delete menu;
  EXPECT_EQ(item.ColumnPopup(), nullptr);
}

TEST_F(ColumnGridTest, EditLimitAndMaskOfTheCurrentColumn) {
  ShapeLikeReadTable();
  grid->Columns().Items(2)->SetEditLength(15);
  grid->Columns().Items(2)->SetEditMask("999;0;_");
  grid->Columns().Items(0)->SetEditLength(3);
  grid->SetCol(2);
  EXPECT_EQ(grid->GetEditLimit(), 15);
  EXPECT_EQ(grid->GetEditMask(2, 4), "999;0;_");
  EXPECT_EQ(grid->GetEditMask(0, 4), "");
  grid->SetCol(1);
  EXPECT_EQ(grid->GetEditLimit(), 0);
  // A hidden column before it: the current display column reads its real column's item.
  grid->HideColumn(1);
  grid->SetCol(1);
  EXPECT_EQ(grid->GetEditLimit(), 15);
  EXPECT_EQ(grid->GetEditMask(1, 4), "999;0;_");
}

TEST_F(ColumnGridTest, CellFontIsTheGridsUnlessTheCellHasItsOwnSettings) {
  EXPECT_EQ(&grid->GetCellFont(1, 1), &grid->Font());
  TCellProperties& props = *grid->CellProperties(1, 1);
  props.SetFontName("Courier");
  props.SetFontSize(12);
  const TFont& font = grid->GetCellFont(1, 1);
  EXPECT_EQ(font.Name, "Courier");
  EXPECT_EQ(font.Size, 12);
}

TEST_F(ColumnGridTest, AssignedColumnsBringTheirCountAndSettings) {
  ShapeLikeReadTable();
  TTestColumnGrid* other = New<TTestColumnGrid>(form.get());
  other->SetColCount(3);
  other->Columns().Items(2)->SetEditor(edDataCheckBox);
  other->Columns().Items(2)->SetHeader("Enable");
  other->Columns().Items(1)->SetComboItems(grid->Columns().Items(kComboCol)->ComboItems());

  grid->SetColumns(other->Columns());
  EXPECT_EQ(grid->ColCount(), 3);
  ASSERT_EQ(grid->Columns().Count(), 3);
  EXPECT_EQ(grid->Columns().Items(2)->Editor(), edDataCheckBox);
  EXPECT_EQ(grid->Columns().Items(1)->ComboItems().Count(), 500);
  EXPECT_EQ(grid->Cells(2, 0), "Enable");
  EXPECT_EQ(grid->GetCellType(2, 5), ctDataCheckBox);
}

}  // namespace
}  // namespace hd::test
