// The cell store: construction, settings, cell text, properties objects and the objects they
// hold.
#include "grid/foundation/base_grid.h"

#include "grid/foundation/text_utils.h"
#include "grid/foundation/undo.h"
#include "platform/grids/cell_store.h"

namespace hd {

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow) {
  if (AOwner) {
    FWordWrap = AOwner->FWordWrap;
    AOwner->FHasCellProps = true;
  }
}

void TCellProperties::Assign(const TPersistent* Source) {
  auto* S = dynamic_cast<const TCellProperties*>(Source);
  if (!S) {
    TPersistent::Assign(Source);
    return;
  }
  FIsBaseCell = S->FIsBaseCell;
  FCellSpanX = S->FCellSpanX;
  FCellSpanY = S->FCellSpanY;
  FOwnerRow = S->FOwnerRow;
  FOwnerCol = S->FOwnerCol;
  FObject = S->FObject;
  FAlignment = S->FAlignment;
  FBorderColor = S->FBorderColor;
  FBorderWidth = S->FBorderWidth;
  FBrushColor = S->FBrushColor;
  FBrushStyle = S->FBrushStyle;
  FFontColor = S->FFontColor;
  FFontStyle = S->FFontStyle;
  FFontName = S->FFontName;
  FFontSize = S->FFontSize;
  FReadOnly = S->FReadOnly;
  FEditor = S->FEditor;
  FVAlignment = S->FVAlignment;
  FWordWrap = S->FWordWrap;
  FNodeLevel = S->FNodeLevel;
  FControl = S->FControl;
}

void TCellProperties::RepaintOwner() {
  if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor v) {
  FBrushColor = v;
  RepaintOwner();
}

void TCellProperties::SetBrushColorTo(TColor v) {
  FBrushColorTo = v;
  RepaintOwner();
}

void TCellProperties::SetVAlignment(TVAlignment v) {
  FVAlignment = v;
  RepaintOwner();
}

void TCellProperties::SetWordWrap(bool v) {
  FWordWrap = v;
  RepaintOwner();
}

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner) {
  // The cell painter draws every line itself.
  TObjStringGrid::SetGridLineWidth(0);
}

TBaseGrid::~TBaseGrid() {
  // From here on SetGraphicObjectEx does nothing. Every properties object goes, also those of
  // cells past the counts, which the store keeps when the grid shrinks.
  MarkDestroying();
  if (!FHasCellProps) return;
  for (const TCellStore::TObjectCell& cell : Store().ObjectCells())
    if (auto* P = dynamic_cast<TCellProperties*>(cell.Object)) FreeCellPropertiesObject(P);
}

void TBaseGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  TObjStringGrid::SetGridLineWidth(0);
  Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  FGridLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
  FGridFixedLineColor = Value;
  Invalidate();
}

namespace {

// Stores a look setting and repaints only when it changed.
template <typename T>
void SetAndInvalidate(TBaseGrid& grid, T& field, T value) {
  if (field == value) return;
  field = value;
  grid.Invalidate();
}

}  // namespace

void TBaseGrid::SetActiveRowShow(bool Value) { SetAndInvalidate(*this, FActiveRowShow, Value); }
void TBaseGrid::SetActiveRowColor(TColor Value) { SetAndInvalidate(*this, FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { SetAndInvalidate(*this, FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { SetAndInvalidate(*this, FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) { SetAndInvalidate(*this, FActiveRowMirrorColorTo, Value); }
void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) { SetAndInvalidate(*this, FSelectionStyle, Value); }

void TBaseGrid::SetUndoRedo(TExtGridUndoRedo* Value) {
  FUndoRedo = Value;
  if (!Value) return;
  // Either side forgets the other when it goes first.
  FreeNotification(Value);
  Value->SetGrid(this);
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TObjStringGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
}

std::string TBaseGrid::GetCellEx(int ACol, int ARow) const {
  if (const TCellProperties* P = MadePropsInGrid(ACol, ARow)) {
    TPoint base = P->GetBaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
  }
  std::string text(Store().Text(ACol, ARow));
  // Rows past the normal count are the scratch rows of the data operations: raw.
  if (ARow >= FNormalRowCount) return text;
  GetDisplText(ACol, ARow, text);
  if (!OnGetDisplWideText) return text;
  WideString wide = DecodePackedUnicode(text);
  GetDisplWideText(ACol, ARow, wide);
  return EncodePackedUnicode(wide);
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const std::string& Value) {
  if (const TCellProperties* P = MadePropsInGrid(ACol, ARow)) {
    TPoint base = P->GetBaseCell(ACol, ARow);
    Store().SetText(base.X, base.Y, Value);
    CellTextChanged(base.X, base.Y);
    if (Parent()) RepaintCell(ACol, ARow);
  } else {
    // The platform's write, which repaints the cell when it is in view.
    TObjStringGrid::SetCells(ACol, ARow, Value);
  }
  if (FHideLastRow && ARow == RowCount() - 1) LastRowChanged();
}

std::string TBaseGrid::GetGridCell(int ACol, int ARow) const { return std::string(Store().Text(ACol, ARow)); }

void TBaseGrid::SetGridCell(int ACol, int ARow, const std::string& Value) { Store().SetText(ACol, ARow, Value); }

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
  if (OnGetDisplText) OnGetDisplText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, WideString& Value) const {
  if (OnGetDisplWideText) OnGetDisplWideText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

TCellProperties* TBaseGrid::FindCellProperties(int ACol, int ARow) const {
  // Only cells that were given properties hold an object; the rest answer at once.
  TObject* slot = Store().Object(ACol, ARow);
  return slot ? dynamic_cast<TCellProperties*>(slot) : nullptr;
}

TCellProperties* TBaseGrid::PropsInGrid(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return nullptr;
  return FindCellProperties(ACol, ARow);
}

const TCellProperties* TBaseGrid::MadePropsInGrid(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return nullptr;
  TObject* slot = Store().StoredObject(ACol, ARow);
  return slot ? dynamic_cast<TCellProperties*>(slot) : nullptr;
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const { return PropsInGrid(ACol, ARow) != nullptr; }

void TBaseGrid::GetDefaultCellProperties(int, int, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  AFont = Font();
  ABrush.Color = Color();
  AColorTo = clNone;
  AMirrorColor = clNone;
  AMirrorColorTo = clNone;
  HA = taLeftJustify;
  VA = vtaTop;
  WW = FWordWrap;
  GD = GradientVertical;
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
  if (TCellProperties* P = FindCellProperties(ACol, ARow)) return P;
  TCellProperties* P = NewCellProperties(ACol, ARow);
  // The mirror colours are not kept. One repaint for the look the setters would each repaint.
  RepaintCell(ACol, ARow);
  return P;
}

TCellProperties* TBaseGrid::NewCellProperties(int ACol, int ARow) {
  // The store keeps nothing below 0: a properties object made there would be lost.
  if (ACol < 0 || ARow < 0) throw EInvalidGridOperation("Grid index out of range");
  auto* P = New<TCellProperties>(this, ACol, ARow);
  Store().SetObject(ACol, ARow, P);
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrap;
  TCellGradientDirection gd = GradientVertical;
  GetDefaultCellProperties(ACol, ARow, font, brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
  P->FCalcType = acNONE;
  P->FAlignment = ha;
  P->FVAlignment = va;
  P->FWordWrap = ww;
  P->FFontName = font.Name;
  P->FFontSize = font.Size;
  P->FFontStyle = font.Style;
  P->FFontColor = font.Color;
  P->FBrushColor = brush.Color;
  P->FBrushColorTo = colorTo;
  P->FGradientDirection = gd;
  return P;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value) {
  if (TCellProperties* old = FindCellProperties(ACol, ARow); old && old != Value) delete old;
  Store().SetObject(ACol, ARow, Value);
  if (Value) FHasCellProps = true;
}

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const {
  const TCellProperties* P = FindCellProperties(ACol, ARow);
  return P ? P->FObject : nullptr;
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const {
  return GraphicOfCellProperties(FindCellProperties(ACol, ARow));
}

namespace {

// Writes a blank around a change of the cell's objects when the cell has no text, so that
// the text hooks see the cell change as they always have; the text ends as it was. The raw
// text decides, not the shown one: a display hook that hides a text must not get it erased.
class TBlankAround {
 public:
  TBlankAround(TBaseGrid& grid, int col, int row) : grid_(grid), col_(col), row_(row) {
    TPoint base = grid.BaseCell(col, row);
    empty_ = grid.GetGridCell(base.X, base.Y).empty();
    if (empty_) grid_.SetCellEx(col_, row_, " ");
  }
  ~TBlankAround() {
    if (empty_) grid_.SetCellEx(col_, row_, "");
  }
  TBlankAround(const TBlankAround&) = delete;
  TBlankAround& operator=(const TBlankAround&) = delete;

 private:
  TBaseGrid& grid_;
  int col_, row_;
  bool empty_;
};

}  // namespace

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value) {
  TBlankAround blank(*this, ACol, ARow);
  GetCellProperties(ACol, ARow)->FObject = Value;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value) {
  if (Destroying()) return;
  TBlankAround blank(*this, ACol, ARow);
  GetCellProperties(ACol, ARow)->FGraphicObject = Value;
}

TObject* TBaseGrid::GetGridObject(int ACol, int ARow) const { return Store().Object(ACol, ARow); }

void TBaseGrid::SetGridObject(int ACol, int ARow, TObject* Value) { Store().SetObject(ACol, ARow, Value); }

void TBaseGrid::FreeCellProperties(int ACol, int ARow) {
  if (TCellProperties* P = FindCellProperties(ACol, ARow)) {
    Store().SetObject(ACol, ARow, nullptr);
    delete P;
  }
}

void TBaseGrid::FreeCellPropertiesObject(TCellProperties* P) {
  // Only cell graphics belong to the cell; any other graphic object is the caller's.
  if (P->FGraphicObject && std::string_view(P->FGraphicObject->ClassName()) == "TCellGraphic")
    delete P->FGraphicObject;
  delete P;
}

void TBaseGrid::FreeCellPropertiesRange(int ACol1, int ARow1, int ACol2, int ARow2) {
  if (!FHasCellProps) return;
  for (int c = ACol1; c <= ACol2; ++c)
    for (int r = ARow1; r <= ARow2; ++r)
      if (TCellProperties* P = FindCellProperties(c, r)) {
        Store().SetObject(c, r, nullptr);
        FreeCellPropertiesObject(P);
      }
}

void TBaseGrid::FreeAllCellProperties() { FreeCellPropertiesRange(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::ResetColStore(int ACol) {
  for (int r = 0; r < RowCount(); ++r) {
    Store().SetObject(ACol, r, nullptr);
    SetCellEx(ACol, r, "");
  }
}

void TBaseGrid::ResetRowStore(int ARow) {
  for (int c = 0; c < TotalColCount(); ++c) {
    Store().SetObject(c, ARow, nullptr);
    SetCellEx(c, ARow, "");
  }
}

void TBaseGrid::ResetCellStore(int ACol, int ARow) {
  SetCellEx(ACol, ARow, "");
  Store().SetObject(ACol, ARow, nullptr);
}

void TBaseGrid::RepaintCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  TRect r = CellRect(ACol, ARow);
  hd::InvalidateRect(Handle(), &r, true);
}

void TBaseGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY) {
  ++FMergeCount;
  FMerged.Merge(ACol, ARow, SpanX, SpanY);
}

void TBaseGrid::SplitCells(int ACol, int ARow) {
  FMerged.Split(ACol, ARow);
  --FMergeCount;
}

}  // namespace hd
