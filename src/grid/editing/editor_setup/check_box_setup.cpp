// The check-box editor (edCheckBox): made once, and set up over the cell captioned with its text.
#include "grid/editing/check_editors.h"
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

TGridCheckBox* TExtStringGrid::CheckBoxEditor() {
  if (!FP->Session->CheckEdit) FP->Session->CheckEdit = MakeEditor<TGridCheckBox>(this, *FP->EditorHost);
  return FP->Session->CheckEdit;
}

void TExtStringGrid::SetupCheckBoxEditor(const TEditorPlace& At) {
  TGridEditSession& session = *FP->Session;
  TGridCheckBox* check = CheckBoxEditor();
  session.EditMode = true;
  check->ReCreate();
  check->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, At.Height);
  check->SetCaption(At.Text);
  check->SetEnabled(true);
  check->SetState(cbUnchecked);
  check->SetVisible(true);
  if (check->CanFocus()) check->SetFocus();
}

}  // namespace hd
