// Rows moved by code or by a header drag, and the grid's own header drag (EnhRowColMove): a
// floating button or a picture of the cells follows the pointer, arrows mark the border the
// line would be put against, the view scrolls at the edges, and the release moves the line.
#include "grid/editing/header_drag_button.h"
#include "grid/foundation/arrow_window.h"
#include "grid/editing/grid_pointer.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/forms.h"

namespace hd {

namespace {

// The arrows stand this far beside the border they mark.
constexpr int kArrowOffset = 5;

void ShowNoActivate(TWinControl* Window, bool Show) {
  if (Window && Window->Visible() != Show) ShowWindow(Window->Handle(), Show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void PlaceArrow(TArrowWindow* Arrow, int X, int Y, bool Show) {
  if (Show) Arrow->SetBounds(X, Y, Arrow->Width(), Arrow->Height());
  ShowNoActivate(Arrow, Show);
}

}  // namespace

bool TExtStringGrid::OwnLineMove() const { return FP->Layout.FEnhRowColMove; }

THeaderDragButton* TExtStringGrid::MoveButton() {
  auto& h = FP->Header;
  if (!h.MoveButton) {
    h.MoveButton = new THeaderDragButton(this);
    h.MoveButton->SetEnabled(false);
  }
  return h.MoveButton;
}

TArrowWindow* TExtStringGrid::MoveArrow(TArrowDirection Direction) {
  TArrowWindow*& arrow = FP->Header.Arrows[static_cast<size_t>(Direction)];
  if (!arrow) arrow = new TArrowWindow(this, Direction);
  return arrow;
}

bool TExtStringGrid::EnhancedDragMove(int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  auto& h = p.Header;
  const bool cols = FGridState == gsColMoving;
  if ((!cols && FGridState != gsRowMoving) || !p.Layout.FEnhRowColMove) return false;
  if (RowCount() <= 1 || (X == p.PressPoint.X && Y == p.PressPoint.Y) || p.Pointer->SizingFixed || p.Pointer->SizingFixedR)
    return true;
  h.Dragging = true;
  bool allowed = true;
  DoStartBlockFocus();
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  THeaderDragButton* button = MoveButton();
  const bool showCells = p.DragDropSettings->ShowCells();
  if (cols && h.Movecell >= FixedCols() && h.Movecell < ColCount() && ARow >= 0) {
    if (showCells && !h.MoveForm) {
      h.MoveForm = SelectionToForm({h.Movecell, 0, h.Movecell, std::min(RowCount() - 1, TopRow() + VisibleRowCount() - FixedRows())});
      ShowNoActivate(h.MoveForm, true);
    }
    button->SetCaption(Cells(RealColIndex(h.Movecell), 0));
    button->SetBounds(button->Left(), button->Top(), ColWidths(h.Movecell), RowHeights(ARow));
    button->Paint();
  } else if (!cols && h.Movecell >= FixedRows() && h.Movecell < RowCount() && ACol >= 0) {
    if (showCells && !h.MoveForm) {
      h.MoveForm = SelectionToForm({0, h.Movecell, std::min(ColCount() - 1, LeftCol() + VisibleColCount() - FixedCols()), h.Movecell});
      ShowNoActivate(h.MoveForm, true);
    }
    button->SetCaption(Cells(0, h.Movecell));
    button->SetBounds(button->Left(), button->Top(), ColWidths(ACol), RowHeights(h.Movecell));
    button->Paint();
  }
  const TPoint at = ClientToScreen(TPoint{X - h.MoveOfsX, Y - h.MoveOfsY});
  if (showCells && h.MoveForm) {
    h.MoveForm->SetBounds(at.X, at.Y, h.MoveForm->Width(), h.MoveForm->Height());
  } else {
    button->SetBounds(at.X, at.Y, button->Width(), button->Height());
  }
  if (cols) {
    // The arrows mark the border the line would be put against, for the target of the move before.
    const int target = h.MoveColInd;
    if (target >= FixedCols() && target < ColCount() && ACol >= 0) {
      const bool shown = target != h.Movecell && target >= LeftCol() && target < LeftCol() + VisibleColCount() + 1;
      TRect r = CellRect(target, 0);
      const TPoint tl = ClientToScreen(TPoint{r.Left, r.Top}), br = ClientToScreen(TPoint{r.Right, r.Bottom});
      const int border = target < h.Movecell ? tl.X : br.X;
      TArrowWindow* up = MoveArrow(arrUp);
      TArrowWindow* down = MoveArrow(arrDown);
      PlaceArrow(up, border - kArrowOffset, br.Y, shown);
      PlaceArrow(down, border - kArrowOffset, tl.Y - 8, shown);
    }
    h.MoveColInd = ACol;
    h.MoveRowInd = 0;
    if (OnColumnMoving) OnColumnMoving(this, ACol, allowed);
  } else {
    const TFloatingFooter& footer = *p.FloatingFooter;
    const int target = h.MoveRowInd;
    const bool footerTarget = footer.Visible() && footer.FooterStyle() == fsFixedLastRow && target == RowCount() - 1;
    if (!footerTarget && target >= FixedRows() && target < RowCount() && ARow >= 0) {
      const bool shown = target != h.Movecell && target >= TopRow() && target < TopRow() + VisibleRowCount() + 1;
      TRect r = CellRect(0, target);
      const TPoint tl = ClientToScreen(TPoint{r.Left, r.Top}), br = ClientToScreen(TPoint{r.Right, r.Bottom});
      const int top = target < h.Movecell ? tl.Y - kArrowOffset : br.Y - kArrowOffset;
      PlaceArrow(MoveArrow(arrLeft), tl.X - 10, top, shown);
      PlaceArrow(MoveArrow(arrRight), br.X, top, shown);
    }
    h.MoveColInd = 0;
    h.MoveRowInd = ARow;
    if (OnRowMoving) OnRowMoving(this, ARow, allowed);
  }
  // Past an edge the view scrolls one line a move.
  int fixedWidth = 0, fixedHeight = 0;
  for (int c = 0; c < FixedCols(); ++c) fixedWidth += ColWidths(c);
  for (int r = 0; r < FixedRows(); ++r) fixedHeight += RowHeights(r);
  if (cols && VisibleColCount() < ColCount() - FixedCols()) {
    if (X < fixedWidth && LeftCol() > FixedCols()) {
      SetLeftCol(LeftCol() - 1);
      Update();
    } else if (X > ClientWidth() && LeftCol() + VisibleColCount() < ColCount()) {
      SetLeftCol(LeftCol() + 1);
      Update();
    }
  } else if (!cols && VisibleRowCount() < RowCount() - FixedRows()) {
    if (Y < fixedHeight && TopRow() > FixedRows()) {
      SetTopRow(TopRow() - 1);
      Update();
    } else if (Y > ClientHeight() && TopRow() + VisibleRowCount() < RowCount()) {
      SetTopRow(TopRow() + 1);
      Update();
    }
  }
  if (!showCells) ShowNoActivate(button, true);
  button->SetEnabled(true);
  Screen().SetCursor(allowed ? crDrag : crNoDrop);
  return true;
}

void TExtStringGrid::EndEnhancedDrag() {
  auto& h = FP->Header;
  for (TArrowWindow* arrow : h.Arrows) ShowNoActivate(arrow, false);
  if (!h.Dragging) return;
  h.Dragging = false;
  if (h.MoveButton) {
    h.MoveButton->SetEnabled(false);
    ShowNoActivate(h.MoveButton, false);
  }
  delete h.MoveForm;
  h.MoveForm = nullptr;
  DoEndBlockFocus();
  Screen().SetCursor(crDefault);
}

bool TExtStringGrid::EnhancedDragRelease(int X, int Y) {
  auto& h = FP->Header;
  const bool cols = FGridState == gsColMoving;
  const TCursor cursor = Screen().Cursor();
  if (!h.Dragging || (!cols && FGridState != gsRowMoving) || !FP->Layout.FEnhRowColMove ||
      (cursor != crDrag && cursor != crNoDrop)) {
    EndEnhancedDrag();
    return false;
  }
  EndEnhancedDrag();
  // The platform's release must move nothing itself.
  FGridState = gsNormal;
  if (cursor == crNoDrop) {
    if (cols)
      RepaintRow(0);
    else
      RepaintCol(0);
    return true;
  }
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (cols && h.Movecell >= FixedCols() && h.Movecell < ColCount() && ACol >= FixedCols() && ACol != h.Movecell)
    MoveColumn(h.Movecell, ACol);
  else if (!cols && h.Movecell >= FixedRows() && h.Movecell < RowCount() && ARow >= FixedRows() && ARow != h.Movecell)
    MoveRow(h.Movecell, ARow);
  return true;
}

bool TExtStringGrid::CanMoveLine(bool Columns, int /*FromIndex*/, int ToIndex) {
  const TFloatingFooter& footer = *FP->FloatingFooter;
  return Columns || !(footer.Visible() && footer.FooterStyle() == fsFixedLastRow && ToIndex == RowCount() - 1);
}

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex) {
  TExtStringGridPrivate& p = *FP;
  // The store's move would report it too; the grid reports it once, after its own steps.
  TMovedEvent moved = std::move(OnRowMoved);
  OnRowMoved = nullptr;
  try {
    TStringGrid::RowMoved(FromIndex, ToIndex);
  } catch (...) {
    OnRowMoved = std::move(moved);
    throw;
  }
  OnRowMoved = std::move(moved);
  ++p.ColumnMoves;
  FollowMovedControls(false, FromIndex, ToIndex);
  HWND self = Handle();
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
  if (!IsWindow(self)) return;
  TSyncGrid& sync = *p.SyncGrid;
  auto* other = dynamic_cast<TExtStringGrid*>(sync.Grid());
  if (other && sync.MoveRow() && !p.SyncedMove) {
    other->FP->SyncedMove = true;
    try {
      other->MoveRow(FromIndex, ToIndex);
    } catch (...) {
      other->FP->SyncedMove = false;
      throw;
    }
    other->FP->SyncedMove = false;
  }
}

}  // namespace hd
