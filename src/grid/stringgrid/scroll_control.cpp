#include "grid/stringgrid/scroll_control.h"

#include <algorithm>
#include <cmath>

#include "grid/stringgrid/ext_string_grid.h"

namespace hd {
namespace {

// A bar is never shorter than this, however many lines there are.
constexpr int kMinBar = 20;

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {
  SetParentColor(false);
  SetColor(0xC0C0C0);
  SetTabStop(false);
}

void TScrollControl::SetScrollWidth(int Value) {
  if (FScrollWidth == Value) return;
  FScrollWidth = Value;
  Invalidate();
}

void TScrollControl::SetDirection(TScrollDirection Value) {
  if (FDirection == Value) return;
  FDirection = Value;
  Invalidate();
}

TExtStringGrid* TScrollControl::Grid() const { return dynamic_cast<TExtStringGrid*>(Parent()); }

TScrollAxis TScrollControl::Axis() const {
  TScrollAxis a;
  TExtStringGrid* g = Grid();
  if (!g) return a;
  if (FDirection == sdVertical) {
    a.Length = ClientHeight();
    a.Count = g->RowCount();
    a.Fixed = std::min(g->FixedRows(), a.Count);
    a.Visible = g->VisibleRowCount();
    a.First = g->TopRow();
    a.FirstLineSize = a.Count > 0 ? g->RowHeights(0) : 0;
    for (int r = 0; r < a.Fixed; ++r) a.TrackStart += g->RowHeights(r);
    int footers = 0;
    for (int r = std::max(a.Fixed, a.Count - g->FixedFooters()); r < a.Count; ++r) footers += g->RowHeights(r);
    a.TrackLength = a.Length - a.TrackStart - footers;
  } else {
    a.Length = ClientWidth();
    a.Count = g->ColCount();
    a.Fixed = std::min(g->FixedCols(), a.Count);
    a.Visible = g->VisibleColCount();
    a.First = g->LeftCol();
    a.FirstLineSize = a.Count > 0 ? g->ColWidths(0) : 0;
    for (int c = 0; c < a.Fixed; ++c) a.TrackStart += g->ColWidths(c);
    // The columns fixed at the right end the track, as the footer rows end the vertical one.
    int right = 0;
    for (int c = std::max(a.Fixed, a.Count - g->FixedRightCols()); c < a.Count; ++c) right += g->ColWidths(c);
    a.TrackLength = a.Length - a.TrackStart - right;
  }
  return a;
}

TScrollBarPlace TScrollControl::BarPlace(const TScrollAxis& a) {
  TScrollBarPlace p;
  // Nothing to scroll, or no scrolled lines to divide by.
  if (a.Count - a.Fixed <= a.Visible || a.Count <= 0) return p;
  const double sizeFraction = static_cast<double>(a.Visible) / a.Count;
  const double posFraction = static_cast<double>(a.First - a.Fixed) / (a.Count - a.Fixed);
  p.Shown = true;
  p.Pos = a.TrackStart + RoundHalfEven(a.TrackLength * posFraction);
  p.Size = std::max(kMinBar, RoundHalfEven(a.TrackLength * sizeFraction));
  if (p.Pos + p.Size > a.Length) p.Pos = a.Length - p.Size;
  return p;
}

int TScrollControl::DragTarget(const TScrollAxis& a, int PressPos, int FirstAtPress, int Pos) {
  const int span = a.Length - a.FirstLineSize;
  if (span <= 0) return -1;
  const int moved = RoundHalfEven(static_cast<double>(Pos - PressPos) / span * a.Count);
  return std::max(a.Fixed, std::min(moved + FirstAtPress, a.Count - a.Visible));
}

void TScrollControl::Paint() {
  TCanvas& c = Canvas();
  const TRect client = ClientRect();
  // The grid's picture behind the control, so that only the bar covers it.
  TExtStringGrid* g = Grid();
  const TBitmap* behind = g ? g->PaintedImage() : nullptr;
  if (behind && behind->Width() >= Left() + client.Width() && behind->Height() >= Top() + client.Height()) {
    c.CopyRect(client, const_cast<TBitmap*>(behind)->Canvas(), Bounds(Left(), Top(), client.Width(), client.Height()));
  } else {
    c.Brush().Style = bsSolid;
    c.Brush().Color = g ? g->Color() : clWindow;
    c.FillRect(client);
  }
  const TScrollBarPlace bar = BarPlace(Axis());
  if (!bar.Shown) return;
  c.Pen().Color = Color();
  c.Pen().Style = psSolid;
  c.Pen().Width = 1;
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  if (FDirection == sdVertical)
    c.Rectangle(Rect(0, bar.Pos, FScrollWidth, bar.Pos + bar.Size));
  else
    c.Rectangle(Rect(bar.Pos, 0, bar.Pos + bar.Size, FScrollWidth));
}

void TScrollControl::ScrollTo(int First) {
  TExtStringGrid* g = Grid();
  if (!g) return;
  if (FDirection == sdVertical)
    g->SetTopRow(First);
  else
    g->SetLeftCol(First);
  Invalidate();
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsWindow(self) || Button != mbLeft || !Grid()) return;
  const TScrollAxis a = Axis();
  const TScrollBarPlace bar = BarPlace(a);
  if (!bar.Shown) return;
  const int p = AlongAxis(X, Y);
  if (p < bar.Pos) {
    ScrollTo(std::max(a.Fixed, a.First - a.Visible));
  } else if (p > bar.Pos + bar.Size) {
    ScrollTo(std::min(a.First + a.Visible, a.Count - a.Visible));
  } else {
    FDownOnScroller = true;
    FDownPos = p;
    FDownRow = a.First;
  }
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FDownOnScroller || !Grid()) return;
  const TScrollAxis a = Axis();
  const int target = DragTarget(a, FDownPos, FDownRow, AlongAxis(X, Y));
  if (target >= 0 && target != a.First) ScrollTo(target);
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FDownOnScroller = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace hd
