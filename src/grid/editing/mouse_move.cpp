// What the grid does while the pointer moves over it: the hover looks of rows, fixed cells,
// buttons and links, the grid's own sizing of fixed columns and rows with its "cw=" and "rh="
// hint, whole-row and whole-column drag selection from the headers, the select mode that picks
// the cursor, the link events, and the end of a hint or balloon when the pointer changes cell.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "grid/editing/grid_pointer.h"
#include "grid/foundation/markup/markup_renderer.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/html_hint_window.h"
#include "platform/application.h"
#include "platform/shell.h"
#include "platform/sysutils.h"
#include "platform/tooltips.h"

namespace hd {

namespace {

// How near a fixed line's border the pointer must be to size it.
constexpr int kFixedBorderReach = 3;
// The side of the square at the selection's corner that resizes the selection.
constexpr int kResizeHandle = 6;
// The widest size hint.
constexpr int kSizeHintWidth = 200;

bool SameCell(TGridCoord a, int c, int r) { return a.X == c && a.Y == r; }

}  // namespace


TGridPointer::TGridPointer(TGridPointerHost& Host) : H(Host) {}

TGridPointer::~TGridPointer() = default;

void TGridPointer::MouseMove(TShiftState Shift, int X, int Y) {
  const TPointerLooks looks = H.Looks();
  H.PrepareMove();
  const TGridRect before = H.Selection();
  if (H.GridState() == gsSelecting && looks.SelectionRectangle) SizeSelection = before;
  int ACol = -1, ARow = -1;
  H.MouseToCell(X, Y, ACol, ARow);
  HoverMove(ACol, ARow, X, Y);
  bool scrolledUp = false;
  HeaderDragSelect(ACol, ARow, Y, scrolledUp);
  FixedBorderMove(ACol, ARow, X, Y);
  H.NoteSizingByMouse();
  bool special = SelectModeMove(ACol, ARow, X, Y, scrolledUp);
  if (LinkMove(ACol, ARow, X, Y)) special = true;
  if (!special && H.Cursor() != H.PlainCursor()) SetCursorInvoked(H.PlainCursor());
  EndHintsOutside(ACol, ARow);
  if (H.GridState() == gsSelecting && looks.SelectionRectangle && H.Selection() != MoveSelection) {
    H.RepaintCellRange(H.Selection());
    MoveSelection = H.Selection();
  }
  HWND self = H.Handle();
  // The grid's own header drag moves its windows; the platform draws no line for it.
  H.EnhancedDragMove(X, Y);
  if (!IsWindow(self)) return;
  H.InheritedMouseMove(Shift, X, Y);
  // The handling may have freed the grid, and this object with it.
  if (!IsWindow(self)) return;
  H.KeepHorizScrollAfterMove();
  SizingHintMove(X, Y);
  TMessage m{WM_SETCURSOR, H.Handle(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), 0};
  SetCursorMessage(m);
  const TGridRect after = H.Selection();
  if (after != before) H.SelectionChanged(after);
}

// A hint or balloon belongs to its cell: another cell ends it.
void TGridPointer::EndHintsOutside(int ACol, int ARow) {
  TPoint base{-1, -1};
  if (ACol >= 0 && ARow >= 0) base = H.BaseCell(ACol, ARow);
  if ((LastHintPos.X != -1 || LastHintPos.Y != -1) && base != LastHintPos) {
    Application().CancelHint();
    LastHintPos = {-1, -1};
  }
  if (H.Balloon().Enable() && base != LastBalloonPos) {
    if (ToolTip) SendMessage(ToolTip, TTM_POP);
    LastBalloonPos = {-1, -1};
  }
}

// Repaints the fixed cells among the old and the new hovered cell.
void TGridPointer::RepaintHoverFixed(TGridCoord Old, TGridCoord Now) {
  auto inFixed = [this](TGridCoord c) {
    return c.X >= 0 && c.Y >= 0 && (c.X < H.FixedCols() || c.Y < H.FixedRows());
  };
  if (inFixed(Old)) H.RepaintCell(Old.X, Old.Y);
  if (inFixed(Now)) H.RepaintCell(Now.X, Now.Y);
}

// Steps of the hover looks: a row, a fixed cell, the list-view hot cell, a cell's button.
void TGridPointer::HoverMove(int ACol, int ARow, int X, int Y) {
  const TPointerLooks looks = H.Looks();
  const bool valid = ACol >= 0 && ARow >= 0 && !H.Designing();
  if (valid && H.HoverRowLook() && ARow != H.HoverRow()) {
    const int old = H.HoverRow();
    H.SetHoverRow(ARow);
    H.RepaintRow(ARow);
    if (old >= 0 && old < H.RowCount()) H.RepaintRow(old);
  }
  const TGridCoord hoverFixed = H.HoverFixed();
  if (looks.HoverFixedCells != hfNone && !NoMouseLeave && !SameCell(hoverFixed, ACol, ARow)) {
    H.SetHoverFixed({ACol, ARow});
    RepaintHoverFixed(hoverFixed, {ACol, ARow});
  }
  if (looks.Look == glListView && !SameCell(HotFixedCell, ACol, ARow)) {
    const TGridCoord old = HotFixedCell;
    HotFixedCell = {ACol, ARow};
    RepaintHoverFixed(old, HotFixedCell);
  }
  const bool onButton = ACol >= 0 && ARow >= 0 && H.OnCellButton(ACol, ARow, {X, Y});
  if (onButton && !SameCell(HoverButton, ACol, ARow)) {
    const TGridCoord old = HoverButton;
    HoverButton = {ACol, ARow};
    if (old.X >= 0) H.RepaintCell(old.X, old.Y);
    H.RepaintCell(ACol, ARow);
  } else if (!onButton && HoverButton.X != -1) {
    H.RepaintCell(HoverButton.X, HoverButton.Y);
    HoverButton = {-1, -1};
  }
}

// Dragging over the fixed cells after a header press selects whole rows (scrolling at the
// bottom and top edges) or whole columns.
void TGridPointer::HeaderDragSelect(int ACol, int ARow, int Y, bool& ScrolledUp) {
  const TMouseActions& ma = H.MouseActions();
  const TGridCoord start = H.MouseSelectStart();
  const int fixedCols = H.FixedCols(), fixedRows = H.FixedRows();
  if (start.Y >= 0 && ma.RowSelect() && MouseSelectMode == msRow) {
    if (ARow >= fixedRows && ARow < H.RowCount() - H.Looks().FixedFooters) {
      const int to = std::max(fixedRows, ARow);
      H.SetSelection(GridRect({fixedCols, std::min(start.Y, to)}, {H.ColCount() - 1, std::max(start.Y, to)}));
    }
    if (Y > H.ClientHeight() - 4 && H.TopRow() + H.VisibleRowCount() < H.RowCount()) H.SetTopRow(H.TopRow() + 1);
    if (fixedRows > 0 && Y < H.LineSize(laRows, 0) && H.TopRow() > fixedRows) {
      H.SetTopRow(H.TopRow() - 1);
      ScrolledUp = true;
    }
  } else if (start.X >= 0 && ma.ColSelect() && MouseSelectMode == msColumn && ACol >= 0) {
    const int to = std::max(fixedCols, ACol);
    H.SetSelection(GridRect({std::min(start.X, to), fixedRows}, {std::max(start.X, to), H.RowCount() - 1}));
  }
  if (H.Looks().SelectionRectangle && H.Selection() != SizeSelection && (start.X >= 0 || start.Y >= 0)) {
    H.RepaintCellRange(H.Selection());
    SizeSelection = H.Selection();
  }
}

namespace {

// The fixed line whose far border lies within reach of Pos, or -1.
int FixedBorderAt(TGridPointerHost& H, TLineAxis Axis, int Pos) {
  const int count = Axis == laCols ? H.FixedCols() : H.FixedRows();
  for (int i = 0, sum = 0; i < count; ++i) {
    sum += H.LineSize(Axis, i);
    if (std::abs(Pos - sum) < kFixedBorderReach) return i;
    sum += 1;
  }
  return -1;
}

}  // namespace

// The borders of fixed columns and rows: whether the pointer rests on one, and the sizing line
// that follows it while the grid's own press sizes one.
void TGridPointer::FixedBorderMove(int ACol, int ARow, int X, int Y) {
  const bool valid = ACol >= 0 && ARow >= 0 && !H.Designing();
  SizeFixed = valid && FixedBorderAt(H, laCols, X) >= 0 && H.MouseActions().SizeFixedCol();
  if (SizingFixed) {
    H.DrawSizeLine(laCols, SizeFixedX);
    SizeFixedX = X;
    H.DrawSizeLine(laCols, X);
  }
  SizeFixedR = valid && FixedBorderAt(H, laRows, Y) >= 0 && H.MouseActions().SizeFixedRow();
  if (SizingFixedR) {
    H.DrawSizeLine(laRows, SizeFixedY);
    SizeFixedY = Y;
    H.DrawSizeLine(laRows, Y);
  }
}

// The select mode of the cell under the pointer; true when it asks for a cursor of its own.
bool TGridPointer::SelectModeMove(int ACol, int ARow, int X, int Y, bool ScrolledUp) {
  const TMouseActions& ma = H.MouseActions();
  const TPointerLooks looks = H.Looks();
  if (H.Designing()) return false;
  MouseSelectMode = msNormal;
  if (looks.SelectionResizer && looks.SelectionRectangle) {
    const TGridRect sel = H.Selection();
    const TRect r = H.CellRect(sel.Right, sel.Bottom);
    const int hx = r.Right - kResizeHandle;
    if (!r.IsEmpty() && X >= hx && X < hx + kResizeHandle && Y >= r.Bottom - kResizeHandle && Y < r.Bottom)
      MouseSelectMode = msResize;
  }
  if (ACol < 0 || ARow < 0) return false;
  const int fixedCols = H.FixedCols(), fixedRows = H.FixedRows();
  bool special = false;
  if (ARow < fixedRows) {
    if (ACol < fixedCols && ma.AllSelect()) {
      MouseSelectMode = msAll;
      special = true;
    } else if (ACol >= fixedCols && ma.ColSelect() && !H.OnSizingBorder(X, Y)) {
      MouseSelectMode = msColumn;
      special = true;
    }
  }
  const int lastRow = H.RowCount() - (H.FooterIsLastRow() ? 2 : 1);
  if (ACol < fixedCols && ARow <= lastRow && (ARow >= fixedRows || ScrolledUp) && ma.RowSelect() &&
      !H.OnSizingBorder(X, Y) && !(ACol == 0 && H.IsNode(ARow) && X < H.CellRect(0, ARow).Left + 16)) {
    MouseSelectMode = msRow;
    special = true;
  }
  return special;
}

namespace {

bool LooksLikeURL(const std::string& text) {
  return text.find("://") != std::string::npos || text.find("mailto:") != std::string::npos;
}

}  // namespace

// Links in cells: the hand cursor, the hover underline and the enter, exit and hint events.
// True when the pointer is on a link.
bool TGridPointer::LinkMove(int ACol, int ARow, int X, int Y) {
  if (ACol < 0 || ARow < 0) return false;
  const TPointerLooks looks = H.Looks();
  const std::string text = H.Cells(H.RealColIndex(ACol), ARow);
  auto leaveAnchor = [&] {
    if (Anchor.empty()) return;
    const std::string left = Anchor;
    Anchor.clear();
    H.AnchorExit(ACol, ARow, left);
  };
  if (GetTextKind(text, looks.EnableHTML) != ttMarkup) {
    bool special = false;
    if (looks.URLShow && LooksLikeURL(text)) {
      SetCursorInvoked(H.LinkCursor());
      special = true;
    }
    if (URLUnderlineOnHover && (HoverLinkIdx != -1 || !SameCell(HoverCell, ACol, ARow))) {
      if (HoverCell.X >= 0) H.RepaintCell(HoverCell.X, HoverCell.Y);
      HoverLinkIdx = -1;
      HoverCell = {-1, -1};
    }
    leaveAnchor();
    return special;
  }
  std::string link, title;
  int index = -1;
  const bool onLink = H.LinkAt(ACol, ARow, X, Y, link, title, index);
  if (!onLink) index = -1;
  if (URLUnderlineOnHover) {
    const bool cellChanged = !SameCell(HoverCell, ACol, ARow);
    if (cellChanged && HoverCell.X >= 0) H.RepaintCell(HoverCell.X, HoverCell.Y);
    if (cellChanged || HoverLinkIdx != index) {
      HoverCell = {ACol, ARow};
      HoverLinkIdx = index;
      H.RepaintCell(ACol, ARow);
    }
  }
  if (!onLink) {
    leaveAnchor();
    return false;
  }
  if (title.empty()) H.AnchorHint(ACol, ARow, title);
  if (title != LastAnchorHint && !LastAnchorHint.empty() && link != Anchor) {
    LastAnchorHint = title;
    Application().CancelHint();
  }
  SetCursorInvoked(H.LinkCursor());
  if (link != Anchor) {
    if (!Anchor.empty()) H.AnchorExit(ACol, ARow, Anchor);
    Anchor = link;
    H.AnchorEnter(ACol, ARow, link);
  }
  return true;
}

// While a line is sized: the sizing events and the hint with the new size in bold.
void TGridPointer::SizingHintMove(int X, int Y) {
  const TGridState state = H.GridState();
  const TGridCoord clicked = H.ClickedCell();
  std::string text;
  TPoint corner;
  if (SizingFixed) {
    H.LineSizing(laCols, 0, SizeFixedX);
    text = "cw=<b>" + IntToStr(SizeFixedX) + "</b>";
    corner = H.CellRect(0, 0).TopLeft();
  } else if (SizingFixedR) {
    H.LineSizing(laRows, 0, SizeFixedY);
    text = "rh=<b>" + IntToStr(SizeFixedY) + "</b>";
    corner = H.CellRect(0, 0).TopLeft();
  } else if (state == gsColSizing) {
    const int cc = clicked.X >= 0 ? clicked.X : H.ColCount() - 1;
    const TRect r = H.CellRect(cc, clicked.Y >= 0 ? clicked.Y : 0);
    H.LineSizing(laCols, clicked.X, X - r.Left);
    text = "cw=<b>" + IntToStr(X - r.Left) + "</b>";
    corner = r.TopLeft();
  } else if (state == gsRowSizing) {
    const int cr = clicked.Y >= 0 ? clicked.Y : H.RowCount() - 1;
    const TRect r = H.CellRect(clicked.X >= 0 ? clicked.X : 0, cr);
    H.LineSizing(laRows, clicked.Y, Y - r.Top);
    text = "rh=<b>" + IntToStr(Y - r.Top) + "</b>";
    corner = r.TopLeft();
  } else {
    return;
  }
  if (!HintShowSizing && !H.Designing()) return;
  if (!SizeHint) SizeHint = std::make_unique<THTMLHintWindow>();
  THintWindow& hint = *SizeHint;
  hint.SetColor(H.Looks().HintColor);
  TRect r = hint.CalcHintRect(kSizeHintWidth, text, &H.Owner());
  const TPoint at = H.ClientToScreen(corner);
  OffsetRect(r, at.X, at.Y);
  hint.ActivateHintData(r, text, &H.Owner());
}

void TGridPointer::MouseLeave() {
  const TPointerLooks looks = H.Looks();
  MouseSelectMode = msNormal;
  SizeFixed = SizeFixedR = false;
  const TGridCoord hover = H.HoverFixed();
  if (!NoMouseLeave && looks.HoverFixedCells != hfNone && (hover.X != -1 || hover.Y != -1)) {
    H.SetHoverFixed({-1, -1});
    if (hover.X >= 0 && hover.Y >= 0) H.RepaintCell(hover.X, hover.Y);
  }
  const TGridCoord hot = HotFixedCell;
  if (looks.Look == glListView && hot.X >= 0 && hot.Y >= 0 && (hot.X < H.FixedCols() || hot.Y < H.FixedRows()))
    H.RepaintCell(hot.X, hot.Y);
  const int row = H.HoverRow();
  if (H.HoverRowLook() && row != -1) {
    H.SetHoverRow(-1);
    if (row < H.RowCount()) H.RepaintRow(row);
  }
}

void TGridPointer::ResetFixedCellHighlight() {
  SizeFixed = SizeFixedR = NoMouseLeave = false;
  const TGridCoord hover = H.HoverFixed();
  if (H.Looks().HoverFixedCells == hfNone || (hover.X == -1 && hover.Y == -1)) return;
  H.SetHoverFixed({-1, -1});
  if (hover.X >= 0 && hover.Y >= 0) H.RepaintCell(hover.X, hover.Y);
}

bool TGridPointer::IsHoverFixedCell(int ACol, int ARow) {
  const THoverFixedCells h = H.Looks().HoverFixedCells;
  if (h == hfNone || ACol < 0 || ARow < 0 || ACol >= H.ColCount() || ARow >= H.RowCount()) return false;
  if (ACol < H.FixedCols() && (h == hfAll || h == hfFixedColumns)) return true;
  return ARow < H.FixedRows() && (h == hfAll || h == hfFixedRows);
}

// --- The grid's own sizing of fixed lines, from the press to the release.

bool TGridPointer::FixedSizingPress(int X, int Y) {
  if (SizeFixed) {
    SizingFixedCol = FixedBorderAt(H, laCols, X);
    if (SizingFixedCol < 0) return false;
    SizingFixed = true;
    SizeFixedX = X;
    H.DrawSizeLine(laCols, X);
    return true;
  }
  if (SizeFixedR) {
    SizingFixedRow = FixedBorderAt(H, laRows, Y);
    if (SizingFixedRow < 0) return false;
    SizingFixedR = true;
    SizeFixedY = Y;
    H.DrawSizeLine(laRows, Y);
    return true;
  }
  return false;
}

bool TGridPointer::FixedSizingRelease(int X, int Y) {
  if (SizeHint) SizeHint->ReleaseHandle();
  const bool cols = SizingFixed;
  if (!cols && !SizingFixedR) return false;
  const TLineAxis axis = cols ? laCols : laRows;
  H.DrawSizeLine(axis, cols ? SizeFixedX : SizeFixedY);
  if (cols)
    SizeFixed = SizingFixed = false;
  else
    SizeFixedR = SizingFixedR = false;
  const int line = cols ? SizingFixedCol : SizingFixedRow;
  int size = cols ? X : Y;
  for (int i = 0; i < line; ++i) size -= H.LineSize(axis, i);
  H.SetLineSize(axis, line, std::max(size, 0));
  H.LineSized(axis, line);
  return true;
}

// --- A press on a link: OnAnchorClick, then the link opened or a cell reference followed.

bool TGridPointer::LinkPress(int ACol, int ARow, int X, int Y) {
  const TPointerLooks looks = H.Looks();
  const std::string text = H.Cells(H.RealColIndex(ACol), ARow);
  const bool markup = GetTextKind(text, looks.EnableHTML) == ttMarkup;
  if (!looks.URLShow && !markup) return false;
  std::string link, title;
  int index = -1;
  if (markup) {
    if (!H.LinkAt(ACol, ARow, X, Y, link, title, index)) return false;
  } else if (LooksLikeURL(text)) {
    link = text;
  } else {
    return false;
  }
  if (!H.AnchorClick(ACol, ARow, link)) return true;
  std::string upper = link;
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (upper.find("CELL://") == std::string::npos) {
    // The layer opens only web, mail, ftp and file links; a refused one is not reported.
    ShellExecute(H.Handle(), "open", link, {}, {}, SW_SHOWNORMAL);
    return true;
  }
  TPoint cell{-1, -1};
  if (link.size() > 7 && ParseRCReference(link.substr(7), cell) && cell.X >= 0 && cell.Y >= 0 &&
      cell.X < H.ColCount() && cell.Y < H.RowCount()) {
    H.SetRow(cell.Y);
    H.SetCol(cell.X);
    H.ScrollInView(cell.X, cell.Y);
  }
  return true;
}

// --- Cursors.

void TGridPointer::SetCursorInvoked(TCursor Value) {
  if (H.Cursor() == Value) return;
  InvokedChange = true;
  H.SetCursor(Value);
  InvokedChange = false;
}

// --- The grid's members of the pointer.

void TExtStringGrid::MouseMove(TShiftState Shift, int X, int Y) { FP->Pointer->MouseMove(Shift, X, Y); }

void TExtStringGrid::CMMouseLeave(TMessage& message) {
  StandardHandling(message);
  // A child's leave passes through on its way up; only the grid's own counts.
  if (message.LParam == 0) FP->Pointer->MouseLeave();
}

void TExtStringGrid::ResetFixedCellHighlight() { FP->Pointer->ResetFixedCellHighlight(); }

bool TExtStringGrid::IsHoverFixedCell(int ACol, int ARow) const { return FP->Pointer->IsHoverFixedCell(ACol, ARow); }

void TExtStringGrid::PointerMarkupLook(int ACol, int ARow, TMarkupCall& Call) const {
  const TGridPointer& ps = *FP->Pointer;
  Call.BlinkOn = !ps.EnableBlink || ps.BlinkOn;
  // With URLUnderlineOnHover only the link under the pointer takes the link look.
  if (ps.URLUnderlineOnHover) {
    Call.HoverStyle = true;
    Call.HoverLink = SameCell(ps.HoverCell, ACol, ARow) ? ps.HoverLinkIdx : -1;
  }
  // A BUTTON control held down shows pressed.
  Call.MouseDown = ps.CtrlDown && ps.CtrlXY.X == RealColIndex(ACol) && ps.CtrlXY.Y == ARow;
  if (Call.MouseDown && HandleAllocated()) {
    const TPoint at = ScreenToClient(GetCursorPos());
    Call.X = at.X;
    Call.Y = at.Y;
  }
}

const THintWindow* TExtStringGrid::SizeHintWindow() const { return FP->Pointer->SizeHintWindow(); }

}  // namespace hd
