#include "grid/editors/dropdown/trackbar_dropdown.h"

#include <charconv>
#include <string>

namespace hd {

TExtTrackBarDropDown::TExtTrackBarDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetEditType(etNumeric);
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
  SetForceShadow(true);
}

void TExtTrackBarDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (!FTrackBar) {
    FTrackBar = new TTrackBar(this);
    FTrackBar->SetParent(FDropDownForm);
    FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
  }
  FTrackBar->OnChange = [this](TObject*) { TrackBarChange(); };
}

void TExtTrackBarDropDown::GiveRange() {
  // The slider refuses a Min above its Max: a range wholly above the old one goes Max first.
  if (FMin > FTrackBar->Max()) {
    FTrackBar->SetMax(FMax);
    FTrackBar->SetMin(FMin);
  } else {
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
  }
}

void TExtTrackBarDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  if (!FDropDownForm || !FTrackBar) return;
  FDropDownForm->SetCancelOnDeActivate(false);
  GiveRange();
  FTrackBar->SetPosition(FPosition);
  FTrackBar->SetPageSize(FPageSize);
  FTrackBar->SetFrequency(FFrequency);
  FTrackBar->SetBounds(FTrackBar->Left(), FTrackBar->Top(), Width(), FTrackBar->Height());
  SetDropDownControl(FTrackBar);
}

void TExtTrackBarDropDown::SetMin(int Value) {
  FMin = Value;
  if (!FTrackBar) return;
  FTrackBar->SetMin(Value);
  FMin = FTrackBar->Min();
}

void TExtTrackBarDropDown::SetMax(int Value) {
  FMax = Value;
  if (!FTrackBar) return;
  FTrackBar->SetMax(Value);
  FMax = FTrackBar->Max();
}

void TExtTrackBarDropDown::SetPosition(int Value) {
  FPosition = Value;
  if (!FTrackBar) return;
  FTrackBar->SetPosition(Value);
  FPosition = FTrackBar->Position();
}

void TExtTrackBarDropDown::SetPageSize(int Value) {
  FPageSize = Value;
  if (FTrackBar) FTrackBar->SetPageSize(Value);
}

void TExtTrackBarDropDown::SetFrequency(int Value) {
  FFrequency = Value;
  if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TExtTrackBarDropDown::TrackBarChange() {
  FPosition = FTrackBar->Position();
  SetTextDirect(std::to_string(FPosition));
  if (OnTrackChange) OnTrackChange(this);
}

void TExtTrackBarDropDown::Change() {
  TExtCustomDropDown::Change();
  // A text that is no integer (typing on) leaves the value and the slider as they were.
  const std::string t = Text();
  int v = 0;
  const char* first = t.data();
  if (!t.empty() && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return;
  SetPosition(v);
}

void TExtTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomDropDown::MouseDown(Button, Shift, X, Y);
  if (DropDownEnabled() && !EditorEnabled()) {
    FMouseDraging = true;
    FMouseX = X;
  }
}

void TExtTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
  TExtCustomDropDown::MouseMove(Shift, X, Y);
  if (!FMouseDraging) return;
  // A page size of 0 drags nothing.
  if (FPageSize != 0) SetPosition(FPosition + (X - FMouseX) / FPageSize);
  FMouseX = X;
}

void TExtTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomDropDown::MouseUp(Button, Shift, X, Y);
  FMouseDraging = false;
}

void TExtTrackBarDropDown::Dispatch(TMessage& m) {
  if (m.Msg != WM_KEYDOWN) {
    TExtCustomDropDown::Dispatch(m);
    return;
  }
  HWND self = Handle();
  TExtCustomDropDown::Dispatch(m);
  if (!IsWindow(self) || EditorEnabled() || GetKeyState(VK_MENU) < 0) return;
  if (m.WParam == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
  if (m.WParam == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

}  // namespace hd
