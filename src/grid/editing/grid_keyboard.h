// The string grid's answer to the keyboard: the keys WM_KEYDOWN settles itself (scroll-only
// moves, Return and F2, check boxes and buttons, Home and End, row selection's sides, fixed
// cells skipped, a row appended), the steps after the platform's navigation (rows moved with
// Ctrl, the cursor wrapping, disabled rows skipped), typing that starts an edit, the Return
// rules of the key press, the key-up, and the walk of Tab. The grid owns one and forwards its
// members to it; the keyboard sees the grid only through TGridKeyHost.
#pragma once

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/messages.h"
#include "platform/unicode.h"

namespace hd {

class TIntList;
class TMouseActions;
class TNavigation;

// The grid's settings the keys read.
struct TKeyLooks {
  bool FixedRowAlways = false;
  int FixedFooters = 0;
  int FixedRightCols = 0;
  bool SelectionRectangle = false;
  bool FooterVisible = false;
};

// The grid as the keyboard sees it. Cells are display columns unless a name says real.
class TGridKeyHost {
 public:
  virtual ~TGridKeyHost() = default;

  // The window and its settings.
  virtual HWND Handle() = 0;
  virtual void DefaultHandling(TMessage& Message) = 0;
  virtual bool FormPreviewsKeys() = 0;
  virtual bool Focused() = 0;
  virtual bool CanFocus() = 0;
  virtual void SetFocus() = 0;
  virtual TGridOptions Options() = 0;
  virtual void SetOptions(TGridOptions Value) = 0;
  virtual TKeyLooks Looks() = 0;
  virtual TNavigation& Navigation() = 0;
  virtual TMouseActions& MouseActions() = 0;

  // Lines and cells.
  virtual int ColCount() = 0;
  virtual int RowCount() = 0;
  virtual void SetRowCount(int Value) = 0;
  virtual int FixedCols() = 0;
  virtual int FixedRows() = 0;
  virtual int Col() = 0;
  virtual int Row() = 0;
  virtual void SetCol(int Value) = 0;
  virtual void SetRow(int Value) = 0;
  virtual int LeftCol() = 0;
  virtual int TopRow() = 0;
  virtual void SetLeftCol(int Value) = 0;
  virtual void SetTopRow(int Value) = 0;
  virtual int VisibleColCount() = 0;
  virtual int VisibleRowCount() = 0;
  virtual int VisibleFixedRightCols() = 0;
  virtual int FirstDataCol() = 0;
  virtual bool IsLastNormalRow(int ARow) = 0;
  virtual int RealColIndex(int ACol) = 0;
  virtual int DisplToRealRow(int ARow) = 0;
  virtual TPoint CellSpan(int ACol, int ARow) = 0;
  virtual TPoint BaseCell(int ACol, int ARow) = 0;
  virtual bool IsBaseCell(int ACol, int ARow) = 0;
  virtual bool IsMergedNonBaseCell(int ACol, int ARow) = 0;
  virtual void MoveToBaseCell() = 0;
  virtual bool IsNode(int ARow) = 0;
  virtual bool IsFocusFixed(int ACol, int ARow) = 0;
  virtual bool IsEditable(int ACol, int ARow) = 0;
  virtual bool CanEditCell(int ARealCol, int ARow, bool Default) = 0;
  virtual bool HasClickableGraphic(int ARealCol, int ARow) = 0;
  virtual bool SkipsDisabledRows() = 0;
  virtual bool RowEnabled(int ARow) = 0;
  virtual bool CanTabToCell(int ACol, int ARow) = 0;
  virtual int FirstTabCol(int ARow) = 0;
  virtual int LastTabCol(int ARow) = 0;
  virtual bool ChangeCellAllowed(int OldCol, int OldRow, int NewCol, int NewRow) = 0;
  virtual void GotoFirstRow() = 0;
  virtual void ClampInView(TGridCoord Cell) = 0;
  virtual void MoveRow(int FromIndex, int ToIndex) = 0;
  // The texts of a display row emptied, beyond the row count too.
  virtual void ClearRowTexts(int ARow) = 0;

  // Selection and repaint.
  virtual TGridRect Selection() = 0;
  virtual void SetSelection(const TGridRect& Value) = 0;
  // A click simulated from code selects without the editing decisions.
  virtual void SetForceSel(bool Value) = 0;
  virtual void SelectionChanged(const TGridRect& Now) = 0;
  virtual void InvalidateRange(const TGridRect& Range) = 0;
  virtual void InvalidateGrid() = 0;
  virtual void RepaintCell(int ACol, int ARow) = 0;
  virtual void RepaintRow(int ARow) = 0;
  virtual void ClearRowSelect() = 0;
  virtual void ClearColSelect() = 0;
  virtual bool RowSelect(int ARow) = 0;
  virtual bool ColSelect(int ACol) = 0;
  virtual void SetRowSelect(int ARow, bool Value) = 0;
  virtual void SetColSelect(int ACol, bool Value) = 0;
  virtual void SyncRowSelectWithSelection(bool Value) = 0;
  virtual void SyncColSelectWithSelection(bool Value) = 0;
  virtual TIntList& SelectedCells() = 0;

  // Editing.
  virtual bool Editing() = 0;
  virtual bool EditorMode() = 0;
  virtual void ShowInplaceEdit() = 0;
  virtual void ShowEditorChar(TKeyChar Ch) = 0;
  virtual void SetStartEditChar(TKeyChar Ch) = 0;
  virtual void RestoreCellCache() = 0;
  virtual void StoreOldCell(int ACol, int ARow) = 0;
  // The Return walk on from the cell (AdvanceToNextCell forwards, not forced).
  virtual void AdvanceToNextCell(int ACol, int ARow, bool FromEditor) = 0;
  virtual void SilentClick(int ACol, int ARow) = 0;
  virtual void ClearSearchText() = 0;

  // The steps of other concerns a key starts: a Space or Return on a check box, radio or
  // button cell (false when the grid went away), the clipboard keys (true when the key was
  // one), Insert and Delete on rows (false when an event refused).
  virtual bool ClickGraphic(WORD Key) = 0;
  virtual bool ClipboardKey(WORD Key, bool Ctrl, bool Shift) = 0;
  virtual bool InsertRowKey() = 0;
  virtual bool DeleteRowKey() = 0;

  // The platform's handling and the grid's events.
  virtual void InheritedKeyDown(WORD& Key, TShiftState Shift) = 0;
  virtual void InheritedKeyPress(TKeyChar& Key) = 0;
  virtual void InheritedKeyUp(WORD& Key, TShiftState Shift) = 0;
  virtual void KeyDownEvent(WORD& Key, TShiftState Shift) = 0;
  virtual void KeyPressEvent(TKeyChar& Key) = 0;
  // Ctrl+F into the search footer's edit; a typed character to the type-ahead search.
  virtual void FocusSearchFooterEdit() = 0;
  virtual void TypeAheadChar(TKeyChar Key) = 0;
  virtual bool SelectCellEvent(int ACol, int ARow) = 0;
  virtual bool CanAddRow() = 0;
  virtual void AutoAddRow(int ARow) = 0;
  // Tab at the grid's end moves on to the parent's next control; false without a parent.
  virtual bool TabToParent() = 0;
};

class TGridKeyboard {
 public:
  explicit TGridKeyboard(TGridKeyHost& Host) : H(Host) {}
  TGridKeyboard(const TGridKeyboard&) = delete;
  TGridKeyboard& operator=(const TGridKeyboard&) = delete;

  void WMKeyDown(TMessage& Message);
  void KeyDown(WORD& Key, TShiftState Shift);
  void WMChar(TMessage& Message);
  void KeyPress(TKeyChar& Key);
  void KeyUp(WORD& Key, TShiftState Shift);
  // Tab and Shift+Tab from the current cell; false when the focus went on to the parent.
  bool TabToNextCell(bool Backward);
  // Down on the last normal row adds a row when OnCanAddRow allows it.
  void AppendRowOnArrowDown();

  // The selection when the key went down; a difference afterwards is reported.
  TGridRect MoveSelection;
  // The current cell before the inherited navigation ran (the wrap rules test it).
  TGridCoord LastKeyCell{-1, -1};
  // The cell the Tab walk last stood on.
  TGridCoord LastTabCell{-1, -1};

 private:
  struct TKeyDown;
  TGridKeyHost& H;

  void ReportSelectionChange();
  void ScrollOnlyKeyDown(WORD Key);
  bool EditKeyDown(TKeyDown& k);
  bool RowSelectSideKeyDown(TKeyDown& k);
  bool HomeEndKeyDown(WORD Key, TShiftState Shift, int R0);
  bool SkipFixedCellsKey(WORD Key);
  void AfterKeyDown(WORD Key, bool Ctrl, bool Shift, bool Alt);
  void SelectAllCells();
  void MoveSelectedRows(bool Downwards, int R0);
  void CursorWrap(WORD Key, bool Snake);
  void DisjunctCellKeyUp(WORD Key, TShiftState Shift, const TGridRect& Old);
  int TabStepForward();
  int TabStepDown(int ACol, int NextRow);
  int TabAlongRow(int ACol, int ARow, int From);
  bool TabToRowBelow(int ARow);
  int TabPastGridEnd();
  void TabStepBackward();
  int LastNormalRow();
};

}  // namespace hd
