// The paint loop: which cells DrawCell sees, in which order and with which states, what the
// grid paints itself, and how little an invalidation repaints.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/recording_canvas.h"
#include "platform/grids/grid_fixture.h"

namespace hd {
namespace {

using test::GridTest;

TEST_F(GridTest, DrawCellOrderAndStatesScrolled) {
  grid->SetColCount(5);
  grid->SetLeftCol(3);
  grid->SetTopRow(4);
  grid->MoveColRow(3, 5, true, false);
  grid->MoveColRow(4, 6, false, false);
  grid->SetFocus();
  grid->logDraws = true;
  std::vector<TRect> rects;
  grid->OnDrawCell = [&](TObject*, int, int, const TRect& r, TGridDrawState) { rects.push_back(r); };
  grid->log.Clear();
  TRecordingCanvas canvas(200, 100);
  grid->PaintTo(canvas);
  // Fixed corner, fixed row, fixed column, then the body row by row; the bottom row is cut.
  EXPECT_EQ(grid->log.Text(),
            "0,0F 3,0F 4,0F 0,4F 0,5F 0,6F 0,7F "
            "3,4 4,4 3,5S 4,5S 3,6S 4,6S* 3,7 4,7");
  ASSERT_EQ(rects.size(), 15u);
  EXPECT_EQ(rects[0], (TRect{0, 0, 50, 20}));
  EXPECT_EQ(rects[2], (TRect{102, 0, 152, 20}));
  EXPECT_EQ(rects[12], (TRect{102, 63, 152, 83}));
  EXPECT_EQ(rects[14], (TRect{102, 84, 152, 104})) << "the canvas, not the rectangle, cuts the last row";

  std::vector<TCanvasCall> fills = canvas.CallsOf("FillRect");
  ASSERT_FALSE(fills.empty());
  // Grid lines in the fixed parts are black, in the body silver; past the last column the
  // grid's colour fills the rest.
  auto hasFill = [&](TRect r, TColor c) {
    for (const TCanvasCall& f : fills)
      if (f.Rect == r && f.Brush == c) return true;
    return false;
  };
  EXPECT_TRUE(hasFill({50, 0, 51, 21}, clBlack)) << canvas.Dump();
  EXPECT_TRUE(hasFill({101, 21, 102, 100}, ColorToRGB(clSilver))) << canvas.Dump();
  EXPECT_EQ(fills.back().Rect, (TRect{153, 0, 200, 100}));
  EXPECT_EQ(fills.back().Brush, ColorToRGB(clWindow));
}

TEST_F(GridTest, ThePaintedAreaLimitsTheCellsVisited) {
  grid->logDraws = true;
  TRecordingCanvas canvas(200, 100);
  struct Case {
    const char* name;
    TRect clip;
    const char* cells;
  };
  const Case cases[] = {
      {"one body cell", {102, 42, 152, 62}, "2,2"},
      {"a grid line belongs to no cell", {101, 42, 103, 43}, "2,2"},
      {"a strip across the fixed row", {0, 5, 200, 6}, "0,0F 1,0F 2,0F 3,0F"},
      {"past the last visible row", {0, 100, 200, 140}, ""},
  };
  for (const Case& c : cases) {
    grid->log.Clear();
    grid->PaintTo(canvas, c.clip);
    EXPECT_EQ(grid->log.Text(), c.cells) << c.name;
  }
}

TEST_F(GridTest, InvalidatedCellRepaintsAlone) {
  grid->SetFocus();
  grid->logDraws = true;
  int paints = 0;
  grid->OnDrawCell = [&](TObject*, int c, int r, const TRect&, TGridDrawState) {
    if (c == 0 && r == 0) ++paints;
  };
  grid->Invalidate();
  grid->Update();
  EXPECT_EQ(paints, 1) << "one paint event, one pass over the cells";
  struct Step {
    const char* name;
    std::function<void()> act;
    const char* cells;
  };
  const Step steps[] = {
      {"one cell", [&] { grid->InvalidateCell(2, 3); }, "2,3"},
      {"a cell's text", [&] { grid->SetCells(3, 2, "x"); }, "3,2"},
      {"a cell out of view", [&] { grid->SetCells(8, 15, "x"); }, ""},
      {"the current cell moves", [&] { grid->MoveColRow(2, 1, true, false); }, "select 2,1 1,1 2,1S*"},
      // The old current cell loses its focus mark; the new column joins the selection.
      {"the selection grows by a column", [&] { grid->MoveColRow(3, 1, false, false); }, "select 3,1 2,1S 3,1S*"},
  };
  for (const Step& s : steps) {
    grid->log.Clear();
    s.act();
    grid->Update();
    EXPECT_EQ(grid->log.Text(), s.cells) << s.name;
  }
  // An option change repaints every cell in view (4 columns by 5 rows, the last ones cut);
  // setting the options they already are repaints nothing.
  grid->log.Clear();
  grid->SetOptions(grid->Options() + TGridOptions{goRowSizing});
  grid->Update();
  EXPECT_EQ(grid->log.Entries().size(), 20u) << grid->log.Text();
  grid->log.Clear();
  grid->SetOptions(grid->Options());
  grid->Update();
  EXPECT_EQ(grid->log.Text(), "");
}

TEST_F(GridTest, TheFocusedCellIsLeftToAShownEditor) {
  struct TEditingGrid : test::TTestGrid {
    using TTestGrid::TTestGrid;
    void ShowEditorState(bool on) { FEditorMode = on; }
  };
  auto* editing = new TEditingGrid(form.get());
  editing->SetBorderStyle(bsNone);
  editing->SetParent(form.get());
  editing->SetBounds(0, 120, 200, 100);
  editing->SetDefaultColWidth(50);
  editing->SetDefaultRowHeight(20);
  editing->SetOptions(editing->Options() + TGridOptions{goEditing});
  editing->SetFocus();
  editing->logDraws = true;
  editing->log.Clear();
  TRecordingCanvas canvas(200, 100);
  editing->ShowEditorState(true);
  editing->PaintTo(canvas, TRect{51, 21, 200, 42});
  EXPECT_EQ(editing->log.Text(), "2,1 3,1") << "cell 1,1 is under the editor";
  editing->log.Clear();
  editing->ShowEditorState(false);
  editing->PaintTo(canvas, TRect{51, 21, 102, 42});
  EXPECT_EQ(editing->log.Text(), "1,1S*");
}

}  // namespace
}  // namespace hd
