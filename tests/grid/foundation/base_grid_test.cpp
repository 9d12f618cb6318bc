// The cell store: properties objects made on first use, text through display hooks, objects
// held for cells, and what the store frees.
#include "grid/foundation/base_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/base_grid_fixture.h"
#include "grid/foundation/text_utils.h"

namespace hd {
namespace {

using test::BaseGridTest;
using test::TTestBaseGrid;

// Tells when it goes; its class name decides whether the store frees it.
class TFreedProbe : public TObject {
 public:
  TFreedProbe(const char* name, int& freed) : name_(name), freed_(freed) {}
  ~TFreedProbe() override { ++freed_; }
  const char* ClassName() const override { return name_; }

 private:
  const char* name_;
  int& freed_;
};

TEST_F(BaseGridTest, CellPropertiesAreMadeOnFirstUseWithTheGridsLook) {
  EXPECT_FALSE(grid->HasCellProperties(2, 3));
  EXPECT_EQ(grid->Objects(2, 3), nullptr);
  EXPECT_EQ(grid->GraphicObjects(2, 3), nullptr);
  EXPECT_TRUE(grid->IsBaseCell(2, 3));
  EXPECT_EQ(grid->GridObjects(2, 3), nullptr) << "reading never makes one";

  TFont font;
  font.Name = "Arial";
  font.Size = 11;
  font.Style = {fsBold};
  font.Color = clRed;
  grid->SetFont(font);
  grid->SetColor(clYellow);
  grid->SetWordWrap(false);
  TCellProperties* p = grid->CellProperties(2, 3);
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(grid->HasCellProperties(2, 3));
  EXPECT_EQ(grid->CellProperties(2, 3), p) << "made once";
  EXPECT_EQ(p->OwnerCol(), 2);
  EXPECT_EQ(p->OwnerRow(), 3);
  EXPECT_EQ(p->FontName(), "Arial");
  EXPECT_EQ(p->FontSize(), 11);
  EXPECT_EQ(p->FontStyle(), TFontStyles{fsBold});
  EXPECT_EQ(p->FontColor(), clRed);
  EXPECT_EQ(p->BrushColor(), clYellow);
  EXPECT_EQ(p->BrushColorTo(), clNone);
  EXPECT_FALSE(p->WordWrap());
  EXPECT_TRUE(p->IsBaseCell());
  EXPECT_EQ(p->CellSpanX(), -1);
  EXPECT_EQ(p->CellSpanY(), -1);
  EXPECT_EQ(p->Editor(), edNormal);
  EXPECT_EQ(p->Alignment(), taLeftJustify);
  EXPECT_EQ(p->VAlignment(), vtaTop);

  // Outside the grid a cell never counts as having properties.
  struct Case {
    const char* name;
    int col, row;
  };
  for (const Case& c : {Case{"column past the count", 10, 1}, Case{"row past the count", 1, 20},
                        Case{"negative column", -1, 1}, Case{"negative row", 1, -1}})
    EXPECT_FALSE(grid->HasCellProperties(c.col, c.row)) << c.name;
}

TEST_F(BaseGridTest, DisplayHooksApplyOnlyBelowTheNormalRowCount) {
  grid->SetCells(1, 1, "base");
  grid->SetCells(1, 15, "scratch");
  grid->MergeCells(1, 1, 2, 2);
  grid->FNormalRowCount = 10;
  std::vector<std::string> seen;
  grid->OnGetDisplText = [&](TObject*, int c, int r, std::string& v) {
    seen.push_back(std::to_string(c) + "," + std::to_string(r) + " " + v);
    v = "[" + v + "]";
  };
  EXPECT_EQ(grid->Cells(2, 2), "[base]") << "a covered cell shows its base cell";
  EXPECT_EQ(grid->Cells(1, 15), "scratch");
  EXPECT_EQ(seen, (std::vector<std::string>{"1,1 base"}));
  EXPECT_EQ(grid->GridCells(1, 1), "base");
  EXPECT_EQ(grid->GridCells(2, 2), "");

  // The wide hook sees the text decoded and its answer comes back packed.
  grid->OnGetDisplWideText = [](TObject*, int, int, WideString& v) { v += u"\u0416"; };
  WideString wide = DecodePackedUnicode(grid->Cells(2, 2));
  EXPECT_EQ(wide, u"[base]\u0416");
  EXPECT_EQ(grid->Cells(1, 15), "scratch") << "scratch rows stay raw";
}

TEST_F(BaseGridTest, WritesThroughMergedRangesReachTheBaseCell) {
  grid->MergeCells(1, 1, 3, 2);
  grid->log.Clear();
  grid->SetCells(3, 2, "written in a corner");
  EXPECT_EQ(grid->GridCells(1, 1), "written in a corner");
  EXPECT_EQ(grid->GridCells(3, 2), "");
  EXPECT_EQ(grid->log.Text(), "changed 1,1");
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(grid->Cells(c, r), "written in a corner") << c << "," << r;
  // A written cell is repainted with its whole range.
  ValidateRect(grid->Handle(), nullptr);
  grid->SetCells(2, 2, "again");
  TRect pending;
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), &pending, false));
  EXPECT_EQ(pending, Rect(50, 20, 200, 60));
  // An unmerged cell without properties is written where it is, with no hook.
  grid->log.Clear();
  grid->SetCells(5, 5, "plain");
  EXPECT_EQ(grid->GridCells(5, 5), "plain");
  EXPECT_EQ(grid->log.Text(), "");
}

TEST_F(BaseGridTest, ObjectsInEmptyCellsLeaveTheTextEmpty) {
  TObject user, graphic;
  grid->SetObjects(2, 2, &user);
  grid->SetGraphicObjects(3, 3, &graphic);
  EXPECT_EQ(grid->Objects(2, 2), &user);
  EXPECT_EQ(grid->GraphicObjects(3, 3), &graphic);
  EXPECT_EQ(grid->GridCells(2, 2), "");
  EXPECT_EQ(grid->GridCells(3, 3), "");
  EXPECT_EQ(grid->log.Text(), "changed 2,2 changed 3,3") << "only the blank's removal reaches the hook";

  // A display hook that hides a text must not get that text erased.
  grid->SetCells(4, 4, "kept");
  grid->OnGetDisplText = [](TObject*, int, int, std::string& v) { v.clear(); };
  grid->SetObjects(4, 4, &user);
  EXPECT_EQ(grid->GridCells(4, 4), "kept");
  EXPECT_EQ(grid->Objects(4, 4), &user);
  grid->SetGraphicObjects(3, 3, nullptr);  // it goes before the grid
}

TEST_F(BaseGridTest, WritingTheHiddenLastRowCallsLastRowChanged) {
  grid->FHideLastRow = true;
  grid->SetCells(3, 19, "footer");
  grid->SetCells(3, 18, "not the last row");
  EXPECT_EQ(grid->lastRowChanges, 1);
  grid->CellProperties(4, 19);
  grid->SetCells(4, 19, "with properties");
  EXPECT_EQ(grid->lastRowChanges, 2);
  grid->FHideLastRow = false;
  grid->SetCells(3, 19, "shown");
  EXPECT_EQ(grid->lastRowChanges, 2);
}

TEST_F(BaseGridTest, OnlyCellGraphicsAreFreedWithTheirProperties) {
  int cellGraphics = 0, others = 0;
  auto* kept = new TFreedProbe("TBitmap", others);
  grid->SetGraphicObjects(1, 1, new TFreedProbe("TCellGraphic", cellGraphics));
  grid->SetGraphicObjects(2, 1, kept);
  auto* leftToCaller = new TFreedProbe("TCellGraphic", cellGraphics);
  grid->SetGraphicObjects(3, 1, leftToCaller);

  grid->FreeCellProperties(3, 1);
  EXPECT_FALSE(grid->HasCellProperties(3, 1));
  EXPECT_EQ(cellGraphics, 0) << "a single free leaves the graphic to the caller";
  delete leftToCaller;

  grid->FreeCellPropertiesRange(1, 1, 2, 1);
  EXPECT_EQ(cellGraphics, 2);
  EXPECT_EQ(others, 0);
  EXPECT_FALSE(grid->HasCellProperties(1, 1));
  delete kept;

  // The grid's destruction frees every cell's properties, also of rows cut off by a smaller
  // count, which the store keeps.
  cellGraphics = 0;
  grid->SetGraphicObjects(1, 15, new TFreedProbe("TCellGraphic", cellGraphics));
  grid->SetRowCount(10);
  delete grid;
  grid = nullptr;
  EXPECT_EQ(cellGraphics, 1);
}

TEST_F(BaseGridTest, AssignCopiesTheLookButKeepsTheCellsOwnParts) {
  TObject user, graphic, calc;
  TCellProperties* source = grid->CellProperties(1, 1);
  source->SetBrushColor(clRed);
  source->SetBrushColorTo(clBlue);
  source->SetFontName("Courier");
  source->SetEditor(edComboList);
  source->SetCellObject(&user);
  source->SetGradientDirection(GradientHorizontal);
  source->SetCalcType(acSUM);
  source->SetCalcObject(&calc);
  source->SetNodeLevel(2);
  grid->SetGraphicObjects(1, 1, &graphic);

  TCellProperties* target = grid->CellProperties(5, 5);
  target->Assign(source);
  EXPECT_EQ(target->BrushColor(), clRed);
  EXPECT_EQ(target->FontName(), "Courier");
  EXPECT_EQ(target->Editor(), edComboList);
  EXPECT_EQ(target->CellObject(), &user);
  EXPECT_EQ(target->NodeLevel(), 2);
  EXPECT_EQ(target->OwnerCol(), 1) << "the owner cell is copied too";
  EXPECT_EQ(target->BrushColorTo(), clNone);
  EXPECT_EQ(target->GradientDirection(), GradientVertical);
  EXPECT_EQ(target->CalcType(), acNONE);
  EXPECT_EQ(target->CalcObject(), nullptr);
  EXPECT_EQ(grid->GraphicObjects(5, 5), nullptr);
  EXPECT_EQ(target->OwnerGrid(), grid);

  EXPECT_THROW(target->Assign(nullptr), EConvertError);
  grid->SetGraphicObjects(1, 1, nullptr);  // it goes before the grid
}

}  // namespace
}  // namespace hd
