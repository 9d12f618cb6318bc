// Validation of an edited value against the text the cell held when its edit began: the
// OnCellValidate answer, storing an accepted value with its modified marks, undo record and
// change notification, and for a refused one the return to the cell with the editor reopened.
#include <algorithm>

#include <type_traits>

#include "grid/editing/check_editors.h"
#include "grid/editing/edit_session.h"
#include "grid/foundation/undo.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/unicode.h"

namespace hd {

bool TExtStringGrid::ValidateCell(const std::string& NewValue) { return ValidateText(NewValue); }

bool TExtStringGrid::ValidateCellWide(const WideString& NewValue) { return ValidateText(NewValue); }

// Narrow and wide text take one path. Where they part: the narrow value is checked with
// AdvanceOnEnter held off and leaves the grid's records (modified, footer, undo, change
// notification) before it is stored; the wide one recalculates the footer first and marks its
// row as modified only after it is stored.
template <class S>
bool TExtStringGrid::ValidateText(const S& NewValue) {
  constexpr bool wide = std::is_same_v<S, WideString>;
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  if (!session.Editing || session.Validating) return true;
  HideFocusWindow();
  session.Editing = false;
  session.Validating = true;
  bool valid = true;
  const int real = RealColIndex(session.OldCol);
  const int row = session.OldRow;
  S& old = [&]() -> S& {
    if constexpr (wide) return session.OldCellTextWide;
    else return session.OldCellText;
  }();
  auto store = [&](const S& value) {
    if constexpr (wide) SetWideCells(real, row, value);
    else SetCellEx(real, row, value);
  };
  if constexpr (wide) session.NewCellText = WideToUtf8(NewValue);
  else session.NewCellText = NewValue;
  try {
    if (NewValue != old || FP->EditRules.FAlwaysValidate) {
      S value = NewValue;
      if constexpr (wide) {
        RecalcColumnFooter(real);
        if (OnCellValidateWide) OnCellValidateWide(this, real, row, value, valid);
      } else {
        TNavigation& navigation = *p.Navigation;
        bool advance = navigation.AdvanceOnEnter();
        navigation.SetAdvanceOnEnter(false);
        TExtStringGridCheck* checker = p.CellChecker;
        if (checker && checker->AutoCorrect()) value = checker->Correct(real, row, value);
        if (OnCellValidate) OnCellValidate(this, real, row, value, valid);
        RecordValidatedEdit(real, row, NewValue != old, value, valid);
        navigation.SetAdvanceOnEnter(advance);
        session.NewCellText = value;
      }
      if (valid) {
        if constexpr (wide) {
          store(value);
        } else {
          SetCellQuietly(real, row, value);
          TPoint base = BaseCell(real, row);
          if (base.X != real || base.Y != row) SetCellQuietly(base.X, base.Y, value);
        }
      } else {
        p.LastValidation = false;
        bool proposal = value != NewValue;
        if constexpr (!wide) {
          if (!proposal && session.EditMode) session.Validating = false;
        }
        HideEditor();
        store(proposal ? value : old);
        ReopenRefusedEdit();
      }
      if constexpr (wide) {
        if (valid && value != old && p.ShowModified->Enabled() && FixedCols() > 0) {
          SetRowModified(RealRowIndex(row), true);
          RepaintCell(0, row);
        }
        old = WideCells(real, row);
      } else {
        old = GetGridCell(real, row);
      }
    }
  } catch (...) {
    session.Validating = false;
    throw;
  }
  StoreOldCell(Col(), Row());
  session.Validating = false;
  return valid;
}

// What an answered narrow edit leaves in the grid's records: a changed value marks the grid and,
// accepted, its row, the footer, the undo list and the change notifiers; the checker marks its errors.
void TExtStringGrid::RecordValidatedEdit(int ARealCol, int ARow, bool Changed, std::string& Value, bool Valid) {
  TExtStringGridPrivate& p = *FP;
  const std::string& old = p.Session->OldCellText;
  // A refused value gives the row its mark back with Modified.
  if (Value != old) p.GridModified = true;
  if (Value != old && Valid && FixedCols() > 0) {
    SetRowModified(RealRowIndex(ARow), true);
    if (p.ShowModified->Enabled()) RepaintCell(0, ARow);
  }
  if (Valid) RecalcColumnFooter(ARealCol);
  // The checker's error marks go into the value the cell and the undo list receive.
  if (TExtStringGridCheck* checker = p.CellChecker; checker && checker->AutoMarkError())
    Value = checker->MarkError(ARealCol, ARow, Value);
  if (!Valid) return;
  if (TExtGridUndoRedo* undo = UndoRedo()) undo->RegisterChange(ARealCol, ARow, old, Value);
  if (Changed) CellsChanged(TRect{ARealCol, ARow, ARealCol, ARow});
}

// The focus goes back to the refused cell, never into a fixed one, and its editor opens again.
void TExtStringGrid::ReopenRefusedEdit() {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  int col = session.OldCol, row = session.OldRow;
  if ((col != Col() || row != Row()) && !IsFixedForEditing(col, row)) MoveColRow(col, row, true, true);
  session.Validating = false;
  session.Editing = true;
  session.EditMode = false;
  ShowInplaceEdit();
  p.Modified = session.OldModifiedValue;
}

bool TExtStringGrid::IsFixedForEditing(int ACol, int ARow) {
  return ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() || ARow >= RowCount() ||
         IsFocusFixed(ACol, ARow);
}

void TExtStringGrid::StoreOldCell(int ACol, int ARow) {
  int real = RealColIndex(ACol);
  FP->Session->RememberOldCell(ACol, ARow, GetGridCell(real, ARow), WideCells(real, ARow), FP->Modified);
}

void TExtStringGrid::RestoreCellCache() {
  int real = RealColIndex(Col());
  SetCellEx(real, Row(), FP->Session->CellCache);
  // Read back and written again, so that the store and what shows agree.
  SetCellEx(real, Row(), GetCellEx(real, Row()));
}

void TExtStringGrid::CellsChanged(const TRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  // A copy: a notifier may unregister itself while it is told.
  std::vector<TGridChangeNotifier*> notifiers = FP->Notifiers;
  for (TGridChangeNotifier* notifier : notifiers) notifier->CellsChanged(R);
}

void TExtStringGrid::RecalcColumnFooter(int ACol) {
  if (FP->FloatingFooter->Visible()) CalcFooter(ACol);
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
