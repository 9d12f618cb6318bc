// Validation of an edited value against the text the cell held when its edit began: the
// OnCellValidate answer, storing an accepted value with its modified marks, undo record and
// change notification, and for a refused one the return to the cell with the editor reopened.
#include <algorithm>

#include "grid/editing/check_editors.h"
#include "grid/editing/inplace_combo.h"
#include "grid/editing/inplace_text_edit.h"
#include "grid/foundation/undo.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/unicode.h"

namespace hd {

bool TExtStringGrid::ValidateCell(const std::string& NewValue) {
  TExtStringGridPrivate& p = *FP;
  if (!p.Editing || p.Validating) return true;
  p.Editing = false;
  p.Validating = true;
  bool valid = true;
  int real = RealColIndex(p.OldCol);
  p.NewCellText = NewValue;
  try {
    if (NewValue != p.OldCellText || FAlwaysValidate) {
      bool changed = NewValue != p.OldCellText;
      TNavigation& navigation = *p.Navigation;
      bool advance = navigation.AdvanceOnEnter();
      navigation.SetAdvanceOnEnter(false);
      std::string value = NewValue;
      if (OnCellValidate) OnCellValidate(this, real, p.OldRow, value, valid);
      // A refused value gives the row its mark back below, with Modified.
      if (value != p.OldCellText) p.GridModified = true;
      if (value != p.OldCellText && valid) {
        if (FixedCols() > 0) {
          SetRowModified(RealRowIndex(p.OldRow), true);
          if (p.ShowModified->Enabled()) RepaintCell(0, p.OldRow);
        }
      }
      if (valid) RecalcColumnFooter(real);
      if (valid) {
        if (TExtGridUndoRedo* undo = UndoRedo()) undo->RegisterChange(real, p.OldRow, p.OldCellText, value);
      }
      if (valid && changed) CellsChanged(TRect{real, p.OldRow, real, p.OldRow});
      navigation.SetAdvanceOnEnter(advance);
      p.NewCellText = value;
      if (valid) {
        SetCellQuietly(real, p.OldRow, value);
        TPoint base = BaseCell(real, p.OldRow);
        if (base.X != real || base.Y != p.OldRow) SetCellQuietly(base.X, base.Y, value);
      } else {
        p.LastValidation = false;
        bool proposal = value != NewValue;
        if (!proposal && p.EditMode) p.Validating = false;
        HideEditor();
        SetCellEx(real, p.OldRow, proposal ? value : p.OldCellText);
        ReopenRefusedEdit();
      }
      p.OldCellText = GetGridCell(real, p.OldRow);
    }
  } catch (...) {
    p.Validating = false;
    throw;
  }
  StoreOldCell(Col(), Row());
  p.Validating = false;
  return valid;
}

// The focus goes back to the refused cell, never into a fixed one, and its editor opens again.
void TExtStringGrid::ReopenRefusedEdit() {
  TExtStringGridPrivate& p = *FP;
  int col = p.OldCol, row = p.OldRow;
  if ((col != Col() || row != Row()) && !IsFixedForEditing(col, row)) MoveColRow(col, row, true, true);
  p.Validating = false;
  p.Editing = true;
  p.EditMode = false;
  ShowInplaceEdit();
  p.Modified = p.OldModifiedValue;
}

bool TExtStringGrid::ValidateCellWide(const WideString& NewValue) {
  TExtStringGridPrivate& p = *FP;
  if (!p.Editing || p.Validating) return true;
  p.Editing = false;
  p.Validating = true;
  bool valid = true;
  int real = RealColIndex(p.OldCol);
  p.NewCellText = WideToUtf8(NewValue);
  try {
    if (NewValue != p.OldCellTextWide || FAlwaysValidate) {
      RecalcColumnFooter(real);
      WideString value = NewValue;
      if (OnCellValidateWide) OnCellValidateWide(this, real, p.OldRow, value, valid);
      if (valid) {
        SetWideCells(real, p.OldRow, value);
      } else {
        p.LastValidation = false;
        HideEditor();
        SetWideCells(real, p.OldRow, value != NewValue ? value : p.OldCellTextWide);
        ReopenRefusedEdit();
      }
      if (valid && value != p.OldCellTextWide && p.ShowModified->Enabled() && FixedCols() > 0) {
        SetRowModified(p.OldRow, true);
        RepaintCell(0, p.OldRow);
      }
      p.OldCellTextWide = WideCells(real, p.OldRow);
    }
  } catch (...) {
    p.Validating = false;
    throw;
  }
  StoreOldCell(Col(), Row());
  p.Validating = false;
  return valid;
}

bool TExtStringGrid::IsFixedForEditing(int ACol, int ARow) {
  return ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() || ARow >= RowCount() ||
         IsFocusFixed(ACol, ARow);
}

void TExtStringGrid::StoreOldCell(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  p.OldCol = ACol;
  p.OldRow = ARow;
  int real = RealColIndex(ACol);
  p.OldCellText = GetGridCell(real, ARow);
  p.OldCellTextWide = WideCells(real, ARow);
  p.OldModifiedValue = p.Modified;
}

void TExtStringGrid::RestoreCellCache() {
  int real = RealColIndex(Col());
  SetCellEx(real, Row(), FP->CellCache);
  // Read back and written again, so that the store and what shows agree.
  SetCellEx(real, Row(), GetCellEx(real, Row()));
}

void TExtStringGrid::CellsChanged(const TRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  // A copy: a notifier may unregister itself while it is told.
  std::vector<TGridChangeNotifier*> notifiers = FP->Notifiers;
  for (TGridChangeNotifier* notifier : notifiers) notifier->CellsChanged(R);
}

void TExtStringGrid::RecalcColumnFooter(int) {
  // The footer's calculations belong to the data operations; a repaint shows their result.
  if (FP->FloatingFooter->Visible()) UpdateFooter();
}

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* Notifier) {
  std::vector<TGridChangeNotifier*>& list = FP->Notifiers;
  if (Notifier && std::find(list.begin(), list.end(), Notifier) == list.end()) list.push_back(Notifier);
}

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* Notifier) {
  std::vector<TGridChangeNotifier*>& list = FP->Notifiers;
  list.erase(std::remove(list.begin(), list.end(), Notifier), list.end());
}

bool TExtStringGrid::Modified() const { return FP->Modified; }
void TExtStringGrid::SetModified(bool Value) { FP->Modified = Value; }

// One entry per row, 1 when modified: the painter's marker and ModifiedRowCount read the same
// list by index.
bool TExtStringGrid::RowModified(int ARow) const {
  const TIntList& rows = *FP->ModifiedRows;
  return ARow >= 0 && ARow < rows.Count() && rows.Items(ARow) == 1;
}

void TExtStringGrid::SetRowModified(int ARow, bool Value) {
  if (ARow < 0) return;
  TIntList& rows = *FP->ModifiedRows;
  while (rows.Count() <= ARow) rows.Add(0);
  rows.SetItems(ARow, Value ? 1 : 0);
}

}  // namespace hd
