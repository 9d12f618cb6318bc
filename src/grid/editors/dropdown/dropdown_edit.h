// The drop-down edit every drop-down kind derives from: a one-line edit with a button inside
// its right edge that opens a borderless popup below it (above it near the screen's bottom).
// The popup hosts an optional header and footer and one content control the kind supplies; the
// user sizes it at its corner and the size is kept for the next opening. Typing and value
// formats are the text model's (dropdown_text_model.h), the looks the styles' (dropdown_styles.h).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "grid/editors/dropdown/dropdown_strips.h"
#include "grid/editors/dropdown/dropdown_styles.h"
#include "grid/editors/dropdown/dropdown_text_model.h"
#include "grid/stringgrid/dropdown_appearance.h"
#include "platform/buttons.h"
#include "platform/forms.h"
#include "platform/mask_edit.h"
#include "platform/std_ctrls.h"

namespace hd {

class TExtCustomDropDown;
class TDropDownEditButton;
class TImageList;

enum TDropPosition { dpAuto, dpDown, dpUp };
enum TLabelPosition {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
  lpBottomRight
};
enum TButtonStyle { bsButton, bsDropDown };

using TDropDownEvent = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUpEvent = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, int ButtonIndex)>;
using TClipboardEvent = std::function<void(TObject* Sender, const std::string& value, bool& allow)>;

// The popup: a borderless top-level window owned by the edit's form, painting a background and
// a frame, keeping its content inside the frame, sized by the user at its bottom-right corner
// and hidden as soon as a window outside the chain it owns is activated.
class TDropDownForm : public TForm {
 public:
  explicit TDropDownForm(TComponent* AOwner);
  ~TDropDownForm() override;
  const char* ClassName() const override { return "TDropDownForm"; }

  TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
  void SetExtDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
  bool Shadow() const { return FShadow; }
  void SetShadow(bool Value) { FShadow = Value; }
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool Value) { FSizeable = Value; }
  bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
  void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
  // While set, activation messages change nothing.
  bool BlockActivate() const { return FBlockActivate; }
  void SetBlockActivate(bool Value) { FBlockActivate = Value; }
  // Tick count of the last deactivation while the popup showed.
  std::uint32_t DeActivateTime() const { return FDeActivate; }
  // The popup is hiding because another window took the activation.
  bool HidingOnDeactivate() const { return FHidingOnDeactivate; }
  // The strips above and below the content; null until their appearance first shows one.
  TExtHeader* Header() const { return FHeader; }
  TExtFooter* Footer() const { return FFooter; }

  // Header and footer set up from the drop-down's appearances (at each show and change).
  void InitializeAndUpdate();
  virtual void UpdateSize() {}
  // The frame and background over the whole window (the client area lies inside the frame).
  void PaintBackground(TCanvas& Canvas);
  // The control that shows the background behind the content.
  TCustomControl* BackgroundControl() const;

  TNotifyEvent OnSizing;

  void Dispatch(TMessage& m) override;

 protected:
  void AlignControls(TRect& rect) override;

 private:
  void Activated(WPARAM State, HWND Other);

  TExtCustomDropDown* FExtDropDown = nullptr;
  bool FShadow = true;
  bool FSizeable = false;
  bool FCancelOnDeActivate = true;
  bool FBlockActivate = false;
  std::uint32_t FDeActivate = 0;
  bool FHidingOnDeactivate = false;
  TCustomControl* FBackground = nullptr;
  TExtHeader* FHeader = nullptr;
  TExtFooter* FFooter = nullptr;
};

// The arrow or push-button face inside the drop-down's button.
class TExtDropDownSpeedButton : public TSpeedButton {
 public:
  explicit TExtDropDownSpeedButton(TComponent* AOwner);
  const char* ClassName() const override { return "TExtDropDownSpeedButton"; }

  TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TButtonStyle Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  // The edit is hot (the mouse over it or it is the active control).
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value);
  // Forced up: the button never draws pressed.
  void SetUp() { FUp = true; }
  bool IsUp() const { return FUp; }
  bool IsHot() const { return FHot; }

  void Dispatch(TMessage& m) override;
  // The face as Paint draws it, onto any canvas.
  void PaintFace(TCanvas& Canvas);

 protected:
  void Paint() override;

 private:
  TDropDownEditButton* Container() const;
  TExtCustomDropDown* DropDown() const;
  bool Themed() const;
  bool Pressed() const;
  int ThemeState() const;
  void PaintDropDownFace(TCanvas& Canvas);
  void PaintButtonFace(TCanvas& Canvas);

  bool FEtched = false;
  bool FFocused = false;
  bool FHot = false;
  bool FUp = false;
  bool FIsWinXP = true;
  TButtonStyle FButtonStyle = bsDropDown;
};

// The windowed holder of the speed button; its width is always FBWidth and it reports a
// release of the left button over the face as OnClick.
class TDropDownEditButton : public TCustomControl {
 public:
  explicit TDropDownEditButton(TComponent* AOwner);
  const char* ClassName() const override { return "TDropDownEditButton"; }

  TExtDropDownSpeedButton* SpeedButton() const { return FButton; }
  const TBitmap& Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
  std::string ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }
  TNumGlyphs NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value) { FButton->SetNumGlyphs(Value); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  // The drop-down writes it from its DropDownButtonWidth.
  int BWidth() const { return FBWidth; }
  void SetBWidth(int Value) { FBWidth = Value; }

  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value) { FButtonColor = Value; }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }

  TNotifyEvent OnClick;

  void SetBounds(int left, int top, int width, int height) override;
  void Dispatch(TMessage& m) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void PlaceButton();

  TExtDropDownSpeedButton* FButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  int FBWidth = 16;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};

class TExtCustomDropDown : public TCustomMaskEdit, public IDAZStyle, public IDAZTones {
 public:
  explicit TExtCustomDropDown(TComponent* AOwner);
  ~TExtCustomDropDown() override;
  const char* ClassName() const override { return "TExtCustomDropDown"; }
  // The kinds' overrides of the popup and style operations run from here, on a whole object.
  void AfterConstruction() override;

  // The popup.
  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
  bool DroppedDown() const { return FDroppedDown; }
  TDropDownForm* DropDownForm() const { return FDropDownForm; }
  TDropDownEditButton* Button() const { return FButton; }
  TControl* DropDownControl() const { return FControl; }
  void SetDropDownControl(TControl* Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value);
  int DropDownHeight() const { return FDropDownHeight; }
  void SetDropDownHeight(int Value);
  // The size the popup had when it was last hidden, -1 for none.
  int UserDropDownWidth() const { return FUserDropDownWidth; }
  int UserDropDownHeight() const { return FUserDropDownHeight; }
  TDropPosition DropPosition() const { return FDropPosition; }
  void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
  bool DropDownShadow() const { return FDropDownShadow; }
  void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
  bool ForceShadow() const { return FForceShadow; }
  void SetForceShadow(bool Value) { FForceShadow = Value; }
  bool DropDownSizeable() const { return FDropDownSizeable; }
  void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
  int DropDownBorderWidth() const { return FDropDownBorderWidth; }
  void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
  TColor DropDownBorderColor() const { return FDropDownBorderColor; }
  void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
  TColor DropDownColor() const { return FDropDownColor; }
  void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
  TColor DropDownColorTo() const { return FDropDownColorTo; }
  void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
  TGradientDirection DropDownGradient() const { return FDropDownGradient; }
  void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
  THeaderAppearance& DropDownHeader() { return *FDropDownHeader; }
  void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(&Value); }
  TFooterAppearance& DropDownFooter() { return *FDropDownFooter; }
  void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(&Value); }
  TExtButtonAppearance& ButtonAppearance() { return *FButtonAppearance; }
  void SetButtonAppearance(const TExtButtonAppearance& Value) { FButtonAppearance->Assign(&Value); }
  bool DropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }

  int DropDownButtonWidth() const { return FButtonWidth; }
  void SetDropDownButtonWidth(int Value);
  const std::string& DropDownButtonHint() const { return FButtonHint; }
  void SetDropDownButtonHint(const std::string& Value);
  // Null without a button.
  const TBitmap* DropDownButtonGlyph() const;
  void SetDropDownButtonGlyph(const TBitmap& Value);

  // Typing off: the value is chosen in the popup only.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) { FFlat = Value; }
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value) { FEtched = Value; }
  bool FocusDraw() const { return FFocusDraw; }
  void SetFocusDraw(bool Value) { FFocusDraw = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);

  // The caption label beside the edit.
  std::string LabelCaption() const;
  void SetLabelCaption(const std::string& Value);
  TLabel* EditLabel() const { return FLabel; }
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  const TFont& LabelFont() const { return FLabelFont; }
  void SetLabelFont(const TFont& Value);

  // Styles.
  void SetComponentStyle(TDAZStyle AStyle) override;
  TDAZStyle GetComponentStyle() const override { return FDAZStyle; }
  void SetColorTones(TColorTones ATones) override;
  TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
  virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
  TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }
  virtual void DrawSelectionBackground(TCanvas& Canvas, const TRect& Rect, int Part, TColor CornerColor);
  virtual void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect,
                            bool Vertical);

  // Typing and value.
  std::string Text() const override { return FModel->Text(); }
  virtual void SetText(const std::string& Value) override;
  void SetTextDirect(const std::string& Value) { FModel->SetTextDirect(Value); }
  void SelectAll() { FModel->SelectAll(); }
  void SelectBeforeDecimal() { FModel->SelectBeforeDecimal(); }
  void SelectAfterDecimal() { FModel->SelectAfterDecimal(); }
  TDropDownEditType EditType() const { return FModel->EditType(); }
  void SetEditType(TDropDownEditType Value);
  int Precision() const { return FModel->Precision(); }
  void SetPrecision(int Value) { FModel->SetPrecision(Value); }
  const std::string& Prefix() const { return FModel->Prefix(); }
  void SetPrefix(const std::string& Value) { FModel->SetPrefix(Value); }
  const std::string& Suffix() const { return FModel->Suffix(); }
  void SetSuffix(const std::string& Value) { FModel->SetSuffix(Value); }
  int LengthLimit() const { return FModel->LengthLimit(); }
  void SetLengthLimit(int Value) { FModel->SetLengthLimit(Value); }
  bool Signed() const { return FModel->Signed(); }
  void SetSigned(bool Value) { FModel->SetSigned(Value); }
  const std::string& ValidChars() const { return FModel->ValidChars(); }
  void SetValidChars(const std::string& Value) { FModel->SetValidChars(Value); }
  bool AllowNumericNullValue() const { return FModel->AllowNumericNullValue(); }
  void SetAllowNumericNullValue(bool Value) { FModel->SetAllowNumericNullValue(Value); }
  bool ExcelStyleDecimalSeparator() const { return FModel->ExcelStyleDecimalSeparator(); }
  void SetExcelStyleDecimalSeparator(bool Value) { FModel->SetExcelStyleDecimalSeparator(Value); }
  bool AutoThousandSeparator() const { return FModel->AutoThousandSeparator(); }
  void SetAutoThousandSeparator(bool Value) { FModel->SetAutoThousandSeparator(Value); }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool DefaultHandling() const { return FDefaultHandling; }
  void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
  bool CanUndo() const { return FCanUndo; }
  void SetCanUndo(bool Value) { FCanUndo = Value; }
  double FloatValue() const { return FModel->GetFloatValue(); }
  void SetFloatValue(double Value) { FModel->SetFloatValue(Value); }
  void SetIntValue(int Value) { FModel->SetIntValue(Value); }
  void SetModified(bool Value) { FModel->SetModified(Value); }
  bool IsModified() const { return FModel->IsModified(); }
  const std::string& OldText() const { return FModel->OldText(); }
  void FormatMoneyText() { FModel->FormatMoneyText(); }

  std::string Version() const;
  void SetVersion(const std::string&) {}
  virtual int GetVersionNr() const { return 0x01020104; }
  TRect GetEditRect() const { return FEditRect; }
  void Assign(const TPersistent* Source) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetEnabled(bool v) override;
  void SetVisible(bool v) override;
  void Dispatch(TMessage& m) override;

  // What DrawFocus and the border rule paint, onto a canvas of the window's size.
  void PaintFocusLook(TCanvas& Canvas);
  void PaintBorderLook(TCanvas& Canvas);

  TNotifyEvent OnBeforeDropDown;
  TDropDownEvent OnDropDown;
  TNotifyEvent FOnBeforeDropUp;
  TDropUpEvent OnDropUp;
  TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
  TDropDownButtonClickEvent OnDropDownFooterButtonClick;
  TDrawBackgroundEvent OnDrawHeader;
  TDrawBackgroundEvent OnDrawFooter;
  TGetTextEvent OnGetHeaderText;
  TGetTextEvent OnGetFooterText;
  TNotifyEvent FOnLabelClick;
  TNotifyEvent FOnLabelDblClick;
  TClipboardEvent FOnClipboardCopy;
  TClipboardEvent FOnClipboardCut;
  TClipboardEvent FOnClipboardPaste;

 protected:
  friend class TDropDownForm;
  virtual void LabelClick();
  virtual void LabelDblClick();
  virtual void CreateDropDownForm();
  virtual void CreateDropDownButton();
  virtual void UpdateDropDownButton();
  virtual void BeforeDropDown();
  virtual void AdjustDropDownHeight(int& Height) { (void)Height; }
  virtual void FocusDropDownControl();
  virtual void DoShowDropDown();
  virtual void AdaptDropDownControl();
  virtual void UpdateDropDownSize();
  virtual void DoHideDropDown(bool CancelChanges);
  virtual void DropDownFormHide();
  virtual void DropDownFormDestroy() {}
  virtual void DropDownFormWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void DropDownFormWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void DropDownFormKeyPress(TKeyChar& Key);
  virtual void DropDownFormKeyDown(WORD& Key, TShiftState Shift);
  virtual void DropDownFormKeyUp(WORD& Key, TShiftState Shift);
  virtual void ControlKeyDown(WORD& Key, TShiftState Shift);
  virtual void ControlKeyUp(WORD& Key, TShiftState Shift);
  virtual void ControlKeyPress(TKeyChar& Key);
  virtual void DropDownFormResized() {}
  virtual void SelectNextValue() {}
  virtual void SelectPreviousValue() {}
  virtual void DrawFocus();
  virtual void SetEditRect();
  virtual void ResizeControl();

  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(TKeyChar& key) override;
  // A new window takes the formatting rectangle that keeps the text off the button.
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
  bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
  TDropDownTextModel& Model() { return *FModel; }
  // The edit as the typing rules see it, for a kind's own rules over the same model.
  TDropDownEditHost& EditHost();

  TDropDownForm* FDropDownForm = nullptr;
  TDropDownEditButton* FButton = nullptr;
  TControl* FControl = nullptr;
  TWinControl* FFocusControl = nullptr;
  bool FDroppedDown = false;

 private:
  class THost;
  friend class THost;
  void ButtonClick();
  void PlaceLabel();
  void ToggleDropDown();
  void PopupKey(WORD Key);
  void HandleChar(TMessage& m);
  void HandleKeyDown(TMessage& m);
  void HandleSpecialKey(TMessage& m);
  void HandleMouseDown(TMessage& m);
  void HandleMouseUp(TMessage& m);
  void HandleClipboard(TMessage& m);
  void InheritedChar(TKeyChar Key);
  bool ReadOnlyOrDisabled() const { return ReadOnly() || !Enabled(); }
  int MinimumHeight();
  bool Hot() const;

  std::unique_ptr<THost> FHost;
  std::unique_ptr<TDropDownTextModel> FModel;
  int FDropDownWidth = 0;
  int FDropDownHeight = 0;
  int FUserDropDownWidth = -1;
  int FUserDropDownHeight = -1;
  TDropPosition FDropPosition = dpAuto;
  bool FDropDownShadow = true;
  bool FForceShadow = false;
  bool FDropDownSizeable = true;
  int FDropDownBorderWidth = 1;
  TColor FDropDownBorderColor = clBlack;
  TColor FDropDownColor = clWhite;
  TColor FDropDownColorTo = clNone;
  TGradientDirection FDropDownGradient = gdHorizontal;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
  std::unique_ptr<TExtButtonAppearance> FButtonAppearance;
  int FButtonWidth = 17;
  std::string FButtonHint;
  bool FDropDownEnabled = false;
  bool FEditorEnabled = true;
  bool FFlat = false;
  bool FEtched = false;
  bool FFocusDraw = true;
  TColor FBorderColor = clNone;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = true;
  TImageList* FImages = nullptr;
  TSelectionColorStyle FSelectionColorStyle = scOffice2007;
  TColor FSelectionColor = clNone;
  TColor FSelectionColorTo = clNone;
  TDAZStyle FDAZStyle = tsOffice2007Luna;
  TLabel* FLabel = nullptr;
  TFont FLabelFont;
  int FLabelMargin = 0;
  TLabelPosition FLabelPosition = lpLeftTop;
  bool FLabelAlwaysEnabled = false;
  bool FLabelTransparent = false;
  bool FParentFnt = false;
  bool FMouseInControl = false;
  TRect FEditRect;
  bool FIsThemed = true;
  bool FButtonDown = false;
  bool FReturnIsTab = false;
  bool FDefaultHandling = true;
  bool FCanUndo = true;
  bool FBlockCopy = false;
  bool FConstructed = false;
  bool FHidingDropDown = false;
};

}  // namespace hd
