// The grid's mouse: a press that selects, sizes or moves lines, the moves that follow it
// (with the timed scrolling while the pointer is past an edge), the release that finishes it,
// WM_CANCELMODE that gives it up, and the wheel.
#include <algorithm>

#include "platform/desktop.h"
#include "platform/forms.h"
#include "platform/grids.h"
#include "platform/timers.h"

namespace hd {

namespace {

constexpr unsigned kScrollInterval = 60;

// Marks the lines drawn over the picture: drawn twice at one place they leave nothing.
TPen InvertingPen(int width) { return TPen{clWhite, width, psDot, pmXor}; }

}  // namespace

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  HideEdit();
  if (CanFocus()) {
    SetFocus();
    if (!IsWindow(self)) return;
    // A control that kept the focus (its exit refused) keeps the mouse too.
    if (!IsActiveControl()) {
      SetMouseCapture(false);
      return;
    }
  }
  last_mouse_ = {X, Y};
  if (Button == mbLeft && Shift.Contains(ssDouble)) {
    DblClick();
  } else if (Button == mbLeft) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    CalcSizingState(X, Y, FGridState, sizing_index_, sizing_pos_, sizing_ofs_, info);
    if (FGridState != gsNormal) {
      // What waits to be painted goes first, so the line is inverted on the final picture.
      Update();
      DrawSizingLine(info);
      return;
    }
    TGridCoord hit = CalcCoordFromPoint(X, Y, info);
    if (hit.X >= FixedCols() && hit.Y >= FixedRows()) {
      const bool editing = options_.Contains(goEditing);
      clicked_at_press_ = false;
      if (editing && hit == current_ && !Shift.Contains(ssShift)) {
        // A press on the current cell edits it; it starts no selection.
        ShowEditor();
        Click();
      } else {
        // A press starts a selecting drag that the moves extend; with Shift it extends the
        // range from the anchor. Editing or not, a table is selected the same way.
        FGridState = gsSelecting;
        SetTimer(Handle(), kScrollTimerId, kScrollInterval);
        if (Shift.Contains(ssShift)) {
          ExtendRangeTo(hit);
        } else {
          range_end_by_keys_ = false;
          MoveColRow(hit.X, hit.Y, true, true);
        }
        if (editing && IsWindow(self) && FGridState == gsSelecting) {
          clicked_at_press_ = true;
          UpdateEditor();
          Click();
        }
      }
    } else if (options_.Contains(goRowMoving) && hit.X >= 0 && hit.X < FixedCols() && hit.Y >= FixedRows()) {
      StartLineMove(false, hit.Y);
    } else if (options_.Contains(goColMoving) && hit.Y >= 0 && hit.Y < FixedRows() && hit.X >= FixedCols()) {
      StartLineMove(true, hit.X);
    }
    if (!IsWindow(self)) return;
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::StartLineMove(bool columns, int index) {
  move_index_ = move_pos_ = index;
  FGridState = columns ? gsColMoving : gsRowMoving;
  if (OwnLineMove()) return;
  Update();
  DrawMove();
  SetTimer(Handle(), kScrollTimerId, kScrollInterval);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  last_mouse_ = {X, Y};
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord hit = CalcCoordFromPoint(X, Y, info);
  switch (FGridState) {
    case gsSelecting:
      if (hit.X >= FixedCols() && hit.Y >= FixedRows() && hit.X <= info.Horz.LastFullVisibleCell + 1 &&
          hit.Y <= info.Vert.LastFullVisibleCell + 1 && hit != anchor_)
        MoveAnchor(hit);
      break;
    // The pointer stays in the fixed lines while it moves a line; past an edge the view
    // scrolls towards it.
    case gsColMoving:
      if (!OwnLineMove()) MoveAndScroll(true, X, hit.X);
      break;
    case gsRowMoving:
      if (!OwnLineMove()) MoveAndScroll(false, Y, hit.Y);
      break;
    case gsRowSizing:
    case gsColSizing:
      DrawSizingLine(info);
      sizing_pos_ = (FGridState == gsRowSizing ? Y : X) + sizing_ofs_;
      DrawSizingLine(info);
      break;
    default: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  // Whatever the handlers below do, the interaction ends here.
  struct EndState {
    TCustomGrid* grid;
    HWND handle;
    ~EndState() {
      if (IsWindow(handle)) grid->FGridState = gsNormal;
    }
  } end{this, self};
  switch (FGridState) {
    case gsSelecting:
      MouseMove(Shift, X, Y);
      if (!IsWindow(self)) return;
      KillTimer(self, kScrollTimerId);
      UpdateEditor();
      if (!clicked_at_press_) Click();
      clicked_at_press_ = false;
      break;
    case gsRowSizing:
    case gsColSizing: FinishSizing(); break;
    case gsColMoving:
    case gsRowMoving:
      if (OwnLineMove()) break;
      DrawMove();
      KillTimer(self, kScrollTimerId);
      if (move_index_ != move_pos_) {
        if (FGridState == gsColMoving)
          MoveColumn(move_index_, move_pos_);
        else
          MoveRow(move_index_, move_pos_);
      }
      if (!IsWindow(self)) return;
      UpdateEditor();
      break;
    default: UpdateEditor(); break;
  }
  if (IsWindow(self)) TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::FinishSizing() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  DrawSizingLine(info);
  bool columns = FGridState == gsColSizing;
  const TGridAxis& axis = columns ? cols_ : rows_;
  const TGridAxisDrawInfo& shown = columns ? info.Horz : info.Vert;
  // The hot zone at the client edge may name the line past the last one; there is nothing
  // to size then.
  if (sizing_index_ < shown.FirstGridCell || sizing_index_ >= axis.Count()) return;
  auto start = shown.FixedBoundary + axis.Span(shown.FirstGridCell, sizing_index_);
  auto size = sizing_pos_ - start;
  if (size <= 1) return;
  if (columns)
    SetColWidths(sizing_index_, static_cast<int>(size));
  else
    SetRowHeights(sizing_index_, static_cast<int>(size));
}

void TCustomGrid::ExtendRangeTo(const TGridCoord& hit) {
  // Keys move the current cell and leave the anchor where the range began; the mouse moves
  // the anchor. A range the keys made is turned round first, so that Shift and a click
  // extend it from where it began, as the keys would.
  if (range_end_by_keys_ && options_.Contains(goRangeSelect) && anchor_ != current_) {
    range_end_by_keys_ = false;
    const TGridCoord start = anchor_;
    MoveColRow(start.X, start.Y, true, false);
  }
  MoveAnchor(hit);
}

void TCustomGrid::MoveAnchor(const TGridCoord& NewAnchor) {
  if (!options_.Contains(goRangeSelect)) {
    MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
    return;
  }
  TGridRect oldSel = Selection();
  anchor_ = NewAnchor;
  if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
  ClampInView(NewAnchor);
  SelectionMoved(oldSel);
}

void TCustomGrid::MoveAndScroll(bool columns, int mouse, int cellHit) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridAxisDrawInfo& axis = columns ? info.Horz : info.Vert;
  if (cellHit == move_pos_) return;
  // Already at the first or last line with the pointer past it: nothing changes.
  if (move_pos_ == axis.FixedCellCount && mouse < axis.FixedBoundary) return;
  if (move_pos_ == axis.GridCellCount - 1 && mouse > axis.GridBoundary) return;
  DrawMove();
  int bar = columns ? SB_HORZ : SB_VERT;
  if (mouse < axis.FixedBoundary) {
    if (move_pos_ > axis.FixedCellCount) {
      ModifyScrollBar(bar, SB_LINEUP, 0);
      Update();
      CalcDrawInfo(info);
    }
    cellHit = axis.FirstGridCell;
  } else if (mouse >= axis.FullVisBoundary) {
    if (move_pos_ == axis.LastFullVisibleCell && move_pos_ < axis.GridCellCount - 1) {
      ModifyScrollBar(bar, SB_LINEDOWN, 0);
      Update();
      CalcDrawInfo(info);
    }
    cellHit = axis.LastFullVisibleCell;
  } else if (cellHit < 0) {
    cellHit = move_pos_;
  }
  move_pos_ = cellHit;
  DrawMove();
}

void TCustomGrid::TimedScroll() {
  if (FGridState != gsSelecting && FGridState != gsColMoving && FGridState != gsRowMoving) return;
  if (FGridState != gsSelecting && OwnLineMove()) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord hit = CalcCoordFromPoint(last_mouse_.X, last_mouse_.Y, info);
  if (FGridState == gsColMoving) {
    MoveAndScroll(true, last_mouse_.X, hit.X);
    return;
  }
  if (FGridState == gsRowMoving) {
    MoveAndScroll(false, last_mouse_.Y, hit.Y);
    return;
  }
  // Selecting: one line further each tick towards the edge the pointer is past.
  auto step = [](int pos, int fixedBoundary, int fullVisBoundary) {
    return pos < fixedBoundary ? -1 : pos > fullVisBoundary ? 1 : 0;
  };
  TGridCoord anchor = anchor_;
  if (int dx = step(last_mouse_.X, info.Horz.FixedBoundary, info.Horz.FullVisBoundary))
    anchor.X = StepTo(true, anchor_.X, anchor_.X + dx);
  if (int dy = step(last_mouse_.Y, info.Vert.FixedBoundary, info.Vert.FullVisBoundary))
    anchor.Y = StepTo(false, anchor_.Y, anchor_.Y + dy);
  if (anchor != anchor_) MoveAnchor(anchor);
}

void TCustomGrid::CancelMode() {
  switch (FGridState) {
    case gsSelecting: KillTimer(Handle(), kScrollTimerId); break;
    case gsRowSizing:
    case gsColSizing: {
      TGridDrawInfo info;
      CalcDrawInfo(info);
      DrawSizingLine(info);
      break;
    }
    case gsColMoving:
    case gsRowMoving:
      if (OwnLineMove()) break;
      DrawMove();
      KillTimer(Handle(), kScrollTimerId);
      break;
    default: break;
  }
  FGridState = gsNormal;
}

void TCustomGrid::DrawSizingLine(const TGridDrawInfo& DrawInfo) {
  if (!HandleAllocated()) return;
  TCanvas& canvas = Canvas();
  TPen saved = canvas.Pen();
  canvas.SetPen(InvertingPen(1));
  if (FGridState == gsRowSizing) {
    canvas.MoveTo(0, sizing_pos_);
    canvas.LineTo(DrawInfo.Horz.GridBoundary, sizing_pos_);
  } else {
    canvas.MoveTo(sizing_pos_, 0);
    canvas.LineTo(sizing_pos_, DrawInfo.Vert.GridBoundary);
  }
  canvas.SetPen(saved);
}

void TCustomGrid::DrawMove() {
  if (!HandleAllocated()) return;
  TCanvas& canvas = Canvas();
  TPen saved = canvas.Pen();
  canvas.SetPen(InvertingPen(5));
  // The line marks the border the moved line would be put against.
  if (FGridState == gsRowMoving) {
    TRect r = CellRect(0, move_pos_);
    int pos = move_pos_ > move_index_ ? r.Bottom : r.Top;
    canvas.MoveTo(0, pos);
    canvas.LineTo(ClientWidth(), pos);
  } else {
    TRect r = CellRect(move_pos_, 0);
    int pos = move_pos_ > move_index_ ? r.Right : r.Left;
    canvas.MoveTo(pos, 0);
    canvas.LineTo(pos, ClientHeight());
  }
  canvas.SetPen(saved);
}

int TCustomGrid::WheelStep() const { return GetWheelScrollLines(); }

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  int next = StepTo(false, Row(), Row() + WheelStep());
  if (next != Row()) SetRow(next);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  int prev = StepTo(false, Row(), Row() - WheelStep());
  if (prev != Row()) SetRow(prev);
  return true;
}

}  // namespace hd
