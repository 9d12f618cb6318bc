// The grid's dimensions, options, current cell and selection, and whole-line moves.
#include <algorithm>

#include "platform/forms.h"
#include "platform/grids.h"

namespace hd {

namespace {

constexpr const char* kIndexOutOfRange = "Grid index out of range";

}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner), cols_(5, 64), rows_(5, 24) {
  cols_.SetFixedCount(1);
  rows_.SetFixedCount(1);
  options_ = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  control_style_.Include(csOpaque);
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

void TCustomGrid::ColWidthsChanged() { UpdateScrollRange(); }

void TCustomGrid::RowHeightsChanged() { UpdateScrollRange(); }

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
  Click();
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) throw EInvalidGridOperation(kIndexOutOfRange);
  if (!SelectCell(ACol, ARow)) return;
  TGridRect oldSel = Selection();
  TGridCoord oldCurrent = current_;
  current_ = {ACol, ARow};
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
  if (FromIndex == ToIndex) return;
  bool sized = MoveLine(true, FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  if (sized) ColWidthsChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex) return;
  bool sized = MoveLine(false, FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  if (sized) RowHeightsChanged();
}

bool TCustomGrid::MoveLine(bool columns, int from, int to) {
  TGridAxis& axis = columns ? cols_ : rows_;
  if (from < 0 || to < 0 || from >= axis.Count() || to >= axis.Count()) throw EInvalidGridOperation(kIndexOutOfRange);
  bool sized = !axis.Uniform();
  axis.MoveLine(from, to);
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

std::string TCustomGrid::GetEditText(int, int) { return {}; }

void TCustomGrid::SetEditText(int, int, const std::string&) {}

std::string TCustomGrid::GetEditMask(int, int) { return {}; }

int TCustomGrid::GetEditLimit() { return 0; }

bool TCustomGrid::CanEditShow() {
  bool editing = options_.Contains(goEditing) && !options_.Contains(goRowSelect);
  return editing && FEditorMode && HandleAllocated() &&
         (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

}  // namespace hd
