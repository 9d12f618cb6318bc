// The comparison of two rows that every sort of the grid is built on: one column under its
// sort style, ties broken through the columns to the right or through the sort index list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/grid_data_host.h"
#include "grid/stringgrid/grid_settings_data.h"

namespace hd {

// The strict reading of a number: optional leading blanks, an optional sign, digits with an
// optional "." fraction and an optional exponent, using the whole text.
bool ParseSortNumber(const std::string& Text, double& Value);
// Code-unit order of the UTF-16 forms of the two texts: -1, 0 or 1.
int CompareUtf16Order(const std::string& A, const std::string& B);

// What a sort reads of each cell once while no per-comparison event is assigned: the text and
// what the comparisons work out from it, kept per row as the sort found it and following the
// rows through the exchanges (an exchange swaps two slot numbers).
class TSortCache {
 public:
  // Rows: the grid's rows while sorting; ReadRows: those holding data (the scratch rows below
  // are never read: the pivot's keys are copied from its row).
  TSortCache(int Rows, int ReadRows);
  // The keys move with their rows, so that a partition reads them in order.
  void Swap(int Row1, int Row2);
  void Copy(int FromRow, int ToRow);

  struct TCellKey {
    std::string text;
    // The upper-case or the markup-free text, by altKind (0 none, 1 upper, 2 stripped).
    std::string alt;
    double num = 0, date = 0;
    std::intptr_t image = 0;
    TCellType type = ctNone;
    std::int8_t isNumber = -1, displayEmpty = -1, check = -1;
    std::int8_t altKind = 0, numKind = -1, dateStyle = -1;
    bool numOk = false, typeKnown = false, imageKnown = false;
    // The automatic style's facts about the text.
    bool autoKnown = false, datePos = false, dateDigits = false, timeDigits = false, hasDateSep = false,
         hasTimeSep = false;
  };
  struct TColumn {
    TSortStyle style = ssAutomatic;
    std::string prefix, suffix;
    std::vector<TCellKey> keys;
  };
  // The column's keys, read from the grid at its first use with every fact its style asks
  // of the grid.
  TColumn& Column(TGridDataHost& Host, int ACol);
  static TCellKey& Key(TColumn& Col, int ARow) { return Col.keys[static_cast<std::size_t>(ARow)]; }

  // The regional separators, read once.
  char DecimalSeparator, ThousandSeparator, DateSeparator, TimeSeparator;

 private:
  // Which data row each row holds (a scratch row holding the pivot names its source), and
  // where each data row stands now.
  std::vector<int> FId, FRowOf;
  int FReadRows;
  std::vector<std::unique_ptr<TColumn>> FColumns;
};

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

  // While set, cells are read once through the cache (see TSortCache).
  void SetCache(TSortCache* Cache) { FCache = Cache; }
  TSortCache* Cache() const { return FCache; }

  // Counted at every cell comparison, never reset by the grid.
  int Compares = 0;
  // 1 while sorting ascending, -1 descending, 0 before the first sort.
  int SortDir = 0;

 private:
  int CompareByStyle(TSortStyle Style, int ACol, int ARow1, int ARow2, std::string& T1, std::string& T2,
                     const std::string& Prefix, const std::string& Suffix);
  TSortStyle AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2) const;
  int CompareCached(int ACol, int ARow1, int ARow2, TSortDirection Direction);
  int CompareKeys(TSortStyle Style, int ACol, int ARow1, int ARow2, TSortCache::TColumn& Col, TSortCache::TCellKey& K1,
                  TSortCache::TCellKey& K2);

  TGridDataHost& FHost;
  TSortCache* FCache = nullptr;
};

}  // namespace hd
