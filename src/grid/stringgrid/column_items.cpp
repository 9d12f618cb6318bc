// The column items of the column grid: their defaults, their setters with the notifications
// the grid listens to, copying between items, and the collection that keeps them in step
// with the grid's columns.
#include "grid/stringgrid/column_items.h"

#include "grid/stringgrid/column_grid.h"
#include "platform/menus.h"
#include "platform/sysutils.h"

namespace hd {

TGridColumnItem::TGridColumnItem(TCollection* Collection) : TCollectionItem(Collection) {
  TExtColumnGrid* grid = Grid();
  if (!grid) return;
  FFont = grid->Font();
  FHeaderFont = grid->Font();
  FPrintFont = grid->Font();
  FColor = grid->Color();
  FFilter.OnChange = [this](TStringList&) { InvalidateGrid(); };
}

TExtColumnGrid* TGridColumnItem::Grid() const {
  auto* columns = dynamic_cast<TGridColumnCollection*>(Collection());
  return columns ? columns->Grid() : nullptr;
}

void TGridColumnItem::InvalidateGrid() const {
  if (TExtColumnGrid* grid = Grid()) grid->InvalidateGrid();
}

int TGridColumnItem::Width() const {
  TExtColumnGrid* grid = Grid();
  return grid ? grid->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value) {
  FWidth = Value;
  if (TExtColumnGrid* grid = Grid()) grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  InvalidateGrid();
}

void TGridColumnItem::SetHeader(const std::string& Value) {
  FColumnHeader = Value;
  TExtColumnGrid* grid = Grid();
  if (!grid) return;
  if (grid->FixedRows() > 0 && !grid->ColMoving()) {
    grid->SetCells(Index(), 0, Value);
    Notify();
  }
  // Refilling the list runs its change notification, which writes every header into row 0.
  TGridColumnCollection& columns = grid->Columns();
  TStringList headers;
  for (int i = 0; i < columns.Count(); ++i) headers.Add(columns.Items(i)->Header());
  grid->ColumnHeaders().Assign(headers);
}

void TGridColumnItem::SetFont(const TFont& Value) {
  FFont = Value;
  Notify();
}

void TGridColumnItem::SetColor(TColor Value) {
  FColor = Value;
  Notify();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  if (FEditorType == Value) return;
  bool repaint = FEditorType == edDataCheckBox || Value == edDataCheckBox;
  FEditorType = Value;
  if (repaint) InvalidateGrid();
}

void TGridColumnItem::SetFixed(bool Value) {
  FFixed = Value;
  Notify();
}

void TGridColumnItem::SetPassword(bool Value) {
  FPassword = Value;
  Notify();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
  FBorders = Value;
  Notify();
}

void TGridColumnItem::SetBorderPen(const TPen& Value) {
  FBorderPen = Value;
  Notify();
}

void TGridColumnItem::SetShowBands(bool Value) {
  FShowBands = Value;
  Notify();
}

void TGridColumnItem::SetColumnPopup(TPopupMenu* Value) {
  FColumnPopup = Value;
  // The grid hears when the menu is freed and forgets it.
  if (TExtColumnGrid* grid = Grid(); grid && Value) Value->FreeNotification(grid);
}

void TGridColumnItem::SetFloatFormat(const std::string& Value) {
  FFloatFormat = Value;
  InvalidateGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  FHeaderAlignment = Value;
  InvalidateGrid();
}

void TGridColumnItem::SetHeaderFont(const TFont& Value) {
  FHeaderFont = Value;
  InvalidateGrid();
}

TExtColumnGrid& TGridColumnItem::CheckedGrid() const {
  TExtColumnGrid* grid = Grid();
  if (!grid) throw Exception("Column item without a grid");
  return *grid;
}

std::string TGridColumnItem::Rows(int ARow) const { return CheckedGrid().Cells(Index(), ARow); }
void TGridColumnItem::SetRows(int ARow, const std::string& Value) { CheckedGrid().SetCells(Index(), ARow, Value); }
int TGridColumnItem::Ints(int ARow) const { return CheckedGrid().Ints(Index(), ARow); }
void TGridColumnItem::SetInts(int ARow, int Value) { CheckedGrid().SetInts(Index(), ARow, Value); }
double TGridColumnItem::Floats(int ARow) const { return CheckedGrid().Floats(Index(), ARow); }
void TGridColumnItem::SetFloats(int ARow, double Value) { CheckedGrid().SetFloats(Index(), ARow, Value); }
TDateTime TGridColumnItem::Dates(int ARow) const { return CheckedGrid().Dates(Index(), ARow); }
void TGridColumnItem::SetDates(int ARow, TDateTime Value) { CheckedGrid().SetDates(Index(), ARow, Value); }
TDateTime TGridColumnItem::Times(int ARow) const { return CheckedGrid().Times(Index(), ARow); }
void TGridColumnItem::SetTimes(int ARow, TDateTime Value) { CheckedGrid().SetTimes(Index(), ARow, Value); }

void TGridColumnItem::AssignCommon(const TGridColumnItem& S) {
  FAlignment = S.FAlignment;
  FHeaderAlignment = S.FHeaderAlignment;
  FBorderPen = S.FBorderPen;
  FBorders = S.FBorders;
  FCheckFalse = S.FCheckFalse;
  FCheckTrue = S.FCheckTrue;
  FEditLength = S.FEditLength;
  FEditLink = S.FEditLink;
  FEditMask = S.FEditMask;
  FEditorType = S.FEditorType;
  FFixed = S.FFixed;
  FPassword = S.FPassword;
  FPrintBorderPen = S.FPrintBorderPen;
  FPrintBorders = S.FPrintBorders;
  FPrintColor = S.FPrintColor;
  FPrintFont = S.FPrintFont;
  FReadOnly = S.FReadOnly;
  FSortPrefix = S.FSortPrefix;
  FSortStyle = S.FSortStyle;
  FSortSuffix = S.FSortSuffix;
  FSpinMax = S.FSpinMax;
  FSpinMin = S.FSpinMin;
  FSpinStep = S.FSpinStep;
  FColumnPopup = S.FColumnPopup;
  // The width is recorded only: the grid's columns keep their sizes.
  FWidth = S.Collection() ? S.Width() : S.FWidth;
  FShowBands = S.FShowBands;
  FMinSize = S.FMinSize;
  FMaxSize = S.FMaxSize;
  FAutoMinSize = S.FAutoMinSize;
  FAutoMaxSize = S.FAutoMaxSize;
  FFilter.Assign(S.FFilter);
  FFilterCaseSensitive = S.FFilterCaseSensitive;
  FDefIdx = S.FDefIdx;
  FFloatFormat = S.FFloatFormat;
}

void TGridColumnItem::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TGridColumnItem*>(Source);
  if (!s) return;
  AssignCommon(*s);
  FColor = s->FColor;
  FComboItems.Assign(s->FComboItems);
  FDropDownCount = s->FDropDownCount;
  FFont = s->FFont;
  FHeaderFont = s->FHeaderFont;
  FColumnHeader = s->FColumnHeader;
  FName = s->FName;
  FTag = s->FTag;
}

void TGridColumnItem::AssignVisuals(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TGridColumnItem*>(Source);
  if (!s) return;
  AssignCommon(*s);
  if (TExtColumnGrid* grid = Grid()) {
    FColor = grid->Color();
    FFont = grid->Font();
  }
}

std::string TGridColumnItem::GetDisplayName() const {
  if (!FName.empty()) return "Col " + IntToStr(Index()) + ": " + FName;
  return "Column " + IntToStr(Index());
}

TGridColumnCollection::TGridColumnCollection(TExtColumnGrid* AOwner)
    : TOwnedCollection(AOwner, ItemClassOf<TGridColumnItem>()), FOwner(AOwner) {}

TGridColumnItem* TGridColumnCollection::Add() {
  auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
  // New columns look like the column before them.
  if (Count() > 1) item->AssignVisuals(Items(Count() - 2));
  return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
  return static_cast<TGridColumnItem*>(TCollection::Insert(Index));
}

void TGridColumnCollection::Update(TCollectionItem* Item) {
  TOwnedCollection::Update(Item);
  if (UpdateCount() > 0 || FNoRecursiveUpdate || !FOwner || FOwner->Loading()) return;
  int n = Count() - FOwner->NumHiddenColumns();
  if (n != FOwner->ColCount() && n > FOwner->FixedCols()) FOwner->SetColCount(n);
  FOwner->UpdateColumnHeaders();
  FOwner->InvalidateGrid();
}

void TGridColumnCollection::SetOrganization() {
  FOwner->SyncColumnsQuietly();
  for (int i = 0; i < Count(); ++i) Items(i)->SetDefIdx(i);
}

}  // namespace hd
