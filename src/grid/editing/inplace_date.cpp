// The date and time editors while open: the keys that end the edit, the move to the next
// field as digits complete one, and the close when the focus leaves.
#include "grid/editing/inplace_date.h"

#include "grid/editing/edit_session.h"
#include "grid/editing/editor_host.h"
#include "grid/foundation/input_settings.h"

namespace hd {
namespace {

bool IsEditorKey(WORD Key) {
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END;
}

void ClaimSpecialKeys(TMessage& Message, TGridEditorHost& Host) {
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && Host.EditorHandlesTab())) Message.Result = 1;
}

}  // namespace

// --- TGridDatePicker ---

TGridDatePicker::TGridDatePicker(TComponent* AOwner, TGridEditorHost& Host) : TEsgDateTimePicker(AOwner), FHost(&Host) {
  DTPShiftFocusMessage();
}

void TGridDatePicker::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    TEsgDateTimePicker::WndProc(Message);
    ClaimSpecialKeys(Message, *FHost);
    return;
  }
  if (Message.Msg == CN_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(Message.LParam);
    if (hdr && hdr->code == DTN_DROPDOWN) FOldDropped = true;
    if (hdr && hdr->code == DTN_CLOSEUP) FOldDropped = false;
  }
  const bool shiftFocus = Message.Msg == DTPShiftFocusMessage();
  TEsgDateTimePicker::WndProc(Message);
  if (shiftFocus) AdvanceOnPartChange();
}

void TGridDatePicker::Paint() {
  TEsgDateTimePicker::Paint();
  // Two rings of the window colour hide the platform's sunken frame inside the cell.
  TCanvas& canvas = Canvas();
  canvas.Brush() = TBrush{clWindow, bsSolid};
  canvas.FrameRect({0, 0, Width(), Height()});
  canvas.FrameRect({1, 1, Width() - 1, Height() - 1});
}

void TGridDatePicker::KeyPress(TKeyChar& Key) {
  if (Key >= '0' && Key <= '9') {
    DecodeTime(DateTime(), Fth, Ftm, Fts, Ftms);
    DecodeDate(DateTime(), Fy, Fm, Fd);
    TEsgDateTimePicker::KeyPress(Key);
    PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
  } else {
    TEsgDateTimePicker::KeyPress(Key);
  }
  FHost->FireKeyPress(&FHost->Window(), Key);
}

void TGridDatePicker::AdvanceOnPartChange() {
  if (Kind() == dtkTime) {
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(DateTime(), h, m, s, ms);
    if (h != Fth || m != Ftm || s != Fts) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    return;
  }
  int Y = 0, M = 0, D = 0;
  DecodeDate(DateTime(), Y, M, D);
  const bool dChanged = D != Fd, mChanged = M != Fm, yChanged = Y != Fy;
  const std::string format = Format();
  if (!format.empty()) {
    const char L = format.back();
    const bool lastDone = (dChanged && (L == 'd' || L == 'D')) || (mChanged && (L == 'm' || L == 'M')) ||
                          (yChanged && (L == 'y' || L == 'Y'));
    if (!lastDone && (dChanged || mChanged || yChanged)) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  } else if (dChanged || mChanged) {
    PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  }
}

// The cell's text read as the picker's kind; false when it is no date or time.
static bool PickerValueOf(const std::string& Text, TDateTimeKind Kind, TDateTime& Value) {
  if (Kind == dtkTime) return TryStrToTime(Text, Value) || TryStrToDateTime(Text, Value);
  return TryStrToDateTime(Text, Value) || TryStrToDate(Text, Value);
}

bool TGridDatePicker::StoreAndValidate(WORD& Key) {
  TGridEditorHost& host = *FHost;
  host.SetCurrentCell(Text());
  TDateTime shown = 0;
  if (!host.ValidateCell(Text())) {
    host.Session().EditMode = true;
    if (PickerValueOf(host.Session().NewCellText, Kind(), shown)) SetDateTime(shown);
    Invalidate();
    Key = 0;
    return false;
  }
  if (PickerValueOf(host.CurrentCell(), Kind(), shown)) SetDateTime(shown);
  return true;
}

void TGridDatePicker::KeyDown(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  if (!IsEditorKey(Key)) {
    TEsgDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  const std::string cache = host.Session().CellCache;
  // The field being typed is taken first; an open calendar would take Right as a day on.
  const bool tabValidates = Key == VK_TAB && host.EditorHandlesTab();
  if ((Key == VK_RETURN || tabValidates) && !DroppedDown()) {
    Perform(WM_KEYDOWN, VK_RIGHT, 0);
    Perform(WM_KEYUP, VK_RIGHT, 0);
  }
  if (Key == VK_ESCAPE) {
    TDateTime v = 0;
    if (!PickerValueOf(host.CurrentCell(), Kind(), v)) v = Now();
    SetDateTime(v);
  } else if (Key == VK_RETURN) {
    if (!StoreAndValidate(Key)) return;
  } else if (tabValidates) {
    if (!StoreAndValidate(Key)) return;
    if (host.TabsMoveCells()) {
      host.HideInplaceEdit();
      if (host.Window().CanFocus()) host.Window().SetFocus();
      host.TabToNextCell(KeyboardStateToShiftState().Contains(ssShift));
      Key = 0;
      return;
    }
  }
  // An open calendar keeps the key (Return picks, Escape closes it).
  if (DroppedDown()) return;
  WORD key = Key;
  host.DoneInplaceEdit(key, Shift);
  // Escape leaves the cell as it was, also when its text was no date the picker could show.
  if (key == VK_ESCAPE && host.CurrentCell() != cache) {
    host.SetCurrentCell(cache);
    host.Session().CellCache = cache;
  }
  Key = 0;
}

void TGridDatePicker::DoExit() {
  FHost->HideInplaceEdit();
  TEsgDateTimePicker::DoExit();
}

// --- TGridDateTimePicker ---

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner, TGridEditorHost& Host)
    : TExtDateTimePicker(AOwner), FHost(&Host) {}

void TGridDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    TExtDateTimePicker::WndProc(Message);
    ClaimSpecialKeys(Message, *FHost);
    return;
  }
  TExtDateTimePicker::WndProc(Message);
}

void TGridDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  if (!IsEditorKey(Key) || (Key == VK_TAB && !host.EditorHandlesTab())) {
    TExtDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  auto toGrid = [&host] {
    if (host.Window().CanFocus()) host.Window().SetFocus();
  };
  switch (Key) {
    case VK_ESCAPE:
      SetDate(host.Session().OriginalDateTime);
      host.HideInplaceEdit();
      toGrid();
      break;
    case VK_RETURN:
      host.HideInplaceEdit();
      toGrid();
      if (host.Navigation().AdvanceOnEnter()) host.AdvanceOnReturn();
      break;
    case VK_TAB:
      // The read-back has stored the date and the time; the picker's own text is the date
      // alone and would cut the time off.
      host.HideInplaceEdit();
      toGrid();
      host.TabToNextCell(KeyboardStateToShiftState().Contains(ssShift));
      break;
    default: break;
  }
  Key = 0;
}

}  // namespace hd
