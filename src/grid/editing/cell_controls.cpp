// The controls written into a cell's markup made to work: a press flips a CHECK, picks a
// RADIO of the cell, holds a BUTTON down, or opens an edit or combo over an EDIT, PASSWORD,
// MASK or COMBO control; leaving that editor writes its text back as the control's VALUE.
// The cell's text is the only store of the values.
#include "grid/editing/cell_controls.h"

#include "grid/editing/edit_session.h"
#include "grid/editing/grid_pointer.h"
#include "grid/foundation/input_settings.h"
#include "grid/foundation/markup/markup_renderer.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Return leaves the editor for the grid; Tab goes on to the next control or cell.
void LeaveControlEditor(TWinControl& Editor, TKeyChar Key) {
  auto* grid = dynamic_cast<TExtStringGrid*>(Editor.Parent());
  if (!grid) return;
  grid->CloseCellControlEditor(&Editor);
  if (Key == 13) {
    if (grid->CanFocus()) grid->SetFocus();
    return;
  }
  if (grid->Navigation().AdvanceAuto()) {
    if (grid->CanFocus()) grid->SetFocus();
    grid->AdvanceToNextCell(grid->Col(), grid->Row(), true, false, true, false, true);
  } else {
    const TPoint cell = grid->CellControlCell();
    grid->FocusCellControl(grid->RealToDisplCol(cell.X), cell.Y, grid->CellControlID());
  }
}

}  // namespace

void TControlEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    WORD key = static_cast<WORD>(Message.WParam);
    if (key == VK_RETURN) {
      Message.Result = 0;
      return;
    }
    if (key == VK_TAB) {
      Message.Result = 1;
      return;
    }
  }
  TMaskEdit::WndProc(Message);
}

void TControlEdit::KeyPress(TKeyChar& Key) {
  if ((Key == 13 || Key == 9) && dynamic_cast<TExtStringGrid*>(Parent())) {
    TKeyChar key = Key;
    Key = 0;
    LeaveControlEditor(*this, key);
    return;
  }
  TMaskEdit::KeyPress(Key);
}

void TControlCombo::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && static_cast<WORD>(Message.WParam) == VK_TAB) {
    Message.Result = 1;
    return;
  }
  TEsgComboBox::WndProc(Message);
}

void TControlCombo::KeyPress(TKeyChar& Key) {
  if (Key == 13 || Key == 9) {
    TKeyChar key = Key;
    Key = 0;
    LeaveControlEditor(*this, key);
    return;
  }
  TEsgComboBox::KeyPress(Key);
}

bool TExtStringGrid::CellControlAt(int ACol, int ARow, int X, int Y, TMarkupResult& Result) {
  TExtStringGridPrivate& p = *FP;
  const int RC = RealColIndex(ACol);
  const std::string text = Cells(RC, ARow);
  if (GetTextKind(text, p.Text.FEnableHTML) != ttMarkup || !HasControlTag(text)) return false;
  TRect r = CellRect(ACol, ARow);
  r.Left += p.Text.FXYOffset.X + 1;
  r.Top += p.Text.FXYOffset.Y + 1;
  r.Right -= p.Text.FXYOffset.X;
  if (HasCheckBox(RC, ARow)) r.Left += p.ControlLook->CheckSize();
  if (HasScrollBar(RC, ARow)) {
    r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    if (Y >= 0) Y += GetScrollPosition(RC, ARow);
  }
  TCanvas& canvas = Canvas();
  TFont saved = canvas.Font();
  TCellLook look;
  look.Font = ACol < FixedCols() || ARow < FixedRows() ? p.Colors.FFixedFont : Font();
  look.Brush.Color = Color();
  look.WW = WordWrap();
  GetCellLook(ACol, ARow, look, false, false, true);
  canvas.Font() = look.Font;
  TMarkupCall call;
  call.Rect = r;
  call.X = X;
  call.Y = Y;
  call.HitTest = true;
  call.WordWrap = look.WW;
  call.PictureCache = &ImageCache();
  call.PictureContainer = p.Colors.FPictureContainer;
  const bool hit = DrawMarkup(canvas, text, call, Result);
  canvas.Font() = saved;
  return hit;
}

bool TExtStringGrid::CellControlPress(int ACol, int ARow, int X, int Y, bool CanEdit) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  const int RC = RealColIndex(ACol);
  if (!HasControlTag(Cells(RC, ARow))) return false;
  TMarkupResult hit;
  const bool any = CellControlAt(ACol, ARow, X, Y, hit);
  // A link among the controls is followed as any link.
  if (any && hit.AnchorVal != "ctrl") return false;
  if (!any || !CanEdit) {
    // Beside the controls, or on one that may not change: the press only selects the cell.
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    HideInplaceEdit();
    SetSelection(TGridRect{ACol, ARow, ACol, ARow});
    return true;
  }
  if (session.CtrlEditing) CloseCellControlEditor(this);
  std::string markup = Cells(RC, ARow);
  const std::string type = UpperCase(hit.ControlType), id = hit.ControlID, before = hit.ControlValue;
  if (type == "BUTTON") {
    p.Pointer->CtrlXY = {RC, ARow};
    p.Pointer->CtrlDown = true;
    RepaintCell(ACol, ARow);
  } else if (type == "CHECK") {
    SetControlValue(markup, id, UpperCase(before) == "TRUE" ? "FALSE" : "TRUE");
    SetCells(RC, ARow, markup);
  } else if (type == "RADIO") {
    // The radio controls of one cell are one group, whatever their IDs.
    markup = ClearRadioControls(markup);
    SetControlValue(markup, id, "TRUE");
    SetCells(RC, ARow, markup);
  }
  if (OnControlClick) OnControlClick(this, ARow, RC, id, type, before);
  OpenCellControlEditor(markup, type, ARow, RC, ACol, hit.ControlRect, before, id);
  return true;
}

void TExtStringGrid::CellControlRelease() {
  TGridPointer& ps = *FP->Pointer;
  if (!ps.CtrlDown) return;
  ps.CtrlDown = false;
  RepaintCell(RealToDisplCol(ps.CtrlXY.X), ps.CtrlXY.Y);
}

void TExtStringGrid::OpenCellControlEditor(const std::string& Markup, const std::string& CtrlType, int ARow,
                                           int RealCol, int ACol, const TRect& CtrlRect, const std::string& CtrlValue,
                                           const std::string& CtrlID) {
  (void)ACol;
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  const std::string type = UpperCase(CtrlType);
  const TRect& R = CtrlRect;
  const int maxLen = GetControlMaxLen(Markup, CtrlID);
  if (type == "EDIT" || type == "PASSWORD" || type == "MASK") {
    if (!session.ControlEdit) {
      session.ControlEdit = New<TControlEdit>(this);
      session.ControlEdit->SetVisible(false);
    }
    TControlEdit& edit = *session.ControlEdit;
    p.Pointer->CtrlXY = {RealCol, ARow};
    session.CtrlID = CtrlID;
    session.CtrlType = type;
    session.CtrlEditing = true;
    edit.SetPasswordChar(type == "PASSWORD" ? '*' : 0);
    edit.SetEditMask(type == "MASK" ? GetControlProp(Markup, CtrlID) : std::string());
    edit.OnExit = [this](TObject* Sender) { CloseCellControlEditor(Sender); };
    edit.SetText(CtrlValue);
    edit.SetBorderStyle(bsNone);
    edit.SetBounds(R.Left + 1, R.Top + 8, R.Right - R.Left - 4, 14);
    edit.SetMaxLength(maxLen);
    edit.SetParent(this);
    edit.SetVisible(true);
    edit.BringToFront();
    if (edit.CanFocus()) edit.SetFocus();
    return;
  }
  if (type != "COMBO") return;
  if (!session.ControlCombo) {
    session.ControlCombo = New<TControlCombo>(this);
    session.ControlCombo->SetVisible(false);
  }
  TControlCombo& combo = *session.ControlCombo;
  p.Pointer->CtrlXY = {RealCol, ARow};
  session.CtrlID = CtrlID;
  session.CtrlType = type;
  session.CtrlEditing = true;
  bool editable = true;
  int dropCount = 8;
  combo.SetFlat(false);
  combo.SetBounds(R.Left - 1, R.Top + 4, R.Right - R.Left, combo.Height());
  combo.OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
  combo.SetParent(this);
  combo.Items().Clear();
  if (OnControlComboList) OnControlComboList(this, ARow, RealCol, CtrlID, type, CtrlValue, combo.Items(), editable, dropCount);
  combo.SetStyle(editable ? csDropDown : csDropDownList);
  combo.SetItemIndex(combo.Items().IndexOf(CtrlValue));
  // A value outside the list still shows, with no item picked.
  if (editable) combo.SetText(CtrlValue);
  combo.SetDropDownCount(dropCount);
  combo.OnExit = [this](TObject* Sender) { CloseCellControlEditor(Sender); };
  combo.SetHeight(combo.ItemHeight() * (dropCount + 2));
  combo.SetMaxLength(maxLen);
  combo.SetVisible(true);
  combo.BringToFront();
  if (combo.CanFocus()) combo.SetFocus();
  combo.SetDroppedDown(true);
}

void TExtStringGrid::CloseCellControlEditor(TObject* Sender) {
  (void)Sender;
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  if (!session.CtrlEditing) return;
  session.CtrlEditing = false;
  const TPoint at = p.Pointer->CtrlXY;
  std::string text;
  TWinControl* editor = nullptr;
  if (session.CtrlType == "COMBO") {
    editor = session.ControlCombo;
    if (editor) text = session.ControlCombo->Text();
  } else {
    editor = session.ControlEdit;
    if (editor) text = session.ControlEdit->Text();
  }
  if (at.X >= 0 && at.Y >= 0 && at.X < ColCount() && at.Y < RowCount()) {
    std::string markup = Cells(at.X, at.Y);
    if (SetControlValue(markup, session.CtrlID, text)) SetCells(at.X, at.Y, markup);
  }
  if (editor) editor->SetVisible(false);
  if (OnControlEditDone) OnControlEditDone(this, at.Y, at.X, session.CtrlID, session.CtrlType, text);
  session.CtrlType.clear();
}

void TExtStringGrid::ControlComboSelect(TObject* Sender) {
  (void)Sender;
  TGridEditSession& session = *FP->Session;
  if (!OnControlComboSelect || !session.ControlCombo) return;
  TControlCombo& combo = *session.ControlCombo;
  const int index = combo.ItemIndex();
  const std::string item = index >= 0 && index < combo.Items().Count() ? combo.Items().Strings(index) : std::string();
  const TPoint at = FP->Pointer->CtrlXY;
  OnControlComboSelect(this, at.Y, at.X, index, session.CtrlID, item);
}

void TExtStringGrid::FocusCellControl(int ACol, int ARow, const std::string& CtrlID) {
  const int RC = RealColIndex(ACol);
  const std::string markup = Cells(RC, ARow);
  const std::string next = NextEditControlID(markup, CtrlID);
  if (next.empty()) {
    if (CanFocus()) SetFocus();
    return;
  }
  TMarkupResult hit;
  hit.ControlID = next;
  if (!CellControlAt(ACol, ARow, -1, -1, hit) || hit.AnchorVal != "ctrl") return;
  OpenCellControlEditor(markup, hit.ControlType, ARow, RC, ACol, hit.ControlRect, hit.ControlValue, hit.ControlID);
}

bool TExtStringGrid::CellControlEditing() const { return FP->Session->CtrlEditing; }
TPoint TExtStringGrid::CellControlCell() const { return FP->Pointer->CtrlXY; }
std::string TExtStringGrid::CellControlID() const { return FP->Session->CtrlID; }

}  // namespace hd
