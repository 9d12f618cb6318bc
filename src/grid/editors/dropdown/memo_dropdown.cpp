#include "grid/editors/dropdown/memo_dropdown.h"

#include "platform/bitmap.h"
#include "platform/menus.h"

namespace hd {
namespace {

// Lines joined by CR LF, without a break after the last: the form stored values take.
std::string JoinLines(const TStringList& Lines) {
  std::string s;
  for (int i = 0; i < Lines.Count(); ++i) {
    if (i) s += "\r\n";
    s += Lines[i];
  }
  return s;
}

}  // namespace

TExtMemoDropDown::TExtMemoDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
  FMemoText.OnChange = [this](TStringList&) { MemoTextChanged(); };
}

TExtMemoDropDown::~TExtMemoDropDown() { FMemoText.OnChange = nullptr; }

void TExtMemoDropDown::SetMemoText(const TStringList& Value) {
  FMemoText.Assign(Value);
  if (FMemo) FMemo->Lines().Assign(Value);
}

void TExtMemoDropDown::SetMemoReadOnly(bool Value) {
  FMemoReadOnly = Value;
  if (FMemo && FDroppedDown) FMemo->SetReadOnly(Value);
}

void TExtMemoDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (!FMemo) {
    FMemo = new TMemo(this);
    FMemo->SetParent(FDropDownForm);
    FMemo->SetBounds(0, 0, FMemo->Width(), 100);
    FMemo->SetBorderStyle(bsNone);
    FMemo->OnChange = [this](TObject*) {
      if (OnMemoChange) OnMemoChange(this);
    };
    FMemo->OnKeyPress = [this](TObject*, TKeyChar& Key) { MemoKeyPress(Key); };
  }
  SetDropDownControl(FMemo);
}

void TExtMemoDropDown::MemoKeyPress(TKeyChar& Key) {
  // The memo itself keeps no length limit for typed characters: the edit's is kept here.
  const int limit = MaxLength();
  if (limit <= 0 || Key < 32 || !FMemo) return;
  const std::string t = FMemo->Text();
  if (static_cast<int>(t.size()) - static_cast<int>(FMemo->SelText().size()) >= limit) Key = 0;
}

void TExtMemoDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  if (!FDropDownForm || !FMemo) return;
  FDropDownForm->SetCancelOnDeActivate(false);
  FMemo->SetText(JoinLines(FMemoText));
  FMemo->SetPopupMenu(FMemoPopup);
  FMemo->SetMaxLength(MaxLength());
  FMemo->SetScrollBars(FMemoScrollBars);
  FMemo->SetReadOnly(FMemoReadOnly);
}

void TExtMemoDropDown::DoHideDropDown(bool CancelChanges) {
  // The focus coming back to the edit must not open the popup again.
  const bool autoDrop = FAutoDrop;
  FAutoDrop = false;
  const bool down = FDroppedDown;
  if (CancelChanges && FMemo && down) {
    FMemo->Lines().Assign(FMemoText);
    // The base puts back the last text set; make that the lines' summary.
    FInternalUpdate = true;
    SetText(Summary());
    FInternalUpdate = false;
  }
  // The base puts back the edit's last set text on a cancel: that is a summary, or older,
  // and must not become the lines.
  // The hide is re-entered (the popup's deactivation asks for it again): keep the outer flag.
  const bool internal = FInternalUpdate;
  FInternalUpdate = internal || CancelChanges;
  TExtCustomDropDown::DoHideDropDown(CancelChanges);
  FInternalUpdate = internal;
  if (CancelChanges && down) MemoTextChanged();
  FAutoDrop = autoDrop;
}

void TExtMemoDropDown::DropDownFormHide() {
  const bool autoDrop = FAutoDrop;
  FAutoDrop = false;
  TExtCustomDropDown::DropDownFormHide();
  FAutoDrop = autoDrop;
  if (FMemo) FMemoText.Assign(FMemo->Lines());
  MemoTextChanged();
  SelectRange(0, 0);
}

std::string TExtMemoDropDown::Summary() {
  if (FMemoText.Count() == 0 || EditorEnabled()) return JoinLines(FMemoText);
  TBitmap measure;
  measure.SetSize(1, 1);
  TCanvas& c = measure.Canvas();
  c.SetFont(Font());
  const std::string& first = FMemoText[0];
  const TRect r = GetEditRect();
  const int width = r.Width() > 0 ? r.Width() : ClientWidth();
  if (GetTextSize(c, first).cx < width) return FMemoText.Count() > 1 ? first + "..." : first;
  return FitTextWidth(c, first, width, true);
}

void TExtMemoDropDown::MemoTextChanged() {
  FInternalUpdate = true;
  SetTextDirect(Summary());
  FInternalUpdate = false;
}

void TExtMemoDropDown::Change() {
  // A text that is what the lines already show (the summary, written back late or restored
  // by a cancel) is no new value for them.
  if (!FInternalUpdate && Text() != Summary()) {
    auto keep = std::move(FMemoText.OnChange);
    FMemoText.OnChange = nullptr;
    FMemoText.SetText(Text());
    FMemoText.OnChange = std::move(keep);
  }
  TExtCustomDropDown::Change();
}

void TExtMemoDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
  if (Shift.Contains(ssCtrl) && Key == 'A' && FMemo) FMemo->SelectAll();
  if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtMemoDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
  if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExtCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExtMemoDropDown::ControlKeyPress(TKeyChar& Key) {
  if (GetKeyState(VK_MENU) < 0 || Key == 27) TExtCustomDropDown::ControlKeyPress(Key);
}

void TExtMemoDropDown::Dispatch(TMessage& m) {
  TExtCustomDropDown::Dispatch(m);
  if (m.Msg == CM_ENTER && FAutoDrop) ShowDropDown();
}

}  // namespace hd
