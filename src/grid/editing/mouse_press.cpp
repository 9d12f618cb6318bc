// The grid's answer to a press of the left mouse button: what the click means (selecting all,
// a row or a column from the headers, toggling a check box, disjunct marks, moving the
// current cell, starting an edit) and the order of the events a window sees.
#include <algorithm>

#include "grid/editing/edit_session.h"
#include "grid/editing/grid_pointer.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

// The width of the spin buttons a cell shows always.
constexpr int kSpinButtonsPart = 18;

// What a header press selects: the top-left corner, a row from the fixed columns, a column
// from the fixed rows.
enum class THeaderPress { None, All, Row, Column };

THeaderPress HeaderPressOf(const TExtStringGrid& grid, int ACol, int ARow) {
  bool fixedCol = ACol < grid.FixedCols(), fixedRow = ARow < grid.FixedRows();
  if (fixedCol && fixedRow) return THeaderPress::All;
  if (fixedCol) return THeaderPress::Row;
  if (fixedRow) return THeaderPress::Column;
  return THeaderPress::None;
}

}  // namespace

void TExtStringGrid::WMLButtonDown(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TMouseActions& ma = *p.MouseActions;
  const int X = GET_X_LPARAM(message.LParam), Y = GET_Y_LPARAM(message.LParam);
  const TShiftState shift = KeysToShiftState(static_cast<unsigned>(message.WParam));
  p.DoOnClick = p.MouseDownMove = p.MouseKeepDown = true;
  p.PressPoint = {X, Y};
  p.Header.DropDownDown = false;
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const TGridRect startSel = Selection();
  p.ReleaseSelection = startSel;
  if (Options().Contains(goEditing) && ma.RangeSelectAndEdit() && !GridRect(startSel.TopLeft(), startSel.BottomRight()).Contains(ACol, ARow)) {
    TGridOptions o = Options();
    o.Exclude(goEditing);
    SetOptions(o);
  }
  bool allow = true;
  if (OnCanClickCell) OnCanClickCell(this, ARow, ACol, allow);
  if (!allow) return;
  if (ma.DisjunctCellSelect() && !shift.Contains(ssCtrl) && ACol >= 0 && ARow >= 0 && !IsFocusFixed(ACol, ARow) &&
      ACol >= FixedCols() && ARow >= FixedRows()) {
    p.SelectedCells->Clear();
    InvalidateGrid();
  }
  p.SearchInc.clear();
  p.PushedCellButton = {-1, -1};
  p.OldLeftCol = LeftCol();
  p.OldTopRow = TopRow();
  // The cell whose right or bottom border a drag would move.
  MouseToCell(ACol == 0 ? X : X - 5, ARow == 0 ? Y : Y - 4, p.ClickedCol, p.ClickedRow);
  if (ACol < 0 || ARow < 0) {
    HideInplaceEdit();
    if (!FP->Layout.FFixedRowAlways) StandardHandling(message);
    return;
  }
  {
    // The line a header drag would carry, and where the press lies inside its cell.
    auto& h = p.Header;
    h.MoveColInd = h.MoveRowInd = -1;
    h.Movecell = ARow < FixedRows() && ACol >= FixedCols() ? ACol : ACol < FixedCols() && ARow >= FixedRows() ? ARow : -1;
    const TRect r = CellRect(ACol, ARow);
    h.MoveOfsX = X - r.Left;
    h.MoveOfsY = Y - r.Top;
  }
  if (IsMergedNonBaseCell(ACol, ARow)) {
    TPoint base = BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
  }
  // An editor this press opens puts its caret under the mouse.
  if (ma.CaretPositioning()) session.LButFlg = true;
  // A press on a fixed line's border sizes it by the grid's own moves and release.
  if (FP->Pointer->FixedSizingPress(X, Y)) return;
  const bool inFixedLines = ACol < FixedCols() || ARow < FixedRows();
  const bool fixedOther = !inFixedLines && IsFocusFixed(ACol, ARow);
  if (inFixedLines || fixedOther) {
    HideInplaceEdit();
    PushFixedCell(ACol, ARow);
  }
  const int RC = RealColIndex(ACol);
  if (ACol >= ColCount() || ARow >= RowCount()) {
    StandardHandling(message);
    return;
  }
  session.SpinUpClick = session.SpinDnClick = false;
  if (p.ControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(RC, ARow)) {
    // The buttons the cell shows: the rightmost pixels, up above the middle, down below it.
    TRect cell = CellRect(ACol, ARow);
    if (X >= cell.Right - kSpinButtonsPart) {
      if (Y > (cell.Top + cell.Bottom) / 2)
        session.SpinDnClick = true;
      else
        session.SpinUpClick = true;
    }
  }
  if (NodePress(ACol, ARow, X, Y, shift)) return;
  if (RadioPress(ACol, ARow, X, Y) || RatingPress(ACol, ARow, X) || CellButtonPress(ACol, ARow, X, Y)) return;
  bool done = false;
  DisjunctPress(ACol, ARow, shift, startSel, message, done);
  if (done) return;
  SelectFromHeaders(ACol, ARow, shift, startSel);
  bool canEdit = Options().Contains(goEditing) || ma.RangeSelectAndEdit();
  CanEditCell(RC, ARow, canEdit);
  if (CheckBoxPress(ACol, ARow, X, Y, canEdit, shift)) return;
  if (CellControlPress(ACol, ARow, X, Y, canEdit)) return;
  if (FP->Pointer->LinkPress(ACol, ARow, X, Y)) return;
  const bool normal = !inFixedLines && !fixedOther;
  const bool directEdit = normal && canEdit && ma.DirectEdit();
  if (directEdit) {
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
  }
  TGridRect sel = Selection();
  const bool alreadyCurrent = sel.Left == ACol && sel.Right == ACol && sel.Top == ARow && sel.Bottom == ARow;
  bool selectingAtEnd = false;
  if (!alreadyCurrent && ma.RangeSelectAndEdit() && !IsFocusFixed(ACol, ARow) && !canEdit) {
    TGridOptions o = Options();
    o.Exclude(goEditing);
    SetOptions(o);
    selectingAtEnd = true;
  }
  if (fixedOther) {
    bool footerRow = ARow == RowCount() - 1 && p.FloatingFooter->Visible() &&
                     p.FloatingFooter->FooterStyle() == fsFixedLastRow;
    if (!footerRow && OnClickCell) OnClickCell(this, ARow, ACol);
    return;
  }
  HWND self = Handle();
  {
    // The platform's editor does not open from the click here; the editing rules decide.
    TNavigation& nav = *p.Navigation;
    bool alwaysEdit = nav.AlwaysEdit();
    nav.SetAlwaysEdit(false);
    if (FP->Colors.FShowSelection) StandardHandling(message);
    if (!IsWindow(self)) return;
    nav.SetAlwaysEdit(alwaysEdit);
  }
  // A press on a header's drop-down button ends with its menu.
  if (p.Header.DropDownDown) return;
  TRect r = CellRect(ACol, ARow);
  bool onBorder = ARow < FixedRows() && Options().Contains(goColSizing) && (X - r.Left < 4 || r.Right - X < 4);
  if (!onBorder && OnClickCell) OnClickCell(this, ARow, ACol);
  if (directEdit && X > r.Left + 3 && X < r.Right - 3 && !HasClickableGraphic(RC, ARow) &&
      (Col() != ACol || Row() != ARow || !EditorMode())) {
    if (Col() == ACol && Row() == ARow ? true : ChangeCellAllowed(Col(), Row(), ACol, ARow)) {
      SetSelection({ACol, ARow, ACol, ARow});
      StoreOldCell(ACol, ARow);
      ShowEditor();
      // A press that opened an editor selects nothing further as the mouse moves.
      if (IsWindow(self) && EditorMode() && FGridState == gsSelecting) FGridState = gsNormal;
    }
  }
  if (selectingAtEnd) FGridState = gsSelecting;
}

void TExtStringGrid::PushFixedCell(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  const TGridOptions o = Options();
  if (!FP->Colors.FFixedAsButtons || !o.Contains(goFixedVertLine) || !o.Contains(goFixedHorzLine) || !Ctl3D()) return;
  TRect r = CellRect(ACol, ARow);
  TCanvas& canvas = Canvas();
  canvas.DrawEdge(r, BDR_SUNKENINNER, BF_BOTTOMRIGHT);
  canvas.DrawEdge(r, BDR_SUNKENINNER, BF_TOPLEFT);
  p.PushedFixedCell = CellRect(ACol, ARow);
  p.PushedCellButton = {ACol, ARow};
  p.FixedCellPushed = true;
}

bool TExtStringGrid::RadioPress(int ACol, int ARow, int X, int Y) {
  const int RC = RealColIndex(ACol);
  if (!IsRadio(RC, ARow) || !(IsEditable(ACol, ARow) || FP->ControlLook->RadioAlwaysActive())) return false;
  HWND self = Handle();
  HideInplaceEdit();
  if (!IsWindow(self)) return true;
  TRect r = CellRect(ACol, ARow);
  PickRadioItem(ACol, ARow, X - r.Left, Y - r.Top);
  if (IsWindow(self) && CanFocus()) SetFocus();
  return true;
}

void TExtStringGrid::PickRadioItem(int ACol, int ARow, int DX, int DY) {
  const TControlLook& look = *FP->ControlLook;
  const int RC = RealColIndex(ACol);
  TPoint base = BaseCell(RC, ARow);
  TCellGraphic* record = GetCellGraphic(base.X, base.Y);
  TStringList* items = GetRadioStrings(RC, ARow);
  if (!record || !items) return;
  TBrush brush;
  brush.Color = Color();
  TFont font = Font();
  GetCellColor(RC, ARow, TGridDrawState{}, brush, font);
  TCanvas& canvas = Canvas();
  canvas.Font() = font;
  if (!IsFocusFixed(ACol, ARow)) MoveColRow(RealToDisplCol(base.X), base.Y, true, true);
  const int glyph = look.ControlStyle() >= csWinXP ? 16 : look.RadioSize();
  const bool across = record->CellBoolean();
  const int at = across ? DX : DY;
  const int line = std::max(glyph, canvas.TextHeight("gh"));
  int before = 0, hit = -1;
  for (int i = 0; i < items->Count(); ++i) {
    int after = before + (across ? canvas.TextWidth(items->Strings(i)) + glyph : line);
    if (at > before && after > at) {
      hit = i;
      break;
    }
    before = after;
  }
  if (hit < 0) return;
  // A group keeping its choice as the cell text stays one: an index set here would leave the
  // text behind.
  const bool byText = record->CellIndex() == -1;
  if (byText) SetCells(base.X, base.Y, items->Strings(hit));
  // Written again so that the change is reported.
  SetCells(base.X, base.Y, Cells(base.X, base.Y));
  if (byText)
    RepaintCell(RealToDisplCol(base.X), base.Y);
  else
    SetRadioIdx(base.X, base.Y, hit);
  if (OnRadioClick) OnRadioClick(this, ACol, ARow, hit);
}

bool TExtStringGrid::RatingPress(int ACol, int ARow, int X) {
  const int RC = RealColIndex(ACol);
  if (!HasRating(RC, ARow) || !IsEditable(ACol, ARow)) return false;
  HideInplaceEdit();
  // Every 9 pixels from the cell's left add half a point.
  double rate = ((X - CellRect(ACol, ARow).Left) / 9) / 2.0;
  if (DoRatingChange(RC, ARow, rate)) {
    SetFloats(RC, ARow, rate);
    RepaintCell(ACol, ARow);
  }
  return true;
}

bool TExtStringGrid::CellButtonPress(int ACol, int ARow, int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  const bool expand = HasExpand(RealColIndex(ACol), ARow);
  if (!HasButton(RealColIndex(ACol), ARow) && !expand) return false;
  HWND self = Handle();
  HideInplaceEdit();
  if (!IsWindow(self)) return true;
  if (!IsFocusFixed(ACol, ARow)) {
    bool forced = p.ForceSel;
    p.ForceSel = true;
    SelectCell(ACol, ARow);
    p.ForceSel = forced;
  }
  if (!PtInRect(expand ? GetExpandRect(RealColIndex(ACol), ARow) : GetCellGraphicRect(ACol, ARow), TPoint{X, Y})) return false;
  PushButton(ACol, ARow, true);
  p.PushedCellButton = {ACol, ARow};
  SetMouseCapture(true);
  if (OnClickCell) OnClickCell(this, ARow, ACol);
  return true;
}

void TExtStringGrid::DisjunctPress(int ACol, int ARow, TShiftState Shift, const TGridRect& StartSel,
                                   TMessage& message, bool& Done) {
  TExtStringGridPrivate& p = *FP;
  TMouseActions& ma = *p.MouseActions;
  const bool ctrl = Shift.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl();
  if (ma.DisjunctRowSelect() && ARow >= FixedRows() && !(ACol == 0 && ma.HotmailRowSelect())) {
    if (Shift.Contains(ssShift)) {
      StandardHandling(message);
      SetSelection(GridRect({ACol, ARow}, StartSel.TopLeft()));
      Done = true;
      return;
    }
    int markRow = ma.RowSelectPersistent() ? DisplToRealRow(ARow) : ARow;
    if (ctrl) {
      if (GetRowSelect(markRow)) p.DeselectState = true;
    } else {
      p.DisjunctMouseDown = true;
      if (!Shift.Contains(ssAlt)) ClearRowSelect();
    }
  }
  if (ma.DisjunctColSelect() && ACol >= FixedCols()) {
    if (Shift.Contains(ssCtrl)) {
      if (GetColSelect(ACol)) p.DeselectState = true;
    } else {
      p.DisjunctMouseDown = true;
      ClearColSelect();
    }
  }
}

bool TExtStringGrid::SelectFromHeaders(int ACol, int ARow, TShiftState Shift, const TGridRect& StartSel) {
  TExtStringGridPrivate& p = *FP;
  TMouseActions& ma = *p.MouseActions;
  const bool range = Options().Contains(goRangeSelect);
  TGridRect start = GridRect(StartSel.TopLeft(), StartSel.BottomRight());
  switch (HeaderPressOf(*this, ACol, ARow)) {
    case THeaderPress::All:
      if (!ma.AllSelect() || !range) return false;
      if (CanFocus()) SetFocus();
      SetSelection({FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1});
      return true;
    case THeaderPress::Row:
      if (!ma.RowSelect()) return false;
      if (EditorMode() && CanFocus()) SetFocus();
      if (ma.DisjunctCellSelect()) p.SelectedCells->Clear();
      SetSelection(GridRect({FixedCols(), Shift.Contains(ssShift) ? start.Top : ARow}, {ColCount() - 1, ARow}));
      p.MouseSelectStart = {-1, ARow};
      if (ma.DisjunctRowSelect()) SyncRowSelectWithSelection(false);
      RepaintCol(0);
      return true;
    case THeaderPress::Column: {
      if (!ma.ColSelect() || !range) return false;
      if (CanFocus()) SetFocus();
      if (ma.DisjunctCellSelect()) p.SelectedCells->Clear();
      int from = ACol, to = ACol;
      if (Shift.Contains(ssShift)) {
        if (ACol < start.Left)
          to = start.Right;
        else
          from = start.Left;
      }
      SetSelection({from, FixedRows(), to, RowCount() - 1});
      p.MouseSelectStart = {ACol, -1};
      return true;
    }
    default: return false;
  }
}

bool TExtStringGrid::CheckBoxPress(int ACol, int ARow, int X, int Y, bool CanEdit, TShiftState Shift) {
  TExtStringGridPrivate& p = *FP;
  TMouseActions& ma = *p.MouseActions;
  const int RC = RealColIndex(ACol);
  bool hotmail = ACol == 0 && ma.HotmailRowSelect();
  if (!(CanEdit || p.ControlLook->CheckAlwaysActive() || hotmail)) return false;
  const bool radio = HasRadioButton(RC, ARow);
  if (!(HasCheckBox(RC, ARow) || radio) || !IsInCheckBox(RC, ARow, X, Y)) return false;
  HWND self = Handle();
  HideInplaceEdit();
  if (CanFocus()) SetFocus();
  if (!IsWindow(self)) return true;
  const int RR = RealRowIndex(ARow);
  if (radio) {
    CheckRadioButtonCell(RC, ARow, true);
    if (OnRadioButtonClick) OnRadioButtonClick(this, RC, ARow);
    if (!IsWindow(self)) return true;
  } else {
    ToggleCheckBoxCell(RC, ARow, true);
  }
  if (p.ShowModified->Enabled()) SetRowModified(RR, true);
  if (hotmail) SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
  // A radio button reports the state it has now, not the "no check box" answer.
  bool state = radio && IsRadioButtonChecked(RC, ARow);
  if (!radio) GetCheckBoxState(RC, RR, state);
  const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && !IsFocusFixed(ACol, ARow);
  if (!p.Navigation->AlwaysEdit() && normal) MoveColRow(ACol, ARow, true, true);
  DoCheckBoxClick(ACol, ARow, state);
  if (FP->Colors.FHideFocusRect) RepaintCell(ACol, ARow);
  if (ARow < FixedRows() && ma.CheckAllCheck()) {
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (hotmail)
        SetRowSelectMark(RealRowIndex(r), state);
      else
        SetCheckBoxState(RC, RealRowIndex(r), state);
    }
    InvalidateGrid();
  }
  if (OnMouseDown) {
    TShiftState keys;
    if (Shift.Contains(ssAlt))
      keys.Include(ssAlt);
    else if (Shift.Contains(ssShift))
      keys.Include(ssShift);
    else if (Shift.Contains(ssCtrl))
      keys.Include(ssCtrl);
    OnMouseDown(this, mbLeft, keys, X, Y);
  }
  Click();
  return true;
}

void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TMouseActions& ma = *FP->MouseActions;
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (ma.RangeSelectAndEdit() && Button == mbLeft && !ma.EditOnDblClickOnly() && ACol >= 0 && ARow >= 0) {
    bool editing = Options().Contains(goEditing);
    if (ACol == Col() && ARow == Row() && !editing && IsEditable(ACol, ARow)) {
      TGridOptions o = Options();
      o.Include(goEditing);
      SetOptions(o);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      ShowInplaceEdit();
      return;
    }
    if ((ACol != Col() || ARow != Row()) && editing && Shift.Contains(ssShift)) {
      TGridOptions o = Options();
      o.Exclude(goEditing);
      SetOptions(o);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      return;
    }
  }
  if (FixedDropDownPress(ACol, ARow, X, Y)) return;
  HWND self = Handle();
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  if (!IsWindow(self)) return;
  if (ACol >= 0 && ARow >= 0 && (ACol < FixedCols() || ARow < FixedRows()) && !Shift.Contains(ssDouble))
    FixedEditPress(Button, X, Y);
}

}  // namespace hd
