// Scrolling: the first scrolled column and row, keeping a cell in view, and the window scroll
// bars, whose positions 0..127 stand for the scrollable range of each axis.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/grids.h"
#include "platform/scroll_window.h"

namespace hd {

namespace {

constexpr int kMaxScrollPos = 127;

// The bar position of a first scrolled line: 0 at the first scrollable line, 127 at the last
// first line that still fills the view.
int ScrollPosOf(int first, int fixed, int maxFirst) {
  if (maxFirst <= fixed) return 0;
  return std::clamp(MulDiv(first - fixed, kMaxScrollPos, maxFirst - fixed), 0, kMaxScrollPos);
}

}  // namespace

int TCustomGrid::ClampCoord(int value, bool horizontal) const {
  const TGridAxis& axis = horizontal ? cols_ : rows_;
  return std::clamp(value, axis.FixedCount(), std::max(axis.FixedCount(), axis.Count() - 1));
}

void TCustomGrid::SetLeftCol(int value) {
  value = ClampCoord(value, true);
  if (value != LeftCol()) MoveTopLeft(value, TopRow());
}

void TCustomGrid::SetTopRow(int value) {
  value = ClampCoord(value, false);
  if (value != TopRow()) MoveTopLeft(LeftCol(), value);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  if (ALeft == top_left_.X && ATop == top_left_.Y) return;
  TGridCoord old = top_left_;
  top_left_ = {ALeft, ATop};
  TopLeftMoved(old);
}

void TCustomGrid::TopLeftMoved(const TGridCoord& OldTopLeft) {
  UpdateScrollPos();
  ScrollCells(OldTopLeft);
  UpdateEditor();
  TopLeftChanged();
}

// The pixels already painted move with the view, so only the lines that came into view are
// painted; a move as large as the scrolled part repaints it all.
void TCustomGrid::ScrollCells(const TGridCoord& OldTopLeft) {
  if (!HandleAllocated()) return;
  TRect area = ScrollableArea();
  TGridDrawInfo info;
  CalcDrawInfo(info);
  // Fixed rows stay while the rows move, and fixed columns while the columns move.
  TRect vert{area.Left, std::max(area.Top, info.Vert.FixedBoundary), area.Right, area.Bottom};
  TRect horz{std::max(area.Left, info.Horz.FixedBoundary), area.Top, area.Right, area.Bottom};
  std::int64_t dy = rows_.Span(top_left_.Y, OldTopLeft.Y), dx = cols_.Span(top_left_.X, OldTopLeft.X);
  bool fits = std::abs(dy) < vert.Height() && std::abs(dx) < horz.Width() && !vert.IsEmpty() && !horz.IsEmpty();
  if (!fits) {
    InvalidateGrid();
    return;
  }
  if (dy != 0) ScrollWindowEx(Handle(), 0, static_cast<int>(dy), &vert, &vert, nullptr, nullptr, SW_INVALIDATE);
  if (dx != 0) ScrollWindowEx(Handle(), static_cast<int>(dx), 0, &horz, &horz, nullptr, nullptr, SW_INVALIDATE);
  // The editor's frame may reach over the grid line of a fixed cell next to the moved part.
  if (FEditorMode) {
    int reach = info.Vert.EffectiveLineWidth + 1;
    if (dy != 0) {
      TRect edge{area.Left, vert.Top - reach, area.Right, vert.Top + reach};
      hd::InvalidateRect(Handle(), &edge, false);
    }
    reach = info.Horz.EffectiveLineWidth + 1;
    if (dx != 0) {
      TRect edge{horz.Left - reach, area.Top, horz.Left + reach, area.Bottom};
      hd::InvalidateRect(Handle(), &edge, false);
    }
  }
}

TGridCoord TCustomGrid::CalcMaxTopLeft(const TGridCoord& Coord, const TGridDrawInfo& DrawInfo) const {
  return {cols_.MaxFirst(Coord.X, DrawInfo.Horz.GridExtent), rows_.MaxFirst(Coord.Y, DrawInfo.Vert.GridExtent)};
}

void TCustomGrid::ClampInView(const TGridCoord& Coord) {
  if (!HandleAllocated()) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  bool right = Coord.X > info.Horz.LastFullVisibleCell, below = Coord.Y > info.Vert.LastFullVisibleCell;
  if (!right && !below && Coord.X >= LeftCol() && Coord.Y >= TopRow()) return;
  TGridCoord max = CalcMaxTopLeft(Coord, info);
  TGridCoord target = top_left_;
  if (Coord.X < LeftCol())
    target.X = Coord.X;
  else if (right)
    target.X = max.X;
  if (Coord.Y < TopRow())
    target.Y = Coord.Y;
  else if (below)
    target.Y = max.Y;
  // A fixed line asked for keeps the view at the first scrollable line.
  MoveTopLeft(ClampCoord(target.X, true), ClampCoord(target.Y, false));
}

bool TCustomGrid::ScrollsOn(int bar) const {
  TScrollStyle s = ScrollBars();
  return s == ssBoth || s == (bar == SB_HORZ ? ssHorizontal : ssVertical);
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  if (ScrollBars() == value) return;
  TWinControl::SetScrollBars(value);
  UpdateScrollRange();
}

void TCustomGrid::SetBarPos(int bar, int pos) {
  if (GetScrollPos(Handle(), bar) != pos) SetScrollPos(Handle(), bar, pos, true);
}

void TCustomGrid::UpdateScrollPos() {
  if (!HandleAllocated() || ScrollBars() == ssNone) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord max = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, info);
  if (ScrollsOn(SB_HORZ)) SetBarPos(SB_HORZ, ScrollPosOf(top_left_.X, FixedCols(), max.X));
  if (ScrollsOn(SB_VERT)) SetBarPos(SB_VERT, ScrollPosOf(top_left_.Y, FixedRows(), max.Y));
}

void TCustomGrid::UpdateScrollRange() {
  if (ScrollBars() == ssNone || !HandleAllocated() || !Showing() || updating_scroll_range_) return;
  // Showing or hiding a bar changes the client area, whose new size comes back here.
  updating_scroll_range_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{updating_scroll_range_};
  bool horz = ScrollsOn(SB_HORZ), vert = ScrollsOn(SB_VERT);
  TGridCoord old = top_left_;
  // The ranges are first decided as if no bar took room, then again with the room they take.
  int width = ClientWidth() + (ScrollBarState(SB_VERT).Visible ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  int height = ClientHeight() + (ScrollBarState(SB_HORZ).Visible ? GetSystemMetrics(SM_CYHSCROLL) : 0);
  auto setRange = [&](bool horizontal, int w, int h) {
    TGridDrawInfo info;
    CalcDrawInfoXY(info, w, h);
    TGridCoord max = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, info);
    int fixed = horizontal ? FixedCols() : FixedRows();
    int maxFirst = horizontal ? max.X : max.Y;
    SetScrollRange(Handle(), horizontal ? SB_HORZ : SB_VERT, 0, fixed < maxFirst ? kMaxScrollPos : 0, true);
    int& first = horizontal ? top_left_.X : top_left_.Y;
    first = std::min(first, std::max(maxFirst, fixed));
  };
  if (horz) setRange(true, width, height);
  height = ClientHeight();
  if (vert) setRange(false, width, height);
  if (width != ClientWidth() && horz) setRange(true, ClientWidth(), height);
  UpdateScrollPos();
  if (top_left_ != old) TopLeftMoved(old);
  ScrollRangeUpdated();
}

void TCustomGrid::ModifyScrollBar(int ScrollBar, int ScrollCode, int Pos) {
  if (Visible() && CanFocus() && TabStop()) SetFocus();
  bool horizontal = ScrollBar == SB_HORZ;
  const TGridAxis& axis = horizontal ? cols_ : rows_;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord maxTopLeft = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, info);
  int min = axis.FixedCount();
  int max = std::max(horizontal ? maxTopLeft.X : maxTopLeft.Y, min);
  int current = horizontal ? LeftCol() : TopRow();
  const TGridAxisDrawInfo& axisInfo = horizontal ? info.Horz : info.Vert;
  int target = current;
  switch (ScrollCode) {
    case SB_LINEUP: target = current - 1; break;
    case SB_LINEDOWN: target = current + 1; break;
    case SB_PAGEUP: {
      TGridCoord pageTop = CalcMaxTopLeft(top_left_, info);
      target = current - std::max(current - (horizontal ? pageTop.X : pageTop.Y), 1);
      break;
    }
    case SB_PAGEDOWN: target = current + std::max(axisInfo.LastFullVisibleCell - current, 1); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      if (ScrollCode == SB_THUMBPOSITION || options_.Contains(goThumbTracking))
        target = min + MulDiv(std::clamp(Pos, 0, kMaxScrollPos), max - min, kMaxScrollPos);
      break;
    case SB_TOP: target = min; break;
    case SB_BOTTOM: target = max; break;
    default: break;
  }
  // A hidden line is never the first shown: go on to the next shown line the way the view moves.
  if (target > current)
    target = axis.NextShown(target);
  else if (target < current)
    target = axis.PrevShown(target);
  target = std::clamp(target, min, max);
  if (target == current) return;
  if (horizontal)
    MoveTopLeft(target, TopRow());
  else
    MoveTopLeft(LeftCol(), target);
}

}  // namespace hd
