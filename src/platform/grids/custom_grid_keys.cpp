// The grid's keys: navigation with the arrows, pages, Home, End and Tab, the dialog code that
// keeps those keys from the form, and the characters, Return and Escape that open and close
// the editor.
#include <algorithm>

#include "platform/grids.h"

namespace hd {

LRESULT TCustomGrid::DlgCode() const {
  LRESULT result = DLGC_WANTARROWS | DLGC_WANTCHARS;
  // A row-select grid has no column to tab to, so Tab moves on to the next control there.
  if (options_.Contains(goTabs) && !options_.Contains(goRowSelect)) result |= DLGC_WANTTAB;
  return result;
}

void TCustomGrid::DispatchChar(TMessage& message) {
  auto ch = static_cast<TKeyChar>(message.WParam);
  if (options_.Contains(goEditing) && (ch == 8 || ch >= 32))
    ShowEditorChar(ch);
  else
    TCustomControl::Dispatch(message);
}

int TCustomGrid::StepTo(bool horizontal, int from, int target) const {
  const TGridAxis& axis = horizontal ? cols_ : rows_;
  int fixed = axis.FixedCount(), last = std::max(fixed, axis.Count() - 1);
  target = std::clamp(target, fixed, last);
  if (target == from || axis.Size(target) > 0) return target;
  // A hidden line is stepped over the way the move goes; with no shown line left that way,
  // the nearest shown one back towards where the move started.
  if (target > from) {
    int next = axis.NextShown(target);
    if (next <= last) return next;
    int prev = axis.PrevShown(target);
    return prev > from ? prev : from;
  }
  int prev = axis.PrevShown(target);
  if (prev >= fixed) return prev;
  int next = axis.NextShown(target);
  return next < from ? next : from;
}

bool TCustomGrid::TabStops(int index) const {
  if (index < 0 || index >= static_cast<int>(tab_stops_.size())) return true;
  return tab_stops_[static_cast<size_t>(index)] != 0;
}

void TCustomGrid::SetTabStops(int index, bool value) {
  if (index < 0 || index >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
  if (tab_stops_.empty()) {
    if (value) return;
    tab_stops_.assign(static_cast<size_t>(ColCount()), 1);
  }
  tab_stops_[static_cast<size_t>(index)] = value ? 1 : 0;
}

TGridCoord TCustomGrid::NextTabStop(bool backward) const {
  TGridCoord c = current_;
  // Round the columns, wrapping into the next (previous) row and from the last row to the
  // first; a full round without a stop ends back in the column it started from.
  do {
    if (backward) {
      if (--c.X < FixedCols()) {
        c.X = ColCount() - 1;
        if (--c.Y < FixedRows()) c.Y = RowCount() - 1;
      }
    } else if (++c.X >= ColCount()) {
      c.X = FixedCols();
      if (++c.Y >= RowCount()) c.Y = FixedRows();
    }
  } while (!(TabStops(c.X) && cols_.Size(c.X) > 0) && c.X != current_.X);
  return c;
}

TGridCoord TCustomGrid::KeyTarget(WORD key, TShiftState shift, TGridCoord& newTopLeft) const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int pageWidth = std::max(info.Horz.LastFullVisibleCell - LeftCol(), 1);
  int pageHeight = std::max(info.Vert.LastFullVisibleCell - TopRow(), 1);
  bool rowSelect = options_.Contains(goRowSelect);
  TGridCoord cur = current_;
  newTopLeft = top_left_;
  if (shift.Contains(ssCtrl)) {
    switch (key) {
      case VK_UP: --newTopLeft.Y; break;
      case VK_DOWN: ++newTopLeft.Y; break;
      case VK_LEFT:
        if (!rowSelect) {
          cur.X -= pageWidth;
          newTopLeft.X -= pageWidth;
        }
        break;
      case VK_RIGHT:
        if (!rowSelect) {
          cur.X += pageWidth;
          newTopLeft.X += pageWidth;
        }
        break;
      case VK_PRIOR: cur.Y = TopRow(); break;
      case VK_NEXT: cur.Y = info.Vert.LastFullVisibleCell; break;
      case VK_HOME: cur = {FixedCols(), FixedRows()}; break;
      case VK_END: cur = {ColCount() - 1, RowCount() - 1}; break;
      default: break;
    }
    return cur;
  }
  switch (key) {
    case VK_UP: --cur.Y; break;
    case VK_DOWN: ++cur.Y; break;
    // In row-select mode Left and Right move the row.
    case VK_LEFT: --(rowSelect ? cur.Y : cur.X); break;
    case VK_RIGHT: ++(rowSelect ? cur.Y : cur.X); break;
    case VK_NEXT:
      cur.Y += pageHeight;
      newTopLeft.Y += pageHeight;
      break;
    case VK_PRIOR:
      cur.Y -= pageHeight;
      newTopLeft.Y -= pageHeight;
      break;
    case VK_HOME:
      if (rowSelect)
        cur.Y = FixedRows();
      else
        cur.X = FixedCols();
      break;
    case VK_END:
      if (rowSelect)
        cur.Y = RowCount() - 1;
      else
        cur.X = ColCount() - 1;
      break;
    case VK_TAB:
      if (!shift.Contains(ssAlt)) cur = NextTabStop(shift.Contains(ssShift));
      break;
    default: break;
  }
  return cur;
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Key == VK_F2 && !Shift.Contains(ssCtrl)) SetEditorMode(true);
  TGridCoord topLeft;
  TGridCoord target = KeyTarget(Key, Shift, topLeft);
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord maxTopLeft = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, info);
  topLeft.X = std::min(StepTo(true, LeftCol(), topLeft.X), std::max(maxTopLeft.X, FixedCols()));
  topLeft.Y = std::min(StepTo(false, TopRow(), topLeft.Y), std::max(maxTopLeft.Y, FixedRows()));
  if (topLeft != top_left_) MoveTopLeft(topLeft.X, topLeft.Y);
  target = {StepTo(true, current_.X, target.X), StepTo(false, current_.Y, target.Y)};
  // Shift extends the selection from the anchor; Shift+Tab only goes back.
  if (target != current_) {
    const bool extend = Shift.Contains(ssShift) && Key != VK_TAB;
    FocusCell(target.X, target.Y, !extend);
    range_end_by_keys_ = extend && options_.Contains(goRangeSelect);
  }
}

void TCustomGrid::KeyPress(TKeyChar& Key) {
  TCustomControl::KeyPress(Key);
  if (options_.Contains(goAlwaysShowEditor)) return;
  if (Key == '\r') {
    if (FEditorMode)
      HideEditor();
    else
      ShowEditor();
    Key = 0;
  } else if (Key == 27 && FEditorMode) {
    // Escape gives up the edit: the cell gets back the very text the editor was loaded with
    // (not that text read back through a mask), and the editor writes nothing more.
    if (FInplaceEdit && inplace_col_ >= 0 && inplace_row_ >= 0) {
      int col = inplace_col_, row = inplace_row_;
      inplace_col_ = inplace_row_ = -1;
      FInplaceEdit->SetText(FInplaceEdit->loaded_text_);
      SetEditText(col, row, FInplaceEdit->loaded_text_);
    }
    HideEditor();
    Key = 0;
  }
}

void TCustomGrid::ShowEditorChar(TKeyChar Ch) {
  ShowEditor();
  if (FInplaceEdit && FInplaceEdit->Visible()) PostMessage(FInplaceEdit->Handle(), WM_CHAR, Ch, 0);
}

}  // namespace hd
