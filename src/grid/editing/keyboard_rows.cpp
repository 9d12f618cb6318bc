// Rows inserted and deleted from the keyboard (Insert and Delete with the navigation's
// permissions), with their events and the current row they leave.
#include <algorithm>

#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

void TExtStringGrid::ClearRowTexts(int ARow) {
  for (int c = 0; c < TotalColCount(); ++c) SetGridCell(c, ARow, "");
}

void TExtStringGrid::InsertRowAt(int ARow) {
  if (NodeAwareInsertRow(ARow)) {
    InvalidateGrid();
    return;
  }
  int display = std::min(RealToDisplRow(ARow), RowCount());
  SetRowCount(RowCount() + 1);
  // The store keeps texts past the row count: the row that comes in starts empty.
  ClearRowTexts(RowCount() - 1);
  MoveRow(RowCount() - 1, display);
  InvalidateGrid();
}

void TExtStringGrid::DeleteRowAt(int ARow) {
  int display = RealToDisplRow(ARow);
  if (NodeAwareDeleteRow(ARow)) {
    InvalidateGrid();
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
    return;
  }
  if (RowCount() - FixedRows() - FP->Layout.FFixedFooters <= 1 && !FP->Layout.FFixedRowAlways) {
    ClearRowTexts(ARow);
  } else {
    TBaseGrid::DeleteRow(display);
    // What was dropped must not come back when the grid grows again.
    ClearRowTexts(RowCount());
  }
  InvalidateGrid();
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

bool TExtStringGrid::InsertRowKey() {
  bool canInsert = true;
  if (OnCanInsertRow) OnCanInsertRow(this, Row(), canInsert);
  if (!canInsert) return false;
  int n = Row();
  int at = RealRowIndex(Row());
  if (FP->Navigation->InsertPosition() == pInsertAfter) {
    if (FP->Layout.FFixedRowAlways && FixedRows() == RowCount()) {
      n = 1;
    } else {
      at = RealRowIndex(Row()) + 1;
      if (n + 1 < RowCount() + 1) ++n;
    }
  }
  InsertRowAt(at);
  if (OnAutoInsertRow) OnAutoInsertRow(this, at);
  SetModified(true);
  SetRow(std::min(n, RowCount() - 1));
  return true;
}

bool TExtStringGrid::DeleteRowKey() {
  if (RowCount() - FP->Layout.FFixedFooters - FixedRows() < 1) return true;
  int r = RealRowIndex(Row());
  bool canDelete = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, r, canDelete);
  if (!canDelete) return false;
  DeleteRowAt(r);
  if (FP->FloatingFooter->Visible() && Row() == RowCount() - 1) SetRow(RowCount() - 2);
  StoreOldCell(Col(), Row());
  SetModified(true);
  return true;
}

}  // namespace hd
