// The owner-drawn push button of every window: a face that glows toward a hot-track colour
// while the mouse is over it, light and shadow edges, a glyph from a strip of images, and a
// click that sets the form's modal result like a dialog button.
#pragma once

#include <memory>
#include <string>

#include "app/button_face.h"
#include "platform/bitmap.h"
#include "platform/controls.h"
#include "platform/forms.h"

namespace hd {

class TTimer;

class TLbButton : public TCustomControl {
 public:
  explicit TLbButton(TComponent* owner);
  ~TLbButton() override;
  const char* ClassName() const override { return "TLbButton"; }

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  // Always lcsCustom: a preset only fills in the colours.
  TLbColorStyle ColorStyle() const { return FDummyStyle; }
  void SetColorStyle(TLbColorStyle v);
  TColor ColorWhenDown() const { return FColorWhenDown; }
  void SetColorWhenDown(TColor v) { FColorWhenDown = v; }
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { FDefault = v; }
  void SetEnabled(bool v) override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  // The strip of glyph images; changing it in place leaves NumGlyphs alone.
  TBitmap& Glyph() { return FGlyph; }
  const TBitmap& Glyph() const { return FGlyph; }
  // Copies the bitmap (none empties the glyph) and counts its square images.
  void SetGlyph(const TBitmap* v);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor v) { FHotTrackColor = v; }
  const TFont& HotTrackFont() const { return FHTFont; }
  void SetHotTrackFont(const TFont& v) { FHTFont = v; }
  TLbButtonKind Kind() const { return FKind; }
  void SetKind(TLbButtonKind v);
  TLbButtonLayout Layout() const { return FLayout; }
  void SetLayout(TLbButtonLayout v);
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor v);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor v);
  bool SlowDecease() const { return FSlowDecease; }
  void SetSlowDecease(bool v);
  TLbButtonStyle Style() const { return FStyle; }
  void SetStyle(TLbButtonStyle v);
  bool UseHotTrackFont() const { return FUseHTFont; }
  void SetUseHotTrackFont(bool v) { FUseHTFont = v; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  void SetText(const std::string& text) override;

  // Fade step 0 to 8: 8 while the mouse is over the button, 0 when no hot-track colour shows.
  int HotTrackStep() const { return FHotTrackStep; }
  // Pressed by mouse or key and not yet released.
  bool Down() const { return bDown; }

  void Click() override;

  // The button's own enter and exit events, fired only while it is enabled, visible and its
  // parent showing; they stand in for the control's mouse events.
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;

 private:
  TButtonFace FaceParams(bool hot) const;
  void DoButtonClick();
  void MakeFadeTimer();
  void FadeStep();
  void EndFade();
  bool ParentShowing() const;
  void MouseEnter();
  void MouseLeave();
  bool DialogKey(TMessage& m);
  bool DialogChar(TMessage& m);

  TAlignment FAlignment = taCenter;
  TColor FShadowColor = clGray;
  TColor FColorWhenDown = clNone;
  bool FEnabled = true;
  bool FFlat = false;
  bool FWordWrap = false;
  TBitmap FGlyph;
  TColor FHotTrackColor = clNone;
  TFont FHTFont;
  TLbButtonKind FKind = bkCustom;
  TLbButtonLayout FLayout = blGlyphLeft;
  TColor FLightColor = clWhite;
  TModalResult FModalResult = mrNone;
  int FNumGlyphs = 0;
  bool FUseHTFont = false;
  TLbColorStyle FDummyStyle = lcsCustom;
  TLbButtonStyle FStyle = bsNormal;
  bool FDefault = false;
  bool FCancel = false;
  bool FSlowDecease = false;
  bool bDown = false;
  bool bCursorOnButton = false;
  // The fade runs on the GUI thread's timer, one step every 30 ms.
  std::unique_ptr<TTimer> FFadeTimer;
  int FHotTrackStep = 0;
};

}  // namespace hd
