// The left release over a header cell of the sort row: the checks that make it a sorting
// click, then the sort engine's click steps, with merged columns split around the sort and
// the leftmost column kept.
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {
// The rightmost pixels of a header cell that hold a drop-down button or a filter glyph.
constexpr int kHeaderButtonWidth = 16;
// A release this close to a header border belongs to the column sizing.
constexpr int kSizingBorder = 4;
}  // namespace

void TExtStringGrid::HeaderClickSort(int ACol, int ARow, int X, int Y, TShiftState Shift, bool Moved) {
  TExtStringGridPrivate& p = *FP;
  if (Moved) return;
  if (p.DblClk) {
    p.DblClk = false;
    return;
  }
  TSortSettings& s = *p.SortSettings;
  const int RC = RealColIndex(ACol);
  const TRect r = CellRect(ACol, ARow);
  if (ARow == 0 && Options().Contains(goColSizing) && (X - r.Left < kSizingBorder || r.Right - X < kSizingBorder)) return;
  int pressCol = -1, pressRow = -1;
  MouseToCell(p.PressPoint.X, p.PressPoint.Y, pressCol, pressRow);
  const bool inButton = X > r.Right - kHeaderButtonWidth;
  if (inButton && ARow < FixedRows() && p.ControlLook->FixedDropDownButton()) return;
  if (inButton && GetColumnFilter(RC)) return;
  if (ARow != s.Row() || pressRow != ARow || FixedRows() <= 0 || IsInCheckBox(RC, ARow, X, Y) || !s.Show() ||
      RowCount() <= 2)
    return;
  bool doSort = !p.IgnoreColumns->HasValue(RC);
  if (OnCanSort) OnCanSort(this, RC, doSort);
  if (!doSort) {
    RepaintCell(ACol, s.Row());
    return;
  }
  HideInplaceEdit();
  if (s.AutoColumnMerge()) SplitAllColumns();
  const bool keepLeft = p.Navigation->KeepHorizScroll() && Options().Contains(goRowSelect);
  const int left = LeftCol();
  if (keepLeft) BeginUpdate();
  auto restoreLeft = [&] {
    if (!keepLeft) return;
    SetLeftCol(left);
    EndUpdate();
  };
  try {
    bool keyHeld = s.IndexSortKey() == ikShift ? Shift.Contains(ssShift) : Shift.Contains(ssCtrl);
    SortByHeaderClick(RC, keyHeld);
  } catch (...) {
    restoreLeft();
    throw;
  }
  restoreLeft();
  if (s.AutoColumnMerge()) RemergeColumns();
  if (p.NumCellControls > 0) CellControlsUpdate(true);
  InvalidateGrid();
  if (OnClickSort) OnClickSort(this, s.Column());
}

}  // namespace hd
