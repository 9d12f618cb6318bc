// The grid's column-layout members, each handing over to the column-states engine, and the
// column grid's stored design positions.
#include <string>
#include <vector>

#include "grid/dataops/files/column_states.h"
#include "grid/stringgrid/column_grid.h"
#include "grid/stringgrid/column_size.h"
#include "platform/ini_files.h"

namespace hd {

std::string TExtStringGrid::ColumnStatesToString() { return TColumnStates(DataHost()).ToString(); }
void TExtStringGrid::StringToColumnStates(const std::string& Value) { TColumnStates(DataHost()).FromString(Value); }
void TExtStringGrid::SaveColSizes() { TColumnStates(DataHost()).SaveColSizes(); }
void TExtStringGrid::LoadColSizes() { TColumnStates(DataHost()).LoadColSizes(); }
void TExtStringGrid::SaveColPositions() { TColumnStates(DataHost()).SaveColPositions(); }
void TExtStringGrid::LoadColPositions() { TColumnStates(DataHost()).LoadColPositions(); }

namespace {

bool NamesIniFile(const TColumnSize& Size) {
  return Size.Location() == clIniFile && !Size.Key().empty() && !Size.Section().empty();
}

std::string CPKey(int Index) { return "CP" + std::to_string(Index); }

}  // namespace

void TExtColumnGrid::SaveColPositions() {
  if (ColumnSize().Location() != clIniFile) return TExtStringGrid::SaveColPositions();
  if (NamesIniFile(ColumnSize()) && !IsDesigning()) SaveColumnPositions(ColumnSize().Key(), ColumnSize().Section());
}

void TExtColumnGrid::LoadColPositions() {
  if (ColumnSize().Location() != clIniFile) return TExtStringGrid::LoadColPositions();
  if (NamesIniFile(ColumnSize()) && !IsDesigning()) LoadColumnPositions(ColumnSize().Key(), ColumnSize().Section());
}

void TExtColumnGrid::SaveColumnPositions(const std::string& Key, const std::string& Section) {
  TMemIniFile file(Key);
  for (int i = 0; i < Columns().Count(); ++i) file.WriteInteger(Section, CPKey(i), Columns().Items(i)->DefIdx());
  file.UpdateFile();
}

void TExtColumnGrid::LoadColumnPositions(const std::string& Key, const std::string& Section) {
  TMemIniFile file(Key);
  int n = Columns().Count();
  std::vector<int> stored;
  for (int i = 0; i < n; ++i) stored.push_back(file.ReadInteger(Section, CPKey(i), -1));
  // An incomplete section, or positions that are not each column's once, change nothing.
  if (!IsColumnPermutation(stored, n)) return;
  ResetColumnOrder();
  for (int j = 0; j < n; ++j) Columns().Items(stored[static_cast<std::size_t>(j)])->SetDefIdx(j);
  // Every column moves to the position its item holds; each move takes the item along, so
  // passes end once every item stands at its own index.
  for (bool moved = true; moved;) {
    moved = false;
    for (int i = 0; i < Columns().Count() && i < ColCount(); ++i)
      if (int to = Columns().Items(i)->DefIdx(); to < i) {
        MoveColumn(i, to);
        moved = true;
      }
  }
  for (int i = 0; i < n; ++i) Columns().Items(i)->SetDefIdx(stored[static_cast<std::size_t>(i)]);
}

}  // namespace hd
