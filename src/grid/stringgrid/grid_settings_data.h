// Settings of the grid's data operations that the string grid owns: sorting, row nodes,
// grouping and the floating footer.
#pragma once

#include <functional>
#include <string>

#include "grid/stringgrid/grid_settings_host.h"
#include "platform/bitmap.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace hd {

enum TSortDirection { sdAscending, sdDescending };
enum TSortBlankPosition { blFirst, blLast };
// The key that, held during a header click, adds the column to a sort over several columns.
enum TIndexSortKey { ikShift, ikCtrl };

// Which column is sorted and how, how a header click sorts, and how the sort indicator looks.
// Show repaints the grid on a change; the header colours repaint the last fixed row on a
// change; Row refuses rows that are not fixed; the rest store.
class TSortSettings : public TPersistent {
 public:
  explicit TSortSettings(TGridSettingsHost* AOwner) : FGrid(AOwner) {}
  TSortSettings(const TSortSettings&) = delete;
  TSortSettings& operator=(const TSortSettings&) = delete;
  const char* ClassName() const override { return "TSortSettings"; }
  TGridSettingsHost* Grid() const { return FGrid; }

  // Header clicks sort, and the sort indicator shows.
  bool Show() const { return FShow; }
  void SetShow(bool Value);
  // Header clicks build a sort over several columns.
  bool IndexShow() const { return FIndexShow; }
  void SetIndexShow(bool Value) { FIndexShow = Value; }
  // Ties are broken by further columns.
  bool Full() const { return FFull; }
  void SetFull(bool Value) { FFull = Value; }
  bool SingleColumn() const { return FSingleColumn; }
  void SetSingleColumn(bool Value) { FSingleColumn = Value; }
  bool IgnoreBlanks() const { return FIgnoreBlanks; }
  void SetIgnoreBlanks(bool Value) { FIgnoreBlanks = Value; }
  TSortBlankPosition BlankPos() const { return FBlankPos; }
  void SetBlankPos(TSortBlankPosition Value) { FBlankPos = Value; }
  bool AutoFormat() const { return FAutoFormat; }
  void SetAutoFormat(bool Value) { FAutoFormat = Value; }
  TSortDirection Direction() const { return FDirection; }
  void SetDirection(TSortDirection Value) { FDirection = Value; }
  // The pictures of the indicators (may be empty); the setters copy.
  const TBitmap& UpGlyph() const { return FUpGlyph; }
  void SetUpGlyph(const TBitmap& Value) { FUpGlyph = Value; }
  const TBitmap& DownGlyph() const { return FDownGlyph; }
  void SetDownGlyph(const TBitmap& Value) { FDownGlyph = Value; }
  const TBitmap& IndexUpGlyph() const { return FIndexUpGlyph; }
  void SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph = Value; }
  const TBitmap& IndexDownGlyph() const { return FIndexDownGlyph; }
  void SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph = Value; }
  bool NormalCellsOnly() const { return FNormalCellsOnly; }
  void SetNormalCellsOnly(bool Value) { FNormalCellsOnly = Value; }
  // Clicks on fixed columns sort too.
  bool FixedCols() const { return FFixedCols; }
  void SetFixedCols(bool Value) { FFixedCols = Value; }
  // The sort column (a real column), -1 for none.
  int Column() const { return FColumn; }
  void SetColumn(int Value) { FColumn = Value; }
  // The fixed row whose cells sort when clicked; Exception "Sort row should be smaller than
  // number of fixed rows" for a row that is not fixed, keeping the old one.
  int Row() const { return FRow; }
  void SetRow(int Value);
  bool AutoColumnMerge() const { return FAutoColumnMerge; }
  void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
  TColor IndexColor() const { return FIndexColor; }
  void SetIndexColor(TColor Value) { FIndexColor = Value; }
  TSortDirection InitSortDirection() const { return FInitSortDirection; }
  void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
  bool UndoSort() const { return FUndoSort; }
  void SetUndoSort(bool Value) { FUndoSort = Value; }
  bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
  void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
  bool SortOnVirtualCells() const { return FSortOnVirtualCells; }
  void SetSortOnVirtualCells(bool Value) { FSortOnVirtualCells = Value; }
  bool IgnoreCase() const { return FIgnoreCase; }
  void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
  // The gradient of the sorted column's cell in the last fixed row; clNone: not used.
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { SetHeaderColorOf(FHeaderColor, Value); }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { SetHeaderColorOf(FHeaderColorTo, Value); }
  TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
  void SetHeaderMirrorColor(TColor Value) { SetHeaderColorOf(FHeaderMirrorColor, Value); }
  TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
  void SetHeaderMirrorColorTo(TColor Value) { SetHeaderColorOf(FHeaderMirrorColorTo, Value); }
  TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
  void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }

  // The settings text: "i;" and the grid's sort index list with IndexShow, else "u" or "d"
  // (the direction) followed by Column ("u4", "d-1").
  std::string SaveToString() const;
  // Reads such a text back and sorts the grid by it: Show goes on first; Exception "Invalid
  // sort settings specifier" for a text of one character; a column that is not an integer
  // changes nothing.
  void LoadFromString(const std::string& Value) { FGrid->LoadSortSettings(Value); }
  // Forgets the sort without moving rows: no column, an empty index list, the last fixed row
  // repainted.
  void Remove();
  // Flips Direction; nothing is sorted or repainted.
  void ToggleDirection();

  // From other sort settings, all but SortOnVirtualCells and IgnoreCase; any other source is
  // ignored.
  void Assign(const TPersistent* Source) override;

 private:
  void SetHeaderColorOf(TColor& Field, TColor Value);
  void RepaintSortRow();

  TGridSettingsHost* FGrid;
  bool FShow = false;
  bool FIndexShow = false;
  bool FFull = true;
  bool FSingleColumn = false;
  bool FIgnoreBlanks = false;
  TSortBlankPosition FBlankPos = blFirst;
  bool FAutoFormat = true;
  TSortDirection FDirection = sdAscending;
  TBitmap FUpGlyph;
  TBitmap FDownGlyph;
  TBitmap FIndexUpGlyph;
  TBitmap FIndexDownGlyph;
  bool FNormalCellsOnly = false;
  bool FFixedCols = false;
  int FColumn = -1;
  int FRow = 0;
  bool FAutoColumnMerge = false;
  TColor FIndexColor = clYellow;
  TSortDirection FInitSortDirection = sdAscending;
  bool FUndoSort = false;
  bool FAutoSortForGrouping = true;
  bool FSortOnVirtualCells = true;
  bool FIgnoreCase = false;
  TColor FHeaderColor = clNone;
  TColor FHeaderColorTo = clNone;
  TColor FHeaderMirrorColor = clNone;
  TColor FHeaderMirrorColorTo = clNone;
  TIndexSortKey FIndexSortKey = ikShift;
};

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// How row nodes look and behave. NodeType, ShowTree, ShowTreeFull, TreeColor and NodeIndent
// repaint the grid when they change; the rest store.
class TCellNode : public TPersistent {
 public:
  explicit TCellNode(TGridSettingsHost* AOwner) : FGrid(AOwner) {}
  TCellNode(const TCellNode&) = delete;
  TCellNode& operator=(const TCellNode&) = delete;
  const char* ClassName() const override { return "TCellNode"; }
  TGridSettingsHost* Grid() const { return FGrid; }

  // Fill of the node glyph.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType Value) { Repaint(FNodeType, Value); }
  // Colour of the glyph's lines.
  TColor NodeColor() const { return FNodeColor; }
  void SetNodeColor(TColor Value) { FNodeColor = Value; }
  // Pictures of the cnGlyph style; the setters copy.
  const TBitmap& ExpandGlyph() const { return FExpandGlyph; }
  void SetExpandGlyph(const TBitmap& Value) { FExpandGlyph = Value; }
  // Expanding a node first contracts every other expanded node.
  bool ExpandOne() const { return FExpandOne; }
  void SetExpandOne(bool Value) { FExpandOne = Value; }
  const TBitmap& ContractGlyph() const { return FContractGlyph; }
  void SetContractGlyph(const TBitmap& Value) { FContractGlyph = Value; }
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool Value) { Repaint(FShowTree, Value); }
  // Tree lines run through the full height of the rows.
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool Value) { Repaint(FShowTreeFull, Value); }
  // Pixels of indentation per node level.
  int NodeIndent() const { return FNodeIndent; }
  void SetNodeIndent(int Value) { Repaint(FNodeIndent, Value); }
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor Value) { Repaint(FTreeColor, Value); }

  // Every property from another cell node setting (pictures by content).
  void Assign(const TPersistent* Source) override;

 private:
  template <class T>
  void Repaint(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    if (FGrid) FGrid->InvalidateGrid();
  }

  TGridSettingsHost* FGrid;
  TColor FColor = clSilver;
  TNodeType FNodeType = cnXP;
  TColor FNodeColor = clBlack;
  TBitmap FExpandGlyph;
  bool FExpandOne = false;
  TBitmap FContractGlyph;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  int FNodeIndent = 12;
  TColor FTreeColor = clGray;
};

// The look of the group header and summary rows of a grouped grid. Every setter stores.
class TGrouping : public TPersistent {
 public:
  const char* ClassName() const override { return "TGrouping"; }

  // The cells of a header (summary) row from column 1 on are merged into one.
  bool MergeHeader() const { return FMergeHeader; }
  void SetMergeHeader(bool Value) { FMergeHeader = Value; }
  bool MergeSummary() const { return FMergeSummary; }
  void SetMergeSummary(bool Value) { FMergeSummary = Value; }
  // Colours of header and summary rows; clNone: not set.
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor SummaryColor() const { return FSummaryColor; }
  void SetSummaryColor(TColor Value) { FSummaryColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor HeaderTextColor() const { return FHeaderTextColor; }
  void SetHeaderTextColor(TColor Value) { FHeaderTextColor = Value; }
  // A summary row follows each group.
  bool Summary() const { return FSummary; }
  void SetSummary(bool Value) { FSummary = Value; }
  TColor SummaryTextColor() const { return FSummaryTextColor; }
  void SetSummaryTextColor(TColor Value) { FSummaryTextColor = Value; }
  TColor SummaryColorTo() const { return FSummaryColorTo; }
  void SetSummaryColorTo(TColor Value) { FSummaryColorTo = Value; }
  bool HeaderUnderline() const { return FHeaderUnderline; }
  void SetHeaderUnderline(bool Value) { FHeaderUnderline = Value; }
  bool SummaryLine() const { return FSummaryLine; }
  void SetSummaryLine(bool Value) { FSummaryLine = Value; }
  int SummaryLineWidth() const { return FSummaryLineWidth; }
  void SetSummaryLineWidth(int Value) { FSummaryLineWidth = Value; }
  int HeaderLineWidth() const { return FHeaderLineWidth; }
  void SetHeaderLineWidth(int Value) { FHeaderLineWidth = Value; }
  TColor SummaryLineColor() const { return FSummaryLineColor; }
  void SetSummaryLineColor(TColor Value) { FSummaryLineColor = Value; }
  TColor HeaderLineColor() const { return FHeaderLineColor; }
  void SetHeaderLineColor(TColor Value) { FHeaderLineColor = Value; }
  // A header row shows the number of its group's data rows.
  bool ShowGroupCount() const { return FShowGroupCount; }
  void SetShowGroupCount(bool Value) { FShowGroupCount = Value; }
  // Format of that number (one integer); empty: " (n)".
  const std::string& GroupCountFormat() const { return FGroupCountFormat; }
  void SetGroupCountFormat(const std::string& Value) { FGroupCountFormat = Value; }
  bool AutoSelectGroup() const { return FAutoSelectGroup; }
  void SetAutoSelectGroup(bool Value) { FAutoSelectGroup = Value; }
  bool AutoCheckGroup() const { return FAutoCheckGroup; }
  void SetAutoCheckGroup(bool Value) { FAutoCheckGroup = Value; }

  // From another grouping all but Summary and the line colours and widths.
  void Assign(const TPersistent* Source) override;

 private:
  bool FMergeHeader = false;
  bool FMergeSummary = false;
  TColor FHeaderColor = clNone;
  TColor FSummaryColor = clNone;
  TColor FHeaderColorTo = clNone;
  TColor FHeaderTextColor = clNone;
  bool FSummary = false;
  TColor FSummaryTextColor = clNone;
  TColor FSummaryColorTo = clNone;
  bool FHeaderUnderline = false;
  bool FSummaryLine = false;
  int FSummaryLineWidth = 2;
  int FHeaderLineWidth = 2;
  TColor FSummaryLineColor = clBlue;
  TColor FHeaderLineColor = clBlue;
  bool FShowGroupCount = false;
  std::string FGroupCountFormat;
  bool FAutoSelectGroup = false;
  bool FAutoCheckGroup = false;
};

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// A custom footer value: the handler sets Value for the footer cell of ACol.
using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;

// The footer strip docked along the grid's bottom. Setters repaint the footer panel unless
// their comment says otherwise.
class TFloatingFooter : public TPersistent {
 public:
  explicit TFloatingFooter(TGridSettingsHost* AOwner) : FGrid(AOwner) {}
  TFloatingFooter(const TFloatingFooter&) = delete;
  TFloatingFooter& operator=(const TFloatingFooter&) = delete;
  const char* ClassName() const override { return "TFloatingFooter"; }
  TGridSettingsHost* Grid() const { return FGrid; }

  // Shows or hides the panel; with fsFixedLastRow the grid's last row becomes its one footer
  // row and leaves the cell area. Repaints the grid.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // Whether the last row leaves the cell area follows the style; repaints grid and panel.
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(TFooterStyle Value);
  // The panel is one pixel lower; follows the grid's default row height. No repaint.
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // A line along the footer's top edge; clNone: none. Repaints only on a change.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  // The column of fsColumnPreview, also passed to the footer paint event.
  int Column() const { return FColumn; }
  void SetColumn(int Value);
  // The markup template of fsCustomPreview; "<#n>" stands for column n of the current row.
  const std::string& CustomTemplate() const { return FCustomTemplate; }
  void SetCustomTemplate(const std::string& Value);
  // Footer calculations include hidden rows. Stored.
  bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
  void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
  // Footer calculations are done at all. Stored.
  bool EnableCalculation() const { return FEnableCalculation; }
  void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
  // Hints over the footer cells; also given to the panel.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);

  TCalcFooterEvent OnCalcFooter;

  // The calculation kind of a column's footer cell (kept in the last row's cell properties).
  TColumnCalcType ColumnCalc(int ACol) const { return FGrid ? FGrid->FooterCalcType(ACol) : acNONE; }
  void SetColumnCalc(int ACol, TColumnCalcType Value) {
    if (FGrid) FGrid->SetFooterCalcType(ACol, Value);
  }

  // Repaints the footer panel.
  void Invalidate();
  // The grid's default row height changed: it becomes Height, and a visible panel takes it
  // as its height.
  void DefaultRowHeightChanged(int Value);

  // From another floating footer: CalculateHiddenRows, Color, Column, CustomTemplate,
  // FooterStyle, then Visible and ShowHint through their setters. Any other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  TGridSettingsHost* FGrid;
  bool FVisible = false;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  int FHeight = 22;
  TColor FColor = clBtnFace;
  TColor FBorderColor = clNone;
  int FColumn = 0;
  std::string FCustomTemplate;
  bool FCalculateHiddenRows = true;
  bool FEnableCalculation = true;
  bool FShowHint = false;
};

}  // namespace hd
