// The spin editor while it is open: the keys that end the edit, Home and End at the limits,
// Escape, the spin events for the grid, and the close when the focus leaves.
#include "grid/editing/inplace_spin.h"

#include "grid/editing/edit_session.h"
#include "grid/editing/editor_host.h"
#include "grid/foundation/input_settings.h"
#include "platform/sysutils.h"

namespace hd {

TGridSpin::TGridSpin(TComponent* AOwner, TGridEditorHost& Host) : TEsgSpinEdit(AOwner), FHost(&Host) {
  SetMaxValue(100);
  SetMinValue(0);
  SetIncrement(1);
}

void TGridSpin::FireSpinEvent(bool UpDown) {
  switch (SpinType()) {
    case sptNormal: FHost->SpinClick(Value(), UpDown); break;
    case sptFloat: FHost->FloatSpinClick(FloatValue(), UpDown); break;
    case sptDate: FHost->DateSpinClick(DateValue(), UpDown); break;
    case sptTime: FHost->TimeSpinClick(TimeValue(), UpDown); break;
  }
}

void TGridSpin::SpinUpClick() {
  TEsgSpinEdit::SpinUpClick();
  FireSpinEvent(true);
}

void TGridSpin::SpinDownClick() {
  TEsgSpinEdit::SpinDownClick();
  FireSpinEvent(false);
}

void TGridSpin::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_WANTSPECIALKEY: {
      TEsgSpinEdit::WndProc(Message);
      WORD key = static_cast<WORD>(Message.WParam);
      if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FHost->TabsMoveCells())) Message.Result = 1;
      return;
    }
    case WM_CHAR:
      // Tab and Return did their work as keys.
      if (Message.WParam == 9 || Message.WParam == 13) {
        Message.Result = 0;
        return;
      }
      break;
    default: break;
  }
  TEsgSpinEdit::WndProc(Message);
}

void TGridSpin::KeyPress(TKeyChar& Key) {
  if (Key == 27) Key = 0;
  // Return ends the edit as a key; as a character it is neither typed nor beeped.
  if (Key == 13) Key = 0;
  if (Key != 0) TEsgSpinEdit::KeyPress(Key);
}

bool TGridSpin::HomeEnd(WORD Key) {
  bool home = Key == VK_HOME;
  bool numeric = SpinType() == sptNormal || SpinType() == sptFloat;
  if (SpinType() == sptNormal) SetValue(home ? MaxValue() : MinValue());
  if (SpinType() == sptFloat) SetFloatValue(home ? MaxFloatValue() : MinFloatValue());
  FHost->SpinClick(Value(), home);
  return numeric;
}

bool TGridSpin::StoreAndValidate(WORD& Key) {
  TGridEditorHost& host = *FHost;
  host.SetCurrentCell(Text());
  if (!host.ValidateCell(Text())) {
    // The edit goes on in this editor: the grid cannot reopen an editor while this one has
    // the focus, so it is still the open one (Escape must end it).
    host.Session().EditMode = true;
    SetText(host.CurrentCell());
    SetSelStart(Utf8Length(Text()));
    Key = 0;
    Invalidate();
    return false;
  }
  SetText(host.CurrentCell());
  return true;
}

void TGridSpin::KeyDown(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  if (Key == VK_HOME || Key == VK_END) {
    if (HomeEnd(Key)) {
      Key = 0;
      return;
    }
  }
  if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE) {
    TEsgSpinEdit::KeyDown(Key, Shift);
    return;
  }
  std::string cache = host.Session().CellCache;
  if (Key == VK_ESCAPE) {
    SetText(cache);
    if (SpinType() == sptNormal) SetValue(Value());
    if (SpinType() == sptFloat) SetFloatValue(FloatValue());
  } else if (!StoreAndValidate(Key)) {
    return;
  }
  if (Key == VK_TAB && host.TabsMoveCells()) {
    host.HideInplaceEdit();
    if (host.Window().CanFocus()) host.Window().SetFocus();
    host.TabToNextCell(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  WORD key = Key;
  host.DoneInplaceEdit(key, Shift);
  // Escape cancels: the read-back stored the editor's number, which need not be the text
  // the cell had (a text that is no number, or one outside the limits).
  if (key == VK_ESCAPE && host.CurrentCell() != cache) {
    host.SetCurrentCell(cache);
    host.Session().CellCache = cache;
  }
  TNavigation& navigation = host.Navigation();
  if (key == VK_RETURN && navigation.AdvanceOnEnter() && navigation.AdvanceAutoEdit()) host.ShowInplaceEdit();
  Key = 0;
}

void TGridSpin::Change() {
  TEsgSpinEdit::Change();
  FHost->FireEditChange(FHost->Col(), FHost->Row(), Text());
}

void TGridSpin::DoExit() {
  FHost->HideInplaceEdit();
  TEsgSpinEdit::DoExit();
}

}  // namespace hd
