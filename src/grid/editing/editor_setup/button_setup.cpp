// The button editor (edButton): made once, and set up a pixel outside the cell with its text
// as the caption.
#include "grid/editing/check_editors.h"
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

TGridButton* TExtStringGrid::Btn() {
  if (!FP->Session->ButtonEdit) FP->Session->ButtonEdit = MakeEditor<TGridButton>(this, *FP->EditorHost);
  return FP->Session->ButtonEdit;
}

void TExtStringGrid::SetupButtonEditor(const TEditorPlace& At) {
  TGridEditSession& session = *FP->Session;
  TGridButton* button = Btn();
  session.EditMode = true;
  button->ReCreate();
  // One pixel outside the cell on every side.
  button->SetBounds(At.Cell.Left - 1, At.Cell.Top - 1, At.Width + 2, At.Height + 2);
  button->SetCaption(At.Text);
  button->SetVisible(true);
  button->SetEnabled(true);
  if (button->CanFocus()) button->SetFocus();
  session.EditCtrl = button;
}

}  // namespace hd
