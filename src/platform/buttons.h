// The speed button: a graphic control with a glyph strip and a caption that works alone or
// as one of a group of which one stays down.
#pragma once

#include <memory>

#include "platform/bitmap.h"
#include "platform/controls.h"

namespace hd {

// The faces of the glyph strip, in the strip's order.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using TNumGlyphs = int;  // 1 to 4

// Sent to the buttons of the parent when one of a group goes down: WParam the group,
// LParam the button.
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 40;

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;
  const char* ClassName() const override { return "TSpeedButton"; }

  // A strip of NumGlyphs faces side by side (up, disabled, down, exclusive); its bottom-left
  // pixel is the colour drawn transparent. A face the strip lacks is drawn with the up face.
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& Value);
  TNumGlyphs NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(TNumGlyphs Value);
  // Buttons of one parent with the same non-zero index form a group: one of them is down at
  // a time, and with AllowAllUp none need be.
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int Value);
  bool Down() const { return down_; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool Value);
  // A flat button shows its edge only while the mouse is over it.
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  // Pixels from the edge to the glyph; -1 centres glyph and caption together.
  int Margin() const { return margin_; }
  void SetMargin(int Value);
  // Pixels between glyph and caption; -1 spreads them evenly.
  int Spacing() const { return spacing_; }
  void SetSpacing(int Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);

  // The face shown now.
  TButtonState State() const { return state_; }
  // The mouse is over an enabled flat button.
  bool Hot() const { return MouseInControl() && Enabled(); }
  // Where the glyph and the caption stand in the client area.
  struct TFaceLayout {
    TRect Glyph;
    TRect Caption;
  };
  TFaceLayout FaceLayout() const;

  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  TButtonState ShownState() const;

 private:
  void UpdateExclusive();
  void Changed() { Invalidate(); }
  int GlyphWidth() const;

  TBitmap glyph_;
  TNumGlyphs num_glyphs_ = 1;
  int group_index_ = 0;
  bool down_ = false;
  bool allow_all_up_ = false;
  bool flat_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool transparent_ = true;
  TButtonState state_ = bsUp;
  bool dragging_ = false;
};

}  // namespace hd
