// The thin scroll indicator a grid shows instead of its scroll bars in the ssMetro look: a
// bar for the visible part of the rows (or columns) over a transparent track; a press beside
// the bar pages, a drag on it scrolls.
#pragma once

#include "platform/controls.h"

namespace hd {

class TExtStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

// One axis of the grid as the indicator sees it. Lines are rows (columns for horizontal).
struct TScrollAxis {
  int Length = 0;       // the control's height (width)
  int TrackStart = 0;   // the fixed lines before the scrolled ones
  int TrackLength = 0;  // the length the bar moves over
  int Count = 0;        // all lines
  int Fixed = 0;        // fixed lines at the start
  int Visible = 0;      // scrolled lines shown whole
  int First = 0;        // the first scrolled line shown
  int FirstLineSize = 0;  // the size of line 0
};

// Where the bar stands; no bar when nothing can scroll or the axis has no scrolled lines.
struct TScrollBarPlace {
  bool Shown = false;
  int Pos = 0;
  int Size = 0;
};

class TScrollControl : public TCustomControl {
 public:
  explicit TScrollControl(TComponent* AOwner);
  const char* ClassName() const override { return "TScrollControl"; }

  // The bar's thickness, from the control's left (top) edge.
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  TScrollDirection Direction() const { return FDirection; }
  void SetDirection(TScrollDirection Value);
  // Color is the bar's colour; the track shows the grid behind it.

  // The grid this control scrolls: its parent, when that is a string grid.
  TExtStringGrid* Grid() const;
  TScrollAxis Axis() const;
  static TScrollBarPlace BarPlace(const TScrollAxis& Axis);
  // The first line a drag from PressPos, begun with FirstAtPress shown first, reaches at Pos;
  // -1 when the drag cannot move (the control is no longer than line 0).
  static int DragTarget(const TScrollAxis& Axis, int PressPos, int FirstAtPress, int Pos);
  bool Dragging() const { return FDownOnScroller; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  int AlongAxis(int X, int Y) const { return FDirection == sdVertical ? Y : X; }
  void ScrollTo(int First);

  int FScrollWidth = 4;
  TScrollDirection FDirection = sdVertical;
  bool FDownOnScroller = false;
  int FDownPos = 0;
  int FDownRow = 0;
};

}  // namespace hd
