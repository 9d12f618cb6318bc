// The standard controls: label, static text, edit, check box, radio button, group box, list box
// and combo box. They are native widgets underneath but speak messages: their notifications
// reach the parent as WM_COMMAND and come back reflected as CN_COMMAND, where the events run.
#pragma once

#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/controls.h"
#include "platform/edit_rules.h"
#include "platform/string_list.h"

namespace hd {

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Sends the notification code to the parent as WM_COMMAND (reflected back as CN_COMMAND);
// without a parent the control gets CN_COMMAND directly.
void NotifyParent(TWinControl* control, unsigned code);
// True when `ch` is the accelerator of the caption (the character after a single "&").
bool IsAccel(TKeyChar ch, const std::string& caption);
// The caption without its accelerator marks ("&&" stays as "&").
std::string StripAccel(const std::string& caption);

class TCustomLabel : public TControl {
 public:
  explicit TCustomLabel(TComponent* owner);
  const char* ClassName() const override { return "TLabel"; }

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout l);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool v);
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* c);

  void Dispatch(TMessage& m) override;

 protected:
  void NativeSetText(const std::string& text) override;
  void NativeSetColor() override;
  void NativeSetFont() override;
  void Notification(TComponent* c, TOperation op) override;
  // Sizes the label to its text when AutoSize is on.
  void AdjustBounds();
  void ApplyLook();

 private:
  bool auto_size_ = true;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool word_wrap_ = false;
  bool transparent_ = false;
  bool show_accel_char_ = true;
  TWinControl* focus_control_ = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A label with a window of its own.
class TStaticText : public TWinControl {
 public:
  explicit TStaticText(TComponent* owner);
  const char* ClassName() const override { return "TStaticText"; }

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TStaticBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TStaticBorderStyle s);
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* c);

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  void NativeSetText(const std::string& text) override;
  void NativeSetFont() override;
  void Notification(TComponent* c, TOperation op) override;
  void AdjustBounds();

 private:
  bool auto_size_ = true;
  TAlignment alignment_ = taLeftJustify;
  TStaticBorderStyle border_style_ = sbsNone;
  TWinControl* focus_control_ = nullptr;
};

// Style bits of an edit's window, with the platform's values. A window takes them when it is
// made; an edit changes its look or kind by making its window again (RecreateWnd).
constexpr unsigned ES_LEFT = 0x0000, ES_CENTER = 0x0001, ES_RIGHT = 0x0002, ES_MULTILINE = 0x0004,
                   ES_UPPERCASE = 0x0008, ES_LOWERCASE = 0x0010, ES_PASSWORD = 0x0020,
                   ES_AUTOVSCROLL = 0x0040, ES_AUTOHSCROLL = 0x0080, ES_NOHIDESEL = 0x0100,
                   ES_READONLY = 0x0800, ES_WANTRETURN = 0x1000;
constexpr unsigned WS_HSCROLL = 0x00100000, WS_VSCROLL = 0x00200000, WS_BORDER = 0x00800000;

struct TCreateParams {
  unsigned Style = 0;
  unsigned ExStyle = 0;
};

// The edit: one line, or several with ES_MULTILINE. Positions count characters, a line break
// counting as the two characters CR LF. The window is made when the edit is first shown or
// its window is first needed.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  const char* ClassName() const override { return "TEdit"; }

  std::string Text() const override;
  // Limits what the user types or pastes; text set by code is not cut. 0 is no limit.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int n) { max_length_ = n < 0 ? 0 : n; }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v);
  TKeyChar PasswordChar() const { return password_char_; }
  void SetPasswordChar(TKeyChar c);
  TEditCharCase CharCase() const { return char_case_; }
  void SetCharCase(TEditCharCase c);
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool v) { auto_select_ = v; }
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle s);
  // Set when the user changes the text; cleared when code sets it.
  bool Modified() const { return modified_; }
  void SetModified(bool v) { modified_ = v; }

  // Caret and selection in characters.
  int SelStart() const;
  void SetSelStart(int pos);
  int SelLength() const;
  void SetSelLength(int len);
  std::string SelText() const;
  void SetSelText(const std::string& text);
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  void Clear() { SetText(""); }

  TNotifyEvent OnChange;

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  // The style bits the window is made with; an override calls the base and adds or removes
  // bits (ES_MULTILINE, ES_RIGHT, ES_PASSWORD, ...).
  virtual void CreateParams(TCreateParams& params);
  TNativeWindow* CreateNativeWindow() override;
  // Hands a new window the text, selection and settings; taking it down keeps them.
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();
  void DoEnter() override;
  void NativeSetText(const std::string& text) override;
  void NativeSetColor() override;
  // Inserts typed text at the caret, cased and within MaxLength.
  void InsertTyped(const std::string& text);
  // The selection as its two ends: where it started and where the caret is.
  int SelAnchor() const;
  int SelCaret() const;
  void SelectRange(int anchor, int caret);
  // Replaces the whole text as the user's change: Modified is set and OnChange runs.
  void ReplaceText(const std::string& text);
  // The style bits of the window now, or of the next one when there is none.
  unsigned EditStyle() const;

 private:
  int max_length_ = 0;
  bool read_only_ = false;
  TKeyChar password_char_ = 0;
  TEditCharCase char_case_ = ecNormal;
  bool auto_select_ = true;
  TBorderStyle border_style_ = bsSingle;
  bool modified_ = false;
  bool mouse_down_ = false;
  // The selection kept while there is no window; the style the window was made with.
  int kept_anchor_ = 0;
  int kept_caret_ = 0;
  unsigned window_style_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TLeftRight { taLeftSide, taRightSide };

// The base of check boxes and radio buttons.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v) { word_wrap_ = v; }
  void DefaultHandler(TMessage& m) override;

 protected:
  // While set, state changes made by code do not click.
  bool ClicksDisabled() const { return clicks_disabled_ > 0; }
  int clicks_disabled_ = 0;
  void NativeSetText(const std::string& text) override;
  void NativeSetColor() override;

 private:
  bool word_wrap_ = false;
};

class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* owner);
  const char* ClassName() const override { return "TCheckBox"; }

  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  // A change clicks, also when made by code.
  void SetState(TCheckBoxState s);
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool v) { allow_grayed_ = v; }
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight a);

  void Dispatch(TMessage& m) override;

 protected:
  virtual void Toggle();
  void PushState();

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allow_grayed_ = false;
  TLeftRight alignment_ = taRightSide;
};

class TCheckBox : public TCustomCheckBox {
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

// The platform's push button: a click with the mouse, or Space released while it has the
// focus, fires OnClick.
class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
  const char* ClassName() const override { return "TButton"; }
  void Dispatch(TMessage& m) override;
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);
  const char* ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return checked_; }
  // Checking unchecks the radio buttons beside it and clicks; unchecking does not click.
  void SetChecked(bool v);
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight a);

  void Dispatch(TMessage& m) override;

 private:
  void PushState();
  bool checked_ = false;
  TLeftRight alignment_ = taRightSide;
};

class TCustomGroupBox : public TWinControl {
 public:
  explicit TCustomGroupBox(TComponent* owner);
  const char* ClassName() const override { return "TGroupBox"; }
  void Dispatch(TMessage& m) override;

 protected:
  void NativeSetText(const std::string& text) override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

// A string list that tells its control when it changes.
class TControlItems : public TStringList {
 public:
  explicit TControlItems(std::function<void()> changed);
};

// A press takes the focus before it selects: when the control that held the focus keeps it
// (its exit handler refused what it holds), the press selects nothing.
class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;
  const char* ClassName() const override { return "TListBox"; }

  // The items with their objects; changes show at once.
  TStringList& Items() { return *items_; }
  void SetItems(const TStringList& items) { items_->Assign(items); }
  int Count() const { return items_->Count(); }
  // The selected item, -1 for none. Setting it notifies nothing.
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool v) { items_->SetSorted(v); }
  int TopIndex() const;
  void SetTopIndex(int index);
  // Where item index lies in client coordinates; empty for an index outside the items.
  TRect ItemRect(int index) const;
  void Clear() { items_->Clear(); }
  // The height of one item in the list's font.
  int ItemHeight() const;

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  void NativeSetColor() override;
  // The native list was filled again from Items.
  virtual void ItemsSynced() {}

 private:
  void SyncItems();
  std::unique_ptr<TControlItems> items_;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};

// The owner-drawn styles show a list the program paints, without an edit part.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

enum class TOwnerDrawStateFlag {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel,
  odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using enum TOwnerDrawStateFlag;
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
// Rect is the item's rectangle on the control's Canvas; odComboBoxEdit marks the closed face.
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

// The native combo box. Its painting goes through WM_PAINT with a canvas in WParam: a handler
// may draw before and after calling the default handling, which paints the native face over
// what is on the canvas, within its clip (PaintWindow). Each paint then sends WM_NCPAINT
// (WParam 1) with the window's canvas in LParam, the same canvas, as the combo has no frame
// of its own: a control draws its own border there; the default handling draws nothing.
class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;
  const char* ClassName() const override { return "TComboBox"; }

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle s);
  TStringList& Items() { return *items_; }
  void SetItems(const TStringList& items) { items_->Assign(items); }
  void AddItem(const std::string& text, TObject* object) { items_->AddObject(text, object); }
  // The selected item, -1 for none. Setting it by code notifies nothing.
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string Text() const override;
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool v) { items_->SetSorted(v); }
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int n);
  // Limits what the user types or pastes into the edit part; 0 is no limit.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int n) { max_length_ = n < 0 ? 0 : n; }
  TEditCharCase CharCase() const { return char_case_; }
  void SetCharCase(TEditCharCase c) { char_case_ = c; }
  bool DroppedDown() const;
  void SetDroppedDown(bool v);
  void Clear();
  // The height of the list's items (16 for the owner-drawn styles, whose face is drawn this
  // high too; else the font's); CB_SETITEMHEIGHT sets it for the list or the face.
  int ItemHeight() const;
  void SetItemHeight(int h);
  // Caret and selection of the edit part, in characters.
  int SelStart() const;
  void SetSelStart(int pos);
  int SelLength() const;
  void SetSelLength(int len);
  std::string SelText() const;
  void SetSelText(const std::string& text);
  void SelectAll();
  // Where items are drawn: the canvas being painted while an item draws, else one for
  // measuring text in the control's font.
  TCanvas& Canvas();

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  // Without OnDrawItem: the rectangle filled and the item's text at its left, 2 pixels in.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  // The native face (frame, button, and the text or the owner-drawn item) over the canvas.
  virtual void PaintWindow(TCanvas& canvas);
  bool IsOwnerDrawn() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
  void NativeSetText(const std::string& text) override;
  void NativeSetColor() override;

 private:
  void CNDrawItem(TDrawItemStruct& item);
  void CNMeasureItem(TMeasureItemStruct& item);
  // The list draws through the control while it is owner-drawn or its item height is set.
  void UpdateListDrawing();
  void SyncItems();
  void CreateWidget();
  // Inserts typed or pasted text into the edit part, cased and within MaxLength.
  void InsertTyped(const std::string& text);
  std::unique_ptr<TControlItems> items_;
  TComboBoxStyle style_ = csDropDown;
  int drop_down_count_ = 8;
  int max_length_ = 0;
  TEditCharCase char_case_ = ecNormal;
  int item_height_ = 0;  // 0: the default of the style
  int dropped_width_ = 0;
  TCanvas* canvas_ = nullptr;
  std::unique_ptr<TBitmap> measure_;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
};

}  // namespace hd
