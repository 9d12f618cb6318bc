// Column and row calculations and the footer row they fill: sums, averages, extremes,
// standard deviation and distinct counts over a column's rows, the same over a row's columns.
#pragma once

#include <optional>
#include <vector>

#include "grid/stringgrid/grid_data_host.h"

namespace hd {

class TGridCalc : public TDataEngine {
 public:
  explicit TGridCalc(TGridDataHost& Host) : FHost(Host) {}

  double ColumnSum(int ACol, int FromRow, int ToRow);
  double ColumnAvg(int ACol, int FromRow, int ToRow);
  double ColumnMin(int ACol, int FromRow, int ToRow);
  double ColumnMax(int ACol, int FromRow, int ToRow);
  double ColumnStdDev(int ACol, int FromRow, int ToRow);
  double ColumnDistinct(int ACol, int FromRow, int ToRow);
  double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
  double GroupCustomCalc(int ACol, int FromRow, int ToRow);

  double RowSum(int ARow, int FromCol, int ToCol);
  double RowAvg(int ARow, int FromCol, int ToCol);
  double RowMin(int ARow, int FromCol, int ToCol);
  double RowMax(int ARow, int FromCol, int ToCol);

  // Only for a visible fsFixedLastRow footer with its calculation enabled.
  void CalcFooter(int ACol);

 private:
  // A range of a column: rows are real (hidden ones included) in all-rows mode.
  struct TRange {
    int From = 0;
    int To = -1;
    bool AllRows = false;
  };
  TRange ColumnRange(int FromRow, int ToRow) const;
  double Read(int ACol, int ARow, bool AllRows) const;
  bool TakesPart(int ACol, int ARow, bool AllRows);
  double Sum(int ACol, const TRange& R);
  double Extreme(int ACol, const TRange& R, bool Larger);
  double StdDev(int ACol, const TRange& R);
  double Distinct(int ACol, const TRange& R);
  void CalcFooterColumn(int ACol);

  TGridDataHost& FHost;
  // The hidden rows' real indexes, taken once per calculation on first use.
  std::optional<std::vector<int>> FHidden;
  // The footer asks for every row of its range, hidden rows included, whatever its length.
  bool FForceAllRows = false;
};

}  // namespace hd
