// The sorts of the grid: one Hoare quicksort with its pivot in a scratch row, the frame that
// prepares the grid around it, the sort over several columns, the sorts of a range, and the
// return to the order the cross-reference list remembers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "grid/dataops/sort/row_compare.h"
#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_data_host.h"

namespace hd {

class TGridSorter : public TDataEngine {
 public:
  explicit TGridSorter(TGridDataHost& Host) : FHost(Host), FCompare(Host) {}

  TRowComparer& Comparer() { return FCompare; }
  int Compares() const { return FCompare.Compares; }
  int SortDir() const { return FCompare.SortDir; }

  // By SortSettings.Column in SortSettings.Direction; nothing without a column in the grid.
  void QSort();
  // By the sort index list; EExtGridError "No indexes specified for indexed sort" when empty.
  void QSortIndexed();
  // Rows Left to Right only: no cross-reference set-up and no update lock.
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  // In a grid with nodes: the rows inside each of the deepest expanded nodes, by
  // SortSettings.Column or by the sort index list.
  void QSortGroup();
  void QSortGroupIndexed();
  // Back to the order at the last InitSortXRef.
  void QUnSort();
  void InitSortXRef();
  // Compares two rows and exchanges them when out of order; true when exchanged.
  bool SortLine(int Col, int ARow1, int ARow2);
  // What a click on the header of real column ACol does to the sort state and the rows;
  // IndexKeyHeld: the key that adds a column to the sort over several columns was down.
  void ClickSort(int ACol, bool IndexKeyHeld);
  // Milliseconds the last ClickSort took.
  unsigned SortTime() const { return FSortTime; }
  // Applies a settings text ("u4", "d2", "i;u3;d1") and sorts by it.
  void LoadSettingsText(const std::string& Value);

 private:
  using TRangeSort = std::function<void(int Left, int Right)>;
  void RunFrame(bool Indexed, const TRangeSort& SortRange);
  void RunRange(const TRangeSort& SortRange);
  void QuickSortRange(int ACol, int L, int R);
  template <typename Compare>
  void QuickSortPart(int ACol, int L, int R, Compare CompareLine);
  void QuickSortIndexedRange(int L, int R);
  void CopyPivot(int FromRow, int Pivot);
  // The row exchange of the quicksorts; the read-once cells follow their rows.
  void SwapRows(int ARow1, int ARow2);
  void DoQSortGroup(bool Indexed);
  // The quicksort of the cross-reference keys; Order follows the exchanges, Swaps counts them.
  void UnSortRange(std::vector<int>& Keys, std::vector<int>& Order, int& Swaps, int L, int R);

  TGridDataHost& FHost;
  TRowComparer FCompare;
  unsigned FSortTime = 0;
};

}  // namespace hd
