// The grid's query surface: dimensions with their fixed areas, the current column, sizes,
// plain settings with their repaints, the owned objects, the version, and what the settings
// objects ask of the grid.
#include <algorithm>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/canvas.h"
#include "platform/sysutils.h"

namespace hd {

void TExtStringGrid::SetRowCount(int Value) {
  TExtStringGridPrivate& p = *FP;
  int oldCount = RowCount();
  TBaseGrid::SetRowCount(Value);
  if (RowCount() > p.FixedRowsMin && FP->Layout.FFixedRowAlways) SetFixedRows(p.FixedRowsMin);
  p.MaxRowCount = std::max(p.MaxRowCount, Value);
  FNormalRowCount = Value;
  // Rows to show again bring back a selection that went out of view with the last row.
  if (p.SelectionHidden && RowCount() > FixedRows()) UnHideSelection();
  UpdateFooter();
  ApplyScrollBarAlways(false);
  if (p.FloatingFooter->Visible() && RowCount() != oldCount) {
    // The footer stays the last row: its cells move down (or up) to the new last row; the
    // objects the old last row held stay where they are.
    int oldLast = oldCount - 1, newLast = RowCount() - 1;
    for (int c = 0; c < TotalColCount(); ++c) {
      SetGridCells(c, newLast, GetGridCell(c, oldLast));
      if (oldLast < RowCount()) SetGridCells(c, oldLast, "");
      // A footer row that moves down takes its properties along: they keep its calculation kinds.
      if (newLast > oldLast && oldLast >= 0 && !GetGridObject(c, newLast)) {
        SetGridObject(c, newLast, GetGridObject(c, oldLast));
        SetGridObject(c, oldLast, nullptr);
      }
    }
    CalcFooter(-1);
  }
}

void TExtStringGrid::SetColCount(int Value) {
  TExtStringGridPrivate& p = *FP;
  TBaseGrid::SetColCount(Value);
  if (ColCount() > p.FixedColsMin && FP->Layout.FFixedColAlways) SetFixedCols(p.FixedColsMin);
  p.MaxColCount = std::max(p.MaxColCount, Value);
  UpdateFooter();
  // Integral height counts the horizontal scroll bar that the new count may bring.
  SetBounds(Left(), Top(), Width(), Height());
  ApplyScrollBarAlways(false);
}

int TExtStringGrid::FixedRows() const {
  int n = TBaseGrid::FixedRows();
  return n == 0 && FP->Layout.FFixedRowAlways ? 1 : n;
}

void TExtStringGrid::SetFixedRows(int Value) {
  if (Value >= RowCount() && FP->Layout.FFixedRowAlways)
    TBaseGrid::SetFixedRows(RowCount() - 1);
  else
    TBaseGrid::SetFixedRows(Value);
  if (!Loading()) FP->FixedRowsMin = Value;
}

int TExtStringGrid::FixedCols() const {
  int n = TBaseGrid::FixedCols();
  return n == 0 && FP->Layout.FFixedColAlways ? 1 : n;
}

void TExtStringGrid::SetFixedCols(int Value) {
  if (Value >= ColCount() && FP->Layout.FFixedColAlways)
    TBaseGrid::SetFixedCols(ColCount() - 1);
  else
    TBaseGrid::SetFixedCols(Value);
  if (!Loading()) FP->FixedColsMin = Value;
}

int TExtStringGrid::MaxRowCount() const { return FP->MaxRowCount; }
int TExtStringGrid::MaxColCount() const { return FP->MaxColCount; }

void TExtStringGrid::SetDefaultRowHeight(int Value) {
  TBaseGrid::SetDefaultRowHeight(Value);
  if (IsDesigning()) FP->Layout.FFixedRowHeight = Value;
  FP->FloatingFooter->DefaultRowHeightChanged(Value);
}

void TExtStringGrid::SetFixedRowHeight(int Value) {
  FP->Layout.FFixedRowHeight = Value;
  if (Loading()) return;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(Value);
    return;
  }
  for (int r = 0; r < TBaseGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

void TExtStringGrid::SetFixedColWidth(int Value) {
  if (Loading() || Value == DefaultColWidth()) return;
  for (int c = 0; c < TBaseGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TExtStringGrid::SetDefaultAlignment(TAlignment Value) { SetAndInvalidate(FP->Text.FDefaultAlignment, Value); }

void TExtStringGrid::SetFixedFooters(int Value) {
  FP->Layout.FFixedFooters = Value;
  InvalidateGrid();
}

void TExtStringGrid::SetFixedRightCols(int Value) {
  FP->Layout.FFixedRightCols = Value;
  InvalidateGrid();
}

void TExtStringGrid::SetCol(int Value) {
  TBaseGrid::SetCol(Value);
  TSyncGrid& sync = *FP->SyncGrid;
  if (TStringGrid* other = sync.Grid(); other && sync.SelectionColumn() && other->Col() != Value) {
    // A synchronised string grid follows through its own setter, so that its partners do too.
    if (auto* ext = dynamic_cast<TExtStringGrid*>(other))
      ext->SetCol(Value);
    else
      other->SetCol(Value);
  }
}

void TExtStringGrid::SetWordWrap(bool Value) {
  FP->Text.FWordWrapEx = Value;
  TBaseGrid::SetWordWrap(Value);
  if (FP->UpdateCount == 0) InvalidateGrid();
}

void TExtStringGrid::SetVAlignment(TVAlignment Value) {
  FP->Text.FVAlignment = Value;
  switch (Value) {
    case vtaTop: FP->Text.FVAlign = DT_TOP; break;
    case vtaCenter: FP->Text.FVAlign = DT_VCENTER; break;
    case vtaBottom: FP->Text.FVAlign = DT_BOTTOM; break;
  }
  if (FP->UpdateCount == 0) InvalidateGrid();
}

void TExtStringGrid::SetAutoSize(bool Value) {
  FP->Layout.FAutoSize = Value;
  if (FP->Layout.FAutoSize && !Loading()) AutoSizeColumns(false, 10);
}

void TExtStringGrid::SetFlat(bool Value) {
  FP->Colors.FFlat = Value;
  if (!Loading()) InvalidateGrid();
}

void TExtStringGrid::SetShowSelection(bool Value) {
  if (FP->Colors.FShowSelection == Value) return;
  FP->Colors.FShowSelection = Value;
  FShowSel = Value;
  InvalidateGrid();
}

void TExtStringGrid::SetSpreadSheet(bool Value) {
  FP->EditRules.FSpreadSheet = Value;
  SetSelectionRectangle(true);
  SetSelectionResizer(true);
  FP->Navigation->SetAllowSmartClipboard(true);
  SetOptions(Options() + TGridOptions{goRangeSelect, goEditing});
  FP->MouseActions->SetRangeSelectAndEdit(true);
}

void TExtStringGrid::SetSelectionColorMixerFactor(int Value) {
  SetAndInvalidate(FP->Colors.FSelectionColorMixerFactor, std::clamp(Value, 0, 100));
}

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
  FP->Scrolling.FScrollBarAlways = Value;
  ApplyScrollBarAlways(true);
}

void TExtStringGrid::SetFixedFont(const TFont& Value) {
  FP->Colors.FFixedFont = Value;
  InvalidateGrid();
}

void TExtStringGrid::SetActiveCellFont(const TFont& Value) {
  FP->Colors.FActiveCellFont = Value;
  InvalidateGrid();
}

void TExtStringGrid::ChangeScale(int M, int D) {
  if (IsDesigning() || M == D || D == 0) return;
  TExtStringGridPrivate& p = *FP;
  p.Colors.FFixedFont.Size = MulDiv(p.Colors.FFixedFont.Size, M, D);
  p.Colors.FActiveCellFont.Size = MulDiv(p.Colors.FActiveCellFont.Size, M, D);
  InvalidateGrid();
}

// Kept resolved to RGB, as the grid's own gradient setters keep it.
void TExtStringGrid::SetDAZGradientColor(TFixedGradientColor Which, TColor Value) {
  FP->Colors.FDAZGradient[Which] = Value == clNone ? clNone : ColorToRGB(Value);
}

std::uint32_t TExtStringGrid::GetVersionNr() const { return 0x06020103; }

std::string TExtStringGrid::Version() const {
  std::uint32_t v = GetVersionNr();
  return IntToStr(v >> 24) + "." + IntToStr((v >> 16) & 0xFF) + "." + IntToStr((v >> 8) & 0xFF) + "." +
         IntToStr(v & 0xFF);
}

std::string TExtStringGrid::GetVersionString() const { return Version() + " Sep, 2012"; }

TFocusHelper& TExtStringGrid::FocusHelper() { return *FP->FocusHelper; }
TSearchFooter& TExtStringGrid::SearchFooter() { return *FP->SearchFooter; }
TFloatingFooter& TExtStringGrid::FloatingFooter() { return *FP->FloatingFooter; }
TPrintSettings& TExtStringGrid::PrintSettings() { return *FP->PrintSettings; }
THTMLSettings& TExtStringGrid::HTMLSettings() { return *FP->HTMLSettings; }
TSortSettings& TExtStringGrid::SortSettings() { return *FP->SortSettings; }
void TExtStringGrid::SetSortSettings(const TSortSettings& Value) { FP->SortSettings->Assign(&Value); }
TDragDropSettings& TExtStringGrid::DragDropSettings() { return *FP->DragDropSettings; }
TDragScrollOptions& TExtStringGrid::DragScrollOptions() { return *FP->DragScrollOptions; }
void TExtStringGrid::SetDragScrollOptions(const TDragScrollOptions& Value) { FP->DragScrollOptions->Assign(&Value); }
TControlLook& TExtStringGrid::ControlLook() { return *FP->ControlLook; }
TNavigation& TExtStringGrid::Navigation() { return *FP->Navigation; }
TColumnSize& TExtStringGrid::ColumnSize() { return *FP->ColumnSize; }
TCellNode& TExtStringGrid::CellNode() { return *FP->CellNode; }
TBands& TExtStringGrid::Bands() { return *FP->Bands; }
TSizeWhileTyping& TExtStringGrid::SizeWhileTyping() { return *FP->SizeWhileTyping; }
TMouseActions& TExtStringGrid::MouseActions() { return *FP->MouseActions; }
TGrouping& TExtStringGrid::Grouping() { return *FP->Grouping; }
TStringList& TExtStringGrid::Sortlist() { return *FP->Sortlist; }
TStringList& TExtStringGrid::LookupItems() { return *FP->LookupItems; }
void TExtStringGrid::SetLookupItems(const TStringList* Value) {
  if (Value) FP->LookupItems->Assign(*Value);
}
TBackGround& TExtStringGrid::BackGround() { return *FP->BackGround; }
TGridProgressAppearance& TExtStringGrid::ProgressAppearance() { return *FP->ProgressAppearance; }
TSyncGrid& TExtStringGrid::SyncGrid() { return *FP->SyncGrid; }
TFilter& TExtStringGrid::Filter() { return *FP->Filter; }
TBalloonSettings& TExtStringGrid::Balloon() { return *FP->Balloon; }
TShowModified& TExtStringGrid::ShowModified() { return *FP->ShowModified; }
TFilterDropDown& TExtStringGrid::FilterDropDown() { return *FP->FilterDropDown; }
TStringList& TExtStringGrid::FilterList() { return *FP->FilterList; }
TIntList& TExtStringGrid::IgnoreColumns() { return *FP->IgnoreColumns; }
TIntList& TExtStringGrid::MergedColumns() { return *FP->MergedColumns; }
TIntList& TExtStringGrid::OrigColSizes() { return *FP->OrigColSizes; }
TControlList& TExtStringGrid::ControlList() { return *FP->ControlList; }
TFooterPanel* TExtStringGrid::FooterPanel() const { return FP->FooterPanel; }
TDropList* TExtStringGrid::DropList() const { return FP->DropList; }
TDropCheckList* TExtStringGrid::DropCheckList() const { return FP->DropCheckList; }
TSortIndexList& TExtStringGrid::SortIndexes() { return *FP->SortIndexes; }
TCellGraphic& TExtStringGrid::SharedCellGraphic() { return *FP->CellGraphic; }

void TExtStringGrid::InvalidateGrid() { TBaseGrid::InvalidateGrid(); }

void TExtStringGrid::RepaintRow(int ARow) { InvalidateRow(ARow); }

void TExtStringGrid::RepaintCell(int ACol, int ARow) { TBaseGrid::RepaintCell(ACol, ARow); }

bool TExtStringGrid::IsDesigning() const { return ComponentState().Contains(csDesigning); }

void TExtStringGrid::SetHideLastRow(bool Value) {
  FHideLastRow = Value;
  InvalidateGrid();
}

void TExtStringGrid::SetFooterPanelHeight(int Value) {
  if (FP->FooterPanel) FP->FooterPanel->SetHeight(Value);
}

void TExtStringGrid::SetFooterPanelVisible(bool Value) {
  if (FP->FooterPanel) FP->FooterPanel->SetVisible(Value);
}

void TExtStringGrid::SetFooterPanelShowHint(bool Value) {
  if (FP->FooterPanel) FP->FooterPanel->SetShowHint(Value);
}

void TExtStringGrid::UpdateFooter() {
  if (FP->FooterPanel) FP->FooterPanel->Invalidate();
}

void TExtStringGrid::ClearEditingOption() { SetOptions(Options() - TGridOptions{goEditing}); }

}  // namespace hd
