// The spin edit, its button pair and the repeating arrow button: the value accessors over the
// edit's text, the keys and characters, the stepping, the sizing and the button painting.
#include "grid/editors/spin_edit.h"

#include <algorithm>
#include <map>

#include "platform/bitmap_resources.h"
#include "platform/canvas.h"
#include "platform/desktop.h"
#include "platform/scroll_bars.h"
#include "platform/sysutils.h"
#include "platform/themes.h"

namespace hd {

namespace {

// The default arrows of the button pair, registered on first use.
void RegisterSpinGlyphs() {
  static bool done = false;
  if (done) return;
  done = true;
  std::map<char, TColor> palette{{'#', clBlack}};
  RegisterBitmapResource("EsgSpinUp", [palette] { return BitmapFromRows({"  #  ", " ### ", "#####"}, palette); });
  RegisterBitmapResource("EsgSpinDown", [palette] { return BitmapFromRows({"#####", " ### ", "  #  "}, palette); });
}

TBitmap DefaultGlyph(TButtonDirection Direction) {
  RegisterSpinGlyphs();
  TBitmap glyph = BitmapResource(Direction == bdUp || Direction == bdRight ? "EsgSpinUp" : "EsgSpinDown");
  glyph.SetTransparent(true);
  return glyph;
}

// The triangle of the custom look, relative to the button's top-left corner.
std::vector<TPoint> TrianglePoints(TButtonDirection Direction) {
  switch (Direction) {
    case bdLeft: return {{5, 5}, {3, 7}, {5, 9}};
    case bdRight: return {{3, 5}, {5, 7}, {3, 9}};
    case bdUp: return {{4, 4}, {8, 4}, {6, 2}};
    case bdDown: return {{4, 2}, {8, 2}, {6, 4}};
  }
  return {};
}

bool LeftButtonDown() { return GetKeyState(VK_LBUTTON) < 0; }

}  // namespace

TExtTimerSpeedButton::TExtTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TExtTimerSpeedButton::~TExtTimerSpeedButton() = default;

void TExtTimerSpeedButton::SetTimeBtnState(TTimeBtnState Value) {
  FTimeBtnState = Value;
  Invalidate();
}

void TExtTimerSpeedButton::SetButtonDirection(TButtonDirection Value) {
  FButtonDirection = Value;
  Invalidate();
}

void TExtTimerSpeedButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  Invalidate();
}

TEsgSpinButton* TExtTimerSpeedButton::Pair() const { return dynamic_cast<TEsgSpinButton*>(Parent()); }

void TExtTimerSpeedButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
    FHasMouse = Message.Msg == CM_MOUSEENTER;
    Invalidate();
  }
  TSpeedButton::Dispatch(Message);
}

void TExtTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft) {
    if (TEsgSpinButton* pair = Pair()) pair->BtnMouseDown(this);
  }
  if (FTimeBtnState.Contains(tbAllowTimer)) {
    if (!FRepeatTimer) {
      FRepeatTimer = New<TTimer>(this);
      FRepeatTimer->OnTimer = [this](TObject* Sender) { TimerExpired(Sender); };
    }
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->SetInterval(kSpinRepeatDelay);
    FRepeatTimer->SetEnabled(true);
  }
  if (Parent()) Parent()->Invalidate();
}

void TExtTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  TWinControl* parent = Parent();
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (parent) parent->Invalidate();
}

void TExtTimerSpeedButton::TimerExpired(TObject* /*Sender*/) {
  FRepeatTimer->SetInterval(kSpinRepeatInterval);
  if (State() != bsDown || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    FRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TExtTimerSpeedButton::PaintCustom(TCanvas& ACanvas, TColor Face) {
  ACanvas.Brush().Color = Face;
  ACanvas.Brush().Style = bsSolid;
  ACanvas.FillRect(ClientRect());
  ACanvas.Brush().Color = clBlack;
  ACanvas.Pen().Color = clBlack;
  ACanvas.Polygon(TrianglePoints(FButtonDirection));
}

void TExtTimerSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  TEsgSpinButton* pair = Pair();
  bool down = State() == bsDown;
  if (pair && pair->ButtonColor != clNone) {
    TColor face = pair->ButtonColor;
    if (down && pair->ButtonColorDown != clNone)
      face = pair->ButtonColorDown;
    else if (!down && FHasMouse && pair->ButtonColorHot != clNone)
      face = pair->ButtonColorHot;
    PaintCustom(canvas, face);
    return;
  }
  bool vertical = FButtonDirection == bdUp || FButtonDirection == bdDown;
  if (FIsWinXP && ThemesActive() && vertical) {
    int state = down ? TS_PRESSED : FHasMouse ? TS_HOT : TS_NORMAL;
    canvas.DrawThemedPart(FButtonDirection == bdUp ? TThemedElement::SpinUp : TThemedElement::SpinDown, state, ClientRect());
    return;
  }
  if (!vertical) {
    TRect r = ClientRect();
    unsigned state = FButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
    if (down) state |= DFCS_PUSHED;
    if (Flat()) state |= DFCS_FLAT;
    canvas.DrawFrameControl(r, DFC_SCROLL, state);
    return;
  }
  TSpeedButton::Paint();
}

TEsgSpinButton::TEsgSpinButton(TComponent* AOwner) : TCustomControl(AOwner) {
  control_style_.Exclude(csAcceptsControls);
  control_style_.Exclude(csSetCaption);
  control_style_.Include(csOpaque);
  FUpButton = MakeButton(bdUp);
  FDownButton = MakeButton(bdDown);
  FFocusedButton = FUpButton;
  TCustomControl::SetBounds(0, 0, 15, 25);
}

TExtTimerSpeedButton* TEsgSpinButton::MakeButton(TButtonDirection Direction) {
  auto* button = New<TExtTimerSpeedButton>(this);
  button->SetButtonDirection(Direction);
  button->SetGlyph(DefaultGlyph(Direction));
  button->SetNumGlyphs(1);
  button->SetTimeBtnState({tbAllowTimer});
  button->OnClick = [this](TObject* Sender) { BtnClick(Sender); };
  button->SetParent(this);
  button->SetVisible(true);
  button->SetEnabled(true);
  return button;
}

void TEsgSpinButton::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  bool vertical = Value == spVertical;
  FUpButton->SetButtonDirection(vertical ? bdUp : bdRight);
  FDownButton->SetButtonDirection(vertical ? bdDown : bdLeft);
  if (HandleAllocated()) RecreateWnd();
  SetBounds(Left(), Top(), vertical ? 15 : 20, Height());
}

void TEsgSpinButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FUpButton->SetIsWinXP(Value);
  FDownButton->SetIsWinXP(Value);
}

void TEsgSpinButton::SetUpGlyph(const TBitmap& Value) {
  if (Value.Empty()) {
    FUpButton->SetGlyph(DefaultGlyph(FUpButton->ButtonDirection()));
    FUpButton->SetNumGlyphs(1);
  } else {
    FUpButton->SetGlyph(Value);
  }
}

void TEsgSpinButton::SetDownGlyph(const TBitmap& Value) {
  if (Value.Empty()) {
    FDownButton->SetGlyph(DefaultGlyph(FDownButton->ButtonDirection()));
    FDownButton->SetNumGlyphs(1);
  } else {
    FDownButton->SetGlyph(Value);
  }
}

int TEsgSpinButton::AdjustSize(int W, int H) {
  if (FDirection == spVertical) {
    W = std::max(W, 15);
    int half = H / 2;
    FUpButton->SetBounds(0, 0, W, half);
    FDownButton->SetBounds(0, half - 1, W, H - half + 1);
  } else {
    W = std::max(W, 20);
    int half = W / 2;
    FDownButton->SetBounds(0, 0, half, H);
    FUpButton->SetBounds(half - 1, 0, W - half + 1, H);
  }
  return W;
}

void TEsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  int w = AdjustSize(AWidth, AHeight);
  TCustomControl::SetBounds(ALeft, ATop, w, AHeight);
}

void TEsgSpinButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_SIZE:
      TCustomControl::Dispatch(Message);
      AdjustSize(Width(), Height());
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      TCustomControl::Dispatch(Message);
      TTimeBtnState state = FFocusedButton->TimeBtnState();
      if (Message.Msg == WM_SETFOCUS)
        state.Include(tbFocusRect);
      else
        state.Exclude(tbFocusRect);
      FFocusedButton->SetTimeBtnState(state);
      return;
    }
    default: TCustomControl::Dispatch(Message);
  }
}

void TEsgSpinButton::KeyDown(WORD& Key, TShiftState Shift) {
  switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    case VK_UP:
      FocusBtn(FUpButton);
      FUpButton->Click();
      break;
    case VK_DOWN:
      FocusBtn(FDownButton);
      FDownButton->Click();
      break;
    default: TCustomControl::KeyDown(Key, Shift);
  }
}

void TEsgSpinButton::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().Color = Color();
  canvas.FillRect(ClientRect());
}

void TEsgSpinButton::BtnClick(TObject* Sender) {
  if (Sender == FUpButton && OnUpClick) OnUpClick(this);
  if (Sender == FDownButton && OnDownClick) OnDownClick(this);
}

void TEsgSpinButton::FocusBtn(TExtTimerSpeedButton* Btn) {
  if (!TabStop() || !CanFocus() || Btn == FFocusedButton) return;
  TTimeBtnState old = FFocusedButton->TimeBtnState();
  old.Exclude(tbFocusRect);
  FFocusedButton->SetTimeBtnState(old);
  FFocusedButton = Btn;
  if (Focused()) {
    TTimeBtnState now = FFocusedButton->TimeBtnState();
    now.Include(tbFocusRect);
    FFocusedButton->SetTimeBtnState(now);
  }
}

void TEsgSpinButton::BtnMouseDown(TExtTimerSpeedButton* Sender) {
  FocusBtn(Sender);
  // The edit keeps the focus while its buttons are used.
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (!FFocusControl && TabStop() && CanFocus() && !Focused())
    SetFocus();
}

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  control_style_.Exclude(csSetCaption);
  FButton = New<TEsgSpinButton>(this);
  FButton->SetBounds(0, 0, 15, 17);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TObject*) { SpinUpClick(); };
  FButton->OnDownClick = [this](TObject*) { SpinDownClick(); };
  SetText("0");
}

TFormatSettings TEsgSpinEdit::Locale() { return FormatSettings(); }

void TEsgSpinEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  if (FEditAlign == eaRight) Params.Style |= ES_RIGHT;
  if (FEditAlign == eaCenter) Params.Style |= ES_CENTER;
}

void TEsgSpinEdit::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

void TEsgSpinEdit::SetEditRect() {
  if (!HandleAllocated()) return;
  TRect r;
  Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  int inset = BorderStyle() == bsNone ? 3 : 0;
  r.Left = inset;
  r.Top = inset;
  r.Right = ClientWidth() - FButton->Width() - inset - 2;
  r.Bottom = ClientHeight() + 1;
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

int TEsgSpinEdit::GetMinHeight() {
  TBitmap probe(1, 1);
  probe.Canvas().SetFont(TFont{});
  int system = probe.Canvas().TextHeight("Wg");
  probe.Canvas().SetFont(Font());
  int height = probe.Canvas().TextHeight("Wg");
  int border = BorderStyle() == bsSingle ? GetSystemMetrics(SM_CYBORDER) * 4 : 0;
  return height + std::min(height, system) / 4 + 2 + border;
}

void TEsgSpinEdit::ResizeToButtons() {
  int min = GetMinHeight();
  if (Height() < min) {
    SetBounds(Left(), Top(), Width(), min);
    return;
  }
  bool noBorder = BorderStyle() == bsNone;
  if (Ctl3D()) {
    int extra = noBorder ? 4 : 0;
    FButton->SetBounds(Width() - FButton->Width() - 5 + extra, 0, FButton->Width(), Height() - 5 + extra);
  } else {
    FButton->SetBounds(Width() - FButton->Width(), 1, FButton->Width(), Height() - 3);
  }
  SetEditRect();
}

void TEsgSpinEdit::SetDirection(TSpinDirection Value) { FButton->SetDirection(Value); ResizeToButtons(); }

void TEsgSpinEdit::SetEditAlign(TEditAlign Value) {
  if (Value == FEditAlign) return;
  FEditAlign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TEsgSpinEdit::SetSpinFlat(bool Value) {
  FUpFlat = Value;
  FButton->UpButton()->SetFlat(Value);
  FButton->DownButton()->SetFlat(Value);
}

void TEsgSpinEdit::SetSpinTransparent(bool Value) {
  FTransparent = Value;
  FButton->UpButton()->SetTransparent(Value);
  FButton->DownButton()->SetTransparent(Value);
}

void TEsgSpinEdit::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->SetIsWinXP(Value);
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType AType) {
  FSpinType = AType;
  switch (AType) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
  }
}

void TEsgSpinEdit::SetPrecision(int APrecision) {
  FPrecision = APrecision;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

int TEsgSpinEdit::Value() { return SpinIntFromText(Text(), FMinValue); }

void TEsgSpinEdit::SetValue(int NewValue) {
  SetText(IntToStr(HoldWithin(NewValue, FMinValue, FMaxValue)));
  if (!FEditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() { return SpinFloatFromText(Text(), FMinFloatValue, Locale()); }

void TEsgSpinEdit::SetFloatValue(double NewValue) {
  SetText(SpinFloatText(HoldWithin(NewValue, FMinFloatValue, FMaxFloatValue), FPrecision, Locale()));
}

TDateTime TEsgSpinEdit::DateValue() { return SpinDateFromText(Text(), FMinDateValue, Locale()); }

void TEsgSpinEdit::SetTextKeepCaret(const std::string& Value) {
  int caret = SelStart();
  SetText(Value);
  SetSelStart(caret);
}

void TEsgSpinEdit::SetDateValue(TDateTime NewValue) {
  FDateValue = NewValue;
  if (ComponentState().Contains(csLoading)) return;
  SetTextKeepCaret(SpinDateText(HoldWithin(NewValue, FMinDateValue, FMaxDateValue), Locale()));
}

TDateTime TEsgSpinEdit::TimeValue() { return SpinTimeFromText(Text(), Locale()); }

void TEsgSpinEdit::SetTimeValue(TDateTime NewValue) {
  FTimeValue = NewValue;
  if (ComponentState().Contains(csLoading)) return;
  SetTextKeepCaret(SpinTimeText(HoldWithin(NewValue, FMinDateValue, FMaxDateValue), FShowSeconds, Locale()));
}

void TEsgSpinEdit::Loaded() {
  TCustomMaskEdit::Loaded();
  if (FSpinType == sptDate) SetText(SpinDateText(FDateValue, Locale()));
  if (FSpinType == sptTime) SetText(SpinTimeText(FTimeValue, FShowSeconds, Locale()));
  SetSpinType(FSpinType);
}

bool TEsgSpinEdit::IsValidChar(TKeyChar Key) {
  TSpinCharState state;
  state.SpinType = FSpinType;
  state.Text = Text();
  state.SelStart = SelStart();
  state.SelLength = SelLength();
  state.Precision = FPrecision;
  state.EditorEnabled = FEditorEnabled;
  return SpinCharValid(state, Key, Locale());
}

void TEsgSpinEdit::StepDate(int Delta) {
  SetDateValue(StepDatePart(DateValue(), Text(), SelStart(), Delta, Locale()));
}

void TEsgSpinEdit::StepTime(bool Up) {
  SetTimeValue(StepTimePart(TimeValue(), Text(), SelStart(), Up, FShowSeconds, FSteps, Locale()));
}

void TEsgSpinEdit::IncrementValue(bool Paging) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  FUsDates = MonthBeforeDay(Locale());
  switch (FSpinType) {
    case sptNormal: SetValue(Value() + FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + (Paging ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(1); break;
    case sptTime: StepTime(true); break;
  }
}

void TEsgSpinEdit::DecrementValue(bool Paging) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  FUsDates = MonthBeforeDay(Locale());
  switch (FSpinType) {
    case sptNormal: SetValue(Value() - FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() - (Paging ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(-1); break;
    case sptTime: StepTime(false); break;
  }
}

void TEsgSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    Key = VK_TAB;
    PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(TKeyChar& Key) {
  if (!IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TEsgSpinEdit::WMChar(TMessage& Message) {
  // The keypad's "." carries bit 0x40 of its scan code (bit 22 of the key data).
  if (FExcelStyleDecimalSeparator && Message.WParam == '.' && (Message.LParam & (LPARAM{1} << 22)))
    Message.WParam = static_cast<WPARAM>(static_cast<unsigned char>(Locale().DecimalSeparator));
  TCustomMaskEdit::Dispatch(Message);
}

void TEsgSpinEdit::ClampOnExit() {
  switch (FSpinType) {
    case sptNormal: {
      int v = Value();
      if (v != HoldWithin(v, FMinValue, FMaxValue)) SetValue(v);
      break;
    }
    case sptFloat: {
      double v = FloatValue();
      if (v != HoldWithin(v, FMinFloatValue, FMaxFloatValue)) SetFloatValue(v);
      break;
    }
    case sptDate: {
      TDateTime v = DateValue();
      if (v != HoldWithin(v, FMinDateValue, FMaxDateValue)) SetDateValue(v);
      break;
    }
    case sptTime: {
      TDateTime v = TimeValue();
      if (v != HoldWithin(v, FMinDateValue, FMaxDateValue)) SetTimeValue(v);
      break;
    }
  }
}

void TEsgSpinEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
      switch (Message.WParam) {
        case VK_PRIOR: IncrementValue(true); Message.Result = 0; return;
        case VK_NEXT: DecrementValue(true); Message.Result = 0; return;
        case VK_UP: IncrementValue(false); Message.Result = 0; return;
        case VK_DOWN: DecrementValue(false); Message.Result = 0; return;
        default: break;
      }
      break;
    case WM_CHAR: WMChar(Message); return;
    case WM_CUT:
    case WM_PASTE:
      if (!FEditorEnabled || ReadOnly()) return;
      break;
    case WM_SIZE:
      TCustomMaskEdit::Dispatch(Message);
      ResizeToButtons();
      return;
    case CM_EXIT:
      TCustomMaskEdit::Dispatch(Message);
      ClampOnExit();
      return;
    case CM_ENTER:
      if (AutoSelect() && !(LeftButtonDown() && FEditorEnabled)) SelectAll();
      break;
    default: break;
  }
  TCustomMaskEdit::Dispatch(Message);
}

}  // namespace hd
