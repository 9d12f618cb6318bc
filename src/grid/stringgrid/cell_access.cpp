// Cells by real row (hidden rows included) and in unsorted order, per-cell styles kept in the
// cells' properties objects, whole-row colours, the current cell with merges resolved, and
// controls placed inside cells.
#include <algorithm>
#include <vector>

#include "grid/foundation/cell_properties.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"

namespace hd {

std::string TExtStringGrid::GetGridCellsEx(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0) return "";
  if (const TGridItem* item = FP->GridItems->FindIdx(ARow))
    return item->Text(ACol);
  return GridCells(ACol, RealToDisplRow(ARow));
}

void TExtStringGrid::SetGridCellsEx(int ACol, int ARow, const std::string& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FP->GridItems->FindIdx(ARow)) {
    item->ItemsThrough(ACol).SetStrings(ACol, Value);
    return;
  }
  SetGridCells(ACol, RealToDisplRow(ARow), Value);
  if (RealToDisplCol(ACol) != ACol) RepaintCell(RealToDisplCol(ACol), RealToDisplRow(ARow));
}

WideString TExtStringGrid::AllWideCells(int ACol, int ARow) const { return Utf8ToWide(GetCellsEx(ACol, ARow)); }

void TExtStringGrid::SetAllWideCells(int ACol, int ARow, const WideString& Value) {
  SetCellsEx(ACol, ARow, WideToUtf8(Value));
}

TObject* TExtStringGrid::GetObjectsEx(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0) return nullptr;
  if (const TGridItem* item = FP->GridItems->FindIdx(ARow)) {
    TObject* saved = item->Object(ACol);
    if (auto* props = dynamic_cast<TCellProperties*>(saved)) return props->CellObject();
    return saved;
  }
  return Objects(ACol, RealToDisplRow(ARow));
}

void TExtStringGrid::SetObjectsEx(int ACol, int ARow, TObject* Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FP->GridItems->FindIdx(ARow)) {
    TStringList& cells = item->ItemsThrough(ACol);
    if (auto* props = dynamic_cast<TCellProperties*>(cells.Objects(ACol)))
      props->SetCellObject(Value);
    else
      cells.SetObjects(ACol, Value);
    return;
  }
  SetObjects(ACol, RealToDisplRow(ARow), Value);
}

int TExtStringGrid::UnSortedRow(int ARow) const {
  const TIntList& xref = *FP->SortRowXRef;
  if (xref.Count() < ARow || ARow < 0) return ARow;
  int at = xref.IndexOf(ARow);
  return at < 0 ? xref.Count() : at;
}

std::string TExtStringGrid::UnSortedCells(int ACol, int ARow) const { return Cells(ACol, UnSortedRow(ARow)); }

void TExtStringGrid::SetUnSortedCells(int ACol, int ARow, const std::string& Value) {
  SetCells(ACol, UnSortedRow(ARow), Value);
}

int TExtStringGrid::SortedRowIndex(int i) const {
  const TIntList& xref = *FP->SortRowXRef;
  int row = i >= 0 && i < xref.Count() ? xref.Items(i) : i;
  return DisplToRealRow(row);
}

int TExtStringGrid::UnSortedRowIndex(int ARow) const {
  const TIntList& xref = *FP->SortRowXRef;
  if (xref.Count() == 0) return ARow;
  int at = xref.IndexOf(ARow);
  return at < 0 ? xref.Count() : at;
}

void TExtStringGrid::RepaintRealCell(int ACol, int ARow) { RepaintCell(RealToDisplCol(ACol), ARow); }

TColor TExtStringGrid::Colors(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->BrushColor() : clNone;
}

void TExtStringGrid::SetColors(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColor(Value);
  if (FP->UpdateCount == 0) RepaintRealCell(ACol, ARow);
}

TColor TExtStringGrid::ColorsTo(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->BrushColorTo() : clNone;
}

void TExtStringGrid::SetColorsTo(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
  RepaintRealCell(ACol, ARow);
}

TCellGradientDirection TExtStringGrid::GetGradientDir(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->GradientDirection() : GradientVertical;
}

void TExtStringGrid::SetGradientDir(int ACol, int ARow, TCellGradientDirection Value) {
  GetCellProperties(ACol, ARow)->SetGradientDirection(Value);
  RepaintRealCell(ACol, ARow);
}

TColor TExtStringGrid::FontColors(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->FontColor() : clNone;
}

void TExtStringGrid::SetFontColors(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetFontColor(Value);
  RepaintRealCell(ACol, ARow);
}

TFontStyles TExtStringGrid::FontStyles(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->FontStyle() : TFontStyles{};
}

void TExtStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value) {
  GetCellProperties(ACol, ARow)->SetFontStyle(Value);
  RepaintRealCell(ACol, ARow);
}

int TExtStringGrid::FontSizes(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->FontSize() : 0;
}

void TExtStringGrid::SetFontSizes(int ACol, int ARow, int Value) {
  GetCellProperties(ACol, ARow)->SetFontSize(Value);
  RepaintRealCell(ACol, ARow);
}

std::string TExtStringGrid::FontNames(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->FontName() : std::string();
}

void TExtStringGrid::SetFontNames(int ACol, int ARow, const std::string& Value) {
  GetCellProperties(ACol, ARow)->SetFontName(Value);
  RepaintRealCell(ACol, ARow);
}

void TExtStringGrid::SetCellFont(int ACol, int ARow, const TFont& AFont) {
  TCellProperties* props = GetCellProperties(ACol, ARow);
  props->SetFontName(AFont.Name);
  props->SetFontSize(AFont.Size);
  props->SetFontStyle(AFont.Style);
  props->SetFontColor(AFont.Color);
  if (FP->UpdateCount == 0) RepaintRealCell(ACol, ARow);
}

TAlignment TExtStringGrid::Alignments(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->Alignment() : taLeftJustify;
}

void TExtStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value) {
  GetCellProperties(ACol, ARow)->SetAlignment(Value);
  RepaintRealCell(ACol, ARow);
}

bool TExtStringGrid::WordWraps(int ACol, int ARow) { return GetCellProperties(ACol, ARow)->WordWrap(); }

void TExtStringGrid::SetWordWraps(int ACol, int ARow, bool Value) {
  GetCellProperties(ACol, ARow)->SetWordWrap(Value);
  RepaintRealCell(ACol, ARow);
}

bool TExtStringGrid::ReadOnly(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props && props->ReadOnly();
}

void TExtStringGrid::SetReadOnly(int ACol, int ARow, bool Value) {
  GetCellProperties(ACol, ARow)->SetReadOnly(Value);
  RepaintRealCell(ACol, ARow);
}

int TExtStringGrid::LinesInCell(int ACol, int ARow) const { return CountLines(Cells(ACol, ARow), true); }

template <class Fn>
void TExtStringGrid::ForRowCells(int ARow, Fn&& Each) {
  for (int c = FixedCols(); c < TotalColCount(); ++c) Each(c);
  RepaintRow(ARow);
}

void TExtStringGrid::SetRowColor(int ARow, TColor Value) {
  ForRowCells(ARow, [&](int c) {
    if (Value != clNone) {
      GetCellProperties(c, ARow)->SetBrushColor(Value);
    } else if (GetCellType(c, ARow) == ctEmpty && !GetGraphicObjectEx(c, ARow)) {
      // A cell without an object keeps none of its other settings either.
      FreeCellProperties(c, ARow);
    } else if (TCellProperties* props = FindCellProperties(c, ARow)) {
      props->SetBrushColor(clNone);
    }
  });
}

void TExtStringGrid::SetRowColorTo(int ARow, TColor Value) {
  ForRowCells(ARow, [&](int c) {
    if (Value == clNone)
      FreeCellProperties(c, ARow);
    else
      GetCellProperties(c, ARow)->SetBrushColorTo(Value);
  });
}

void TExtStringGrid::SetRowFontColor(int ARow, TColor Value) {
  ForRowCells(ARow, [&](int c) {
    if (Value != clNone) {
      GetCellProperties(c, ARow)->SetFontColor(Value);
    } else if (const TCellProperties* props = FindCellProperties(c, ARow); props && props->BrushColor() == clNone) {
      FreeCellProperties(c, ARow);
    }
  });
}

TControl* TExtStringGrid::CellControls(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->Control() : nullptr;
}

void TExtStringGrid::SetCellControls(int ACol, int ARow, TControl* Value) {
  TExtStringGridPrivate& p = *FP;
  TControlList& list = *p.ControlList;
  TCellProperties* props = FindCellProperties(ACol, ARow);
  bool had = props && props->Control();
  // Entries are kept by real row, and looked up the same way, so a hidden row above the cell
  // cannot make the lookup miss.
  int realRow = DisplToRealRow(ARow);
  int at = list.ControlIndex(ACol, realRow);
  if (!Value) {
    if (!had) return;
    if (at >= 0) list.RemoveControl(at);
    if (p.NumCellControls > 0) --p.NumCellControls;
    props->SetControl(nullptr);
    return;
  }
  if (at >= 0) list.RemoveControl(at);
  if (!had) ++p.NumCellControls;
  list.AddControl(ACol, realRow, Value);
  GetCellProperties(ACol, ARow)->SetControl(Value);
  TRect r = CellRect(RealToDisplCol(ACol), ARow);
  if (auto* parent = dynamic_cast<TWinControl*>(static_cast<TObject*>(this))) Value->SetParent(parent);
  Value->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
}

// A cell's properties go with its control: the control is hidden and leaves the list, so the
// list never names a control its owner may free.
void TExtStringGrid::DropCellControl(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  TControlList& list = *p.ControlList;
  TCellProperties* props = FindCellProperties(ACol, ARow);
  if (!props || !props->Control()) return;
  props->Control()->SetVisible(false);
  if (int at = list.ControlIndex(ACol, DisplToRealRow(ARow)); at >= 0) list.RemoveControl(at);
  if (p.NumCellControls > 0) --p.NumCellControls;
  props->SetControl(nullptr);
}

void TExtStringGrid::CellControlsUpdate(bool RebuildList) {
  if (!HandleAllocated()) return;
  TExtStringGridPrivate& p = *FP;
  TControlList& list = *p.ControlList;
  if (RebuildList) {
    while (list.Count() > 0) list.RemoveControl(list.Count() - 1);
    int total = TotalColCount();
    for (const TCellStore::TObjectCell& cell : Store().ObjectCells()) {
      if (cell.Col >= total || cell.Row >= RowCount()) continue;
      auto* props = dynamic_cast<TCellProperties*>(cell.Object);
      if (props && props->Control()) list.AddControl(cell.Col, DisplToRealRow(cell.Row), props->Control());
    }
    p.NumCellControls = list.Count();
  }
  if (p.NumCellControls == 0 || list.Count() == 0) return;
  int left = LeftCol(), right = LeftCol() + VisibleColCount();
  int top = TopRow(), bottom = TopRow() + VisibleRowCount();
  int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
  std::vector<TControl*> shown;
  for (int i = 0; i < list.Count(); ++i) {
    TControlItem& item = *list.Control(i);
    TControl* control = item.Control();
    if (!control) continue;
    if (IsHiddenColumn(item.X()) || IsHiddenRow(item.Y())) {
      control->Hide();
      continue;
    }
    int c = RealToDisplCol(item.X()), r = RealToDisplRow(item.Y());
    if (c < fixedCols || r < fixedRows) continue;
    if (c < left || c > right || r < top || r > bottom || c >= ColCount() || r >= RowCount()) {
      control->Hide();
      continue;
    }
    TRect cell = CellRect(c, r);
    control->SetBounds(cell.Left - 1, cell.Top - 1, cell.Width() + 1, cell.Height() + 1);
    control->Show();
    shown.push_back(control);
  }
  // A shown control lays itself out again at its new size.
  for (TControl* control : shown) {
    control->Invalidate();
    control->SetWidth(control->Width() + 1);
    control->SetWidth(control->Width() - 1);
  }
}

TGridCoord TExtStringGrid::CurrentBaseCell() const {
  TPoint base = BaseCell(RealCol(), Row());
  return {base.X, base.Y};
}

std::string TExtStringGrid::GetCurrentCellText() const {
  TGridCoord c = CurrentBaseCell();
  return Cells(c.X, c.Y);
}

void TExtStringGrid::SetIntegralHeight(bool Value) {
  FP->Layout.FIntegralHeight = Value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TExtStringGrid::CellTextChanged(int ACol, int ARow) {
  TCellGraphic* cg = GetCellGraphic(ACol, ARow);
  if (!cg || cg->CellType() != ctScrollbar || !cg->CellBoolean()) return;
  cg->SetCellAngle(RowHeights(ARow));
  cg->SetCellErrFrom(GetCellTextSize(ACol, ARow, true, true).cy);
}

const TBitmap& TExtStringGrid::RowIndicator() const { return *FP->RowIndicator; }


}  // namespace hd
