// The editors a grid opens over the EDIT, PASSWORD, MASK and COMBO controls written into a
// cell's markup: Return and Tab end them (Tab goes on to the next control of the cell or,
// with AdvanceAuto, to the next cell), and leaving them writes the value back into the cell.
#pragma once

#include "grid/editors/flat_combo.h"
#include "platform/mask_edit.h"

namespace hd {

class TExtStringGrid;

class TControlEdit : public TMaskEdit {
 public:
  explicit TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner) {}
  const char* ClassName() const override { return "TControlEdit"; }
  void WndProc(TMessage& Message) override;

 protected:
  void KeyPress(TKeyChar& Key) override;
};

class TControlCombo : public TEsgComboBox {
 public:
  explicit TControlCombo(TComponent* AOwner) : TEsgComboBox(AOwner) {}
  const char* ClassName() const override { return "TControlCombo"; }
  void WndProc(TMessage& Message) override;

 protected:
  void KeyPress(TKeyChar& Key) override;
};

}  // namespace hd
