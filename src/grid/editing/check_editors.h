// The grid's check-box editor (edCheckBox: a check box over the cell, captioned with its text,
// that stores nothing) and button editor (edButton: a push button over the cell whose press
// lets the program change the caption, which the cell then takes).
#pragma once

#include "platform/std_ctrls.h"

namespace hd {

class TExtStringGrid;

class TGridCheckBox : public TCheckBox {
 public:
  // The owner must be a string grid (EInvalidCast otherwise).
  explicit TGridCheckBox(TComponent* AOwner);
  const char* ClassName() const override { return "TGridCheckBox"; }
  // Makes the window again before each use.
  void ReCreate() { RecreateWnd(); }

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

 private:
  TExtStringGrid* FGrid;
};

// Told of the cells a validated edit changed; registered with a grid (RegisterNotifier).
class TGridChangeNotifier : public TComponent {
 public:
  using TComponent::TComponent;
  const char* ClassName() const override { return "TGridChangeNotifier"; }
  // R: the changed cells (real columns), corners inclusive.
  virtual void CellsChanged(const TRect& /*R*/) {}
};

}  // namespace hd
