// The grid's combo editor of edComboEdit (free text with a list) and edComboList (a choice
// from the list): which keys end the edit and how, the wheel, type-ahead completion, and the
// change events it fires on the grid's behalf.
#pragma once

#include "grid/editors/flat_combo.h"

namespace hd {

class TGridEditorHost;

class TGridCombo : public TEsgComboBox {
 public:
  // AOwner: the grid whose editor it is; Host: what it asks of that grid.
  TGridCombo(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TGridCombo"; }

  // Type-ahead: completes the typed prefix from the items, then the grid's lookup items.
  void DoChange();
  // Widens the dropped list to its widest item, never narrower than the editor.
  void SizeDropDownWidth();
  bool WorkMode() const { return FWorkMode; }

  // Return was typed into the editor.
  TNotifyEvent OnReturnKey;

  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void Change() override;
  void DoExit() override;

 private:
  bool IsEditorKey(WORD Key, TShiftState Shift) const;
  // The grid's Tab handling; false when a refused value ended the key.
  bool HandleTab(WORD& Key, TShiftState Shift);
  void MouseWheelStep(bool Down);

  bool FWorkMode = true;
  TGridEditorHost* FHost;
};

}  // namespace hd
