// The grid's search: one walk over the cells in a fixed order from a start cell, stopping at
// the first cell that passes the cell test, and what is built on it: the continued search,
// replacing, and the type-ahead search on the key column.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/grid_data_host.h"
#include "platform/types.h"
#include "platform/unicode.h"

namespace hd {

class TGridSearch : public TDataEngine {
 public:
  explicit TGridSearch(TGridDataHost& Host) : FHost(Host) {}

  // The cell found from StartCell ((-1, -1): from the beginning, or the end with fnBackward),
  // or (-1, -1). Find scrolls towards a cell it made current; FindWide does not.
  TPoint Find(TPoint StartCell, const std::string& s, TFindParams FindParams);
  TPoint FindWide(TPoint StartCell, const WideString& s, TFindParams FindParams);
  TPoint FindFirst(const std::string& s, TFindParams FindParams);
  // Continues the last narrow search from SearchCell.
  TPoint FindNext();
  // Every found cell gets every occurrence replaced, case ignored; answers the cells changed.
  int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
  // The first row whose key-column text, markup removed and upper-cased, starts with s; -1.
  int Search(const std::string& s);

  TPoint SearchCell() const { return FSearchCell; }
  void SetSearchCell(TPoint Value) { FSearchCell = Value; }
  TFindParams FindParams() const { return FFindParams; }
  void SetFindParams(TFindParams Value) { FFindParams = Value; }
  const std::string& SearchCache() const { return FSearchCache; }
  const WideString& SearchCacheWide() const { return FSearchCacheWide; }
  int FindCol() const { return FFindCol; }
  void SetFindCol(int Value) { FFindCol = Value; }
  int FindRow() const { return FFindRow; }
  void SetFindRow(int Value) { FFindRow = Value; }
  bool FindBusy() const { return FFindBusy; }

 private:
  struct TRange {
    int FirstCol, LastCol, FirstRow, LastRow;
  };
  // The walk with the test on UTF-8 texts; Pattern is the search text as tested.
  TPoint Walk(TPoint StartCell, const std::string& Pattern, TFindParams Params);
  TRange SearchRange(TFindParams Params) const;
  TPoint StepFrom(TPoint Cell, const TRange& R, TFindParams Params) const;
  bool CellPasses(int ACol, int ARow, const std::string& Pattern, TFindParams Params);
  std::string CellText(int ACol, int ARow, TFindParams Params) const;
  void GotoFound(TPoint Cell, TFindParams Params);
  void ShowHiddenRow(int ARealRow);
  // The current row moved near the bottom: the top row follows so it stays clear of the footer.
  void ScrollAfterGoto();

  TGridDataHost& FHost;
  TPoint FSearchCell{-1, -1};
  TFindParams FFindParams;
  std::string FSearchCache;
  WideString FSearchCacheWide;
  int FFindCol = 0;
  int FFindRow = 0;
  bool FFindBusy = false;
  // Scratch for the upper-cased cell text, so that a long walk does not allocate per cell.
  std::string FUpper;
};

// The search's upper-casing: locale-aware, with plain ASCII texts done in place.
void SearchUpperCase(const std::string& Text, std::string& Out);

}  // namespace hd
