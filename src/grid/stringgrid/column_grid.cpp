// The column grid's life: its column items kept in step with the columns, the headers that
// flow between the items, ColumnHeaders and row 0, column moves, widths, freed menus and the
// column popup menus.
#include "grid/stringgrid/column_grid.h"

#include <algorithm>

#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/menus.h"
#include "platform/sysutils.h"

namespace hd {

TExtColumnGrid::TExtColumnGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {}

TExtColumnGrid::~TExtColumnGrid() {
  // The items go first; their removal must not reach back into the grid.
  if (FColumnCollection) {
    FColumnCollection->SetNoRecursiveUpdate(true);
    FColumnCollection.reset();
  }
  FCellGraphic.reset();
  FSaveCol.reset();
}

void TExtColumnGrid::Create() {
  TExtStringGrid::Create();
  FColumnCollection = CreateColumns();
  FColumnCollection->SetPropName("Columns");
  SyncColumnsQuietly();
  FColMoving = false;
  FCellGraphic = std::make_unique<TCellGraphic>();
  FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

std::unique_ptr<TGridColumnCollection> TExtColumnGrid::CreateColumns() {
  return std::make_unique<TGridColumnCollection>(this);
}

void TExtColumnGrid::Loaded() {
  TExtStringGrid::Loaded();
  // Quietly: items added one by one must not shrink the grid to the count reached so far.
  SyncColumnsQuietly();
  FColumnCollection->SetOrganization();
}

void TExtColumnGrid::SetColCount(int Value) {
  TExtStringGrid::SetColCount(Value);
  // The string grid's construction sets the count before the collection exists.
  if (FColumnCollection) SyncColumnsQuietly();
}

void TExtColumnGrid::InsertCols(int ColIndex, int CCount) {
  if (CCount <= 0 || ColIndex < 0) return;
  TGridColumnCollection& columns = *FColumnCollection;
  bool saved = columns.NoRecursiveUpdate();
  columns.SetNoRecursiveUpdate(true);
  // The items go in first, so that the count the grid then takes finds them in step.
  int at = std::min(ColIndex, columns.Count());
  for (int i = 0; i < CCount; ++i) columns.Insert(at);
  TExtStringGrid::InsertCols(ColIndex, CCount);
  SyncColumns();
  columns.SetNoRecursiveUpdate(saved);
}

void TExtColumnGrid::RemoveCols(int ColIndex, int CCount) {
  int total = TotalColCount();
  if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
  CCount = std::min(CCount, total - ColIndex);
  int shown = 0;
  for (int c = ColIndex; c < ColIndex + CCount; ++c)
    if (!IsHiddenColumn(c)) ++shown;
  // The string grid keeps one visible column; so do the items.
  if (shown >= ColCount()) return;
  TGridColumnCollection& columns = *FColumnCollection;
  bool saved = columns.NoRecursiveUpdate();
  columns.SetNoRecursiveUpdate(true);
  for (int i = 0; i < CCount && ColIndex < columns.Count(); ++i) columns.Delete(ColIndex);
  TExtStringGrid::RemoveCols(ColIndex, CCount);
  SyncColumns();
  columns.SetNoRecursiveUpdate(saved);
}

void TExtColumnGrid::SetColumns(const TGridColumnCollection& Value) { FColumnCollection->Assign(&Value); }

TGridColumnItem* TExtColumnGrid::GetColumnByName(const std::string& AValue) const {
  for (int i = 0; i < FColumnCollection->Count(); ++i)
    if (FColumnCollection->Items(i)->Name() == AValue) return FColumnCollection->Items(i);
  return nullptr;
}

void TExtColumnGrid::SyncColumns() {
  TGridColumnCollection& columns = *FColumnCollection;
  int target = ColCount() + NumHiddenColumns();
  while (columns.Count() < target) columns.Add();
  while (columns.Count() > target) columns.Delete(columns.Count() - 1);
  if (IsDesigning())
    for (int i = 0; i < ColCount(); ++i) SetCells(i, FixedRows(), "Column " + IntToStr(i));
}

void TExtColumnGrid::SyncColumnsQuietly() {
  TGridColumnCollection& columns = *FColumnCollection;
  bool saved = columns.NoRecursiveUpdate();
  columns.SetNoRecursiveUpdate(true);
  SyncColumns();
  columns.SetNoRecursiveUpdate(saved);
}

void TExtColumnGrid::UpdateColumnHeaders() {
  if (FixedRows() <= 0) return;
  TGridColumnCollection& columns = *FColumnCollection;
  TStringList headers;
  for (int i = 0; i < columns.Count(); ++i) {
    TGridColumnItem& item = *columns.Items(i);
    // A title typed into row 0 becomes the item's header.
    if (item.FColumnHeader.empty() && i < TotalColCount() && !Cells(i, 0).empty()) item.FColumnHeader = Cells(i, 0);
    headers.Add(item.FColumnHeader);
  }
  ColumnHeaders().Assign(headers);
}

void TExtColumnGrid::SyncColumnHeaders() {
  if (!FColumnCollection) return;
  const TStringList& headers = ColumnHeaders();
  for (int i = 0; i < FColumnCollection->Count() && i < headers.Count(); ++i)
    FColumnCollection->Items(i)->FColumnHeader = headers[i];
}

void TExtColumnGrid::AllCellsChanged() {
  TExtStringGrid::AllCellsChanged();
  if (FColumnCollection) SyncColumnsQuietly();
}

void TExtColumnGrid::ColWidthsChanged() {
  TExtStringGrid::ColWidthsChanged();
  if (Loading() || Destroying() || !FColumnCollection) return;
  for (int d = 0; d < ColCount(); ++d)
    if (TGridColumnItem* item = ItemOf(DisplToRealCol(d))) item->FWidth = ColWidths(d);
}

void TExtColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
  TGridColumnCollection& columns = *FColumnCollection;
  columns.SetNoRecursiveUpdate(true);
  int top = TopRow();
  int from = DisplToRealCol(FromIndex), to = DisplToRealCol(ToIndex);
  TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
  FColMoving = true;
  // The item travels through a copy at the end, so that every index between keeps its item.
  if (from >= 0 && from < columns.Count() && to >= 0 && to < columns.Count()) {
    columns.Add()->Assign(columns.Items(from));
    columns.Delete(from);
    columns.Insert(to)->Assign(columns.Items(columns.Count() - 1));
    columns.Delete(columns.Count() - 1);
  }
  SetTopRow(top);
  FColMoving = false;
  columns.SetNoRecursiveUpdate(false);
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, from, to);
}

void TExtColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TExtStringGrid::Notification(AComponent, Operation);
  if (Operation != opRemove || !FColumnCollection) return;
  // The menu is compared by address: it is already past its own destructor and no longer
  // answers as a popup menu.
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    TGridColumnItem& item = *FColumnCollection->Items(i);
    if (item.FColumnPopup && static_cast<TComponent*>(item.FColumnPopup) == AComponent) item.FColumnPopup = nullptr;
  }
}

std::uint32_t TExtColumnGrid::GetVersionNr() const { return 0x03010301; }

std::string TExtColumnGrid::GetVersionString() const { return Version() + " Aug, 2012"; }

void TExtColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtStringGrid::MouseDown(Button, Shift, X, Y);
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  // The display column is the item index here, as the menus were always placed.
  TGridColumnItem* item = col >= 0 && row >= 0 ? ItemOf(col) : nullptr;
  if (!item || !item->ColumnPopup()) return;
  TColumnPopupType type = item->ColumnPopupType();
  bool fixedRow = row < FixedRows();
  bool opens = false;
  if (Button == mbLeft) {
    if (type != cpFixedCellsLClick && type != cpNormalCellsLClick && type != cpAllCellsLClick) return;
    opens = type == cpAllCellsLClick || (fixedRow ? type == cpFixedCellsLClick : type == cpNormalCellsLClick);
  } else if (Button == mbRight) {
    if (type != cpFixedCellsRClick && type != cpNormalCellsRClick && type != cpAllCellsRClick) return;
    opens = type == cpAllCellsRClick || (fixedRow ? type == cpFixedCellsRClick : type == cpNormalCellsRClick);
  } else {
    return;
  }
  TPopupMenu* menu = item->ColumnPopup();
  if (OnColumnPopup) OnColumnPopup(this, col, row, menu);
  if (!opens) return;
  TRect r = CellRect(col, row);
  TPoint at = ClientToScreen(TPoint{r.Left, r.Bottom});
  menu->Popup(at.X, at.Y);
}

void TExtColumnGrid::Group(int Colindex) {
  // Ungrouped first, so that the copy taken is of the column asked for and the former
  // grouped column gets its own item back.
  if (GroupColumn() != -1) UnGroup();
  if (TGridColumnItem* item = ItemOf(Colindex)) FSaveCol->Assign(item);
  TExtStringGrid::Group(Colindex);
}

void TExtColumnGrid::UnGroup() {
  int was = GroupColumn();
  TExtStringGrid::UnGroup();
  if (was != -1)
    if (TGridColumnItem* item = ItemOf(was)) item->Assign(FSaveCol.get());
}

}  // namespace hd
