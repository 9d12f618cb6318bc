// The check-box editor: the platform's check box over the cell; the keys that leave it end
// the edit and move the grid, and so does losing the focus. Its state is never stored.
#include "grid/editing/check_editors.h"

#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

TExtStringGrid* OwningGrid(TComponent* AOwner) {
  auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
  if (!grid) throw EInvalidCast();
  return grid;
}

}  // namespace

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), FGrid(OwningGrid(AOwner)) {}

void TGridCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  switch (Key) {
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      HWND self = Handle();
      TExtStringGrid* grid = FGrid;
      WORD key = Key;
      Key = 0;
      grid->HideInplaceEdit();
      if (grid->CanFocus()) grid->SetFocus();
      if (key == VK_RETURN) grid->AdvanceAfterEdit();
      if (key == VK_UP || key == VK_DOWN) grid->KeyDown(key, Shift);
      (void)self;
      return;
    }
    default: TCheckBox::KeyDown(Key, Shift);
  }
}

void TGridCheckBox::DoExit() {
  FGrid->HideInplaceEdit();
  TCheckBox::DoExit();
}

}  // namespace hd
