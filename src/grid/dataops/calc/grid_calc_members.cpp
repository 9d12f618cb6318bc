// The grid's calculation members, each handing over to the calculation engine, and the
// footer cells' calculation kinds.
#include <memory>
#include <type_traits>

#include "grid/dataops/calc/grid_calc.h"
#include "grid/foundation/cell_properties.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

TGridCalc& TExtStringGrid::Calc() {
  static_assert(std::is_base_of_v<TDataEngine, TGridCalc>);
  std::unique_ptr<TDataEngine>& slot = CalcEngineSlot();
  if (!slot) slot = std::make_unique<TGridCalc>(DataHost());
  return static_cast<TGridCalc&>(*slot);
}

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) { return Calc().ColumnSum(ACol, FromRow, ToRow); }
double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) { return Calc().ColumnAvg(ACol, FromRow, ToRow); }
double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) { return Calc().ColumnMin(ACol, FromRow, ToRow); }
double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) { return Calc().ColumnMax(ACol, FromRow, ToRow); }
double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  return Calc().ColumnStdDev(ACol, FromRow, ToRow);
}
double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  return Calc().ColumnDistinct(ACol, FromRow, ToRow);
}
double TExtStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
  return Calc().ColumnCustomCalc(ACol, FromRow, ToRow);
}
double TExtStringGrid::RowSum(int ARow, int fromCol, int toCol) { return Calc().RowSum(ARow, fromCol, toCol); }
double TExtStringGrid::RowAvg(int ARow, int fromCol, int toCol) { return Calc().RowAvg(ARow, fromCol, toCol); }
double TExtStringGrid::RowMin(int ARow, int fromCol, int toCol) { return Calc().RowMin(ARow, fromCol, toCol); }
double TExtStringGrid::RowMax(int ARow, int fromCol, int toCol) { return Calc().RowMax(ARow, fromCol, toCol); }

void TExtStringGrid::CalcFooter(int ACol) {
  Calc().CalcFooter(ACol);
  UpdateFooter();
}

TColumnCalcType TExtStringGrid::FooterCalcType(int ACol) const {
  if (RowCount() == 0 || ACol < 0 || ACol >= TotalColCount()) return acNONE;
  const TCellProperties* props = FindCellProperties(ACol, RowCount() - 1);
  return props ? props->CalcType() : acNONE;
}

void TExtStringGrid::SetFooterCalcType(int ACol, TColumnCalcType Value) {
  if (RowCount() == 0 || ACol < 0 || ACol >= TotalColCount()) return;
  GetCellProperties(ACol, RowCount() - 1)->SetCalcType(Value);
  CalcFooter(ACol);
}

}  // namespace hd
