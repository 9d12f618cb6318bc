// The check-box editor (the platform's check box over the cell, whose state is never stored)
// and the button editor (a push button whose press passes its caption through OnEllipsClick
// into the cell); the keys that leave them end the edit and move the grid.
#include "grid/editing/check_editors.h"

#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), FGrid(OwningGrid(AOwner)) {}

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
  TExtStringGrid* grid = FGrid;
  WORD key = Key;
  Key = 0;
  grid->HideInplaceEdit();
  if (grid->CanFocus()) grid->SetFocus();
  // Moves only with AdvanceOnEnter.
  if (key == VK_RETURN) grid->AdvanceToNextCell(grid->Col(), grid->Row(), false, true, true, false, false);
  if (key == VK_UP || key == VK_DOWN) grid->KeyDown(key, Shift);
}

void TGridCheckBox::DoExit() {
  FGrid->HideInplaceEdit();
  TCheckBox::DoExit();
}

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), FGrid(OwningGrid(AOwner)) {
  OnClick = [this](TObject*) { FGrid->DoButtonClick(FGrid->Col(), FGrid->Row()); };
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
      if (dynamic_cast<TExtStringGrid*>(Parent())) PassCaption();
      break;
    default: break;
  }
  TButton::WndProc(Message);
}

void TGridButton::LeaveToGrid() {
  SetVisible(false);
  SetEnabled(false);
  FGrid->SetEditMode(false);
  if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridButton::KeyDown(WORD& Key, TShiftState Shift) {
  TExtStringGrid* grid = FGrid;
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      WORD key = Key;
      Key = 0;
      SendMessage(grid->Handle(), WM_KEYDOWN, key, 0);
      LeaveToGrid();
      SendMessage(grid->Handle(), WM_KEYUP, key, 0);
      return;
    }
    case VK_ESCAPE:
      Key = 0;
      LeaveToGrid();
      grid->RestoreCellCache();
      SendMessage(grid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
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
  std::string caption;
  FGrid->DoEllipsClick(Caption(), caption);
  SetCaption(caption);
  FGrid->SetCurrentCell(caption);
}

void TGridButton::DoExit() {
  FGrid->HideInplaceEdit();
  TButton::DoExit();
}

}  // namespace hd
