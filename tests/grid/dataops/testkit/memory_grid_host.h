// A grid made of plain vectors for the data operations' tests: texts and objects per row,
// hidden columns kept beyond ColCount, the settings and lists a real grid keeps, and a log of
// the calls a test may want to count.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "grid/foundation/cell_properties.h"
#include "grid/stringgrid/grid_data_host.h"
#include "grid/stringgrid/column_size.h"
#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/filter_settings.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/print_settings.h"
#include "platform/sysutils.h"

namespace hd::test {

class TNullSettingsHost : public TGridSettingsHost {
 public:
  void InvalidateGrid() override {}
  void RepaintRow(int) override {}
  void RepaintCell(int, int) override {}
  int FixedRows() const override { return 1; }
  bool IsDesigning() const override { return false; }
  bool HasParent() const override { return false; }
  void StretchColumn(int) override {}
  void SetDAZGradientColor(TFixedGradientColor, TColor) override {}
  void SetFixedFooters(int) override {}
  void SetHideLastRow(bool) override {}
  void SetFooterPanelHeight(int) override {}
  void SetFooterPanelVisible(bool) override {}
  void SetFooterPanelShowHint(bool) override {}
  void UpdateFooter() override {}
  void ApplyOleDropTarget(bool) override {}
  void SetRTFDropEnabled(bool) override {}
  TSortIndexList& SortIndexes() override { return indexes; }
  TSortIndexList indexes;
};

class TMemoryGridHost : public TGridDataHost {
 public:
  // A row's column-0 graphic record is shared by the copies of the row (the pivot's too);
  // level -1 stands for a column-0 cell without properties.
  struct TRowData {
    TRowData() = default;
    TRowData(std::vector<std::string> Texts, std::vector<TObject*> Objects)
        : texts(std::move(Texts)), objects(std::move(Objects)) {}
    std::vector<std::string> texts;
    std::vector<TObject*> objects;
    std::shared_ptr<TCellGraphic> graphic;
    int level = -1;
  };

  // Rows of texts; every row as wide as the first. The list form keeps a row of two texts
  // from being read as a pair of iterators.
  TMemoryGridHost(std::initializer_list<std::initializer_list<std::string>> Rows, int FixedRowCount = 1)
      : TMemoryGridHost(std::vector<std::vector<std::string>>(Rows.begin(), Rows.end()), FixedRowCount) {}
  explicit TMemoryGridHost(std::vector<std::vector<std::string>> Rows, int FixedRowCount = 1)
      : fixedRows(FixedRowCount), settings(&settingsHost) {
    cols = Rows.empty() ? 0 : static_cast<int>(Rows[0].size());
    for (auto& r : Rows) rows.push_back({std::move(r), std::vector<TObject*>(static_cast<std::size_t>(cols))});
  }

  // One column's texts from the top, the fixed rows included.
  std::vector<std::string> Column(int ACol) const {
    std::vector<std::string> out;
    for (const TRowData& r : rows) out.push_back(r.texts[static_cast<std::size_t>(ACol)]);
    return out;
  }

  int RowCount() const override { return static_cast<int>(rows.size()); }
  void SetRowCount(int Value) override {
    ++rowCountChanges;
    rows.resize(static_cast<std::size_t>(Value), {std::vector<std::string>(Width()), std::vector<TObject*>(Width())});
  }
  int ColCount() const override { return cols; }
  // Rows grow with the columns; hidden columns' texts beyond ColCount stay.
  void SetColCount(int Value) override {
    cols = Value;
    for (TRowData& r : rows)
      if (r.texts.size() < static_cast<std::size_t>(Value)) {
        r.texts.resize(static_cast<std::size_t>(Value));
        r.objects.resize(static_cast<std::size_t>(Value));
      }
  }
  int FixedRows() const override { return fixedRows; }
  int FixedCols() const override { return fixedCols; }
  int FixedFooters() const override { return fixedFooters; }
  int NumHiddenColumns() const override { return hiddenColumns; }
  int ColWidth(int ACol) const override {
    return ACol >= 0 && ACol < static_cast<int>(widths.size()) ? widths[static_cast<std::size_t>(ACol)] : 64;
  }
  void SetColWidth(int ACol, int Value) override {
    if (ACol >= static_cast<int>(widths.size())) widths.resize(static_cast<std::size_t>(ACol) + 1, 64);
    widths[static_cast<std::size_t>(ACol)] = Value;
  }
  void SetNormalRowCount(int Value) override { normalRowCount = Value; }

  std::string DisplayText(int ACol, int ARow) const override {
    std::string t = StoredText(ACol, ARow);
    return displayHook ? displayHook(ACol, ARow, t) : t;
  }
  void SetDisplayText(int ACol, int ARow, const std::string& Value) override { SetStoredText(ACol, ARow, Value); }
  std::string StoredText(int ACol, int ARow) const override {
    return rows[static_cast<std::size_t>(ARow)].texts[static_cast<std::size_t>(ACol)];
  }
  void SetStoredText(int ACol, int ARow, const std::string& Value) override {
    rows[static_cast<std::size_t>(ARow)].texts[static_cast<std::size_t>(ACol)] = Value;
  }
  TObject* CellObject(int ACol, int ARow) const override {
    return rows[static_cast<std::size_t>(ARow)].objects[static_cast<std::size_t>(ACol)];
  }
  void SetCellObject(int ACol, int ARow, TObject* Value) override {
    rows[static_cast<std::size_t>(ARow)].objects[static_cast<std::size_t>(ACol)] = Value;
  }
  std::string StrippedText(int ACol, int ARow) const override {
    std::string t = DisplayText(ACol, ARow), out;
    bool inTag = false;
    for (char ch : t) {
      if (ch == '<') inTag = true;
      if (!inTag) out += ch;
      if (ch == '>') inTag = false;
    }
    return out;
  }
  TCellType CellType(int ACol, int ARow) override {
    if (auto it = graphics.find({ACol, ARow}); it != graphics.end() && it->second) return it->second->CellType();
    return checkColumn == ACol && ARow < RowCount() ? ctCheckBox : ctNone;
  }
  bool CheckBoxState(int ACol, int ARow, bool& State) override {
    if (checkColumn != ACol) return false;
    State = StoredText(ACol, ARow) == "1";
    return true;
  }
  std::intptr_t CellImageKey(int ACol, int ARow) override { return std::atoi(StoredText(ACol, ARow).c_str()); }
  bool HasDisplayHooks() const override { return static_cast<bool>(displayHook); }

  void SortSwapRows(int ARow1, int ARow2) override {
    ++swaps;
    std::swap(rows[static_cast<std::size_t>(ARow1)], rows[static_cast<std::size_t>(ARow2)]);
    if (ARow1 < xref.Count() && ARow2 < xref.Count()) xref.Exchange(ARow1, ARow2);
    if (sortRow == ARow1)
      sortRow = ARow2;
    else if (sortRow == ARow2)
      sortRow = ARow1;
  }
  void SortPermuteRows(int First, const std::vector<int>& From, int Swaps) override {
    swaps += Swaps;
    auto before = rows;
    std::vector<int> xrefBefore;
    for (int i = 0; i < xref.Count(); ++i) xrefBefore.push_back(xref.Items(i));
    int tracked = sortRow;
    for (std::size_t k = 0; k < From.size(); ++k) {
      int to = First + static_cast<int>(k), from = From[k];
      rows[static_cast<std::size_t>(to)] = before[static_cast<std::size_t>(from)];
      if (to < xref.Count() && from < xref.Count()) xref.SetItems(to, xrefBefore[static_cast<std::size_t>(from)]);
      if (tracked == from) sortRow = to;
    }
  }
  void CopyRow(int FromRow, int ToRow) override {
    rows[static_cast<std::size_t>(ToRow)] = rows[static_cast<std::size_t>(FromRow)];
  }
  void ClearRowsDetached(int ARow, int Count) override {
    for (int r = ARow; r < ARow + Count && r < RowCount(); ++r)
      rows[static_cast<std::size_t>(r)] = {std::vector<std::string>(Width()), std::vector<TObject*>(Width())};
  }
  bool MayHoldCellsFrom(int) const override { return false; }

  int Row() const override { return row; }
  void SetRow(int Value) override { row = Value; }
  int TopRow() const override { return topRow; }
  void SetTopRow(int Value) override { topRow = Value; }

  TSortSettings& SortSettings() override { return settings; }
  TSortIndexList& SortIndexes() override { return settingsHost.indexes; }
  TIntList& IgnoreColumns() override { return ignoreColumns; }
  TIntList& SortRowXRef() override { return xref; }
  int& SortRow() override { return sortRow; }
  bool MoveRowOnSort() const override { return moveRowOnSort; }
  bool KeepScrollOnSort() const override { return false; }
  bool DisjunctRowSelect() const override { return disjunctRowSelect; }

  bool HasCompareEvents() const override {
    return static_cast<bool>(onFormat) || static_cast<bool>(onCustom) || static_cast<bool>(onRaw);
  }
  // A column's own format (as a column item gives it), then the event.
  void GetColFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) override {
    if (auto it = columnFormats.find(ACol); it != columnFormats.end()) {
      AStyle = it->second.style;
      APrefix = it->second.prefix;
      ASuffix = it->second.suffix;
    }
    if (onFormat) onFormat(ACol, AStyle, APrefix, ASuffix);
  }
  void CustomCompare(const std::string& Str1, const std::string& Str2, int& Res) override {
    if (onCustom) onCustom(Str1, Str2, Res);
  }
  void RawCompare(int ACol, int ARow1, int ARow2, int& Res) override {
    if (onRaw) onRaw(ACol, ARow1, ARow2, Res);
  }
  void RowChanged(int OldRow, int NewRow) override { rowChanges.emplace_back(OldRow, NewRow); }

  void BeginUpdate() override { ++updateLock; }
  void EndUpdate() override { --updateLock; }
  void Invalidate() override {}

  // Column layouts: hiding takes a column out of ColCount; resetting the order shows every
  // column and records the order it was handed (a memory table does not move columns).
  TIntList& ColumnOrder() override { return columnOrder; }
  void ResetColumnOrder() override {
    std::vector<int> order;
    for (int i = 0; i < columnOrder.Count(); ++i) order.push_back(columnOrder.Items(i));
    resetOrders.push_back(order);
    UnHideColumnsAll();
  }
  void HideColumn(int ARealCol) override {
    if (IsHiddenColumn(ARealCol)) return;
    hiddenReal.push_back(ARealCol);
    ++hiddenColumns;
    --cols;
  }
  void UnHideColumnsAll() override {
    cols += hiddenColumns;
    hiddenColumns = 0;
    hiddenReal.clear();
  }
  bool IsHiddenColumn(int ARealCol) const override {
    return std::find(hiddenReal.begin(), hiddenReal.end(), ARealCol) != hiddenReal.end();
  }
  void SetDefaultColWidth(int Value) override { defaultColWidth = Value; }
  TColumnSize& ColumnSize() override { return columnSize; }
  bool IsDesigning() const override { return designing; }
  // Text files: the cell text is the stored one, alignments and merges come from the maps
  // below, and every hook lands in a log.
  TFileFormatOptions FileOptions() const override { return options; }
  void SetFileDelimiter(char Value) override { options.Delimiter = Value; }
  int FixedRightCols() const override { return fixedRightCols; }
  int DisplToRealCol(int ACol) const override { return ACol; }
  std::string SaveCellText(int ACol, int ARow) override { return Text(ACol, ARow); }
  void LoadCellText(int ACol, int ARow, const std::string& Value) override {
    if (ARow >= RowCount()) throw std::out_of_range("row beyond the grid");
    auto& texts = rows[static_cast<std::size_t>(ARow)].texts;
    if (ACol >= static_cast<int>(texts.size())) {
      if (ACol >= cols + hiddenColumns) throw std::out_of_range("column beyond the grid");
      texts.resize(static_cast<std::size_t>(ACol) + 1);
      rows[static_cast<std::size_t>(ARow)].objects.resize(static_cast<std::size_t>(ACol) + 1);
    }
    texts[static_cast<std::size_t>(ACol)] = Value;
  }
  int RealColWidth(int ACol) const override { return ColWidth(ACol); }
  int MaxColTextLength(int ACol) override {
    int longest = 0;
    for (int r = 0; r < RowCount(); ++r) longest = std::max(longest, static_cast<int>(Text(ACol, r).size()));
    return longest;
  }
  TAlignment CellAlignment(int ACol, int) override {
    auto it = alignments.find(ACol);
    return it == alignments.end() ? taLeftJustify : it->second;
  }
  bool IsBaseCell(int ACol, int ARow) const override { return !covered.count({ACol, ARow}); }
  bool FloatingFooterVisible() const override { return floatingFooter; }
  void ExportNotification(TGridExportState AState, int ARow) override { exports.emplace_back(AState, ARow); }
  bool HasFileProgress() const override { return trackProgress; }
  void FileProgress(int Percent) override { progress.push_back(Percent); }
  void CellsChanged(const TRect&) override { ++cellsChanged; }
  void AllCellsChanged() override { ++allCellsChanged; }
  void ProcessMessages() override { ++messageRuns; }
  TCursor ScreenCursor() const override { return cursor; }
  void SetScreenCursor(TCursor Value) override { cursors.push_back(cursor = Value); }
  void SetFixedCols(int Value) override { fixedCols = Value; }
  void SetFixedRows(int Value) override { fixedRows = Value; }
  std::string WindowText() const override { return windowText; }
  std::string windowText;

  // HTML export: looks, spans and cell objects by cell from the maps below; the look's font
  // colour and brush stay unset unless a test gives them.
  THTMLSettings& HTMLSettings() override { return htmlSettings; }
  TColor FixedColor() const override { return fixedColor; }
  bool URLShow() const override { return urlShow; }
  bool URLFull() const override { return urlFull; }
  TPoint CellSpan(int ACol, int ARow) const override {
    auto it = spans.find({ACol, ARow});
    return it == spans.end() ? TPoint{0, 0} : it->second;
  }
  TCellExportLook ExportCellLook(int ACol, int ARow) override {
    auto it = looks.find({ACol, ARow});
    return it == looks.end() ? defaultLook : it->second;
  }
  TCellGraphic* CellGraphic(int ACol, int ARow) override {
    auto it = graphics.find({ACol, ARow});
    return it == graphics.end() ? nullptr : it->second;
  }
  TImageList* GridImages() override { return gridImages; }
  // Cell stream: properties and made graphics are owned here; heights by row.
  int RowHeight(int ARow) const override {
    auto it = heights.find(ARow);
    return it == heights.end() ? 24 : it->second;
  }
  void SetRowHeight(int ARow, int Value) override { heights[ARow] = Value; }
  std::intptr_t GridHandle() override { return 77; }
  TCellProperties* FindCellProperties(int ACol, int ARow) const override {
    auto it = props.find({ACol, ARow});
    return it == props.end() ? nullptr : it->second.get();
  }
  TCellProperties* MakeCellProperties(int ACol, int ARow) override {
    auto& p = props[{ACol, ARow}];
    if (!p) p = std::make_unique<TCellProperties>(nullptr, ACol, ARow);
    return p.get();
  }
  TCellGraphic* CreateCellGraphic(int ACol, int ARow) override {
    auto& g = ownedGraphics[{ACol, ARow}];
    g = std::make_unique<TCellGraphic>();
    return graphics[{ACol, ARow}] = g.get();
  }
  void ClearGrid() override {
    for (auto& r : rows) std::fill(r.texts.begin(), r.texts.end(), std::string());
    ++clears;
  }
  void SetNumNodes(int Value) override { numNodes = Value; }
  void RepaintCol(int ACol) override { repaintedCols.push_back(ACol); }

  // A cell's text, empty beyond the row's stored width.
  std::string Text(int ACol, int ARow) const {
    const auto& texts = rows[static_cast<std::size_t>(ARow)].texts;
    return ACol < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(ACol)] : std::string();
  }

  TFileFormatOptions options;
  THTMLSettings htmlSettings;
  TColor fixedColor = clNone;
  bool urlShow = false, urlFull = false;
  std::map<std::pair<int, int>, TPoint> spans;
  std::map<std::pair<int, int>, TCellExportLook> looks;
  TCellExportLook defaultLook;
  std::map<std::pair<int, int>, TCellGraphic*> graphics;
  TImageList* gridImages = nullptr;
  std::map<int, int> heights;
  std::map<std::pair<int, int>, std::unique_ptr<TCellProperties>> props;
  std::map<std::pair<int, int>, std::unique_ptr<TCellGraphic>> ownedGraphics;
  int clears = 0;
  std::vector<int> repaintedCols;
  int fixedRightCols = 0;
  std::map<int, TAlignment> alignments;
  std::set<std::pair<int, int>> covered;
  bool floatingFooter = false, trackProgress = false;
  std::vector<std::pair<TGridExportState, int>> exports;
  std::vector<int> progress;
  int cellsChanged = 0, allCellsChanged = 0, messageRuns = 0;
  TCursor cursor = crDefault;
  std::vector<TCursor> cursors;

  // Row nodes: hidden rows wait in a map by real index.
  int AllRowCount() const override { return RowCount() + static_cast<int>(hidden.size()); }
  int DisplToRealRow(int ARow) const override {
    int r = ARow;
    for (const auto& [idx, data] : hidden)
      if (idx <= r) ++r;
    return r;
  }
  int RealToDisplRow(int ARow) const override {
    int below = 0;
    for (const auto& [idx, data] : hidden)
      if (idx < ARow) ++below;
    return ARow - below;
  }
  TCellGraphic* NodeGraphic(int ACol, int ARow) override {
    return ACol == 0 && ARow >= 0 && ARow < RowCount() ? rows[static_cast<std::size_t>(ARow)].graphic.get() : nullptr;
  }
  TCellGraphic* NewCellGraphic(int, int ARow) override {
    TRowData& r = rows[static_cast<std::size_t>(ARow)];
    r.graphic = std::make_shared<TCellGraphic>();
    r.level = std::max(r.level, 0);
    return r.graphic.get();
  }
  void RemoveCellGraphic(int, int ARow) override { rows[static_cast<std::size_t>(ARow)].graphic.reset(); }
  int RowLevel(int ARow) const override { return rows[static_cast<std::size_t>(ARow)].level; }
  void SetRowLevel(int ARow, int Level) override { rows[static_cast<std::size_t>(ARow)].level = Level; }
  int& NumNodes() override { return numNodes; }
  TCellNode& CellNode() override { return cellNode; }
  int Col() const override { return col; }
  void SetCol(int Value) override { col = Value; }
  void HideNodeRows(int FromRow, int ToRow) override {
    for (int r = ToRow; r >= FromRow; --r) {
      if (hidden.count(r)) continue;
      int d = RealToDisplRow(r);
      if (d >= RowCount()) continue;
      hidden[r] = rows[static_cast<std::size_t>(d)];
      rows.erase(rows.begin() + d);
    }
    ++hideCalls;
  }
  void HideNodeRowList(const std::vector<int>& Rows) override {
    std::vector<int> reals;
    for (int d : Rows) reals.push_back(DisplToRealRow(d));
    for (std::size_t i = Rows.size(); i-- > 0;) {
      TRowData data = rows[static_cast<std::size_t>(Rows[i])];
      rows.erase(rows.begin() + Rows[i]);
      hidden[reals[i]] = data;
    }
    ++hideCalls;
  }
  void ShowNodeRows(int FromRow, int ToRow) override {
    for (auto it = hidden.lower_bound(FromRow); it != hidden.end() && it->first <= ToRow;) {
      int at = RealToDisplRow(it->first);
      rows.insert(rows.begin() + at, it->second);
      it = hidden.erase(it);
    }
  }
  void ShiftHiddenRows(int ARow, int Delta) override {
    std::map<int, TRowData> moved;
    for (auto& [idx, data] : hidden) moved[idx >= ARow ? idx + Delta : idx] = data;
    hidden.swap(moved);
  }
  void InsertRow(int ARow) override {
    rows.insert(rows.begin() + std::min(ARow, RowCount()), {std::vector<std::string>(Width()), std::vector<TObject*>(Width())});
  }
  void RemoveRow(int ARow) override {
    // Hidden rows below the removed one move up with the rows around them.
    int real = DisplToRealRow(ARow);
    rows.erase(rows.begin() + ARow);
    ShiftHiddenRows(real + 1, -1);
  }
  void LowerMaxRowCount() override { ++maxRowCountLowered; }
  void HideCellControl(int, int) override {}
  void PlaceCellControls() override {}
  void HideEditor() override {}
  void SetForceSelection(bool) override {}
  void CalcFooter(int) override { ++footerCalcs; }

  // Hiding the footer row drops the fixed footers, as the grid's footer does.
  bool FooterVisible() const override { return footerVisible; }
  void SetFooterVisible(bool Value) override {
    footerVisible = Value;
    fixedFooters = Value ? 1 : 0;
  }
  void SetFixedFooters(int Value) override { fixedFooters = Value; }
  void RepaintFooter() override { ++footerRepaints; }
  void RepaintSearchPanel() override { ++searchPanelRepaints; }

  // Calculations and grouping: numbers read as the grid reads them, the texts of hidden rows
  // by real index.
  std::string RealText(int ACol, int ARow) const {
    auto it = hidden.find(ARow);
    if (it != hidden.end()) return it->second.texts[static_cast<std::size_t>(ACol)];
    int d = RealToDisplRow(ARow);
    return d >= 0 && d < RowCount() ? rows[static_cast<std::size_t>(d)].texts[static_cast<std::size_t>(ACol)] : std::string();
  }
  // Plain numbers only: empty reads as 0, anything else raises as the grid does.
  static double Number(const std::string& Text) {
    if (Text.empty()) return 0;
    std::size_t used = 0;
    double v = 0;
    try {
      v = std::stod(Text, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used != Text.size()) throw EExtGridError("Cell does not contain a float value");
    return v;
  }
  double CellFloat(int ACol, int ARow) const override { return Number(DisplayText(ACol, ARow)); }
  double AllCellFloat(int ACol, int ARow) const override { return Number(RealText(ACol, ARow)); }
  std::string AllCellText(int ACol, int ARow) const override { return RealText(ACol, ARow); }
  void SetCellFloat(int ACol, int ARow, double Value) override { SetDisplayText(ACol, ARow, Format("%.2f", {Value})); }
  void SetCellInt(int ACol, int ARow, int Value) override { SetDisplayText(ACol, ARow, std::to_string(Value)); }
  int& GroupColumn() override { return groupColumn; }
  std::vector<int> HiddenRowIndexes() const override {
    std::vector<int> out;
    for (const auto& [idx, data] : hidden) out.push_back(idx);
    return out;
  }
  TFloatingFooter& FloatingFooter() override { return footer; }
  TGrouping& Grouping() override { return grouping; }
  void ColumnCalcEvent(int ACol, int FromRow, int ToRow, double& Res) override {
    if (onColumnCalc) onColumnCalc(ACol, FromRow, ToRow, Res);
  }
  void GroupCalcEvent(int ACol, int FromRow, int ToRow, double& Res) override {
    if (onColumnCalc) onColumnCalc(ACol, FromRow, ToRow, Res);
  }
  void FooterCalcEvent(int, int, std::string&) override {}
  void RemoveColumn(int ACol) override {
    for (TRowData& r : rows) r.texts.erase(r.texts.begin() + ACol), r.objects.erase(r.objects.begin() + ACol);
    --cols;
  }
  void InsertColumn(int ACol) override {
    for (TRowData& r : rows) r.texts.insert(r.texts.begin() + ACol, ""), r.objects.insert(r.objects.begin() + ACol, nullptr);
    ++cols;
  }
  void QSort() override {}
  void MergeCells(int, int, int, int) override {}
  void SplitCells(int, int) override {}
  void SetRowColors(int, TColor, TColor, TColor) override {}
  void SetCellColors(int, int, TColor, TColor, TColor) override {}
  int groupColumn = -1;
  TFloatingFooter footer{nullptr};
  TGrouping grouping;
  std::function<void(int, int, int, double&)> onColumnCalc;
  // Filtering: the row test goes to matchRow (the engine's, set by the test); filter levels
  // are kept per hidden real row, -1 for rows hidden otherwise.
  TFilter& Filter() override { return filter; }
  bool MatchFilterRow(int ARow) override { return matchRow ? matchRow(ARow) : true; }
  std::string CalculatedText(int ACol, int ARow) override {
    ++calcReads;
    return DisplayText(ACol, ARow);
  }
  std::string RowLinesText(int ARow) override {
    std::string out;
    for (int c = 0; c < cols; ++c) out += StoredText(c, ARow) + "\r\n";
    return out;
  }
  bool IsNodeRow(int ARow) override { return nodeRows.count(ARow) > 0; }
  bool IsSummaryRow(int ARow) override { return summaryRows.count(ARow) > 0; }
  bool FilterNormalCellsOnly() const override { return normalCellsOnly; }
  bool HasCustomFilter() const override { return static_cast<bool>(customFilter); }
  void CustomFilter(int ARow, bool& AcceptRow) override { customFilter(ARow, AcceptRow); }
  bool HasFilterProgress() const override { return progressEvent; }
  void FilterProgress(int Percent) override { filterProgress.push_back(Percent); }
  void HideFilterLevel(const std::vector<int>& Rows) override {
    std::vector<int> reals;
    for (int d : Rows) reals.push_back(DisplToRealRow(d));
    for (std::size_t i = Rows.size(); i-- > 0;) {
      hidden[reals[i]] = rows[static_cast<std::size_t>(Rows[i])];
      hiddenLevel[reals[i]] = filterLevel;
      rows.erase(rows.begin() + Rows[i]);
    }
    ++filterLevel;
  }
  void UnHideFilterLevel() override {
    std::vector<int> back;
    for (const auto& [idx, level] : hiddenLevel)
      if (level >= 0 && (filterLevel <= 1 || level == filterLevel - 1)) back.push_back(idx);
    for (int idx : back) {
      TRowData data = hidden[idx];
      hidden.erase(idx);
      hiddenLevel.erase(idx);
      rows.insert(rows.begin() + RealToDisplRow(idx), data);
    }
  }
  int& FilterLevel() override { return filterLevel; }
  void HideFilteredRow(int ARow) override {
    int real = DisplToRealRow(ARow);
    hidden[real] = rows[static_cast<std::size_t>(ARow)];
    rows.erase(rows.begin() + ARow);
  }
  bool SelectionHidden() const override { return selectionHidden; }
  void SetSelectionHidden(bool Value) override { selectionHidden = Value; }
  void UnHideSelection() override {
    selectionHidden = false;
    ++selectionShown;
  }
  void FocusCell(int ACol, int ARow) override {
    col = ACol;
    row = ARow;
  }
  void SetFixedRowAlways(bool Value) override { fixedRowAlways = Value; }
  TFilter filter{nullptr};
  std::function<bool(int)> matchRow;
  std::function<void(int, bool&)> customFilter;
  std::set<int> nodeRows, summaryRows;
  std::map<int, int> hiddenLevel;
  std::vector<int> filterProgress;
  int filterLevel = 0, calcReads = 0, selectionShown = 0;
  bool normalCellsOnly = true, progressEvent = false, selectionHidden = false, fixedRowAlways = false;
  // Find, highlight and cell checks: a selection, hidden rows read from the map, and logs of
  // the row marks and the cells shown.
  TGridRect Selection() const override { return selection; }
  int RealToDisplCol(int ACol) const override { return ACol; }
  int NumHiddenRows() const override { return static_cast<int>(hidden.size()); }
  bool IsHiddenRow(int ARealRow) const override { return hidden.count(ARealRow) > 0; }
  void SetAllCellText(int ACol, int ARealRow, const std::string& Value) override {
    if (auto it = hidden.find(ARealRow); it != hidden.end()) it->second.texts[static_cast<std::size_t>(ACol)] = Value;
    else SetDisplayText(ACol, RealToDisplRow(ARealRow), Value);
  }
  int VisibleRowCount() const override { return visibleRows; }
  void ClearRowSelect() override { selectedRows.clear(); }
  void SetRowSelect(int ARow, bool Value) override {
    if (Value) selectedRows.insert(ARow);
    else selectedRows.erase(ARow);
  }
  bool ShowModifiedEnabled() const override { return showModified; }
  void SetRowModified(int ARealRow, bool Value) override {
    if (Value) modifiedRows.insert(ARealRow);
    else modifiedRows.erase(ARealRow);
  }
  TExtStringGridCheck* CellChecker() const override { return checker; }
  void GotoCell(int ACol, int ARow) override {
    col = ACol;
    row = ARow;
    gotoCells.emplace_back(ACol, ARow);
  }
  TGridRect selection{1, 1, 1, 1};
  int visibleRows = 10;
  bool showModified = false;
  bool disjunctRowSelect = false;
  std::set<int> selectedRows, modifiedRows;
  TExtStringGridCheck* checker = nullptr;
  std::vector<std::pair<int, int>> gotoCells;

  // The texts of column ACol over the display rows and the levels, for short checks.
  std::string Texts(int ACol = 0) const {
    std::string out;
    for (const TRowData& r : rows) out += (out.empty() ? "" : " ") + r.texts[static_cast<std::size_t>(ACol)];
    return out;
  }
  std::vector<int> Levels() const {
    std::vector<int> out;
    for (const TRowData& r : rows) out.push_back(r.level);
    return out;
  }

  std::vector<TRowData> rows;
  int cols = 0;
  int fixedRows = 1, fixedCols = 0, fixedFooters = 0, hiddenColumns = 0;
  int normalRowCount = 0, rowCountChanges = 0;
  int row = 1, topRow = 1, sortRow = -1, swaps = 0, updateLock = 0;
  int checkColumn = -1;
  bool moveRowOnSort = false;
  TNullSettingsHost settingsHost;
  TSortSettings settings;
  TIntList ignoreColumns{0, 0};
  TIntList xref{0, 0};
  std::vector<std::pair<int, int>> rowChanges;
  std::map<int, TRowData> hidden;
  struct TFormat {
    TSortStyle style;
    std::string prefix, suffix;
  };
  std::map<int, TFormat> columnFormats;
  int numNodes = 0, col = 1, hideCalls = 0, footerCalcs = 0, maxRowCountLowered = 0, footerRepaints = 0,
      searchPanelRepaints = 0;
  bool footerVisible = false;
  TCellNode cellNode{nullptr};
  std::function<std::string(int, int, const std::string&)> displayHook;
  std::function<void(int, TSortStyle&, std::string&, std::string&)> onFormat;
  std::function<void(const std::string&, const std::string&, int&)> onCustom;
  std::function<void(int, int, int, int&)> onRaw;
  std::vector<int> widths;
  std::vector<int> hiddenReal;
  TIntList columnOrder{0, 0};
  std::vector<std::vector<int>> resetOrders;
  int defaultColWidth = 64;
  bool designing = false;
  TColumnSize columnSize{&settingsHost};

 private:
  std::size_t Width() const { return static_cast<std::size_t>(std::max(cols, static_cast<int>(rows.empty() ? 0 : rows[0].texts.size()))); }
};

}  // namespace hd::test
