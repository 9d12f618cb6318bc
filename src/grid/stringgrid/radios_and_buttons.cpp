// Radio groups, radio buttons, push buttons and ratings in cells: adding them, reading and
// setting what they hold, and the steps mouse and keys take on them.
#include <cstdint>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

constexpr TCellTypes kButtonTypes{ctButton, ctBitButton};

}  // namespace

void TExtStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* Items) {
  TCellGraphic* record = CreateCellGraphic(ACol, ARow);
  record->SetCellType(ctRadio);
  record->SetCellBitmap(Items);
  record->SetCellBoolean(DirRadio != 0);
  record->SetCellIndex(IdxRadio);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TExtStringGrid::IsRadio(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctRadio}); }

TStringList* TExtStringGrid::GetRadioStrings(int ACol, int ARow) {
  if (!IsRadio(ACol, ARow)) return nullptr;
  TPoint base = BaseCell(ACol, ARow);
  return TCellGraphic::SlotObject<TStringList>(GetCellGraphic(base.X, base.Y)->CellBitmap());
}

bool TExtStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record) return false;
  IdxRadio = record->CellIndex();
  return record->CellType() == ctRadio;
}

bool TExtStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  // Only a radio group keeps an index there; a button keeps its size, an image its number.
  if (!record || record->CellType() != ctRadio) return false;
  record->SetCellIndex(IdxRadio);
  if (IdxRadio == -1) SetCells(ACol, ARow, "");
  RepaintCell(RealToDisplCol(ACol), ARow);
  return true;
}

int TExtStringGrid::RadioItemIndex(int ACol, int ARow) {
  TStringList* items = GetRadioStrings(ACol, ARow);
  if (!items) return -1;
  TPoint base = BaseCell(ACol, ARow);
  int index = GetCellGraphic(base.X, base.Y)->CellIndex();
  if (index >= 0) return index;
  return index == -1 ? items->IndexOf(Cells(base.X, base.Y)) : -1;
}

void TExtStringGrid::SelectNextRadio(int ACol, int ARow, bool CheckEditable) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record || record->CellType() != ctRadio) return;
  if (CheckEditable && !FP->ControlLook->RadioAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return;
  }
  TStringList* items = TCellGraphic::SlotObject<TStringList>(record->CellBitmap());
  int count = items ? items->Count() : 0;
  // A group without items has nothing to step to.
  if (count == 0) return;
  int index = record->CellIndex();
  int next = (index >= 0 ? index : (items ? items->IndexOf(Cells(ACol, ARow)) : -1)) + 1;
  if (next >= count) next = 0;
  // A group that keeps its choice as the cell text goes on doing so: an index set here would
  // leave the text behind at the next click.
  if (index >= 0) record->SetCellIndex(next);
  record->SetCellVar(next);
  SetCells(ACol, ARow, next < count ? items->Strings(next) : std::string());
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
  AddBoxRecord(ACol, ARow, ctRadioButton, State);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TExtStringGrid::HasRadioButton(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctRadioButton}); }

bool TExtStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
  if (!HasRadioButton(ACol, ARow)) return false;
  TPoint base = BaseCell(ACol, ARow);
  return GetCellGraphic(base.X, base.Y)->CellBoolean();
}

bool TExtStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
  if (!HasRadioButton(ACol, ARow)) return false;
  TPoint base = BaseCell(ACol, ARow);
  TCellGraphic* record = GetCellGraphic(base.X, base.Y);
  if (record->CellBoolean() != State) {
    record->SetCellBoolean(State);
    RepaintCell(RealToDisplCol(ACol), ARow);
  }
  return true;
}

void TExtStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TExtStringGrid::GetRadioButtonColumnIndex(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (IsRadioButtonChecked(ACol, r)) return r;
  return -1;
}

bool TExtStringGrid::CheckRadioButtonCell(int ACol, int ARow, bool CheckEditable) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record || record->CellType() != ctRadioButton) return false;
  if (CheckEditable && !FP->ControlLook->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
  }
  if (!record->CellBoolean()) {
    record->SetCellBoolean(true);
    RepaintCell(RealToDisplCol(ACol), ARow);
    for (int r = 0; r < RowCount(); ++r)
      if (r != ARow && IsRadioButtonChecked(ACol, r)) SetRadioButtonState(ACol, r, false);
  }
  return true;
}

void TExtStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                               TCellVAlign val) {
  TCellGraphic* record = CreateCellGraphic(ACol, ARow);
  record->SetCellType(ctButton);
  record->SetCellIndex(static_cast<int>((static_cast<unsigned>(bw) & 0xFFFFu) |
                                        ((static_cast<unsigned>(bh) & 0xFFFFu) << 16)));
  record->SetCellText(Caption);
  record->SetCellBoolean(false);
  record->SetCellHAlign(hal);
  record->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TExtStringGrid::HasButton(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, kButtonTypes); }

void TExtStringGrid::PushButton(int ACol, int ARow, bool Push) {
  TCellGraphic* record = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!record || record->CellType() == ctNode) return;
  record->SetCellBoolean(Push);
  RepaintCell(ACol, ARow);
}

TRect TExtStringGrid::GetCellGraphicRect(int ACol, int ARow) {
  TCellGraphic* record = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!record) return {};
  // The painter keeps the object's offset in the cell: x in the low, y in the high 16 bits.
  auto v = static_cast<std::int64_t>(record->CellValue() + 0.5);
  TRect R = CellRect(ACol, ARow);
  auto size = static_cast<unsigned>(record->CellIndex());
  TRect g;
  g.Left = R.Left + static_cast<int>(v & 0xFFFF);
  g.Top = R.Top + static_cast<int>((v >> 16) & 0xFFFF);
  g.Right = g.Left + static_cast<int>(size & 0xFFFFu);
  g.Bottom = g.Top + static_cast<int>((size >> 16) & 0xFFFFu);
  if (record->CellVAlign() == vaFull) {
    g.Top = R.Top;
    g.Bottom = R.Bottom;
  }
  if (record->CellHAlign() == haFull) {
    g.Left = R.Left;
    g.Right = R.Right;
  }
  return g;
}

void TExtStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
  TCellGraphic* record = CreateCellGraphic(ACol, ARow);
  record->SetCellType(ctRating);
  record->SetCellHAlign(haFull);
  record->SetCellAngle(Scale);
  record->SetCellIndex(static_cast<int>(FillColor));
  record->SetCellBitmap(static_cast<std::intptr_t>(EmptyColor));
  RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TExtStringGrid::HasRating(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctRating}); }

bool TExtStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
  bool allow = true;
  if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
  return allow;
}

}  // namespace hd
