// The custom editor link (edCustom): the grid opens the program's control in the cell or on a
// popup form named "gridform", reads it back, and takes its part when a key leaves the control
// or the popup loses the activation.
#include "grid/editing/edit_link.h"
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_setup.h"
#include "grid/editing/grid_pointer.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/editing/inplace_text_edit.h"
#include "platform/application.h"
#include "platform/forms.h"

namespace hd {

void TExtStringGrid::SetupCustomEditor(const TEditorPlace& At) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TEditLink& link = *p.EditRules.FEditLink;
  session.EditMode = true;
  link.SetGrid(this);
  link.SetEditCell({At.RealCol, At.Row});
  if (link.EditStyle() == esPopup) {
    if (link.AutoPopupWidth()) link.SetPopupWidth(At.Cell.Right - At.Cell.Left);
    if (!link.PopupForm()) {
      // One popup form of that name lives with the application; an older one goes first.
      if (TComponent* old = Application().FindComponent("gridform")) delete old;
      TForm* form = New<TForm>(&Application());
      form->SetName("gridform");
      link.SetPopupForm(form);
    }
    TForm& form = *link.PopupForm();
    const TPoint cell = ClientToScreen({At.Cell.Left, At.Cell.Top});
    const TPoint at = link.PopupLeft() == -1 || link.PopupTop() == -1 ? cell : TPoint{link.PopupLeft(), link.PopupTop()};
    form.OnDeactivate = [&link](TObject* Sender) { link.FormExit(Sender); };
    form.SetBounds(at.X, at.Y, 0, 0);
    form.SetFormStyle(fsStayOnTop);
    form.SetBorderStyle(bsNone);
    form.Show();
    form.SetBounds(at.X, at.Y, link.PopupWidth(), link.PopupHeight());
    link.CreateEditor(&form);
    link.SetRect(Rect(0, 0, link.PopupWidth(), link.PopupHeight()));
  } else {
    link.CreateEditor(this);
    link.SetRect(At.Cell);
  }
  link.SetVisible(true);
  link.SetCellProps(At.Color, Font());
  link.SetProperties();
  DoGetEditorProp(At.RealCol, At.Row, &link);
  link.SetEditorValue(At.Text);
  // The character that opened the edit outlives the focus move.
  const TKeyChar start = session.StartEditChar;
  link.SetFocus(true);
  session.EditActive = true;
  TWinControl* control = link.GetEditControl();
  if (start != 0 && control) PostMessage(control->Handle(), WM_CHAR, start, 0);
  session.EditCtrl = control;
  // A link without a control cannot take the focus: the edit ends at once, cleanly.
  if (!control) {
    session.EditMode = false;
    session.EditActive = false;
    session.Editing = false;
    session.SpecialEditor = false;
  }
}

bool TExtStringGrid::ReadBackCustomEditor(int ARealCol, int ARow) {
  TGridEditSession& session = *FP->Session;
  if (session.EditControl != edCustom) return false;
  TEditLink* link = FP->EditRules.FEditLink;
  if (link) {
    SetEditedCellText(ARealCol, ARow, link->GetEditorValue());
    if (link->EditStyle() != esPopup) link->SetVisible(false);
    link->RestoreWinProc();
  }
  session.EditMode = false;
  return true;
}

void TExtStringGrid::EditLinkKeyDown(TEditLink& Link, WORD& Key, TShiftState Shift) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  HWND self = Handle();
  if (Key == VK_TAB) {
    if (p.Navigation->TabToNextAtEnd()) {
      Link.FocusGrid();
      ReadBackEditor(Col(), Row());
      if (TabToNextCell(Shift.Contains(ssShift)) && !HasClickableGraphic(RealColIndex(Col()), Row()))
        PostMessage(self, WM_KEYDOWN, VK_F2, 0);
      Key = 0;
      return;
    }
    Key = 0;
  }
  if (Key == VK_ESCAPE) Link.SetEditorValue(session.CellCache);
  Link.FocusGrid();
  ReadBackEditor(Col(), Row());
  if (Link.EditStyle() == esPopup) Link.EditExit(this);
  session.EditMode = false;
  SelectCell(Col(), Row());
  if (!IsWindow(self)) return;
  if (!p.LastValidation) {
    // The value was refused: the user stays in the custom editor.
    p.LastValidation = true;
    SetupEditor(Col(), Row());
    return;
  }
  if (Key == VK_RETURN) {
    AdvanceToNextCell(Col(), Row(), false, true, !Shift.Contains(ssShift), false, true);
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    Key = 0;
    return;
  }
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) {
    const WORD moved = Key;
    KeyDown(Key, Shift);
    if (TWinControl* control = Link.GetEditControl()) control->SetEnabled(false);
    Link.FocusGrid();
    if (Options().Contains(goTabs) && moved == VK_TAB && !HasClickableGraphic(RealColIndex(Col()), Row()))
      PostMessage(self, WM_KEYDOWN, VK_F2, 0);
  }
}

void TExtStringGrid::EditLinkFormExit(TEditLink& Link, TObject* Sender) {
  if (TExtInplaceEdit* edit = NormalEdit()) edit->SetText(Link.GetEditorValue());
  if (Link.ForcedExit()) {
    Link.SetCellValue(Link.GetEditorValue());
    return;
  }
  Link.EditExit(Sender);
  // The focus message that follows is the grid's own doing.
  FP->Pointer->InvokedFocusChange = true;
}

void TExtStringGrid::EditLinkControlWndProc(TMessage& Message, const std::function<void(TMessage&)>& Saved) {
  if (Saved) Saved(Message);
  if (Message.Msg == WM_GETDLGCODE && Options().Contains(goTabs))
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

}  // namespace hd
