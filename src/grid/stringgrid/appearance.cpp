// The appearance setters (which repaint what), rotated cells and the grid's default hooks:
// the row the keys add or take away, the texts written to and read from files, and the events
// of finished filters and fixed-cell editors.
#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/settings.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/look_objects.h"

namespace hd {

void TExtStringGrid::SetURLColor(TColor Value) {
  if (FP->Colors.FURLColor == Value) return;
  FP->Colors.FURLColor = Value;
  if (FP->Text.FURLShow) Invalidate();
}

void TExtStringGrid::SetURLFull(bool Value) {
  FP->Text.FURLFull = Value;
  if (FP->Text.FURLShow) Invalidate();
}

void TExtStringGrid::SetShowModified(const TShowModified& Value) { FP->ShowModified->Assign(&Value); }
void TExtStringGrid::SetBalloon(const TBalloonSettings& Value) { FP->Balloon->Assign(&Value); }
void TExtStringGrid::SetProgressAppearance(const TGridProgressAppearance& Value) { FP->ProgressAppearance->Assign(&Value); }
void TExtStringGrid::SetSyncGrid(const TSyncGrid& Value) { FP->SyncGrid->Assign(&Value); }

void TExtStringGrid::SetSelection(const TGridRect& Value) {
  TBaseGrid::SetSelection(Value);
  if (FP->Colors.FActiveCellShow) {
    RepaintRow(0);
    RepaintCol(0);
  }
  if (ActiveRowShow()) RepaintRow(Selection().Bottom);
}

void TExtStringGrid::SetRowIndicator(const TBitmap& Value) {
  *FP->RowIndicator = Value;
  RepaintCell(0, Row());
}

void TExtStringGrid::SetBackGround(const TBackGround& Value) {
  FP->BackGround->Assign(&Value);
  Invalidate();
}

void TExtStringGrid::SetHighlightColor(TColor Value) {
  if (FP->Colors.FHighlightColor == Value) return;
  FP->Colors.FHighlightColor = Value;
  SetMarkupHighlightColors(FP->Colors.FHighlightColor, FP->Colors.FHighlightTextColor);
  Invalidate();
}

void TExtStringGrid::SetHighlightTextColor(TColor Value) {
  if (FP->Colors.FHighlightTextColor == Value) return;
  FP->Colors.FHighlightTextColor = Value;
  SetMarkupHighlightColors(FP->Colors.FHighlightColor, FP->Colors.FHighlightTextColor);
  Invalidate();
}


void TExtStringGrid::SetXYOffset(TPoint Value) {
  FP->Text.FXYOffset = Value;
  Invalidate();
}

void TExtStringGrid::UpdateXYOffset(int X, int Y) { FP->Text.FXYOffset = TPoint{X, Y}; }

void TExtStringGrid::AppendEmptyRow() { SetRowCount(RowCount() + 1); }

void TExtStringGrid::AddRotated(int ACol, int ARow, int AAngle, const std::string& s) {
  if (ACol < 0 || ARow < 0) return;
  CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
  SetCells(ACol, ARow, s);
}

void TExtStringGrid::SetRotated(int ACol, int ARow, int AAngle) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record) record = CreateCellGraphic(ACol, ARow);
  record->SetAngle(AAngle);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

bool TExtStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
  if (GetCellType(ACol, ARow) != ctRotated) return false;
  aAngle = GetCellGraphic(ACol, ARow)->CellAngle();
  return true;
}

void TExtStringGrid::AutoInsertRow(int ARow) {
  if (!NodeAwareInsertRow(ARow)) InsertRows(ARow, 1);
}

void TExtStringGrid::AutoDeleteRow(int ARow) {
  if (NodeAwareDeleteRow(ARow)) {
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
    return;
  }
  // The last normal row is emptied rather than removed, so the grid keeps a row to type in.
  if (RowCount() - TBaseGrid::FixedRows() - FP->Layout.FFixedFooters == 1 && !FP->Layout.FFixedRowAlways)
    ClearRows(ARow, 1);
  else
    RemoveRows(ARow, 1);
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExtStringGrid::DoFilterDone() {
  if (OnFilterDone) OnFilterDone(this);
}

TGridFixedCellEditor TExtStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor AEditor, TStringList& Values) {
  if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
  return AEditor;
}

void TExtStringGrid::CalcCellText(int ACol, int ARow, std::string& Value) { Value = Cells(ACol, ARow); }

void TExtStringGrid::LoadCellText(int ACol, int ARow, std::string Value) {
  if (OnLoadCell) OnLoadCell(this, ACol, ARow, Value);
  SetCells(ACol, ARow, Value);
}

void TExtStringGrid::SaveCellText(int ACol, int ARow, std::string& Value) {
  Value = SaveVirtCells() ? GetFormattedCell(ACol, ARow) : Cells(ACol, ARow);
  if (Value.empty() && HasCheckBox(ACol, ARow)) {
    int realRow = DisplToRealRow(ARow);
    bool checked = false;
    if (GetCellType(ACol, ARow) == ctTriStateCheckBox) {
      TCheckBoxState state = cbUnchecked;
      checked = GetCheckBoxState(ACol, realRow, state) && state == cbChecked;
    } else {
      GetCheckBoxState(ACol, realRow, checked);
    }
    if (checked)
      GetCheckTrue(ACol, ARow, Value);
    else
      GetCheckFalse(ACol, ARow, Value);
  }
  if (GetTextKind(Value, false) == ttRichText) {
    if (SaveWithRTF())
      std::erase_if(Value, [](char c) { return c == '\r' || c == '\n'; });
    else
      Value = RichTextToPlain(Value);
  } else if (!SaveWithHTML() && Value.find('<') != std::string::npos) {
    Value = MarkupToText(Value);
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

}  // namespace hd
