// The spin editor (edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit): made on first
// use, set up over the cell with the cell's value in the kind's type, and read back as a
// number, a float, a time text or a date.
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/editing/inplace_spin.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Blanks, a sign and a "$" or "0x" prefix are read; any other text gives 0.
int CellInt(const std::string& Text) {
  int value = 0;
  return TryStrToInt(Trim(Text), value) ? value : 0;
}

double CellFloat(const std::string& Text) {
  double value = 0;
  return TryStrToFloat(FinancialToNumberText(Text), value, InvariantFormatSettings()) ? value : 0.0;
}

}  // namespace

TGridSpin* TExtStringGrid::SpinEdit() {
  TGridEditSession& session = *FP->Session;
  if (!session.Spin) {
    session.Spin = MakeEditor<TGridSpin>(this, *FP->EditorHost);
    session.Spin->SetBorderStyle(bsNone);
    session.Spin->SetIsWinXP(FP->IsXP);
  }
  return session.Spin;
}

void TExtStringGrid::SetupSpinEditor(const TEditorPlace& At) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TGridSpin* spin = SpinEdit();
  session.EditMode = true;
  spin->ReCreate();
  spin->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, At.Height);
  spin->SetVisible(true);
  spin->SetEnabled(true);
  spin->SetColor(At.Color);
  spin->SetExcelStyleDecimalSeparator(p.EditRules.FExcelStyleDecimalSeparator);
  TEditorSetup& setup = p.EditRules.FEditorSetup;
  if (setup.SpinRangeGiven) {
    spin->SetMinValue(setup.SpinMin);
    spin->SetMaxValue(setup.SpinMax);
    spin->SetIncrement(setup.SpinStep);
    setup.SpinRangeGiven = false;
  }
  DoGetEditorProp(At.RealCol, At.Row, p.EditRules.FEditLink);
  switch (session.EditControl) {
    case edSpinEdit:
      spin->SetValue(CellInt(At.Text));
      spin->SetSpinType(sptNormal);
      break;
    case edFloatSpinEdit:
      spin->SetFloatValue(CellFloat(At.Text));
      spin->SetSpinType(sptFloat);
      break;
    case edTimeSpinEdit:
      spin->SetText(At.Text);
      spin->SetSpinType(sptTime);
      break;
    default: {
      TDateTime date = 0;
      spin->SetDateValue(!At.Text.empty() && TryStrToDate(At.Text, date) ? date : Now());
      spin->SetSpinType(sptDate);
      break;
    }
  }
  if (spin->CanFocus()) spin->SetFocus();
  PostStartChar(session, *spin);
  // A press on the buttons the cell shows steps the value as the editor's own buttons would.
  if (session.SpinUpClick) spin->IncrementValue(false);
  if (session.SpinDnClick) spin->DecrementValue(false);
  session.SpinUpClick = session.SpinDnClick = false;
  session.EditCtrl = spin;
}

bool TExtStringGrid::ReadBackSpinEditor(int ARealCol, int ARow) {
  TGridEditSession& session = *FP->Session;
  TEditorType kind = session.EditControl;
  if (kind != edSpinEdit && kind != edFloatSpinEdit && kind != edTimeSpinEdit && kind != edDateSpinEdit) return false;
  session.EditMode = false;
  TGridSpin* spin = session.Spin;
  if (!spin) return true;
  if (spin->AllowEmptyValue() && Trim(spin->Text()).empty()) {
    SetCellEx(ARealCol, ARow, "");
  } else {
    switch (kind) {
      case edSpinEdit: SetInts(ARealCol, ARow, spin->Value()); break;
      case edFloatSpinEdit: SetFloats(ARealCol, ARow, spin->FloatValue()); break;
      case edTimeSpinEdit: SetEditedCellText(ARealCol, ARow, spin->Text()); break;
      default: SetDates(ARealCol, ARow, spin->DateValue()); break;
    }
  }
  spin->SetVisible(false);
  spin->SetEnabled(false);
  return true;
}

}  // namespace hd
