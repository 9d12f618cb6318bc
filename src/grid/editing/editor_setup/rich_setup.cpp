// The rich-text editor (edRichEdit): made on first use, loaded from the cell's rich text over
// the cell, and read back as rich text.
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/editing/inplace_rich_edit.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

TExtRichEdit* TExtStringGrid::InplaceRichEdit() {
  TGridEditSession& session = *FP->Session;
  if (!session.RichEdit) {
    session.RichEdit = MakeEditor<TExtRichEdit>(this, *FP->EditorHost);
    session.RichEdit->OnSelectionChange = [this](TObject* Sender) {
      if (OnRichEditSelectionChange) OnRichEditSelectionChange(Sender);
    };
  }
  return session.RichEdit;
}

void TExtStringGrid::SetupRichEditor(const TEditorPlace& At) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TExtRichEdit* rich = InplaceRichEdit();
  session.EditMode = true;
  rich->ReCreate();
  rich->SetParent(this);
  rich->SetBorderStyle(bsNone);
  rich->SetHideSelection(false);
  rich->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, At.Height);
  DoGetEditorProp(At.RealCol, At.Row, p.EditRules.FEditLink);
  // Loading the text asks for sizes that must not grow the row.
  rich->SetLocked(true);
  {
    rich->SetEventMask(rich->EventMask() | ENM_REQUESTRESIZE);
    CellToRich(At.RealCol, At.Row, rich);
    if (p.Navigation->EditSelectAll()) rich->SelectAll();
    rich->SetVisible(true);
    rich->SetEnabled(true);
    TRect format = Rect(2, 2, At.Cell.Right - At.Cell.Left - 2, At.Cell.Bottom - At.Cell.Top - 2);
    rich->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
    rich->SetColor(At.Color);
    if (rich->CanFocus()) rich->SetFocus();
    PostStartChar(session, *rich);
  }
  rich->SetLocked(false);
  session.EditCtrl = rich;
}

bool TExtStringGrid::ReadBackRichEditor(int ARealCol, int ARow) {
  TGridEditSession& session = *FP->Session;
  if (session.EditControl != edRichEdit) return false;
  session.EditMode = false;
  TExtRichEdit* rich = session.RichEdit;
  if (!rich) return true;
  SetEditedCellText(ARealCol, ARow, RichToString(rich));
  rich->SetVisible(false);
  rich->SetEnabled(false);
  return true;
}

}  // namespace hd
