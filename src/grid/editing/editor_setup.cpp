// SetupEditor: the special editor of the current cell is placed, filled, shown and focused by
// the set-up of its family (editor_setup/, one file per family); kinds without an editor
// open nothing.
#include "grid/editing/editor_setup.h"

#include "grid/editing/edit_session.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

void TExtStringGrid::SetupEditor(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  session.Editing = true;
  session.SpecialEditor = true;
  session.EditActive = true;
  TEditorPlace at;
  at.Cell = CellRect(ACol, ARow);
  at.RealCol = RealColIndex(ACol);
  at.Row = ARow;
  at.Width = at.Cell.Right - at.Cell.Left - 1;
  at.Height = at.Cell.Bottom - at.Cell.Top - 1;
  TBrush brush;
  brush.Color = Color();
  TFont font = Font();
  GetCellColor(at.RealCol, ARow, TGridDrawState{}, brush, font);
  at.Color = brush.Color == clNone ? Color() : brush.Color;
  at.Text = GetEditText(ACol, ARow);
  FGridState = gsNormal;
  session.EditCtrl = nullptr;
  if (session.EditControl != edCustom) p.LastValidation = true;
  switch (session.EditControl) {
    case edComboEdit:
    case edComboList: SetupComboEditor(at); break;
    case edCheckBox: SetupCheckBoxEditor(at); break;
    case edButton: SetupButtonEditor(at); break;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: SetupSpinEditor(at); break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: SetupEditBtnEditor(at); break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: SetupUnitEditBtnEditor(at); break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
    case edDateTimeEdit: SetupDateEditor(at); break;
    case edRichEdit: SetupRichEditor(at); break;
    case edCustom:
      if (p.EditRules.FEditLink) {
        SetupCustomEditor(at);
        break;
      }
      [[fallthrough]];
    default:
      // The kinds whose editors this grid does not have open nothing: the cell keeps its text.
      session.Editing = false;
      session.SpecialEditor = false;
      session.EditActive = false;
      session.EditMode = false;
      break;
  }
  session.StartEditChar = 0;
  if (session.EditMode && p.FocusHelper->Enabled()) ShowFocusWindow(at.Cell);
}

}  // namespace hd
