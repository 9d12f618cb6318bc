// The grid's dimensions, options, current cell and selection, whole-line moves, and the
// messages the grid answers.
#include <algorithm>

#include "platform/forms.h"
#include "platform/grids.h"
#include "platform/timers.h"

namespace hd {

namespace {

constexpr const char* kIndexOutOfRange = "Grid index out of range";

}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner), cols_(5, 64), rows_(5, 24) {
  cols_.SetFixedCount(1);
  rows_.SetFixedCount(1);
  options_ = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  control_style_.Include(csOpaque);
  // The grid reports clicks itself: a press that moves the current cell is one.
  control_style_.Exclude(csClickEvents);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBorderStyle(bsSingle);
  TWinControl::SetScrollBars(ssBoth);
  UpdateLineWidths();
  Initialize();
  SetBounds(Left(), Top(), 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::Initialize() {
  top_left_ = {FixedCols(), FixedRows()};
  current_ = top_left_;
  anchor_ = current_;
  if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
}

void TCustomGrid::SetColCount(int value) {
  if (ColCount() == value) return;
  value = std::max(value, 1);
  if (value <= FixedCols()) SetFixedCols(value - 1);
  ChangeSize(value, RowCount());
}

void TCustomGrid::SetRowCount(int value) {
  if (RowCount() == value) return;
  value = std::max(value, 1);
  if (value <= FixedRows()) SetFixedRows(value - 1);
  ChangeSize(ColCount(), value);
}

void TCustomGrid::ChangeSize(int newColCount, int newRowCount) {
  int oldColCount = ColCount(), oldRowCount = RowCount();
  cols_.SetCount(newColCount);
  rows_.SetCount(newRowCount);
  SizeSettled(oldColCount, oldRowCount);
}

void TCustomGrid::SizeSettled(int oldColCount, int oldRowCount) {
  int newColCount = ColCount(), newRowCount = RowCount();
  if (!tab_stops_.empty()) tab_stops_.resize(static_cast<size_t>(newColCount), 1);
  // The current cell comes back into the grid through SelectCell, as any move does; a refusal
  // leaves it where it was.
  TGridCoord coord{std::min(current_.X, newColCount - 1), std::min(current_.Y, newRowCount - 1)};
  if (coord != current_) MoveColRow(coord.X, coord.Y, true, true);
  anchor_.X = options_.Contains(goRowSelect) ? newColCount - 1 : std::min(anchor_.X, newColCount - 1);
  anchor_.Y = std::min(anchor_.Y, newRowCount - 1);
  TGridCoord oldTopLeft = top_left_;
  top_left_ = {ClampCoord(top_left_.X, true), ClampCoord(top_left_.Y, false)};
  if (top_left_ != oldTopLeft) TopLeftMoved(oldTopLeft);
  InvalidateGrid();
  UpdateScrollRange();
  SizeChanged(oldColCount, oldRowCount);
}

void TCustomGrid::SetFixedCols(int value) {
  SetFixedCount(cols_, value, "Fixed column count must be less than column count");
}

void TCustomGrid::SetFixedRows(int value) {
  SetFixedCount(rows_, value, "Fixed row count must be less than row count");
}

void TCustomGrid::SetFixedCount(TGridAxis& axis, int value, const char* tooBig) {
  if (axis.FixedCount() == value) return;
  if (value < 0) throw EInvalidGridOperation(kIndexOutOfRange);
  if (value >= axis.Count()) throw EInvalidGridOperation(tooBig);
  axis.SetFixedCount(value);
  Initialize();
  InvalidateGrid();
  UpdateScrollRange();
}

void TCustomGrid::SetDefaultColWidth(int value) {
  cols_.SetDefaultSize(value);
  ColWidthsChanged();
  InvalidateGrid();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  rows_.SetDefaultSize(value);
  RowHeightsChanged();
  InvalidateGrid();
}

void TCustomGrid::SetColWidths(int index, int value) {
  if (SetLineSize(cols_, index, value)) ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int index, int value) {
  if (SetLineSize(rows_, index, value)) RowHeightsChanged();
}

bool TCustomGrid::SetLineSize(TGridAxis& axis, int index, int value) {
  if (index < 0 || index >= axis.Count()) throw EInvalidGridOperation(kIndexOutOfRange);
  if (std::max(value, 0) == axis.Size(index)) return false;
  axis.SetSize(index, value);
  InvalidateGrid();
  return true;
}

void TCustomGrid::ColWidthsChanged() {
  UpdateScrollRange();
  UpdateEditor();
}

void TCustomGrid::RowHeightsChanged() {
  UpdateScrollRange();
  UpdateEditor();
}

void TCustomGrid::SetGridLineWidth(int value) {
  if (grid_line_width_ == value) return;
  grid_line_width_ = std::max(value, 0);
  UpdateLineWidths();
  InvalidateGrid();
  UpdateScrollRange();
}

void TCustomGrid::UpdateLineWidths() {
  // An axis has the gap of a grid line only while one of its line options is on.
  bool vert = options_.Contains(goFixedVertLine) || options_.Contains(goVertLine);
  bool horz = options_.Contains(goFixedHorzLine) || options_.Contains(goHorzLine);
  cols_.SetLineWidth(vert ? grid_line_width_ : 0);
  rows_.SetLineWidth(horz ? grid_line_width_ : 0);
}

void TCustomGrid::SetFixedColor(TColor value) {
  if (fixed_color_ == value) return;
  fixed_color_ = value;
  InvalidateGrid();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (options_ == value) return;
  if (value.Contains(goRowSelect)) value.Exclude(goAlwaysShowEditor);
  options_ = value;
  UpdateLineWidths();
  if (!FEditorMode) {
    if (value.Contains(goAlwaysShowEditor))
      ShowEditor();
    else
      HideEditor();
  }
  if (value.Contains(goRowSelect)) MoveColRow(Col(), Row(), true, false);
  InvalidateGrid();
  UpdateScrollRange();
}

void TCustomGrid::SetCol(int value) {
  if (Col() != value) FocusCell(value, Row(), true);
}

void TCustomGrid::SetRow(int value) {
  if (Row() != value) FocusCell(Col(), value, true);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  MoveColRow(ACol, ARow, MoveAnchor, true);
  UpdateEditor();
  Click();
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) throw EInvalidGridOperation(kIndexOutOfRange);
  if (!SelectCell(ACol, ARow)) return;
  TGridRect oldSel = Selection();
  TGridCoord oldCurrent = current_;
  current_ = {ACol, ARow};
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
  if (MoveAnchor || !options_.Contains(goRangeSelect)) {
    anchor_ = current_;
    if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
  }
  if (options_.Contains(goRowSelect)) current_.X = FixedCols();
  if (Show) ClampInView(current_);
  SelectionMoved(oldSel);
  InvalidateCell(oldCurrent.X, oldCurrent.Y);
  InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::SetSelection(const TGridRect& value) {
  TGridRect oldSel = Selection();
  anchor_ = value.TopLeft();
  current_ = value.BottomRight();
  SelectionMoved(oldSel);
}

bool TCustomGrid::SelectCell(int, int) { return true; }

bool TCustomGrid::IsActiveControl() const {
  if (TCustomForm* form = GetParentForm(this)) return form->ActiveControl() == this;
  return Focused();
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || !CanMoveLine(true, FromIndex, ToIndex)) return;
  bool sized = MoveLine(true, FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  if (sized) ColWidthsChanged();
  UpdateEditor();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || !CanMoveLine(false, FromIndex, ToIndex)) return;
  bool sized = MoveLine(false, FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  if (sized) RowHeightsChanged();
  UpdateEditor();
}

bool TCustomGrid::MoveLine(bool columns, int from, int to) {
  TGridAxis& axis = columns ? cols_ : rows_;
  if (from < 0 || to < 0 || from >= axis.Count() || to >= axis.Count()) throw EInvalidGridOperation(kIndexOutOfRange);
  bool sized = !axis.Uniform();
  axis.MoveLine(from, to);
  if (columns && !tab_stops_.empty()) {
    auto first = tab_stops_.begin();
    if (from < to)
      std::rotate(first + from, first + from + 1, first + to + 1);
    else
      std::rotate(first + to, first + from, first + from + 1);
  }
  // The current cell and the anchor stay on the lines they were on.
  auto follow = [&](int& index) {
    if (index == from)
      index = to;
    else if (from < to && index > from && index <= to)
      --index;
    else if (from > to && index >= to && index < from)
      ++index;
  };
  follow(columns ? current_.X : current_.Y);
  follow(columns ? anchor_.X : anchor_.Y);
  if (int& edited = columns ? inplace_col_ : inplace_row_; edited >= 0) follow(edited);
  InvalidateGrid();
  return sized;
}

// The deleted line's texts stay stored just past the new count, as on the platform: callers
// that keep its objects elsewhere rely on nothing being freed.
void TCustomGrid::DeleteColumn(int ACol) {
  MoveColumn(ACol, ColCount() - 1);
  SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow) {
  MoveRow(ARow, RowCount() - 1);
  SetRowCount(RowCount() - 1);
}

void TCustomGrid::InsertLines(bool Columns, int Index, int Count) {
  TGridAxis& axis = Columns ? cols_ : rows_;
  if (Count <= 0) return;
  int oldColCount = ColCount(), oldRowCount = RowCount();
  Index = std::clamp(Index, 0, axis.Count());
  axis.InsertLines(Index, Count);
  if (Columns && !tab_stops_.empty()) tab_stops_.insert(tab_stops_.begin() + Index, static_cast<size_t>(Count), 1);
  SizeSettled(oldColCount, oldRowCount);
}

void TCustomGrid::DeleteLines(bool Columns, int Index, int Count) {
  TGridAxis& axis = Columns ? cols_ : rows_;
  if (Index < 0 || Index >= axis.Count() || Count <= 0) return;
  Count = std::min(Count, axis.Count() - Index);
  if (Count >= axis.Count()) Count = axis.Count() - 1;
  if (Count <= 0) return;
  int newCount = axis.Count() - Count;
  if (newCount <= axis.FixedCount()) {
    if (Columns)
      SetFixedCols(newCount - 1);
    else
      SetFixedRows(newCount - 1);
  }
  int oldColCount = ColCount(), oldRowCount = RowCount();
  axis.DeleteLines(Index, Count);
  if (Columns && !tab_stops_.empty())
    tab_stops_.erase(tab_stops_.begin() + Index, tab_stops_.begin() + Index + Count);
  SizeSettled(oldColCount, oldRowCount);
}

void TCustomGrid::PermuteLines(bool Columns, int First, const std::vector<int>& From) {
  TGridAxis& axis = Columns ? cols_ : rows_;
  const int n = static_cast<int>(From.size());
  if (First < 0 || n == 0 || First + n > axis.Count()) return;
  bool sized = false;
  for (int k = 0; k < n; ++k) sized |= axis.Size(From[static_cast<std::size_t>(k)]) != axis.Size(First + k);
  axis.PermuteLines(First, From);
  if (Columns && static_cast<int>(tab_stops_.size()) >= First + n) {
    std::vector<char> before(tab_stops_.begin() + First, tab_stops_.begin() + First + n);
    for (int k = 0; k < n; ++k)
      tab_stops_[static_cast<std::size_t>(First + k)] = before[static_cast<std::size_t>(From[static_cast<std::size_t>(k)] - First)];
  }
  InvalidateGrid();
  if (sized) {
    if (Columns)
      ColWidthsChanged();
    else
      RowHeightsChanged();
  }
}

void TCustomGrid::SwapLines(bool Columns, int A, int B) {
  TGridAxis& axis = Columns ? cols_ : rows_;
  if (A == B || A < 0 || B < 0 || A >= axis.Count() || B >= axis.Count()) return;
  bool sized = axis.Size(A) != axis.Size(B);
  axis.SwapLines(A, B);
  if (Columns && !tab_stops_.empty()) std::swap(tab_stops_[static_cast<size_t>(A)], tab_stops_[static_cast<size_t>(B)]);
  InvalidateGrid();
  if (sized) {
    if (Columns)
      ColWidthsChanged();
    else
      RowHeightsChanged();
  }
}

std::string TCustomGrid::GetEditText(int, int) { return {}; }

void TCustomGrid::SetEditText(int, int, const std::string&) {}

std::string TCustomGrid::GetEditMask(int, int) { return {}; }

int TCustomGrid::GetEditLimit() { return 0; }

bool TCustomGrid::CanEditShow() {
  bool editing = options_.Contains(goEditing) && !options_.Contains(goRowSelect);
  return editing && FEditorMode && HandleAllocated() &&
         (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (message.LParam == 0) {
        ModifyScrollBar(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(message.WParam),
                        static_cast<std::int16_t>(HIWORD(message.WParam)));
        return;
      }
      break;
    case WM_SIZE:
      TCustomControl::Dispatch(message);
      UpdateScrollRange();
      UpdateEditor();
      return;
    case CM_SHOWINGCHANGED:
      // A grid laid out while its window was hidden (a page not shown, a form created at
      // start) has had no range yet: its bars would keep their defaults.
      TCustomControl::Dispatch(message);
      if (Showing()) UpdateScrollRange();
      return;
    case WM_GETDLGCODE: message.Result = DlgCode(); return;
    case WM_CHAR: DispatchChar(message); return;
    case WM_LBUTTONDOWN:
      TCustomControl::Dispatch(message);
      if (FInplaceEdit) FInplaceEdit->FClickTime = GetTickCount();
      return;
    case WM_TIMER:
      if (message.WParam == kScrollTimerId) {
        TimedScroll();
        return;
      }
      break;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      TCustomControl::Dispatch(message);
      CancelMode();
      if (MouseCapture()) SetMouseCapture(false);
      return;
    case WM_COMMAND:
      // The editor's changes go to its cell as they are typed; the edit hears nothing back.
      if (FInplaceEdit && static_cast<HWND>(message.LParam) == FInplaceEdit->Handle()) {
        if (HIWORD(message.WParam) == EN_CHANGE) UpdateText();
        return;
      }
      break;
    case WM_SETFOCUS:
      TCustomControl::Dispatch(message);
      // Coming back from its own editor, the grid leaves the editor where it is.
      if (!FInplaceEdit || static_cast<HWND>(message.WParam) != FInplaceEdit->Handle()) {
        InvalidateRect(Selection());
        UpdateEditor();
      }
      return;
    case WM_KILLFOCUS:
      TCustomControl::Dispatch(message);
      InvalidateRect(Selection());
      if (FInplaceEdit && static_cast<HWND>(message.WParam) != FInplaceEdit->Handle()) FInplaceEdit->Hide();
      return;
    default: break;
  }
  TCustomControl::Dispatch(message);
}

}  // namespace hd
