// Auto tab between the picker's fields, the embedded time part of a date-and-time picker and
// the attached label.
#include "grid/editors/ext_date_time_picker.h"

#include <cmath>

#include "platform/bitmap.h"
#include "platform/themes.h"

namespace hd {
namespace {

bool IsDigitKey(TKeyChar k) { return k >= '0' && k <= '9'; }

// The hour, minute and second of a value, without its milliseconds.
TDateTime WholeSeconds(TDateTime v) {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(v, h, m, s, ms);
  return std::floor(v) + EncodeTime(h, m, s, 0);
}

}  // namespace

UINT DTPShiftFocusMessage() {
  static const UINT message = RegisterWindowMessage("DTPShiftFocus");
  return message;
}

// --- TCustomDateTimePicker ---

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), TFlatPickerLook(this, true) {
  DTPShiftFocusMessage();
  SetCtl3D(false);
  FBorderStyle = bsNone;
  FBorderColor = clBlack;
}

void TCustomDateTimePicker::KeyPress(TKeyChar& Key) {
  if (!FAutoTab || !IsDigitKey(Key)) {
    TDateTimePicker::KeyPress(Key);
    return;
  }
  if (TDateTimePicker::Kind() == dtkTime) DecodeTime(TDateTimePicker::DateTime(), Fh, Fm, Fs, Fms);
  TDateTimePicker::KeyPress(Key);
  PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::ShiftFocus() {
  if (TDateTimePicker::Kind() != dtkTime) return;
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
  if (h != Fh || m != Fm || s != Fs) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

void TCustomDateTimePicker::Paint() {
  TDateTimePicker::Paint();
  PaintOver(Canvas());
}

void TCustomDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  LookMouseMove(X);
}

void TCustomDateTimePicker::Dispatch(TMessage& Message) {
  if (Message.Msg == DTPShiftFocusMessage()) ShiftFocus();
  // The time part's keys are its picker's: Tab, Return and Escape go to the picker's KeyDown
  // when the picker claims them, not to the form's dialog keys.
  if (Message.Msg == CM_WANTSPECIALKEY && Parent() && Parent() == Owner() &&
      dynamic_cast<TExtDateTimePicker*>(Owner())) {
    Message.Result = Parent()->Perform(CM_WANTSPECIALKEY, Message.WParam, Message.LParam);
    if (Message.Result != 0) return;
  }
  TDateTimePicker::Dispatch(Message);
  LookMessage(Message);
}

// --- TExtDateTimePicker ---

TExtDateTimePicker::TExtDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner) {
  FBorderStyle = bsSingle;
  SetCtl3D(true);
  FMetroStyle = false;
  CreateTimePicker();
  UpdateTimePicker();
}

TExtDateTimePicker::~TExtDateTimePicker() {
  if (FLabel) {
    TLabel* label = FLabel;
    FLabel = nullptr;
    delete label;
  }
  FreeTimePicker();
}

std::string TExtDateTimePicker::Version() const { return VersionString(0x01020000); }

void TExtDateTimePicker::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomDateTimePicker::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
  if (Operation == opRemove && AComponent == FTimePicker) FTimePicker = nullptr;
}

void TExtDateTimePicker::SetKind(TExtDateTimeKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
  if (Value == dkDateTime) CreateTimePicker();
  UpdateTimePicker();
}

TDateTime TExtDateTimePicker::Time() const {
  if (FKind == dkDateTime && FTimePicker) return FTimePicker->Time();
  return TDateTimePicker::Time();
}

void TExtDateTimePicker::SetTime(TDateTime Value) {
  TDateTimePicker::SetTime(Value);
  UpdateTimePicker();
}

TDateTime TExtDateTimePicker::DateTime() const {
  // What the user typed into the time part counts.
  if (FTimePicker) const_cast<TExtDateTimePicker*>(this)->TDateTimePicker::SetTime(FTimePicker->Time());
  return TDateTimePicker::DateTime();
}

void TExtDateTimePicker::SetDateTime(TDateTime Value) {
  const TDateTime v = WholeSeconds(Value);
  TDateTimePicker::SetDateTime(v);
  if (FKind == dkDateTime) CreateTimePicker();
  if (FTimePicker) FTimePicker->SetDateTime(v);
}

void TExtDateTimePicker::SetDate(TDateTime Value) {
  const TDateTime now = DateTime();
  SetDateTime(std::floor(Value) + (WholeSeconds(now) - std::floor(now)));
}

void TExtDateTimePicker::SetTimeFormat(const std::string& Value) {
  if (FTimePicker) FTimePicker->SetFormat(Value);
  if (FKind == dkTime) SetFormat(Value);
  FTimeFormat = Value;
  UpdateTimePicker();
}

void TExtDateTimePicker::SetAutoTab(bool Value) {
  TCustomDateTimePicker::SetAutoTab(Value);
  if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TExtDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  TCustomDateTimePicker::SetBorderStyle(Value);
  UpdateTimePicker();
}

void TExtDateTimePicker::KeyPress(TKeyChar& Key) {
  if (FAutoTab && IsDigitKey(Key)) DecodeDate(TDateTimePicker::DateTime(), Fy, Fmo, Fd);
  TCustomDateTimePicker::KeyPress(Key);
}

void TExtDateTimePicker::ShiftFocus() {
  if (FKind == dkTime) {
    TCustomDateTimePicker::ShiftFocus();
    return;
  }
  int Y = 0, M = 0, D = 0;
  DecodeDate(TDateTimePicker::DateTime(), Y, M, D);
  const bool dChanged = D != Fd, mChanged = M != Fmo, yChanged = Y != Fy;
  const std::string format = Format();
  if (!format.empty()) {
    const char L = format.back();
    const bool lastDone = (dChanged && (L == 'd' || L == 'D')) || (mChanged && (L == 'm' || L == 'M')) ||
                          (yChanged && (L == 'y' || L == 'Y'));
    if (lastDone) {
      if (FTimePicker) FTimePicker->SetFocus();
    } else if (dChanged || mChanged || yChanged) {
      PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    }
  } else if (dChanged || mChanged) {
    PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  } else if (yChanged && FTimePicker) {
    FTimePicker->SetFocus();
  }
}

void TExtDateTimePicker::DoChange() {
  if (OnChange) OnChange(this);
}

void TExtDateTimePicker::DoClick() {
  if (OnClick) OnClick(this);
}

void TExtDateTimePicker::CreateTimePicker() {
  if (FTimePicker || FKind != dkDateTime) return;
  FTimePicker = new TCustomDateTimePicker(this);
  FTimePicker->SetParent(this);
  FTimePicker->SetBounds(0, 0, 90, 17);
  FTimePicker->SetVisible(false);
  FTimePicker->SetEnabled(Enabled());
  FTimePicker->TDateTimePicker::SetKind(dtkTime);
  FTimePicker->SetAutoTab(FAutoTab);
  FTimePicker->OnChange = [this](TObject* Sender) {
    DoChange();
    if (OnTimeChange) OnTimeChange(Sender);
  };
  FTimePicker->OnClick = [this](TObject*) { DoClick(); };
  FTimePicker->OnKeyPress = [this](TObject*, TKeyChar& Key) { TimePickerKeyPress(Key); };
  FTimePicker->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { KeyDown(Key, Shift); };
}

void TExtDateTimePicker::FreeTimePicker() {
  if (!FTimePicker) return;
  TCustomDateTimePicker* part = FTimePicker;
  FTimePicker = nullptr;
  delete part;
}

void TExtDateTimePicker::EnableTimePartByCheck() {
  if (FTimePicker) FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
}

void TExtDateTimePicker::UpdateTimePicker() {
  if (!FTimePicker) return;
  if (FTimePicker->Parent() != this) FTimePicker->SetParent(this);
  FTimePicker->SetColor(Color());
  EnableTimePartByCheck();
  const bool shown = FKind == dkDateTime;
  if (!shown) {
    FreeTimePicker();
    return;
  }
  FTimePicker->SetVisible(true);
  FTimePicker->TDateTimePicker::SetDateTime(TDateTimePicker::DateTime());
  FTimePicker->SetFormat(FTimeFormat);
  FTimePicker->SetFont(Font());
  // As wide as its text in the picker's font, plus room for its up-down.
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(Font());
  TRect r{0, 0, 1000, 200};
  measure.Canvas().DrawText(FTimePicker->Text().substr(0, 255), r, DT_CALCRECT | DT_SINGLELINE);
  const int w = r.Width() + 31, W = Width(), H = Height(), b = 0;
  if (ThemesActive()) {
    if (IsMetro())
      FTimePicker->SetBounds(W - w - 21 - b, 1, w, H - 2 - b);
    else
      FTimePicker->SetBounds(W - w - 34 - b, 1, w, H - 2 - b);
  } else {
    FTimePicker->SetBounds(W - w - 21 - b, 2, w, H - b - 4);
  }
}

void TExtDateTimePicker::Paint() {
  if (FFirstRun) {
    FFirstRun = false;
    UpdateTimePicker();
  }
  TCustomDateTimePicker::Paint();
}

void TExtDateTimePicker::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case DTM_SETSYSTEMTIME:
      TCustomDateTimePicker::Dispatch(Message);
      if (ShowCheckbox()) {
        EnableTimePartByCheck();
        FIgnoreTimePickerCheck = FTimePicker && FTimePicker->Enabled();
      }
      return;
    case CN_NOTIFY: {
      if (!ShowCheckbox()) break;
      const auto* hdr = reinterpret_cast<const NMHDR*>(Message.LParam);
      if (hdr && hdr->code == DTN_DATETIMECHANGE) {
        TCustomDateTimePicker::Dispatch(Message);
        const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(hdr);
        if (!FIgnoreTimePickerCheck && FTimePicker) {
          if (Enabled() && Checked()) FTimePicker->SetEnabled(true);
          if (change->dwFlags == GDT_NONE) FTimePicker->SetEnabled(false);
        }
      }
      FIgnoreTimePickerCheck = false;
      Message.Result = 0;
      return;
    }
    case WM_SIZE:
    case CM_COLORCHANGED:
      TCustomDateTimePicker::Dispatch(Message);
      UpdateTimePicker();
      return;
    case CM_FONTCHANGED:
      TCustomDateTimePicker::Dispatch(Message);
      // With ParentFont still on, the font was handed down by the parent (a font set on the
      // picker turns it off): the label follows.
      if (FLabel && ParentFont()) FLabel->SetFont(Font());
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (FLabel && FFocusLabel && !ComponentState().Contains(csLoading)) {
        TFont f = FLabel->Font();
        f.Style = Message.Msg == WM_SETFOCUS ? f.Style + TFontStyles{fsBold} : f.Style - TFontStyles{fsBold};
        FLabel->SetFont(f);
      }
      break;
    default: break;
  }
  TCustomDateTimePicker::Dispatch(Message);
}

// --- the label ---

std::string TExtDateTimePicker::LabelCaption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TExtDateTimePicker::SetLabelCaption(const std::string& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TExtDateTimePicker::CreateLabel() {
  FLabel = new TLabel(this);
  FLabel->SetParent(Parent());
  FLabel->SetFocusControl(this);
  FLabel->SetFont(FLabelFont);
  FLabel->SetParentFont(ParentFont());
  FLabel->OnClick = [this](TObject*) {
    if (OnLabelClick) OnLabelClick(this);
  };
  FLabel->OnDblClick = [this](TObject*) {
    if (OnLabelDblClick) OnLabelDblClick(this);
  };
}

void TExtDateTimePicker::UpdateLabel() {
  if (!FLabel) return;
  FLabel->SetTransparent(FLabelTransparent);
  FLabel->SetFont(FParentFnt ? Font() : FLabelFont);
  PlaceLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
}

void TExtDateTimePicker::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  UpdateLabel();
}
void TExtDateTimePicker::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  UpdateLabel();
}
void TExtDateTimePicker::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  UpdateLabel();
}
void TExtDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  if (FLabel && Value) FLabel->SetEnabled(true);
  Invalidate();
}
void TExtDateTimePicker::SetLabelFont(const TFont& Value) {
  if (ParentFont()) return;
  FLabelFont = Value;
  LabelFontChanged();
}

void TExtDateTimePicker::LabelFontChanged() {
  if (!FLabel) return;
  UpdateLabel();
  if (ComponentState().Contains(csDesigning)) SetParentFont(false);
}

void TExtDateTimePicker::Loaded() {
  TCustomDateTimePicker::Loaded();
  if (!ComponentState().Contains(csDesigning)) {
    CreateTimePicker();
    UpdateTimePicker();
    if (!Checked()) {
      SetChecked(false);
      if (FTimePicker) FTimePicker->SetEnabled(false);
    }
  }
  if (!FLabel) {
    FParentFnt = ParentFont();
    return;
  }
  if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
  if (ParentFont()) FLabel->SetFont(Font());
  FParentFnt = ParentFont();
  UpdateLabel();
}

void TExtDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel && FLabel->Parent() && !Destroying()) UpdateLabel();
  UpdateTimePicker();
}

void TExtDateTimePicker::SetParent(TWinControl* AParent) {
  TCustomDateTimePicker::SetParent(AParent);
  if (FLabel && !Destroying()) {
    FLabel->SetParent(AParent);
    UpdateLabel();
  }
}

void TExtDateTimePicker::SetEnabled(bool Value) {
  TCustomDateTimePicker::SetEnabled(Value);
  EnableTimePartByCheck();
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
}

void TExtDateTimePicker::SetVisible(bool Value) {
  TCustomDateTimePicker::SetVisible(Value);
  if (FLabel) FLabel->SetVisible(Value);
}

}  // namespace hd
