// The grid's grouping members, each handing over to the grouping engine.
#include <memory>
#include <type_traits>

#include "grid/dataops/nodes/grouping.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

TGridGrouping& TExtStringGrid::Grouper() {
  static_assert(std::is_base_of_v<TDataEngine, TGridGrouping>);
  std::unique_ptr<TDataEngine>& slot = GroupEngineSlot();
  if (!slot) slot = std::make_unique<TGridGrouping>(DataHost());
  return static_cast<TGridGrouping&>(*slot);
}

void TExtStringGrid::SubGroup(int Colindex) { Grouper().SubGroup(Colindex); }
void TExtStringGrid::SubUnGroup(int Colindex) { Grouper().SubUnGroup(Colindex); }
void TExtStringGrid::Group(int Colindex) { Grouper().Group(Colindex); }
void TExtStringGrid::UnGroup() { Grouper().UnGroup(); }
void TExtStringGrid::GroupCalc(int Colindex, int method) { Grouper().GroupCalc(Colindex, method); }

void TExtStringGrid::SetGroupColumn(int Value) {
  if (Value == -1)
    UnGroup();
  else if (Value > 0)
    Group(Value);
}

namespace {
// The footer column follows a group calculation only while the footer shows.
void SetFooterKind(TExtStringGrid& G, int Colindex, TColumnCalcType Kind) {
  if (G.FloatingFooter().Visible()) G.FloatingFooter().SetColumnCalc(Colindex, Kind);
}
}  // namespace

void TExtStringGrid::GroupSum(int Colindex) {
  GroupCalc(Colindex, 1);
  SetFooterKind(*this, Colindex, acSUM);
}
void TExtStringGrid::GroupAvg(int Colindex) {
  GroupCalc(Colindex, 2);
  SetFooterKind(*this, Colindex, acAVG);
}
void TExtStringGrid::GroupMin(int Colindex) {
  GroupCalc(Colindex, 3);
  SetFooterKind(*this, Colindex, acMIN);
}
void TExtStringGrid::GroupMax(int Colindex) {
  GroupCalc(Colindex, 4);
  SetFooterKind(*this, Colindex, acMAX);
}
void TExtStringGrid::GroupCount(int Colindex) {
  GroupCalc(Colindex, 5);
  SetFooterKind(*this, Colindex, acCOUNT);
}
void TExtStringGrid::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
void TExtStringGrid::GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
void TExtStringGrid::GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }

}  // namespace hd
