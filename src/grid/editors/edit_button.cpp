// The edit with a button and the unit edit: the painted button and its container, sizing and
// the text rectangle, F4, the typing and clipboard gates, the unit text and the unit menu.
#include "grid/editors/edit_button.h"

#include <algorithm>
#include <memory>

#include "platform/canvas.h"
#include "platform/menus.h"
#include "platform/sysutils.h"
#include "platform/themes.h"

namespace hd {

namespace {

bool LeftButtonDown() { return GetKeyState(VK_LBUTTON) < 0; }

// The height of a line of text in a font.
int FontTextHeight(const TFont& Font) {
  TBitmap probe(1, 1);
  probe.Canvas().SetFont(Font);
  return probe.Canvas().TextHeight("Wg");
}

}  // namespace

TExtSpeedButton::TExtSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TEsgEditButton* TExtSpeedButton::Container() const { return dynamic_cast<TEsgEditButton*>(Parent()); }

void TExtSpeedButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  Invalidate();
}

void TExtSpeedButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
    FHot = Message.Msg == CM_MOUSEENTER;
    Invalidate();
  }
  TSpeedButton::Dispatch(Message);
}

void TExtSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (!IsWindow(self) || Button != mbLeft) return;
  if (TEsgEditButton* container = Container()) container->ButtonMouseUp();
}

void TExtSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  bool down = State() == bsDown || State() == bsExclusive;
  TEsgEditButton* container = Container();
  if (container && container->ButtonColor != clNone) {
    SetFlat(true);
    TColor face = container->ButtonColor;
    if (FHot && container->ButtonColorHot != clNone) face = container->ButtonColorHot;
    if (down && container->ButtonColorDown != clNone) face = container->ButtonColorDown;
    canvas.Brush().Color = face;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(r);
  } else if (FIsWinXP && ThemesActive()) {
    canvas.DrawThemedPart(TThemedElement::PushButton, down ? TS_PRESSED : FHot ? TS_HOT : TS_NORMAL, r);
  } else if (Flat()) {
    canvas.DrawEdge(r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, 0x80F);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  } else {
    canvas.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0u));
  }
  int shift = down ? 1 : 0;
  if (!Glyph().Empty()) {
    int gw = Glyph().Width() / std::max(1, NumGlyphs()), gh = Glyph().Height();
    int x = gw < Width() ? (Width() - gw) / 2 : 0;
    int y = gh < Height() ? (Height() - gh) / 2 : 0;
    TBitmap strip = Glyph();
    TBitmap face(gw, gh);
    face.Canvas().CopyRect(Rect(0, 0, gw, gh), strip.Canvas(), Rect(0, 0, gw, gh));
    face.SetTransparent(true);
    face.SetTransparentColor(strip.Canvas().Pixel(0, gh - 1));
    canvas.Draw(x + shift, y + shift, face);
  }
  if (!Caption().empty()) {
    canvas.Font().Color = clBlack;
    canvas.Brush().Style = bsClear;
    TRect text = Rect(r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift);
    canvas.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TCustomControl(AOwner) {
  control_style_.Exclude(csAcceptsControls);
  control_style_.Exclude(csSetCaption);
  control_style_.Include(csOpaque);
  FButton = New<TExtSpeedButton>(this);
  FButton->SetVisible(true);
  FButton->SetEnabled(true);
  FButton->SetParent(this);
  FButton->SetCaption("");
  TCustomControl::SetBounds(0, 0, 20, 25);
  FButton->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::SetFocusControl(TWinControl* Value) {
  if (FFocusControl) RemoveFreeNotification(FFocusControl);
  FFocusControl = Value;
  if (Value) FreeNotification(Value);
}

void TEsgEditButton::SetFlat(bool Value) {
  FFlat = Value;
  FButton->SetFlat(Value);
}

void TEsgEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TEsgEditButton::Loaded() {
  TCustomControl::Loaded();
  FButton->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::Dispatch(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (Message.Msg == WM_SIZE && !ComponentState().Contains(csLoading)) FButton->SetBounds(0, 0, Width(), Height());
}

void TEsgEditButton::ButtonMouseUp() {
  HWND self = Handle();
  if (OnClick) OnClick(this);
  if (!IsWindow(self)) return;
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (!FFocusControl && TabStop() && CanFocus() && !Focused())
    SetFocus();
}

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FButton = New<TEsgEditButton>(this);
  FButton->SetBounds(0, 0, 18, 18);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](TObject* Sender) { ClickButton(Sender); };
  SetText("0");
}

TEsgEditBtn::~TEsgEditBtn() { FButton = nullptr; }

void TEsgEditBtn::ClickButton(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TEsgEditBtn::SetRightAlign(bool Value) {
  if (Value == FRightAlign) return;
  FRightAlign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TEsgEditBtn::SetButtonWidth(int Value) {
  FButtonWidth = Value;
  FButton->SetBounds(FButton->Left(), FButton->Top(), Value, FButton->Height());
  Resized();
}

void TEsgEditBtn::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->Button()->SetIsWinXP(Value);
}

void TEsgEditBtn::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  if (FRightAlign) Params.Style |= ES_RIGHT;
}

void TEsgEditBtn::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

void TEsgEditBtn::SetEditRect() {
  if (!HandleAllocated() || !FButton) return;
  TRect r;
  Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  r.Bottom = ClientHeight() + 1;
  int unit = UnitWidth();
  r.Right = ClientWidth() - FButton->Width() - 5 - unit;
  if (unit > 0) r.Right -= 3;
  r.Left = r.Top = BorderStyle() == bsNone ? 3 : 1;
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

int TEsgEditBtn::GetMinHeight() {
  int h = FontTextHeight(Font());
  int s = FontTextHeight(TFont{});
  return h + std::min(h, s) / 4;
}

void TEsgEditBtn::Resized() {
  if (!FButton) return;
  if (Height() < GetMinHeight()) {
    // The new size comes back through WM_SIZE.
    SetBounds(Left(), Top(), Width(), GetMinHeight());
    return;
  }
  if (Ctl3D()) {
    int k = BorderStyle() == bsNone ? 1 : 5;
    FButton->SetBounds(Width() - FButton->Width() - k, 0, FButton->Width(), Height() - k);
  } else {
    FButton->SetBounds(Width() - FButton->Width(), 1, FButton->Width(), Height() - 3);
  }
  SetEditRect();
}

void TEsgEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  // Neither Alt key: AltGr combinations must not press the button either.
  bool alt = Shift.Contains(ssAlt) || GetKeyState(VK_LMENU) < 0 || GetKeyState(VK_RMENU) < 0;
  if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !alt) ClickButton(this);
}

void TEsgEditBtn::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TCustomMaskEdit::Dispatch(Message);
      Resized();
      return;
    case WM_CHAR:
      if (!FEditorEnabled) return;
      break;
    case WM_CUT:
    case WM_PASTE:
      if (!FEditorEnabled || ReadOnly()) return;
      break;
    case CM_ENTER:
      if (AutoSelect() && !LeftButtonDown()) SelectAll();
      break;
    default: break;
  }
  TCustomMaskEdit::Dispatch(Message);
}

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner), FUnits(new TStringList) {
  FUnitLabel = New<TPaintBox>(this);
  FUnitLabel->SetParent(this);
  FUnitLabel->OnPaint = [this](TObject* Sender) { PaintUnit(Sender); };
  SetRightAlign(true);
  FUnitSize = 20;
  PlaceUnitLabel();
}

TEsgUnitEditBtn::~TEsgUnitEditBtn() { delete FUnits; }

void TEsgUnitEditBtn::SetUnitID(const std::string& Value) {
  FUnitID = Value;
  PlaceUnitLabel();
  SetEditRect();
  if (FUnitLabel) FUnitLabel->Invalidate();
}

int TEsgUnitEditBtn::UnitWidth() {
  if (FUnitSize <= 0) return 0;
  // A unit wider than its space is shown whole, the text giving way to it.
  TBitmap probe(1, 1);
  probe.Canvas().SetFont(Font());
  return std::max(FUnitSize, probe.Canvas().TextWidth(FUnitID) + 2);
}

void TEsgUnitEditBtn::SetUnits(const TStringList* Value) {
  if (Value) FUnits->Assign(*Value);
}

void TEsgUnitEditBtn::SetUnitSpace(int Value) {
  FUnitSize = Value;
  SetEditRect();
  PlaceUnitLabel();
  Invalidate();
}

void TEsgUnitEditBtn::SetTextAndUnit(const std::string& Value) {
  for (int i = 0; i < FUnits->Count(); ++i) {
    const std::string& unit = (*FUnits)[i];
    if (unit.empty()) continue;
    size_t first = Value.find(unit);
    // Only the unit's first occurrence counts, and it must close the value.
    if (first == std::string::npos || first + unit.size() != Value.size()) continue;
    SetText(Value.substr(0, first));
    SetUnitID(Value.substr(first));
    return;
  }
}

void TEsgUnitEditBtn::PlaceUnitLabel() {
  if (!FUnitLabel) return;
  int right = ClientWidth() - Button()->Width() - 3;
  int width = UnitWidth();
  FUnitLabel->SetVisible(width > 0);
  FUnitLabel->SetBounds(right - width, 2, width, std::max(0, ClientHeight() - 2));
}

void TEsgUnitEditBtn::PaintUnit(TObject* /*Sender*/) {
  TCanvas& canvas = FUnitLabel->Canvas();
  canvas.Brush().Color = Color();
  canvas.Brush().Style = bsSolid;
  canvas.FillRect(FUnitLabel->ClientRect());
  canvas.SetFont(Font());
  canvas.Brush().Style = bsClear;
  TRect r = FUnitLabel->ClientRect();
  canvas.DrawText(FUnitID, r, DT_EDITCONTROL | DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

void TEsgUnitEditBtn::ClickButton(TObject* /*Sender*/) {
  TEsgEditBtn::ClickButton(this);
  auto menu = std::make_unique<TMenuItem>(nullptr);
  for (int i = 0; i < FUnits->Count(); ++i) menu->Add(NewItem(nullptr, (*FUnits)[i]));
  TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
  HWND self = Handle();
  int command = TrackPopupMenu(*menu, TPM_LEFTBUTTON | TPM_RETURNCMD, at.X, at.Y, self);
  if (command == 0 || !IsWindow(self)) return;
  // The items are numbered 1..n in the order of Units.
  TMenuItem* chosen = menu->FindItem(static_cast<WORD>(command));
  int index = chosen ? menu->IndexOf(chosen) : -1;
  if (index >= 0) Perform(WM_COMMAND, MAKEWPARAM(index + 1, 0), 0);
}

void TEsgUnitEditBtn::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
      if (Message.LParam == 0 && HIWORD(Message.WParam) != EN_CHANGE) {
        int n = LOWORD(Message.WParam);
        if (n >= 1 && n <= FUnits->Count()) {
          std::string old = FUnitID;
          SetUnitID((*FUnits)[n - 1]);
          if (FUnitID != old && OnUnitChanged) OnUnitChanged(this, FUnitID);
        }
        return;
      }
      break;
    case WM_SIZE:
      TEsgEditBtn::Dispatch(Message);
      PlaceUnitLabel();
      return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      TEsgEditBtn::Dispatch(Message);
      PlaceUnitLabel();
      FUnitLabel->Invalidate();
      return;
    default: break;
  }
  TEsgEditBtn::Dispatch(Message);
}

}  // namespace hd
