#include "grid/stringgrid/dropdown_appearance.h"

#include <cmath>

namespace hd {

void TAppearanceButton::ButtonsChanged() {
  auto* buttons = dynamic_cast<TAppearanceButtons*>(Collection());
  if (buttons && buttons->OnChange) buttons->OnChange(buttons);
}

void TAppearanceButton::SetCaption(const std::string& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  ButtonsChanged();
}

void TAppearanceButton::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  ButtonsChanged();
}

void TAppearanceButton::SetWidth(int Value) {
  if (FWidth == Value) return;
  FWidth = Value;
  ButtonsChanged();
}

void TAppearanceButton::AssignButton(const TAppearanceButton& Source) {
  FCaption = Source.FCaption;
  FImageIndex = Source.FImageIndex;
  FEnabled = Source.FEnabled;
  FWidth = Source.FWidth;
  FHeight = Source.FHeight;
}

void THeaderButton::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const THeaderButton*>(Source)) {
    AssignButton(*b);
    return;
  }
  TAppearanceButton::Assign(Source);
}

void TFooterButton::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const TFooterButton*>(Source)) {
    AssignButton(*b);
    FModalResult = b->FModalResult;
    return;
  }
  TAppearanceButton::Assign(Source);
}

void TStripAppearance::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (OnChange) OnChange(this);
}

void TStripAppearance::ButtonsChanged() {
  if (OnButtonsChanged) OnButtonsChanged(this);
}

void TStripAppearance::AssignStrip(const TStripAppearance& Source) {
  FColorTo = Source.FColorTo;
  FColor = Source.FColor;
  FBorderColor = Source.FBorderColor;
  FCaption = Source.FCaption;
  FFont = Source.FFont;
  FImageIndex = Source.FImageIndex;
  FBorderWidth = Source.FBorderWidth;
  FGradientDirection = Source.FGradientDirection;
  FHeight = Source.FHeight;
  SetVisible(Source.FVisible);
  FButtonAlignment = Source.FButtonAlignment;
}

void TStripAppearance::AssignStripColors(const TStripAppearance& Source) {
  FColorTo = Source.FColorTo;
  FColor = Source.FColor;
  FBorderColor = Source.FBorderColor;
  FFont = Source.FFont;
  FGradientDirection = Source.FGradientDirection;
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner) : TStripAppearance(AOwner), FButtons(AOwner) {
  Font().Name = "Tahoma";
  FButtons.OnChange = [this](TObject*) { ButtonsChanged(); };
}

void THeaderAppearance::Assign(const TPersistent* Source) {
  auto* a = dynamic_cast<const THeaderAppearance*>(Source);
  if (!a || a == this) return;
  AssignStrip(*a);
  FButtons.Assign(&a->FButtons);
}

void THeaderAppearance::AssignColors(const TPersistent* Source) {
  if (auto* a = dynamic_cast<const THeaderAppearance*>(Source)) AssignStripColors(*a);
}

TFooterAppearance::TFooterAppearance(TPersistent* AOwner) : TStripAppearance(AOwner), FButtons(AOwner) {
  FButtons.OnChange = [this](TObject*) { ButtonsChanged(); };
}

void TFooterAppearance::Assign(const TPersistent* Source) {
  auto* a = dynamic_cast<const TFooterAppearance*>(Source);
  if (!a || a == this) return;
  AssignStrip(*a);
  FButtons.Assign(&a->FButtons);
  FSizeGrip = a->FSizeGrip;
}

void TFooterAppearance::AssignColors(const TPersistent* Source) {
  if (auto* a = dynamic_cast<const TFooterAppearance*>(Source)) AssignStripColors(*a);
}

// The checked colours are the hot ones with red and green at 90 %, halves to even, as the
// colour scaling of the popups' drawing gives them.
namespace {
TColor CheckedFromHot(TColor c) {
  auto scale = [](int channel) { return static_cast<int>(std::nearbyint(0.9 * channel)); };
  return RGB(scale(GetRValue(c)), scale(GetGValue(c)), GetBValue(c));
}
}  // namespace

TExtButtonAppearance::TExtButtonAppearance()
    : FColorCheckedTo(CheckedFromHot(0xF9D2B2)), FColorChecked(CheckedFromHot(0xF5F0E1)) {
  FFont.Name = "Tahoma";
}

void TExtButtonAppearance::Store(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TExtButtonAppearance::SetGradient(TGradientDirection Value) {
  if (FGradient == Value) return;
  FGradient = Value;
  if (OnChange) OnChange(this);
}

void TExtButtonAppearance::Assign(const TPersistent* Source) {
  auto* a = dynamic_cast<const TExtButtonAppearance*>(Source);
  if (!a) {
    TPersistent::Assign(Source);
    return;
  }
  SetBorderColor(a->FBorderColor);
  SetBorderColorHot(a->FBorderColorHot);
  SetBorderColorDown(a->FBorderColorDown);
  SetBorderColorDisabled(a->FBorderColorDisabled);
  SetBorderColorChecked(a->FBorderColorChecked);
  SetColor(a->FColor);
  SetColorTo(a->FColorTo);
  SetColorDown(a->FColorDown);
  SetColorDownTo(a->FColorDownTo);
  SetColorHot(a->FColorHot);
  SetColorHotTo(a->FColorHotTo);
  SetColorChecked(a->FColorChecked);
  SetColorCheckedTo(a->FColorCheckedTo);
  SetColorDisabled(a->FColorDisabled);
  SetColorDisabledTo(a->FColorDisabledTo);
  SetGradient(a->FGradient);
}

}  // namespace hd
