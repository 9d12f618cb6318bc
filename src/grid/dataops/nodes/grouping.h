// Grouping: the rows are sorted by one column, each run of equal values gets a header row that
// is a node owning the run (and, with summaries, a summary row below it), and the column leaves
// the grid until the grouping is undone. Sub-groups divide the groups once more by a column
// that stays.
#pragma once

#include <string>

#include "grid/stringgrid/grid_data_host.h"

namespace hd {

class TGridGrouping : public TDataEngine {
 public:
  explicit TGridGrouping(TGridDataHost& Host) : FHost(Host) {}

  // Column 0 and the fixed columns are refused: nodes live in column 0.
  void Group(int Colindex);
  void UnGroup();
  void SubGroup(int Colindex);
  void SubUnGroup(int Colindex);
  // Methods 1 to 8: sum, average, minimum, maximum, row count, custom, distinct count,
  // standard deviation, into each expanded group's summary row (header row without summaries).
  void GroupCalc(int Colindex, int Method);

 private:
  void InsertSummary(int ARow);
  void SplitRow(int ARow);
  void RemoveGroupRow(int ARow);
  void HeaderColors(int ARow);
  void MergeGroupRows();
  void GroupRows(int Colindex);

  TGridDataHost& FHost;
  std::string FGroupCaption;
  std::string FGroupFooter;
  int FGroupWidth = 0;
};

}  // namespace hd
