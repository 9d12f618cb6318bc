// The grid's spin editor of edSpinEdit, edFloatSpinEdit, edTimeSpinEdit and edDateSpinEdit:
// the spin edit with the keys that end the edit (storing, validating and moving the grid),
// Escape back to the text from before the edit, the spin events it fires for the grid, and
// closing when the focus leaves it.
#pragma once

#include "grid/editors/spin_edit.h"

namespace hd {

class TGridEditorHost;

class TGridSpin : public TEsgSpinEdit {
 public:
  // AOwner: the grid whose editor it is; Host: what it asks of that grid.
  TGridSpin(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TGridSpin"; }

  // Makes the window again before each use.
  void ReCreate() { RecreateWnd(); }
  void SpinUpClick() override;
  void SpinDownClick() override;

  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Change() override;
  void DoExit() override;

 private:
  // The grid's spin event of the kind of value, after a step.
  void FireSpinEvent(bool UpDown);
  // Home and End: the limits, and OnSpinClick; true when the key is used up.
  bool HomeEnd(WORD Key);
  // Tab or Return: the text to the cell and validated; false when refused.
  bool StoreAndValidate(WORD& Key);

  TGridEditorHost* FHost;
};

}  // namespace hd
