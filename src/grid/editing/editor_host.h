// What an in-place editor may ask of the grid it edits: the cell and the limits of its kind,
// the lookup list, validation, the walk to other cells, the end of the edit and the edit events,
// which it fires with the grid as their sender. Every in-place editor is written against it.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "platform/controls.h"

namespace hd {

class TGridEditSession;
class TMouseActions;
class TNavigation;
class TStringList;

class TGridEditorHost {
 public:
  virtual ~TGridEditorHost() = default;

  // The grid as a window: the editors' parent, focus target and the sender of their events.
  virtual TWinControl& Window() = 0;
  // The state of the edit under way, which the grid reads as well.
  virtual TGridEditSession& Session() = 0;

  // The current cell (display column), the grid's size and the real column of a display one.
  virtual int Col() = 0;
  virtual int Row() = 0;
  virtual int ColCount() = 0;
  virtual int RowCount() = 0;
  virtual int RealColIndex(int ACol) = 0;
  // The text of the current cell (of its merge base), read and written without the edit events.
  virtual std::string CurrentCell() = 0;
  virtual void SetCurrentCell(const std::string& Value) = 0;
  // An editor's text to a cell as typing would put it there (OnSetEditText).
  virtual void SetEditText(int ACol, int ARow, const std::string& Value) = 0;
  // The colour (clNone: the editor's own) and font the current cell is painted with.
  virtual void CellLook(TColor& Color, TFont& Font) = 0;
  // OnGetEditorProp for a cell, without an edit link.
  virtual void GetEditorProp(int ACol, int ARow) = 0;

  // What the cell's kind allows.
  virtual int EditLimit() = 0;
  virtual int MaxEditLength() = 0;
  virtual TKeyChar PasswordChar() = 0;
  virtual bool WordWrap() = 0;
  virtual bool Multilinecells() = 0;
  virtual std::string ValidChars() = 0;
  virtual std::string ValidCharSet() = 0;
  virtual bool ExcelStyleDecimalSeparator() = 0;
  // Tab is the editor's to handle (validation comes before the move).
  virtual bool EditorHandlesTab() = 0;
  // Tab moves between cells (goTabs).
  virtual bool TabsMoveCells() = 0;
  virtual TNavigation& Navigation() = 0;
  virtual TMouseActions& MouseActions() = 0;

  // Completion from the grid's lookup list.
  virtual bool Lookup() = 0;
  virtual bool LookupCaseSensitive() = 0;
  virtual bool LookupHistory() = 0;
  virtual TStringList& LookupItems() = 0;

  // Validation of an edited value; false when it was refused (NewCellText then holds what
  // the editor shows).
  virtual bool ValidateCell(const std::string& Value) = 0;
  // The current cell gets back the text it had when the edit began.
  virtual void RestoreCellCache() = 0;

  // The walk to other cells.
  virtual void TabToNextCell(bool Backward) = 0;
  // Return's move as AdvanceOnEnter sets it.
  virtual void AdvanceOnReturn() = 0;
  // An arrow at an end of the text leaves for the cell beside.
  virtual void CursorWalk(bool Forward, const std::string& Text, bool ShowAgain) = 0;
  // A key or character handed to the grid's own handling.
  virtual void GridKeyDown(WORD& Key, TShiftState Shift) = 0;
  virtual void GridKeyPress(TKeyChar& Key) = 0;
  virtual bool SelectCell(int ACol, int ARow) = 0;
  // The row becomes the only one marked (a disjunct row mark follows the editor).
  virtual void MarkOnlyRow(int ARow) = 0;
  // SizeWhileTyping: the current column grows with its text when Width is on; rows follow
  // their lines when Height is on.
  virtual void SizeColWhileTyping() = 0;
  virtual bool RowsGrowWhileTyping() = 0;
  // The row sized to a count of lines (0: as many as its text holds), then OnEndRowSize.
  virtual void SizeRowToLines(int ARow, int Lines) = 0;

  // Showing and ending the edit.
  virtual void ShowInplaceEdit() = 0;
  virtual void HideInplaceEdit() = 0;
  virtual void DoneInplaceEdit(WORD Key, TShiftState Shift) = 0;
  // The special editor's value read back into the current cell.
  virtual void ReadBackEditor() = 0;
  // OnEditingDone now and "GridEditDone" posted, for a real column.
  virtual void NotifyEditDone(int ACol, int ARow) = 0;

  // The edit events, fired with the grid as sender (the editor where the event names it).
  virtual void FireEditChange(int ACol, int ARow, const std::string& Value) = 0;
  // OnComboChange and OnComboObjectChange for the current cell.
  virtual void FireComboChange(int Index, const std::string& Selection, TObject* Object) = 0;
  virtual void FireDblClickCell() = 0;
  virtual void FireKeyPress(TObject* Editor, TKeyChar& Key) = 0;
  // OnKeyDown and OnKeyUp of the grid, the grid as sender.
  virtual void FireKeyDown(WORD& Key, TShiftState Shift) = 0;
  virtual void FireKeyUp(WORD& Key, TShiftState Shift) = 0;
  // The spin events for the current cell, by the kind of value (UpDown: up).
  virtual void SpinClick(int AValue, bool UpDown) = 0;
  virtual void FloatSpinClick(double AValue, bool UpDown) = 0;
  virtual void DateSpinClick(double AValue, bool UpDown) = 0;
  virtual void TimeSpinClick(double AValue, bool UpDown) = 0;
  // OnClipboardCopy, OnClipboardCut or OnClipboardPaste (Msg: WM_COPY, WM_CUT, WM_PASTE).
  virtual bool ClipboardAllowed(TObject* Editor, unsigned Msg, bool Allow) = 0;
  virtual bool BeforePasteCell(TObject* Editor, std::string& Value) = 0;
  virtual void AfterPasteCell(TObject* Editor, const std::string& Text) = 0;
  // OnButtonClick for the current cell.
  virtual void ButtonClick() = 0;
  // OnEllipsClick: the caption the program gives back.
  virtual std::string EllipsClick(const std::string& Caption) = 0;

  // The rich-text and custom editors.
  // The grid is moving the focus itself (the focus messages that follow are its own).
  virtual bool FocusChangeInvoked() { return false; }
  virtual void SetFocusChangeInvoked(bool) {}
  // The current row grown for an editor whose text needs Needed pixels, while it stays
  // above the grid's bottom edge (the editor a few pixels shorter), then OnEndRowSize.
  virtual void GrowRowForEditor(TWinControl& Editor, int Needed) {
    (void)Editor;
    (void)Needed;
  }
};

}  // namespace hd
