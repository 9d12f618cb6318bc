// The flat button of the grid's own surface (the search bar's find, highlight and close
// buttons): state glyphs, colour looks, groups of which one stays down, and an optional
// drop-down zone at its right edge.
#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/bitmap.h"
#include "platform/buttons.h"
#include "platform/controls.h"

namespace hd {

class TPopupMenu;

// Width of the drop-down zone at the right edge of a button with DropDownButton.
constexpr int kGridButtonDropDownWidth = 12;

// Steps bands from FromColor to ToColor (left to right when Horizontal, else top to bottom),
// each filled and outlined in its colour, then Rect framed in BorderColor unless that is
// clNone. Steps 0 counts as 1.
void DrawButtonGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                        const TRect& Rect, bool Horizontal);

class TExtGridButton : public TGraphicControl {
 public:
  explicit TExtGridButton(TComponent* AOwner);
  const char* ClassName() const override { return "TExtGridButton"; }

  // Setting Glyph derives GlyphDisabled when that is empty, and the shade when Shaded.
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& Value);
  const TBitmap& GlyphHot() const { return FGlyphHot; }
  void SetGlyphHot(const TBitmap& Value);
  const TBitmap& GlyphDown() const { return FGlyphDown; }
  void SetGlyphDown(const TBitmap& Value);
  const TBitmap& GlyphDisabled() const { return FGlyphDisabled; }
  void SetGlyphDisabled(const TBitmap& Value);
  // The glyph's silhouette drawn below a hot glyph.
  const TBitmap& GlyphShade() const { return FGlyphShade; }

  // Only a grouped or a tasCheck button can be down.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // Distance of glyph and caption from the edge on the glyph's side; -1 centres them. Values
  // below -1 are ignored.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  // Gap between glyph and caption; -1 spreads the free room.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TExtGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TExtGridButtonStyle Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  // Shown at the button's lower left when the drop-down zone is pressed; not owned.
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  // Follows the desktop's colour scheme with looks 1 to 4.
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  // A button that is not flat is drawn through the visual style.
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool Value);

  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { SetColorField(FColorTo, Value); }
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value) { SetColorField(FColorHot, Value); }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value) { SetColorField(FColorHotTo, Value); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value) { SetColorField(FColorDown, Value); }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value) { SetColorField(FColorDownTo, Value); }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value) { SetColorField(FColorChecked, Value); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value) { SetColorField(FColorCheckedTo, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { SetColorField(FBorderColor, Value); }
  TColor BorderDownColor() const { return FBorderDownColor; }
  void SetBorderDownColor(TColor Value) { SetColorField(FBorderDownColor, Value); }
  TColor BorderHotColor() const { return FBorderHotColor; }
  void SetBorderHotColor(TColor Value) { SetColorField(FBorderHotColor, Value); }

  // Applies one of the seven colour looks 0..6; other values do nothing.
  int Look() const { return FLook; }
  void SetLook(int Value);

  // The face the button shows: up, disabled, down (pressed) or exclusive (held down).
  TButtonState State() const { return FState; }
  // The mouse is over the button.
  bool Hot() const { return FMouseInControl; }
  // Where the glyph and the caption stand, for the current state and size.
  struct TFaceLayout {
    TRect Glyph;
    TRect Caption;
  };
  TFaceLayout FaceLayout() const;

  TNotifyEvent OnDropDown;

  void Dispatch(TMessage& Message) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void SetColorField(TColor& Field, TColor Value);
  void NormaliseState();
  void UpdateExclusive();
  void ButtonPressed(int Group, TExtGridButton* Sender);
  void UpdateTracking(TPoint At);
  void ThemeAdapt();
  void MakeShade();
  void PaintFace(TCanvas& C, TRect& R, bool HotFace);
  void PaintGlyphAndCaption(TCanvas& C, bool HotFace);
  const TBitmap& ShownGlyph(bool HotFace, bool Pressed) const;
  TSize CaptionSize() const;

  int FGroupIndex = 0;
  TBitmap FGlyph;
  bool FDown = false;
  bool FDragging = false;
  bool FAllowAllUp = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FSpacing = 4;
  bool FTransparent = true;
  int FMargin = -1;
  bool FFlat = true;
  bool FMouseInControl = false;
  TColor FColorTo = clNone;
  TColor FColorHot = 0xCAC7C7;
  TColor FColorHotTo = clNone;
  TColor FColorDown = 0xD8D3D2;
  TColor FColorDownTo = clNone;
  TColor FBorderColor = clNone;
  TColor FBorderDownColor = clNone;
  TColor FBorderHotColor = clNone;
  TBitmap FGlyphDisabled;
  TBitmap FGlyphHot;
  TBitmap FGlyphDown;
  TBitmap FGlyphShade;
  bool FShaded = true;
  TColor FColorChecked = 0x808080;
  TColor FColorCheckedTo = clNone;
  TExtGridButtonStyle FStyle = tasButton;
  int FLook = 0;
  bool FRounded = false;
  bool FDropDownButton = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  TPopupMenu* FDropDownMenu = nullptr;
  bool FShowCaption = true;
  TButtonState FState = bsUp;
};

// The visual style is on and the common controls draw with it.
bool IsThemedCommonControls();
// The running style's colour scheme: 1 "NormalColor", 2 "HomeStead", 3 "Metallic", 0 any
// other or no style.
int CurrentThemeScheme();

}  // namespace hd
