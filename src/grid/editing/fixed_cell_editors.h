// The small editors of header (fixed) cells: a plain edit and a combo that the grid lays over
// a fixed cell. They take no part in the in-place editor life cycle: leaving them validates
// their text and stores it in the cell themselves.
#pragma once

#include <string>

#include "platform/std_ctrls.h"

namespace hd {

// What a fixed-cell editor asks of its grid.
class TFixedCellEditorHost {
 public:
  virtual ~TFixedCellEditorHost() = default;
  // OnCellValidate for the fixed cell (real column); the handler may change Value. False
  // refuses it.
  virtual bool ValidateFixedCell(int ACol, int ARow, std::string& Value) = 0;
  // OnEditingDone, then Value into the cell store as it stands.
  virtual void StoreFixedCell(int ACol, int ARow, const std::string& Value) = 0;
};

// One editing behaviour for both controls: the fixed cell edited, the stop, Return kept.
template <typename TControlBase>
class TFixedCellEditor : public TControlBase {
 public:
  TFixedCellEditor(TComponent* AOwner, TFixedCellEditorHost* Host) : TControlBase(AOwner), FHost(Host) {
    this->SetVisible(false);
  }
  // The fixed cell edited: real column and row.
  void SetCell(int ACol, int ARow) {
    FCol = ACol;
    FRow = ARow;
  }
  int CellCol() const { return FCol; }
  int CellRow() const { return FRow; }
  // Ends the edit; false when the value was refused and the editor stays open, focused.
  bool StopEdit() {
    if (!FHost) {
      this->SetVisible(false);
      return true;
    }
    std::string value = this->Text();
    if (!FHost->ValidateFixedCell(FCol, FRow, value)) {
      if (this->CanFocus()) this->SetFocus();
      return false;
    }
    FHost->StoreFixedCell(FCol, FRow, value);
    this->SetVisible(false);
    return true;
  }

 protected:
  void DoExit() override {
    TControlBase::DoExit();
    // A hidden editor has nothing left to store.
    if (this->Visible()) StopEdit();
  }
  // Return would close nothing and only beep; the edit ends when the focus leaves.
  void KeyPress(TKeyChar& Key) override {
    if (Key == '\r') Key = 0;
    TControlBase::KeyPress(Key);
  }

 private:
  int FRow = -1;
  int FCol = -1;
  TFixedCellEditorHost* FHost;
};

class TGridTransEdit : public TFixedCellEditor<TCustomEdit> {
 public:
  using TFixedCellEditor::TFixedCellEditor;
  const char* ClassName() const override { return "TGridTransEdit"; }
};

class TGridTransCombo : public TFixedCellEditor<TCustomComboBox> {
 public:
  using TFixedCellEditor::TFixedCellEditor;
  const char* ClassName() const override { return "TGridTransCombo"; }
};

}  // namespace hd
