// The grid class of every table window: a string grid that keeps one settings object per
// column and answers its per-cell questions from the cell's column before the string grid's
// own behaviour and events. A window sets a column's header, editor kind and combo list, and
// gets read-only columns, combo-list columns and "Y"/"N" check-box columns without code.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/stringgrid/column_items.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

class TPopupMenu;
class TStream;

using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TExtColumnGrid : public TExtStringGrid {
 public:
  explicit TExtColumnGrid(TComponent* AOwner);
  ~TExtColumnGrid() override;
  const char* ClassName() const override { return "TExtColumnGrid"; }

  // Visible columns, fixed ones included; setting it brings the items in step.
  int ColCount() const { return TExtStringGrid::ColCount(); }
  void SetColCount(int Value) override;
  // Item i holds the settings of real column i.
  TGridColumnCollection& Columns() { return *FColumnCollection; }
  const TGridColumnCollection& Columns() const { return *FColumnCollection; }
  // The collection copies the given one.
  void SetColumns(const TGridColumnCollection& Value);
  // The first item with exactly that name (case counts), or null.
  TGridColumnItem* ColumnByName(const std::string& AValue) const { return GetColumnByName(AValue); }
  TGridColumnItem* GetColumnByName(const std::string& AValue) const;
  // Headers set through the items show in row 0 and in ColumnHeaders.
  void UpdateColumnHeaders();
  // Keeps the item count at ColCount plus the hidden columns; new items copy the visuals of
  // the last one.
  void SyncColumns();
  // Every setting of every item to a stream and back (column_streams.cpp); a stream that does
  // not read back whole raises EReadError and changes no column. Links to editors and menus
  // are not saved.
  void SaveColumnsToStream(TStream& st);
  void LoadColumnsFromStream(TStream& st);
  // The items' fonts and header fonts scaled by M / D.
  void ChangeScale(int M, int D) override;
  // Columns in and out take their items along (store columns).
  void InsertCols(int ColIndex, int CCount) override;
  void RemoveCols(int ColIndex, int CCount) override;
  // Grouping keeps a copy of the grouped column's item and gives it back on ungrouping.
  void Group(int Colindex) override;
  void UnGroup() override;
  // The column filter list picks the column's header.
  bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
  void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
  // A column move is being carried out.
  bool ColMoving() const { return FColMoving; }

  // With an INI file named by ColumnSize, the "CP" entries: each column's design position in
  // display order; else the string grid's "Pos" entries.
  void SaveColPositions() override;
  void LoadColPositions() override;
  void SaveColumnPositions(const std::string& Key, const std::string& Section);
  // Nothing changes unless the section holds a design position for every column.
  void LoadColumnPositions(const std::string& Key, const std::string& Section);

  std::uint32_t GetVersionNr() const override;
  std::string GetVersionString() const override;

  // --- The per-cell answers from the column items. Columns are real columns.
  void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
  void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
  void GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) override;
  void GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) override;
  void GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  void GetColFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) override;
  void GetFloatFormat(int ACol, std::string& Format) override;
  std::string GetFormattedCell(int ACol, int ARow) override;
  void QueryCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
  // Also prepares the shared editors from the column: combo list and count, spin range.
  void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
  bool HasComboBox(int ACol, int ARow) override;
  void IsFixedCell(int ACol, int ARow, bool& IsFixed) override;
  // Editable only where the column is neither read-only nor fixed; the grid's options do
  // not count.
  void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
  void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
  // The column's texts win over the event's.
  void GetCheckTrue(int ACol, int ARow, std::string& Value) override;
  void GetCheckFalse(int ACol, int ARow, std::string& Value) override;
  // A data check-box column hands its body cells without an object of their own a shared
  // check box whose state is the cell text.
  TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
  TCellType GetCellType(int ACol, int ARow) override;
  void AllCellsChanged() override;
  void UpdateColSize(int ACol, int& AWidth) override;
  void UpdateAutoColSize(int ACol, int& AWidth) override;
  // The column's Filter entries (their display parts) when it has some.
  bool GetColumnFilter(int ACol) override;
  // A choice from the column item's own filter list ("display=condition" entries).
  void FilterListSelect(TObject* Sender, int ItemIndex) override;

  TColumnPopupEvent OnColumnPopup;
  TAfterColumnMovedEvent OnAfterColumnMoved;

 protected:
  void Create() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ColWidthsChanged() override;
  // A dragged column takes its item along (display indexes; the event reports real ones).
  void ColumnMoved(int FromIndex, int ToIndex) override;
  // Copies ColumnHeaders into the items' headers.
  void SyncColumnHeaders() override;
  void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                bool& WW, TCellGradientDirection& GD) override;
  int GetEditLimit() override;
  std::string GetEditMask(int ACol, int ARow) override;
  // Opens a column's popup menu on the click its ColumnPopupType names.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The collection the grid keeps its columns in.
  virtual std::unique_ptr<TGridColumnCollection> CreateColumns();

 private:
  friend class TGridColumnItem;
  friend class TGridColumnCollection;
  // The item of a real column, or null when the column has none.
  TGridColumnItem* ItemOf(int ACol) const;
  bool IsNormalCell(int ACol, int ARow) const;
  // A column that is neither fixed at the left nor at the right.
  bool IsBodyColumn(int ACol) const;
  // A normal cell outside the fixed right columns and the footer rows.
  bool IsBodyCell(int ACol, int ARow) const;
  // The item of a body cell in a data-check-box column, or null.
  TGridColumnItem* DataCheckBoxItem(int ACol, int ARow) const;
  // A width within the limits that are set (0: none).
  static int LimitWidth(int AWidth, int MinSize, int MaxSize);
  // SyncColumns with the items' notifications kept from resizing the grid.
  void SyncColumnsQuietly();
  bool Loading() const { return ComponentState().Contains(csLoading); }

  std::unique_ptr<TGridColumnCollection> FColumnCollection;
  // The settings of a column taken out by grouping.
  std::unique_ptr<TGridColumnItem> FSaveCol;
  bool FColMoving = false;
  // The check box every data-check-box cell without its own object shares.
  std::unique_ptr<TCellGraphic> FCellGraphic;
  bool FAutoFilterDisplay = false;
};

}  // namespace hd
