// Column layouts: the column-states text on an in-memory grid, and through real grids the
// text's round trip, the "Col" and "Pos" entries in INI files and the user's store, and the
// column grid's design positions.
#include "grid/dataops/files/column_states.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "grid/stringgrid/column_grid.h"
#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/ini_files.h"
#include "platform/registry.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Ints = std::vector<int>;

Ints Values(const TIntList& List) {
  Ints out;
  for (int i = 0; i < List.Count(); ++i) out.push_back(List.Items(i));
  return out;
}

TMemoryGridHost ThreeColumns() { return TMemoryGridHost({{"a", "b", "c"}, {"1", "2", "3"}}); }

TEST(ColumnStatesTest, TextListsAllColumnsWithTheirWidthsOrderAndVisibility) {
  struct Case {
    const char* name;
    std::function<void(TMemoryGridHost&)> setup;
    const char* text;
  } cases[] = {
      {"column 1 hidden", [](TMemoryGridHost& h) { h.HideColumn(1); }, "3#64,64,64#0,1,2#1,0,1"},
      {"own widths", [](TMemoryGridHost& h) { h.widths = {50, 60, 70}; }, "3#50,60,70#0,1,2#1,1,1"},
      {"recorded order", [](TMemoryGridHost& h) { h.columnOrder.Add(2), h.columnOrder.Add(0), h.columnOrder.Add(1); },
       "3#64,64,64#2,0,1#1,1,1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryGridHost host = ThreeColumns();
    c.setup(host);
    EXPECT_EQ(TColumnStates(host).ToString(), c.text);
  }
}

TEST(ColumnStatesTest, ApplyingATextSetsCountOrderHidingAndWidths) {
  struct Case {
    const char* name;
    const char* text;
    int colCount;
    Ints widths;
    std::vector<Ints> handedOrders;  // what ResetColumnOrder was handed
    Ints order;                      // the recorded order afterwards
    Ints hidden;
  } cases[] = {
      {"moved columns go through the inverse order", "3#50,60,70#2,0,1#1,1,1", 3, {50, 60, 70}, {{1, 2, 0}}, {2, 0, 1}, {}},
      {"hidden from the right, widths by display column", "3#50,60,70#0,1,2#0,1,0", 1, {50}, {{0, 1, 2}}, {0, 1, 2}, {2, 0}},
      {"a repeated number is no order", "3#50,60,70#0,0,1#1,1,1", 3, {50, 60, 70}, {}, {}, {}},
      {"a number out of range is no order", "3#50,60,70#0,1,7#1,1,1", 3, {50, 60, 70}, {}, {}, {}},
      {"a short order is no order", "3#50,60,70#1,0#1,1,1", 3, {50, 60, 70}, {}, {}, {}},
      {"an empty order leaves the columns", "2#50,60##1,1", 2, {50, 60}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryGridHost host({{"a", "b", "c", "d", "e"}});
    host.HideColumn(4);
    TColumnStates(host).FromString(c.text);
    EXPECT_EQ(host.ColCount(), c.colCount);
    Ints widths(host.widths.begin(), host.widths.begin() + c.colCount);
    EXPECT_EQ(widths, c.widths);
    EXPECT_EQ(host.resetOrders, c.handedOrders);
    EXPECT_EQ(Values(host.columnOrder), c.order);
    EXPECT_EQ(host.hiddenReal, c.hidden);
  }
}

TEST(ColumnStatesTest, BadTextsChangeNothingOrStopWhereTheyFail) {
  TMemoryGridHost host = ThreeColumns();
  TColumnStates(host).FromString("3,50,60,70");
  EXPECT_EQ(host.ColCount(), 3);
  EXPECT_TRUE(host.widths.empty());

  EXPECT_THROW(TColumnStates(host).FromString("x#50#0#1"), EConvertError);
  EXPECT_THROW(TColumnStates(host).FromString("2#50,abc#0,1#1,1"), EConvertError);
  // What came before the short width field stays applied.
  EXPECT_THROW(TColumnStates(host).FromString("2#50#1,0#1,1"), EListError);
  EXPECT_EQ(host.ColCount(), 2);
  EXPECT_EQ(Values(host.columnOrder), (Ints{1, 0}));
  EXPECT_EQ(host.widths[0], 50);
  EXPECT_THROW(TColumnStates(host).FromString("2#50,60#0,1"), EListError);
}

TEST(ColumnStatesTest, AStretchedGridTakesTheStretchColumnsWidthAsDefaultAndStretchesAgain) {
  TMemoryGridHost host = ThreeColumns();
  host.widths = {10, 20, 99};
  host.columnSize.SetStretch(true);
  TColumnStates(host).FromString("3#50,60,70#0,1,2#1,1,1");
  EXPECT_EQ(host.defaultColWidth, 99);
  EXPECT_TRUE(host.columnSize.Stretch());
  // Stretching comes back even when a width does not convert.
  EXPECT_THROW(TColumnStates(host).FromString("3#50,x,70#0,1,2#1,1,1"), EConvertError);
  EXPECT_TRUE(host.columnSize.Stretch());
}

TEST(ColumnStatesTest, StoredOrderThatIsNoPermutationOfAllColumnsIsPassedOver) {
  testkit::TempFolder dir;
  std::string file = dir.File("layout.ini");
  struct Case {
    const char* name;
    const char* section;
    std::vector<Ints> handed;
    Ints order;
  } cases[] = {
      {"all columns", "[G]\r\nPos0=2\r\nPos1=0\r\nPos2=1\r\n", {{1, 2, 0}}, {2, 0, 1}},
      {"Pos0 missing", "[G]\r\nPos1=0\r\nPos2=1\r\n", {}, {}},
      {"a column twice", "[G]\r\nPos0=2\r\nPos1=2\r\nPos2=1\r\n", {}, {}},
      {"a column out of range", "[G]\r\nPos0=2\r\nPos1=0\r\nPos2=9\r\n", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dir.Write("layout.ini", c.section);
    TMemoryGridHost host = ThreeColumns();
    host.columnSize.SetLocation(clIniFile);
    host.columnSize.SetKey(file);
    host.columnSize.SetSection("g");
    TColumnStates(host).LoadColPositions();
    EXPECT_EQ(host.resetOrders, c.handed);
    EXPECT_EQ(Values(host.columnOrder), c.order);
  }
}

// Real grids.

class ColumnStatesGridTest : public StringGridTest {
 protected:
  void Keep(TExtStringGrid& G, TColumnSizeLocation Where, const std::string& Section = "Grid") {
    G.ColumnSize().SetLocation(Where);
    G.ColumnSize().SetKey(Where == clIniFile ? dir.File("layout.ini") : "Software\\Maker\\Tests");
    G.ColumnSize().SetSection(Section);
  }
  Ints Widths(TExtStringGrid& G) {
    Ints out;
    for (int c = 0; c < G.ColCount(); ++c) out.push_back(G.ColWidths(c));
    return out;
  }
  // Row 0 of every real column, hidden ones included.
  std::vector<std::string> Row0(TExtStringGrid& G) {
    std::vector<std::string> out;
    for (int c = 0; c < G.AllColCount(); ++c) out.push_back(G.Cells(c, 0));
    return out;
  }
  void NumberColumns(TExtStringGrid& G) {
    for (int c = 0; c < G.ColCount(); ++c) G.SetCells(c, 0, std::to_string(c));
  }
  void TearDown() override {
    StringGridTest::TearDown();
    SetUserStoreFile("");
  }

  testkit::TempFolder dir;
};

TEST_F(ColumnStatesGridTest, ColumnStatesTextRoundTrips) {
  struct Case {
    const char* name;
    std::function<void(TExtStringGrid&)> change;
    int targetCols;
  } cases[] = {
      {"a column moved", [](TExtStringGrid& g) { g.MoveColumn(3, 1); }, 5},
      {"columns hidden", [](TExtStringGrid& g) { g.HideColumn(1), g.HideColumn(4); }, 5},
      {"moved and hidden into a wider grid", [](TExtStringGrid& g) { g.MoveColumn(0, 2), g.HideColumn(3); }, 8},
      {"into a narrower grid", [](TExtStringGrid& g) { g.SetColWidths(4, 33); }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto source = New<TTestStringGrid>(form.get());
    source->SetParent(form.get());
    source->SetColumnOrder();
    NumberColumns(*source);
    for (int col = 0; col < 5; ++col) source->SetColWidths(col, 40 + col);
    c.change(*source);
    std::string text = source->ColumnStatesToString();

    auto target = New<TTestStringGrid>(form.get());
    target->SetParent(form.get());
    target->SetColCount(c.targetCols);
    target->SetColumnOrder();
    NumberColumns(*target);
    target->StringToColumnStates(text);
    EXPECT_EQ(target->ColumnStatesToString(), text);
    EXPECT_EQ(Widths(*target), Widths(*source));
    // A narrower grid has no texts in the columns it gains.
    if (c.targetCols >= 5) {
      EXPECT_EQ(Row0(*target), Row0(*source));
    }
  }
}

TEST_F(ColumnStatesGridTest, WidthsSurviveAGridDestroyedAndMadeAgain) {
  for (TColumnSizeLocation where : {clIniFile, clRegistry}) {
    SCOPED_TRACE(where == clIniFile ? "INI file" : "user store");
    SetUserStoreFile(dir.File("store.ini"));
    {
      TForm owner(nullptr);
      auto* g = New<TTestStringGrid>(&owner);
      g->ColumnSize().SetSave(true);
      Keep(*g, where);
      g->SetParent(&owner);
      owner.Show();
      g->SetColWidths(0, 30);
      g->SetColWidths(3, 91);
    }
    TForm owner(nullptr);
    auto* g = New<TTestStringGrid>(&owner);
    g->ColumnSize().SetSave(true);
    Keep(*g, where);
    g->SetParent(&owner);
    owner.Show();
    EXPECT_EQ(Widths(*g), (Ints{30, 64, 64, 91, 64}));
  }
}

TEST_F(ColumnStatesGridTest, StoringNeedsKeyAndSectionAndLoadingCreatesTheIniFile) {
  Keep(*grid, clIniFile, "");
  grid->SaveColSizes();
  EXPECT_FALSE(FileExists(dir.File("layout.ini")));
  Keep(*grid, clIniFile);
  grid->SetColWidths(2, 80);
  grid->LoadColSizes();
  EXPECT_EQ(Widths(*grid), (Ints{64, 64, 80, 64, 64}));
  EXPECT_EQ(dir.Read("layout.ini"), "");
  grid->SaveColSizes();
  TMemIniFile saved(dir.File("layout.ini"));
  EXPECT_EQ(saved.ReadInteger("Grid", "Col2", 0), 80);
}

TEST_F(ColumnStatesGridTest, AUserStoreValueKeptAsTextIsReadAndWrittenAsText) {
  SetUserStoreFile(dir.File("store.ini"));
  {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Maker\\Tests\\Grid", true));
    reg.WriteString("Col1", "70");
  }
  Keep(*grid, clRegistry);
  grid->LoadColSizes();
  EXPECT_EQ(grid->ColWidths(1), 70);
  grid->SetColWidths(1, 75);
  grid->SaveColSizes();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Maker\\Tests\\Grid"));
  EXPECT_EQ(reg.GetDataType("Col1"), rdString);
  EXPECT_EQ(reg.ReadString("Col1"), "75");
  EXPECT_EQ(reg.GetDataType("Col0"), rdInteger);
  EXPECT_EQ(reg.ReadInteger("Col0"), 64);
}

TEST_F(ColumnStatesGridTest, ColumnOrderComesBackWithHiddenColumnsKeptHidden) {
  for (TColumnSizeLocation where : {clIniFile, clRegistry}) {
    SCOPED_TRACE(where == clIniFile ? "INI file" : "user store");
    SetUserStoreFile(dir.File("store.ini"));
    Keep(*grid, where);
    grid->SetColumnOrder();
    NumberColumns(*grid);
    grid->MoveColumn(4, 1);
    grid->SaveColPositions();

    auto fresh = New<TTestStringGrid>(form.get());
    fresh->SetParent(form.get());
    Keep(*fresh, where);
    fresh->SetColumnOrder();
    NumberColumns(*fresh);
    fresh->HideColumn(0);
    fresh->LoadColPositions();
    EXPECT_EQ(Values(fresh->ColumnOrder()), (Ints{0, 4, 1, 2, 3}));
    EXPECT_TRUE(fresh->IsHiddenColumn(0));
    EXPECT_EQ(Row0(*fresh), (std::vector<std::string>{"0", "4", "1", "2", "3"}));
    grid->ResetColumnOrder();
  }
}

TEST_F(ColumnStatesGridTest, ColumnGridKeepsDesignPositionsInItsIniFile) {
  auto numbered = [&](TExtColumnGrid& g) {
    g.SetParent(form.get());
    g.Columns().SetOrganization();
    g.SetColumnOrder();
    for (int c = 0; c < g.ColCount(); ++c) g.Columns().Items(c)->SetHeader("H" + std::to_string(c));
  };
  auto headers = [](TExtColumnGrid& g) {
    std::string out;
    for (int c = 0; c < g.ColCount(); ++c) out += g.Columns().Items(c)->Header() + " ";
    return out;
  };
  auto source = New<TExtColumnGrid>(form.get());
  numbered(*source);
  Keep(*source, clIniFile);
  source->MoveColumn(1, 3);
  source->SaveColPositions();
  TMemIniFile file(dir.File("layout.ini"));
  EXPECT_EQ(file.ReadInteger("Grid", "CP1", -1), 2);
  EXPECT_EQ(file.ReadInteger("Grid", "CP3", -1), 1);

  auto target = New<TExtColumnGrid>(form.get());
  numbered(*target);
  Keep(*target, clIniFile);
  target->LoadColPositions();
  EXPECT_EQ(headers(*target), headers(*source));
  EXPECT_EQ(target->Columns().Items(3)->DefIdx(), 1);

  // A section without a position for every column, or with one no column has, changes nothing.
  for (const char* section : {"[Grid]\r\nCP0=4\r\nCP1=3\r\n", "[Grid]\r\nCP0=4\r\nCP1=3\r\nCP2=9\r\nCP3=0\r\nCP4=1\r\n",
                              "[Grid]\r\nCP0=4\r\nCP1=4\r\nCP2=2\r\nCP3=0\r\nCP4=1\r\n"}) {
    SCOPED_TRACE(section);
    dir.Write("partial.ini", section);
    auto untouched = New<TExtColumnGrid>(form.get());
    numbered(*untouched);
    untouched->LoadColumnPositions(dir.File("partial.ini"), "Grid");
    EXPECT_EQ(headers(*untouched), "H0 H1 H2 H3 H4 ");
  }
}

TEST_F(ColumnStatesGridTest, AStoreThatCannotBeWrittenNeitherStopsTheWindowNorTheGridGoing) {
  {
    TForm owner(nullptr);
    auto* g = New<TTestStringGrid>(&owner);
    g->ColumnSize().SetSave(true);
    g->ColumnSize().SetLocation(clIniFile);
    g->ColumnSize().SetKey(dir.File("no-folder/layout.ini"));
    g->ColumnSize().SetSection("Grid");
    g->SetParent(&owner);
    owner.Show();
    EXPECT_TRUE(g->HandleAllocated());
    EXPECT_EQ(g->ColWidths(0), 64);
    EXPECT_THROW(g->SaveColSizes(), EFCreateError);
  }
  EXPECT_FALSE(DirectoryExists(dir.File("no-folder")));
}

}  // namespace
}  // namespace hd::test
