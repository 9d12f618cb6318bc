// The edit with a small button inside its right edge, whose press (or F4) raises an event,
// and the same edit with a unit shown before the button and chosen from a menu of units.
// The grid's edit-button cell editors derive from them.
#pragma once

#include <functional>
#include <string>

#include "platform/buttons.h"
#include "platform/ext_ctrls.h"
#include "platform/mask_edit.h"
#include "platform/string_list.h"

namespace hd {

class TEsgEditButton;

// The painted button inside the container: the container's colours, a themed push button,
// a flat edge or a classic push button, then glyph and caption.
class TExtSpeedButton : public TSpeedButton {
 public:
  explicit TExtSpeedButton(TComponent* AOwner);
  const char* ClassName() const override { return "TExtSpeedButton"; }

  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  // The mouse is over the button.
  bool IsHot() const { return FHot; }

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TEsgEditButton* Container() const;
  bool FIsWinXP = false;
  bool FHot = false;
};

// The container of the one speed button, which fills it. A left release on the button fires
// OnClick with the container as Sender and hands the focus to FocusControl.
class TEsgEditButton : public TCustomControl {
 public:
  explicit TEsgEditButton(TComponent* AOwner);
  const char* ClassName() const override { return "TEsgEditButton"; }

  TExtSpeedButton* Button() const { return FButton; }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  const TBitmap& Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
  int NumGlyphs() const { return FButton->NumGlyphs(); }
  void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
  std::string ButtonCaption() const { return FButton->Caption(); }
  void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }

  // clNone: the look of the platform's buttons.
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;

  TNotifyEvent OnClick;

  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 private:
  friend class TExtSpeedButton;
  void ButtonMouseUp();
  TExtSpeedButton* FButton;
  TWinControl* FFocusControl = nullptr;
  bool FFlat = false;
};

class TEsgEditBtn : public TCustomMaskEdit {
 public:
  explicit TEsgEditBtn(TComponent* AOwner);
  ~TEsgEditBtn() override;
  const char* ClassName() const override { return "TEsgEditBtn"; }

  // Fires OnClickBtn (Sender: the edit after F4, the container after a press).
  virtual void ClickButton(TObject* Sender);

  TEsgEditButton* Button() const { return FButton; }
  bool RightAlign() const { return FRightAlign; }
  void SetRightAlign(bool Value);
  // Off: nothing can be typed, cut or pasted; the button still works.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  const TBitmap& Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
  std::string ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const std::string& Value) { FButton->SetButtonCaption(Value); }

  TNotifyEvent OnClickBtn;

  // The least height the font needs.
  int GetMinHeight();
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // The text's formatting rectangle, clear of the button and the unit.
  void SetEditRect();
  // Pixels kept for a unit text before the button.
  int FUnitSize = 0;
  // The pixels the unit takes: the unit space, or more for a unit text wider than it.
  virtual int UnitWidth() { return FUnitSize; }

 private:
  void Resized();

  bool FRightAlign = false;
  TEsgEditButton* FButton;
  bool FEditorEnabled = true;
  int FButtonWidth = 18;
  bool FIsWinXP = false;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const std::string& NewUnit)>;

class TEsgUnitEditBtn : public TEsgEditBtn {
 public:
  explicit TEsgUnitEditBtn(TComponent* AOwner);
  ~TEsgUnitEditBtn() override;
  const char* ClassName() const override { return "TEsgUnitEditBtn"; }

  // OnClickBtn, then the menu of units; a unit chosen from it becomes UnitID.
  void ClickButton(TObject* Sender) override;

  const std::string& UnitID() const { return FUnitID; }
  void SetUnitID(const std::string& Value);
  TStringList& Units() { return *FUnits; }
  // Copies the list; null is ignored.
  void SetUnits(const TStringList* Value);
  int UnitSpace() const { return FUnitSize; }
  void SetUnitSpace(int Value);
  // The text followed by the unit. Written, a value that ends with one of Units (its first
  // occurrence standing at the end) is split into the two; otherwise nothing changes.
  std::string TextAndUnit() const { return Text() + FUnitID; }
  void SetTextAndUnit(const std::string& Value);

  TUnitChangeEvent OnUnitChanged;

  void Dispatch(TMessage& Message) override;

 protected:
  int UnitWidth() override;

 private:
  void PlaceUnitLabel();
  void PaintUnit(TObject* Sender);

  std::string FUnitID;
  TStringList* FUnits;
  // Shows the unit in the space left of the button.
  TPaintBox* FUnitLabel = nullptr;
};

}  // namespace hd
