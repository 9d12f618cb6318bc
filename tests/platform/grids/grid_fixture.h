// A string grid on a shown form for the grid tests: its protected operations made reachable,
// and its hooks logged in order.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>

#include "platform/forms.h"
#include "platform/grids.h"
#include "testkit/gui_kit.h"

namespace hd::test {

class TTestGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  using TCustomGrid::DeleteColumn;
  using TCustomGrid::DeleteRow;
  using TCustomGrid::FocusCell;
  using TCustomGrid::InvalidateCell;
  using TCustomGrid::MoveColRow;
  using TCustomGrid::MoveColumn;
  using TCustomGrid::MoveRow;
  using TCustomGrid::CalcSizingState;
  using TCustomGrid::FInplaceEdit;
  using TStringGrid::BeginEditUpdate;
  using TStringGrid::EndEditUpdate;

  TEventLog log;
  // Cells SelectCell refuses, and whole rows it refuses.
  std::set<std::pair<int, int>> refused;
  std::set<int> refusedRows;
  bool logDraws = false;
  // What GetEditLimit answers.
  int editLimit = 0;
  // What OwnLineMove answers, and the move CanMoveLine refuses (from, to; -1: none).
  bool ownLineMove = false;
  std::pair<int, int> refusedMove{-1, -1};

 protected:
  bool OwnLineMove() const override { return ownLineMove; }
  bool CanMoveLine(bool, int from, int to) override { return std::make_pair(from, to) != refusedMove; }
  int GetEditLimit() override { return editLimit; }
  bool SelectCell(int c, int r) override {
    log.Note("select " + std::to_string(c) + "," + std::to_string(r));
    if (refused.count({c, r}) || refusedRows.count(r)) return false;
    return TStringGrid::SelectCell(c, r);
  }
  void TopLeftChanged() override {
    log.Note("topleft " + std::to_string(LeftCol()) + "," + std::to_string(TopRow()));
    TStringGrid::TopLeftChanged();
  }
  void SizeChanged(int oldCols, int oldRows) override {
    log.Note("size " + std::to_string(oldCols) + "," + std::to_string(oldRows));
  }
  void ColWidthsChanged() override {
    log.Note("colwidths");
    TStringGrid::ColWidthsChanged();
  }
  void RowHeightsChanged() override {
    log.Note("rowheights");
    TStringGrid::RowHeightsChanged();
  }
  void DrawCell(int c, int r, const TRect& rect, TGridDrawState state) override {
    if (logDraws) {
      std::string s = std::to_string(c) + "," + std::to_string(r);
      if (state.Contains(gdFixed)) s += "F";
      if (state.Contains(gdSelected)) s += "S";
      if (state.Contains(gdFocused)) s += "*";
      log.Note(s);
    }
    TStringGrid::DrawCell(c, r, rect, state);
  }
};

// Ten columns of 50 and twenty rows of 20 with grid lines of 1 (51 and 21 pixels a line), one
// fixed column and row, in a client area of 200 x 100 without border or scroll bars.
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 300);
    form->Show();
    NewGrid();
  }
  void TearDown() override {
    form.reset();
    ResetKeyStates();
  }

  // Puts a fresh grid in place of the one there is (cases of a table start from scratch).
  void NewGrid() {
    delete grid;
    grid = new TTestGrid(form.get());
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 200, 100);
    grid->SetColCount(10);
    grid->SetRowCount(20);
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(20);
    kit.Process();
    ASSERT_EQ(grid->ClientWidth(), 200);
    ASSERT_EQ(grid->ClientHeight(), 100);
    grid->log.Clear();
  }

  // Input through the message queue, as the windowing system delivers it: keys to the window
  // with the focus (the character a key yields follows it), mouse messages to the grid.
  void Key(int vk, TShiftState shift = {}) {
    SetKeyDown(VK_SHIFT, shift.Contains(ssShift));
    SetKeyDown(VK_CONTROL, shift.Contains(ssCtrl));
    PostMessage(GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(vk), KeyDataFor(vk, false, shift.Contains(ssAlt), false));
    kit.Process();
    PostMessage(GetFocus(), WM_KEYUP, static_cast<WPARAM>(vk), KeyDataFor(vk, true, shift.Contains(ssAlt), false));
    kit.Process();
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, false);
  }
  void Mouse(UINT msg, int x, int y, unsigned keys = 0) {
    SendMessage(grid->Handle(), msg, keys, MAKELPARAM(x, y));
    kit.Process();
  }
  void Press(int x, int y, unsigned keys = 0) { Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON | keys); }
  void Drag(int x, int y) { Mouse(WM_MOUSEMOVE, x, y, MK_LBUTTON); }
  void Release(int x, int y) { Mouse(WM_LBUTTONUP, x, y); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TTestGrid* grid = nullptr;
};

}  // namespace hd::test
