// Scrolling moves the pixels already painted: only the lines that come into view are painted,
// and the picture equals a full repaint of the new view.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/bitmap.h"
#include "platform/grids/grid_fixture.h"

namespace hd {
namespace {

using test::GridTest;

// The first pixel where two pictures differ (outside `skip`), or "" when they are the same.
std::string FirstDifference(const TBitmap& a, const TBitmap& b, const TRect& skip = {}) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (!(x >= skip.Left && x < skip.Right && y >= skip.Top && y < skip.Bottom) &&
          (a.ScanLine(y)[x] & 0xFFFFFFu) != (b.ScanLine(y)[x] & 0xFFFFFFu))
        return "pixel " + std::to_string(x) + "," + std::to_string(y);
  return "";
}

class GridScrollTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    // Every cell looks different, so a pixel left at the wrong place shows.
    grid->OnDrawCell = [this](TObject*, int c, int r, const TRect& rect, TGridDrawState state) {
      TCanvas& canvas = grid->Canvas();
      canvas.Brush().Color = state.Contains(gdFixed) ? clBtnFace : RGB(200, (c * 37) % 256, (r * 53) % 256);
      canvas.FillRect(rect);
      canvas.TextOut(rect.Left + 2, rect.Top + 2, std::to_string(c) + ":" + std::to_string(r));
    };
    grid->SetRowHeights(5, 33);
    grid->SetRowHeights(9, 0);
    grid->SetColWidths(4, 70);
    grid->Invalidate();
    grid->Update();
  }
  // What the grid shows after the paint that follows a change, against a full repaint; the
  // cell under a shown editor is painted by neither.
  std::string ShownAgainstRepaint() {
    grid->Update();
    const TBitmap* shown = grid->PaintedImage();
    if (!shown) return "nothing painted";
    TBitmap full(grid->ClientWidth(), grid->ClientHeight());
    grid->PaintTo(full.Canvas());
    TRect editor = grid->EditorMode() ? grid->CellRect(grid->Col(), grid->Row()) : TRect{};
    return FirstDifference(*shown, full, editor);
  }
  // The cells painted to show what waits.
  std::string Painted() {
    grid->log.Clear();
    grid->Update();
    return grid->log.Text();
  }
};

TEST_F(GridScrollTest, AScrollPaintsOnlyWhatCameIntoViewAndShowsWhatARepaintWould) {
  grid->logDraws = true;
  struct Step {
    const char* name;
    std::function<void()> act;
    const char* cells;  // the cells painted after the move
  };
  const Step steps[] = {
      // Rows 1..4 are shown, the fourth cut at the bottom. A row down moves them up by 21
      // pixels: the strip uncovered holds the rest of row 4 and the new row 5, fixed column
      // first, as the paint goes part by part.
      {"a row down", [&] { grid->SetTopRow(2); }, "0,4F 0,5F 1,4 2,4 3,4 1,5 2,5 3,5"},
      {"a row up", [&] { grid->SetTopRow(1); }, "0,1F 1,1S 2,1 3,1"},
      {"a column right", [&] { grid->SetLeftCol(2); }, "3,0F 4,0F 3,1 4,1 3,2 4,2 3,3 4,3 3,4 4,4"},
      {"a column left", [&] { grid->SetLeftCol(1); }, "1,0F 1,1S 1,2 1,3 1,4"},
      // Two rows at once, then the taller row 5 and row 6 come in.
      {"two rows down", [&] { grid->SetTopRow(3); }, "0,4F 0,5F 0,6F 1,4 2,4 3,4 1,5 2,5 3,5 1,6 2,6 3,6"},
      {"farther than the view", [&] { grid->SetTopRow(8); }, nullptr},
      // The hidden row 9 takes no pixel: a move of one row's pixels.
      {"over a hidden row", [&] { grid->SetTopRow(10); }, "0,12F 0,13F 1,12 2,12 3,12 1,13 2,13 3,13"},
      {"two columns, one wide", [&] { grid->SetLeftCol(3); },
       "3,0F 4,0F 5,0F 3,10 4,10 5,10 3,11 4,11 5,11 3,12 4,12 5,12 3,13 4,13 5,13"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    s.act();
    std::string painted = Painted();
    if (s.cells) {
      EXPECT_EQ(painted, s.cells);
    }
    EXPECT_EQ(ShownAgainstRepaint(), "");
  }
}

TEST_F(GridScrollTest, TheUpdateRegionIsTheStripThatCameIntoView) {
  grid->SetTopRow(2);
  TRect waiting;
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), &waiting, false));
  // Row 2 (21 pixels) left at the top: a strip of 21 pixels at the bottom, full width, the
  // fixed row untouched.
  EXPECT_EQ(waiting, (TRect{0, 79, 200, 100}));
  grid->Update();
  grid->SetLeftCol(2);
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), &waiting, false));
  EXPECT_EQ(waiting, (TRect{149, 0, 200, 100}));
}

TEST_F(GridScrollTest, AMoveAsLargeAsTheViewRepaintsItAll) {
  grid->SetTopRow(15);
  TRect waiting;
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), &waiting, false));
  EXPECT_EQ(waiting, (TRect{0, 0, 200, 100}));
  EXPECT_EQ(ShownAgainstRepaint(), "");
}

TEST_F(GridScrollTest, WhatWaitedToBePaintedMovesWithThePixels) {
  grid->SetCells(1, 3, "changed");  // waits at row 3
  grid->logDraws = true;
  grid->SetTopRow(2);
  // Row 3 is painted where it went, rows 4 and 5 where they came in.
  EXPECT_EQ(Painted(), "0,4F 0,5F 1,3 1,4 2,4 3,4 1,5 2,5 3,5");
  EXPECT_EQ(ShownAgainstRepaint(), "");
}

TEST_F(GridScrollTest, AShownEditorStaysOverItsCell) {
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->SetFocus();
  grid->MoveColRow(2, 3, true, false);
  grid->SetEditorMode(true);
  kit.Process();
  ASSERT_NE(grid->FInplaceEdit, nullptr);
  struct Step {
    const char* name;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"a row down", [&] { grid->SetTopRow(2); }},
      {"a column right", [&] { grid->SetLeftCol(2); }},
      {"back", [&] { grid->SetTopRow(1); grid->SetLeftCol(1); }},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    s.act();
    kit.Process();
    TRect cell = grid->CellRect(2, 3);
    ASSERT_FALSE(cell.IsEmpty());
    EXPECT_TRUE(grid->FInplaceEdit->Visible());
    EXPECT_EQ(grid->FInplaceEdit->BoundsRect(), cell);
    EXPECT_EQ(ShownAgainstRepaint(), "");
  }
  // Scrolled out of view, the editor hides.
  grid->SetTopRow(6);
  kit.Process();
  EXPECT_FALSE(grid->FInplaceEdit->Visible());
}

}  // namespace
}  // namespace hd
