// The grid's answer to the keyboard: WM_KEYDOWN with the keys the grid settles itself, the
// virtual key-down after the platform's navigation, typing that starts an edit, the key press
// with the Return rules the table windows rely on, and the key-up (the keyboard object of
// grid_keyboard.h, and the grid's members that forward to it).
#include <algorithm>

#include "grid/editing/grid_keyboard.h"
#include "grid/foundation/input_settings.h"
#include "grid/foundation/lists.h"
#include "grid/stringgrid/ext_string_grid_p.h"

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

void TGridKeyboard::ReportSelectionChange() {
  TGridRect s = H.Selection();
  if (s == MoveSelection) return;
  H.SelectionChanged(s);
  MoveSelection = s;
}

// What WMKeyDown does with a key it settles: report it through OnKeyDown, consume it.
struct TGridKeyboard::TKeyDown {
  TGridKeyHost& host;
  TMessage& message;
  WORD key;
  TShiftState shift;
  void Report() {
    WORD k = key;
    host.KeyDownEvent(k, shift);
  }
  void Consume() {
    message.WParam = 0;
    message.Result = 1;
  }
};

void TGridKeyboard::WMKeyDown(TMessage& message) {
  TKeyDown k{H, message, static_cast<WORD>(message.WParam), KeyboardShift()};
  const WORD K = k.key;
  const bool ctrl = k.shift.Contains(ssCtrl), shift = k.shift.Contains(ssShift), alt = k.shift.Contains(ssAlt);
  TNavigation& nav = H.Navigation();
  MoveSelection = H.Selection();
  const int R0 = H.Row(), L0 = H.LeftCol();
  const bool keepHorz = IsVerticalKey(K) && H.Options().Contains(goRowSelect) && H.LeftCol() != H.FixedCols() &&
                        nav.KeepHorizScroll();

  if (nav.MoveScrollOnly() && (IsVerticalKey(K) || K == VK_HOME || K == VK_END)) {
    ScrollOnlyKeyDown(K);
    message.Result = 1;
    return;
  }
  if ((K == VK_RETURN || K == VK_F2) && EditKeyDown(k)) return;
  if ((K == VK_RETURN || K == VK_SPACE) && H.HasClickableGraphic(H.RealColIndex(H.Col()), H.Row()) && !H.ClickGraphic(K))
    return;
  if ((K == VK_HOME || K == VK_END) && HomeEndKeyDown(k.key, k.shift, R0)) {
    message.Result = 0;
    return;
  }
  if ((K == VK_LEFT || K == VK_RIGHT) && RowSelectSideKeyDown(k)) return;
  if (K == 'F' && ctrl) H.FocusSearchFooterEdit();
  if (K == VK_TAB && H.Options().Contains(goTabs)) {
    TabToNextCell(shift);
    ReportSelectionChange();
    return;
  }
  if (nav.SkipFixedCells() && IsArrow(K) && SkipFixedCellsKey(K)) {
    k.Report();
    k.Consume();
  }
  if (nav.AppendOnArrowDown() && K == VK_DOWN && message.WParam != 0 && H.IsLastNormalRow(H.Row())) AppendRowOnArrowDown();
  if (H.Looks().SelectionRectangle && H.Selection() != MoveSelection) {
    H.InvalidateRange(H.Selection());
    MoveSelection = H.Selection();
  }
  if (message.WParam != 0) {
    HWND self = H.Handle();
    H.DefaultHandling(message);
    if (!IsWindow(self)) return;
    if (keepHorz) H.SetLeftCol(L0);
  }
  WORD key = static_cast<WORD>(message.WParam);
  if (key == 0) return;
  AfterKeyDown(key, ctrl, shift, alt);
}

void TGridKeyboard::ScrollOnlyKeyDown(WORD Key) {
  int top = H.TopRow(), visible = H.VisibleRowCount();
  switch (Key) {
    case VK_PRIOR: H.SetTopRow(visible + H.FixedRows() < top ? top - visible : H.FixedRows()); break;
    case VK_NEXT:
      if (top + visible < H.RowCount()) H.SetTopRow(top + visible);
      break;
    case VK_END: H.SetTopRow(H.RowCount() - visible); break;
    case VK_HOME: H.SetTopRow(H.FixedRows()); break;
    case VK_UP:
      if (top > H.FixedRows()) H.SetTopRow(top - 1);
      break;
    default:
      if (top + visible < H.RowCount()) H.SetTopRow(top + 1);
      break;
  }
}

bool TGridKeyboard::EditKeyDown(TKeyDown& k) {
  TMouseActions& ma = H.MouseActions();
  auto editable = [&] { return H.IsEditable(H.Col(), H.Row()); };
  auto setEditing = [&] {
    TGridOptions o = H.Options();
    o.Include(goEditing);
    H.SetOptions(o);
  };
  if (ma.EditOnDblClickOnly() && !H.Options().Contains(goEditing)) {
    bool was = ma.RangeSelectAndEdit();
    ma.SetRangeSelectAndEdit(true);
    bool ok = editable();
    ma.SetRangeSelectAndEdit(was);
    if (ok) setEditing();
  }
  if (ma.RangeSelectAndEdit() && !H.Options().Contains(goEditing)) {
    if (!editable()) {
      k.Report();
      k.Consume();
      return true;
    }
    setEditing();
    H.ShowInplaceEdit();
  }
  if (H.Options().Contains(goEditing) && !editable()) {
    k.Report();
    k.Consume();
    return true;
  }
  if (k.key != VK_RETURN || editable()) return false;
  if (H.FormPreviewsKeys()) {
    H.DefaultHandling(k.message);
  } else {
    k.Report();
    k.Consume();
  }
  return true;
}

bool TGridKeyboard::RowSelectSideKeyDown(TKeyDown& k) {
  if (!H.Options().Contains(goRowSelect) || H.IsNode(H.Row()) || H.VisibleColCount() >= H.ColCount()) return false;
  int left = H.LeftCol();
  if (H.Navigation().LeftRightRowSelect()) {
    bool ctrl = k.shift.Contains(ssCtrl);
    if (ctrl && k.key == VK_LEFT && left > H.FixedCols()) H.SetLeftCol(left - 1);
    if (ctrl && k.key == VK_RIGHT && left + H.VisibleColCount() < H.ColCount()) H.SetLeftCol(left + 1);
    return false;
  }
  H.SetLeftCol(k.key == VK_LEFT ? std::max(H.FixedCols(), left - 1) : left + 1);
  k.Report();
  k.message.Result = 0;
  return true;
}

bool TGridKeyboard::HomeEndKeyDown(WORD Key, TShiftState Shift, int R0) {
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift), home = Key == VK_HOME;
  TMouseActions& ma = H.MouseActions();
  auto report = [&] {
    WORD k = Key;
    H.KeyDownEvent(k, Shift);
  };
  switch (H.Navigation().HomeEndKey()) {
    case heFirstLastCell:
      if (home) {
        H.SetCol(H.FixedCols());
        H.SetRow(H.FixedRows());
      } else {
        H.SetCol(H.ColCount() - 1);
        H.SetRow(H.RowCount() - 1);
      }
      H.MoveToBaseCell();
      report();
      return true;
    case heFirstLastRow: {
      if (H.Looks().FixedRowAlways && H.RowCount() == 1) return false;
      int target = home ? H.FixedRows()
                        : (H.Looks().FooterVisible && H.RowCount() > 2 ? H.RowCount() - 2
                                                                           : H.RowCount() - H.Looks().FixedFooters - 1);
      H.SetRow(target);
      H.MoveToBaseCell();
      if (ma.DisjunctRowSelect() && !shift) {
        H.ClearRowSelect();
        H.SyncRowSelectWithSelection(false);
      } else if (shift) {
        H.SetSelection(GridRect({0, R0}, {H.ColCount() - 1, H.Row()}));
        if (ma.DisjunctRowSelect()) H.SyncRowSelectWithSelection(false);
      }
      report();
      return true;
    }
    case heFirstLastColumn:
      if (ctrl && home) {
        H.SetRow(H.FixedRows());
        if (int c = H.FirstTabCol(H.Row()); c >= 0) H.SetCol(c);
        H.MoveToBaseCell();
        H.SetLeftCol(H.FirstDataCol());
        report();
        return true;
      }
      if (ctrl || H.Options().Contains(goRowSelect)) return false;
      if (H.Looks().FixedRowAlways && H.RowCount() == 1) return false;
      if (shift) {
        int to = home ? H.FixedCols() : H.ColCount() - H.Looks().FixedRightCols - 1;
        H.SetSelection(GridRect({H.Col(), H.Row()}, {to, H.Row()}));
        H.RepaintRow(H.Row());
      } else if (home) {
        if (int c = H.FirstTabCol(H.Row()); c >= 0) H.SetCol(c);
        H.MoveToBaseCell();
        H.SetLeftCol(H.FirstDataCol());
      } else {
        H.SetCol(H.ColCount() - 1);
        H.MoveToBaseCell();
        H.SetLeftCol(H.ColCount() - H.VisibleColCount());
      }
      report();
      return true;
  }
  return false;
}

bool TGridKeyboard::SkipFixedCellsKey(WORD Key) {
  int col = H.Col(), row = H.Row();
  bool left = Key == VK_LEFT;
  if (Key == VK_LEFT || Key == VK_RIGHT) {
    int step = left ? -1 : 1, end = left ? H.FixedCols() - 1 : H.ColCount() - H.Looks().FixedRightCols;
    int c = col + step;
    if (c == end || !H.IsFocusFixed(c, row)) return false;
    while (c != end && H.IsFocusFixed(c, row)) c += step;
    if (c == end) return false;
    H.SetCol(c);
    return true;
  }
  bool rowSelect = H.Options().Contains(goRowSelect);
  int step = Key == VK_UP ? -1 : 1, end = Key == VK_UP ? H.FixedRows() - 1 : H.RowCount() - H.Looks().FixedFooters;
  if (Key == VK_DOWN && row + 1 >= H.RowCount()) return false;
  int r = row + step;
  if (r == end || !H.IsFocusFixed(col, r)) return false;
  while (!rowSelect && r != end && H.IsFocusFixed(col, r)) r += step;
  if (r == end || (!rowSelect && H.IsFocusFixed(col, r))) return false;
  H.SetRow(r);
  return true;
}

void TGridKeyboard::AppendRowOnArrowDown() {
  if (!H.CanAddRow()) return;
  bool footer = H.Looks().FooterVisible;
  H.SetRowCount(H.RowCount() + 1);
  int last = H.RowCount() - 1;
  // The store keeps texts past the row count: the new row starts empty.
  H.ClearRowTexts(last);
  if (footer) H.MoveRow(last, last - 1);
  if (footer || H.Looks().FixedFooters > 0) H.SetRow(H.Row() + 1);
  H.AutoAddRow(H.RowCount() - H.Looks().FixedFooters - 1);
}

void TGridKeyboard::AfterKeyDown(WORD Key, bool Ctrl, bool Shift, bool Alt) {
  TMouseActions& ma = H.MouseActions();
  const int R = ma.DisjunctRowSelect() && ma.RowSelectPersistent() ? H.DisplToRealRow(H.Row()) : H.Row();
  if (H.Navigation().AllowClipboardShortCuts() && H.ClipboardKey(Key, Ctrl, Shift)) return;
  if (Key == VK_INSERT && H.Navigation().AllowInsertRow() && !Ctrl && !Shift && !Alt && !H.InsertRowKey()) return;
  if (Key == 'A' && Ctrl && (H.Options().Contains(goRowSelect) || H.Options().Contains(goRangeSelect))) {
    SelectAllCells();
    ReportSelectionChange();
    return;
  }
  if (IsNavigationKey(Key)) {
    if (ma.DisjunctRowSelect()) {
      if (!Shift && !Ctrl) H.ClearRowSelect();
      if (Shift)
        H.SyncRowSelectWithSelection(true);
      else
        H.SetRowSelect(R, true);
    }
    if (ma.DisjunctColSelect()) {
      if (!Shift && !Ctrl) H.ClearColSelect();
      if (Shift)
        H.SyncColSelectWithSelection(true);
      else
        H.SetColSelect(H.Col(), true);
    }
  }
  if (Key == VK_SPACE && ma.DisjunctRowSelect()) H.SetRowSelect(R, !H.RowSelect(R));
  if (Key == VK_SPACE && ma.DisjunctColSelect()) H.SetColSelect(H.Col(), !H.ColSelect(H.Col()));
  if (Key == VK_DELETE && H.Navigation().AllowDeleteRow() && !Alt && !H.DeleteRowKey()) return;
  if (Key == VK_RETURN || Key == VK_F2) H.StoreOldCell(H.Col(), H.Row());
  ReportSelectionChange();
}

void TGridKeyboard::SelectAllCells() {
  TGridRect a{H.FirstDataCol(), H.FixedRows(), H.ColCount() - H.Looks().FixedRightCols - 1, H.RowCount() - H.Looks().FixedFooters - 1};
  if (a.Right < a.Left || a.Bottom < a.Top) return;
  if (H.MouseActions().DisjunctRowSelect())
    for (int r = a.Top; r <= a.Bottom; ++r) H.SetRowSelect(r, true);
  H.SetSelection(a);
  H.InvalidateGrid();
}

void TGridKeyboard::KeyDown(WORD& Key, TShiftState Shift) {
  const TNavigation& nav = H.Navigation();
  LastKeyCell = {H.Col(), H.Row()};
  const int R0 = H.Row();
  H.InheritedKeyDown(Key, Shift);
  if (Key == 0) return;
  if (nav.CursorMoveRows() && Shift.Contains(ssCtrl) && (Key == VK_UP || Key == VK_DOWN)) MoveSelectedRows(Key == VK_DOWN, R0);
  if (nav.CursorAdvance() != caDefault) CursorWrap(Key, nav.CursorAdvance() == caSnake);
  if (nav.SkipDisabledRows() && H.SkipsDisabledRows() && H.Row() == R0) {
    if (Key == VK_UP) {
      int r = R0 - 1;
      while (r > H.FixedRows() && !H.RowEnabled(r)) --r;
      if (r >= H.FixedRows() && H.RowEnabled(r)) H.SetRow(r);
    } else if (Key == VK_DOWN) {
      int r = R0 + 1;
      while (r < H.RowCount() - 1 && !H.RowEnabled(r)) ++r;
      if (r < H.RowCount() && H.RowEnabled(r)) H.SetRow(r);
    }
  }
}

void TGridKeyboard::MoveSelectedRows(bool Downwards, int R0) {
  TGridRect s = GridRect(H.Selection().TopLeft(), H.Selection().BottomRight());
  int t = s.Top, b = s.Bottom;
  if (Downwards && b < H.RowCount() - 1) {
    H.MoveRow(b + 1, t);
    if (t == b)
      H.SetRow(R0 + 1);
    else
      H.SetSelection({H.FixedCols(), t + 1, H.ColCount() - 1, b + 1});
  } else if (!Downwards && t > H.FixedRows()) {
    H.MoveRow(t - 1, b);
    if (t == b)
      H.SetRow(H.Row() - 1);
    else
      H.SetSelection({H.FixedCols(), t - 1, H.ColCount() - 1, b - 1});
  }
}

void TGridKeyboard::CursorWrap(WORD Key, bool Snake) {
  const TGridCoord last = LastKeyCell;
  const int lastCol = H.ColCount() - H.Looks().FixedRightCols - 1, lastRow = H.RowCount() - H.Looks().FixedFooters - 1;
  if (Key == VK_LEFT && last.X == H.FixedCols()) {
    H.SetCol(lastCol);
    if (Snake && last.Y > H.FixedRows()) H.SetRow(last.Y - 1);
  } else if (Key == VK_UP && last.Y == H.FixedRows()) {
    H.SetRow(lastRow);
    if (Snake && last.X > H.FixedCols()) H.SetCol(last.X - 1);
  } else if (Key == VK_RIGHT && last.X == H.ColCount() - 1) {
    H.SetCol(H.FixedCols());
    if (Snake && last.Y < lastRow) H.SetRow(last.Y + 1);
  } else if (Key == VK_DOWN && last.Y == H.RowCount() - 1) {
    H.SetRow(H.FixedRows());
    if (Snake && last.X < lastCol) H.SetCol(last.X + 1);
  }
}

void TGridKeyboard::WMChar(TMessage& message) {
  auto ch = static_cast<TKeyChar>(message.WParam);
  TMouseActions& ma = H.MouseActions();
  const bool ctrl = Down(VK_CONTROL);
  if (ma.EditOnDblClickOnly()) {
    if (H.CanEditCell(H.RealColIndex(H.Col()), H.Row(), true)) {
      TGridOptions o = H.Options();
      o.Include(goEditing);
      H.SetOptions(o);
    }
  }
  if (H.Navigation().AllowClipboardShortCuts() && ctrl && (ch == 3 || ch == 22 || ch == 24)) {
    message.WParam = 0;
    return;
  }
  const int RC = H.RealColIndex(H.Col());
  const bool clickable = H.HasClickableGraphic(RC, H.Row());
  if (ma.RangeSelectAndEdit() && !clickable && H.IsEditable(H.Col(), H.Row()) && ch != '\t' && ch != 27 && !ctrl) {
    TKeyChar copy = ch;
    H.KeyPressEvent(copy);
    H.SetStartEditChar(ch);
    TGridOptions o = H.Options();
    o.Include(goEditing);
    H.SetOptions(o);
    if (H.Col() >= H.LeftCol() + H.VisibleColCount() || H.Row() >= H.TopRow() + H.VisibleRowCount() || H.Col() < H.LeftCol() ||
        H.Row() < H.TopRow())
      H.ClampInView({H.Col(), H.Row()});
    H.ShowEditorChar(ch);
    return;
  }
  if (ch == '\r' && clickable && H.Navigation().AdvanceOnEnter()) {
    H.DefaultHandling(message);
    return;
  }
  if (H.Options().Contains(goEditing) && ch != '\t' && (ch == 8 || (ch >= 32 && ch <= 255))) {
    H.KeyPressEvent(ch);
    if (ch == 0) return;
    H.SetStartEditChar(ch);
    if (!clickable) H.ShowEditorChar(ch);
    return;
  }
  H.TypeAheadChar(ch);
  H.DefaultHandling(message);
}

void TGridKeyboard::KeyPress(TKeyChar& Key) {
  const TNavigation& nav = H.Navigation();
  if (Key == 27) {
    if (H.Options().Contains(goEditing) && H.Editing()) H.RestoreCellCache();
    H.KeyPressEvent(Key);
    return;
  }
  const int col = H.Col();
  if (Key == '\r' && !nav.AdvanceOnEnter() && !H.IsEditable(col, H.Row())) {
    H.KeyPressEvent(Key);
    Key = 0;
    return;
  }
  if (Key == '\r' && (!H.Focused() || H.HasClickableGraphic(H.RealColIndex(col), H.Row()))) {
    H.AdvanceToNextCell(col, H.Row(), H.EditorMode());
    if (!nav.AdvanceAutoEdit()) {
      H.KeyPressEvent(Key);
      Key = 0;
      return;
    }
    if (H.HasClickableGraphic(H.RealColIndex(col), H.Row())) {
      H.KeyPressEvent(Key);
      if (nav.AdvanceOnEnter()) H.ShowInplaceEdit();
      Key = 0;
      return;
    }
  }
  H.InheritedKeyPress(Key);
}

void TGridKeyboard::KeyUp(WORD& Key, TShiftState Shift) {
  if (IsNavigationKey(Key) && Key != VK_HOME) H.ClearSearchText();
  if (Key == VK_INSERT || Key == VK_DELETE) H.ClearSearchText();
  const WORD key = Key;
  const TGridRect old = GridRect(H.Selection().TopLeft(), H.Selection().BottomRight());
  H.InheritedKeyUp(Key, Shift);
  const bool tab = key == VK_TAB && H.Options().Contains(goTabs);
  if (H.Navigation().AlwaysEdit() && (IsArrow(key) || tab) && !H.HasClickableGraphic(H.RealColIndex(H.Col()), H.Row()))
    H.ShowInplaceEdit();
  if (IsArrow(key) || key == VK_TAB) ReportSelectionChange();
  if (H.MouseActions().DisjunctCellSelect() && !H.Options().Contains(goEditing)) DisjunctCellKeyUp(key, Shift, old);
}

void TGridKeyboard::DisjunctCellKeyUp(WORD Key, TShiftState Shift, const TGridRect& Old) {
  TIntList& cells = H.SelectedCells();
  const TGridRect now = GridRect(H.Selection().TopLeft(), H.Selection().BottomRight());
  auto addSelection = [&](int exceptCol, int exceptRow) {
    for (int r = now.Top; r <= now.Bottom; ++r)
      for (int c = now.Left; c <= now.Right; ++c)
        if ((c != exceptCol || r != exceptRow) && !cells.HasValue(PackCell(c, r))) cells.Add(PackCell(c, r));
  };
  if (Shift.Contains(ssShift)) {
    for (int r = Old.Top; r <= Old.Bottom; ++r)
      for (int c = Old.Left; c <= Old.Right; ++c) cells.DeleteValue(PackCell(c, r));
    addSelection(H.Col(), H.Row());
  }
  if (Key != VK_SPACE) return;
  TPoint b = H.BaseCell(H.Col(), H.Row());
  if (!H.IsFocusFixed(b.X, b.Y)) {
    if (!H.SelectCellEvent(b.X, b.Y)) return;
    PickDisjunctCell(cells, PackCell(b.X, b.Y), Shift.Contains(ssCtrl));
    if (now.Left != now.Right || now.Top != now.Bottom) addSelection(b.X, b.Y);
  }
  H.InvalidateGrid();
}

// --- The grid's members of the keyboard.

void TExtStringGrid::WMKeyDown(TMessage& message) { FP->Keyboard->WMKeyDown(message); }

void TExtStringGrid::KeyDown(WORD& Key, TShiftState Shift) { FP->Keyboard->KeyDown(Key, Shift); }

void TExtStringGrid::WMChar(TMessage& message) { FP->Keyboard->WMChar(message); }

void TExtStringGrid::KeyPress(TKeyChar& Key) { FP->Keyboard->KeyPress(Key); }

void TExtStringGrid::KeyUp(WORD& Key, TShiftState Shift) { FP->Keyboard->KeyUp(Key, Shift); }

}  // namespace hd
