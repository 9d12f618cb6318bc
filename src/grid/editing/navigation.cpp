// Moving the current cell from code and the next-cell rules of Tab and Return, with the small
// queries they share.
#include <algorithm>

#include "grid/editing/edit_session.h"
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

// Forward Tab from the current cell; answers whether the walk reached the grid's end.
int TExtStringGrid::TabStepForward() {
  int col = Col(), row = Row();
  TPoint span = CellSpan(col, row);
  if (FP->Navigation->TabAdvanceDirection() != adLeftRight) return TabStepDown(col, row + span.Y + 1);
  if (col + span.X + 1 < ColCount() - VisibleFixedRightCols()) return TabAlongRow(col, row, col + span.X + 1);
  if (!IsLastNormalRow(row) && TabToRowBelow(row)) return 0;
  // No row below has a stop: go on as from the end of the grid.
  return TabPastGridEnd();
}

int TExtStringGrid::TabStepDown(int ACol, int NextRow) {
  if (NextRow < RowCount() - FP->Layout.FFixedFooters) {
    SetRow(NextRow);
    return 0;
  }
  GotoFirstRow();
  if (ACol < ColCount() - VisibleFixedRightCols() - 1) {
    SetCol(ACol + 1);
    return 0;
  }
  SetCol(FirstDataCol());
  return 1;
}

int TExtStringGrid::TabAlongRow(int ACol, int ARow, int From) {
  int last = ColCount() - VisibleFixedRightCols();
  int c = From;
  while (c < last && !CanTabToCell(c, ARow)) ++c;
  if (c < last) {
    SetCol(c);
    return 0;
  }
  int result = 0;
  FP->ForceSel = true;
  if (!IsLastNormalRow(ARow)) {
    int v = FirstTabCol(ARow + 1);
    if (ChangeCellAllowed(ACol, ARow, v, ARow + 1)) {
      SetCol(v < 0 ? FixedCols() : v);
      SetRow(ARow + 1);
    }
  } else {
    int v = FirstTabCol(FixedRows());
    if (v >= 0) {
      SetSelection({v, FixedRows(), v, FixedRows()});
      ClampInView({v, FixedRows()});
    }
    result = 1;
  }
  FP->ForceSel = false;
  return result;
}

bool TExtStringGrid::TabToRowBelow(int ARow) {
  for (int c = FirstDataCol(); c < ColCount(); ++c) {
    if (IsBaseCell(c, ARow + 1) && CanTabToCell(c, ARow + 1)) {
      FP->ForceSel = true;
      SetCol(c);
      FP->ForceSel = false;
      SetRow(ARow + 1);
      return true;
    }
  }
  for (int r = ARow + 2; r <= LastNormalRowOf(*this); ++r) {
    if (int v = FirstTabCol(r); v >= 0) {
      SetRow(r);
      SetCol(v);
      return true;
    }
  }
  return false;
}

int TExtStringGrid::TabPastGridEnd() {
  const TNavigation& nav = *FP->Navigation;
  bool added = false;
  if (!nav.TabToNextAtEnd() && nav.AdvanceInsert()) {
    bool canAdd = true;
    if (OnCanAddRow) OnCanAddRow(this, canAdd);
    if (canAdd) {
      SetRowCount(RowCount() + 1);
      if (FP->FloatingFooter->Visible()) {
        // The footer stays the last row.
        MoveRow(RowCount() - 1, RowCount() - 2);
        SetRow(RowCount() - 2);
      } else {
        SetRow(RowCount() - 1);
      }
      if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FP->Layout.FFixedFooters - 1);
      added = true;
    }
  }
  if (!added) GotoFirstRow();
  // A row without a stop keeps the column rather than taking -1.
  if (int v = FirstTabCol(Row()); v >= 0) SetCol(v);
  return 1;
}

void TExtStringGrid::TabStepBackward() {
  int col = Col(), row = Row();
  int lastNormal = LastNormalRowOf(*this);
  if (FP->Navigation->TabAdvanceDirection() != adLeftRight) {
    if (row > FixedRows()) {
      SetRow(row - 1);
      return;
    }
    SetRow(lastNormal);
    SetCol(col > FirstDataCol() ? col - 1 : ColCount() - VisibleFixedRightCols() - 1);
    return;
  }
  int first = FirstDataCol();
  if (col > first) {
    int c = col - 1;
    while (c >= first && !(CanTabToCell(c, row) && IsBaseCell(c, row))) --c;
    if (c >= first) {
      SetCol(c);
    } else {
      int r = row > FixedRows() ? row - 1 : lastNormal;
      int v = LastTabCol(r);
      if (v >= 0) {
        SetSelection({v, r, v, r});
        ClampInView({v, r});
      }
    }
    if (IsMergedNonBaseCell(Col(), Row())) MoveToBaseCell();
    return;
  }
  int c = ColCount() - VisibleFixedRightCols() - 1;
  while (c >= FixedCols() && !CanTabToCell(c, row)) --c;
  if (c >= FixedCols()) SetCol(c);
  SetRow(row > FixedRows() ? row - 1 : lastNormal);
}

bool TExtStringGrid::TabToNextCell(bool Backward) {
  bool result = true;
  if (OnKeyDown) {
    WORD key = VK_TAB;
    TShiftState shift;
    if (Backward) shift.Include(ssShift);
    OnKeyDown(this, key, shift);
    if (key != VK_TAB) return true;
  }
  const TNavigation& nav = *FP->Navigation;
  TGridCoord start{Col(), Row()};
  // A cell that cannot be edited is passed over; the walk ends once it stands still or comes
  // back to where it started.
  for (int steps = 0; steps <= RowCount() + ColCount(); ++steps) {
    TGridCoord cur{Col(), Row()};
    if (cur == FP->LastTabCell) break;
    FP->LastTabCell = cur;
    int atEnd = 0;
    if (Backward)
      TabStepBackward();
    else
      atEnd = TabStepForward();
    if (atEnd && Parent() && nav.TabToNextAtEnd()) {
      PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
      result = false;
      break;
    }
    TGridCoord now{Col(), Row()};
    if (now == start) break;
    bool retry = (Options().Contains(goEditing) && !IsEditable(now.X, now.Y)) ||
                 (!Backward && !IsBaseCell(now.X, now.Y));
    if (!retry) break;
  }
  if (nav.AdvanceAutoEdit() && !HasClickableGraphic(RealColIndex(Col()), Row())) SilentClick(Col(), Row());
  FP->LastTabCell = {-1, -1};
  if (nav.AlwaysEdit() && CanFocus()) SetFocus();
  return result;
}

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
