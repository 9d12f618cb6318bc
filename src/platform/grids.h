// The platform's grid control: a scrollable grid of cells with fixed rows and columns, a
// current cell and a selection, column widths and row heights, painted cell by cell through
// the DrawCell hook. TCustomGrid holds the geometry, the selection, scrolling, painting, the
// keys, the mouse (selecting, sizing and moving lines) and the in-place editor;
// TCustomDrawGrid turns the hooks into events; TStringGrid adds a text and an object per cell.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/exceptions.h"
#include "platform/grids/grid_axis.h"
#include "platform/mask_edit.h"

namespace hd {

class TCellStore;
class TInplaceEdit;

// A grid operation with an index or count the grid cannot take.
class EInvalidGridOperation : public Exception {
 public:
  using Exception::Exception;
};

enum class TGridOption {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
  goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
  goAlwaysShowEditor, goThumbTracking
};
using enum TGridOption;
using TGridOptions = TSet<TGridOption>;

// What the grid's interaction is doing; set by the mouse handling.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using enum TGridDrawStateItem;
using TGridDrawState = TSet<TGridDrawStateItem>;

struct TGridCoord {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A range of cells, both corners inclusive.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr TGridCoord TopLeft() const { return {Left, Top}; }
  constexpr TGridCoord BottomRight() const { return {Right, Bottom}; }
  constexpr bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
  friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The rectangle spanned by two cells, corners put in order.
constexpr TGridRect GridRect(TGridCoord a, TGridCoord b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

// The layout of both axes in the client area.
struct TGridDrawInfo {
  TGridAxisDrawInfo Horz;
  TGridAxisDrawInfo Vert;
};

class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;
  const char* ClassName() const override { return "TCustomGrid"; }
  void Dispatch(TMessage& message) override;

  int ColCount() const { return cols_.Count(); }
  void SetColCount(int value);
  int RowCount() const { return rows_.Count(); }
  void SetRowCount(int value);
  int FixedCols() const { return cols_.FixedCount(); }
  // Raises EInvalidGridOperation unless 0 <= value < ColCount.
  void SetFixedCols(int value);
  int FixedRows() const { return rows_.FixedCount(); }
  void SetFixedRows(int value);
  int DefaultColWidth() const { return cols_.DefaultSize(); }
  // Every column takes the width.
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return rows_.DefaultSize(); }
  void SetDefaultRowHeight(int value);
  // The default width for an index outside the columns.
  int ColWidths(int index) const { return cols_.Size(index); }
  // Raises EInvalidGridOperation for an index outside the columns. 0 hides the column.
  void SetColWidths(int index, int value);
  int RowHeights(int index) const { return rows_.Size(index); }
  void SetRowHeights(int index, int value);
  int GridLineWidth() const { return grid_line_width_; }
  void SetGridLineWidth(int value);
  TColor FixedColor() const { return fixed_color_; }
  void SetFixedColor(TColor value);
  TGridOptions Options() const { return options_; }
  // An option change repaints the grid.
  void SetOptions(TGridOptions value);
  // The window scroll bars the grid may show; each shows while its axis has lines to scroll.
  void SetScrollBars(TScrollStyle value);

  // The current cell. Every move asks SelectCell and happens only when it answers true; an
  // index outside the grid raises EInvalidGridOperation "Grid index out of range".
  int Col() const { return current_.X; }
  void SetCol(int value);
  int Row() const { return current_.Y; }
  void SetRow(int value);
  // The first scrolled column and row shown, kept within the scrollable lines.
  int LeftCol() const { return top_left_.X; }
  void SetLeftCol(int value);
  int TopRow() const { return top_left_.Y; }
  void SetTopRow(int value);
  // Scrollable columns and rows shown whole (at least one).
  int VisibleColCount() const;
  int VisibleRowCount() const;
  // The range between the anchor and the current cell; setting it puts the anchor at its
  // top-left and the current cell at its bottom-right without asking SelectCell.
  TGridRect Selection() const { return GridRect(current_, anchor_); }
  void SetSelection(const TGridRect& value);
  // An in-place editor is shown or about to be. Setting it shows the editor with the caret at
  // the end of the text, or hides it, writing its text back.
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool value);
  // Whether Tab stops on the column; every column does until told otherwise, and a column
  // outside the grid reads true. Raises EInvalidGridOperation for a column outside the grid.
  bool TabStops(int index) const;
  void SetTabStops(int index, bool value);
  // What the grid's interaction is doing now (sizing, moving, selecting with the mouse).
  TGridState GridState() const { return FGridState; }

  // The client rectangle of a cell, cut at the client edge; all zeros when the cell is not in
  // view. Right and bottom edges are exclusive.
  TRect CellRect(int ACol, int ARow) const;
  // The cell under a client point; -1 and -1 outside the cells.
  TGridCoord MouseCoord(int X, int Y) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

 protected:
  // Paints one cell; the grid paints nothing of its own inside a cell.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
  // Calls DrawCell for every cell that meets the area being painted: the fixed corner, the
  // fixed rows, the fixed columns, then the body, each row by row; then the grid lines and
  // the area past the last cell.
  void Paint() override;
  // Asked before the current cell moves; false keeps it where it is.
  virtual bool SelectCell(int ACol, int ARow);
  // After LeftCol or TopRow changed.
  virtual void TopLeftChanged() {}
  // The client part whose pixels may move when the grid scrolls; what it paints outside the
  // cells (a footer, a picture fixed to the window) stays out of it. Empty repaints on every
  // scroll.
  virtual TRect ScrollableArea() const { return ClientRect(); }
  // After ColCount or RowCount changed, with the counts before.
  virtual void SizeChanged(int /*OldColCount*/, int /*OldRowCount*/) {}
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // True when the control shows and finishes a header drag of a line itself: the press still
  // enters gsColMoving or gsRowMoving, but no line is drawn, nothing scrolls by the timer and
  // the release moves nothing.
  virtual bool OwnLineMove() const { return false; }
  // Asked by MoveColumn and MoveRow before anything moves; false leaves every line in place.
  virtual bool CanMoveLine(bool /*Columns*/, int /*FromIndex*/, int /*ToIndex*/) { return true; }
  // After MoveColumn or MoveRow moved the line's size and the current cell.
  virtual void ColumnMoved(int /*FromIndex*/, int /*ToIndex*/) {}
  virtual void RowMoved(int /*FromIndex*/, int /*ToIndex*/) {}
  // What the in-place editor shows and stores.
  virtual std::string GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const std::string& Value);
  virtual std::string GetEditMask(int ACol, int ARow);
  // The most characters the in-place editor takes; 0 for no limit.
  virtual int GetEditLimit();
  // Whether the in-place editor may be shown now.
  virtual bool CanEditShow();
  // The sizing a press at (X, Y) would start: gsColSizing or gsRowSizing on the border of a
  // fixed cell with the matching option, else gsNormal with Index -1.
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                               TGridDrawInfo& FixedInfo);

  // Keys: OnKeyDown, then the navigation (arrows, pages, Home and End with their Ctrl forms,
  // Tab over the tab stops wrapping rows, F2 into editor mode); Shift extends the selection.
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // OnKeyPress, then (unless goAlwaysShowEditor) Return shows or hides the editor and Escape
  // puts back the text the editor started with and hides it.
  void KeyPress(TKeyChar& Key) override;
  // The mouse: a press on a border of a fixed cell starts sizing (goColSizing, goRowSizing),
  // on a fixed cell of a scrolled line moving (goColMoving, goRowMoving), on a body cell
  // moving the current cell and selecting (with Shift from the anchor); the editor opens on a
  // press on the current cell with goEditing.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Unless OnMouseWheelDown/Up handled it, WheelStep rows down or up.
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  // The rows a wheel notch moves: the desktop's wheel lines.
  virtual int WheelStep() const;
  // Leaving the grid hides the editor unless goAlwaysShowEditor.
  void DoExit() override;

  // The in-place editor: made on first use, placed over the current cell, loaded through
  // GetEditMask, GetEditText and GetEditLimit, and written back through SetEditText.
  virtual TInplaceEdit* CreateEditor();
  // Editor mode on, and the editor shown over the current cell when CanEditShow agrees.
  virtual void ShowEditor();
  // Editor mode off; the editor's text goes to its cell and the editor hides.
  virtual void HideEditor();
  // Shows the editor and hands it the character, as if typed into it.
  void ShowEditorChar(TKeyChar Ch);
  // Loads the editor afresh from the current cell (the cell changed under it).
  void InvalidateEditor();
  // Places the editor over the current cell (loading it when it showed another cell), or
  // hides it when the cell is out of view; nothing unless CanEditShow agrees.
  void UpdateEditor();
  // Ends what the mouse started (selecting, sizing, moving) without finishing it.
  void CancelMode();

  // Moves the current cell after SelectCell agreed; the anchor follows when MoveAnchor or
  // without goRangeSelect; Show scrolls the cell into view.
  void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  // MoveColRow with Show, then Click.
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  // Move a whole column or row (size, current cell and anchor follow) and tell the hook.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  // Moves the line to the end and drops the last line.
  virtual void DeleteColumn(int ACol);
  virtual void DeleteRow(int ARow);
  // Bulk changes of one axis: Count lines of the default size inserted before Index, or
  // Count lines from Index dropped (never below one line; fixed lines cut as SetRowCount
  // cuts them); the other lines keep their sizes and content. The current cell, the anchor
  // and the first scrolled line keep their indexes, brought back into the grid as a count
  // change brings them.
  virtual void InsertLines(bool Columns, int Index, int Count);
  virtual void DeleteLines(bool Columns, int Index, int Count);
  // Exchanges two lines' sizes and content.
  virtual void SwapLines(bool Columns, int A, int B);
  // Lines First .. First + From.size() - 1 take the sizes and content of the lines that stood
  // at From[k] (a permutation of those lines): many exchanges at the cost of one.
  virtual void PermuteLines(bool Columns, int First, const std::vector<int>& From);

  void InvalidateCell(int ACol, int ARow);
  void InvalidateCol(int ACol);
  void InvalidateRow(int ARow);
  void InvalidateGrid();
  // The client area of a cell range, grid lines included.
  void InvalidateRect(const TGridRect& ARect);

  void CalcDrawInfo(TGridDrawInfo& DrawInfo) const;
  void CalcDrawInfoXY(TGridDrawInfo& DrawInfo, int UseWidth, int UseHeight) const;
  // The client rectangle of a cell range, cut at the client edge; all zeros out of view.
  TRect BoxRect(int ALeft, int ATop, int ARight, int ABottom) const;
  void GridRectToScreenRect(const TGridRect& GridRect, TRect& ScreenRect, bool IncludeLine) const;
  TGridCoord CalcCoordFromPoint(int X, int Y, const TGridDrawInfo& DrawInfo) const;
  // The grid has the focus, or is its form's active control.
  bool IsActiveControl() const;
  // Scrolls so that the cell is shown whole.
  void ClampInView(const TGridCoord& Coord);
  // The axes themselves, for positions of far lines in O(log n).
  const TGridAxis& ColAxis() const { return cols_; }
  const TGridAxis& RowAxis() const { return rows_; }
  // The largest LeftCol and TopRow with which the given cell is still shown whole.
  TGridCoord CalcMaxTopLeft(const TGridCoord& Coord, const TGridDrawInfo& DrawInfo) const;
  // A scroll-bar request (SB_HORZ or SB_VERT, the SB_ code and the thumb position).
  void ModifyScrollBar(int ScrollBar, int ScrollCode, int Pos);
  void UpdateScrollPos();
  void UpdateScrollRange();
  // After UpdateScrollRange set the bars' ranges again (a resize, a bar shown or hidden, a
  // count change); a grid whose bars say more than the platform's 0..127 sets them here.
  virtual void ScrollRangeUpdated() {}

  TGridState FGridState = gsNormal;
  // An editing grid reports the click of a selecting press at the press, not at the release.
  bool clicked_at_press_ = false;
  // The keys last moved the current cell with Shift: the anchor is where the range began.
  bool range_end_by_keys_ = false;
  TInplaceEdit* FInplaceEdit = nullptr;
  bool FEditorMode = false;

 private:
  friend class TInplaceEdit;
  // The timer that scrolls while the pointer selects or moves lines past an edge.
  static constexpr std::uintptr_t kScrollTimerId = 1;
  // Keys and mouse.
  void DispatchChar(TMessage& message);
  LRESULT DlgCode() const;
  TGridCoord KeyTarget(WORD key, TShiftState shift, TGridCoord& newTopLeft) const;
  TGridCoord NextTabStop(bool backward) const;
  int StepTo(bool horizontal, int from, int target) const;
  void MoveAnchor(const TGridCoord& NewAnchor);
  // Shift and a press: the range runs from where it began to the cell pressed.
  void ExtendRangeTo(const TGridCoord& hit);
  void StartLineMove(bool columns, int index);
  void MoveAndScroll(bool columns, int mouse, int cellHit);
  void TimedScroll();
  void FinishSizing();
  void DrawSizingLine(const TGridDrawInfo& DrawInfo);
  void DrawMove();
  // The editor.
  void UpdateText();
  void HideEdit();
  void ChangeSize(int newColCount, int newRowCount);
  // ChangeSize's follow-up once an axis has its new count.
  void SizeSettled(int oldColCount, int oldRowCount);
  void SetFixedCount(TGridAxis& axis, int value, const char* tooBig);
  bool SetLineSize(TGridAxis& axis, int index, int value);
  bool MoveLine(bool columns, int from, int to);
  void Initialize();
  void MoveTopLeft(int ALeft, int ATop);
  void TopLeftMoved(const TGridCoord& OldTopLeft);
  void ScrollCells(const TGridCoord& OldTopLeft);
  void SelectionMoved(const TGridRect& OldSel);
  void UpdateLineWidths();
  int ClampCoord(int value, bool horizontal) const;
  bool ScrollsOn(int bar) const;
  void SetBarPos(int bar, int pos);
  struct TGridPart;
  void PaintCells(TCanvas& canvas, const TGridDrawInfo& info, const TGridPart& part, const TRect& area, bool focused);
  void PaintLines(TCanvas& canvas, const TGridDrawInfo& info, const TGridPart& part, const TRect& area);

  TGridAxis cols_;
  TGridAxis rows_;
  int grid_line_width_ = 1;
  TColor fixed_color_ = clBtnFace;
  TGridOptions options_;
  bool updating_scroll_range_ = false;
  TGridCoord current_;
  TGridCoord anchor_;
  TGridCoord top_left_;
  std::vector<char> tab_stops_;  // empty while every column is a tab stop
  // The line being sized: its index, where the sizing line is and its offset from the mouse.
  int sizing_index_ = -1;
  int sizing_pos_ = 0;
  int sizing_ofs_ = 0;
  // The line being moved and where it would go.
  int move_index_ = -1;
  int move_pos_ = -1;
  // Where the mouse was last seen while a button was down, for the timed scrolling.
  TPoint last_mouse_;
  // The cell whose text the editor holds; -1 when it holds none.
  int inplace_col_ = -1;
  int inplace_row_ = -1;
};

// The editor the grid opens over a cell: a masked edit that hands the grid the keys that
// leave it (Tab, Escape, PgUp, PgDn, Up, Down, and with goAlwaysShowEditor Left, Right, Home
// and End at the ends of the text) and every character first, and keeps the grid its form's
// active control while it has the focus.
class TInplaceEdit : public TCustomMaskEdit {
  friend class TCustomGrid;

 public:
  explicit TInplaceEdit(TComponent* owner);
  const char* ClassName() const override { return "TInplaceEdit"; }

  TCustomGrid* Grid() const { return grid_; }
  void SetGrid(TCustomGrid* grid) { grid_ = grid; }
  // Places and shows the editor over a client rectangle of the grid, taking the focus when
  // the grid has it; an empty rectangle hides it.
  void Move(const TRect& Loc);
  // Hides the editor; the focus goes back to the grid when the editor had it.
  void Hide();
  // The caret to the end of the text, nothing selected.
  void Deselect();
  // Takes the grid's mask, text and limit for its current cell.
  virtual void UpdateContents();

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void DblClick() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  // When the grid last took a press: a second press within the double-click time is a double
  // click.
  std::uint32_t FClickTime = 0;

 private:
  bool AtLeftSide() const;
  bool AtRightSide() const;
  TCustomGrid* grid_ = nullptr;
  // The cell's text as the editor was loaded with it, which Escape puts back.
  std::string loaded_text_;
};

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// The grid whose hooks fire events.
class TCustomDrawGrid : public TCustomGrid {
 public:
  using TCustomGrid::TCustomGrid;
  const char* ClassName() const override { return "TCustomDrawGrid"; }

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TNotifyEvent OnTopLeftChanged;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void TopLeftChanged() override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  std::string GetEditMask(int ACol, int ARow) override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
};

class TDrawGrid : public TCustomDrawGrid {
 public:
  using TCustomDrawGrid::TCustomDrawGrid;
  const char* ClassName() const override { return "TDrawGrid"; }
};

// A text and an object per cell, kept in a sparse store: any column and row from 0 up can be
// written whatever the counts, and nothing is lost when the counts shrink. The grid does not
// own the objects.
class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(TComponent* owner);
  ~TStringGrid() override;
  const char* ClassName() const override { return "TStringGrid"; }

  std::string Cells(int ACol, int ARow) const;
  // Repaints the cell when it is in view; the editor showing the cell takes the new text.
  void SetCells(int ACol, int ARow, const std::string& Value);
  TObject* Objects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* Value);

 protected:
  // Moves the texts and objects of the whole line, every stored column or row, then fires
  // the event.
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  // The texts and objects move with their lines.
  void InsertLines(bool Columns, int Index, int Count) override;
  void DeleteLines(bool Columns, int Index, int Count) override;
  void SwapLines(bool Columns, int A, int B) override;
  void PermuteLines(bool Columns, int First, const std::vector<int>& From) override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
  const TCellStore& Store() const { return *store_; }
  // Raw writes: no repaint.
  TCellStore& Store() { return *store_; }
  // While an update is open, writing the cell the editor shows does not load the editor
  // again from it (the editor's own text going back, or a value it is validated into).
  void BeginEditUpdate() { ++edit_update_; }
  void EndEditUpdate() { --edit_update_; }

 private:
  std::unique_ptr<TCellStore> store_;
  // Above 0 while the editor's text is being written: the editor is not loaded again from it.
  int edit_update_ = 0;
};

}  // namespace hd
