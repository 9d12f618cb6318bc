// Filtering: the row test over the grid's filter conditions, and the filter levels that hide
// the rows failing it and bring them back one level at a time. Type-ahead narrowing builds on
// the levels: each added character hides more rows, each removed one brings a level back.
#pragma once

#include <string>
#include <vector>

#include "grid/stringgrid/filter_settings.h"
#include "grid/stringgrid/grid_data_host.h"

namespace hd {

class TGridFilter : public TDataEngine {
 public:
  explicit TGridFilter(TGridDataHost& Host) : FHost(Host) {}

  // The row test of the grid's filter for a display row (the grid's own, which descendants
  // may replace, is the host's MatchFilterRow).
  bool MatchRow(int ARow);
  // Hides, as one new level, every row between the fixed rows and the footers that fails
  // the grid's row test; node and summary rows stay with FilterNormalCellsOnly.
  void ApplyFilter();
  // Hides one display row when it fails the test; no level is recorded.
  void FilterRow(int ARow);
  bool FilterActive() const { return FFilterActive; }
  // On applies the filter as a level; off brings back the newest level. Either way, also
  // when nothing changes, the footer is calculated again.
  void SetFilterActive(bool Value);
  // The newest level back; true while more than one level remains recorded.
  bool RemoveLastFilter();
  // Every level back; with no level recorded, the conditions are emptied instead.
  void RemoveAllFilters();
  // Type-ahead narrowing on a real column (-1: anywhere in the row): one character more adds
  // a level, one less brings the last back, anything else starts again.
  void NarrowDown(const std::string& ACondition, int AColumn);

  // The real column whose filter drop-down is open; -1 for none.
  int FilterCol() const { return FFilterCol; }
  void SetFilterCol(int Value) { FFilterCol = Value; }
  // The drop-down offers a check list instead of a plain list.
  bool FilterDropDownCheck() const { return FDropDownCheck; }
  void SetFilterDropDownCheck(bool Value) { FDropDownCheck = Value; }

 private:
  // One condition as the row test reads it: taken from the collection once per application.
  struct TCondition {
    int Column = 0;
    std::string Condition;
    bool CaseSensitive = true;
    std::string Prefix;
    std::string Suffix;
    TFilterOperation Operation = foSHORT;
    TFilterCells Data = fcVirtual;
    TFilterMethod Method = fmExpression;
  };
  std::vector<TCondition> ReadConditions() const;
  bool Matches(const std::vector<TCondition>& Conditions, int ARow);
  bool ItemMatches(const TCondition& C, int ARow);
  std::string TextOf(const TCondition& C, int ARow);
  // The levels' removal keeps the fixed rows of the last application.
  void RestoreFixedRows();
  void FillNarrowItem(const std::string& ACondition, int AColumn);

  TGridDataHost& FHost;
  bool FFilterActive = false;
  // FixedRows at the last ApplyFilter; -1 before the first.
  int FFilterFixedRows = -1;
  std::string FLastFilter;
  int FFilterCol = -1;
  bool FDropDownCheck = false;
  // The conditions read by the application under way, so that the grid's row test reads
  // the collection once per application.
  const std::vector<TCondition>* FApplying = nullptr;
};

}  // namespace hd
