// The grid's sorting members, each handing over to the sort engine.
#include <memory>
#include <type_traits>

#include "grid/dataops/sort/grid_sorter.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

TGridSorter& TExtStringGrid::Sorter() {
  static_assert(std::is_base_of_v<TDataEngine, TGridSorter>);
  std::unique_ptr<TDataEngine>& slot = SortEngineSlot();
  if (!slot) slot = std::make_unique<TGridSorter>(DataHost());
  return static_cast<TGridSorter&>(*slot);
}

void TExtStringGrid::QSort() { Sorter().QSort(); }
void TExtStringGrid::QSortIndexed() { Sorter().QSortIndexed(); }
void TExtStringGrid::QUnSort() { Sorter().QUnSort(); }
void TExtStringGrid::QSortGroup() { Sorter().QSortGroup(); }
void TExtStringGrid::QSortGroupIndexed() { Sorter().QSortGroupIndexed(); }
void TExtStringGrid::QuickSort(int Col, int Left, int Right) { Sorter().QuickSort(Col, Left, Right); }
void TExtStringGrid::QuickSortIndexed(int Left, int Right) { Sorter().QuickSortIndexed(Left, Right); }
void TExtStringGrid::InitSortXRef() { Sorter().InitSortXRef(); }
bool TExtStringGrid::SortLine(int Col, int ARow1, int ARow2) { return Sorter().SortLine(Col, ARow1, ARow2); }
int TExtStringGrid::Compares() const { return const_cast<TExtStringGrid*>(this)->Sorter().Compares(); }
unsigned TExtStringGrid::SortTime() const { return const_cast<TExtStringGrid*>(this)->Sorter().SortTime(); }
int TExtStringGrid::SortDir() const { return const_cast<TExtStringGrid*>(this)->Sorter().SortDir(); }
void TExtStringGrid::SortByHeaderClick(int RC, bool IndexKeyHeld) { Sorter().ClickSort(RC, IndexKeyHeld); }
void TExtStringGrid::LoadSortSettings(const std::string& Value) { Sorter().LoadSettingsText(Value); }

void TExtStringGrid::Sort(int Column, TSortDirection Direction) {
  SortSettings().SetColumn(Column);
  SortSettings().SetDirection(Direction);
  QSort();
}

void TExtStringGrid::SortByColumn(int Col) {
  if (RowCount() <= 1) return;
  SortSettings().SetColumn(Col);
  QSort();
}

}  // namespace hd
