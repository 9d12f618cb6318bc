// The date and time editors (edDateEdit, edDateEditUpDown, edTimeEdit with the date picker,
// edDateTimeEdit with the date-and-time picker): made on first use, set up over the cell with
// the cell's value, read back in the locale's formats, and their events fired for the grid.
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/editing/inplace_date.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/regional.h"

namespace hd {
namespace {

// The cell's text as a date and time; now when it is empty or none.
TDateTime CellDateTime(const std::string& Text, bool TimeOnly) {
  TDateTime value = 0;
  if (Text.empty()) return Now();
  if (TimeOnly) return TryStrToTime(Text, value) ? value : Now();
  if (TryStrToDateTime(Text, value) || TryStrToDate(Text, value)) return value;
  return Now();
}

}  // namespace

TGridDatePicker* TExtStringGrid::DateTimePicker() {
  TGridEditSession& session = *FP->Session;
  if (!session.DatePicker) {
    session.DatePicker = MakeEditor<TGridDatePicker>(this, *FP->EditorHost);
    session.DatePicker->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
    session.DatePicker->OnDropDown = [this](TObject* Sender) { DatePickerDropDown(Sender); };
    session.DatePicker->OnChange = [this](TObject* Sender) { DatePickerChange(Sender); };
  }
  return session.DatePicker;
}

TGridDateTimePicker* TExtStringGrid::DateAndTimePicker() {
  TGridEditSession& session = *FP->Session;
  if (!session.DateTimePicker) {
    session.DateTimePicker = MakeEditor<TGridDateTimePicker>(this, *FP->EditorHost);
    session.DateTimePicker->SetAutoTab(true);
    session.DateTimePicker->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
    session.DateTimePicker->OnTimeChange = [this](TObject* Sender) { DateTimePickerChange(Sender); };
  }
  return session.DateTimePicker;
}

void TExtStringGrid::SetupDateEditor(const TEditorPlace& At) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  session.EditMode = true;
  if (session.EditControl == edDateTimeEdit) {
    TGridDateTimePicker* picker = DateAndTimePicker();
    const TDateTime value = CellDateTime(At.Text, false);
    session.OriginalDateTime = value;
    picker->SetKind(dkDateTime);
    picker->SetDateTime(value);
    picker->SetBorderStyle(bsNone);
    picker->SetBounds(At.Cell.Left, At.Cell.Top, At.Width,
                      picker->Height() < At.Height ? At.Height : picker->Height());
    DoGetEditorProp(At.RealCol, At.Row, p.EditRules.FEditLink);
    picker->SetEnabled(true);
    picker->SetVisible(true);
    picker->SetColor(At.Color);
    if (picker->CanFocus()) picker->SetFocus();
    return;
  }
  TGridDatePicker* picker = DateTimePicker();
  picker->ReCreate();
  const bool time = session.EditControl == edTimeEdit;
  TDateTime value = 0;
  if (!time && !At.Text.empty() && OnCustomStrToDate) {
    value = Now();
    OnCustomStrToDate(this, At.Text, value);
  } else {
    value = CellDateTime(At.Text, time);
  }
  if (!time) {
    if (picker->MaxDate() != 0 && value > picker->MaxDate()) value = picker->MaxDate() - 1;
    if (picker->MinDate() != 0 && value <= picker->MinDate()) value = picker->MinDate() + 1;
  }
  picker->SetKind(time ? dtkTime : dtkDate);
  picker->SetDateMode(session.EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
  picker->SetDateTime(value);
  DoGetEditorProp(At.RealCol, At.Row, p.EditRules.FEditLink);
  picker->SetBounds(At.Cell.Left, At.Cell.Top, At.Width, At.Height);
  picker->SetEnabled(true);
  picker->SetVisible(true);
  picker->SetColor(At.Color);
  if (picker->CanFocus()) picker->SetFocus();
  if (!time) {
    if (p.MouseActions->DirectDateDrop()) picker->Perform(WM_KEYDOWN, VK_F4, 0);
    PostStartChar(session, *picker);
  }
  session.EditCtrl = picker;
}

bool TExtStringGrid::ReadBackDateEditor(int ARealCol, int ARow) {
  TGridEditSession& session = *FP->Session;
  const TEditorType kind = session.EditControl;
  if (kind == edDateTimeEdit) {
    session.EditMode = false;
    TGridDateTimePicker* picker = session.DateTimePicker;
    if (!picker) return true;
    const TFormatSettings fs = FormatSettings();
    SetEditedCellText(ARealCol, ARow,
                      picker->Checked() ? FormatDateTime(fs.ShortDateFormat + " " + fs.ShortTimeFormat, picker->DateTime())
                                        : std::string());
    picker->SetVisible(false);
    picker->SetEnabled(false);
    return true;
  }
  if (kind != edDateEdit && kind != edDateEditUpDown && kind != edTimeEdit) return false;
  session.EditMode = false;
  TGridDatePicker* picker = session.DatePicker;
  if (!picker) return true;
  if (picker->DroppedDown()) picker->SetDroppedDown(false);
  SetEditedCellText(ARealCol, ARow, kind == edTimeEdit || picker->Checked() ? picker->Text() : std::string());
  picker->SetVisible(false);
  picker->SetEnabled(false);
  return true;
}

void TExtStringGrid::DatePickerChange(TObject* Sender) {
  auto* picker = dynamic_cast<TDateTimePicker*>(Sender);
  if (!picker || !OnEditChange) return;
  OnEditChange(this, Col(), Row(), picker->Kind() == dtkTime ? TimeToStr(picker->Time()) : DateToStr(picker->Date()));
}

void TExtStringGrid::DatePickerCloseUp(TObject* Sender) {
  if (OnDatePickerCloseUp) OnDatePickerCloseUp(Sender, Row(), Col());
  if (FP->MouseActions->DirectDateClose()) HideInplaceEdit();
}

void TExtStringGrid::DatePickerDropDown(TObject* Sender) {
  auto* picker = dynamic_cast<TGridDatePicker*>(Sender);
  if (picker && picker->Calendar()) {
    TMonthCalendar& calendar = *picker->Calendar();
    calendar.SetWeekNumbers(picker->Weeknumbers());
    calendar.SetShowToday(picker->ShowToday());
    calendar.SetShowTodayCircle(picker->ShowTodayCircle());
  }
  if (OnDatePickerDropDown) OnDatePickerDropDown(Sender, Row(), Col());
}

// The sender is the editor's time part; the value is the whole editor's.
void TExtStringGrid::DateTimePickerChange(TObject*) {
  TGridDateTimePicker* picker = FP->Session->DateTimePicker;
  if (OnDateTimeChange && picker) OnDateTimeChange(this, Col(), Row(), picker->DateTime());
}

}  // namespace hd
