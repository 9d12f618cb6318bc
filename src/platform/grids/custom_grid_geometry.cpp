// Where the cells lie in the client area: layouts, cell rectangles and hit tests.
#include <algorithm>

#include "platform/grids.h"

namespace hd {

namespace {

// The pixels the lines lo..hi take in view (the line after the last one shown whole may be cut
// at the client edge); false when none of them is in view.
bool AxisPixels(const TGridAxis& axis, const TGridAxisDrawInfo& info, int lo, int hi, bool includeLine, int& from,
                int& to) {
  int fixed = axis.FixedCount(), first = info.FirstGridCell;
  lo = std::max(lo, 0);
  hi = std::min(hi, axis.Count() - 1);
  if (lo > hi) return false;
  if (lo >= fixed && lo < first) {
    if (hi < first) return false;
    lo = first;
  }
  if (hi >= fixed && hi < first) hi = fixed - 1;
  if (hi > info.LastFullVisibleCell) hi = std::min(info.LastFullVisibleCell + 1, axis.Count() - 1);
  int start = 0, hiStart = 0;
  if (!axis.LineStart(info, lo, start)) return false;
  while (hi > lo && !axis.LineStart(info, hi, hiStart)) --hi;
  if (hi == lo) hiStart = start;
  int size = axis.Size(hi);
  from = start;
  to = std::min(hiStart + size, info.GridExtent);
  if (includeLine && size > 0) to += info.EffectiveLineWidth;
  return true;
}

}  // namespace

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& DrawInfo) const {
  CalcDrawInfoXY(DrawInfo, ClientWidth(), ClientHeight());
}

void TCustomGrid::CalcDrawInfoXY(TGridDrawInfo& DrawInfo, int UseWidth, int UseHeight) const {
  DrawInfo.Horz = cols_.DrawInfo(top_left_.X, UseWidth);
  DrawInfo.Vert = rows_.DrawInfo(top_left_.Y, UseHeight);
}

int TCustomGrid::VisibleColCount() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Horz.LastFullVisibleCell - LeftCol() + 1;
}

int TCustomGrid::VisibleRowCount() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Vert.LastFullVisibleCell - TopRow() + 1;
}

void TCustomGrid::GridRectToScreenRect(const TGridRect& GridRect, TRect& ScreenRect, bool IncludeLine) const {
  ScreenRect = TRect{};
  if (GridRect.Left > GridRect.Right || GridRect.Top > GridRect.Bottom) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TRect r;
  if (!AxisPixels(cols_, info.Horz, GridRect.Left, GridRect.Right, IncludeLine, r.Left, r.Right)) return;
  if (!AxisPixels(rows_, info.Vert, GridRect.Top, GridRect.Bottom, IncludeLine, r.Top, r.Bottom)) return;
  ScreenRect = r;
}

TRect TCustomGrid::BoxRect(int ALeft, int ATop, int ARight, int ABottom) const {
  TRect r;
  GridRectToScreenRect(TGridRect{ALeft, ATop, ARight, ABottom}, r, false);
  return r;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const { return BoxRect(ACol, ARow, ACol, ARow); }

TGridCoord TCustomGrid::CalcCoordFromPoint(int X, int Y, const TGridDrawInfo& DrawInfo) const {
  return {cols_.LineAtPixel(DrawInfo.Horz, X), rows_.LineAtPixel(DrawInfo.Vert, Y)};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord coord = CalcCoordFromPoint(X, Y, info);
  if (coord.X < 0)
    coord.Y = -1;
  else if (coord.Y < 0)
    coord.X = -1;
  return coord;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  TGridCoord coord = MouseCoord(X, Y);
  ACol = coord.X;
  ARow = coord.Y;
}

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                  TGridDrawInfo& FixedInfo) {
  State = gsNormal;
  Index = -1;
  CalcDrawInfo(FixedInfo);
  // The border after each shown scrolled line, with a hot zone at least 7 pixels wide.
  auto calcAxis = [&](const TGridAxis& axis, const TGridAxisDrawInfo& info, int pos, TGridState newState) {
    int range = std::max(info.EffectiveLineWidth, 7);
    int back = range > info.EffectiveLineWidth ? (range - info.EffectiveLineWidth) / 2 : 0;
    int line = info.FixedBoundary;
    for (int i = axis.NextShown(info.FirstGridCell); i < axis.Count(); i = axis.NextShown(i + 1)) {
      line += axis.Size(i);
      if (line > info.GridBoundary) break;
      if (pos >= line - back && pos <= line - back + range) {
        State = newState;
        SizingPos = line;
        SizingOfs = line - pos;
        Index = i;
        return;
      }
      line += info.EffectiveLineWidth;
    }
    if (info.GridBoundary == info.GridExtent && pos >= info.GridExtent - back && pos <= info.GridExtent) {
      State = newState;
      SizingPos = info.GridExtent;
      SizingOfs = info.GridExtent - pos;
      Index = info.LastFullVisibleCell + 1;
    }
  };
  if (X > FixedInfo.Horz.FixedBoundary && options_.Contains(goColSizing)) {
    if (Y >= FixedInfo.Vert.FixedBoundary) return;
    calcAxis(cols_, FixedInfo.Horz, X, gsColSizing);
  } else if (Y > FixedInfo.Vert.FixedBoundary && options_.Contains(goRowSizing)) {
    if (X >= FixedInfo.Horz.FixedBoundary) return;
    calcAxis(rows_, FixedInfo.Vert, Y, gsRowSizing);
  }
}

}  // namespace hd
