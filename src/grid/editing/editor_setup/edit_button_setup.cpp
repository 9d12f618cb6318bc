// The edit-button editors: TGridEditBtn (edEditBtn, edNumericEditBtn, edFloatEditBtn,
// edMaskEditBtn) and TGridUnitEditBtn (edUnitEditBtn, edNumericUnitEditBtn,
// edFloatUnitEditBtn), made on first use, set up over the cell and read back as the text
// (with the unit right after it).
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/editing/inplace_edit_button.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

template <class T>
void StyleEditBtn(T* Editor, bool IsXP) {
  Editor->SetButtonCaption("...");
  Editor->SetBorderStyle(bsNone);
  Editor->SetIsWinXP(IsXP);
}

}  // namespace

TGridEditBtn* TExtStringGrid::BtnEdit() {
  TGridEditSession& session = *FP->Session;
  if (!session.EditBtn) {
    session.EditBtn = MakeEditor<TGridEditBtn>(this, *FP->EditorHost);
    StyleEditBtn(session.EditBtn, FP->IsXP);
  }
  return session.EditBtn;
}

TGridUnitEditBtn* TExtStringGrid::BtnUnitEdit() {
  TGridEditSession& session = *FP->Session;
  if (!session.UnitEditBtn) {
    session.UnitEditBtn = MakeEditor<TGridUnitEditBtn>(this, *FP->EditorHost);
    StyleEditBtn(session.UnitEditBtn, FP->IsXP);
    session.UnitEditBtn->OnUnitChanged = [this](TObject*, const std::string& NewUnit) {
      if (OnUnitChanged) OnUnitChanged(this, NewUnit);
    };
  }
  return session.UnitEditBtn;
}

void TExtStringGrid::SetupEditBtnEditor(const TEditorPlace& At) {
  TGridEditSession& session = *FP->Session;
  TGridEditBtn* edit = BtnEdit();
  session.EditMode = true;
  edit->ReCreate();
  edit->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, edit->Height());
  edit->SetEditMask("");
  edit->SetText(At.Text);
  edit->SetMaxLength(GetEditLimit());
  edit->SetVisible(true);
  edit->SetEnabled(true);
  edit->SetColor(At.Color);
  if (edit->CanFocus()) edit->SetFocus();
  edit->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, At.Height);
  if (session.EditControl == edMaskEditBtn) edit->SetEditMask(GetEditMask(At.RealCol, At.Row));
  PostStartChar(session, *edit);
  session.EditCtrl = edit;
}

void TExtStringGrid::SetupUnitEditBtnEditor(const TEditorPlace& At) {
  TGridEditSession& session = *FP->Session;
  TGridUnitEditBtn* edit = BtnUnitEdit();
  session.EditMode = true;
  edit->ReCreate();
  edit->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, edit->Height());
  edit->SetMaxLength(GetEditLimit());
  edit->SetUnitID("");
  // A text that ends in none of the units stays whole in the value part, so that closing
  // the editor gives the cell back what it held.
  edit->SetText(At.Text);
  edit->SetTextAndUnit(At.Text);
  DoGetEditorProp(At.RealCol, At.Row, FP->EditRules.FEditLink);
  edit->SetVisible(true);
  edit->SetEnabled(true);
  edit->SetColor(At.Color);
  if (edit->CanFocus()) edit->SetFocus();
  edit->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, At.Height);
  PostStartChar(session, *edit);
  session.EditCtrl = edit;
}

bool TExtStringGrid::ReadBackEditBtnEditor(int ARealCol, int ARow) {
  TGridEditSession& session = *FP->Session;
  switch (session.EditControl) {
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      if (session.EditMode && session.EditBtn) {
        session.EditMode = false;
        SetEditedCellText(ARealCol, ARow, session.EditBtn->Text());
      }
      if (session.EditBtn) {
        session.EditBtn->SetVisible(false);
        session.EditBtn->SetEnabled(false);
      }
      return true;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
      if (session.UnitEditBtn) {
        // Value and unit with no blank between.
        SetEditedCellText(ARealCol, ARow, session.UnitEditBtn->TextAndUnit());
        session.UnitEditBtn->SetVisible(false);
        session.UnitEditBtn->SetEnabled(false);
      }
      session.EditMode = false;
      return true;
    default: return false;
  }
}

}  // namespace hd
