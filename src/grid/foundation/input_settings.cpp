#include "grid/foundation/input_settings.h"

namespace hd {

void TNavigation::Changed() {
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool Value) {
  if (FAdvanceInsert == Value) return;
  FAdvanceInsert = Value;
  Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
  if (FAdvanceDirection == Value) return;
  FAdvanceDirection = Value;
  Changed();
}

void TNavigation::SetAdvanceAuto(bool Value) {
  if (FAdvanceAuto == Value) return;
  FAdvanceAuto = Value;
  // Advancing by itself needs advancing on Enter; turning it off leaves that as it is.
  if (Value) FAdvanceOnEnter = true;
}

void TNavigation::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TNavigation*>(Source);
  if (!src) return;
  FAllowInsertRow = src->FAllowInsertRow;
  FAllowDeleteRow = src->FAllowDeleteRow;
  FAdvanceOnEnter = src->FAdvanceOnEnter;
  FAdvanceInsert = src->FAdvanceInsert;
  FAutoGotoWhenSorted = src->FAutoGotoWhenSorted;
  FAutoGotoIncremental = src->FAutoGotoIncremental;
  FAutoComboDropSize = src->FAutoComboDropSize;
  FAllowClipboardShortcuts = src->FAllowClipboardShortcuts;
  FAllowRTFClipboard = src->FAllowRTFClipboard;
  FAllowSmartClipboard = src->FAllowSmartClipboard;
  FAllowClipboardAlways = src->FAllowClipboardAlways;
  FAllowClipboardColGrow = src->FAllowClipboardColGrow;
  FAllowClipboardRowGrow = src->FAllowClipboardRowGrow;
  FClipboardPasteAction = src->FClipboardPasteAction;
  FCopyHTMLTagsToClipboard = src->FCopyHTMLTagsToClipboard;
  FAdvanceDirection = src->FAdvanceDirection;
  FAdvanceAuto = src->FAdvanceAuto;
  FAdvanceAutoEdit = src->FAdvanceAutoEdit;
  FCursorWalkEditor = src->FCursorWalkEditor;
  FCursorWalkAlwaysEdit = src->FCursorWalkAlwaysEdit;
  FMoveRowOnSort = src->FMoveRowOnSort;
  FImproveMaskSel = src->FImproveMaskSel;
  FAlwaysEdit = src->FAlwaysEdit;
  FInsertPosition = src->FInsertPosition;
  FLineFeedOnEnter = src->FLineFeedOnEnter;
  FHomeEndKey = src->FHomeEndKey;
  FKeepHorizScroll = src->FKeepHorizScroll;
  FAllowFMTClipboard = src->FAllowFMTClipboard;
  FTabToNextAtEnd = src->FTabToNextAtEnd;
  FEditSelectAll = src->FEditSelectAll;
  FTabAdvanceDirection = src->FTabAdvanceDirection;
  FSkipFixedCells = src->FSkipFixedCells;
  FSkipDisabledRows = src->FSkipDisabledRows;
  FAllowCtrlEnter = src->FAllowCtrlEnter;
  FAppendOnArrowDown = src->FAppendOnArrowDown;
  FLeftRightRowSelect = src->FLeftRightRowSelect;
  FMoveScrollOnly = src->FMoveScrollOnly;
  FComboGetUpdown = src->FComboGetUpdown;
  FAdvanceOnEnterLoop = src->FAdvanceOnEnterLoop;
  FCursorAdvance = src->FCursorAdvance;
  FAdvanceSkipReadOnlyCells = src->FAdvanceSkipReadOnlyCells;
  FCursorMoveRows = src->FCursorMoveRows;
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
  if (FWheelAction == Value) return;
  FWheelAction = Value;
  Changed();
}

void TMouseActions::Changed() {
  if (OnChange) OnChange(this);
}

bool TMouseActions::IsDesigning() {
  bool designing = false;
  if (OnIsDesigning) OnIsDesigning(this, designing);
  return designing;
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FHotmailRowSelect = Value;
  if (Value) {
    FDisjunctRowSelect = true;
    FCheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  FEditOnDblClickOnly = Value;
  if (Value && OnDisableEdit) OnDisableEdit(this);
}

// The three disjunct selections exclude each other, but only in a designer: at run time the
// program may combine them.
void TMouseActions::SetDisjunct(bool& Field, bool Value, bool& Other1, bool& Other2) {
  Field = Value;
  if (Value && IsDesigning()) {
    Other1 = false;
    Other2 = false;
  }
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  SetDisjunct(FDisjunctRowSelect, Value, FDisjunctColSelect, FDisjunctCellSelect);
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
  SetDisjunct(FDisjunctColSelect, Value, FDisjunctRowSelect, FDisjunctCellSelect);
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
  SetDisjunct(FDisjunctCellSelect, Value, FDisjunctRowSelect, FDisjunctColSelect);
}

void TMouseActions::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TMouseActions*>(Source);
  if (!src) return;
  FColSelect = src->FColSelect;
  FRowSelect = src->FRowSelect;
  FAllSelect = src->FAllSelect;
  FDirectEdit = src->FDirectEdit;
  FDirectComboDrop = src->FDirectComboDrop;
  FDirectComboClose = src->FDirectComboClose;
  FDirectDateClose = src->FDirectDateClose;
  FDirectDateDrop = src->FDirectDateDrop;
  FDisjunctRowSelect = src->FDisjunctRowSelect;
  FDisjunctColSelect = src->FDisjunctColSelect;
  FAllColumnSize = src->FAllColumnSize;
  FAllRowSize = src->FAllRowSize;
  FCaretPositioning = src->FCaretPositioning;
  FSizeFixedCol = src->FSizeFixedCol;
  FDisjunctCellSelect = src->FDisjunctCellSelect;
  FFixedRowsEdit = src->FFixedRowsEdit;
  FFixedColsEdit = src->FFixedColsEdit;
  FFixedRowsEditor = src->FFixedRowsEditor;
  FFixedColsEditor = src->FFixedColsEditor;
  FRangeSelectAndEdit = src->FRangeSelectAndEdit;
  FNoAutoRangeScroll = src->FNoAutoRangeScroll;
  FPreciseCheckBoxCheck = src->FPreciseCheckBoxCheck;
  FPreciseNodeClick = src->FPreciseNodeClick;
  FCheckAllCheck = src->FCheckAllCheck;
  FNodeAllExpandContract = src->FNodeAllExpandContract;
  FMoveRowOnNodeClick = src->FMoveRowOnNodeClick;
  FRowSelectPersistent = src->FRowSelectPersistent;
  FSelectOnRightClick = src->FSelectOnRightClick;
  FNoScrollOnPartialRow = src->FNoScrollOnPartialRow;
  FWheelIncrement = src->FWheelIncrement;
  FWheelAction = src->FWheelAction;
  FAutoSizeColOnDblClick = src->FAutoSizeColOnDblClick;
  FDisjunctRowSelectNoCtrl = src->FDisjunctRowSelectNoCtrl;
}

}  // namespace hd
