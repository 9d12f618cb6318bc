// The check-box editor (the platform's check box over the cell, whose state is never stored)
// and the button editor (a push button whose press passes its caption through OnEllipsClick
// into the cell); the keys that leave them end the edit and move the grid.
#include "grid/editing/check_editors.h"

#include "grid/editing/edit_session.h"
#include "grid/editing/editor_host.h"

namespace hd {

TGridCheckBox::TGridCheckBox(TComponent* AOwner, TGridEditorHost& Host) : TCheckBox(AOwner), FHost(&Host) {}

namespace {

bool LeavesTheCheckBox(WPARAM Key) {
  switch (Key) {
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: return true;
    default: return false;
  }
}

}  // namespace

void TGridCheckBox::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && LeavesTheCheckBox(Message.WParam)) {
    Message.Result = 1;
    return;
  }
  TCheckBox::WndProc(Message);
}

void TGridCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (!LeavesTheCheckBox(Key)) {
    TCheckBox::KeyDown(Key, Shift);
    return;
  }
  TGridEditorHost& host = *FHost;
  WORD key = Key;
  Key = 0;
  host.HideInplaceEdit();
  if (host.Window().CanFocus()) host.Window().SetFocus();
  // Moves only with AdvanceOnEnter.
  if (key == VK_RETURN) host.AdvanceOnReturn();
  if (key == VK_UP || key == VK_DOWN) host.GridKeyDown(key, Shift);
}

void TGridCheckBox::DoExit() {
  FHost->HideInplaceEdit();
  TCheckBox::DoExit();
}

TGridButton::TGridButton(TComponent* AOwner, TGridEditorHost& Host) : TButton(AOwner), FHost(&Host) {
  OnClick = [this](TObject*) { FHost->ButtonClick(); };
}

void TGridButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
      switch (Message.WParam) {
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: Message.Result = 1; return;
        default: break;
      }
      break;
    case WM_LBUTTONUP:
      // The caption reaches the cell before the click completes (OnEllipsClick, then
      // OnButtonClick).
      if (Parent() == &FHost->Window()) PassCaption();
      break;
    default: break;
  }
  TButton::WndProc(Message);
}

void TGridButton::LeaveToGrid() {
  SetVisible(false);
  SetEnabled(false);
  FHost->Session().EditMode = false;
  if (FHost->Window().CanFocus()) FHost->Window().SetFocus();
}

void TGridButton::KeyDown(WORD& Key, TShiftState Shift) {
  HWND grid = FHost->Window().Handle();
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      WORD key = Key;
      Key = 0;
      SendMessage(grid, WM_KEYDOWN, key, 0);
      LeaveToGrid();
      SendMessage(grid, WM_KEYUP, key, 0);
      return;
    }
    case VK_ESCAPE:
      Key = 0;
      LeaveToGrid();
      FHost->RestoreCellCache();
      SendMessage(grid, WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    default: TButton::KeyDown(Key, Shift);
  }
}

void TGridButton::KeyUp(WORD& Key, TShiftState) {
  // Only Space does anything; its release then completes the click.
  if (Key != VK_SPACE) {
    Key = 0;
    return;
  }
  PassCaption();
  Invalidate();
}

void TGridButton::PassCaption() {
  std::string caption = FHost->EllipsClick(Caption());
  SetCaption(caption);
  FHost->SetCurrentCell(caption);
}

void TGridButton::DoExit() {
  FHost->HideInplaceEdit();
  TButton::DoExit();
}

}  // namespace hd
