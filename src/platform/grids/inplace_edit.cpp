// The editor the grid opens over a cell: which keys it hands to the grid, where it sits, and
// how it takes and gives back the focus.
#include "platform/desktop.h"
#include "platform/forms.h"
#include "platform/grids.h"
#include "platform/sysutils.h"
#include "platform/timers.h"

namespace hd {

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomMaskEdit(owner), grid_(dynamic_cast<TCustomGrid*>(owner)) {
  SetCtl3D(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
  SetVisible(false);
}

void TInplaceEdit::CreateParams(TCreateParams& params) {
  TCustomMaskEdit::CreateParams(params);
  params.Style |= ES_MULTILINE;
}

void TInplaceEdit::UpdateContents() {
  if (!grid_) return;
  // The old text goes first, so that the new mask takes nothing over from it.
  SetText("");
  SetEditMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
  loaded_text_ = grid_->GetEditText(grid_->Col(), grid_->Row());
  SetText(loaded_text_);
  // A mask sets its own length.
  if (!IsMasked()) SetMaxLength(grid_->GetEditLimit());
}

void TInplaceEdit::Move(const TRect& Loc) {
  if (Loc.IsEmpty()) {
    Hide();
    return;
  }
  SetBounds(Loc.Left, Loc.Top, Loc.Width(), Loc.Height());
  if (!Visible()) {
    BringToFront();
    SetVisible(true);
  }
  // Straight to the window: the grid stays its form's active control.
  if (grid_ && grid_->Focused()) hd::SetFocus(Handle());
}

void TInplaceEdit::Hide() {
  if (!Visible()) return;
  // The focus goes back to the grid before the editor hides, so that it stays in the grid.
  if (Focused() && grid_) hd::SetFocus(grid_->Handle());
  SetVisible(false);
}

void TInplaceEdit::Deselect() {
  SetSelStart(Utf8Length(EditText()));
  SetSelLength(0);
}

bool TInplaceEdit::AtLeftSide() const {
  int start = SelStart(), length = SelLength();
  int textLength = Utf8Length(EditText());
  return start == 0 && (length == 0 || length == textLength);
}

bool TInplaceEdit::AtRightSide() const {
  int start = SelStart(), length = SelLength();
  int textLength = Utf8Length(EditText());
  return (start == 0 || length == 0) && start + length == textLength;
}

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (!grid_) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    return;
  }
  HWND self = Handle();
  // Keys that leave the text go to the grid's navigation instead of the edit.
  auto sendToGrid = [&] {
    grid_->KeyDown(Key, Shift);
    Key = 0;
  };
  auto gridEvent = [&] {
    if (grid_->OnKeyDown) grid_->OnKeyDown(grid_, Key, Shift);
  };
  bool forward = grid_->Options().Contains(goAlwaysShowEditor);
  bool ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: sendToGrid(); break;
    case VK_LEFT:
    case VK_HOME:
      if (forward && (ctrl || AtLeftSide())) sendToGrid();
      break;
    case VK_RIGHT:
    case VK_END:
      if (forward && (ctrl || AtRightSide())) sendToGrid();
      break;
    case VK_TAB:
      if (!Shift.Contains(ssAlt)) sendToGrid();
      break;
    case VK_F2:
      gridEvent();
      if (!IsWindow(self)) return;
      if (Key == VK_F2) {
        Deselect();
        return;
      }
      break;
    default: break;
  }
  if (Key == 0 || !IsWindow(self)) return;
  gridEvent();
  if (Key != 0 && IsWindow(self)) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(TKeyChar& Key) {
  HWND self = Handle();
  if (grid_) grid_->KeyPress(Key);
  if (!IsWindow(self)) return;
  switch (Key) {
    case '\t':
    case 27: Key = 0; break;
    case '\r':
      // Return the grid left alone (with goAlwaysShowEditor) selects the text or lets it go.
      if (SelStart() == 0 && SelLength() == Utf8Length(EditText()))
        Deselect();
      else
        SelectAll();
      Key = 0;
      break;
    default: break;
  }
  if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (grid_) grid_->KeyUp(Key, Shift);
}

void TInplaceEdit::DblClick() {
  if (grid_) grid_->DblClick();
}

bool TInplaceEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  return grid_ ? grid_->DoMouseWheel(Shift, WheelDelta, MousePos) : false;
}

void TInplaceEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS: {
      // The grid stays its form's active control while its editor has the focus, so that
      // leaving the editor is leaving the grid.
      TCustomForm* form = GetParentForm(this);
      if (!form || !grid_ || form->SetFocusedControl(grid_)) Dispatch(message);
      return;
    }
    case WM_LBUTTONDOWN:
      // The press that opened the editor was the first click of a double click.
      if (FClickTime != 0 && GetTickCount() - FClickTime < GetDoubleClickTime()) message.Msg = WM_LBUTTONDBLCLK;
      FClickTime = 0;
      break;
    default: break;
  }
  TCustomMaskEdit::WndProc(message);
}

void TInplaceEdit::Dispatch(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    TCustomMaskEdit::Dispatch(message);
    // As a multi-line edit it takes Return and Escape; Tab with goTabs.
    if (grid_ && grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
    return;
  }
  TCustomMaskEdit::Dispatch(message);
}

}  // namespace hd
