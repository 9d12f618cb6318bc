// Scrolling by the scroll bars' messages, thumbs proportional to the real sizes, keeping clear
// of the search footer and of a fixed background picture, and the reactions to size changes:
// stretching, proportional sizing of all lines, and the events that end a sizing.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/html_hint_window.h"
#include "grid/stringgrid/scroll_control.h"
#include "platform/application.h"
#include "platform/grids/grid_axis.h"
#include "platform/scroll_bars.h"

namespace hd {

namespace {

constexpr int kMaxScrollPos = 127;
constexpr int kSearchPanelHeight = 32;

// Pixels of the lines from..to-1 with a grid line of g after each, hidden lines included: the
// platform's axes carry no gap, as this grid draws its own lines inside the cells.
std::int64_t LinesWithGaps(const TGridAxis& axis, int from, int to, int g) {
  return axis.Span(from, to) + static_cast<std::int64_t>(std::max(0, to - from)) * g;
}

}  // namespace

int TExtStringGrid::ScrollLineOf(int Pos, bool Horizontal) const {
  int fixed = Horizontal ? TBaseGrid::FixedCols() : TBaseGrid::FixedRows();
  int count = Horizontal ? ColCount() : RowCount();
  int visible = Horizontal ? VisibleColCount() : VisibleRowCount();
  return MulDiv(Pos, std::max(count - visible - fixed, 0), kMaxScrollPos) + fixed;
}

TGridRect TExtStringGrid::BackgroundPictureCells() const {
  const TBackGround& bg = *FP->BackGround;
  TGridCoord a = MouseCoord(bg.Left(), bg.Top());
  TGridCoord b = MouseCoord(bg.Left() + bg.Bitmap().Width(), bg.Top() + bg.Bitmap().Height());
  return {a.X, a.Y, b.X, b.Y};
}

bool TExtStringGrid::HasFixedBackgroundPicture() const {
  return !FP->BackGround->Bitmap().Empty() && FP->BackGround->Display() == bdFixed;
}

void TExtStringGrid::RepaintMovedBackground(const TGridRect& Before, unsigned Code) {
  if (Code == SB_THUMBTRACK || !HasFixedBackgroundPicture()) return;
  TGridRect after = BackgroundPictureCells();
  if (after == Before) return;
  RepaintCellRange(Before);
  RepaintCellRange(after);
}

void TExtStringGrid::RepaintCellRange(const TGridRect& R) {
  if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
  int right = std::min(R.Right, VisibleColCount() + FixedCols());
  TRect a = CellRect(R.Left, R.Top), b = CellRect(right, R.Bottom);
  if (a.Width() == 0 || b.Width() == 0) {
    InvalidateGrid();
    return;
  }
  TRect r;
  UnionRect(r, a, b);
  ::hd::InvalidateRect(Handle(), &r, true);
}

bool TExtStringGrid::IsLastRowClearOfSearchFooter() const {
  if (!FP->SearchFooter->Visible()) return false;
  if (TopRow() + VisibleRowCount() < RowCount() - 1) return false;
  TRect last = CellRect(0, RowCount() - 1);
  return last.Bottom < ClientHeight() - kSearchPanelHeight + 2;
}

void TExtStringGrid::ScrollClearOfSearchFooter() {
  if (!FP->SearchFooter->Visible() || ClientHeight() <= DefaultRowHeight() + kSearchPanelHeight) return;
  while (TopRow() < RowCount() - 1) {
    TRect last = CellRect(0, RowCount() - 1);
    if (last.Height() > 0 && last.Bottom < ClientHeight() - kSearchPanelHeight + 2) break;
    int before = TopRow();
    SetTopRow(before + 1);
    if (TopRow() == before) break;
  }
}

void TExtStringGrid::HorzScroll(TMessage& message) {
  unsigned code = LOWORD(message.WParam);
  int pos = static_cast<short>(HIWORD(message.WParam));
  int k = ScrollLineOf(std::clamp(pos, 0, kMaxScrollPos), true);
  if (FP->Scrolling.FScrollHints == shHorizontal || FP->Scrolling.FScrollHints == shBoth) ShowScrollHint(code, k, true);
  if (code == SB_THUMBTRACK && FP->Scrolling.FScrollSynch) SetLeftCol(k);
  TGridRect before = HasFixedBackgroundPicture() ? BackgroundPictureCells() : TGridRect{};
  if (FixedCols() == 0 && k >= Col() && EditorMode()) HideInplaceEditor();
  TBaseGrid::Dispatch(message);
  RepaintMovedBackground(before, code);
  if (code == SB_ENDSCROLL && ColCount() == 1) InvalidateGrid();
  if (GetCellType(RealCol(), Row()) == ctCheckBox && EditorMode()) HideInplaceEditor();
  UpdateFooter();
}

void TExtStringGrid::VertScroll(TMessage& message) {
  if (IsDesigning()) {
    TBaseGrid::Dispatch(message);
    return;
  }
  unsigned code = LOWORD(message.WParam);
  int pos = static_cast<short>(HIWORD(message.WParam));
  // A scroll bar control in a cell sends its own handle; the window's bar sends none.
  if (message.LParam != 0) {
    if (ScrollCellBar(code, pos)) message.Result = 1;
    return;
  }
  int k = ScrollLineOf(std::clamp(pos, 0, kMaxScrollPos), false);
  if (FP->Scrolling.FScrollHints == shVertical || FP->Scrolling.FScrollHints == shBoth) ShowScrollHint(code, k, false);
  if (code == SB_THUMBTRACK && FP->Scrolling.FScrollSynch) SetTopRow(k);
  TGridRect before = HasFixedBackgroundPicture() ? BackgroundPictureCells() : TGridRect{};
  bool footer = FP->SearchFooter->Visible();
  if (footer && (code == SB_ENDSCROLL || code == SB_LINEDOWN) && IsLastRowClearOfSearchFooter()) {
    message.Result = 1;
    return;
  }
  TBaseGrid::Dispatch(message);
  if (footer) {
    bool atEnd = TopRow() == RowCount() - VisibleRowCount();
    if (code == SB_LINEUP && atEnd) SetTopRow(TopRow() - 1);
    if ((code == SB_ENDSCROLL || code == SB_LINEDOWN) && atEnd) ScrollClearOfSearchFooter();
  }
  RepaintMovedBackground(before, code);
  if (GetCellType(RealCol(), Row()) == ctCheckBox && EditorMode()) HideInplaceEditor();
}

void TExtStringGrid::ShowScrollHint(unsigned Code, int Line, bool Horizontal) {
  if (Code == SB_ENDSCROLL) {
    ReleaseScrollHint();
    return;
  }
  if (Code != SB_THUMBTRACK) return;
  std::string text = (Horizontal ? "Col : " : "Row : ") + std::to_string(Line);
  // The horizontal bar hands the event its column in the row argument.
  if (OnScrollHint) OnScrollHint(this, Line, text);
  auto& window = FP->ScrollHintWindow;
  if (!window) window = std::make_unique<THTMLHintWindow>();
  TRect r = window->CalcHintRect(100, text);
  window->SetCaption(text);
  window->SetColor(FP->Colors.FHintColor);
  TPoint cursor = GetCursorPos();
  OffsetRect(r, cursor.X + 10, cursor.Y);
  window->ActivateHint(r, text);
}

void TExtStringGrid::ReleaseScrollHint() {
  if (FP->ScrollHintWindow) FP->ScrollHintWindow->ReleaseHandle();
}

const THintWindow* TExtStringGrid::ScrollHintWindow() const { return FP->ScrollHintWindow.get(); }

bool TExtStringGrid::ScrollCellBar(unsigned Code, int Pos) {
  int col = RealCol(), row = Row();
  TCellGraphic* bar = GetCellGraphic(col, row);
  if (!bar || bar->CellType() != ctScrollbar) return false;
  // Every step stays within the bar, pages and the thumb included.
  int max = std::max(bar->CellErrFrom() - bar->CellAngle(), 0);
  int old = bar->CellIndex(), pos = old;
  switch (Code) {
    case SB_LINEUP: pos -= 10; break;
    case SB_LINEDOWN: pos += 10; break;
    case SB_PAGEUP: pos -= 100; break;
    case SB_PAGEDOWN: pos += 100; break;
    case SB_THUMBTRACK: pos = Pos; break;
    default: return false;
  }
  pos = std::clamp(pos, 0, max);
  if (pos == old) return false;
  bar->SetCellIndex(pos);
  RepaintCell(Col(), row);
  DoScrollCell(col, row, pos, 0, max);
  return true;
}

int TExtStringGrid::WheelStep() const {
  int step = FP->MouseActions->WheelIncrement();
  return step >= 1 ? step : TBaseGrid::WheelStep();
}

void TExtStringGrid::DoScrollCell(int ACol, int ARow, int Position, int Min, int Max) {
  if (OnScrollCell) OnScrollCell(this, ACol, ARow, Position, Min, Max);
}

void TExtStringGrid::HideInplaceEditor() {
  if (EditorMode()) SetEditorMode(false);
}

bool TExtStringGrid::ProportionalScrollSkipped() const {
  return Loading() || IsDesigning() || !FP->Scrolling.FScrollProportional || FP->PaintFlags.FScrollLock || !HandleAllocated();
}

void TExtStringGrid::UpdateHorzScrollProportional() {
  if (ProportionalScrollSkipped()) return;
  int g = GridLineWidth();
  int fixedCols = TBaseGrid::FixedCols();
  const TGridAxis& axis = ColAxis();
  int fixedW = g + static_cast<int>(LinesWithGaps(axis, 0, fixedCols, g));
  int totalW = g + static_cast<int>(LinesWithGaps(axis, fixedCols, ColCount(), g));
  int beforeW = g + static_cast<int>(LinesWithGaps(axis, fixedCols, std::max(LeftCol(), fixedCols), g));
  float e = static_cast<float>(ClientWidth() - fixedW) / static_cast<float>(totalW);
  if (e >= 0.9999f) return;
  int max = static_cast<int>((e + 127) / (1 - e));
  int page = max - 126;
  int w = Width();
  int position = w < totalW && totalW - w != 0
                     ? static_cast<int>(static_cast<double>(beforeW) / (totalW - w) * 128)
                     : GetScrollPos(Handle(), SB_HORZ);
  if (fixedW + totalW - w < 5) return;
  SCROLLINFO info;
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = max;
  info.nPage = static_cast<UINT>(std::max(page, 0));
  info.nPos = position;
  SetScrollInfo(Handle(), SB_HORZ, info, true);
  if (FP->Scrolling.FScrollBarAlways == saHorz || FP->Scrolling.FScrollBarAlways == saBoth) return;
  bool wide = totalW + fixedW >= w;
  if (!(wide && (ScrollBars() == ssHorizontal || ScrollBars() == ssBoth))) ShowScrollBar(Handle(), SB_HORZ, false);
}

void TExtStringGrid::UpdateVertScrollProportional() {
  if (ProportionalScrollSkipped()) return;
  int fixedRows = TBaseGrid::FixedRows();
  if (VisibleRowCount() + fixedRows >= RowCount()) return;
  int g = GridLineWidth();
  // Positions from the axis: a million rows cost what a hundred do.
  const TGridAxis& axis = RowAxis();
  std::int64_t fixedH = g + LinesWithGaps(axis, 0, fixedRows, g);
  std::int64_t totalH = g + LinesWithGaps(axis, fixedRows, RowCount(), g);
  std::int64_t beforeH = g + LinesWithGaps(axis, fixedRows, std::max(TopRow(), fixedRows), g);
  if (totalH == 0) return;
  float e = static_cast<float>(ClientHeight() - fixedH) / static_cast<float>(totalH);
  if (e >= 0.9999f) return;
  int max = static_cast<int>((e + 127) / (1 - e));
  int page = max - 126;
  int h = Height();
  int position = h < totalH && totalH - h != 0 ? static_cast<int>(static_cast<double>(beforeH) / (totalH - h) * 128)
                                                : kMaxScrollPos;
  if (fixedH + totalH - h < 5) return;
  SCROLLINFO info;
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = max;
  info.nPage = static_cast<UINT>(std::max(page, 0));
  info.nPos = position;
  SetScrollInfo(Handle(), SB_VERT, info, true);
}

void TExtStringGrid::SetScrollProportional(bool Value) {
  FP->Scrolling.FScrollProportional = Value;
  if (Value) {
    ScrollRangeUpdated();
    return;
  }
  if (FP->ScrollLooks.FlatInitialised && FP->Scrolling.FScrollType == ssNormal) DoneFlatScrollBars();
  if (!HandleAllocated()) return;
  // Back to plain bars: no page, and the platform's range.
  SCROLLINFO info;
  info.fMask = SIF_PAGE;
  info.nPage = 0;
  SetScrollInfo(Handle(), SB_VERT, info, true);
  SetScrollInfo(Handle(), SB_HORZ, info, true);
  UpdateScrollRange();
}

void TExtStringGrid::ScrollRangeUpdated() {
  if (!FP->Scrolling.FScrollProportional) return;
  // A bar shown or hidden here changes the client area the other bar was measured on.
  for (int pass = 0; pass < 2; ++pass) {
    int w = ClientWidth(), h = ClientHeight();
    UpdateVertScrollProportional();
    UpdateHorzScrollProportional();
    if (w == ClientWidth() && h == ClientHeight()) break;
  }
}

void TExtStringGrid::ColWidthsChanged() {
  TExtStringGridPrivate& p = *FP;
  if (p.StretchAllowed) StretchColumn(p.ColumnSize->StretchColumn());
  LineSizesChanged(true);
  UpdateFooter();
  if (p.ColumnSize->Stretch() && FP->Scrolling.FScrollProportional) UpdateVertScrollProportional();
}

void TExtStringGrid::RowHeightsChanged() { LineSizesChanged(false); }

void TExtStringGrid::LineSizesChanged(bool Cols) {
  TExtStringGridPrivate& p = *FP;
  if (IsDesigning()) ReleaseScrollHint();
  if (Cols)
    TBaseGrid::ColWidthsChanged();
  else
    TBaseGrid::RowHeightsChanged();
  bool& byMouse = Cols ? p.ColSizedByMouse : p.RowSizedByMouse;
  int line = Cols ? p.SizingCol : p.SizingRow;
  bool all = Cols ? p.MouseActions->AllColumnSize() : p.MouseActions->AllRowSize();
  if (byMouse && line >= 0 && all && p.SizingOldSize > 0) SpreadMouseSizing(Cols, line, byMouse);
  if (byMouse && line >= 0) EndMouseSizing(Cols, line, byMouse);
  byMouse = false;
  if (EditorMode() && GetCellType(RealCol(), Row()) == ctCheckBox) HideInplaceEditor();
  CellControlsUpdate(false);
}

void TExtStringGrid::SpreadMouseSizing(bool Cols, int Line, bool& ByMouse) {
  double f = static_cast<double>(Cols ? ColWidths(Line) : RowHeights(Line)) / FP->SizingOldSize;
  // The other lines follow without repeating this step.
  ByMouse = false;
  int count = Cols ? ColCount() : RowCount();
  for (int i = Cols ? TBaseGrid::FixedCols() : TBaseGrid::FixedRows(); i < count; ++i) {
    if (i == Line) continue;
    if (Cols)
      SetColWidths(i, static_cast<int>(std::lround(ColWidths(i) * f)));
    else
      SetRowHeights(i, static_cast<int>(std::lround(RowHeights(i) * f)));
  }
  ByMouse = true;
}

void TExtStringGrid::EndMouseSizing(bool Cols, int Line, bool& ByMouse) {
  if (Cols) {
    if (OnEndColumnSize) OnEndColumnSize(this, Line);
    // A width the column's limits change is set again, as a sizing of its own.
    int w = ColWidths(Line);
    UpdateColSize(Line, w);
    if (w != ColWidths(Line)) {
      ByMouse = false;
      SetColWidths(Line, w);
    }
    if (ByMouse) FP->SizingCol = FP->SizingRow = -1;
    return;
  }
  if (OnEndRowSize) OnEndRowSize(this, Line);
  FP->SizingCol = FP->SizingRow = -1;
}

void TExtStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  if (!Parent() || Loading() || Application().Terminated()) return;
  if (FP->ColumnSize->Stretch()) StretchColumn(FP->ColumnSize->StretchColumn());
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  if (FP->ScrollLooks.Vert) FP->ScrollLooks.Vert->Invalidate();
  if (FP->ScrollLooks.Horz) FP->ScrollLooks.Horz->Invalidate();
}

}  // namespace hd
