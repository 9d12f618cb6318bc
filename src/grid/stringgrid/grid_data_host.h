// What a data operation (sorting, row nodes, and the operations that follow their pattern)
// sees of the grid: counts and fixed areas, cells by real column and laid-out row, the row
// exchange, the settings it reads and the hooks it fires. Engines are written against this
// interface alone, so that they run on a plain in-memory table in tests.
#pragma once

#include <cstdint>

#include <string>
#include <vector>

#include "grid/foundation/grid_types.h"
#include "grid/foundation/lists.h"
#include "grid/stringgrid/cell_graphic.h"

namespace hd {

class TCellNode;
class TSortSettings;

// The engines the grid owns (a sorter, a node engine ...), kept by the grid without knowing
// their types.
class TDataEngine {
 public:
  virtual ~TDataEngine() = default;
};

class TGridDataHost {
 public:
  virtual ~TGridDataHost() = default;

  // Counts and fixed areas; ColCount counts the shown columns.
  virtual int RowCount() const = 0;
  virtual void SetRowCount(int Value) = 0;
  virtual int ColCount() const = 0;
  virtual void SetColCount(int Value) = 0;
  virtual int FixedRows() const = 0;
  virtual int FixedCols() const = 0;
  virtual int FixedFooters() const = 0;
  virtual int NumHiddenColumns() const = 0;
  virtual int ColWidth(int ACol) const = 0;
  virtual void SetColWidth(int ACol, int Value) = 0;
  // The display hooks of the cell store serve this many rows (0: all).
  virtual void SetNormalRowCount(int Value) = 0;

  // Cells: the displayed text (through the display hooks), the stored text, the stored object.
  virtual std::string DisplayText(int ACol, int ARow) const = 0;
  virtual void SetDisplayText(int ACol, int ARow, const std::string& Value) = 0;
  virtual std::string StoredText(int ACol, int ARow) const = 0;
  virtual void SetStoredText(int ACol, int ARow, const std::string& Value) = 0;
  virtual TObject* CellObject(int ACol, int ARow) const = 0;
  virtual void SetCellObject(int ACol, int ARow, TObject* Value) = 0;
  // The displayed text without its markup.
  virtual std::string StrippedText(int ACol, int ARow) const = 0;
  virtual TCellType CellType(int ACol, int ARow) = 0;
  // False when the cell holds no two-state check box.
  virtual bool CheckBoxState(int ACol, int ARow, bool& State) = 0;
  virtual std::intptr_t CellImageKey(int ACol, int ARow) = 0;
  // True when a display hook or virtual cells make displayed texts differ from stored ones.
  virtual bool HasDisplayHooks() const = 0;

  // Rows: the exchange that sorts use (counts swaps, keeps the cross-reference and the tracked
  // row), and clearing rows with their objects detached, never freed.
  virtual void SortSwapRows(int ARow1, int ARow2) = 0;
  virtual void CopyRow(int FromRow, int ToRow) = 0;
  virtual void ClearRowsDetached(int ARow, int Count) = 0;
  // The store may hold cells of rows at or above ARow from an earlier, larger grid.
  virtual bool MayHoldCellsFrom(int ARow) const = 0;

  // The current and top rows.
  virtual int Row() const = 0;
  virtual void SetRow(int Value) = 0;
  virtual int TopRow() const = 0;
  virtual void SetTopRow(int Value) = 0;

  // Settings and lists the sorts read and keep.
  virtual TSortSettings& SortSettings() = 0;
  virtual TSortIndexList& SortIndexes() = 0;
  virtual TIntList& IgnoreColumns() = 0;
  virtual TIntList& SortRowXRef() = 0;
  virtual int& SortRow() = 0;
  virtual bool MoveRowOnSort() const = 0;
  virtual bool KeepScrollOnSort() const = 0;
  virtual bool DisjunctRowSelect() const = 0;

  // Hooks fired per comparison; a sort may read each row once while none is assigned.
  virtual bool HasCompareEvents() const = 0;
  virtual void GetColFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) = 0;
  virtual void CustomCompare(const std::string& Str1, const std::string& Str2, int& Res) = 0;
  virtual void RawCompare(int ACol, int ARow1, int ARow2, int& Res) = 0;
  virtual void RowChanged(int OldRow, int NewRow) = 0;

  // The update lock and repaints.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
  virtual void Invalidate() = 0;

  // --- Row nodes. Rows hidden by nodes leave the grid as hidden rows marked as node rows;
  // rows are display rows unless named real.
  virtual int AllRowCount() const = 0;
  virtual int RealToDisplRow(int ARow) const = 0;
  virtual int DisplToRealRow(int ARow) const = 0;
  // The graphic record of a cell (null for none), a fresh one in place of any former, and its removal.
  virtual TCellGraphic* CellGraphic(int ACol, int ARow) = 0;
  virtual TCellGraphic* NewCellGraphic(int ACol, int ARow) = 0;
  virtual void RemoveCellGraphic(int ACol, int ARow) = 0;
  // The node level kept with a row's column-0 cell; -1 while that cell has no properties.
  virtual int RowLevel(int ARow) const = 0;
  virtual void SetRowLevel(int ARow, int Level) = 0;
  virtual int& NumNodes() = 0;
  virtual TCellNode& CellNode() = 0;
  virtual int Col() const = 0;
  virtual void SetCol(int Value) = 0;
  // Hiding real rows, and a list of display rows in one step; showing them again keeps the
  // current and top rows and the selection mode.
  virtual void HideNodeRows(int FromRow, int ToRow) = 0;
  virtual void HideNodeRowList(const std::vector<int>& Rows) = 0;
  virtual void ShowNodeRows(int FromRow, int ToRow) = 0;
  // Hidden rows at or after real row ARow move by Delta.
  virtual void ShiftHiddenRows(int ARow, int Delta) = 0;
  // Row insertion before a display row and removal of one, with the highest-row-count mark.
  virtual void InsertRow(int ARow) = 0;
  virtual void RemoveRow(int ARow) = 0;
  virtual void LowerMaxRowCount() = 0;
  virtual void HideCellControl(int ACol, int ARow) = 0;
  virtual void PlaceCellControls() = 0;
  virtual void HideEditor() = 0;
  virtual void SetForceSelection(bool Value) = 0;
  virtual void CalcFooter(int ACol) = 0;

  // --- The floating footer, hidden while a sort runs.
  virtual bool FooterVisible() const = 0;
  virtual void SetFooterVisible(bool Value) = 0;
  virtual void SetFixedFooters(int Value) = 0;
  virtual void RepaintFooter() = 0;
};

}  // namespace hd
