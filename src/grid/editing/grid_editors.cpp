// The grid's editor objects and their set-up per editor kind: the combo, check-box and button
// editors made with the grid, the item list of the one combo editor, and SetupEditor, which
// places, fills, shows and focuses the special editor of the current cell.
#include "grid/editing/check_editors.h"
#include "grid/editing/inplace_combo.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/string_list.h"

namespace hd {

namespace {

template <class T>
T* MakeEditor(TExtStringGrid* grid) {
  T* editor = New<T>(grid);
  editor->SetParent(grid);
  editor->SetVisible(false);
  editor->SetEnabled(false);
  return editor;
}

}  // namespace

TGridCombo* TExtStringGrid::Combobox() {
  if (!FP->Combo) {
    FP->Combo = MakeEditor<TGridCombo>(this);
    FP->Combo->SetIsWinXP(FP->IsXP);
    FP->Combo->SetIsVista(FP->IsVista && FP->IsComCtl6);
  }
  return FP->Combo;
}

TGridButton* TExtStringGrid::Btn() {
  if (!FP->ButtonEdit) FP->ButtonEdit = MakeEditor<TGridButton>(this);
  return FP->ButtonEdit;
}

TGridCheckBox* TExtStringGrid::CheckBoxEditor() {
  if (!FP->CheckEdit) FP->CheckEdit = MakeEditor<TGridCheckBox>(this);
  return FP->CheckEdit;
}

void TExtStringGrid::ClearComboString() { FEditorSetup.ComboItems.Clear(); }

void TExtStringGrid::AddComboString(const std::string& s) { FEditorSetup.ComboItems.Add(s); }

void TExtStringGrid::AddComboStringObject(const std::string& s, TObject* AObject) {
  FEditorSetup.ComboItems.AddObject(s, AObject);
}

bool TExtStringGrid::RemoveComboString(const std::string& s) {
  int index = FEditorSetup.ComboItems.IndexOf(s);
  if (index < 0) return false;
  FEditorSetup.ComboItems.Delete(index);
  return true;
}

bool TExtStringGrid::SetComboSelectionString(const std::string& s) {
  int index = FEditorSetup.ComboItems.IndexOf(s);
  if (index < 0) return false;
  FP->ComboIndex = index;
  return true;
}

void TExtStringGrid::SetComboSelection(int idx) { FP->ComboIndex = idx; }

int TExtStringGrid::GetComboCount() { return FEditorSetup.ComboItems.Count(); }

int TExtStringGrid::ComboIndex(int ACol, int ARow) {
  DoGetEditorProp(ACol, ARow, nullptr);
  return FEditorSetup.ComboItems.IndexOf(Cells(ACol, ARow));
}

void TExtStringGrid::SetComboIndex(int ACol, int ARow, int Value) {
  DoGetEditorProp(ACol, ARow, nullptr);
  // The list raises its index error for an index outside it before the cell changes.
  std::string item = FEditorSetup.ComboItems[Value];
  SetCells(ACol, ARow, item);
}

void TExtStringGrid::SetupEditor(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  p.Editing = true;
  p.SpecialEditor = true;
  p.EditActive = true;
  TRect r = CellRect(ACol, ARow);
  int real = RealColIndex(ACol);
  int w = r.Right - r.Left - 1, h = r.Bottom - r.Top - 1;
  TBrush brush;
  brush.Color = Color();
  TFont font = Font();
  GetCellColor(real, ARow, TGridDrawState{}, brush, font);
  TColor color = brush.Color == clNone ? Color() : brush.Color;
  std::string text = GetEditText(ACol, ARow);
  FGridState = gsNormal;
  p.EditCtrl = nullptr;
  if (p.EditControl != edCustom) p.LastValidation = true;
  auto postStartChar = [&](TWinControl* editor) {
    if (p.StartEditChar != 0) PostMessage(editor->Handle(), WM_CHAR, p.StartEditChar, 0);
  };
  switch (p.EditControl) {
    case edComboEdit:
    case edComboList: {
      TGridCombo* combo = Combobox();
      bool list = p.EditControl == edComboList;
      p.EditMode = true;
      combo->SetDropDownCount(p.ControlLook->DropDownCount());
      combo->Items().Assign(FEditorSetup.ComboItems);
      DoGetEditorProp(real, ARow, FEditLink);
      combo->SetBounds(r.Left, r.Top, 0, 0);
      combo->SetEnabled(true);
      combo->SetDroppedDown(false);
      combo->SetStyle(list ? csDropDownList : csDropDown);
      // The face of a free-text combo fits the cell.
      if (!list) combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), h - 6);
      // The platform's combo is as high as its face; the dropped list's length comes from
      // DropDownCount, not from the height, so the face keeps to the cell.
      combo->SetBounds(r.Left, r.Top, w, h);
      combo->SetColor(color);
      bool fireFirst = false;
      if (list) {
        int index = combo->Items().IndexOf(GetCellEx(real, ARow));
        if (index >= 0) {
          combo->SetItemIndex(index);
        } else if (p.ComboIndex == -1) {
          // The mend: the events name the item actually selected.
          int byText = combo->Items().IndexOf(text);
          combo->SetItemIndex(byText >= 0 ? byText : (combo->Items().Count() > 0 ? 0 : -1));
          fireFirst = combo->Items().Count() > 0;
        } else {
          combo->SetItemIndex(p.ComboIndex < combo->Items().Count() ? p.ComboIndex : -1);
        }
      } else {
        combo->SetText(text);
        if (p.ComboIndex != -1 && combo->ItemIndex() == -1 && p.ComboIndex < combo->Items().Count())
          combo->SetItemIndex(p.ComboIndex);
        combo->SetMaxLength(FMaxComboLength);
      }
      combo->SetVisible(true);
      bool flat = FLook == glSoft || FLook == glDAZ || FLook == glXP || FLook == glListView || FLook == glVista ||
                  FLook == glWin7 || FLook == glOffice2007;
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
        if (OnComboChange) OnComboChange(this, real, ARow, index, selection);
        if (OnComboObjectChange) OnComboObjectChange(this, real, ARow, index, selection, combo->Items().Objects(index));
      }
      postStartChar(combo);
      p.EditCtrl = combo;
      break;
    }
    case edCheckBox: {
      TGridCheckBox* check = CheckBoxEditor();
      p.EditMode = true;
      check->ReCreate();
      check->SetBounds(r.Left, r.Top, w, h);
      check->SetCaption(text);
      check->SetEnabled(true);
      check->SetState(cbUnchecked);
      check->SetVisible(true);
      if (check->CanFocus()) check->SetFocus();
      break;
    }
    case edButton: {
      TGridButton* button = Btn();
      p.EditMode = true;
      button->ReCreate();
      // One pixel outside the cell on every side.
      button->SetBounds(r.Left - 1, r.Top - 1, w + 2, h + 2);
      button->SetCaption(text);
      button->SetVisible(true);
      button->SetEnabled(true);
      if (button->CanFocus()) button->SetFocus();
      p.EditCtrl = button;
      break;
    }
    default:
      // The kinds whose editors this grid does not have open nothing: the cell keeps its text.
      p.Editing = false;
      p.SpecialEditor = false;
      p.EditActive = false;
      p.EditMode = false;
      break;
  }
  p.StartEditChar = 0;
}

}  // namespace hd
