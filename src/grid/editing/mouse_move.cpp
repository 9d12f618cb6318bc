// What the grid does while the pointer moves over it: the hover looks of rows, fixed cells,
// buttons and links, the grid's own sizing of fixed columns and rows with its "cw=" and "rh="
// hint, whole-row and whole-column drag selection from the headers, the select mode that picks
// the cursor, the link events, and the end of a hint or balloon when the pointer changes cell.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "grid/editing/edit_session.h"
#include "grid/foundation/markup/markup_renderer.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/html_hint_window.h"
#include "platform/application.h"
#include "platform/sysutils.h"
#include "platform/scroll_bars.h"
#include "platform/shell.h"
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

void TExtStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  if (p.MouseDownMove && p.MouseActions->RangeSelectAndEdit() && Options().Contains(goEditing) && !EditorMode())
    SetOptions(Options() - TGridOptions{goEditing});
  const TGridRect before = Selection();
  if (FGridState == gsSelecting && p.Colors.FSelectionRectangle) ps.SizeSelection = before;
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  HoverMove(ACol, ARow, X, Y);
  bool scrolledUp = false;
  HeaderDragSelect(ACol, ARow, Y, scrolledUp);
  FixedBorderMove(ACol, ARow, X, Y);
  if (FGridState == gsColSizing) p.ColSizedByMouse = true;
  if (FGridState == gsRowSizing) p.RowSizedByMouse = true;
  bool special = SelectModeMove(ACol, ARow, X, Y, scrolledUp);
  if (LinkMove(ACol, ARow, X, Y)) special = true;
  if (!special && Cursor() != p.OldCursor) SetCursorInvoked(p.OldCursor);
  // A hint or balloon belongs to its cell: another cell ends it.
  TPoint base{-1, -1};
  if (ACol >= 0 && ARow >= 0) base = BaseCell(ACol, ARow);
  if ((p.LastHintPos.X != -1 || p.LastHintPos.Y != -1) && base != p.LastHintPos) {
    Application().CancelHint();
    p.LastHintPos = {-1, -1};
  }
  if (p.Balloon->Enable() && base != ps.LastBalloonPos) {
    if (ps.ToolTip) SendMessage(ps.ToolTip, TTM_POP);
    ps.LastBalloonPos = {-1, -1};
  }
  if (FGridState == gsSelecting && p.Colors.FSelectionRectangle && Selection() != ps.MoveSelection) {
    RepaintCellRange(Selection());
    ps.MoveSelection = Selection();
  }
  HWND self = Handle();
  // The grid's own header drag moves its windows; the platform draws no line for it.
  EnhancedDragMove(X, Y);
  if (!IsWindow(self)) return;
  TBaseGrid::MouseMove(Shift, X, Y);
  if (!IsWindow(self)) return;
  if (p.Navigation->KeepHorizScroll() && p.MouseKeepDown && FGridState != gsColMoving && LeftCol() != p.OldLeftCol) {
    StartUpdate();
    SetLeftCol(p.OldLeftCol);
    ResetUpdate();
  }
  SizingHintMove(X, Y);
  ApplyPointerCursor(X, Y);
  const TGridRect after = Selection();
  if (after != before) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// Steps of the hover looks: a row, a fixed cell, the list-view hot cell, a cell's button.
void TExtStringGrid::HoverMove(int ACol, int ARow, int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  const bool valid = ACol >= 0 && ARow >= 0 && !IsDesigning();
  if (valid && FHoverRow && ARow != FHoverRowIdx) {
    const int old = FHoverRowIdx;
    FHoverRowIdx = ARow;
    RepaintRow(ARow);
    if (old >= 0 && old < RowCount()) RepaintRow(old);
  }
  auto inFixed = [this](int c, int r) { return c >= 0 && r >= 0 && (c < FixedCols() || r < FixedRows()); };
  if (p.Colors.FHoverFixedCells != hfNone && !ps.NoMouseLeave && (p.HoverFixedX != ACol || p.HoverFixedY != ARow)) {
    const int oldX = p.HoverFixedX, oldY = p.HoverFixedY;
    p.HoverFixedX = ACol;
    p.HoverFixedY = ARow;
    if (inFixed(oldX, oldY)) RepaintCell(oldX, oldY);
    if (inFixed(ACol, ARow)) RepaintCell(ACol, ARow);
  }
  if (p.Colors.FLook == glListView && !SameCell(ps.HotFixedCell, ACol, ARow)) {
    const TGridCoord old = ps.HotFixedCell;
    if (inFixed(old.X, old.Y)) RepaintCell(old.X, old.Y);
    ps.HotFixedCell = {ACol, ARow};
    if (inFixed(ACol, ARow)) RepaintCell(ACol, ARow);
  }
  bool onButton = false;
  if (ACol >= 0 && ARow >= 0) {
    const int RC = RealColIndex(ACol);
    const TPoint at{X, Y};
    onButton = (HasButton(RC, ARow) && PtInRect(GetCellGraphicRect(ACol, ARow), at)) ||
               PtInRect(GetExpandRect(RC, ARow), at);
  }
  if (onButton && !SameCell(ps.HoverButton, ACol, ARow)) {
    const TGridCoord old = ps.HoverButton;
    ps.HoverButton = {ACol, ARow};
    if (old.X >= 0) RepaintCell(old.X, old.Y);
    RepaintCell(ACol, ARow);
  } else if (!onButton && ps.HoverButton.X != -1) {
    RepaintCell(ps.HoverButton.X, ps.HoverButton.Y);
    ps.HoverButton = {-1, -1};
  }
}

// Dragging over the fixed cells after a header press selects whole rows (scrolling at the
// bottom and top edges) or whole columns.
void TExtStringGrid::HeaderDragSelect(int ACol, int ARow, int Y, bool& ScrolledUp) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  const TMouseActions& ma = *p.MouseActions;
  const TGridCoord start = p.MouseSelectStart;
  if (start.Y >= 0 && ma.RowSelect() && ps.MouseSelectMode == msRow) {
    if (ARow >= FixedRows() && ARow < RowCount() - p.Layout.FFixedFooters) {
      const int to = std::max(FixedRows(), ARow);
      SetSelection(GridRect({FixedCols(), std::min(start.Y, to)}, {ColCount() - 1, std::max(start.Y, to)}));
    }
    if (Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if (FixedRows() > 0 && Y < RowHeights(0) && TopRow() > FixedRows()) {
      SetTopRow(TopRow() - 1);
      ScrolledUp = true;
    }
  } else if (start.X >= 0 && ma.ColSelect() && ps.MouseSelectMode == msColumn && ACol >= 0) {
    const int to = std::max(FixedCols(), ACol);
    SetSelection(GridRect({std::min(start.X, to), FixedRows()}, {std::max(start.X, to), RowCount() - 1}));
  }
  if (p.Colors.FSelectionRectangle && Selection() != ps.SizeSelection && (start.X >= 0 || start.Y >= 0)) {
    RepaintCellRange(Selection());
    ps.SizeSelection = Selection();
  }
}

// The borders of fixed columns and rows: whether the pointer rests on one, and the sizing line
// that follows it while the grid's own press sizes one.
void TExtStringGrid::FixedBorderMove(int ACol, int ARow, int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  const bool valid = ACol >= 0 && ARow >= 0 && !IsDesigning();
  ps.SizeFixed = false;
  for (int i = 0, sum = 0; i < FixedCols(); ++i) {
    sum += ColWidths(i);
    if (std::abs(X - sum) < kFixedBorderReach && valid) ps.SizeFixed = p.MouseActions->SizeFixedCol();
    sum += 1;
  }
  if (ps.SizingFixed) {
    DrawColSizeLine(ps.SizeFixedX);
    ps.SizeFixedX = X;
    DrawColSizeLine(X);
  }
  ps.SizeFixedR = false;
  for (int i = 0, sum = 0; i < FixedRows(); ++i) {
    sum += RowHeights(i);
    if (std::abs(Y - sum) < kFixedBorderReach && valid) ps.SizeFixedR = p.MouseActions->SizeFixedRow();
    sum += 1;
  }
  if (ps.SizingFixedR) {
    DrawRowSizeLine(ps.SizeFixedY);
    ps.SizeFixedY = Y;
    DrawRowSizeLine(Y);
  }
}

// The select mode of the cell under the pointer; true when it asks for a cursor of its own.
bool TExtStringGrid::SelectModeMove(int ACol, int ARow, int X, int Y, bool ScrolledUp) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  const TMouseActions& ma = *p.MouseActions;
  if (IsDesigning()) return false;
  ps.MouseSelectMode = msNormal;
  if (p.Colors.FSelectionResizer && p.Colors.FSelectionRectangle) {
    const TGridRect sel = Selection();
    const TRect r = CellRect(sel.Right, sel.Bottom);
    const int hx = r.Right - kResizeHandle;
    if (!r.IsEmpty() && X >= hx && X < hx + kResizeHandle && Y >= r.Bottom - kResizeHandle && Y < r.Bottom)
      ps.MouseSelectMode = msResize;
  }
  if (ACol < 0 || ARow < 0) return false;
  bool special = false;
  if (ARow < FixedRows()) {
    if (ACol < FixedCols() && ma.AllSelect()) {
      ps.MouseSelectMode = msAll;
      special = true;
    } else if (ACol >= FixedCols() && ma.ColSelect() && !IsOnSizingBorder(X, Y)) {
      ps.MouseSelectMode = msColumn;
      special = true;
    }
  }
  const bool footer = p.FloatingFooter->Visible() && p.FloatingFooter->FooterStyle() == fsFixedLastRow;
  const int lastRow = RowCount() - (footer ? 2 : 1);
  if (ACol < FixedCols() && ARow <= lastRow && (ARow >= FixedRows() || ScrolledUp) && ma.RowSelect() &&
      !IsOnSizingBorder(X, Y) && !(ACol == 0 && IsNode(ARow) && X < CellRect(0, ARow).Left + 16)) {
    ps.MouseSelectMode = msRow;
    special = true;
  }
  return special;
}

bool TExtStringGrid::MarkupLinkAt(int ACol, int ARow, int X, int Y, std::string& Link, std::string& Title,
                                  int& Index) {
  TExtStringGridPrivate& p = *FP;
  const int RC = RealColIndex(ACol);
  TRect r = CellRect(ACol, ARow);
  r.Left += p.Text.FXYOffset.X + 1;
  r.Top += p.Text.FXYOffset.Y + 1;
  r.Right -= p.Text.FXYOffset.X;
  if (HasCheckBox(RC, ARow)) r.Left += p.ControlLook->CheckSize();
  int scrollY = 0;
  if (HasScrollBar(RC, ARow)) {
    r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    scrollY = GetScrollPosition(RC, ARow);
  }
  TCanvas& canvas = Canvas();
  canvas.Font() = ACol < FixedCols() || ARow < FixedRows() ? p.Colors.FFixedFont : Font();
  TCellLook look;
  look.Font = canvas.Font();
  look.Brush.Color = Color();
  look.WW = WordWrap();
  GetCellLook(ACol, ARow, look, false, false, true);
  canvas.Font() = look.Font;
  TMarkupCall call;
  call.Rect = r;
  call.X = X;
  call.Y = Y + scrollY;
  call.HitTest = true;
  call.WordWrap = look.WW;
  call.PictureCache = &ImageCache();
  call.PictureContainer = p.Colors.FPictureContainer;
  TMarkupResult result;
  const bool hit = DrawMarkup(canvas, Cells(RC, ARow), call, result);
  Index = result.MouseLink;
  if (!hit || result.AnchorVal.empty() || result.AnchorVal == "ctrl") return false;
  Link = result.AnchorVal;
  Title = result.AnchorTitle;
  return true;
}

// Links in cells: the hand cursor, the hover underline and the enter, exit and hint events.
// True when the pointer is on a link.
bool TExtStringGrid::LinkMove(int ACol, int ARow, int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  if (ACol < 0 || ARow < 0) return false;
  const int RC = RealColIndex(ACol);
  const std::string text = Cells(RC, ARow);
  const bool markup = GetTextKind(text, p.Text.FEnableHTML) == ttMarkup;
  if (!markup) {
    bool special = false;
    if (p.Text.FURLShow && (text.find("://") != std::string::npos || text.find("mailto:") != std::string::npos)) {
      SetCursorInvoked(LinkCursor());
      special = true;
    }
    if (ps.URLUnderlineOnHover && (ps.HoverLinkIdx != -1 || !SameCell(ps.HoverCell, ACol, ARow))) {
      if (ps.HoverCell.X >= 0) RepaintCell(ps.HoverCell.X, ps.HoverCell.Y);
      ps.HoverLinkIdx = -1;
      ps.HoverCell = {-1, -1};
    }
    if (!ps.Anchor.empty()) {
      const std::string left = ps.Anchor;
      ps.Anchor.clear();
      if (OnAnchorExit) OnAnchorExit(this, ARow, ACol, left);
    }
    return special;
  }
  std::string link, title;
  int index = -1;
  const bool onLink = MarkupLinkAt(ACol, ARow, X, Y, link, title, index);
  if (!onLink) index = -1;
  if (ps.URLUnderlineOnHover) {
    const bool cellChanged = !SameCell(ps.HoverCell, ACol, ARow);
    if ((cellChanged && ps.HoverCell.X >= 0) || onLink) {
      if (cellChanged && ps.HoverCell.X >= 0) RepaintCell(ps.HoverCell.X, ps.HoverCell.Y);
    }
    if (cellChanged || ps.HoverLinkIdx != index) {
      ps.HoverCell = {ACol, ARow};
      ps.HoverLinkIdx = index;
      RepaintCell(ACol, ARow);
    }
  }
  if (onLink) {
    if (title.empty() && OnAnchorHint) OnAnchorHint(this, ARow, ACol, title);
    if (title != ps.LastAnchorHint && !ps.LastAnchorHint.empty() && link != ps.Anchor) {
      ps.LastAnchorHint = title;
      Application().CancelHint();
    }
    SetCursorInvoked(LinkCursor());
    if (link != ps.Anchor) {
      if (!ps.Anchor.empty() && OnAnchorExit) OnAnchorExit(this, ARow, ACol, ps.Anchor);
      ps.Anchor = link;
      if (OnAnchorEnter) OnAnchorEnter(this, ARow, ACol, link);
    }
    return true;
  }
  if (!ps.Anchor.empty()) {
    const std::string left = ps.Anchor;
    ps.Anchor.clear();
    if (OnAnchorExit) OnAnchorExit(this, ARow, ACol, left);
  }
  return false;
}

// While a line is sized: the sizing events and the hint with the new size in bold.
void TExtStringGrid::SizingHintMove(int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  const bool colSizing = FGridState == gsColSizing, rowSizing = FGridState == gsRowSizing;
  const int cc = p.ClickedCol >= 0 ? p.ClickedCol : ColCount() - 1;
  const int cr = p.ClickedRow >= 0 ? p.ClickedRow : RowCount() - 1;
  std::string text;
  TPoint corner;
  if (ps.SizingFixed) {
    if (OnColumnSizing) OnColumnSizing(this, 0, ps.SizeFixedX);
    text = "cw=<b>" + IntToStr(ps.SizeFixedX) + "</b>";
    corner = CellRect(0, 0).TopLeft();
  } else if (ps.SizingFixedR) {
    if (OnRowSizing) OnRowSizing(this, 0, ps.SizeFixedY);
    text = "rh=<b>" + IntToStr(ps.SizeFixedY) + "</b>";
    corner = CellRect(0, 0).TopLeft();
  } else if (colSizing) {
    const TRect r = CellRect(cc, p.ClickedRow >= 0 ? p.ClickedRow : 0);
    if (OnColumnSizing) OnColumnSizing(this, p.ClickedCol, X - r.Left);
    text = "cw=<b>" + IntToStr(X - r.Left) + "</b>";
    corner = r.TopLeft();
  } else if (rowSizing) {
    const TRect r = CellRect(p.ClickedCol >= 0 ? p.ClickedCol : 0, cr);
    if (OnRowSizing) OnRowSizing(this, p.ClickedRow, Y - r.Top);
    text = "rh=<b>" + IntToStr(Y - r.Top) + "</b>";
    corner = r.TopLeft();
  } else {
    return;
  }
  if (!ps.HintShowSizing && !IsDesigning()) return;
  if (!ps.SizeHint) ps.SizeHint = std::make_unique<THTMLHintWindow>();
  THintWindow& hint = *ps.SizeHint;
  hint.SetColor(p.Colors.FHintColor);
  TRect r = hint.CalcHintRect(kSizeHintWidth, text, static_cast<TObject*>(this));
  const TPoint at = ClientToScreen(corner);
  OffsetRect(r, at.X, at.Y);
  hint.ActivateHintData(r, text, static_cast<TObject*>(this));
}

void TExtStringGrid::CMMouseLeave(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  StandardHandling(message);
  // A child's leave passes through on its way up; only the grid's own counts.
  if (message.LParam != 0) return;
  ps.MouseSelectMode = msNormal;
  ps.SizeFixed = ps.SizeFixedR = false;
  if (!ps.NoMouseLeave && p.Colors.FHoverFixedCells != hfNone && (p.HoverFixedX != -1 || p.HoverFixedY != -1)) {
    const int x = p.HoverFixedX, y = p.HoverFixedY;
    p.HoverFixedX = p.HoverFixedY = -1;
    if (x >= 0 && y >= 0) RepaintCell(x, y);
  }
  const TGridCoord hot = ps.HotFixedCell;
  if (p.Colors.FLook == glListView && hot.X >= 0 && hot.Y >= 0 && (hot.X < FixedCols() || hot.Y < FixedRows()))
    RepaintCell(hot.X, hot.Y);
  if (FHoverRow && FHoverRowIdx != -1) {
    const int old = FHoverRowIdx;
    FHoverRowIdx = -1;
    if (old < RowCount()) RepaintRow(old);
  }
}

void TExtStringGrid::ResetFixedCellHighlight() {
  TExtStringGridPrivate& p = *FP;
  p.Pointer.SizeFixed = p.Pointer.SizeFixedR = p.Pointer.NoMouseLeave = false;
  if (p.Colors.FHoverFixedCells == hfNone || (p.HoverFixedX == -1 && p.HoverFixedY == -1)) return;
  const int x = p.HoverFixedX, y = p.HoverFixedY;
  p.HoverFixedX = p.HoverFixedY = -1;
  if (x >= 0 && y >= 0) RepaintCell(x, y);
}

const THintWindow* TExtStringGrid::SizeHintWindow() const { return FP->Pointer.SizeHint.get(); }

bool TExtStringGrid::IsHoverFixedCell(int ACol, int ARow) const {
  const THoverFixedCells h = FP->Colors.FHoverFixedCells;
  if (h == hfNone || ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
  if (ACol < FixedCols() && (h == hfAll || h == hfFixedColumns)) return true;
  return ARow < FixedRows() && (h == hfAll || h == hfFixedRows);
}

// --- The grid's own sizing of fixed lines, from the press to the release.

bool TExtStringGrid::FixedSizingPress(int X, int Y) {
  TExtStringGridPrivate::TPointerState& ps = FP->Pointer;
  auto lineAt = [](int count, int pos, auto size) {
    for (int i = 0, sum = 0; i < count; ++i) {
      sum += size(i);
      if (std::abs(pos - sum) < kFixedBorderReach) return i;
      sum += 1;
    }
    return -1;
  };
  if (ps.SizeFixed) {
    ps.SizingFixedCol = lineAt(FixedCols(), X, [this](int i) { return ColWidths(i); });
    if (ps.SizingFixedCol < 0) return false;
    ps.SizingFixed = true;
    ps.SizeFixedX = X;
    DrawColSizeLine(X);
    return true;
  }
  if (ps.SizeFixedR) {
    ps.SizingFixedRow = lineAt(FixedRows(), Y, [this](int i) { return RowHeights(i); });
    if (ps.SizingFixedRow < 0) return false;
    ps.SizingFixedR = true;
    ps.SizeFixedY = Y;
    DrawRowSizeLine(Y);
    return true;
  }
  return false;
}

bool TExtStringGrid::FixedSizingRelease(int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  if (ps.SizeHint) ps.SizeHint->ReleaseHandle();
  if (ps.SizingFixed) {
    DrawColSizeLine(ps.SizeFixedX);
    ps.SizeFixed = ps.SizingFixed = false;
    const int c = ps.SizingFixedCol;
    int w = X;
    for (int i = 0; i < c; ++i) w -= ColWidths(i);
    SetColWidths(c, std::max(w, 0));
    if (OnEndColumnSize) OnEndColumnSize(this, c);
    if (OnUpdateColumnSize) {
      int answer = ColWidths(c);
      OnUpdateColumnSize(this, c, answer);
      if (answer != ColWidths(c)) SetColWidths(c, answer);
    }
    return true;
  }
  if (ps.SizingFixedR) {
    DrawRowSizeLine(ps.SizeFixedY);
    ps.SizeFixedR = ps.SizingFixedR = false;
    const int r = ps.SizingFixedRow;
    int h = Y;
    for (int i = 0; i < r; ++i) h -= RowHeights(i);
    SetRowHeights(r, std::max(h, 0));
    if (OnEndRowSize) OnEndRowSize(this, r);
    return true;
  }
  return false;
}

// --- A press on a link.

bool TExtStringGrid::LinkPress(int ACol, int ARow, int X, int Y) {
  TExtStringGridPrivate& p = *FP;
  const int RC = RealColIndex(ACol);
  const std::string text = Cells(RC, ARow);
  const bool markup = GetTextKind(text, p.Text.FEnableHTML) == ttMarkup;
  if (!p.Text.FURLShow && !markup) return false;
  std::string link, title;
  int index = -1;
  if (markup) {
    if (!MarkupLinkAt(ACol, ARow, X, Y, link, title, index)) return false;
  } else if (text.find("://") != std::string::npos || text.find("mailto:") != std::string::npos) {
    link = text;
  } else {
    return false;
  }
  bool autoHandle = true;
  if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, link, autoHandle);
  if (!autoHandle) return true;
  std::string upper = link;
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (upper.find("CELL://") == std::string::npos) {
    // The layer opens only web, mail, ftp and file links; a refused one is not reported.
    ShellExecute(Handle(), "open", link, {}, {}, SW_SHOWNORMAL);
    return true;
  }
  TPoint cell{-1, -1};
  if (link.size() > 7 && ParseRCReference(link.substr(7), cell) && cell.X >= 0 && cell.Y >= 0 &&
      cell.X < ColCount() && cell.Y < RowCount()) {
    const int c = cell.X, r = cell.Y;
    SetRow(r);
    SetCol(c);
    ScrollInView(c, r);
  }
  return true;
}

// --- Cursors.

void TExtStringGrid::SetCursorInvoked(TCursor Value) {
  if (Cursor() == Value) return;
  FP->Pointer.InvokedChange = true;
  SetCursor(Value);
  FP->Pointer.InvokedChange = false;
}

void TExtStringGrid::ApplyPointerCursor(int X, int Y) {
  TMessage m{WM_SETCURSOR, Handle(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), 0};
  (void)X;
  (void)Y;
  WMSetCursor(m);
}

}  // namespace hd
