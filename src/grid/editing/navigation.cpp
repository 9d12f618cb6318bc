// Moving the current cell from code and the next-cell rules of Tab and Return, with the small
// queries they share.
#include <algorithm>

#include "grid/editing/edit_session.h"
#include "grid/editing/grid_keyboard.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

int LastNormalRowOf(TExtStringGrid& grid) {
  if (grid.FloatingFooter().Visible()) return grid.RowCount() - 2;
  return grid.RowCount() - grid.FixedFooters() - 1;
}

}  // namespace

int TExtStringGrid::FirstDataCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

int TExtStringGrid::VisibleFixedRightCols() const {
  if (FP->NumHidden == 0) return FP->Layout.FFixedRightCols;
  int n = 0, total = TotalColCount();
  for (int c = total - FP->Layout.FFixedRightCols; c < total; ++c)
    if (!IsHiddenColumn(c)) ++n;
  return n;
}

bool TExtStringGrid::IsLastNormalRow(int ARow) const {
  return ARow + 1 == RowCount() - FP->Layout.FFixedFooters || (ARow + 2 == RowCount() && FP->FloatingFooter->Visible());
}

bool TExtStringGrid::CanTabToCell(int ACol, int ARow) {
  bool canSelect = Options().Contains(goEditing) ? IsEditable(ACol, ARow) : !IsFocusFixed(ACol, ARow);
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

int TExtStringGrid::FirstTabCol(int ARow) {
  for (int c = 0; c < ColCount(); ++c)
    if (CanTabToCell(c, ARow)) return c;
  return -1;
}

int TExtStringGrid::LastTabCol(int ARow) {
  for (int c = ColCount() - 1; c >= 0; --c)
    if (CanTabToCell(c, ARow)) return c;
  return -1;
}

void TExtStringGrid::GotoFirstRow() { SetRow(FixedRows()); }

void TExtStringGrid::GotoCell(int ACol, int ARow) {
  SetRow(ARow);
  SetCol(ACol);
}

void TExtStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

void TExtStringGrid::SilentClick(int ACol, int ARow) {
  TRect r = CellRect(ACol, ARow);
  TMouseEvent down = std::move(OnMouseDown), up = std::move(OnMouseUp);
  OnMouseDown = nullptr;
  OnMouseUp = nullptr;
  FP->ForceSel = true;
  TBaseGrid::MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
  TBaseGrid::MouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
  FP->ForceSel = false;
  OnMouseDown = std::move(down);
  OnMouseUp = std::move(up);
}

bool TExtStringGrid::ChangeCellAllowed(int OldCol, int OldRow, int NewCol, int NewRow) {
  bool allow = true;
  if (OnRowChanging) OnRowChanging(this, OldRow, NewRow, allow);
  if (OnCellChanging) OnCellChanging(this, OldRow, OldCol, NewRow, NewCol, allow);
  if (OnColChanging) OnColChanging(this, OldCol, NewCol, allow);
  return allow;
}

bool TExtStringGrid::TabToNextCell(bool Backward) { return FP->Keyboard->TabToNextCell(Backward); }

bool TExtStringGrid::AdvanceTarget(int ACol, int ARow, bool Forward, int& NC, int& NR) {
  const TNavigation& nav = *FP->Navigation;
  TAdvanceDirection dir = nav.AdvanceDirection();
  TPoint span = CellSpan(ACol, ARow);
  int first = FirstDataCol();
  NC = ACol;
  NR = ARow;
  if (!Forward) {
    if (dir == adLeftRight) {
      if (NC > first) {
        --NC;
      } else {
        NR = ARow > FixedRows() ? ARow - 1 : LastNormalRowOf(*this);
        NC = ColCount() - FP->Layout.FFixedRightCols - 1;
      }
    } else if (dir == adTopBottom) {
      if (NR > FixedRows()) {
        --NR;
      } else {
        NC = NC > first ? NC - 1 : ColCount() - FP->Layout.FFixedRightCols - 1;
        NR = LastNormalRowOf(*this);
      }
    }
    return NC != ACol || NR != ARow;
  }
  if (dir == adLeftRight || dir == adLeftRightInRow) {
    if (ACol + span.X < ColCount() - VisibleFixedRightCols() - 1) {
      NC = ACol + span.X + 1;
    } else if (dir == adLeftRightInRow) {
      if (nav.AdvanceOnEnterLoop()) NC = first;
    } else if (!IsLastNormalRow(ARow)) {
      NR = ARow + 1;
      NC = first;
    } else if (nav.AdvanceInsert()) {
      bool canAdd = true;
      if (OnCanAddRow) OnCanAddRow(this, canAdd);
      NC = first;
      if (!canAdd) return NC != ACol;
      SetRowCount(RowCount() + 1);
      NR = ARow + 1;
      if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FP->Layout.FFixedFooters - 1);
      bool editable = false;
      for (int c = FixedCols(); c < ColCount() && !editable; ++c) editable = IsEditable(c, NR);
      if (!editable) return false;
    } else if (nav.AdvanceOnEnterLoop()) {
      NR = FixedRows();
      NC = first;
    }
  } else {
    if (!IsLastNormalRow(ARow)) {
      NR = ARow + 1;
    } else if (dir == adTopBottomInCol) {
      NR = FixedRows();
    } else if (NC + 1 != ColCount() - FP->Layout.FFixedRightCols) {
      NR = FixedRows();
      NC = NC + 1 >= ColCount() ? first : NC + 1;
    } else if (nav.AdvanceInsert()) {
      SetColCount(ColCount() + 1);
      NC = NC + span.X + 1;
      NR = FixedRows();
      if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FP->Layout.FFixedRightCols - 1);
    } else {
      NR = FixedRows();
      NC = first;
    }
    InvalidateGrid();
  }
  return NC != ACol || NR != ARow;
}

void TExtStringGrid::AdvanceToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Repeated,
                                       bool EditorWasOpen) {
  const TNavigation& nav = *FP->Navigation;
  if (!nav.AdvanceOnEnter() && !Force) return;
  if (FP->MouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing)) {
    TGridOptions options = Options();
    options.Include(goEditing);
    SetOptions(options);
  }
  if (!Repeated) {
    FP->AECol = ACol;
    FP->AERow = ARow;
  }
  FP->Session->StartEditChar = 0;
  // Read-only cells are walked over; a walk that stands still or comes round to where it
  // started leaves the current cell where it was.
  int nc = ACol, nr = ARow;
  int limit = ColCount() * RowCount() + 1;
  bool found = false;
  for (int step = 0; step < limit; ++step) {
    int fromCol = nc, fromRow = nr;
    if (!AdvanceTarget(fromCol, fromRow, Forward, nc, nr)) return;
    if (nc == ACol && nr == ARow) return;
    bool canEdit = true;
    CanEditCell(RealColIndex(nc), nr, canEdit);
    if (canEdit || !nav.AdvanceSkipReadOnlyCells()) {
      found = canEdit;
      break;
    }
  }
  if (found) {
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, FP->AERow, FP->AECol, nr, nc, allow);
    if (allow && OnCellChanging) OnCellChanging(this, FP->AERow, FP->AECol, nr, nc, allow);
    FP->DisableChange = true;
    if (allow) {
      SetCol(nc);
      SetRow(nr);
    } else {
      // The refused move leaves the old cell current: its editing state is settled again.
      SelectCell(ACol, ARow);
    }
    FP->DisableChange = false;
  } else if (!nav.AdvanceSkipReadOnlyCells()) {
    SetCol(nc);
    SetRow(nr);
  } else {
    return;
  }
  if (EditorWasOpen) {
    bool clickable = HasClickableGraphic(RealColIndex(Col()), Row());
    if (((AutoEdit && nav.AdvanceAutoEdit()) || clickable) && !clickable && IsEditable(Col(), Row()))
      ShowEditor();
  }
  if (FP->MouseActions->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(FP->MouseActions->RowSelectPersistent() ? DisplToRealRow(Row()) : Row(), true);
  }
}

}  // namespace hd
