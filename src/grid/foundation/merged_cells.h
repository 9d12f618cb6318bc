// The merged ranges of a grid. A range's state lives in the properties objects of its cells
// (so it moves with them when rows move): the base cell (top-left) keeps the extra columns and
// rows it spans, every covered cell its offset from the base cell, and an unmerged cell -1 and
// -1. This class reads and writes that encoding; a cell without properties is unmerged.
#pragma once

#include "platform/types.h"

namespace hd {

class TBaseGrid;
class TCellProperties;

class TMergedCells {
 public:
  explicit TMergedCells(TBaseGrid& Grid) : grid_(Grid) {}
  TMergedCells(const TMergedCells&) = delete;
  TMergedCells& operator=(const TMergedCells&) = delete;

  // Makes the cells of the rectangle one range (properties made where missing) and repaints
  // them; a span below 1 merges nothing.
  void Merge(int ACol, int ARow, int SpanX, int SpanY);
  // Makes every cell of the range holding the cell unmerged again and repaints them.
  void Split(int ACol, int ARow);

  TPoint BaseCell(int ACol, int ARow) const;
  bool IsBaseCell(int ACol, int ARow) const;
  // The base cell of a range larger than one cell, or a covered cell.
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsMergedNonBaseCell(int ACol, int ARow) const;
  bool IsXMergedCell(int ACol, int ARow) const;
  bool IsYMergedCell(int ACol, int ARow) const;
  // Extra columns and rows of the range, read at its base cell; (0, 0) when not merged.
  TPoint CellSpan(int ACol, int ARow) const;
  // From the cell to the far corner of its range.
  TPoint CellExt(int ACol, int ARow) const;
  // The range in cell coordinates, both corners inclusive.
  TRect FullCell(int ACol, int ARow) const;
  // True with the cell itself when it is its own base cell; false with the base cell of a
  // covered cell.
  bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
  // The smallest vertical span above 0 among the row's cells, RowCount when none.
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  // Some column has both cells merged vertically, and in every such column they share a range.
  bool RowSpanIdentical(int ARow1, int ARow2) const;
  // No row tells the two columns apart, and some row has both merged horizontally.
  bool ColSpanIdentical(int ACol1, int ACol2) const;

  // Every range is whole: each covered cell points at a base cell inside the grid whose span
  // reaches it, and each cell of a base cell's span points back at it. Overlapping merges,
  // which the grid takes as given, break it.
  bool CheckConsistency() const;

 private:
  // The cell's properties when it lies in the grid and has them.
  TCellProperties* Props(int ACol, int ARow) const;
  bool CoveredCellConsistent(int ACol, int ARow, const TCellProperties& P) const;
  bool RangeConsistent(int ACol, int ARow, const TCellProperties& P) const;

  TBaseGrid& grid_;
};

}  // namespace hd
