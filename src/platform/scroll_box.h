// A windowed control that scrolls its children: its bars take their ranges from how far the
// children reach, and moving a bar moves the children. The bars are the window's own (their
// width is GetSystemMetrics(SM_CXVSCROLL)).
#pragma once

#include "platform/controls.h"

namespace hd {

class TScrollingWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };

// One bar of a scrolling control.
class TControlScrollBar {
 public:
  TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind) : FControl(Control), FKind(Kind) {}
  TScrollBarKind Kind() const { return FKind; }
  // How far the content reaches (pixels); the bar shows when it exceeds the client size.
  int Range() const { return FRange; }
  // The scrolled distance; kept within 0 .. Range - client size.
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  // Room kept around a control brought into view.
  int Margin() const { return FMargin; }
  void SetMargin(int Value) { FMargin = Value; }
  // Pixels of one line step.
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  // The content follows the thumb while it is dragged (else only when it is let go).
  bool Tracking() const { return FTracking; }
  void SetTracking(bool Value) { FTracking = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool IsScrollBarVisible() const;
  // The client size along the bar.
  int ControlSize() const;

 private:
  friend class TScrollingWinControl;
  void Scroll(unsigned Code, int TrackPos);

  TScrollingWinControl* FControl;
  TScrollBarKind FKind;
  int FRange = 0;
  int FPosition = 0;
  int FMargin = 0;
  int FIncrement = 8;
  bool FTracking = false;
  bool FVisible = true;
};

// It has a window of its own, drawn by itself: its children and its bars need one to show in.
class TScrollingWinControl : public TWinControl, public TOwnDrawing {
 public:
  explicit TScrollingWinControl(TComponent* AOwner);
  const char* ClassName() const override { return "TScrollingWinControl"; }

  TControlScrollBar& HorzScrollBar() { return FHorz; }
  TControlScrollBar& VertScrollBar() { return FVert; }
  const TControlScrollBar& HorzScrollBar() const { return FHorz; }
  const TControlScrollBar& VertScrollBar() const { return FVert; }
  // With AutoScroll the ranges follow the children; without it the bars stay hidden.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  // Takes the ranges from the children again (after a child changed its size).
  void UpdateScrollBars();
  // Scrolls so that the control (a child) lies in view with the bars' margins around it.
  void ScrollInView(TControl* AControl);

  void Dispatch(TMessage& m) override;

 protected:
  void AlignControls(TRect& rect) override;
  TNativeWindow* CreateNativeWindow() override;
  void NonClientChanged() override;

 private:
  friend class TControlScrollBar;
  void ScrollContent(int DeltaX, int DeltaY);
  void ApplyBar(TControlScrollBar& Bar);

  TControlScrollBar FHorz{this, sbHorizontal};
  TControlScrollBar FVert{this, sbVertical};
  bool FAutoScroll = true;
  bool FUpdating = false;
};

class TScrollBox : public TScrollingWinControl {
 public:
  explicit TScrollBox(TComponent* AOwner);
  const char* ClassName() const override { return "TScrollBox"; }
};

}  // namespace hd
