// The slider: a thumb moved along a channel between Min and Max, by the mouse, the keys or
// code, with tick marks every Frequency positions. It paints itself on the control's window.
#pragma once

#include "platform/controls.h"

namespace hd {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto };

class TTrackBar : public TCustomControl {
 public:
  explicit TTrackBar(TComponent* AOwner);
  const char* ClassName() const override { return "TTrackBar"; }

  // The range keeps Min <= Max: a Min above Max, or a Max below Min, is refused and the old
  // value stays. A position outside the range is taken to its nearest end, also when the
  // range shrinks under it.
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  // The step of Page Up/Down and of a click on the channel (at least 1 is used).
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value) { FPageSize = Value; }
  // The step of the arrow keys (at least 1 is used).
  int LineSize() const { return FLineSize; }
  void SetLineSize(int Value) { FLineSize = Value; }
  // Tick spacing in positions; below 1 draws only the two ends.
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);

  // Where the thumb stands (client coordinates), and the position a point on the channel means.
  TRect ThumbRect() const;
  TRect ChannelRect() const;
  int PositionAt(int X, int Y) const;

  // Fired whenever the position changes, by the user or by code.
  TNotifyEvent OnChange;

  void Dispatch(TMessage& m) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  virtual void Changed();

 private:
  void Move(int Value);
  int Length() const;

  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FPageSize = 2;
  int FLineSize = 1;
  int FFrequency = 1;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
  bool FDragging = false;
  int FDragOffset = 0;
};

}  // namespace hd
