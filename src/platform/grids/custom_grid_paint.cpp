// The paint loop and the invalidation of cells, lines and ranges.
#include <algorithm>
#include <optional>

#include "platform/grids.h"

namespace hd {

namespace {

// Calls visit(line, start, end) for the shown lines of one axis of a part (from its first line
// at its first pixel up to its last pixel) that meet the pixels [from, to) of the area painted.
template <typename Visit>
void ForLinesIn(const TGridAxis& axis, const TGridAxisDrawInfo& info, int firstLine, int partStart, int partStop,
                int from, int to, Visit visit) {
  int line = axis.NextShown(firstLine), start = partStart;
  // Jump over the lines before the area painted, in O(log n).
  if (from > start) {
    int hit = axis.LineAtPixel(info, from);
    if (hit >= line && hit < axis.Count()) {
      line = hit;
      if (!axis.LineStart(info, line, start)) return;
    }
  }
  int stop = std::min(partStop, to);
  int width = info.EffectiveLineWidth;
  while (line < axis.Count() && start < stop) {
    int size = axis.Size(line);
    visit(line, start, start + size);
    start += size + width;
    line = axis.NextShown(line + 1);
  }
}

bool MeetsRegion(const std::optional<TRegion>& clip, const TRect& r) {
  if (!clip) return true;
  for (const TRegion::Band& band : clip->Bands()) {
    if (band.Bottom <= r.Top) continue;
    if (band.Top >= r.Bottom) break;
    for (const TRegion::Span& span : band.Spans)
      if (span.X0 < r.Right && span.X1 > r.Left) return true;
  }
  return false;
}

}  // namespace

// One of the four parts the grid paints: the fixed corner, the fixed rows, the fixed columns and
// the body, each from its first column and row at the top-left of its bounds.
struct TCustomGrid::TGridPart {
  int col, row;
  TRect bounds;
  bool fixed;
};

void TCustomGrid::Paint() {
  TCanvas& canvas = Canvas();
  TRect area = canvas.ClipBox();
  if (area.IsEmpty()) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridAxisDrawInfo& h = info.Horz;
  const TGridAxisDrawInfo& v = info.Vert;
  const TGridPart parts[] = {
      {0, 0, {0, 0, h.FixedBoundary, v.FixedBoundary}, true},
      {LeftCol(), 0, {h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary}, true},
      {0, TopRow(), {0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary}, true},
      {LeftCol(), TopRow(), {h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary}, false},
  };
  for (const TGridPart& part : parts) PaintLines(canvas, info, part, area);
  canvas.Font() = Font();
  canvas.Brush() = TBrush{Color(), bsSolid};
  bool focused = IsActiveControl();
  for (const TGridPart& part : parts) PaintCells(canvas, info, part, area, focused);
  // The area past the last cell.
  canvas.Brush() = TBrush{Color(), bsSolid};
  if (h.GridBoundary < h.GridExtent) canvas.FillRect(Rect(h.GridBoundary, 0, h.GridExtent, v.GridBoundary));
  if (v.GridBoundary < v.GridExtent) canvas.FillRect(Rect(0, v.GridBoundary, h.GridExtent, v.GridExtent));
}

void TCustomGrid::PaintCells(TCanvas& canvas, const TGridDrawInfo& info, const TGridPart& part, const TRect& area,
                             bool focused) {
  const std::optional<TRegion>& clip = canvas.ClipRegion();
  TGridRect sel = Selection();
  TGridDrawState base = part.fixed ? TGridDrawState{gdFixed} : TGridDrawState{};
  ForLinesIn(rows_, info.Vert, part.row, part.bounds.Top, part.bounds.Bottom, area.Top, area.Bottom,
             [&](int row, int top, int bottom) {
               ForLinesIn(cols_, info.Horz, part.col, part.bounds.Left, part.bounds.Right, area.Left, area.Right,
                          [&](int col, int left, int right) {
                            TRect where{left, top, right, bottom};
                            if (where.IsEmpty() || !MeetsRegion(clip, where)) return;
                            TGridDrawState state = base;
                            if (focused && row == Row() && col == Col()) state.Include(gdFocused);
                            if (sel.Contains(col, row)) state.Include(gdSelected);
                            // The focused cell is left to the in-place editor while it shows.
                            if (state.Contains(gdFocused) && options_.Contains(goEditing) && FEditorMode) return;
                            DrawCell(col, row, where, state);
                          });
             });
}

void TCustomGrid::PaintLines(TCanvas& canvas, const TGridDrawInfo& info, const TGridPart& part, const TRect& area) {
  // A line option that is off leaves its gap in the part's background colour.
  TColor vertColor, horzColor;
  if (part.fixed) {
    vertColor = options_.Contains(goFixedVertLine) ? clBlack : fixed_color_;
    horzColor = options_.Contains(goFixedHorzLine) ? clBlack : fixed_color_;
  } else {
    vertColor = options_.Contains(goVertLine) ? clSilver : Color();
    horzColor = options_.Contains(goHorzLine) ? clSilver : Color();
  }
  const TRect& b = part.bounds;
  if (b.IsEmpty()) return;
  if (int width = info.Horz.EffectiveLineWidth; width > 0) {
    canvas.Brush() = TBrush{vertColor, bsSolid};
    ForLinesIn(cols_, info.Horz, part.col, b.Left, b.Right, area.Left, area.Right,
               [&](int, int, int end) { canvas.FillRect(Rect(end, b.Top, end + width, b.Bottom)); });
  }
  if (int width = info.Vert.EffectiveLineWidth; width > 0) {
    canvas.Brush() = TBrush{horzColor, bsSolid};
    ForLinesIn(rows_, info.Vert, part.row, b.Top, b.Bottom, area.Top, area.Bottom,
               [&](int, int, int end) { canvas.FillRect(Rect(b.Left, end, b.Right, end + width)); });
  }
}

void TCustomGrid::InvalidateGrid() { Invalidate(); }

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateRect(TGridRect{ACol, ARow, ACol, ARow}); }

void TCustomGrid::InvalidateCol(int ACol) { InvalidateRect(TGridRect{ACol, 0, ACol, RowCount() - 1}); }

void TCustomGrid::InvalidateRow(int ARow) { InvalidateRect(TGridRect{0, ARow, ColCount() - 1, ARow}); }

void TCustomGrid::InvalidateRect(const TGridRect& ARect) {
  if (!HandleAllocated()) return;
  TRect r;
  GridRectToScreenRect(ARect, r, true);
  if (!r.IsEmpty()) hd::InvalidateRect(Handle(), &r, false);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
  if (!HandleAllocated()) return;
  TRect oldRect, newRect;
  GridRectToScreenRect(OldSel, oldRect, true);
  GridRectToScreenRect(Selection(), newRect, true);
  // Only what changed between the two rectangles is painted again.
  TRegion changed = TRegion::Combine(TRegion(oldRect), TRegion(newRect), RGN_XOR);
  if (!changed.IsEmpty()) InvalidateRgn(Handle(), &changed, false);
}

}  // namespace hd
