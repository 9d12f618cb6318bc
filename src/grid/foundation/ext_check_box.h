// The check box of the grid's own surface (the search bar's match-case box): a themed or
// classic box, its caption with an optional ellipsis, a transparent background kept in a
// cache, and Space, mouse and accelerator toggling.
#pragma once

#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/controls.h"
#include "platform/std_ctrls.h"

namespace hd {

class TExtCheckBox : public TCustomControl {
 public:
  explicit TExtCheckBox(TComponent* AOwner);
  ~TExtCheckBox() override;
  const char* ClassName() const override { return "TExtCheckBox"; }

  // True exactly when the state is checked; writing sets checked or unchecked.
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  // The box at the left (taLeftJustify, caption right of it) or at the right.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
  void SetButtonVertAlign(TTextLayout Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // Enter moves on to the next control, as Tab does.
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  // The parent's picture shows behind the box and the caption.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The parent's picture is taken once and kept until the size or the transparency changes.
  bool TransparentChaching() const { return FTransparentCaching; }
  void SetTransparentChaching(bool Value);
  // The box is shown pressed.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool Hot() const { return FHot; }

  // Unless ReadOnly, Checked := not Checked.
  virtual void Toggle();

  // Where the box stands in the client area.
  TRect BoxRect() const;
  // The themed state index of the box: 1-4 unchecked, 5-8 checked, 9-12 grayed, each normal,
  // hot, pressed, disabled.
  int ThemeStateIndex() const;

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;
  void BoundsChanged(int OldClientWidth, int OldClientHeight) override;

 private:
  void InvalidateBox();
  void PaintBackground(TCanvas& C);

  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FFocused = false;
  bool FReturnIsTab = false;
  TTextLayout FBtnVAlign = tlTop;
  TAlignment FAlignment = taLeftJustify;
  bool FEllipsis = false;
  bool FIsWinXP = false;
  bool FHot = false;
  bool FReadOnly = false;
  bool FMouseDown = false;
  std::unique_ptr<TBitmap> FBkgBmp;
  bool FBkgCache = false;
  bool FTransparentCaching = false;
  bool FTransparent = false;
};

}  // namespace hd
