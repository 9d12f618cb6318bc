// The calculator drop-down: a numeric edit whose popup is a keypad. Keypad buttons and typed
// characters run the four-function calculator (calculator_engine.h) on the edit's own text, so
// the result stays in the edit. The keypad is a panel of owner-drawn buttons that may also
// stand alone with buttons of its own.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/editors/dropdown/calculator_engine.h"
#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/dropdown/item_selector.h"
#include "platform/classes.h"
#include "platform/picture.h"

namespace hd {

class TImageList;
class TCustomButtonPanel;

enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

// One keypad button; its rectangle is set by the panel's layout.
class TButtonItem : public TCollectionItem {
 public:
  explicit TButtonItem(TCollection* Collection) : TCollectionItem(Collection) {}
  const char* ClassName() const override { return "TButtonItem"; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  // A disabled button is neither hot nor pressed and is never clicked.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // Drawn instead of the image-list image when not empty.
  const TPicture& Image() const { return FImage; }
  void SetImage(const TPicture& Value) { FImage.Assign(Value.Bitmap()); }
  // The calculator's action code.
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  // Kept for the stored settings; the caption's colour comes from the panel's appearance.
  TColor CaptionColor() const { return FCaptionColor; }
  void SetCaptionColor(TColor Value) { FCaptionColor = Value; }
  // A special button's caption is drawn in the appearance's SpecialTextColor.
  bool Special() const { return FSpecial; }
  void SetSpecial(bool Value) { FSpecial = Value; }
  TRect GetRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetRect(const TRect& R);
  // Everything but the geometry and Special.
  void Assign(const TPersistent* Source) override;

 private:
  std::string FCaption;
  int FImageIndex = -1;
  bool FEnabled = true;
  TPicture FImage;
  int FTag = 0;
  int FHeight = 0, FLeft = 0, FWidth = 0, FTop = 0;
  std::string FName;
  TColor FCaptionColor = 0xFFFFFF;
  bool FSpecial = false;
};

class TButtonItems : public TCollection {
 public:
  explicit TButtonItems(TPersistent* Owner) : TCollection(ItemClassOf<TButtonItem>()), FMyOwner(Owner) {}
  const char* ClassName() const override { return "TButtonItems"; }
  TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
  TButtonItem* Insert(int Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
  TButtonItem* Items(int Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }
  // Hooked by the panel; the collection never fires it itself.
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override { return FMyOwner; }

 private:
  TPersistent* FMyOwner;
};

// The keypad's colours and font. Only Font, TextColor and SpecialTextColor reach the drawing;
// the button faces are the theme's push buttons.
class TButtonAppearance : public TPersistent {
 public:
  TButtonAppearance();
  const char* ClassName() const override { return "TButtonAppearance"; }

#define HD_BUTTON_COLOUR(Name)                 \
  TColor Name() const { return F##Name; }      \
  void Set##Name(TColor Value) { SetColour(F##Name, Value); }
  HD_BUTTON_COLOUR(BorderColor)
  HD_BUTTON_COLOUR(BorderColorHot)
  HD_BUTTON_COLOUR(BorderColorDown)
  HD_BUTTON_COLOUR(BorderColorChecked)
  HD_BUTTON_COLOUR(Color)
  HD_BUTTON_COLOUR(ColorTo)
  HD_BUTTON_COLOUR(ColorDown)
  HD_BUTTON_COLOUR(ColorDownTo)
  HD_BUTTON_COLOUR(ColorHot)
  HD_BUTTON_COLOUR(ColorHotTo)
  HD_BUTTON_COLOUR(ColorCheckedTo)
  HD_BUTTON_COLOUR(ColorDisabled)
  HD_BUTTON_COLOUR(ColorDisabledTo)
  HD_BUTTON_COLOUR(ColorChecked)
  HD_BUTTON_COLOUR(TextColor)
  HD_BUTTON_COLOUR(SpecialTextColor)
#undef HD_BUTTON_COLOUR
  // Stored without a change notice.
  TColor ShineColor() const { return FShineColor; }
  void SetShineColor(TColor Value) { FShineColor = Value; }
  TColor GlowColorHot() const { return FGlowColorHot; }
  void SetGlowColorHot(TColor Value) { FGlowColorHot = Value; }
  TColor GlowColorDown() const { return FGlowColorDown; }
  void SetGlowColorDown(TColor Value) { FGlowColorDown = Value; }
  const TFont& Font() const { return FFont; }
  TFont& Font() { return FFont; }
  void SetFont(const TFont& Value) { FFont = Value; }

  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  void SetColour(TColor& Field, TColor Value);

  TColor FBorderColor = 0x000000, FBorderColorHot = 0x000000, FBorderColorDown = 0x000000;
  TColor FBorderColorChecked = 0xFF0000;
  TColor FColor = 0x9A915F, FColorTo = 0xB0A170, FColorDown = 0x4B2F08, FColorDownTo = 0xADB514;
  TColor FColorHot = 0x9F6F1C, FColorHotTo = 0xD5C244;
  // The checked and disabled tones: the classic ones scaled down a little.
  TColor FColorCheckedTo = 0xF9BDA0, FColorDisabled = 0xF2F2F2, FColorDisabledTo = 0xF2F2F2;
  TColor FColorChecked = 0xF5D8CA;
  TFont FFont;
  TColor FShineColor = 0xFFFFFF, FGlowColorHot = 0xD5C244, FGlowColorDown = 0xD5C244;
  TColor FTextColor = 0x000000, FSpecialTextColor = 0x000080;
};

// The keypad: lays out and draws its buttons and turns a press and release on one enabled
// button into OnButtonClick.
class TCustomButtonPanel : public TCustomControl {
 public:
  explicit TCustomButtonPanel(TComponent* AOwner);
  const char* ClassName() const override { return "TCustomButtonPanel"; }

  TButtonItems& Buttons() { return FButtons; }
  const TButtonItems& Buttons() const { return FButtons; }
  void SetButtons(const TButtonItems& Value) { FButtons.Assign(&Value); }
  TItemLayout ButtonLayout() const { return FButtonLayout; }
  void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
  TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
  void SetItemColorStyle(TSelectionColorStyle Value) { FItemColorStyle = Value; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  TWinControl* Edit() const { return FEdit; }
  void SetEdit(TWinControl* Value);
  TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
  void SetButtonPanelType(TButtonPanelType Value);
  TButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
  void SetButtonAppearance(const TButtonAppearance& Value) { FButtonAppearance.Assign(&Value); }
  TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
  void SetExtDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
  int ButtonHot() const { return FButtonHot; }
  int ButtonDown() const { return FButtonDown; }
  // The first button holding the point (right and bottom edges excluded), -1 for none.
  int ButtonAtPos(int X, int Y) const;

  TCalculatorButtonClickEvent OnButtonClick;

  virtual void DrawButton(int Index, TCanvas* Canvas);
  virtual void GetButtonArea(TRect& R) const;
  virtual void GetButtonSize(int& W, int& H);
  virtual void ClearButtons() { FButtons.Clear(); }
  virtual void ResetButtons();
  virtual void CreateButtons();
  virtual void ArrangeButtons();
  virtual void InvalidateButton(int Index);
  virtual void ButtonClick(int Index);

  void Loaded() override;
  void Dispatch(TMessage& m) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void SetButtonHot(int Index);
  void SetButtonDown(int Index);
  bool ButtonEnabled(int Index) const;
  void DrawButtonContent(TCanvas& C, const TButtonItem& Item, TRect Content);

  TButtonItems FButtons{this};
  TItemLayout FButtonLayout = ilCaptionRight;
  TSelectionColorStyle FItemColorStyle = scCustom;
  int FButtonHot = -1;
  int FOffSetX = 8, FOffSetY = 8;
  int FButtonOffSetX = 4, FButtonOffSetY = 4;
  TImageList* FImages = nullptr;
  int FCaptionGap = 0;
  TWinControl* FEdit = nullptr;
  TButtonPanelType FButtonPanelType = plCalculator;
  TButtonAppearance FButtonAppearance;
  int FButtonDown = -1;
  TExtCustomDropDown* FExtDropDown = nullptr;
};

class TExtCalculatorDropdown : public TExtCustomDropDown {
 public:
  explicit TExtCalculatorDropdown(TComponent* AOwner);
  ~TExtCalculatorDropdown() override;
  const char* ClassName() const override { return "TExtCalculatorDropdown"; }

  // The equals action, as the keypad's "=" does it.
  void CalcResult() { FEngine->CalcEquals(); }
  double Value() { return FEngine->Value(); }
  void SetValue(double V) { FEngine->SetValue(V); }
  bool ShowThousandSeparator() const { return FShowThousandSeparator; }
  void SetShowThousandSeparator(bool Value);
  TButtonAppearance& CalcButtonAppearance() { return *FCalcButtonAppearance; }
  void SetCalcButtonAppearance(const TButtonAppearance& Value) { FCalcButtonAppearance->Assign(&Value); }
  TCustomButtonPanel* ButtonPanel() const { return FExtButtonPanel; }
  TCalculatorEngine& Engine() { return *FEngine; }
  bool CalcClosed() const { return FCalcClosed; }

  // A keypad button's action by its index in the keypad's buttons.
  void CalcButtonClick(TObject* Sender, int Index);
  void SetComponentStyle(TDAZStyle AStyle) override;
  void Dispatch(TMessage& m) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DropDownFormKeyPress(TKeyChar& Key) override;
  void DropDownFormKeyDown(WORD& Key, TShiftState Shift) override;
  // The focused keypad's keys are the popup's.
  void ControlKeyDown(WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(TKeyChar& Key) override;
  // Runs before every keypad action and every character typed in the popup.
  virtual void BeforeCalcInput() {}
  // The calculator's rules for a character typed in the edit; Key 0 when it is taken.
  void CalcEditChar(TKeyChar& Key);

 private:
  void PopupAction(TCalcPopupAction Action);

  TCustomButtonPanel* FExtButtonPanel = nullptr;
  // Set until the popup has been prepared once: operator characters act in the edit.
  bool FCalcClosed = true;
  // Made before the base's styling runs, so the style reaches it.
  std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
  bool FShowThousandSeparator = false;
  std::unique_ptr<TCalculatorEngine> FEngine;
};

}  // namespace hd
