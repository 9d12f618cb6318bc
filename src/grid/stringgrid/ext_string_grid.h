// The spreadsheet-like grid control of the program: the cell store with its settings objects,
// its looks, hidden rows and columns with the mapping between display and real indexes, typed
// cell values, and the per-cell questions that painting, editing, filtering and printing ask.
// Its methods are spread over files by concern; its private state is ext_string_grid_p.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/base_grid.h"
#include "grid/foundation/grid_types.h"
#include "grid/foundation/progress_shapes.h"
#include "grid/foundation/theme.h"
#include "grid/stringgrid/cell_graphic.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/grid_settings_host.h"
#include "grid/stringgrid/look_objects.h"
#include "platform/clipboard.h"
#include "platform/dateutils.h"
#include "platform/std_ctrls.h"
#include "platform/string_list.h"

namespace hd {

class TBackGround;
class TGridEditBtn;
class TGridSpin;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridUnitEditBtn;
class TBalloonSettings;
class TBands;
class TCellNode;
class TColumnSize;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TDropList;
class TDropCheckList;
class TCheckListBox;
class TGridFilter;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class THintWindow;
class TFooterPanel;
class TGridItem;
class TGridItems;
class TGridProgressAppearance;
class TGrouping;
class THTMLPictureCache;
class THTMLSettings;
class TIntList;
class TFilePicture;
class TImageList;
class TMouseActions;
class TNavigation;
class TPictureContainer;
class TPrintSettings;
class TSearchFooter;
class TShowModified;
class TSizeWhileTyping;
class TRichEdit;
class TExtRichEdit;
class TEditLink;
class TSortSettings;
class TGridDataHost;
class TDataEngine;
class TGridSorter;
class TRowNodes;
class TGridCalc;
class TGridGrouping;
class TGridSearch;
class TSearchPanel;
class TCustomPanel;
class TExtStringGridCheck;
class TSyncGrid;
class TStream;
class TNoActiveForm;
struct TExtStringGridPrivate;
struct TCellPaint;
struct TMarkupCall;
struct TCellGraphicPlacement;
class TEditLink;
class TExtInplaceEdit;
class TGridButton;
class TGridChangeNotifier;
class TGridCheckBox;
class TGridCombo;
class TGridFocusWindow;
class TGridTransEdit;
class TGridTransCombo;
class THeaderDragButton;
class TArrowWindow;
class TPopupMenu;

// How fixed cells, borders and selections are drawn. Ordinals are kept in stored settings.
enum TGridLook { glStandard, glSoft, glClassic, glDAZ, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
// Complete colour schemes imitating an office or desktop theme; in the order of TDAZStyle.
enum TExtGridStyle {
  gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
  gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
  gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
// The look of the scroll bars.
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
// Scroll bars shown even when everything fits.
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
// Which fixed cells take the hover look.
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
// The icon of the balloon that reports an invalid entry.
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
// Where the hint with a clipped cell's full text shows.
enum THintShowLargeTextPos { hpCell, hpCursor };
// Which ways the middle button pans.
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
// Which columns' headers offer a filter drop-down.
enum TFilterDropDownColumns { fdNormal, fdAll };
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
// Where a drag is relative to the control.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// The edges a drag scrolls toward.
enum TDragScrollDirection { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirections = TSet<TDragScrollDirection>;

// Events of the string grid (the argument order of each is kept exactly).
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const std::string& Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TComboCloseUpEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TGridWideHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, WideString& hintstr)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using THasComboEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStringList& Filter)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                                              std::string& FilterCondition)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                                             std::string& FilterCondition, TCheckListBox& CheckList)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
// A custom calculation over rows FromRow to ToRow of ACol: the handler sets Res (0 at the call).
using TGroupCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TFooterPaintEvent = std::function<void(TObject* Sender, int AColumn, TCanvas& Canvas, const TRect& ARect)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
using TGridUnitChangeEvent = std::function<void(TObject* Sender, const std::string& NewUnit)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
// Events of the keys, the mouse and the selection.
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
// Editing events.
using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TCellValidateWideEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, WideString& Value, bool& Valid)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
// The controls written into a cell's markup: a press on one, a combo's list before it opens
// and the item picked, and an editor's value written back. The row comes before the column.
using TControlClickEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                                              const std::string& CtrlType, const std::string& CtrlVal)>;
using TControlComboListEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID, const std::string& CtrlType,
                       const std::string& CtrlVal, TStringList& Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                    const std::string& CtrlID, const std::string& CtrlValue)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const std::string& ASelection, TObject* AObject)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Allow)>;
using TClipboardAfterPasteEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TScrollCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin,
                                            int ScrollMax)>;
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol, TDragScrollDirections& DragScrollDir,
                                            bool& CanScroll)>;

// What the grid's shared editors take when they open on a cell: the combo editor's items and
// how many of them show at once, and the spin editor's range and step. The column grid fills
// it from the cell's column each time an editor is prepared.
struct TEditorSetup {
  TStringList ComboItems;
  int DropDownCount = 8;
  int SpinMin = 0;
  int SpinMax = 0;
  int SpinStep = 1;
  // The range and step above are the column's, for the spin editor that opens next.
  bool SpinRangeGiven = false;
};

// Registrations every string grid shares: the private clipboard format of cells, the message
// posted when an edit is done and the one that moves the focus between date-picker parts.
TClipboardFormat GridCellsClipboardFormat();
UINT GridEditDoneMessage();
UINT ShiftFocusMessage();
class TGridAlphaMask;
// Gives a window the per-pixel alpha picture of the mask with its opacity, as a layered window
// the size of the mask; nothing for an empty mask.
void ApplyAlphaMaskToWindow(HWND Window, const TGridAlphaMask& Mask);
// The cursor shown over links in cells.
TCursor LinkCursor();
// Rich text may be dropped into grids (the program-wide switch of the drag-and-drop settings).
bool RTFDropEnabled();

class TScrollControl;

class TExtStringGrid : public TBaseGrid, public TGridSettingsHost {
 public:
  // Construction runs in Create (New<TExtStringGrid>(owner)); a grid made in code is loaded
  // as a window description's grid would be.
  explicit TExtStringGrid(TComponent* AOwner);
  ~TExtStringGrid() override;
  const char* ClassName() const override { return "TExtStringGrid"; }

  // Settings, sizes and cells of another string grid; any other source is ignored.
  void Assign(const TPersistent* Source) override;
  // Repaints the grid and a visible floating footer; a pending edit-change repaint is only
  // dropped.
  void Invalidate() override;
  // With IntegralHeight the height is cut to whole default rows.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // --- Dimensions (display rows and columns; hidden ones are not counted).
  int RowCount() const { return TBaseGrid::RowCount(); }
  virtual void SetRowCount(int Value);
  int ColCount() const { return TBaseGrid::ColCount(); }
  virtual void SetColCount(int Value);
  // 0 fixed rows read as 1 while FixedRowAlways is on.
  int FixedRows() const override;
  void SetFixedRows(int Value);
  int FixedCols() const;
  void SetFixedCols(int Value);
  bool FixedRowAlways() const;
  void SetFixedRowAlways(bool Value);
  bool FixedColAlways() const;
  void SetFixedColAlways(bool Value);
  int DefaultRowHeight() const { return TBaseGrid::DefaultRowHeight(); }
  void SetDefaultRowHeight(int Value);
  int FixedRowHeight() const;
  void SetFixedRowHeight(int Value);
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  // Rows at the bottom that stay fixed, and columns at the right.
  int FixedFooters() const;
  void SetFixedFooters(int Value) override;
  int FixedRightCols() const;
  void SetFixedRightCols(int Value);
  // The largest counts the grid ever had.
  int MaxRowCount() const;
  int MaxColCount() const;

  // --- The current cell (display indexes).
  int Col() const { return TBaseGrid::Col(); }
  void SetCol(int Value);
  int Row() const { return GetRowEx(); }
  void SetRow(int Value) { SetRowEx(Value); }
  int GetRowEx() const { return TBaseGrid::Row(); }
  void SetRowEx(int Value);
  int TopRow() const { return GetTopRowEx(); }
  void SetTopRow(int Value) { SetTopRowEx(Value); }
  int GetTopRowEx() const { return TBaseGrid::TopRow(); }
  // Ignored unless FixedRows <= Value <= RowCount - 1.
  void SetTopRowEx(int Value);
  // The current cell in real indexes.
  int RealRow() const { return GetRealRow(); }
  int RealCol() const { return GetRealCol(); }
  int GetRealRow() const;
  int GetRealCol() const;

  // --- Display and real indexes. Real columns 512 and above are always visible.
  int RealToDisplCol(int ACol) const;
  int DisplToRealCol(int ACol) const;
  int RealToDisplRow(int ARow) const;
  int DisplToRealRow(int ARow) const;
  int DisplColIndex(int ACol) const override { return RealToDisplCol(ACol); }
  int RealColIndex(int ACol) const { return DisplToRealCol(ACol); }
  int DisplRowIndex(int ARow) const { return RealToDisplRow(ARow); }
  int RealRowIndex(int ARow) const { return DisplToRealRow(ARow); }
  // Visible columns plus hidden ones; rows likewise.
  int TotalColCount() const override;
  int TotalRowCount() const;
  bool IsHiddenColumn(int ACol) const;
  int NumHiddenColumns() const;
  // One entry of the visibility table (indexes 0 to 512); outside it every column is visible.
  bool GetColVisible(int ACol) const;
  void SetColVisible(int ACol, bool Value);
  // Real columns; the last visible column, columns already hidden and columns beyond the
  // store or the table are left as they are.
  void HideColumn(int ACol) { HideColumns(ACol, ACol); }
  void HideColumns(int FromCol, int ToCol);
  void UnHideColumn(int ACol) { UnHideColumns(ACol, ACol); }
  void UnHideColumns(int FromCol, int ToCol);
  void UnHideColumnsAll();
  bool IsHiddenRow(int ARow) const;
  int NumHiddenRows() const;
  // The hidden rows, in ascending real index while the hiding keeps them so.
  TGridItems& GridItems();
  bool IsIgnoredColumn(int ACol) const;
  // Hiding rows (real indexes; row_hiding.cpp): a hidden row leaves the store with its cells,
  // their properties, hidden columns' cells included, and its height. Ranges that mix hidden
  // and visible rows work row by row.
  void HideRow(int ARow) { HideRows(ARow, ARow); }
  void HideRows(int FromRow, int ToRow);
  // Without heights, appended to the items; nothing when FromRow is hidden already.
  void HideRowsEx(int FromRow, int ToRow);
  // Display rows in ascending order, hidden as one filter level.
  void HideRowList(TIntList& RowList);
  void UnHideRow(int ARow) { UnHideRows(ARow, ARow); }
  // Nothing unless FromRow is hidden.
  void UnHideRows(int FromRow, int ToRow);
  void UnHideRowsAll();
  // Brings back the rows of the last filter level between the rows that stayed.
  void UnHideRowList();
  void HideSelectedRows();
  void HideUnSelectedRows();
  // The cell under a screen point; -1 and -1 outside the cells.
  void ScreenToCell(TPoint pt, int& ACol, int& ARow);
  // A client point less than 4 pixels from a border that the mouse may size.
  bool IsOnSizingBorder(int X, int Y);

  // --- Cell values. ACol is a real column, ARow a display row; the All forms take a real row.
  // Cell text of a real row, hidden rows included.
  std::string AllCells(int ACol, int ARow) const { return GetCellsEx(ACol, ARow); }
  void SetAllCells(int ACol, int ARow, const std::string& Value) { SetCellsEx(ACol, ARow, Value); }
  std::string GetCellsEx(int ACol, int ARow) const;
  void SetCellsEx(int ACol, int ARow, const std::string& Value);
  // The cell text without markup.
  std::string StrippedCells(int ACol, int ARow) const { return GetStrippedCell(ACol, ARow); }
  std::string GetStrippedCell(int ACol, int ARow) const;
  // Rich-text cells (text starting "{\\"): the hidden rich edit that converts and measures
  // them, the cell's rich text into a rich edit and back, and the cell drawn formatted.
  TRichEdit* GetRichEdit();
  TRichEdit* RichEdit() { return GetRichEdit(); }
  // The rich edit that edits edRichEdit cells, made on first use.
  TExtRichEdit* InplaceRichEdit();
  void CellToRich(int ACol, int ARow, TRichEdit* ARichEdit);
  std::string RichToString(TRichEdit* ARichEdit);
  void RichToCell(int ACol, int ARow, TRichEdit* ARichEdit);
  // The plain text of a rich text, as the hidden rich edit gives it.
  std::string RichTextToPlain(const std::string& Rtf);
  virtual void DrawRichCell(int ACol, int ARow, TRect R, TCanvas& ACanvas);
  // Saved files keep a rich cell's rich text (without its line ends) rather than its plain text.
  bool SaveWithRTF() const;
  void SetSaveWithRTF(bool Value);
  // Selected rich cells keep their colours rather than taking SelectionTextColor.
  bool SelectionRTFKeep() const;
  void SetSelectionRTFKeep(bool Value);
  // The editor over an EDIT, PASSWORD, MASK or COMBO control of a cell's markup (R: the
  // control's rectangle in the grid); closing writes its text back as the control's VALUE.
  void OpenCellControlEditor(const std::string& Markup, const std::string& CtrlType, int ARow, int RealCol, int ACol,
                             const TRect& CtrlRect, const std::string& CtrlValue, const std::string& CtrlID);
  void CloseCellControlEditor(TObject* Sender);
  void ControlComboSelect(TObject* Sender);
  // The editor opened on the next editable control of the cell after the one with that ID.
  void FocusCellControl(int ACol, int ARow, const std::string& CtrlID);
  // A control editor is open; the cell (real column, row) and ID of the control last pressed
  // or edited.
  bool CellControlEditing() const;
  TPoint CellControlCell() const;
  std::string CellControlID() const;
  // The grid's part of a custom editor link: a key that leaves its control, the popup form's
  // deactivation, and the window procedure the grid puts on an in-place control (with goTabs
  // the control asks for arrows, Tab and characters).
  void EditLinkKeyDown(TEditLink& Link, WORD& Key, TShiftState Shift);
  void EditLinkFormExit(TEditLink& Link, TObject* Sender);
  void EditLinkControlWndProc(TMessage& Message, const std::function<void(TMessage&)>& Saved);
  // Empty and "-" read as 0; any other text that is no whole number raises EExtGridError.
  int Ints(int ACol, int ARow) const;
  void SetInts(int ACol, int ARow, int Value);
  int AllInts(int ACol, int ARow) const;
  void SetAllInts(int ACol, int ARow, int Value);
  // Amounts read with currency signs and thousands separators; written in the column's format.
  double Floats(int ACol, int ARow) const;
  void SetFloats(int ACol, int ARow, double Value);
  double AllFloats(int ACol, int ARow) const;
  void SetAllFloats(int ACol, int ARow, double Value);
  // In the locale's formats; a text that is no date or time raises EConvertError.
  TDateTime Dates(int ACol, int ARow) const;
  void SetDates(int ACol, int ARow, TDateTime Value);
  TDateTime Times(int ACol, int ARow) const;
  void SetTimes(int ACol, int ARow, TDateTime Value);
  // The value of the control with that ID in the cell's markup; empty when there is none.
  // Writing stores the rewritten text only when the cell has such a control.
  std::string ControlValues(int ACol, int ARow, const std::string& ID) const { return GetCtrlVal(ACol, ARow, ID); }
  void SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value) {
    SetCtrlVal(ACol, ARow, ID, Value);
  }
  std::string GetCtrlVal(int ACol, int ARow, const std::string& ID) const;
  void SetCtrlVal(int ACol, int ARow, const std::string& ID, const std::string& Value);
  WideString WideCells(int ACol, int ARow) const;
  void SetWideCells(int ACol, int ARow, const WideString& Value);
  // The width and left offset of a column as the last print laid it out (columns 0 to 511).
  int PrintColWidth(int ACol) const;
  void SetPrintColWidth(int ACol, int Value);
  int PrintColOffset(int ACol) const;
  void SetPrintColOffset(int ACol, int Value);

  // --- Fills of the normal cells (every cell with DoFixed).
  void TextFill(bool DoFixed, const std::string& Txt);
  // Fmt takes two integers: the column, then the row.
  void FormatFill(bool DoFixed, const std::string& Fmt);
  void RandomFill(bool DoFixed, int Rnd);
  // "column:row" in each cell.
  void LinearFill(bool DoFixed);

  // --- Rows and columns in and out (row_col_changes.cpp). Rows are display rows, columns
  // store columns. Every change carries the rows' heights, cell objects, check boxes,
  // modified, enabled and selection marks, cell controls and hidden rows' indexes along.
  // Frees the removed rows' properties and objects; a negative index or a count past the
  // last row is cut, so fixed rows above RowIndex are never touched.
  virtual void RemoveRows(int RowIndex, int RCount);
  // Takes rows out without freeing their properties (the caller copied them).
  virtual void RemoveRowsEx(int RowIndex, int RCount);
  // Empty rows of the default height; hidden rows keep their real indexes.
  virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
  virtual void RemoveCols(int ColIndex, int CCount);
  virtual void InsertCols(int ColIndex, int CCount);
  // Frees the rows' properties in the visible columns and deletes the rows.
  void DoRemoveRows(int ARow, int RCount);
  // Removal (frees nothing itself, shifts hidden rows) or hiding (neither).
  void DeleteRowRange(int ARow, int RCount, bool Removal);
  void InsertRowRange(int RowIndex, int RCount, bool UpdateCellControls);
  virtual void DoCanAddRow(bool& CanAdd);
  virtual void DoCanInsertRow(int ARow, bool& CanInsert);
  // A row before a visible floating footer, else at the end; a column at the end.
  void AddRow();
  void AddColumn();
  void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
  // Later rows whose text in the display column matches an earlier one, case ignored.
  void RemoveDuplicates(int ACol, bool DoCase);
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();

  // --- Clearing, moving, swapping, merging and numbering (ranges.cpp).
  // Frees properties and objects unless ClearTextOnly; columns are display columns mapped
  // to real ones with SaveHiddenCells.
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void ClearRows(int RowIndex, int RCount);
  void ClearCols(int ColIndex, int CCount);
  void ClearNormalRows(int RowIndex, int RCount);
  void ClearNormalCols(int ColIndex, int CCount);
  void ClearNormalCells();
  void ClearSelection();
  void Clear();
  // Clear, and the cells kept with hidden rows emptied too.
  void ClearAll();
  void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
  virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void TrimColumn(int ACol);
  void TrimRow(int ARow);
  void TrimAll();
  // The platform's line moves, with the cell controls following.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  // Count rows from FromIndex to ToIndex; the moved rows take the default height.
  void MoveRows(int FromIndex, int ToIndex, int Count);
  void SwapColumns(int ACol1, int ACol2);
  void SwapRows(int ARow1, int ARow2);
  // The exchange step of sorting.
  virtual void SortSwapRows(int ARow1, int ARow2);
  // The exchanges of a whole sort at once: rows First .. First + From.size() - 1 take the rows
  // that stood at From[k], with what SortSwapRows carries, and Swaps exchanges are counted.
  virtual void SortPermuteRows(int First, const std::vector<int>& From, int Swaps);
  int Swaps() const;
  void SetSwaps(int Value);
  int SortTrackRow() const;
  void SetSortTrackRow(int Value);
  // Sorting by SortSettings.Column, by the sort index list, of a range of rows, and back to
  // the order the rows had when the cross-reference was last initialised.
  virtual void QSort();
  virtual void QSortIndexed();
  virtual void QUnSort();
  void Sort(int Column, TSortDirection Direction);
  void SortByColumn(int Col);
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  void InitSortXRef();
  // Compares two rows from column Col on and exchanges them when out of order.
  bool SortLine(int Col, int ARow1, int ARow2);
  // Cell comparisons so far; 1 or -1 by the direction of the last sort (0 before any).
  int Compares() const;
  int SortDir() const;
  // Sorting the rows inside the deepest expanded nodes, each node by itself.
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  // Milliseconds the last sort started by a header click took.
  unsigned SortTime() const;

  // --- Row nodes (row_nodes.cpp). AddNode, RemoveNode, ExpandNode, ContractNode,
  // InsertNormalRow, InsertChildRow and RemoveChildRow take real rows; the rest display rows.
  void AddNode(int ARow, int Span);
  void RemoveNode(int ARow);
  void RemoveAllNodes();
  void AddSummary(int ARow);
  bool GetNodeState(int ARow);
  void SetNodeState(int ARow, bool Value);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  void ExpandNode(int ARow);
  void ContractNode(int ARow);
  void ExpandAll();
  void ContractAll();
  int GetParentRow(int ARow);
  int GetNodeSpanType(int ARow);
  void InsertNormalRow(int ARow);
  void RemoveNormalRow(int ARow);
  void InsertChildRow(int ARow, int InsertAt);
  void RemoveChildRow(int ARow);
  // In a grid with nodes, a row inserted before or deleted at real row ARow: outside every
  // node a normal row, inside one a child row of it; false without nodes (nothing done).
  bool NodeAwareInsertRow(int ARow);
  bool NodeAwareDeleteRow(int ARow);
  // Pixel column X of the row lies on its node glyph (always with PreciseNodeClick off).
  bool IsNodeGlyphHit(int ARow, int X);
  // Expand cells: a button switching the row between a collapsed and an expanded height.
  bool HasExpand(int ACol, int ARow);
  void AddExpand(int ACol, int ARow, int ExpandedHeight);
  void RemoveExpand(int ACol, int ARow);
  bool ToggleExpand(int ACol, int ARow);
  bool GetExpandState(int ACol, int ARow);
  int GetExpandHeight(int ACol, int ARow, bool Expanded);
  virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
  // Runs of equal neighbouring texts become merged cells.
  void MergeColumnCells(int ColIndex, bool MainMerge);
  void MergeRowCells(int RowIndex, bool MainMerge);
  void SplitColumnCells(int ColIndex);
  void SplitRowCells(int RowIndex);
  void SplitAllCells();
  // Column 2's text joins column 1's after Separator; column 2 goes.
  void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);
  // Where numbering starts past the fixed lines, what is added to each number, and which way
  // the numbers run.
  int AutoNumberStart() const;
  void SetAutoNumberStart(int Value);
  int AutoNumberOffset() const;
  void SetAutoNumberOffset(int Value);
  TSortDirection AutoNumberDirection() const;
  void SetAutoNumberDirection(TSortDirection Value);
  // Display indexes.
  void ScrollInView(int ColIndex, int RowIndex);
  // The selection goes past every cell, and comes back (or to the first normal cell).
  void HideSelection();
  void UnHideSelection();
  bool SelectionHidden() const;
  void UpdateEditMode();
  // The first cell, row by row, whose stored text equals SubStr.
  bool IsCell(const std::string& SubStr, int& ACol, int& ARow);

  // --- Cell objects.
  // The record of the cell (the grid's shared row check box in column 0 while hotmail row
  // selection is on), or null.
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  // ctEmpty for a cell without a record.
  virtual TCellType GetCellType(int ACol, int ARow);
  // A fresh record in the cell, replacing (and freeing) the one it had.
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  // Frees the cell's record; true when it had one. The shared records are never freed.
  bool RemoveCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
  // The base cell holds a record of one of the types.
  bool HasCellGraphicType(int ACol, int ARow, TCellTypes Types);
  // Column 0 of the row holds a node (a group summary).
  bool IsNode(int ARow);
  bool IsSummary(int ARow);
  static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
  // A tri-state check box in a cell of the store (hidden columns and rows counted);
  // Exception "Invalid cell" for any other cell, negative indexes included.
  void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
  void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
  // False when the cell holds no check box.
  bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);

  // --- Header lists: row 0 and column 0 from lists ("\n" stands for a line break).
  TStringList& ColumnHeaders();
  void SetColumnHeaders(const TStringList& Value);
  TStringList& RowHeaders();
  void SetRowHeaders(const TStringList& Value);
  void ShowColumnHeaders();
  void ClearColumnHeaders();
  void ShowRowHeaders();
  void ClearRowHeaders();
  // Records the current column order (0 .. ColCount - 1).
  void SetColumnOrder();
  TIntList& ColumnOrder();
  // All columns shown again and moved back to the recorded order.
  void ResetColumnOrder();
  // Where the column recorded at position ACol stands now, and which recorded column stands
  // at position ACol (both corrected for GroupColumn).
  int ColumnPosition(int ACol);
  int ColumnAtPosition(int ACol);
  // The first column whose row-0 text is AValue exactly, hidden columns counted; -1 for none.
  int ColumnByHeader(const std::string& AValue);
  // A cell addressed by the position its column had before columns were moved.
  std::string OriginalCells(int ACol, int ARow);
  void SetOriginalCells(int ACol, int ARow, const std::string& Value);
  // A radio group over a new list the record owns, returned for the caller to fill.
  TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
  void RemoveRadio(int ACol, int ARow);
  // A balloon on a cell without an object, or riding on a check box or radio button; any
  // other object gets none. A balloon added again replaces the old one.
  void AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon);
  void RemoveBalloon(int ACol, int ARow);
  // A balloon of its own (one riding on a box does not count).
  bool HasBalloon(int ACol, int ARow);
  bool IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon);
  void SplitAllColumns();
  // Merges the columns of MergedColumns again, in their order.
  void RemergeColumns();

  // --- The grid's own window and its parent form.
  // The first form up the parent chain, or null.
  static TCustomForm* FindParentForm(TControl* Control);
  // Forgets the column widths remembered for stretching with the form and records them again.
  void InitOrigColSizes();
  TIntList& OrigColSizes();
  // Shows (and hides, with Hide) the scroll bars ScrollBarAlways asks for.
  void ApplyScrollBarAlways(bool Hide);
  // The handler the grid chains onto its form's OnResize.
  void OwnerFormResize(TObject* Sender);
  // Stretches a display column (-1: the last) over the room left in the client area.
  void StretchColumn(int ACol) override;
  void StretchRightColumn() { StretchColumn(ColCount() - 1); }

  // --- Column layouts, looks and page set-up kept between runs (dataops/files/column_states,
  // dataops/exchange/visual_props, dataops/print/print_settings_ini).
  // N#widths#order#visibility, and applying such a text.
  std::string ColumnStatesToString();
  void StringToColumnStates(const std::string& Value);
  // Widths ("Col" entries) and the column order ("Pos" entries) where ColumnSize says; nothing
  // while designing or when its Key or Section is empty.
  void SaveColSizes();
  void LoadColSizes();
  virtual void SaveColPositions();
  virtual void LoadColPositions();
  // The look as key=value lines; "Cannot Create " or "Cannot open file " and the name when
  // the file cannot be made or read.
  void SaveVisualProps(const std::string& FileName);
  void LoadVisualProps(const std::string& FileName);
  // PrintSettings in section Section of INI file Key.
  void SavePrintSettings(const std::string& Key, const std::string& Section);
  void LoadPrintSettings(const std::string& Key, const std::string& Section);

  // --- Version.
  virtual std::uint32_t GetVersionNr() const;
  virtual std::string GetVersionString() const;
  std::string Version() const;
  // Ignored: the version is the class's.
  void SetVersion(const std::string&) {}

  // --- Settings objects.
  TFocusHelper& FocusHelper();
  TSearchFooter& SearchFooter();
  TFloatingFooter& FloatingFooter();
  TPrintSettings& PrintSettings();
  THTMLSettings& HTMLSettings();
  TSortSettings& SortSettings();
  void SetSortSettings(const TSortSettings& Value);
  TDragDropSettings& DragDropSettings();
  TDragScrollOptions& DragScrollOptions();
  void SetDragScrollOptions(const TDragScrollOptions& Value);
  TControlLook& ControlLook();
  TNavigation& Navigation();
  TColumnSize& ColumnSize();
  TCellNode& CellNode();
  TBands& Bands();
  TSizeWhileTyping& SizeWhileTyping();
  TMouseActions& MouseActions();
  TGrouping& Grouping();
  TStringList& Sortlist();
  TStringList& LookupItems();
  // Copies the list; null is ignored.
  void SetLookupItems(const TStringList* Value);
  TBackGround& BackGround();
  TGridProgressAppearance& ProgressAppearance();
  TSyncGrid& SyncGrid();
  TFilter& Filter();
  TBalloonSettings& Balloon();
  TShowModified& ShowModified();
  TFilterDropDown& FilterDropDown();
  TStringList& FilterList();
  TIntList& IgnoreColumns();
  TIntList& MergedColumns();
  TControlList& ControlList();
  // Places the controls held in cells over their cells and shows them, hiding those out of
  // view or in hidden rows and columns; with RebuildList the list is first made again from
  // the cells.
  void CellControlsUpdate(bool RebuildList);
  TFooterPanel* FooterPanel() const;
  TDropList* DropList() const;
  TSortIndexList& SortIndexes() override;
  void LoadSortSettings(const std::string& Value) override;

  // --- Fonts.
  const TFont& FixedFont() const;
  void SetFixedFont(const TFont& Value);
  const TFont& ActiveCellFont() const;
  void SetActiveCellFont(const TFont& Value);
  // The grid's part of scaling its form by M / D: the fixed and active-cell fonts follow.
  virtual void ChangeScale(int M, int D);

  // --- Text settings.
  const std::string& FloatFormat() const;
  void SetFloatFormat(const std::string& Value);
  const std::string& CheckTrue() const;
  void SetCheckTrue(const std::string& Value);
  const std::string& CheckFalse() const;
  void SetCheckFalse(const std::string& Value);
  char PasswordChar() const;
  void SetPasswordChar(char Value);
  // The separator of the text files; character 0 for none.
  char Delimiter() const;
  void SetDelimiter(char Value);
  TAlignment DefaultAlignment() const;
  void SetDefaultAlignment(TAlignment Value);
  TVAlignment VAlignment() const;
  void SetVAlignment(TVAlignment Value);
  // The text-format flags of VAlignment (top 0, vertical centre 4, bottom 8).
  unsigned VAlign() const;
  TEditorType DefaultEditor() const;
  void SetDefaultEditor(TEditorType Value);
  bool WordWrap() const;
  void SetWordWrap(bool Value);
  bool EnableHTML() const;
  void SetEnableHTML(bool Value);
  const std::string& XMLEncoding() const;
  void SetXMLEncoding(const std::string& Value);
  int MaxEditLength() const;
  void SetMaxEditLength(int Value);
  const std::string& InvalidEntryTitle() const;
  void SetInvalidEntryTitle(const std::string& Value);
  const std::string& InvalidEntryText() const;
  void SetInvalidEntryText(const std::string& Value);
  TInvalidEntryIcon InvalidEntryIcon() const;
  void SetInvalidEntryIcon(TInvalidEntryIcon Value);

  // --- Colours.
  TColor SelectionColor() const;
  void SetSelectionColor(TColor Value);
  TColor SelectionColorTo() const;
  void SetSelectionColorTo(TColor Value);
  TColor SelectionMirrorColor() const;
  void SetSelectionMirrorColor(TColor Value);
  TColor SelectionMirrorColorTo() const;
  void SetSelectionMirrorColorTo(TColor Value);
  TColor SelectionTextColor() const;
  void SetSelectionTextColor(TColor Value);
  bool SelectionColorMixer() const;
  void SetSelectionColorMixer(bool Value);
  // Percent, kept within 0 to 100.
  int SelectionColorMixerFactor() const;
  void SetSelectionColorMixerFactor(int Value);
  bool SelectionRectangle() const;
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const;
  void SetSelectionResizer(bool Value);
  TColor SelectionRectangleColor() const;
  void SetSelectionRectangleColor(TColor Value);
  TColor HintColor() const;
  void SetHintColor(TColor Value);
  TColor HighlightColor() const;
  // The highlight pair is also what markup's HI tag shows.
  void SetHighlightColor(TColor Value);
  TColor HighlightTextColor() const;
  void SetHighlightTextColor(TColor Value);
  TColor URLColor() const;
  void SetURLColor(TColor Value);
  // Pictures that markup cells show by name, and those they loaded by URL.
  TPictureContainer* PictureContainer() const;
  void SetPictureContainer(TPictureContainer* Value);
  THTMLPictureCache& ImageCache() const;
  TColor DisabledFontColor() const;
  void SetDisabledFontColor(TColor Value);
  bool ActiveCellShow() const;
  void SetActiveCellShow(bool Value);
  TColor ActiveCellColor() const;
  void SetActiveCellColor(TColor Value);
  TColor ActiveCellColorTo() const;
  void SetActiveCellColorTo(TColor Value);
  // The fixed cells' gradients, which the control look mirrors (see TFixedGradientColor).
  TColor DAZGradientColor(TFixedGradientColor Which) const;
  void SetDAZGradientColor(TFixedGradientColor Which, TColor Value) override;
  TColor DAZGradientFrom() const;
  TColor DAZGradientTo() const;
  TColor DAZGradientMirrorFrom() const;
  TColor DAZGradientMirrorTo() const;
  TColor ScrollColor() const;
  void SetScrollColor(TColor Value);
  // The non-client border's colour.
  TColor BorderColor() const;
  void SetBorderColor(TColor Value);

  // --- Look.
  TGridLook Look() const;
  void SetLook(TGridLook Value);
  TScrollType ScrollType() const;
  void SetScrollType(TScrollType Value);
  int ScrollWidth() const;
  void SetScrollWidth(int Value);
  TScrollBarAlways ScrollBarAlways() const;
  void SetScrollBarAlways(TScrollBarAlways Value);
  bool ScrollProportional() const;
  void SetScrollProportional(bool Value);
  bool ScrollSynch() const;
  void SetScrollSynch(bool Value);
  TScrollHintType ScrollHints() const;
  void SetScrollHints(TScrollHintType Value);
  // Markup hints: the application's hint window class becomes the markup hint window (for
  // every window of the application), or the standard one again.
  bool UseHTMLHints() const;
  void SetUseHTMLHints(bool Value);
  // The thin indicators of the ssMetro look, children of the grid; null under another look.
  TScrollControl* VertScrollControl() const;
  TScrollControl* HorzScrollControl() const;
  // Flat scroll bars took over the window's bars. Their library is not on this platform, so
  // ssFlat and ssEncarta keep their setting and show the normal bars.
  bool FlatScrollBarsInitialised() const;
  bool ShowSelection() const;
  void SetShowSelection(bool Value);
  bool HideFocusRect() const;
  void SetHideFocusRect(bool Value);
  bool FixedAsButtons() const;
  void SetFixedAsButtons(bool Value);
  THoverFixedCells HoverFixedCells() const;
  void SetHoverFixedCells(THoverFixedCells Value);
  THintShowLargeTextPos HintShowLargeTextPos() const;
  void SetHintShowLargeTextPos(THintShowLargeTextPos Value);
  bool UseInternalHintClass() const;
  void SetUseInternalHintClass(bool Value);
  bool UseDisabledFont() const;
  void SetUseDisabledFont(bool Value);
  bool ShowDesignHelper() const;
  void SetShowDesignHelper(bool Value);
  // Dates of day 0 and before are written as dates rather than left empty.
  bool ShowNullDates() const;
  void SetShowNullDates(bool Value);
  bool IntelliZoom() const;
  void SetIntelliZoom(bool Value);
  bool EnableWheel() const;
  void SetEnableWheel(bool Value);
  // Column moves carry the widths and hidden state along.
  bool EnhRowColMove() const;
  void SetEnhRowColMove(bool Value);
  bool FitCellsInGrid() const;
  void SetFitCellsInGrid(bool Value);
  bool Flat() const;
  void SetFlat(bool Value);
  bool IntegralHeight() const;
  // Applies the bounds again, so that the height is cut to whole rows at once.
  void SetIntegralHeight(bool Value);
  bool AutoSize() const;
  void SetAutoSize(bool Value);
  bool AutoNumAlign() const;
  void SetAutoNumAlign(bool Value);
  bool AutoThemeAdapt() const;
  // On: the grid follows the office colour theme now and whenever the theme notifier reports
  // a change.
  void SetAutoThemeAdapt(bool Value);
  bool AnchorHint() const;
  void SetAnchorHint(bool Value);
  // The grid follows its form's size.
  bool SizeWithForm() const;
  void SetSizeWithForm(bool Value);
  // Turns on what a spreadsheet needs: the selection rectangle and resizer, smart clipboard,
  // range selection with editing.
  bool SpreadSheet() const;
  void SetSpreadSheet(bool Value);

  // --- Filter settings.
  const std::string& FilterDropDownClear() const;
  void SetFilterDropDownClear(const std::string& Value);
  TFilterDropDownColumns FilterDropDownColumns() const;
  void SetFilterDropDownColumns(TFilterDropDownColumns Value);
  bool FilterDropDownAuto() const;
  void SetFilterDropDownAuto(bool Value);
  bool FilterNormalCellsOnly() const;
  void SetFilterNormalCellsOnly(bool Value);
  bool AutoFilterUpdate() const;
  void SetAutoFilterUpdate(bool Value);
  bool FilterIncremental() const;
  void SetFilterIncremental(bool Value);

  // --- Files and clipboard settings.
  bool SaveFixedCells() const;
  void SetSaveFixedCells(bool Value);
  bool SaveFixedRows() const;
  void SetSaveFixedRows(bool Value);
  bool SaveFixedCols() const;
  void SetSaveFixedCols(bool Value);
  bool SaveHiddenCells() const;
  void SetSaveHiddenCells(bool Value);
  bool SaveVirtCells() const;
  void SetSaveVirtCells(bool Value);
  bool SaveWithHTML() const;
  void SetSaveWithHTML(bool Value);
  bool LoadFirstRow() const;
  void SetLoadFirstRow(bool Value);
  bool QuoteEmptyCells() const;
  void SetQuoteEmptyCells(bool Value);
  bool AlwaysQuotes() const;
  void SetAlwaysQuotes(bool Value);
  bool JavaCSV() const;
  void SetJavaCSV(bool Value);
  bool ExcelClipboardFormat() const;
  void SetExcelClipboardFormat(bool Value);
  bool ClearTextOnly() const;
  void SetClearTextOnly(bool Value);
  bool PrinterDriverFix() const;
  void SetPrinterDriverFix(bool Value);

  // --- Size limits.
  int MinRowHeight() const;
  void SetMinRowHeight(int Value);
  int MaxRowHeight() const;
  void SetMaxRowHeight(int Value);
  int MinColWidth() const;
  void SetMinColWidth(int Value);
  int MaxColWidth() const;
  void SetMaxColWidth(int Value);
  bool SizeGrowOnly() const;
  void SetSizeGrowOnly(bool Value);
  int ZoomFactor() const;
  void SetZoomFactor(int Value);
  // The grouped column, -1 for none.
  int GroupColumn() const;
  // Where cell text starts inside the cell.
  TPoint XYOffset() const;
  void SetXYOffset(TPoint Value);

  // --- The grid as the settings objects see it.
  void InvalidateGrid() override;
  void RepaintRow(int ARow) override;
  void RepaintCell(int ACol, int ARow) override;
  bool IsDesigning() const override;
  bool HasParent() const override { return Parent() != nullptr; }
  void SetHideLastRow(bool Value) override;
  void SetFooterPanelHeight(int Value) override;
  void SetFooterPanelVisible(bool Value) override;
  void SetFooterPanelShowHint(bool Value) override;
  void UpdateFooter() override;
  TColumnCalcType FooterCalcType(int ACol) const override;
  void SetFooterCalcType(int ACol, TColumnCalcType Value) override;
  void ApplyOleDropTarget(bool Value) override;
  void SetRTFDropEnabled(bool Value) override;

  // --- Per-cell questions. ACol is a real column (GetCellHint's a display column); the
  // events fire after the grid's own answer and keep the last word.
  virtual void GetFloatFormat(int ACol, std::string& Format);
  virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoSearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction SearchAction);
  virtual void DoButtonClick(int ACol, int ARow);
  virtual void DoComboCloseUp(int ARow, int ACol);
  virtual void DoComboDropDown(int ARow, int ACol);
  // Many cells changed at once (fills, loads, pastes).
  virtual void AllCellsChanged() { CalcFooter(-1); }
  virtual void GetCellHint(int ACol, int ARow, std::string& Hint, WideString& WideHint);
  virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
  virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
  virtual void GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders);
  virtual void GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders);
  virtual void GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void GetColFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix);
  // The editor kind asked without preparing an editor, and when one is prepared.
  virtual void QueryCellEditor(int ACol, int ARow, TEditorType& AEditor);
  virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
  virtual bool IsNoEditorCell(int ACol, int ARow);
  virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
  // CanEdit comes in with the caller's proposal.
  virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
  virtual bool HasComboBox(int ACol, int ARow);
  virtual bool HasSpinEdit(int ACol, int ARow);
  // The texts of a ticked and an unticked data check box.
  virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
  virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
  // Fills FilterList for the column's filter drop-down; true when it has entries.
  virtual bool GetColumnFilter(int ACol);
  virtual void MouseActionsChanged() {}
  virtual void NavigationChanged() {}
  // Editing stops being an option of the grid.
  virtual void ClearEditingOption();
  // The cells of another string grid; any other source is ignored.
  virtual void AssignCells(const TPersistent* Source);

  // --- Editors' set-up: filled before an editor opens on a cell, read when it shows.
  TEditorSetup& EditorSetup();
  // The custom editor of edCustom cells; not owned.
  TEditLink* EditLink() const;
  void SetEditLink(TEditLink* Value);

  // --- Check boxes. ACol is a real column; rows are store rows, real rows while rows are
  // hidden (ApplyCheckBoxState and ToggleCheckBoxCell take display rows).
  // A check box whose state is the record's (Data off) or the cell text's (Data on); the
  // exception "Invalid cell" for a cell beyond the store, negative indexes included.
  void AddCheckBox(int ACol, int ARow, bool State, bool Data);
  // Removes a plain, data or tri-state check box with the balloon riding on it.
  void RemoveCheckBox(int ACol, int ARow);
  bool HasCheckBox(int ACol, int ARow);
  // The box's state lives in the cell text (or the row's selection mark).
  bool HasDataCheckBox(int ACol, int ARow);
  // False when the cell holds no two-state check box (a tri-state one included).
  bool GetCheckBoxState(int ACol, int ARow, bool& State);
  bool IsChecked(int ACol, int ARow);
  // No change event fires.
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
  // AutoCheckGroup after a toggle at display row ARow: a node's rows take its state, a row's
  // node shows whether its rows agree (checked, unchecked) or not (grayed).
  void ApplyGroupCheck(int ACol, int ARow, bool NodeRow, bool State);
  bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxCell(ACol, ARow, false); }
  // The toggle of mouse and keys; with CheckEditable a cell that may not be edited refuses.
  virtual bool ToggleCheckBoxCell(int ACol, int ARow, bool CheckEditable);
  // Sets a state and fires OnCheckBoxChange when it changed.
  bool ApplyCheckBoxState(int ACol, int ARow, bool Value);
  // Whether a client point hits the cell's check box (anywhere in the cell unless
  // MouseActions.PreciseCheckBoxCheck).
  bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
  // Cells whose object takes the click; they open no text editor.
  bool HasClickableGraphic(int ACol, int ARow);
  // Cells whose object stands for their text (printing leaves the text out).
  bool IsGraphicOnlyCell(int ACol, int ARow);
  virtual void DoCheckBoxChange(int ACol, int ARow, bool State);

  // --- Radio groups, radio buttons, cell buttons and ratings. ACol is a real column unless
  // said otherwise.
  // A radio group over Items (kept by the caller), side by side when DirRadio is not 0. With
  // IdxRadio -1 the group keeps its choice as the cell text, else as the item's index.
  void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* Items);
  bool IsRadio(int ACol, int ARow);
  TStringList* GetRadioStrings(int ACol, int ARow);
  // False without a cell object; else IdxRadio is the object's index and the answer whether
  // the object is a radio group.
  bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
  // -1 empties the cell text.
  bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
  // The chosen item of a radio group, whichever way the group keeps it; -1 for none.
  int RadioItemIndex(int ACol, int ARow);
  // Steps a radio group to its next item, from the last back to the first; with CheckEditable
  // a cell that may not be edited stays (unless ControlLook.RadioAlwaysActive).
  void SelectNextRadio(int ACol, int ARow, bool CheckEditable);
  // The radio buttons of a column form one group. Exception "Invalid cell" beyond the store.
  void AddRadioButton(int ACol, int ARow, bool State);
  bool HasRadioButton(int ACol, int ARow);
  bool IsRadioButtonChecked(int ACol, int ARow);
  // Leaves the column's other buttons alone.
  bool SetRadioButtonState(int ACol, int ARow, bool State);
  // Checks the button of row Index and unchecks the column's others.
  void SetRadioButtonColumnIndex(int ACol, int Index);
  // The first checked row from the fixed rows on; -1 when none.
  int GetRadioButtonColumnIndex(int ACol);
  // The check of mouse and keys: exactly one button of the column stays checked.
  virtual bool CheckRadioButtonCell(int ACol, int ARow, bool CheckEditable);
  // A push button of bw x bh pixels (each kept in 16 bits) with a caption.
  void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val);
  bool HasButton(int ACol, int ARow);
  // Display column: the pushed look of the cell's object (a node's excepted).
  void PushButton(int ACol, int ARow, bool Push);
  // Display column: where the cell's object was last painted; empty without one.
  TRect GetCellGraphicRect(int ACol, int ARow);
  // Scale stars, the cell's number telling how many are full.
  void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
  bool HasRating(int ACol, int ARow);
  // Fires OnRatingChange; false when the handler refuses the new rate.
  virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);

  // --- Sizes of cell objects (real columns), in pixels.
  virtual TPoint GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }
  // PaddingY is taken off the height a picture may fill.
  virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int PaddingY);
  // The printed size in a cell of CW x CH printer units; Scale turns printer into screen units.
  virtual TPoint CalcPrintCellGraphicSize(int ACol, int ARow, int CW, int CH, double Scale);
  // The expand button of a ctExpand cell, else the empty rectangle.
  TRect GetExpandRect(int ACol, int ARow);

  // --- Cell objects of every kind (real columns). An add replaces the cell's record; objects
  // handed in stay their caller's, those the grid creates go with the record. The adds refuse
  // a negative column or row and change nothing.
  void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
  void RemoveBitmap(int ACol, int ARow);
  bool HasBitmap(int ACol, int ARow);
  TBitmap* GetBitmap(int ACol, int ARow);
  void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                  TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                          TCellHAlign hal, TCellVAlign val);
  void RemovePicture(int ACol, int ARow);
  bool HasPicture(int ACol, int ARow);
  TPicture* GetPicture(int ACol, int ARow);
  void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                      int Padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val);
  void RemoveFilePicture(int ACol, int ARow);
  TFilePicture* GetFilePicture(int ACol, int ARow);
  void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
  void RemoveIcon(int ACol, int ARow);
  // The image-list kinds need GridImages; without it they add nothing.
  void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  void RemoveImageIdx(int ACol, int ARow);
  bool GetImageIdx(int ACol, int ARow, int& Idx);
  void SetImageIdx(int ACol, int ARow, int Idx);
  // The shown image is the cell's number plus Aidx; an empty cell gets Aidx as its text.
  void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  // Also empties the cell text.
  void RemoveDataImage(int ACol, int ARow);
  bool HasDataImage(int ACol, int ARow);
  // A list of image indexes, side by side when Dir is 0.
  void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
  void RemoveMultiImage(int ACol, int ARow);
  TIntList* GetCellImages(int ACol, int ARow);
  void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
  void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                            TColor BKTextColor, const std::string& Fmt, int Min, int Max);
  void RemoveProgress(int ACol, int ARow);
  bool HasProgress(int ACol, int ARow);
  void AddExtProgress(int ACol, int ARow, int Min, int Max);
  void RemoveExtProgress(int ACol, int ARow);
  void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
  void SetProgressPie(int ACol, int ARow, int Value);
  void RemoveProgressPie(int ACol, int ARow);
  void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
  void RemoveRangeIndicator(int ACol, int ARow);
  void AddComment(int ACol, int ARow, const std::string& Comment);
  void AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color);
  void RemoveComment(int ACol, int ARow);
  std::string GetComment(int ACol, int ARow);
  bool IsComment(int ACol, int ARow, std::string& Comment);
  // A cell holding another object keeps it and gets no comment.
  void SetComment(int ACol, int ARow, const std::string& Value);
  void RemoveAllComments();
  void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                TCellVAlign val);
  void RemoveShape(int ACol, int ARow);
  void SetShapeColor(int ACol, int ARow, TColor FillColor);
  // 0x1FFFFFFF (no colour) without a shape.
  TColor GetShapeColor(int ACol, int ARow);
  void RemoveRating(int ACol, int ARow);
  // With AutoRange the range follows the cell text at once.
  void AddScrollBar(int ACol, int ARow, bool AutoRange);
  void RemoveScrollBar(int ACol, int ARow);
  bool HasScrollBar(int ACol, int ARow);
  bool HasAutoRangeScrollBar(int ACol, int ARow);
  void SetScrollPosition(int ACol, int ARow, int Pos);
  int GetScrollPosition(int ACol, int ARow);
  void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
  TScrollProp GetScrollProp(int ACol, int ARow);
  void AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TBitmap* Glyph, TCellHAlign hal,
                    TCellVAlign val);
  TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                           TCellVAlign val);
  void RemoveBitButton(int ACol, int ARow);
  // A plain button, else a bitmap button.
  void RemoveButton(int ACol, int ARow);
  void RemoveAllButtons();
  // Display column; the caption of any kind of record.
  void SetButtonText(int ACol, int ARow, const std::string& Caption);
  std::string GetButtonText(int ACol, int ARow);
  // AObject (kept by the caller) should offer IInterfacedCell to draw and size itself.
  void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
  void RemoveInterfacedCell(int ACol, int ARow);
  TObject* GetInterfacedCell(int ACol, int ARow);
  // An error marker over ErrLen characters from ErrPos, on the cell's record or a new empty one.
  void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
  void RemoveMarker(int ACol, int ARow);
  void RemoveAllMarkers();
  void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
  // What an image cell sorts by: its bitmap or icon object, or its image index; -1 otherwise.
  std::intptr_t GetCellImageKey(int ACol, int ARow);
  virtual TImageList* GetGridImages();
  TImageList* GridImages() const;
  void SetGridImages(TImageList* Value);
  // The colour (with its text) and the image chosen in the picker drop-downs, for the current cell.
  virtual void DoColorSelect(TColor Color, const std::string& Value);
  virtual void DoImageSelect(int Index);
  bool URLShowInText() const;
  void SetURLShowInText(bool Value);
  // The number of node rows the node operations keep.
  int NumNodes() const;
  void SetNumNodes(int Value);
  bool HasNodes() const override;
  int GetRowIndent(int ARow) const override;
  void GetDisplText(int ACol, int ARow, std::string& Value) const override;
  // Check boxes over a column (from row 0 with MouseActions.CheckAllCheck); node rows get
  // unchecked tri-state boxes, summary rows none.
  void AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox);
  void RemoveCheckBoxColumn(int ACol);
  void CheckAll(int ACol);
  void UnCheckAll(int ACol);
  void AddRadioButtonColumn(int ACol);
  void RemoveRadioButtonColumn(int ACol);
  void RemoveRadioButton(int ACol, int ARow);
  // A rotated text at AAngle degrees; SetRotated keeps the cell text.
  void AddRotated(int ACol, int ARow, int AAngle, const std::string& s);
  void SetRotated(int ACol, int ARow, int AAngle);
  void RemoveRotated(int ACol, int ARow);
  bool IsRotated(int ACol, int ARow, int& aAngle);
  virtual void AppendEmptyRow();
  virtual void AutoInsertRow(int ARow);
  // The only normal row (without FixedRowAlways) is cleared instead of removed.
  virtual void AutoDeleteRow(int ARow);
  virtual void DoFilterDone();
  // Answers the editor the handler chose.
  virtual TGridFixedCellEditor DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor AEditor, TStringList& Values);
  // The value of a cell (a formula engine answers its result); the plain text here.
  virtual void CalcCellText(int ACol, int ARow, std::string& Value);
  virtual void LoadCellText(int ACol, int ARow, std::string Value);
  // The text a file gets: the shown text with SaveVirtCells, an empty check box's state as
  // its check text, markup as plain text unless SaveWithHTML.
  virtual void SaveCellText(int ACol, int ARow, std::string& Value);

  // --- Measuring cells, outside painting, on the control canvas.
  // The text a cell shows: its float format applied when OnGetFloatFormat asks for it.
  virtual std::string GetFormattedCell(int ACol, int ARow);
  // The font a cell's text is measured in (ACol display, RCol real column).
  void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont, TBrush& ABrush,
                         bool Remap);
  // The two alignments of a cell's text (real column).
  void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
  // The size of a cell's text (real column): with VS wrapped within the cell's width, with
  // SB less 17 pixels of room for a scroll bar.
  TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
  // The grid's Font, or for a cell with properties the scratch font with their settings.
  const TFont& GetCellFont(int ACol, int ARow);

  // --- Automatic sizing (display columns).
  // The room the text offsets take across and down a cell.
  int GetHorzXYOffset() const;
  int GetVertXYOffset() const;
  // Fits a column to its content (never narrower with SizeGrowOnly); Padding is added.
  void AutoSizeCol(int ACol, int Padding);
  void AutoSizeColumns(bool DoFixedCols, int Padding);
  void DoAutoSizeCol(int ACol, bool GrowOnly);
  // Fits a row's height to its cells (never lower with SizeGrowOnly); Padding is added, and
  // the graphics of the cells measured without it.
  void AutoSizeRow(int ARow, int Padding);
  void DoAutoSizeRow(int ARow, bool GrowOnly, int Padding);
  // Height for Lines lines of the row's font, plus Extra.
  void SetRowLineHeight(int ARow, int Lines, int Extra);
  // The most lines any visible cell of the row holds; 1 without Multilinecells.
  int GetMaxLinesInRow(int ARow);
  // The cell's header shows the sort glyph.
  bool IsSortGlyphCell(int ACol, int ARow);
  // Every row (from the first normal one unless DoFixedRows) fitted to its text: by wrapped
  // extent with WordWrap, else by its most lines.
  void AutoSizeRows(bool DoFixedRows, int Padding);
  // Columns and rows grow to every cell's unwrapped text and object, plus the padding.
  void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
  // The sized columns spread over the client width in proportion to their widths; nothing
  // when they have no width at all.
  void AutoFitColumns(bool DoFixedCells);
  // The longest line of the column's texts, in characters.
  int GetMaxColTextLength(int ACol);
  // The client area takes the columns' (rows', both) whole extent.
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  // A width set by the user, and one set automatically, before it is applied.
  virtual void UpdateColSize(int ACol, int& AWidth);
  virtual void UpdateAutoColSize(int ACol, int& AWidth);
  // The width of a real column; a hidden one keeps the width it had.
  int AllColWidths(int ACol) const;
  void SetAllColWidths(int ACol, int Value);
  bool XYOffsetTopLeftOnly() const;
  void SetXYOffsetTopLeftOnly(bool Value);
  // Cell texts break at their line breaks.
  bool Multilinecells() const;
  void SetMultilinecells(bool Value);
  // Links in cell texts show underlined, without their protocol unless URLFull.
  bool URLShow() const;
  void SetURLShow(bool Value);
  bool URLFull() const;
  void SetURLFull(bool Value);
  // The row whose header cells offer the filter drop-down.
  int FilterDropDownRow() const;
  void SetFilterDropDownRow(int Value);

  // --- Editing: the editor life cycle, validation and the editors (src/grid/editing/).
  // Columns are display columns unless called real.
  // Editing is on for the grid (goEditing, RangeSelectAndEdit or suspended) and the cell
  // (its base cell) may be edited and is not fixed.
  bool IsEditable(int ACol, int ARow);
  bool IsCellEditable(int ACol, int ARow);
  // Whether the cell counts as fixed for moving the focus: footer rows, fixed right columns,
  // then IsFixedCell.
  bool IsFocusFixed(int ACol, int ARow);
  // SelectCell for the current cell.
  void Select();
  // Opens the current cell's editor from code; nothing for a control cell.
  void ShowInplaceEdit();
  // F2 to the grid's own window: the key handling decides whether an editor opens.
  void ShowCellEdit();
  // Ends the edit of the current cell, storing the editor's value and validating it.
  void HideInplaceEdit();
  // Reads an open special editor back into the current cell without hiding the text editor.
  void HideCellEdit();
  // An editor ended its edit with Return, Tab or an arrow: read back, then move on.
  void DoneInplaceEdit(WORD Key, TShiftState Shift);
  // Validates the value of the recorded cell and stores it; false keeps the focus there
  // with the editor reopened.
  virtual bool ValidateCell(const std::string& NewValue);
  virtual bool ValidateCellWide(const WideString& NewValue);
  // Records the cell whose edit will be validated, with its text and the Modified flag.
  void StoreOldCell(int ACol, int ARow);
  // Cancels an edit: the current cell gets back the text it had when the focus came.
  void RestoreCellCache();
  // A validated change of a cell rectangle (real columns): the event, then the notifiers.
  void CellsChanged(const TRect& R);
  void RecalcColumnFooter(int ACol);
  // Stores an edited value at a real column: through SetEditText, then SetCellEx.
  void SetEditedCellText(int ACol, int ARow, const std::string& Value);
  void DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
  void DoCellChanging(int ACol, int ARow, bool& Allow);
  void DoCheckBoxClick(int ACol, int ARow, bool State);
  // The button of an edit-button editor was pressed: S comes back as the handler leaves it.
  void DoEllipsClick(const std::string& Text, std::string& S);
  // Editors keep Tab for themselves (goTabs, or a validation event is assigned).
  bool EditorHandlesTab() const;
  bool CellIsPassword(int ACol, int ARow);
  // The raw text of the current cell's base cell; written through SetCellEx.
  std::string CurrentCell();
  void SetCurrentCell(const std::string& Value);
  std::string GetCurrentCell() { return CurrentCell(); }
  // The cell text is packed wide text (starts with "|\\").
  bool IsWideCell(int ACol, int ARow);
  // Changed since the flag was last cleared; validation sets it.
  bool Modified() const;
  void SetModified(bool Value);
  // Rows (real) whose cells a validation changed.
  bool RowModified(int ARow) const;
  void SetRowModified(int ARow, bool Value);
  // The edit state: the kind last prepared, an editor prepared and not read back, an edit
  // under way that must pass validation.
  TEditorType EditControl() const;
  bool EditMode() const;
  void SetEditMode(bool Value);
  bool Editing() const;
  // The character that started the edit, handed to a special editor when it opens.
  void SetStartEditChar(TKeyChar Value);
  // A left click opened the editor: the caret goes where the mouse is.
  void SetLButFlg(bool Value);
  // The grid's editors: the text editor (null until first shown), the combo editor of
  // edComboEdit and edComboList, the check-box and button editors.
  TExtInplaceEdit* NormalEdit() const;
  TGridCombo* Combobox();
  TGridCombo* UniCombo() { return Combobox(); }
  TGridCheckBox* CheckBoxEditor();
  TGridButton* Btn();
  // The spin editor of the four spin kinds and the edit-button editors, made on first use.
  TGridSpin* SpinEdit();
  TGridEditBtn* BtnEdit();
  TGridUnitEditBtn* BtnUnitEdit();
  // The date and time editors (edDateEdit, edDateEditUpDown, edTimeEdit; edDateTimeEdit),
  // made on first use.
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();
  // The items of the combo editor, shared by every combo cell (the column grid refills them
  // from the column before each edit).
  void ClearComboString();
  void AddComboString(const std::string& s);
  void AddComboStringObject(const std::string& s, TObject* AObject);
  bool RemoveComboString(const std::string& s);
  // The item preselected when a combo editor opens on a text that is no item.
  bool SetComboSelectionString(const std::string& s);
  void SetComboSelection(int idx);
  int GetComboCount();
  // The index of the cell's text among the items (-1 when absent); writing sets the cell to
  // an item and raises EStringListError for an index outside the list.
  int ComboIndex(int ACol, int ARow);
  void SetComboIndex(int ACol, int ARow, int Value);
  void RegisterNotifier(TGridChangeNotifier* Notifier);
  void UnRegisterNotifier(TGridChangeNotifier* Notifier);
  // Settings the editors read.
  bool AlwaysValidate() const;
  void SetAlwaysValidate(bool Value);
  bool Lookup() const;
  void SetLookup(bool Value);
  bool LookupCaseSensitive() const;
  void SetLookupCaseSensitive(bool Value);
  bool LookupHistory() const;
  void SetLookupHistory(bool Value);
  // Characters an edValidChars cell takes; when empty, ValidCharSet (8-bit codes) decides.
  const std::string& ValidChars() const;
  void SetValidChars(const std::string& Value);
  const std::string& ValidCharSet() const;
  void SetValidCharSet(const std::string& Value);
  // A '.' of the numeric keypad types the locale's decimal separator.
  bool ExcelStyleDecimalSeparator() const;
  void SetExcelStyleDecimalSeparator(bool Value);
  int MaxComboLength() const;
  void SetMaxComboLength(int Value);
  // Editors show cell markup as it stands instead of its plain text.
  bool EditWithTags() const;
  void SetEditWithTags(bool Value);

  TCellValidateEvent OnCellValidate;
  TCellValidateWideEvent OnCellValidateWide;
  TCellsChangedEvent OnCellsChanged;
  TRowChangingEvent OnRowChanging;
  TColChangingEvent OnColChanging;
  TCellChangingEvent OnCellChanging;
  TGetEditorPropEvent OnGetEditorProp;
  // Column in the first integer, row in the second.
  TClickCellEvent OnGetEditorPropInt;
  TCheckBoxClickEvent OnCheckBoxClick;
  TEllipsClickEvent OnEllipsClick;
  // After a step of the spin editor, by its kind of value (UpDown: up).
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  // Another unit was chosen in the unit editor's menu.
  TGridUnitChangeEvent OnUnitChanged;
  TNotifyEvent OnEditingDone;
  // After the edit ended and the editing events returned (posted "GridEditDone").
  TEditCellDoneEvent OnEditCellDone;
  TComboChangeEvent OnComboChange;
  TComboObjectChangeEvent OnComboObjectChange;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TClipboardCellEvent OnClipboardBeforePasteCell;
  TClipboardAfterPasteEvent OnClipboardAfterPasteCell;

  // --- Find and replace, highlighting and marking, cell checks and the search footer
  // (grid/dataops/search). Cells are real columns and display rows unless the find parameters
  // take hidden columns or rows in, which then count by real index.
  TPoint Find(TPoint StartCell, const std::string& s, TFindParams FindParams);
  TPoint FindWide(TPoint StartCell, const WideString& s, TFindParams FindParams);
  TPoint FindFirst(const std::string& s, TFindParams FindParams);
  TPoint FindNext();
  int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
  // The first display row whose key-column text starts with s (upper case); -1 for none.
  int Search(const std::string& s);
  TPoint SearchCell();
  void SetSearchCell(TPoint Value);
  TFindParams LastFindParams();
  void SetLastFindParams(TFindParams Value);
  std::string SearchCache();
  WideString SearchCacheWide();
  int FindCol();
  void SetFindCol(int Value);
  int FindRow();
  void SetFindRow(int Value);
  bool FindBusy();
  // The text typed for the type-ahead search.
  std::string IncrSearchText() const;
  void SetIncrSearchText(const std::string& Value);
  std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
  std::string UnHilightText(const std::string& S);
  std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
  std::string UnMarkText(const std::string& S);
  void HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText);
  void HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
  void HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
  void HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
  void UnHilightInCell(int Col, int Row);
  void UnHilightInCol(bool DoFixed, int Col);
  void UnHilightInRow(bool DoFixed, int Row);
  void UnHilightInGrid(bool DoFixed);
  void MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText);
  void MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
  void MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
  void MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
  void UnMarkInCell(int Col, int Row);
  void UnMarkInCol(bool DoFixed, int Col);
  void UnMarkInRow(bool DoFixed, int Row);
  void UnMarkInGrid(bool DoFixed);
  bool CheckCell(int Col, int Row);
  bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool CheckCol(bool DoFixed, int Col);
  bool CheckRow(bool DoFixed, int Row);
  bool CheckGrid(bool DoFixed);
  // The checker of the cell checks and of validated edits; dropped when it is destroyed.
  TExtStringGridCheck* CellChecker() const;
  void SetCellChecker(TExtStringGridCheck* Value);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The search footer's bar (made with the grid, height 0 while the footer is hidden), the
  // handler that applies SearchFooter to it, and the handlers of its edit and buttons.
  TSearchPanel& SearchPanel();
  void SearchFooterChange();
  void SearchEditChange(TObject* Sender);
  void SearchForwardClick(TObject* Sender);
  void SearchBackwardClick(TObject* Sender);
  void SearchExitClick(TObject* Sender);
  void SearchHighLightClick(TObject* Sender);
  // An accelerator character of the bar's find and highlight buttons clicks the button; false
  // when the footer is hidden or no visible, enabled button has it.
  bool SearchFooterDialogChar(TKeyChar Key);
  // Ctrl+F: the bar's edit takes the focus while the footer shows.
  void FocusSearchFooterEdit();
  // A character typed outside editing goes to the type-ahead search on the key column, whose
  // row becomes current (Navigation's AutoGotoWhenSorted, AutoGotoIncremental).
  void TypeAheadChar(TKeyChar Key);
  TSearchEditChangeEvent OnSearchEditChange;
  TNotifyEvent OnSearchFooterClose;
  TNotifyEvent OnCreatedSearchFooter;

  // --- Events.
  TCanEditCellEvent OnCanEditCell;
  TSearchFooterActionEvent OnSearchFooterAction;
  TButtonClickEvent OnButtonClick;
  TComboCloseUpEvent OnComboCloseUp;
  TComboCloseUpEvent OnComboDropDown;
  TGridHintEvent OnGridHint;
  TGridWideHintEvent OnGridWideHint;
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridAlignEvent OnGetAlignment;
  TGridFormatEvent OnGetFormat;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  // Row nodes, expand cells and header-click sorting.
  TNodeAllowEvent OnBeforeExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  TNodeClickEvent OnExpandNode;
  TNodeClickEvent OnContractNode;
  TExpandClickEvent OnExpandClick;
  TCanSortEvent OnCanSort;
  TClickSortEvent OnClickSort;
  TGetEditorTypeEvent OnGetEditorType;
  TIsFixedCellEvent OnIsFixedCell;
  TIsPasswordCellEvent OnIsPasswordCell;
  TWordWrapEvent OnGetWordWrap;
  THasComboEvent OnHasComboBox;
  THasSpinEditEvent OnHasSpinEdit;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TGetColumnFilterEvent OnGetColumnFilter;
  TDateTimeChangeEvent OnDateTimeChange;
  // Reads a cell's text as the date a date editor opens on (ADate starts as now).
  std::function<void(TObject* Sender, const std::string& Value, TDateTime& ADate)> OnCustomStrToDate;
  TEditChangeEvent OnEditChange;
  TComboCloseUpEvent OnDatePickerCloseUp;
  TComboCloseUpEvent OnDatePickerDropDown;
  TNotifyEvent OnRichEditSelectionChange;
  TControlClickEvent OnControlClick;
  TControlComboListEvent OnControlComboList;
  TControlComboSelectEvent OnControlComboSelect;
  TControlClickEvent OnControlEditDone;
  TRowChangedEvent OnRowChanged;
  TCheckBoxClickEvent OnCheckBoxChange;
  // A double click on a cell: the display row and column under the mouse (-1 outside).
  TDblClickCellEvent OnDblClickCell;
  TUpdateColumnSizeEvent OnUpdateColumnSize;
  TFloatFormatEvent OnGetFloatFormat;

  // --- Selection, navigation, keys and mouse (src/grid/editing: selection*, navigation*,
  // keyboard*, mouse*). Columns are display columns unless called real.
  // Whole rows (or, with DisjunctRowSelect, row marks) and whole columns; counts are cut at
  // the grid's end.
  void SelectRows(int RowIndex, int RCount);
  void UnSelectRows(int RowIndex, int RCount);
  void SelectCols(int ColIndex, int CCount);
  void UnSelectCols(int ColIndex, int CCount);
  // Moves the current cell to (ToCol, ToRow), then selects the range.
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
  void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
  void ClearRowSelect();
  void ClearColSelect();
  void ClearSelectedCells();
  void ClearModifiedRows();
  int ModifiedRowCount() const;
  // False for fixed rows and columns; else by the disjunct mode in use or the selection.
  bool IsSelected(int ACol, int ARow);
  // The selection as Tab-separated cells and CR LF-separated rows.
  std::string SelectedText();
  void GotoCell(int ACol, int ARow);
  // The one-cell selection (which moves the current cell there).
  void FocusCell(int ACol, int ARow);
  // Exchanges raw texts and cell objects; nothing is repainted.
  void SwapCells(TPoint FromCell, TPoint ToCell);
  void RepaintCol(int ACol);
  // Columns and rows of the range; nothing when a value is negative.
  void RepaintRect(const TRect& r);
  // Row marks: reading raises EExtGridError "Invalid row N accessed" outside the rows (never
  // with RowSelectPersistent), setting "Invalid row accessed".
  bool RowSelect(int ARow) { return GetRowSelect(ARow); }
  bool GetRowSelect(int ARow);
  void SetRowSelect(int ARow, bool Value);
  // Column marks: EExtGridError "Invalid column accessed" outside the columns.
  bool ColSelect(int ACol) { return GetColSelect(ACol); }
  bool GetColSelect(int ACol);
  void SetColSelect(int ACol, bool Value);
  bool RowEnabled(int ARow) const { return GetRowEnabled(ARow); }
  bool GetRowEnabled(int ARow) const;
  // Disabling the current row moves it to the first enabled row.
  void SetRowEnabled(int ARow, bool Value);
  bool SelectedCells(int ACol, int ARow);
  void SetSelectedCells(int ACol, int ARow, bool Value);
  // The i-th cell of the disjunct cell list.
  TGridCoord SelectedCell(int i) const;
  int SelectedCellsCount();
  int SelectedRow(int i) const;
  int SelectedRowCount() const;
  int SelectedColCount() const;
  int ColSelectCount() const;

  // The next-cell rules of Tab and Return, and their small queries.
  int FirstDataCol();
  int VisibleFixedRightCols() const;
  bool IsLastNormalRow(int ARow) const;
  bool CanTabToCell(int ACol, int ARow);
  // The first and last columns of the row Tab may stop at; -1 when none.
  int FirstTabCol(int ARow);
  int LastTabCol(int ARow);
  virtual void GotoFirstRow();
  // Row (column) marks from the selection: the rows inside it, or every row with All.
  void SyncRowSelectWithSelection(bool All);
  void SyncColSelectWithSelection(bool All);
  // False when the focus was passed on to the next control (TabToNextAtEnd).
  bool TabToNextCell(bool Backward);
  void AdvanceToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Repeated,
                         bool EditorWasOpen);
  // Fires OnSelectionChanged and notes the change.
  virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);

  TSelectionChangedEvent OnSelectionChanged;
  TClickCellEvent OnClickCell;
  TClickCellEvent OnRightClickCell;
  TCanClickCellEvent OnCanClickCell;
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TRadioClickEvent OnRadioClick;
  TButtonClickEvent OnRadioButtonClick;
  TRadioClickEvent OnRadioMouseUp;
  TRatingChangeEvent OnRatingChange;
  std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)> OnLoadCell;
  std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)> OnSaveCell;
  std::function<void(TObject* Sender)> OnFilterDone;
  std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList& Values)> OnFixedEdit;
  std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const std::string& Value)> OnColorSelect;
  std::function<void(TObject* Sender, int ACol, int ARow, int Index)> OnImageSelect;
  TAutoAdvanceEvent OnAutoAdvance;
  TCanAddRowEvent OnCanAddRow;
  TAutoAddRowEvent OnAutoAddRow;
  TAutoInsertColEvent OnAutoInsertCol;
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TRowDisjunctSelectedEvent OnRowDisjunctSelected;
  TCanInsertRowEvent OnCanInsertRow;
  TAutoInsertRowEvent OnAutoInsertRow;
  TCanDeleteRowEvent OnCanDeleteRow;
  TAutoDeleteRowEvent OnAutoDeleteRow;
  // --- Painting, looks and scrolling.
  // The looks and styles: each preset sets its whole colour set (looks.cpp).
  void SetStyle(TExtGridStyle AStyle);
  void SetComponentStyle(TDAZStyle AStyle);
  TDAZStyle GetComponentStyle() const;
  void SetColorTones(const TColorTones& ATones);
  void SetTheme(TXPColorScheme Scheme);
  void FollowOfficeTheme();
  // The style the drop-down editors take when the grid makes them.
  void SetEditorsComponentStyle(TDAZStyle AStyle);
  static std::string GridLookToString(TGridLook ALook);
  static std::string GridLookCaption(TGridLook ALook);
  void SetDAZGradientFrom(TColor Value);
  void SetDAZGradientTo(TColor Value);
  void SetDAZGradientMirrorFrom(TColor Value);
  void SetDAZGradientMirrorTo(TColor Value);

  // The decision of a cell's colours, font, alignment and word wrap (cell_colors.cpp).
  using TBaseGrid::GetVisualProperties;
  void GetCellLook(int ACol, int ARow, TCellLook& Look, bool Print, bool Select, bool Remap) override;
  // Percent 100 gives Color1, below 1 Color2; clNone on either side gives the other.
  static TColor BlendColors(TColor Color1, TColor Color2, int Percent);
  static TColor MixSelectionColor(TColor SelectionColor, TColor CellColor, bool Mixer, int Factor);

  // The check box and radio pictures in every control look (check_painters.cpp).
  void DrawCheckBox(TCanvas& ACanvas, TRect R, bool Checked, TCheckBoxState TriValue, bool TriState,
                    TControlLookStyle Style, bool Grayed, bool Enabled);
  void DrawRadioGroup(TCanvas& ACanvas, const TRect& R, bool Upward, double Scale, TControlLookStyle Style, int ARow,
                      int ACol, bool Selected, const TStringList* Items, bool Disabled, bool Horizontal, int Index,
                      int Count);
  void DrawSortGlyph(TCanvas& ACanvas, int ACol, int Y, int X);
  // Size and placement of the cell's object, before the text is drawn (paint_graphics.cpp).
  TCellGraphicPlacement GetCellGraphicPlacement(int ACol, int ARow);

  // The surface and the update lock (grid_surface.cpp).
  void BeginUpdate();
  void EndUpdate();
  // Counts without switching redrawing off.
  void StartUpdate();
  void ResetUpdate();
  bool LockUpdate() const;
  void SetLockUpdate(bool Value);
  void PaintEmptyArea(TCanvas& ACanvas);
  void DrawBackgroundPictureAt(TCanvas& ACanvas, const TRect& R);
  void TileBackgroundPicture(TCanvas& ACanvas, const TRect& R);
  void DrawNCBorder();
  // Dotted XOR lines shown while a line is sized: drawn twice they are gone.
  void DrawColSizeLine(int X);
  void DrawRowSizeLine(int Y);

  // Scrolling (scrolling.cpp).
  void UpdateHorzScrollProportional();
  void UpdateVertScrollProportional();
  // Something dragged over the grid: near an edge the grid scrolls that way, first after the
  // initial delay, then at the repeat delay (DragScrollOptions).
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  // A scroll code of the current cell's scroll bar: lines of 10 pixels, pages of 100, the thumb
  // to its position, all kept within the bar's range. True when the position changed.
  bool ScrollCellBar(unsigned Code, int Pos);
  virtual void DoScrollCell(int ACol, int ARow, int Position, int Min, int Max);
  // A wheel notch: MouseActions.WheelIncrement rows, or the desktop's wheel lines below 1.
  int WheelStep() const override;
  bool ScrollProportionalLocked() const;
  void SetScrollLock(bool Value);

  // Cells by real index, per-cell styles and cell controls (cell_access.cpp). The setters of
  // the style accessors repaint the cell at its display column.
  std::string AllGridCells(int ACol, int ARow) const { return GetGridCellsEx(ACol, ARow); }
  void SetAllGridCells(int ACol, int ARow, const std::string& Value) { SetGridCellsEx(ACol, ARow, Value); }
  std::string GetGridCellsEx(int ACol, int ARow) const;
  void SetGridCellsEx(int ACol, int ARow, const std::string& Value);
  WideString AllWideCells(int ACol, int ARow) const;
  void SetAllWideCells(int ACol, int ARow, const WideString& Value);
  TObject* AllObjects(int ACol, int ARow) const { return GetObjectsEx(ACol, ARow); }
  void SetAllObjects(int ACol, int ARow, TObject* Value) { SetObjectsEx(ACol, ARow, Value); }
  TObject* GetObjectsEx(int ACol, int ARow) const;
  void SetObjectsEx(int ACol, int ARow, TObject* Value);
  std::string UnSortedCells(int ACol, int ARow) const;
  void SetUnSortedCells(int ACol, int ARow, const std::string& Value);
  int SortedRowIndex(int i) const;
  int UnSortedRowIndex(int ARow) const;
  int AllColCount() const { return TotalColCount(); }
  int AllRowCount() const { return TotalRowCount(); }
  TColor Colors(int ACol, int ARow) const;
  void SetColors(int ACol, int ARow, TColor Value);
  TColor ColorsTo(int ACol, int ARow) const;
  void SetColorsTo(int ACol, int ARow, TColor Value);
  TCellGradientDirection GetGradientDir(int ACol, int ARow) const;
  void SetGradientDir(int ACol, int ARow, TCellGradientDirection Value);
  TColor FontColors(int ACol, int ARow) const;
  void SetFontColors(int ACol, int ARow, TColor Value);
  TFontStyles FontStyles(int ACol, int ARow) const;
  void SetFontStyles(int ACol, int ARow, TFontStyles Value);
  int FontSizes(int ACol, int ARow) const;
  void SetFontSizes(int ACol, int ARow, int Value);
  std::string FontNames(int ACol, int ARow) const;
  void SetFontNames(int ACol, int ARow, const std::string& Value);
  void SetCellFont(int ACol, int ARow, const TFont& AFont);
  TAlignment Alignments(int ACol, int ARow) const;
  void SetAlignments(int ACol, int ARow, TAlignment Value);
  bool WordWraps(int ACol, int ARow);
  void SetWordWraps(int ACol, int ARow, bool Value);
  bool ReadOnly(int ACol, int ARow) const;
  void SetReadOnly(int ACol, int ARow, bool Value);
  int LinesInCell(int ACol, int ARow) const;
  TControl* CellControls(int ACol, int ARow) const;
  void SetCellControls(int ACol, int ARow, TControl* Value);
  void SetRowColor(int ARow, TColor Value);
  void SetRowColorTo(int ARow, TColor Value);
  void SetRowFontColor(int ARow, TColor Value);
  // The current cell's display text, a covered cell of a merge resolved to its base cell.
  virtual std::string GetCurrentCellText() const;

  // Text and look switches of the painter.
  bool EnhTextSize() const;
  void SetEnhTextSize(bool Value);
  bool NoImageAndText() const;
  void SetNoImageAndText(bool Value);
  bool NoDefaultDraw() const;
  void SetNoDefaultDraw(bool Value);
  const TBitmap& RowIndicator() const;
  void SetRowIndicator(const TBitmap& Value);
  // True when fixed and selected cells take the platform style's elements.
  bool IsStyled() const override;
  void SetStyled(bool Value);

  // --- Appearance setters (appearance.cpp): each stores its value and repaints what shows it.
  void SetShowModified(const TShowModified& Value);
  void SetBalloon(const TBalloonSettings& Value);
  void SetProgressAppearance(const TGridProgressAppearance& Value);
  void SetSyncGrid(const TSyncGrid& Value);
  void SetBackGround(const TBackGround& Value);
  // The platform grid's selection; the headers of the active cell (ActiveCellShow) and the
  // active row (ActiveRowShow) are repainted.
  void SetSelection(const TGridRect& Value);
  // Stores the text offset without repainting.
  void UpdateXYOffset(int X, int Y);
  // A picture of the cells from ARect's left column and top row to its right column and
  // bottom row, on a borderless translucent form the grid owns; the caller shows it.
  TNoActiveForm* SelectionToForm(const TGridRect& ARect);
  // The design panel (design_panel.cpp), shown only while the grid is designed with
  // ShowDesignHelper: its entry at a client point (1 "Allow edit", 2 "Column numbers",
  // 3 "Set look", 4 close, -1 none), and a click on it.
  int DesignHelperHitTest(int X, int Y);
  void DesignHelperClick(int X, int Y);
  void PaintDesignHelper(TCanvas& ACanvas);

  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellDrawEvent OnCustomCellDraw;
  TGridGradientEvent OnGetCellGradient;
  TGridBorderPropEvent OnGetCellBorderProp;
  TNotifyEvent OnPainted;
  TDragScrollEvent OnDragScroll;
  TScrollCellEvent OnScrollCell;
  // May refuse that a press on a fixed cell's border starts sizing the column (row).
  TColumnSizeEvent OnColumnSize;
  TRowSizeEvent OnRowSize;
  // May change the text shown while a scroll thumb is dragged ("Row : 12", "Col : 3").
  TScrollHintEvent OnScrollHint;
  // The window of that text; null before the first thumb drag with ScrollHints.
  const THintWindow* ScrollHintWindow() const;
  TEndColumnSizeEvent OnEndColumnSize;
  TEndRowSizeEvent OnEndRowSize;

  // --- Text files (src/grid/dataops/files). The save range is the block of cells every
  // export covers; the fixed cells are inside it as SaveFixedCells, -Rows and -Cols say.
  int SaveStartCol() const;
  int SaveEndCol() const;
  int SaveColCount() const;
  int SaveStartRow() const;
  int SaveEndRow() const;
  int SaveRowCount() const;
  // The smallest block holding every non-empty cell; (0, 0, 0, 0) for an empty grid.
  virtual TRect UsedCells();
  // The number a cell holds (0 when empty); EExtGridError names where the number stops.
  double CellToReal(int ACol, int ARow);
  // The grid's own text file, and the same lines in a caller's stream (UTF-16LE).
  void SaveToFile(const std::string& FileName, bool Unicode = false);
  void LoadFromFile(const std::string& FileName);
  void SaveToStream(TStream& Stream);
  void LoadFromStream(TStream& Stream);
  void SaveToCSV(const std::string& FileName, bool Unicode = false);
  void AppendToCSV(const std::string& FileName, bool Unicode = false);
  // MaxRows above 0 reads at most that many lines; the delimiter is guessed when none is set.
  void LoadFromCSV(const std::string& FileName, int MaxRows = 0);
  void LoadFromCSVStream(TStream& Stream, int MaxRows = 0);
  void InsertFromCSV(const std::string& FileName, int MaxRows = 0);
  // Positions: field widths (missing ones appended); for loading, the 1-based starts.
  void SaveToFixed(const std::string& FileName, TIntList& Positions);
  void LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
  void SaveToASCII(const std::string& FileName, bool Unicode = false);
  void AppendToASCII(const std::string& FileName, bool Unicode = false);
  // FieldDescr may be null: the elements are then FIELD0, FIELD1 ...
  void SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                 const TStringList* FieldDescr = nullptr, bool ExportEmptyCells = false);
  void LoadFromXML(const std::string& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
  // --- HTML export (src/grid/dataops/files/html_export): the document with its pictures under
  // Dir + "images", and the file between the header and footer files of HTMLSettings.
  std::string SaveToHTMLString(const std::string& Dir);
  void SaveToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
  void AppendToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
  // --- Cell stream (src/grid/dataops/files/cell_stream): cells with their properties and cell
  // objects; loading puts the first cell at the point (a full grid at (0, 0)).
  void SaveRectToBinStream(const TRect& Rect, TStream& Stream);
  void SaveToBinStream(TStream& Stream);
  void SaveToBinFile(const std::string& FileName);
  void LoadAtPointFromBinStream(TPoint Point, TStream& Stream);
  void LoadFromBinStream(TStream& Stream);
  void LoadFromBinFile(const std::string& FileName);
  // CSV field texts written in, and lines read from, the OEM code page.
  bool OemConvert() const;
  void SetOemConvert(bool Value);
  // Before the first row (with SaveStartRow), before each row, and at the end (-1) of an export.
  virtual void ExportNotification(TGridExportState AState, int ARow);
  TGridProgressEvent OnFileProgress;
  // --- The pointer, the wheel, the focus and the hints (src/grid/editing: window_messages,
  // wheel_zoom_pan, focus_messages, mouse_move, cell_hints, balloons, focus_frame; the concern
  // object TGridPointer of grid_pointer.h).
  // Column widths and row heights grow by x pixels (shrink for a negative x) as long as the sum
  // of the steps stays within -10 to 10; a size that would drop to 0 or below stays.
  void Zoom(int x);
  // Whether a fixed cell takes the hover look by HoverFixedCells.
  bool IsHoverFixedCell(int ACol, int ARow) const;
  // The hovered fixed cell loses its look; no border counts as under the pointer.
  void ResetFixedCellHighlight();
  // The cell hint for the cell under the hint's cursor: its text, place and window class.
  void FillCellHintInfo(std::string& HintStr, THintInfo& HintInfo);
  // The balloon tooltip of the cells: made once while Balloon.Enable is on, freed when off.
  void BalloonInit();
  void BalloonDone();
  HWND BalloonToolTip() const;
  // The window of the "cw=" and "rh=" hint; null before a line was first sized with it.
  const THintWindow* SizeHintWindow() const;
  // The soft frame around the edited cell (FocusHelper.Enabled): shown round a cell rectangle in
  // client coordinates, moved with the current cell, hidden when the edit is validated.
  void ShowFocusWindow(const TRect& R);
  void MoveFocusWindow();
  void HideFocusWindow();
  TGridFocusWindow* FocusWindow() const;
  // Hands the text to the editor of the current cell (its base cell when merged).
  virtual void SetCurrentEditText(const std::string& Value);
  // The kind of the in-place editor now shown.
  TEditorType CurrentEditor() const;
  bool URLUnderlineOnHover() const;
  void SetURLUnderlineOnHover(bool Value);
  bool HintShowCells() const;
  void SetHintShowCells(bool Value);
  bool HintShowLargeText() const;
  void SetHintShowLargeText(bool Value);
  bool HintShowSizing() const;
  void SetHintShowSizing(bool Value);
  // Cell hints show their markup instead of the stripped text.
  bool HTMLHint() const;
  void SetHTMLHint(bool Value);
  // Cells whose text holds "<BLI" blink with the grid timer.
  bool EnableBlink() const;
  void SetEnableBlink(bool Value);
  // The cell under a resting pointer becomes the current cell.
  bool Hovering() const;
  void SetHovering(bool Value);
  // Painting through a memory bitmap.
  bool DoubleBuffered() const;
  void SetDoubleBuffered(bool Value);
  TIntelliPan IntelliPan() const;
  void SetIntelliPan(TIntelliPan Value);
  // The grid's own cursors while it pans, selects from the headers or picks cells.
  static constexpr TCursor crPanFirst = 8000, crRowSelect = 8010, crColSelect = 8011, crAllSelect = 8012,
                           crCellSelector = 8014;
  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  TColumnSizingEvent OnColumnSizing;
  TRowSizingEvent OnRowSizing;
  TGridBalloonEvent OnCellBalloon;
  std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)> OnGetCellCursor;
  TNotifyEvent OnGridResize;
  // OnClick, and the current cell recorded as the one an edit starts from.
  void Click() override;

  // --- Office exchange (src/grid/dataops/exchange/office_exchange): workbooks (.xlsx read
  // and written, .xls read), documents (.docx) and database queries through ODBC.
  std::unique_ptr<TStringList> GetXLSSheets(const std::string& FileName);
  void LoadFromXLS(const std::string& Filename);
  void LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName);
  void SaveToXLS(const std::string& Filename, bool CreateNewSheet = true);
  void SaveToXLSSheet(const std::string& Filename, const std::string& SheetName);
  void LoadFromMDBTable(const std::string& Filename, const std::string& Table);
  void LoadFromMDBSQL(const std::string& Filename, const std::string& SQL);
  void SaveToDOC(const std::string& Filename, bool CreateNewDocument = true);
  void AppendToDoc(const std::string& Filename, const std::string& Bookmark);

  // --- Column and row calculations, the floating footer (src/grid/dataops/calc) and grouping
  // (src/grid/dataops/nodes/grouping). FromRow or ToRow -1: the rows below the fixed rows
  // and above the footer rows. Min, Max and StdDev raise EExtGridError on an unreadable cell
  // where they cannot skip it.
  double ColumnSum(int ACol, int FromRow, int ToRow);
  double ColumnAvg(int ACol, int FromRow, int ToRow);
  double ColumnMin(int ACol, int FromRow, int ToRow);
  double ColumnMax(int ACol, int FromRow, int ToRow);
  double ColumnStdDev(int ACol, int FromRow, int ToRow);
  double ColumnDistinct(int ACol, int FromRow, int ToRow);
  double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
  double RowSum(int ARow, int fromCol, int toCol);
  double RowAvg(int ARow, int fromCol, int toCol);
  double RowMin(int ARow, int fromCol, int toCol);
  double RowMax(int ARow, int fromCol, int toCol);
  // Fills the footer row of a visible fsFixedLastRow footer (ACol -1: every column).
  virtual void CalcFooter(int ACol);
  // The footer panel's painting, its column at X (-1 past the last), its hint and click.
  void PaintFooter(TCanvas& ACanvas, const TRect& AClient);
  int FooterColumnAt(int X);
  void FooterHint(int X, std::string& HintStr);
  void FooterMouseMove(int X);
  void FooterMouseLeave();
  void FooterClick(int X);
  // The fsCustomPreview template with "<#n>" replaced by column n of the current row.
  std::string ExpandFooterTemplate(const std::string& Template);
  virtual void SubGroup(int Colindex);
  virtual void SubUnGroup(int Colindex);
  virtual void Group(int Colindex);
  virtual void UnGroup();
  // -1: UnGroup; above 0: Group(Value); anything else is ignored.
  void SetGroupColumn(int Value);
  void GroupCalc(int Colindex, int method);
  void GroupSum(int Colindex);
  void GroupAvg(int Colindex);
  void GroupMin(int Colindex);
  void GroupMax(int Colindex);
  void GroupCount(int Colindex);
  void GroupCustomCalc(int Colindex);
  void GroupDistinct(int Colindex);
  void GroupStdDev(int Colindex);
  TGroupCalcEvent OnColumnCalc;
  TGroupCalcEvent OnGroupCalc;
  TCalcFooterEvent OnFooterCalc;
  // Sender is the footer panel.
  TFooterPaintEvent OnFooterPaint;
  TNotifyEvent OnCreatedFloatingFooter;
  // --- Filtering and the header filter drop-down (src/grid/dataops/filter). Rows are display
  // rows, columns real ones.
  // The row test over Filter; ApplyFilter and FilterRow call it through here.
  virtual bool MatchFilter(int ARow);
  // Hides the rows failing the test as one new filter level.
  void ApplyFilter();
  // Hides one row when it fails the test, outside the levels.
  void FilterRow(int ARow);
  bool FilterActive() const;
  void SetFilterActive(bool Value);
  // The newest level back; true while more than one level remains.
  bool RemoveLastFilter();
  void RemoveAllFilters();
  // Type-ahead narrowing on a real column, or anywhere in the row with -1.
  void NarrowDown(const std::string& ACondition, int AColumn = -1);
  bool FilterDropDownCheck() const;
  void SetFilterDropDownCheck(bool Value);
  // The real column whose filter drop-down is open; -1 for none.
  int FilterCol() const;
  TDropCheckList* DropCheckList() const;
  // The choice of the plain list and a toggle in the check list.
  virtual void FilterListSelect(TObject* Sender, int ItemIndex);
  virtual void FilterCheckListSelect(TObject* Sender, int ItemIndex);
  TCustomFilterEvent OnCustomFilter;
  TGridProgressEvent OnFilterProgress;
  TFilterSelectEvent OnFilterSelect;
  TFilterCheckEvent OnFilterCheck;

  // --- Header clicks, fixed-cell editors and line moving (editing/header_click.cpp,
  // fixed_cell_editing.cpp, column_row_moving.cpp, header_drag_button.cpp).
  // The pop-up menu of the header cells' drop-down button (none by default; not owned).
  TPopupMenu* FixedDropDownMenu() const;
  void SetFixedDropDownMenu(TPopupMenu* Value);
  // The editors of fixed cells, made on first use; hidden between edits.
  TGridTransEdit* EditTrans();
  TGridTransCombo* ComboTrans();
  // The fixed cell being edited (display column, row); -1 when none was opened.
  int FixedColEdit() const;
  int FixedRowEdit() const;
  // Opens the fixed-cell editor on (ACol, ARow) after the open one (if any) stopped and
  // OnCanEditCell agreed; false when none opened.
  bool StartFixedCellEdit(int ACol, int ARow);
  // The change handler of the fixed-cell editors: OnEditChange with the fixed cell.
  void FixedEditChange(TObject* Sender);
  // The floating button and the arrows of the grid's own header drag (EnhRowColMove).
  THeaderDragButton* MoveButton();
  TArrowWindow* MoveArrow(TArrowDirection Direction);
  std::function<void(TObject* Sender, int ACol, bool& CanShow)> OnCanShowFixedDropDown;
  std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted)>
      OnFixedDropDownClick;
  // On every pointer move of the grid's own header drag: the column or row under the pointer.
  std::function<void(TObject* Sender, int ACol, bool& Allow)> OnColumnMoving;
  std::function<void(TObject* Sender, int ARow, bool& Allow)> OnRowMoving;
  TNotifyEvent OnStartBlockFocus;
  TNotifyEvent OnEndBlockFocus;

 protected:
  // A left-button release opens the column's filter list over its header glyph, or closes
  // the open one.
  void FilterDropDownRelease(int X, int Y);
  // The drop-down closed without a choice.
  void FilterDropDownCancelled();
  TGridFilter& Filterer();

 protected:
  // --- Keys and mouse (src/grid/editing: keyboard*, mouse*).
  // The grid's one message map (grid_messages.cpp): the key, character, mouse-button, scroll,
  // theme and non-client messages before the platform grid's handling.
  void Dispatch(TMessage& message) override;
  // The designer's question whether a point is the grid's own (the design panel's entries).
  void CMDesignHitTest(TMessage& Message);
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // A move while a line is sized marks it sized by the mouse, for the size-change reactions.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void WMKeyDown(TMessage& message);
  void WMChar(TMessage& message);
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void WMLButtonDblClk(TMessage& message);
  void WMRButtonDown(TMessage& message);
  void WMRButtonUp(TMessage& message);
  // After a move of display columns: cells, hidden rows' cells, visibility, the column order,
  // the sort columns and the cell controls follow on real columns.
  void ColumnMoved(int FromIndex, int ToIndex) override;
  // After a row move: a fixed footer row keeps its place; heights follow with EnhRowColMove;
  // OnRowMoved once; the synchronised grid repeats it.
  void RowMoved(int FromIndex, int ToIndex) override;
  // A fixed footer row (floating footer, fsFixedLastRow) is never a row move's target.
  bool CanMoveLine(bool Columns, int FromIndex, int ToIndex) override;
  // With EnhRowColMove the grid shows and ends header drags itself.
  bool OwnLineMove() const override;
  // The platform's handling of a message (what the grid's own handlers call the standard one).
  void StandardHandling(TMessage& message) { TBaseGrid::Dispatch(message); }
  // The platform's move of the current cell, beside the one-cell FocusCell above.
  using TBaseGrid::FocusCell;
  // A left press and release at 2 pixels inside the cell's top-left corner through the
  // platform's mouse handling, OnMouseDown and OnMouseUp kept silent.
  void SilentClick(int ACol, int ARow);
  // Moves the current cell after OnRowChanging, OnCellChanging and OnColChanging agree.
  bool ChangeCellAllowed(int OldCol, int OldRow, int NewCol, int NewRow);
  // One step of the Return walk from (ACol, ARow); false when the walk cannot leave the cell.
  bool AdvanceTarget(int ACol, int ARow, bool Forward, int& NC, int& NR);
  // Ctrl+C, Ctrl+X, Ctrl+V and their Insert and Delete forms; true when the key was one.
  bool ClipboardKey(WORD Key, bool Ctrl, bool Shift);
  void CopyCellsToClipboard();
  void CutCellsToClipboard();
  void PasteCellsFromClipboard();
  // Insert and Delete (keyboard_rows.cpp): false when an event refused. A row inserted at
  // a real row, and a row deleted (the only normal row is emptied instead unless
  // FixedRowAlways).
  bool InsertRowKey();
  bool DeleteRowKey();
  void InsertRowAt(int ARow);
  void DeleteRowAt(int ARow);
  void ClearRowTexts(int ARow);
  // The steps of the mouse handlers (mouse_press.cpp, mouse_release.cpp); true when the
  // press or double click was settled there.
  bool CheckBoxPress(int ACol, int ARow, int X, int Y, bool CanEdit, TShiftState Shift);
  // Presses the grid takes itself on a radio group, a rating and a cell button; true when
  // the press ends there.
  bool RadioPress(int ACol, int ARow, int X, int Y);
  void PickRadioItem(int ACol, int ARow, int DX, int DY);
  bool RatingPress(int ACol, int ARow, int X);
  bool CellButtonPress(int ACol, int ARow, int X, int Y);
  // Column 0 of a grid with nodes: a node glyph expands or contracts (all of them from a
  // header row), and a press beside it moves no focus; true when the press ends there.
  bool NodePress(int ACol, int ARow, int X, int Y, TShiftState Shift);
  // The release over cell (ACol, ARow) that sorts when it ends a click on the sort row
  // (header_click.cpp); Moved: the release ended a sizing or a column move.
  void HeaderClickSort(int ACol, int ARow, int X, int Y, TShiftState Shift, bool Moved);
  // The sort state steps of a header click on real column RC, and the sort they ask for.
  void SortByHeaderClick(int RC, bool IndexKeyHeld);
  // A fixed cell drawn as a button goes down at the press and up at the release.
  void PushFixedCell(int ACol, int ARow);
  // A check box or radio button record in a cell of the store, placed before the text;
  // Exception "Invalid cell" for any other cell.
  TCellGraphic* AddBoxRecord(int ACol, int ARow, TCellType AType, bool State);
  // Check boxes kept packed in the cell store, a byte a cell, until a cell needs its record
  // (check_boxes.cpp): the byte of a cell (0 for none), and the record made from it.
  std::uint8_t PackedCheckBox(int ACol, int ARow) const;
  // The kind of a packed box the cell shows (ctCheckBox, ctDataCheckBox), else ctEmpty.
  TCellType PackedCheckBoxType(int ACol, int ARow) const;
  void MakePackedCheckBox(int ACol, int ARow, std::uint8_t Packed);
  bool TogglePackedCheckBox(int ACol, int ARow, std::uint8_t Packed, bool CheckEditable);
  // The release of a held cell button (or pushed fixed cell): the button comes up and clicks
  // when released over it.
  void ReleaseCellButton(int ACol, int ARow, int X, int Y, bool Valid);
  bool SelectFromHeaders(int ACol, int ARow, TShiftState Shift, const TGridRect& StartSel);
  void DisjunctPress(int ACol, int ARow, TShiftState Shift, const TGridRect& StartSel, TMessage& message, bool& Done);
  bool DblClickAutoSize(int ACol, int ARow, int X, TMessage& message);
  void SizeColumnToContent(int ACol);
  void DisjunctCellRelease(TShiftState Shift, int X, int Y);
  // Header clicks and line moving (header_click.cpp, column_row_moving.cpp): the press on a
  // header's drop-down button (true when it ends the press), the presses that open a
  // fixed-cell editor, and the grid's own header drag on each move and at its release.
  bool FixedDropDownPress(int ACol, int ARow, int X, int Y);
  void FixedEditPress(TMouseButton Button, int X, int Y);
  virtual bool DoCanShowFixedDropDown(int ACol);
  virtual void DoStartBlockFocus();
  virtual void DoEndBlockFocus();
  // True when the move was the grid's own header drag.
  bool EnhancedDragMove(int X, int Y);
  // True when the release ended the grid's own header drag (and moved what it dropped).
  bool EnhancedDragRelease(int X, int Y);
  // The drag's windows hidden, the picture freed, the cursor back.
  void EndEnhancedDrag();

  // --- Editing (src/grid/editing/): the platform grid's hooks.
  bool SelectCell(int ACol, int ARow) override;
  // The steps of SelectCell: a covered cell's base cell, goEditing for the new cell, and the
  // leaving of the old one.
  void SelectMergedBaseCell(int ACol, int ARow);
  void SetOptionsWithoutRepaint(TGridOptions Options);
  void EditingForGraphicCell(int ACol, int ARow);
  void EditingForTextCell(int ACol, int ARow, int ARealCol, std::string& NewText);
  bool LeaveEditedCell(int ACol, int ARow, std::string& NewText);
  bool LeaveCell(int ACol, int ARow);
  bool CanEditShow() override;
  TInplaceEdit* CreateEditor() override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
  // The messages the grid sees before the platform grid: the editors' notifications, the
  // character that opens an edit, and "GridEditDone", which becomes OnEditCellDone.
  void WndProc(TMessage& Message) override;
  void WMCommand(TMessage& Message);
  bool EditorChangeNotification(TMessage& Message);
  void NoteStartEditChar(const TMessage& Message);
  void WMGridEditDone(const TMessage& Message);
  // Places and opens the special editor of EditControl over a cell (base cell, display column).
  virtual void SetupEditor(int ACol, int ARow);
  // Reads the special editor that EditControl names back into the cell.
  void ReadBackEditor(int ACol, int ARow);
  // Reports the end of an edit (real column): OnEditingDone, then "GridEditDone" posted.
  void NotifyEditDone(int ACol, int ARow);
  // Writes a cell without loading the open editor again from it.
  void SetCellQuietly(int ACol, int ARow, const std::string& Value);
  // A notification of the combo editor (CBN_ code).
  void ComboNotification(WORD Code);
  // A fixed cell, or one outside the grid: the focus never goes back into it.
  bool IsFixedForEditing(int ACol, int ARow);
  // After a refused value: the focus back on the edited cell and its editor open again.
  void ReopenRefusedEdit();
  // An editor walked out at an end of its text (CursorWalkEditor): Text is validated, then
  // the focus goes one cell left or right (a control cell beside is focused itself);
  // ShowAgain opens the editor there with CursorWalkAlwaysEdit.
  void CursorWalk(bool Forward, const std::string& Text, bool ShowAgain);

  // The scroll-bar looks (scroll_looks.cpp): the ssMetro indicators, made when missing, and
  // the flat scroll bars, each step doing nothing while flat scroll bars are off.
  void CreateScrollControls();
  void FreeScrollControls();
  void InitFlatScrollBars();
  void DoneFlatScrollBars();
  void UpdateFlatScrollBars();
  void SetFlatScrollProp(int Prop, int Value);
  void SetFlatScrollInfo(int Bar, const SCROLLINFO& Info, bool Redraw);
  void ShowFlatScrollBar(int Bar, bool Show);
  void SyncFlatVertScrollBar();
  void SyncFlatHorzScrollBar();
  void ApplyFlatScrollStyle();
  void ApplyFlatScrollColor();
  void ApplyFlatScrollWidth();
  // The indicators and the cell controls follow the grid's first shown row and column.
  void TopLeftChanged() override;

  // The construction body: every owned object in its order, then the defaults.
  void Create() override;
  void Loaded() override;
  void CreateWnd() override;
  void Resize() override;
  void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                bool& WW, TCellGradientDirection& GD) override;
  // The column headers list changed.
  virtual void ColumnHeadersChanged();
  // Copies ColumnHeaders into column settings; the column grid has some.
  virtual void SyncColumnHeaders() {}
  // The record every row check box of column 0 shares.
  TCellGraphic& SharedCellGraphic();
  // The record a check-box state operation works on: with hidden rows ARow is a real row and
  // the record comes from the cell's properties (FromProperties), wherever they wait.
  TCellGraphic* FindStateRecord(int ACol, int ARow, bool& FromProperties);
  // The row-selection mark of a real row, and how many rows carry one.
  bool RowSelectMark(int ARow) const;
  int RowSelectCount() const;
  // Takes the record the cell stores out of it, freeing it unless it is a shared one.
  void FreeStoredCellGraphic(int ACol, int ARow);
  // Sets or clears the row's selection mark and repaints the row.
  void SetRowSelectMark(int ARow, bool Value);

  // Internal state (see ext_string_grid_p.h).
  std::unique_ptr<TExtStringGridPrivate> FP;

  // --- Painting and scrolling.
  // The platform's non-client painting, then the border of the look.
  void WMNCPaint(TMessage& message);
  void Paint() override;
  // The cells' part of the client area, without the footers; empty while a picture or a
  // gradient lies behind the cells, which stay where the window is.
  TRect ScrollableArea() const override;
  using TBaseGrid::DrawCellContent;
  void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, const TCellLook& Look) override;
  // The steps of the look: the cell's own colours and fonts, then the selection's; the look
  // of the content is the plain one with only the selection the cell list keeps.
  void PlainCellLook(int ACol, int ARow, TCellLook& Look, bool Print);
  void SelectionLook(int ACol, int ARow, TCellLook& Look, bool Print, bool Select);
  void ContentLook(int ACol, int ARow, TCellLook& Look);
  void ColWidthsChanged() override;
  // With ScrollProportional, the proportional ranges again over the platform's.
  void ScrollRangeUpdated() override;
  void RowHeightsChanged() override;
  // The reaction to new sizes on one axis: a mouse sizing spreads to the other lines when all
  // lines size together, then ends with its event.
  void LineSizesChanged(bool Cols);
  void SpreadMouseSizing(bool Cols, int Line, bool& ByMouse);
  void EndMouseSizing(bool Cols, int Line, bool& ByMouse);
  void SizeChanged(int OldColCount, int OldRowCount) override;
  // The steps of one cell's content, in their order (paint_cell.cpp, paint_text.cpp,
  // paint_graphics.cpp).
  void TakeContentLook(TCanvas& ACanvas, TCellPaint& P);
  void DrawStyledCell(TCanvas& ACanvas, TCellPaint& P);
  int DrawRowIndicator(TCanvas& ACanvas, TCellPaint& P);
  void DrawListViewHeader(TCanvas& ACanvas, TCellPaint& P);
  void DrawAlwaysVisibleButtons(TCanvas& ACanvas, TCellPaint& P);
  void DrawFixedRightFrame(TCanvas& ACanvas, const TRect& R);
  void DrawCellFocusRect(TCanvas& ACanvas, const TCellPaint& P);
  void DrawColumnNumber(TCanvas& ACanvas, const TCellPaint& P);
  void DrawFixedLook(TCanvas& ACanvas, TCellPaint& P);
  void DrawFixedFrame(TCanvas& ACanvas, TCellPaint& P);
  void DrawCellText(TCanvas& ACanvas, TCellPaint& P);
  void DrawMarkupText(TCanvas& ACanvas, TCellPaint& P, const std::string& Text, TColor URLColor);
  // A rich-text cell's text: its background filled, then its runs.
  void DrawRichText(TCanvas& ACanvas, TCellPaint& P);
  bool SortGlyphShown(const TCellPaint& P) const;
  void DrawCellBorders(TCanvas& ACanvas, int ACol, int ARow, TRect R);
  void DrawCellGraphic(TCanvas& ACanvas, TCellPaint& P);
  void DrawCellBackground(TCanvas& ACanvas, TCellPaint& P);
  // A scroll bar object takes the right edge of its cell.
  void DrawCellScrollBar(TCanvas& ACanvas, TCellPaint& P);
  // The cell text into a buffer the painter keeps, as Cells reads it.
  void FetchCellText(int ACol, int ARow, std::string& Text) const;
  // The fixed-cell gradient of the hot and pressed looks.
  void DrawHotFixedGradient(TCanvas& ACanvas, const TRect& R, bool Down);
  // The cell's number for the kinds that show one; a text that is no number reads as 0.
  double CellNumber(int ACol, int ARow);
  // Where the cell's object goes inside the painter's rectangle.
  void PlaceCellGraphic(const TCellPaint& P, TRect& G) const;
  void DrawProgressObject(TCanvas& ACanvas, TCellPaint& P);
  void DrawStyledProgressObject(TCanvas& ACanvas, TCellPaint& P);
  void DrawCellButton(TCanvas& ACanvas, TCellPaint& P, TRect G);
  void DrawNodeBox(TCanvas& ACanvas, TCellPaint& P);
  // The tree line of a row inside a node, in column 0.
  void DrawTreeLine(TCanvas& ACanvas, TCellPaint& P);
  // One radio button of a group at (X, Y) in a look.
  void DrawRadio(TCanvas& ACanvas, int X, int Y, TControlLookStyle Style, double Scale, bool Checked, bool Enabled);
  void DrawSizeLine(int X1, int Y1, int X2, int Y2);
  // The scroll messages and what they keep in step (scrolling.cpp).
  void HorzScroll(TMessage& message);
  // The scroll hint of a thumb drag towards Line; the end of a scroll takes it away.
  void ShowScrollHint(unsigned Code, int Line, bool Horizontal);
  void ReleaseScrollHint();
  // A scroll bar with automatic range follows its cell's text: page the row, range the text.
  void CellTextChanged(int ACol, int ARow) override;
  void DrawRotatedText(TCanvas& ACanvas, TCellPaint& P);
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                       TGridDrawInfo& FixedInfo) override;
  void StopDragScroll();
  void DragScrollTick();
  void VertScroll(TMessage& message);
  // The line a scroll position 0..127 stands for.
  int ScrollLineOf(int Pos, bool Horizontal) const;
  bool HasFixedBackgroundPicture() const;
  // The cells under a fixed background picture's corners.
  TGridRect BackgroundPictureCells() const;
  void RepaintMovedBackground(const TGridRect& Before, unsigned Code);
  // Invalidates a range of display cells; the whole grid when a corner is out of view.
  void RepaintCellRange(const TGridRect& R);
  bool IsLastRowClearOfSearchFooter() const;
  void ScrollClearOfSearchFooter();
  void HideInplaceEditor();
  bool ProportionalScrollSkipped() const;
  // The rows of the unsorted order, and the cell accessors' shared helpers (cell_access.cpp).
  int UnSortedRow(int ARow) const;
  void RepaintRealCell(int ACol, int ARow);
  template <class Fn>
  void ForRowCells(int ARow, Fn&& Each);
  TGridCoord CurrentBaseCell() const;
  // The pointer, the wheel, the focus and the hints: the message handlers of the message map.
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void WMSetCursor(TMessage& message);
  void CMHintShow(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMCursorChanged(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void WMMouseWheel(TMessage& message);
  void WMTimer(TMessage& message);
  void WMPaint(TMessage& message);
  void WMSize(TMessage& message);
  void WMNotify(TMessage& message);
  // The middle button's panning: a middle press starts it, a key or a button ends it (true when
  // the message is done with); the glyph at its anchor.
  bool PanMessage(TMessage& Message);
  void DrawPanGlyph(TCanvas& ACanvas);
  // What the painter takes of the pointer: the blink phase and the link hovered in the cell.
  void PointerMarkupLook(int ACol, int ARow, TMarkupCall& Call) const;
  void DoEnter() override;
  // With FocusHelper.Enabled the soft frame comes round the cell whose editor shows.
  void ShowEditor() override;
  void HideEditor() override;
  void DoExit() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  // Called after the wheel moved the current row by Delta rows.
  virtual void AfterWheelScroll(int Delta, bool& Handled);
  virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
  void ApplyActiveStyleColors();
  void BalloonEnableChanged(TObject* Sender);

 private:
  // What the in-place editors may ask of the grid (defined with the editing).
  class TEditorHost;
  // What the pointer's concern may ask of the grid (editing/grid_pointer_host.cpp), and the
  // making of that concern (CreateEditing's part).
  class TPointerHost;
  void CreatePointer();
  // What the keyboard may ask of the grid (editing/grid_key_host.cpp), and its making.
  class TKeyHost;
  void CreateKeyboard();
  // Makes the edit session and the editor host (the constructor's part from the editing).
  void CreateEditing();
  // The set-up of each editor family (editing/editor_setup/), behind SetupEditor's switch.
  struct TEditorPlace;
  void SetupComboEditor(const TEditorPlace& At);
  void SetupCheckBoxEditor(const TEditorPlace& At);
  void SetupButtonEditor(const TEditorPlace& At);
  void SetupSpinEditor(const TEditorPlace& At);
  void SetupEditBtnEditor(const TEditorPlace& At);
  void SetupUnitEditBtnEditor(const TEditorPlace& At);
  // The read-back of those families (real column); true when the kind is theirs.
  bool ReadBackSpinEditor(int ARealCol, int ARow);
  bool ReadBackEditBtnEditor(int ARealCol, int ARow);
  // The rich-text editor and the custom editor link: set-up and read-back.
  void SetupRichEditor(const TEditorPlace& At);
  bool ReadBackRichEditor(int ARealCol, int ARow);
  void SetupCustomEditor(const TEditorPlace& At);
  bool ReadBackCustomEditor(int ARealCol, int ARow);
  // A press on a control of a cell's markup (true when it was one) and the release of a
  // BUTTON control held down.
  bool CellControlPress(int ACol, int ARow, int X, int Y, bool CanEdit);
  void CellControlRelease();
  // The control of the cell's markup at a point, or the one with Result.ControlID on entry
  // when X and Y are -1; false when none.
  bool CellControlAt(int ACol, int ARow, int X, int Y, struct TMarkupResult& Result);
  // The date and time editors: set-up, read-back and the handlers of their events.
  void SetupDateEditor(const TEditorPlace& At);
  bool ReadBackDateEditor(int ARealCol, int ARow);
  void DatePickerChange(TObject* Sender);
  void DatePickerCloseUp(TObject* Sender);
  void DatePickerDropDown(TObject* Sender);
  void DateTimePickerChange(TObject* Sender);
  // Validation of narrow or wide text (ValidateCell, ValidateCellWide), and what an answered
  // narrow edit leaves in the grid's records.
  template <class S>
  bool ValidateText(const S& NewValue);
  void RecordValidatedEdit(int ARealCol, int ARow, bool Changed, std::string& Value, bool Valid);
  template <class T>
  void SetAndInvalidate(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    InvalidateGrid();
  }
  bool Loading() const { return ComponentState().Contains(csLoading); }
  // The texts of the typed accessors, read and checked once.
  static int TextToInt(const std::string& Text);
  static double TextToFloat(const std::string& Text);
  // Cells of a fill: the normal ones, or all.
  void FillCells(bool DoFixed, const std::function<void(int, int)>& Fill);
  // Frees what the grid owns, in its order (the destructor's body).
  void Destroy();
  // LoadColSizes at window creation and after loading, when ColumnSize.Save is on.
  void LoadKeptColSizes();
  // The properties objects kept with hidden rows.
  void FreeHiddenRows();
  // The grid's part of a resize of its form: following the form's size with SizeWithForm.
  void SizeWithOwnerForm(TObject* Sender);
  // The grid's link in the form's OnResize chain.
  void FormResized(const TNotifyEvent& next, TObject* Sender);
  // Shared steps of the row and column changes (row_col_changes.cpp, ranges.cpp).
  void FreeRangeCells(int ACol1, int ARow1, int ACol2, int ARow2);
  void ShiftCellControlRows(int FromRealRow, int Delta);
  void ShiftHiddenRowsForRemoval(int RowIndex, int RCount);
  void RemoveRowMarks(int RowIndex, int RCount, bool Selection);
  void InsertModifiedMarks(int RowIndex, int RCount);
  void RestoreRowAfterRemoval(int OldRow, int OldTop);
  void RowCountSettled();
  void ExchangeRows(int ARow1, int ARow2);
  // The index of a display row in the row selection list.
  int RowSelectKey(int ARow) const;
  void FollowMovedControls(bool Columns, int FromIndex, int ToIndex);
  void DropCellControl(int ACol, int ARow);
  // A store row's cells (and height) into a new hidden-row item at Position (-1 appends),
  // and an item's cells and height back into a store row; the objects change hands only.
  TGridItem* TakeRowIntoItem(int ARow, int Idx, int Position, bool Height);
  // Display rows hidden in one step, their items marked with Level and holding the rows'
  // real indexes (RealIdx) or their display ones.
  void HideRowsAtOnce(std::vector<int> Rows, int Level, bool RealIdx);
  void PutItemIntoRow(TGridItem& Item, int ARow);
  // The data operations' view of the grid (grid_data_host.cpp), and the sort engine on it.
  class TDataHost;
  TGridDataHost& DataHost();
  std::unique_ptr<TDataEngine>& SortEngineSlot();
  TGridSorter& Sorter();
  std::unique_ptr<TDataEngine>& NodeEngineSlot();
  TRowNodes& Nodes();
  std::unique_ptr<TDataEngine>& CalcEngineSlot();
  TGridCalc& Calc();
  std::unique_ptr<TDataEngine>& GroupEngineSlot();
  TGridGrouping& Grouper();
  std::unique_ptr<TDataEngine>& FilterEngineSlot();
  // The search engine, made on first use (grid/dataops/search).
  std::unique_ptr<TDataEngine>& SearchEngineSlot();
  TCustomPanel*& SearchPanelSlot();
  void CreateSearchPanel();
  // Puts the bar on the grid's window and lays it out.
  void PlaceSearchPanel();
  TFindParams SearchFooterFindParams(bool FromEdit, bool Backward);
  void ShowSearchFooterHighlights(bool On);
  TGridSearch& Searcher();
};

}  // namespace hd
