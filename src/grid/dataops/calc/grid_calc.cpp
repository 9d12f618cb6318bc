#include "grid/dataops/calc/grid_calc.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "grid/dataops/nodes/row_nodes.h"
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

// Frees the hidden-row list when a calculation ends, also when it raised.
class THiddenListScope {
 public:
  explicit THiddenListScope(std::optional<std::vector<int>>& List) : FList(List) { FList.reset(); }
  ~THiddenListScope() { FList.reset(); }
  THiddenListScope(const THiddenListScope&) = delete;
  THiddenListScope& operator=(const THiddenListScope&) = delete;

 private:
  std::optional<std::vector<int>>& FList;
};

}  // namespace

TGridCalc::TRange TGridCalc::ColumnRange(int FromRow, int ToRow) const {
  TRange r{FromRow, ToRow, FForceAllRows};
  if (FromRow == -1 || ToRow == -1) {
    r.From = FHost.FixedRows();
    r.To = FHost.RowCount() - FHost.FixedFooters() - 1;
  }
  int last = FHost.FooterVisible() ? FHost.RowCount() - 1 : FHost.RowCount();
  if (r.To > last) r.AllRows = true;
  return r;
}

double TGridCalc::Read(int ACol, int ARow, bool AllRows) const {
  return AllRows ? FHost.AllCellFloat(ACol, ARow) : FHost.CellFloat(ACol, ARow);
}

bool TGridCalc::TakesPart(int ACol, int ARow, bool AllRows) {
  if (ARow < 0 || ARow >= (AllRows ? FHost.AllRowCount() : FHost.RowCount())) return false;
  int d = AllRows ? FHost.RealToDisplRow(ARow) : ARow;
  if (FHost.GroupColumn() != -1 && d >= 0 && d < FHost.RowCount()) {
    TRowNodes nodes(FHost);
    if (nodes.IsNode(d) || nodes.IsSummary(d)) {
      // A display row is never a hidden one: only a real row can be found in the hidden rows.
      if (!AllRows) return false;
      if (!FHidden) FHidden = FHost.HiddenRowIndexes();
      if (!std::binary_search(FHidden->begin(), FHidden->end(), ARow)) return false;
    }
  }
  return d < 0 || d >= FHost.RowCount() || FHost.IsBaseCell(ACol, d);
}

double TGridCalc::Sum(int ACol, const TRange& R) {
  double sum = 0;
  for (int i = R.From; i <= R.To; ++i) {
    if (!TakesPart(ACol, i, R.AllRows)) continue;
    try {
      sum += Read(ACol, i, R.AllRows);
    } catch (const EExtGridError&) {
      // Texts that are no number take no part.
    }
  }
  return sum;
}

double TGridCalc::Extreme(int ACol, const TRange& R, bool Larger) {
  double value = Read(ACol, R.From, R.AllRows);
  for (int i = R.From; i <= R.To; ++i) {
    if (!TakesPart(ACol, i, R.AllRows)) continue;
    try {
      double v = Read(ACol, i, R.AllRows);
      if (Larger ? v > value : v < value) value = v;
    } catch (const EExtGridError&) {
    }
  }
  return value;
}

double TGridCalc::StdDev(int ACol, const TRange& R) {
  if (R.To < R.From) return 0;
  int n = R.To - R.From + 1;
  double mean = Sum(ACol, R) / n;
  int limit = R.AllRows ? FHost.AllRowCount() : FHost.RowCount();
  double s = 0;
  for (int i = R.From; i <= R.To && i < limit; ++i) {
    double v = Read(ACol, i, R.AllRows) - mean;
    s += v * v;
  }
  return std::sqrt(s / n);
}

double TGridCalc::Distinct(int ACol, const TRange& R) {
  std::set<std::string> seen;
  int limit = R.AllRows ? FHost.AllRowCount() : FHost.RowCount();
  for (int i = std::max(R.From, 0); i <= R.To && i < limit; ++i)
    seen.insert(AnsiLowerCase(R.AllRows ? FHost.AllCellText(ACol, i) : FHost.DisplayText(ACol, i)));
  return static_cast<double>(seen.size());
}

double TGridCalc::ColumnSum(int ACol, int FromRow, int ToRow) {
  THiddenListScope scope(FHidden);
  return Sum(ACol, ColumnRange(FromRow, ToRow));
}

double TGridCalc::ColumnAvg(int ACol, int FromRow, int ToRow) {
  THiddenListScope scope(FHidden);
  TRange r = ColumnRange(FromRow, ToRow);
  if (r.To < r.From) return 0;
  return Sum(ACol, r) / (r.To - r.From + 1);
}

double TGridCalc::ColumnMin(int ACol, int FromRow, int ToRow) {
  THiddenListScope scope(FHidden);
  return Extreme(ACol, ColumnRange(FromRow, ToRow), false);
}

double TGridCalc::ColumnMax(int ACol, int FromRow, int ToRow) {
  THiddenListScope scope(FHidden);
  return Extreme(ACol, ColumnRange(FromRow, ToRow), true);
}

double TGridCalc::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  THiddenListScope scope(FHidden);
  return StdDev(ACol, ColumnRange(FromRow, ToRow));
}

double TGridCalc::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  return Distinct(ACol, ColumnRange(FromRow, ToRow));
}

double TGridCalc::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
  double res = 0;
  FHost.ColumnCalcEvent(ACol, FromRow, ToRow, res);
  return res;
}

double TGridCalc::GroupCustomCalc(int ACol, int FromRow, int ToRow) {
  double res = 0;
  FHost.GroupCalcEvent(ACol, FromRow, ToRow, res);
  return res;
}

double TGridCalc::RowSum(int ARow, int FromCol, int ToCol) {
  double sum = 0;
  for (int c = FromCol; c <= ToCol; ++c) {
    if (!FHost.IsBaseCell(c, ARow)) continue;
    try {
      sum += FHost.CellFloat(c, ARow);
    } catch (const EExtGridError&) {
    }
  }
  return sum;
}

double TGridCalc::RowAvg(int ARow, int FromCol, int ToCol) {
  if (ToCol < FromCol) return 0;
  return RowSum(ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}

double TGridCalc::RowMin(int ARow, int FromCol, int ToCol) {
  double value = FHost.CellFloat(FromCol, ARow);
  for (int c = FromCol; c <= ToCol; ++c) {
    if (!FHost.IsBaseCell(c, ARow)) continue;
    try {
      value = std::min(value, FHost.CellFloat(c, ARow));
    } catch (const EExtGridError&) {
    }
  }
  return value;
}

double TGridCalc::RowMax(int ARow, int FromCol, int ToCol) {
  double value = FHost.CellFloat(FromCol, ARow);
  for (int c = FromCol; c <= ToCol; ++c) {
    if (!FHost.IsBaseCell(c, ARow)) continue;
    try {
      value = std::max(value, FHost.CellFloat(c, ARow));
    } catch (const EExtGridError&) {
    }
  }
  return value;
}

void TGridCalc::CalcFooter(int ACol) {
  TFloatingFooter& footer = FHost.FloatingFooter();
  if (!FHost.FooterVisible() || footer.FooterStyle() != fsFixedLastRow || !footer.EnableCalculation()) return;
  if (ACol != -1) {
    CalcFooterColumn(ACol);
    return;
  }
  for (int c = 0; c < FHost.ColCount() + FHost.NumHiddenColumns(); ++c) CalcFooterColumn(c);
}

void TGridCalc::CalcFooterColumn(int ACol) {
  int last = FHost.RowCount() - 1;
  if (last < 0) return;
  const TCellProperties* props = FHost.FindCellProperties(ACol, last);
  if (!props || props->CalcType() == acNONE) return;
  int hidden = FHost.FloatingFooter().CalculateHiddenRows() ? FHost.AllRowCount() - FHost.RowCount() : 0;
  int from = FHost.FixedRows(), to = hidden + FHost.RowCount() - 2;
  // With hidden rows the range is one of real rows, whatever its length: read as display
  // rows, a single hidden row would put the footer row itself into its own sum.
  struct TForce {
    bool& Flag;
    ~TForce() { Flag = false; }
  } force{FForceAllRows};
  FForceAllRows = hidden > 0;
  switch (props->CalcType()) {
    case acSUM: FHost.SetCellFloat(ACol, last, ColumnSum(ACol, from, to)); break;
    case acAVG: FHost.SetCellFloat(ACol, last, ColumnAvg(ACol, from, to)); break;
    case acMIN: FHost.SetCellFloat(ACol, last, ColumnMin(ACol, from, to)); break;
    case acMAX: FHost.SetCellFloat(ACol, last, ColumnMax(ACol, from, to)); break;
    case acDISTINCT: FHost.SetCellFloat(ACol, last, ColumnDistinct(ACol, from, to)); break;
    case acSTDDEV: FHost.SetCellFloat(ACol, last, ColumnStdDev(ACol, from, to)); break;
    case acCOUNT: FHost.SetCellInt(ACol, last, hidden + FHost.RowCount() - FHost.FixedRows() - 1); break;
    case acCUSTOM: {
      std::string value;
      FHost.FooterCalcEvent(ACol, hidden + FHost.RowCount() - 1, value);
      FHost.SetDisplayText(ACol, last, value);
      break;
    }
    case acSPREAD:
    case acNONE: break;
  }
}

}  // namespace hd
