// The release of the left button, the double click (auto-sizing by a header border, the
// double-click event, editing on a double click) and the right button.
#include <algorithm>
#include <cstdlib>

#include "grid/editing/edit_session.h"
#include "grid/editing/grid_pointer.h"
#include "grid/editing/fixed_cell_editors.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/forms.h"

namespace hd {

void TExtStringGrid::WMLButtonUp(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  TMouseActions& ma = *p.MouseActions;
  const int X = GET_X_LPARAM(message.LParam), Y = GET_Y_LPARAM(message.LParam);
  p.DisjunctMouseDown = p.MouseKeepDown = p.MouseDownMove = false;
  p.MouseSelectStart = {-1, -1};
  p.Pointer->MouseSelectMode = msNormal;
  CellControlRelease();
  // A release that ends sizing (the platform's or the grid's own of a fixed line) or a column
  // move sorts nothing.
  const bool fixedSized = p.Pointer->FixedSizingRelease(X, Y);
  const bool sizing = fixedSized || FGridState == gsColSizing || FGridState == gsRowSizing;
  const int columnMoves = p.ColumnMoves;
  // The grid's own header drag ends here, before the platform's release.
  const bool dragged = EnhancedDragRelease(X, Y);
  if (p.FixedCellPushed) {
    TCanvas& canvas = Canvas();
    TRect r = p.PushedFixedCell;
    canvas.DrawEdge(r, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
    canvas.DrawEdge(r, BDR_RAISEDINNER, BF_TOPLEFT);
    p.FixedCellPushed = false;
  }
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool valid = ACol >= 0 && ARow >= 0;
  HWND self = Handle();
  if (p.PushedCellButton.X != -1 || p.PushedCellButton.Y != -1) {
    ReleaseCellButton(ACol, ARow, X, Y, valid);
    if (!IsWindow(self)) return;
  }
  // A release on a cell's button belongs to the button alone.
  if (valid && HasButton(RealColIndex(ACol), ARow) && PtInRect(GetCellGraphicRect(ACol, ARow), TPoint{X, Y})) return;
  if (valid && PtInRect(GetExpandRect(RealColIndex(ACol), ARow), TPoint{X, Y})) return;
  if (p.DoOnClick && valid && (ACol < FixedCols() || ARow < FixedRows()) && FGridState != gsColSizing &&
      FGridState != gsRowSizing) {
    bool sizingCursor = ARow < FixedRows() && Options().Contains(goColSizing) && Screen().Cursor() == crHSplit;
    if (!sizingCursor) Click();
  }
  p.DoOnClick = false;
  bool unmarked = false;
  if (ma.DisjunctRowSelect() && valid && !(ACol == 0 && IsNode(ARow))) {
    if (!(ACol == 0 && ma.HotmailRowSelect())) SyncRowSelectWithSelection(false);
    if (ARow >= FixedRows() && ARow < RowCount() - FP->Layout.FFixedFooters && p.DeselectState) {
      SetRowSelect(ma.RowSelectPersistent() ? DisplToRealRow(ARow) : ARow, false);
      unmarked = true;
    }
    p.DeselectState = false;
  }
  if (ma.DisjunctColSelect() && valid) {
    SyncColSelectWithSelection(false);
    if (ACol >= FixedCols() && ACol <= ColCount() - FP->Layout.FFixedRightCols && p.DeselectState) SetColSelect(ACol, false);
    p.DeselectState = false;
  }
  StandardHandling(message);
  if (!IsWindow(self)) return;
  if (unmarked) p.SelChange = false;
  if (FGridState == gsSelecting) FGridState = gsNormal;
  FilterDropDownRelease(X, Y);
  if (!valid || (ACol < FixedCols() && !p.SortSettings->FixedCols())) return;
  const int RC = RealColIndex(ACol);
  if (OnCheckBoxMouseUp && HasCheckBox(RC, ARow)) {
    bool state = false;
    GetCheckBoxState(RC, RealRowIndex(ARow), state);
    OnCheckBoxMouseUp(this, RC, ARow, state);
  }
  if (OnRadioMouseUp && IsRadio(RC, ARow)) OnRadioMouseUp(this, RC, ARow, RadioItemIndex(RC, ARow));
  HeaderClickSort(ACol, ARow, X, Y, KeysToShiftState(static_cast<unsigned>(message.WParam)),
                  sizing || dragged || p.ColumnMoves != columnMoves);
}

void TExtStringGrid::ReleaseCellButton(int ACol, int ARow, int X, int Y, bool Valid) {
  TExtStringGridPrivate& p = *FP;
  const TControlLook& look = *p.ControlLook;
  const TGridCoord pushed = p.PushedCellButton;
  p.PushedCellButton = {-1, -1};
  SetMouseCapture(false);
  const bool fixedCol = pushed.X < FixedCols(), fixedRow = pushed.Y < FixedRows();
  const bool enabled = Valid && !look.NoDisabledButtonLook() ? IsEditable(ACol, ARow) : Options().Contains(goEditing);
  // The button comes up whatever happens: a button left down would show pushed for good.
  if (!IsNode(pushed.Y)) PushButton(pushed.X, pushed.Y, false);
  if (!(enabled || look.NoDisabledButtonLook() || fixedCol || fixedRow) || !Valid) return;
  TPoint base = BaseCell(RealColIndex(ACol), ARow);
  bool overButton = PtInRect(GetCellGraphicRect(RealToDisplCol(base.X), base.Y), TPoint{X, Y});
  const bool fixedClick = (FP->Colors.FFixedAsButtons && fixedCol) || fixedRow;
  const bool expand = HasExpand(base.X, base.Y);
  if ((overButton && !expand) || fixedClick) DoButtonClick(pushed.X, pushed.Y);
  if (expand &&
      (PtInRect(GetExpandRect(base.X, base.Y), TPoint{X, Y}) || fixedClick)) {
    int col = RealColIndex(pushed.X);
    DoExpandClick(col, pushed.Y, ToggleExpand(col, pushed.Y));
  }
}

void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (IsDesigning()) {
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    DesignHelperClick(X, Y);
    return;
  }
  TExtStringGridPrivate& p = *FP;
  TMouseActions& ma = *p.MouseActions;
  const bool counts = Button == mbLeft || (Button == mbRight && ma.SelectOnRightClick());
  const TGridRect before = Selection();
  const bool changedBefore = counts && before != p.ReleaseSelection;
  p.Header.DropDownDown = false;
  // A release past the grid ends the sizing without changing the size.
  if ((FGridState == gsColSizing && X > Width()) || (FGridState == gsRowSizing && Y > Height())) {
    CancelMode();
    FGridState = gsNormal;
    // Nothing was sized, so no later width change may count as sized by the mouse.
    p.ColSizedByMouse = p.RowSizedByMouse = false;
    return;
  }
  if (ma.DisjunctCellSelect() && Button == mbLeft) DisjunctCellRelease(Shift, X, Y);
  if (changedBefore) DoSelectionChanged(before.Left, before.Top, before.Right, before.Bottom);
  if (FGridState == gsColMoving && Button == mbRight) return;
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  TGridRect now = Selection();
  if (now != before) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
  p.ReleaseSelection = now;
}

void TExtStringGrid::DisjunctCellRelease(TShiftState Shift, int X, int Y) {
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (ACol < 0 || ARow < 0) return;
  TIntList& cells = *FP->SelectedCells;
  TPoint b = BaseCell(ACol, ARow);
  if (!IsFocusFixed(b.X, b.Y) && b.X >= FixedCols() && b.Y >= FixedRows()) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, b.X, b.Y, canSelect);
    if (!canSelect) return;
    if (Shift.Contains(ssShift)) {
      if (!cells.HasValue(PackCell(ACol, ARow))) cells.Add(PackCell(ACol, ARow));
    } else {
      PickDisjunctCell(cells, PackCell(b.X, b.Y), Shift.Contains(ssCtrl));
    }
  } else if (!Shift.Contains(ssCtrl)) {
    cells.Clear();
  }
  TGridRect s = GridRect(Selection().TopLeft(), Selection().BottomRight());
  if (s.Left != s.Right || s.Top != s.Bottom)
    for (int r = s.Top; r <= s.Bottom; ++r)
      for (int c = s.Left; c <= s.Right; ++c)
        if (!cells.HasValue(PackCell(c, r))) cells.Add(PackCell(c, r));
  InvalidateGrid();
}

void TExtStringGrid::SizeColumnToContent(int ACol) {
  bool allow = true;
  if (OnColumnSize) OnColumnSize(this, ACol, allow);
  if (!allow) return;
  AutoSizeCol(ACol, 0);
  if (OnEndColumnSize) OnEndColumnSize(this, ACol);
}

bool TExtStringGrid::DblClickAutoSize(int ACol, int ARow, int X, TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  if (ARow >= FixedRows() || !Options().Contains(goColSizing) || !p.MouseActions->AutoSizeColOnDblClick()) return false;
  TRect r = CellRect(ACol, ARow);
  if (std::abs(X - r.Left) < 4) {
    p.DblClk = true;
    if (ACol - 1 >= FixedCols()) SizeColumnToContent(ACol - 1);
    p.ForceSel = false;
    StandardHandling(message);
    return true;
  }
  if (std::abs(r.Right - X) < 4 && ACol >= FixedCols()) {
    p.DblClk = true;
    SizeColumnToContent(ACol);
    return true;
  }
  return false;
}

void TExtStringGrid::WMLButtonDblClk(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TMouseActions& ma = *p.MouseActions;
  const int X = GET_X_LPARAM(message.LParam), Y = GET_Y_LPARAM(message.LParam);
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool valid = ACol >= 0 && ARow >= 0;
  if (ma.RangeSelectAndEdit() && !(valid && HasClickableGraphic(RealColIndex(ACol), ARow))) p.ForceSel = true;
  int sizeCol = ACol, sizeRow = ARow;
  if (!valid) {
    if (FP->Layout.FFixedRowAlways) {
      StandardHandling(message);
      return;
    }
    sizeCol = ColCount() - 1;
    sizeRow = 0;
  }
  if (DblClickAutoSize(sizeCol, sizeRow, X, message)) return;
  if (valid && HasClickableGraphic(RealColIndex(ACol), ARow)) {
    StandardHandling(message);
    return;
  }
  HWND self = Handle();
  StandardHandling(message);
  if (!IsWindow(self)) return;
  if (OnDblClickCell) {
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    OnDblClickCell(this, r, c);
    if (!IsWindow(self)) return;
  }
  if (valid && ma.EditOnDblClickOnly()) {
    ma.SetRangeSelectAndEdit(true);
    if (IsEditable(ACol, ARow)) {
      TGridOptions o = Options();
      o.Include(goEditing);
      SetOptions(o);
      session.OldCol = ACol;
      session.OldRow = ARow;
      ShowInplaceEdit();
    }
    ma.SetRangeSelectAndEdit(false);
  } else if (valid && ma.RangeSelectAndEdit() && IsEditable(ACol, ARow)) {
    TGridOptions o = Options();
    o.Include(goEditing);
    SetOptions(o);
    TPoint base = BaseCell(ACol, ARow);
    TRect r = CellRect(base.X, base.Y);
    MouseDown(mbLeft, {}, r.Left + 4, r.Top + 4);
  }
  p.ForceSel = false;
  if (valid && ((ARow < FixedRows() && ma.FixedRowsEdit() == fceDblClick) ||
                (ACol < FixedCols() && ma.FixedColsEdit() == fceDblClick)))
    StartFixedCellEdit(ACol, ARow);
}

void TExtStringGrid::WMRButtonDown(TMessage& message) {
  TMouseActions& ma = *FP->MouseActions;
  const int X = GET_X_LPARAM(message.LParam), Y = GET_Y_LPARAM(message.LParam);
  const TShiftState shift = KeysToShiftState(static_cast<unsigned>(message.WParam));
  HWND self = Handle();
  StandardHandling(message);
  if (!IsWindow(self)) return;
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  bool valid = ACol >= 0 && ARow >= 0 && ACol >= FixedCols() && ARow >= FixedRows() && !IsFocusFixed(ACol, ARow);
  if (ma.SelectOnRightClick() && valid && !(ma.DisjunctCellSelect() && IsSelected(ACol, ARow))) {
    if (!HasClickableGraphic(RealColIndex(ACol), ARow)) {
      if (OnRightClickCell) {
        FocusCell(ACol, ARow);
      } else {
        MouseDown(mbLeft, {}, X, Y);
        MouseUp(mbLeft, {}, X, Y);
        if (!IsWindow(self)) return;
      }
    }
    if (IsSelected(ACol, ARow)) {
      bool canSelect = true;
      if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
    } else {
      TPoint base = BaseCell(ACol, ARow);
      int left = LeftCol();
      MoveColRow(base.X, base.Y, true, true);
      if (FP->Navigation->KeepHorizScroll()) SetLeftCol(left);
    }
    if (ma.DisjunctRowSelect()) {
      int markRow = ma.RowSelectPersistent() ? DisplToRealRow(ARow) : ARow;
      if (shift.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl()) {
        SetRowSelect(markRow, !GetRowSelect(markRow));
      } else {
        // The grid has no popup menu of its own to keep several marks for.
        ClearRowSelect();
        SetRowSelect(markRow, true);
      }
    }
  }
  if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
}

void TExtStringGrid::WMRButtonUp(TMessage& message) {
  bool moving = FGridState == gsRowMoving || FGridState == gsColMoving;
  if (moving && FP->Layout.FEnhRowColMove && (Screen().Cursor() == crDrag || Screen().Cursor() == crNoDrop)) {
    message.Result = 0;
    return;
  }
  StandardHandling(message);
}

}  // namespace hd
