#include "tables/row_operations.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr int kRowInUseText = 1800;
constexpr int kBadCopyText = 1801;
constexpr int kNothingCopiedText = 1802;
constexpr TKeyChar kEnter = 13;

void CopyRowTexts(TExtColumnGrid& grid, int from, int to) {
  for (int c = 1; c < grid.ColCount(); ++c) grid.SetCells(c, to, grid.Cells(c, from));
}

void EmptyRow(TExtColumnGrid& grid, int row) {
  for (int c = 1; c < grid.ColCount(); ++c) grid.SetCells(c, row, "");
}

bool IsCheckBoxColumn(const TExtColumnGrid& grid, int column) {
  return column < grid.Columns().Count() && grid.Columns().Items(column)->Editor() == edDataCheckBox;
}

// Check boxes always hold "Y" or "N", so only the other columns tell a row in use.
bool RowInUse(const TExtColumnGrid& grid, int row) {
  for (int c = 1; c < grid.ColCount(); ++c)
    if (!IsCheckBoxColumn(grid, c) && !Trim(grid.Cells(c, row)).empty()) return true;
  return false;
}

}  // namespace

void Grid_Insert_Row(int row, TExtColumnGrid& grid) {
  for (int r = grid.RowCount() - 2; r >= row; --r) CopyRowTexts(grid, r, r + 1);
  EmptyRow(grid, row);
}

void Grid_Delete_Row(int row, TExtColumnGrid& grid) {
  const int last = grid.RowCount() - 1;
  for (int r = row; r < last; ++r) CopyRowTexts(grid, r + 1, r);
  EmptyRow(grid, last);
}

void Grid_Copy_Row(TAppState& state, TExtColumnGrid& grid, int row) {
  state.Row_Clipboard.Clear();
  for (int c = 1; c < grid.ColCount(); ++c) state.Row_Clipboard.Add(grid.Cells(c, row));
}

void Grid_Paste_Row(TAppState& state, TExtColumnGrid& grid, int row, bool copied) {
  const TStringList& lang = state.Lang_Table;
  if (!copied) return Show_Error(lang.Strings(kNothingCopiedText));
  if (state.Row_Clipboard.Count() != grid.ColCount() - 1) return Show_Error(lang.Strings(kBadCopyText));
  if (RowInUse(grid, row) && !Ask_Yes_No(lang.Strings(kRowInUseText))) return;
  for (int c = 1; c < grid.ColCount(); ++c) grid.SetCells(c, row, state.Row_Clipboard.Strings(c - 1));
}

void Grid_Header_DblClick(const TAppState& state, TExtColumnGrid& grid, int row, int column) {
  if (state.Opt_Double_Click_Auto_Size && row == 0) grid.AutoSizeCol(column, 0);
}

void Grid_Enter_Jump(const TAppState& state, TExtColumnGrid& grid, TKeyChar& key) {
  if (!state.Opt_Jump_Field_Tables || key != kEnter) return;
  const int col = grid.Col(), row = grid.Row();
  if (col > 0 && row > 0) {
    if (col < grid.ColCount() - 1) {
      grid.SetCol(col + 1);
    } else {
      grid.SetCol(1);
      grid.SetRow(row < grid.RowCount() - 1 ? row + 1 : 1);
    }
  }
  key = 0;  // the grid does not act on this Enter itself
}

}  // namespace hd
