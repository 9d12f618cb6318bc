// The walk of Tab and Shift+Tab: along a row or down a column by the navigation's direction,
// past cells that take no stop, into the next row, past the grid's end (a row added, or the
// focus handed to the parent), with the editor opened where the walk stops.
#include <algorithm>

#include "grid/editing/grid_keyboard.h"
#include "grid/foundation/input_settings.h"

namespace hd {

int TGridKeyboard::LastNormalRow() {
  if (H.Looks().FooterVisible) return H.RowCount() - 2;
  return H.RowCount() - H.Looks().FixedFooters - 1;
}

// Forward Tab from the current cell; answers whether the walk reached the grid's end.
int TGridKeyboard::TabStepForward() {
  int col = H.Col(), row = H.Row();
  TPoint span = H.CellSpan(col, row);
  if (H.Navigation().TabAdvanceDirection() != adLeftRight) return TabStepDown(col, row + span.Y + 1);
  if (col + span.X + 1 < H.ColCount() - H.VisibleFixedRightCols()) return TabAlongRow(col, row, col + span.X + 1);
  if (!H.IsLastNormalRow(row) && TabToRowBelow(row)) return 0;
  // No row below has a stop: go on as from the end of the grid.
  return TabPastGridEnd();
}

int TGridKeyboard::TabStepDown(int ACol, int NextRow) {
  if (NextRow < H.RowCount() - H.Looks().FixedFooters) {
    H.SetRow(NextRow);
    return 0;
  }
  H.GotoFirstRow();
  if (ACol < H.ColCount() - H.VisibleFixedRightCols() - 1) {
    H.SetCol(ACol + 1);
    return 0;
  }
  H.SetCol(H.FirstDataCol());
  return 1;
}

int TGridKeyboard::TabAlongRow(int ACol, int ARow, int From) {
  int last = H.ColCount() - H.VisibleFixedRightCols();
  int c = From;
  while (c < last && !H.CanTabToCell(c, ARow)) ++c;
  if (c < last) {
    H.SetCol(c);
    return 0;
  }
  int result = 0;
  H.SetForceSel(true);
  if (!H.IsLastNormalRow(ARow)) {
    int v = H.FirstTabCol(ARow + 1);
    if (H.ChangeCellAllowed(ACol, ARow, v, ARow + 1)) {
      H.SetCol(v < 0 ? H.FixedCols() : v);
      H.SetRow(ARow + 1);
    }
  } else {
    int v = H.FirstTabCol(H.FixedRows());
    if (v >= 0) {
      H.SetSelection({v, H.FixedRows(), v, H.FixedRows()});
      H.ClampInView({v, H.FixedRows()});
    }
    result = 1;
  }
  H.SetForceSel(false);
  return result;
}

bool TGridKeyboard::TabToRowBelow(int ARow) {
  for (int c = H.FirstDataCol(); c < H.ColCount(); ++c) {
    if (H.IsBaseCell(c, ARow + 1) && H.CanTabToCell(c, ARow + 1)) {
      H.SetForceSel(true);
      H.SetCol(c);
      H.SetForceSel(false);
      H.SetRow(ARow + 1);
      return true;
    }
  }
  for (int r = ARow + 2; r <= LastNormalRow(); ++r) {
    if (int v = H.FirstTabCol(r); v >= 0) {
      H.SetRow(r);
      H.SetCol(v);
      return true;
    }
  }
  return false;
}

int TGridKeyboard::TabPastGridEnd() {
  const TNavigation& nav = H.Navigation();
  bool added = false;
  if (!nav.TabToNextAtEnd() && nav.AdvanceInsert()) {
    if (H.CanAddRow()) {
      H.SetRowCount(H.RowCount() + 1);
      if (H.Looks().FooterVisible) {
        // The footer stays the last row.
        H.MoveRow(H.RowCount() - 1, H.RowCount() - 2);
        H.SetRow(H.RowCount() - 2);
      } else {
        H.SetRow(H.RowCount() - 1);
      }
      H.AutoAddRow(H.RowCount() - H.Looks().FixedFooters - 1);
      added = true;
    }
  }
  if (!added) H.GotoFirstRow();
  // A row without a stop keeps the column rather than taking -1.
  if (int v = H.FirstTabCol(H.Row()); v >= 0) H.SetCol(v);
  return 1;
}

void TGridKeyboard::TabStepBackward() {
  int col = H.Col(), row = H.Row();
  int lastNormal = LastNormalRow();
  if (H.Navigation().TabAdvanceDirection() != adLeftRight) {
    if (row > H.FixedRows()) {
      H.SetRow(row - 1);
      return;
    }
    H.SetRow(lastNormal);
    H.SetCol(col > H.FirstDataCol() ? col - 1 : H.ColCount() - H.VisibleFixedRightCols() - 1);
    return;
  }
  int first = H.FirstDataCol();
  if (col > first) {
    int c = col - 1;
    while (c >= first && !(H.CanTabToCell(c, row) && H.IsBaseCell(c, row))) --c;
    if (c >= first) {
      H.SetCol(c);
    } else {
      int r = row > H.FixedRows() ? row - 1 : lastNormal;
      int v = H.LastTabCol(r);
      if (v >= 0) {
        H.SetSelection({v, r, v, r});
        H.ClampInView({v, r});
      }
    }
    if (H.IsMergedNonBaseCell(H.Col(), H.Row())) H.MoveToBaseCell();
    return;
  }
  int c = H.ColCount() - H.VisibleFixedRightCols() - 1;
  while (c >= H.FixedCols() && !H.CanTabToCell(c, row)) --c;
  if (c >= H.FixedCols()) H.SetCol(c);
  H.SetRow(row > H.FixedRows() ? row - 1 : lastNormal);
}

bool TGridKeyboard::TabToNextCell(bool Backward) {
  bool result = true;
  {
    WORD key = VK_TAB;
    TShiftState shift;
    if (Backward) shift.Include(ssShift);
    H.KeyDownEvent(key, shift);
    if (key != VK_TAB) return true;
  }
  const TNavigation& nav = H.Navigation();
  TGridCoord start{H.Col(), H.Row()};
  // A cell that cannot be edited is passed over; the walk ends once it stands still or comes
  // back to where it started.
  for (int steps = 0; steps <= H.RowCount() + H.ColCount(); ++steps) {
    TGridCoord cur{H.Col(), H.Row()};
    if (cur == LastTabCell) break;
    LastTabCell = cur;
    int atEnd = 0;
    if (Backward)
      TabStepBackward();
    else
      atEnd = TabStepForward();
    if (atEnd && nav.TabToNextAtEnd() && H.TabToParent()) {
      result = false;
      break;
    }
    TGridCoord now{H.Col(), H.Row()};
    if (now == start) break;
    bool retry = (H.Options().Contains(goEditing) && !H.IsEditable(now.X, now.Y)) ||
                 (!Backward && !H.IsBaseCell(now.X, now.Y));
    if (!retry) break;
  }
  if (nav.AdvanceAutoEdit() && !H.HasClickableGraphic(H.RealColIndex(H.Col()), H.Row())) H.SilentClick(H.Col(), H.Row());
  LastTabCell = {-1, -1};
  if (nav.AlwaysEdit() && H.CanFocus()) H.SetFocus();
  return result;
}

}  // namespace hd
