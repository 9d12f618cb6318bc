#include "grid/editors/dropdown/dropdown_edit.h"

#include <algorithm>

#include "grid/editors/dropdown_drawing.h"
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/image_list.h"
#include "platform/sysutils.h"
#include "platform/themes.h"
#include "platform/timers.h"

namespace hd {

// The typing rules' view of the edit: its shown text and selection, its own character
// handling and its change handling.
class TExtCustomDropDown::THost : public TDropDownEditHost {
 public:
  explicit THost(TExtCustomDropDown& Edit) : e_(Edit) {}
  std::string EditText() const override { return e_.EditText(); }
  void SetEditText(const std::string& Text) override { e_.TCustomMaskEdit::SetEditText(Text); }
  int SelStart() const override { return e_.SelStart(); }
  int SelLength() const override { return e_.SelLength(); }
  void SetSel(int Start, int Length) override { e_.SelectRange(Start, Start + Length); }
  void DefaultChar(TKeyChar Key) override { e_.InheritedChar(Key); }
  bool EditModified() const override { return e_.Modified(); }
  void SetEditModified(bool Value) override { e_.TCustomEdit::SetModified(Value); }
  bool ModifiedLocked() const override {
    return e_.ComponentState().Contains(csLoading) || !e_.FEditorEnabled || e_.ReadOnly();
  }
  bool CtrlDown() const override { return GetKeyState(VK_CONTROL) < 0; }
  void Change() override { e_.TCustomMaskEdit::Change(); }

 private:
  TExtCustomDropDown& e_;
};

TExtCustomDropDown::TExtCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FHost(std::make_unique<THost>(*this)), FModel(std::make_unique<TDropDownTextModel>(*FHost)) {
  SetBounds(Left(), Top(), 200, 21);
  control_style_.Exclude(csSetCaption);
  SetReadOnly(false);
  FDropDownHeader = std::make_unique<THeaderAppearance>(this);
  FDropDownFooter = std::make_unique<TFooterAppearance>(this);
  auto refresh = [this](TObject*) {
    if (FDroppedDown && FDropDownForm) FDropDownForm->InitializeAndUpdate();
  };
  FDropDownHeader->OnChange = FDropDownHeader->OnButtonsChanged = refresh;
  FDropDownFooter->OnChange = FDropDownFooter->OnButtonsChanged = refresh;
  FButtonAppearance = std::make_unique<TExtButtonAppearance>();
}

TDropDownEditHost& TExtCustomDropDown::EditHost() { return *FHost; }

TExtCustomDropDown::~TExtCustomDropDown() {
  MarkDestroying();
  // The popup's destroy event reaches this object while it is still whole.
  delete FDropDownForm;
  FDropDownForm = nullptr;
}

void TExtCustomDropDown::AfterConstruction() {
  TCustomMaskEdit::AfterConstruction();
  if (FConstructed) return;
  FConstructed = true;
  CreateDropDownForm();
  CreateDropDownButton();
  SetText("");
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(tsOffice2007Luna);
}

// The popup and its protocol.

void TExtCustomDropDown::CreateDropDownForm() {
  if (FDropDownForm) return;
  FDropDownForm = new TDropDownForm(this);
  FDropDownForm->SetExtDropDown(this);
  FDropDownForm->SetBorderStyle(bsNone);
  FDropDownForm->Hide();
  FDropDownForm->SetBounds(0, 0, FDropDownWidth, FDropDownHeight);
  FDropDownForm->OnClose = [](TObject*, TCloseAction&) {};
  FDropDownForm->OnHide = [this](TObject*) { DropDownFormHide(); };
  FDropDownForm->OnKeyPress = [this](TObject*, TKeyChar& Key) { DropDownFormKeyPress(Key); };
  FDropDownForm->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { DropDownFormKeyDown(Key, Shift); };
  FDropDownForm->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { DropDownFormKeyUp(Key, Shift); };
  FDropDownForm->OnMouseWheelDown = [this](TObject*, TShiftState Shift, TPoint Pos, bool& Handled) {
    DropDownFormWheelDown(Shift, Pos, Handled);
  };
  FDropDownForm->OnMouseWheelUp = [this](TObject*, TShiftState Shift, TPoint Pos, bool& Handled) {
    DropDownFormWheelUp(Shift, Pos, Handled);
  };
  FDropDownForm->OnDestroy = [this](TObject*) { DropDownFormDestroy(); };
  FDropDownForm->OnSizing = [this](TObject*) { DropDownFormResized(); };
}

void TExtCustomDropDown::CreateDropDownButton() {
  if (FButton) return;
  FButton = new TDropDownEditButton(this);
  FButton->SetParent(this);
  FButton->OnClick = [this](TObject*) { ButtonClick(); };
  UpdateDropDownButton();
}

void TExtCustomDropDown::UpdateDropDownButton() {
  if (!FButton) return;
  FButton->SetBWidth(FButtonWidth);
  FButton->SetBounds(FButton->Left(), FButton->Top(), FButtonWidth, 17);
  FButton->Show();
  FButton->SetFocusControl(this);
  ResizeControl();
}

void TExtCustomDropDown::SetDropDownControl(TControl* Value) {
  if (FControl == Value) return;
  if (FControl) RemoveFreeNotification(FControl);
  FControl = Value;
  if (FControl) FreeNotification(FControl);
  if (FDropDownForm && FControl && !FDropDownForm->Visible()) {
    // A hidden popup first takes the content's own size, so that filling the popup does not
    // shrink the content to the size the popup happens to have.
    const int frame = 2 * FDropDownBorderWidth;
    int h = FControl->Height() + frame;
    if (FDropDownHeader->Visible()) h += FDropDownHeader->Height();
    if (FDropDownFooter->Visible()) h += FDropDownFooter->Height();
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), FControl->Width() + frame, h);
  }
  AdaptDropDownControl();
}

void TExtCustomDropDown::SetFocusControl(TWinControl* Value) {
  if (FFocusControl) RemoveFreeNotification(FFocusControl);
  FFocusControl = Value;
  if (FFocusControl) FreeNotification(FFocusControl);
}

void TExtCustomDropDown::SetImages(TImageList* Value) {
  if (FImages == Value) return;
  FImages = Value;
  Invalidate();
}

void TExtCustomDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FControl) FControl = nullptr;
  if (AComponent == FFocusControl) FFocusControl = nullptr;
  if (AComponent == FLabel) FLabel = nullptr;
  if (AComponent == FButton) FButton = nullptr;
  if (AComponent == FDropDownForm) FDropDownForm = nullptr;
}

void TExtCustomDropDown::BeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExtCustomDropDown::FocusDropDownControl() {
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
}

void TExtCustomDropDown::AdaptDropDownControl() {
  if (!FDropDownForm || !FControl) return;
  FControl->SetParent(FDropDownForm);
  FControl->SetTop(FDropDownHeader->Visible() ? FDropDownHeader->Height() + 2 : FDropDownBorderWidth);
  FControl->SetAlign(alClient);
}

void TExtCustomDropDown::UpdateDropDownSize() {
  if (!FDropDownForm) return;
  int w = FDropDownWidth > 0 ? FDropDownWidth : (FControl && FControl->Visible() ? FControl->Width() : Width());
  int h = FDropDownHeight;
  if (h <= 0) {
    h = 2 * FDropDownBorderWidth;
    if (FDropDownHeader->Visible()) h += FDropDownHeader->Height();
    if (FDropDownFooter->Visible()) h += FDropDownFooter->Height();
    if (FControl && FControl->Visible()) h += FControl->Height();
  }
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TExtCustomDropDown::DoShowDropDown() {
  if (!FConstructed) AfterConstruction();
  if (!FDropDownForm || FDropDownForm->Visible() || !Enabled() || ReadOnly()) return;
  BeforeDropDown();
  if (!FDropDownForm) return;
  FDropDownForm->SetShadow(FDropDownShadow);
  // Without a footer grip the popup's own corner is where the user sizes it.
  FDropDownForm->SetSizeable(FDropDownSizeable);
  FDropDownForm->InitializeAndUpdate();
  FDropDownForm->SetPopupParent(GetParentForm(this));
  FDropDownForm->SetFormStyle(fsStayOnTop);
  FDropDownForm->SetBounds(Left(), Top(), FDropDownForm->Width(), FDropDownForm->Height());
  UpdateDropDownSize();
  AdaptDropDownControl();
  FDropDownForm->SetConstraints({80, 50, 0, 0});
  if (auto* content = dynamic_cast<TWinControl*>(FControl)) {
    content->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    content->OnKeyPress = [this](TObject*, TKeyChar& Key) { ControlKeyPress(Key); };
    content->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
  }
  TPoint p = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : ClientOrigin();
  // Up or down is chosen with the computed height; a size the user gave comes after.
  const int popupHeight = FDropDownForm->Height();
  const bool down = FDropPosition == dpDown || (FDropPosition == dpAuto && p.Y + popupHeight < Screen().Height());
  int left = p.X, top = down ? p.Y + Height() - 1 : p.Y - popupHeight;
  FDropDownForm->SetBounds(left, top, FDropDownForm->Width(), FDropDownForm->Height());
  bool acceptdrop = true;
  if (OnDropDown) OnDropDown(this, acceptdrop);
  if (!acceptdrop || !FDropDownForm) return;
  MONITORINFO info;
  TRect work = Screen().WorkAreaRect();
  if (GetMonitorInfo(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), info)) work = info.rcWork;
  const int width = FDropDownForm->Width();
  if (work.Left >= 0 && left + width > work.Right && left >= work.Left && left < work.Right) left = work.Right - width;
  int w = FUserDropDownWidth != -1 ? FUserDropDownWidth : width;
  int h = FUserDropDownHeight != -1 ? FUserDropDownHeight : FDropDownForm->Height();
  AdjustDropDownHeight(h);
  FDroppedDown = true;
  SetWindowPos(FDropDownForm->Handle(), HWND_TOPMOST, left, top, w, h, SWP_SHOWWINDOW);
  if (FDropDownForm && FDropDownForm->Visible()) FocusDropDownControl();
}

void TExtCustomDropDown::DoHideDropDown(bool CancelChanges) {
  // Hiding takes the activation from the popup, which asks for the hide again.
  if (!FDropDownForm || !FDropDownForm->Visible() || FHidingDropDown) return;
  FHidingDropDown = true;
  if (FOnBeforeDropUp) FOnBeforeDropUp(this);
  FUserDropDownWidth = FDropDownForm->Width();
  FUserDropDownHeight = FDropDownForm->Height();
  FDropDownForm->Hide();
  FHidingDropDown = false;
  Application().CancelHint();
  if (CancelChanges) SetText(FModel->OldText());
  if (OnDropUp) OnDropUp(this, CancelChanges);
}

void TExtCustomDropDown::DropDownFormHide() {
  FDroppedDown = false;
  // A popup closed because another window took the activation leaves the focus to it.
  if (FDropDownForm && FDropDownForm->HidingOnDeactivate()) return;
  if (TabStop() && CanFocus() && !Focused() && !Destroying()) SetFocus();
}

void TExtCustomDropDown::ButtonClick() {
  // A control made without New has no popup until the first drop-down makes it: a click
  // makes it too, as F4 does.
  if (!FConstructed) AfterConstruction();
  if (!FDropDownForm || FDropDownForm->Visible()) return;
  // Unsigned difference: the tick counter wraps after 49.7 days.
  const std::uint32_t since = GetTickCount() - FDropDownForm->DeActivateTime();
  if (since > 250) ShowDropDown();
}

void TExtCustomDropDown::ToggleDropDown() {
  if (FDroppedDown)
    HideDropDown(false);
  else
    ShowDropDown();
}

void TExtCustomDropDown::PopupKey(WORD Key) {
  switch (Key) {
    case VK_RETURN: HideDropDown(false); break;
    case VK_ESCAPE: HideDropDown(true); break;
    case VK_F4:
      if (FDropDownForm && FDropDownForm->Visible())
        HideDropDown(false);
      else
        ShowDropDown();
      break;
    default: break;
  }
}

void TExtCustomDropDown::DropDownFormWheelDown(TShiftState, TPoint, bool&) { SelectNextValue(); }
void TExtCustomDropDown::DropDownFormWheelUp(TShiftState, TPoint, bool&) { SelectPreviousValue(); }
void TExtCustomDropDown::DropDownFormKeyPress(TKeyChar& Key) { SendMessage(Handle(), WM_CHAR, Key); }
void TExtCustomDropDown::DropDownFormKeyDown(WORD& Key, TShiftState) { SendMessage(Handle(), WM_KEYDOWN, Key, 0); }
void TExtCustomDropDown::DropDownFormKeyUp(WORD& Key, TShiftState) { SendMessage(Handle(), WM_KEYUP, Key); }
void TExtCustomDropDown::ControlKeyDown(WORD& Key, TShiftState) { SendMessage(Handle(), WM_KEYDOWN, Key); }
void TExtCustomDropDown::ControlKeyUp(WORD& Key, TShiftState) { SendMessage(Handle(), WM_KEYUP, Key); }
void TExtCustomDropDown::ControlKeyPress(TKeyChar& Key) { SendMessage(Handle(), WM_CHAR, Key); }

bool TExtCustomDropDown::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  bool handled = TCustomMaskEdit::DoMouseWheelDown(shift, mousePos);
  SelectNextValue();
  return handled;
}

bool TExtCustomDropDown::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  bool handled = TCustomMaskEdit::DoMouseWheelUp(shift, mousePos);
  SelectPreviousValue();
  return handled;
}

// Properties.

void TExtCustomDropDown::SetDropDownWidth(int Value) {
  if (FDropDownWidth == Value) return;
  FDropDownWidth = Value;
  FUserDropDownWidth = -1;
}

void TExtCustomDropDown::SetDropDownHeight(int Value) {
  if (FDropDownHeight == Value) return;
  FDropDownHeight = Value;
  FUserDropDownHeight = -1;
}

void TExtCustomDropDown::SetDropDownButtonWidth(int Value) {
  if (!FButton || FButtonWidth == Value) return;
  FButtonWidth = Value;
  FButton->SetBWidth(Value);
  if (FButton->HandleAllocated()) ResizeControl();
}

void TExtCustomDropDown::SetDropDownButtonHint(const std::string& Value) {
  if (FButtonHint == Value) return;
  FButtonHint = Value;
  if (!FButton) return;
  FButton->SetHint(Value);
  FButton->SetShowHint(!Value.empty());
}

const TBitmap* TExtCustomDropDown::DropDownButtonGlyph() const { return FButton ? &FButton->Glyph() : nullptr; }

void TExtCustomDropDown::SetDropDownButtonGlyph(const TBitmap& Value) {
  if (FButton) FButton->SetGlyph(Value);
}

void TExtCustomDropDown::SetEditorEnabled(bool Value) {
  FEditorEnabled = Value;
  if (Value)
    control_style_.Include(csDoubleClicks);
  else
    control_style_.Exclude(csDoubleClicks);
}

void TExtCustomDropDown::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  Invalidate();
  if (FButton) FButton->Invalidate();
}

void TExtCustomDropDown::SetDisabledBorder(bool Value) {
  if (FDisabledBorder == Value) return;
  FDisabledBorder = Value;
  Invalidate();
}

std::string TExtCustomDropDown::Version() const {
  const auto n = static_cast<std::uint32_t>(GetVersionNr());
  return std::to_string(n >> 24) + "." + std::to_string((n >> 16) & 0xFF) + "." + std::to_string((n >> 8) & 0xFF) +
         "." + std::to_string(n & 0xFF);
}

void TExtCustomDropDown::SetText(const std::string& Value) { FModel->SetText(Value); }

void TExtCustomDropDown::SetEditType(TDropDownEditType Value) {
  if (Value == FModel->EditType()) return;
  if (Value == etPassword) {
    SetPasswordChar('*');
    FCanUndo = false;
  } else {
    SetPasswordChar(0);
  }
  FModel->SetEditType(Value);
}

void TExtCustomDropDown::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExtCustomDropDown*>(Source);
  if (!s) return;
  FFocusDraw = s->FFocusDraw;
  FForceShadow = s->FForceShadow;
  FDropDownEnabled = s->FDropDownEnabled;
  FDropDownColor = s->FDropDownColor;
  FDropDownColorTo = s->FDropDownColorTo;
  FDropDownGradient = s->FDropDownGradient;
  FDropDownBorderColor = s->FDropDownBorderColor;
  FDropDownBorderWidth = s->FDropDownBorderWidth;
  FDropDownShadow = s->FDropDownShadow;
  FDropDownWidth = s->FDropDownWidth;
  FDropDownHeight = s->FDropDownHeight;
  FDropDownSizeable = s->FDropDownSizeable;
  FModel->SetEditType(s->FModel->EditType());
  FReturnIsTab = s->FReturnIsTab;
  FModel->SetLengthLimit(s->FModel->LengthLimit());
  FModel->SetPrecision(s->FModel->Precision());
  FModel->SetPrefix(s->FModel->Prefix());
  FModel->SetSuffix(s->FModel->Suffix());
  FDefaultHandling = s->FDefaultHandling;
  FCanUndo = s->FCanUndo;
  FModel->SetExcelStyleDecimalSeparator(s->FModel->ExcelStyleDecimalSeparator());
  FModel->SetValidChars(s->FModel->ValidChars());
  FModel->SetSigned(s->FModel->Signed());
  FModel->SetAutoThousandSeparator(s->FModel->AutoThousandSeparator());
  FButtonAppearance->Assign(s->FButtonAppearance.get());
  FDropDownHeader->Assign(s->FDropDownHeader.get());
  FDropDownFooter->Assign(s->FDropDownFooter.get());
  FDropPosition = s->FDropPosition;
  FFlat = s->FFlat;
  SetDropDownButtonWidth(s->FButtonWidth);
  SetDropDownButtonHint(s->FButtonHint);
  FEditorEnabled = s->FEditorEnabled;
  if (FButton && s->FButton) {
    FButton->SetGlyph(s->FButton->Glyph());
    FButton->SetButtonCaption(s->FButton->ButtonCaption());
  }
  FEtched = s->FEtched;
  SetImages(s->FImages);
  FSelectionColorStyle = s->FSelectionColorStyle;
  FSelectionColor = s->FSelectionColor;
  FSelectionColorTo = s->FSelectionColorTo;
}

// Styles.

void TExtCustomDropDown::SetComponentStyle(TDAZStyle AStyle) {
  FDAZStyle = AStyle;
  if (auto popup = DropDownPopupStyle(AStyle)) {
    FDropDownColor = popup->DropDownColor;
    FDropDownColorTo = popup->DropDownColorTo;
    if (popup->DropDownBorderColor) FDropDownBorderColor = *popup->DropDownBorderColor;
    THeaderAppearance& h = *FDropDownHeader;
    h.SetColor(popup->HeaderColor);
    h.SetColorTo(popup->HeaderColorTo);
    h.Font().Color = popup->HeaderFont;
    h.SetBorderColor(popup->HeaderBorderColor);
    TFooterAppearance& f = *FDropDownFooter;
    f.SetColor(popup->FooterColor);
    f.SetColorTo(popup->FooterColorTo);
    f.Font().Color = popup->FooterFont;
    f.SetBorderColor(popup->FooterBorderColor);
  }
  if (auto b = DropDownButtonStyle(AStyle)) {
    TExtButtonAppearance& a = *FButtonAppearance;
    a.SetColor(b->Color);
    a.SetColorTo(b->ColorTo);
    a.SetBorderColor(b->BorderColor);
    a.SetColorHot(b->ColorHot);
    a.SetColorHotTo(b->ColorHotTo);
    a.SetBorderColorHot(b->BorderColorHot);
    a.SetColorDown(b->ColorDown);
    a.SetColorDownTo(b->ColorDownTo);
    a.SetBorderColorDown(b->BorderColorDown);
    a.SetColorDisabled(b->ColorDisabled);
    a.SetColorDisabledTo(b->ColorDisabledTo);
    a.SetColorChecked(b->ColorChecked);
    a.SetColorCheckedTo(b->ColorCheckedTo);
    a.SetBorderColorChecked(b->BorderColorChecked);
  }
}

void TExtCustomDropDown::SetColorTones(TColorTones ATones) {
  if (FButton) {
    FButton->SetButtonColor(ATones.Background.BrushColor);
    FButton->SetButtonColorHot(ATones.Hover.BrushColor);
    FButton->SetButtonColorDown(ATones.Selected.BrushColor);
    FButton->SetButtonBorderColor(ATones.Background.BorderColor);
  }
  SetBorderColor(ATones.Background.BorderColor);
}

void TExtCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  FSelectionColorStyle = Value;
  if (auto preset = SelectionPreset(Value)) {
    FSelectionColor = preset->first;
    FSelectionColorTo = preset->second;
  }
}

void TExtCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, const TRect& Rect, int Part, TColor CornerColor) {
  hd::DrawSelectionBackground(Canvas, FSelectionColorStyle, FSelectionColor, FSelectionColorTo, Rect, Part,
                              CornerColor);
}

void TExtCustomDropDown::DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect,
                                      bool Vertical) {
  DrawSteppedGradient(Canvas, FromColor, ToColor, Steps, Rect, !Vertical);
}

// Label.

std::string TExtCustomDropDown::LabelCaption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TExtCustomDropDown::SetLabelCaption(const std::string& Value) {
  if (!FLabel) {
    FLabel = new TLabel(this);
    FreeNotification(FLabel);
    FLabel->SetParent(Parent());
    FLabel->SetFocusControl(this);
    FLabel->SetFont(FLabelFont);
    FLabel->SetParentFont(ParentFont());
    FLabel->OnClick = [this](TObject*) { LabelClick(); };
    FLabel->OnDblClick = [this](TObject*) { LabelDblClick(); };
  }
  FLabel->SetCaption(Value);
  PlaceLabel();
}

void TExtCustomDropDown::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  PlaceLabel();
}

void TExtCustomDropDown::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  PlaceLabel();
}

void TExtCustomDropDown::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  PlaceLabel();
}

void TExtCustomDropDown::SetLabelFont(const TFont& Value) {
  if (!ParentFont()) FLabelFont = Value;
  PlaceLabel();
}

void TExtCustomDropDown::LabelClick() {
  if (FOnLabelClick) FOnLabelClick(this);
}

void TExtCustomDropDown::LabelDblClick() {
  if (FOnLabelDblClick) FOnLabelDblClick(this);
}

void TExtCustomDropDown::PlaceLabel() {
  if (!FLabel) return;
  if (FLabel->Parent() != Parent()) FLabel->SetParent(Parent());
  FLabel->SetTransparent(FLabelTransparent);
  FLabel->SetFont(FParentFnt ? Font() : FLabelFont);
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(FLabel->Font());
  TRect r{0, 0, 1000, 255};
  measure.Canvas().DrawText(FLabel->Caption(), r, DT_CALCRECT | DT_HIDEPREFIX);
  const int w = r.Width(), lw = FLabel->Width(), lh = FLabel->Height(), m = FLabelMargin;
  const int L = Left(), T = Top(), W = Width(), H = Height();
  int top = T, left = L - w - m;
  switch (FLabelPosition) {
    case lpLeftTop: break;
    case lpLeftCenter: top = T + (H - lh) / 2; break;
    case lpLeftBottom: top = T + H - lh; break;
    case lpTopLeft: top = T - lh - m; left = L; break;
    case lpBottomLeft: top = T + H + m; left = L; break;
    case lpLeftTopLeft: left = L - m; break;
    case lpLeftCenterLeft: top = T + (H - lh) / 2; left = L - m; break;
    case lpLeftBottomLeft: top = T + H - lh; left = L - m; break;
    case lpTopCenter: top = T - lh - m; left = L + (W - lw) / 2; break;
    case lpBottomCenter: top = T + H + m; left = L + (W - lw) / 2; break;
    case lpRightTop: left = L + W + m; break;
    case lpRightCenter: top = T + (H - lh) / 2; left = L + W + m; break;
    case lpRighBottom: top = T + H - lh; left = L + W + m; break;
    case lpTopRight: top = T - lh - m; left = L + W - lw; break;
    case lpBottomRight: top = T + H + m; left = L + W - lw; break;
  }
  FLabel->SetBounds(left, top, lw, lh);
  FLabel->SetVisible(Visible());
}

void TExtCustomDropDown::SetBounds(int left, int top, int width, int height) {
  TCustomMaskEdit::SetBounds(left, top, width, height);
  ResizeControl();
  if (FLabel && FLabel->Parent()) PlaceLabel();
}

void TExtCustomDropDown::SetEnabled(bool v) {
  TCustomMaskEdit::SetEnabled(v);
  if (FButton) FButton->SetEnabled(v);
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(v);
}

void TExtCustomDropDown::SetVisible(bool v) {
  TCustomMaskEdit::SetVisible(v);
  if (FLabel && !FLabel->Caption().empty()) FLabel->SetVisible(v);
}

// Layout and looks.

int TExtCustomDropDown::MinimumHeight() {
  TBitmap b(1, 1);
  b.Canvas().SetFont(TFont{});
  const int system = b.Canvas().TextMetrics().Height;
  b.Canvas().SetFont(Font());
  const int own = b.Canvas().TextMetrics().Height;
  return own + std::min(system, own) / 4;
}

void TExtCustomDropDown::ResizeControl() {
  if (Height() < MinimumHeight()) {
    SetHeight(MinimumHeight());
    return;
  }
  if (FButton) {
    // The platform edit draws its frame inside its window: the button sits within it.
    const int inset = BorderStyle() == bsSingle ? 2 : 0;
    const int w = ClientWidth(), h = ClientHeight();
    FButton->SetBounds(w - FButtonWidth - inset, inset, FButtonWidth, std::max(0, h - 2 * inset));
  }
  SetEditRect();
  Invalidate();
}

void TExtCustomDropDown::SetEditRect() {
  TRect r = BorderStyle() == bsNone ? TRect{2, 3, 0, 0} : TRect{1, 1, 0, 0};
  r.Right = ClientWidth() - FButtonWidth - 3;
  r.Bottom = ClientHeight() + 1;
  FEditRect = r;
  if (!HandleAllocated()) return;
  TRect given = r;
  if (!Ctl3D()) ++given.Left;
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&given));
}

void TExtCustomDropDown::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

bool TExtCustomDropDown::Hot() const {
  return FMouseInControl || Screen().ActiveControl() == this;
}

void TExtCustomDropDown::DrawFocus() {
  if (FEditorEnabled || !Focused() || !FFocusDraw) return;
  Invalidate();
}

void TExtCustomDropDown::PaintFocusLook(TCanvas& Canvas) {
  if (FEditorEnabled || !FFocusDraw) return;
  TRect r{2, 2, Width() - FButtonWidth - 1, Height() - 2};
  Canvas.Pen() = TPen{clBlack};
  Canvas.Brush() = TBrush{clHighlight, bsSolid};
  Canvas.Rectangle(r);
  Canvas.Font() = Font();
  Canvas.Font().Color = clHighlightText;
  Canvas.SetBkMode(bkTransparent);
  r.Left += 2;
  r.Right -= 3;
  Canvas.DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER);
}

void TExtCustomDropDown::PaintBorderLook(TCanvas& Canvas) {
  if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  const TRect all{0, 0, Width(), Height()};
  auto frame = [&](const TRect& r, TColor c) {
    Canvas.Brush() = TBrush{c, bsSolid};
    Canvas.FrameRect(r);
  };
  if (!Enabled() && ThemesActive() && FDisabledBorder) {
    frame(all, 0xC0C0C0);
  } else if (FBorderColor != clNone && (!Focused() || FFocusBorderColor == clNone)) {
    frame(all, FBorderColor);
  } else if (FFocusBorderColor != clNone) {
    if (Focused()) frame(all, FFocusBorderColor);
  } else if (Hot()) {
    TRect r = all;
    Canvas.DrawEdge(r, BDR_SUNKENOUTER, BF_RECT);
    frame(Rect(1, 1, Width() - 1, Height() - 1), clBtnFace);
  } else {
    const TColor back = Parent() ? Parent()->Color() : clBtnFace;
    frame(all, back);
    frame(Rect(1, 1, Width() - 1, Height() - 1), back);
  }
  if (FButton) FButton->SpeedButton()->SetFocused(Hot());
}

// Messages.

void TExtCustomDropDown::InheritedChar(TKeyChar Key) {
  TMessage m{WM_CHAR, static_cast<WPARAM>(Key), 0, 0};
  TCustomMaskEdit::Dispatch(m);
}

void TExtCustomDropDown::KeyDown(WORD& key, TShiftState shift) {
  TCustomMaskEdit::KeyDown(key, shift);
  if (shift.Contains(ssAlt) && (key == VK_UP || key == VK_DOWN)) ToggleDropDown();
}

void TExtCustomDropDown::KeyPress(TKeyChar& key) {
  TCustomMaskEdit::KeyPress(key);
  if (key == VK_RETURN) key = 0;
}

void TExtCustomDropDown::HandleChar(TMessage& m) {
  if (!FEditorEnabled) return;
  auto key = static_cast<TKeyChar>(m.WParam);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  TCustomForm* form = GetParentForm(this);
  const bool preview = form && form->KeyPreview();
  if (ctrl && key == 10) {
    m.Result = 1;
    return;
  }
  if (key == 13) {
    TKeyChar ret = 13;
    if (OnKeyPress) OnKeyPress(this, ret);
    if (!FDefaultHandling && Parent()) {
      PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_RETURN, 0);
      if (!preview) PostMessage(Parent()->Handle(), WM_KEYUP, VK_RETURN, 0);
    }
    return;
  }
  if (key == 27 && !FDefaultHandling && Parent()) {
    if (preview) {
      TCustomMaskEdit::Dispatch(m);
      return;
    }
    PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessage(Parent()->Handle(), WM_KEYUP, VK_ESCAPE, 0);
  }
  if (key == 27 && !FCanUndo) {
    TCustomMaskEdit::Dispatch(m);
    return;
  }
  if (ctrl && (key == 3 || key == 22 || key == 24)) {
    TCustomMaskEdit::Dispatch(m);
    return;
  }
  FModel->KeyChar(key, (m.LParam & (LPARAM{1} << 22)) != 0);
}

void TExtCustomDropDown::HandleKeyDown(TMessage& m) {
  WORD key = static_cast<WORD>(m.WParam);
  const TShiftState shift = KeyDataToShiftState(m.LParam) + KeyboardStateToShiftState();
  if (!FEditorEnabled) {
    if (!Enabled()) return;
    if (ReadOnly()) {
      if (key == VK_RETURN || key == VK_ESCAPE) TCustomMaskEdit::Dispatch(m);
      return;
    }
    if (key == VK_RETURN || key == VK_ESCAPE || key == VK_F4) PopupKey(key);
    return;
  }
  if (GetKeyState(VK_MENU) < 0 && (key == VK_UP || key == VK_DOWN)) {
    ToggleDropDown();
    return;
  }
  if (shift.Contains(ssCtrl) && (key == VK_TAB || key == VK_RETURN)) {
    TCustomMaskEdit::Dispatch(m);
    return;
  }
  if (key == VK_RETURN && FReturnIsTab) {
    key = VK_TAB;
    m.WParam = VK_TAB;
    if (Showing()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (FModel->KeyDownBefore(key, shift)) {
    m.Result = 0;
    return;
  }
  HWND self = Handle();
  TCustomMaskEdit::Dispatch(m);
  if (!IsWindow(self)) return;
  FModel->KeyDownAfter(key);
  PopupKey(static_cast<WORD>(m.WParam));
}

void TExtCustomDropDown::HandleSpecialKey(TMessage& m) {
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  const auto key = static_cast<int>(m.WParam);
  bool claimed = false;
  if (!form->KeyPreview()) {
    if (key == VK_ESCAPE && FCanUndo) {
      FModel->SelectAll();
      FModel->SetModified(false);
      // Taken here, as a key zeroed: the form does not act on it as well.
      claimed = true;
      if (FDefaultHandling && Parent()) {
        PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessage(Parent()->Handle(), WM_KEYUP, VK_ESCAPE, 0);
      }
    } else if (key == VK_RETURN && FDefaultHandling && Parent() && Parent()->Focused()) {
      PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_RETURN, 0);
      PostMessage(Parent()->Handle(), WM_KEYUP, VK_RETURN, 0);
    }
  }
  TCustomMaskEdit::Dispatch(m);
  if (claimed || (key == VK_ESCAPE && FDroppedDown)) m.Result = 1;
}

void TExtCustomDropDown::HandleMouseDown(TMessage& m) {
  if (!FEditorEnabled) {
    TCustomMaskEdit::Dispatch(m);
    ButtonClick();
    return;
  }
  if (Focused() && SelLength() > 0) {
    int at = LOWORD(static_cast<std::uintptr_t>(Perform(EM_CHARFROMPOS, 0, m.LParam)));
    if (at >= SelStart() && at <= SelStart() + SelLength()) {
      FButtonDown = true;
      return;
    }
  }
  TCustomMaskEdit::Dispatch(m);
}

void TExtCustomDropDown::HandleMouseUp(TMessage& m) {
  if (!FEditorEnabled || ReadOnly()) DrawFocus();
  if (FButtonDown) {
    FButtonDown = false;
    int at = LOWORD(static_cast<std::uintptr_t>(Perform(EM_CHARFROMPOS, 0, m.LParam)));
    SelectRange(at, at);
  }
  TCustomMaskEdit::Dispatch(m);
  FModel->KeepSelectionInValue();
}

void TExtCustomDropDown::HandleClipboard(TMessage& m) {
  switch (m.Msg) {
    case WM_PASTE: {
      if (ReadOnly() || !Clipboard().HasFormat(CF_TEXT)) return;
      FModel->Paste(Clipboard().AsText(), MaxLength(), [this](const std::string& Predicted, bool& Allow) {
        if (FOnClipboardPaste) FOnClipboardPaste(this, Predicted, Allow);
      });
      return;
    }
    case WM_CUT: {
      if (!FEditorEnabled || ReadOnly()) return;
      bool allow = true;
      FBlockCopy = true;
      if (FOnClipboardCut) FOnClipboardCut(this, FModel->SelectedValue(), allow);
      if (allow) TCustomMaskEdit::Dispatch(m);
      FBlockCopy = false;
      return;
    }
    case WM_COPY: {
      bool allow = true;
      if (FOnClipboardCopy && !FBlockCopy) FOnClipboardCopy(this, FModel->SelectedValue(), allow);
      FBlockCopy = false;
      if (allow) TCustomMaskEdit::Dispatch(m);
      return;
    }
    default: return;
  }
}

void TExtCustomDropDown::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR: HandleChar(m); return;
    case WM_KEYDOWN: HandleKeyDown(m); return;
    case CM_WANTSPECIALKEY: HandleSpecialKey(m); return;
    case WM_LBUTTONDOWN: HandleMouseDown(m); return;
    case WM_LBUTTONUP: HandleMouseUp(m); return;
    case WM_PASTE:
    case WM_CUT:
    case WM_COPY: HandleClipboard(m); return;
    case CN_COMMAND:
      if (HIWORD(m.WParam) == EN_CHANGE && !FModel->ChangeNotified()) return;
      break;
    case WM_SETFOCUS:
      TCustomMaskEdit::Dispatch(m);
      if (!FEditorEnabled) {
        Invalidate();
      } else if (!ComponentState().Contains(csLoading)) {
        FModel->FocusGained(AutoSelect());
      }
      return;
    case WM_KILLFOCUS:
      if (FEditorEnabled && !ComponentState().Contains(csLoading)) FModel->FocusLost();
      if (!FEditorEnabled) Invalidate();
      TCustomMaskEdit::Dispatch(m);
      return;
    case CM_ENTER:
      TCustomMaskEdit::Dispatch(m);
      if (FEditorEnabled && AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) FModel->SelectAll();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (Enabled()) FMouseInControl = m.Msg == CM_MOUSEENTER;
      if (FButton) FButton->SpeedButton()->SetFocused(Hot());
      break;
    case EM_SETREADONLY:
      TCustomMaskEdit::Dispatch(m);
      if (FButton) FButton->SpeedButton()->Invalidate();
      return;
    case WM_SIZE:
      TCustomMaskEdit::Dispatch(m);
      ResizeControl();
      return;
    case CM_FONTCHANGED:
      TCustomMaskEdit::Dispatch(m);
      if (HandleAllocated()) SetEditRect();
      return;
    default: break;
  }
  TCustomMaskEdit::Dispatch(m);
}

}  // namespace hd
