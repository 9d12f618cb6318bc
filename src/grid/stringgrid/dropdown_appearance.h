// The appearance of the header and footer strips of a drop-down edit's popup: colours, border,
// caption, image and a collection of button descriptions. The drop-down edits and the grid's
// control look each keep a header and a footer appearance of their own.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "platform/classes.h"
#include "platform/component.h"
#include "platform/forms.h"

namespace hd {

enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

// One button of a strip. Width or height 0 lets the content set the size. A new caption,
// enabled state or width is reported to the collection's OnChange; the others are stored.
class TAppearanceButton : public TCollectionItem {
 public:
  explicit TAppearanceButton(TCollection* Collection) : TCollectionItem(Collection) {}
  const char* ClassName() const override { return "TAppearanceButton"; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }

 protected:
  void AssignButton(const TAppearanceButton& Source);

 private:
  void ButtonsChanged();

  std::string FCaption;
  int FImageIndex = -1;
  bool FEnabled = true;
  int FHeight = 0;
  int FWidth = 0;
};

class THeaderButton : public TAppearanceButton {
 public:
  explicit THeaderButton(TCollection* Collection) : TAppearanceButton(Collection) {}
  const char* ClassName() const override { return "THeaderButton"; }
  void Assign(const TPersistent* Source) override;
};

class TFooterButton : public TAppearanceButton {
 public:
  explicit TFooterButton(TCollection* Collection) : TAppearanceButton(Collection) {}
  const char* ClassName() const override { return "TFooterButton"; }
  // The popup closes with this result when the button is clicked (0: it stays open).
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  void Assign(const TPersistent* Source) override;

 private:
  TModalResult FModalResult = mrNone;
};

// The buttons of one strip; OnChange hears the changes its buttons report.
class TAppearanceButtons : public TCollection {
 public:
  TAppearanceButtons(TPersistent* Owner, TItemClass ItemClass) : TCollection(std::move(ItemClass)), FMyOwner(Owner) {}
  const char* ClassName() const override { return "TAppearanceButtons"; }
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override { return FMyOwner; }

 private:
  TPersistent* FMyOwner;
};

class THeaderButtons : public TAppearanceButtons {
 public:
  explicit THeaderButtons(TPersistent* Owner) : TAppearanceButtons(Owner, ItemClassOf<THeaderButton>()) {}
  const char* ClassName() const override { return "THeaderButtons"; }
  THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
  THeaderButton* Insert(int Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
  THeaderButton* Items(int Index) const { return static_cast<THeaderButton*>(TCollection::Items(Index)); }
};

class TFooterButtons : public TAppearanceButtons {
 public:
  explicit TFooterButtons(TPersistent* Owner) : TAppearanceButtons(Owner, ItemClassOf<TFooterButton>()) {}
  const char* ClassName() const override { return "TFooterButtons"; }
  TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
  TFooterButton* Insert(int Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
  TFooterButton* Items(int Index) const { return static_cast<TFooterButton*>(TCollection::Items(Index)); }
};

// What header and footer appearances share. OnChange fires when Visible changes,
// OnButtonsChanged when a button reports a change; every other setter only stores.
class TStripAppearance : public TPersistent {
 public:
  TStripAppearance(const TStripAppearance&) = delete;
  TStripAppearance& operator=(const TStripAppearance&) = delete;
  const char* ClassName() const override { return "TStripAppearance"; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { FBorderWidth = Value; }
  // Index into the drop-down's images; -1 shows none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  // Markup text.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  // clNone gives a solid background in Color.
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { FColorTo = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  // clNone draws no border.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value) { FFont = Value; }
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
  TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
  void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnButtonsChanged;

 protected:
  explicit TStripAppearance(TPersistent* AOwner) : FOwner(AOwner) {}
  TPersistent* GetOwner() const override { return FOwner; }
  // The copies of Assign (all but the buttons) and AssignColors between appearances of one kind.
  void AssignStrip(const TStripAppearance& Source);
  // Tells OnButtonsChanged; the collection of a derived appearance calls it.
  void ButtonsChanged();
  void AssignStripColors(const TStripAppearance& Source);

 private:
  TPersistent* FOwner;
  bool FVisible = true;
  int FHeight = 22;
  int FBorderWidth = 1;
  int FImageIndex = -1;
  std::string FCaption;
  TColor FColorTo = clWhite;
  TColor FColor = clSilver;
  TColor FBorderColor = clBlack;
  TFont FFont;
  TGradientDirection FGradientDirection = gdVertical;
  TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TStripAppearance {
 public:
  explicit THeaderAppearance(TPersistent* AOwner);
  const char* ClassName() const override { return "THeaderAppearance"; }
  THeaderButtons& Buttons() { return FButtons; }
  const THeaderButtons& Buttons() const { return FButtons; }
  void SetButtons(const THeaderButtons& Value) { FButtons.Assign(&Value); }
  // From another header appearance; any other source changes nothing.
  void Assign(const TPersistent* Source) override;
  // Only the colours, font and gradient direction, without notification.
  void AssignColors(const TPersistent* Source);

 private:
  THeaderButtons FButtons;
};

class TFooterAppearance : public TStripAppearance {
 public:
  explicit TFooterAppearance(TPersistent* AOwner);
  const char* ClassName() const override { return "TFooterAppearance"; }
  // The footer offers a grip that resizes the popup.
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value) { FSizeGrip = Value; }
  TFooterButtons& Buttons() { return FButtons; }
  const TFooterButtons& Buttons() const { return FButtons; }
  void SetButtons(const TFooterButtons& Value) { FButtons.Assign(&Value); }
  void Assign(const TPersistent* Source) override;
  void AssignColors(const TPersistent* Source);

 private:
  bool FSizeGrip = true;
  TFooterButtons FButtons;
};

// The colours of the push buttons a popup's header and footer draw, in each state. A colour
// or Gradient change fires OnChange; the font is only stored.
class TExtButtonAppearance : public TPersistent {
 public:
  TExtButtonAppearance();
  const char* ClassName() const override { return "TExtButtonAppearance"; }

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
  TColor BorderColorHot() const { return FBorderColorHot; }
  void SetBorderColorHot(TColor Value) { Store(FBorderColorHot, Value); }
  TColor BorderColorDown() const { return FBorderColorDown; }
  void SetBorderColorDown(TColor Value) { Store(FBorderColorDown, Value); }
  TColor BorderColorDisabled() const { return FBorderColorDisabled; }
  void SetBorderColorDisabled(TColor Value) { Store(FBorderColorDisabled, Value); }
  TColor BorderColorChecked() const { return FBorderColorChecked; }
  void SetBorderColorChecked(TColor Value) { Store(FBorderColorChecked, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { Store(FColorTo, Value); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value) { Store(FColorDown, Value); }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value) { Store(FColorDownTo, Value); }
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value) { Store(FColorHot, Value); }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value) { Store(FColorHotTo, Value); }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value) { Store(FColorChecked, Value); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value) { Store(FColorCheckedTo, Value); }
  TColor ColorDisabled() const { return FColorDisabled; }
  void SetColorDisabled(TColor Value) { Store(FColorDisabled, Value); }
  TColor ColorDisabledTo() const { return FColorDisabledTo; }
  void SetColorDisabledTo(TColor Value) { Store(FColorDisabledTo, Value); }
  TGradientDirection Gradient() const { return FGradient; }
  void SetGradient(TGradientDirection Value);
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value) { FFont = Value; }
  // From another button appearance the colours and gradient, through the setters.
  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  void Store(TColor& Field, TColor Value);

  TColor FBorderColor = clNone;
  TColor FBorderColorHot = 0x808080;
  TColor FBorderColorDown = 0x800000;
  TColor FBorderColorDisabled = 0x808080;
  TColor FBorderColorChecked = 0xFF0000;
  TColor FColor = clNone;
  TColor FColorTo = clNone;
  TColor FColorDown = 0xF5D8CA;
  TColor FColorDownTo = 0xF9BDA0;
  TColor FColorHot = 0xF5F0E1;
  TColor FColorHotTo = 0xF9D2B2;
  TColor FColorCheckedTo;
  TColor FColorDisabled = 0xF2F2F2;
  TColor FColorDisabledTo = clNone;
  TColor FColorChecked;
  TGradientDirection FGradient = gdVertical;
  TFont FFont;
};

}  // namespace hd
