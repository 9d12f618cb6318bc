// A cell store on a shown form for the foundation's tests: its protected state made
// reachable, and its hooks logged.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/base_grid.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd::test {

class TTestBaseGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  using TBaseGrid::FHideLastRow;
  using TBaseGrid::FHoverRowIdx;
  using TBaseGrid::FNormalRowCount;
  using TBaseGrid::FShowSel;
  using TBaseGrid::KeyDown;
  using TCustomGrid::FocusCell;

  TEventLog log;
  int lastRowChanges = 0;
  int invalidates = 0;
  // Content calls: "col,row text" with the content rectangle.
  struct Content {
    int col, row;
    std::string text;
    TRect rect;
  };
  std::vector<Content> contents;

  void Invalidate() override {
    ++invalidates;
    TBaseGrid::Invalidate();
  }

 protected:
  void LastRowChanged() override { ++lastRowChanges; }
  void CellTextChanged(int c, int r) override { log.Note("changed " + std::to_string(c) + "," + std::to_string(r)); }
  void DrawCellContent(TCanvas& canvas, int c, int r, const TRect& rect, TGridDrawState state) override {
    contents.push_back({c, r, GetCellEx(c, r), rect});
    TBaseGrid::DrawCellContent(canvas, c, r, rect, state);
  }
};

// Ten columns of 50 and twenty rows of 20 (the painter draws the lines inside the cells), one
// fixed column and row, in a client area of 200 x 100 without border or scroll bars.
class BaseGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 300);
    grid = New<TTestBaseGrid>(form.get());
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 200, 100);
    grid->SetColCount(10);
    grid->SetRowCount(20);
    grid->FNormalRowCount = 20;
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(20);
    form->Show();
    kit.Process();
    ASSERT_EQ(grid->ClientWidth(), 200);
    ASSERT_EQ(grid->ClientHeight(), 100);
  }
  void TearDown() override { form.reset(); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TTestBaseGrid* grid = nullptr;
};

}  // namespace hd::test
