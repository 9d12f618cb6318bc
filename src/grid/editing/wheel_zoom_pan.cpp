// The mouse wheel (offered to the parent first, Ctrl zooming), the zoom of every line, panning
// with the middle button and its glyph, and the grid timer's ticks (search reset, hovering,
// blinking cells).
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "grid/editing/edit_session.h"
#include "grid/editing/grid_cursors.h"
#include "grid/editing/grid_pointer.h"
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

int WheelLines(TGridPointerHost& H) {
  const int lines = GetWheelScrollLines();
  return lines < 0 ? H.VisibleRowCount() : lines;
}

}  // namespace

void TGridPointer::MouseWheel(TMessage& message) {
  const TPointerLooks looks = H.Looks();
  // While panning, and when the parent takes the wheel, the grid's inherited handling sees it.
  if (WheelPan || (H.ParentWheel(message.WParam, message.LParam) != 0)) {
    H.DefaultHandling(message);
    return;
  }
  const TGridRect before = H.Selection();
  const bool towards = GET_WHEEL_DELTA_WPARAM(message.WParam) < 0;
  const unsigned keys = LOWORD(message.WParam);
  const int lines = WheelLines(H);
  TMouseActions& ma = H.MouseActions();
  if ((keys & MK_CONTROL) && looks.IntelliZoom) {
    Zoom(towards ? lines : -lines);
    return;
  }
  if (!looks.EnableWheel || (looks.FixedRowAlways && H.RowCount() == 1)) return;
  const int fixedRows = H.FixedRows();
  int step = ma.WheelIncrement() < 1 ? lines : ma.WheelIncrement();
  int target = H.Row();
  if (ma.WheelAction() == waScroll) {
    const int last = H.RowCount() - H.VisibleRowCount();
    if (towards && H.TopRow() < last) {
      H.SetTopRow(std::min(H.TopRow() + step, last));
    } else if (!towards) {
      if (H.TopRow() - step < fixedRows) step = H.TopRow() - fixedRows;
      if (H.TopRow() > fixedRows) H.SetTopRow(H.TopRow() - step);
    }
  } else {
    target = towards ? H.Row() + step : H.Row() - step;
  }
  target = std::clamp(target, fixedRows, std::max(fixedRows, H.RowCount() - looks.FixedFooters - 1));
  if (H.Col() >= H.ColCount() && H.Row() >= H.RowCount()) H.FocusCell(H.ColCount() - 1, H.RowCount() - 1);
  if (H.Col() < H.FixedCols() && H.FixedCols() < H.ColCount()) H.SetCol(H.FixedCols());
  int delta = 0;
  if (target >= 0 && target < H.RowCount()) {
    const int left = H.LeftCol();
    H.HoldUpdates(true);
    if (ma.DisjunctRowSelect() && ma.WheelAction() == waMoveSelection) H.ClearRowSelect();
    delta = target - H.Row();
    if (ma.WheelAction() == waMoveSelection) {
      H.SetRow(target);
      if (H.Row() != target) {
        // A refused move goes half the rest of the way, rounded half to even.
        const int half = static_cast<int>(std::lrint((target - H.Row()) / 2.0));
        H.SetRow(H.Row() + half);
        if (H.TopRow() > fixedRows) H.SetTopRow(H.TopRow() - 1);
      }
    }
    if (H.RowSelectOption() && H.Navigation().KeepHorizScroll()) H.SetLeftCol(left);
    H.HoldUpdates(false);
  }
  bool handled = true;
  H.AfterWheelScroll(delta, handled);
  if ((ma.WheelIncrement() != 0 || ma.DisjunctRowSelect()) && handled) {
    message.Result = 1;
    TShiftState shift = KeysToShiftState(keys);
    const TPoint pos{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    if (ma.DisjunctRowSelect()) shift = KeyboardStateToShiftState();
    H.WheelEvent(towards, shift, pos, !ma.DisjunctRowSelect());
  }
  const TGridRect after = H.Selection();
  if (after != before) H.SelectionChanged(after);
  if (H.SearchFooterVisible() && H.TopRow() == H.RowCount() - H.VisibleRowCount()) H.ScrollClearOfSearchFooter();
}

void TGridPointer::Zoom(int x) {
  const int factor = H.ZoomFactor() + x;
  if (factor < -10 || factor > 10) return;
  H.BeginSizes();
  H.SetZoomFactor(factor);
  auto grow = [x](int size) { return size > 0 && size + x > 0 ? size + x : size; };
  // The lines of the default size change in one step, whatever their number; only the lines of
  // another size are set one by one.
  std::vector<std::pair<int, int>> own;
  for (TLineAxis axis : {laCols, laRows}) {
    own.clear();
    const int count = axis == laCols ? H.ColCount() : H.RowCount();
    const int standard = H.DefaultLineSize(axis);
    for (int i = 0; !H.UniformLines(axis) && i < count; ++i)
      if (H.LineSize(axis, i) != standard) own.emplace_back(i, grow(H.LineSize(axis, i)));
    H.SetDefaultLineSize(axis, grow(standard));
    for (auto [i, size] : own) H.SetLineSize(axis, i, size);
  }
  H.EndSizes();
}

// --- Panning with the middle button.

bool TGridPointer::PanMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MBUTTONDOWN:
      if (WheelPan) {
        PanEnd();
        return false;
      }
      return PanStart(Message);
    // A key or a button that ends panning goes on to be handled as usual.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
      PanEnd();
      return false;
    default: return false;
  }
}

bool TGridPointer::PanStart(TMessage& message) {
  if (WheelPan || IntelliPan == ipNone || H.RowCount() <= H.FixedRows()) return false;
  EnsureGridCursor(TExtStringGrid::crPanFirst);
  PrevCursor = H.Cursor();
  SetCursorInvoked(TExtStringGrid::crPanFirst);
  WheelPan = true;
  SetTimer(H.Handle(), kPanTimerId, kPanTimerInterval);
  WheelPanPos = {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  SetCapture(H.Handle());
  H.SetShowHint(false);
  H.Invalidate();
  return true;
}

void TGridPointer::PanEnd() {
  if (!WheelPan) return;
  ReleaseCapture();
  KillTimer(H.Handle(), kPanTimerId);
  SetCursorInvoked(PrevCursor);
  H.SetShowHint(true);
  WheelPan = false;
  H.InvalidateRect(Rect(WheelPanPos.X, WheelPanPos.Y, WheelPanPos.X + kPanGlyph, WheelPanPos.Y + kPanGlyph));
}

void TGridPointer::PanStep() {
  const TPointerLooks looks = H.Looks();
  const TGridRect before = H.Selection();
  const TPoint at = H.ScreenToClient(GetCursorPos());
  const TPoint a = WheelPanPos;
  int v = at.Y < a.Y - kPanDeadZone ? -1 : at.Y > a.Y + kPanDeadZone ? 1 : 0;
  int h = at.X < a.X - kPanDeadZone ? -1 : at.X > a.X + kPanDeadZone ? 1 : 0;
  if (IntelliPan == ipHorizontal) v = 0;
  if (IntelliPan == ipVertical) h = 0;
  // 8000 still; 8001 down, 8002 left, 8003 right, 8004 up, 8005-8008 the diagonals.
  static constexpr TCursor kCursors[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
  const TCursor cursor = kCursors[v + 1][h + 1];
  const int fixedRows = H.FixedRows(), fixedCols = H.FixedCols();
  const int lastRow = H.RowCount() - looks.FixedFooters - 1, lastCol = H.ColCount() - looks.FixedRightCols - 1;
  if (H.Row() < fixedRows || H.Row() > lastRow) H.SetRow(std::clamp(H.Row(), fixedRows, std::max(fixedRows, lastRow)));
  if (H.Col() < fixedCols || H.Col() > lastCol) H.SetCol(std::clamp(H.Col(), fixedCols, std::max(fixedCols, lastCol)));
  if (H.MouseActions().WheelAction() == waScroll) {
    if (h < 0 && H.LeftCol() > fixedCols) H.SetLeftCol(H.LeftCol() - 1);
    if (h > 0 && H.LeftCol() < H.ColCount() - H.VisibleColCount()) H.SetLeftCol(H.LeftCol() + 1);
    if (v < 0 && H.TopRow() > fixedRows) H.SetTopRow(H.TopRow() - 1);
    if (v > 0 && H.TopRow() < H.RowCount() - H.VisibleRowCount()) H.SetTopRow(H.TopRow() + 1);
  } else {
    if (h < 0 && H.Col() > fixedCols) H.SetCol(H.Col() - 1);
    if (h > 0 && H.Col() < lastCol) H.SetCol(H.Col() + 1);
    if (v < 0 && H.Row() > fixedRows) H.SetRow(H.Row() - 1);
    if (v > 0 && H.Row() < lastRow) H.SetRow(H.Row() + 1);
  }
  EnsureGridCursor(cursor);
  SetCursorInvoked(cursor);
  H.Invalidate();
  const TGridRect after = H.Selection();
  if (after != before) H.SelectionChanged(after);
}

// The pan glyph at the anchor: a ring with the arrows of the directions that may pan.
void TGridPointer::DrawPanGlyph(TCanvas& ACanvas) {
  if (!WheelPan) return;
  const int x = WheelPanPos.X, y = WheelPanPos.Y, c = kPanGlyph / 2;
  ACanvas.Pen().Color = clBlack;
  ACanvas.Pen().Width = 1;
  ACanvas.Brush().Color = clWhite;
  ACanvas.Ellipse(Rect(x + 2, y + 2, x + kPanGlyph - 2, y + kPanGlyph - 2));
  ACanvas.Brush().Color = clBlack;
  ACanvas.Ellipse(Rect(x + c - 2, y + c - 2, x + c + 2, y + c + 2));
  if (IntelliPan != ipHorizontal) {
    ACanvas.Polygon({{x + c, y + 5}, {x + c - 4, y + 10}, {x + c + 4, y + 10}});
    ACanvas.Polygon({{x + c, y + kPanGlyph - 5}, {x + c - 4, y + kPanGlyph - 10}, {x + c + 4, y + kPanGlyph - 10}});
  }
  if (IntelliPan != ipVertical) {
    ACanvas.Polygon({{x + 5, y + c}, {x + 10, y + c - 4}, {x + 10, y + c + 4}});
    ACanvas.Polygon({{x + kPanGlyph - 5, y + c}, {x + kPanGlyph - 10, y + c - 4}, {x + kPanGlyph - 10, y + c + 4}});
  }
}

// --- The grid timer.

void TGridPointer::Timer(TMessage& message) {
  if (message.WParam == kPanTimerId && WheelPan && IntelliPan != ipNone) {
    PanStep();
    return;
  }
  if (message.WParam == kGridTimerId) {
    GridTimerTick();
    return;
  }
  H.DefaultHandling(message);
}

void TGridPointer::GridTimerTick() {
  ++TimerTicks;
  H.IncrementalSearchTick();
  HoverTick();
  BlinkTick();
}

// With Hovering the cell under a resting pointer becomes the current cell.
void TGridPointer::HoverTick() {
  if (!Hovering || H.Designing() || WindowFromPoint(GetCursorPos()) != H.Handle()) return;
  const TPoint at = H.ScreenToClient(GetCursorPos());
  int c = -1, r = -1;
  H.MouseToCell(at.X, at.Y, c, r);
  if (!H.ClientRect().Contains(at) || c < H.FixedCols() || r < H.FixedRows() || c < 0 || r < 0) return;
  if (H.CanFocus() && !H.Focused()) H.SetFocus();
  if (H.Row() != r) H.SetRow(r);
  if (H.Col() != c) H.SetCol(c);
}

// Every visible cell, fixed ones included, whose text blinks.
void TGridPointer::BlinkTick() {
  if (!EnableBlink) return;
  BlinkOn = !BlinkOn;
  const int lastCol = std::min(H.ColCount() - 1, H.LeftCol() + H.VisibleColCount());
  const int lastRow = std::min(H.RowCount() - 1, H.TopRow() + H.VisibleRowCount());
  auto blinks = [this](int c, int r) {
    return MarkupUpper(H.Cells(H.RealColIndex(c), r)).find("<BLI") != std::string::npos;
  };
  auto visit = [&](int c0, int c1, int r0, int r1) {
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c)
        if (blinks(c, r)) H.RepaintCell(c, r);
  };
  visit(H.LeftCol(), lastCol, H.TopRow(), lastRow);
  visit(H.LeftCol(), lastCol, 0, H.FixedRows() - 1);
  visit(0, H.FixedCols() - 1, H.TopRow(), lastRow);
}

// --- The grid's members of the wheel and the zoom.

void TExtStringGrid::WMMouseWheel(TMessage& message) { FP->Pointer->MouseWheel(message); }

void TExtStringGrid::Zoom(int x) { FP->Pointer->Zoom(x); }

void TExtStringGrid::WMTimer(TMessage& message) { FP->Pointer->Timer(message); }

bool TExtStringGrid::PanMessage(TMessage& Message) { return FP->Pointer->PanMessage(Message); }

void TExtStringGrid::DrawPanGlyph(TCanvas& ACanvas) { FP->Pointer->DrawPanGlyph(ACanvas); }

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

}  // namespace hd
