// The cell store of the grid control: the platform's string grid with a properties object per
// cell made on first use, cell text read and written through merged ranges and display hooks,
// merged cells, a cell painter that draws backgrounds, selection looks and grid lines itself,
// and the link to an undo component.
#pragma once

#include <string>

#include "grid/foundation/cell_properties.h"
#include "grid/foundation/grid_types.h"
#include "grid/foundation/merged_cells.h"
#include "platform/grids.h"

namespace hd {

class TExtGridUndoRedo;

// The look of one cell as decided once per paint: what the cell store paints its background in
// and what the content is drawn in. The plain colours are the look before the selection took it.
struct TCellLook {
  TGridDrawState State;
  TBrush Brush;
  TFont Font;
  TColor ColorTo = clNone;
  TColor MirrorColor = clNone;
  TColor MirrorColorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
  TCellGradientDirection GD = GradientVertical;
  // Where the cell stands: its real column, and whether it is fixed or in the normal area.
  int RealCol = 0;
  bool Fixed = false;
  bool Normal = true;
  TColor PlainBrush = clNone;
  TColor PlainFont = clNone;
  TColor PlainColorTo = clNone;
  TColor PlainMirrorColor = clNone;
  TColor PlainMirrorColorTo = clNone;
};

// The platform's string grid under the name the grid's classes derive from.
class TObjStringGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  const char* ClassName() const override { return "TObjStringGrid"; }
};

class TBaseGrid : public TObjStringGrid {
 public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;
  const char* ClassName() const override { return "TBaseGrid"; }

  // The lines the cell painter draws; the platform's own lines stay at width 0.
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor Value);
  // Stored and reported only: the painter always draws.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor Value);
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor Value);
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor Value);
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor Value);
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle Value);
  // The word wrap new cell properties start with.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  // The undo component that replays this grid's changes; not owned, forgotten when freed.
  TExtGridUndoRedo* UndoRedo() const { return FUndoRedo; }
  void SetUndoRedo(TExtGridUndoRedo* Value);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

  // Cell text as shown: a covered cell reads and writes its base cell; rows below the normal
  // row count pass through the display hooks.
  std::string GetCellEx(int ACol, int ARow) const;
  void SetCellEx(int ACol, int ARow, const std::string& Value);
  std::string Cells(int ACol, int ARow) const { return GetCellEx(ACol, ARow); }
  void SetCells(int ACol, int ARow, const std::string& Value) { SetCellEx(ACol, ARow, Value); }
  // The stored text of exactly that cell: no redirection, hook or repaint.
  std::string GetGridCell(int ACol, int ARow) const;
  void SetGridCell(int ACol, int ARow, const std::string& Value);
  std::string GridCells(int ACol, int ARow) const { return GetGridCell(ACol, ARow); }
  void SetGridCells(int ACol, int ARow, const std::string& Value) { SetGridCell(ACol, ARow, Value); }

  // The properties object of a cell, made when missing. The indexes are not checked.
  TCellProperties* GetCellProperties(int ACol, int ARow);
  TCellProperties* CellProperties(int ACol, int ARow) { return GetCellProperties(ACol, ARow); }
  // Frees the cell's properties object (not its graphic object) and stores Value, which
  // may be null; the cell owns Value from then on.
  void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
  // The cell lies inside the grid (hidden columns included) and has a properties object.
  bool HasCellProperties(int ACol, int ARow) const;
  // The cell's properties object when it has one, else null; never makes one.
  TCellProperties* FindCellProperties(int ACol, int ARow) const;
  // The user object kept in the cell's properties; null without them.
  TObject* GetObjectEx(int ACol, int ARow) const;
  void SetObjectEx(int ACol, int ARow, TObject* Value);
  TObject* Objects(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
  void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, Value); }
  TObject* GetGraphicObjectEx(int ACol, int ARow) const;
  // Ignored while the grid is being destroyed.
  void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);
  TObject* GraphicObjects(int ACol, int ARow) const { return GetGraphicObjectEx(ACol, ARow); }
  void SetGraphicObjects(int ACol, int ARow, TObject* Value) { SetGraphicObjectEx(ACol, ARow, Value); }
  // The raw object slot (the properties object itself); the setter neither frees nor makes.
  TObject* GetGridObject(int ACol, int ARow) const;
  void SetGridObject(int ACol, int ARow, TObject* Value);
  TObject* GridObjects(int ACol, int ARow) const { return GetGridObject(ACol, ARow); }
  void SetGridObjects(int ACol, int ARow, TObject* Value) { SetGridObject(ACol, ARow, Value); }
  static TObject* GraphicOfCellProperties(const TCellProperties* P) { return P ? P->FGraphicObject : nullptr; }
  // Frees the properties object, leaving its graphic object to the caller.
  void FreeCellProperties(int ACol, int ARow);
  // Frees the properties objects of the range and the cell graphics they hold.
  void FreeCellPropertiesRange(int ACol1, int ARow1, int ACol2, int ARow2);
  void FreeAllCellProperties();
  // Empty the object slots of a column, a row or a cell without freeing (the caller has
  // taken the properties objects) and clear their texts.
  void ResetColStore(int ACol);
  void ResetRowStore(int ARow);
  void ResetCellStore(int ACol, int ARow);

  // Invalidates the cell's rectangle (its whole range when merged) once the window exists.
  void RepaintCell(int ACol, int ARow);

  // Merged cells: a covered cell answers for its range's base cell.
  const TMergedCells& MergedCells() const { return FMerged; }
  int MergeCount() const { return FMergeCount; }
  TPoint BaseCell(int ACol, int ARow) const { return FMerged.BaseCell(ACol, ARow); }
  bool IsBaseCell(int ACol, int ARow) const { return FMerged.IsBaseCell(ACol, ARow); }
  bool IsMergedCell(int ACol, int ARow) const { return FMerged.IsMergedCell(ACol, ARow); }
  bool IsMergedNonBaseCell(int ACol, int ARow) const { return FMerged.IsMergedNonBaseCell(ACol, ARow); }
  bool IsXMergedCell(int ACol, int ARow) const { return FMerged.IsXMergedCell(ACol, ARow); }
  bool IsYMergedCell(int ACol, int ARow) const { return FMerged.IsYMergedCell(ACol, ARow); }
  TPoint CellSpan(int ACol, int ARow) const { return FMerged.CellSpan(ACol, ARow); }
  TPoint CellExt(int ACol, int ARow) const { return FMerged.CellExt(ACol, ARow); }
  TRect FullCell(int ACol, int ARow) const { return FMerged.FullCell(ACol, ARow); }
  bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
    return FMerged.ResolveBaseCell(ACol, ARow, BaseCol, BaseRow);
  }
  int MinRowSpan(int ARow) const { return FMerged.MinRowSpan(ARow); }
  int MaxRowSpan(int ARow) const { return FMerged.MaxRowSpan(ARow); }
  bool RowSpanIdentical(int ARow1, int ARow2) const { return FMerged.RowSpanIdentical(ARow1, ARow2); }
  bool ColSpanIdentical(int ACol1, int ACol2) const { return FMerged.ColSpanIdentical(ACol1, ACol2); }
  // Merges SpanX columns by SpanY rows with the base cell (ACol, ARow). The rectangle is
  // taken as given: the caller keeps it inside the grid.
  virtual void MergeCells(int ACol, int ARow, int SpanX, int SpanY);
  // Splits the range that holds the cell.
  virtual void SplitCells(int ACol, int ARow);
  // The client rectangle of the cell, of its whole range when merged; all zeros out of view.
  TRect CellRect(int ACol, int ARow) const;
  // Width and height of the cell, of its whole range when merged.
  TPoint CellSize(int ACol, int ARow) const;
  // The client rectangle from the column widths and row heights, also for cells scrolled
  // out of view.
  TRect UnclippedCellRect(int ACol, int ARow) const;
  // Moves the current cell to the base cell of its range.
  void MoveToBaseCell();

  // Paints a cell onto any canvas: with its range's rectangle, and without (the rectangle
  // taken as given, no content, selected state in the active-row colours).
  void PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // The paint pass counter: it rises after every paint of the control.
  int PaintID() const { return FPaintID; }

  // Columns including hidden ones; the display index of a real column.
  virtual int TotalColCount() const { return ColCount(); }
  virtual int DisplColIndex(int ACol) const { return ACol; }
  // Painted as a fixed cell.
  virtual bool IsFixed(int ACol, int ARow) const;

 protected:
  // A cell's new properties object from the defaults, stored without a repaint (a cell that
  // only now gets the object its look always had).
  TCellProperties* NewCellProperties(int ACol, int ARow);
  // The properties object a cell inside the grid has already; a cell the store keeps packed
  // stays so (it is never merged, so its text needs no properties).
  const TCellProperties* MadePropsInGrid(int ACol, int ARow) const;
  virtual int GetRowIndent(int /*ARow*/) const { return 0; }
  // True omits the horizontal line of column 0 (the tree lines take its place).
  virtual bool HasNodes() const { return false; }
  // The cell's content in the content rectangle: its text on one line, centred.
  virtual void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // The content with the look the background was painted in; the cell store's draws as above.
  virtual void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, const TCellLook& Look);
  // Written into the last row while it is kept out of view.
  virtual void LastRowChanged() {}
  virtual void GetDisplText(int ACol, int ARow, std::string& Value) const;
  virtual void GetDisplWideText(int ACol, int ARow, WideString& Value) const;
  // The look a new properties object starts with.
  virtual void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                        TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
  // After SetCellEx wrote a cell that has properties, with its base cell.
  virtual void CellTextChanged(int /*ACol*/, int /*ARow*/) {}
  virtual bool HasCustomCellBorders() const { return false; }
  // True leaves fixed and selected cells' backgrounds to the platform style.
  virtual bool IsStyled() const { return false; }
  // The look of a cell for the painter; the cell store leaves everything as it is passed.
  virtual void GetCellLook(int ACol, int ARow, TCellLook& Look, bool Print, bool Select, bool Remap);
  // GetCellLook with each part of the look passed on its own.
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD);

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void TopLeftChanged() override;

  void DoPaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool UseMergedRect);
  // Pixels taken by the fixed columns and the fixed rows.
  int FixedColsWidth() const;
  int FixedRowsHeight() const;

  bool FDefaultDrawing = false;
  int FGridLineWidth = 1;
  TColor FGridLineColor = 0x00C0C0C0;
  TColor FGridFixedLineColor = 0x00808080;
  int FPaintID = 1;
  // The last row stays out of view (the string grid's floating footer).
  bool FHideLastRow = false;
  // Rows at or beyond it are scratch rows, read raw.
  int FNormalRowCount = 0;
  TExtGridUndoRedo* FUndoRedo = nullptr;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  // The row under the mouse, -1 for none.
  int FHoverRowIdx = -1;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells{hcNormal, hcSelected};
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  // Selected cells are painted as selected.
  bool FShowSel = true;
  // Some cell has had a properties object since the grid was last cleared.
  bool FHasCellProps = false;
  // Merges done minus splits done.
  int FMergeCount = 0;

 private:
  friend class TCellProperties;
  friend class TMergedCells;
  // The cell's properties when it lies in the grid and has them.
  TCellProperties* PropsInGrid(int ACol, int ARow) const;
  void RepaintMergedFixedCells();
  void FreeCellPropertiesObject(TCellProperties* P);
  TMergedCells FMerged{*this};
};

}  // namespace hd
