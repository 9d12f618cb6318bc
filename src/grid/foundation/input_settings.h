// The grid's keyboard and mouse settings. As with the other settings objects (settings.h),
// Assign copies only from an object of the same class and fires nothing, and each setter is
// fixed as firing, firing on a change, or a plain field.
#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/classes.h"
#include "platform/component.h"
#include "platform/string_list.h"

namespace hd {

// Keyboard navigation, advancing after Enter or Tab, row insertion and the clipboard.
class TNavigation : public TPersistent {
 public:
  TNavigation() = default;
  const char* ClassName() const override { return "TNavigation"; }
  void Assign(const TPersistent* Source) override;

  bool AllowInsertRow() const { return FAllowInsertRow; }
  void SetAllowInsertRow(bool Value) { FAllowInsertRow = Value; }
  bool AllowDeleteRow() const { return FAllowDeleteRow; }
  void SetAllowDeleteRow(bool Value) { FAllowDeleteRow = Value; }
  bool AdvanceOnEnter() const { return FAdvanceOnEnter; }
  void SetAdvanceOnEnter(bool Value) { FAdvanceOnEnter = Value; }
  bool AdvanceInsert() const { return FAdvanceInsert; }
  void SetAdvanceInsert(bool Value);
  bool AutoGotoWhenSorted() const { return FAutoGotoWhenSorted; }
  void SetAutoGotoWhenSorted(bool Value) { FAutoGotoWhenSorted = Value; }
  bool AutoGotoIncremental() const { return FAutoGotoIncremental; }
  void SetAutoGotoIncremental(bool Value) { FAutoGotoIncremental = Value; }
  bool AutoComboDropSize() const { return FAutoComboDropSize; }
  void SetAutoComboDropSize(bool Value) { FAutoComboDropSize = Value; }
  bool AllowClipboardShortCuts() const { return FAllowClipboardShortcuts; }
  void SetAllowClipboardShortCuts(bool Value) { FAllowClipboardShortcuts = Value; }
  bool AllowRTFClipboard() const { return FAllowRTFClipboard; }
  void SetAllowRTFClipboard(bool Value) { FAllowRTFClipboard = Value; }
  bool AllowSmartClipboard() const { return FAllowSmartClipboard; }
  void SetAllowSmartClipboard(bool Value) { FAllowSmartClipboard = Value; }
  bool AllowClipboardAlways() const { return FAllowClipboardAlways; }
  void SetAllowClipboardAlways(bool Value) { FAllowClipboardAlways = Value; }
  bool AllowClipboardColGrow() const { return FAllowClipboardColGrow; }
  void SetAllowClipboardColGrow(bool Value) { FAllowClipboardColGrow = Value; }
  bool AllowClipboardRowGrow() const { return FAllowClipboardRowGrow; }
  void SetAllowClipboardRowGrow(bool Value) { FAllowClipboardRowGrow = Value; }
  TClipboardPasteAction ClipboardPasteAction() const { return FClipboardPasteAction; }
  void SetClipboardPasteAction(TClipboardPasteAction Value) { FClipboardPasteAction = Value; }
  bool CopyHTMLTagsToClipboard() const { return FCopyHTMLTagsToClipboard; }
  void SetCopyHTMLTagsToClipboard(bool Value) { FCopyHTMLTagsToClipboard = Value; }
  TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection Value);
  bool AdvanceAuto() const { return FAdvanceAuto; }
  void SetAdvanceAuto(bool Value);
  bool AdvanceAutoEdit() const { return FAdvanceAutoEdit; }
  void SetAdvanceAutoEdit(bool Value) { FAdvanceAutoEdit = Value; }
  bool CursorWalkEditor() const { return FCursorWalkEditor; }
  void SetCursorWalkEditor(bool Value) { FCursorWalkEditor = Value; }
  bool CursorWalkAlwaysEdit() const { return FCursorWalkAlwaysEdit; }
  void SetCursorWalkAlwaysEdit(bool Value) { FCursorWalkAlwaysEdit = Value; }
  bool MoveRowOnSort() const { return FMoveRowOnSort; }
  void SetMoveRowOnSort(bool Value) { FMoveRowOnSort = Value; }
  bool KeepScrollOnSort() const { return FKeepScrollOnSort; }
  void SetKeepScrollOnSort(bool Value) { FKeepScrollOnSort = Value; }
  bool ImproveMaskSel() const { return FImproveMaskSel; }
  void SetImproveMaskSel(bool Value) { FImproveMaskSel = Value; }
  bool AlwaysEdit() const { return FAlwaysEdit; }
  void SetAlwaysEdit(bool Value) { FAlwaysEdit = Value; }
  TInsertPosition InsertPosition() const { return FInsertPosition; }
  void SetInsertPosition(TInsertPosition Value) { FInsertPosition = Value; }
  bool LineFeedOnEnter() const { return FLineFeedOnEnter; }
  void SetLineFeedOnEnter(bool Value) { FLineFeedOnEnter = Value; }
  THomeEndAction HomeEndKey() const { return FHomeEndKey; }
  void SetHomeEndKey(THomeEndAction Value) { FHomeEndKey = Value; }
  bool KeepHorizScroll() const { return FKeepHorizScroll; }
  void SetKeepHorizScroll(bool Value) { FKeepHorizScroll = Value; }
  bool AllowFmtClipboard() const { return FAllowFMTClipboard; }
  void SetAllowFmtClipboard(bool Value) { FAllowFMTClipboard = Value; }
  bool TabToNextAtEnd() const { return FTabToNextAtEnd; }
  void SetTabToNextAtEnd(bool Value) { FTabToNextAtEnd = Value; }
  bool EditSelectAll() const { return FEditSelectAll; }
  void SetEditSelectAll(bool Value) { FEditSelectAll = Value; }
  TAdvanceDirection TabAdvanceDirection() const { return FTabAdvanceDirection; }
  void SetTabAdvanceDirection(TAdvanceDirection Value) { FTabAdvanceDirection = Value; }
  bool SkipFixedCells() const { return FSkipFixedCells; }
  void SetSkipFixedCells(bool Value) { FSkipFixedCells = Value; }
  bool SkipDisabledRows() const { return FSkipDisabledRows; }
  void SetSkipDisabledRows(bool Value) { FSkipDisabledRows = Value; }
  bool AllowCtrlEnter() const { return FAllowCtrlEnter; }
  void SetAllowCtrlEnter(bool Value) { FAllowCtrlEnter = Value; }
  bool AppendOnArrowDown() const { return FAppendOnArrowDown; }
  void SetAppendOnArrowDown(bool Value) { FAppendOnArrowDown = Value; }
  bool LeftRightRowSelect() const { return FLeftRightRowSelect; }
  void SetLeftRightRowSelect(bool Value) { FLeftRightRowSelect = Value; }
  bool MoveScrollOnly() const { return FMoveScrollOnly; }
  void SetMoveScrollOnly(bool Value) { FMoveScrollOnly = Value; }
  bool ComboGetUpDown() const { return FComboGetUpdown; }
  void SetComboGetUpDown(bool Value) { FComboGetUpdown = Value; }
  bool AdvanceOnEnterLoop() const { return FAdvanceOnEnterLoop; }
  void SetAdvanceOnEnterLoop(bool Value) { FAdvanceOnEnterLoop = Value; }
  TCursorAdvance CursorAdvance() const { return FCursorAdvance; }
  void SetCursorAdvance(TCursorAdvance Value) { FCursorAdvance = Value; }
  bool AdvanceSkipReadOnlyCells() const { return FAdvanceSkipReadOnlyCells; }
  void SetAdvanceSkipReadOnlyCells(bool Value) { FAdvanceSkipReadOnlyCells = Value; }
  bool CursorMoveRows() const { return FCursorMoveRows; }
  void SetCursorMoveRows(bool Value) { FCursorMoveRows = Value; }

  TNotifyEvent OnChange;

 private:
  void Changed();

  bool FAllowInsertRow = false;
  bool FAllowDeleteRow = false;
  bool FAdvanceOnEnter = false;
  bool FAdvanceInsert = false;
  bool FAutoGotoWhenSorted = false;
  bool FAutoGotoIncremental = false;
  bool FAutoComboDropSize = false;
  bool FAllowClipboardShortcuts = false;
  bool FAllowRTFClipboard = false;
  bool FAllowSmartClipboard = false;
  bool FAllowClipboardAlways = false;
  bool FAllowClipboardColGrow = true;
  bool FAllowClipboardRowGrow = true;
  TClipboardPasteAction FClipboardPasteAction = paReplace;
  bool FCopyHTMLTagsToClipboard = true;
  TAdvanceDirection FAdvanceDirection = adLeftRight;
  bool FAdvanceAuto = false;
  bool FAdvanceAutoEdit = true;
  bool FCursorWalkEditor = false;
  bool FCursorWalkAlwaysEdit = true;
  bool FMoveRowOnSort = false;
  bool FKeepScrollOnSort = false;
  bool FImproveMaskSel = false;
  bool FAlwaysEdit = false;
  TInsertPosition FInsertPosition = pInsertBefore;
  bool FLineFeedOnEnter = false;
  THomeEndAction FHomeEndKey = heFirstLastColumn;
  bool FKeepHorizScroll = false;
  bool FAllowFMTClipboard = false;
  bool FTabToNextAtEnd = false;
  bool FEditSelectAll = true;
  TAdvanceDirection FTabAdvanceDirection = adLeftRight;
  bool FSkipFixedCells = true;
  bool FSkipDisabledRows = true;
  bool FAllowCtrlEnter = true;
  bool FAppendOnArrowDown = false;
  bool FLeftRightRowSelect = true;
  bool FMoveScrollOnly = false;
  bool FComboGetUpdown = true;
  bool FAdvanceOnEnterLoop = true;
  TCursorAdvance FCursorAdvance = caDefault;
  bool FAdvanceSkipReadOnlyCells = true;
  bool FCursorMoveRows = false;
};

// Selection, sizing and editing with the mouse.
class TMouseActions : public TPersistent {
 public:
  explicit TMouseActions(TComponent* AOwner) : FOwner(AOwner) {}
  const char* ClassName() const override { return "TMouseActions"; }
  void Assign(const TPersistent* Source) override;

  bool ColSelect() const { return FColSelect; }
  void SetColSelect(bool Value) { FColSelect = Value; }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { FRowSelect = Value; }
  bool AllSelect() const { return FAllSelect; }
  void SetAllSelect(bool Value) { FAllSelect = Value; }
  bool DirectEdit() const { return FDirectEdit; }
  void SetDirectEdit(bool Value) { FDirectEdit = Value; }
  bool DirectComboDrop() const { return FDirectComboDrop; }
  void SetDirectComboDrop(bool Value) { FDirectComboDrop = Value; }
  bool DirectComboClose() const { return FDirectComboClose; }
  void SetDirectComboClose(bool Value) { FDirectComboClose = Value; }
  bool DirectDateClose() const { return FDirectDateClose; }
  void SetDirectDateClose(bool Value) { FDirectDateClose = Value; }
  bool DirectDateDrop() const { return FDirectDateDrop; }
  void SetDirectDateDrop(bool Value) { FDirectDateDrop = Value; }
  bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  bool DisjunctColSelect() const { return FDisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  bool AllColumnSize() const { return FAllColumnSize; }
  void SetAllColumnSize(bool Value) { FAllColumnSize = Value; }
  bool AllRowSize() const { return FAllRowSize; }
  void SetAllRowSize(bool Value) { FAllRowSize = Value; }
  bool CaretPositioning() const { return FCaretPositioning; }
  void SetCaretPositioning(bool Value) { FCaretPositioning = Value; }
  bool SizeFixedCol() const { return FSizeFixedCol; }
  void SetSizeFixedCol(bool Value) { FSizeFixedCol = Value; }
  bool SizeFixedRow() const { return FSizeFixedRow; }
  void SetSizeFixedRow(bool Value) { FSizeFixedRow = Value; }
  bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  TGridFixedCellEdit FixedRowsEdit() const { return FFixedRowsEdit; }
  void SetFixedRowsEdit(TGridFixedCellEdit Value) { FFixedRowsEdit = Value; }
  TGridFixedCellEdit FixedColsEdit() const { return FFixedColsEdit; }
  void SetFixedColsEdit(TGridFixedCellEdit Value) { FFixedColsEdit = Value; }
  TGridFixedCellEditor FixedRowsEditor() const { return FFixedRowsEditor; }
  void SetFixedRowsEditor(TGridFixedCellEditor Value) { FFixedRowsEditor = Value; }
  TGridFixedCellEditor FixedColsEditor() const { return FFixedColsEditor; }
  void SetFixedColsEditor(TGridFixedCellEditor Value) { FFixedColsEditor = Value; }
  bool HotmailRowSelect() const { return FHotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  bool RangeSelectAndEdit() const { return FRangeSelectAndEdit; }
  void SetRangeSelectAndEdit(bool Value) { FRangeSelectAndEdit = Value; }
  bool NoAutoRangeScroll() const { return FNoAutoRangeScroll; }
  void SetNoAutoRangeScroll(bool Value) { FNoAutoRangeScroll = Value; }
  bool PreciseCheckBoxCheck() const { return FPreciseCheckBoxCheck; }
  void SetPreciseCheckBoxCheck(bool Value) { FPreciseCheckBoxCheck = Value; }
  bool PreciseNodeClick() const { return FPreciseNodeClick; }
  void SetPreciseNodeClick(bool Value) { FPreciseNodeClick = Value; }
  bool CheckAllCheck() const { return FCheckAllCheck; }
  void SetCheckAllCheck(bool Value) { FCheckAllCheck = Value; }
  bool NodeAllExpandContract() const { return FNodeAllExpandContract; }
  void SetNodeAllExpandContract(bool Value) { FNodeAllExpandContract = Value; }
  bool MoveRowOnNodeClick() const { return FMoveRowOnNodeClick; }
  void SetMoveRowOnNodeClick(bool Value) { FMoveRowOnNodeClick = Value; }
  bool RowSelectPersistent() const { return FRowSelectPersistent; }
  void SetRowSelectPersistent(bool Value) { FRowSelectPersistent = Value; }
  bool SelectOnRightClick() const { return FSelectOnRightClick; }
  void SetSelectOnRightClick(bool Value) { FSelectOnRightClick = Value; }
  bool NoScrollOnPartialRow() const { return FNoScrollOnPartialRow; }
  void SetNoScrollOnPartialRow(bool Value) { FNoScrollOnPartialRow = Value; }
  int WheelIncrement() const { return FWheelIncrement; }
  void SetWheelIncrement(int Value) { FWheelIncrement = Value; }
  TWheelAction WheelAction() const { return FWheelAction; }
  void SetWheelAction(TWheelAction Value);
  bool AutoSizeColOnDblClick() const { return FAutoSizeColOnDblClick; }
  void SetAutoSizeColOnDblClick(bool Value) { FAutoSizeColOnDblClick = Value; }
  bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool Value);
  bool DisjunctRowSelectNoCtrl() const { return FDisjunctRowSelectNoCtrl; }
  void SetDisjunctRowSelectNoCtrl(bool Value) { FDisjunctRowSelectNoCtrl = Value; }
  // Writes the setting without the setter's side effects.
  void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
  const TStringList& FixedComboValues() const { return FFixedComboValues; }
  void SetFixedComboValues(const TStringList& Value) { FFixedComboValues.Assign(Value); }

  TNotifyEvent OnChange;
  TNotifyEvent OnInvalidate;
  TIsDesigningEvent OnIsDesigning;
  TNotifyEvent OnDisableEdit;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  void Changed();
  bool IsDesigning();
  void SetDisjunct(bool& Field, bool Value, bool& Other1, bool& Other2);

  TComponent* FOwner;
  bool FColSelect = false;
  bool FRowSelect = false;
  bool FAllSelect = false;
  bool FDirectEdit = false;
  bool FDirectComboDrop = false;
  bool FDirectComboClose = false;
  bool FDirectDateClose = false;
  bool FDirectDateDrop = false;
  bool FDisjunctRowSelect = false;
  bool FDisjunctColSelect = false;
  bool FAllColumnSize = false;
  bool FAllRowSize = false;
  bool FCaretPositioning = false;
  bool FSizeFixedCol = false;
  bool FSizeFixedRow = false;
  bool FDisjunctCellSelect = false;
  TGridFixedCellEdit FFixedRowsEdit = fceNone;
  TGridFixedCellEdit FFixedColsEdit = fceNone;
  TGridFixedCellEditor FFixedRowsEditor = fceEdit;
  TGridFixedCellEditor FFixedColsEditor = fceEdit;
  bool FHotmailRowSelect = false;
  bool FRangeSelectAndEdit = false;
  bool FNoAutoRangeScroll = false;
  bool FPreciseCheckBoxCheck = false;
  bool FPreciseNodeClick = true;
  bool FCheckAllCheck = false;
  bool FNodeAllExpandContract = false;
  bool FMoveRowOnNodeClick = false;
  bool FRowSelectPersistent = false;
  bool FSelectOnRightClick = false;
  bool FNoScrollOnPartialRow = false;
  int FWheelIncrement = 0;
  TWheelAction FWheelAction = waMoveSelection;
  bool FAutoSizeColOnDblClick = true;
  bool FEditOnDblClickOnly = false;
  bool FDisjunctRowSelectNoCtrl = false;
  TStringList FFixedComboValues;
};

}  // namespace hd
