#include "grid/stringgrid/look_objects.h"

namespace hd {

namespace {

bool IsMirrorColor(TFixedGradientColor Which) {
  switch (Which) {
    case fgMirrorFrom:
    case fgMirrorTo:
    case fgHoverMirrorFrom:
    case fgHoverMirrorTo:
    case fgDownMirrorFrom:
    case fgDownMirrorTo:
      return true;
    default:
      return false;
  }
}

}  // namespace

TControlLook::TControlLook(TGridSettingsHost* Grid) : FGrid(Grid), FDropDownHeader(this), FDropDownFooter(this) {
  FFixedGradient.fill(clNone);
  FFixedGradient[fgHoverFrom] = clGray;
  FFixedGradient[fgHoverTo] = clWhite;
  FFixedGradient[fgHoverBorder] = clSilver;
  FFixedGradient[fgDownFrom] = clGray;
  FFixedGradient[fgDownTo] = clSilver;
  FFixedGradient[fgDownBorder] = clGray;
  // These four reach the grid too, so that its hover and down mirrors start unset.
  SetFixedGradient(fgHoverMirrorFrom, clNone);
  SetFixedGradient(fgHoverMirrorTo, clNone);
  SetFixedGradient(fgDownMirrorFrom, clNone);
  SetFixedGradient(fgDownMirrorTo, clNone);
}

void TControlLook::ResetColors() {
  TControlLook defaults(nullptr);
  FColor = defaults.FColor;
  FCommentColor = defaults.FCommentColor;
  FProgressBorderColor = defaults.FProgressBorderColor;
  FFixedGradient = defaults.FFixedGradient;
}

void TControlLook::SetFixedGradient(TFixedGradientColor Which, TColor Value) {
  FFixedGradient[Which] = Value;
  if (FGrid && (Value != clNone || IsMirrorColor(Which))) FGrid->SetDAZGradientColor(Which, Value);
}

void TControlLook::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TControlLook*>(Source);
  if (!s || s == this) return;
  FCheckSize = s->FCheckSize;
  FRadioSize = s->FRadioSize;
  FCheckedGlyph = s->FCheckedGlyph;
  FUnCheckedGlyph = s->FUnCheckedGlyph;
  FRadioOnGlyph = s->FRadioOnGlyph;
  FRadioOffGlyph = s->FRadioOffGlyph;
  FControlStyle = s->FControlStyle;
  FColor = s->FColor;
  FCommentColor = s->FCommentColor;
  FFlatButton = s->FFlatButton;
  FNoDisabledCheckRadioLook = s->FNoDisabledCheckRadioLook;
  FNoDisabledButtonLook = s->FNoDisabledButtonLook;
  FCheckAlwaysActive = s->FCheckAlwaysActive;
  FRadioAlwaysActive = s->FRadioAlwaysActive;
  FDropDownAlwaysVisible = s->FDropDownAlwaysVisible;
  FSpinButtonsAlwaysVisible = s->FSpinButtonsAlwaysVisible;
  FFixedDropDownButton = s->FFixedDropDownButton;
  FDropDownCount = s->FDropDownCount;
  FDropDownHeader.Assign(&s->FDropDownHeader);
  FDropDownFooter.Assign(&s->FDropDownFooter);
  FProgressXP = s->FProgressXP;
  FProgressBorderColor = s->FProgressBorderColor;
  FProgressMarginX = s->FProgressMarginX;
  FProgressMarginY = s->FProgressMarginY;
  FHintMaxWidth = s->FHintMaxWidth;
  FFixedGradient = s->FFixedGradient;
}

void TBackGround::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TBackGround*>(Source);
  if (!s || s == this) return;
  FBitmap = s->FBitmap;
  FTop = s->FTop;
  FLeft = s->FLeft;
  FDisplay = s->FDisplay;
  FCells = s->FCells;
  FColor = s->FColor;
  FColorTo = s->FColorTo;
}

void TGridProgressAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TGridProgressAppearance*>(Source);
  if (!s) return;
  FCompleteColor = s->FCompleteColor;
  FCompleteFontColor = s->FCompleteFontColor;
  FUnCompleteColor = s->FUnCompleteColor;
  FUnCompleteFontColor = s->FUnCompleteFontColor;
  FLevel0Color = s->FLevel0Color;
  FLevel0ColorTo = s->FLevel0ColorTo;
  FLevel1Color = s->FLevel1Color;
  FLevel1ColorTo = s->FLevel1ColorTo;
  FLevel2Color = s->FLevel2Color;
  FLevel2ColorTo = s->FLevel2ColorTo;
  FLevel3Color = s->FLevel3Color;
  FLevel3ColorTo = s->FLevel3ColorTo;
  FLevel1Perc = s->FLevel1Perc;
  FLevel2Perc = s->FLevel2Perc;
  FBorderColor = s->FBorderColor;
  FShowBorder = s->FShowBorder;
  FStacked = s->FStacked;
  FShowPercentage = s->FShowPercentage;
  FCompletionSmooth = s->FCompletionSmooth;
  FShowGradient = s->FShowGradient;
  FSteps = s->FSteps;
  FStyle = s->FStyle;
  Changed();
}

}  // namespace hd
