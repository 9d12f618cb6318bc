// The comparison of two rows that every sort of the grid is built on: one column under its
// sort style, ties broken through the columns to the right or through the sort index list.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/grid_data_host.h"
#include "grid/stringgrid/grid_settings_data.h"

namespace hd {

// The strict reading of a number: optional leading blanks, an optional sign, digits with an
// optional "." fraction and an optional exponent, using the whole text.
bool ParseSortNumber(const std::string& Text, double& Value);
// Code-unit order of the UTF-16 forms of the two texts: -1, 0 or 1.
int CompareUtf16Order(const std::string& A, const std::string& B);

class TRowComparer {
 public:
  explicit TRowComparer(TGridDataHost& Host) : FHost(Host) {}

  // 1 when the cell of ARow1 sorts after that of ARow2 ascending, -1 before, 0 equal; the
  // direction only places empty cells.
  int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
  // Ties go to the columns to the right while Full is on.
  int CompareLine(int ACol, int ARow1, int ARow2);
  // From entry Index of the sort index list on; already turned for descending entries.
  int CompareLineIndexed(int Index, int ARow1, int ARow2);

  // Counted at every cell comparison, never reset by the grid.
  int Compares = 0;
  // 1 while sorting ascending, -1 descending, 0 before the first sort.
  int SortDir = 0;

 private:
  int CompareByStyle(TSortStyle Style, int ACol, int ARow1, int ARow2, std::string& T1, std::string& T2,
                     const std::string& Prefix, const std::string& Suffix);
  TSortStyle AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2) const;

  TGridDataHost& FHost;
};

}  // namespace hd
