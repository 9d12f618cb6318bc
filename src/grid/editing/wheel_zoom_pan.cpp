// The mouse wheel (offered to the parent first, Ctrl zooming), the zoom of every line, panning
// with the middle button and its glyph, and the grid timer's ticks (search reset, hovering,
// blinking cells).
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "grid/editing/edit_session.h"
#include "grid/editing/grid_cursors.h"
#include "grid/foundation/markup/markup_language.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/forms.h"
#include "platform/timers.h"

namespace hd {

namespace {

// The pointer must leave the anchor by more than this before panning moves.
constexpr int kPanDeadZone = 5;
constexpr int kPanGlyph = 32;

int WheelLines(const TExtStringGrid& grid) {
  const int lines = GetWheelScrollLines();
  return lines < 0 ? grid.VisibleRowCount() : lines;
}

}  // namespace

void TExtStringGrid::WMMouseWheel(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  if (p.Pointer.WheelPan) {
    StandardHandling(message);
    return;
  }
  // The parent may take the wheel; then the grid's inherited handling sees it.
  if (Parent() && Parent()->Perform(CM_MOUSEWHEEL, message.WParam, message.LParam) != 0) {
    StandardHandling(message);
    return;
  }
  const TGridRect before = Selection();
  const bool towards = GET_WHEEL_DELTA_WPARAM(message.WParam) < 0;
  const unsigned keys = LOWORD(message.WParam);
  const int lines = WheelLines(*this);
  TMouseActions& ma = *p.MouseActions;
  if ((keys & MK_CONTROL) && p.Scrolling.FIntelliZoom) {
    Zoom(towards ? lines : -lines);
    return;
  }
  if (!p.Scrolling.FEnableWheel || (p.Layout.FFixedRowAlways && RowCount() == 1)) return;
  int step = ma.WheelIncrement() < 1 ? lines : ma.WheelIncrement();
  int target = Row();
  if (ma.WheelAction() == waScroll) {
    const int last = RowCount() - VisibleRowCount();
    if (towards && TopRow() < last) {
      SetTopRow(std::min(TopRow() + step, last));
    } else if (!towards) {
      if (TopRow() - step < FixedRows()) step = TopRow() - FixedRows();
      if (TopRow() > FixedRows()) SetTopRow(TopRow() - step);
    }
  } else {
    target = towards ? Row() + step : Row() - step;
  }
  target = std::clamp(target, FixedRows(), std::max(FixedRows(), RowCount() - p.Layout.FFixedFooters - 1));
  if (Col() >= ColCount() && Row() >= RowCount()) FocusCell(ColCount() - 1, RowCount() - 1);
  if (Col() < FixedCols() && FixedCols() < ColCount()) SetCol(FixedCols());
  int delta = 0;
  if (target >= 0 && target < RowCount()) {
    const int left = LeftCol();
    StartUpdate();
    if (ma.DisjunctRowSelect() && ma.WheelAction() == waMoveSelection) ClearRowSelect();
    delta = target - Row();
    if (ma.WheelAction() == waMoveSelection) {
      SetRow(target);
      if (Row() != target) {
        // A refused move goes half the rest of the way, rounded half to even.
        const int half = static_cast<int>(std::lrint((target - Row()) / 2.0));
        SetRow(Row() + half);
        if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
      }
    }
    if (Options().Contains(goRowSelect) && p.Navigation->KeepHorizScroll()) SetLeftCol(left);
    ResetUpdate();
  }
  bool handled = true;
  AfterWheelScroll(delta, handled);
  if ((ma.WheelIncrement() != 0 || ma.DisjunctRowSelect()) && handled) {
    message.Result = 1;
    TShiftState shift = KeysToShiftState(keys);
    const TPoint pos{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    if (ma.DisjunctRowSelect()) {
      shift = KeyboardStateToShiftState();
      handled = false;
    }
    if (towards && OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, handled);
    if (!towards && OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, handled);
  }
  const TGridRect after = Selection();
  if (after != before) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
  if (p.SearchFooter->Visible() && TopRow() == RowCount() - VisibleRowCount()) ScrollClearOfSearchFooter();
}

void TExtStringGrid::AfterWheelScroll(int /*Delta*/, bool& /*Handled*/) {}

namespace {

// The wheel through the platform's handling: the desktop's lines, with the left column kept
// under row selection and the focus taken back from an open editor.
template <class Base>
bool InheritedWheel(TExtStringGrid& grid, TExtStringGridPrivate& p, bool Down, Base base) {
  TMouseActions& ma = *p.MouseActions;
  const bool editorOpen = p.Session->EditMode || grid.EditorMode();
  const bool directEdit = ma.DirectEdit();
  ma.SetDirectEdit(false);
  struct TRestore {
    TMouseActions& M;
    bool V;
    ~TRestore() { M.SetDirectEdit(V); }
  } restore{ma, directEdit};
  if (grid.Options().Contains(goRowSelect) && p.Navigation->KeepHorizScroll()) {
    const int left = grid.LeftCol();
    grid.StartUpdate();
    const bool r = base();
    grid.SetLeftCol(left);
    grid.ResetUpdate();
    return r;
  }
  if (!Down && !(grid.Row() < grid.RowCount() && grid.Col() < grid.ColCount())) return true;
  const bool r = base();
  if (editorOpen && grid.CanFocus()) grid.SetFocus();
  return r;
}

}  // namespace

bool TExtStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (FP->MouseActions->WheelAction() == waScroll || !FP->Scrolling.FEnableWheel) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
  }
  return InheritedWheel(*this, *FP, true, [&] { return TBaseGrid::DoMouseWheelDown(Shift, MousePos); });
}

bool TExtStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (FP->MouseActions->WheelAction() == waScroll || !FP->Scrolling.FEnableWheel) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
  }
  return InheritedWheel(*this, *FP, false, [&] { return TBaseGrid::DoMouseWheelUp(Shift, MousePos); });
}

void TExtStringGrid::Zoom(int x) {
  TExtStringGridPrivate& p = *FP;
  const int factor = p.Layout.FZoomFactor + x;
  if (factor < -10 || factor > 10) return;
  {
    TFlagScope lock(p.PaintFlags.FScrollLock, true);
    p.Layout.FZoomFactor = factor;
    BeginUpdate();
    auto grow = [x](int size) { return size > 0 && size + x > 0 ? size + x : size; };
    // The lines of the default size change in one step, whatever their number; only the
    // lines of another size are set one by one.
    std::vector<std::pair<int, int>> own;
    const int defaultWidth = DefaultColWidth();
    for (int c = 0; !ColAxis().Uniform() && c < ColCount(); ++c)
      if (ColWidths(c) != defaultWidth) own.emplace_back(c, grow(ColWidths(c)));
    SetDefaultColWidth(grow(defaultWidth));
    for (auto [c, w] : own) SetColWidths(c, w);
    own.clear();
    const int defaultHeight = DefaultRowHeight();
    for (int r = 0; !RowAxis().Uniform() && r < RowCount(); ++r)
      if (RowHeights(r) != defaultHeight) own.emplace_back(r, grow(RowHeights(r)));
    SetDefaultRowHeight(grow(defaultHeight));
    for (auto [r, h] : own) SetRowHeights(r, h);
    EndUpdate();
  }
  if (p.Scrolling.FScrollProportional) {
    UpdateVertScrollProportional();
    UpdateHorzScrollProportional();
  }
}

// --- Panning with the middle button.

bool TExtStringGrid::PanStart(TMessage& message) {
  TExtStringGridPrivate::TPointerState& ps = FP->Pointer;
  if (ps.WheelPan || ps.IntelliPan == ipNone || RowCount() <= FixedRows()) return false;
  EnsureGridCursor(crPanFirst);
  ps.PrevCursor = Cursor();
  SetCursorInvoked(crPanFirst);
  ps.WheelPan = true;
  SetTimer(Handle(), kPanTimerId, kPanTimerInterval);
  ps.WheelPanPos = {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  SetCapture(Handle());
  SetShowHint(false);
  Invalidate();
  return true;
}

void TExtStringGrid::PanEnd() {
  TExtStringGridPrivate::TPointerState& ps = FP->Pointer;
  if (!ps.WheelPan) return;
  ReleaseCapture();
  KillTimer(Handle(), kPanTimerId);
  SetCursorInvoked(ps.PrevCursor);
  SetShowHint(true);
  ps.WheelPan = false;
  const TRect glyph = Rect(ps.WheelPanPos.X, ps.WheelPanPos.Y, ps.WheelPanPos.X + kPanGlyph, ps.WheelPanPos.Y + kPanGlyph);
  hd::InvalidateRect(Handle(), &glyph, false);
}

void TExtStringGrid::PanStep() {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  const TGridRect before = Selection();
  const TPoint at = ScreenToClient(GetCursorPos());
  const TPoint a = ps.WheelPanPos;
  int v = at.Y < a.Y - kPanDeadZone ? -1 : at.Y > a.Y + kPanDeadZone ? 1 : 0;
  int h = at.X < a.X - kPanDeadZone ? -1 : at.X > a.X + kPanDeadZone ? 1 : 0;
  if (ps.IntelliPan == ipHorizontal) v = 0;
  if (ps.IntelliPan == ipVertical) h = 0;
  // 8000 still; 8001 down, 8002 left, 8003 right, 8004 up, 8005-8008 the diagonals.
  static constexpr TCursor kCursors[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
  const TCursor cursor = kCursors[v + 1][h + 1];
  const int lastRow = RowCount() - p.Layout.FFixedFooters - 1, lastCol = ColCount() - p.Layout.FFixedRightCols - 1;
  if (Row() < FixedRows() || Row() > lastRow) SetRow(std::clamp(Row(), FixedRows(), std::max(FixedRows(), lastRow)));
  if (Col() < FixedCols() || Col() > lastCol) SetCol(std::clamp(Col(), FixedCols(), std::max(FixedCols(), lastCol)));
  if (p.MouseActions->WheelAction() == waScroll) {
    if (h < 0 && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (h > 0 && LeftCol() < ColCount() - VisibleColCount()) SetLeftCol(LeftCol() + 1);
    if (v < 0 && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (v > 0 && TopRow() < RowCount() - VisibleRowCount()) SetTopRow(TopRow() + 1);
  } else {
    if (h < 0 && Col() > FixedCols()) SetCol(Col() - 1);
    if (h > 0 && Col() < lastCol) SetCol(Col() + 1);
    if (v < 0 && Row() > FixedRows()) SetRow(Row() - 1);
    if (v > 0 && Row() < lastRow) SetRow(Row() + 1);
  }
  EnsureGridCursor(cursor);
  SetCursorInvoked(cursor);
  Invalidate();
  const TGridRect after = Selection();
  if (after != before) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// The pan glyph at the anchor: a ring with the arrows of the directions that may pan.
void TExtStringGrid::DrawPanGlyph(TCanvas& ACanvas) {
  const TExtStringGridPrivate::TPointerState& ps = FP->Pointer;
  if (!ps.WheelPan) return;
  const int x = ps.WheelPanPos.X, y = ps.WheelPanPos.Y, c = kPanGlyph / 2;
  ACanvas.Pen().Color = clBlack;
  ACanvas.Pen().Width = 1;
  ACanvas.Brush().Color = clWhite;
  ACanvas.Ellipse(Rect(x + 2, y + 2, x + kPanGlyph - 2, y + kPanGlyph - 2));
  ACanvas.Brush().Color = clBlack;
  ACanvas.Ellipse(Rect(x + c - 2, y + c - 2, x + c + 2, y + c + 2));
  if (ps.IntelliPan != ipHorizontal) {
    ACanvas.Polygon({{x + c, y + 5}, {x + c - 4, y + 10}, {x + c + 4, y + 10}});
    ACanvas.Polygon({{x + c, y + kPanGlyph - 5}, {x + c - 4, y + kPanGlyph - 10}, {x + c + 4, y + kPanGlyph - 10}});
  }
  if (ps.IntelliPan != ipVertical) {
    ACanvas.Polygon({{x + 5, y + c}, {x + 10, y + c - 4}, {x + 10, y + c + 4}});
    ACanvas.Polygon({{x + kPanGlyph - 5, y + c}, {x + kPanGlyph - 10, y + c - 4}, {x + kPanGlyph - 10, y + c + 4}});
  }
}

// --- The grid timer.

void TExtStringGrid::WMTimer(TMessage& message) {
  if (message.WParam == kPanTimerId && FP->Pointer.WheelPan && FP->Pointer.IntelliPan != ipNone) {
    PanStep();
    return;
  }
  if (message.WParam == kGridTimerId) {
    GridTimerTick();
    return;
  }
  StandardHandling(message);
}

void TExtStringGrid::GridTimerTick() {
  TExtStringGridPrivate& p = *FP;
  TExtStringGridPrivate::TPointerState& ps = p.Pointer;
  ++ps.TimerTicks;
  if (p.Navigation->AutoGotoIncremental()) {
    if (p.SearchTics++ == 3) {
      p.SearchInc.clear();
      p.SearchTics = 0;
    }
  }
  if (ps.Hovering && !IsDesigning() && WindowFromPoint(GetCursorPos()) == Handle()) {
    const TPoint at = ScreenToClient(GetCursorPos());
    int c = -1, r = -1;
    MouseToCell(at.X, at.Y, c, r);
    if (ClientRect().Contains(at) && c >= FixedCols() && r >= FixedRows() && c >= 0 && r >= 0) {
      if (CanFocus() && !Focused()) SetFocus();
      if (Row() != r) SetRow(r);
      if (Col() != c) SetCol(c);
    }
  }
  if (!ps.EnableBlink) return;
  ps.BlinkOn = !ps.BlinkOn;
  // Every visible cell, fixed ones included, whose text blinks.
  const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
  const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
  auto blinks = [this](int c, int r) {
    const std::string t = Cells(RealColIndex(c), r);
    return MarkupUpper(t).find("<BLI") != std::string::npos;
  };
  auto visit = [&](int c0, int c1, int r0, int r1) {
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c)
        if (blinks(c, r)) RepaintCell(c, r);
  };
  visit(LeftCol(), lastCol, TopRow(), lastRow);
  visit(LeftCol(), lastCol, 0, FixedRows() - 1);
  visit(0, FixedCols() - 1, TopRow(), lastRow);
}

}  // namespace hd
