// The grid's check-box editor (edCheckBox: a check box over the cell, captioned with its text,
// that stores nothing) and button editor (edButton: a push button over the cell whose press
// lets the program change the caption, which the cell then takes).
#pragma once

#include "platform/std_ctrls.h"

namespace hd {

class TGridEditorHost;

class TGridCheckBox : public TCheckBox {
 public:
  // AOwner: the grid whose editor it is; Host: what it asks of that grid.
  TGridCheckBox(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TGridCheckBox"; }
  // Makes the window again before each use.
  void ReCreate() { RecreateWnd(); }
  // The keys that leave it are its own, not the form's focus moves.
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

 private:
  TGridEditorHost* FHost;
};

class TGridButton : public TButton {
 public:
  // AOwner: the grid whose editor it is; Host: what it asks of that grid. A click fires the
  // grid's OnButtonClick for the current cell.
  TGridButton(TComponent* AOwner, TGridEditorHost& Host);
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
  TGridEditorHost* FHost;
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
