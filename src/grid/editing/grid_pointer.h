// What the pointer does over the string grid: the hover looks of rows, fixed cells, buttons and
// links, the grid's own sizing of fixed lines with its size hint, drag selection from the
// headers, the wheel and the zoom, panning with the middle button, the grid timer, the cell hint,
// the balloon tooltip and the soft frame round the edited cell. The grid owns one and forwards
// its members to it; the pointer sees the grid only through TGridPointerHost.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/controls.h"
#include "platform/event_chain.h"
#include "platform/messages.h"
#include "platform/types.h"

namespace hd {

class TBalloonSettings;
class TCanvas;
class TControlLook;
class TGridFocusWindow;
class THintWindow;
class TMouseActions;
class TNavigation;
struct NMTTDISPINFOW;
struct THintInfo;

// The axis of a line: a column or a row.
enum TLineAxis { laCols, laRows };

// What the pointer over the grid means: a header press selects by it, and it picks the cursor.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };

// The pointer's settings, kept by the grid with its other looks.
struct TPointerLooks {
  THoverFixedCells HoverFixedCells = hfNone;
  TGridLook Look = glXP;
  bool SelectionRectangle = false;
  bool SelectionResizer = false;
  TColor HintColor = clInfoBk;
  THintShowLargeTextPos HintShowLargeTextPos = hpCell;
  bool UseInternalHintClass = true;
  bool EnableHTML = true;
  bool URLShow = false;
  bool AnchorHint = false;
  bool IntelliZoom = true;
  bool EnableWheel = true;
  bool FixedRowAlways = false;
  int FixedFooters = 0;
  int FixedRightCols = 0;
};

// The grid as the pointer sees it. Cells are display columns unless a name says real.
class TGridPointerHost {
 public:
  virtual ~TGridPointerHost() = default;

  // The window.
  virtual HWND Handle() = 0;
  virtual bool HandleAllocated() = 0;
  virtual TComponent& Owner() = 0;
  // The form the grid stands on; null for none.
  virtual TWinControl* ParentForm() = 0;
  virtual TRect ClientRect() = 0;
  virtual std::string FontName() = 0;
  virtual int ClientHeight() = 0;
  virtual TPoint ClientToScreen(TPoint At) = 0;
  virtual TPoint ScreenToClient(TPoint At) = 0;
  virtual bool Designing() = 0;
  virtual bool Loading() = 0;
  virtual bool CanFocus() = 0;
  virtual bool Focused() = 0;
  virtual void SetFocus() = 0;
  virtual void SetShowHint(bool Value) = 0;
  virtual TCursor Cursor() = 0;
  virtual void SetCursor(TCursor Value) = 0;
  // The cursor the program gave the grid, which the pointer comes back to.
  virtual TCursor PlainCursor() = 0;
  virtual void SetPlainCursor(TCursor Value) = 0;
  virtual void DefaultHandling(TMessage& Message) = 0;
  virtual int ParentWheel(WPARAM WParam, LPARAM LParam) = 0;
  virtual TGridState GridState() = 0;
  virtual TPointerLooks Looks() = 0;
  virtual TMouseActions& MouseActions() = 0;
  virtual TNavigation& Navigation() = 0;
  virtual TControlLook& ControlLook() = 0;
  virtual TBalloonSettings& Balloon() = 0;

  // Lines and cells.
  virtual int ColCount() = 0;
  virtual int RowCount() = 0;
  virtual int FixedCols() = 0;
  virtual int FixedRows() = 0;
  virtual int Col() = 0;
  virtual int Row() = 0;
  virtual void SetCol(int Value) = 0;
  virtual void SetRow(int Value) = 0;
  virtual void FocusCell(int ACol, int ARow) = 0;
  virtual int LeftCol() = 0;
  virtual int TopRow() = 0;
  virtual void SetLeftCol(int Value) = 0;
  virtual void SetTopRow(int Value) = 0;
  virtual int VisibleColCount() = 0;
  virtual int VisibleRowCount() = 0;
  virtual void ScrollInView(int ACol, int ARow) = 0;
  virtual int LineSize(TLineAxis Axis, int Index) = 0;
  virtual void SetLineSize(TLineAxis Axis, int Index, int Size) = 0;
  virtual int DefaultLineSize(TLineAxis Axis) = 0;
  virtual void SetDefaultLineSize(TLineAxis Axis, int Size) = 0;
  virtual bool UniformLines(TLineAxis Axis) = 0;
  virtual int ZoomFactor() = 0;
  virtual void SetZoomFactor(int Value) = 0;
  // Sizes change in bulk without scrolling; the end repaints and updates the scroll bars once.
  virtual void BeginSizes() = 0;
  virtual void EndSizes() = 0;
  virtual void MouseToCell(int X, int Y, int& ACol, int& ARow) = 0;
  virtual TRect CellRect(int ACol, int ARow) = 0;
  virtual TPoint BaseCell(int ACol, int ARow) = 0;
  virtual int RealColIndex(int ACol) = 0;
  virtual std::string Cells(int ARealCol, int ARow) = 0;
  virtual std::string StrippedCell(int ARealCol, int ARow) = 0;
  // The plain text of a rich-text cell's content.
  virtual std::string RichTextPlain(const std::string& Rtf) = 0;
  virtual bool IsNode(int ARow) = 0;
  virtual bool IsComment(int ARealCol, int ARow, std::string& Comment) = 0;
  virtual bool IsBalloon(int ARealCol, int ARow, std::string& Title, std::string& Text, int& Icon) = 0;
  // The text's size in the cell, measured as painted.
  virtual TSize CellTextSize(int ARealCol, int ARow) = 0;
  // The button or node box the pointer is over lights up.
  virtual bool OnCellButton(int ACol, int ARow, TPoint At) = 0;
  virtual bool OnSizingBorder(int X, int Y) = 0;
  // The link of the markup at a client point: its target, title and 1-based index.
  virtual bool LinkAt(int ACol, int ARow, int X, int Y, std::string& Link, std::string& Title, int& Index) = 0;
  virtual void GetCellHint(int ACol, int ARow, std::string& Hint) = 0;
  virtual bool FooterVisible() = 0;
  virtual bool FooterIsLastRow() = 0;
  virtual bool SearchFooterVisible() = 0;
  virtual void ScrollClearOfSearchFooter() = 0;
  virtual TCursor LinkCursor() = 0;
  // DoGetCellCursor: the program may give the cell's cursor.
  virtual void GetCellCursor(int ACol, int ARow, int X, int Y) = 0;

  // Selection and repaint.
  virtual TGridRect Selection() = 0;
  virtual void SetSelection(const TGridRect& Value) = 0;
  virtual TGridCoord MouseSelectStart() = 0;
  virtual TGridCoord ClickedCell() = 0;
  virtual bool RowSelectOption() = 0;
  virtual void ClearRowSelect() = 0;
  virtual void SelectionChanged(const TGridRect& Now) = 0;
  virtual TGridCoord HoverFixed() = 0;
  virtual void SetHoverFixed(TGridCoord Cell) = 0;
  // The row under the pointer lights up (HoverRow), and which row it is.
  virtual bool HoverRowLook() = 0;
  virtual int HoverRow() = 0;
  virtual void SetHoverRow(int ARow) = 0;
  virtual void RepaintCell(int ACol, int ARow) = 0;
  virtual void RepaintRow(int ARow) = 0;
  virtual void RepaintCellRange(const TGridRect& Range) = 0;
  virtual void Invalidate() = 0;
  virtual void InvalidateRect(const TRect& R) = 0;
  virtual void DrawSizeLine(TLineAxis Axis, int Pos) = 0;
  virtual void HoldUpdates(bool Hold) = 0;

  // The grid's events and steps that lie outside the pointer: a move's steps of the press
  // (before, while a line is sized, after), the platform's own handling of a move.
  virtual void PrepareMove() = 0;
  virtual void NoteSizingByMouse() = 0;
  virtual void KeepHorizScrollAfterMove() = 0;
  // The grid's own header drag (its button, picture and arrows) follows the pointer.
  virtual void EnhancedDragMove(int X, int Y) = 0;
  virtual void InheritedMouseMove(TShiftState Shift, int X, int Y) = 0;
  virtual void AfterWheelScroll(int Delta, bool& Handled) = 0;
  virtual void WheelEvent(bool Down, TShiftState Shift, TPoint At, bool Handled) = 0;
  virtual void AnchorEnter(int ACol, int ARow, const std::string& Anchor) = 0;
  virtual void AnchorExit(int ACol, int ARow, const std::string& Anchor) = 0;
  virtual void AnchorHint(int ACol, int ARow, std::string& Hint) = 0;
  virtual bool AnchorClick(int ACol, int ARow, const std::string& Anchor) = 0;
  virtual void LineSizing(TLineAxis Axis, int Index, int Size) = 0;
  virtual void LineSized(TLineAxis Axis, int Index) = 0;
  virtual void CellBalloon(int ARealCol, int ARow, std::string& Title, std::string& Text, int& Icon) = 0;
  virtual void IncrementalSearchTick() = 0;
};

class TGridPointer {
 public:
  explicit TGridPointer(TGridPointerHost& Host);
  ~TGridPointer();
  TGridPointer(const TGridPointer&) = delete;
  TGridPointer& operator=(const TGridPointer&) = delete;

  // Moves and leaving (mouse_move.cpp).
  void MouseMove(TShiftState Shift, int X, int Y);
  // The pointer left the grid (not one of its children).
  void MouseLeave();
  void ResetFixedCellHighlight();
  bool IsHoverFixedCell(int ACol, int ARow);
  bool FixedSizingPress(int X, int Y);
  bool FixedSizingRelease(int X, int Y);
  bool LinkPress(int ACol, int ARow, int X, int Y);
  void SetCursorInvoked(TCursor Value);
  void SetCursorMessage(TMessage& Message);
  void CursorChanged();
  const THintWindow* SizeHintWindow() const { return SizeHint.get(); }

  // The wheel, the zoom, panning and the grid timer (wheel_zoom_pan.cpp).
  void MouseWheel(TMessage& Message);
  void Zoom(int x);
  // True when the message is done with: a middle press that started panning.
  bool PanMessage(TMessage& Message);
  void DrawPanGlyph(TCanvas& ACanvas);
  void Timer(TMessage& Message);

  // The cell hint (cell_hints.cpp), balloons (balloons.cpp), the focus frame (focus_frame.cpp).
  void FillCellHintInfo(std::string& HintStr, THintInfo& HintInfo);
  void BalloonInit();
  void BalloonDone();
  void BalloonEnableChanged();
  void BalloonDispInfo(NMTTDISPINFOW& Info);
  void ShowFocusWindow(const TRect& R);
  void MoveFocusWindow();
  void HideFocusWindow();
  TGridFocusWindow* FocusWindow() const;

  TMouseSelectMode MouseSelectMode = msNormal;
  // The pointer rests on a fixed column's (row's) border that may be sized; one is being sized
  // by the grid's own press, its index and where its line stands.
  bool SizeFixed = false;
  bool SizeFixedR = false;
  bool SizingFixed = false;
  bool SizingFixedR = false;
  int SizingFixedCol = -1;
  int SizingFixedRow = -1;
  int SizeFixedX = 0;
  int SizeFixedY = 0;
  // The hover of fixed cells is frozen while a header menu is open.
  bool NoMouseLeave = false;
  TGridCoord HotFixedCell{-1, -1};
  TGridCoord HoverButton{-1, -1};
  // The cell and 1-based link index under the pointer for URLUnderlineOnHover.
  TGridCoord HoverCell{-1, -1};
  int HoverLinkIdx = -1;
  std::string Anchor;
  std::string LastAnchorHint;
  // The cell whose hint or balloon shows; another cell ends it.
  TPoint LastHintPos{-1, -1};
  TPoint LastBalloonPos{-1, -1};
  TGridRect SizeSelection{-1, -1, -1, -1};
  TGridRect MoveSelection{-1, -1, -1, -1};
  // The grid set its own cursor (CM_CURSORCHANGED keeps the select mode then).
  bool InvokedChange = false;
  // The grid moves the focus itself: the WM_SETFOCUS that follows is ignored.
  bool InvokedFocusChange = false;
  // A cell drawn pressed while Ctrl is down.
  bool CtrlDown = false;
  TPoint CtrlXY{-1, -1};
  bool CellSelectorMode = false;
  // The markup hint showing "cw=" or "rh=" while a line is sized.
  std::unique_ptr<THintWindow> SizeHint;
  // Settings of this group.
  bool URLUnderlineOnHover = false;
  bool HintShowCells = false;
  bool HintShowLargeText = false;
  bool HintShowSizing = false;
  bool HTMLHint = false;
  bool EnableBlink = false;
  bool Hovering = false;
  bool DoubleBuffered = false;
  TIntelliPan IntelliPan = ipVertical;
  // Panning with the middle button: on, its anchor, the cursor before it, and the blink phase
  // and ticks of the grid timer.
  bool WheelPan = false;
  TPoint WheelPanPos;
  TCursor PrevCursor = crDefault;
  bool BlinkOn = true;
  int TimerTicks = 0;
  // The balloon tooltip's window, the cell the focus frame surrounds, and the hold on the form's
  // moves and sizes that the frame follows while it shows.
  HWND ToolTip = 0;
  TRect FocusCell;
  TEventLink FormMoveLink;

 private:
  TGridPointerHost& H;

  void HoverMove(int ACol, int ARow, int X, int Y);
  void HeaderDragSelect(int ACol, int ARow, int Y, bool& ScrolledUp);
  void FixedBorderMove(int ACol, int ARow, int X, int Y);
  bool SelectModeMove(int ACol, int ARow, int X, int Y, bool ScrolledUp);
  bool LinkMove(int ACol, int ARow, int X, int Y);
  void SizingHintMove(int X, int Y);
  void EndHintsOutside(int ACol, int ARow);
  void RepaintHoverFixed(TGridCoord Old, TGridCoord Now);
  bool PanStart(TMessage& Message);
  void PanStep();
  void PanEnd();
  void GridTimerTick();
  void HoverTick();
  void BlinkTick();
};

}  // namespace hd
