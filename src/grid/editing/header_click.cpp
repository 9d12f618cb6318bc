// The left release over a header cell of the sort row: the checks that make it a sorting
// click, then the sort engine's click steps, with merged columns split around the sort and
// the leftmost column kept. And the press on a header cell's drop-down button, which pops up
// the header menu.
#include "grid/foundation/input_settings.h"
#include "grid/editing/grid_pointer.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/menus.h"

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
  if (inButton && p.ControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(RC)) return;
  if (inButton && GetColumnFilter(RC)) return;
  // The press must have been on the same header cell: a press elsewhere is no click on it.
  if (ARow != s.Row() || pressRow != ARow || pressCol != ACol || FixedRows() <= 0 || IsInCheckBox(RC, ARow, X, Y) || !s.Show() ||
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

bool TExtStringGrid::DoCanShowFixedDropDown(int ACol) {
  bool canShow = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, canShow);
  return canShow;
}

void TExtStringGrid::DoStartBlockFocus() {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TExtStringGrid::DoEndBlockFocus() {
  if (OnEndBlockFocus) OnEndBlockFocus(this);
}

bool TExtStringGrid::FixedDropDownPress(int ACol, int ARow, int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  if (ACol < 0 || ARow < 0 || !p.ControlLook->FixedDropDownButton() || !IsHoverFixedCell(ACol, ARow)) return false;
  const TRect r = CellRect(ACol, ARow);
  const int right = Options().Contains(goColSizing) ? r.Right - 2 : r.Right;
  if (X <= r.Right - kHeaderButtonWidth || X >= right || Y < r.Top || Y >= r.Bottom) return false;
  auto& h = p.Header;
  h.DropDownDown = true;
  TPopupMenu* menu = h.FixedDropDownMenu;
  if (!menu && !OnFixedDropDownClick) return true;
  p.Pointer->NoMouseLeave = true;
  if (menu) menu->SetTag(ACol);
  bool keep = false;
  HWND self = Handle();
  if (OnFixedDropDownClick) OnFixedDropDownClick(this, ACol, ARow, menu, keep);
  if (!IsWindow(self)) return true;
  if (menu) {
    p.MouseDownMove = false;
    p.HoverFixedX = ACol;
    p.HoverFixedY = ARow;
    RepaintCell(ACol, ARow);
    const TPoint at = ClientToScreen(TPoint{r.Right - kHeaderButtonWidth, r.Bottom});
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
    if (!IsWindow(self)) return true;
    p.HoverFixedX = p.HoverFixedY = -1;
    RepaintCell(ACol, ARow);
  }
  p.Pointer->NoMouseLeave = keep;
  return true;
}

}  // namespace hd
