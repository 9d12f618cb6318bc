// The combo editors (edComboEdit, edComboList): the one combo the grid makes, its item list,
// and its set-up over the cell: filled, placed, styled, selected, focused and perhaps dropped.
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/editing/inplace_combo.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/string_list.h"

namespace hd {

TGridCombo* TExtStringGrid::Combobox() {
  if (!FP->Session->Combo) {
    FP->Session->Combo = MakeEditor<TGridCombo>(this, *FP->EditorHost);
    FP->Session->Combo->SetIsWinXP(FP->IsXP);
    FP->Session->Combo->SetIsVista(FP->IsVista && FP->IsComCtl6);
  }
  return FP->Session->Combo;
}

void TExtStringGrid::ClearComboString() { FP->EditRules.FEditorSetup.ComboItems.Clear(); }

void TExtStringGrid::AddComboString(const std::string& s) { FP->EditRules.FEditorSetup.ComboItems.Add(s); }

void TExtStringGrid::AddComboStringObject(const std::string& s, TObject* AObject) {
  FP->EditRules.FEditorSetup.ComboItems.AddObject(s, AObject);
}

bool TExtStringGrid::RemoveComboString(const std::string& s) {
  int index = FP->EditRules.FEditorSetup.ComboItems.IndexOf(s);
  if (index < 0) return false;
  FP->EditRules.FEditorSetup.ComboItems.Delete(index);
  return true;
}

bool TExtStringGrid::SetComboSelectionString(const std::string& s) {
  int index = FP->EditRules.FEditorSetup.ComboItems.IndexOf(s);
  if (index < 0) return false;
  FP->ComboIndex = index;
  return true;
}

void TExtStringGrid::SetComboSelection(int idx) { FP->ComboIndex = idx; }

int TExtStringGrid::GetComboCount() { return FP->EditRules.FEditorSetup.ComboItems.Count(); }

int TExtStringGrid::ComboIndex(int ACol, int ARow) {
  DoGetEditorProp(ACol, ARow, nullptr);
  return FP->EditRules.FEditorSetup.ComboItems.IndexOf(Cells(ACol, ARow));
}

void TExtStringGrid::SetComboIndex(int ACol, int ARow, int Value) {
  DoGetEditorProp(ACol, ARow, nullptr);
  // The list raises its index error for an index outside it before the cell changes.
  std::string item = FP->EditRules.FEditorSetup.ComboItems[Value];
  SetCells(ACol, ARow, item);
}

void TExtStringGrid::SetupComboEditor(const TEditorPlace& At) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TGridCombo* combo = Combobox();
  bool list = session.EditControl == edComboList;
  session.EditMode = true;
  combo->SetDropDownCount(p.ControlLook->DropDownCount());
  combo->Items().Assign(FP->EditRules.FEditorSetup.ComboItems);
  DoGetEditorProp(At.RealCol, At.Row, FP->EditRules.FEditLink);
  combo->SetBounds(At.Cell.Left, At.Cell.Top, 0, 0);
  combo->SetEnabled(true);
  combo->SetDroppedDown(false);
  combo->SetStyle(list ? csDropDownList : csDropDown);
  // The face of a free-text combo fits the cell.
  if (!list) combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), At.Height - 6);
  // The platform's combo is as high as its face; the dropped list's length comes from
  // DropDownCount, not from the height, so the face keeps to the cell.
  combo->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, At.Height);
  combo->SetColor(At.Color);
  bool fireFirst = false;
  if (list) {
    int index = combo->Items().IndexOf(GetCellEx(At.RealCol, At.Row));
    if (index >= 0) {
      combo->SetItemIndex(index);
    } else if (p.ComboIndex == -1) {
      // The mend: the events name the item actually selected.
      int byText = combo->Items().IndexOf(At.Text);
      combo->SetItemIndex(byText >= 0 ? byText : (combo->Items().Count() > 0 ? 0 : -1));
      fireFirst = combo->Items().Count() > 0;
    } else {
      combo->SetItemIndex(p.ComboIndex < combo->Items().Count() ? p.ComboIndex : -1);
    }
  } else {
    combo->SetText(At.Text);
    if (p.ComboIndex != -1 && combo->ItemIndex() == -1 && p.ComboIndex < combo->Items().Count())
      combo->SetItemIndex(p.ComboIndex);
    combo->SetMaxLength(FP->EditRules.FMaxComboLength);
  }
  combo->SetVisible(true);
  bool flat = FP->Colors.FLook == glSoft || FP->Colors.FLook == glDAZ || FP->Colors.FLook == glXP || FP->Colors.FLook == glListView || FP->Colors.FLook == glVista ||
              FP->Colors.FLook == glWin7 || FP->Colors.FLook == glOffice2007;
  combo->SetFlat(flat);
  combo->SetEtched(flat);
  if (p.Navigation->AutoComboDropSize())
    combo->SizeDropDownWidth();
  else if (combo->DropWidth() > 0)
    combo->SetDropWidth(combo->DropWidth());
  if (combo->CanFocus()) combo->SetFocus();
  if (!list && p.Navigation->EditSelectAll()) combo->SelectAll();
  if (p.MouseActions->DirectComboDrop() || p.ControlLook->DropDownAlwaysVisible()) combo->SetDroppedDown(true);
  if (p.MouseActions->DirectEdit() && p.MouseActions->DirectComboDrop()) {
    TGridRect sel = Selection();
    DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
  }
  if (fireFirst) {
    int index = combo->ItemIndex();
    std::string selection = combo->Items()[index];
    if (OnComboChange) OnComboChange(this, At.RealCol, At.Row, index, selection);
    if (OnComboObjectChange) OnComboObjectChange(this, At.RealCol, At.Row, index, selection, combo->Items().Objects(index));
  }
  PostStartChar(session, *combo);
  session.EditCtrl = combo;
}

}  // namespace hd
