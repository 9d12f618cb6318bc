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
  // The keys that leave it are its own, not the form's focus moves.
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

 private:
  TExtStringGrid* FGrid;
};

class TGridButton : public TButton {
 public:
  // The owner must be a string grid (EInvalidCast otherwise); a click fires the grid's
  // OnButtonClick for the current cell.
  explicit TGridButton(TComponent* AOwner);
  const char* ClassName() const override { return "TGridButton"; }
  void ReCreate() { RecreateWnd(); }
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

 private:
  // The caption through OnEllipsClick, and into the current cell.
  void PassCaption();
  // Hidden and disabled, the grid out of edit mode and focused.
  void LeaveToGrid();
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
