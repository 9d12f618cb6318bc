// The grid's answer to the keyboard: WM_KEYDOWN with the keys the grid settles itself, the
// virtual key-down after the platform's navigation, typing that starts an edit, the key press
// with the Return rules the table windows rely on, and the key-up.
#include <algorithm>

#include "grid/editing/edit_session.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/forms.h"

namespace hd {

namespace {

bool Down(int vk) { return GetKeyState(vk) < 0; }

// The shift state the grid hands its own reports: from the keyboard, Alt from the left key.
TShiftState KeyboardShift() {
  TShiftState s;
  if (Down(VK_CONTROL)) s.Include(ssCtrl);
  if (Down(VK_SHIFT)) s.Include(ssShift);
  if (Down(VK_LMENU) || Down(VK_MENU)) s.Include(ssAlt);
  return s;
}

bool IsVerticalKey(WORD k) { return k == VK_PRIOR || k == VK_NEXT || k == VK_UP || k == VK_DOWN; }
bool IsArrow(WORD k) { return k == VK_LEFT || k == VK_RIGHT || k == VK_UP || k == VK_DOWN; }
bool IsNavigationKey(WORD k) { return k >= VK_PRIOR && k <= VK_DOWN; }

}  // namespace

void TExtStringGrid::ReportSelectionChange() {
  TGridRect s = Selection();
  if (s == FP->MoveSelection) return;
  DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  FP->MoveSelection = s;
}

// What WMKeyDown does with a key it settles: report it through OnKeyDown, consume it.
struct TKeyDownContext {
  TExtStringGrid& grid;
  TMessage& message;
  WORD key;
  TShiftState shift;
  void Report() {
    if (grid.OnKeyDown) grid.OnKeyDown(&grid, key, shift);
  }
  void Consume() {
    message.WParam = 0;
    message.Result = 1;
  }
};

void TExtStringGrid::WMKeyDown(TMessage& message) {
  TKeyDownContext k{*this, message, static_cast<WORD>(message.WParam), KeyboardShift()};
  const WORD K = k.key;
  const bool ctrl = k.shift.Contains(ssCtrl), shift = k.shift.Contains(ssShift), alt = k.shift.Contains(ssAlt);
  TNavigation& nav = *FP->Navigation;
  FP->MoveSelection = Selection();
  const int R0 = Row(), L0 = LeftCol();
  const bool keepHorz = IsVerticalKey(K) && Options().Contains(goRowSelect) && LeftCol() != FixedCols() &&
                        nav.KeepHorizScroll();

  if (nav.MoveScrollOnly() && (IsVerticalKey(K) || K == VK_HOME || K == VK_END)) {
    ScrollOnlyKeyDown(K);
    message.Result = 1;
    return;
  }
  if ((K == VK_RETURN || K == VK_F2) && EditKeyDown(k)) return;
  if ((K == VK_RETURN || K == VK_SPACE) && HasClickableGraphic(RealColIndex(Col()), Row()) && !ClickGraphicKey(K))
    return;
  if ((K == VK_HOME || K == VK_END) && HomeEndKeyDown(k.key, k.shift, R0)) {
    message.Result = 0;
    return;
  }
  if ((K == VK_LEFT || K == VK_RIGHT) && RowSelectSideKeyDown(k)) return;
  if (K == 'F' && ctrl) FocusSearchFooterEdit();
  if (K == VK_TAB && Options().Contains(goTabs)) {
    TabToNextCell(shift);
    ReportSelectionChange();
    return;
  }
  if (nav.SkipFixedCells() && IsArrow(K) && SkipFixedCellsKey(K)) {
    k.Report();
    k.Consume();
  }
  if (nav.AppendOnArrowDown() && K == VK_DOWN && message.WParam != 0 && IsLastNormalRow(Row())) AppendRowOnArrowDown();
  if (FP->Colors.FSelectionRectangle && Selection() != FP->MoveSelection) {
    InvalidateRect(Selection());
    FP->MoveSelection = Selection();
  }
  if (message.WParam != 0) {
    HWND self = Handle();
    StandardHandling(message);
    if (!IsWindow(self)) return;
    if (keepHorz) SetLeftCol(L0);
  }
  WORD key = static_cast<WORD>(message.WParam);
  if (key == 0) return;
  AfterKeyDown(key, ctrl, shift, alt);
}

void TExtStringGrid::ScrollOnlyKeyDown(WORD Key) {
  int top = TopRow(), visible = VisibleRowCount();
  switch (Key) {
    case VK_PRIOR: SetTopRow(visible + FixedRows() < top ? top - visible : FixedRows()); break;
    case VK_NEXT:
      if (top + visible < RowCount()) SetTopRow(top + visible);
      break;
    case VK_END: SetTopRow(RowCount() - visible); break;
    case VK_HOME: SetTopRow(FixedRows()); break;
    case VK_UP:
      if (top > FixedRows()) SetTopRow(top - 1);
      break;
    default:
      if (top + visible < RowCount()) SetTopRow(top + 1);
      break;
  }
}

bool TExtStringGrid::EditKeyDown(TKeyDownContext& k) {
  TMouseActions& ma = *FP->MouseActions;
  auto editable = [&] { return IsEditable(Col(), Row()); };
  auto setEditing = [&] {
    TGridOptions o = Options();
    o.Include(goEditing);
    SetOptions(o);
  };
  if (ma.EditOnDblClickOnly() && !Options().Contains(goEditing)) {
    bool was = ma.RangeSelectAndEdit();
    ma.SetRangeSelectAndEdit(true);
    bool ok = editable();
    ma.SetRangeSelectAndEdit(was);
    if (ok) setEditing();
  }
  if (ma.RangeSelectAndEdit() && !Options().Contains(goEditing)) {
    if (!editable()) {
      k.Report();
      k.Consume();
      return true;
    }
    setEditing();
    ShowInplaceEdit();
  }
  if (Options().Contains(goEditing) && !editable()) {
    k.Report();
    k.Consume();
    return true;
  }
  if (k.key != VK_RETURN || editable()) return false;
  TCustomForm* form = FindParentForm(this);
  if (form && form->KeyPreview()) {
    StandardHandling(k.message);
  } else {
    k.Report();
    k.Consume();
  }
  return true;
}

bool TExtStringGrid::ClickGraphicKey(WORD Key) {
  const int RC = RealColIndex(Col());
  bool active = Options().Contains(goEditing) || FP->MouseActions->RangeSelectAndEdit();
  CanEditCell(RC, Row(), active);
  const TControlLook& look = *FP->ControlLook;
  HWND self = Handle();
  if (Key == VK_SPACE && HasCheckBox(RC, Row()) && (active || look.CheckAlwaysActive())) {
    ToggleCheckBoxCell(RC, Row(), true);
    if (FP->ShowModified->Enabled()) SetRowModified(RealRowIndex(Row()), true);
    bool state = false;
    GetCheckBoxState(RC, RealRowIndex(Row()), state);
    DoCheckBoxClick(RC, Row(), state);
  } else if (Key == VK_SPACE && IsRadio(RC, Row()) && (active || look.RadioAlwaysActive())) {
    SelectNextRadio(RC, Row(), true);
    if (OnRadioClick) OnRadioClick(this, RC, Row(), RadioItemIndex(RC, Row()));
  } else if (Key == VK_SPACE && HasRadioButton(RC, Row()) && (active || look.RadioAlwaysActive())) {
    SetRadioButtonColumnIndex(RC, Row());
    if (OnRadioButtonClick) OnRadioButtonClick(this, RC, Row());
  } else if (HasButton(RC, Row()) && active) {
    DoButtonClick(RC, Row());
  }
  if (!IsWindow(self)) return false;
  RepaintCell(Col(), Row());
  return true;
}

bool TExtStringGrid::RowSelectSideKeyDown(TKeyDownContext& k) {
  if (!Options().Contains(goRowSelect) || IsNode(Row()) || VisibleColCount() >= ColCount()) return false;
  int left = LeftCol();
  if (FP->Navigation->LeftRightRowSelect()) {
    bool ctrl = k.shift.Contains(ssCtrl);
    if (ctrl && k.key == VK_LEFT && left > FixedCols()) SetLeftCol(left - 1);
    if (ctrl && k.key == VK_RIGHT && left + VisibleColCount() < ColCount()) SetLeftCol(left + 1);
    return false;
  }
  SetLeftCol(k.key == VK_LEFT ? std::max(FixedCols(), left - 1) : left + 1);
  k.Report();
  k.message.Result = 0;
  return true;
}

bool TExtStringGrid::HomeEndKeyDown(WORD Key, TShiftState Shift, int R0) {
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift), home = Key == VK_HOME;
  TMouseActions& ma = *FP->MouseActions;
  auto report = [&] {
    WORD k = Key;
    if (OnKeyDown) OnKeyDown(this, k, Shift);
  };
  switch (FP->Navigation->HomeEndKey()) {
    case heFirstLastCell:
      if (home) {
        SetCol(FixedCols());
        SetRow(FixedRows());
      } else {
        SetCol(ColCount() - 1);
        SetRow(RowCount() - 1);
      }
      MoveToBaseCell();
      report();
      return true;
    case heFirstLastRow: {
      if (FP->Layout.FFixedRowAlways && RowCount() == 1) return false;
      int target = home ? FixedRows()
                        : (FP->FloatingFooter->Visible() && RowCount() > 2 ? RowCount() - 2
                                                                           : RowCount() - FP->Layout.FFixedFooters - 1);
      SetRow(target);
      MoveToBaseCell();
      if (ma.DisjunctRowSelect() && !shift) {
        ClearRowSelect();
        SyncRowSelectWithSelection(false);
      } else if (shift) {
        SetSelection(GridRect({0, R0}, {ColCount() - 1, Row()}));
        if (ma.DisjunctRowSelect()) SyncRowSelectWithSelection(false);
      }
      report();
      return true;
    }
    case heFirstLastColumn:
      if (ctrl && home) {
        SetRow(FixedRows());
        if (int c = FirstTabCol(Row()); c >= 0) SetCol(c);
        MoveToBaseCell();
        SetLeftCol(FirstDataCol());
        report();
        return true;
      }
      if (ctrl || Options().Contains(goRowSelect)) return false;
      if (FP->Layout.FFixedRowAlways && RowCount() == 1) return false;
      if (shift) {
        int to = home ? FixedCols() : ColCount() - FP->Layout.FFixedRightCols - 1;
        SetSelection(GridRect({Col(), Row()}, {to, Row()}));
        RepaintRow(Row());
      } else if (home) {
        if (int c = FirstTabCol(Row()); c >= 0) SetCol(c);
        MoveToBaseCell();
        SetLeftCol(FirstDataCol());
      } else {
        SetCol(ColCount() - 1);
        MoveToBaseCell();
        SetLeftCol(ColCount() - VisibleColCount());
      }
      report();
      return true;
  }
  return false;
}

bool TExtStringGrid::SkipFixedCellsKey(WORD Key) {
  int col = Col(), row = Row();
  bool left = Key == VK_LEFT;
  if (Key == VK_LEFT || Key == VK_RIGHT) {
    int step = left ? -1 : 1, end = left ? FixedCols() - 1 : ColCount() - FP->Layout.FFixedRightCols;
    int c = col + step;
    if (c == end || !IsFocusFixed(c, row)) return false;
    while (c != end && IsFocusFixed(c, row)) c += step;
    if (c == end) return false;
    SetCol(c);
    return true;
  }
  bool rowSelect = Options().Contains(goRowSelect);
  int step = Key == VK_UP ? -1 : 1, end = Key == VK_UP ? FixedRows() - 1 : RowCount() - FP->Layout.FFixedFooters;
  if (Key == VK_DOWN && row + 1 >= RowCount()) return false;
  int r = row + step;
  if (r == end || !IsFocusFixed(col, r)) return false;
  while (!rowSelect && r != end && IsFocusFixed(col, r)) r += step;
  if (r == end || (!rowSelect && IsFocusFixed(col, r))) return false;
  SetRow(r);
  return true;
}

void TExtStringGrid::AppendRowOnArrowDown() {
  bool canAdd = true;
  if (OnCanAddRow) OnCanAddRow(this, canAdd);
  if (!canAdd) return;
  bool footer = FP->FloatingFooter->Visible();
  SetRowCount(RowCount() + 1);
  int last = RowCount() - 1;
  // The store keeps texts past the row count: the new row starts empty.
  for (int c = 0; c < TotalColCount(); ++c) SetGridCell(c, RealRowIndex(last), "");
  if (footer) MoveRow(last, last - 1);
  if (footer || FP->Layout.FFixedFooters > 0) SetRow(Row() + 1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FP->Layout.FFixedFooters - 1);
}

void TExtStringGrid::AfterKeyDown(WORD Key, bool Ctrl, bool Shift, bool Alt) {
  TMouseActions& ma = *FP->MouseActions;
  const int R = ma.DisjunctRowSelect() && ma.RowSelectPersistent() ? DisplToRealRow(Row()) : Row();
  if (FP->Navigation->AllowClipboardShortCuts() && ClipboardKey(Key, Ctrl, Shift)) return;
  if (Key == VK_INSERT && FP->Navigation->AllowInsertRow() && !Ctrl && !Shift && !Alt && !InsertRowKey()) return;
  if (Key == 'A' && Ctrl && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect))) {
    SelectAllCells();
    ReportSelectionChange();
    return;
  }
  if (IsNavigationKey(Key)) {
    if (ma.DisjunctRowSelect()) {
      if (!Shift && !Ctrl) ClearRowSelect();
      if (Shift)
        SyncRowSelectWithSelection(true);
      else
        SetRowSelect(R, true);
    }
    if (ma.DisjunctColSelect()) {
      if (!Shift && !Ctrl) ClearColSelect();
      if (Shift)
        SyncColSelectWithSelection(true);
      else
        SetColSelect(Col(), true);
    }
  }
  if (Key == VK_SPACE && ma.DisjunctRowSelect()) SetRowSelect(R, !GetRowSelect(R));
  if (Key == VK_SPACE && ma.DisjunctColSelect()) SetColSelect(Col(), !GetColSelect(Col()));
  if (Key == VK_DELETE && FP->Navigation->AllowDeleteRow() && !Alt && !DeleteRowKey()) return;
  if (Key == VK_RETURN || Key == VK_F2) StoreOldCell(Col(), Row());
  ReportSelectionChange();
}

void TExtStringGrid::SelectAllCells() {
  TGridRect a{FirstDataCol(), FixedRows(), ColCount() - FP->Layout.FFixedRightCols - 1, RowCount() - FP->Layout.FFixedFooters - 1};
  if (a.Right < a.Left || a.Bottom < a.Top) return;
  if (FP->MouseActions->DisjunctRowSelect())
    for (int r = a.Top; r <= a.Bottom; ++r) SetRowSelect(r, true);
  SetSelection(a);
  InvalidateGrid();
}

void TExtStringGrid::KeyDown(WORD& Key, TShiftState Shift) {
  const TNavigation& nav = *FP->Navigation;
  FP->LastKeyCell = {Col(), Row()};
  const int R0 = Row();
  TBaseGrid::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (nav.CursorMoveRows() && Shift.Contains(ssCtrl) && (Key == VK_UP || Key == VK_DOWN)) MoveSelectedRows(Key == VK_DOWN, R0);
  if (nav.CursorAdvance() != caDefault) CursorWrap(Key, nav.CursorAdvance() == caSnake);
  if (nav.SkipDisabledRows() && FP->UseEnabledRows && Row() == R0) {
    if (Key == VK_UP) {
      int r = R0 - 1;
      while (r > FixedRows() && !GetRowEnabled(r)) --r;
      if (r >= FixedRows() && GetRowEnabled(r)) SetRow(r);
    } else if (Key == VK_DOWN) {
      int r = R0 + 1;
      while (r < RowCount() - 1 && !GetRowEnabled(r)) ++r;
      if (r < RowCount() && GetRowEnabled(r)) SetRow(r);
    }
  }
}

void TExtStringGrid::MoveSelectedRows(bool Downwards, int R0) {
  TGridRect s = GridRect(Selection().TopLeft(), Selection().BottomRight());
  int t = s.Top, b = s.Bottom;
  if (Downwards && b < RowCount() - 1) {
    MoveRow(b + 1, t);
    if (t == b)
      SetRow(R0 + 1);
    else
      SetSelection({FixedCols(), t + 1, ColCount() - 1, b + 1});
  } else if (!Downwards && t > FixedRows()) {
    MoveRow(t - 1, b);
    if (t == b)
      SetRow(Row() - 1);
    else
      SetSelection({FixedCols(), t - 1, ColCount() - 1, b - 1});
  }
}

void TExtStringGrid::CursorWrap(WORD Key, bool Snake) {
  const TGridCoord last = FP->LastKeyCell;
  const int lastCol = ColCount() - FP->Layout.FFixedRightCols - 1, lastRow = RowCount() - FP->Layout.FFixedFooters - 1;
  if (Key == VK_LEFT && last.X == FixedCols()) {
    SetCol(lastCol);
    if (Snake && last.Y > FixedRows()) SetRow(last.Y - 1);
  } else if (Key == VK_UP && last.Y == FixedRows()) {
    SetRow(lastRow);
    if (Snake && last.X > FixedCols()) SetCol(last.X - 1);
  } else if (Key == VK_RIGHT && last.X == ColCount() - 1) {
    SetCol(FixedCols());
    if (Snake && last.Y < lastRow) SetRow(last.Y + 1);
  } else if (Key == VK_DOWN && last.Y == RowCount() - 1) {
    SetRow(FixedRows());
    if (Snake && last.X < lastCol) SetCol(last.X + 1);
  }
}

void TExtStringGrid::WMChar(TMessage& message) {
  auto ch = static_cast<TKeyChar>(message.WParam);
  TMouseActions& ma = *FP->MouseActions;
  const bool ctrl = Down(VK_CONTROL);
  if (ma.EditOnDblClickOnly()) {
    bool canEdit = true;
    CanEditCell(RealColIndex(Col()), Row(), canEdit);
    if (canEdit) {
      TGridOptions o = Options();
      o.Include(goEditing);
      SetOptions(o);
    }
  }
  if (FP->Navigation->AllowClipboardShortCuts() && ctrl && (ch == 3 || ch == 22 || ch == 24)) {
    message.WParam = 0;
    return;
  }
  const int RC = RealColIndex(Col());
  const bool clickable = HasClickableGraphic(RC, Row());
  if (ma.RangeSelectAndEdit() && !clickable && IsEditable(Col(), Row()) && ch != '\t' && ch != 27 && !ctrl) {
    TKeyChar copy = ch;
    if (OnKeyPress) OnKeyPress(this, copy);
    FP->Session->StartEditChar = ch;
    TGridOptions o = Options();
    o.Include(goEditing);
    SetOptions(o);
    if (Col() >= LeftCol() + VisibleColCount() || Row() >= TopRow() + VisibleRowCount() || Col() < LeftCol() ||
        Row() < TopRow())
      ClampInView({Col(), Row()});
    ShowEditorChar(ch);
    return;
  }
  if (ch == '\r' && clickable && FP->Navigation->AdvanceOnEnter()) {
    StandardHandling(message);
    return;
  }
  if (Options().Contains(goEditing) && ch != '\t' && (ch == 8 || (ch >= 32 && ch <= 255))) {
    if (OnKeyPress) OnKeyPress(this, ch);
    if (ch == 0) return;
    FP->Session->StartEditChar = ch;
    if (!clickable) ShowEditorChar(ch);
    return;
  }
  TypeAheadChar(ch);
  StandardHandling(message);
}

void TExtStringGrid::KeyPress(TKeyChar& Key) {
  const TNavigation& nav = *FP->Navigation;
  if (Key == 27) {
    if (Options().Contains(goEditing) && Editing()) RestoreCellCache();
    if (OnKeyPress) OnKeyPress(this, Key);
    return;
  }
  const int col = Col();
  if (Key == '\r' && !nav.AdvanceOnEnter() && !IsEditable(col, Row())) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
    return;
  }
  if (Key == '\r' && (!Focused() || HasClickableGraphic(RealColIndex(col), Row()))) {
    AdvanceToNextCell(col, Row(), false, false, true, false, EditorMode());
    if (!nav.AdvanceAutoEdit()) {
      if (OnKeyPress) OnKeyPress(this, Key);
      Key = 0;
      return;
    }
    if (HasClickableGraphic(RealColIndex(col), Row())) {
      if (OnKeyPress) OnKeyPress(this, Key);
      if (nav.AdvanceOnEnter()) ShowInplaceEdit();
      Key = 0;
      return;
    }
  }
  TBaseGrid::KeyPress(Key);
}

void TExtStringGrid::KeyUp(WORD& Key, TShiftState Shift) {
  if (IsNavigationKey(Key) && Key != VK_HOME) FP->SearchInc.clear();
  if (Key == VK_INSERT || Key == VK_DELETE) FP->SearchInc.clear();
  const WORD key = Key;
  const TGridRect old = GridRect(Selection().TopLeft(), Selection().BottomRight());
  TBaseGrid::KeyUp(Key, Shift);
  const bool tab = key == VK_TAB && Options().Contains(goTabs);
  if (FP->Navigation->AlwaysEdit() && (IsArrow(key) || tab) && !HasClickableGraphic(RealColIndex(Col()), Row()))
    ShowInplaceEdit();
  if (IsArrow(key) || key == VK_TAB) ReportSelectionChange();
  if (FP->MouseActions->DisjunctCellSelect() && !Options().Contains(goEditing)) DisjunctCellKeyUp(key, Shift, old);
}

void TExtStringGrid::DisjunctCellKeyUp(WORD Key, TShiftState Shift, const TGridRect& Old) {
  TIntList& cells = *FP->SelectedCells;
  const TGridRect now = GridRect(Selection().TopLeft(), Selection().BottomRight());
  auto addSelection = [&](int exceptCol, int exceptRow) {
    for (int r = now.Top; r <= now.Bottom; ++r)
      for (int c = now.Left; c <= now.Right; ++c)
        if ((c != exceptCol || r != exceptRow) && !cells.HasValue(PackCell(c, r))) cells.Add(PackCell(c, r));
  };
  if (Shift.Contains(ssShift)) {
    for (int r = Old.Top; r <= Old.Bottom; ++r)
      for (int c = Old.Left; c <= Old.Right; ++c) cells.DeleteValue(PackCell(c, r));
    addSelection(Col(), Row());
  }
  if (Key != VK_SPACE) return;
  TPoint b = BaseCell(Col(), Row());
  if (!IsFocusFixed(b.X, b.Y)) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, b.X, b.Y, canSelect);
    if (!canSelect) return;
    PickDisjunctCell(cells, PackCell(b.X, b.Y), Shift.Contains(ssCtrl));
    if (now.Left != now.Right || now.Top != now.Bottom) addSelection(b.X, b.Y);
  }
  InvalidateGrid();
}

}  // namespace hd
