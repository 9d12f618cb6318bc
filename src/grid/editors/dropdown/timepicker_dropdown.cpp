#include "grid/editors/dropdown/timepicker_dropdown.h"

#include <algorithm>
#include <cctype>

#include "platform/date_time_picker.h"
#include "platform/ext_ctrls.h"
#include "platform/regional.h"

namespace hd {

namespace {

char TimeSeparator() { return FormatSettings().TimeSeparator; }

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// A field passes when its first and (if present) second characters are digits; empty is 0.
std::optional<int> FieldValue(const std::string& Field) {
  const std::string f = Trimmed(Field);
  if (f.empty()) return 0;
  if (!IsDigit(f[0]) || (f.size() > 1 && !IsDigit(f[1]))) return std::nullopt;
  int v = 0;
  for (char c : f) {
    if (!IsDigit(c)) break;
    v = v * 10 + (c - '0');
  }
  return v;
}

bool ArrowKey(WORD Key) { return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN; }

bool AltDown(TShiftState Shift) { return Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0; }

}  // namespace

std::optional<TTypedTime> ParseTypedTime(const std::string& Text, char Separator, bool Seconds) {
  std::string t = Trimmed(Text);
  if (t.size() != (Seconds ? 8u : 5u)) return std::nullopt;
  if (std::count(t.begin(), t.end(), Separator) != (Seconds ? 2 : 1)) return std::nullopt;
  std::replace(t.begin(), t.end(), ' ', '0');
  const auto first = t.find(Separator);
  const auto second = Seconds ? t.find(Separator, first + 1) : std::string::npos;
  TTypedTime r;
  auto hour = FieldValue(t.substr(0, first));
  auto minute = FieldValue(t.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1));
  if (!hour || !minute) return std::nullopt;
  r.Hour = *hour;
  r.Minute = *minute;
  if (Seconds) {
    auto sec = FieldValue(t.substr(second + 1));
    if (!sec) return std::nullopt;
    r.Second = *sec;
  }
  return r;
}

std::string FormatPickerTime(int Hour, int Minute, int Second, char Separator, bool Seconds) {
  auto two = [](int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? std::string(2 - s.size(), '0') + s : s;
  };
  std::string r = two(Hour) + Separator + two(Minute);
  if (Seconds) r += Separator + two(Second);
  return r;
}

int PickerPartAt(const std::string& Text, int Caret, char Separator, bool Seconds) {
  const auto at = Text.find(Separator);
  const int p1 = at == std::string::npos ? 0 : static_cast<int>(at) + 1;
  if (Caret < p1) return 0;
  const std::string rest = at == std::string::npos ? Text : Text.substr(at + 1);
  const auto at2 = rest.find(Separator);
  const int p2 = at2 == std::string::npos ? 0 : static_cast<int>(at2) + 1;
  return Seconds && Caret - p1 >= p2 ? 2 : 1;
}

TExtTimePickerDropDown::TExtTimePickerDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>()) {
  // Typing stays off until the owner (the grid's editor) turns it on.
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  FInternalCall = true;
  SetEditMask(MaskFor(true));
  SetTextDirect(FormatPickerTime(0, 0, 0, TimeSeparator(), true));
  FInternalCall = false;
  FWatchSettings = std::make_unique<TWatchSettings>();
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
}

TExtTimePickerDropDown::~TExtTimePickerDropDown() = default;

void TExtTimePickerDropDown::AfterConstruction() {
  TExtCustomDropDown::AfterConstruction();
  // The base's construction empties the text; a new picker shows its time.
  WriteText();
}

std::string TExtTimePickerDropDown::MaskFor(bool Seconds) const {
  // The blanks stay in the text: the parse reads them as zeros.
  const std::string s(1, TimeSeparator());
  return Seconds ? "!90" + s + "00" + s + "00;1; " : "!90" + s + "00;1; ";
}

void TExtTimePickerDropDown::WriteText() {
  int h, m, s, ms;
  DecodeTime(FTime, h, m, s, ms);
  FInternalCall = true;
  SetTextDirect(FormatPickerTime(h, m, s, TimeSeparator(), FShowSeconds));
  FInternalCall = false;
}

void TExtTimePickerDropDown::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  FTime = Value;
  WriteText();
  if (!FDroppedDown) return;
  if (FExtWatch) FExtWatch->SetTime(FTime);
  if (FDateTimePicker && FShowTimePicker) FDateTimePicker->SetTime(FTime);
}

void TExtTimePickerDropDown::SetShowSeconds(bool Value) {
  if (FShowSeconds == Value) return;
  FShowSeconds = Value;
  const TDateTime kept = FTime;
  FInternalCall = true;
  SetEditMask("");
  SetTextDirect("");
  SetEditMask(MaskFor(Value));
  FInternalCall = false;
  // A different value first, so that SetTime writes the text in the new form.
  FTime = kept + 1;
  SetTime(kept);
}

void TExtTimePickerDropDown::SetPart(int Part, int Value) {
  int h, m, s, ms;
  DecodeTime(FTime, h, m, s, ms);
  int* field = Part == 0 ? &h : Part == 1 ? &m : &s;
  if (*field == Value || Value < 0 || Value > (Part == 0 ? 23 : 59)) return;
  *field = Value;
  SetTime(EncodeTime(h, m, s, ms));
  if (OnTimeChange) OnTimeChange(this);
}

void TExtTimePickerDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  // The masked edit takes Up and Down for itself and zeroes them.
  const WORD key = Key;
  TExtCustomDropDown::KeyDown(Key, Shift);
  if (AltDown(Shift) || Shift.Contains(ssCtrl) || (key != VK_UP && key != VK_DOWN)) return;
  const std::string text = Text();
  const int caret = SelStart(), length = SelLength();
  int h, m, s, ms;
  DecodeTime(FTime, h, m, s, ms);
  const int part = PickerPartAt(text, caret, TimeSeparator(), FShowSeconds);
  const int current = part == 0 ? h : part == 1 ? m : s;
  const int top = part == 0 ? 23 : 59;
  // Down counts up and Up counts down, each wrapping within its part.
  int next = key == VK_DOWN ? current + 1 : current - 1;
  if (next > top) next = 0;
  if (next < 0) next = top;
  SetPart(part, next);
  // The new text put the caret at the start; it goes back with its one-character block.
  SelectRange(caret, caret + length);
}

void TExtTimePickerDropDown::Change() {
  TExtCustomDropDown::Change();
  if (FInternalCall) return;
  const std::string text = Text();
  if (text.empty()) return;
  const auto typed = ParseTypedTime(text, TimeSeparator(), FShowSeconds);
  if (!typed) return;
  // A field out of range keeps the time as it was and the text as typed.
  TDateTime value = 0;
  if (!TryEncodeTime(typed->Hour, typed->Minute, typed->Second, 0, value)) return;
  FTime = value;
  const std::string canonical =
      FormatPickerTime(typed->Hour, typed->Minute, typed->Second, TimeSeparator(), FShowSeconds);
  if (canonical != text && typed->Minute == 0 && typed->Second == 0) {
    FInternalCall = true;
    SetText(canonical);
    FInternalCall = false;
  }
}

void TExtTimePickerDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (!FPanelCtrl) {
    FPanelCtrl = new TPanel(this);
    FPanelCtrl->SetParent(FDropDownForm);
    FPanelCtrl->SetBevelOuter(bvNone);
    FPanelCtrl->SetBevelInner(bvNone);
    FPanelCtrl->SetBorderWidth(0);
    FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), 180);
  }
  if (!FExtWatch) {
    FExtWatch = new TExtWatch(this);
    FExtWatch->SetParent(FPanelCtrl);
    FExtWatch->SetAlign(alClient);
  }
  SetDropDownControl(FPanelCtrl);
}

void TExtTimePickerDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  if (!FDropDownForm || !FPanelCtrl || !FExtWatch) return;
  FTimeAtDrop = FTime;
  // Filling the popup from the last showing, the panel would ignore its new size.
  FPanelCtrl->SetAlign(alNone);
  FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), 170, 170);
  // One pixel wider and back lays the popup out again.
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), FDropDownForm->Width() + 1,
                           FDropDownForm->Height());
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), FDropDownForm->Width() - 1,
                           FDropDownForm->Height());
  FDropDownForm->SetCancelOnDeActivate(false);
  FPanelCtrl->SetColor(DropDownColor());
  FExtWatch->SetAppearance(*FWatchAppearance);
  FExtWatch->SetSettings(*FWatchSettings);
  FExtWatch->SetShowAMPM(FShowWatchAMPM);
  FExtWatch->SetShowNumbers(FShowWatchNumbers);
  FExtWatch->SetAnimation(FAnimation);
  FExtWatch->SetAnimationFactor(FAnimationFactor);
  FExtWatch->OnChange = nullptr;
  // With Auto the clock runs on the system time instead.
  if (!FWatchSettings->Auto()) FExtWatch->SetTime(FTime);
  FExtWatch->OnChange = [this](TObject*) { WatchChanged(); };
  ShowPicker();
}

void TExtTimePickerDropDown::ShowPicker() {
  if (!FShowTimePicker) {
    if (FDateTimePicker) FDateTimePicker->SetVisible(false);
    return;
  }
  if (!FDateTimePicker) {
    FDateTimePicker = new TDateTimePicker(this);
    FDateTimePicker->SetParent(FPanelCtrl);
    FDateTimePicker->SetKind(dtkTime);
  }
  FDateTimePicker->OnChange = nullptr;
  FDateTimePicker->SetAlign(alBottom);
  FDateTimePicker->SetVisible(true);
  FDateTimePicker->SetTime(FTime);
  FDateTimePicker->BringToFront();
  FDateTimePicker->OnChange = [this](TObject*) { PickerChanged(); };
  FDateTimePicker->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
  FDateTimePicker->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
  FDateTimePicker->OnKeyPress = [this](TObject*, TKeyChar& Key) { ControlKeyPress(Key); };
  FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
  FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), FPanelCtrl->Width(),
                        FDateTimePicker->Height() + 170);
}

void TExtTimePickerDropDown::WatchChanged() {
  const bool changed = FExtWatch->Time() != FTime;
  if (FDateTimePicker && FShowTimePicker && FDateTimePicker->Time() != FExtWatch->Time())
    FDateTimePicker->SetTime(FExtWatch->Time());
  SetTime(FExtWatch->Time());
  // Every time the user picks on the clock is reported, not only the ones a picker shows.
  if (changed && OnTimeChange) OnTimeChange(this);
}

void TExtTimePickerDropDown::PickerChanged() {
  if (FDateTimePicker && FExtWatch && !FWatchSettings->Auto()) FExtWatch->SetTime(FDateTimePicker->Time());
}

void TExtTimePickerDropDown::DoHideDropDown(bool CancelChanges) {
  const bool shown = FDropDownForm && FDropDownForm->Visible();
  TExtCustomDropDown::DoHideDropDown(CancelChanges);
  if (!shown || !FExtWatch) return;
  if (!CancelChanges) {
    SetTime(FExtWatch->Time());
    return;
  }
  // The restored text may hold no time (nothing was set through Text): the time from before
  // the popup comes back instead of the one the clock left.
  if (!ParseTypedTime(Text(), TimeSeparator(), FShowSeconds)) {
    FTime = FTimeAtDrop;
    WriteText();
  }
  FExtWatch->SetTime(FTime);
}

void TExtTimePickerDropDown::DropDownFormHide() {
  TExtCustomDropDown::DropDownFormHide();
  if (FExtWatch) SetTime(FExtWatch->Time());
}

void TExtTimePickerDropDown::DropDownFormKeyDown(WORD& Key, TShiftState Shift) {
  // Page and arrow keys belong to the clock while the popup shows, unless Alt is held.
  if (!ArrowKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::DropDownFormKeyDown(Key, Shift);
  if (FDropDownForm && FDropDownForm->Visible() && FExtWatch) FExtWatch->HandleKey(Key);
}

void TExtTimePickerDropDown::DropDownFormKeyUp(WORD& Key, TShiftState Shift) {
  if (!ArrowKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::DropDownFormKeyUp(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
  if (!ArrowKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
  if (!ArrowKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyPress(TKeyChar& Key) {
  // The characters that share the page and arrow keys' codes.
  if (!ArrowKey(static_cast<WORD>(Key)) || GetKeyState(VK_MENU) < 0) TExtCustomDropDown::ControlKeyPress(Key);
}

void TExtTimePickerDropDown::SetComponentStyle(TDAZStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  ApplyWatchComponentStyle(*FWatchAppearance, AStyle);
}

}  // namespace hd
