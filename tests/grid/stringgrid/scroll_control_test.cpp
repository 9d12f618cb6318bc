// The ssMetro indicator: where its bar stands, how a press pages and a drag scrolls, and the
// axes on which nothing can move.
#include "grid/stringgrid/scroll_control.h"

#include <gtest/gtest.h>

#include "string_grid_fixture.h"

namespace hd {
namespace {

using test::StringGridTest;

TEST(ScrollControlGeometryTest, BarSizeAndPositionFollowTheVisibleShareAndClampAtTheEnd) {
  struct Case {
    const char* name;
    TScrollAxis axis;
    TScrollBarPlace bar;
  };
  // 100 rows, 1 fixed of 22 pixels, 20 shown, a track of 200 in a control of 222.
  const TScrollAxis base{222, 22, 200, 100, 1, 20, 1, 22};
  auto with = [&base](int count, int visible, int first) {
    TScrollAxis a = base;
    a.Count = count;
    a.Visible = visible;
    a.First = first;
    return a;
  };
  const Case cases[] = {
      {"top: the bar starts below the fixed row", with(100, 20, 1), {true, 22, 40}},
      {"middle: 49 of 99 scrolled rows", with(100, 20, 50), {true, 121, 40}},
      {"end: the last page", with(100, 20, 80), {true, 182, 40}},
      {"many rows: at least 20 pixels", with(1000, 20, 1), {true, 22, 20}},
      {"many rows at the end: kept inside the control", with(1000, 20, 980), {true, 202, 20}},
      {"everything shown: no bar", with(20, 20, 1), {false, 0, 0}},
      {"only fixed rows: no bar", with(1, 20, 1), {false, 0, 0}},
      {"no rows: no bar", with(0, 0, 0), {false, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TScrollBarPlace got = TScrollControl::BarPlace(c.axis);
    EXPECT_EQ(got.Shown, c.bar.Shown);
    EXPECT_EQ(got.Pos, c.bar.Pos);
    EXPECT_EQ(got.Size, c.bar.Size);
  }
}

TEST(ScrollControlGeometryTest, DragMovesByTheShareOfTheControlAndStopsAtBothEnds) {
  const TScrollAxis axis{222, 22, 200, 100, 1, 20, 30, 22};
  struct Case {
    const char* name;
    int to;
    int first;
  };
  // A press at 100 with row 30 first; 200 pixels (222 less row 0) stand for 100 rows.
  const Case cases[] = {
      {"down 20 pixels: 10 rows", 120, 40},
      {"up 20 pixels: 10 rows", 80, 20},
      {"far down: the last page", 400, 80},
      {"far up: the first scrolled row", -300, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TScrollControl::DragTarget(axis, 100, 30, c.to), c.first);
  }
  TScrollAxis flat = axis;
  flat.Length = flat.FirstLineSize;
  EXPECT_EQ(TScrollControl::DragTarget(flat, 100, 30, 150), -1) << "a control no longer than row 0 cannot drag";
}

class ScrollControlGridTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    grid->SetRowCount(100);
    grid->SetScrollType(ssMetro);
    kit.Process();
    vert = grid->VertScrollControl();
    ASSERT_NE(vert, nullptr);
  }
  int BarTopAt(int x) {
    vert->Repaint();
    const TBitmap* image = vert->PaintedImage();
    if (!image) return -1;
    for (int y = 0; y < image->Height(); ++y)
      if (static_cast<TColor>(image->ScanLine(y)[x] & 0xFFFFFFu) == vert->Color()) return y;
    return -1;
  }
  TScrollControl* vert = nullptr;
};

TEST_F(ScrollControlGridTest, TrackLeavesOutTheFixedRowsAndTheFooterRows) {
  TScrollAxis a = vert->Axis();
  EXPECT_EQ(a.Length, vert->ClientHeight());
  EXPECT_EQ(a.TrackStart, grid->RowHeights(0));
  EXPECT_EQ(a.TrackLength, vert->ClientHeight() - grid->RowHeights(0));
  EXPECT_EQ(a.Visible, grid->VisibleRowCount());
  grid->SetFixedFooters(2);
  a = vert->Axis();
  EXPECT_EQ(a.TrackLength, vert->ClientHeight() - grid->RowHeights(0) - grid->RowHeights(98) - grid->RowHeights(99));
  TScrollControl* horz = grid->HorzScrollControl();
  ASSERT_NE(horz, nullptr);
  EXPECT_FALSE(TScrollControl::BarPlace(horz->Axis()).Shown) << "all five columns are shown";
}

TEST_F(ScrollControlGridTest, PressesBesideTheBarPageAndTheBarFollowsTheGrid) {
  const int visible = grid->VisibleRowCount();
  EXPECT_EQ(BarTopAt(1), grid->RowHeights(0));
  kit.Click(vert, 2, vert->ClientHeight() - 2);
  EXPECT_EQ(grid->TopRow(), 1 + visible);
  kit.Process();
  EXPECT_EQ(BarTopAt(1), TScrollControl::BarPlace(vert->Axis()).Pos) << "the bar moved with the grid";
  EXPECT_GT(BarTopAt(1), grid->RowHeights(0));
  for (int i = 0; i < 20; ++i) kit.Click(vert, 2, vert->ClientHeight() - 2);
  EXPECT_EQ(grid->TopRow(), 100 - visible) << "paging stops at the last page";
  kit.Click(vert, 2, 0);
  EXPECT_EQ(grid->TopRow(), 100 - 2 * visible);
  for (int i = 0; i < 20; ++i) kit.Click(vert, 2, 0);
  EXPECT_EQ(grid->TopRow(), 1) << "paging back stops at the first scrolled row";
  EXPECT_EQ(BarTopAt(4), -1) << "the bar is ScrollWidth (4) pixels thick";
}

TEST_F(ScrollControlGridTest, DraggingTheBarScrollsTheGrid) {
  const TScrollBarPlace bar = TScrollControl::BarPlace(vert->Axis());
  const int press = bar.Pos + bar.Size / 2;
  kit.MouseDown(vert, 2, press);
  EXPECT_TRUE(vert->Dragging());
  const int span = vert->ClientHeight() - grid->RowHeights(0);
  kit.MoveMouse(vert, 2, press + span / 10, {ssLeft});
  EXPECT_EQ(grid->TopRow(), TScrollControl::DragTarget(vert->Axis(), press, 1, press + span / 10));
  EXPECT_GT(grid->TopRow(), 5);
  kit.MouseUp(vert, 2, press + span / 10);
  EXPECT_FALSE(vert->Dragging());
  const int top = grid->TopRow();
  kit.MoveMouse(vert, 2, press + span / 2);
  EXPECT_EQ(grid->TopRow(), top) << "a move after the release scrolls nothing";
}

TEST_F(StringGridTest, ScrollControlWithoutAGridDoesNothing) {
  TScrollControl lone(form.get());
  lone.SetParent(form.get());
  lone.SetBounds(0, 0, 6, 100);
  kit.Process();
  kit.Click(&lone, 2, 90);
  EXPECT_EQ(lone.Grid(), nullptr);
  EXPECT_FALSE(TScrollControl::BarPlace(lone.Axis()).Shown);
}

}  // namespace
}  // namespace hd
