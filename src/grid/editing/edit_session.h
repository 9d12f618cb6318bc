// The state of an edit in the string grid: which editor kind is prepared, whether an edit is
// under way or being validated, the cell it began in with its text, and the editors made for it.
// The grid owns one; its in-place editors read and set it through their host.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "platform/controls.h"
#include "platform/unicode.h"

namespace hd {

class TGridButton;
class TGridCheckBox;
class TGridCombo;
class TGridEditBtn;
class TGridSpin;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridUnitEditBtn;
class TExtRichEdit;
class TControlEdit;
class TControlCombo;

class TGridEditSession {
 public:
  // The editor kind last prepared for the current cell.
  TEditorType EditControl = edNormal;
  // An editor of any kind was prepared for the current cell and not yet read back.
  bool EditMode = false;
  // An edit is under way whose value must pass validation before the focus leaves.
  bool Editing = false;
  // A special editor opened by the set-up; its read-back reports the end of the edit.
  bool EditActive = false;
  bool SpecialEditor = false;
  // The control of the open special editor.
  TWinControl* EditCtrl = nullptr;
  bool Validating = false;
  // The read-back runs: focus loss is answered and ignored.
  bool BlockKill = false;
  // DoneInplaceEdit runs.
  bool BlockFocus = false;
  // An editor was shown since the last click on the grid.
  bool Entered = false;
  // The editor is being loaded: no OnEditChange.
  bool NoEditChange = false;
  bool ShowEditProcess = false;
  // The character that started the edit; 0 for none.
  TKeyChar StartEditChar = 0;
  // A left click opened the editor: the caret goes where the mouse is.
  bool LButFlg = false;
  // The current cell's text when the focus came or the editor was prepared (Escape).
  std::string CellCache;
  std::string EditText;
  WideString EditWideText;

  // The cell the edit began in and its text then, in both string kinds; validation compares
  // with them.
  int OldCol = -1;
  int OldRow = -1;
  std::string OldCellText;
  WideString OldCellTextWide;
  bool OldModifiedValue = false;
  // The value validation stored or proposes; a refused editor shows it.
  std::string NewCellText;

  // The record validation compares with: the cell (display column), its text in both kinds
  // and whether the grid was modified then.
  void RememberOldCell(int ACol, int ARow, std::string Text, WideString WideText, bool ModifiedNow);

  // The special editors, made on first use and owned by the grid as their owner.
  TGridCombo* Combo = nullptr;
  TGridCheckBox* CheckEdit = nullptr;
  TGridButton* ButtonEdit = nullptr;
  TGridSpin* Spin = nullptr;
  TGridEditBtn* EditBtn = nullptr;
  TGridUnitEditBtn* UnitEditBtn = nullptr;
  TExtRichEdit* RichEdit = nullptr;
  // The editors over the controls of cells' markup, the control being edited and whether one
  // is open (the cell is the pointer state's CtrlXY).
  TControlEdit* ControlEdit = nullptr;
  TControlCombo* ControlCombo = nullptr;
  std::string CtrlID;
  std::string CtrlType;
  bool CtrlEditing = false;
  // A press on the upper or lower half of the spin buttons a cell shows always: the editor
  // that opens steps once.
  bool SpinUpClick = false;
  bool SpinDnClick = false;

  // The date and time editors, and the value a date-and-time cell had when its edit began.
  TGridDatePicker* DatePicker = nullptr;
  TGridDateTimePicker* DateTimePicker = nullptr;
  double OriginalDateTime = 0;
};

// Holds a flag at a value for a scope and puts the old value back, also when a handler throws.
class TFlagScope {
 public:
  TFlagScope(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
  ~TFlagScope() { flag_ = old_; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace hd
