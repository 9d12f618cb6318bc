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
#include "platform/canvas.h"

namespace hd {

class TCellNode;
class TFilter;
class TSortSettings;
class TColumnSize;
class THTMLSettings;
class TCellProperties;
class TImageList;
class TFloatingFooter;
class TGrouping;
class TExtStringGridCheck;

// The colour an export sets before asking for a cell's look: one the look leaves at it is not set.
constexpr TColor kColorNotSet = 0x7FFFFFFF;

// A cell's look as painting gives it, for the exports that write it.
struct TCellExportLook {
  TFont Font;
  TColor BrushColor = kColorNotSet;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WordWrap = false;
};

// The grid's settings that the text file formats read.
struct TFileFormatOptions {
  bool SaveFixedCells = true;
  bool SaveFixedRows = false;
  bool SaveFixedCols = false;
  bool SaveHiddenCells = false;
  bool Multilinecells = false;
  char Delimiter = '\0';
  bool JavaCSV = false;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;
  bool OemConvert = false;
  bool LoadFirstRow = true;
  std::string XMLEncoding = "ISO-8859-1";
};

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
  // Many such exchanges at once: rows First .. First + From.size() - 1 take the rows that stood
  // at From[k] (a permutation of those rows), everything an exchange carries following them,
  // and Swaps exchanges are counted (From may be empty: only counted).
  virtual void SortPermuteRows(int First, const std::vector<int>& From, int Swaps) = 0;
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

  // Column layouts: the recorded order, hiding by real column, the default width, and where
  // layouts are kept.
  virtual TIntList& ColumnOrder() = 0;
  // Every column shown again and moved to the place the recorded order gives it.
  virtual void ResetColumnOrder() = 0;
  virtual void HideColumn(int ARealCol) = 0;
  virtual void UnHideColumnsAll() = 0;
  virtual bool IsHiddenColumn(int ARealCol) const = 0;
  virtual void SetDefaultColWidth(int Value) = 0;
  virtual TColumnSize& ColumnSize() = 0;
  virtual bool IsDesigning() const = 0;
  // Text files: the settings, the texts a file takes and gives (real columns), the widths,
  // alignments and merges the layouts read, and the hooks a save or load fires.
  virtual TFileFormatOptions FileOptions() const = 0;
  // Delimiter only: a guessed one is set back after a read.
  virtual void SetFileDelimiter(char Value) = 0;
  virtual int FixedRightCols() const = 0;
  virtual int DisplToRealCol(int ACol) const = 0;
  virtual std::string SaveCellText(int ACol, int ARow) = 0;
  virtual void LoadCellText(int ACol, int ARow, const std::string& Value) = 0;
  // The width of a real column, a hidden one's included.
  virtual int RealColWidth(int ACol) const = 0;
  virtual int MaxColTextLength(int ACol) = 0;
  virtual TAlignment CellAlignment(int ACol, int ARow) = 0;
  virtual bool IsBaseCell(int ACol, int ARow) const = 0;
  virtual bool FloatingFooterVisible() const = 0;
  virtual void ExportNotification(TGridExportState AState, int ARow) = 0;
  virtual bool HasFileProgress() const = 0;
  virtual void FileProgress(int Percent) = 0;
  virtual void CellsChanged(const TRect& R) = 0;
  virtual void AllCellsChanged() = 0;
  // Lets the window system handle what is pending, so a long load keeps the window alive.
  virtual void ProcessMessages() = 0;
  virtual TCursor ScreenCursor() const = 0;
  virtual void SetScreenCursor(TCursor Value) = 0;

  // HTML export: its settings, the fixed colour, the link settings, merges, the look of a cell
  // (font colour and brush at kColorNotSet, no font style, before the grid's look is applied),
  // and the cell objects and image list pictures come from.
  virtual THTMLSettings& HTMLSettings() = 0;
  virtual TColor FixedColor() const = 0;
  virtual bool URLShow() const = 0;
  virtual bool URLFull() const = 0;
  virtual TPoint CellSpan(int ACol, int ARow) const = 0;
  virtual TCellExportLook ExportCellLook(int ACol, int ARow) = 0;
  virtual TCellGraphic* CellGraphic(int ACol, int ARow) = 0;
  virtual TImageList* GridImages() = 0;

  // Cell stream: row heights, the window the grid is, the cells' properties (found, or made
  // when missing), a new cell graphic, emptying the grid, and the node count.
  virtual int RowHeight(int ARow) const = 0;
  virtual void SetRowHeight(int ARow, int Value) = 0;
  virtual std::intptr_t GridHandle() = 0;
  virtual TCellProperties* FindCellProperties(int ACol, int ARow) const = 0;
  virtual TCellProperties* MakeCellProperties(int ACol, int ARow) = 0;
  virtual TCellGraphic* CreateCellGraphic(int ACol, int ARow) = 0;
  virtual void ClearGrid() = 0;
  virtual void SetNumNodes(int Value) = 0;
  virtual void RepaintCol(int ACol) = 0;
  // Office exchange: a workbook load sets the fixed areas back, a document starts with the
  // grid's own window text.
  virtual void SetFixedCols(int Value) = 0;
  virtual void SetFixedRows(int Value) = 0;
  virtual std::string WindowText() const = 0;
  // --- Row nodes. Rows hidden by nodes leave the grid as hidden rows marked as node rows;
  // rows are display rows unless named real.
  virtual int AllRowCount() const = 0;
  virtual int RealToDisplRow(int ARow) const = 0;
  virtual int DisplToRealRow(int ARow) const = 0;
  // The graphic record a node keeps in its cell (null for none; no shared row-check record), a
  // fresh one in place of any former, and its removal.
  virtual TCellGraphic* NodeGraphic(int ACol, int ARow) = 0;
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
  // The search footer's panel, when it shows.
  virtual void RepaintSearchPanel() = 0;

  // --- Calculations and grouping. Values read as numbers from display rows (Floats) or real
  // rows (AllFloats); a text that is no number raises EExtGridError.
  virtual double CellFloat(int ACol, int ARow) const = 0;
  virtual double AllCellFloat(int ACol, int ARow) const = 0;
  virtual std::string AllCellText(int ACol, int ARow) const = 0;
  // Written with the column's float format, and as a whole number.
  virtual void SetCellFloat(int ACol, int ARow, double Value) = 0;
  virtual void SetCellInt(int ACol, int ARow, int Value) = 0;
  // The grouped column, -1 while the grid is not grouped.
  virtual int& GroupColumn() = 0;
  // The real indexes of the rows in the hidden-row store.
  virtual std::vector<int> HiddenRowIndexes() const = 0;
  virtual TFloatingFooter& FloatingFooter() = 0;
  virtual TGrouping& Grouping() = 0;
  // The custom calculations: OnColumnCalc, OnGroupCalc; the footer's custom value from the
  // grid's OnFooterCalc, else the footer's OnCalcFooter.
  virtual void ColumnCalcEvent(int ACol, int FromRow, int ToRow, double& Res) = 0;
  virtual void GroupCalcEvent(int ACol, int FromRow, int ToRow, double& Res) = 0;
  virtual void FooterCalcEvent(int ACol, int ARow, std::string& Value) = 0;
  // Columns leave and come back through the grid's own (overridable) operations.
  virtual void RemoveColumn(int ACol) = 0;
  virtual void InsertColumn(int ACol) = 0;
  virtual void QSort() = 0;
  virtual void MergeCells(int ACol, int ARow, int SpanX, int SpanY) = 0;
  virtual void SplitCells(int ACol, int ARow) = 0;
  // Whole-row colours (clNone leaves one as it is) and one cell's colours.
  virtual void SetRowColors(int ARow, TColor Color, TColor ColorTo, TColor FontColor) = 0;
  virtual void SetCellColors(int ACol, int ARow, TColor Color, TColor ColorTo, TColor FontColor) = 0;
  // --- Filtering: the conditions, the grid's row test (which descendants may replace), the
  // texts a condition reads, its events, and hiding by filter levels in the hidden-row store.
  virtual TFilter& Filter() = 0;
  virtual bool MatchFilterRow(int ARow) = 0;
  // The value text of a cell (fcCalculated), the row's texts one per line (fcRow).
  virtual std::string CalculatedText(int ACol, int ARow) = 0;
  virtual std::string RowLinesText(int ARow) = 0;
  virtual bool IsNodeRow(int ARow) = 0;
  virtual bool IsSummaryRow(int ARow) = 0;
  virtual bool FilterNormalCellsOnly() const = 0;
  virtual bool HasCustomFilter() const = 0;
  virtual void CustomFilter(int ARow, bool& AcceptRow) = 0;
  virtual bool HasFilterProgress() const = 0;
  virtual void FilterProgress(int Percent) = 0;
  // Display rows hidden as the next filter level, and the newest level brought back.
  virtual void HideFilterLevel(const std::vector<int>& Rows) = 0;
  virtual void UnHideFilterLevel() = 0;
  virtual int& FilterLevel() = 0;
  // A display row hidden by a one-row filter test.
  virtual void HideFilteredRow(int ARow) = 0;
  virtual bool SelectionHidden() const = 0;
  virtual void SetSelectionHidden(bool Value) = 0;
  virtual void UnHideSelection() = 0;
  virtual void FocusCell(int ACol, int ARow) = 0;
  virtual void SetFixedRowAlways(bool Value) = 0;
  // --- Find, highlight and cell checks. AllCellText reads and writes by real row, hidden rows
  // included; GotoCell selects a cell (real column) and shows it.
  virtual TGridRect Selection() const = 0;
  virtual int RealToDisplCol(int ACol) const = 0;
  virtual int NumHiddenRows() const = 0;
  virtual bool IsHiddenRow(int ARealRow) const = 0;
  virtual void SetAllCellText(int ACol, int ARealRow, const std::string& Value) = 0;
  virtual int VisibleRowCount() const = 0;
  virtual void ClearRowSelect() = 0;
  virtual void SetRowSelect(int ARow, bool Value) = 0;
  virtual bool ShowModifiedEnabled() const = 0;
  // Real row.
  virtual void SetRowModified(int ARealRow, bool Value) = 0;
  virtual TExtStringGridCheck* CellChecker() const = 0;
  virtual void GotoCell(int ACol, int ARow) = 0;
};

}  // namespace hd
